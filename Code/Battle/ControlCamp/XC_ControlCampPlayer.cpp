#include "Code/Battle/ControlCamp/XC_ControlCampPlayer.h"

#include "Code/Battle/BattleWork/XC_PersonBattle.h"
#include "Code/Battle/BattleWork/XC_PersonMove.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_GameProcedure_Battle.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/Menu/BattleMenu/XC_BattleCoordinatedAttackMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "Code/Menu/BattleMenu/XC_BattleSkillMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleSystemMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleToolsMenu.h"
#include "Code/Menu/BattleMenu/XC_DisplayBattleCondition.h"
#include "Code/Menu/BattleMenu/XC_DisplayHitDmg.h"
#include "Code/Menu/BattleMenu/XC_DisplaySkillName.h"
#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"
#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"
#include "Code/Menu/BattleMenu/XC_PersonState.h"
#include "Code/XC_Game.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameText.h"
#include "Code/XC_GameTime.h"
#include "Code/XS_GameFloorColor.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Input/XC_InputOfKeyboard.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "GameProgram/Script/XC_Script.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlPersonEvolution.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"

#include <dinput.h>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD GF_DIRECT_ARROW = 152;
const char* const DIRECTION_ARROW_FILE = "Script\\PersonDirectionArrow.txt";
const float QUARTER_TURN = 1.5707964f;
const DWORD TEAM_BATTLE = 0x00000003;
const DWORD SKILL_SEALED_STATE = 42;
const DWORD MOVE_COST = 2;
const DWORD OPTION_WAIT_FRAMES = 5;
const DWORD NEXT_STATE_OF_COMMAND[XD_PersonCommandIdCount] = {
    PCS_MoveChooseFloor, PCS_Attack,     PCS_Skill,           PCS_Tools,
    PCS_Evolution,       PCS_Devolution, PCS_CoordinatedAttack, PCS_Wait,
};

void CheckCall(HRESULT hr, const char* szCall)
{
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(szCall, hr);
}

BOOL LeftPressed()
{
    return g_pMouseStateObj != nullptr && g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT);
}

BOOL RightPressed()
{
    return g_pMouseStateObj != nullptr && g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_RIGHT);
}

BOOL MouseMoved()
{
    return g_pMouseStateObj != nullptr && g_pMouseStateObj->IsMoved();
}

BOOL KeyPressed(DWORD dwKey)
{
    return g_pInputOfKeyboardObj != nullptr && g_pInputOfKeyboardObj->IsKeyPressed(dwKey);
}

BOOL KeyDown(DWORD dwKey)
{
    return g_pInputOfKeyboardObj != nullptr && g_pInputOfKeyboardObj->IsKeyDown(dwKey);
}

BOOL EitherKeyDown(DWORD dwLeft, DWORD dwRight)
{
    return KeyDown(dwLeft) || KeyDown(dwRight);
}

XC_PersonState* ActiveState()
{
    return g_pBattleMenuMenager != nullptr ? g_pBattleMenuMenager->m_pActivePersonState : nullptr;
}

XC_PersonState* PassiveState()
{
    return g_pBattleMenuMenager != nullptr ? g_pBattleMenuMenager->m_pPassivePersonState : nullptr;
}

void ShowPersonData(XC_PersonState* pWindow, JC_DataComponent* pPerson, BOOL bAtOnce)
{
    if (pWindow != nullptr)
        CheckCall(pWindow->SetPersonData(pPerson, bAtOnce), "SetPersonData( pDataComponentPerson )");
}

int RAPOf(XC_GamePerson* pPersonObj)
{
    return pPersonObj->GetControlPersonPower()->GetRAP();
}

} // namespace

XC_ControlCampPlayer::~XC_ControlCampPlayer()
{
    delete m_pPersonBattle;
    delete[] m_plTableDistance;
    delete[] m_plTableScope;
    for (LONG*& plTable : m_plTableLine)
        delete[] plTable;
    for (XC_ScriptSet& arrow : m_DirectionArrow)
        arrow.Fini();
    m_ArrowRoot.RemoveAllChildren();
}

// ---- Life of the turn ----

HRESULT XC_ControlCampPlayer::Init(DWORD dwCampID)
{
    HRESULT hr = XC_ControlCampBase::Init(dwCampID);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XC_ControlCampBase::Init( dwCampID )", hr);
        return hr;
    }
    if (g_pBattleMenuMenager == nullptr || g_pPersonManager == nullptr || g_pPersonManager->GetSceneObj() == nullptr) {
        XM_REPORT_FAILED("g_pBattleMenuMenager");
        return E_FAIL;
    }
    m_pPersonCommandMenu = g_pBattleMenuMenager->m_pPersonCommandMenu;
    XI_EnvironmentOfRender* const pEnvironment = g_pPersonManager->GetSceneObj()->GetEnvironmentOfRender();
    if (g_pGameFileName == nullptr || g_pGameFileName->GetFileName(GF_DIRECT_ARROW) == nullptr)
        XM_REPORT_FAILED("szDirectArrowAniName");
    XS_FileData* const pData = g_pPackFile_Data != nullptr ? g_pPackFile_Data->GetData(DIRECTION_ARROW_FILE) : nullptr;
    if (pData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("( %s ) failed", DIRECTION_ARROW_FILE));
        return E_FAIL;
    }
    for (DWORD i = 0; i < ARROW_COUNT; ++i) {
        XC_ScriptSet& arrow = m_DirectionArrow[i];
        CheckCall(arrow.Init(pEnvironment), "m_DirectionArrow[i].Init( pEnvironmentOfRender )");
        CheckCall(arrow.LoadScriptFromMemory(pData->pData, pData->dwSize),
                  "m_DirectionArrow[i].LoadScriptFromMemory( pData , dwSize )");
        m_ArrowRoot.AddChild(arrow.GetRenderNode());
        arrow.GetRenderNode()->SetRotationXYZ(0.0f, static_cast<float>(i) * QUARTER_TURN, 0.0f);
    }
    delete[] pData->pData;
    delete pData;
    return S_OK;
}

HRESULT XC_ControlCampPlayer::Begin(float fElapsedTime)
{
    const HRESULT hr = XC_ControlCampBase::Begin(fElapsedTime);
    if (m_dwCampPhase == PHASE_PROCEED && g_pMouseStateObj != nullptr) {
        g_pMouseStateObj->SetPosition(400.0f, 300.0f);
        ShowCursor();
    }
    return hr;
}

HRESULT XC_ControlCampPlayer::End(float fElapsedTime)
{
    if (m_pActionPersonObj != nullptr)
        m_pActionPersonObj->RestoreDirectionFromDataComponent();
    if (g_pBattleSceneController != nullptr) {
        g_pBattleSceneController->SetShowFocusFloor(0);
        CheckCall(g_pBattleSceneController->WorldCameraFollowPerson(nullptr),
                  "g_pBattleSceneController->WorldCameraFollowPerson( 0 )");
        g_pBattleSceneController->ClearShowFloor();
    }
    ClearStateWindows(1);
    if (g_pBattleMenuMenager != nullptr) {
        XC_BattleMenuMenager& menus = *g_pBattleMenuMenager;
        if (menus.m_pPersonCommandMenu != nullptr)
            menus.m_pPersonCommandMenu->SetFocusCommand(XC_PersonCommandMenu::NO_COMMAND);
        XC_RenderObjManager* const menusToHide[] = {
            menus.m_pPersonCommandMenu,  menus.m_pDisplayCampAndTurn, menus.m_pDisplaySkillName,
            menus.m_pDisplayBattleCondition, menus.m_pBattleToolsMenu, menus.m_pBattleSkillMenu,
            menus.m_pBattleCoordinatedAttackMenu, menus.m_pBattleSystemMenu, menus.m_pBattleExplain,
            menus.m_pDisplayHitDmg,
        };
        for (XC_RenderObjManager* pMenu : menusToHide)
            if (pMenu != nullptr)
                pMenu->SetShow(0);
    }
    const HRESULT hr = XC_ControlCampBase::End(fElapsedTime);
    if (SUCCEEDED(hr))
        HideCursor();
    return hr;
}

