#include "Code/Battle/XC_GameProcedure_Battle.h"

#include "Code/Battle/CombatForce/XC_CombatForceModule.h"
#include "Code/Battle/ControlCamp/XC_ControlCampComputer.h"
#include "Code/Battle/ControlCamp/XC_ControlCampPlayer.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/DialogueScript/XC_DialogueScriptManager.h"
#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"
#include "Code/XC_Game.h"
#include "Code/XC_GameCamp.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameParameter.h"
#include "Code/XC_GameProcedureFactory.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_Register.h"
#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Input/XC_InputOfKeyboard.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"
#include "JC_Order/DealOrder/JC_OrderDealBase.h"
#include "JC_Script/JC_ScriptManager.h"

#include <dinput.h>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD g_dwFloorRenderFlag = 0;
XC_Scene* g_pBattleSceneObj = nullptr;

namespace {

const DWORD BATTLE_MUSIC_INDEX = 90;
const DWORD CAMP_COUNT = 4;
const float CAMERA_YAW = -0.7853982f;
const char* const STROKE_VALUE = "IsPersonStrokeEnable";
const char* const PLAYER_MUSIC_CALL =
    "g_pGame->GetBackgroundMusicObj()->AddAudio( m_pControlSceneObj->GetMusicCampPlayer().GetBuffer() , 90 )";
const char* const COMPUTER_MUSIC_CALL =
    "g_pGame->GetBackgroundMusicObj()->AddAudio( m_pControlSceneObj->GetMusicCampComputer().GetBuffer() , 90 )";

// The [ControlCamp] flag of a camp: set when the player commands it.
bool IsPlayerCamp(DWORD dwCamp)
{
    if (g_pGameCamp == nullptr)
        return dwCamp == 0;
    const DWORD flags[] = {g_pGameCamp->bControlCampPlayer, g_pGameCamp->bControlCampPartner,
                           g_pGameCamp->bControlCampNatural, g_pGameCamp->bControlCampComputer};
    return dwCamp < 4 && flags[dwCamp] != 0;
}

template <DWORD dwType>
XC_GameProcedure* CreateBattle()
{
    return new XC_GameProcedure_Battle(dwType);
}

// A result of a call with a text of its own.
void ReportCallText(int iLine, HRESULT hr, const char* szText)
{
    XF_ReportError(s_szSourceFile, iLine,
                   XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "hr", static_cast<unsigned>(hr), szText));
}

void CheckCall(HRESULT hr, const char* szCall)
{
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(szCall, hr);
}

} // namespace

void XC_GameProcedure_Battle::RegisterProcedures()
{
    XC_GameProcedureFactory::Register(GP_Battle, &CreateBattle<XE_BATTLE_FIGHT>);
    XC_GameProcedureFactory::Register(GP_DialogueBattle, &CreateBattle<XE_BATTLE_DIALOGUE>);
}

XC_GameProcedure_Battle::XC_GameProcedure_Battle(DWORD dwBattleType) : m_dwBattleType(dwBattleType)
{
    if (gp_ScriptManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ScriptManagerObj");
        return;
    }
    const DWORD dwResult = gp_ScriptManagerObj->AddFunction("Battle", this);
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("gp_ScriptManagerObj->AddFunction( \"Battle\" , this )", dwResult);
}

XC_GameProcedure_Battle::~XC_GameProcedure_Battle()
{
    if (gp_ScriptManagerObj != nullptr) {
        const DWORD dwResult = gp_ScriptManagerObj->DelFunction("Battle");
        if (dwResult != 0)
            XM_REPORT_FAILED_HR("gp_ScriptManagerObj->DelFunction( \"Battle\" )", dwResult);
    }
    delete m_pCampObject;
}

// ---- Start and end ----

