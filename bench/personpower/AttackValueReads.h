#pragma once

// What the person-controls and the orders benchmarks share: the items of
// their persons' behaviour groups and the values an attack reads.

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

// Eight items a group: modifiers the values read, none that cancels them.
inline const char* const g_aszBenchGroupItems[] = {
    "DF_State_Strength,DF_RoundType_Round,3,0,0,+10,0",    "DF_State_Dexterity,DF_RoundType_Round,3,0,0,+5%,0",
    "DF_State_Agile,DF_RoundType_Use,3,0,0,-2,0",          "DF_State_Luck,DF_RoundType_Round,3,0,0,+1,0",
    "DF_State_Blind,DF_RoundType_Round,3,0,0,-10%,0",      "DF_State_Burn,DF_RoundType_Attacked,1,0,0,-3,0",
    "DF_State_Curse,DF_RoundType_Round,3,0,0,-5%,0",       "DF_State_Berserk,DF_RoundType_Round,3,0,0,+10%,-10%",
};

// Fills each behaviour group of the person with the items, or empties it.
inline void FillBenchGroups(JC_BehaviorAnalyser& analyser, JC_DataComponent* pPerson, bool bFull)
{
    for (DWORD dwGroup = 0; dwGroup < JC_BehaviorGroup::MAX_GROUP; ++dwGroup) {
        JC_StringArray* pItems = analyser.GetBehaviorGroupItems(pPerson, dwGroup);
        if (pItems == nullptr)
            continue;
        pItems->clear();
        if (bFull)
            pItems->assign(std::begin(g_aszBenchGroupItems), std::end(g_aszBenchGroupItems));
    }
}

// Attack, hit and critical rate of the attacker; dodge, total vitality and
// magic defence of the target; summed so that no read is dropped.
inline long long ReadAttackValues(JC_ControlPersonPower& attacker, JC_ControlPersonPower& target)
{
    return attacker.GetAttack(0) + attacker.GetHit(0) + attacker.GetCriticalRate(0) + target.GetDodge(0) +
           target.GetTotalVitality(0) + target.GetMagicDefense(0);
}
