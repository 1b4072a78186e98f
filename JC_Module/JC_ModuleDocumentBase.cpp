#include "JC_Module/JC_ModuleDocumentBase.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_ModuleViewBase.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int UPDATE_ACTIVE_VIEWS = -3;
const int UPDATE_SHOWN_VIEWS = -2;
const int UPDATE_EVERY_VIEW = -1;

} // namespace

JC_ModuleDocumentBase::JC_ModuleDocumentBase(const JS_DocumentRouting& routing)
    : m_Routing(routing), m_Views(routing.iViewCount)
{
}

JC_ModuleDocumentBase::~JC_ModuleDocumentBase() = default;

BOOL JC_ModuleDocumentBase::IsDocumentMessage(UINT uMsg) const
{
    return (uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST) || (uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST);
}

JC_DebugLog* JC_ModuleDocumentBase::Log() const
{
    return m_Controls.pErrorLog != nullptr ? m_Controls.pErrorLog : gp_DebugInfoObj;
}

DWORD JC_ModuleDocumentBase::Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState,
                                        XC_Mouse* pMouse, JC_ControlManager* pControlManager)
{
    m_bInitiated = 0;
    if (pModuleManager == nullptr)
        return JE_MODULEDOCUMENTBASE_NULL_MODULE_MANAGER;
    if (FAILED(SetModuleManager(pModuleManager)))
        return JE_MODULEDOCUMENTBASE_SET_MODULE_MANAGER;
    if (pControlManager == nullptr)
        return JE_MODULEDOCUMENTBASE_NULL_CONTROL_MANAGER;
    if (!pControlManager->IsInitiated())
        return JE_MODULEDOCUMENTBASE_CONTROL_MANAGER_NOT_INITIATED;
    m_pModuleManager = pModuleManager;
    m_pMouseState = pMouseState;
    m_pMouse = pMouse;
    m_pControlManager = pControlManager;
    m_Controls.Bind(*pControlManager);
    DWORD dwResult = m_ModuleResource.Initiation(GetEnvironmentOfRender());
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ModuleDocumentBase InitiationModuleResourceObj Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_ModuleMouse.Initiation(pMouseState, pMouse);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ModuleDocumentBase InitiationModuleMouseObj Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bInitiated = 1;
    return 0;
}

DWORD JC_ModuleDocumentBase::SetPosition(float fX, float fY, float fZ)
{
    m_fX = fX;
    m_fY = fY;
    m_fZ = fZ;
    m_RenderNode.SetPositionX(fX);
    m_RenderNode.SetPositionY(fY);
    m_RenderNode.SetPositionZ(fZ);
    return 0;
}

void JC_ModuleDocumentBase::GetPosition(float* pfX, float* pfY, float* pfZ) const
{
    *pfX = m_fX;
    *pfY = m_fY;
    *pfZ = m_fZ;
}

JC_ModuleViewBase* JC_ModuleDocumentBase::GetView(int iViewIndex) const
{
    if (iViewIndex < 0 || iViewIndex >= m_Routing.iViewCount)
        return nullptr;
    return m_Views[iViewIndex].get();
}

HRESULT JC_ModuleDocumentBase::OnOpen()
{
    const DWORD dwResult = OpenDocument();
    if (dwResult == 0)
        return S_OK;
    Log()->PrintAt(s_szSourceFile, __LINE__, " %s OnOpen Fail. \r\n HRESULT:0x%08x \r\n", m_Routing.szDocumentName,
                   static_cast<unsigned>(dwResult));
    // A screen that cannot open must not stay pushed and swallow the input.
    DeleteAllView();
    if (m_bInitiated)
        m_ModuleMouse.OnClose();
    ReleaseDocumentData();
    m_iMode = 0;
    Close();
    return static_cast<HRESULT>(dwResult);
}

DWORD JC_ModuleDocumentBase::OpenDocument()
{
    if (!m_bInitiated)
        return JE_MODULEDOCUMENTBASE_NOT_INITIATED;
    JC_ControlModuleBase* const pLayout = GetLayoutControl();
    SetPosition(pLayout->GetItemDataFloat("ModuleX"), pLayout->GetItemDataFloat("ModuleY"),
                pLayout->GetItemDataFloat("ModuleZ"));
    SetShowLowerModule(pLayout->GetItemDataLong("IsRenderParent") != 0);
    DWORD dwResult = LoadDocumentData();
    if (dwResult != 0)
        return dwResult;
    m_ModuleMouse.OnOpen();
    dwResult = CreateAllView();
    if (dwResult != 0)
        return dwResult;
    UpdateView(UPDATE_EVERY_VIEW);
    dwResult = SetDocumentMode(m_iStartMode);
    if (dwResult != 0)
        return dwResult;
    m_bViewsReady = 1;
    return 0;
}