HRESULT XC_GameProcedure_Battle::Init()
{
    if (gp_ControlManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ControlManagerObj");
        return E_FAIL;
    }
    m_pControlSceneObj = &gp_ControlManagerObj->m_ControlSceneObj;
    HRESULT hr = RunNextFightScript();
    if (FAILED(hr))
        return hr;
    CheckCall(m_BattleSceneObj.Init(GetEnvironmentOfRender(), g_pPackFile_Data),
              "m_BattleSceneObj.Init( &m_EnvironmentOfRender , g_pPackFile_Data )");
    g_pSceneFunctionObj->SetSceneObj(&m_BattleSceneObj);
    hr = LoadBattleScene();
    if (FAILED(hr))
        return hr;
    PlaceCamera();
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetVisible(FALSE);
    if (g_pGame != nullptr && GetWorldLightMan() != nullptr)
        g_pGame->SetBackgroundColor(m_BattleSceneObj.GetWorldLightMan()->GetFogColor());
    PublishGlobals();
    CheckCall(m_PersonManager.Init(&m_BattleSceneObj, &gp_ControlManagerObj->m_ControlTeamObj),
              "m_PersonManager.Init( &m_BattleSceneObj , &gp_ControlManagerObj->m_ControlTeamObj )");
    InitPersonStroke();
    m_SceneTableManager.Init();
    g_pSceneFunctionObj->RefreshCellCache();
    CheckCall(m_BattleMenuMenager.Init(GetEnvironmentOfRender()),
              "m_BattleMenuMenager.Init( &GetEnvironmentOfRender() )");
    CheckCall(m_BattleSceneController.Init(), "m_BattleSceneController.Init()");
    CheckCall(m_JumpStringManager.Init(GetEnvironmentOfRender()),
              "m_JumpStringManager.Init( &GetEnvironmentOfRender() )");
    CreateScreenDocuments();
    CheckCall(XC_AnimationPic::LoadAnimationPicAll(), "XC_AnimationPic::LoadAnimationPicAll()");
    return m_pControlSceneObj->GetTurn() == 0 ? StartBattle() : ContinueBattle();
}

// A next-fight script runs once: its name leaves the record before it loads.
HRESULT XC_GameProcedure_Battle::RunNextFightScript()
{
    const std::string strNextFightScript = m_pControlSceneObj->GetNextFightScript();
    if (strNextFightScript.empty())
        return S_OK;
    m_pControlSceneObj->SetNextFightScript(std::string());
    if (gp_ScriptManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ScriptManagerObj");
        return E_FAIL;
    }
    HRESULT hr = static_cast<HRESULT>(gp_ScriptManagerObj->LoadScript(strNextFightScript));
    if (FAILED(hr)) {
        ReportCallText(__LINE__, hr, "gp_ScriptManagerObj->LoadScript( strNextFightScript.c_str() ) error");
        return hr;
    }
    hr = static_cast<HRESULT>(gp_ScriptManagerObj->UpdateAll());
    if (FAILED(hr)) {
        ReportCallText(__LINE__, hr, "gp_ScriptManagerObj->UpdateAll( ) error");
        return hr;
    }
    return S_OK;
}

HRESULT XC_GameProcedure_Battle::LoadBattleScene()
{
    XC_String strSceneFile(m_pControlSceneObj->GetSceneFileName().c_str());
    strSceneFile.NormalizePath();
    if (strSceneFile.empty()) {
        XF_ReportError(s_szSourceFile, __LINE__, "Battle LoadScene Error");
        return E_FAIL;
    }
    if (FAILED(m_BattleSceneObj.LoadScene(strSceneFile.c_str()))) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("Battle LoadScene Error , %s", strSceneFile.c_str()));
        return E_FAIL;
    }
    return S_OK;
}

// The camera looks at the floor's centre from the [WorldCamera] distance and pitch.
void XC_GameProcedure_Battle::PlaceCamera()
{
    if (m_BattleSceneObj.GetFloorer() == nullptr) {
        XM_REPORT_FAILED("pFloorer");
        return;
    }
    XC_CameraMan* const pCameraMan = m_BattleSceneObj.GetWorldCameraMan();
    if (pCameraMan == nullptr || g_pGameParameter == nullptr) {
        XM_REPORT_FAILED("pCameraMan");
        return;
    }
    const D3DXVECTOR3 vCenter = SceneCenter();
    pCameraMan->PlaceCamera(vCenter.x, vCenter.y, vCenter.z, g_pGameParameter->fCameraZoom, CAMERA_YAW,
                            g_pGameParameter->fCameraPitch);
}

D3DXVECTOR3 XC_GameProcedure_Battle::SceneCenter()
{
    const XC_Floorer* const pFloorer = m_BattleSceneObj.GetFloorer();
    DWORD dwCenterFloorIndex = 0;
    if (pFloorer == nullptr
        || FAILED(pFloorer->GetFloorIdxFromFloorXZ(&dwCenterFloorIndex, pFloorer->GetFloorerWidth() / 2,
                                                   pFloorer->GetFloorerLength() / 2)))
        return D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    return pFloorer->GetFloorPosition(dwCenterFloorIndex);
}

