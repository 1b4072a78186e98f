#pragma once

#include <windows.h>

// One acting person's result of a whole order.
class JC_OrderFinalResultActive
{
public:
    virtual ~JC_OrderFinalResultActive() = default;
    void Clear() { *this = JC_OrderFinalResultActive(); }

    int m_TeamIndex = -1;
    int m_ResultKind = 0;
    int m_LifeOutcome = 0;
    int m_IsHit = 0;
    int m_IsHPAbsorb = 0;
    int m_IsSPAbsorb = 0;
    int m_HPAbsorb = 0;
    int m_HPAbsorbReal = 0;
    int m_SPAbsorb = 0;
    int m_SPAbsorbReal = 0;
    int m_Exp = 0;
    int m_JobExp = 0;
    int m_Morale = 0;
};
