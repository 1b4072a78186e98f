#include "Code/XC_Game.h"

#include "Code/DialogueScript/XC_DialogueController.h"
#include "Code/MessageBox/XC_GameMessageBox.h"
#include "Code/XC_GameParameterFile.h"
#include "Code/XC_GameProcedure.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_GameScriptCommand.h"
#include "Code/XC_GameScriptNotify.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameTime.h"
#include "Code/XC_Setting.h"
#include "Code/XC_UnattendedRun.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_ErrorLog.h"
#include "GameProgram/Common/XC_Register.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/D3DCommon/XC_D3DTextFont.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Resource/Font/XC_D3DFont_Fon.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "GameProgram/Resource/PackFile/XC_PackFileManager_JBF.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_XFileManager.h"
#include "GameProgram/Resource/XS_2DTextureBuffer.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Script/XC_ScriptSet.h"
#include "JC_DataManager/JF_Game.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <dinput.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_Game* g_pGame = nullptr;
XC_TextureManager* g_pGameTextureManager = nullptr;
BOOL g_bDebugMode = 0;

namespace {

const WORD IDI_GAME_ICON = 133;
const WORD IDR_GAME_ACCELERATOR = 109;
const UINT WM_GAME_VIDEO_EVENT = 0x0400 + 0x0300;
const UINT WM_GAME_MUSIC_EVENT = 0x0400 + 0x0301;
const WPARAM ID_GAME_EXIT = 40006;
const DWORD GF_NOW_LONGING = 150;
const DWORD GF_CURSOR = 180;
const float MAX_FRAME_STEP = 0.04f;
const float FAST_FRAME = 0.025f;
const DWORD INFORMATION_PAGE_COUNT = 5;

void ReportFailedHr(int iLine, const char* szCall, HRESULT hr)
{
    if (hr != S_OK)
        XF_ReportError(s_szSourceFile, iLine, XF_FormatText("( %s ) failed , hr = %x ", szCall, static_cast<unsigned>(hr)));
}

} // namespace

XC_Game::XC_Game()
{
    if (g_pGame != nullptr)
        XM_REPORT_FAILED("NULL == g_pGame");
    g_pGame = this;
    XC_GameScriptCommand::SetGame(this);

    m_wIconID = IDI_GAME_ICON;
    m_wAcceleratorID = IDR_GAME_ACCELERATOR;
    m_szWindowTitle = "Oskel4";
    m_bWindowed = FALSE;
    m_dwCreationWidth = 800;
    m_dwCreationHeight = 600;
    m_AdapterFormat = D3DFMT_R5G6B5;
    m_dwRefreshRate = 60;
    m_WindowMessages.Init(16);

    g_pSetting->SetRegisterKey(HKEY_CURRENT_USER, "Oskel4_Trial");
    if (g_pSetting->Load() != S_OK)
        g_pSetting->Save();
    ApplySettings();

    m_pDebugFont = new XC_D3DTextFont("Fixedsys", 10, 1);
    OpenDebugLog();
    g_pRegisterObj->CreateKey(HKEY_CURRENT_USER, "Oskel4_Trial", nullptr);
}

XC_Game::~XC_Game()
{
    XC_ScriptSet::SetTraceFolder(nullptr);
    delete m_pDebugFont;
    m_pDebugFont = nullptr;
    XC_GameScriptCommand::SetGame(nullptr);
    g_pGame = nullptr;
}

void XC_Game::ApplySettings()
{
    m_bWindowed = g_pSetting->m_bSettingIsFullscreen != 1;
    m_dwCreationWidth = g_pSetting->m_dwSettingwCreationWidth;
    m_dwCreationHeight = g_pSetting->m_dwSettingwCreationHeight;
    m_AdapterFormat = static_cast<D3DFORMAT>(g_pSetting->m_dwSettingAdapterFormat);
    m_dwRefreshRate = g_pSetting->m_dwSettingRefreshRate;
    m_dwGameVersion = g_pSetting->m_dwSettingVersion;
    SetGameSpeed(static_cast<float>(g_pSetting->m_dwGameSpeed) / 100.0f);
}

// The debug log takes every report; its boxes show only in windowed mode,
// and never in an unattended run.
void XC_Game::OpenDebugLog()
{
    if (gp_DebugInfoObj->Initiation(m_szGamePath, "Debug\\ErrorMessage.txt", 1, FILE_SHARE_READ) != S_OK)
        XC_UnattendedRun::ShowBox("gp_DebugInfoObj->Initiation , error", "Message", MB_OK);
    g_pErrorLog->SetOnceOnly(1);
    g_pErrorLog->SetFileHandle(gp_DebugInfoObj->GetFileHandle());
    g_pErrorLog->SetMessageBox(0);
    XF_ReportMessage(XF_FormatText("Version %01d.%02d \r\nEngine %01d.%02d\r\n", static_cast<int>(m_dwGameVersion / 100),
                                     static_cast<int>(m_dwGameVersion % 100), static_cast<int>(m_dwEngineVersion / 100),
                                     static_cast<int>(m_dwEngineVersion % 100)));
    if (m_bWindowed && !XC_UnattendedRun::IsOn())
        g_pErrorLog->SetMessageBox(1);
}

void XC_Game::SetGameSpeed(float fGameSpeed)
{
    m_fGameSpeed = fGameSpeed < 0.0f ? 0.0f : fGameSpeed;
}