void XC_GameProcedure_Battle::PublishGlobals()
{
    g_pBattleSceneObj = &m_BattleSceneObj;
    g_pPersonManager = &m_PersonManager;
    g_pSceneTableManager = &m_SceneTableManager;
    g_pBattleMenuMenager = &m_BattleMenuMenager;
    g_pBattleSceneController = &m_BattleSceneController;
    g_pJumpStringManager = &m_JumpStringManager;
    JC_OrderDealBase::SetBattle(g_pSceneFunctionObj);
    XC_DialogueScriptManager::SetBattle(&m_BattleDialogue);
}

void XC_GameProcedure_Battle::ClearGlobals()
{
    XC_DialogueScriptManager::SetBattle(nullptr);
    JC_OrderDealBase::SetBattle(nullptr);
    g_pBattleSceneObj = nullptr;
    g_pPersonManager = nullptr;
    g_pSceneTableManager = nullptr;
    g_pBattleMenuMenager = nullptr;
    g_pBattleSceneController = nullptr;
    g_pJumpStringManager = nullptr;
}

// A failed read of the registry counts as off.
void XC_GameProcedure_Battle::InitPersonStroke()
{
    DWORD dwStroke = 0;
    if (g_pRegisterObj == nullptr || FAILED(g_pRegisterObj->GetDword(STROKE_VALUE, dwStroke)))
        dwStroke = 0;
    m_PersonManager.SetPersonStrokeEnable(dwStroke != 0 ? 1 : 0);
}

void XC_GameProcedure_Battle::CreateScreenDocuments()
{
    XC_ModuleManager* const pModuleManager = g_pGame != nullptr ? g_pGame->GetModuleManager() : nullptr;
    g_pStateModuleDocumentObj = new JC_StateModuleDocument;
    DWORD dwResult = g_pStateModuleDocumentObj->Initiation(pModuleManager, g_pMouseStateObj, g_pMouseObj,
                                                           gp_ControlManagerObj);
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("g_pStateModuleDocumentObj->Initiation( ... )", dwResult);
    g_pOptionModuleDocument = new JC_OptionModuleDocument;
    dwResult = g_pOptionModuleDocument->Initiation(pModuleManager, g_pMouseStateObj, g_pMouseObj,
                                                   gp_ControlManagerObj);
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("g_pOptionModuleDocument->Initiation( ... )", dwResult);
}

void XC_GameProcedure_Battle::DeleteScreenDocuments()
{
    delete g_pOptionModuleDocument;
    g_pOptionModuleDocument = nullptr;
    delete g_pStateModuleDocumentObj;
    g_pStateModuleDocumentObj = nullptr;
}

// The record's floors take the scene's size and each cell's property.
HRESULT XC_GameProcedure_Battle::StartBattle()
{
    const XC_Floorer* const pFloorer = m_BattleSceneObj.GetFloorer();
    if (pFloorer == nullptr) {
        XM_REPORT_FAILED("pFloorer");
        return S_OK;
    }
    const DWORD dwResult = m_pControlSceneObj->BuildFloors(static_cast<int>(pFloorer->GetFloorerWidth()),
                                                           static_cast<int>(pFloorer->GetFloorerLength()));
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("m_pControlSceneObj->SetMapSize( dwWidth , dwLength )", dwResult);
    for (DWORD i = 0; i < pFloorer->GetFloorsCount(); ++i)
        m_pControlSceneObj->SetLandformID(static_cast<int>(i),
                                          static_cast<DWORD>(pFloorer->GetFloorPropertyID(i)));
    g_pSceneFunctionObj->RefreshCellCache();
    if (m_dwBattleType == XE_BATTLE_FIGHT)
        SetRoundStep(XE_ROUND_DEPLOY);
    return S_OK;
}

