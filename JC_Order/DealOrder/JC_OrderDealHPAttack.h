#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_HPATTACK_NO_ACTIVE = 0x89638101;
constexpr DWORD JE_ORDERDEAL_HPATTACK_NO_PASSIVE = 0x89638102;
constexpr DWORD JE_ORDERDEAL_HPATTACK_NO_PASSIVE_RESULT = 0x89638103;

// Damage as a share of the actor's MaxHP, paid for with the actor's HP.
class JC_OrderDealHPAttack : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    // The blow's outcome on the target: ORDERDEAL_NEXT_TARGET when settled.
    DWORD Strike(JC_ControlPersonPower& target, JC_OrderResultPassive& passive, int iHitPercent, int iDamage);
    DWORD PayCost(JC_ControlPersonPower& actor, int iCost);
};
