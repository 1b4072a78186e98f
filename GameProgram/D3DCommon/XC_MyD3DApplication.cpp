#include "GameProgram/D3DCommon/XC_MyD3DApplication.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_Cp950.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/Effect/XC_EffectManager.h"
#include "GameProgram/LightMan/XC_LightBulb.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Resource/Font/XC_D3DFont.h"
#include "GameProgram/Resource/Music/XC_SoundManager.h"
#include "GameProgram/Resource/PackFile/XC_MultiPackFile.h"
#include "GameProgram/Resource/PackFile/XC_PackFileManager.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Resource/XC_XFileManager.h"

#include <d3dx9math.h>

#include <cstring>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float MAX_FRAME_STEP = 0.04f;

struct DefaultLeaf
{
    const char* szName;
    const char* szValue;
};

struct DefaultSection
{
    const char* szName;
    DefaultLeaf leaves[4];
};

// The engine configuration a program gets without a configuration file.
const DefaultSection s_DefaultSections[] = {
    {"[SoundManager]", {{"dwCache", "0"}, {"szPath", "Wave"}}},
    {"[TextureManager]", {{"dwCache", "0"}, {"szPath", "Texture"}}},
    {"[2DTextureManager]", {{"dwCache", "0"}, {"szPath", "AniTexture"}, {"dwTextureWidth", "256"}, {"dwSlotWidth", "16"}}},
    {"[EffectManager]", {{"dwCache", "0"}, {"szPath", "GameData"}}},
    {"[D3DFont]", {{"szFontFile", "Font\\16_20.fon"}}},
    {"[AnimationManager]", {{"dwCache", "0"}, {"szPath", "Ani"}}},
    {"[XFileManager]", {{"dwCache", "0"}, {"szPath", "XFile"}}},
    {"[GameData]", {{"dwCache", "0"}, {"szPath", "GameData"}}},
};

// The program's folder: the module's path cut after its last separator,
// stepping over double-byte characters whose trail byte looks like one.
void ReadGamePath(char* szGamePath)
{
    char szModule[MAX_PATH] = {};
    const DWORD dwLength = GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    size_t cut = 0;
    for (size_t i = 0; i < dwLength; i += XF_CharLength(szModule, i, dwLength)) {
        if (szModule[i] == '\\' || szModule[i] == '/')
            cut = i + 1;
    }
    std::memcpy(szGamePath, szModule, cut);
    szGamePath[cut] = '\0';
}

// Deletes a manager made by the set-up after its Fini, reporting a failure.
template <typename T>
void FiniManager(T*& pManager, const char* szCall, int iLine)
{
    if (pManager == nullptr)
        return;
    const HRESULT hr = pManager->Fini();
    if (FAILED(hr))
        XF_ReportError(s_szSourceFile, iLine, XF_FormatText("( %s ) failed , hr = %x ", szCall, static_cast<unsigned>(hr)));
    delete pManager;
    pManager = nullptr;
}

// Reports a manager's failed Init; the manager is kept and start-up goes on.
void ReportInitFailure(HRESULT hr, const char* szCall, int iLine)
{
    if (hr != S_OK)
        XF_ReportError(s_szSourceFile, iLine, XF_FormatText("( %s ) failed , hr = %x ", szCall, static_cast<unsigned>(hr)));
}

DWORD CacheSize(const XC_TextNode* pTNode)
{
    return pTNode->GetDword("dwCache", 0);
}

} // namespace

XC_MyD3DApplication::XC_MyD3DApplication()
{
    ReadGamePath(m_szGamePath);
}

XC_MyD3DApplication::~XC_MyD3DApplication() = default;

LRESULT XC_MyD3DApplication::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return XC_D3DApplication::MsgProc(hWnd, uMsg, wParam, lParam);
}

HRESULT XC_MyD3DApplication::InitDeviceObjects()
{
    XC_TextTree TextTree;
    HRESULT hr = GetGlobalObjectIni(&TextTree);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("GetGlobalObjectIni( TextTree )", hr);
        return hr;
    }
    hr = InitGlobal(&TextTree);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("InitGlobal( &TextTree )", hr);
        return hr;
    }
    hr = InitGlobalObject(&TextTree);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("InitGlobalObject( &TextTree )", hr);
        return hr;
    }
    hr = InitCameraAndLight();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("InitCameraAndLight()", hr);
    return hr;
}

