#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_RESTOREHP_NO_ACTIVE = 0x8963c101;
constexpr DWORD JE_ORDERDEAL_RESTOREHP_NO_PASSIVE = 0x8963c102;
constexpr DWORD JE_ORDERDEAL_RESTOREHP_NO_PASSIVE_RESULT = 0x8963c103;
constexpr DWORD JE_ORDERDEAL_RESTOREHP_NEEDS_PLUS = 0x8963c104;
constexpr DWORD JE_ORDERDEAL_RESTOREHP_MODE_NOT_SUPPORTED = 0x8963c105;

// Healing of the target by a fixed amount, a percentage of its MaxHP or
// the actor's intelligence; it also raises a fallen person.
class JC_OrderDealRestoreHP : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;
};
