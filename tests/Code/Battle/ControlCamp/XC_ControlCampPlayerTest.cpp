#include "Code/Battle/ControlCamp/XC_ControlCampPlayer.h"

#include "Code/Battle/BattleWork/XC_PersonBattle.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Menu/BattleMenu/XC_BattleSkillMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "JC_DataManager/Manager/JC_DataManager.h"

#include "tests/Code/Battle/BattleProcedureFixture.h"
#include "tests/Support/FakeKeyboard.h"

#include <d3dx9math.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

const DWORD HERO = 0;
const DWORD FIGHTER = 1;
const DWORD HEALER = 2;
const DWORD BANDIT = 300;
const DWORD SECOND_BANDIT = 301;
// The hero's first skill, power strike at level 1.
const DWORD STRIKE_POWER = 0x00030001;

} // namespace

// The sample battle resumed in the player's camp turn, with the ring open
// on the hero. Each step of the controller runs directly, with the keys of
// a fake keyboard and the mouse state's flags as one frame would see them.
class ControlCampPlayerTest : public BattleProcedureTest
{
protected:
    void SetUp() override
    {
        BattleProcedureTest::SetUp();
        if (HasFatalFailure())
            return;
        m_SavedTime = *g_pGameTime;
        g_pGameTime->fPersonActionBegin = 0.0f;
        g_pGameTime->fPersonActionInterval = 0.0f;
        g_pGameTime->fPersonActionEnd = 0.0f;
        g_pGameTime->fCameraMoveSpeed = 1000.0f;
        Save({1, XE_ROUND_CAMP, 0});
        ASSERT_EQ(Enter(), S_OK);
        for (const DWORD dwTeamIndex : {HERO, FIGHTER, HEALER}) {
            JC_ControlPersonPower* const pPower = Person(dwTeamIndex)->GetControlPersonPower();
            pPower->SetRAP(pPower->GetMaxRAP());
        }
        ASSERT_TRUE(FramesUntil([&] {
            return Player() != nullptr && Player()->GetState() == PCS_CommandRing && Player()->GetStep() == 1;
        }));
        m_pGameKeyboard = g_pInputOfKeyboardObj;
        g_pInputOfKeyboardObj = &m_Keyboard;
    }

    void TearDown() override
    {
        if (m_pGameKeyboard != nullptr)
            g_pInputOfKeyboardObj = m_pGameKeyboard;
        *g_pGameTime = m_SavedTime;
        BattleProcedureTest::TearDown();
    }

    XC_ControlCampPlayer* Player() const
    {
        return Battle() != nullptr ? dynamic_cast<XC_ControlCampPlayer*>(Battle()->GetCampObject()) : nullptr;
    }

    static XC_GamePerson* Person(DWORD dwTeamIndex) { return g_pPersonManager->GetPersonFromTeamIndex(dwTeamIndex); }

    // One step of the controller with these keys held down for it.
    void Step(std::initializer_list<BYTE> keys = {})
    {
        for (const BYTE byKey : keys)
            m_Device.keys[byKey] = 0x80;
        m_Keyboard.Update();
        Player()->ProceedCamp(0.01f);
        g_pMouseStateObj->Clear();
        for (const BYTE byKey : keys)
            m_Device.keys[byKey] = 0;
        m_Keyboard.Update();
    }

    void Click(UINT uMessage) { g_pMouseStateObj->OnWindowMessage(uMessage, 0, 0); }

    // The cursor over a point of the world, as the camera shows it now.
    static void PointAt(const D3DXVECTOR3& vWorld)
    {
        g_pWorldCameraMan->UpdateViewMatrix();
        const D3DVIEWPORT9 viewport = {0, 0, 800, 600, 0.0f, 1.0f};
        D3DXMATRIX matIdentity;
        D3DXMatrixIdentity(&matIdentity);
        D3DXVECTOR3 vScreen;
        D3DXVec3Project(&vScreen, &vWorld, &viewport, g_pWorldCameraMan->GetProjectionMatrix(),
                        g_pWorldCameraMan->GetViewMatrix(), &matIdentity);
        g_pMouseStateObj->SetPosition(vScreen.x, vScreen.y);
        g_pMouseStateObj->SetMoved(1);
    }

    static void PointAtFloor(DWORD dwFloorIndex)
    {
        PointAt(g_pBattleSceneObj->GetFloorer()->GetFloorPosition(dwFloorIndex));
    }

