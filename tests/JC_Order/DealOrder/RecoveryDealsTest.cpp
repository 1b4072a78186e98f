#include "JC_Order/DealOrder/JC_OrderDealChange.h"
#include "JC_Order/DealOrder/JC_OrderDealCure.h"
#include "JC_Order/DealOrder/JC_OrderDealMerge.h"
#include "JC_Order/DealOrder/JC_OrderDealPurify.h"
#include "JC_Order/DealOrder/JC_OrderDealRestoreHP.h"
#include "JC_Order/DealOrder/JC_OrderDealSet.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "tests/JC_Order/DealOrder/DealOrderFixture.h"

namespace
{
class RecoveryDealsTest : public DealOrderFixture
{
protected:
    void SetUp() override
    {
        DealOrderFixture::SetUp();
        Register({{0x20001, &m_RestoreHP}, {0x10002, &m_Merge}, {0x40003, &m_Purify}, {0x10003, &m_Set}});
        Line(1, "@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,+0\"");
    }
    JC_OrderDealRestoreHP m_RestoreHP;
    JC_OrderDealMerge m_Merge;
    JC_OrderDealPurify m_Purify;
    JC_OrderDealSet m_Set;
};

// Poison for three rounds into group 1, at the chance given.
std::string PoisonLine(int iChance)
{
    return "@Type\"DF_BehaviorType_Set\" @Parameter\"DF_State_Poison,DF_RoundType_Round,3,1," + std::to_string(iChance)
           + ",0,0\"";
}
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

TEST_F(RecoveryDealsTest, SetAddsTheStateByChance)
{
    struct Case
    {
        int iChance, iRoll;
        bool bTakes;
    };
    for (const Case& row : {Case{0, 0, false}, Case{40, 39, true}, Case{40, 40, false}, Case{100, 99, true}})
    {
        Place(1, 2);
        m_Script.m_Rolls = {row.iRoll};
        JC_OrderDealBase::SetRandom(&m_Script);
        const JC_OrderResultPassive preview = Line(1, PoisonLine(row.iChance));
        EXPECT_EQ(preview.m_HitRate, row.iChance);
        EXPECT_EQ(preview.m_IsHit, -1);
        const JC_OrderResultPassive result = Line(0, PoisonLine(row.iChance));
        EXPECT_EQ(result.m_IsHit, row.bTakes ? 1 : 0) << row.iChance << " " << row.iRoll;
        EXPECT_EQ(Target().HasBehaviorState(JE_STATE_POISON), row.bTakes ? TRUE : FALSE) << row.iChance;
        JC_OrderDealBase::SetRandom(&m_Random);
    }
    // Rounds counted by camp are kept four to a round.
    const JC_StringArray& group = *Target().GetOperatorPerson()->GetBehaviorGroup(1);
    ASSERT_EQ(group.size(), 1u);
    EXPECT_EQ(group[0], "DF_State_Poison,DF_RoundType_Round,12,1,100,0,0");

    // A person immune to poison never takes it.
    Place(1, 12);
    EXPECT_EQ(Line(0, PoisonLine(100)).m_IsHit, 0);
    EXPECT_FALSE(Target().HasBehaviorState(JE_STATE_POISON));
}

TEST_F(RecoveryDealsTest, SetAfterADecidedLineOrInABlockLeavesTheHitAlone)
{
    const JC_StringArray afterMerge = {"@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,-1\"", PoisonLine(0)};
    JC_OrderResultPassive result = Run(0, &afterMerge);
    EXPECT_EQ(result.m_HitRate, 100);
    EXPECT_EQ(result.m_IsHit, 1);

    const JC_StringArray inBlock = {"@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,-1\"", "{", PoisonLine(100),
                                    "@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,-1\"", "}"};
    const int iHP = Target().GetHP();
    result = Run(0, &inBlock);
    EXPECT_EQ(result.m_HitRate, 100);
    EXPECT_TRUE(Target().HasBehaviorState(JE_STATE_POISON));
    EXPECT_EQ(Target().GetHP(), iHP - 2);
}

TEST_F(RecoveryDealsTest, SetStruckDownFellsTheTarget)
{
    const std::string strLine = "@Type\"DF_BehaviorType_Set\" @Parameter\"DF_State_StruckDown,DF_RoundType_Use,1,0,100,0,0\"";
    const JC_OrderResultPassive result = Line(0, strLine);
    EXPECT_EQ(Target().GetLifeState(), 2);
    EXPECT_EQ(Target().GetHP(), 0);
    EXPECT_EQ(result.m_LifeOutcome, Target().CanLeaveLegacy() ? 1 : 2);
    EXPECT_TRUE(result.m_StateAddArray.empty());
}