XC_EnvironmentOfRender* XC_Game::GetEnvironmentOfRender()
{
    if (m_pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("m_pEnvironmentOfRender");
    return m_pEnvironmentOfRender;
}

HRESULT XC_Game::OneTimeSceneInit()
{
    srand(XC_UnattendedRun::GetSeed());
    HRESULT hr = XC_MyD3DApplication::OneTimeSceneInit();
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "XC_MyD3DApplication::OneTimeSceneInit()", hr);
        return hr;
    }
    if (m_InputObject.Init(m_hWnd, GetModuleHandleA(nullptr)) == S_OK)
        m_InputOfKeyboard.Init(&m_InputObject);
    m_ModuleManager.SetWindow(m_hWnd);
    hr = m_ShowVideoObj.Init(m_hWnd, WM_GAME_VIDEO_EVENT, m_szGamePath);
    ReportFailedHr(__LINE__, "m_ShowVideoObj.Init( m_hWnd , ( 0x0400 + 0x0300 ) , m_szGamePath )", hr);
    hr = m_BackgroundMusicObj.Init(m_hWnd, WM_GAME_MUSIC_EVENT, m_szGamePath);
    ReportFailedHr(__LINE__, "m_BackgroundMusicObj.Init( m_hWnd , ( 0x0400 + 0x0301 ) , m_szGamePath )", hr);
    return S_OK;
}

HRESULT XC_Game::InitGlobal(XC_TextTree* pTextTree)
{
    const XC_TextNode* pTNodeSys = pTextTree->FindChildNode("[Sys]");
    if (pTNodeSys == nullptr)
        XM_REPORT_FAILED("pTNodeSys");
    else
        bVideoEnable = pTNodeSys->GetBool("bVideoEnable", FALSE);
    return XC_MyD3DApplication::InitGlobal(pTextTree);
}

HRESULT XC_Game::GetGlobalObjectIni(XC_TextTree* pTextTree)
{
    const HRESULT hr = pTextTree->LoadFile(XF_FormatText("%sGame.ini", m_szGamePath));
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "pTextTree->LoadFile( szFileName )", hr);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_Game::InitPackFile(const char* szPath)
{
    m_QuorlinModule = LoadLibraryA(XF_FormatText("%sQuorlin_R.dll", m_szGamePath));
    if (m_QuorlinModule == nullptr)
        XM_REPORT_FAILED("m_QuorlinModule");
    XC_PackFileManager_JBF* pPackFileManager = new XC_PackFileManager_JBF;
    const HRESULT hr = pPackFileManager->Init(szPath, m_QuorlinModule);
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "pPackFileManager->Init( szPath , m_QuorlinModule )", hr);
        pPackFileManager->Fini();
        delete pPackFileManager;
        return E_FAIL;
    }
    g_pPackFileManager = pPackFileManager;
    return S_OK;
}

HRESULT XC_Game::FiniPackFile()
{
    XC_PackFileManager_JBF* pPackFileManager = static_cast<XC_PackFileManager_JBF*>(g_pPackFileManager);
    if (pPackFileManager != nullptr) {
        ReportFailedHr(__LINE__, "g_pPackFileManager->Fini()", pPackFileManager->Fini());
        delete pPackFileManager;
        g_pPackFileManager = nullptr;
    }
    if (m_QuorlinModule != nullptr) {
        FreeLibrary(m_QuorlinModule);
        m_QuorlinModule = nullptr;
    }
    return S_OK;
}

HRESULT XC_Game::InitD3DFont(XC_TextNode* pTNode)
{
    const char* szFontFile = pTNode->GetStr("szFontFile", nullptr);
    if (szFontFile == nullptr) {
        XM_REPORT_FAILED("szFontFile");
        return E_FAIL;
    }
    XC_D3DFont_Fon* pD3DFontObj = new XC_D3DFont_Fon;
    const HRESULT hr = pD3DFontObj->Init(20, "Arial", XF_FormatText("%s%s", m_szGamePath, szFontFile));
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "pD3DFontObj->Init( 20 , \"Arial\" , szFontFile )", hr);
        delete pD3DFontObj;
        return hr;
    }
    g_pD3DFontObj = pD3DFontObj;
    return S_OK;
}

HRESULT XC_Game::FiniD3DFont()
{
    XC_D3DFont_Fon* pD3DFontObj = static_cast<XC_D3DFont_Fon*>(g_pD3DFontObj);
    if (pD3DFontObj != nullptr) {
        pD3DFontObj->Fini();
        delete pD3DFontObj;
        g_pD3DFontObj = nullptr;
    }
    return S_OK;
}

HRESULT XC_Game::InitDeviceObjects()
{
    m_dwStartTextureMemory = m_pD3DDevice->GetAvailableTextureMem();
    GlobalMemoryStatus(&m_StartMemoryStatus);

    HRESULT hr = XC_MyD3DApplication::InitDeviceObjects();
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "XC_MyD3DApplication::InitDeviceObjects()", hr);
        return hr;
    }
    ReportFailedHr(__LINE__, "m_pDebugFont->InitDeviceObjects( m_pD3DDevice )", m_pDebugFont->InitDeviceObjects(m_pD3DDevice));
    m_pEnvironmentOfRender = new XC_EnvironmentOfRender;
    m_pEnvironmentOfRender->SetPainter(&m_Painter);
    CreateGameTextureManager();
    SetMusicFromSeting();
    ReportFailedHr(__LINE__, "LoadGameParameter()", LoadGameParameter());
    if (g_pDialogueController == nullptr)
        XM_REPORT_FAILED("g_pDialogueController");
    else
        g_pDialogueController->Init(m_pEnvironmentOfRender);
    CreateNowLonging();
    ReportFailedHr(__LINE__, "m_MouseObj.Init( g_pPackFile_Data , m_pEnvironmentOfRender , szFileName )",
                   m_MouseObj.Init(g_pPackFile_Data, m_pEnvironmentOfRender, g_pGameFileName->GetFileName(GF_CURSOR)));
    ReportFailedHr(__LINE__, "XC_AnimationPic::LoadAnimationPicAll()", XC_AnimationPic::LoadAnimationPicAll());
    RenderNowLonging();
    g_pInputOfKeyboardObj = &m_InputOfKeyboard;
    g_pMouseStateObj = &m_MouseState;
    g_pMouseObj = &m_MouseObj;

    hr = BuildDataLayer();
    if (hr != S_OK)
        return hr;
    ReportFailedHr(__LINE__, "g_pGameScriptNotify->Init()", g_pGameScriptNotify->Init());

    g_pGameMessageBox = new XC_GameMessageBox;
    ReportFailedHr(__LINE__, "g_pGameMessageBox->Init( &m_ModuleManager )", g_pGameMessageBox->Init(&m_ModuleManager));

    hr = _ChangeProcedure(GP_Logo);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT XC_Game::CreateGameTextureManager()
{
    XI_PackFile* pPackFile = g_pPackFileManager != nullptr ? g_pPackFileManager->OpenPackFile("") : nullptr;
    if (pPackFile == nullptr) {
        XM_REPORT_FAILED("pPackFile");
        return E_FAIL;
    }
    g_pGameTextureManager = new XC_TextureManager;
    ReportFailedHr(__LINE__, "g_pGameTextureManager->Init( pPackFile )", g_pGameTextureManager->Init(pPackFile));
    g_pGameTextureManager->SetManagerName("GameTextureManager");
    g_pGameTextureManager->SetCacheSize(0);
    if (XC_UnattendedRun::IsOn()) {
        g_pGameTextureManager->SetMessageBox(FALSE);
        if (g_pTextureManager != nullptr)
            g_pTextureManager->SetMessageBox(FALSE);
    }
    return S_OK;
}