// A saved battle resumes with its camp at its step; a step the machine does
// not know resumes at the round's begin.
HRESULT XC_GameProcedure_Battle::ContinueBattle()
{
    ReadCampTurn();
    delete m_pCampObject;
    m_pCampObject = nullptr;
    DWORD dwRoundStep = static_cast<DWORD>(m_pControlSceneObj->GetRoundStep());
    if (dwRoundStep != XE_ROUND_DEPLOY && dwRoundStep != XE_ROUND_BEGIN && dwRoundStep != XE_ROUND_CAMP
        && dwRoundStep != XE_ROUND_END && dwRoundStep != XE_ROUND_FINISH) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Battle RoundStep Error , %u", static_cast<unsigned>(dwRoundStep)));
        dwRoundStep = XE_ROUND_BEGIN;
    }
    SetRoundStep(dwRoundStep);
    g_bSkipCampBeginEvent = dwRoundStep == XE_ROUND_CAMP ? 1 : 0;
    m_bContinueRoundBegin = dwRoundStep == XE_ROUND_BEGIN ? 1 : 0;
    return S_OK;
}

DWORD XC_GameProcedure_Battle::ReadCampTurn()
{
    const int iCamp = m_pControlSceneObj->GetCampTurn();
    if (iCamp >= 0 && static_cast<DWORD>(iCamp) < CAMP_COUNT)
        return static_cast<DWORD>(iCamp);
    XM_REPORT_FAILED("dwCampTure < DF_Camp_Count");
    m_pControlSceneObj->SetCampTurn(0);
    return 0;
}

HRESULT XC_GameProcedure_Battle::Fini()
{
    XC_LightMan* const pLightMan = m_BattleSceneObj.GetWorldLightMan();
    if (pLightMan != nullptr)
        pLightMan->SetBrightness(1.0f);
    XC_CameraMan* const pCameraMan = m_BattleSceneObj.GetWorldCameraMan();
    if (pCameraMan != nullptr) {
        pCameraMan->LockLookAt(0);
        pCameraMan->LockEye(0);
        pCameraMan->FollowLookAt(nullptr);
        pCameraMan->FollowEye(nullptr);
    }
    if (g_pGame != nullptr) {
        const HRESULT hr = g_pGame->GetBackgroundMusicObj()->DelMusic(BATTLE_MUSIC_INDEX);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("g_pGame->GetBackgroundMusicObj()->DelAudio( 90 )", hr);
    }
    DeleteScreenDocuments();
    m_JumpStringManager.ReleaseWords();
    m_BattleSceneController.Fini();
    m_BattleMenuMenager.Fini();
    m_SceneTableManager.Fini();
    m_PersonManager.Fini();
    g_pSceneFunctionObj->ClearCellCache();
    m_BattleSceneObj.Fini();
    ClearGlobals();
    return S_OK;
}

// ---- The round-and-camp state machine ----

void XC_GameProcedure_Battle::FrameMove(float fElapsedTime)
{
    if (m_dwBattleType == XE_BATTLE_DIALOGUE)
        return;
    // Scripts and states change persons behind the person manager's back:
    // the tables read the persons' facts again once a frame.
    g_pSceneFunctionObj->NotePersonChange();
    DealFunctionKeys();
    switch (m_dwRoundStep) {
    case XE_ROUND_DEPLOY:
        RoundDeploy();
        break;
    case XE_ROUND_BEGIN:
        RoundBegin();
        break;
    case XE_ROUND_CAMP:
        RoundCamp(fElapsedTime);
        break;
    case XE_ROUND_END:
        RoundEnd();
        break;
    case XE_ROUND_FINISH:
        RoundFinish();
        break;
    default:
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        break;
    }
}

HRESULT XC_GameProcedure_Battle::SetRoundStep(DWORD dwRoundStep)
{
    m_dwRoundStep = dwRoundStep;
    m_dwFinishStep = 0;
    if (m_pControlSceneObj != nullptr)
        m_pControlSceneObj->SetRoundStep(static_cast<int>(dwRoundStep));
    return S_OK;
}

void XC_GameProcedure_Battle::DealFunctionKeys()
{
    const XC_InputOfKeyboard* const pKeyboard = g_pInputOfKeyboardObj;
    if (pKeyboard == nullptr || !pKeyboard->IsAnyKeyChanged())
        return;
    if (pKeyboard->IsKeyPressed(DIK_F6))
        FlipFloorRenderFlag();
    if (pKeyboard->IsKeyPressed(DIK_F5))
        FlipPersonStroke();
}

void XC_GameProcedure_Battle::FlipFloorRenderFlag()
{
    g_dwFloorRenderFlag = g_dwFloorRenderFlag != 0 ? 0 : 1;
    if (m_BattleSceneObj.GetFloorer() != nullptr)
        m_BattleSceneObj.GetFloorer()->SetRenderFlag(g_dwFloorRenderFlag);
}

