#include "Code/Battle/XC_BattleEvent.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "GameProgram/Common/XF_Common.h"
#include "JC_DataManager/Event/JC_EventDealResult.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_Script/JC_ScriptManager.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// A query's code, reported when it is a failure.
void CheckQuery(const char* szCall, DWORD dwResult)
{
    if (static_cast<LONG>(dwResult) < 0)
        XM_REPORT_FAILED_HR(szCall, dwResult);
}

JC_EventManager* EventManager()
{
    if (gp_EventManagerObj == nullptr)
        XM_REPORT_FAILED("gp_EventManagerObj");
    return gp_EventManagerObj;
}

} // namespace

template <typename TResult> void XC_BattleEvent::HandleEventARRAY(std::vector<TResult>& results)
{
    for (const TResult& result : results) {
        if (FAILED(HandleEvent(result)))
            XM_REPORT_FAILED("HandleEvent( rpEventDealResultObj[i] )");
    }
    results.clear();
}

XC_GamePerson* XC_BattleEvent::FindPerson(int iTeamID)
{
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return nullptr;
    }
    XC_GamePerson* const pPersonObj = g_pPersonManager->GetPersonFromTeamIndex(static_cast<DWORD>(iTeamID));
    if (pPersonObj == nullptr)
        XM_REPORT_FAILED("pPersonObj");
    return pPersonObj;
}

HRESULT XC_BattleEvent::HandleEvent(const JC_EventDealResultA& result)
{
    if (gp_ScriptManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ScriptManagerObj");
        return E_FAIL;
    }
    const DWORD dwResult = gp_ScriptManagerObj->LoadScript(result.m_ScriptName);
    return static_cast<LONG>(dwResult) < 0 ? static_cast<HRESULT>(dwResult) : S_OK;
}

HRESULT XC_BattleEvent::HandleEvent(const JC_EventDealResultB& result)
{
    if (g_pJumpStringManager == nullptr) {
        XM_REPORT_FAILED("g_pJumpStringManager");
        return S_OK;
    }
    // Looked up now: a person removed meanwhile is skipped.
    XC_GamePerson* const pPersonObj = FindPerson(result.m_TeamID);
    if (pPersonObj == nullptr)
        return S_OK;
    const D3DXVECTOR3 vPosition = *pPersonObj->GetPosition();
    if (result.m_IsHPChange == 1)
        g_pJumpStringManager->JumpHP(vPosition, result.m_HPRealChange);
    if (result.m_IsSPChange == 1)
        g_pJumpStringManager->JumpSP(vPosition, result.m_SPRealChange);
    if (result.m_IsDie == 0)
        return pPersonObj->UpdateLifeState();
    pPersonObj->UpdatePersonStateFromData();
    pPersonObj->GetControlPersonPower()->SetRAP(0);
    if (result.m_IsHaveBody)
        return ExecutePersonDieHaveBodyScript(pPersonObj);
    ExecutePersonDieNoBodyScript(pPersonObj);
    return g_pPersonManager->DelPersonFromTeamIndex(static_cast<DWORD>(result.m_TeamID));
}

HRESULT XC_BattleEvent::HandleEvent(const JC_EventDealResultD& result)
{
    XC_GamePerson* const pPersonObj = FindPerson(result.m_TeamID);
    if (pPersonObj == nullptr)
        return E_FAIL;
    return pPersonObj->UpdatePersonStateFromData();
}

HRESULT XC_BattleEvent::HandleEvent(const JC_EventDealResultE& result)
{
    XC_GamePerson* const pPersonObj = FindPerson(result.m_TeamID);
    if (pPersonObj == nullptr)
        return E_FAIL;
    ExecutePersonDieOutScript(pPersonObj);
    return g_pPersonManager->DelPersonFromTeamIndex(static_cast<DWORD>(result.m_TeamID));
}

HRESULT XC_BattleEvent::Event_NPCInitiation()
{
    if (JC_EventManager* const pManager = EventManager())
        CheckQuery("Event_NPCInitiation()", pManager->m_EventGroupSceneObj.Event_NPCInitiation());
    return S_OK;
}

HRESULT XC_BattleEvent::Event_RoundSave()
{
    if (JC_EventManager* const pManager = EventManager())
        CheckQuery("Event_RoundSave()", pManager->m_EventGroupSceneObj.Event_RoundSave());
    return S_OK;
}

HRESULT XC_BattleEvent::Event_RoundBegin()
{
    if (JC_EventManager* const pManager = EventManager()) {
        std::vector<JC_EventDealResultA> results;
        CheckQuery("Event_RoundBeginDynamic( &iResultCount , &rpEventDealResultObj , 1 )",
                   pManager->m_EventGroupSceneObj.Event_RoundBeginDynamic(results, TRUE));
        HandleEventARRAY(results);
    }
    return S_OK;
}

HRESULT XC_BattleEvent::Event_RoundEnd()
{
    if (JC_EventManager* const pManager = EventManager()) {
        std::vector<JC_EventDealResultB> results;
        CheckQuery("Event_RoundEndStatic( &iResultCount , &rpEventDealResultObj )",
                   pManager->m_EventGroupSceneObj.Event_RoundEndStatic(results));
        HandleEventARRAY(results);
    }
    return Event_PersonHpChange();
}

