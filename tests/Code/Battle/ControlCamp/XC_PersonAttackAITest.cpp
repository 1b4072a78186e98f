#include "Code/Battle/ControlCamp/XC_PersonAttackAI.h"

#include "tests/Code/Battle/ControlCamp/PersonAIFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The goblin aims at heroes on a row of cells.
class PersonAttackAITest : public PersonAIFixture
{
protected:
    JC_DataComponent* Goblin(int iFloor, int iRAP)
    {
        JC_DataComponent* const pRecord = AddFightPerson(ACTOR, GOBLIN, iFloor);
        Set(pRecord, "RAP", iRAP);
        return pRecord;
    }

    JC_DataComponent* Hero(int iTeamIndex, int iFloor, int iHP) { return Person(iTeamIndex, HERO, iFloor, 120, iHP); }

    // Starts the battle and scores the goblin's attack.
    void Score(XC_PersonAttackAI& ai)
    {
        Start();
        ScoreStarted(ai);
    }

    void ScoreStarted(XC_PersonAttackAI& ai)
    {
        BuildTables();
        ASSERT_EQ(ai.Init(Actor(), &m_Resource), S_OK);
        ai.ComputeScore();
    }
};

} // namespace

TEST_F(PersonAttackAITest, RapDecidesWhetherAndFromWhereItAttacks)
{
    struct Case
    {
        int iRAP;
        int iHero;
        int iScore;
        LONG lStand;
    };
    // A weapon reaches one cell; the aim cell is never the goblin's own, so
    // the move score always applies and 150 - 200 becomes 1.
    const Case cases[] = {
        {1, 1, INT_MIN, -1},
        {3, 1, 1, 0},
        {3, 3, INT_MIN, -1},
        {10, 3, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.iRAP << " RAP, hero at " << c.iHero);
        LayPlainFloor(8, 1);
        Goblin(0, c.iRAP);
        Hero(0, c.iHero, 120);
        XC_PersonAttackAI ai;
        Score(ai);
        EXPECT_EQ(ai.GetScore(), c.iScore);
        EXPECT_EQ(ai.GetStandFloorIndex(), c.lStand);
        Reset();
    }
}

TEST_F(PersonAttackAITest, LeastScoreAndMoveScore)
{
    struct Case
    {
        int iBlood;
        int iHP;
        int iMoveScore;
        int iScore;
    };
    // 119 of 120 is 99 %: with a blood weight of -1 the target is worth 149.
    const Case cases[] = {
        {-1, 119, -200, -1},
        {0, 120, 0, 150},
        {0, 120, -200, 1},
        {0, 120, -100, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.iBlood << " " << c.iHP << " " << c.iMoveScore);
        g_pGameAI->lAttack_EveryUnit = 150;
        g_pGameAI->lAttack_Blood = c.iBlood;
        g_pGameAI->lMoveScore = c.iMoveScore;
        LayPlainFloor(8, 1);
        Goblin(0, 10);
        Hero(0, 1, c.iHP);
        XC_PersonAttackAI ai;
        Score(ai);
        EXPECT_EQ(ai.GetScore(), c.iScore);
        Reset();
    }
}

TEST_F(PersonAttackAITest, EqualScoresGoToTheBetterStandCellAndTheOwnCellBeatsAll)
{
    LayPlainFloor(8, 1);
    Goblin(3, 10);
    Hero(0, 0, 120);
    Hero(1, 4, 120);
    XC_PersonAttackAI ai;
    Score(ai);
    EXPECT_EQ(ai.GetTargetFloorIndex(), 4);
    EXPECT_EQ(ai.GetStandFloorIndex(), 3);
    ASSERT_NE(ai.GetTableMoveScore(), nullptr);
    EXPECT_EQ(ai.GetTableMoveScore()[3], INT_MAX);
    EXPECT_LT(ai.GetTableMoveScore()[1], INT_MAX);
}

TEST_F(PersonAttackAITest, NearDeathBonusIsBelowThirtyPercentOnly)
{
    LayPlainFloor(8, 1);
    Goblin(2, 10);
    Hero(0, 1, 36);
    Hero(1, 3, 35);
    XC_PersonAttackAI ai;
    Score(ai);
    ASSERT_EQ(ai.GetPassivePersonScores().size(), 2u);
    // 36 of 120 is exactly 30 %: 150 + 70 blood; 35 is 29 %: 150 + 100 + 71.
    EXPECT_EQ(ai.GetPassivePersonScores().front().iScore, 220);
    EXPECT_EQ(ai.GetPassivePersonScores().back().iScore, 321);
    EXPECT_EQ(ai.GetTargetFloorIndex(), 3);
}

TEST_F(PersonAttackAITest, FloorTargetsAndSomeShapesAreNeverScored)
{
    struct Case
    {
        const char* szField;
        int iValue;
    };
    for (const Case& c : {Case{"ScopeShape", 4}, Case{"ScopeShape", 8}, Case{"ScopeShape", 9}}) {
        SCOPED_TRACE(c.iValue);
        LayPlainFloor(8, 1);
        Goblin(0, 10);
        Hero(0, 1, 120);
        Start();
        JC_DataComponent* const pWeapon = Power(ACTOR)->GetHandRight();
        ASSERT_NE(pWeapon, nullptr);
        Set(pWeapon, c.szField, c.iValue);
        XC_PersonAttackAI ai;
        ScoreStarted(ai);
        EXPECT_EQ(ai.GetScore(), INT_MIN);
        Reset();
    }
}

TEST_F(PersonAttackAITest, MissingPersonOrTablesAreReported)
{
    XC_PersonAttackAI ai;
    ErrorLogCapture errors;
    EXPECT_EQ(ai.Init(nullptr, &m_Resource), E_FAIL);
    EXPECT_TRUE(errors.Contains("pPersonObj")) << errors.Text();
    LayPlainFloor(2, 1);
    Goblin(0, 10);
    Start();
    EXPECT_EQ(ai.Init(Actor(), nullptr), E_FAIL);
    EXPECT_TRUE(errors.Contains("pTableResource")) << errors.Text();
    EXPECT_EQ(ai.DoAction(), E_FAIL);
}
