#include "JC_Module/JC_State/JC_StateModuleDocument.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_Module/JC_State/View/JC_StateModuleView0.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

using Mode = JC_StateModuleDocument::JE_Mode;

TEST_F(StateScreen, ModesOpenOnlyTheViewsTheyAddAndRefuseUnknownModes)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_MAIN);
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(document.GetView(i)->IsOpen(), TRUE) << i;

    EXPECT_EQ(document.SetDocumentMode(Mode::MODE_EQUIPMENT), 0u);
    EXPECT_EQ(document.GetView(2)->IsOpen(), FALSE);
    EXPECT_EQ(document.GetView(0)->GetViewMode(), JC_StateModuleView0::MODE_NO_PERSON_BUTTONS);
    EXPECT_EQ(document.GetView(0)->IsViewActive(), FALSE);
    EXPECT_EQ(document.GetView(3)->IsViewActive(), TRUE);
    for (const int i : {0, 1, 3})
        EXPECT_EQ(document.GetView(i)->IsOpen(), TRUE) << i;

    for (const int iMode : {-1, 6})
        EXPECT_EQ(document.SetDocumentMode(iMode), JE_STATEMODULEDOCUMENT_MODE_NOT_SUPPORT) << iMode;
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_EQUIPMENT);
    for (const int iView : {13, -4})
        EXPECT_EQ(document.UpdateView(iView), JE_STATEMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT) << iView;

    EXPECT_EQ(document.SetDocumentMode(Mode::MODE_NONE), 0u);
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(document.GetView(i)->IsOpen(), FALSE) << i;
        EXPECT_EQ(document.GetView(i)->IsViewActive(), FALSE) << i;
    }
    document.Close();
}

TEST_F(StateScreen, OnlyTheTeamsOfThePartyAndTheFightAreTaken)
{
    JC_StateModuleDocument document;
    EXPECT_EQ(document.SetOperateTeam(1), JE_STATEMODULEDOCUMENT_NOT_INITIATED);
    ASSERT_EQ(Initiate(document), 0u);
    EXPECT_EQ(document.SetOperateTeam(3), 0u);
    for (const DWORD dwTeam : {0u, 2u, 4u}) {
        EXPECT_EQ(document.SetOperateTeam(dwTeam), JE_STATEMODULEDOCUMENT_TEAM_NOT_SUPPORT) << dwTeam;
        EXPECT_EQ(document.GetOperateTeam(), 3u);
    }
    EXPECT_TRUE(Logged(" StateModuleDocument SetOperateTeam OperateTeam NotSupport. \r\n OperateTeam:0x00000002"))
        << LogText();
}

TEST_F(StateScreen, CapturedMonstersArePlaces200To298)
{
    const struct
    {
        int iTeamIndex;
        BOOL bCapturePet;
    } cases[] = {{0, 0}, {199, 0}, {200, 1}, {298, 1}, {299, 0}, {-1, 0}};
    JC_StateModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    JC_ControlPerson person;
    person.Initiation(gp_DataManagerObj, gp_ControlManagerObj->GetBehaviorAnalyser());
    ASSERT_EQ(person.SetControlPerson(Person(0)), 0u);
    for (const auto& c : cases) {
        person.GetPersonPowerObj()->SetTeamID(c.iTeamIndex);
        ASSERT_EQ(document.SetOperatePerson(Person(0)), 0u);
        EXPECT_EQ(document.IsOperatePersonCapturePet(), c.bCapturePet) << c.iTeamIndex;
        EXPECT_EQ(document.GetOperateTeamIndex(), c.iTeamIndex);
    }
    EXPECT_NE(document.SetOperatePerson(nullptr), 0u);
}

TEST_F(StateScreen, TheRightButtonStepsBackPerMode)
{
    const struct
    {
        Mode eMode;
        BOOL bStillOpen;
        int iModeAfter;
    } cases[] = {
        // The inlay page itself answers the right button: back to the inventory.
        {Mode::MODE_MAIN, FALSE, Mode::MODE_NONE},    {Mode::MODE_EQUIPMENT, TRUE, Mode::MODE_MAIN},
        {Mode::MODE_THING, TRUE, Mode::MODE_MAIN},    {Mode::MODE_INLAY, TRUE, Mode::MODE_THING},
        {Mode::MODE_SKILL, TRUE, Mode::MODE_MAIN},
    };
    for (const auto& c : cases) {
        JC_StateModuleDocument document;
        Open(document, 0);
        ASSERT_EQ(document.SetDocumentMode(c.eMode), 0u);
        EXPECT_EQ(document.MsgProc(nullptr, WM_RBUTTONDOWN, 0, 0), 1);
        EXPECT_EQ(document.IsActive(), c.bStillOpen) << c.eMode;
        EXPECT_EQ(document.GetDocumentMode(), c.iModeAfter) << c.eMode;
        document.Close();
    }
}

