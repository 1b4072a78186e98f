#include "Code/Battle/BattleWork/XC_PersonMove.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/XC_GameListFile.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

std::string SampleFile(const std::string& strName)
{
    std::ifstream file(std::string(std::getenv("OSKEL_SAMPLE_GAME")) + "GameData\\" + strName, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The text damaged by one to eight edits: bytes changed, cut, repeated or
// replaced by the tree's own punctuation.
std::string Damaged(const std::string& strText, unsigned uSeed)
{
    std::mt19937 random(uSeed);
    std::string strDamaged = strText;
    const int iEdits = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < iEdits && !strDamaged.empty(); ++i) {
        const size_t at = random() % strDamaged.size();
        const size_t length = std::min<size_t>(1 + random() % 16, strDamaged.size() - at);
        switch (random() % 4) {
        case 0: strDamaged[at] = static_cast<char>(random() % 256); break;
        case 1: strDamaged.erase(at, length); break;
        case 2: strDamaged.insert(at, strDamaged.substr(at, length)); break;
        default: strDamaged[at] = "{}[]=\r\n\""[random() % 8]; break;
        }
    }
    return strDamaged;
}

const unsigned SEEDS = 150;

class BattleBadInputTest : public BattleFixture
{
};

} // namespace

TEST_F(BattleBadInputTest, DamagedStateScriptListsOnlyReport)
{
    const std::string strList = SampleFile("StateScriptList.txt");
    ASSERT_FALSE(strList.empty());
    ErrorLogCapture log;
    for (unsigned uSeed = 1; uSeed <= SEEDS; ++uSeed) {
        XC_TextTree tree;
        const std::string strText = Damaged(strList, uSeed);
        tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size()));
        XC_GamePerson::LoadStateScriptName(&tree);
    }
    // The real list still reads as it should.
    XC_TextTree tree;
    ASSERT_EQ(tree.LoadMem(strList.data(), static_cast<DWORD>(strList.size())), S_OK);
    EXPECT_EQ(XC_GamePerson::LoadStateScriptName(&tree), S_OK);
    ASSERT_NE(XC_GamePerson::FindStateScriptName(41), nullptr);
}

TEST_F(BattleBadInputTest, DamagedGlyphFilesLeaveNoGlyphOrAll)
{
    const std::string strWords = SampleFile("JumpWords.txt");
    ASSERT_FALSE(strWords.empty());
    XC_JumpStringManager jumps;
    ErrorLogCapture log;
    for (unsigned uSeed = 1; uSeed <= SEEDS; ++uSeed) {
        XC_TextTree tree;
        const std::string strText = Damaged(strWords, uSeed);
        tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size()));
        // No texture manager here: every glyph fails, and none stays.
        EXPECT_EQ(jumps.LoadWords(tree), E_FAIL);
        XC_RenderString text;
        jumps.JumpNum(&text, 1234, JNT_HP_GAIN);
        EXPECT_EQ(text.GetWordCount(), 0u);
    }
}

TEST_F(BattleBadInputTest, OutOfRangeIndexesOnlyReport)
{
    LayPlainFloor(4, 4);
    AddFightPerson(5, 1, 5);
    StartBattle();
    XC_BattleSceneController controller;
    ASSERT_EQ(controller.Init(), S_OK);
    XC_GamePerson* const pPerson = m_Persons.GetPersonFromTeamIndex(5);
    ASSERT_NE(pPerson, nullptr);
    ErrorLogCapture log;
    for (const LONG lIndex : {-1L, 16L, LONG_MAX, LONG_MIN}) {
        SCOPED_TRACE(lIndex);
        EXPECT_EQ(g_pSceneFunctionObj->GetNeighborFloor(lIndex, 1), -1);
        EXPECT_EQ(g_pSceneFunctionObj->IsFloorCanStay(lIndex), 0);
        EXPECT_EQ(g_pSceneFunctionObj->CheckFloorStep(0, lIndex, 9, 9, 9, FALSE), XE_STEP_CANNOT_STAY);
        EXPECT_EQ(g_pSceneFunctionObj->GetFloorThrough(lIndex, 0), 2u);
        EXPECT_EQ(m_Tables.BuildTableDistance(lIndex, 3, TRUE), nullptr);
        EXPECT_EQ(m_Tables.BuildTableMovePowerByType(lIndex, 3, 0, 0, 0, 0, FALSE, FALSE), nullptr);
        EXPECT_EQ(m_Tables.BuildTableAttackScope(lIndex, 1, 9, 0, 2, 10.0f, -10.0f), nullptr);
        EXPECT_EQ(controller.SetFocusFloorIndex(lIndex), E_FAIL);
        EXPECT_EQ(pPerson->SetFloorIndex(static_cast<DWORD>(lIndex), TRUE), E_FAIL);
        EXPECT_EQ(pPerson->LookTarget(static_cast<DWORD>(lIndex), TRUE), E_FAIL);
        EXPECT_EQ(m_Persons.GetPersonFromTeamIndex(static_cast<DWORD>(lIndex)), nullptr);
        EXPECT_NE(m_Persons.AddPersonFromTeamIndex(static_cast<DWORD>(lIndex)), S_OK);
        EXPECT_EQ(m_Persons.DelPersonFromTeamIndex(static_cast<DWORD>(lIndex)), E_FAIL);
        XC_PersonMove move;
        move.SetPerson(pPerson);
        move.SetStartFloorIndex(5);
        move.SetTargetFloorIndex(static_cast<DWORD>(lIndex));
        move.Begin();
        EXPECT_EQ(move.GetSprite()->GetWorkCount(), 0u);
    }
    // A huge range is bounded by the floor.
    const LONG* const plWide = m_Tables.BuildTableScope(5, TRUE, 0, 0, 0, 0, 0, LONG_MAX, 10.0f, -10.0f);
    ASSERT_NE(plWide, nullptr);
    EXPECT_EQ(plWide[15], 4);
    EXPECT_EQ(m_Persons.GetPersonCount(), 1u);
    EXPECT_FALSE(log.Text().empty());
}

TEST_F(BattleBadInputTest, CellsWithoutALandformRecordAreImpassable)
{
    LayPlainFloor(4, 4);
    // The save record holds fewer floors than the scene: cells 4 and up have none.
    ASSERT_EQ(gp_ControlManagerObj->m_ControlSceneObj.BuildFloors(2, 2), 0u);
    StartBattle();
    EXPECT_EQ(g_pSceneFunctionObj->CheckFloorStep(0, 1, 9, 0, 0, FALSE), XE_STEP_ALLOWED);
    EXPECT_EQ(g_pSceneFunctionObj->CheckFloorStep(0, 4, 9, 0, 0, FALSE), XE_STEP_CANNOT_STAY);
    const LONG* const plFill = m_Tables.BuildTableMovePowerByType(0, 9, 0, 0, 0, 0, FALSE, FALSE);
    ASSERT_NE(plFill, nullptr);
    EXPECT_EQ(plFill[3], 3);
    EXPECT_EQ(plFill[4], -1);
    EXPECT_EQ(plFill[15], -1);
}
