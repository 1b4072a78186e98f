#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_USEWEAPONATTACK_NO_PARAMETER = 0x8963f101;

// Splices the actor's weapon's own fight lines into the walk, right after
// this line; attack lines take this line's parameters merged into theirs.
class JC_OrderDealUseWeaponAttack : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    // Rewrites the quoted "@Parameter" value of a weapon attack line.
    DWORD MergeParameters(std::string& strLine) const;
    std::string MergeField(DWORD dwField, const std::string& strWeapon) const;
};
