#pragma once

#include <windows.h>

#include <vector>

class XC_GamePerson;
struct JC_EventDealResultA;
struct JC_EventDealResultB;
struct JC_EventDealResultD;
struct JC_EventDealResultE;

// The battle's side of the rule events: one entry point per moment of the
// battle, each asking its event group for the results of that moment and
// playing them (scripts, jumping numbers, deaths, persons leaving). The
// entry points always answer 0; a failure is reported and the next step runs.
class XC_BattleEvent
{
public:
    XC_BattleEvent() = default;
    virtual ~XC_BattleEvent() = default;
    XC_BattleEvent(const XC_BattleEvent&) = delete;
    XC_BattleEvent& operator=(const XC_BattleEvent&) = delete;

    HRESULT Event_NPCInitiation();
    HRESULT Event_RoundSave();
    HRESULT Event_RoundBegin();
    HRESULT Event_RoundEnd();
    HRESULT Event_CampBegin(DWORD dwCampID);
    HRESULT Event_CampEnd(DWORD dwCampID);
    HRESULT Event_PersonStay(DWORD dwPersonTeamIndex);
    HRESULT Event_PersonAttackBegin(DWORD dwActivePersonTeamIndex, DWORD dwPassivePersonTeamIndex);
    HRESULT Event_PersonAttackEnd();
    HRESULT Event_PersonHpChange();
    HRESULT ClearAllEvent();

    // The scripts of persons leaving the field, played by the scene controller.
    virtual HRESULT ExecutePersonDieHaveBodyScript(XC_GamePerson* pPersonObj) = 0;
    virtual HRESULT ExecutePersonDieNoBodyScript(XC_GamePerson* pPersonObj) = 0;
    virtual HRESULT ExecutePersonDieOutScript(XC_GamePerson* pPersonObj) = 0;

protected:
    HRESULT HandleEvent(const JC_EventDealResultA& result);
    HRESULT HandleEvent(const JC_EventDealResultB& result);
    HRESULT HandleEvent(const JC_EventDealResultD& result);
    HRESULT HandleEvent(const JC_EventDealResultE& result);

private:
    // Plays every record in order; each failure is reported and the next plays.
    template <typename TResult> void HandleEventARRAY(std::vector<TResult>& results);
    // The person of a team index, or null after a report.
    static XC_GamePerson* FindPerson(int iTeamID);
};
