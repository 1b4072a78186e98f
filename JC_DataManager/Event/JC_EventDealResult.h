#pragma once

#include <string>

// What the battle plays after an event operation. Every record starts with
// its kind tag; the operations hand out vectors of one kind the caller owns.
enum JE_EventKind : int
{
    JE_EVENTKIND_NONE = -1,
    JE_EVENTKIND_A = 0,
    JE_EVENTKIND_B = 1,
    JE_EVENTKIND_C = 2,
    JE_EVENTKIND_D = 3,
    JE_EVENTKIND_E = 4,
    JE_EVENTKIND_F = 5,
    JE_EVENTKIND_G = 6,
};

struct JC_EventDealResult
{
    int m_EventKind = JE_EVENTKIND_NONE;
};

// A game script to start.
struct JC_EventDealResultA : JC_EventDealResult
{
    explicit JC_EventDealResultA(const std::string& strScriptName = "") : m_ScriptName(strScriptName)
    {
        m_EventKind = JE_EVENTKIND_A;
    }
    std::string m_ScriptName;
};

// The head of the records that name a fight-team position. Assigning one
// copies the position only; the destination keeps its kind.
struct JC_EventDealResultTeam : JC_EventDealResult
{
    JC_EventDealResultTeam(int iKind, int iTeamID)
    {
        m_EventKind = iKind;
        m_TeamID = iTeamID;
    }
    JC_EventDealResultTeam(const JC_EventDealResultTeam&) = default;
    JC_EventDealResultTeam& operator=(const JC_EventDealResultTeam& other)
    {
        m_TeamID = other.m_TeamID;
        return *this;
    }
    int m_TeamID = 0;
};

// Hit-point and skill-point changes of a person.
struct JC_EventDealResultB : JC_EventDealResultTeam
{
    explicit JC_EventDealResultB(int iTeamID = 0) : JC_EventDealResultTeam(JE_EVENTKIND_B, iTeamID) {}
    int m_IsHPChange = 0;
    int m_IsSPChange = 0;
    int m_HPChange = 0;
    // After clamping to 0..MaxHP: what the battle shows.
    int m_HPRealChange = 0;
    int m_SPChange = 0;
    int m_SPRealChange = 0;
    // The rule has already made the person dead.
    int m_IsDie = 0;
    int m_IsHaveBody = 0;
};

// A person whose displayed state is to be refreshed.
struct JC_EventDealResultD : JC_EventDealResultTeam
{
    explicit JC_EventDealResultD(int iTeamID = 0) : JC_EventDealResultTeam(JE_EVENTKIND_D, iTeamID) {}
};

// A person who leaves the battle.
struct JC_EventDealResultE : JC_EventDealResultTeam
{
    explicit JC_EventDealResultE(int iTeamID = 0) : JC_EventDealResultTeam(JE_EVENTKIND_E, iTeamID) {}
};
