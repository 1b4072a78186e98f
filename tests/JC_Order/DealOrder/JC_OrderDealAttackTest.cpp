#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Order/DealOrder/JC_OrderDealAttack.h"
#include "JC_Script/JC_ScriptManager.h"
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
    void TearDown() override
    {
        // The script manager must not outlive the data it was bound to.
        gp_ScriptManagerObj->Initiation("", nullptr);
        DealOrderFixture::TearDown();
    }
    // Gives a placed person a state that lasts one use.
    void GiveState(int iTeamIndex, const char* szState)
    {
        JC_DataComponent* pPerson = nullptr;
        ASSERT_EQ(m_Manager.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson), 0u);
        JC_OperatorPerson person;
        ASSERT_EQ(person.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(person.SetDataConponent(pPerson), 0u);
        person.AddBehaviorGroupLine(0, std::string(szState) + ",DF_RoundType_Use,1,0,0,0,0");
    }
    void SetFaces(int iActorFace, int iTargetFace)
    {
        SetActor("Face", iActorFace);
        SetTarget("Face", iTargetFace);
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

TEST_F(OrderDealAttackTest, BackBonusesFollowTheScriptsSystemFlags)
{
    // The flags come from the running script manager, set by script lines.
    ASSERT_EQ(gp_ScriptManagerObj->Initiation(std::getenv("OSKEL_SAMPLE_GAME"), &m_DataManager), 0u) << m_Log.Text();
    const std::string strSureHit = "@Type\"DF_BehaviorType_Attack\" @Parameter\"0,1,0,+0,+0,+0,+0,+0,,0\"";
    // The sample game starts both at 10.
    EXPECT_EQ(gp_ScriptManagerObj->RealTimeScript("Set,FlagSystem,16,0"), 0u);
    EXPECT_EQ(gp_ScriptManagerObj->RealTimeScript("Set,FlagSystem,17,0"), 0u);
    Strike(1);
    SetFaces(2, 0);
    const int iFrontHit = Strike(1).m_HitRate;
    ASSERT_GT(iFrontHit, 0);
    SetFaces(0, 0);
    EXPECT_EQ(Strike(1).m_HitRate, iFrontHit);
    EXPECT_EQ(gp_ScriptManagerObj->RealTimeScript("Set,FlagSystem,16,20"), 0u);
    EXPECT_EQ(Strike(1).m_HitRate, iFrontHit * 20 / 100 + iFrontHit);
    SetFaces(2, 0);
    EXPECT_EQ(Strike(1).m_HitRate, iFrontHit);

    // A critical bonus of 100 % from behind doubles the rate a roll must meet.
    SetFaces(0, 0);
    const int iCritical = Actor().GetCriticalRate(FALSE);
    ASSERT_GT(iCritical, 0);
    JC_OrderDealBase::SetRandom(&m_Script);
    m_Script.m_Rolls = {iCritical * 2};
    EXPECT_EQ(Line(0, strSureHit).m_IsCritical, 0);
    EXPECT_EQ(gp_ScriptManagerObj->RealTimeScript("Set,FlagSystem,17,100"), 0u);
    m_Script.m_Rolls = {iCritical * 2};
    EXPECT_EQ(Line(0, strSureHit).m_IsCritical, 1);
}

TEST_F(OrderDealAttackTest, ResistanceAndNegativeCriticals)
{
    const std::string strFire = "@Type\"DF_BehaviorType_Attack\" @Parameter\"0,1,1,+0,+0,+0,+0,+0,DF_Element_Fire,0\"";
    Strike(1);
    const int iPlain = Line(1, strFire).m_ShowDamage;
    ASSERT_GT(iPlain, 1);
    const struct
    {
        int iAntibody;
        int iDamage;
    } cases[] = {{100, 0}, {-50, 150 * iPlain / 100}, {50, 50 * iPlain / 100}};
    for (const auto& resistance : cases) {
        SetTarget("AntibodyFire", resistance.iAntibody);
        EXPECT_EQ(Line(1, strFire).m_ShowDamage, resistance.iDamage) << resistance.iAntibody;
    }

    // A damage modifier that drives the damage below 0: a critical doubles
    // it and is not shown as critical.
    SetTarget("AntibodyFire", 0);
    const std::string strNegative = "@Type\"DF_BehaviorType_Attack\" @Parameter\"0,1,1,+0,+0,+0,+0,-" +
                                    std::to_string(iPlain) + ",DF_Element_Fire,0\"";
    const int iShown = Line(1, strNegative).m_ShowDamage;
    ASSERT_LT(iShown, 0);
    JC_OrderDealBase::SetRandom(&m_Script);
    m_Script.m_Rolls = {1};
    const JC_OrderResultPassive result = Line(0, strNegative);
    EXPECT_EQ(result.m_IsCritical, 0);
    EXPECT_EQ(result.m_HPChange, -2 * iShown);
}

TEST_F(OrderDealAttackTest, CounterOrdersAndDodgeCounters)
{
    // Counters allowed, a sure hit that heals rather than kills.
    const JC_StringArray lines = {"@Type\"DF_BehaviorType_Attack\" @Parameter\"1,1,0,+0,+0,+0,+0,-9999,,0\""};
    Strike(1);
    SetTarget("ExtraDodgeCounterRate", 50);
    JC_OrderDealBase::SetRandom(&m_Script);
    const struct
    {
        DWORD dwCounterOrder;
        int iRoll;
        int iIsHit;
        int iIsCounter;
    } cases[] = {
        {0, 50, 0, 1}, // dodged and countered, even against a sure hit
        {0, 0, 1, 1},  // a roll of 0 never dodges, but counters at any rate
        {0, 51, 1, 0}, // no dodge, and no counter at a counter rate of 0
        {1, 50, 1, 0}, // a counter order is never dodged nor countered
    };
    for (const auto& blow : cases) {
        SCOPED_TRACE(testing::Message() << blow.dwCounterOrder << " " << blow.iRoll);
        m_Order = std::make_unique<JC_OrderInformation>();
        ASSERT_EQ(m_Order->Initiation(&m_Manager), 0u);
        JC_OrderInput& input = *m_Order->GetOrderInput();
        input.AddActivePerson(0);
        input.AddPassivePerson(1);
        input.SetCounter(blow.dwCounterOrder);
        ASSERT_EQ(input.OrderInputFinish(), 0u);
        ASSERT_EQ(input.GetActiveWeaponOperator(0)->SetItemSpace("FightBehavior", &lines), 0u);
        // The dodge roll, the critical roll, the counter roll.
        m_Script.m_Rolls = {blow.iRoll, 0, blow.iRoll};
        EXPECT_EQ(m_OrderManager.DealOrder(m_Order.get()), 0u) << m_Log.Text();
        const JC_OrderResultPassive& result = *m_Order->GetOrderResultManager()->GetPassiveResult(0);
        EXPECT_EQ(result.m_IsHit, blow.iIsHit);
        EXPECT_EQ(result.m_IsCounter, blow.iIsCounter);
    }
}

TEST_F(OrderDealAttackTest, StatesThatDecideABlowAreUsedUp)
{
    const std::string strBlow = "@Type\"DF_BehaviorType_Attack\" @Parameter\"0,0,0,+0,+0,+0,+0,+0,,0\"";
    const std::string strIgnoring = "@Type\"DF_BehaviorType_Attack\" @Parameter\"0,0,1,+0,+0,+0,+0,+0,,0\"";
    Strike(1);
    const int iDamage = Line(1, strBlow).m_ShowDamage;
    const int iIgnoring = Line(1, strIgnoring).m_ShowDamage;
    ASSERT_NE(iDamage, iIgnoring);
    const struct
    {
        const char* szActorState;
        const char* szTargetState;
        int iIsHit;
        int iHPChange;
    } cases[] = {
        {nullptr, "DF_State_SureDodge", 0, 0},
        // A sure evasion beats a sure hit; both are used.
        {"DF_State_SureHit", "DF_State_SureDodge", 0, 0},
        {"DF_State_IgnoreDefense", nullptr, 1, -iIgnoring},
        {nullptr, "DF_State_NoPhysicalDamage", 1, 0},
        {nullptr, nullptr, 1, -iDamage},
    };
    for (const auto& blow : cases) {
        SCOPED_TRACE(testing::Message() << (blow.szActorState ? blow.szActorState : "-") << " "
                                        << (blow.szTargetState ? blow.szTargetState : "-"));
        SetTarget("HP", 9999);
        if (blow.szActorState != nullptr)
            GiveState(0, blow.szActorState);
        if (blow.szTargetState != nullptr)
            GiveState(1, blow.szTargetState);
        // A preview leaves the states alone.
        Line(1, strBlow);
        if (blow.szTargetState != nullptr) {
            EXPECT_EQ(Target().GetOperatorPerson()->GetBehaviorGroup(0)->size(), 1u);
        }
        const JC_OrderResultPassive result = Line(0, strBlow);
        EXPECT_EQ(result.m_IsHit, blow.iIsHit);
        EXPECT_EQ(result.m_HPChange, blow.iHPChange);
        EXPECT_TRUE(Actor().GetOperatorPerson()->GetBehaviorGroup(0)->empty());
        EXPECT_TRUE(Target().GetOperatorPerson()->GetBehaviorGroup(0)->empty());
    }
}
