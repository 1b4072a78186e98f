#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

constexpr DWORD JE_ORDERDEAL_CALL_NO_ACTIVE = 0x89632001;
constexpr DWORD JE_ORDERDEAL_CALL_NO_PASSIVE_RESULT = 0x89632002;
constexpr DWORD JE_ORDERDEAL_CALL_MODE_NOT_SUPPORTED = 0x89632003;
constexpr DWORD JE_ORDERDEAL_CALL_NO_PASSIVE = 0x89632004;
constexpr DWORD JE_ORDERDEAL_CALL_NO_FOLLOW = 0x89632005;
constexpr DWORD JE_ORDERDEAL_CALL_NO_FOLLOW_RESULT = 0x89632006;
constexpr DWORD JE_ORDERDEAL_CALL_NO_FLOOR = 0x89632007;

// Summons a person of the fixed person data onto the battlefield, in place
// of a body or on a floor.
class JC_OrderDealCall : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    // The floor the summoned person takes: the body's, which makes way, or
    // the target floor; -1 with a logged code on failure.
    DWORD TakeFloor(DWORD dwMode, int& iFloor);
    // Creates the person in the fight team and makes it the order's
    // newest follow person; its follow index is given back.
    DWORD CreateFollower(DWORD dwPersonID, int& iFollowIndex);
    DWORD SetUpFollower(JC_ControlPersonPower& actor, int iFloor, int iLevel);
};