void XC_ControlCampPlayer::HideCursor()
{
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetVisible(0);
}

void XC_ControlCampPlayer::ShowCursor()
{
    if (g_pMouseObj == nullptr || g_pMouseStateObj == nullptr)
        return;
    g_pMouseObj->SetCursorPosition(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY());
    g_pMouseObj->SetVisible(1);
}

HRESULT XC_ControlCampPlayer::SetState(DWORD dwState)
{
    m_dwState = dwState;
    m_dwStep = 0;
    return S_OK;
}

// Escape counts as a right click; Z ends the turn from any state.
HRESULT XC_ControlCampPlayer::ProceedCamp(float fElapsedTime)
{
    if (g_pMouseObj != nullptr && g_pMouseStateObj != nullptr) {
        g_pMouseObj->SetVisible(1);
        if (MouseMoved())
            g_pMouseObj->SetCursorPosition(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY());
    }
    if (KeyPressed(DIK_ESCAPE) && g_pMouseStateObj != nullptr)
        g_pMouseStateObj->SetRightButtonPressed();
    if (KeyPressed(DIK_Z))
        return EndTurn(fElapsedTime);
    switch (m_dwState) {
    case PCS_ChooseNextPerson: return ChooseNextPerson(fElapsedTime);
    case PCS_IdleCursor: return IdleCursor(fElapsedTime);
    case PCS_SystemMenu: return SystemMenu(fElapsedTime);
    case PCS_EndTurn: return EndTurn(fElapsedTime);
    case PCS_TeamState: return TeamState(fElapsedTime);
    case PCS_BattleCondition: return BattleCondition(fElapsedTime);
    case PCS_Option: return Option(fElapsedTime);
    case PCS_CommandRing: return CommandRing(fElapsedTime);
    case PCS_MoveChooseFloor: return MoveChooseFloor(fElapsedTime);
    case PCS_MoveChooseFacing: return MoveChooseFacing(fElapsedTime);
    case PCS_Evolution: return Evolution(fElapsedTime);
    case PCS_Devolution: return Devolution(fElapsedTime);
    case PCS_Wait: return Wait(fElapsedTime);
    case PCS_Attack: return Attack(fElapsedTime);
    case PCS_Skill: return Skill(fElapsedTime);
    case PCS_Tools: return Tools(fElapsedTime);
    case PCS_CoordinatedAttack: return CoordinatedAttack(fElapsedTime);
    case PCS_ChooseTarget: return ChooseTarget(fElapsedTime);
    default:
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
}

// ---- Choosing a person ----

bool XC_ControlCampPlayer::FirstFrameOfChoice()
{
    if (m_dwStep != 0)
        return false;
    if (IsCampDone()) {
        SetCampPhase(PHASE_END);
        return true;
    }
    ++m_dwStep;
    if (m_pPersonCommandMenu != nullptr)
        m_pPersonCommandMenu->ResetCommandArc();
    return false;
}

HRESULT XC_ControlCampPlayer::ChooseNextPerson(float)
{
    if (m_lPersonTempIndex < 0
        || g_pPersonManager->GetPersonFromTeamIndex(static_cast<DWORD>(m_lPersonTempIndex)) == nullptr)
        m_pActionPersonObj = nullptr;
    if (FirstFrameOfChoice())
        return S_OK;
    XC_GamePerson* const pPersonObj = FindNextPerson();
    if (pPersonObj == nullptr) {
        // The next frame runs the camp-finished test again.
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        m_pActionPersonObj = nullptr;
        m_dwStep = 0;
        return S_OK;
    }
    SelectPerson(pPersonObj);
    return S_OK;
}

XC_GamePerson* XC_ControlCampPlayer::FindNextPerson()
{
    const BOOL bReverse = m_bReverse;
    m_bReverse = 0;
    XC_GamePerson* pPersonObj = WalkFrom(m_pActionPersonObj, bReverse);
    for (; pPersonObj != nullptr; pPersonObj = WalkFrom(pPersonObj, bReverse))
        if (CanChoose(pPersonObj))
            return pPersonObj;
    for (pPersonObj = WalkFrom(nullptr, bReverse); pPersonObj != nullptr; pPersonObj = WalkFrom(pPersonObj, bReverse))
        if (CanChoose(pPersonObj))
            return pPersonObj;
    return nullptr;
}

XC_GamePerson* XC_ControlCampPlayer::WalkFrom(XC_GamePerson* pFrom, BOOL bReverse) const
{
    XC_GamePerson* pNext = nullptr;
    if (bReverse)
        g_pPersonManager->GetPrevPerson(pFrom, &pNext);
    else
        g_pPersonManager->GetNextPerson(pFrom, &pNext);
    return pNext;
}

bool XC_ControlCampPlayer::CanChoose(XC_GamePerson* pPersonObj) const
{
    return static_cast<DWORD>(pPersonObj->GetControlPersonPower()->GetCamp(FALSE)) == m_dwCampID
           && RAPOf(pPersonObj) >= 1;
}

void XC_ControlCampPlayer::SelectPerson(XC_GamePerson* pPersonObj)
{
    m_pActionPersonObj = pPersonObj;
    m_lPersonTempIndex = static_cast<LONG>(pPersonObj->GetTeamIndex());
    SetState(PCS_CommandRing);
    float fTime = 0.0f;
    CheckCall(g_pBattleSceneController->MoveWorldCameraToPerson(pPersonObj, g_pGameTime->fCameraMoveSpeed, &fTime),
              "g_pBattleSceneController->MoveWorldCameraToPerson( m_pActionPersonObj , fCameraMoveSpeed , &fTime )");
    SetDelayTime(fTime + g_pGameTime->fPersonActionBegin);
}

void XC_ControlCampPlayer::ClearStateWindows(BOOL bAtOnce)
{
    ShowPersonData(ActiveState(), nullptr, bAtOnce);
    ShowPersonData(PassiveState(), nullptr, bAtOnce);
}

bool XC_ControlCampPlayer::TakeTab()
{
    if (!KeyPressed(DIK_TAB) || EitherKeyDown(DIK_LMENU, DIK_RMENU))
        return false;
    if (EitherKeyDown(DIK_LSHIFT, DIK_RSHIFT))
        m_bReverse = 1;
    return true;
}

HRESULT XC_ControlCampPlayer::IdleCursor(float fElapsedTime)
{
    if (FirstFrameOfChoice())
        return S_OK;
    if (g_bDebugMode && EitherKeyDown(DIK_LCONTROL, DIK_RCONTROL)) {
        DebugPersonKeys();
        return S_OK;
    }
    const BOOL bLeft = LeftPressed();
    const BOOL bRight = RightPressed();
    if (MouseMoved() || bLeft || bRight) {
        XC_GamePerson* pPersonObj = nullptr;
        if (!g_pBattleSceneController->PickPersonAtMouse(&pPersonObj) || pPersonObj == nullptr) {
            ShowPersonData(ActiveState(), nullptr, 0);
        } else if (bLeft && CanChoose(pPersonObj)) {
            SelectPerson(pPersonObj);
            return S_OK;
        } else if (bRight && g_pStateModuleDocumentObj != nullptr) {
            g_pStateModuleDocumentObj->SetOperateTeam(TEAM_BATTLE);
            if (pPersonObj->GetTeamIndex() < XE_FIRST_BATTLE_ONLY_INDEX) {
                g_pStateModuleDocumentObj->SetOperatePerson(pPersonObj->GetDataComponentPersonObj());
                CheckCall(g_pStateModuleDocumentObj->Enable(), "g_pStateModuleDocumentObj->Enable()");
                return S_OK;
            }
        } else {
            ShowPersonData(ActiveState(), pPersonObj->GetDataComponentPersonObj(), 0);
        }
    }
    if (bRight) {
        ClearStateWindows(0);
        return SetState(PCS_SystemMenu);
    }
    if (TakeTab())
        return SetState(PCS_ChooseNextPerson);
    return g_pBattleSceneController->PublicControlCamera(fElapsedTime, 1, 1, 1);
}

// ---- The system menu and the screens it opens ----

HRESULT XC_ControlCampPlayer::SystemMenu(float)
{
    XC_BattleSystemMenu* const pMenu = g_pBattleMenuMenager->m_pBattleSystemMenu;
    if (pMenu == nullptr) {
        XM_REPORT_FAILED("m_pBattleSystemMenu");
        return SetState(PCS_IdleCursor);
    }
    if (m_dwStep == 0) {
        pMenu->SetShow(1);
        pMenu->SetPositionXYZ(g_pMouseStateObj->GetX(), -g_pMouseStateObj->GetY(), 0.0f);
        pMenu->SetSelect(-1);
        if (g_pBattleMenuMenager->m_pDisplayBattleCondition != nullptr)
            g_pBattleMenuMenager->m_pDisplayBattleCondition->SetShow(0);
        m_dwStep = 1;
        return S_OK;
    }
    if (MouseMoved() || LeftPressed()) {
        g_pBattleSceneController->UpdateScreenMouseRay();
        const D3DXVECTOR3* const pOrigin = g_pBattleSceneController->GetMouseRayOrigin();
        int iIndex = -1;
        if (pMenu->HitTest(static_cast<int>(pOrigin->x), static_cast<int>(pOrigin->y), iIndex)) {
            pMenu->SetSelect(iIndex);
            if (LeftPressed()) {
                if (iIndex < 0 || iIndex > 3) {
                    XF_ReportError(s_szSourceFile, __LINE__, nullptr);
                    return S_OK;
                }
                pMenu->SetShow(0);
                return SetState(PCS_EndTurn + static_cast<DWORD>(iIndex));
            }
        } else {
            pMenu->SetSelect(-1);
        }
    }
    if (RightPressed()) {
        pMenu->SetShow(0);
        return SetState(PCS_IdleCursor);
    }
    return S_OK;
}

void XC_ControlCampPlayer::RunStayEvents(XC_GamePerson* pPersonObj)
{
    CheckCall(g_pBattleSceneController->Event_PersonStay(pPersonObj->GetTeamIndex()),
              "g_pBattleSceneController->Event_PersonStay( pPersonObj->GetTeamID() )");
}

HRESULT XC_ControlCampPlayer::EndTurn(float)
{
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj))
        if (CanChoose(pPersonObj))
            RunStayEvents(pPersonObj);
    SetCampPhase(PHASE_END);
    return S_OK;
}

