#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JC_OrderManager.h"

#include "tests/JC_Order/SampleOrderFixture.h"

#include <functional>

namespace
{
constexpr DWORD ATTACK_TYPE = 0x30001;
constexpr DWORD MAGIC_TYPE = 0x30003;

// A deal whose results the test scripts: each call gives the next code and
// may write the target's result.
class FakeDeal : public JI_OrderDeal
{
public:
    DWORD Initiation(JC_OrderInformation* pOrder) override
    {
        m_pOrder = pOrder;
        return 0;
    }
    DWORD DealOrder() override
    {
        ++m_iCalls;
        if (m_Effect)
            m_Effect(*m_pOrder);
        return m_iCalls <= static_cast<int>(m_Codes.size()) ? m_Codes[m_iCalls - 1] : 0;
    }

    std::vector<DWORD> m_Codes;
    std::function<void(JC_OrderInformation&)> m_Effect;
    JC_OrderInformation* m_pOrder = nullptr;
    int m_iCalls = 0;
};

class OrderManagerTest : public SampleOrderFixture
{
protected:
    void SetUp() override
    {
        SampleOrderFixture::SetUp();
        if (IsSkipped())
            return;
        Place(0, 1);
        Place(1, 2);
        Place(2, 3);
        ASSERT_EQ(m_OrderManager.Initiation(&m_Manager), 0u);
        ASSERT_EQ(m_OrderManager.AddOrderDeal(ATTACK_TYPE, &m_Attack), 0u);
        ASSERT_EQ(m_OrderManager.AddOrderDeal(MAGIC_TYPE, &m_Magic), 0u);
        ASSERT_EQ(m_Order.Initiation(&m_Manager), 0u);
    }

    // The actor (team index 0) strikes the targets with its weapon, whose
    // behaviour lines are replaced when given.
    void Finish(const std::vector<DWORD>& targets, DWORD dwPredict, const JC_StringArray* pLines = nullptr)
    {
        JC_OrderInput& input = *m_Order.GetOrderInput();
        input.AddActivePerson(0);
        for (DWORD dwTarget : targets)
            input.AddPassivePerson(dwTarget);
        input.SetPredictMode(dwPredict);
        ASSERT_EQ(input.OrderInputFinish(), 0u) << m_Log.Text();
        if (pLines != nullptr)
        {
            ASSERT_EQ(input.GetActiveWeaponOperator(0)->SetItemSpace("FightBehavior", pLines), 0u);
        }
    }

    JC_OrderResultPassive& Target(DWORD dwIndex) { return *m_Order.GetOrderResultManager()->GetPassiveResult(dwIndex); }
    JC_OrderFinalResultActive& FinalActor() { return *m_Order.GetOrderResultManager()->GetFinalActiveResult(0); }
    JC_ControlPersonPower& Actor() { return *m_Order.GetActiveControlPersonPower(0); }

    JC_OrderManager m_OrderManager;
    FakeDeal m_Attack;
    FakeDeal m_Magic;
    JC_OrderInformation m_Order;
};
}

TEST_F(OrderManagerTest, RegistrationRefusesNullAndRepeats)
{
    FakeDeal other;
    EXPECT_EQ(m_OrderManager.AddOrderDeal(5, nullptr), JE_ORDERMANAGER_NULL_DEAL);
    EXPECT_EQ(m_OrderManager.AddOrderDeal(ATTACK_TYPE, &other), JE_ORDERMANAGER_TYPE_REPEATED);
    EXPECT_EQ(m_OrderManager.FindOrderDeal(ATTACK_TYPE), &m_Attack);
    EXPECT_EQ(m_OrderManager.FindOrderDeal(5), nullptr);
    EXPECT_EQ(m_Log.Count("BehaviorTypeValueRepeat"), 1u);
}