void XC_Game::SetMusicFromSeting()
{
    const DWORD dwMusic = g_pSetting->m_bMusicFlag ? g_pSetting->m_dwMusicVolume : 0;
    m_BackgroundMusicObj.SetVolumePercent(dwMusic, 0);
    if (g_pMusicManager != nullptr)
        g_pMusicManager->SetVolume(g_pSetting->m_bSoundFlag ? g_pSetting->m_dwSoundVolume : 0);
}

HRESULT XC_Game::LoadGameParameter()
{
    return XC_GameParameterFile::Load();
}

HRESULT XC_Game::CreateNowLonging()
{
    const char* szFileName = g_pGameFileName->GetFileName(GF_NOW_LONGING);
    if (szFileName == nullptr) {
        XM_REPORT_FAILED("szFileName");
        return E_FAIL;
    }
    m_pRA_NowLonging = new XC_RenderAnimation;
    ReportFailedHr(__LINE__, "m_pRA_NowLonging->LoadAnimation( szFileName )", m_pRA_NowLonging->LoadAnimation(szFileName));
    m_pRA_NowLonging->SetEnvironmentOfRender(m_pEnvironmentOfRender);
    m_pRA_NowLonging->SetCoordinateSystem(1);
    m_pRA_NowLonging->SetShow(FALSE);
    m_pRA_NowLonging->SetRenderQueueGroup(1);
    m_pRA_NowLonging->SetCurrentPage(0);
    return S_OK;
}

// A failed build of the data layer is fatal: no procedure starts.
HRESULT XC_Game::BuildDataLayer()
{
    const DWORD dwResult = JF_Build(m_szGamePath);
    if (dwResult == 0)
        return S_OK;
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "hr", static_cast<unsigned>(dwResult), "JC Build( ) Error"));
    return E_FAIL;
}

// One frame of the now-loading picture on a random page; a picture of no
// pages keeps its page.
HRESULT XC_Game::RenderNowLonging()
{
    m_MouseObj.SetVisible(FALSE);
    if (m_pD3DDevice == nullptr || m_pRA_NowLonging == nullptr)
        return S_OK;
    m_pRA_NowLonging->SetShow(TRUE);
    XC_AnimationObject* pAniObj = nullptr;
    if (m_pRA_NowLonging->GetAnimationObject(&pAniObj) != S_OK || pAniObj == nullptr) {
        XM_REPORT_FAILED("m_pRA_NowLonging->GetAnimationObject( &pAniObj )");
    } else {
        const DWORD dwPageCount = pAniObj->GetPageCount();
        if (dwPageCount > 0)
            m_pRA_NowLonging->SetCurrentPage(static_cast<DWORD>(rand()) % dwPageCount);
        pAniObj->Release();
    }
    if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
        XF_UpdateAllRenderNodes();
        m_Painter.Render();
        m_pD3DDevice->EndScene();
    }
    m_pRA_NowLonging->SetShow(FALSE);
    const HRESULT hr = m_pD3DDevice->Present(nullptr, nullptr, nullptr, nullptr);
    ReportFailedHr(__LINE__, "m_pD3DDevice->Present( NULL , NULL , NULL , NULL )", hr);
    return S_OK;
}

HRESULT XC_Game::RestoreDeviceObjects()
{
    const HRESULT hr = XC_MyD3DApplication::RestoreDeviceObjects();
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "XC_MyD3DApplication::RestoreDeviceObjects()", hr);
        return hr;
    }
    m_pDebugFont->RestoreDeviceObjects();
    m_InputOfKeyboard.ClearKeys();
    return S_OK;
}

HRESULT XC_Game::InvalidateDeviceObjects()
{
    m_pDebugFont->InvalidateDeviceObjects();
    m_InputOfKeyboard.ClearKeys();
    return S_OK;
}

