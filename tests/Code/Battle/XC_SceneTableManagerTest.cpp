#include "Code/Battle/XC_SceneTableManager.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <queue>

namespace {

// Tables over a floor; the fight team of a new game is empty until a test
// places persons.
class SceneTableTest : public BattleFixture
{
protected:
    void Build(DWORD dwWidth, DWORD dwLength, const std::vector<TestCell>& cells)
    {
        LayFloor(dwWidth, dwLength, cells);
        StartBattle();
    }

    std::vector<LONG> Copy(const LONG* plTable) const
    {
        return plTable == nullptr ? std::vector<LONG>() : std::vector<LONG>(plTable, plTable + m_Tables.GetFloorCount());
    }

};

// The least total cost of entering cells on the way from the source, a step
// taken only where the scene function allows it with power enough.
std::vector<LONG> PlainDijkstra(LONG lSource, LONG lPower, LONG lJumpUp, LONG lJumpDown, DWORD dwCount)
{
    std::vector<LONG> best(dwCount, -1);
    using Entry = std::pair<LONG, LONG>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    open.push({0, lSource});
    while (!open.empty()) {
        const auto [lCost, lFloor] = open.top();
        open.pop();
        if (best[lFloor] != -1)
            continue;
        best[lFloor] = lCost;
        for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
            const LONG lNext = g_pSceneFunctionObj->GetNeighborFloor(lFloor, dwDirection);
            if (lNext < 0 || best[lNext] != -1)
                continue;
            if (g_pSceneFunctionObj->CheckFloorStep(lFloor, lNext, lPower, lJumpUp, lJumpDown, FALSE) != XE_STEP_ALLOWED)
                continue;
            const LONG lNextCost = lCost + g_pSceneFunctionObj->GetFloorWalkConsume(lNext);
            if (lNextCost <= lPower)
                open.push({lNextCost, lNext});
        }
    }
    return best;
}

} // namespace

TEST_F(SceneTableTest, TheTwentySixthScratchTableIsTheFirstAgain)
{
    Build(4, 4, std::vector<TestCell>(16));
    LONG* const plFirst = m_Tables.GetNewTable(7);
    for (DWORD i = 1; i < XC_SceneTableManager::TABLE_RING_SIZE; ++i)
        EXPECT_NE(m_Tables.GetNewTable(0), plFirst);
    EXPECT_EQ(plFirst[3], 7);
    EXPECT_EQ(m_Tables.GetNewTable(-1), plFirst);
    EXPECT_EQ(plFirst[3], -1);
}

TEST_F(SceneTableTest, WalkingFillMatchesAPlainDijkstra)
{
    // Fixed seeds: costs 1 to 3, a tenth water, a fifth raised beyond the jump.
    for (unsigned uSeed = 1; uSeed <= 4; ++uSeed) {
        std::srand(uSeed);
        std::vector<TestCell> cells(64);
        for (TestCell& cell : cells) {
            const int iRoll = std::rand() % 10;
            cell.iLandform = iRoll == 0 ? 4 : iRoll < 4 ? 0 : iRoll < 7 ? 2 : 3;
            cell.fHeight = std::rand() % 5 == 0 ? 0.6f : 0.0f;
        }
        cells[27].iLandform = 0;
        Build(8, 8, cells);
        for (const LONG lPower : {1L, 2L, 5L, 9L}) {
            EXPECT_EQ(Copy(m_Tables.BuildTableMovePowerByType(27, lPower, 50, 100, XE_CAMP_PLAYER, XE_MOVE_TYPE_WALK,
                                                              FALSE, FALSE)),
                      PlainDijkstra(27, lPower, 50, 100, 64))
                << "seed " << uSeed << " power " << lPower;
        }
    }
}

TEST_F(SceneTableTest, PowerOneOverCostTwoReachesOnlyTheSource)
{
    std::vector<TestCell> cells(16, TestCell{2});
    cells[5].iLandform = 0;
    Build(4, 4, cells);
    std::vector<LONG> expected(16, -1);
    expected[5] = 0;
    EXPECT_EQ(Copy(m_Tables.BuildTableMovePowerByType(5, 1, 0, 0, XE_CAMP_PLAYER, XE_MOVE_TYPE_WALK, FALSE, FALSE)),
              expected);
    expected[1] = expected[4] = expected[6] = expected[9] = 2;
    EXPECT_EQ(Copy(m_Tables.BuildTableMovePowerByType(5, 2, 0, 0, XE_CAMP_PLAYER, XE_MOVE_TYPE_WALK, FALSE, FALSE)),
              expected);
}