TEST_F(OrderManagerTest, RefusesOrdersNotReady)
{
    JC_OrderInformation fresh;
    EXPECT_EQ(m_OrderManager.DealOrder(nullptr), JE_ORDERMANAGER_NULL_ORDER);
    EXPECT_EQ(m_OrderManager.DealOrder(&fresh), JE_ORDERMANAGER_ORDER_NOT_INITIATED);
    EXPECT_EQ(m_OrderManager.DealOrder(&m_Order), JE_ORDERMANAGER_INPUT_NOT_FINISHED);
}

TEST_F(OrderManagerTest, StopOnFirstTargetStillMerges)
{
    m_Attack.m_Codes = {ORDERDEAL_STOP_ORDER};
    m_Attack.m_Effect = [](JC_OrderInformation& order) { order.GetDealingPassiveResult()->m_IsHit = 1; };
    Finish({1, 2}, 0);
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(m_Attack.m_iCalls, 1);
    EXPECT_EQ(Target(1).m_IsHit, -1);
    ASSERT_EQ(m_Order.GetOrderResultManager()->GetFinalPassiveResultCount(), 2u);
    EXPECT_EQ(m_Order.GetOrderResultManager()->GetFinalPassiveResult(0)->m_TeamIndex, 1);
    EXPECT_EQ(FinalActor().m_Morale, 1);
}

TEST_F(OrderManagerTest, UnknownTypesFailBeforeConsumption)
{
    for (const JC_StringArray& lines : {JC_StringArray{"@Type\"DF_Nothing\""}, JC_StringArray{""}})
    {
        ASSERT_EQ(m_Order.Initiation(&m_Manager), 0u);
        m_Log.Clear();
        Finish({1}, 0, &lines);
        EXPECT_EQ(m_OrderManager.DealOrder(&m_Order), JE_ORDERMANAGER_TYPE_NOT_SUPPORTED);
        EXPECT_EQ(m_Log.Count("BehaviorTypeUnknow"), 1u);
        EXPECT_EQ(m_Log.Count("BehaviorTypeValue Not Support"), 1u);
        EXPECT_EQ(m_Order.GetOrderResultManager()->GetFinalActiveResultCount(), 0u);
    }
}

TEST_F(OrderManagerTest, EnteredBlockMarksTheTargetHit)
{
    const JC_StringArray lines = {"@Type\"DF_BehaviorType_Attack\"", "{", "@Type\"DF_BehaviorType_MagicAttack\"", "}"};
    m_Attack.m_Effect = [](JC_OrderInformation& order) { order.GetOrderBehavior()->SetDealSuccess(1); };
    Finish({1, 2}, 0, &lines);
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(m_Magic.m_iCalls, 2);
    EXPECT_EQ(Target(0).m_IsHit, 1);
    EXPECT_EQ(Target(1).m_IsHit, 1);
}

TEST_F(OrderManagerTest, StopInsideBlockLeavesNextTargetUnmarked)
{
    const JC_StringArray lines = {"@Type\"DF_BehaviorType_Attack\"", "{", "@Type\"DF_BehaviorType_MagicAttack\"", "}"};
    m_Attack.m_Effect = [](JC_OrderInformation& order) {
        order.GetOrderBehavior()->SetDealSuccess(order.GetPassiveIndex() == 0 ? 1 : 0);
    };
    m_Magic.m_Codes = {ORDERDEAL_NEXT_TARGET};
    Finish({1, 2}, 0, &lines);
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(Target(1).m_IsHit, -1);
}