HRESULT JC_ModuleDocumentBase::OnClose()
{
    const DWORD dwResult = CloseDocument();
    return static_cast<HRESULT>(dwResult);
}

DWORD JC_ModuleDocumentBase::CloseDocument()
{
    if (!m_bViewsReady)
        return 0;
    DWORD dwResult = SetDocumentMode(0);
    if (dwResult != 0)
        return dwResult;
    dwResult = DeleteAllView();
    if (dwResult != 0)
        return dwResult;
    m_ModuleMouse.OnClose();
    ReleaseDocumentData();
    m_bViewsReady = 0;
    return 0;
}

DWORD JC_ModuleDocumentBase::CreateAllView()
{
    for (int i = 0; i < m_Routing.iViewCount; ++i)
        m_Views[i].reset(NewView(i));
    for (int i = 0; i < m_Routing.iViewCount; ++i) {
        JC_ModuleViewBase* const pView = m_Views[i].get();
        DWORD dwResult = pView->InitiationView(m_pControlManager, &m_RenderNode, &m_ModuleMouse, &m_ModuleResource);
        if (dwResult == 0)
            dwResult = pView->SetModuleDocumentToView(this);
        if (dwResult == 0)
            dwResult = pView->BuildView();
        if (dwResult != 0) {
            Log()->PrintAt(s_szSourceFile, __LINE__, " %s CreateAllView Fail. \r\n View:%d \r\n HRESULT:0x%08x \r\n",
                           m_Routing.szDocumentName, i, static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return GiveChildViews();
}

DWORD JC_ModuleDocumentBase::DeleteAllView()
{
    for (int i = 0; i < m_Routing.iViewCount; ++i) {
        if (m_Views[i] == nullptr)
            continue;
        const DWORD dwResult = m_Views[i]->UnbuildView();
        if (dwResult != 0) {
            Log()->PrintAt(s_szSourceFile, __LINE__, " %s DeleteAllView Fail. \r\n View:%d \r\n HRESULT:0x%08x \r\n",
                           m_Routing.szDocumentName, i, static_cast<unsigned>(dwResult));
            return dwResult;
        }
        m_Views[i].reset();
    }
    return 0;
}

int JC_ModuleDocumentBase::ShownAt(int iMode, int iColumn) const
{
    return m_Routing.piShownTable[iMode * m_Routing.iColumnCount + iColumn];
}

int JC_ModuleDocumentBase::ActiveAt(int iMode, int iColumn) const
{
    return m_Routing.piActiveTable[iMode * m_Routing.iColumnCount + iColumn];
}

bool JC_ModuleDocumentBase::IsShownIn(int iMode, int iViewIndex) const
{
    for (int iColumn = 0; iColumn < m_Routing.iColumnCount; ++iColumn) {
        if (ShownAt(iMode, iColumn) == iViewIndex)
            return true;
    }
    return false;
}

DWORD JC_ModuleDocumentBase::UpdateRow(const int* piRow)
{
    for (int iColumn = 0; iColumn < m_Routing.iColumnCount; ++iColumn) {
        JC_ModuleViewBase* const pView = GetView(piRow[iColumn]);
        if (pView != nullptr)
            pView->Update();
    }
    return 0;
}

DWORD JC_ModuleDocumentBase::UpdateView(int iViewIndex)
{
    const int iRowStart = m_iMode * m_Routing.iColumnCount;
    if (iViewIndex == UPDATE_ACTIVE_VIEWS)
        return UpdateRow(m_Routing.piActiveTable + iRowStart);
    if (iViewIndex == UPDATE_SHOWN_VIEWS)
        return UpdateRow(m_Routing.piShownTable + iRowStart);
    if (iViewIndex == UPDATE_EVERY_VIEW) {
        for (const std::unique_ptr<JC_ModuleViewBase>& pView : m_Views) {
            if (pView != nullptr)
                pView->Update();
        }
        return 0;
    }
    if (iViewIndex < 0 || iViewIndex >= m_Routing.iViewCount) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " %s UpdateView ViewIndex Undefined. \r\n ViewIndex:%d \r\n HRESULT:0x%08x \r\n",
                       m_Routing.szDocumentName, iViewIndex, static_cast<unsigned>(m_Routing.dwUndefinedViewIndex));
        return m_Routing.dwUndefinedViewIndex;
    }
    if (m_Views[iViewIndex] != nullptr)
        m_Views[iViewIndex]->Update();
    return 0;
}

DWORD JC_ModuleDocumentBase::SetDocumentMode(int iMode)
{
    if (iMode < 0 || iMode >= m_Routing.iModeCount) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " %s SetDocumentMode DocumentMode NotSupport. \r\n DocumentMode:0x%08x \r\n HRESULT:0x%08x \r\n",
                       m_Routing.szDocumentName, iMode, static_cast<unsigned>(m_Routing.dwUnsupportedMode));
        return m_Routing.dwUnsupportedMode;
    }
    m_iPreviousMode = m_iMode;
    m_iMode = iMode;
    for (const std::unique_ptr<JC_ModuleViewBase>& pView : m_Views) {
        if (pView != nullptr)
            pView->SetViewActive(0);
    }
    for (int iColumn = 0; iColumn < m_Routing.iColumnCount; ++iColumn) {
        const int iViewIndex = ShownAt(m_iPreviousMode, iColumn);
        JC_ModuleViewBase* const pView = GetView(iViewIndex);
        if (pView != nullptr && !IsShownIn(m_iMode, iViewIndex))
            pView->CloseView();
    }
    PrepareViewsForMode(m_iMode);
    for (int iColumn = 0; iColumn < m_Routing.iColumnCount; ++iColumn) {
        const int iViewIndex = ShownAt(m_iMode, iColumn);
        JC_ModuleViewBase* const pView = GetView(iViewIndex);
        if (pView != nullptr && !IsShownIn(m_iPreviousMode, iViewIndex))
            pView->OpenView();
    }
    for (int iColumn = 0; iColumn < m_Routing.iColumnCount; ++iColumn) {
        JC_ModuleViewBase* const pView = GetView(ActiveAt(m_iMode, iColumn));
        if (pView != nullptr)
            pView->SetViewActive(1);
    }
    return 0;
}

