#include "JC_Module/JC_ModuleButtonPress.h"

#include <gtest/gtest.h>

TEST(JC_ModuleButtonPress, OnlyAReleaseOnThePressedButtonActs)
{
    struct Case
    {
        int iDown;
        int iUp;
        int iTaken;
    };
    const int A = 1, B = 2, OUTSIDE = -1;
    const Case cases[] = {
        {A, A, A}, {A, B, OUTSIDE}, {A, OUTSIDE, OUTSIDE}, {OUTSIDE, A, OUTSIDE}, {OUTSIDE, OUTSIDE, OUTSIDE},
    };
    for (const Case& c : cases) {
        JC_ModuleButtonPress press;
        press.Press(c.iDown);
        EXPECT_EQ(press.IsPressing(), c.iDown != OUTSIDE);
        EXPECT_EQ(press.Release(c.iUp), c.iTaken) << c.iDown << " " << c.iUp;
        EXPECT_EQ(press.IsPressing(), FALSE);
        // A second release without a press takes nothing.
        EXPECT_EQ(press.Release(c.iDown), OUTSIDE);
    }
}
