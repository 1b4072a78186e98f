#include "GameProgram/D3DCommon/XF_AppTimer.h"

#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

TEST(XF_AppTimer, StoppedTimeIsLeftOut)
{
    XF_AppTimer(APPTIMER_RESET);
    XF_AppTimer(APPTIMER_STOP);
    Sleep(500);
    XF_AppTimer(APPTIMER_START);
    EXPECT_LT(XF_AppTimer(APPTIMER_GETAPPTIME), 0.25);
    EXPECT_LT(XF_AppTimer(APPTIMER_GETELAPSEDTIME), 0.25);
}

TEST(XF_AppTimer, AdvanceStepsAStoppedClockByATenth)
{
    XF_AppTimer(APPTIMER_RESET);
    XF_AppTimer(APPTIMER_STOP);
    const double dStopped = XF_AppTimer(APPTIMER_GETAPPTIME);
    EXPECT_EQ(XF_AppTimer(APPTIMER_GETAPPTIME), dStopped);
    EXPECT_EQ(XF_AppTimer(APPTIMER_GETELAPSEDTIME), 0.0);

    XF_AppTimer(APPTIMER_ADVANCE);
    XF_AppTimer(APPTIMER_ADVANCE);
    EXPECT_NEAR(XF_AppTimer(APPTIMER_GETAPPTIME) - dStopped, 0.2, 1e-9);
    EXPECT_NEAR(XF_AppTimer(APPTIMER_GETELAPSEDTIME), 0.2, 1e-9);
    EXPECT_EQ(XF_AppTimer(APPTIMER_GETELAPSEDTIME), 0.0);
}

TEST(XF_AppTimer, ElapsedTimeIsSinceThePreviousRequest)
{
    XF_AppTimer(APPTIMER_RESET);
    XF_AppTimer(APPTIMER_GETELAPSEDTIME);
    Sleep(300);
    const double dFirst = XF_AppTimer(APPTIMER_GETELAPSEDTIME);
    const double dSecond = XF_AppTimer(APPTIMER_GETELAPSEDTIME);
    EXPECT_GE(dFirst, 0.25);
    EXPECT_LT(dSecond, dFirst);
    EXPECT_GE(XF_AppTimer(APPTIMER_GETAPPTIME), dFirst);
}

TEST(XF_AppTimer, AbsoluteTimeRunsWhileStoppedAndUnknownCommandsFail)
{
    XF_AppTimer(APPTIMER_RESET);
    XF_AppTimer(APPTIMER_STOP);
    const double dBefore = XF_AppTimer(APPTIMER_GETABSOLUTETIME);
    Sleep(50);
    EXPECT_GT(XF_AppTimer(APPTIMER_GETABSOLUTETIME), dBefore);
    EXPECT_EQ(XF_AppTimer(7), -1.0);
    EXPECT_EQ(XF_AppTimer(-1), -1.0);
}

// Before the first start the clock is stopped at 0, so application time
// begins at 0 when the frame starts it; a reset of a stopped clock also
// begins at 0, however long it was stopped. The clock is the process's own,
// so the first part runs in a fresh process.
TEST(XF_AppTimer, StartAndResetBeginAtZero)
{
    EXPECT_EXIT(
        {
            const bool bBeginsAtZero = XF_AppTimer(APPTIMER_GETAPPTIME) == 0.0;
            XF_AppTimer(APPTIMER_START);
            std::exit(bBeginsAtZero && XF_AppTimer(APPTIMER_GETAPPTIME) < 0.25 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");

    XF_AppTimer(APPTIMER_START);
    XF_AppTimer(APPTIMER_STOP);
    Sleep(500);
    XF_AppTimer(APPTIMER_RESET);
    EXPECT_LT(XF_AppTimer(APPTIMER_GETAPPTIME), 0.25);
    EXPECT_LT(XF_AppTimer(APPTIMER_GETELAPSEDTIME), 0.25);
}
