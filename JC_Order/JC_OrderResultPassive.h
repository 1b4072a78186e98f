#pragma once

#include "JC_Order/JC_OrderResultBase.h"

// What an order did to one target (a passive or a follow person).
class JC_OrderResultPassive : public JC_OrderResultBase
{
public:
    JC_OrderResultPassive() { Clear(); }
    virtual void Clear() { *this = JC_OrderResultPassive(0); }

    int m_TeamIndex;
    int m_ResultKind;
    int m_HitRate;
    int m_ShowAttack;
    int m_ShowDamage;
    int m_IsHit;
    int m_IsCritical;
    int m_IsCounter;
    int m_LifeOutcome;
    int m_IsHPChange;
    int m_IsSPChange;
    int m_HPChange;
    int m_HPChangeReal;
    int m_SPChange;
    int m_SPChangeReal;
    std::vector<DWORD> m_StateAddArray;
    std::vector<DWORD> m_StateDelArray;
    std::vector<DWORD> m_LegacyThingKindArray;
    std::vector<DWORD> m_LegacyThingIDArray;
    std::vector<std::string> m_LegacyThingNameArray;
    int m_Exp;
    int m_JobExp;
    int m_LegacyMoney;

private:
    explicit JC_OrderResultPassive(int)
        : m_TeamIndex(-1), m_ResultKind(-1), m_HitRate(0), m_ShowAttack(0), m_ShowDamage(0), m_IsHit(-1),
          m_IsCritical(0), m_IsCounter(0), m_LifeOutcome(0), m_IsHPChange(0), m_IsSPChange(0), m_HPChange(0),
          m_HPChangeReal(0), m_SPChange(0), m_SPChangeReal(0), m_Exp(0), m_JobExp(0), m_LegacyMoney(0)
    {
    }
};
