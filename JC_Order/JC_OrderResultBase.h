#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What an order did to a person's life; the battle chooses its scripts by it.
constexpr int JE_LIFE_OUTCOME_NONE = -1;   // not hit: no outcome
constexpr int JE_LIFE_OUTCOME_ALIVE = 0;
constexpr int JE_LIFE_OUTCOME_DEAD_BODY = 1;
constexpr int JE_LIFE_OUTCOME_DEAD_NO_BODY = 2;

// Common base of the per-target results of an order.
class JC_OrderResultBase
{
public:
    virtual ~JC_OrderResultBase() = default;
};
