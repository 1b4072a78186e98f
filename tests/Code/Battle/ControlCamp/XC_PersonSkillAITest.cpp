#include "Code/Battle/ControlCamp/XC_PersonSkillAI.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"

#include "tests/Code/Battle/ControlCamp/PersonAIFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The sample's fire ball (hostile persons, 1 to 3 cells) and heal (allied
// persons, 0 to 2 cells), both at level 1.
constexpr DWORD FIREBALL = 0x00010000;
constexpr DWORD HEAL = 0x00020000;

// The goblin scores one skill of the sample's data, whose records the test
// changes first.
class PersonSkillAITest : public PersonAIFixture
{
protected:
    static JC_DataComponent* SkillPower(DWORD dwSkillID)
    {
        return gp_DataManagerObj->GetSkillPowerObj(dwSkillID, 1);
    }

    JC_DataComponent* Person(int iTeamIndex, DWORD dwPersonID, int iFloor, int iHP)
    {
        return PersonAIFixture::Person(iTeamIndex, dwPersonID, iFloor, 70, iHP);
    }

    void Score(XC_PersonSkillAI& ai, DWORD dwSkillID)
    {
        BuildTables();
        ASSERT_EQ(ai.Init(Actor(), &m_Resource, dwSkillID, 1), S_OK);
        ai.ComputeScore();
    }

    int FirstTargetScore(const XC_PersonSkillAI& ai) const
    {
        return ai.GetPassivePersonScores().empty() ? 0 : ai.GetPassivePersonScores().front().iScore;
    }
};

} // namespace

TEST_F(PersonSkillAITest, AttackSkillsScoreAsTheWeaponAndNeedTheirTargetCount)
{
    struct Case
    {
        int iMustTargetCount;
        int iScore;
    };
    // One hero two cells away at full health is worth 150; the aim cell is
    // not the goblin's own, so 150 - 200 becomes 1.
    for (const Case& c : {Case{1, 1}, Case{2, -1}}) {
        SCOPED_TRACE(c.iMustTargetCount);
        Set(SkillPower(FIREBALL), "MustTargetCount", c.iMustTargetCount);
        LayPlainFloor(8, 1);
        Person(ACTOR, GOBLIN, 0, 70);
        Person(0, HERO, 2, 70);
        Start();
        XC_PersonSkillAI ai;
        Score(ai, FIREBALL);
        EXPECT_EQ(FirstTargetScore(ai), 150);
        EXPECT_EQ(ai.GetScore(), c.iScore);
        EXPECT_EQ(ai.GetRapCost(), 4);
        Reset();
    }
}

TEST_F(PersonSkillAITest, ReviveSkillsNeedTwoTargetsWorthWhenTheyMust)
{
    struct Case
    {
        int iMustTargetCount;
        int iScore;
    };
    // A fallen goblin of level 1 down for one round: 2000 + 50 + 2.
    for (const Case& c : {Case{1, 2052 - 200}, Case{2, -1}}) {
        SCOPED_TRACE(c.iMustTargetCount);
        Set(SkillPower(HEAL), "SkillType", 2);
        Set(SkillPower(HEAL), "MustTargetCount", c.iMustTargetCount);
        Set(gp_DataManagerObj->GetSkillObj(HEAL), "UseLifeState", 2);
        LayPlainFloor(8, 1);
        Person(ACTOR, GOBLIN, 0, 70);
        JC_DataComponent* const pFallen = Person(301, GOBLIN, 1, 0);
        Set(pFallen, "Level", 1);
        Set(pFallen, "LifeState", 2);
        Set(pFallen, "DieTime", 1);
        Person(0, HERO, 7, 70);
        Start();
        XC_PersonSkillAI ai;
        Score(ai, HEAL);
        EXPECT_EQ(FirstTargetScore(ai), 2052);
        EXPECT_EQ(ai.GetScore(), c.iScore);
        Reset();
    }
}

TEST_F(PersonSkillAITest, RestoreSkillsCountTheLimitsInclusively)
{
    struct Case
    {
        int iHP;
        bool bEveryUnit;
        int iVergeDeath;
    };
    // Of 70 HP: 21 is exactly 30 %, 49 exactly the 70 % of "lRestore_Percentage".
    const Case cases[] = {{21, true, 200}, {22, true, 0}, {49, true, 0}, {50, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iHP);
        Set(SkillPower(HEAL), "SkillType", 4);
        LayPlainFloor(8, 1);
        Person(ACTOR, GOBLIN, 0, 70);
        Person(301, GOBLIN, 1, c.iHP);
        Person(0, HERO, 7, 70);
        Start();
        XC_PersonSkillAI ai;
        Score(ai, HEAL);
        const int iBlood = (100 - static_cast<int>(static_cast<float>(c.iHP) / 70.0f * 100.0f)) * 2;
        const int iExpected = (c.bEveryUnit ? 150 : 0) + c.iVergeDeath + iBlood;
        bool bFound = false;
        for (const sPassivePersonScore& entry : ai.GetPassivePersonScores()) {
            if (entry.lFloorIndex == 1) {
                EXPECT_EQ(entry.iScore, iExpected);
                bFound = true;
            }
        }
        EXPECT_TRUE(bFound);
        Reset();
    }
}

TEST_F(PersonSkillAITest, StateSkillsScoreOnlyWhereTheStateWouldChange)
{
    struct Case
    {
        bool bHeld;
        int iScore;
    };
    // A poisoning skill on the hero next to the goblin: full marks only when
    // the hero is not poisoned yet.
    for (const Case& c : {Case{false, 100}, Case{true, 1}}) {
        SCOPED_TRACE(c.bHeld);
        Set(SkillPower(FIREBALL), "SkillType", 8);
        Set(SkillPower(FIREBALL), "UseJobType", -1);
        const DWORD dwPoison = 41;
        ASSERT_EQ(SkillPower(FIREBALL)->SetVectorElement("EffectState", 0, &dwPoison), 0u);
        LayPlainFloor(8, 1);
        Person(ACTOR, GOBLIN, 0, 70);
        JC_DataComponent* const pHero = Person(0, HERO, 2, 70);
        if (c.bHeld)
            gp_BehaviorAnalyserObj->GetBehaviorGroupItems(pHero, 0)->push_back(
                "DF_State_Poison,DF_RoundType_Round,3,0,0,+5,0");
        Start();
        XC_PersonSkillAI ai;
        Score(ai, FIREBALL);
        EXPECT_EQ(FirstTargetScore(ai), c.iScore);
        Reset();
    }
}

TEST_F(PersonSkillAITest, OtherSkillTypesAreReportedAndNeverUsed)
{
    Set(SkillPower(FIREBALL), "SkillType", 16);
    LayPlainFloor(8, 1);
    Person(ACTOR, GOBLIN, 0, 70);
    Person(0, HERO, 2, 70);
    Start();
    ErrorLogCapture errors;
    XC_PersonSkillAI ai;
    Score(ai, FIREBALL);
    EXPECT_EQ(ai.GetScore(), INT_MIN);
    EXPECT_FALSE(errors.Text().empty());
}
