#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_CURE_NO_PASSIVE = 0x89636101;
constexpr DWORD JE_ORDERDEAL_CURE_NO_PASSIVE_RESULT = 0x89636102;
constexpr DWORD JE_ORDERDEAL_CURE_CLEAR_FAILED = 0x89636103;

// Removes one behaviour state from the target.
class JC_OrderDealCure : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;
};