HRESULT XC_ControlCampPlayer::TeamState(float)
{
    XC_GamePerson* pPersonObj = nullptr;
    if (!g_pPersonManager->GetNextPerson(nullptr, &pPersonObj) || pPersonObj == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager->GetNextPerson( 0 , pPersonObj )");
        return SetState(PCS_IdleCursor);
    }
    if (g_pStateModuleDocumentObj != nullptr) {
        g_pStateModuleDocumentObj->SetOperateTeam(TEAM_BATTLE);
        g_pStateModuleDocumentObj->SetOperatePerson(pPersonObj->GetDataComponentPersonObj());
        CheckCall(g_pStateModuleDocumentObj->Enable(), "g_pStateModuleDocumentObj->Enable()");
    }
    return SetState(PCS_IdleCursor);
}

HRESULT XC_ControlCampPlayer::BattleCondition(float)
{
    XC_DisplayBattleCondition* const pDisplay = g_pBattleMenuMenager->m_pDisplayBattleCondition;
    if (pDisplay == nullptr) {
        XM_REPORT_FAILED("m_pDisplayBattleCondition");
        return SetState(PCS_IdleCursor);
    }
    if (m_dwStep == 0) {
        JC_ControlScene& scene = gp_ControlManagerObj->m_ControlSceneObj;
        pDisplay->SetCondition(scene.GetWinCondition().c_str(), scene.GetLoseCondition().c_str());
        pDisplay->SetShow(1);
        m_dwStep = 1;
        return S_OK;
    }
    if (RightPressed()) {
        pDisplay->SetShow(0);
        return SetState(PCS_IdleCursor);
    }
    return S_OK;
}

// The screen opens after a few frames, once the menu's click is over.
HRESULT XC_ControlCampPlayer::Option(float)
{
    if (m_dwStep < OPTION_WAIT_FRAMES) {
        ++m_dwStep;
        return S_OK;
    }
    if (g_pOptionModuleDocument != nullptr)
        CheckCall(g_pOptionModuleDocument->Enable(), "g_pOptionModuleDocument->Enable()");
    return SetState(PCS_IdleCursor);
}

// ---- The command ring ----

HRESULT XC_ControlCampPlayer::CommandRing(float fElapsedTime)
{
    if (m_dwStep == 0)
        return OpenRing();
    if (LeftPressed() || MouseMoved()) {
        g_pBattleSceneController->UpdateScreenMouseRay();
        float fDistance = 0.0f;
        DWORD dwCommand = XC_PersonCommandMenu::NO_COMMAND;
        if (m_pPersonCommandMenu->HitTestCommand(g_pBattleSceneController->GetMouseRayOrigin(),
                                                 g_pBattleSceneController->GetMouseRayDirection(), &fDistance,
                                                 &dwCommand)) {
            m_pPersonCommandMenu->SetFocusCommand(dwCommand);
            if (LeftPressed()) {
                ChooseCommand(dwCommand);
                return S_OK;
            }
        } else {
            m_pPersonCommandMenu->SetFocusCommand(XC_PersonCommandMenu::NO_COMMAND);
        }
    }
    if (RightPressed()) {
        LeaveRing();
        return SetState(PCS_IdleCursor);
    }
    if (TakeTab()) {
        LeaveRing();
        return SetState(PCS_ChooseNextPerson);
    }
    return g_pBattleSceneController->PublicControlCamera(fElapsedTime, 1, 1, 0);
}

