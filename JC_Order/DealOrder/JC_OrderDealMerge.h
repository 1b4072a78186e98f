#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_MERGE_NO_PASSIVE = 0x8963a101;
constexpr DWORD JE_ORDERDEAL_MERGE_NO_PASSIVE_RESULT = 0x8963a102;
constexpr DWORD JE_ORDERDEAL_MERGE_BAD_CHANGE = 0x8963a103;

// Adds to or subtracts from a record item of the target; HP, SP, RAP and
// morale stay within the person's maxima.
class JC_OrderDealMerge : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;
};
