#include "JC_Module/JC_State/View/JC_StateModuleViewB.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const char* const INLAY_INTO = "鑲嵌到";
const int BUTTONS[] = {JC_StateModuleViewB::ITEM_OK, JC_StateModuleViewB::ITEM_CANCEL};

} // namespace

JC_StateModuleViewB::JC_StateModuleViewB() : JC_StateModuleViewBase(11, ITEM_COUNT)
{
    m_Lines[1] = INLAY_INTO;
}

JC_StateModuleViewB::~JC_StateModuleViewB()
{
    UnbuildView();
}

void JC_StateModuleViewB::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                          const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("ViewB 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , ItemT:%s "
                                "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult),
                                s_szSourceFile, __LINE__);
}

DWORD JC_StateModuleViewB::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_OK, "OK", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_CANCEL, "Cancel", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_LINE1, "Line1", nullptr);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_LINE2, "Line2", nullptr);
    if (dwResult == 0) {
        GetString(ITEM_LINE2)->SetString(INLAY_INTO, WHITE);
        dwResult = BuildStringItem(ITEM_LINE3, "Line3", nullptr);
    }
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleViewB::OpenView()
{
    if (!m_bBuilt)
        return 0;
    for (const int iItem : {ITEM_BK, ITEM_OK, ITEM_CANCEL})
        ShowRenderItemPage(GetAnimation(iItem), 1, 0);
    for (const int iLine : {ITEM_LINE1, ITEM_LINE2, ITEM_LINE3})
        GetString(iLine)->SetShow(1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleViewB::SetViewMode(int iMode)
{
    if (iMode != 0) {
        m_Controls.pErrorLog->Print("View B 在設定顯示模式時 發生錯誤(不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) "
                                    "\n\n",
                                    iMode, s_szSourceFile, __LINE__);
        return JE_STATEMODULEVIEWB_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    return 0;
}

DWORD JC_StateModuleViewB::SetInlayInfo(std::string strGemName, std::string strEquipmentName)
{
    m_Lines[0] = "確定要將" + strGemName;
    m_Lines[2] = strEquipmentName + "？";
    if (m_Items[ITEM_LINE1] != nullptr)
        GetString(ITEM_LINE1)->SetString(m_Lines[0].c_str(), WHITE);
    if (m_Items[ITEM_LINE3] != nullptr)
        GetString(ITEM_LINE3)->SetString(m_Lines[2].c_str(), WHITE);
    return 0;
}

DWORD JC_StateModuleViewB::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    if (uMsg == WM_RBUTTONUP) {
        m_dwViewEvent = EVENT_CANCEL;
        return 1;
    }
    if (uMsg == WM_LBUTTONDOWN) {
        PressButton(BUTTONS, 2);
        return 0;
    }
    if (uMsg != WM_LBUTTONUP)
        return 0;
    const int iReleased = ReleaseButton(BUTTONS);
    if (iReleased < 0)
        return 0;
    m_dwViewEvent = iReleased == 0 ? EVENT_OK : EVENT_CANCEL;
    return 1;
}
