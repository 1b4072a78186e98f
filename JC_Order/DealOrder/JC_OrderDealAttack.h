#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEALATTACK_NO_ACTIVE = 0x89631101;
constexpr DWORD JE_ORDERDEALATTACK_NO_PASSIVE = 0x89631102;
constexpr DWORD JE_ORDERDEALATTACK_NO_PASSIVE_RESULT = 0x89631103;

// The physical attack: one blow of the actor on the target being dealt.
class JC_OrderDealAttack : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    // The blow's damage before direction, element and rates.
    int BaseDamage(JC_ControlPersonPower& target, int iAttack, int iDefense, bool bIgnoreDefense);
    int ApplyElement(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, int iDamage);
    // Rolls dodge-counter, evasion and hit; true when the blow lands.
    bool RollHit(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, JC_OrderResultPassive& passive,
                 int iHitPercent, bool bCounter);
    DWORD Strike(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, JC_OrderResultPassive& passive,
                 int iDamage, int iBackCritical, bool bCounter);
};
