#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Order/DealOrder/JC_OrderDealCall.h"
#include "JC_Order/DealOrder/JC_OrderDealCatch.h"
#include "JC_Order/DealOrder/JC_OrderDealSteal.h"
#include "tests/JC_Order/DealOrder/DealOrderFixture.h"

namespace
{
const char* const CATCH_LINE = "@Type\"DF_BehaviorType_Catch\" @Parameter\"60\"";
const char* const STEAL_LINE = "@Type\"DF_BehaviorType_Steal\" @Parameter\"100\"";

class CatchStealCallTest : public DealOrderFixture
{
protected:
    void SetUp() override
    {
        DealOrderFixture::SetUp();
        JC_OrderDealBase::SetRandom(&m_Script);
        Register({{0x40001, &m_Catch}, {0x40002, &m_Steal}, {0x50004, &m_Call}});
    }
    JC_DataComponent* Person(TeamID team, int iTeamIndex)
    {
        JC_DataComponent* pPerson = nullptr;
        m_Manager.m_ControlTeamObj.GetPersonFromTeam(team, iTeamIndex, pPerson);
        return pPerson;
    }
    // A floor order of the actor whose only line is the one given.
    DWORD OnFloor(DWORD dwPredict, const std::string& strLine, DWORD dwFloor)
    {
        const JC_StringArray lines = {strLine};
        m_Order = std::make_unique<JC_OrderInformation>();
        EXPECT_EQ(m_Order->Initiation(&m_Manager), 0u);
        JC_OrderInput& input = *m_Order->GetOrderInput();
        input.AddActivePerson(0);
        input.AddPassiveFloor(dwFloor);
        input.SetPredictMode(dwPredict);
        EXPECT_EQ(input.OrderInputFinish(), 0u) << m_Log.Text();
        EXPECT_EQ(input.GetActiveWeaponOperator(0)->SetItemSpace("FightBehavior", &lines), 0u);
        return m_OrderManager.DealOrder(m_Order.get());
    }

    JC_OrderDealCatch m_Catch;
    JC_OrderDealSteal m_Steal;
    JC_OrderDealCall m_Call;
};
}

TEST_F(CatchStealCallTest, CatchNeedsLowHPAndAFewLevelsAtMost)
{
    struct Case
    {
        int iHP, iLevelsAbove, iRoll;
        bool bCaught;
    };
    // MaxHP 100: 30 percent can be caught, 31 cannot; five levels above can, six cannot.
    for (const Case& row : {Case{30, 5, 60, true}, Case{31, 0, 0, false}, Case{30, 6, 0, false},
                            Case{1, 0, 61, false}, Case{0, -2, 0, true}})
    {
        Place(1, 2);
        m_Manager.m_ControlTeamObj.DelPersonFromTeam(TeamID::TEAMID_OUR, JC_ControlTeam::NEWCOMER_FIRST);
        SetTarget("MaxHP", 100);
        SetTarget("HP", row.iHP);
        SetTarget("Level", 3 + row.iLevelsAbove);
        SetTarget("Camp", 3);
        m_Script.m_Rolls = {row.iRoll};
        const JC_OrderResultPassive result = Line(0, CATCH_LINE);
        const std::string strRow = std::to_string(row.iHP) + "% +" + std::to_string(row.iLevelsAbove);
        EXPECT_EQ(result.m_HitRate, 60) << strRow;
        EXPECT_EQ(result.m_IsHit, row.bCaught ? 1 : 0) << strRow;
        EXPECT_EQ(result.m_LifeOutcome, row.bCaught ? 2 : 0) << strRow;
        EXPECT_EQ(Target().GetLifeState(), row.bCaught ? 2 : 1) << strRow;
        JC_DataComponent* pCaught = Person(TeamID::TEAMID_OUR, JC_ControlTeam::NEWCOMER_FIRST);
        ASSERT_EQ(pCaught != nullptr, row.bCaught) << strRow;
        if (pCaught == nullptr)
            continue;
        int iHP = 0;
        int iCamp = -1;
        pCaught->GetItemValue("HP", &iHP);
        pCaught->GetItemValue("Camp", &iCamp);
        EXPECT_EQ(iHP, 100) << strRow;
        EXPECT_EQ(iCamp, 0) << strRow;
    }
}

TEST_F(CatchStealCallTest, CatchThatCannotJoinLeavesTheTargetAsItWas)
{
    SetTarget("MaxHP", 100);
    SetTarget("HP", 20);
    SetTarget("Camp", 3);
    // The record names a fight-team place nobody holds: the team control refuses.
    SetTarget("TeamID", 900);
    JC_OrderResultPassive result = Line(0, CATCH_LINE);
    EXPECT_EQ(result.m_IsHit, 0);
    EXPECT_EQ(result.m_LifeOutcome, 0);
    EXPECT_EQ(Target().GetHP(), 20);
    EXPECT_EQ(Target().GetCamp(TRUE), 3);
    EXPECT_EQ(Target().GetLifeState(), 1);
    EXPECT_EQ(Person(TeamID::TEAMID_OUR, JC_ControlTeam::NEWCOMER_FIRST), nullptr);

    // A person without MaxHP is never caught, and nothing divides by it.
    SetTarget("TeamID", 1);
    SetTarget("MaxHP", 0);
    result = Line(0, CATCH_LINE);
    EXPECT_EQ(result.m_IsHit, 0);
    EXPECT_EQ(Person(TeamID::TEAMID_OUR, JC_ControlTeam::NEWCOMER_FIRST), nullptr);

    const JC_OrderResultPassive preview = Line(1, CATCH_LINE);
    EXPECT_EQ(preview.m_HitRate, 60);
    EXPECT_EQ(preview.m_IsHit, -1);
}