void XC_ControlCampPlayer::LeaveRing()
{
    m_pPersonCommandMenu->SetFocusCommand(XC_PersonCommandMenu::NO_COMMAND);
    m_pPersonCommandMenu->SetShow(0);
    CheckCall(g_pBattleSceneController->WorldCameraFollowPerson(nullptr),
              "g_pBattleSceneController->WorldCameraFollowPerson( 0 )");
    SetDelayTime(g_pGameTime->fPersonActionEnd);
}

void XC_ControlCampPlayer::ChooseCommand(DWORD dwCommand)
{
    DWORD dwState = PCS_Wait;
    if (dwCommand < XD_PersonCommandIdCount)
        dwState = NEXT_STATE_OF_COMMAND[dwCommand];
    else
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
    m_pPersonCommandMenu->SetShow(0);
    CheckCall(g_pBattleSceneController->WorldCameraFollowPerson(nullptr),
              "g_pBattleSceneController->WorldCameraFollowPerson( 0 )");
    SetState(dwState);
}

// A person that left the field or has no RAP hands the turn to the next one.
HRESULT XC_ControlCampPlayer::OpenRing()
{
    m_dwStep = 1;
    if (m_lPersonTempIndex < 0)
        XM_REPORT_FAILED("m_lPersonTempIndex >= 0");
    XC_GamePerson* const pPersonObj =
        m_lPersonTempIndex >= 0 ? g_pPersonManager->GetPersonFromTeamIndex(static_cast<DWORD>(m_lPersonTempIndex))
                                : nullptr;
    if (pPersonObj == nullptr)
        m_pActionPersonObj = nullptr;
    if (pPersonObj == nullptr || RAPOf(pPersonObj) == 0) {
        ShowPersonData(ActiveState(), nullptr, 1);
        SetDelayTime(g_pGameTime->fPersonActionEnd);
        return SetState(PCS_ChooseNextPerson);
    }
    m_pActionPersonObj = pPersonObj;
    m_pPersonCommandMenu->EnableAllCommands();
    MarkCommands();
    m_pPersonCommandMenu->SetShow(1);
    CheckCall(g_pBattleSceneController->WorldCameraFollowPerson(m_pActionPersonObj),
              "g_pBattleSceneController->WorldCameraFollowPerson( m_pActionPersonObj )");
    ShowPersonData(ActiveState(), m_pActionPersonObj->GetDataComponentPersonObj(), 0);
    SetDelayTime(g_pGameTime->fPersonActionInterval);
    g_pBattleSceneController->SetFocusFloorIndex(static_cast<LONG>(m_pActionPersonObj->GetFloorIndex()));
    g_pBattleSceneController->SetShowFocusFloor(1);
    return S_OK;
}

void XC_ControlCampPlayer::MarkCommands()
{
    JC_ControlPersonPower* const pPower = m_pActionPersonObj->GetControlPersonPower();
    const int iRAP = pPower->GetRAP();
    if (iRAP < static_cast<int>(MOVE_COST) || pPower->GetMove(FALSE) < 1)
        m_pPersonCommandMenu->DisableCommand(PCI_Move);
    if (iRAP < 2 || !pPower->HasHandRight())
        m_pPersonCommandMenu->DisableCommand(PCI_Attack);
    if (pPower->HasBehaviorState(SKILL_SEALED_STATE))
        m_pPersonCommandMenu->DisableCommand(PCI_Skill);
    if (iRAP < 1)
        m_pPersonCommandMenu->DisableCommand(PCI_Tools);
    bool bCanEvolve = pPower->GetEvolutionFlag() == 0 && pPower->GetEvolutionID() != 0;
    if (bCanEvolve) {
        JC_ControlPersonEvolution evolution;
        const DWORD dwResult = evolution.Initiation(pPower);
        if (static_cast<LONG>(dwResult) < 0)
            XM_REPORT_FAILED_HR("cControlPersonEvolutionObj.Initiation( &m_pActionPersonObj->GetControlPersonPower() )",
                                dwResult);
        bCanEvolve = dwResult == 0 && evolution.CanEvolution();
    }
    if (!bCanEvolve)
        m_pPersonCommandMenu->HideCommand(PCI_Evolution);
    if (pPower->GetEvolutionFlag() == 0)
        m_pPersonCommandMenu->HideCommand(PCI_Devolution);
    XC_BattleCoordinatedAttackMenu* const pCAMenu = g_pBattleMenuMenager->m_pBattleCoordinatedAttackMenu;
    if (pCAMenu != nullptr)
        CheckCall(pCAMenu->SetPerson(m_pActionPersonObj), "pCAMenu->SetPerson( m_pActionPersonObj )");
    if (pCAMenu == nullptr || !pCAMenu->HasItem())
        m_pPersonCommandMenu->HideCommand(PCI_CoordinatedAttack);
}

// ---- Move and facing ----

void XC_ControlCampPlayer::ReplaceTable(LONG*& plTable, LONG* plNew)
{
    delete[] plTable;
    plTable = plNew;
}

HRESULT XC_ControlCampPlayer::MoveChooseFloor(float fElapsedTime)
{
    if (m_dwStep == 0) {
        m_dwStep = 1;
        ShowPersonData(ActiveState(), nullptr, 0);
        ReplaceTable(m_plTableDistance,
                     g_pSceneTableManager->CloneTable(g_pSceneTableManager->BuildTableMoveScope(m_pActionPersonObj, -1)));
        CheckCall(g_pBattleSceneController->ShowMoveScopeTable(m_plTableDistance),
                  "g_pBattleSceneController->ShowMoveScopeTable( m_plTableDistance )");
        return S_OK;
    }
    if (RightPressed()) {
        g_pBattleSceneController->ClearShowFloor();
        return SetState(PCS_CommandRing);
    }
    if (LeftPressed() || MouseMoved()) {
        DWORD dwTargetFloorIndex = 0;
        const bool bReachable = g_pBattleSceneController->PickFloorAtMouse(&dwTargetFloorIndex, 0)
                                && m_plTableDistance != nullptr && m_plTableDistance[dwTargetFloorIndex] >= 0;
        g_pBattleSceneController->ClearShowFloor();
        if (bReachable && LeftPressed()) {
            StartMove(dwTargetFloorIndex);
            return S_OK;
        }
        g_pBattleSceneController->ShowMoveScopeTable(m_plTableDistance);
        if (bReachable)
            CheckCall(g_pBattleSceneObj->GetFloorer()->ShowFloor_DrawFloor(dwTargetFloorIndex,
                                                                            g_pGameFloorColor->dwMoveTarget),
                      "g_pBattleSceneObj->GetFloorer()->ShowFloor_DrawFloor( dwTargetFloorIndex , "
                      "g_pGameFloorColor->m_dwMoveTarget )");
    }
    return g_pBattleSceneController->PublicControlCamera(fElapsedTime, 1, 1, 1);
}

// The person walks now; the move is paid when its facing is confirmed.
void XC_ControlCampPlayer::StartMove(DWORD dwTargetFloorIndex)
{
    XC_PersonMove* const pMoveWorkObj = new XC_PersonMove;
    CheckCall(pMoveWorkObj->SetPerson(m_pActionPersonObj), "pMoveWorkObj->SetPerson( m_pActionPersonObj )");
    pMoveWorkObj->SetStartFloorIndex(m_pActionPersonObj->GetFloorIndex());
    pMoveWorkObj->SetTargetFloorIndex(dwTargetFloorIndex);
    CheckCall(g_pBattleSceneController->AddBattleWork(pMoveWorkObj, SW_Simplex),
              "g_pBattleSceneController->AddBattleWork( pMoveWorkObj , 1 )");
    m_lOriginFloorIndex = static_cast<LONG>(m_pActionPersonObj->GetFloorIndex());
    m_dwOriginFacing = m_pActionPersonObj->GetDirection();
    CheckCall(m_pActionPersonObj->SetFloorIndex(dwTargetFloorIndex, 0),
              "m_pActionPersonObj->SetFloorIndex( dwTargetFloorIndex , 0 )");
    g_pBattleSceneController->SetShowFocusFloor(0);
    SetState(PCS_MoveChooseFacing);
}

