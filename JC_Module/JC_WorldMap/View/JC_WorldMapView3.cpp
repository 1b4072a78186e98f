#include "JC_Module/JC_WorldMap/View/JC_WorldMapView3.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_WorldMapView3::JC_WorldMapView3()
    : JC_ModuleConfirmView(
          [](const JS_ModuleControls& controls) -> JC_ControlModuleBase* { return controls.pControlModuleWorldMap; },
          "View3_")
{
}

DWORD JC_WorldMapView3::RefuseViewMode(int iMode) const
{
    m_Controls.pErrorLog->Print("View 3 在設定顯示模式時 發生錯誤(該模組視窗 不支援指定的顯示模式) \nViewMode:Ox%x(%d) "
                                "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                static_cast<unsigned>(iMode), iMode,
                                static_cast<unsigned>(JE_WORLDMAPVIEW3_VIEW_MODE_NOT_SUPPORT), s_szSourceFile, __LINE__);
    return JE_WORLDMAPVIEW3_VIEW_MODE_NOT_SUPPORT;
}