TEST_F(OrderManagerTest, MoraleAndExperienceOfTwoHitsAndAKill)
{
    m_Attack.m_Effect = [](JC_OrderInformation& order) {
        JC_OrderResultPassive& result = *order.GetDealingPassiveResult();
        result.m_IsHit = 1;
        result.m_LifeOutcome = order.GetPassiveIndex() == 1 ? 2 : 0;
        result.m_Exp = 10;
        result.m_JobExp = 4;
    };
    m_Attack.m_Codes = {ORDERDEAL_NEXT_TARGET, ORDERDEAL_NEXT_TARGET};
    Finish({1, 2}, 0);
    const int iMorale = Actor().GetMorale();
    const int iExp = Actor().GetExp();
    const int iCharm = Actor().GetCharm(TRUE);
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(FinalActor().m_Morale, 4);
    EXPECT_EQ(Actor().GetMorale(), iMorale + 4);
    EXPECT_EQ(FinalActor().m_Exp, 20 * iCharm / 100 + 20);
    EXPECT_EQ(Actor().GetExp(), iExp + FinalActor().m_Exp);
    EXPECT_EQ(FinalActor().m_LifeOutcome, 0);
    EXPECT_EQ(FinalActor().m_IsHit, 1);
}

TEST_F(OrderManagerTest, PreviewFillsResultsAndChangesNothing)
{
    m_Attack.m_Effect = [](JC_OrderInformation& order) {
        order.GetDealingPassiveResult()->m_IsHit = 1;
        order.GetDealingPassiveResult()->m_Exp = 10;
        order.GetDealingActiveResult()->m_HPAbsorb = 5;
    };
    m_Attack.m_Codes = {ORDERDEAL_NEXT_TARGET};
    Finish({1}, 1);
    const int iMorale = Actor().GetMorale();
    const int iExp = Actor().GetExp();
    const int iHP = Actor().GetHP();
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(FinalActor().m_Morale, 1);
    EXPECT_GT(FinalActor().m_Exp, 0);
    EXPECT_EQ(Actor().GetMorale(), iMorale);
    EXPECT_EQ(Actor().GetExp(), iExp);
    EXPECT_EQ(Actor().GetHP(), iHP);
}

TEST_F(OrderManagerTest, OtherCampGainsNothingAndMaxLevelResetsExperience)
{
    m_Attack.m_Effect = [](JC_OrderInformation& order) {
        order.GetDealingPassiveResult()->m_Exp = 10;
        order.GetDealingPassiveResult()->m_LegacyMoney = 50;
    };
    m_Attack.m_Codes = {ORDERDEAL_NEXT_TARGET};
    Finish({1}, 0);
    Actor().SetCamp(3);
    Actor().SetExp(7);
    const int iMoney = m_Manager.m_ControlGameObj.GetMoney();
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(Actor().GetExp(), 7);
    EXPECT_EQ(m_Manager.m_ControlGameObj.GetMoney(), iMoney);

    ASSERT_EQ(m_Order.Initiation(&m_Manager), 0u);
    m_Attack.m_iCalls = 0;
    Finish({1}, 0);
    Actor().SetCamp(0);
    const int iMaxLevel = Actor().GetMaxLevel();
    ASSERT_EQ(Actor().GetPersonDataComponent()->SetItemValue("Level", &iMaxLevel), 0u);
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(Actor().GetExp(), 0);
    EXPECT_GT(m_Manager.m_ControlGameObj.GetMoney(), iMoney);
}