void XC_ControlCampPlayer::StartArrows(const char* szAction)
{
    for (XC_ScriptSet& arrow : m_DirectionArrow)
        if (arrow.GetScript(0) != nullptr)
            arrow.GetScript(0)->RunAction(szAction);
}

int XC_ControlCampPlayer::HitArrow()
{
    g_pBattleSceneController->UpdateWorldMouseRay();
    int iHit = -1;
    for (DWORD i = 0; i < ARROW_COUNT; ++i) {
        XC_Script* const pScript = m_DirectionArrow[i].GetScript(0);
        XC_RenderingObject* const pArrow =
            pScript != nullptr ? pScript->GetRenderObjManager()->GetRenderingObject(0) : nullptr;
        float fDistance = 0.0f;
        if (pArrow != nullptr
            && pArrow->Pick(g_pBattleSceneController->GetMouseRayOrigin(),
                            g_pBattleSceneController->GetMouseRayDirection(), &fDistance))
            iHit = static_cast<int>(i);
    }
    return iHit;
}

HRESULT XC_ControlCampPlayer::MoveChooseFacing(float fElapsedTime)
{
    if (m_dwStep == 0) {
        m_dwStep = 1;
        StartArrows("[Normal]");
        m_ArrowRoot.SetPosition(m_pActionPersonObj->QueryWorldPosition());
        XC_Script* const pScript = m_DirectionArrow[m_pActionPersonObj->GetDirection() % ARROW_COUNT].GetScript(0);
        if (pScript != nullptr)
            pScript->RunAction("[Action]");
    }
    if (LeftPressed() || MouseMoved()) {
        const int iArrow = HitArrow();
        if (iArrow >= 0 && static_cast<DWORD>(iArrow) != m_pActionPersonObj->GetDirection()) {
            StartArrows("[Normal]");
            m_DirectionArrow[iArrow].GetScript(0)->RunAction("[Action]");
            m_pActionPersonObj->SetDirection(static_cast<DWORD>(iArrow));
        }
    }
    if (LeftPressed()) {
        ConfirmFacing();
        return S_OK;
    }
    if (RightPressed()) {
        UndoMove();
        return S_OK;
    }
    return g_pBattleSceneController->PublicControlCamera(fElapsedTime, 1, 1, 1);
}

void XC_ControlCampPlayer::ConfirmFacing()
{
    JC_ControlPersonPower* const pPower = m_pActionPersonObj->GetControlPersonPower();
    pPower->SetFace(static_cast<int>(m_pActionPersonObj->GetDirection()));
    pPower->SetRAP(pPower->GetRAP() - static_cast<int>(MOVE_COST));
    StartArrows("[Close]");
    SetState(PCS_CommandRing);
}

// Back on the cell it came from, facing as before, with its RAP.
void XC_ControlCampPlayer::UndoMove()
{
    CheckCall(m_pActionPersonObj->SetFloorIndex(static_cast<DWORD>(m_lOriginFloorIndex), 1),
              "m_pActionPersonObj->SetFloorIndex( m_lOriginFloorIndex , 1 )");
    m_pActionPersonObj->SetDirection(m_dwOriginFacing);
    m_pActionPersonObj->GetControlPersonPower()->SetFace(static_cast<int>(m_dwOriginFacing));
    StartArrows("[Close]");
    SetState(PCS_CommandRing);
}

// ---- Evolution, devolution and waiting ----

HRESULT XC_ControlCampPlayer::Evolution(float)
{
    JC_ControlPersonEvolution evolution;
    if (evolution.Initiation(m_pActionPersonObj->GetControlPersonPower()) != 0) {
        XF_ReportError(s_szSourceFile, __LINE__, "DecideEvolution , cControlPersonEvolutionObj.Initiation , Error");
        return SetState(PCS_CommandRing);
    }
    if (!evolution.CanEvolution()) {
        XF_ReportError(s_szSourceFile, __LINE__, "DecideEvolution Error");
        return SetState(PCS_CommandRing);
    }
    if (evolution.Evolution() != 0) {
        XF_ReportError(s_szSourceFile, __LINE__, "DecideEvolution , cControlPersonEvolutionObj.Evolution() , Error");
        return SetState(PCS_CommandRing);
    }
    RebuildPerson();
    return SetState(PCS_CommandRing);
}

HRESULT XC_ControlCampPlayer::Devolution(float)
{
    JC_ControlPersonEvolution evolution;
    DWORD dwResult = evolution.Initiation(m_pActionPersonObj->GetControlPersonPower());
    if (dwResult != 0) {
        XM_REPORT_FAILED_HR("cControlPersonEvolutionObj.Initiation( &m_pActionPersonObj->GetControlPersonPower() )",
                            dwResult);
        return SetState(PCS_CommandRing);
    }
    dwResult = evolution.Devolution();
    if (dwResult != 0) {
        XM_REPORT_FAILED_HR("cControlPersonEvolutionObj.Devolution()", dwResult);
        return SetState(PCS_CommandRing);
    }
    RebuildPerson();
    return SetState(PCS_CommandRing);
}

void XC_ControlCampPlayer::RebuildPerson()
{
    JC_DataComponent* const pDataComponent = m_pActionPersonObj->GetDataComponentPersonObj();
    CheckCall(m_pActionPersonObj->Init(pDataComponent, g_pPersonManager->GetFloorer()),
              "m_pActionPersonObj->Init( pDataComponent , pFloorer )");
    CheckCall(m_pActionPersonObj->UpdateLifeState(), "m_pActionPersonObj->UpdateLifeState( )");
    CheckCall(m_pActionPersonObj->UpdatePersonStateFromData(), "m_pActionPersonObj->UpdatePersonStateFromData( )");
    ShowPersonData(ActiveState(), pDataComponent, 1);
}

HRESULT XC_ControlCampPlayer::Wait(float)
{
    RunStayEvents(m_pActionPersonObj);
    return SetState(PCS_CommandRing);
}

// ---- Debug keys ----

void XC_ControlCampPlayer::DebugPersonKeys()
{
    const DWORD overrideKeys[] = {DIK_COMMA, DIK_PERIOD, DIK_SLASH};
    for (DWORD i = 0; i < 3; ++i) {
        if (g_pInputOfKeyboardObj->IsAnyKeyChanged() && KeyPressed(overrideKeys[i])) {
            XC_PersonBattle::SetResultOverride(i);
            return;
        }
    }
    if (LeftPressed()) {
        XC_GamePerson* pPersonObj = nullptr;
        if (g_pBattleSceneController->PickPersonAtMouse(&pPersonObj) && pPersonObj != nullptr)
            ChangePersonByKey(pPersonObj);
    }
}