HRESULT XC_MyD3DApplication::RestoreDeviceObjects()
{
    OutputDebugStringA("XC_MyD3DApplication::RestoreDeviceObjects() Begin\n");
    g_pDirectStateObj->ApplyAll();
    if (g_pScreenCameraMan != nullptr)
        g_pScreenCameraMan->SetChanged();
    if (g_pScreenLightMan != nullptr)
        g_pScreenLightMan->SetDirty();
    OutputDebugStringA("XC_MyD3DApplication::RestoreDeviceObjects() End\n");
    return S_OK;
}

HRESULT XC_MyD3DApplication::DeleteDeviceObjects()
{
    HRESULT hr = FiniGlobalObject();
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("FiniGlobalObject()", hr);
    hr = FiniGlobal();
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("FiniGlobal()", hr);
    return S_OK;
}

float XC_MyD3DApplication::GetFrameStep()
{
    const float fElapsed = GetElapsedTime();
    return fElapsed >= MAX_FRAME_STEP ? MAX_FRAME_STEP : fElapsed;
}

HRESULT XC_MyD3DApplication::FrameMove()
{
    const float fStep = GetFrameStep();
    g_pTimerManager->Update(fStep);
    if (g_pWorldCameraMan == nullptr || g_pScreenCameraMan == nullptr || g_pWorldLightMan == nullptr) {
        XM_REPORT_FAILED(g_pWorldCameraMan == nullptr ? "g_pWorldCameraMan" : "g_pWorldLightMan");
        return S_OK;
    }
    g_pWorldCameraMan->FrameMove(fStep);
    g_pScreenCameraMan->FrameMove(fStep);
    if (g_pWorldCameraMan->IsMoving())
        g_pWorldLightMan->SetFogOffset(g_pWorldCameraMan->GetCurrentData()->m_fDistance);
    return S_OK;
}

HRESULT XC_MyD3DApplication::Render()
{
    m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_STENCIL, m_dwBackgroundColor, 1.0f, 0);
    if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
        XF_UpdateAllRenderNodes();
        m_pD3DDevice->EndScene();
    }
    return S_OK;
}

