#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/SpriteWork/XC_PerformerWork_Direction.h"
#include "GameProgram/SpriteWork/XC_PersonWork_SetPose.h"
#include "tests/GameProgram/Sprite/SpriteTestWork.h"
#include "tests/GameProgram/SpriteWork/PersonAnimations.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A person of the test pack in pose 1, facing direction 1.
class PersonWorks : public ::testing::Test
{
protected:
    PersonWorks() { m_Person.InitPerson(PersonAnimations::PATH, 1, 1); }

    ErrorLogCapture m_Log;
    PersonAnimations m_Animations;
    XC_Person m_Person;
};

} // namespace

TEST_F(PersonWorks, TheDirectionWorkTurnsToOrByQuarters)
{
    struct Case { BOOL bAbs; DWORD dwDirection; BOOL bRestore; DWORD dwDuring; DWORD dwAfter; };
    const Case cases[] = {
        {FALSE, 1, FALSE, 2, 2}, {FALSE, 3, FALSE, 0, 0}, {TRUE, 3, FALSE, 3, 3},
        {TRUE, 0, TRUE, 0, 1},   {FALSE, 2, TRUE, 3, 1},
        // Above 3 counts whole quarter turns.
        {TRUE, 6, FALSE, 2, 2},  {FALSE, 7, FALSE, 0, 0},
    };
    for (const Case& c : cases) {
        m_Person.SetDirection(1);
        XC_PerformerWork_Direction work;
        ASSERT_TRUE(work.SetTarget(&m_Person));
        work.m_bAbsDirection = c.bAbs;
        work.m_dwDirection = c.dwDirection;
        work.m_bRestoreWhenFinishWork = c.bRestore;
        work.Begin();
        EXPECT_EQ(m_Person.GetDirectionNumber(), c.dwDuring) << c.bAbs << " " << c.dwDirection;
        EXPECT_TRUE(work.Step(0.0f));
        work.End();
        EXPECT_EQ(m_Person.GetDirectionNumber(), c.dwAfter) << c.bAbs << " " << c.dwDirection;
    }
    XC_PerformerWork_Direction work;
    EXPECT_FALSE(work.SetTarget(nullptr));
    EXPECT_TRUE(m_Log.Contains("( pPerformerObj ) failed"));
    work.Begin();
    EXPECT_TRUE(m_Log.Contains("( m_pPerformerObj ) failed"));
}

TEST_F(PersonWorks, ThePoseWorkSetsThePoseAndItsReplay)
{
    // Pose 12 replays by itself, pose 2 plays once; type 2 leaves that.
    struct Case { DWORD dwPose; DWORD dwReplayType; BOOL bRePlay; };
    const Case cases[] = {{12, 2, TRUE}, {2, 2, FALSE}, {12, 0, FALSE}, {2, 1, TRUE}};
    for (const Case& c : cases) {
        m_Person.SetPose(1);
        XC_PersonWork_SetPose work;
        ASSERT_TRUE(work.SetTarget(&m_Person));
        work.m_dwPose = c.dwPose;
        work.m_dwReplayType = c.dwReplayType;
        work.m_bRestoreWhenFinishWork = TRUE;
        work.Begin();
        EXPECT_EQ(m_Person.GetPose(), c.dwPose);
        EXPECT_EQ(m_Person.GetRePlay(), c.bRePlay) << c.dwPose << " " << c.dwReplayType;
        work.End();
        EXPECT_EQ(m_Person.GetPose(), 1u);
    }
    XC_PersonWork_SetPose kept;
    kept.SetTarget(&m_Person);
    kept.m_dwPose = 2;
    kept.Begin();
    kept.End();
    EXPECT_EQ(m_Person.GetPose(), 2u);
}

TEST_F(PersonWorks, ThePoseWorkPassesPageMessagesAndEndsWithTheLastPage)
{
    XC_PersonWork_SetPose work;
    work.SetTarget(&m_Person);
    work.m_dwPose = 2;
    work.m_bLastPageEnd = TRUE;
    work.SetWorkTime(9999.0f);
    std::vector<DWORD_PTR> messages;
    SpriteTestListener listener;
    listener.m_OnMessage = [&messages](DWORD_PTR, DWORD_PTR, DWORD_PTR dwMessage, DWORD_PTR) {
        messages.push_back(dwMessage);
    };
    work.Connect(&listener, 0, 0);
    work.Begin();
    // Three pages of 0.1 s: the pages entered send their messages, and the
    // step after the last page has run out ends the work.
    int iSteps = 0;
    BOOL bFinished = FALSE;
    while (!bFinished && iSteps < 10) {
        m_Person.Update(0.06f);
        bFinished = work.Step(0.06f);
        ++iSteps;
    }
    EXPECT_TRUE(bFinished);
    EXPECT_LT(iSteps, 10);
    EXPECT_EQ(messages, (std::vector<DWORD_PTR>{10, 11, 12}));
}