void XC_ControlCampPlayer::ChangePersonByKey(XC_GamePerson* pPersonObj)
{
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    JC_OperatorPerson person;
    person.Initiation(gp_DataManagerObj);
    person.SetDataConponent(pPersonObj->GetDataComponentPersonObj());
    const BOOL bShift = EitherKeyDown(DIK_LSHIFT, DIK_RSHIFT);
    if (KeyDown(DIK_D) && bShift) {
        if (pPersonObj == m_pActionPersonObj)
            m_pActionPersonObj = nullptr;
        ClearStateWindows(1);
        g_pBattleSceneController->ExecutePersonDieNoBodyScript(pPersonObj);
        g_pPersonManager->DelPersonFromTeamIndex(pPersonObj->GetTeamIndex());
    } else if (KeyDown(DIK_D)) {
        pPower->SetHP(1);
        pPersonObj->UpdateLifeState();
    } else if (KeyDown(DIK_H)) {
        if (bShift)
            person.SetMaxHP(999999);
        if (pPower->GetLifeState() == static_cast<int>(DF_LifeState_Dead))
            pPower->SetLifeState(static_cast<int>(DF_LifeState_Live));
        pPower->SetHP(pPower->GetMaxHP());
        pPersonObj->UpdateLifeState();
    } else if (KeyDown(DIK_R)) {
        if (bShift)
            person.SetMaxRAP(9);
        pPower->SetRAP(pPower->GetMaxRAP());
    } else if (KeyDown(DIK_S)) {
        if (bShift)
            person.SetMaxSP(999999);
        pPower->SetSP(pPower->GetMaxSP());
    } else if (KeyDown(DIK_M)) {
        pPower->SetMorale(pPower->GetMaxMorale());
    }
}

// ---- Actions and the choice of their target ----

XC_PersonBattle* XC_ControlCampPlayer::NewPersonBattle()
{
    delete m_pPersonBattle;
    m_pPersonBattle = new XC_PersonBattle;
    return m_pPersonBattle;
}

HRESULT XC_ControlCampPlayer::Attack(float)
{
    NewPersonBattle()->InitAttack(m_pActionPersonObj);
    m_lActionCost = 2;
    return SetState(PCS_ChooseTarget);
}

bool XC_ControlCampPlayer::TakeListChoice(XC_BattleToolsMenu* pMenu, XS_ListItem& sListItem)
{
    CheckCall(pMenu->UpdateMenu(), "UpdateMenu( )");
    if (!LeftPressed())
        return false;
    const int iItemIndex = pMenu->GetFocusItem();
    if (iItemIndex < 0)
        return false;
    if (FAILED(pMenu->GetItem(iItemIndex, sListItem))) {
        XM_REPORT_FAILED("GetItem( iItemIndex , sListItem )");
        return false;
    }
    return true;
}

// The cost of a skill is its RAP condition; a disabled row is no choice.
bool XC_ControlCampPlayer::PrepareSkill(const XS_ListItem& sListItem)
{
    if (sListItem.bDisable)
        return false;
    JC_ControlSkill skill;
    XC_BattleSkillMenu::StartSkillControl(skill, s_szSourceFile);
    const DWORD dwResult = skill.SetDataConponentByKey(sListItem.dwData1);
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("ControlSkillObj.SetDataConponent( sListItem.dwData1 )", dwResult);
    m_lActionCost = skill.GetUseConditionRAP();
    NewPersonBattle()->InitEffectSkill(m_pActionPersonObj, sListItem.dwData1);
    return true;
}

HRESULT XC_ControlCampPlayer::LeaveListMenu(XC_BattleToolsMenu* pMenu)
{
    pMenu->SetShow(0);
    return SetState(PCS_CommandRing);
}

HRESULT XC_ControlCampPlayer::Skill(float)
{
    XC_BattleSkillMenu* const pMenu = g_pBattleMenuMenager->m_pBattleSkillMenu;
    if (pMenu == nullptr) {
        XM_REPORT_FAILED("pBattlekillMenu");
        return SetState(PCS_CommandRing);
    }
    if (m_dwStep == 0) {
        CheckCall(pMenu->LoadSkillItem(m_pActionPersonObj), "pBattlekillMenu->SetPerson( m_pActionPersonObj )");
        pMenu->SetShow(1);
        m_dwStep = 1;
        return S_OK;
    }
    XS_ListItem sListItem;
    if (TakeListChoice(pMenu, sListItem) && PrepareSkill(sListItem)) {
        pMenu->SetShow(0);
        return SetState(PCS_ChooseTarget);
    }
    return RightPressed() ? LeaveListMenu(pMenu) : S_OK;
}

HRESULT XC_ControlCampPlayer::Tools(float)
{
    XC_BattleToolsMenu* const pMenu = g_pBattleMenuMenager->m_pBattleToolsMenu;
    if (pMenu == nullptr) {
        XM_REPORT_FAILED("pBattleToolsMenu");
        return SetState(PCS_CommandRing);
    }
    if (m_dwStep == 0) {
        CheckCall(pMenu->LoadTools(), "pBattleToolsMenu->LoadTools( )");
        pMenu->SetShow(1);
        m_dwStep = 1;
        return S_OK;
    }
    XS_ListItem sListItem;
    if (TakeListChoice(pMenu, sListItem)) {
        NewPersonBattle()->InitEffectTool(m_pActionPersonObj, sListItem.dwData1);
        pMenu->SetShow(0);
        m_lActionCost = 1;
        return SetState(PCS_ChooseTarget);
    }
    return RightPressed() ? LeaveListMenu(pMenu) : S_OK;
}

HRESULT XC_ControlCampPlayer::CoordinatedAttack(float)
{
    XC_BattleCoordinatedAttackMenu* const pMenu = g_pBattleMenuMenager->m_pBattleCoordinatedAttackMenu;
    if (pMenu == nullptr) {
        XM_REPORT_FAILED("pCAMenu");
        return SetState(PCS_CommandRing);
    }
    if (m_dwStep == 0) {
        pMenu->SetShow(1);
        m_dwStep = 1;
        return S_OK;
    }
    XS_ListItem sListItem;
    if (TakeListChoice(pMenu, sListItem) && PrepareSkill(sListItem)) {
        CheckCall(m_pPersonBattle->AddActivePerson(reinterpret_cast<XC_GamePerson*>(sListItem.dwData2)),
                  "m_pPersonBattle->AddActivePerson( (XC_GamePerson*)sListItem.dwData2 )");
        pMenu->SetShow(0);
        return SetState(PCS_ChooseTarget);
    }
    return RightPressed() ? LeaveListMenu(pMenu) : S_OK;
}

HRESULT XC_ControlCampPlayer::ChooseTarget(float fElapsedTime)
{
    const XS_BattleTargetInfo* const pInfo = m_pPersonBattle != nullptr ? m_pPersonBattle->GetBattleTargetInfo() : nullptr;
    const DWORD dwScopeType = pInfo != nullptr ? pInfo->dwScopeType : 0;
    HRESULT hr = S_OK;
    switch (dwScopeType) {
    case 1:
    case 2:
    case 4:
    case 5:
        hr = ChooseArea();
        break;
    case 8:
        XF_ReportError(s_szSourceFile, __LINE__, "LinePoint 直線單體不應該出現 以直線射擊(LineShoot)取代");
        [[fallthrough]];
    case 6:
    case 7:
        hr = ChooseLine();
        break;
    case 9:
        hr = ChooseRelocation();
        break;
    default:
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("dwScopeType %u", static_cast<unsigned>(dwScopeType)));
        return E_FAIL;
    }
    g_pBattleSceneController->PublicControlCamera(fElapsedTime, 1, 1, 0);
    return hr;
}