TEST_F(StateScreen, DesignerKeysNeedTheirSystemFlags)
{
    JC_ControlScriptFlag* const pFlags = gp_ScriptManagerObj->GetScriptFlag();
    JC_ControlGame& game = gp_ControlManagerObj->m_ControlGameObj;
    const struct
    {
        int iFlag25;
        WPARAM key;
        int iMoneyAdded;
        int iExpAdded;
    } cases[] = {
        {0, 'T', 0, 0}, {1, 'T', 10000, 0}, {7, 'T', 10000, 0}, {0, 'E', 0, 0}, {1, 'E', 0, 100}, {1, 'A', 0, 0},
    };
    JC_StateModuleDocument document;
    Open(document, 0);
    JC_ControlPersonPower* const pPower = document.GetControlPerson()->GetPersonPowerObj();
    for (const auto& c : cases) {
        pFlags->SetFlagSystem(25, c.iFlag25);
        const int iMoney = game.GetMoney();
        const int iExp = pPower->GetExp();
        EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, c.key, 0), 1);
        EXPECT_EQ(game.GetMoney() - iMoney, c.iMoneyAdded) << c.iFlag25 << " " << static_cast<char>(c.key);
        EXPECT_EQ(pPower->GetExp() - iExp, c.iExpAdded) << c.iFlag25 << " " << static_cast<char>(c.key);
    }
    // F5 rebuilds the screen only when flag 26 is exactly 1.
    for (const int iFlag26 : {0, 2, 1}) {
        pFlags->SetFlagSystem(26, iFlag26);
        // A rebuilt frame opens with its person buttons again.
        document.GetView(0)->SetViewMode(JC_StateModuleView0::MODE_NO_PERSON_BUTTONS);
        EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_F5, 0), 1);
        EXPECT_EQ(document.GetView(0)->GetViewMode() == JC_StateModuleView0::MODE_PERSON_BUTTONS, iFlag26 == 1)
            << iFlag26;
        EXPECT_EQ(document.IsViewsReady(), TRUE);
    }
    document.Close();
}

TEST_F(StateScreen, TheReleaseButtonShowsForMonstersOfThePartyOnly)
{
    AddToParty(200, GOBLIN);
    AddToParty(0, GOBLIN, TeamID::TEAMID_FIGHT);
    AddToParty(201, GOBLIN, TeamID::TEAMID_FIGHT);
    const struct
    {
        DWORD dwTeam;
        int iTeamIndex;
        BOOL bShown;
    } cases[] = {{1, 0, FALSE}, {1, 200, TRUE}, {3, 0, FALSE}, {3, 201, FALSE}};
    for (const auto& c : cases) {
        JC_StateModuleDocument document;
        Open(document, c.iTeamIndex, c.dwTeam);
        const auto* pFrame = static_cast<JC_StateModuleView0*>(document.GetView(0));
        EXPECT_EQ(pFrame->GetAnimation(JC_StateModuleView0::ITEM_FREE)->GetShow(), c.bShown)
            << c.dwTeam << " " << c.iTeamIndex << LogText();
        // The tab buttons hide for a monster's place, whatever the team.
        EXPECT_EQ(document.GetView(2)->GetViewMode(), c.iTeamIndex >= 200 ? 1 : 0);
        document.Close();
    }
}

TEST_F(StateScreen, ReleasingAMonsterMovesOnAndRefusesTheLastPerson)
{
    AddToParty(200, GOBLIN);
    {
        JC_StateModuleDocument document;
        Open(document, 200);
        EXPECT_EQ(document.DealViewEvent(0, JC_StateModuleView0::EVENT_FREE), 0u) << LogText();
        EXPECT_EQ(Person(200), nullptr);
        EXPECT_EQ(document.GetOperateTeamIndex(), 0);
        EXPECT_EQ(document.IsOperatePersonCapturePet(), FALSE);
        document.Close();
    }
    // A monster alone in the party: the walk comes back to it.
    ASSERT_EQ(Team().DelPersonFromTeam(TeamID::TEAMID_OUR, 0), 0u);
    AddToParty(250, GOBLIN);
    JC_StateModuleDocument document;
    Open(document, 250);
    EXPECT_EQ(document.DealViewEvent(0, JC_StateModuleView0::EVENT_FREE), JE_STATEMODULEDOCUMENT_RELEASE_LAST_PERSON);
    EXPECT_NE(Person(250), nullptr);
    EXPECT_TRUE(Logged("ReleasePet OnlyPerson")) << LogText();
    document.Close();
}

TEST_F(StateScreen, PersonButtonsWalkThePartyBothWays)
{
    AddToParty(5, 3);
    JC_StateModuleDocument document;
    Open(document, 0);
    EXPECT_EQ(document.DealViewEvent(0, JC_StateModuleView0::EVENT_NEXT), 0u);
    EXPECT_EQ(document.GetOperateTeamIndex(), 5);
    EXPECT_EQ(document.DealViewEvent(0, JC_StateModuleView0::EVENT_NEXT), 0u);
    EXPECT_EQ(document.GetOperateTeamIndex(), 0);
    EXPECT_EQ(document.DealViewEvent(0, JC_StateModuleView0::EVENT_PREV), 0u);
    EXPECT_EQ(document.GetOperateTeamIndex(), 5);
    document.Close();
}
