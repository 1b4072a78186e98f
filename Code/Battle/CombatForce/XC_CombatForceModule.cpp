#include "Code/Battle/CombatForce/XC_CombatForceModule.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "Code/Menu/BattleMenu/XC_ListMenu.h"
#include "Code/Menu/BattleMenu/XC_PersonState.h"
#include "Code/MessageBox/XC_MessageBox.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameScriptCommand.h"
#include "Code/XC_GameText.h"
#include "Code/XC_GameTime.h"
#include "Code/XI_GameMedia.h"
#include "Code/XS_GameFloorColor.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/DirectShow/XC_ShowAudio.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Module/XC_RenderModule.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptResource.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

#include <cstdio>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static XC_CombatForceModule s_CombatForceModule XM_INIT_ORDER(XE_INIT_COMBAT_FORCE_MODULE);
XC_CombatForceModule* g_pCombatForceModule = &s_CombatForceModule;

namespace {

const DWORD SCREEN_RENDER_GROUP = 71;
const DWORD TEXT_COLOR = 0xFFFFFFFF;
const DWORD TEXT_TITLE = 8;
const DWORD TEXT_QUESTION = 9;
const DWORD FILE_MUSIC = 126;
const DWORD FILE_OUTFALL_SCRIPT = 207;
const DWORD FILE_CANCEL_SCRIPT = 208;
const unsigned MUSIC_INDEX = 91;
// Party members are kept below this team index; persons of the player's
// side below the next; enemies from 300 to 499.
const int PARTY_INDEX_END = 298;
const int PLAYER_SIDE_END = 200;
const DWORD ENEMY_FIRST = 300;
const DWORD ENEMY_LAST = 499;
const float COUNTER_SCALE = 1.5f;

const char* GameFileName(DWORD dwID)
{
    return g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(dwID) : nullptr;
}

const char* GameText(DWORD dwID)
{
    const char* const szText = g_pGameText != nullptr ? g_pGameText->GetText(dwID) : nullptr;
    return szText != nullptr ? szText : "";
}

JC_ControlTeam* ControlTeam()
{
    return gp_ControlManagerObj != nullptr ? &gp_ControlManagerObj->m_ControlTeamObj : nullptr;
}

JC_DataComponent* PartyRecord(DWORD dwTeamIndex)
{
    JC_DataComponent* pRecord = nullptr;
    JC_ControlTeam* const pTeam = ControlTeam();
    if (pTeam == nullptr || pTeam->GetPersonFromTeam(TeamID::TEAMID_OUR, static_cast<int>(dwTeamIndex), pRecord) != 0)
        return nullptr;
    return pRecord;
}

XC_ShowAudio* BackgroundMusic()
{
    XI_GameMedia* const pGame = XC_GameScriptCommand::GetGame();
    return pGame != nullptr ? pGame->GetBackgroundMusicObj() : nullptr;
}

XC_Floorer* Floorer()
{
    XC_Floorer* const pFloorer = g_pPersonManager != nullptr ? g_pPersonManager->GetFloorer() : nullptr;
    if (pFloorer == nullptr)
        XM_REPORT_FAILED("pFloorer");
    return pFloorer;
}

bool IsMouseMoved()
{
    return g_pMouseStateObj != nullptr && g_pMouseStateObj->IsMoved();
}

bool IsPressed(XC_MouseState::Button eButton)
{
    return g_pMouseStateObj != nullptr && g_pMouseStateObj->IsButtonPressed(eButton);
}

} // namespace

XC_CombatForceModule::XC_CombatForceModule()
{
    SetShowLowerModule(TRUE);
}

XC_CombatForceModule::~XC_CombatForceModule()
{
    DestroyResource();
}

HRESULT XC_CombatForceModule::SetModuleManager(XC_ModuleManager* pModuleManager)
{
    const HRESULT hr = XC_ModuleBase::SetModuleManager(pModuleManager);
    if (SUCCEEDED(hr))
        m_pModuleManager = pModuleManager;
    return hr;
}

