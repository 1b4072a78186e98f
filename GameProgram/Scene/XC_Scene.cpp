#include "GameProgram/Scene/XC_Scene.h"

#include "GameProgram/Common/XC_ReportFileScope.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Scene/XC_Earth.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_SceneElementManager.h"

#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD FLOOR_RENDER_QUEUE_GROUP = 30;
const char* const FLOOR_TEXTURE = "bk\\bk001.bmp";

} // namespace

XC_Scene::~XC_Scene()
{
    Fini();
}

bool XC_Scene::HasEnvironment() const
{
    if (m_pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("m_pEnvironmentOfRender");
        return false;
    }
    return true;
}

XC_LightMan* XC_Scene::GetWorldLightMan()
{
    return HasEnvironment() ? m_pEnvironmentOfRender->GetWorldLightMan() : nullptr;
}

XC_CameraMan* XC_Scene::GetWorldCameraMan()
{
    return HasEnvironment() ? m_pEnvironmentOfRender->GetWorldCameraMan() : nullptr;
}

XC_LightMan* XC_Scene::GetScreenLightMan()
{
    return HasEnvironment() ? m_pEnvironmentOfRender->GetScreenLightMan() : nullptr;
}

XC_CameraMan* XC_Scene::GetScreenCameraMan()
{
    return HasEnvironment() ? m_pEnvironmentOfRender->GetScreenCameraMan() : nullptr;
}

HRESULT XC_Scene::Init(XI_EnvironmentOfRender* pEnvironmentOfRender, XI_PackFile* pPackFile)
{
    const HRESULT hrFini = Fini();
    if (FAILED(hrFini))
        XM_REPORT_FAILED_HR("Fini()", hrFini);
    if (pPackFile == nullptr)
        XM_REPORT_FAILED("pPackFile");
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    if (pPackFile == nullptr || pEnvironmentOfRender == nullptr)
        return E_FAIL;

    m_pEnvironmentOfRender = pEnvironmentOfRender;
    m_pPackFile = pPackFile;
    m_pFloorer = new XC_Floorer;
    m_pEarth = new XC_Earth;
    m_pSEManager = new XC_SceneElementManager;

    m_pEarth->SetEnvironmentOfRender(pEnvironmentOfRender);
    HRESULT hr = m_pSEManager->Init(m_pPackFile);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pSEManager->Init( m_pPackFile )", hr);
    m_pSEManager->SetEnvironmentOfRender(pEnvironmentOfRender);

    hr = m_pFloorer->Init();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pFloorer->Init( )", hr);
    m_pFloorer->SetRenderQueueGroup(FLOOR_RENDER_QUEUE_GROUP);
    m_pFloorer->SetEnvironmentOfRender(pEnvironmentOfRender);
    GiveFloorTexture();
    m_bInited = 1;
    return S_OK;
}

void XC_Scene::GiveFloorTexture()
{
    if (g_pTextureManager == nullptr) {
        XM_REPORT_FAILED("g_pTextureManager");
        return;
    }
    XC_Texture* const pTextureObj = g_pTextureManager->GetTexture(FLOOR_TEXTURE);
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("pTextureObj");
        return;
    }
    const HRESULT hr = m_pFloorer->SetTexture(pTextureObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pFloorer->SetTexture( pTextureObj )", hr);
}

HRESULT XC_Scene::Fini()
{
    if (!m_bInited)
        return S_OK;
    ClearScene();
    HRESULT hr = m_pSEManager->Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pSEManager ->Fini()", hr);
    hr = m_pFloorer->Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pFloorer ->Fini()", hr);
    delete m_pSEManager;
    m_pSEManager = nullptr;
    delete m_pEarth;
    m_pEarth = nullptr;
    delete m_pFloorer;
    m_pFloorer = nullptr;
    m_bInited = 0;
    return S_OK;
}

BOOL XC_Scene::IsInited() const
{
    return m_bInited;
}

HRESULT XC_Scene::ClearScene()
{
    if (!m_bInited)
        return S_OK;
    if (m_pSEManager == nullptr || m_pEarth == nullptr || m_pFloorer == nullptr) {
        XM_REPORT_FAILED("m_pSEManager && m_pEarth && m_pFloorer");
        return E_FAIL;
    }
    m_pSEManager->ClearAll();
    m_pEarth->ClearAll();
    m_pFloorer->ClearFloor();
    XC_LightMan* const pLightMan = GetWorldLightMan();
    if (pLightMan != nullptr)
        pLightMan->ResetLightBulbs();
    return S_OK;
}