    // A cell of the move scope other than the person's own.
    DWORD ReachableCell() const
    {
        const LONG* const plTable = Player()->GetTableDistance();
        const DWORD dwOwn = Player()->GetActionPerson()->GetFloorIndex();
        for (DWORD i = 0; i < g_pBattleSceneObj->GetFloorer()->GetFloorsCount(); ++i)
            if (plTable[i] > 0 && i != dwOwn)
                return i;
        return dwOwn;
    }

    // The hero's power strike reshaped: its shape, reach and scope level.
    static void ShapeStrike(int iShape, int iDistanceFar, int iScopeLV)
    {
        JC_DataComponent* const pPower = gp_DataManagerObj->GetSkillPowerObj(STRIKE_POWER);
        ASSERT_NE(pPower, nullptr);
        for (const auto& [szName, iValue] :
             {std::pair<const char*, int>{"ScopeShape", iShape}, {"DistanceFar", iDistanceFar}, {"ScopeLV", iScopeLV}})
            ASSERT_EQ(pPower->SetItemValueAt(szName, 0, &iValue), 0u) << szName;
    }

    // The skill menu open on the hero with the row focused, then a left click.
    void ChooseSkillRow(int iRow)
    {
        Player()->SetState(PCS_Skill);
        Step();
        XC_BattleSkillMenu* const pMenu = g_pBattleMenuMenager->m_pBattleSkillMenu;
        ASSERT_GT(pMenu->GetItemCount(), iRow);
        ASSERT_EQ(pMenu->SetFocusItem(iRow), S_OK);
        Click(WM_LBUTTONDOWN);
        Step();
    }

    // A line of free cells from the hero in some direction, nearest first;
    // empty when the hero has none that long.
    std::vector<DWORD> FreeLineFromHero(DWORD dwLength) const
    {
        const LONG* const plPersons = g_pSceneTableManager->BuildTableAllPerson();
        for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
            std::vector<DWORD> line;
            LONG lFloor = static_cast<LONG>(Person(HERO)->GetFloorIndex());
            while (line.size() < dwLength) {
                lFloor = g_pSceneFunctionObj->GetNeighborFloor(lFloor, dwDirection);
                if (lFloor < 0 || plPersons[lFloor] >= 0)
                    break;
                line.push_back(static_cast<DWORD>(lFloor));
            }
            if (line.size() == dwLength)
                return line;
        }
        return {};
    }

    XC_GameTime m_SavedTime;
    FakeKeyboardDevice m_Device;
    FakeKeyboard m_Keyboard{&m_Device};
    XC_InputOfKeyboard* m_pGameKeyboard = nullptr;
};

TEST_F(ControlCampPlayerTest, TheRingMarksWhatTheRAPAllows)
{
    XC_PersonCommandMenu* const pMenu = g_pBattleMenuMenager->m_pPersonCommandMenu;
    struct Case
    {
        int iRAP;
        DWORD dwMove, dwAttack, dwSkill, dwTools;
    };
    const DWORD ON = XC_PersonCommandMenu::COMMAND_ENABLED;
    const DWORD OFF = XC_PersonCommandMenu::COMMAND_DISABLED;
    for (const Case& c : {Case{1, OFF, OFF, ON, ON}, Case{4, ON, ON, ON, ON}}) {
        Person(HERO)->GetControlPersonPower()->SetRAP(c.iRAP);
        Player()->SetState(PCS_CommandRing);
        Step();
        EXPECT_EQ(pMenu->GetCommandState(PCI_Move), c.dwMove) << "RAP " << c.iRAP;
        EXPECT_EQ(pMenu->GetCommandState(PCI_Attack), c.dwAttack) << "RAP " << c.iRAP;
        EXPECT_EQ(pMenu->GetCommandState(PCI_Skill), c.dwSkill) << "RAP " << c.iRAP;
        EXPECT_EQ(pMenu->GetCommandState(PCI_Tools), c.dwTools) << "RAP " << c.iRAP;
        EXPECT_EQ(pMenu->GetCommandState(PCI_Devolution), static_cast<DWORD>(XC_PersonCommandMenu::COMMAND_HIDDEN));
        EXPECT_EQ(pMenu->GetCommandState(PCI_Wait), ON);
    }
}

