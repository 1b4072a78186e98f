#include "Code/Battle/GamePerson/XC_GamePersonManager.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

class GamePersonManagerTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(4, 4);
    }

    static bool InTeam(TeamID team, int iTeamIndex)
    {
        JC_DataComponent* pRecord = nullptr;
        return gp_ControlManagerObj->m_ControlTeamObj.GetPersonFromTeam(team, iTeamIndex, pRecord) == 0;
    }
};

// A team control whose moves between teams fail.
class StuckTeam : public JC_ControlTeam
{
public:
    DWORD MovePersonFromTeamToTeam(TeamID, int, TeamID, int) override { return JE_CONTROLTEAM_ADD_BAD_INDEX; }
};

} // namespace

TEST_F(GamePersonManagerTest, PersonsComeFromTheFightTeamInTeamIndexOrder)
{
    AddFightPerson(400, 11, 3);
    AddFightPerson(5, 1, 2);
    StartBattle();
    EXPECT_EQ(m_Persons.GetPersonCount(), 2u);
    XC_GamePerson* pFirst = nullptr;
    ASSERT_TRUE(m_Persons.GetNextPerson(nullptr, &pFirst));
    EXPECT_EQ(pFirst, m_Persons.GetPersonFromTeamIndex(5));
    XC_GamePerson* pSecond = nullptr;
    ASSERT_TRUE(m_Persons.GetNextPerson(pFirst, &pSecond, FALSE));
    EXPECT_EQ(pSecond, m_Persons.GetPersonFromTeamIndex(400));
    XC_GamePerson* pNone = pSecond;
    EXPECT_FALSE(m_Persons.GetNextPerson(pSecond, &pNone, TRUE));
    EXPECT_EQ(pNone, nullptr);

    // A second person under a held index is refused, not added as a ghost.
    ErrorLogCapture log;
    EXPECT_EQ(m_Persons.AddPersonFromTeamIndex(5), E_FAIL);
    EXPECT_EQ(m_Persons.GetPersonCount(), 2u);
    EXPECT_TRUE(log.Contains("不應該發生有相同id的情形")) << log.Text();

    m_Persons.SetPersonStrokeEnable(TRUE);
    DWORD dwAlphaBlend = 1;
    pFirst->GetSetDirectState()->GetRenderState(D3DRS_ALPHABLENDENABLE, &dwAlphaBlend);
    EXPECT_EQ(dwAlphaBlend, 0u);

    m_Persons.Fini();
    EXPECT_EQ(m_Persons.GetPersonFromTeamIndex(5), nullptr);
}

TEST_F(GamePersonManagerTest, PartyMembersGoBackRestoredAndBattleOnlyPersonsAreDeleted)
{
    AddFightPerson(298, 1, 2);
    AddFightPerson(299, 11, 3);
    StartBattle();
    m_Persons.GetPersonFromTeamIndex(298)->GetControlPersonPower()->SetHP(5);

    EXPECT_EQ(m_Persons.DelPersonFromTeamIndex(298), S_OK);
    EXPECT_EQ(m_Persons.DelPersonFromTeamIndex(299), S_OK);
    EXPECT_EQ(m_Persons.GetPersonCount(), 0u);
    EXPECT_FALSE(InTeam(TeamID::TEAMID_FIGHT, 298));
    EXPECT_FALSE(InTeam(TeamID::TEAMID_FIGHT, 299));
    EXPECT_FALSE(InTeam(TeamID::TEAMID_OUR, 299));
    JC_DataComponent* pBack = nullptr;
    ASSERT_EQ(gp_ControlManagerObj->m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_OUR, 298, pBack), 0u);
    JC_ControlPersonPower power;
    power.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
    power.SetControlPerson(pBack);
    EXPECT_EQ(power.GetHP(), 120);
    EXPECT_EQ(power.GetSceneFloorIndex(), 0);
}

TEST_F(GamePersonManagerTest, APartyMemberThatCannotGoBackStaysInTheFightTeam)
{
    AddFightPerson(7, 1, 2);
    StuckTeam team;
    ASSERT_EQ(team.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj), 0u);
    ASSERT_EQ(m_Persons.Init(&m_Scene, &team), S_OK);
    ASSERT_EQ(m_Persons.GetPersonCount(), 1u);
    ErrorLogCapture log;
    EXPECT_EQ(m_Persons.DelPersonFromTeamIndex(7), S_OK);
    EXPECT_EQ(m_Persons.GetPersonCount(), 0u);
    EXPECT_TRUE(InTeam(TeamID::TEAMID_FIGHT, 7));
    EXPECT_FALSE(InTeam(TeamID::TEAMID_OUR, 7));
    EXPECT_TRUE(log.Contains("MovePersonFromTeamToTeam")) << log.Text();
    m_Persons.Fini();
}

TEST_F(GamePersonManagerTest, AnEmptyFightTeamGivesNoPersonsAndNothingToRemove)
{
    EXPECT_EQ(m_Persons.Init(nullptr, &gp_ControlManagerObj->m_ControlTeamObj), E_FAIL);
    StartBattle();
    EXPECT_EQ(m_Persons.GetPersonCount(), 0u);
    XC_GamePerson* pNext = nullptr;
    EXPECT_FALSE(m_Persons.GetNextPerson(nullptr, &pNext));
    EXPECT_EQ(pNext, nullptr);
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

    // Junk, with no list node, empties the table.
    EXPECT_EQ(XC_GamePerson::LoadStateScriptName(ParseTree("garbage {{{")->FindChildNode("[List]")), E_FAIL);
    EXPECT_EQ(XC_GamePerson::FindStateScriptName(41), nullptr);
}

