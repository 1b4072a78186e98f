#include "JC_Order/JC_OrderInput.h"

#include "tests/JC_Order/SampleOrderFixture.h"

namespace
{
constexpr DWORD SWORD_PERSON = 1;
constexpr DWORD UNARMED_PERSON = 12;
constexpr DWORD HEAL_TOOL = 1;
constexpr DWORD SKILL_KEY = 0x00030001;

class OrderInputTest : public SampleOrderFixture
{
protected:
    void SetUp() override
    {
        SampleOrderFixture::SetUp();
        if (IsSkipped())
            return;
        Place(0, SWORD_PERSON);
        Place(1, 2);
        Place(2, UNARMED_PERSON);
        ASSERT_EQ(m_Input.Initiation(&m_Manager), 0u);
    }

    void ExpectEmpty()
    {
        EXPECT_FALSE(m_Input.IsFinished());
        EXPECT_EQ(m_Input.GetActivePersonCount(), 0u);
        EXPECT_EQ(m_Input.GetPassivePersonCount(), 0u);
        EXPECT_EQ(m_Input.GetPassiveFloorCount(), 0u);
        EXPECT_EQ(m_Input.GetEffectKind(), 0u);
        EXPECT_EQ(m_Input.GetActiveControlPersonPower(0), nullptr);
    }

    JC_OrderInput m_Input;
};
}

TEST(OrderInput, InitiationNeedsAnInitiatedControlManager)
{
    JC_OrderInput input;
    JC_ControlManager manager;
    EXPECT_EQ(input.Initiation(nullptr), JE_ORDERINPUT_NULL_CONTROL_MANAGER);
    EXPECT_EQ(input.Initiation(&manager), JE_ORDERINPUT_CONTROL_MANAGER_NOT_INITIATED);
}