HRESULT XC_CombatForceModule::SetBattleObj(XC_RenderModule* pBattleObj)
{
    if (pBattleObj == nullptr) {
        XM_REPORT_FAILED("pBattleObj");
        return E_FAIL;
    }
    m_pBattleObj = pBattleObj;
    return S_OK;
}

XI_EnvironmentOfRender* XC_CombatForceModule::Environment() const
{
    return m_pBattleObj != nullptr ? m_pBattleObj->GetEnvironmentOfRender() : nullptr;
}

HRESULT XC_CombatForceModule::BuildResource()
{
    // A screen opened again replaces the one before.
    DestroyResource();
    XI_EnvironmentOfRender* const pEnvironment = Environment();
    if (pEnvironment == nullptr) {
        XM_REPORT_FAILED("m_pBattleObj");
        return E_FAIL;
    }
    m_pRenderObjManager = new XC_RenderObjManager;
    m_pListMenuObj = new XC_ListMenu;
    m_pRenderObjManager->SetEnvironmentOfRender(pEnvironment);
    const HRESULT hr = m_pListMenuObj->Init(pEnvironment);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pListMenuObj->Init( pEnvironmentOfRender )", hr);
    m_pRenderObjManager->SetPositionXYZ(-400.0f, 300.0f, 0.0f);
    m_pRenderObjManager->AddChild(m_pListMenuObj);
    m_pListMenuObj->SetPositionXYZ(400.0f, -300.0f, 0.0f);

    m_pAni_GoIcon = new XC_RenderAnimation;
    m_pAni_GoMenu = new XC_RenderAnimation;
    m_pRS_Title = new XC_RenderString;
    m_pRS_Count = new XC_RenderString;
    if (FAILED(m_pAni_GoIcon->LoadAnimation("Menu\\Go\\GoIcon.ant")))
        XM_REPORT_FAILED("m_pAni_GoIcon->SetAnimationObject( \"Menu\\\\Go\\\\GoIcon.ant\" )");
    if (FAILED(m_pAni_GoMenu->LoadAnimation("Menu\\Go\\GoMenu.ant")))
        XM_REPORT_FAILED("m_pAni_GoMenu->SetAnimationObject( \"Menu\\\\Go\\\\GoMenu.ant\" )");
    m_pRS_Title->SetString(GameText(TEXT_TITLE), TEXT_COLOR);
    m_strCount.clear();
    m_pRS_Count->SetString("", TEXT_COLOR);
    m_pRS_Count->SetAligeText(1);
    m_pRS_Count->SetScaleXYZ(COUNTER_SCALE, COUNTER_SCALE, COUNTER_SCALE);
    m_pAni_GoIcon->SetPositionXYZ(695.0f, -544.0f, -100.0f);
    m_pAni_GoMenu->SetPositionXYZ(0.0f, 0.0f, 0.0f);
    m_pRS_Title->SetPositionXYZ(230.0f, -48.0f, -100.0f);
    m_pRS_Count->SetPositionXYZ(740.0f, -72.0f, -100.0f);
    // The icon shows its page by hand: 1 lit, 0 not.
    m_pAni_GoIcon->SetCurrentPage(0);
    m_pAni_GoIcon->SetPlay(FALSE);
    m_pAni_GoMenu->SetCurrentPage(0);
    for (XC_RenderingObject* pObject : {static_cast<XC_RenderingObject*>(m_pAni_GoIcon),
                                        static_cast<XC_RenderingObject*>(m_pAni_GoMenu),
                                        static_cast<XC_RenderingObject*>(m_pRS_Title),
                                        static_cast<XC_RenderingObject*>(m_pRS_Count)})
        m_pRenderObjManager->AddRenderingObject(pObject);
    m_pRenderObjManager->SetCoordinateSystemAll(1);
    m_pRenderObjManager->SetRenderQueueGroup(SCREEN_RENDER_GROUP);

    g_pMessageBox = new XC_MessageBox;
    g_pMessageBox->Init(GameText(TEXT_QUESTION), D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    g_pMessageBox->SetModuleManager(m_pModuleManager);
    return S_OK;
}

HRESULT XC_CombatForceModule::DestroyResource()
{
    if (g_pMessageBox != nullptr) {
        g_pMessageBox->Fini();
        delete g_pMessageBox;
        g_pMessageBox = nullptr;
    }
    if (m_pListMenuObj != nullptr) {
        const HRESULT hr = m_pListMenuObj->Fini();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_pListMenuObj->Fini()", hr);
        delete m_pListMenuObj;
        m_pListMenuObj = nullptr;
    }
    // The manager deletes its drawables with itself.
    delete m_pRenderObjManager;
    m_pRenderObjManager = nullptr;
    m_pAni_GoIcon = nullptr;
    m_pAni_GoMenu = nullptr;
    m_pRS_Title = nullptr;
    m_pRS_Count = nullptr;
    return S_OK;
}

HRESULT XC_CombatForceModule::OnOpen()
{
    m_mapPersonOutfalInfo.clear();
    if (FAILED(BuildResource()))
        XM_REPORT_FAILED("BuildResource()");
    BuildPartyInfo();
    CountCoercedPersons();
    BuildStartingPoints();
    FindLookTargets();
    TurnPersons();
    if (g_pMouseStateObj != nullptr)
        g_pMouseStateObj->ResetToCenter();
    if (g_pMouseObj != nullptr && g_pMouseStateObj != nullptr) {
        g_pMouseObj->SetCursorPosition(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY());
        g_pMouseObj->SetVisible(TRUE);
    }
    m_iLastFocusItem = -1;
    m_psHitStartingPointInfo = nullptr;
    SetCombatForceMode(CF_Main);
    UpdataOutfallCount();
    if (g_pBattleSceneController == nullptr)
        XM_REPORT_FAILED("g_pBattleSceneController");
    else
        g_pBattleSceneController->MoveWorldCameraToFloor2(static_cast<LONG>(m_dwLookTargetFloorIndexComputer),
                                                          g_pGameTime->fCameraMoveSpeed, nullptr);
    PlayMusic();
    return S_OK;
}

void XC_CombatForceModule::BuildPartyInfo()
{
    JC_ControlPersonPower power;
    if (power.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj) != 0) {
        XM_REPORT_FAILED("cControlPersonPowerObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )");
        return;
    }
    for (int i = 0; i < PARTY_INDEX_END; ++i) {
        JC_DataComponent* const pRecord = PartyRecord(static_cast<DWORD>(i));
        if (pRecord == nullptr)
            continue;
        if (power.SetControlPerson(pRecord) != 0) {
            XM_REPORT_FAILED("cControlPersonPowerObj.SetControlPerson( pDataComponentPerson )");
            continue;
        }
        XS_PersonOutfalInfo info;
        info.dwTeamIndex = static_cast<DWORD>(i);
        std::string strName;
        power.GetPersonName(strName);
        info.stringPersonName = strName.c_str();
        m_mapPersonOutfalInfo.emplace(info.dwTeamIndex, info);
    }
}

