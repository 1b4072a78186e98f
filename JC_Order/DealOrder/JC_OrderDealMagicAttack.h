#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_MAGICATTACK_NO_ACTIVE = 0x89639101;
constexpr DWORD JE_ORDERDEAL_MAGICATTACK_NO_PASSIVE = 0x89639102;
constexpr DWORD JE_ORDERDEAL_MAGICATTACK_NO_PASSIVE_RESULT = 0x89639103;

// Magic damage from the actor's magic attack of an element; it always hits.
class JC_OrderDealMagicAttack : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    int MagicDamage(JC_ControlPersonPower& actor, JC_ControlPersonPower& target);
};
