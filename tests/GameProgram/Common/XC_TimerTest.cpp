#include "GameProgram/Common/XC_AnimationTimer.h"
#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/Common/XC_TimerManager.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A timer that notes the deltas it receives and can run a test's hook.
class HookTimer : public XC_Timer
{
public:
    explicit HookTimer(DWORD dwRank) : XC_Timer(dwRank) {}

    void Update(float fDelta) override
    {
        m_Deltas.push_back(fDelta);
        if (m_Hook)
            m_Hook(this);
    }

    std::vector<float> m_Deltas;
    std::function<void(HookTimer*)> m_Hook;
};

class ProbeAnimationTimer : public XC_AnimationTimer
{
public:
    ProbeAnimationTimer() : XC_AnimationTimer(0) {}

    void OnUpdate() override { ++m_iUpdates; }
    void OnReachEnd() override { ++m_iEnds; }
    BOOL IsFinished() const { return m_bFinished; }

    int m_iUpdates = 0;
    int m_iEnds = 0;
};

// Every test leaves the global manager's time scale as it found it.
class TimerTest : public testing::Test
{
protected:
    void TearDown() override { g_pTimerManager->SetTimeScale(1.0f); }
};

} // namespace

TEST_F(TimerTest, StepFollowsTimeScaleAndRate)
{
    struct Case { BOOL bUseTimeScale; float fRate; float fTimeScale; float fExpected; };
    const Case cases[] = {
        {TRUE, 1.0f, 1.0f, 0.1f},
        {TRUE, 1.0f, 0.5f, 0.05f},
        {FALSE, 1.0f, 0.5f, 0.1f},
        {FALSE, 3.0f, 0.0f, 0.3f},
        {TRUE, 2.0f, 1.0f, 0.2f},
        {TRUE, 2.0f, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        HookTimer timer(0);
        timer.SetUseTimeScale(c.bUseTimeScale);
        timer.SetTimeRate(c.fRate);
        timer.SetTime(1.0f);
        timer.Start();
        g_pTimerManager->SetTimeScale(c.fTimeScale);
        g_pTimerManager->Update(0.1f);
        EXPECT_FLOAT_EQ(timer.GetTime(), 1.0f + c.fExpected) << "rate " << c.fRate << " scale " << c.fTimeScale;
        ASSERT_EQ(timer.m_Deltas.size(), 1u);
        EXPECT_FLOAT_EQ(timer.m_Deltas[0], c.fExpected);
    }
}

TEST_F(TimerTest, StoppedTimersKeepTheirTimeAndResetStops)
{
    HookTimer timer(3);
    g_pTimerManager->Update(0.5f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 0.0f);
    EXPECT_TRUE(timer.m_Deltas.empty());

    timer.Start();
    g_pTimerManager->Update(0.5f);
    timer.Stop();
    g_pTimerManager->Update(0.5f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 0.5f);

    // Rate 0 does not move the timer, but its hook still runs.
    timer.Start();
    timer.SetTimeRate(0.0f);
    g_pTimerManager->Update(0.5f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 0.5f);
    EXPECT_EQ(timer.m_Deltas.size(), 2u);

    timer.Reset();
    EXPECT_FALSE(timer.IsRunning());
    EXPECT_FLOAT_EQ(timer.GetTime(), 0.0f);
}

TEST_F(TimerTest, ElevenRanksAdvanceInOrder)
{
    ErrorLogCapture log;
    std::vector<DWORD> order;
    std::vector<std::unique_ptr<HookTimer>> timers;
    // Built from the last rank down, so the order of creation is no help.
    for (DWORD dwRank = TR_Count; dwRank-- > 0;) {
        for (int i = 0; i < 3; ++i) {
            timers.push_back(std::make_unique<HookTimer>(dwRank));
            HookTimer* const pTimer = timers.back().get();
            pTimer->m_Hook = [&order](HookTimer* pSelf) { order.push_back(pSelf->GetTimerRank()); };
            pTimer->Start();
        }
    }
    // Rank 10 is accepted, with a report.
    EXPECT_TRUE(log.Contains("( dwTimerRank != TR_Last ) failed"));

    HookTimer* const pRank0 = timers.back().get();
    timers.front()->m_Hook = [&order, pRank0](HookTimer* pSelf) {
        order.push_back(pSelf->GetTimerRank());
        EXPECT_FLOAT_EQ(pRank0->GetTime(), 0.1f) << "rank 0 moves before the later ranks";
    };

    g_pTimerManager->Update(0.1f);
    ASSERT_EQ(order.size(), 33u);
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(order[i], i / 3) << "visit " << i;
}

TEST_F(TimerTest, RankBeyondTheLastIsRefused)
{
    ErrorLogCapture log;
    HookTimer timer(TR_Count);
    timer.Start();
    EXPECT_TRUE(log.Contains("( pTimer->m_dwTimerRank < TR_Count ) failed"));
    g_pTimerManager->Update(0.1f);
    EXPECT_TRUE(timer.m_Deltas.empty());

    // Moved to a rank that exists, it runs.
    timer.SetTimerRank(2);
    g_pTimerManager->Update(0.1f);
    EXPECT_EQ(timer.m_Deltas.size(), 1u);
    EXPECT_EQ(timer.GetTimerRank(), 2u);
}

TEST_F(TimerTest, HookMayDestroyAndCreateTimersDuringTheWalk)
{
    // The set orders a rank's timers by address: the killer is the first of
    // them, so every victim is still ahead of the walk when it goes.
    std::vector<HookTimer*> victims;
    for (int i = 0; i < 8; ++i)
        victims.push_back(new HookTimer(5));
    const auto first = std::min_element(victims.begin(), victims.end(), std::less<HookTimer*>());
    std::unique_ptr<HookTimer> pKiller(*first);
    victims.erase(first);

    bool bKillerRan = false;
    int iVisitsAfterDeletion = 0;
    std::unique_ptr<HookTimer> pCreated;
    for (HookTimer* const pVictim : victims) {
        pVictim->Start();
        pVictim->m_Hook = [&](HookTimer*) { iVisitsAfterDeletion += bKillerRan ? 1 : 0; };
    }
    pKiller->Start();
    pKiller->m_Hook = [&](HookTimer*) {
        bKillerRan = true;
        for (HookTimer* const pVictim : victims)
            delete pVictim;
        victims.clear();
        pCreated = std::make_unique<HookTimer>(5);
        pCreated->Start();
    };

    g_pTimerManager->Update(0.1f);
    EXPECT_TRUE(bKillerRan);
    EXPECT_EQ(iVisitsAfterDeletion, 0);

    // A timer made during the walk first moves in the next frame.
    ASSERT_NE(pCreated, nullptr);
    EXPECT_TRUE(pCreated->m_Deltas.empty());
    pKiller->m_Hook = nullptr;
    g_pTimerManager->Update(0.1f);
    EXPECT_EQ(pCreated->m_Deltas.size(), 1u);
    EXPECT_EQ(pKiller->m_Deltas.size(), 2u);
}

TEST_F(TimerTest, RerankingInsideTheHookUpdatesOncePerFrame)
{
    HookTimer timer(1);
    timer.Start();
    timer.m_Hook = [](HookTimer* pSelf) { pSelf->SetTimerRank(pSelf->GetTimerRank() + 2); };
    g_pTimerManager->Update(0.1f);
    EXPECT_EQ(timer.m_Deltas.size(), 1u);
    EXPECT_EQ(timer.GetTimerRank(), 3u);
    g_pTimerManager->Update(0.1f);
    EXPECT_EQ(timer.m_Deltas.size(), 2u);
    EXPECT_EQ(timer.GetTimerRank(), 5u);
}

TEST_F(TimerTest, AnimationTimerLoopsOrStopsAtEitherEnd)
{
    struct Case { float fStart; float fRate; BOOL bLoop; float fExpected; BOOL bFinished; };
    const Case cases[] = {
        {0.9f, 1.0f, FALSE, 1.0f, TRUE},
        {0.9f, 1.0f, TRUE, 0.0f, FALSE},
        {0.1f, -1.0f, FALSE, 0.0f, TRUE},
        {0.1f, -1.0f, TRUE, 1.0f, FALSE},
        {0.5f, 1.0f, FALSE, 0.8f, FALSE},
    };
    for (const Case& c : cases) {
        ProbeAnimationTimer timer;
        timer.SetEndTime(1.0f);
        timer.SetTime(c.fStart);
        timer.SetLoop(c.bLoop);
        timer.SetTimeRate(c.fRate);
        timer.Start();
        g_pTimerManager->Update(0.3f);
        EXPECT_FLOAT_EQ(timer.GetTime(), c.fExpected) << "start " << c.fStart << " rate " << c.fRate;
        EXPECT_EQ(timer.IsFinished(), c.bFinished);
        EXPECT_EQ(timer.m_iEnds, c.fExpected == 0.8f ? 0 : 1);
        EXPECT_EQ(timer.m_iUpdates, 1);
    }
}

TEST_F(TimerTest, AnimationTimerSettersKeepTimeBetweenTheEnds)
{
    ProbeAnimationTimer timer;
    EXPECT_FLOAT_EQ(timer.GetEndTime(), 1e10f);
    EXPECT_TRUE(timer.GetLoop());

    timer.SetBeginTime(2.0f);
    timer.SetEndTime(5.0f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 2.0f);

    timer.SetEndTime(1.0f); // below the begin: the end becomes the begin
    EXPECT_FLOAT_EQ(timer.GetEndTime(), 2.0f);
    timer.SetEndTime(5.0f);
    timer.SetBeginTime(7.0f); // above the end: the begin becomes the end
    EXPECT_FLOAT_EQ(timer.GetBeginTime(), 5.0f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 5.0f);

    timer.SetBeginTime(1.0f);
    timer.SetTime(9.0f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 5.0f);
    timer.SetTime(-3.0f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 1.0f);
    timer.SetTime(4.0f);
    timer.SetEndTime(3.0f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 3.0f);

    // Reaching an end without looping holds there until a setter moves it.
    timer.SetLoop(FALSE);
    timer.Start();
    g_pTimerManager->Update(1.0f);
    EXPECT_TRUE(timer.IsFinished());
    g_pTimerManager->Update(1.0f);
    EXPECT_FLOAT_EQ(timer.GetTime(), 3.0f);
    timer.SetTime(2.0f);
    EXPECT_FALSE(timer.IsFinished());
}

TEST_F(TimerTest, NegativeBoundsAreReported)
{
    ErrorLogCapture log;
    ProbeAnimationTimer timer;
    timer.SetBeginTime(-1.0f);
    timer.Start();
    g_pTimerManager->Update(0.1f);
    EXPECT_TRUE(log.Contains("( m_fBeginTime >= 0.0f ) failed"));
    EXPECT_EQ(timer.m_iUpdates, 1);
}
