#include "Code/Battle/BattleWork/XC_PersonBattle.h"

#include "Code/Battle/XC_BattleSceneController.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A battle work whose results the test writes.
struct TestPersonBattle : XC_PersonBattle
{
    using XC_PersonBattle::m_BattleResultInfoObj;

    void AddResult(XC_GamePerson* pPersonObj, DWORD dwType, LONG lIsCounter)
    {
        XS_BattleResultPerson record;
        record.pPersonObj = pPersonObj;
        record.dwTeamIndex = pPersonObj->GetTeamIndex();
        record.dwPersonType = dwType;
        record.lIsCounter = lIsCounter;
        m_BattleResultInfoObj.AddBattleResultPerson(record);
    }
};

// The hero acting on a 5 × 1 floor under a scene controller.
class PersonBattleTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(5, 1);
    }

    void TearDown() override
    {
        m_Controller.Fini();
        g_pBattleSceneController = nullptr;
        BattleFixture::TearDown();
    }

    // The fight team placed, the battle's objects started; the hero at index 0.
    void Start()
    {
        StartBattle();
        ASSERT_EQ(m_Controller.Init(), S_OK);
        g_pBattleSceneController = &m_Controller;
        for (DWORD i = 0; i < XE_TEAM_INDEX_COUNT; ++i) {
            if (XC_GamePerson* const pPerson = Person(i)) {
                pPerson->GetControlPersonPower()->SetFace(0);
                pPerson->RestoreDirectionFromDataComponent();
            }
        }
    }

    XC_GamePerson* Person(DWORD dwTeamIndex) { return m_Persons.GetPersonFromTeamIndex(dwTeamIndex); }
    JC_ControlPersonPower* Power(DWORD dwTeamIndex) { return Person(dwTeamIndex)->GetControlPersonPower(); }

    XC_BattleSceneController m_Controller;
};

} // namespace

TEST_F(PersonBattleTest, TheActorNeverStaysDeadAndExperienceBecomesLevels)
{
    AddFightPerson(0, 1, 0);
    Start();
    JC_ControlPersonPower* const pPower = Power(0);
    pPower->SetHP(0);
    pPower->SetLifeState(static_cast<int>(DF_LifeState_Dead));
    TestPersonBattle fatal;
    fatal.InitAttack(Person(0));
    fatal.End();
    EXPECT_EQ(pPower->GetLifeState(), static_cast<int>(DF_LifeState_Live));
    EXPECT_EQ(pPower->GetHP(), 1);
    EXPECT_EQ(Person(0)->GetLifeState(), DF_LifeState_Live);

    const int iLevel = pPower->GetLevel();
    const int iJobLevel = pPower->GetJobLevel();
    pPower->SetExp(1250);
    pPower->SetJobExp(499);
    TestPersonBattle work;
    work.InitAttack(Person(0));
    work.End();
    EXPECT_EQ(pPower->GetLevel(), iLevel + 2);
    EXPECT_EQ(pPower->GetExp(), 250);
    EXPECT_EQ(pPower->GetJobLevel(), iJobLevel);
    EXPECT_EQ(pPower->GetJobExp(), 499);
}

TEST_F(PersonBattleTest, OnlyTheFirstAdjacentPersonWithTheCounterFlagCounters)
{
    // The hero on 2; a far person on 4, then one on 1 and one on 3, all allowed to counter.
    AddFightPerson(0, 1, 2);
    AddFightPerson(1, 2, 1);
    AddFightPerson(2, 3, 3);
    AddFightPerson(3, 2, 4);
    Start();
    TestPersonBattle work;
    work.InitAttack(Person(0));
    work.AddResult(Person(0), XE_RESULT_PERSON_ACTIVE, 0);
    for (const DWORD dwTeamIndex : {3u, 1u, 2u})
        work.AddResult(Person(dwTeamIndex), XE_RESULT_PERSON_PASSIVE, 1);
    work.End();
    ASSERT_TRUE(m_Controller.IsBattleWorking());
    // The counter-attack, begun, turns its actor to the hero for good.
    g_pTimerManager->Update(0.01f);
    EXPECT_EQ(Power(1)->GetFace(), 1);
    EXPECT_EQ(Power(2)->GetFace(), 0);
    EXPECT_EQ(Power(3)->GetFace(), 0);
}

