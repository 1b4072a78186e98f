#pragma once

// What the person-controls and the orders benchmarks share: the items of
// their persons' behaviour groups and the values an attack reads.

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <iterator>

// Item patterns of modifiers the values read, none that cancels them; each
// takes a count and an amount.
inline const char* const g_aszBenchItemPatterns[] = {
    "DF_State_Strength,DF_RoundType_Round,%d,0,0,+%d,0",
    "DF_State_Dexterity,DF_RoundType_Round,%d,0,0,+%d%%,0",
    "DF_State_Agile,DF_RoundType_Use,%d,0,0,-%d,0",
    "DF_State_Luck,DF_RoundType_Round,%d,0,0,+%d,0",
    "DF_State_Blind,DF_RoundType_Round,%d,0,0,-%d%%,0",
    "DF_State_Burn,DF_RoundType_Attacked,%d,0,0,-%d,0",
    "DF_State_Curse,DF_RoundType_Round,%d,0,0,-%d%%,0",
    "DF_State_Berserk,DF_RoundType_Round,%d,0,0,+%d%%,-10%%",
    "DF_State_Vitality,DF_RoundType_Round,%d,0,0,+%d,0",
    "DF_State_Intelligence,DF_RoundType_Use,%d,0,0,+%d%%,0",
    "DF_State_ExtraHitRate,DF_RoundType_Round,%d,0,0,+%d,0",
    "DF_State_Poison,DF_RoundType_Round,%d,0,0,+%d,0",
};
constexpr int BENCH_GROUP_ITEMS = 8;

// Fills each behaviour group of the person with eight items, or empties it.
// Every person and group has its own choice of states, counts and amounts,
// as the persons of a camp turn would.
inline void FillBenchGroups(JC_BehaviorAnalyser& analyser, JC_DataComponent* pPerson, bool bFull, int iPerson)
{
    constexpr int iPatterns = static_cast<int>(std::size(g_aszBenchItemPatterns));
    for (DWORD dwGroup = 0; dwGroup < JC_BehaviorGroup::MAX_GROUP; ++dwGroup) {
        JC_StringArray* pItems = analyser.GetBehaviorGroupItems(pPerson, dwGroup);
        if (pItems == nullptr)
            continue;
        pItems->clear();
        for (int i = 0; bFull && i < BENCH_GROUP_ITEMS; ++i) {
            const int iPattern = (iPerson + 5 * static_cast<int>(dwGroup) + i) % iPatterns;
            char szItem[96];
            std::snprintf(szItem, sizeof(szItem), g_aszBenchItemPatterns[iPattern], 1 + (iPerson + i) % 5,
                          1 + (iPerson * 7 + i * 3 + static_cast<int>(dwGroup)) % 20);
            pItems->push_back(szItem);
        }
    }
}

// Attack, hit and critical rate of the attacker; dodge, total vitality and
// magic defence of the target; summed so that no read is dropped.
inline long long ReadAttackValues(JC_ControlPersonPower& attacker, JC_ControlPersonPower& target)
{
    return attacker.GetAttack(0) + attacker.GetHit(0) + attacker.GetCriticalRate(0) + target.GetDodge(0) +
           target.GetTotalVitality(0) + target.GetMagicDefense(0);
}