HRESULT XC_Game::DeleteDeviceObjects()
{
    _ChangeProcedure(GP_OutGame);
    delete g_pGameMessageBox;
    g_pGameMessageBox = nullptr;
    g_pInputOfKeyboardObj = nullptr;
    g_pMouseStateObj = nullptr;
    g_pMouseObj = nullptr;
    delete m_pRA_NowLonging;
    m_pRA_NowLonging = nullptr;
    m_MouseObj.Fini();
    m_pDebugFont->DeleteDeviceObjects();
    if (g_pDialogueController != nullptr)
        g_pDialogueController->Fini();
    if (g_pGameTextureManager == nullptr) {
        XM_REPORT_FAILED("g_pGameTextureManager");
    } else {
        g_pGameTextureManager->Fini();
        delete g_pGameTextureManager;
        g_pGameTextureManager = nullptr;
    }
    delete m_pEnvironmentOfRender;
    m_pEnvironmentOfRender = nullptr;
    const HRESULT hr = XC_MyD3DApplication::DeleteDeviceObjects();
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "XC_MyD3DApplication::DeleteDeviceObjects()", hr);
        return hr;
    }
    return S_OK;
}

HRESULT XC_Game::FinalCleanup()
{
    m_InputOfKeyboard.Fini();
    m_InputObject.Fini();
    g_pGameScriptNotify->Fini();
    const DWORD dwResult = JF_Destroy();
    if (dwResult != 0)
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "hr", static_cast<unsigned>(dwResult),
                                     XF_FormatText("JC Destroy Error , hr = %x", static_cast<unsigned>(dwResult))));
    const HRESULT hr = XC_MyD3DApplication::FinalCleanup();
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "XC_MyD3DApplication::FinalCleanup()", hr);
        return hr;
    }
    return S_OK;
}

// ---- The frame and the procedure switch ----

float XC_Game::GetStepTime(float fElapsedTime, float fGameSpeed)
{
    const float fStep = fElapsedTime < MAX_FRAME_STEP ? fElapsedTime : MAX_FRAME_STEP;
    return fStep * fGameSpeed;
}

HRESULT XC_Game::ChangeProcedure(int iProcedureID)
{
    m_bChangeProcedure = 1;
    m_iChangeProcedureID = iProcedureID;
    return S_OK;
}

BOOL XC_Game::CanUpdateModules() const
{
    return g_pDialogueController == nullptr || !g_pDialogueController->IsDialogueActive();
}

HRESULT XC_Game::FrameMove()
{
    if (m_bChangeProcedure) {
        m_bChangeProcedure = 0;
        OutputDebugStringA(XF_FormatText("ChangeProcedure %d\n", m_iChangeProcedureID));
        if (_ChangeProcedure(m_iChangeProcedureID) != S_OK) {
            XF_ReportError(s_szSourceFile, __LINE__, "ChangeProcedure ERROR");
            // Nothing runs any more: the game ends.
            if (m_hWnd != nullptr)
                PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
            return XC_GAME_E_CHANGE_PROCEDURE;
        }
    }
    if (gp_ScriptManagerObj != nullptr)
        gp_ScriptManagerObj->UpdateAll();
    if (g_pDialogueController == nullptr)
        XM_REPORT_FAILED("g_pDialogueController");
    else
        g_pDialogueController->FrameMove(m_fElapsedTime);
    m_InputOfKeyboard.Update();
    DealDeveloperKeys();

    const float fStepTime = GetStepTime(m_fElapsedTime, m_fGameSpeed);
    MoveCameras(fStepTime);
    m_MouseState.Update(fStepTime);
    if (CanUpdateModules())
        m_ModuleManager.FrameMove(fStepTime);
    g_pTimerManager->Update(fStepTime);
    if (m_fElapsedTime < FAST_FRAME)
        XC_AnimationPic::LoadAnimationPic(1);
    m_MouseState.Clear();
    return S_OK;
}

// The lights follow a change of the world camera's zoom.
void XC_Game::MoveCameras(float fStepTime)
{
    if (g_pWorldCameraMan == nullptr || g_pScreenCameraMan == nullptr) {
        XM_REPORT_FAILED("g_pWorldCameraMan");
        return;
    }
    if (g_pWorldLightMan == nullptr) {
        XM_REPORT_FAILED("g_pWorldLightMan");
        return;
    }
    g_pWorldCameraMan->FrameMove(fStepTime);
    g_pScreenCameraMan->FrameMove(fStepTime);
    const float fZoom = g_pWorldCameraMan->GetCurrentData()->m_fDistance;
    if (fZoom != m_fLastWorldZoom) {
        m_fLastWorldZoom = fZoom;
        g_pWorldLightMan->SetFogOffset(fZoom);
    }
}

HRESULT XC_Game::_ChangeProcedure(int iProcedureID)
{
    RenderNowLonging();
    HRESULT hr = CloseRunningProcedure();
    if (hr != S_OK)
        return AbortChangeProcedure(hr);
    m_iProcedureID = iProcedureID;
    if (iProcedureID == GP_None || iProcedureID == GP_OutGame)
        return S_OK;
    hr = StartProcedure(iProcedureID);
    return hr == S_OK ? S_OK : AbortChangeProcedure(hr);
}

HRESULT XC_Game::CloseRunningProcedure()
{
    HRESULT hr = m_ModuleManager.RemoveAllModules();
    if (hr != S_OK)
        return hr;
    if (m_pProcedureObj == nullptr)
        return S_OK;
    hr = m_pProcedureObj->Fini();
    if (hr != S_OK) {
        XF_ReportError(s_szSourceFile, __LINE__, "m_pProcedureObj->Fini() Error");
        return hr;
    }
    delete m_pProcedureObj;
    m_pProcedureObj = nullptr;
    return S_OK;
}

HRESULT XC_Game::StartProcedure(int iProcedureID)
{
    m_pProcedureObj = XC_GameProcedureFactory::Create(iProcedureID);
    if (m_pProcedureObj == nullptr) {
        XM_REPORT_FAILED("m_pProcedureObj");
        return E_FAIL;
    }
    m_pProcedureObj->SetModuleManager(&m_ModuleManager);
    HRESULT hr = m_pProcedureObj->Init();
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "m_pProcedureObj->Init()", hr);
        return E_FAIL;
    }
    hr = m_pProcedureObj->Enable();
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "m_pProcedureObj->Enable()", hr);
        return E_FAIL;
    }
    return S_OK;
}

