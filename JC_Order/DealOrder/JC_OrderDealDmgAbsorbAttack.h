#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_DMGABSORBATTACK_NO_ACTIVE = 0x89637101;
constexpr DWORD JE_ORDERDEAL_DMGABSORBATTACK_NO_PASSIVE = 0x89637102;
constexpr DWORD JE_ORDERDEAL_DMGABSORBATTACK_NO_PASSIVE_RESULT = 0x89637103;

// Fixed HP and SP damage, part of which the actor drains.
class JC_OrderDealDmgAbsorbAttack : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    // Rolls the hit and the target's sure evasion; true when the blow lands.
    bool RollHit(JC_ControlPersonPower& target, JC_OrderResultPassive& passive, int iHitPercent, bool bMagic);
    // True when the target's absolute defence against this kind of blow took it.
    static bool UseAbsoluteDefense(JC_ControlPersonPower& target, bool bMagic);
    void Drain(JC_ControlPersonPower& target, JC_OrderResultActive& active, int iHPDamage, int iSPDamage);
};