TEST_F(SceneTableTest, FlyingIgnoresCostsAndHeightsButNotWater)
{
    std::vector<TestCell> cells(16);
    cells[1] = TestCell{3, 5.0f};
    cells[4].iLandform = 4;
    Build(4, 4, cells);
    const std::vector<LONG> fly1 = Copy(m_Tables.BuildTableMovePowerByType(0, 2, 0, 0, 0, XE_MOVE_TYPE_FLY_1, 0, 0));
    EXPECT_EQ(fly1, Copy(m_Tables.BuildTableMovePowerByType(0, 2, 0, 0, 0, XE_MOVE_TYPE_FLY_2, 0, 0)));
    const std::vector<LONG> expected = {0, 1, 2, -1, -1, 2, -1, -1, 2, -1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(fly1, expected);

    ErrorLogCapture log;
    EXPECT_EQ(m_Tables.BuildTableMovePowerByType(0, 2, 0, 0, 0, 5, 0, 0), nullptr);
    EXPECT_FALSE(log.Text().empty());
}

TEST_F(SceneTableTest, DistancesAndClosenessKeepTheGivenRange)
{
    Build(4, 4, std::vector<TestCell>(16));
    const LONG* const plCloseness = m_Tables.BuildTableDistance(0, 100, FALSE);
    ASSERT_NE(plCloseness, nullptr);
    EXPECT_EQ(plCloseness[0], 100);
    EXPECT_EQ(plCloseness[15], 94);
    const std::vector<LONG> ring = Copy(m_Tables.BuildTableDistance(5, 1, TRUE));
    const std::vector<LONG> expected = {-1, 1, -1, -1, 1, 0, 1, -1, -1, 1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(ring, expected);

    // Nobody hostile alive: everything is far away.
    std::unique_ptr<LONG[]> pEnemyDistance(m_Tables.BuildTableEnemyDistance(XE_CAMP_PLAYER));
    ASSERT_NE(pEnemyDistance, nullptr);
    for (DWORD i = 0; i < 16; ++i)
        EXPECT_EQ(pEnemyDistance[i], 1000);
}

TEST_F(SceneTableTest, AttackScopesByShape)
{
    Build(5, 5, std::vector<TestCell>(25));
    struct Case
    {
        DWORD dwScopeType, dwDirection;
        std::vector<LONG> expectedCells;
    };
    // Centre 12 (2, 2), ranges 1 to 1.
    const Case cases[] = {
        {1, 0, {7, 11, 13, 17}}, {2, 0, {7, 11, 13, 17}}, {3, 1, {11, 13}}, {4, 1, {7, 17}}, {6, 2, {17}},
        {8, 3, {11}},
    };
    for (const Case& c : cases) {
        const std::vector<LONG> table =
            Copy(m_Tables.BuildTableAttackScope(12, c.dwScopeType, c.dwDirection, 1, 1, 10.0f, -10.0f));
        std::vector<LONG> taken;
        for (LONG i = 0; i < static_cast<LONG>(table.size()); ++i) {
            if (table[i] != -1)
                taken.push_back(i);
        }
        EXPECT_EQ(taken, c.expectedCells) << "scope " << c.dwScopeType << " direction " << c.dwDirection;
    }
}

TEST_F(SceneTableTest, MergeComparesAndMergesByCode)
{
    Build(4, 4, std::vector<TestCell>(16));
    std::vector<LONG> source(16);
    for (LONG i = 0; i < 16; ++i)
        source[i] = i - 8;

    // Value 1 against the constant 0; success: value + 100, fail: 0.
    struct CompareCase
    {
        DWORD dwCompareType;
        bool (*pHolds)(LONG);
        bool bReport;
    };
    const CompareCase compares[] = {
        {0, [](LONG) { return false; }, true},       {1, [](LONG) { return false; }, false},
        {2, [](LONG a) { return a < 0; }, false},    {3, [](LONG a) { return a == 0; }, false},
        {4, [](LONG a) { return a <= 0; }, false},   {5, [](LONG a) { return a > 0; }, false},
        {6, [](LONG a) { return a != 0; }, false},   {7, [](LONG a) { return a >= 0; }, false},
        {8, [](LONG) { return true; }, false},       {9, [](LONG) { return false; }, true},
    };
    for (const CompareCase& c : compares) {
        std::vector<LONG> target(16, 55);
        sMergeTableInfo info;
        info.plTableTarget = target.data();
        info.plTable1 = source.data();
        info.lValue2 = 100;
        info.dwCompareValue1 = 1;
        info.dwCompareValue2 = 5;
        info.dwCompareType = c.dwCompareType;
        info.dwSuccessValue1 = 1;
        info.dwSuccessValue2 = 6;
        info.dwSuccessMergeType = 6;
        info.dwFailMergeType = 1;
        ErrorLogCapture log;
        EXPECT_EQ(m_Tables.MergeTable(&info), S_OK);
        for (LONG i = 0; i < 16; ++i)
            EXPECT_EQ(target[i], c.pHolds(source[i]) ? source[i] + 100 : 0) << "compare " << c.dwCompareType;
        EXPECT_EQ(!log.Text().empty(), c.bReport) << c.dwCompareType << log.Text();
    }

    // Always; a = 3, b = 4 on a target of 10. Value code 9 and a missing table read 0.
    struct MergeCase
    {
        DWORD dwMergeType, dwValue1;
        LONG lResult;
        bool bReport;
    };
    const MergeCase merges[] = {
        {0, 5, 10, false}, {1, 5, 0, false}, {2, 5, 11, false}, {3, 5, 9, false}, {4, 5, 3, false},
        {5, 5, 4, false},  {6, 5, 7, false}, {7, 5, 10, true},  {6, 9, 4, true},  {6, 2, 4, true},
    };
    for (const MergeCase& c : merges) {
        std::vector<LONG> target(16, 10);
        sMergeTableInfo info;
        info.plTableTarget = target.data();
        info.lValue1 = 3;
        info.lValue2 = 4;
        info.dwCompareType = 8;
        info.dwSuccessValue1 = c.dwValue1;
        info.dwSuccessValue2 = 6;
        info.dwSuccessMergeType = c.dwMergeType;
        ErrorLogCapture log;
        m_Tables.MergeTable(&info);
        EXPECT_EQ(target[0], c.lResult) << "merge " << c.dwMergeType << " value " << c.dwValue1;
        EXPECT_EQ(!log.Text().empty(), c.bReport) << c.dwMergeType << log.Text();
    }

    std::vector<LONG> target(16, 10);
    sMergeTableInfo fresh;
    fresh.plTableTarget = target.data();
    m_Tables.MergeTable(&fresh);
    EXPECT_EQ(target, std::vector<LONG>(16, 10));
    ErrorLogCapture log;
    sMergeTableInfo noTarget;
    EXPECT_EQ(m_Tables.MergeTable(&noTarget), S_OK);
    EXPECT_TRUE(log.Contains("psMergeTableInfo->plTableTarget")) << log.Text();
}

TEST(SceneTableCamps, OnlyPlayerAndPartnerAreAllies)
{
    for (DWORD a = 0; a < 4; ++a) {
        for (DWORD b = 0; b < 4; ++b)
            EXPECT_EQ(XC_SceneTableManager::IsAlliedCamp(a, b), a == b || a + b == 1) << a << " " << b;
    }
}

TEST_F(SceneTableTest, HostileZonesCostAPointToLeaveAndHostilesAreNeverEntered)
{
    LayPlainFloor(4, 4);
    AddFightPerson(0, 1, 0);   // the walker, player camp
    AddFightPerson(300, 11, 6);  // a computer person at (2, 1): its zone is 2, 5, 7 and 10
    StartBattle();
    XC_GamePerson* const pWalker = m_Persons.GetPersonFromTeamIndex(0);
    ASSERT_NE(pWalker, nullptr);

    const std::vector<LONG> fill = Copy(m_Tables.BuildTableMovePower(pWalker, 4));
    ASSERT_EQ(fill.size(), 16u);
    EXPECT_EQ(fill[0], 0);
    EXPECT_EQ(fill[2], 3);  // reached at step 2, inside the zone
    EXPECT_EQ(fill[5], 3);
    EXPECT_EQ(fill[6], -1);

    // Standing in a zone: one power is spent before any step.
    std::vector<LONG> expected(16, -1);
    expected[2] = 1;
    EXPECT_EQ(Copy(m_Tables.BuildTableMovePowerByType(2, 1, 0, 0, XE_CAMP_PLAYER, XE_MOVE_TYPE_WALK, 0, 0)), expected);
    expected[1] = expected[3] = 2;
    EXPECT_EQ(Copy(m_Tables.BuildTableMovePowerByType(2, 2, 0, 0, XE_CAMP_PLAYER, XE_MOVE_TYPE_WALK, 0, 0)), expected);

    std::unique_ptr<LONG[]> pEnemyDistance(m_Tables.BuildTableEnemyDistance(XE_CAMP_PLAYER));
    ASSERT_NE(pEnemyDistance, nullptr);
    EXPECT_EQ(pEnemyDistance[0], 3);
    EXPECT_EQ(pEnemyDistance[6], 0);
    EXPECT_EQ(pEnemyDistance[15], 3);
    std::unique_ptr<LONG[]> pForces(m_Tables.BuildTableForces(XE_CAMP_COMPUTER, TRUE));
    ASSERT_NE(pForces, nullptr);
    EXPECT_EQ(pForces[6], 1000 + 8);
    EXPECT_EQ(pForces[0], 1000 + 8 - 3);
}

TEST_F(SceneTableTest, AlliesArePassedButNobodyEndsAMoveOnAPerson)
{
    LayPlainFloor(4, 1);
    AddFightPerson(0, 1, 0);
    AddFightPerson(1, 2, 1);
    StartBattle();
    XC_GamePerson* const pWalker = m_Persons.GetPersonFromTeamIndex(0);
    ASSERT_NE(pWalker, nullptr);
    EXPECT_EQ(Copy(m_Tables.BuildTableMovePower(pWalker, 2)), (std::vector<LONG>{0, 1, 2, -1}));
    EXPECT_EQ(Copy(m_Tables.BuildTableMoveScope(pWalker, 2)), (std::vector<LONG>{-1, -1, 2, -1}));
    EXPECT_EQ(Copy(m_Tables.BuildTableAllPerson()), (std::vector<LONG>{0, 1, -1, -1}));
    EXPECT_EQ(Copy(m_Tables.BuildTableHostilePerson(XE_CAMP_COMPUTER, XE_LIFE_STATE_ANY)),
              (std::vector<LONG>{0, 1, -1, -1}));
    EXPECT_EQ(Copy(m_Tables.BuildTableAlliedPerson(XE_CAMP_PARTNER, DF_LifeState_Dead)),
              (std::vector<LONG>{-1, -1, -1, -1}));
}

// The tables read the persons' facts once per noted change: a move and a
// death are noted by the persons themselves, a camp changed in the record
// (a script, a state) from the next note on, as the battle notes each frame.
TEST_F(SceneTableTest, PersonTablesFollowNotedChanges)
{
    LayPlainFloor(4, 1);
    AddFightPerson(0, 1, 0);
    AddFightPerson(1, 2, 1);
    StartBattle();
    XC_GamePerson* const pFriend = m_Persons.GetPersonFromTeamIndex(1);
    ASSERT_NE(pFriend, nullptr);
    EXPECT_EQ(Copy(m_Tables.BuildTableHostilePerson(XE_CAMP_PLAYER, XE_LIFE_STATE_ANY)),
              (std::vector<LONG>{-1, -1, -1, -1}));

    ASSERT_EQ(pFriend->SetFloorIndex(3, TRUE), S_OK);
    EXPECT_EQ(Copy(m_Tables.BuildTableAllPerson()), (std::vector<LONG>{0, -1, -1, 1}));

    pFriend->GetControlPersonPower()->SetCamp(XE_CAMP_COMPUTER);
    EXPECT_EQ(Copy(m_Tables.BuildTableHostilePerson(XE_CAMP_PLAYER, XE_LIFE_STATE_ANY)),
              (std::vector<LONG>{-1, -1, -1, -1}))
        << "read again only after a note";
    g_pSceneFunctionObj->NotePersonChange();
    EXPECT_EQ(Copy(m_Tables.BuildTableHostilePerson(XE_CAMP_PLAYER, XE_LIFE_STATE_ANY)),
              (std::vector<LONG>{-1, -1, -1, 1}));

    pFriend->GetControlPersonPower()->SetLifeState(DF_LifeState_Dead);
    ASSERT_EQ(pFriend->UpdateLifeState(), S_OK);
    EXPECT_EQ(Copy(m_Tables.BuildTableHostilePerson(XE_CAMP_PLAYER, DF_LifeState_Live)),
              (std::vector<LONG>{-1, -1, -1, -1}));
    EXPECT_EQ(Copy(m_Tables.BuildTableZOC(XE_CAMP_PLAYER)), (std::vector<LONG>{-1, -1, -1, -1}));

    ASSERT_EQ(m_Persons.DelPersonFromTeamIndex(1), S_OK);
    EXPECT_EQ(Copy(m_Tables.BuildTableAllPerson()), (std::vector<LONG>{0, -1, -1, -1}));
}
