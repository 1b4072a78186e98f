#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Common/XF_InitOrder.h"

#include <gtest/gtest.h>

namespace {

// A static object built right after the timer manager: its constructor may
// already make a running timer, as the objects later in the order do.
struct EarlyTimerOwner
{
    EarlyTimerOwner()
        : timer(0)
    {
        timer.Start();
    }
    XC_Timer timer;
};

EarlyTimerOwner s_EarlyOwner XM_INIT_ORDER(XE_INIT_TIMER_MANAGER + 1);

} // namespace

TEST(InitOrder, ObjectsBuiltAfterTheTimerManagerCanRunTimers)
{
    const float fBefore = s_EarlyOwner.timer.GetTime();
    g_pTimerManager->Update(0.25f);
    EXPECT_FLOAT_EQ(s_EarlyOwner.timer.GetTime() - fBefore, 0.25f);
}
