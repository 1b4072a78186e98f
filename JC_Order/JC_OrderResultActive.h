#pragma once

#include "JC_Order/JC_OrderResultBase.h"

// The acting person's result for one target.
class JC_OrderResultActive : public JC_OrderResultBase
{
public:
    JC_OrderResultActive() { Clear(); }
    virtual void Clear() { *this = JC_OrderResultActive(0); }

    int m_TeamIndex;
    int m_ResultKind;
    int m_LifeOutcome;
    int m_IsHPAbsorb;
    int m_IsSPAbsorb;
    int m_HPAbsorb;
    int m_SPAbsorb;
    int m_IsSteal;
    int m_IsStealThing;
    std::vector<DWORD> m_StealThingKindArray;
    std::vector<DWORD> m_StealThingIDArray;
    std::vector<std::string> m_StealThingNameArray;
    std::string m_ActionScriptID;

private:
    explicit JC_OrderResultActive(int)
        : m_TeamIndex(-1), m_ResultKind(0), m_LifeOutcome(0), m_IsHPAbsorb(0), m_IsSPAbsorb(0), m_HPAbsorb(0),
          m_SPAbsorb(0), m_IsSteal(0), m_IsStealThing(0)
    {
    }
};