void XC_CombatForceModule::CountCoercedPersons()
{
    m_dwCoerceOutfallCount = 0;
    JC_ControlTeam* const pTeam = ControlTeam();
    if (pTeam == nullptr)
        return;
    for (int i = 0; i < PLAYER_SIDE_END; ++i) {
        JC_DataComponent* pRecord = nullptr;
        if (pTeam->GetPersonFromTeam(TeamID::TEAMID_FIGHT, i, pRecord) != 0 || pRecord == nullptr)
            continue;
        const auto it = m_mapPersonOutfalInfo.find(static_cast<DWORD>(i));
        if (it == m_mapPersonOutfalInfo.end()) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("TeamIndex = %d 的人物已出擊 , 但我方隊伍裡無此人物", i));
            continue;
        }
        it->second.m_bIsCoerceOutfall = 1;
        ++m_dwCoerceOutfallCount;
    }
}

// Starting points off the grid, or under a person already on the field, are
// left out: nobody could be placed there.
void XC_CombatForceModule::BuildStartingPoints()
{
    m_mapStartingPointInfo.clear();
    XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr || gp_ControlManagerObj == nullptr)
        return;
    JC_ControlScene& scene = gp_ControlManagerObj->m_ControlSceneObj;
    for (int i = 0; i < scene.GetStartingPointCount(); ++i) {
        const DWORD dwFloorIndex = static_cast<DWORD>(scene.GetStartingPoint(static_cast<DWORD>(i)));
        if (dwFloorIndex >= pFloorer->GetFloorsCount()) {
            XM_REPORT_FAILED("pControlSceneObj->GetStartingPoint( i ) < pFloorer->GetFloorsCount()");
            continue;
        }
        XC_GamePerson* pPerson = nullptr;
        bool bTaken = false;
        while (!bTaken && g_pPersonManager->GetNextPerson(pPerson, &pPerson) && pPerson != nullptr)
            bTaken = pPerson->GetFloorIndex() == dwFloorIndex;
        if (bTaken)
            continue;
        if (FAILED(pFloorer->ShowFloor_DrawFloor(dwFloorIndex, g_pGameFloorColor->dwStartingPoint)))
            XM_REPORT_FAILED("pFloorer->ShowFloor_DrawFloor( dwFloorIndex , g_pGameFloorColor->m_dwStartingPoint )");
        XS_StartingPointInfo info;
        info.dwFloorIndex = dwFloorIndex;
        m_mapStartingPointInfo.emplace(dwFloorIndex, info);
    }
}

