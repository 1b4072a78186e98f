#pragma once

#include <windows.h>

// What the deals need of the battle: where persons stand relative to each
// other. The battle provides it.
class JI_OrderDealBattle
{
public:
    // Direction 0..3 from floor A to floor B, by the axis of the larger difference.
    virtual int GetFloorDirection(int iFloorA, int iFloorB) = 0;

protected:
    ~JI_OrderDealBattle() = default;
};