// A procedure whose Init or Enable failed is finished before it is deleted,
// so nothing it published points at freed memory.
HRESULT XC_Game::AbortChangeProcedure(HRESULT hr)
{
    XF_ReportError(s_szSourceFile, __LINE__, "Game ChangeProcedure Error");
    if (m_pProcedureObj != nullptr) {
        m_ModuleManager.RemoveAllModules();
        m_pProcedureObj->Fini();
        delete m_pProcedureObj;
        m_pProcedureObj = nullptr;
    }
    return hr;
}

// ---- Drawing, window messages, videos and screenshots ----

HRESULT XC_Game::Render()
{
    if (!m_bActive)
        XM_REPORT_FAILED("m_bActive");
    HRESULT hr = m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, m_dwBackgroundColor, 1.0f, 0);
    if (hr != S_OK)
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "hr", static_cast<unsigned>(hr),
                                     "m_pD3DDevice->Clear() error"));
    if (FAILED(m_pD3DDevice->BeginScene()))
        return S_OK;
    XF_UpdateAllRenderNodes();
    g_iRenderCount = 0;
    g_dwRenderObjCountTotal = 0;
    g_dwRenderObjCountInside = 0;
    m_ModuleManager.Render();
    m_Painter.Render();
    if (m_bShowInformation)
        ReportFailedHr(__LINE__, "ShowInformation()", ShowInformation());
    m_pD3DDevice->EndScene();
    return S_OK;
}

LRESULT XC_Game::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_bShowInformation && m_dwInformationPage == 3)
        m_WindowMessages.AddMessage(uMsg, wParam, lParam);
    if (m_bActive)
        m_MouseState.OnWindowMessage(uMsg, wParam, lParam);
    if (CanUpdateModules() && m_ModuleManager.MsgProc(hWnd, uMsg, wParam, lParam) == 0)
        return 0;

    switch (uMsg) {
    case WM_ACTIVATE:
        switch (LOWORD(wParam)) {
        case WA_INACTIVE: OutputDebugStringA("WM_ACTIVATE , WA_INACTIVE \n"); break;
        case WA_ACTIVE: OutputDebugStringA("WM_ACTIVATE , WA_ACTIVE \n"); break;
        case WA_CLICKACTIVE: OutputDebugStringA("WM_ACTIVATE , WA_CLICKACTIVE \n"); break;
        default: OutputDebugStringA(XF_FormatText("WM_ACTIVATE , %x \n", static_cast<unsigned>(LOWORD(wParam)))); break;
        }
        Pause(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case XD_ModuleChangeMessage:
        m_MouseState.Clear();
        m_InputOfKeyboard.ClearKeys();
        return 0;
    case WM_GAME_MUSIC_EVENT:
        m_BackgroundMusicObj.HandleGraphEvent();
        return 0;
    case WM_GAME_VIDEO_EVENT:
        m_ShowVideoObj.HandleGraphEvent();
        if (!m_ShowVideoObj.IsPlay())
            StopVideo();
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m_bVideoPlaying)
            StopVideo();
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == 40002 || LOWORD(wParam) == 40003)
            return 0;
        if (LOWORD(wParam) == ID_GAME_EXIT) {
            SendMessageA(hWnd, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return XC_MyD3DApplication::MsgProc(hWnd, uMsg, wParam, lParam);
}

HRESULT XC_Game::PlayVideo(const char* szVideoName)
{
    if (!bVideoEnable)
        return S_OK;
    if (m_bVideoPlaying)
        return E_FAIL;
    if (szVideoName == nullptr) {
        XM_REPORT_FAILED("szVideoName");
        return E_FAIL;
    }
    HRESULT hr = m_ShowVideoObj.LoadVideo(szVideoName);
    if (hr != S_OK) {
        ReportFailedHr(__LINE__, "m_ShowVideoObj.LoadVideo( szVideoName )", hr);
        return E_FAIL;
    }
    hr = m_pD3DDevice->SetDialogBoxMode(TRUE);
    if (hr != S_OK)
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "g_pVar->g_pD3DDevice->SetDialogBoxMode( 1 )",
                                     static_cast<unsigned>(hr), "D3D設定對話盒模式設錯誤"));
    Pause(FALSE);
    m_ShowVideoObj.Play();
    m_bVideoPlaying = 1;
    return S_OK;
}

HRESULT XC_Game::StopVideo()
{
    if (!m_bVideoPlaying)
        return E_FAIL;
    const HRESULT hr = m_pD3DDevice->SetDialogBoxMode(FALSE);
    if (hr != S_OK)
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "g_pVar->g_pD3DDevice->SetDialogBoxMode( 0 )",
                                     static_cast<unsigned>(hr), "D3D設定對話盒模式設錯誤"));
    m_ShowVideoObj.Stop();
    Pause(TRUE);
    m_bVideoPlaying = 0;
    return S_OK;
}

HRESULT XC_Game::SaveBackBuffer()
{
    const std::string strFolder = std::string(m_szGamePath) + "ScreenShot";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    const std::time_t now = std::time(nullptr);
    char szName[32] = {};
    std::strftime(szName, sizeof(szName), "%y_%m_%d_%H_%M_%S", std::localtime(&now));
    const std::string strPath = strFolder + "\\" + szName + ".bmp";
    return XF_SaveBackBuffer(m_pD3DDevice, strPath.c_str(), static_cast<D3DFORMAT>(20), 0, 0);
}

// ---- Developer keys and the information overlay ----