void XC_CombatForceModule::FindLookTargets()
{
    if (g_pPersonManager == nullptr)
        return;
    bool bPlayerSideFound = false;
    XC_GamePerson* pPerson = nullptr;
    while (g_pPersonManager->GetNextPerson(pPerson, &pPerson) && pPerson != nullptr) {
        const DWORD dwTeamIndex = pPerson->GetTeamIndex();
        if (dwTeamIndex < static_cast<DWORD>(PLAYER_SIDE_END) && !bPlayerSideFound) {
            m_dwLookTargetFloorIndexComputer = pPerson->GetFloorIndex();
            bPlayerSideFound = true;
        }
        if (dwTeamIndex >= ENEMY_FIRST && dwTeamIndex <= ENEMY_LAST) {
            m_dwLookTargetFloorIndexPlayer = pPerson->GetFloorIndex();
            break;
        }
    }
    if (bPlayerSideFound || gp_ControlManagerObj == nullptr)
        return;
    JC_ControlScene& scene = gp_ControlManagerObj->m_ControlSceneObj;
    if (scene.GetStartingPointCount() <= 0) {
        XM_REPORT_FAILED("pControlSceneObj->GetStartingPointCount() > 0");
        m_dwLookTargetFloorIndexComputer = m_dwLookTargetFloorIndexPlayer;
        return;
    }
    m_dwLookTargetFloorIndexComputer = static_cast<DWORD>(scene.GetStartingPoint(0));
}

void XC_CombatForceModule::TurnPersons()
{
    if (g_pPersonManager == nullptr)
        return;
    XC_GamePerson* pPerson = nullptr;
    while (g_pPersonManager->GetNextPerson(pPerson, &pPerson) && pPerson != nullptr) {
        const int iCamp = pPerson->GetControlPersonPower()->GetCamp(FALSE);
        const bool bPlayerSide = iCamp == 0 || iCamp == 1;
        pPerson->LookTarget(bPlayerSide ? m_dwLookTargetFloorIndexPlayer : m_dwLookTargetFloorIndexComputer, TRUE);
    }
}

// The game without a music player (a test, no sound device) deploys silently.
void XC_CombatForceModule::PlayMusic()
{
    XC_ShowAudio* const pMusic = BackgroundMusic();
    const char* const szMusic = GameFileName(FILE_MUSIC);
    if (pMusic == nullptr || szMusic == nullptr)
        return;
    if (FAILED(pMusic->AddMusic(szMusic, MUSIC_INDEX)))
        XM_REPORT_FAILED("g_pGame->GetBackgroundMusicObj()->AddAudio( g_pGameFileName->GetFileName( 126 ) , 91 )");
    pMusic->Play();
}

