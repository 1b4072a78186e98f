#pragma once

#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"

#include <vector>

constexpr DWORD JE_TEAMPERSON_NULL_TEAM_CONTROL = 0x89470011;
constexpr DWORD JE_TEAMPERSON_TEAM_CONTROL_NOT_INITIATED = 0x89470012;

// Questions about the persons standing in a team's positions: who of the
// fight team is of a camp and a life state, who is summoned, and the
// highest and average levels. Each person is read through a person control
// of its own.
class JC_AccessorialTeamPerson
{
public:
    // Camp and life state that match every person.
    static constexpr int ANY_CAMP = 4;
    static constexpr int ANY_LIFE_STATE = 3;
    // The searches cover every position, the levels only 0..LEVEL_LAST.
    static constexpr int LEVEL_LAST = 297;

    JC_AccessorialTeamPerson() = default;
    virtual ~JC_AccessorialTeamPerson() = default;
    JC_AccessorialTeamPerson(const JC_AccessorialTeamPerson&) = delete;
    JC_AccessorialTeamPerson& operator=(const JC_AccessorialTeamPerson&) = delete;

    virtual DWORD Initiation(JC_ControlTeam* pControlTeam);
    // The positions and records of the fight team's matching persons, in
    // position order.
    virtual DWORD FindFightPersons(int iCamp, int iLifeState, std::vector<int>& positions,
                                   std::vector<JC_DataComponent*>& persons);
    virtual DWORD FindFightSummonPersons(int iCamp, std::vector<int>& positions,
                                         std::vector<JC_DataComponent*>& persons);
    // 0 when nobody else stands in the fight team.
    virtual int GetFightAverageLevelExcept(int iTeamIndex);
    virtual int GetFightMaxLevel();
    virtual int GetFightLevelAt(int iTeamIndex);
    virtual int GetOurMaxLevel();

    BOOL IsInitiated() const { return m_bInitiated; }

private:
    // Binds the power to the person at the position: 0, the team control's
    // empty-position code, or the failure.
    DWORD ReadPerson(TeamID teamID, int iTeamIndex, JC_DataComponent*& pPerson);
    // Whether the bound person is of the camp (ANY_CAMP: any).
    bool IsOfCamp(int iCamp);
    // The walk of the searches; pfnMatches picks the persons.
    template <typename Matches>
    DWORD FindFight(std::vector<int>& positions, std::vector<JC_DataComponent*>& persons, Matches matches);
    // The sum and number of levels over 0..LEVEL_LAST, skipping a position;
    // false after the report of a failed read.
    bool SumLevels(TeamID teamID, int iSkipped, DWORD& dwSum, DWORD& dwCount, DWORD& dwMax);

    BOOL m_bInitiated = FALSE;
    JC_ControlPerson m_ControlPersonObj;
    JC_ControlPersonPower* m_pControlPersonPower = nullptr;
    JC_ControlTeam* m_pControlTeam = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