TEST_F(OrderInputTest, WeaponAttackBindsTheRightHand)
{
    m_Input.AddActivePerson(0);
    m_Input.AddPassivePerson(1);
    EXPECT_EQ(m_Input.GetEffectBehavior(0), nullptr);
    ASSERT_EQ(m_Input.OrderInputFinish(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Input.GetEffectKind(), static_cast<DWORD>(ORDEREFFECT_WEAPON));
    ASSERT_NE(m_Input.GetActiveWeaponOperator(0), nullptr);
    EXPECT_EQ(m_Input.GetActiveWeaponOperator(0)->GetDataComponent(),
              m_Input.GetActiveControlPersonPower(0)->GetHandRight());
    ASSERT_NE(m_Input.GetEffectBehavior(0), nullptr);
    EXPECT_NE(m_Input.GetEffectBehavior(0)->at(0).find("DF_BehaviorType_Attack"), std::string::npos);
    EXPECT_NE(m_Input.GetPassiveControlPersonPower(0), nullptr);
    EXPECT_EQ(m_Input.GetPassiveControlPersonPower(1), nullptr);
}

TEST_F(OrderInputTest, UnarmedActorUsesSkillsAndTools)
{
    m_Input.AddActivePerson(2);
    m_Input.AddPassivePerson(0);
    ASSERT_EQ(m_Input.AddToolEffect(HEAL_TOOL), 0u);
    ASSERT_EQ(m_Input.OrderInputFinish(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Input.GetActiveWeaponOperator(0)->GetDataComponent(), nullptr);
    ASSERT_NE(m_Input.GetEffectBehavior(0), nullptr);
    EXPECT_NE(m_Input.GetEffectBehavior(0)->at(0).find("DF_BehaviorType_RestoreHP"), std::string::npos);

    ASSERT_EQ(m_Input.ResetInput(), 0u);
    m_Input.AddActivePerson(2);
    m_Input.AddPassivePerson(0);
    ASSERT_EQ(m_Input.AddSkillEffect(SKILL_KEY), 0u);
    ASSERT_EQ(m_Input.OrderInputFinish(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Input.GetEffectKind(), static_cast<DWORD>(ORDEREFFECT_SKILL));
    EXPECT_NE(m_Input.GetEffectBehavior(0), nullptr);
}

TEST_F(OrderInputTest, MixedEffectsAreRefused)
{
    ASSERT_EQ(m_Input.AddToolEffect(HEAL_TOOL), 0u);
    EXPECT_EQ(m_Input.AddSkillEffect(SKILL_KEY), JE_ORDERINPUT_EFFECT_MIXED);
    EXPECT_EQ(m_Input.AddToolEffect(2), 0u);
    EXPECT_EQ(m_Input.GetEffectKind(), static_cast<DWORD>(ORDEREFFECT_TOOL));
}

TEST_F(OrderInputTest, FailedFinishEmptiesTheInput)
{
    struct Case
    {
        const char* szName;
        std::vector<DWORD> active, passive, floors;
        DWORD dwSkill, dwCounter, dwExpected;
        const char* szMessage;
    };
    const Case cases[] = {
        {"no actor", {}, {1}, {}, 0, 0, JE_ORDERINPUT_NO_ACTIVE, "ActivePersonNotInput"},
        {"no target", {0}, {}, {}, 0, 0, JE_ORDERINPUT_NO_PASSIVE, "YouMustSetPassive"},
        {"persons and floors", {0}, {1}, {5}, 0, 0, JE_ORDERINPUT_PASSIVE_MIXED, "PassiveTypeMustSingle"},
        {"counter with skill", {0}, {1}, {}, SKILL_KEY, 1, JE_ORDERINPUT_COUNTER_NOT_WEAPON,
         "CounterMustUseWaeaponEffect"},
        {"actor not in team", {7}, {1}, {}, 0, 0, JE_ORDERINPUT_NOT_IN_FIGHT_TEAM, "Active GetTeamFight Fail"},
        {"target not in team", {0}, {1, 9}, {}, 0, 0, JE_ORDERINPUT_NOT_IN_FIGHT_TEAM, "Passive GetTeamFight Fail"},
    };
    for (const Case& order : cases)
    {
        for (DWORD dwID : order.active)
            m_Input.AddActivePerson(dwID);
        for (DWORD dwID : order.passive)
            m_Input.AddPassivePerson(dwID);
        for (DWORD dwFloor : order.floors)
            m_Input.AddPassiveFloor(dwFloor);
        if (order.dwSkill != 0)
            m_Input.AddSkillEffect(order.dwSkill);
        m_Input.SetCounter(order.dwCounter);
        EXPECT_EQ(m_Input.OrderInputFinish(), order.dwExpected) << order.szName;
        EXPECT_EQ(m_Log.Count(order.szMessage), 1u) << order.szName << m_Log.Text();
        ExpectEmpty();
    }
}

TEST_F(OrderInputTest, TwoActorsAndFollowPersons)
{
    m_Input.AddActivePerson(0);
    m_Input.AddActivePerson(2);
    m_Input.AddPassiveFloor(12);
    ASSERT_EQ(m_Input.OrderInputFinish(), 0u) << m_Log.Text();
    EXPECT_NE(m_Input.GetActiveControlPersonPower(1), nullptr);
    EXPECT_NE(m_Input.GetActiveWeaponOperator(1), nullptr);
    EXPECT_EQ(m_Input.GetPassiveFloor(0), 12u);
    EXPECT_EQ(m_Input.GetPassiveFloor(1), static_cast<DWORD>(-1));

    EXPECT_EQ(m_Input.AddFollowPerson(9), JE_ORDERINPUT_FOLLOW_NOT_IN_FIGHT_TEAM);
    EXPECT_EQ(m_Input.GetFollowPersonCount(), 0u);
    EXPECT_EQ(m_Input.AddFollowPerson(1), 0u);
    EXPECT_EQ(m_Input.GetFollowPersonCount(), 1u);
    EXPECT_NE(m_Input.GetFollowControlPersonPower(0), nullptr);
}