HRESULT XC_CombatForceModule::OnClose()
{
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetVisible(FALSE);
    if (XC_Floorer* const pFloorer = Floorer())
        pFloorer->ShowFloor_NoDrawAllFloor();
    ClearOutfallScript();
    if (FAILED(DestroyResource()))
        XM_REPORT_FAILED("DestroyResource()");
    if (XC_ShowAudio* const pMusic = BackgroundMusic()) {
        if (FAILED(pMusic->DelMusic(MUSIC_INDEX)))
            XM_REPORT_FAILED("g_pGame->GetBackgroundMusicObj()->DelAudio( 91 )");
    }
    return S_OK;
}

void XC_CombatForceModule::FrameMove(float fElapsedTime)
{
    if (IsMouseMoved() && g_pMouseObj != nullptr)
        g_pMouseObj->SetCursorPosition(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY());
    switch (m_dwCombatForceMode) {
    case CF_Main:
        if (FAILED(CombatForceMode_Main(fElapsedTime)))
            XM_REPORT_FAILED("CombatForceMode_Main ( fElapsedTime )");
        break;
    case CF_Outfall:
        if (FAILED(CombatForceMode_Outfall(fElapsedTime)))
            XM_REPORT_FAILED("CombatForceMode_Outfall ( fElapsedTime )");
        break;
    case CF_Cancel:
        if (FAILED(CombatForceMode_Cancel(fElapsedTime)))
            XM_REPORT_FAILED("CombatForceMode_Cancel ( fElapsedTime )");
        break;
    case CF_Go:
        if (FAILED(CombatForceMode_Go(fElapsedTime)))
            XM_REPORT_FAILED("CombatForceMode_Go ( fElapsedTime )");
        break;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); break;
    }
}

HRESULT XC_CombatForceModule::SetCombatForceMode(DWORD dwMode)
{
    m_dwCombatForceMode = dwMode;
    m_dwModeStep = 0;
    return S_OK;
}

bool XC_CombatForceModule::IsGoIconUnderMouse() const
{
    if (m_pAni_GoIcon == nullptr || g_pBattleSceneController == nullptr)
        return false;
    float fDistance = 0.0f;
    return m_pAni_GoIcon->Pick(g_pBattleSceneController->GetMouseRayOrigin(),
                               g_pBattleSceneController->GetMouseRayDirection(), &fDistance)
        != FALSE;
}

HRESULT XC_CombatForceModule::CombatForceMode_Main(float fElapsedTime)
{
    if (g_pBattleSceneController == nullptr) {
        XM_REPORT_FAILED("g_pBattleSceneController");
        return E_FAIL;
    }
    g_pBattleSceneController->UpdateScreenMouseRay();
    const bool bCanGo = m_dwOutfallCount != 0;
    if (IsMouseMoved() && m_pAni_GoIcon != nullptr)
        m_pAni_GoIcon->SetCurrentPage(bCanGo && IsGoIconUnderMouse() ? 1 : 0);
    if (IsPressed(XC_MouseState::BUTTON_LEFT)) {
        if (bCanGo && IsGoIconUnderMouse())
            SetCombatForceMode(CF_Go);
        else
            PickStartingPoint();
    }
    const HRESULT hr = g_pBattleSceneController->PublicControlCamera(fElapsedTime, 1, 1, 1);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("g_pBattleSceneController->PublicControlCamera( fElapsedTime , 1 , 1 , 1 )", hr);
    return S_OK;
}

void XC_CombatForceModule::PickStartingPoint()
{
    g_pBattleSceneController->UpdateWorldMouseRay();
    DWORD dwFloorIndex = 0;
    float fDistance = 0.0f;
    if (g_pPersonManager == nullptr
        || !g_pPersonManager->PickFloor(g_pBattleSceneController->GetMouseRayOrigin(),
                                        g_pBattleSceneController->GetMouseRayDirection(), &dwFloorIndex, &fDistance,
                                        FALSE))
        return;
    const auto it = m_mapStartingPointInfo.find(dwFloorIndex);
    if (it == m_mapStartingPointInfo.end())
        return;
    m_psHitStartingPointInfo = &it->second;
    SetCombatForceMode(m_psHitStartingPointInfo->m_bHavePerson ? CF_Cancel : CF_Outfall);
}

