#include "OrderRollLog.h"

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

#include <cstdio>

// The deals tell this log of their rolls while it lives.
OrderRollLog::OrderRollLog()
{
    JC_OrderDealBase::SetRollWatch(this);
}

OrderRollLog::~OrderRollLog()
{
    JC_OrderDealBase::SetRollWatch(nullptr);
}

void OrderRollLog::OnRoll(int iTeamIndex, const char* szRoll, int iValue, bool bYes)
{
    m_Rolls.push_back({iTeamIndex, szRoll, iValue, bYes});
}

void OrderRollLog::Print() const
{
    for (size_t i = 0; i < m_Rolls.size(); ++i) {
        const Roll& roll = m_Rolls[i];
        std::printf("roll[%zu] target=%d %s=%d %s\n", i, roll.iTeamIndex, roll.strName.c_str(), roll.iValue,
                    roll.bYes ? "yes" : "no");
    }
}
