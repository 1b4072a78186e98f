#include "JC_Module/JC_State/JC_StateModuleDocument.h"

#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Script/JC_ScriptManager.h"

#include "bench/Support/StateScreenOwner.h"
#include "tests/Code/PlayedScreenSupport.h"
#include "tests/Code/StartedGameFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Screen points of the sample layout, in game pixels.
const POINT STATUS_PANEL = {400, 60};
const POINT THING_TAB = {570, 40};
const POINT SKILL_TAB = {690, 40};
const POINT GEM_TAB = {748, 80};
const POINT INLAY_CHOICE = {400, 270};
const POINT CONFIRM_OK = {340, 355};
const POINT AWAY = {300, 300};
// Slots, candidates, the inlay page's and the skill page's rows stand 42
// pixels apart from 125; the inventory's rows 32 apart from 112.
POINT Row(int iRow)
{
    return {640, 125 + 42 * iRow};
}
POINT ThingRow(int iRow)
{
    return {640, 112 + 32 * iRow};
}
POINT AddButton(int iRow)
{
    return {762, 125 + 42 * iRow};
}

// The game's cursor moves at most this far a step.
const int HOP = 200;

// The game started in this process on the sample game, running the procedure
// that owns the state screen, with the hero in the party; the test drives the
// game's mouse and keys by window messages.
class StateScreenPlayed : public StartedGameTest
{
protected:
    StateScreenPlayed()
    {
        XC_GameProcedureFactory::Register(StateScreenOwner::PROCEDURE_ID, &StateScreenOwner::Create);
    }
    ~StateScreenPlayed() override { XC_GameProcedureFactory::Register(StateScreenOwner::PROCEDURE_ID, nullptr); }

    void SetUp() override
    {
        ASSERT_TRUE(m_Game.Start());
        m_pDebugLog = std::make_unique<DebugLogCapture>();
        m_pErrorLog = std::make_unique<ErrorLogCapture>();
        ASSERT_EQ(m_Game._ChangeProcedure(StateScreenOwner::PROCEDURE_ID), S_OK) << Log();
        m_Game.Frames(2);
        JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
        ASSERT_EQ(team.EmptyTeam(TeamID::TEAMID_OUR), 0u);
        ASSERT_EQ(team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, 0, 1), 0u) << Log();
        for (const int iWarehouse : {1, 2, 3, 4})
            ASSERT_EQ(Warehouse().EmptyWarehouse(iWarehouse), 0u);
    }

    static const JC_ControlWarehouse& Warehouse() { return gp_ControlManagerObj->m_ControlWarehouseObj; }

    // Opens the screen over the procedure on the hero.
    void Open()
    {
        JC_DataComponent* pHero = nullptr;
        gp_ControlManagerObj->m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_OUR, 0, pHero);
        ASSERT_NE(g_pStateModuleDocumentObj, nullptr);
        ASSERT_EQ(g_pStateModuleDocumentObj->SetOperateTeam(1), 0u);
        ASSERT_EQ(g_pStateModuleDocumentObj->SetOperatePerson(pHero), 0u) << Log();
        ASSERT_EQ(g_pStateModuleDocumentObj->Enable(), S_OK);
        ASSERT_TRUE(g_pStateModuleDocumentObj->IsViewsReady()) << Log();
        m_Game.Frames(3);
    }

    // Moves the game's cursor to the point in steps the game follows.
    void MoveTo(POINT point)
    {
        for (;;) {
            const int iDX = point.x - static_cast<int>(g_pMouseStateObj->GetX());
            const int iDY = point.y - static_cast<int>(g_pMouseStateObj->GetY());
            if (iDX == 0 && iDY == 0)
                break;
            const int iStepX = iDX > HOP ? HOP : (iDX < -HOP ? -HOP : iDX);
            const int iStepY = iDY > HOP ? HOP : (iDY < -HOP ? -HOP : iDY);
            m_Game.MoveMouseBy(iStepX, iStepY);
            m_Game.Frame();
            m_Game.MoveMouseBy(0, 0);
            m_Game.Frame();
            if (iStepX == iDX && iStepY == iDY)
                break;
        }
    }
    void Click(POINT point)
    {
        MoveTo(point);
        m_Game.Press(WM_LBUTTONDOWN);
        m_Game.Frame();
        m_Game.Press(WM_LBUTTONUP);
        m_Game.Frame();
    }
    // Hovers the point from away, so the row under it is selected anew.
    void HoverAndClick(POINT point)
    {
        MoveTo(AWAY);
        Click(point);
    }
    void RightClick()
    {
        m_Game.Press(WM_RBUTTONDOWN);
        m_Game.Frame();
        m_Game.Press(WM_RBUTTONUP);
        m_Game.Frame();
    }
    void KeyUp(WPARAM wKey)
    {
        m_Game.MsgProc(m_Game.Window(), WM_KEYUP, wKey, 0);
        m_Game.Frame();
    }

    std::string Log() const { return m_pDebugLog->Text() + m_pErrorLog->Text(); }
    JC_ControlPersonPower& Hero() { return *g_pStateModuleDocumentObj->GetControlPerson()->GetPersonPowerObj(); }
    static std::string NameOf(JC_DataComponent* pThing)
    {
        std::string strName;
        if (pThing != nullptr)
            pThing->GetItemValue("Name", &strName);
        return strName;
    }

    std::unique_ptr<DebugLogCapture> m_pDebugLog;
    std::unique_ptr<ErrorLogCapture> m_pErrorLog;
    StartedGame m_Game;
};

} // namespace

