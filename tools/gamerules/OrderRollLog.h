#pragma once

// The rolls an order's deals drew, in draw order, with what each decided;
// printed with the order's results.

#include "JC_Order/DealOrder/JI_OrderDealRollWatch.h"

#include <string>
#include <vector>

class OrderRollLog : public JI_OrderDealRollWatch
{
public:
    OrderRollLog();
    ~OrderRollLog();
    OrderRollLog(const OrderRollLog&) = delete;
    OrderRollLog& operator=(const OrderRollLog&) = delete;

    void OnRoll(int iTeamIndex, const char* szRoll, int iValue, bool bYes) override;
    // One line a roll: "roll[i] target=T NAME=VALUE yes|no".
    void Print() const;

private:
    struct Roll
    {
        int iTeamIndex;
        std::string strName;
        int iValue;
        bool bYes;
    };

    std::vector<Roll> m_Rolls;
};