TEST_F(PersonBattleTest, TheDeadWithoutABodyLeaveAfterTheirNumbersAndTheOthersStay)
{
    AddFightPerson(0, 1, 0);
    AddFightPerson(300, 11, 1);
    AddFightPerson(301, 12, 3);
    Start();
    for (const DWORD dwTeamIndex : {300u, 301u}) {
        Power(dwTeamIndex)->SetHP(0);
        Power(dwTeamIndex)->SetLifeState(static_cast<int>(DF_LifeState_Dead));
    }
    Power(300)->SetDieTime(0);
    Power(301)->SetDieTime(3);
    Person(301)->SetDirection(2);
    TestPersonBattle work;
    work.InitAttack(Person(0));
    work.AddResult(Person(0), XE_RESULT_PERSON_ACTIVE, 0);
    work.AddResult(Person(300), XE_RESULT_PERSON_PASSIVE, 1);
    work.AddResult(Person(301), XE_RESULT_PERSON_PASSIVE, 0);
    work.End();
    EXPECT_EQ(Person(300), nullptr);
    ASSERT_NE(Person(301), nullptr);
    EXPECT_EQ(Power(301)->GetFace(), 2);
    EXPECT_FALSE(m_Controller.IsBattleWorking());
}

TEST_F(PersonBattleTest, TheNearestHostileTargetWinsAndATieTakesTheLowerTeamIndex)
{
    AddFightPerson(0, 1, 0);
    AddFightPerson(1, 2, 1);
    AddFightPerson(301, 11, 2);
    AddFightPerson(300, 12, 3);
    AddFightPerson(302, 13, 4);
    Start();
    TestPersonBattle work;
    work.InitAttack(Person(0));
    ASSERT_EQ(work.GetBattleTargetInfo()->dwUseCamp, XE_USE_CAMP_HOSTILE);
    std::vector<LONG> table = {0, 1, 2, 2, -1};
    XC_GamePerson* pNearest = nullptr;
    ASSERT_TRUE(work.FindNearestTarget(table.data(), &pNearest));
    EXPECT_EQ(pNearest, Person(300));
    table[3] = 3;
    ASSERT_TRUE(work.FindNearestTarget(table.data(), &pNearest));
    EXPECT_EQ(pNearest, Person(301));
    table = {0, 1, -1, -1, -1};
    EXPECT_FALSE(work.FindNearestTarget(table.data(), &pNearest));
    table = {0, 1, 2, 2, 2};
    EXPECT_TRUE(work.BuildPassivePersons(table.data()));
    EXPECT_EQ(work.GetPassivePersonCount(), 3u);
}

TEST_F(PersonBattleTest, ACalledPersonEntersHiddenAndTurnedToItsSummoner)
{
    AddFightPerson(0, 1, 0);
    Start();
    ASSERT_EQ(gp_ControlManagerObj->m_ControlWarehouseObj.AddThing(JC_ControlWarehouse::WAREHOUSE_TOOL, 7, 1), 0u);
    TestPersonBattle work;
    work.InitEffectTool(Person(0), 7);
    ASSERT_EQ(work.GetBattleTargetInfo()->dwUseTarget, XE_USE_TARGET_FLOOR);
    const std::vector<LONG> table = {-1, -1, 0, -1, -1};
    ASSERT_EQ(work.SelectTargets(table.data()), S_OK);
    EXPECT_EQ(work.GetPassiveFloors(), std::vector<DWORD>{2});
    work.SetTargetFloorIndex(2);
    ASSERT_EQ(work.ExecuteBattle(), S_OK);
    const XC_BattleResultInfo& result = work.GetBattleResultInfo();
    const XS_BattleResultPerson* pCalled = nullptr;
    for (DWORD i = 0; i < result.GetBattleResultPersonCount(); ++i) {
        if (result.GetBattleResultPerson(i)->dwPersonType == XE_RESULT_PERSON_CALLED)
            pCalled = result.GetBattleResultPerson(i);
    }
    ASSERT_NE(pCalled, nullptr);
    XC_GamePerson* const pPerson = Person(pCalled->dwTeamIndex);
    ASSERT_NE(pPerson, nullptr);
    EXPECT_EQ(pCalled->pPersonObj, pPerson);
    EXPECT_FALSE(pPerson->GetShow());
    EXPECT_EQ(pPerson->GetFloorIndex(), 2u);
    EXPECT_EQ(pPerson->GetControlPersonPower()->GetFace(), 3);
}
