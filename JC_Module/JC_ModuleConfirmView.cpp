#include "JC_Module/JC_ModuleConfirmView.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "JC_DataManager/Control/JC_ControlModuleBase.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <utility>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD TEXT_COLOR = 0xFFFFFFFF;

} // namespace

JC_ModuleConfirmView::JC_ModuleConfirmView(LayoutOf layoutOf, std::string strKeyPrefix)
    : m_layoutOf(layoutOf), m_strKeyPrefix(std::move(strKeyPrefix))
{
}

JC_ModuleConfirmView::~JC_ModuleConfirmView()
{
    UnbuildView();
}

DWORD JC_ModuleConfirmView::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                           JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult = JC_ModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    m_strPathAni = Layout()->GetItemDataString("PathAni");
    return 0;
}

XC_RenderAnimation* JC_ModuleConfirmView::GetButton(JE_ViewEvent eButton) const
{
    return eButton == EVENT_OK ? m_pOK.get() : m_pCancel.get();
}

void JC_ModuleConfirmView::ReportBuild(int iLine, const char* szName, const std::string& strFile,
                                       const std::string& strText, DWORD dwResult) const
{
    JC_ControlModuleBase* const pLayout = Layout();
    // The prefix without its "_" names the view: "View3".
    const std::string strView = m_strKeyPrefix.substr(0, m_strKeyPrefix.size() - 1);
    m_Controls.pErrorLog->Print("%s 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , ItemT:%s "
                                "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                strView.c_str(), pLayout->GetItemDataFloat(Key(szName, "X")),
                                pLayout->GetItemDataFloat(Key(szName, "Y")), pLayout->GetItemDataFloat(Key(szName, "Z")),
                                strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile,
                                iLine);
}

DWORD JC_ModuleConfirmView::BuildButton(std::unique_ptr<XC_RenderAnimation>& pItem, const char* szName)
{
    JC_ControlModuleBase* const pLayout = Layout();
    const std::string strFile = pLayout->GetItemDataString(Key(szName, "F"));
    pItem = std::make_unique<XC_RenderAnimation>();
    const DWORD dwResult = m_pModuleResource->BuildScreenAnimation(
        pItem.get(), strFile.empty() ? "" : (m_strPathAni + strFile).c_str(), pLayout->GetItemDataFloat(Key(szName, "X")),
        pLayout->GetItemDataFloat(Key(szName, "Y")), pLayout->GetItemDataFloat(Key(szName, "Z")), &m_RenderNode);
    if (dwResult != 0)
        ReportBuild(__LINE__, szName, strFile, "", dwResult);
    return dwResult;
}

DWORD JC_ModuleConfirmView::BuildLine()
{
    JC_ControlModuleBase* const pLayout = Layout();
    const std::string strText = pLayout->GetItemDataString(Key("Line1", "T"));
    m_pLine1 = std::make_unique<XC_RenderString>();
    const DWORD dwResult = m_pModuleResource->BuildScreenStringWithText(
        m_pLine1.get(), strText.c_str(), TEXT_COLOR, pLayout->GetItemDataFloat(Key("Line1", "X")),
        pLayout->GetItemDataFloat(Key("Line1", "Y")), pLayout->GetItemDataFloat(Key("Line1", "Z")), &m_RenderNode);
    if (dwResult != 0)
        ReportBuild(__LINE__, "Line1", "", strText, dwResult);
    return dwResult;
}

DWORD JC_ModuleConfirmView::BuildView()
{
    UnbuildView();
    JC_ControlModuleBase* const pLayout = Layout();
    SetPosition(pLayout->GetItemDataFloat(Key("", "X")), pLayout->GetItemDataFloat(Key("", "Y")),
                pLayout->GetItemDataFloat(Key("", "Z")));
    DWORD dwResult = BuildButton(m_pBk, "Bk");
    if (dwResult == 0)
        dwResult = BuildButton(m_pOK, "OK");
    if (dwResult == 0)
        dwResult = BuildButton(m_pCancel, "Cancel");
    if (dwResult == 0)
        dwResult = BuildLine();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_ModuleConfirmView::UnbuildView()
{
    m_pBk.reset();
    m_pOK.reset();
    m_pCancel.reset();
    m_pLine1.reset();
    m_bBuilt = 0;
    return 0;
}

DWORD JC_ModuleConfirmView::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(m_pBk.get(), 1, 0);
    ShowRenderItemPage(m_pOK.get(), 1, 0);
    ShowRenderItemPage(m_pCancel.get(), 1, 0);
    ShowRenderItem(m_pLine1.get(), 1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_ModuleConfirmView::CloseView()
{
    for (XC_RenderingObject* const pItem :
         {static_cast<XC_RenderingObject*>(m_pBk.get()), static_cast<XC_RenderingObject*>(m_pOK.get()),
          static_cast<XC_RenderingObject*>(m_pCancel.get()), static_cast<XC_RenderingObject*>(m_pLine1.get())}) {
        if (pItem != nullptr)
            pItem->SetShow(0);
    }
    m_bOpen = 0;
    return 0;
}

DWORD JC_ModuleConfirmView::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode);
    m_iViewMode = iMode;
    return 0;
}

int JC_ModuleConfirmView::HitButton() const
{
    D3DXVECTOR3 vOrigin, vDirection;
    if (m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection) != 0)
        return -1;
    if (IsRenderItemHit(m_pOK.get(), &vOrigin, &vDirection))
        return EVENT_OK;
    if (IsRenderItemHit(m_pCancel.get(), &vOrigin, &vDirection))
        return EVENT_CANCEL;
    return -1;
}

DWORD JC_ModuleConfirmView::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive || !m_bBuilt)
        return 0;
    if (uMsg == WM_LBUTTONDOWN) {
        m_Press.Press(HitButton());
        if (m_Press.IsPressing())
            PlayRenderItem(GetButton(static_cast<JE_ViewEvent>(m_Press.GetPressedButton())), 0, 1, 0);
        return 0;
    }
    if (uMsg == WM_LBUTTONUP && m_Press.IsPressing()) {
        const int iPressed = m_Press.GetPressedButton();
        const int iTaken = m_Press.Release(HitButton());
        PlayRenderItem(GetButton(static_cast<JE_ViewEvent>(iPressed)), 0, 0, 0);
        if (iTaken == -1)
            return 0;
        m_dwViewEvent = static_cast<DWORD>(iTaken);
        return 1;
    }
    if (uMsg == WM_RBUTTONUP) {
        m_dwViewEvent = EVENT_CANCEL;
        return 1;
    }
    return 0;
}