// The main page and the candidates are drawn; a click on the right hand's
// slot and one on the short sword put it on; with flag 25 set T adds gold.
TEST_F(StateScreenPlayed, StateScreenShowsItsPagesAndPutsOnAWeapon)
{
    ASSERT_EQ(Warehouse().AddThing(3, 1, 1), 0u);
    Open();
    ASSERT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 1);
    const BitmapFile main = PlayedScreenshot(m_Game, "StateMain.bmp");
    const std::uint32_t dwStatus = main.Pixel(STATUS_PANEL.x, STATUS_PANEL.y);
    EXPECT_GT(Blue(dwStatus), Red(dwStatus)) << std::hex << dwStatus;
    EXPECT_NE(main.Pixel(Row(0).x, Row(0).y), StateScreenOwner::BACKGROUND_COLOR & 0xFFFFFF);
    // The first slot's name stands on its line (rows 106 to 143), not above it.
    EXPECT_GT(TextPixels(main, {540, 106, 740, 144}), 20);
    EXPECT_EQ(TextPixels(main, {540, 98, 740, 106}), 0);

    HoverAndClick(Row(0));
    ASSERT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 2) << Log();
    const std::uint32_t dwCandidate =
        PlayedScreenshot(m_Game, "StateCandidates.bmp").Pixel(Row(0).x - 100, Row(0).y);
    EXPECT_NE(dwCandidate, StateScreenOwner::BACKGROUND_COLOR & 0xFFFFFF) << std::hex << dwCandidate;
    HoverAndClick(Row(0));
    EXPECT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 1) << Log();
    EXPECT_EQ(NameOf(Hero().GetHandRight()), "短劍") << Log();
    ASSERT_EQ(Warehouse().HowManyDrawerInWarehouse(3), 1);

    JC_ControlGame& game = gp_ControlManagerObj->m_ControlGameObj;
    const int iMoney = game.GetMoney();
    gp_ScriptManagerObj->GetScriptFlag()->SetFlagSystem(25, 1);
    KeyUp('T');
    EXPECT_EQ(game.GetMoney(), iMoney + 10000);
    gp_ScriptManagerObj->GetScriptFlag()->SetFlagSystem(25, 0);

    const std::string strLog = Log();
    EXPECT_EQ(strLog.find("GetItemData Fail"), std::string::npos) << strLog;
    RightClick();
    EXPECT_EQ(g_pStateModuleDocumentObj->IsActive(), FALSE);
}