namespace {

struct XS_KeyDigit
{
    DWORD dwKey;
    DWORD dwDigit;
};

const XS_KeyDigit s_HexKeys[] = {{DIK_0, 0},   {DIK_1, 1},   {DIK_2, 2},   {DIK_3, 3},   {DIK_4, 4},   {DIK_5, 5},
                                 {DIK_6, 6},   {DIK_7, 7},   {DIK_8, 8},   {DIK_9, 9},   {DIK_A, 10},  {DIK_B, 11},
                                 {DIK_C, 12},  {DIK_D, 13},  {DIK_E, 14},  {DIK_F, 15}};

// The world camera's keypad moves: two keys of one channel each.
struct XS_CameraKeys
{
    DWORD dwUp;
    DWORD dwDown;
};

// The text of a number with thousands separators.
std::string WithSeparators(unsigned long long ullValue)
{
    const std::string strDigits = std::to_string(ullValue);
    std::string strText;
    for (size_t i = 0; i < strDigits.size(); ++i) {
        if (i > 0 && (strDigits.size() - i) % 3 == 0)
            strText += ',';
        strText += strDigits[i];
    }
    return strText;
}

} // namespace

void XC_Game::DealDeveloperKeys()
{
    const XC_InputOfKeyboard& keys = m_InputOfKeyboard;
    if (g_bDebugMode && (keys.IsKeyDown(DIK_LCONTROL) || keys.IsKeyDown(DIK_RCONTROL))) {
        if (keys.IsAnyKeyChanged())
            DealCommandKeys();
        DealDebugCamera();
        if (m_fGameSpeed < 1.0f && g_pWorldCameraMan != nullptr)
            g_pWorldCameraMan->FrameMove(m_fElapsedTime - m_fElapsedTime * m_fGameSpeed);
    }
    if (!keys.IsAnyKeyChanged())
        return;
    if (keys.IsKeyPressed(DIK_F1))
        ReportFailedHr(__LINE__, "SaveBackBuffer()", SaveBackBuffer());
    DealFlagKeys();
    if (!g_bDebugMode && keys.IsKeyDown(DIK_B) && keys.IsKeyDown(DIK_T) && keys.IsKeyDown(DIK_RETURN))
        g_bDebugMode = 1;
}

void XC_Game::DealFlagKeys()
{
    const XC_InputOfKeyboard& keys = m_InputOfKeyboard;
    if (keys.IsKeyDown(DIK_J) && keys.IsKeyDown(DIK_Q) && keys.IsKeyDown(DIK_U) && keys.IsKeyDown(DIK_G) &&
        keys.IsKeyPressed(DIK_7))
        ToggleSystemFlag(25);
    if (!keys.IsKeyDown(DIK_RETURN))
        return;
    const XS_KeyDigit flagKeys[] = {{DIK_K, 26}, {DIK_N, 27}, {DIK_P, 28}, {DIK_I, 29}};
    for (const XS_KeyDigit& flag : flagKeys) {
        if (keys.IsKeyDown(flag.dwKey))
            ToggleSystemFlag(flag.dwDigit);
    }
}

void XC_Game::ToggleSystemFlag(DWORD dwIndex)
{
    if (gp_ScriptManagerObj == nullptr)
        return;
    JC_ControlScriptFlag* pFlag = gp_ScriptManagerObj->GetScriptFlag();
    pFlag->SetFlagSystem(dwIndex, pFlag->GetFlagSystem(dwIndex) ? 0 : 1);
}

void XC_Game::DealCommandKeys()
{
    const XC_InputOfKeyboard& keys = m_InputOfKeyboard;
    if (keys.IsKeyPressed(DIK_F11))
        m_bShowInformation = !m_bShowInformation;
    if (keys.IsKeyPressed(DIK_F10))
        m_dwInformationPage = (m_dwInformationPage + 1) % INFORMATION_PAGE_COUNT;
    if (keys.IsKeyPressed(DIK_F9))
        RunTestScript();
    if (keys.IsKeyPressed(DIK_F8))
        ReportFailedHr(__LINE__, "LoadGameParameter()", LoadGameParameter());
    if (keys.IsKeyPressed(DIK_F7)) {
        ReportFailedHr(__LINE__, "InitCameraAndLight()", InitCameraAndLight());
        if (g_pXFileManager != nullptr)
            ReportFailedHr(__LINE__, "g_pXFileManager->RestoreAllXFileWhenDeviceLose()",
                           g_pXFileManager->RestoreAllXFileWhenDeviceLose());
    }
    if (m_bShowInformation)
        DealOverlayKeys();
    if (m_bRenderCountKeysEnable)
        DealRenderCountKeys();
    if (m_bGameSpeedKeysEnable)
        DealGameSpeedKeys();
    if (keys.IsKeyPressed(DIK_O))
        ToggleScriptTrace();
    if (keys.IsKeyPressed(DIK_L))
        g_pErrorLog->ClearRecords();
}

void XC_Game::RunTestScript()
{
    BYTE* pBuffer = nullptr;
    DWORD dwSiez = 0;
    if (XF_LoadFile(XF_FormatText("%sScript\\TestScript.txt", m_szGamePath), &pBuffer, &dwSiez) != S_OK ||
        gp_ScriptManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ScriptManagerObj->LoadScript( (PBYTE)pBuffer , dwSiez )");
        delete[] pBuffer;
        return;
    }
    const DWORD dwResult = gp_ScriptManagerObj->LoadScript(reinterpret_cast<const char*>(pBuffer), dwSiez);
    if (static_cast<LONG>(dwResult) < 0)
        ReportFailedHr(__LINE__, "gp_ScriptManagerObj->LoadScript( (PBYTE)pBuffer , dwSiez )", dwResult);
    delete[] pBuffer;
}