TEST_F(CatchStealCallTest, StealTakesAThingOrNothing)
{
    // Every slot empty: the steal succeeds and takes nothing.
    JC_OrderResultPassive result = Line(0, STEAL_LINE);
    EXPECT_EQ(ActiveResult().m_IsSteal, 1);
    EXPECT_EQ(ActiveResult().m_IsStealThing, 0);
    EXPECT_EQ(result.m_IsHit, 0);

    // One gem at rate 40: a roll of 0 takes nothing, 1..40 takes it once.
    SetTarget("StealThing0_Rate", 40);
    SetTarget("StealThing0_Kind", 0);
    SetTarget("StealThing0_ID", 1);
    m_Script.m_Rolls = {0, 0};
    Line(0, STEAL_LINE);
    EXPECT_EQ(ActiveResult().m_IsStealThing, 0);
    m_Script.m_Rolls = {0, 40};
    result = Line(0, STEAL_LINE);
    EXPECT_EQ(result.m_IsHit, 1);
    ASSERT_EQ(ActiveResult().m_StealThingIDArray.size(), 1u);
    EXPECT_EQ(ActiveResult().m_StealThingIDArray[0], 1u);
    EXPECT_FALSE(ActiveResult().m_StealThingNameArray[0].empty());
    EXPECT_EQ(Target().GetStealThingTotalRate(), 0);

    // A roll above the percent fails before any thing is looked at.
    m_Script.m_Rolls = {100};
    result = Line(0, "@Type\"DF_BehaviorType_Steal\" @Parameter\"99\"");
    EXPECT_EQ(result.m_IsHit, 0);
    EXPECT_EQ(ActiveResult().m_IsSteal, 0);
}

TEST_F(CatchStealCallTest, CallOnAFloorTakesAShareOfTheActorsLevel)
{
    SetActor("Level", 7);
    ASSERT_EQ(m_Manager.m_ControlSceneObj.BuildFloors(4, 4), 0u);
    const char* const szCall = "@Type\"DF_BehaviorType_Call\" @Parameter\"12,DF_CallMode_Floor,50\"";
    EXPECT_EQ(OnFloor(1, szCall, 5), 0u) << m_Log.Text();
    EXPECT_EQ(Person(TeamID::TEAMID_FIGHT, JC_ControlTeam::NEWCOMER_FIRST), nullptr);

    ASSERT_EQ(OnFloor(0, szCall, 5), 0u) << m_Log.Text();
    ASSERT_EQ(m_Order->GetOrderInput()->GetFollowPersonCount(), 1u);
    EXPECT_EQ(m_Order->GetFollowIndex(), -1);
    JC_ControlPersonPower& called = *m_Order->GetFollowControlPersonPower(0);
    EXPECT_EQ(called.GetLevel(), 3);
    EXPECT_EQ(called.GetSceneFloorIndex(), 5);
    EXPECT_EQ(called.GetCamp(TRUE), Actor().GetCamp(TRUE));
    EXPECT_EQ(called.GetIsSummonRole(), 1);
    EXPECT_EQ(called.GetSummonerTeamID(), 0);
    EXPECT_EQ(called.GetTeamID(), JC_ControlTeam::NEWCOMER_FIRST);
    const JC_OrderResultPassive& follow = *m_Order->GetOrderResultManager()->GetFollowResult(0);
    EXPECT_EQ(follow.m_IsHit, 1);
    EXPECT_EQ(follow.m_ResultKind, 2);

    // A person target is no floor: the call is refused and nobody joins.
    Line(0, "@Type\"DF_BehaviorType_Call\" @Parameter\"12,DF_CallMode_Floor,50\"", JE_ORDERDEAL_CALL_NO_FLOOR);
    EXPECT_EQ(Person(TeamID::TEAMID_FIGHT, JC_ControlTeam::NEWCOMER_FIRST + 1), nullptr);
    Line(0, "@Type\"DF_BehaviorType_Call\" @Parameter\"12,DF_Nothing,50\"", JE_ORDERDEAL_CALL_MODE_NOT_SUPPORTED);
}

TEST_F(CatchStealCallTest, CallOnABodyTakesItsPlace)
{
    SetTarget("HP", 0);
    SetTarget("LifeState", 2);
    SetTarget("SceneFloorIndex", 7);
    const JC_OrderResultPassive result = Line(0, "@Type\"DF_BehaviorType_Call\" @Parameter\"12,DF_CallMode_Body,100\"");
    EXPECT_EQ(result.m_IsHit, 1);
    EXPECT_EQ(result.m_LifeOutcome, 2);
    EXPECT_EQ(Target().GetDieTime(), 0);
    JC_ControlPersonPower& called = *m_Order->GetFollowControlPersonPower(0);
    EXPECT_EQ(called.GetSceneFloorIndex(), 7);
    EXPECT_EQ(called.GetLevel(), Actor().GetLevel());
    // The merge pairs each result with its own active result.
    EXPECT_EQ(m_Order->GetOrderResultManager()->GetFinalPassiveResultCount(), 2u);
}
