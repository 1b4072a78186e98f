#include "Code/Battle/GamePerson/XC_GamePersonManager.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"

#include "tests/Code/Battle/BattleFloorFixture.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

class GamePersonManagerTest : public BattleFloorFixture
{
protected:
    XC_GamePersonManager m_Persons;
};

} // namespace

TEST_F(GamePersonManagerTest, AnEmptyFightTeamGivesNoPersonsAndNothingToRemove)
{
    LayPlainFloor(4, 4);
    EXPECT_EQ(m_Persons.Init(nullptr, &gp_ControlManagerObj->m_ControlTeamObj), E_FAIL);
    ASSERT_EQ(m_Persons.Init(&m_Scene, &gp_ControlManagerObj->m_ControlTeamObj), S_OK);
    EXPECT_EQ(m_Persons.GetPersonCount(), 0u);
    XC_GamePerson* pNext = nullptr;
    EXPECT_FALSE(m_Persons.GetNextPerson(nullptr, &pNext));
    EXPECT_EQ(pNext, nullptr);
    EXPECT_EQ(m_Persons.GetPersonFromTeamIndex(5), nullptr);
    ErrorLogCapture log;
    EXPECT_EQ(m_Persons.DelPersonFromTeamIndex(5), E_FAIL);
    EXPECT_FALSE(log.Text().empty());
    EXPECT_EQ(m_Persons.GetFloorer(), m_Scene.GetFloorer());
}

TEST(GamePersonStateScripts, TheLaterNodeOfAnIdWinsAndNamelessNodesAreReported)
{
    const auto pTree = ParseTree("[List]\n{\n[State]\n{\ndwStateId = 41\nStateScriptName = Poison1.txt\n}\n"
                                 "[State]\n{\ndwStateId = 41\nStateScriptName = Poison2.txt\n}\n"
                                 "[State]\n{\ndwStateId = 36\n}\n"
                                 "[State]\n{\nStateScriptName = Zero.txt\n}\n}\n");
    ErrorLogCapture log;
    EXPECT_EQ(XC_GamePerson::LoadStateScriptName(pTree->FindChildNode("[List]")), S_OK);
    ASSERT_NE(XC_GamePerson::FindStateScriptName(41), nullptr);
    EXPECT_EQ(*XC_GamePerson::FindStateScriptName(41), "Poison2.txt");
    EXPECT_EQ(XC_GamePerson::FindStateScriptName(36), nullptr);
    ASSERT_NE(XC_GamePerson::FindStateScriptName(0), nullptr);
    EXPECT_EQ(*XC_GamePerson::FindStateScriptName(0), "Zero.txt");
    EXPECT_TRUE(log.Contains("szScriptName")) << log.Text();

    // Junk and a missing list empty the table.
    EXPECT_EQ(XC_GamePerson::LoadStateScriptName(ParseTree("garbage {{{")->FindChildNode("[List]")), E_FAIL);
    EXPECT_EQ(XC_GamePerson::FindStateScriptName(41), nullptr);
}