void XC_GameProcedure_Battle::FlipPersonStroke()
{
    const BOOL bStroke = m_PersonManager.GetPersonStrokeEnable() == 1 ? 0 : 1;
    m_PersonManager.SetPersonStrokeEnable(bStroke);
    if (g_pRegisterObj != nullptr)
        CheckCall(g_pRegisterObj->SetDword(STROKE_VALUE, static_cast<DWORD>(bStroke)),
                  "g_pRegisterObj->SetDword( \"IsPersonStrokeEnable\" , bStroke )");
}

// The deployment screen covers the procedure; the round begins once it closes.
void XC_GameProcedure_Battle::RoundDeploy()
{
    XC_ModuleManager* const pModuleManager = g_pGame != nullptr ? g_pGame->GetModuleManager() : nullptr;
    CheckCall(g_pCombatForceModule->SetModuleManager(pModuleManager),
              "g_pCombatForceModule->SetModuleManager( m_pModuleManager )");
    CheckCall(g_pCombatForceModule->SetBattleObj(this), "g_pCombatForceModule->SetBattleObj( this )");
    CheckCall(g_pCombatForceModule->Enable(), "g_pCombatForceModule->Enable()");
    SetRoundStep(XE_ROUND_BEGIN);
}

void XC_GameProcedure_Battle::RoundBegin()
{
    if (m_bContinueRoundBegin) {
        m_bContinueRoundBegin = 0;
    } else {
        m_pControlSceneObj->SetTurn(m_pControlSceneObj->GetTurn() + 1);
        CheckCall(m_BattleSceneController.Event_RoundSave(), "g_pBattleSceneController->Event_RoundSave()");
    }
    m_pControlSceneObj->SetCampTurn(0);
    CheckCall(m_BattleSceneController.Event_RoundBegin(), "g_pBattleSceneController->Event_RoundBegin()");
    SetRoundStep(XE_ROUND_CAMP);
}

void XC_GameProcedure_Battle::RoundCamp(float fElapsedTime)
{
    if (m_pCampObject == nullptr) {
        XC_DisplayCampAndTurn* const pBanner = m_BattleMenuMenager.m_pDisplayCampAndTurn;
        if (pBanner != nullptr && !pBanner->IsFinished())
            return;
        const DWORD dwCamp = ReadCampTurn();
        if (ChangeMusicSide(dwCamp))
            return;
        CreateCampObject(dwCamp);
        if (m_pCampObject == nullptr)
            return;
    }
    m_pCampObject->FrameMove(fElapsedTime);
    if (m_pCampObject->IsCampFinish())
        EndCampTurn(ReadCampTurn());
}

// Camps 0 and 1 are the player's side, 2 and 3 the computer's.
bool XC_GameProcedure_Battle::ChangeMusicSide(DWORD dwCamp)
{
    const DWORD dwSide = dwCamp <= 1 ? 1 : 2;
    if (dwSide == m_dwMusicCamp)
        return false;
    m_dwMusicCamp = dwSide;
    if (dwSide == 1)
        PlayCampMusic(m_pControlSceneObj->GetMusicCampPlayer(), PLAYER_MUSIC_CALL);
    else
        PlayCampMusic(m_pControlSceneObj->GetMusicCampComputer(), COMPUTER_MUSIC_CALL);
    XC_DisplayCampAndTurn* const pBanner = m_BattleMenuMenager.m_pDisplayCampAndTurn;
    if (pBanner != nullptr)
        CheckCall(pBanner->Start(dwSide == 1 ? 1 : 0, m_pControlSceneObj->GetTurn()),
                  "g_pBattleMenuMenager->m_pDisplayCampAndTurn->Start( ... )");
    return true;
}

// The same file already playing is not restarted.
void XC_GameProcedure_Battle::PlayCampMusic(const std::string& strMusic, const char* szCall)
{
    if (g_pGame == nullptr)
        return;
    XC_ShowAudio* const pMusic = g_pGame->GetBackgroundMusicObj();
    const char* const szPlaying = pMusic->GetCurrentMusicName();
    if (pMusic->IsPlay() && szPlaying != nullptr && strMusic == szPlaying)
        return;
    AddBattleMusic(strMusic, szCall);
}