HRESULT XC_Scene::LoadScene(const char* szSceneFileName)
{
    if (szSceneFileName == nullptr) {
        XM_REPORT_FAILED("szSceneFileName");
        return E_FAIL;
    }
    if (m_pPackFile == nullptr) {
        XM_REPORT_FAILED("m_pPackFile");
        return E_FAIL;
    }
    std::unique_ptr<XS_FileData> pFileData(m_pPackFile->GetData(szSceneFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_Scene::LoadScene\n\t讀取檔案失敗 %s", szSceneFileName));
        return E_FAIL;
    }
    XC_TextTree TTree;
    HRESULT hr = TTree.LoadMem(pFileData->pData, pFileData->dwSize, szSceneFileName);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hr);
    pFileData.reset();
    static const char* const SECTIONS[] = {"[SceneElement+]", "[SceneElement]", "[Earth]",
                                           "[LightMan]",      "[Floorer+]",     "[Floorer]"};
    TTree.ReportUnknownChildren(SECTIONS, sizeof(SECTIONS) / sizeof(SECTIONS[0]), szSceneFileName);
    {
        const XC_ReportFileScope fileScope(szSceneFileName);
        hr = _LoadSceneFromTextTree(&TTree);
    }
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("_LoadSceneFromTextTree( &TTree )", hr);
    SetShow(1);
    return S_OK;
}

HRESULT XC_Scene::SaveScene(const char* szSceneFileName)
{
    if (szSceneFileName == nullptr) {
        XM_REPORT_FAILED("szSceneFileName");
        return E_FAIL;
    }
    XC_TextTree TTree;
    HRESULT hr = _SaveSceneToTextTree(&TTree);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("_SaveSceneToTextTree( &TTree )", hr);
        return hr;
    }
    hr = TTree.Save(szSceneFileName);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("TTree.Save( szSceneFileName )", hr);
        return hr;
    }
    return S_OK;
}

bool XC_Scene::CanUseTree(const XC_TextNode* pTNode) const
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return false;
    }
    if (!m_bInited) {
        XM_REPORT_FAILED("m_bInited");
        return false;
    }
    return true;
}

HRESULT XC_Scene::_LoadSceneFromTextTree(const XC_TextNode* pTNode)
{
    if (!CanUseTree(pTNode))
        return E_FAIL;
    if (pTNode->FindChildNode("[SceneElement]") != nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "0 == pTNode->FindChildNode(\"[SceneElement]\")",
                                     "此場景檔的場景元素為舊資料,請重新編輯儲存"));
    }
    const XC_TextNode* const pElementNode = pTNode->FindChildNode("[SceneElement+]");
    if (pElementNode != nullptr)
        m_pSEManager->LoadFromNode(pElementNode);
    const XC_TextNode* const pEarthNode = pTNode->FindChildNode("[Earth]");
    if (pEarthNode != nullptr)
        m_pEarth->LoadFromNode(pEarthNode);
    const XC_TextNode* const pLightNode = pTNode->FindChildNode("[LightMan]");
    XC_LightMan* const pLightMan = GetWorldLightMan();
    if (pLightNode != nullptr && pLightMan != nullptr)
        pLightMan->LoadFromNode(pLightNode);
    const XC_TextNode* const pFloorNode = pTNode->FindChildNode("[Floorer+]");
    const XC_TextNode* const pOldFloorNode = pTNode->FindChildNode("[Floorer]");
    if (pFloorNode != nullptr) {
        m_pFloorer->LoadFloorFromNode(pFloorNode);
    } else if (pOldFloorNode != nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "此場景檔的地板為舊資料,請重新編輯儲存");
        m_pFloorer->LoadOldFloorFromNode(pOldFloorNode);
    }
    return S_OK;
}

HRESULT XC_Scene::_SaveSceneToTextTree(XC_TextNode* pTNode)
{
    if (!CanUseTree(pTNode))
        return E_FAIL;
    m_pSEManager->SaveToNode(pTNode->AddNode("[SceneElement+]"));
    m_pEarth->SaveToNode(pTNode->AddNode("[Earth]"));
    XC_TextNode* const pLightNode = pTNode->AddNode("[LightMan]");
    XC_LightMan* const pLightMan = GetWorldLightMan();
    if (pLightMan != nullptr)
        pLightMan->SaveToNode(pLightNode);
    m_pFloorer->SaveFloorToNode(pTNode->AddNode("[Floorer+]"));
    return S_OK;
}

void XC_Scene::SetShow(BOOL bShow)
{
    if (!m_bInited)
        return;
    m_pEarth->SetShow(bShow);
    m_pSEManager->SetShow(bShow);
    m_pFloorer->SetShow(bShow);
}

XC_Earth* XC_Scene::GetEarth()
{
    return m_pEarth;
}

XC_SceneElementManager* XC_Scene::GetSEManager()
{
    return m_pSEManager;
}

XC_Floorer* XC_Scene::GetFloorer()
{
    return m_pFloorer;
}

XI_PackFile* XC_Scene::GetPackFile()
{
    return m_pPackFile;
}

XI_EnvironmentOfRender* XC_Scene::GetEnvironmentOfRender()
{
    return m_pEnvironmentOfRender;
}