HRESULT XC_CombatForceModule::CombatForceMode_Outfall(float)
{
    if (m_pListMenuObj == nullptr || m_psHitStartingPointInfo == nullptr) {
        XM_REPORT_FAILED("m_pListMenuObj");
        SetCombatForceMode(CF_Main);
        return E_FAIL;
    }
    if (m_dwModeStep != 10 && IsPressed(XC_MouseState::BUTTON_RIGHT)) {
        EndOutfall();
        return S_OK;
    }
    switch (m_dwModeStep) {
    case 0:
        FillPersonList();
        m_dwModeStep = 1;
        break;
    case 1: {
        const HRESULT hr = m_pListMenuObj->UpdateMenu();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_pListMenuObj->UpdateMenu( )", hr);
        ShowFocusedPerson();
        XS_ListItem item;
        if (IsPressed(XC_MouseState::BUTTON_LEFT) && m_iLastFocusItem >= 0
            && SUCCEEDED(m_pListMenuObj->GetItem(m_iLastFocusItem, item)))
            PlacePerson(item.dwData1);
        break;
    }
    case 10:
        if (IsOutfallScriptFinished()) {
            ClearOutfallScript();
            m_dwModeStep = 99;
        }
        break;
    default: EndOutfall(); break;
    }
    return S_OK;
}

void XC_CombatForceModule::FillPersonList()
{
    m_pListMenuObj->ClearItem();
    for (const auto& [dwTeamIndex, info] : m_mapPersonOutfalInfo) {
        if (info.m_bIsCoerceOutfall || info.m_bIsOutfall)
            continue;
        XS_ListItem item;
        item.stringText = info.stringPersonName;
        item.dwData1 = dwTeamIndex;
        m_pListMenuObj->AddItem(item);
    }
    m_pListMenuObj->SetShow(TRUE);
    m_iLastFocusItem = -1;
}

void XC_CombatForceModule::ShowFocusedPerson()
{
    const int iFocus = m_pListMenuObj->GetFocusItem();
    if (iFocus == m_iLastFocusItem)
        return;
    m_iLastFocusItem = iFocus;
    XS_ListItem item;
    if (iFocus < 0 || FAILED(m_pListMenuObj->GetItem(iFocus, item))) {
        ShowActivePerson(nullptr, FALSE);
        return;
    }
    ShowActivePerson(PartyRecord(item.dwData1), FALSE);
}

void XC_CombatForceModule::ShowActivePerson(JC_DataComponent* pPerson, BOOL bAtOnce) const
{
    if (g_pBattleMenuMenager == nullptr || g_pBattleMenuMenager->m_pActivePersonState == nullptr) {
        XM_REPORT_FAILED("g_pBattleMenuMenager");
        return;
    }
    g_pBattleMenuMenager->m_pActivePersonState->SetPersonData(pPerson, bAtOnce);
}

// A placing that fails half way leaves the person where it got to and goes
// back to the main mode, so no second person lands on the same cell.
void XC_CombatForceModule::PlacePerson(DWORD dwTeamIndex)
{
    const auto it = m_mapPersonOutfalInfo.find(dwTeamIndex);
    JC_ControlTeam* const pTeam = ControlTeam();
    if (it == m_mapPersonOutfalInfo.end() || pTeam == nullptr || g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("it != m_mapPersonOutfalInfo.end()");
        EndOutfall();
        return;
    }
    const int iIndex = static_cast<int>(dwTeamIndex);
    if (pTeam->MovePersonFromTeamToTeam(TeamID::TEAMID_OUR, iIndex, TeamID::TEAMID_FIGHT, iIndex) != 0) {
        XM_REPORT_FAILED("MovePersonFromTeamToTeam( TEAMID_OUR , dwTeamIndex , TEAMID_FIGHT , dwTeamIndex )");
        EndOutfall();
        return;
    }
    XC_GamePerson* const pPerson = SUCCEEDED(g_pPersonManager->AddPersonFromTeamIndex(dwTeamIndex))
                                     ? g_pPersonManager->GetPersonFromTeamIndex(dwTeamIndex)
                                     : nullptr;
    if (pPerson == nullptr) {
        // The record goes back out of the battle team: the person stays in the list.
        XM_REPORT_FAILED("g_pPersonManager->AddPersonFromTeamIndex( dwTeamIndex )");
        pTeam->DelPersonFromTeam(TeamID::TEAMID_FIGHT, iIndex);
        EndOutfall();
        return;
    }
    it->second.m_bIsOutfall = 1;
    pPerson->SetFloorIndex(m_psHitStartingPointInfo->dwFloorIndex, TRUE);
    m_psHitStartingPointInfo->m_bHavePerson = 1;
    m_psHitStartingPointInfo->dwPersonTeamIndex = dwTeamIndex;
    m_pListMenuObj->SetShow(FALSE);
    if (FAILED(pPerson->LookTarget(m_dwLookTargetFloorIndexPlayer, TRUE))) {
        XM_REPORT_FAILED("pPerson->LookTarget( m_dwLookTargetFloorIndexPlayer , 1 )");
        EndOutfall();
        return;
    }
    UpdataOutfallCount();
    const HRESULT hr = ExecuteOutfallScript(pPerson, GameFileName(FILE_OUTFALL_SCRIPT));
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("ExecuteOutfallScript( pPerson , g_pGameFileName->GetFileName( 207 ) )", hr);
        ClearOutfallScript();
        EndOutfall();
        return;
    }
    m_dwModeStep = 10;
}