void XC_GameProcedure_Battle::AddBattleMusic(const std::string& strMusic, const char* szCall)
{
    XC_ShowAudio* const pMusic = g_pGame->GetBackgroundMusicObj();
    const HRESULT hr = pMusic->AddMusic(strMusic.c_str(), BATTLE_MUSIC_INDEX);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR(szCall, hr);
        return;
    }
    pMusic->Play();
}

void XC_GameProcedure_Battle::CreateCampObject(DWORD dwCamp)
{
    if (IsPlayerCamp(dwCamp))
        m_pCampObject = new XC_ControlCampPlayer;
    else
        m_pCampObject = new XC_ControlCampComputer;
    if (m_pCampObject == nullptr) {
        XM_REPORT_FAILED("m_pCampObject");
        return;
    }
    m_pControlSceneObj->SetCampStep(0);
    CheckCall(m_pCampObject->Init(dwCamp), "m_pCampObject->Init( dwCampTure )");
}

void XC_GameProcedure_Battle::EndCampTurn(DWORD dwCamp)
{
    delete m_pCampObject;
    m_pCampObject = nullptr;
    if (dwCamp + 1 >= CAMP_COUNT)
        SetRoundStep(XE_ROUND_END);
    else
        m_pControlSceneObj->SetCampTurn(static_cast<int>(dwCamp + 1));
}

void XC_GameProcedure_Battle::RoundEnd()
{
    SetRoundStep(XE_ROUND_BEGIN);
    CheckCall(m_BattleSceneController.Event_RoundEnd(), "g_pBattleSceneController->Event_RoundEnd()");
}

// Waits for the scene's works, plays the finish scene, then leaves the field
// and runs the result script.
void XC_GameProcedure_Battle::RoundFinish()
{
    if (IsFinishWorking())
        return;
    if (m_dwFinishStep == 0) {
        StartFinishScene();
        m_dwFinishStep = 1;
    }
    if (m_dwFinishStep == 1 && m_FinishScript.GetAllWorkCount() == 0) {
        m_dwFinishStep = 2;
        m_FinishScript.Clear();
    }
    if (m_dwFinishStep == 2) {
        LeaveBattle();
        m_dwFinishStep = 3;
    }
}

bool XC_GameProcedure_Battle::IsFinishWorking()
{
    return m_BattleSceneController.GetControlSceneSprite()->GetWorkCount() != 0
           || m_BattleSceneController.IsBattleWorking();
}

void XC_GameProcedure_Battle::StartFinishScene()
{
    SetFinishPoses();
    CheckCall(m_FinishScript.Init(GetEnvironmentOfRender()), "m_FinishScript.Init( &m_EnvironmentOfRender )");
    const DWORD dwFileID = m_bVictory ? 209 : 210;
    const char* const szFileName = g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(dwFileID) : nullptr;
    if (szFileName == nullptr)
        XM_REPORT_FAILED("szFileName");
    else
        CheckCall(m_FinishScript.LoadScript(szFileName), "m_FinishScript.LoadScript( szFileName )");
    const D3DXVECTOR3 vCenter = SceneCenter();
    CheckCall(m_FinishScript.GetScriptParameter()->SetParameter(
                  "xyzSceneCenter", XF_FormatText("%f , %f , %f", vCenter.x, vCenter.y, vCenter.z)),
              "SetParameter( \"xyzSceneCenter\" , szCenter )");
    CheckCall(m_FinishScript.RunAllScript(), "m_FinishScript.RunAllScript()");
    CheckCall(XC_AnimationPic::LoadAnimationPicAll(), "XC_AnimationPic::LoadAnimationPicAll()");
}

// The winners cheer and the losers hang their heads.
void XC_GameProcedure_Battle::SetFinishPoses()
{
    const DWORD dwPlayerPose = m_bVictory ? 15 : 12;
    const DWORD dwComputerPose = m_bVictory ? 12 : 15;
    XC_GamePerson* pPersonObj = nullptr;
    while (m_PersonManager.GetNextPerson(pPersonObj, &pPersonObj)) {
        const int iCamp = pPersonObj->GetControlPersonPower()->GetCamp(FALSE);
        if (iCamp == 0 || iCamp == 1)
            CheckCall(pPersonObj->SetPose(dwPlayerPose), "pPersonObj->SetPose( dwPlayerPose )");
        else
            CheckCall(pPersonObj->SetPose(dwComputerPose), "pPersonObj->SetPose( dwComputerPose )");
    }
}

