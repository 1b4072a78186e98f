#pragma once

#include <windows.h>

class JC_OrderInformation;

// What DealOrder gives back to the order manager.
enum JE_OrderDealResult : DWORD
{
    ORDERDEAL_NEXT_LINE = 0,
    ORDERDEAL_NEXT_TARGET = 1,
    ORDERDEAL_STOP_ORDER = 2,
};

// A deal carries out one behaviour type for the target being dealt.
class JI_OrderDeal
{
public:
    virtual DWORD Initiation(JC_OrderInformation* pOrderInformation) = 0;
    virtual DWORD DealOrder() = 0;

protected:
    ~JI_OrderDeal() = default;
};