void XC_CombatForceModule::EndOutfall()
{
    if (m_pListMenuObj != nullptr)
        m_pListMenuObj->SetShow(FALSE);
    ShowActivePerson(nullptr, TRUE);
    SetCombatForceMode(CF_Main);
}

HRESULT XC_CombatForceModule::CombatForceMode_Cancel(float)
{
    if (g_pMessageBox == nullptr || m_psHitStartingPointInfo == nullptr) {
        XM_REPORT_FAILED("g_pMessageBox");
        SetCombatForceMode(CF_Main);
        return E_FAIL;
    }
    switch (m_dwModeStep) {
    case 0:
        if (FAILED(g_pMessageBox->Enable()))
            XM_REPORT_FAILED("g_pMessageBox->Enable()");
        m_dwModeStep = 1;
        break;
    case 1: {
        if (g_pMessageBox->GetResult() == 0) {
            SetCombatForceMode(CF_Main);
            break;
        }
        XC_GamePerson* const pPerson = g_pPersonManager != nullptr
                                         ? g_pPersonManager->GetPersonFromTeamIndex(
                                               m_psHitStartingPointInfo->dwPersonTeamIndex)
                                         : nullptr;
        if (pPerson == nullptr) {
            XM_REPORT_FAILED("pPerson");
            m_dwModeStep = 99;
            break;
        }
        // A script that cannot run does not keep the person on the field.
        const HRESULT hr = ExecuteOutfallScript(pPerson, GameFileName(FILE_CANCEL_SCRIPT));
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("ExecuteOutfallScript( pPerson , g_pGameFileName->GetFileName( 208 ) )", hr);
            ClearOutfallScript();
            m_dwModeStep = 99;
            break;
        }
        m_dwModeStep = 10;
        break;
    }
    case 10:
        if (IsOutfallScriptFinished()) {
            ClearOutfallScript();
            m_dwModeStep = 99;
        }
        break;
    default: TakeOffPerson(); break;
    }
    return S_OK;
}

void XC_CombatForceModule::TakeOffPerson()
{
    XS_StartingPointInfo& point = *m_psHitStartingPointInfo;
    const DWORD dwTeamIndex = point.dwPersonTeamIndex;
    SetCombatForceMode(CF_Main);
    const auto it = m_mapPersonOutfalInfo.find(dwTeamIndex);
    if (it == m_mapPersonOutfalInfo.end()) {
        XM_REPORT_FAILED("it != m_mapPersonOutfalInfo.end()");
        return;
    }
    if (it->second.m_bIsCoerceOutfall) {
        XM_REPORT_FAILED("FALSE == rsPersonOutfalInfo.m_bIsCoerceOutfall");
        return;
    }
    if (g_pPersonManager != nullptr && FAILED(g_pPersonManager->DelPersonFromTeamIndex(dwTeamIndex)))
        XM_REPORT_FAILED("g_pPersonManager->DelPersonFromTeamIndex( dwPersonTeamIndex )");
    it->second.m_bIsOutfall = 0;
    point.m_bHavePerson = 0;
    point.dwPersonTeamIndex = 0;
    UpdataOutfallCount();
}