// The table takes absolute heights: a distance's from the actor's cell, a
// scope's from its centre cell.
LONG* XC_ControlCampPlayer::BuildAttackScope(LONG lCenter, DWORD dwScopeType, DWORD dwFacing, LONG lNear, LONG lFar,
                                            bool bDistance)
{
    const XS_BattleTargetInfo& info = *m_pPersonBattle->GetBattleTargetInfo();
    float fHigh = info.fDistanceAbsHeightHigh;
    float fLow = info.fDistanceAbsHeightLow;
    if (!bDistance) {
        const float fCenterHeight = m_pFloorer->GetFloorHeight(static_cast<DWORD>(lCenter));
        fHigh = fCenterHeight + info.fScopeHeightHigh;
        fLow = fCenterHeight + info.fScopeHeightLow;
    }
    return g_pSceneTableManager->CloneTable(
        g_pSceneTableManager->BuildTableAttackScope(lCenter, dwScopeType, dwFacing, lNear, lFar, fHigh, fLow));
}

void XC_ControlCampPlayer::ReleaseTargetTables()
{
    ReplaceTable(m_plTableDistance, nullptr);
    ReplaceTable(m_plTableScope, nullptr);
}

LONG XC_ControlCampPlayer::PickShownFloor()
{
    DWORD dwFloorIndex = 0;
    return g_pBattleSceneController->PickFloorAtMouse(&dwFloorIndex, 1) ? static_cast<LONG>(dwFloorIndex) : -1;
}

void XC_ControlCampPlayer::HideHoverFeedback(BOOL bClearPassive)
{
    if (bClearPassive)
        ShowPersonData(PassiveState(), nullptr, 0);
    if (g_pBattleMenuMenager->m_pDisplayHitDmg != nullptr)
        g_pBattleMenuMenager->m_pDisplayHitDmg->Hide();
}

// The person the action would reach: its state and the expected hit and damage.
void XC_ControlCampPlayer::ShowHoverFeedback(const LONG* plTableScope)
{
    XC_GamePerson* pPersonObj = nullptr;
    if (!m_pPersonBattle->FindNearestTarget(plTableScope, &pPersonObj) || pPersonObj == nullptr) {
        HideHoverFeedback(1);
        return;
    }
    ShowPersonData(PassiveState(), pPersonObj->GetDataComponentPersonObj(), 0);
    LONG lHit = 0;
    LONG lDmg = 0;
    const HRESULT hr = m_pPersonBattle->ComputeHitDmg(pPersonObj, lHit, lDmg);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pPersonBattle->ComputeHitDmg( pPersonObj , lHit , lDmg )", hr);
    if (g_pBattleMenuMenager->m_pDisplayHitDmg != nullptr)
        g_pBattleMenuMenager->m_pDisplayHitDmg->SetHitDmg(static_cast<int>(lHit), static_cast<int>(lDmg));
}

// The work goes to the scene controller; the RAP is paid now.
void XC_ControlCampPlayer::ConfirmTarget(DWORD dwTargetFloorIndex, BOOL bHideHitDmg)
{
    m_pPersonBattle->SetTargetFloorIndex(dwTargetFloorIndex);
    CheckCall(g_pBattleSceneController->AddBattleWork(m_pPersonBattle, SW_Simplex),
              "g_pBattleSceneController->AddBattleWork( m_pPersonBattle , 1 )");
    m_pPersonBattle = nullptr;
    g_pBattleSceneController->ClearShowFloor();
    ClearStateWindows(1);
    if (bHideHitDmg && g_pBattleMenuMenager->m_pDisplayHitDmg != nullptr)
        g_pBattleMenuMenager->m_pDisplayHitDmg->Hide();
    JC_ControlPersonPower* const pPower = m_pActionPersonObj->GetControlPersonPower();
    pPower->SetRAP(pPower->GetRAP() - m_lActionCost);
    g_pBattleSceneController->SetShowFocusFloor(0);
    SetState(PCS_CommandRing);
}

// Nothing is spent.
void XC_ControlCampPlayer::CancelTarget()
{
    m_pActionPersonObj->RestoreDirectionFromDataComponent();
    g_pBattleSceneController->ClearShowFloor();
    HideHoverFeedback(1);
    delete m_pPersonBattle;
    m_pPersonBattle = nullptr;
    SetState(PCS_CommandRing);
}

HRESULT XC_ControlCampPlayer::ChooseArea()
{
    const XS_BattleTargetInfo& info = *m_pPersonBattle->GetBattleTargetInfo();
    const LONG lOwnFloor = static_cast<LONG>(m_pActionPersonObj->GetFloorIndex());
    const DWORD dwFacing = m_pActionPersonObj->GetDirection();
    if (m_dwStep == 0) {
        m_dwStep = 1;
        m_lTargetFloorIndex = -1;
        ReleaseTargetTables();
        m_plTableDistance = BuildAttackScope(lOwnFloor, 1, dwFacing, info.lDistanceNear, info.lDistanceFar, true);
        g_pBattleSceneController->ShowAttackDistanceTable(m_plTableDistance);
    }
    if (MouseMoved()) {
        g_pBattleSceneController->ClearShowFloor();
        g_pBattleSceneController->ShowAttackDistanceTable(m_plTableDistance);
        const LONG lFloor = PickShownFloor();
        if (lFloor < 0) {
            m_lTargetFloorIndex = -1;
            HideHoverFeedback(1);
        } else {
            if (lFloor != m_lTargetFloorIndex) {
                m_lTargetFloorIndex = lFloor;
                m_pActionPersonObj->LookTarget(static_cast<DWORD>(lFloor), 0);
                ReplaceTable(m_plTableScope, BuildAttackScope(lFloor, info.dwScopeType, dwFacing, info.lScopeNear,
                                                              info.lScopeLevel, false));
            }
            g_pBattleSceneController->ShowAttackScopeTable(m_plTableScope);
            ShowHoverFeedback(m_plTableScope);
        }
    }
    if (m_lTargetFloorIndex != -1 && LeftPressed() && m_pPersonBattle->SelectTargets(m_plTableScope) == S_OK) {
        m_pActionPersonObj->LookTarget(static_cast<DWORD>(m_lTargetFloorIndex), 1);
        ConfirmTarget(static_cast<DWORD>(m_lTargetFloorIndex), 1);
        return S_OK;
    }
    if (RightPressed())
        CancelTarget();
    return S_OK;
}

