#include "Code/Battle/XC_SceneFunction.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

// A 4 × 4 floor, cell (x, z) at index z × 4 + x:
//   row 0: plain, raised by 0.5, forest, hill
//   row 1: water, plain, no landform, plain
//   row 2: plain, plain closed on its east side, plain, plain
//   row 3: plain throughout
class SceneFunctionTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        std::vector<TestCell> cells(16);
        cells[1].fHeight = 0.5f;
        cells[2].iLandform = 2;
        cells[3].iLandform = 3;
        cells[4].iLandform = 4;
        cells[6].iLandform = 99;
        cells[9].dwEast = 2;
        LayFloor(4, 4, cells);
    }

    void TearDown() override
    {
        g_pSceneFunctionObj->ClearCellCache();
        BattleFixture::TearDown();
    }
};

} // namespace

TEST_F(SceneFunctionTest, StepResultsFollowTheirOrderOfDecision)
{
    struct Case
    {
        LONG lA, lB, lPower, lUp, lDown;
        BOOL bIgnoreTerrain;
        LONG lResult;
    };
    const Case cases[] = {
        {0, 4, 9, 100, 100, FALSE, XE_STEP_CANNOT_STAY},  // water, next door and whatever the power
        {5, 6, 9, 100, 100, FALSE, XE_STEP_CANNOT_STAY},  // a landform that cannot be bound
        {5, 6, 9, 100, 100, TRUE, XE_STEP_CANNOT_STAY},
        {1, 2, 1, 100, 100, FALSE, XE_STEP_TOO_COSTLY},   // forest costs 2
        {2, 3, 2, 100, 100, FALSE, XE_STEP_TOO_COSTLY},   // hill costs 3
        {2, 3, 3, 100, 100, FALSE, XE_STEP_ALLOWED},
        {0, 1, 1, 50, 0, FALSE, XE_STEP_ALLOWED},         // up by exactly the limit
        {0, 1, 1, 49, 0, FALSE, XE_STEP_JUMP},            // one hundredth more
        {1, 0, 1, 0, 50, FALSE, XE_STEP_ALLOWED},         // down by exactly the limit
        {1, 0, 1, 0, 49, FALSE, XE_STEP_JUMP},
        {0, 1, 1, 0, 0, TRUE, XE_STEP_ALLOWED},           // terrain ignored: no jump test
        {1, 2, 1, 0, 0, TRUE, XE_STEP_ALLOWED},           // and every cell costs 1
        {9, 10, 1, 0, 0, FALSE, XE_STEP_CLOSED},          // closed side
        {10, 9, 1, 0, 0, FALSE, XE_STEP_ALLOWED},         // only the side of A counts
        {8, 13, 1, 0, 0, FALSE, XE_STEP_CLOSED},          // diagonal
    };
    for (const Case& c : cases) {
        ErrorLogCapture log;
        EXPECT_EQ(g_pSceneFunctionObj->CheckFloorStep(c.lA, c.lB, c.lPower, c.lUp, c.lDown, c.bIgnoreTerrain),
                  c.lResult)
            << c.lA << " -> " << c.lB << " power " << c.lPower;
    }
}

TEST_F(SceneFunctionTest, NeighboursDirectionsAndDistances)
{
    struct NeighborCase
    {
        LONG lFloor;
        DWORD dwDirection;
        LONG lNeighbor;
        bool bReport;
    };
    const NeighborCase neighbors[] = {
        {1, 0, -1, false}, {5, 0, 1, false}, {5, 1, 6, false}, {5, 2, 9, false}, {5, 3, 4, false},
        {3, 1, -1, false}, {12, 3, -1, false}, {15, 2, -1, false}, {5, 4, -1, true}, {16, 0, -1, true},
    };
    for (const NeighborCase& c : neighbors) {
        ErrorLogCapture log;
        EXPECT_EQ(g_pSceneFunctionObj->GetNeighborFloor(c.lFloor, c.dwDirection), c.lNeighbor)
            << c.lFloor << " towards " << c.dwDirection;
        EXPECT_EQ(!log.Text().empty(), c.bReport) << log.Text();
    }

    struct DirectionCase
    {
        int iA, iB;
        int iDirection;
    };
    const DirectionCase directions[] = {
        {8, 2, 0},   // dx 2, dz -2: the z axis wins a tie
        {0, 10, 2},  // dx 2, dz 2
        {5, 7, 1}, {7, 5, 3}, {5, 1, 0}, {1, 5, 2}, {0, 15, 2}, {12, 1, 0}, {4, 14, 2}, {15, 12, 3},
    };
    for (const DirectionCase& c : directions)
        EXPECT_EQ(g_pSceneFunctionObj->GetFloorDirection(c.iA, c.iB), c.iDirection) << c.iA << " -> " << c.iB;

    EXPECT_EQ(g_pSceneFunctionObj->GetFloorDistance(0, 15), 6);
    EXPECT_EQ(g_pSceneFunctionObj->GetFloorDistance(3, 12), 6);
    EXPECT_EQ(g_pSceneFunctionObj->GetFloorDistance(9, 9), 0);
}

TEST_F(SceneFunctionTest, SidesLookAtTheRowOrColumnOnly)
{
    ErrorLogCapture log;
    EXPECT_EQ(g_pSceneFunctionObj->GetFloorThrough(9, 11), 2u);  // two cells east still give the east side
    EXPECT_EQ(g_pSceneFunctionObj->GetFloorThrough(9, 1), 0u);
    EXPECT_TRUE(log.Text().empty()) << log.Text();
    EXPECT_EQ(g_pSceneFunctionObj->GetFloorThrough(0, 5), 2u);
    EXPECT_FALSE(log.Text().empty());
}

TEST_F(SceneFunctionTest, TheCellCacheAnswersAsTheRecordDoes)
{
    std::vector<LONG> fromRecord;
    std::vector<LONG> fromCache;
    for (std::vector<LONG>* pResults : {&fromRecord, &fromCache}) {
        if (pResults == &fromCache) {
            ASSERT_EQ(g_pSceneFunctionObj->RefreshCellCache(), S_OK);
        }
        for (LONG lFloor = 0; lFloor < 16; ++lFloor) {
            for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
                const LONG lNext = g_pSceneFunctionObj->GetNeighborFloor(lFloor, dwDirection);
                if (lNext < 0)
                    continue;
                for (const LONG lPower : {1L, 2L, 3L})
                    pResults->push_back(g_pSceneFunctionObj->CheckFloorStep(lFloor, lNext, lPower, 50, 50, FALSE));
            }
        }
    }
    EXPECT_EQ(fromCache, fromRecord);

    // A landform changed during the battle counts once the cache is refreshed.
    gp_ControlManagerObj->m_ControlSceneObj.SetLandformID(5, 4);
    ASSERT_EQ(g_pSceneFunctionObj->RefreshCellCache(), S_OK);
    EXPECT_EQ(g_pSceneFunctionObj->CheckFloorStep(1, 5, 9, 100, 100, FALSE), XE_STEP_CANNOT_STAY);
}
