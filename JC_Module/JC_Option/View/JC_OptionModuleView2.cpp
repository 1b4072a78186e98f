#include "JC_Module/JC_Option/View/JC_OptionModuleView2.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "JC_DataManager/Control/JC_ControlModuleOption.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_OptionModuleView2::JC_OptionModuleView2()
    : JC_ModuleConfirmView(
          [](const JS_ModuleControls& controls) -> JC_ControlModuleBase* { return controls.pControlModuleOption; },
          "View2_")
{
}

DWORD JC_OptionModuleView2::RefuseViewMode(int iMode) const
{
    m_Controls.pErrorLog->Print("View 2 在設定顯示模式時 發生錯誤(不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) \n\n",
                                iMode, s_szSourceFile, __LINE__);
    return JE_OPTIONMODULEVIEW2_VIEW_MODE_NOT_SUPPORT;
}