HRESULT XC_MyD3DApplication::FinalCleanup()
{
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitGlobal(XC_TextTree*)
{
    g_pVar->g_pD3DDevice = m_pD3DDevice;
    g_pVar->g_hWnd = m_hWnd;
    D3DXMatrixRotationY(&g_pVar->g_matModelRotation, 3.1415927f);
    D3DXMatrixScaling(&g_pVar->g_matModelScale, 0.008f, 0.008f, 0.008f);

    D3DMATERIAL9 material = {};
    material.Diffuse = material.Ambient = D3DXCOLOR(1.0f, 1.0f, 1.0f, 1.0f);
    material.Power = 3.2f;
    m_pD3DDevice->SetMaterial(&material);

    m_pD3DDevice->GetDeviceCaps(&g_pVar->g_D3DCaps);
    g_pVar->g_BackBufferDesc = m_BackBufferDesc;
    g_pVar->g_szGamePath = m_szGamePath;
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitGlobalObject(XC_TextTree* pTextTree)
{
    g_pDirectStateObj->InitDefaults();
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    g_pDirectStateObj->SetRenderState(D3DRS_DITHERENABLE, FALSE);
    g_pDirectStateObj->SetRenderState(D3DRS_ZENABLE, TRUE);
    g_pDirectStateObj->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    g_pDirectStateObj->SetRenderState(D3DRS_ALPHAREF, 1);
    g_pDirectStateObj->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, FALSE);

    g_pWorldCameraMan = new XC_CameraMan;
    g_pWorldLightMan = new XC_LightMan;
    g_pScreenLightMan = new XC_LightMan;
    g_pScreenCameraMan = new XC_CameraMan;

    XC_LightBulb bulb;
    bulb.dwLightType = XC_LightBulb::LT_Directional;
    bulb.fDiffuseRed = bulb.fDiffuseGreen = bulb.fDiffuseBlue = 1.0f;
    bulb.fSpecularRed = bulb.fSpecularGreen = bulb.fSpecularBlue = 1.0f;
    bulb.fLightYaw = -1.0471976f;
    bulb.fLightPitch = 1.0471976f;
    g_pScreenLightMan->SetLightBulb(0, bulb);
    g_pScreenLightMan->EnableLightBulb(0, TRUE);

    HRESULT hr = InitPackFile(m_szGamePath);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("InitPackFile( m_szGamePath )", hr);
        return hr;
    }
    XC_TextNode* pTNode = pTextTree->FindChildNode("[GameData]");
    if (pTNode == nullptr)
        XM_REPORT_FAILED("pTNode");
    else
        g_pPackFile_Data = GetPackFileFromNode(pTNode);
    if (g_pPackFile_Data == nullptr)
        XM_REPORT_FAILED("g_pPackFile_Data");

    using InitStep = HRESULT (XC_MyD3DApplication::*)(XC_TextNode*);
    struct ManagerSection { const char* szSection; InitStep pInit; const char* szCall; };
    const ManagerSection sections[] = {
        {"[SoundManager]", &XC_MyD3DApplication::InitSoundManager, "InitSoundManager ( pTNode )"},
        {"[TextureManager]", &XC_MyD3DApplication::InitTextureManager, "InitTextureManager ( pTNode )"},
        {"[2DTextureManager]", &XC_MyD3DApplication::Init2DTextureManager, "Init2DTextureManager( pTNode )"},
        {"[EffectManager]", &XC_MyD3DApplication::InitEffectManager, "InitEffectManager ( pTNode )"},
        {"[D3DFont]", &XC_MyD3DApplication::InitD3DFont, "InitD3DFont ( pTNode )"},
        {"[AnimationManager]", &XC_MyD3DApplication::InitAnimationManager, "InitAnimationManager( pTNode )"},
        {"[XFileManager]", &XC_MyD3DApplication::InitXFileManager, "InitXFileManager ( pTNode )"},
    };
    for (const ManagerSection& section : sections) {
        // A missing section leaves its manager out rather than configuring
        // it from nothing; the managers after it are still made.
        pTNode = pTextTree->FindChildNode(section.szSection);
        if (pTNode == nullptr) {
            XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("( %s ) failed", "pTNode"));
            continue;
        }
        hr = (this->*section.pInit)(pTNode);
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR(section.szCall, hr);
            return hr;
        }
    }
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitCameraAndLight()
{
    struct Global { const void* pObject; const char* szName; };
    const Global globals[] = {
        {g_pWorldCameraMan, "g_pWorldCameraMan"}, {g_pScreenCameraMan, "g_pScreenCameraMan"},
        {g_pWorldLightMan, "g_pWorldLightMan"}, {g_pScreenLightMan, "g_pScreenLightMan"},
    };
    for (const Global& global : globals) {
        if (global.pObject == nullptr) {
            XM_REPORT_FAILED(global.szName);
            return E_FAIL;
        }
    }
    g_pWorldCameraMan->SetPerspectiveProjection(0.2617994f, 800.0f, 600.0f, 1.0f, 1000.0f);
    g_pWorldCameraMan->PlaceCamera(0.0f, 0.0f, 0.0f, 27.0f, -0.7853982f, 0.5235988f);
    g_pScreenCameraMan->SetOrthoProjection(800.0f, 600.0f, 1.0f, 1000.0f);
    g_pScreenCameraMan->PlaceCamera(0.5f, -0.5f, 0.0f, 500.0f, 0.0f, 0.0f);
    g_pScreenLightMan->SetFogOffset(g_pScreenCameraMan->GetCurrentData()->m_fDistance);
    g_pWorldLightMan->SetFogOffset(g_pWorldCameraMan->GetCurrentData()->m_fDistance);
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniGlobal()
{
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniGlobalObject()
{
    using FiniStep = HRESULT (XC_MyD3DApplication::*)();
    struct Step { FiniStep pFini; const char* szCall; };
    const Step steps[] = {
        {&XC_MyD3DApplication::FiniXFileManager, "FiniXFileManager ()"},
        {&XC_MyD3DApplication::FiniAnimationManager, "FiniAnimationManager()"},
        {&XC_MyD3DApplication::FiniD3DFont, "FiniD3DFont ()"},
        {&XC_MyD3DApplication::FiniEffectManager, "FiniEffectManager ()"},
        {&XC_MyD3DApplication::FiniTextureManager, "FiniTextureManager ()"},
        {&XC_MyD3DApplication::Fini2DTextureManager, "Fini2DTextureManager()"},
        {&XC_MyD3DApplication::FiniSoundManager, "FiniSoundManager ()"},
        {&XC_MyD3DApplication::ReleaseMultiPackFile, "ReleaseMultiPackFile()"},
        {&XC_MyD3DApplication::FiniPackFile, "FiniPackFile ()"},
    };
    for (const Step& step : steps) {
        const HRESULT hr = (this->*step.pFini)();
        if (hr != S_OK)
            XM_REPORT_FAILED_HR(step.szCall, hr);
    }
    g_pPackFile_Data = nullptr;
    delete g_pWorldCameraMan;
    g_pWorldCameraMan = nullptr;
    delete g_pWorldLightMan;
    g_pWorldLightMan = nullptr;
    delete g_pScreenLightMan;
    g_pScreenLightMan = nullptr;
    delete g_pScreenCameraMan;
    g_pScreenCameraMan = nullptr;
    return S_OK;
}

HRESULT XC_MyD3DApplication::GetGlobalObjectIni(XC_TextTree* pTextTree)
{
    pTextTree->Clear();
    for (const DefaultSection& section : s_DefaultSections) {
        XC_TextNode* pTNode = pTextTree->AddNode(section.szName);
        if (pTNode == nullptr) {
            XM_REPORT_FAILED("pTNode");
            continue;
        }
        for (const DefaultLeaf& leaf : section.leaves) {
            if (leaf.szName != nullptr)
                pTNode->AddLeaf(leaf.szName, leaf.szValue);
        }
    }
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitPackFile(const char* szPath)
{
    XC_PackFileManager* pPackFileManager = new XC_PackFileManager;
    g_pPackFileManager = pPackFileManager;
    if (pPackFileManager->Init(szPath) != S_OK) {
        XF_ReportError(s_szSourceFile, __LINE__, "");
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitSoundManager(XC_TextNode* pTNode)
{
    const std::string strWavePath = std::string(m_szGamePath) + pTNode->GetStr("szPath", "") + "\\";
    XC_SoundManager* pSoundManager = new XC_SoundManager;
    // S_FALSE: no sound device; the manager runs silent and the game goes on.
    const HRESULT hr = pSoundManager->Init(m_hWnd, strWavePath.c_str());
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pSoundManager->Init( m_hWnd , strWavePath )", hr);
    g_pMusicManager = pSoundManager;
    pSoundManager->SetCacheSize(CacheSize(pTNode));
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitTextureManager(XC_TextNode* pTNode)
{
    g_pTextureManager = new XC_TextureManager;
    ReportInitFailure(g_pTextureManager->Init(SectionPackFile(pTNode)), "g_pTextureManager->Init( pPackFile )",
                      __LINE__);
    g_pTextureManager->SetCacheSize(CacheSize(pTNode));
    return S_OK;
}

HRESULT XC_MyD3DApplication::Init2DTextureManager(XC_TextNode* pTNode)
{
    g_p2DTextureManager = new XC_2DTextureManager;
    const DWORD dwTextureWidth = pTNode->GetDword("dwTextureWidth", 256);
    const DWORD dwSlotWidth = pTNode->GetDword("dwSlotWidth", 16);
    ReportInitFailure(g_p2DTextureManager->Init(SectionPackFile(pTNode), dwTextureWidth, dwSlotWidth),
                      "g_p2DTextureManager->Init( pPackFile , dwTextureWidth , dwSlotWidth )", __LINE__);
    g_p2DTextureManager->SetCacheSize(CacheSize(pTNode));
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitEffectManager(XC_TextNode* pTNode)
{
    g_pEffectManager = new XC_EffectManager;
    ReportInitFailure(g_pEffectManager->Init(SectionPackFile(pTNode)), "g_pEffectManager->Init( pPackFile )",
                      __LINE__);
    g_pEffectManager->SetCacheSize(CacheSize(pTNode));
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitD3DFont(XC_TextNode*)
{
    XC_D3DFont* pD3DFontObj = new XC_D3DFont;
    const HRESULT hr = pD3DFontObj->Init(m_pD3DDevice, "標楷體", 20);
    if (hr != S_OK) {
        XM_REPORT_FAILED_HR("pD3DFontObj->Init( m_pD3DDevice , \"標楷體\" , 20 )", hr);
        delete pD3DFontObj;
        return hr;
    }
    g_pD3DFontObj = pD3DFontObj;
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitAnimationManager(XC_TextNode* pTNode)
{
    g_pAnimationManager = new XC_AnimationManager;
    ReportInitFailure(g_pAnimationManager->Init(SectionPackFile(pTNode), g_p2DTextureManager, g_pMusicManager),
                      "g_pAnimationManager->Init( pPackFile , g_p2DTextureManager , g_pMusicManager )", __LINE__);
    g_pAnimationManager->SetCacheSize(CacheSize(pTNode));
    return S_OK;
}

HRESULT XC_MyD3DApplication::InitXFileManager(XC_TextNode* pTNode)
{
    g_pXFileManager = new XC_XFileManager;
    ReportInitFailure(g_pXFileManager->Init(SectionPackFile(pTNode), g_pTextureManager),
                      "g_pXFileManager->Init(pPackFile , g_pTextureManager )", __LINE__);
    g_pXFileManager->SetCacheSize(CacheSize(pTNode));
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniPackFile()
{
    XC_PackFileManager* pPackFileManager = static_cast<XC_PackFileManager*>(g_pPackFileManager);
    FiniManager(pPackFileManager, "g_pPackFileManager->Fini()", __LINE__);
    g_pPackFileManager = nullptr;
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniSoundManager()
{
    XC_SoundManager* pSoundManager = static_cast<XC_SoundManager*>(g_pMusicManager);
    FiniManager(pSoundManager, "((XC_SoundManager*)g_pMusicManager)->Fini()", __LINE__);
    g_pMusicManager = nullptr;
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniTextureManager()
{
    FiniManager(g_pTextureManager, "g_pTextureManager->Fini()", __LINE__);
    return S_OK;
}

HRESULT XC_MyD3DApplication::Fini2DTextureManager()
{
    FiniManager(g_p2DTextureManager, "g_p2DTextureManager->Fini()", __LINE__);
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniEffectManager()
{
    FiniManager(g_pEffectManager, "g_pEffectManager->Fini()", __LINE__);
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniD3DFont()
{
    XC_D3DFont* pD3DFontObj = dynamic_cast<XC_D3DFont*>(g_pD3DFontObj);
    if (pD3DFontObj != nullptr)
        pD3DFontObj->Fini();
    delete g_pD3DFontObj;
    g_pD3DFontObj = nullptr;
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniAnimationManager()
{
    FiniManager(g_pAnimationManager, "g_pAnimationManager->Fini()", __LINE__);
    return S_OK;
}

HRESULT XC_MyD3DApplication::FiniXFileManager()
{
    FiniManager(g_pXFileManager, "g_pXFileManager->Fini()", __LINE__);
    return S_OK;
}

XI_PackFile* XC_MyD3DApplication::SectionPackFile(XC_TextNode* pTNode)
{
    XI_PackFile* pPackFile = GetPackFileFromNode(pTNode);
    if (pPackFile == nullptr)
        XM_REPORT_FAILED("pPackFile");
    return pPackFile;
}

XI_PackFile* XC_MyD3DApplication::GetPackFileFromNode(XC_TextNode* pTNode)
{
    if (g_pPackFileManager == nullptr) {
        XM_REPORT_FAILED("g_pPackFileManager");
        return nullptr;
    }
    XC_PtrArrayList<XI_PackFile> packFiles;
    for (int i = 0; i < pTNode->GetLeafCount(); ++i) {
        const XC_TextLeaf* pTLeaf = pTNode->GetLeaf(i);
        if (pTLeaf == nullptr) {
            XM_REPORT_FAILED("pTLeaf");
            continue;
        }
        if (pTLeaf->GetName() == nullptr || std::strcmp(pTLeaf->GetName(), "szPath") != 0)
            continue;
        const char* szString = pTLeaf->GetStr();
        if (szString == nullptr) {
            XM_REPORT_FAILED("szString");
            continue;
        }
        XI_PackFile* pPackFile = g_pPackFileManager->OpenPackFile(szString);
        if (pPackFile == nullptr) {
            XM_REPORT_FAILED("pPackFile");
            continue;
        }
        packFiles.Add(pPackFile);
    }
    if (packFiles.Count() == 0) {
        XF_ReportError(s_szSourceFile, __LINE__, "");
        return nullptr;
    }
    if (packFiles.Count() == 1)
        return packFiles.GetPtr(0);
    XC_MultiPackFile* pMultiPackFile = new XC_MultiPackFile;
    for (DWORD i = 0; i < packFiles.Count(); ++i)
        pMultiPackFile->Add(packFiles.GetPtr(i));
    m_PackFileList.Add(pMultiPackFile);
    return pMultiPackFile;
}

HRESULT XC_MyD3DApplication::ReleaseMultiPackFile()
{
    for (DWORD i = 0; i < m_PackFileList.Count(); ++i) {
        XI_PackFile* pPackFile = m_PackFileList.GetPtr(i);
        if (pPackFile == nullptr) {
            XM_REPORT_FAILED("pPackFile");
            continue;
        }
        delete pPackFile;
    }
    m_PackFileList.RemoveAll();
    return S_OK;
}

void XC_MyD3DApplication::SetBackgroundColor(DWORD dwColor)
{
    m_dwBackgroundColor = dwColor;
}

DWORD XC_MyD3DApplication::GetBackgroundColor() const
{
    return m_dwBackgroundColor;
}
