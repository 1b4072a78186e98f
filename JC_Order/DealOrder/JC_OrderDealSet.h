#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_SET_NO_PASSIVE = 0x8963d101;
constexpr DWORD JE_ORDERDEAL_SET_NO_PASSIVE_RESULT = 0x8963d102;

// Adds a behaviour state to the target by chance, or strikes it down.
class JC_OrderDealSet : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    // Puts the line's behaviour item into one of the target's groups.
    DWORD AddState(JC_ControlPersonPower& target, DWORD dwGroup, DWORD dwState);
};
