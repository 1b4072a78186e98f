#include "Code/DialogueScript/XC_DialogueController.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Scene/XC_Mouse.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_DialogueController::XC_DialogueController() = default;

XC_DialogueController::~XC_DialogueController() = default;

void XC_DialogueController::PermitCursor(BOOL bPermit)
{
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetEnable(bPermit);
}

HRESULT XC_DialogueController::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    const HRESULT hr = m_DialogueScriptManager.InitScriptManager(pEnvironmentOfRender);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_DialogueScriptManager.InitScriptManager( pEnvironmentOfRender )", hr);
    return S_OK;
}

HRESULT XC_DialogueController::Fini()
{
    HRESULT hr = m_DialogueScriptManager.Clear();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_DialogueScriptManager.Clear()", hr);
    hr = m_DialogueScriptManager.Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_DialogueScriptManager.Fini()", hr);
    return S_OK;
}

HRESULT XC_DialogueController::AddDialogueScript(const char* szFileName)
{
    if (szFileName == nullptr) {
        XM_REPORT_FAILED("szFileName");
        return E_FAIL;
    }
    m_listDialogueScriptName.push_back(szFileName);
    m_bActive = TRUE;
    PermitCursor(FALSE);
    return S_OK;
}

HRESULT XC_DialogueController::FrameMove(float)
{
    if (!m_bActive)
        return S_OK;
    if (m_DialogueScriptManager.GetAllWorkCount() != 0)
        return S_OK;
    HRESULT hr = m_DialogueScriptManager.Clear();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_DialogueScriptManager.Clear()", hr);
    if (m_listDialogueScriptName.empty()) {
        m_bActive = FALSE;
        PermitCursor(TRUE);
        return S_OK;
    }
    const XC_String& rstrDialogueScriptName = m_listDialogueScriptName.front();
    hr = m_DialogueScriptManager.LoadScript(rstrDialogueScriptName.c_str());
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x \r\n%s",
                                     "m_DialogueScriptManager.Load( rstrDialogueScriptName.c_str() )",
                                     static_cast<unsigned>(hr), rstrDialogueScriptName.c_str()));
    } else {
        hr = m_DialogueScriptManager.RunAllScript();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_DialogueScriptManager.RunAllScript()", hr);
    }
    m_listDialogueScriptName.pop_front();
    return S_OK;
}

BOOL XC_DialogueController::IsDialogueActive() const
{
    return m_bActive || !m_listDialogueScriptName.empty() ? TRUE : FALSE;
}

static XC_DialogueController s_DialogueController XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES);
XC_DialogueController* g_pDialogueController = &s_DialogueController;
