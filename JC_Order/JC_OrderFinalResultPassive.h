#pragma once

#include <windows.h>

#include <vector>

// One target's result of a whole order, as the battle shows it.
class JC_OrderFinalResultPassive
{
public:
    virtual ~JC_OrderFinalResultPassive() = default;
    void Clear() { *this = JC_OrderFinalResultPassive(); }

    int m_TeamIndex = -1;
    int m_ResultKind = -1;
    int m_HitRate = 0;
    int m_ShowAttack = 0;
    int m_ShowDamage = 0;
    int m_IsHit = -1;
    int m_IsCritical = 0;
    int m_IsCounter = 0;
    int m_LifeOutcome = -1;
    int m_IsHPChange = 0;
    int m_IsSPChange = 0;
    int m_HPChange = 0;
    int m_HPChangeReal = 0;
    int m_SPChange = 0;
    int m_SPChangeReal = 0;
    std::vector<DWORD> m_StateAddArray;
    std::vector<DWORD> m_StateDelArray;
};
