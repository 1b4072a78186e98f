#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_CATCH_NO_ACTIVE = 0x89633101;
constexpr DWORD JE_ORDERDEAL_CATCH_NO_PASSIVE = 0x89633102;
constexpr DWORD JE_ORDERDEAL_CATCH_NO_PASSIVE_RESULT = 0x89633103;

// Takes a weakened enemy into our team.
class JC_OrderDealCatch : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    bool CanCatch(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, int iPercent);
    // Restored and of our camp, the target joins our team; on failure its
    // record is left as it was.
    DWORD MoveToOurTeam(JC_ControlPersonPower& target);
};
