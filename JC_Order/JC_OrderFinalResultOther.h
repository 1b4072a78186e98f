#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The side effects of a whole order: spoils, experience, morale and the
// action script the battle plays.
class JC_OrderFinalResultOther
{
public:
    virtual ~JC_OrderFinalResultOther() = default;
    void Clear() { *this = JC_OrderFinalResultOther(); }

    int m_IsSteal = 0;
    int m_IsStealThing = 0;
    std::vector<DWORD> m_StealThingKindArray;
    std::vector<DWORD> m_StealThingIDArray;
    std::vector<std::string> m_StealThingNameArray;
    std::vector<DWORD> m_LegacyThingKindArray;
    std::vector<DWORD> m_LegacyThingIDArray;
    std::vector<std::string> m_LegacyThingNameArray;
    int m_Exp = 0;
    int m_JobExp = 0;
    int m_LegacyMoney = 0;
    int m_Morale = 0;
    std::string m_ActionScriptID;
};
