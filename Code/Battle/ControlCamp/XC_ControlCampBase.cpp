#include "Code/Battle/ControlCamp/XC_ControlCampBase.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

BOOL g_bSkipCampBeginEvent = FALSE;

std::string* XC_ControlCampBase::s_pstrDebugTrace = nullptr;

void XC_ControlCampBase::WriteDebugLine(const char* szLine)
{
    if (szLine == nullptr)
        return;
    // Without a debugger the lines would only cost time.
    if (IsDebuggerPresent())
        OutputDebugStringA(szLine);
    if (s_pstrDebugTrace != nullptr)
        s_pstrDebugTrace->append(szLine);
}

HRESULT XC_ControlCampBase::Init(DWORD dwCampID)
{
    Fini();
    m_dwCampID = dwCampID;
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return S_OK;
    }
    m_pFloorer = g_pPersonManager->GetFloorer();
    if (m_pFloorer == nullptr)
        XM_REPORT_FAILED("m_pFloorer");
    return S_OK;
}

HRESULT XC_ControlCampBase::Fini()
{
    return S_OK;
}

HRESULT XC_ControlCampBase::FrameMove(float fElapsedTime)
{
    HRESULT hr = S_OK;
    switch (m_dwCampPhase) {
    case PHASE_BEGIN:
        if (FAILED(hr = Begin(fElapsedTime)))
            XM_REPORT_FAILED_HR("Begin ( fElapsedTime )", hr);
        break;
    case PHASE_PROCEED:
        if (FAILED(hr = Proceed(fElapsedTime)))
            XM_REPORT_FAILED_HR("Proceed ( fElapsedTime )", hr);
        break;
    case PHASE_END:
        if (FAILED(hr = End(fElapsedTime)))
            XM_REPORT_FAILED_HR("End ( fElapsedTime )", hr);
        break;
    default: break;
    }
    return S_OK;
}

HRESULT XC_ControlCampBase::Begin(float)
{
    if (g_bSkipCampBeginEvent) {
        g_bSkipCampBeginEvent = FALSE;
    } else if (g_pBattleSceneController == nullptr) {
        XM_REPORT_FAILED("g_pBattleSceneController");
    } else {
        const HRESULT hr = g_pBattleSceneController->Event_CampBegin(m_dwCampID);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("g_pBattleSceneController->Event_CampBegin( m_dwCampID )", hr);
    }
    m_dwCampPhase = IsCampDone() ? PHASE_END : PHASE_PROCEED;
    return S_OK;
}

HRESULT XC_ControlCampBase::Proceed(float fElapsedTime)
{
    // The delay runs down only while the scene is idle.
    if (g_pBattleSceneController != nullptr && g_pBattleSceneController->IsBattleWorking())
        return S_OK;
    if (m_fDelayTime > 0.0f) {
        m_fDelayTime -= fElapsedTime;
        return S_OK;
    }
    return ProceedCamp(fElapsedTime);
}

HRESULT XC_ControlCampBase::End(float)
{
    if (g_pBattleSceneController == nullptr) {
        XM_REPORT_FAILED("g_pBattleSceneController");
    } else {
        const HRESULT hr = g_pBattleSceneController->Event_CampEnd(m_dwCampID);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("g_pBattleSceneController->Event_CampEnd( m_dwCampID )", hr);
    }
    if (m_bCampFinish)
        XM_REPORT_FAILED("FALSE == m_bCampFinish");
    m_bCampFinish = TRUE;
    return S_OK;
}

BOOL XC_ControlCampBase::IsCampDone() const
{
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return TRUE;
    }
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj)) {
        JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
        if (pPower->GetCamp(FALSE) == static_cast<int>(m_dwCampID) && pPower->GetRAP() >= 1)
            return FALSE;
    }
    return TRUE;
}

HRESULT XC_ControlCampBase::ProceedCamp(float)
{
    return S_OK;
}

HRESULT XC_ControlCampBase::SetDelayTime(float fDelayTime)
{
    m_fDelayTime = fDelayTime;
    return S_OK;
}
