#include "Code/Battle/ControlCamp/XC_ControlCampBase.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_GameProcedure_Battle.h"
#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

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
    if (m_dwCampPhase == XE_CAMP_BEGIN && FAILED(hr = Begin(fElapsedTime)))
        XM_REPORT_FAILED_HR("Begin ( fElapsedTime )", hr);
    else if (m_dwCampPhase == XE_CAMP_PROCEED && FAILED(hr = Proceed(fElapsedTime)))
        XM_REPORT_FAILED_HR("Proceed ( fElapsedTime )", hr);
    else if (m_dwCampPhase == XE_CAMP_END && FAILED(hr = End(fElapsedTime)))
        XM_REPORT_FAILED_HR("End ( fElapsedTime )", hr);
    return S_OK;
}

// A battle resumed inside this camp's turn does not fire its begin events again.
HRESULT XC_ControlCampBase::Begin(float)
{
    if (g_bSkipCampBeginEvent) {
        g_bSkipCampBeginEvent = 0;
    } else if (g_pBattleSceneController != nullptr) {
        const HRESULT hr = g_pBattleSceneController->Event_CampBegin(m_dwCampID);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("g_pBattleSceneController->Event_CampBegin( m_dwCampID )", hr);
    }
    m_dwCampPhase = IsCampDone() ? XE_CAMP_END : XE_CAMP_PROCEED;
    return S_OK;
}

HRESULT XC_ControlCampBase::Proceed(float fElapsedTime)
{
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
    if (g_pBattleSceneController != nullptr) {
        const HRESULT hr = g_pBattleSceneController->Event_CampEnd(m_dwCampID);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("g_pBattleSceneController->Event_CampEnd( m_dwCampID )", hr);
    }
    if (m_bCampFinish)
        XM_REPORT_FAILED("FALSE == m_bCampFinish");
    m_bCampFinish = 1;
    return S_OK;
}

BOOL XC_ControlCampBase::IsCampDone()
{
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager != nullptr && g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj)) {
        JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
        if (static_cast<DWORD>(pPower->GetCamp(FALSE)) == m_dwCampID && pPower->GetRAP() >= 1)
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
