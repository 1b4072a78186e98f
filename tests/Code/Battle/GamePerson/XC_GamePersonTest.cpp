#include "Code/Battle/GamePerson/XC_GamePerson.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

// The hero (person 1, 120 HP) alone on a 4 × 4 floor.
class GamePersonTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(4, 4);
    }

    XC_GamePerson* Start(int iFloor)
    {
        AddFightPerson(0, 1, iFloor);
        StartBattle();
        return m_Persons.GetPersonFromTeamIndex(0);
    }
};

} // namespace

TEST_F(GamePersonTest, StandingPoseFollowsHealthAndLife)
{
    XC_GamePerson* const pPerson = Start(5);
    ASSERT_NE(pPerson, nullptr);
    JC_ControlPersonPower* const pPower = pPerson->GetControlPersonPower();
    struct Case
    {
        int iHP;
        BOOL bWeak;
        DWORD dwPages;
    };
    // 36 of 120 is 30 %: not weak; 35 is below.
    const Case cases[] = {{120, FALSE, 1}, {36, FALSE, 1}, {35, TRUE, 2}, {1, TRUE, 2}, {60, FALSE, 1}};
    for (const Case& c : cases) {
        pPower->SetHP(c.iHP);
        EXPECT_EQ(pPerson->UpdateLifeState(), S_OK);
        EXPECT_EQ(pPerson->IsWeak(), c.bWeak) << c.iHP;
        EXPECT_EQ(ShownPages(pPerson), c.dwPages) << c.iHP;
        EXPECT_EQ(pPerson->GetPose(), XE_POSE_STAND) << c.iHP;
    }

    pPower->SetLifeState(DF_LifeState_Dead);
    EXPECT_EQ(pPerson->UpdateLifeState(), S_OK);
    EXPECT_EQ(pPower->GetRAP(), 0);
    EXPECT_EQ(ShownPages(pPerson), 3u);
    pPerson->SetPose(5);
    EXPECT_EQ(pPerson->GetPose(), XE_POSE_DEAD);
}

TEST_F(GamePersonTest, LeavingAStatusRestoresTheFigureAndARebuildShowsItAgain)
{
    XC_GamePerson* const pPerson = Start(5);
    ASSERT_NE(pPerson, nullptr);
    const DWORD dwFace = static_cast<DWORD>(pPerson->GetControlPersonPower()->GetFace());
    const D3DXVECTOR3 vHome = *pPerson->GetPosition();

    EXPECT_EQ(pPerson->SetPersonState(41), S_OK);
    const D3DXVECTOR3 vBig(2.0f, 2.0f, 2.0f);
    pPerson->SetScale(&vBig);
    pPerson->SetDirection((dwFace + 1) % 4);
    const D3DXVECTOR3 vAway(9.0f, 9.0f, 9.0f);
    pPerson->SetPosition(&vAway);
    EXPECT_EQ(pPerson->SetPersonState(36), S_OK);
    EXPECT_EQ(pPerson->GetScale()->x, 1.0f);
    EXPECT_EQ(pPerson->GetDirection(), dwFace);
    EXPECT_EQ(*pPerson->GetPosition(), vHome);
    EXPECT_EQ(pPerson->GetPersonState(), 36u);

    ASSERT_EQ(pPerson->Init(pPerson->GetDataComponentPersonObj(), m_Scene.GetFloorer()), S_OK);
    EXPECT_EQ(pPerson->GetPersonState(), XE_PERSON_STATE_NONE);
}

TEST_F(GamePersonTest, ARecordOffTheFloorStandsOnCellZero)
{
    ErrorLogCapture log;
    XC_GamePerson* const pPerson = Start(16);
    ASSERT_NE(pPerson, nullptr);
    EXPECT_EQ(pPerson->GetFloorIndex(), 0u);
    EXPECT_TRUE(log.Contains("SetFloorIndex error , FloorIndex = 16 , FloorCount = 16")) << log.Text();
    EXPECT_EQ(pPerson->SetFloorIndex(16, TRUE), E_FAIL);
    EXPECT_EQ(pPerson->GetFloorIndex(), 0u);
}

TEST_F(GamePersonTest, LookingAtItsOwnCellRestoresTheStoredFacing)
{
    XC_GamePerson* const pPerson = Start(5);
    ASSERT_NE(pPerson, nullptr);
    const DWORD dwFace = static_cast<DWORD>(pPerson->GetControlPersonPower()->GetFace());
    EXPECT_EQ(pPerson->LookTarget(7, FALSE), S_OK);
    const DWORD dwTurned = pPerson->GetDirection();
    EXPECT_EQ(static_cast<DWORD>(pPerson->GetControlPersonPower()->GetFace()), dwFace);
    EXPECT_EQ(pPerson->LookTarget(5, FALSE), S_OK);
    EXPECT_EQ(pPerson->GetDirection(), dwFace);
    EXPECT_EQ(pPerson->LookTarget(7, TRUE), S_OK);
    EXPECT_EQ(static_cast<DWORD>(pPerson->GetControlPersonPower()->GetFace()), dwTurned);
    ErrorLogCapture log;
    EXPECT_EQ(pPerson->LookTarget(16, TRUE), E_FAIL);
    EXPECT_TRUE(log.Contains("dwTargetFloorIdx < m_pFloorer->GetFloorsCount()")) << log.Text();
}
