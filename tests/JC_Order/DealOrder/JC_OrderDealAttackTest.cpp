#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Order/DealOrder/JC_OrderDealAttack.h"
#include "tests/JC_Order/DealOrder/DealOrderFixture.h"

#include <vector>

namespace
{
class AttackProbe : public JC_OrderDealAttack
{
public:
    using JC_OrderDealAttack::GetDirectionRate;
};

class OrderDealAttackTest : public DealOrderFixture
{
protected:
    void SetUp() override
    {
        DealOrderFixture::SetUp();
        Register({{0x30001, &m_Attack}});
    }
    JC_OrderResultPassive Strike(DWORD dwPredict, const JC_StringArray* pLines = nullptr) { return Run(dwPredict, pLines); }

    JC_OrderDealAttack m_Attack;
};
}

TEST_F(OrderDealAttackTest, PreviewShowsTheRealBlowAndChangesNothing)
{
    const JC_OrderResultPassive preview = Strike(1);
    const int iHP = Target().GetHP();
    EXPECT_EQ(preview.m_IsHit, -1);
    EXPECT_EQ(preview.m_HPChange, 0);
    EXPECT_EQ(m_Order->GetOrderResultManager()->GetFinalActiveResult(0)->m_Morale, 0);

    const JC_OrderResultPassive real = Strike(0);
    EXPECT_EQ(real.m_HitRate, preview.m_HitRate);
    EXPECT_EQ(real.m_ShowAttack, preview.m_ShowAttack);
    EXPECT_EQ(real.m_ShowDamage, preview.m_ShowDamage);
    EXPECT_EQ(real.m_IsHit, 1);
    EXPECT_EQ(real.m_HPChange, -real.m_ShowDamage);
    EXPECT_EQ(Target().GetHP(), std::max(iHP - real.m_ShowDamage, 0));
}

TEST_F(OrderDealAttackTest, EmptyModifiersGiveZero)
{
    const JC_StringArray lines = {"@Type\"DF_BehaviorType_Attack\" @Parameter\"1,0,0\""};
    const JC_OrderResultPassive preview = Strike(1, &lines);
    EXPECT_EQ(preview.m_HitRate, 100);
    EXPECT_EQ(preview.m_ShowAttack, 0);
    EXPECT_EQ(preview.m_ShowDamage, 0);
}

TEST_F(OrderDealAttackTest, CorpseIsRemovedAndPreviewShowsIt)
{
    const JC_StringArray lines = {"@Type\"DF_BehaviorType_Attack\" @Parameter\"1,0,0,+0,+0,+0,+0,+0,,0\""};
    Strike(1, &lines);
    Target().SetLifeState(2);
    Target().SetDieTime(3);
    JC_OrderResultPassive result = Strike(1, &lines);
    EXPECT_EQ(result.m_HitRate, 100);
    EXPECT_EQ(result.m_ShowDamage, 0);
    EXPECT_EQ(Target().GetDieTime(), 3);
    result = Strike(0, &lines);
    EXPECT_EQ(result.m_IsHit, 1);
    EXPECT_EQ(result.m_LifeOutcome, 2);
    EXPECT_EQ(Target().GetDieTime(), 0);
}

TEST_F(OrderDealAttackTest, KillSettlesDeathAndExperience)
{
    Strike(1);
    Target().SetHP(1);
    const JC_OrderResultPassive result = Strike(0);
    EXPECT_EQ(Target().GetHP(), 0);
    EXPECT_EQ(Target().GetLifeState(), 2);
    EXPECT_EQ(result.m_LifeOutcome, Target().CanLeaveLegacy() ? 1 : 2);
    EXPECT_GE(result.m_Exp, 1);
    EXPECT_EQ(m_Order->GetOrderResultManager()->GetFinalActiveResult(0)->m_Morale, 3);
}

namespace
{
// What the deals tell of their rolls, one "target name=value yes|no" each.
class RollRecord : public JI_OrderDealRollWatch
{
public:
    void OnRoll(int iTeamIndex, const char* szRoll, int iValue, bool bYes) override
    {
        m_Rolls.push_back(std::to_string(iTeamIndex) + " " + szRoll + "=" + std::to_string(iValue) + (bYes ? " yes" : " no"));
    }

    std::vector<std::string> m_Rolls;
};
}

TEST_F(OrderDealAttackTest, RollWatchSeesEachDrawInOrderWithWhatItDecided)
{
    struct Case
    {
        std::deque<int> rolls;
        std::vector<std::string> told;
    };
    // The drains draw their lowest value, 1, against the weapon's rates.
    const Case cases[] = {
        {{5, 77}, {"1 dodge-counter=5 yes"}},
        {{50, 30, 0, 10, 77},
         {"1 dodge-counter=50 no", "1 hit=30 yes", "1 critical=0 no", "1 HP-drain=1 no", "1 SP-drain=1 no",
          "1 counter=10 yes"}},
    };
    const JC_StringArray lines = {"@Type\"DF_BehaviorType_Attack\" @Parameter\"1,0,0,+0,+0,+0,+0,+0,,0\""};
    SetTarget("ExtraDodgeCounterRate", 10);
    SetTarget("ExtraCounterRate", 10);
    JC_OrderDealBase::SetRandom(&m_Script);
    for (const Case& blow : cases)
    {
        RollRecord record;
        JC_OrderDealBase::SetRollWatch(&record);
        m_Script.m_Rolls = blow.rolls;
        Strike(0, &lines);
        JC_OrderDealBase::SetRollWatch(nullptr);
        EXPECT_EQ(record.m_Rolls, blow.told);
        // Watching draws nothing more: the spare roll is left.
        EXPECT_EQ(m_Script.m_Rolls, std::deque<int>{77});
    }
}

TEST_F(OrderDealAttackTest, DirectionRateFollowsTheTargetsFacing)
{
    Strike(1);
    AttackProbe probe;
    ASSERT_EQ(probe.Initiation(m_Order.get()), 0u);
    struct Case
    {
        int iDirection, iFace, iRate;
    };
    for (const Case& blow : {Case{0, 0, 150}, Case{0, 2, 100}, Case{1, 3, 100}, Case{3, 1, 100}, Case{0, 1, 125},
                             Case{2, 3, 125}})
    {
        m_Battle.m_iDirection = blow.iDirection;
        Target().GetPersonDataComponent()->SetItemValue("Face", &blow.iFace);
        EXPECT_EQ(probe.GetDirectionRate(m_Order->GetActiveControlPersonPower(0), &Target()), blow.iRate)
            << blow.iDirection << " " << blow.iFace;
    }
}

TEST_F(OrderDealAttackTest, ABlowEndsTheTargetsItemsThatLastUntilStruck)
{
    Strike(1);
    JC_StringArray& group = *Target().GetOperatorPerson()->GetBehaviorGroup(0);
    group = {"DF_State_Strength,DF_RoundType_Attacked,1,0,0,+1,0"};
    Strike(1);
    EXPECT_EQ(group.size(), 1u);
    Strike(0);
    EXPECT_TRUE(group.empty());
}