TEST_F(OrderManagerTest, MergeRefusesResultsThatDoNotAddUp)
{
    const struct
    {
        const char* szCase;
        std::function<void(JC_OrderInformation&)> effect;
        DWORD dwResult;
        const char* szLogged;
    } cases[] = {
        {"an active result without its target",
         [](JC_OrderInformation& order) { order.GetOrderResultManager()->AddActiveResultObj(0); },
         JE_ORDERINFORMATION_RESULT_COUNT_MISMATCH, "ActiveResultCountNotMatchTotalPassive"},
        {"an active result of another person",
         [](JC_OrderInformation& order) { order.GetDealingActiveResult()->m_TeamIndex = 5; },
         JE_ORDERINFORMATION_OTHER_ACTIVE, "FinalActiveTeamIndex MustEqual ActiveTeamIndex"},
        {"a second action script",
         [](JC_OrderInformation& order) { order.GetDealingActiveResult()->m_ActionScriptID = "Hit.txt"; },
         JE_ORDERINFORMATION_SECOND_ACTION_SCRIPT, "OnceYouCanSetActionScriptID"},
        {"a stolen thing of no kind",
         [](JC_OrderInformation& order) {
             JC_OrderResultActive& act = *order.GetDealingActiveResult();
             act.m_IsStealThing = 1;
             act.m_StealThingKindArray = {99};
             act.m_StealThingIDArray = {1};
         },
         JE_ORDERINFORMATION_NO_WAREHOUSE, "TransformThingKindToWarehouse Fail"},
    };
    for (const auto& mergeCase : cases) {
        SCOPED_TRACE(mergeCase.szCase);
        ASSERT_EQ(m_Order.Initiation(&m_Manager), 0u);
        m_Log.Clear();
        m_Attack.m_iCalls = 0;
        m_Attack.m_Codes = {};
        m_Attack.m_Effect = mergeCase.effect;
        Finish({1, 2}, 0);
        Actor().SetCamp(0);
        EXPECT_EQ(m_OrderManager.DealOrder(&m_Order), mergeCase.dwResult);
        EXPECT_NE(m_Log.Text().find(mergeCase.szLogged), std::string::npos) << m_Log.Text();
    }
}

TEST_F(OrderManagerTest, StolenThingsReachTheWarehouse)
{
    m_Attack.m_Effect = [](JC_OrderInformation& order) {
        JC_OrderResultActive& act = *order.GetDealingActiveResult();
        act.m_IsStealThing = 1;
        act.m_StealThingKindArray = {THINGKIND_TOOL};
        act.m_StealThingIDArray = {1};
    };
    m_Attack.m_Codes = {ORDERDEAL_NEXT_TARGET};
    Finish({1, 2}, 0);
    Actor().SetCamp(0);
    JC_ControlWarehouse& warehouse = m_Manager.m_ControlWarehouseObj;
    const int iHeld = warehouse.HowManyThingInWarehouse(JC_ControlWarehouse::WAREHOUSE_TOOL, 1, 0);
    ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
    EXPECT_EQ(warehouse.HowManyThingInWarehouse(JC_ControlWarehouse::WAREHOUSE_TOOL, 1, 0), iHeld + 2);
}

TEST_F(OrderManagerTest, ASummonedActorsExperienceGoesToALivingSummoner)
{
    m_Attack.m_Effect = [](JC_OrderInformation& order) { order.GetDealingPassiveResult()->m_Exp = 10; };
    // The summoner at team index 2, then a summoner no longer in the team.
    for (const int iSummoner : {2, 7}) {
        SCOPED_TRACE(iSummoner);
        ASSERT_EQ(m_Order.Initiation(&m_Manager), 0u);
        m_Attack.m_iCalls = 0;
        m_Attack.m_Codes = {ORDERDEAL_NEXT_TARGET};
        Finish({1}, 0);
        Actor().SetCamp(0);
        JC_DataComponent& actor = *Actor().GetPersonDataComponent();
        const int iSummoned = 1;
        ASSERT_EQ(actor.SetItemValue("IsSummonRole", &iSummoned), 0u);
        ASSERT_EQ(actor.SetItemValue("SummonerTeamID", &iSummoner), 0u);
        Actor().SetExp(0);
        JC_DataComponent* pSummoner = nullptr;
        ASSERT_EQ(m_Manager.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, 2, pSummoner), 0u);
        const int iNoExp = 0;
        ASSERT_EQ(pSummoner->SetItemValue("Exp", &iNoExp), 0u);
        ASSERT_EQ(m_OrderManager.DealOrder(&m_Order), 0u) << m_Log.Text();
        int iSummonerExp = 0;
        ASSERT_EQ(pSummoner->GetItemValue("Exp", &iSummonerExp), 0u);
        EXPECT_EQ(iSummonerExp > 0, iSummoner == 2);
        EXPECT_EQ(Actor().GetExp(), 0);
    }
}
