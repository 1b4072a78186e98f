#pragma once

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Event/JC_EventDealResult.h"

#include <vector>

class JC_ControlManager;

constexpr DWORD JE_EVENTBASE_NULL_CONTROL_MANAGER = 0x89800001;

// Camp and life-state values of the person searches.
constexpr int JD_EVENT_ANY_CAMP = 4;
constexpr int JD_EVENT_LIFE_ALIVE = 1;
constexpr int JD_EVENT_LIFE_DEAD = 2;
constexpr int JD_EVENT_ANY_LIFE = 3;

// Base of the event groups: binds a group to the data layer and finds the
// fight team's persons the built-in rules work on. The person cursor is
// bound to one person record at a time.
class JC_EventBase : public JC_Random
{
public:
    ~JC_EventBase() override = default;

    virtual DWORD Initiation(JC_ControlManager* pControlManager);
    // Fight-team positions and records of the persons of the camp (4: any)
    // in the life state (3: any), in ascending position. On a failure the
    // lists keep what was found before it.
    virtual DWORD GetDesignatePersonObjFromTeam(int iCamp, int iLifeState, std::vector<int>& teamIDs,
                                                std::vector<JC_DataComponent*>& persons);
    // The same for the camp's summoned persons in any life state.
    virtual DWORD GetDesignatePersonObjFromTeam(int iCamp, std::vector<int>& teamIDs,
                                                std::vector<JC_DataComponent*>& persons);
    virtual DWORD EventClsAll() = 0;

protected:
    // Binds the person cursor, logging a failure under the group's file.
    DWORD BindPerson(JC_DataComponent* pPerson, const char* szSourceFile);
    JC_DebugLog& ErrorLog() const;
    // A check's script handed out as one record; no record for "" or when
    // the check failed.
    static DWORD HandOutScript(DWORD dwResult, const std::string& strScript, std::vector<JC_EventDealResultA>& results);
    // Changes the bound person's HP and SP by the rates, in percent of the
    // bases, and lets the person die when the HP fall below 1.
    void ApplyRestoreRates(int iHPRate, int iHPBase, int iSPRate, int iSPBase, JC_EventDealResultB& result);

    JC_ControlManager* m_pControlManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataManager* m_pDataManager = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
    JC_ControlPersonPower m_ControlPersonObj;

private:
    template <typename Match>
    DWORD FindPersons(Match match, std::vector<int>& teamIDs, std::vector<JC_DataComponent*>& persons);
};
