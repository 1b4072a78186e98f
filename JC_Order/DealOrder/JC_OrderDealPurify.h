#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_PURIFY_NO_ACTIVE = 0x8963b101;
constexpr DWORD JE_ORDERDEAL_PURIFY_NO_PASSIVE = 0x8963b102;
constexpr DWORD JE_ORDERDEAL_PURIFY_NO_ACTIVE_RESULT = 0x8963b103;
constexpr DWORD JE_ORDERDEAL_PURIFY_NO_PASSIVE_RESULT = 0x8963b104;

// The target vanishes and the actor regains a share of its own MaxHP.
class JC_OrderDealPurify : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;
};