void JC_ModuleDocumentBase::KeepViewsInMode(int iMode)
{
    m_iPreviousMode = m_iMode;
    m_iMode = iMode;
}

DWORD JC_ModuleDocumentBase::DealEventOf(int iViewIndex)
{
    JC_ModuleViewBase* const pView = m_Views[iViewIndex].get();
    const DWORD dwViewEvent = pView->GetViewEvent();
    pView->ClearViewEvent();
    const DWORD dwResult = DealViewEvent(iViewIndex, dwViewEvent);
    if (dwResult != 0)
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " %s DealViewEvent Fail. \r\n View:%d \r\n ViewEvent:%u \r\n HRESULT:0x%08x \r\n",
                       m_Routing.szDocumentName, iViewIndex, static_cast<unsigned>(dwViewEvent),
                       static_cast<unsigned>(dwResult));
    return dwResult;
}

void JC_ModuleDocumentBase::FrameMove(float fElapsedTime)
{
    XC_RenderModule::FrameMove(fElapsedTime);
    m_ModuleMouse.Update();
    if (!m_bViewsReady || !m_Routing.bFrameMoveViews)
        return;
    for (int iColumn = 0; iColumn < m_Routing.iColumnCount; ++iColumn) {
        const int iViewIndex = ShownAt(m_iMode, iColumn);
        JC_ModuleViewBase* const pView = GetView(iViewIndex);
        if (pView != nullptr && pView->FrameMove(fElapsedTime) == 1) {
            DealEventOf(iViewIndex);
            return;
        }
    }
}

LRESULT JC_ModuleDocumentBase::MsgProc(HWND /*hWnd*/, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!IsDocumentMessage(uMsg))
        return 1;
    DealDocumentMessage(uMsg, wParam, lParam);
    if (!m_bViewsReady)
        return 1;
    for (int iColumn = 0; iColumn < m_Routing.iColumnCount; ++iColumn) {
        const int iViewIndex = ShownAt(m_iMode, iColumn);
        JC_ModuleViewBase* const pView = GetView(iViewIndex);
        if (pView != nullptr && pView->MsgProc(uMsg, wParam, lParam) == 1) {
            const DWORD dwResult = DealEventOf(iViewIndex);
            return dwResult != 0 ? static_cast<LRESULT>(static_cast<HRESULT>(dwResult)) : 1;
        }
    }
    return 1;
}