void XC_Game::DealOverlayKeys()
{
    const XC_InputOfKeyboard& keys = m_InputOfKeyboard;
    for (const XS_KeyDigit& digit : s_HexKeys) {
        if (keys.IsKeyPressed(digit.dwKey))
            m_dwInformationColor = m_dwInformationColor * 16 + digit.dwDigit;
    }
    const DWORD dwBufferCount = g_p2DTextureManager != nullptr ? g_p2DTextureManager->GetTextureBufferCount() : 0;
    if (dwBufferCount == 0)
        return;
    if (keys.IsKeyPressed(DIK_EQUALS))
        m_dw2DTextureBufferIndex = (m_dw2DTextureBufferIndex + 1) % dwBufferCount;
    if (keys.IsKeyPressed(DIK_MINUS))
        m_dw2DTextureBufferIndex = (m_dw2DTextureBufferIndex + dwBufferCount - 1) % dwBufferCount;
}

void XC_Game::DealRenderCountKeys()
{
    const XC_InputOfKeyboard& keys = m_InputOfKeyboard;
    if (keys.IsKeyPressed(DIK_PRIOR))
        ++g_iRenderMaxCount;
    if (keys.IsKeyPressed(DIK_NEXT) && g_iRenderMaxCount > 0)
        --g_iRenderMaxCount;
    if (keys.IsKeyPressed(DIK_INSERT))
        ++g_iRenderBeginNum;
    if (keys.IsKeyPressed(DIK_DELETE) && g_iRenderBeginNum > 0)
        --g_iRenderBeginNum;
    if (keys.IsKeyPressed(DIK_HOME))
        g_iRenderBeginNum = g_iRenderMaxCount = 0;
    if (keys.IsKeyPressed(DIK_END)) {
        g_iRenderBeginNum = 0;
        g_iRenderMaxCount = 1000;
    }
}

void XC_Game::DealGameSpeedKeys()
{
    const XC_InputOfKeyboard& keys = m_InputOfKeyboard;
    if (keys.IsKeyPressed(DIK_LEFT))
        SetGameSpeed(0.0f);
    if (keys.IsKeyPressed(DIK_DOWN))
        SetGameSpeed(m_fGameSpeed - 0.1f < 0.0f ? 0.0f : m_fGameSpeed - 0.1f);
    if (keys.IsKeyPressed(DIK_UP))
        SetGameSpeed(m_fGameSpeed + 0.1f);
    if (keys.IsKeyPressed(DIK_RIGHT))
        SetGameSpeed(m_fGameSpeed + 1.0f);
}

void XC_Game::ToggleScriptTrace()
{
    static BOOL s_bScriptTrace = 0;
    s_bScriptTrace = !s_bScriptTrace;
    XC_ScriptSet::SetTraceFolder(s_bScriptTrace ? XF_FormatText("%sDebug\\", m_szGamePath) : nullptr);
}

// The numeric keypad turns, zooms and moves the world camera at real speed.
void XC_Game::DealDebugCamera()
{
    if (g_pWorldCameraMan == nullptr || g_pGameTime == nullptr)
        return;
    const XC_InputOfKeyboard& keys = m_InputOfKeyboard;
    const auto amount = [&](const XS_CameraKeys& pair, float fRate) {
        return ((keys.IsKeyDown(pair.dwUp) ? 1.0f : 0.0f) - (keys.IsKeyDown(pair.dwDown) ? 1.0f : 0.0f)) *
               m_fElapsedTime * fRate;
    };
    const float fRotation = g_pGameTime->fCameraRotationSpeed;
    const float fMove = g_pGameTime->fCameraMoveSpeed2;
    const float fYaw = amount({DIK_NUMPAD0, DIK_DECIMAL}, fRotation);
    const float fPitch = amount({DIK_NUMPAD7, DIK_NUMPAD1}, fRotation);
    const float fZoom = amount({DIK_ADD, DIK_SUBTRACT}, fMove);
    const float fSide = amount({DIK_NUMPAD6, DIK_NUMPAD4}, fMove);
    const float fUp = amount({DIK_NUMPAD9, DIK_NUMPAD3}, fMove);
    const float fForward = amount({DIK_NUMPAD8, DIK_NUMPAD2}, fMove);
    if (fYaw != 0.0f)
        g_pWorldCameraMan->AddTargetYaw(fYaw);
    if (fPitch != 0.0f)
        g_pWorldCameraMan->AddTargetPitch(fPitch);
    if (fZoom != 0.0f)
        g_pWorldCameraMan->AddTargetDistance(fZoom);
    if (fSide == 0.0f && fUp == 0.0f && fForward == 0.0f)
        return;
    const float fCameraYaw = g_pWorldCameraMan->GetCurrentData()->m_fYaw;
    const D3DXVECTOR3 vMove(fSide * cosf(fCameraYaw) + fForward * sinf(fCameraYaw), fUp,
                            -fSide * sinf(fCameraYaw) + fForward * cosf(fCameraYaw));
    g_pWorldCameraMan->AddTargetLookAt(&vMove);
}

HRESULT XC_Game::ShowInformation()
{
    ++m_dwFrameCount;
    m_fFrameTime += m_fElapsedTime;
    if (m_fFrameTime > 1.0f) {
        m_fFramesPerSecond = static_cast<float>(m_dwFrameCount) / m_fFrameTime;
        m_dwFrameCount = 0;
        m_fFrameTime = 0.0f;
    }
    m_pDebugFont->DrawText(2.0f, 0.0f, m_dwInformationColor, XF_FormatText("%f fps", m_fFramesPerSecond));
    float fY = static_cast<float>(m_BackBufferDesc.Height) - 18.0f;
    switch (m_dwInformationPage) {
    case 0: ShowMemoryPage(fY); break;
    case 1: ShowRenderCountPage(fY); break;
    case 2: Show2DTexturePage(fY); break;
    case 3: ShowMessagePage(fY); break;
    default: ShowMusicAndCameraPage(fY); break;
    }
    return S_OK;
}

void XC_Game::DrawOverlayLine(float& fY, const char* szText)
{
    m_pDebugFont->DrawText(2.0f, fY, m_dwInformationColor, szText != nullptr ? szText : "");
    fY -= 18.0f;
}