HRESULT XC_CombatForceModule::CombatForceMode_Go(float)
{
    if (FAILED(Close()))
        XM_REPORT_FAILED("Disable()");
    if (g_pBattleSceneController == nullptr) {
        XM_REPORT_FAILED("g_pBattleSceneController");
        return E_FAIL;
    }
    if (FAILED(g_pBattleSceneController->Event_NPCInitiation()))
        XM_REPORT_FAILED("g_pBattleSceneController->Event_NPCInitiation()");
    XC_Floorer* const pFloorer = Floorer();
    const DWORD dwWidth = pFloorer != nullptr && pFloorer->GetFloorerWidth() > 0 ? pFloorer->GetFloorerWidth() : 1;
    XC_GamePerson* pPerson = nullptr;
    while (g_pPersonManager != nullptr && g_pPersonManager->GetNextPerson(pPerson, &pPerson) && pPerson != nullptr) {
        std::string strName;
        pPerson->GetControlPersonPower()->GetPersonName(strName);
        const DWORD dwFloorIndex = pPerson->GetFloorIndex();
        char szLine[160];
        std::snprintf(szLine, sizeof(szLine), "PersonIndex %3d %14s ( %2d , %2d ) , LV %d\n",
                      static_cast<int>(pPerson->GetTeamIndex()), strName.c_str(), static_cast<int>(dwFloorIndex % dwWidth),
                      static_cast<int>(dwFloorIndex / dwWidth), pPerson->GetControlPersonPower()->GetLevel());
        OutputDebugStringA(szLine);
    }
    return S_OK;
}

HRESULT XC_CombatForceModule::UpdataOutfallCount()
{
    if (m_pRS_Count == nullptr) {
        XM_REPORT_FAILED("m_pRS_Count");
        return E_FAIL;
    }
    DWORD dwPlaced = 0;
    for (const auto& entry : m_mapStartingPointInfo)
        dwPlaced += entry.second.m_bHavePerson ? 1 : 0;
    m_dwOutfallCount = m_dwCoerceOutfallCount + dwPlaced;
    const DWORD dwTotal = m_dwCoerceOutfallCount + static_cast<DWORD>(m_mapStartingPointInfo.size());
    char szCount[32];
    std::snprintf(szCount, sizeof(szCount), "% 2d/% 2d", static_cast<int>(m_dwOutfallCount), static_cast<int>(dwTotal));
    m_strCount = szCount;
    m_pRS_Count->SetString(szCount, TEXT_COLOR);
    return S_OK;
}

HRESULT XC_CombatForceModule::ExecuteOutfallScript(XC_GamePerson* pPerson, const char* szScriptName)
{
    HRESULT hr = m_OutfallScript.Init(Environment());
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_OutfallScript.Init( &m_pBattleObj->GetEnvironmentOfRender() )", hr);
        return hr;
    }
    hr = szScriptName != nullptr ? m_OutfallScript.LoadScript(szScriptName) : E_FAIL;
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_OutfallScript.LoadScript( szScriptName )", hr);
        return hr;
    }
    XC_Script* const pScriptObj = m_OutfallScript.GetScript(0);
    if (pScriptObj == nullptr || pPerson == nullptr) {
        XM_REPORT_FAILED("pScriptObj");
        return E_FAIL;
    }
    hr = m_OutfallScript.GetScriptResource()->AddRenderObjToResource(pPerson, "Person");
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pScriptObj->GetScriptResource()->AddRenderObjToResource( pPerson , \"Person\" )", hr);
    hr = m_OutfallScript.RunAllScript();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_OutfallScript.RunAllScript()", hr);
    return S_OK;
}

HRESULT XC_CombatForceModule::ClearOutfallScript()
{
    return m_OutfallScript.Clear();
}

bool XC_CombatForceModule::IsOutfallScriptFinished()
{
    return m_OutfallScript.GetAllWorkCount() == 0;
}
