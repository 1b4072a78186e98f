#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Common base of the per-target results of an order.
class JC_OrderResultBase
{
public:
    virtual ~JC_OrderResultBase() = default;
};
