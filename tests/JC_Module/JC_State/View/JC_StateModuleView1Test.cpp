#include "JC_Module/JC_State/View/JC_StateModuleView1.h"

#include <gtest/gtest.h>

TEST(JC_StateModuleView1, TheCurrentValueTurnsRedBelowThirtyPercent)
{
    const struct
    {
        int iValue;
        int iMaximum;
        DWORD dwColor;
    } cases[] = {
        {29, 100, 0xFFFF0000}, {30, 100, 0xFFFFFFFF}, {1, 3, 0xFFFFFFFF},  {0, 1, 0xFFFF0000},
        {5, 0, 0xFFFFFFFF},    {0, 0, 0xFFFFFFFF},    {-1, 10, 0xFFFF0000}, {2147483647, 2147483647, 0xFFFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JC_StateModuleView1::ValueColor(c.iValue, c.iMaximum), c.dwColor) << c.iValue << "/" << c.iMaximum;
}