TEST_F(ControlCampPlayerTest, EscapeTabAndShiftTabWalkThePersons)
{
    Step({DIK_ESCAPE});
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_IdleCursor));
    Step();
    // Tab with Alt held does nothing.
    Step({DIK_TAB, DIK_LMENU});
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_IdleCursor));
    struct Case
    {
        std::initializer_list<BYTE> keys;
        DWORD dwPerson;
    };
    const Case cases[] = {
        {{DIK_TAB}, FIGHTER},
        {{DIK_TAB}, HEALER},
        {{DIK_TAB}, HERO},
        {{DIK_TAB, DIK_LSHIFT}, HEALER},
        {{DIK_TAB, DIK_RSHIFT}, FIGHTER},
    };
    for (const Case& c : cases) {
        Step(c.keys);
        EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_ChooseNextPerson));
        Step();
        EXPECT_EQ(Player()->GetPersonTempIndex(), static_cast<LONG>(c.dwPerson));
        ASSERT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_CommandRing));
        Step();
    }
    // A person without RAP is passed over.
    Person(HERO)->GetControlPersonPower()->SetRAP(0);
    for (int i = 0; i < 2; ++i) {
        Step({DIK_TAB});
        Step();
        Step();
    }
    EXPECT_EQ(Player()->GetPersonTempIndex(), static_cast<LONG>(FIGHTER));
}

TEST_F(ControlCampPlayerTest, RightOnAnEnemyFallsThroughToTheSystemMenu)
{
    Step({DIK_ESCAPE});
    Step();
    PointAt(*Person(BANDIT)->QueryWorldPosition() + D3DXVECTOR3(0.0f, 0.5f, 0.0f));
    Click(WM_RBUTTONDOWN);
    Step();
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_SystemMenu));
    Step({DIK_ESCAPE});
    Step({DIK_ESCAPE});
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_IdleCursor));
}

TEST_F(ControlCampPlayerTest, APersonRemovedWhileHeldIsDroppedForTheNext)
{
    Step({DIK_ESCAPE});
    Step();
    ASSERT_EQ(g_pPersonManager->DelPersonFromTeamIndex(HERO), S_OK);
    Player()->SetState(PCS_CommandRing);
    Step();
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_ChooseNextPerson));
    EXPECT_EQ(Player()->GetActionPerson(), nullptr);
    Step();
    EXPECT_EQ(Player()->GetPersonTempIndex(), static_cast<LONG>(FIGHTER));
}

TEST_F(ControlCampPlayerTest, AMoveIsUndoneFreeAndConfirmedForTwoRAP)
{
    XC_GamePerson* const pHero = Person(HERO);
    JC_ControlPersonPower* const pPower = pHero->GetControlPersonPower();
    const DWORD dwOrigin = pHero->GetFloorIndex();
    const DWORD dwFacing = pHero->GetDirection();
    const int iRAP = pPower->GetRAP();
    for (const bool bConfirm : {false, true}) {
        SCOPED_TRACE(bConfirm ? "confirmed" : "undone");
        Player()->SetState(PCS_MoveChooseFloor);
        Step();
        const DWORD dwTarget = ReachableCell();
        ASSERT_NE(dwTarget, dwOrigin);
        PointAtFloor(dwTarget);
        Click(WM_LBUTTONDOWN);
        Step();
        ASSERT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_MoveChooseFacing));
        EXPECT_EQ(pHero->GetFloorIndex(), dwTarget);
        ASSERT_TRUE(FramesUntil([] { return !g_pBattleSceneController->IsBattleWorking(); }));
        g_pMouseStateObj->Clear();
        Step();
        if (bConfirm) {
            // A click on no arrow keeps the facing shown.
            g_pMouseStateObj->SetPosition(0.0f, 0.0f);
            Click(WM_LBUTTONDOWN);
            Step();
            EXPECT_EQ(pHero->GetFloorIndex(), dwTarget);
            EXPECT_EQ(pPower->GetRAP(), iRAP - 2);
        } else {
            Step({DIK_ESCAPE});
            EXPECT_EQ(pHero->GetFloorIndex(), dwOrigin);
            EXPECT_EQ(pHero->GetDirection(), dwFacing);
            EXPECT_EQ(pPower->GetRAP(), iRAP);
        }
        EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_CommandRing));
        Step();
    }
}

TEST_F(ControlCampPlayerTest, ZInTheMiddleOfAMoveEndsTheTurn)
{
    Player()->SetState(PCS_MoveChooseFloor);
    Step();
    Step({DIK_Z});
    EXPECT_EQ(Player()->GetCampPhase(), XC_ControlCampBase::PHASE_END);
    ASSERT_TRUE(FramesUntil([&] { return Record().GetCampTurn() != 0; }));
}