HRESULT XC_BattleEvent::Event_CampBegin(DWORD dwCampID)
{
    JC_EventManager* const pManager = EventManager();
    JC_EventGroupCamp* const pEventGroupCamp =
        pManager != nullptr ? pManager->GetEventGroupCamp(static_cast<int>(dwCampID)) : nullptr;
    if (pEventGroupCamp != nullptr) {
        std::vector<JC_EventDealResultA> resultsA;
        CheckQuery("Event_CampBeginDynamic( &iResultCount , &rpEventDealResultObj , 1 )",
                   pEventGroupCamp->Event_CampBeginDynamic(resultsA, TRUE));
        HandleEventARRAY(resultsA);
        std::vector<JC_EventDealResultB> resultsB;
        CheckQuery("Event_CampBeginStatic1( &iResultCount , &rpEventDealResultObj )",
                   pEventGroupCamp->Event_CampBeginStatic1(resultsB));
        HandleEventARRAY(resultsB);
        std::vector<JC_EventDealResultD> resultsD;
        CheckQuery("Event_CampBeginStatic2( &iResultCount , &rpEventDealResultObj )",
                   pEventGroupCamp->Event_CampBeginStatic2(resultsD));
        HandleEventARRAY(resultsD);
        std::vector<JC_EventDealResultE> resultsE;
        CheckQuery("Event_CampBeginStatic3( &iResultCount , &rpEventDealResultObj )",
                   pEventGroupCamp->Event_CampBeginStatic3(resultsE));
        HandleEventARRAY(resultsE);
    }
    return Event_PersonHpChange();
}

HRESULT XC_BattleEvent::Event_CampEnd(DWORD dwCampID)
{
    JC_EventManager* const pManager = EventManager();
    JC_EventGroupCamp* const pEventGroupCamp =
        pManager != nullptr ? pManager->GetEventGroupCamp(static_cast<int>(dwCampID)) : nullptr;
    if (pEventGroupCamp == nullptr) {
        XM_REPORT_FAILED("pEventGroupCamp");
        return S_OK;
    }
    CheckQuery("Event_CampEndStatic1()", pEventGroupCamp->Event_CampEndStatic1());
    std::vector<JC_EventDealResultE> results;
    CheckQuery("Event_CampEndStatic2( &iResultCount , &rpEventDealResultObj )",
               pEventGroupCamp->Event_CampEndStatic2(results));
    HandleEventARRAY(results);
    return S_OK;
}

HRESULT XC_BattleEvent::Event_PersonStay(DWORD dwPersonTeamIndex)
{
    JC_EventManager* const pManager = EventManager();
    if (pManager == nullptr)
        return S_OK;
    std::vector<JC_EventDealResultA> resultsA;
    CheckQuery("Event_StayDynamic( dwPersonTeamIndex , &iResultCount , &rpEventDealResultObj , 1 )",
               pManager->m_EventGroupPersonObj.Event_StayDynamic(dwPersonTeamIndex, resultsA, TRUE));
    HandleEventARRAY(resultsA);
    std::vector<JC_EventDealResultB> resultsB;
    CheckQuery("Event_StayStatic2( dwPersonTeamIndex , &iResultCount , &rpEventDealResultObj )",
               pManager->m_EventGroupPersonObj.Event_StayStatic2(dwPersonTeamIndex, resultsB));
    HandleEventARRAY(resultsB);
    return S_OK;
}

HRESULT XC_BattleEvent::Event_PersonAttackBegin(DWORD dwActivePersonTeamIndex, DWORD dwPassivePersonTeamIndex)
{
    if (JC_EventManager* const pManager = EventManager()) {
        std::vector<JC_EventDealResultA> results;
        CheckQuery("Event_AttackStartDynamic( dwActivePersonTeamIndex , dwPassivePersonTeamIndex , &iResultCount , "
                   "&rpEventDealResultObj , 1 )",
                   pManager->m_EventGroupPersonObj.Event_AttackStartDynamic(dwActivePersonTeamIndex,
                                                                           dwPassivePersonTeamIndex, results, TRUE));
        HandleEventARRAY(results);
    }
    return S_OK;
}

HRESULT XC_BattleEvent::Event_PersonAttackEnd()
{
    if (JC_EventManager* const pManager = EventManager()) {
        std::vector<JC_EventDealResultA> results;
        CheckQuery("Event_AttackEndDynamic( &iResultCount , &rpEventDealResultObj , 1 )",
                   pManager->m_EventGroupPersonObj.Event_AttackEndDynamic(results, TRUE));
        HandleEventARRAY(results);
    }
    return Event_PersonHpChange();
}

HRESULT XC_BattleEvent::Event_PersonHpChange()
{
    if (JC_EventManager* const pManager = EventManager()) {
        std::vector<JC_EventDealResultA> results;
        CheckQuery("Event_SpecialDynamic( &iResultCount , &rpEventDealResultObj , 1 )",
                   pManager->m_EventGroupPersonObj.Event_SpecialDynamic(results, TRUE));
        HandleEventARRAY(results);
    }
    return S_OK;
}

HRESULT XC_BattleEvent::ClearAllEvent()
{
    JC_EventManager* const pManager = EventManager();
    if (pManager == nullptr)
        return S_OK;
    for (int iCamp = 0; iCamp < JC_EventManager::CAMP_COUNT; ++iCamp)
        CheckQuery("pEventGroupCamp->EventClsAll()", pManager->GetEventGroupCamp(iCamp)->EventClsAll());
    CheckQuery("m_EventGroupPersonObj.EventClsAll()", pManager->m_EventGroupPersonObj.EventClsAll());
    CheckQuery("m_EventGroupSceneObj.EventClsAll()", pManager->m_EventGroupSceneObj.EventClsAll());
    return S_OK;
}
