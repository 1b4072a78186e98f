#include "JC_Order/DealOrder/JC_OrderDealChange.h"
#include "JC_Order/DealOrder/JC_OrderDealCure.h"
#include "JC_Order/DealOrder/JC_OrderDealMerge.h"
#include "JC_Order/DealOrder/JC_OrderDealPurify.h"
#include "JC_Order/DealOrder/JC_OrderDealRestoreHP.h"
#include "tests/JC_Order/DealOrder/DealOrderFixture.h"

namespace
{
class RecoveryDealsTest : public DealOrderFixture
{
protected:
    void SetUp() override
    {
        DealOrderFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(m_OrderManager.AddOrderDeal(0x20001, &m_RestoreHP), 0u);
        ASSERT_EQ(m_OrderManager.AddOrderDeal(0x10002, &m_Merge), 0u);
        ASSERT_EQ(m_OrderManager.AddOrderDeal(0x40003, &m_Purify), 0u);
        Line(1, "@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,+0\"");
    }
    void SetTarget(const char* szItem, int iValue)
    {
        ASSERT_EQ(Target().GetPersonDataComponent()->SetItemValue(szItem, &iValue), 0u);
    }
    JC_OrderResultPassive Line(DWORD dwPredict, const std::string& strLine, DWORD dwExpected = 0)
    {
        const JC_StringArray lines = {strLine};
        return Run(dwPredict, &lines, dwExpected);
    }

    JC_OrderDealRestoreHP m_RestoreHP;
    JC_OrderDealMerge m_Merge;
    JC_OrderDealPurify m_Purify;
};
}

TEST_F(RecoveryDealsTest, RestoreHPByValuePercentAndIntelligence)
{
    SetTarget("MaxHP", 250);
    SetTarget("HP", 100);
    struct Case
    {
        const char* szParameter;
        int iHealed;
    };
    for (const Case& heal : {Case{"0,DF_RestoreMode_Value,+30%", 75}, Case{"0,DF_RestoreMode_Value,+30", 30}})
    {
        SetTarget("HP", 100);
        const JC_OrderResultPassive result =
            Line(0, std::string("@Type\"DF_BehaviorType_RestoreHP\" @Parameter\"") + heal.szParameter + "\"");
        EXPECT_EQ(result.m_HPChange, heal.iHealed) << heal.szParameter;
        EXPECT_EQ(Target().GetHP(), 100 + heal.iHealed) << heal.szParameter;
    }
    const int iIntelligence = Actor().GetIntelligence(FALSE);
    const JC_OrderResultPassive preview =
        Line(1, "@Type\"DF_BehaviorType_RestoreHP\" @Parameter\"0,DF_RestoreMode_Intelligence,2\"");
    EXPECT_EQ(preview.m_ShowDamage, -iIntelligence * 2 * 3);
    EXPECT_EQ(preview.m_HPChange, 0);

    Line(0, "@Type\"DF_BehaviorType_RestoreHP\" @Parameter\"0,DF_RestoreMode_Value,30%\"",
         JE_ORDERDEAL_RESTOREHP_NEEDS_PLUS);
    Line(0, "@Type\"DF_BehaviorType_RestoreHP\" @Parameter\"0,DF_Nothing,+30\"", JE_ORDERDEAL_RESTOREHP_MODE_NOT_SUPPORTED);
}

TEST_F(RecoveryDealsTest, RestoreHPRaisesTheFallen)
{
    SetTarget("HP", 0);
    SetTarget("LifeState", 2);
    Line(0, "@Type\"DF_BehaviorType_RestoreHP\" @Parameter\"0,DF_RestoreMode_Value,+10\"");
    EXPECT_EQ(Target().GetHP(), 10);
    EXPECT_EQ(Target().GetLifeState(), 1);
}

TEST_F(RecoveryDealsTest, MergeClampsHPWithoutDeath)
{
    SetTarget("HP", 15);
    const JC_OrderResultPassive result = Line(0, "@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,-20\"");
    EXPECT_EQ(Target().GetHP(), 0);
    EXPECT_EQ(result.m_HPChange, -20);
    EXPECT_EQ(result.m_HPChangeReal, -15);
    EXPECT_EQ(Target().GetLifeState(), 1);
    EXPECT_EQ(result.m_LifeOutcome, 0);
    Line(0, "@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,+10%\"", JE_ORDERDEAL_MERGE_BAD_CHANGE);
    Line(0, "@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,10\"", JE_ORDERDEAL_MERGE_BAD_CHANGE);
}

TEST_F(RecoveryDealsTest, PurifyRemovesAnyTargetAndHealsTheActor)
{
    const JC_OrderResultPassive preview = Line(1, "@Type\"DF_BehaviorType_Purify\" @Parameter\"50\"");
    const int iRegained = Actor().GetMaxHP() * 50 / 100;
    EXPECT_EQ(preview.m_ShowDamage, iRegained);
    EXPECT_EQ(Target().GetLifeState(), 1);
    const JC_OrderResultPassive result = Line(0, "@Type\"DF_BehaviorType_Purify\" @Parameter\"50\"");
    EXPECT_EQ(result.m_LifeOutcome, 2);
    EXPECT_EQ(Target().GetLifeState(), 2);
    EXPECT_EQ(m_Order->GetOrderResultManager()->GetFinalActiveResult(0)->m_HPAbsorb, iRegained);
}

TEST(RecoveryDeals, ChangeAndCureNeedTheirTarget)
{
    JC_OrderInformation order;
    JC_OrderDealChange change;
    JC_OrderDealCure cure;
    ASSERT_EQ(change.Initiation(&order), 0u);
    ASSERT_EQ(cure.Initiation(&order), 0u);
    EXPECT_EQ(change.DealOrder(), JE_ORDERDEAL_CHANGE_NO_PASSIVE);
    EXPECT_EQ(cure.DealOrder(), JE_ORDERDEAL_CURE_NO_PASSIVE);
}