TEST_F(ControlCampPlayerTest, CancellingATargetChoiceSpendsNothing)
{
    JC_ControlPersonPower* const pPower = Person(HERO)->GetControlPersonPower();
    const int iRAP = pPower->GetRAP();
    Player()->SetState(PCS_Attack);
    Step();
    ASSERT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_ChooseTarget));
    Step();
    Step({DIK_ESCAPE});
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_CommandRing));
    EXPECT_EQ(pPower->GetRAP(), iRAP);
    EXPECT_FALSE(g_pBattleSceneController->IsBattleWorking());
}

TEST_F(ControlCampPlayerTest, ADisabledSkillIsIgnoredAndAnEnabledOneAimed)
{
    JC_ControlPersonPower* const pPower = Person(HERO)->GetControlPersonPower();
    const int iRAP = pPower->GetRAP();
    struct Case
    {
        int iSP;
        DWORD dwState;
    };
    // Power strike wants 3 SP.
    for (const Case& c : {Case{0, PCS_Skill}, Case{30, PCS_ChooseTarget}}) {
        pPower->SetSP(c.iSP);
        ChooseSkillRow(0);
        EXPECT_EQ(Player()->GetState(), c.dwState) << "SP " << c.iSP;
        EXPECT_EQ(pPower->GetRAP(), iRAP) << "SP " << c.iSP;
    }
    // Right leaves the target choice free.
    Step();
    Click(WM_RBUTTONDOWN);
    Step();
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_CommandRing));
    EXPECT_EQ(pPower->GetRAP(), iRAP);
    EXPECT_FALSE(g_pBattleSceneController->IsBattleWorking());
}

TEST_F(ControlCampPlayerTest, TheNearestShapeStrikesTheFirstPersonOnTheLine)
{
    ShapeStrike(XE_SCOPE_NEAREST, 400, 0);
    const std::vector<DWORD> line = FreeLineFromHero(3);
    ASSERT_EQ(line.size(), 3u);
    // Bandits on the second and third cells; the click is on the third.
    ASSERT_EQ(Person(BANDIT)->SetFloorIndex(line[1], TRUE), S_OK);
    ASSERT_EQ(Person(SECOND_BANDIT)->SetFloorIndex(line[2], TRUE), S_OK);
    g_pSceneFunctionObj->NotePersonChange();
    JC_ControlPersonPower* const pNear = Person(BANDIT)->GetControlPersonPower();
    JC_ControlPersonPower* const pFar = Person(SECOND_BANDIT)->GetControlPersonPower();
    const int iNearHP = pNear->GetHP();
    const int iFarHP = pFar->GetHP();
    Person(HERO)->GetControlPersonPower()->SetSP(30);
    XC_PersonBattle::SetResultOverride(1);
    ChooseSkillRow(0);
    ASSERT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_ChooseTarget));
    Step();
    PointAtFloor(line[2]);
    Click(WM_LBUTTONDOWN);
    Step();
    XC_PersonBattle::SetResultOverride(0);
    EXPECT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_CommandRing));
    ASSERT_TRUE(FramesUntil([] { return !g_pBattleSceneController->IsBattleWorking(); }));
    EXPECT_LT(pNear->GetHP(), iNearHP);
    EXPECT_EQ(pFar->GetHP(), iFarHP);
}

TEST_F(ControlCampPlayerTest, ARelocationNeverLandsOnAnOccupiedCell)
{
    // A self relocation within three cells.
    ShapeStrike(9, 0, 3);
    const std::vector<DWORD> line = FreeLineFromHero(2);
    ASSERT_EQ(line.size(), 2u);
    ASSERT_EQ(Person(FIGHTER)->SetFloorIndex(line[0], TRUE), S_OK);
    g_pSceneFunctionObj->NotePersonChange();
    XC_GamePerson* const pHero = Person(HERO);
    const DWORD dwOrigin = pHero->GetFloorIndex();
    pHero->GetControlPersonPower()->SetSP(30);
    ChooseSkillRow(0);
    ASSERT_EQ(Player()->GetState(), static_cast<DWORD>(PCS_ChooseTarget));
    Step();
    struct Case
    {
        DWORD dwCell;
        DWORD dwState;
        DWORD dwHeroCell;
    };
    for (const Case& c : {Case{line[0], PCS_ChooseTarget, dwOrigin}, Case{line[1], PCS_CommandRing, line[1]}}) {
        PointAtFloor(c.dwCell);
        Step();
        Click(WM_LBUTTONDOWN);
        Step();
        EXPECT_EQ(Player()->GetState(), c.dwState) << "cell " << c.dwCell;
        EXPECT_EQ(pHero->GetFloorIndex(), c.dwHeroCell) << "cell " << c.dwCell;
    }
    EXPECT_EQ(Person(FIGHTER)->GetFloorIndex(), line[0]);
}
