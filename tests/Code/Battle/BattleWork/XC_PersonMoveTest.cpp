#include "Code/Battle/BattleWork/XC_PersonMove.h"

#include "Code/Battle/XC_BattleSceneController.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/SpriteWork/XC_PersonWork_SetPose.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

// The hero walking over a floor laid by the test.
class PersonMoveTest : public BattleFixture
{
protected:
    XC_GamePerson* Walker(DWORD dwWidth, DWORD dwLength, const std::vector<TestCell>& cells, int iStart)
    {
        LayFloor(dwWidth, dwLength, cells);
        AddFightPerson(0, 1, iStart);
        StartBattle();
        return m_Persons.GetPersonFromTeamIndex(0);
    }

    // The move from the person's floor, begun.
    void Begin(XC_GamePerson* pPerson, DWORD dwTarget)
    {
        m_Move.SetPerson(pPerson);
        m_Move.SetStartFloorIndex(pPerson->GetFloorIndex());
        m_Move.SetTargetFloorIndex(dwTarget);
        m_Move.Begin();
    }

    // When the last work of the move ends.
    float EndTime()
    {
        float fEnd = 0.0f;
        for (DWORD i = 0; i < m_Move.GetSprite()->GetWorkCount(); ++i) {
            const XC_SpriteWorkBase* const pWork = m_Move.GetSprite()->GetSpriteWork(i);
            fEnd = std::max(fEnd, pWork->GetDelayTime() + pWork->GetWorkTime());
        }
        return fEnd;
    }

    std::vector<DWORD> Poses()
    {
        std::vector<DWORD> poses;
        for (DWORD i = 0; i < m_Move.GetSprite()->GetWorkCount(); ++i) {
            if (const auto* pPose = dynamic_cast<const XC_PersonWork_SetPose*>(m_Move.GetSprite()->GetSpriteWork(i)))
                poses.push_back(pPose->m_dwPose);
        }
        return poses;
    }

    XC_PersonMove m_Move;
};

} // namespace

TEST_F(PersonMoveTest, ThreeWalkStepsEndAtOneSecond)
{
    XC_GamePerson* const pPerson = Walker(4, 1, std::vector<TestCell>(4), 0);
    ASSERT_NE(pPerson, nullptr);
    Begin(pPerson, 3);
    EXPECT_NEAR(EndTime(), 1.0f, 1e-5f);
    EXPECT_EQ(Poses(), (std::vector<DWORD>{1, 1, 1}));
}

TEST_F(PersonMoveTest, OnlyThroughOneSidesAreJumped)
{
    std::vector<TestCell> cells(4);
    cells[1].dwEast = 1;
    XC_GamePerson* const pPerson = Walker(4, 1, cells, 0);
    ASSERT_NE(pPerson, nullptr);
    Begin(pPerson, 3);
    EXPECT_EQ(Poses(), (std::vector<DWORD>{1, 19, 21, 18, 1}));
    EXPECT_NEAR(EndTime(), 0.1f + 0.3f + 0.57f + 0.3f, 1e-5f);
}

TEST_F(PersonMoveTest, NoWorksForTheStartOrAnUnreachableTarget)
{
    std::vector<TestCell> cells(4);
    cells[3].iLandform = 4;
    XC_GamePerson* const pPerson = Walker(4, 1, cells, 1);
    ASSERT_NE(pPerson, nullptr);
    Begin(pPerson, 1);
    EXPECT_EQ(m_Move.GetSprite()->GetWorkCount(), 0u);
    // Pictures of the poses load first, one a step; the pack has none.
    ErrorLogCapture pictures;
    BOOL bFinished = FALSE;
    for (int i = 0; i < 100 && !bFinished; ++i)
        bFinished = m_Move.Step(0.0f);
    EXPECT_TRUE(bFinished);

    ErrorLogCapture log;
    XC_PersonMove unreachable;
    unreachable.SetPerson(pPerson);
    unreachable.SetStartFloorIndex(1);
    unreachable.SetTargetFloorIndex(3);
    unreachable.Begin();
    EXPECT_EQ(unreachable.GetSprite()->GetWorkCount(), 0u);
    EXPECT_FALSE(log.Text().empty());
}

TEST_F(PersonMoveTest, EqualWaysBackAreTakenAtRandom)
{
    XC_GamePerson* const pPerson = Walker(2, 2, std::vector<TestCell>(4), 0);
    ASSERT_NE(pPerson, nullptr);
    std::set<float> firstSteps;
    for (unsigned uSeed = 1; uSeed <= 16; ++uSeed) {
        std::srand(uSeed);
        XC_PersonMove move;
        move.SetPerson(pPerson);
        move.SetStartFloorIndex(0);
        move.SetTargetFloorIndex(3);
        move.Begin();
        for (DWORD i = 0; i < move.GetSprite()->GetWorkCount(); ++i) {
            const auto* pStep = dynamic_cast<const XC_RenderNodeWork_SetPosition*>(move.GetSprite()->GetSpriteWork(i));
            if (pStep != nullptr && pStep->GetDelayTime() < 0.2f)
                firstSteps.insert(pStep->m_vPosition.x);
        }
    }
    // Through cell 1 (east first) or cell 2 (south first).
    EXPECT_EQ(firstSteps.size(), 2u);
}

TEST_F(PersonMoveTest, AQueuedMoveWalksThePersonToItsTarget)
{
    XC_GamePerson* const pPerson = Walker(4, 1, std::vector<TestCell>(4), 0);
    ASSERT_NE(pPerson, nullptr);
    XC_BattleSceneController controller;
    ASSERT_EQ(controller.Init(), S_OK);
    XC_PersonMove* const pMove = new XC_PersonMove;
    pMove->SetPerson(pPerson);
    pMove->SetStartFloorIndex(0);
    pMove->SetTargetFloorIndex(3);
    controller.AddBattleWork(pMove);
    for (int i = 0; i < 30 && controller.IsBattleWorking(); ++i)
        g_pTimerManager->Update(0.05f);
    EXPECT_FALSE(controller.IsBattleWorking());
    const D3DXVECTOR3 vTarget = m_Scene.GetFloorer()->GetFloorPosition(3);
    EXPECT_NEAR(pPerson->GetPosition()->x, vTarget.x, 1e-3f);
    EXPECT_EQ(pPerson->GetPose(), XE_POSE_STAND);
    EXPECT_EQ(pPerson->GetControlPersonPower()->GetFace(), 1);
}

TEST_F(PersonMoveTest, APersonTakenOffTheFieldEndsItsMove)
{
    XC_GamePerson* const pPerson = Walker(4, 1, std::vector<TestCell>(4), 0);
    ASSERT_NE(pPerson, nullptr);
    Begin(pPerson, 3);
    ASSERT_GT(m_Move.GetSprite()->GetWorkCount(), 0u);
    ASSERT_EQ(m_Persons.DelPersonFromTeamIndex(0), S_OK);
    ErrorLogCapture log;
    EXPECT_TRUE(m_Move.Step(0.05f));
    EXPECT_EQ(m_Move.GetSprite()->GetWorkCount(), 0u);
    m_Move.End();
    EXPECT_TRUE(log.Contains("( m_pPersonObj ) failed")) << log.Text();
}
