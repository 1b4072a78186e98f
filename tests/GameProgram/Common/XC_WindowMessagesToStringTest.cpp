#include "GameProgram/Common/XC_WindowMessagesToString.h"

#include <gtest/gtest.h>

#include <string>

TEST(XC_WindowMessagesToString, RingKeepsTheNewestLines)
{
    XC_WindowMessagesToString ring;
    ring.Init(3);
    for (unsigned int i = 0; i < 3; ++i)
        EXPECT_STREQ(ring.GetMessageText(i), "NoneMessage");

    ring.AddMessage(WM_PAINT, 1, 2);
    ring.AddMessage(WM_MOUSEMOVE, 0, 0); // too frequent: skipped
    ring.AddMessage(WM_KEYDOWN, 0, 0);
    ring.AddMessage(WM_SETCURSOR, 0, 0);
    ring.AddMessage(0x4321, 0xABCDEF01, 0x10);
    EXPECT_STREQ(ring.GetMessageText(0),
                 "unknown 00004321          , WPARAM abcdef01 , LPARAM 00000010 \n");
    EXPECT_STREQ(ring.GetMessageText(1), "WM_PAINT                  , WPARAM 00000001 , LPARAM 00000002 \n");
    EXPECT_STREQ(ring.GetMessageText(2), "NoneMessage");

    ring.AddMessage(WM_CLOSE, 0, 0);
    ring.AddMessage(WM_APP, 0, 0); // the fourth message pushes out the first
    EXPECT_EQ(std::string(ring.GetMessageText(0)).substr(0, 7), "WM_APP ");
    EXPECT_EQ(std::string(ring.GetMessageText(2)).substr(0, 8), "unknown ");
}

TEST(XC_WindowMessagesToString, IndexPastTheRingLeavesItAlone)
{
    XC_WindowMessagesToString ring;
    ring.Init(2);
    ring.AddMessage(WM_SIZE, 0, 0);
    EXPECT_STREQ(ring.GetMessageText(2), "");
    EXPECT_EQ(std::string(ring.GetMessageText(0)).substr(0, 7), "WM_SIZE");
    XC_WindowMessagesToString empty;
    EXPECT_STREQ(empty.GetMessageText(0), "");
    empty.AddMessage(WM_SIZE, 0, 0); // no ring yet: nothing to write into
}
