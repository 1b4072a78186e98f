#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_CHANGE_NO_PASSIVE = 0x89634101;
constexpr DWORD JE_ORDERDEAL_CHANGE_NO_PASSIVE_RESULT = 0x89634102;

// Writes a defined value into a record item of the target.
class JC_OrderDealChange : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;
};