void XC_Game::ShowMemoryPage(float& fY)
{
    MEMORYSTATUS status;
    GlobalMemoryStatus(&status);
    const std::string strTextureNow = WithSeparators(m_pD3DDevice->GetAvailableTextureMem());
    const std::string strTextureStart = WithSeparators(m_dwStartTextureMemory);
    DrawOverlayLine(fY, XF_FormatText("Texture  Memory ,Now %13s ,Original %13s", strTextureNow.c_str(),
                                      strTextureStart.c_str()));
    const std::string strPhysical[] = {WithSeparators(status.dwAvailPhys), WithSeparators(m_StartMemoryStatus.dwAvailPhys),
                                       WithSeparators(status.dwTotalPhys)};
    DrawOverlayLine(fY, XF_FormatText("Physical Memory ,Now %13s ,Original %13s ,Total %13s", strPhysical[0].c_str(),
                                      strPhysical[1].c_str(), strPhysical[2].c_str()));
    const std::string strVirtual[] = {WithSeparators(status.dwAvailVirtual),
                                      WithSeparators(m_StartMemoryStatus.dwAvailVirtual),
                                      WithSeparators(status.dwTotalVirtual)};
    DrawOverlayLine(fY, XF_FormatText("Virtual  Memory ,Now %13s ,Original %13s ,Total %13s", strVirtual[0].c_str(),
                                      strVirtual[1].c_str(), strVirtual[2].c_str()));
    const auto count = [](const XC_ResourceManager* pManager) {
        return pManager != nullptr ? static_cast<int>(pManager->GetResourceCount()) : 0;
    };
    DrawOverlayLine(fY, XF_FormatText("Music     Count %d", count(g_pMusicManager)));
    DrawOverlayLine(fY, XF_FormatText("Texture   Count %d", count(g_pTextureManager)));
    DrawOverlayLine(fY, XF_FormatText("2DTexture Count %d", count(g_p2DTextureManager)));
    DrawOverlayLine(fY, XF_FormatText("Animation Count %d", count(g_pAnimationManager)));
    DrawOverlayLine(fY, XF_FormatText("XFile     Count %d", count(g_pXFileManager)));
}

void XC_Game::ShowRenderCountPage(float& fY)
{
    DrawOverlayLine(fY, XF_FormatText("RenderBeginNum       %d", g_iRenderBeginNum));
    DrawOverlayLine(fY, XF_FormatText("RenderMaxCount       %d", g_iRenderMaxCount));
    DrawOverlayLine(fY, XF_FormatText("RenderObjCountInside %d", static_cast<int>(g_dwRenderObjCountInside)));
    DrawOverlayLine(fY, XF_FormatText("RenderObjCountTotal  %d", static_cast<int>(g_dwRenderObjCountTotal)));
}

void XC_Game::Show2DTexturePage(float& fY)
{
    const DWORD dwBufferCount = g_p2DTextureManager != nullptr ? g_p2DTextureManager->GetTextureBufferCount() : 0;
    if (dwBufferCount > 0) {
        const DWORD dwIndex = m_dw2DTextureBufferIndex % dwBufferCount;
        g_p2DTextureManager->RenderTextureBuffer(dwIndex);
        const XS_2DTextureBuffer* ps2DTextureBuffer = g_p2DTextureManager->GetTextureBuffer(dwIndex);
        D3DSURFACE_DESC sDesc = {};
        if (ps2DTextureBuffer == nullptr || ps2DTextureBuffer->pTexture == nullptr ||
            ps2DTextureBuffer->pTexture->GetLevelDesc(0, &sDesc) != S_OK)
            XM_REPORT_FAILED("ps2DTextureBuffer->pTexture->GetLevelDesc( 0 , &sDesc )");
        DrawOverlayLine(fY, XF_FormatText("Format %d ", static_cast<int>(sDesc.Format)));
        DrawOverlayLine(fY, XF_FormatText("Width %d , Height %d ", static_cast<int>(sDesc.Width),
                                          static_cast<int>(sDesc.Height)));
        DrawOverlayLine(fY, XF_FormatText("CurrentShow 2DTextureBufferIndex %d", static_cast<int>(dwIndex)));
    }
    DrawOverlayLine(fY, XF_FormatText("2DTextureBufferCount %d", static_cast<int>(dwBufferCount)));
    DrawOverlayLine(fY, "2DTextureBufferInformation");
}

void XC_Game::ShowMessagePage(float& fY)
{
    for (unsigned int i = 0; i < 16; ++i)
        DrawOverlayLine(fY, m_WindowMessages.GetMessageText(i));
}

void XC_Game::ShowMusicAndCameraPage(float& fY)
{
    const char* szMusic = m_BackgroundMusicObj.GetCurrentMusicName();
    DrawOverlayLine(fY, XF_FormatText("BackgroundMusic %s , Index = %d , IsPlay = %d", szMusic ? szMusic : "None",
                                      static_cast<int>(m_BackgroundMusicObj.GetCurrentMusicIndex()),
                                      m_BackgroundMusicObj.IsPlay() ? 1 : 0));
    if (g_pWorldCameraMan == nullptr)
        return;
    const XS_CameraData* pData = g_pWorldCameraMan->GetCurrentData();
    DrawOverlayLine(fY, XF_FormatText("LookAt( %.3f , %.3f , %.3f ) , Eye( %.3f , %.3f , %.3f ) ", pData->m_vLookAt.x,
                                      pData->m_vLookAt.y, pData->m_vLookAt.z, pData->m_vEye.x, pData->m_vEye.y,
                                      pData->m_vEye.z));
    DrawOverlayLine(fY, XF_FormatText("Yaw %.3f, Pitch %.3f, Zoom %.3f ", pData->m_fYaw * 57.29578f,
                                      pData->m_fPitch * 57.29578f, pData->m_fDistance));
}