// The inventory's gem tab, the gem's menu and the inlay page put a gem into
// the long sword; the skill page raises strike with a job point.
TEST_F(StateScreenPlayed, StateScreenInlaysAGemAndRaisesASkill)
{
    ASSERT_EQ(Warehouse().AddThing(1, 1, 2), 0u);
    ASSERT_EQ(Warehouse().AddThing(3, 2, 1), 0u);
    Open();
    Click(THING_TAB);
    ASSERT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 3) << Log();
    Click(GEM_TAB);
    const std::uint32_t dwRow = PlayedScreenshot(m_Game, "StateInventory.bmp").Pixel(ThingRow(0).x, ThingRow(0).y);
    EXPECT_NE(dwRow, StateScreenOwner::BACKGROUND_COLOR & 0xFFFFFF) << std::hex << dwRow;
    HoverAndClick(ThingRow(0));
    Click(INLAY_CHOICE);
    ASSERT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 4) << Log();
    HoverAndClick(Row(0));
    const std::uint32_t dwBox = PlayedScreenshot(m_Game, "StateInlayConfirm.bmp").Pixel(400, 240);
    EXPECT_GT(Red(dwBox), Blue(dwBox)) << std::hex << dwBox;
    Click(CONFIRM_OK);
    EXPECT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 3) << Log();
    EXPECT_EQ(Warehouse().GetDrawerObjInfo_ThingCount(Warehouse().GetDrawerObj(1, 0)), 1u);
    JC_DataComponent* const pSword = Warehouse().GetDrawerObjInfo_Thing(Warehouse().GetDrawerObj(3, 0));
    DWORD dwLargest = 0;
    DWORD dwSmallest = 0;
    DWORD dwGems = 0;
    pSword->GetItemVectorInfo("Gem", dwLargest, dwSmallest, dwGems);
    EXPECT_EQ(dwGems, 1u) << Log();

    RightClick();
    ASSERT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 1);
    Click(SKILL_TAB);
    ASSERT_EQ(g_pStateModuleDocumentObj->GetDocumentMode(), 5) << Log();
    const BitmapFile skills = PlayedScreenshot(m_Game, "StateSkills.bmp");
    const std::uint32_t dwSkill = skills.Pixel(Row(0).x, Row(0).y);
    EXPECT_NE(dwSkill, StateScreenOwner::BACKGROUND_COLOR & 0xFFFFFF) << std::hex << dwSkill;
    // The skills page: strike's grey icon on the first row, where the main
    // page has the weapon's; the tabs are gone.
    const std::uint32_t dwIcon = skills.Pixel(516, 125);
    EXPECT_EQ(Red(dwIcon), Blue(dwIcon)) << std::hex << dwIcon;
    EXPECT_GT(Red(dwIcon), 0x60) << std::hex << dwIcon;
    EXPECT_LT(Blue(skills.Pixel(THING_TAB.x - 30, THING_TAB.y - 5)), 0x60);
    // The unused job points stand below the tenth row, not over the eighth.
    EXPECT_EQ(TextPixels(skills, {505, 402, 640, 436}), 0);
    EXPECT_GT(TextPixels(skills, {505, 560, 700, 590}), 20);
    JC_OperatorPerson& person = *Hero().GetOperatorPerson();
    const int iPoints = person.GetNotUseJobPoint();
    ASSERT_GT(iPoints, 0);
    Click(AddButton(0));
    EXPECT_EQ(person.GetLearnSkillLV(0), 2) << Log();
    EXPECT_EQ(person.GetNotUseJobPoint(), iPoints - 1);
    const std::string strLog = Log();
    EXPECT_EQ(strLog.find("GetItemData Fail"), std::string::npos) << strLog;
}