void XC_GameProcedure_Battle::LeaveBattle()
{
    m_bBattleFinished = 1;
    CheckCall(m_PersonManager.DelAllPerson(), "g_pPersonManager->DelAllPerson()");
    gp_ControlManagerObj->m_ControlTeamObj.TransformPet();
    m_BattleSceneObj.SetShow(0);
    if (gp_ScriptManagerObj != nullptr)
        gp_ScriptManagerObj->LoadScript(m_strResultScript);
}

// ---- The "Battle" script function ----

DWORD XC_GameProcedure_Battle::Deal(const std::string& strText)
{
    XC_Strtok words;
    if (words.SetData(strText.c_str()) != S_OK) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return static_cast<DWORD>(E_FAIL);
    }
    const char* const szToken = words.GetToken(TRUE);
    if (szToken == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return static_cast<DWORD>(E_FAIL);
    }
    const std::string strToken = szToken;
    if (strToken == "Victory")
        DealEnd(words, 1);
    else if (strToken == "Defeat")
        DealEnd(words, 0);
    else if (strToken == "SetMusicCampPlayer")
        DealMusic(words, 1);
    else if (strToken == "SetMusicCampComputer")
        DealMusic(words, 0);
    else if (strToken == "AddPerson")
        DealPerson(words, 1);
    else if (strToken == "DelPerson")
        DealPerson(words, 0);
    else if (strToken == "AddSceneElement")
        DealSceneElement(words, 1);
    else if (strToken == "DelSceneElement")
        DealSceneElement(words, 0);
    else
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("UnKnow Token \"%s\" ", strToken.c_str()));
    return 0;
}

// A missing name keeps the result script named before.
void XC_GameProcedure_Battle::DealEnd(XC_Strtok& words, BOOL bVictory)
{
    const char* const szScriptName = words.GetToken(TRUE);
    if (szScriptName == nullptr)
        XM_REPORT_FAILED("szScriptName");
    else
        m_strResultScript = szScriptName;
    m_bVictory = bVictory;
    SetRoundStep(XE_ROUND_FINISH);
    CheckCall(m_BattleSceneController.ClearAllEvent(), "g_pBattleSceneController->ClearAllEvent()");
}

// The music of the side now playing changes at once; the other side's when
// its turn comes.
void XC_GameProcedure_Battle::DealMusic(XC_Strtok& words, BOOL bPlayerSide)
{
    const char* const szMusicName = words.GetToken(TRUE);
    if (szMusicName == nullptr)
        XM_REPORT_FAILED("szMusicName");
    const std::string strMusicName = szMusicName != nullptr ? szMusicName : "";
    if (m_pControlSceneObj == nullptr)
        return;
    if (bPlayerSide)
        m_pControlSceneObj->SetMusicCampPlayer(strMusicName);
    else
        m_pControlSceneObj->SetMusicCampComputer(strMusicName);
    if (m_dwMusicCamp == (bPlayerSide ? 1u : 2u) && g_pGame != nullptr)
        AddBattleMusic(strMusicName, bPlayerSide ? PLAYER_MUSIC_CALL : COMPUTER_MUSIC_CALL);
}

// A missing index is reported by the tokenizer and reads as 0.
void XC_GameProcedure_Battle::DealPerson(XC_Strtok& words, BOOL bAdd)
{
    const DWORD dwTeamID = words.GetTokenDword(TRUE);
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return;
    }
    if (bAdd)
        CheckCall(g_pPersonManager->AddPersonFromTeamIndex(dwTeamID),
                  "g_pPersonManager->AddPersonFromTeamIndex( dwTeamID )");
    else
        CheckCall(g_pPersonManager->DelPersonFromTeamIndex(dwTeamID),
                  "g_pPersonManager->DelPersonFromTeamIndex( dwTeamID )");
}

void XC_GameProcedure_Battle::DealSceneElement(XC_Strtok& words, BOOL bAdd)
{
    const char* const szSceneElementName = words.GetToken(TRUE);
    if (szSceneElementName == nullptr) {
        XM_REPORT_FAILED("szSceneElementName");
        return;
    }
    XC_SceneElementManager* const pManager = m_BattleSceneObj.GetSEManager();
    if (pManager == nullptr)
        return;
    if (bAdd)
        CheckCall(pManager->AddSceneElement(szSceneElementName), "AddSceneElement( szSceneElementName )");
    else
        CheckCall(pManager->DelSceneElement(szSceneElementName), "DelSceneElement( szSceneElementName )");
}