HRESULT XC_ControlCampPlayer::ChooseLine()
{
    const XS_BattleTargetInfo& info = *m_pPersonBattle->GetBattleTargetInfo();
    if (m_dwStep == 0) {
        m_dwStep = 1;
        m_lTargetFloorIndex = -1;
        const LONG lOwnFloor = static_cast<LONG>(m_pActionPersonObj->GetFloorIndex());
        for (DWORD d = 0; d < ARROW_COUNT; ++d) {
            ReplaceTable(m_plTableLine[d], BuildAttackScope(lOwnFloor, 7, d, info.lScopeNear, info.lScopeLevel, false));
            g_pBattleSceneController->ShowAttackDistanceTable(m_plTableLine[d]);
        }
    }
    if (RightPressed()) {
        CancelTarget();
        return S_OK;
    }
    if (!MouseMoved() && !LeftPressed())
        return S_OK;
    const LONG lFloor = PickShownFloor();
    if (lFloor < 0 || (!LeftPressed() && lFloor == m_lTargetFloorIndex))
        return S_OK;
    m_lTargetFloorIndex = lFloor;
    m_pActionPersonObj->LookTarget(static_cast<DWORD>(lFloor), 0);
    g_pBattleSceneController->ClearShowFloor();
    for (DWORD d = 0; d < ARROW_COUNT; ++d) {
        const LONG* const plLine = m_plTableLine[d];
        if (plLine == nullptr || plLine[lFloor] == -1) {
            g_pBattleSceneController->ShowAttackDistanceTable(plLine);
            continue;
        }
        if (LeftPressed() && m_pPersonBattle->SelectTargets(plLine) == S_OK) {
            DWORD dwTarget = static_cast<DWORD>(lFloor);
            // The first person on the line is hit, wherever the click was.
            if (info.dwScopeType == XE_SCOPE_NEAREST) {
                XC_GamePerson* const pFirst = m_pPersonBattle->GetPassivePerson(0);
                if (pFirst == nullptr)
                    XM_REPORT_FAILED("m_pPersonBattle->GetPassivePerson( 0 )");
                else
                    dwTarget = pFirst->GetFloorIndex();
            }
            m_pActionPersonObj->LookTarget(dwTarget, 1);
            ConfirmTarget(dwTarget, 1);
            return S_OK;
        }
        g_pBattleSceneController->ShowAttackScopeTable(plLine);
        ShowHoverFeedback(plLine);
    }
    return S_OK;
}

// Sub-steps: 0 start, 10 self or not, 11-12 choose the person, 20-21 choose
// where it goes.
HRESULT XC_ControlCampPlayer::ChooseRelocation()
{
    const XS_BattleTargetInfo& info = *m_pPersonBattle->GetBattleTargetInfo();
    XC_BattleExplain* const pExplain = g_pBattleMenuMenager->m_pBattleExplain;
    const LONG lOwnFloor = static_cast<LONG>(m_pActionPersonObj->GetFloorIndex());
    const DWORD dwFacing = m_pActionPersonObj->GetDirection();
    if (m_dwStep == 0) {
        m_lTargetFloorIndex = -1;
        ReleaseTargetTables();
        if (pExplain != nullptr)
            pExplain->SetShow(1);
        m_pPersonBattle->ClearPassivePerson();
        g_pBattleSceneController->ClearShowFloor();
        m_dwStep = 10;
    }
    if (m_dwStep == 10) {
        if (info.lDistanceFar == 0) {
            CheckCall(m_pPersonBattle->AddPassivePerson(m_pActionPersonObj),
                      "m_pPersonBattle->AddPassivePerson( m_pActionPersonObj )");
            m_dwStep = 20;
        } else {
            m_dwStep = 11;
        }
    }
    if (m_dwStep == 11) {
        ReleaseTargetTables();
        m_plTableDistance = BuildAttackScope(lOwnFloor, 1, dwFacing, info.lDistanceNear, info.lDistanceFar, true);
        g_pBattleSceneController->ShowAttackDistanceTable(m_plTableDistance);
        if (pExplain != nullptr && g_pGameText != nullptr)
            CheckCall(pExplain->SetMessage(g_pGameText->GetText(12)), "SetMessage( szText )");
        m_dwStep = 12;
        return S_OK;
    }
    if (m_dwStep == 20) {
        ReleaseTargetTables();
        m_plTableDistance = BuildAttackScope(lOwnFloor, 1, dwFacing, info.lScopeNear, info.lScopeLevel, false);
        const LONG* const plTablePerson = g_pSceneTableManager->BuildTableAllPerson();
        if (plTablePerson == nullptr)
            XM_REPORT_FAILED("plTablePerson");
        // Occupied cells are never destinations.
        for (DWORD i = 0; plTablePerson != nullptr && m_plTableDistance != nullptr && i < m_pFloorer->GetFloorsCount(); ++i)
            if (plTablePerson[i] >= 0)
                m_plTableDistance[i] = -1;
        g_pBattleSceneController->ShowAttackDistanceTable(m_plTableDistance);
        if (pExplain != nullptr && g_pGameText != nullptr)
            CheckCall(pExplain->SetMessage(g_pGameText->GetText(13)), "SetMessage( szText )");
        m_lTargetFloorIndex = -1;
        m_dwStep = 21;
        return S_OK;
    }
    const bool bChoosingPerson = m_dwStep == 12;
    if (MouseMoved()) {
        g_pBattleSceneController->ClearShowFloor();
        g_pBattleSceneController->ShowAttackDistanceTable(m_plTableDistance);
        const LONG lFloor = PickShownFloor();
        if (lFloor < 0) {
            m_lTargetFloorIndex = -1;
            if (bChoosingPerson)
                ShowPersonData(PassiveState(), nullptr, 0);
        } else {
            if (lFloor != m_lTargetFloorIndex) {
                m_lTargetFloorIndex = lFloor;
                m_pActionPersonObj->LookTarget(static_cast<DWORD>(lFloor), 0);
                ReplaceTable(m_plTableScope, g_pSceneTableManager->CloneTable(g_pSceneTableManager->GetNewTable(-1)));
                m_plTableScope[lFloor] = 0;
            }
            g_pBattleSceneController->ShowAttackScopeTable(m_plTableScope);
        }
    }
    if (m_lTargetFloorIndex != -1 && LeftPressed()) {
        if (bChoosingPerson) {
            if (m_pPersonBattle->SelectTargets(m_plTableScope) == S_OK)
                m_dwStep = 20;
            return S_OK;
        }
        if (m_plTableDistance[m_lTargetFloorIndex] < 0)
            return S_OK;
        const DWORD dwTarget = static_cast<DWORD>(m_lTargetFloorIndex);
        m_pActionPersonObj->LookTarget(dwTarget, 1);
        if (m_pPersonBattle->GetPassivePersonCount() != 1)
            XM_REPORT_FAILED("m_pPersonBattle->GetPassivePersonCount() == 1");
        // Only the first person chosen moves.
        XC_GamePerson* const pMoved = m_pPersonBattle->GetPassivePerson(0);
        if (m_pPersonBattle->GetPassivePersonCount() > 1) {
            m_pPersonBattle->ClearPassivePerson();
            m_pPersonBattle->AddPassivePerson(pMoved);
        }
        if (pMoved != nullptr && !pMoved->GetControlPersonPower()->IsStateImmune(53)) {
            CheckCall(pMoved->SetPersonState(XE_PERSON_STATE_NONE), "pPassivePersonObj->SetPersonState( -1 )");
            CheckCall(pMoved->SetFloorIndex(dwTarget, 0), "pPassivePersonObj->SetFloorIndex( lTargetFloorIndex , 0 )");
        }
        ConfirmTarget(dwTarget, 0);
        if (pExplain != nullptr)
            pExplain->SetShow(0);
        return S_OK;
    }
    if (!RightPressed())
        return S_OK;
    if (m_dwStep == 21 && info.lDistanceFar != 0) {
        m_dwStep = 0;
        return S_OK;
    }
    m_pActionPersonObj->RestoreDirectionFromDataComponent();
    g_pBattleSceneController->ClearShowFloor();
    if (pExplain != nullptr)
        pExplain->SetShow(0);
    return SetState(PCS_CommandRing);
}
