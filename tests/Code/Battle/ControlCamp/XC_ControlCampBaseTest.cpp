#include "Code/Battle/ControlCamp/XC_ControlCampBase.h"

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"
#include "JC_DataManager/Event/JC_EventManager.h"

#include "tests/Code/Battle/ControlCamp/CampFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

// A controller whose step counts its calls and spends one RAP of the first
// person of its camp that has some.
class CountingCamp : public XC_ControlCampBase
{
public:
    HRESULT ProceedCamp(float) override
    {
        ++m_iSteps;
        XC_GamePerson* pPersonObj = nullptr;
        while (g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj)) {
            JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
            if (pPower->GetCamp(FALSE) == static_cast<int>(m_dwCampID) && pPower->GetRAP() > 0) {
                pPower->SetRAP(0);
                break;
            }
        }
        if (IsCampDone())
            SetCampPhase(PHASE_END);
        return S_OK;
    }

    int m_iSteps = 0;
};

// A work that lasts its time.
class TimedWork : public XC_SpriteWorkBase
{
public:
    explicit TimedWork(float fWorkTime) { SetWorkTime(fWorkTime); }
    BOOL Step(float fElapsedTime) override { return Advance(fElapsedTime); }
};

class ControlCampBaseTest : public CampFixture
{
protected:
    void SetUp() override
    {
        CampFixture::SetUp();
        LayPlainFloor(4, 4);
    }

    // Frames of the camp until it finishes or the frames run out.
    static int PlayFrames(CountingCamp& camp, int iFrames, float fElapsedTime)
    {
        int iFrame = 0;
        while (iFrame < iFrames && !camp.IsCampFinish()) {
            camp.FrameMove(fElapsedTime);
            ++iFrame;
        }
        return iFrame;
    }
};

} // namespace

TEST_F(ControlCampBaseTest, CampsWithoutRapGoFromBeginStraightToEnd)
{
    AddFightPerson(300, 11, 5);
    Start();
    Power(300)->SetRAP(0);
    for (const DWORD dwCamp : {3u, 2u}) {
        CountingCamp camp;
        ASSERT_EQ(camp.Init(dwCamp), S_OK);
        camp.FrameMove(0.1f);
        EXPECT_EQ(camp.GetCampPhase(), XC_ControlCampBase::PHASE_END) << dwCamp;
        EXPECT_FALSE(camp.IsCampFinish());
        camp.FrameMove(0.1f);
        EXPECT_TRUE(camp.IsCampFinish());
        EXPECT_EQ(camp.m_iSteps, 0);
    }
}

TEST_F(ControlCampBaseTest, FirstStepWaitsHalfASecondAfterTheSceneIsIdle)
{
    AddFightPerson(300, 11, 5);
    Start();
    CountingCamp camp;
    ASSERT_EQ(camp.Init(3), S_OK);
    EXPECT_FLOAT_EQ(camp.GetDelayTime(), 0.5f);
    m_Controller.AddBattleWork(new TimedWork(1.0f));
    camp.FrameMove(0.1f);
    EXPECT_EQ(camp.GetCampPhase(), XC_ControlCampBase::PHASE_PROCEED);
    // While the work runs the delay does not run down.
    for (int i = 0; i < 5; ++i)
        camp.FrameMove(0.1f);
    EXPECT_FLOAT_EQ(camp.GetDelayTime(), 0.5f);
    RunWorks(1.1f);
    ASSERT_FALSE(m_Controller.IsBattleWorking());
    // Steps of an eighth of a second run the half second down exactly.
    EXPECT_EQ(PlayFrames(camp, 4, 0.125f), 4);
    EXPECT_EQ(camp.m_iSteps, 0);
    camp.FrameMove(0.125f);
    EXPECT_EQ(camp.m_iSteps, 1);
    EXPECT_EQ(PlayFrames(camp, 3, 0.125f), 1);
    EXPECT_TRUE(camp.IsCampFinish());
}

TEST_F(ControlCampBaseTest, SkipFlagSkipsOneBeginOnly)
{
    Start();
    // Without the event manager every begin that fires its events says so.
    JC_EventManager* const pEvents = gp_EventManagerObj;
    gp_EventManagerObj = nullptr;
    g_bSkipCampBeginEvent = TRUE;
    CountingCamp first;
    ASSERT_EQ(first.Init(3), S_OK);
    {
        ErrorLogCapture errors;
        first.FrameMove(0.1f);
        EXPECT_FALSE(errors.Contains("gp_EventManagerObj")) << errors.Text();
    }
    EXPECT_FALSE(g_bSkipCampBeginEvent);
    EXPECT_EQ(first.GetCampPhase(), XC_ControlCampBase::PHASE_END);
    CountingCamp second;
    ASSERT_EQ(second.Init(3), S_OK);
    {
        ErrorLogCapture errors;
        second.FrameMove(0.1f);
        EXPECT_TRUE(errors.Contains("gp_EventManagerObj")) << errors.Text();
    }
    gp_EventManagerObj = pEvents;
}

TEST_F(ControlCampBaseTest, EndRunsOnce)
{
    Start();
    CountingCamp camp;
    ASSERT_EQ(camp.Init(3), S_OK);
    PlayFrames(camp, 3, 0.1f);
    ASSERT_TRUE(camp.IsCampFinish());
    ErrorLogCapture errors;
    camp.End(0.1f);
    EXPECT_TRUE(errors.Contains("FALSE == m_bCampFinish")) << errors.Text();
}

TEST_F(ControlCampBaseTest, MissingPersonManagerIsReported)
{
    ErrorLogCapture errors;
    CountingCamp camp;
    EXPECT_EQ(camp.Init(3), S_OK);
    EXPECT_TRUE(errors.Contains("g_pPersonManager")) << errors.Text();
    EXPECT_TRUE(camp.IsCampDone());
}
