#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_STEAL_NO_ACTIVE = 0x8963e101;
constexpr DWORD JE_ORDERDEAL_STEAL_NO_PASSIVE = 0x8963e102;
constexpr DWORD JE_ORDERDEAL_STEAL_NO_ACTIVE_RESULT = 0x8963e103;
constexpr DWORD JE_ORDERDEAL_STEAL_NO_PASSIVE_RESULT = 0x8963e104;

// Takes one of the target's stealable things by chance.
class JC_OrderDealSteal : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;
};
