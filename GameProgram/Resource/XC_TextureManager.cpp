#include "GameProgram/Resource/XC_TextureManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"
#include "GameProgram/Resource/XC_TextureList.h"

#include <d3dx9.h>

#include <cstring>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_TextureManager* g_pTextureManager = nullptr;

namespace {

const char* const ERROR_TEXTURE_NAME = "error.bmp";

// Opaque pure green becomes transparent.
const D3DCOLOR COLOR_KEY = 0xFF00FF00;

// The unit quad in triangle-strip order, the image's top left at (-0.5, 0.5).
const VERTEX_XYZ_TEX1 UNIT_QUAD[4] = {
    {-0.5f, 0.5f, 0.0f, 0.0f, 0.0f},
    {0.5f, 0.5f, 0.0f, 1.0f, 0.0f},
    {-0.5f, -0.5f, 0.0f, 0.0f, 1.0f},
    {0.5f, -0.5f, 0.0f, 1.0f, 1.0f},
};

const char* CreateFailureText(HRESULT hr)
{
    switch (hr) {
    case D3DERR_NOTAVAILABLE:
        return "This device does not support the queried technique.";
    case D3DERR_OUTOFVIDEOMEMORY:
        return "Direct3D does not have enough display memory to perform the operation.";
    case D3DERR_INVALIDCALL:
        return "The method call is invalid. For example, a method's parameter may have an invalid value. ";
    case D3DXERR_INVALIDDATA:
        return "The data is invalid. ";
    case E_OUTOFMEMORY:
        return "Direct3D could not allocate sufficient memory to complete the call";
    default:
        return XF_FormatText("The texture could not be created , hr = %x", static_cast<unsigned>(hr));
    }
}

} // namespace

XC_TextureManager::XC_TextureManager()
    : m_pVB(nullptr)
    , m_bMessageBox(TRUE)
{
    SetManagerName("XC_TextureManager");
}

XC_TextureManager::~XC_TextureManager()
{
    ReleaseVertexBuffer();
}

HRESULT XC_TextureManager::Init(XI_PackFile* pPackFile)
{
    if (FAILED(SetPackFile(pPackFile)))
        return E_FAIL;
    ReleaseVertexBuffer();

    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    HRESULT hr = pD3DDevice->CreateVertexBuffer(sizeof(UNIT_QUAD), 0, VERTEX_XYZ_TEX1::FVF, D3DPOOL_SYSTEMMEM,
                                                &m_pVB, nullptr);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("g_pVar->g_pD3DDevice->CreateVertexBuffer( 4 * sizeof(VERTEX_XYZ_TEX1) , 0 , "
                            "VERTEX_XYZ_TEX1::FVF , D3DPOOL_SYSTEMMEM , &m_pVB , NULL )",
                            hr);
        m_pVB = nullptr;
        return E_FAIL;
    }
    void* pVertices = nullptr;
    hr = m_pVB->Lock(0, 0, &pVertices, 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pVB->Lock( 0 , 0 , &pVertices , 0 )", hr);
        ReleaseVertexBuffer();
        return E_FAIL;
    }
    std::memcpy(pVertices, UNIT_QUAD, sizeof(UNIT_QUAD));
    m_pVB->Unlock();
    return S_OK;
}

HRESULT XC_TextureManager::Fini()
{
    ReleaseVertexBuffer();
    DeleteAllResource();
    return S_OK;
}

XC_Texture* XC_TextureManager::GetTexture(const char* szResourceName)
{
    XC_Texture* const pTexture = FindOrLoad(szResourceName);
    if (pTexture != nullptr)
        return pTexture;
    return static_cast<XC_Texture*>(GetResource(ERROR_TEXTURE_NAME));
}

XC_Texture* XC_TextureManager::GetTextureOrDefault(const char* szResourceName, const char* szDefaultName)
{
    XC_Texture* const pTexture = FindOrLoad(szResourceName);
    if (pTexture != nullptr || szDefaultName == nullptr)
        return pTexture;
    return GetTexture(szDefaultName);
}

XC_Texture* XC_TextureManager::FindOrLoad(const char* szResourceName)
{
    if (szResourceName != nullptr && IsTextureListName(szResourceName)) {
        XC_String strName(szResourceName);
        NormalizeName(strName);
        return GetTextureList(strName.c_str());
    }
    // Every resource of this manager is made by CreateObjct as a texture.
    return static_cast<XC_Texture*>(GetResource(szResourceName));
}

bool XC_TextureManager::IsTextureListName(const char* szResourceName)
{
    // The test is case-sensitive on the name as given: ".TL" is an image.
    return std::strstr(szResourceName, ".tl") != nullptr;
}

XC_TextureList* XC_TextureManager::GetTextureList(const char* szResourceName)
{
    const std::unique_ptr<XS_FileData> pFileData =
        ReadPackFile(szResourceName, s_szSourceFile, __LINE__, "XC_TextureManager::GetTextureList \n\t讀取檔案失敗 %s");
    if (pFileData == nullptr)
        return nullptr;
    XC_TextureList* const pTextureList = new XC_TextureList;
    const HRESULT hr = pTextureList->LoadMem(pFileData->pData, pFileData->dwSize);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pTextureList->LoadMem( pFileData->pData , pFileData->dwSize )", hr);
        pTextureList->Release(); // its only reference: the list goes
        return nullptr;
    }
    pTextureList->Start();
    return pTextureList;
}

HRESULT XC_TextureManager::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    const std::unique_ptr<XS_FileData> pFileData =
        ReadPackFile(szResourceName, s_szSourceFile, __LINE__, "XC_TextureManager::CreateObjct\n\t讀取檔案失敗 %s");
    if (pFileData == nullptr)
        return E_FAIL;
    return CreateTexture(szResourceName, pFileData->pData, pFileData->dwSize, ppResourceObj);
}

HRESULT XC_TextureManager::CreateTexture(const char* szResourceName, const BYTE* pData, DWORD dwSize,
                                         XC_Resource** ppResourceObj)
{
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    D3DXIMAGE_INFO ImageInfo;
    HRESULT hr = D3DXGetImageInfoFromFileInMemory(pData, dwSize, &ImageInfo);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("D3DXGetImageInfoFromFileInMemory %s , hr = %x", szResourceName,
                                     static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    // Only images with their own alpha channel get 8 bits of it.
    const D3DFORMAT format = ImageInfo.Format == D3DFMT_A8R8G8B8 ? D3DFMT_A8R8G8B8 : D3DFMT_A1R5G5B5;
    IDirect3DTexture9* pD3DTexture = nullptr;
    hr = D3DXCreateTextureFromFileInMemoryEx(pD3DDevice, pData, dwSize, 0, 0, 0, 0, format, D3DPOOL_MANAGED,
                                             D3DX_FILTER_POINT, D3DX_FILTER_BOX, COLOR_KEY, nullptr, nullptr,
                                             &pD3DTexture);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("D3DXCreateTextureFromFileInMemoryEx %s , hr = %x", szResourceName,
                                     static_cast<unsigned>(hr)));
        ShowCreateFailure(hr);
        return hr;
    }
    D3DSURFACE_DESC desc;
    hr = pD3DTexture->GetLevelDesc(0, &desc);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pD3DTexture->GetLevelDesc( 0 , &desc )", hr);
        pD3DTexture->Release();
        return hr;
    }
    XC_Texture* const pTextureObj = new XC_Texture;
    pTextureObj->m_pTextureManager = this;
    pTextureObj->m_pTexture = pD3DTexture;
    pTextureObj->m_fWidth = static_cast<float>(ImageInfo.Width);
    pTextureObj->m_fHeight = static_cast<float>(ImageInfo.Height);
    pTextureObj->m_fTextureWidth = static_cast<float>(desc.Width);
    pTextureObj->m_fTextureHeight = static_cast<float>(desc.Height);
    *ppResourceObj = pTextureObj;
    return S_OK;
}

void XC_TextureManager::ShowCreateFailure(HRESULT hr) const
{
    if (!m_bMessageBox)
        return;
    const char* const szText = CreateFailureText(hr);
    MessageBoxA(nullptr, szText != nullptr ? szText : "", "載入材質錯誤", MB_OKCANCEL);
}

HRESULT XC_TextureManager::DeleteResource(XC_Resource* pResourceObj)
{
    if (pResourceObj == nullptr) {
        XM_REPORT_FAILED("pResourceObj");
        return E_FAIL;
    }
    XC_Texture* const pTextureObj = dynamic_cast<XC_Texture*>(pResourceObj);
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("pTextureObj");
        return E_FAIL;
    }
    if (pTextureObj->m_pTexture != nullptr) {
        pTextureObj->m_pTexture->Release();
        pTextureObj->m_pTexture = nullptr;
    }
    delete pTextureObj;
    return S_OK;
}

HRESULT XC_TextureManager::RenderTexture(XC_Texture* pTexture, const D3DXMATRIX* pmatWorld)
{
    if (pTexture == nullptr) {
        XM_REPORT_FAILED("pTexture");
        return E_FAIL;
    }
    if (pmatWorld == nullptr) {
        XM_REPORT_FAILED("pmatWorld");
        return E_FAIL;
    }
    if (m_pVB == nullptr) {
        XM_REPORT_FAILED("m_pVB");
        return E_FAIL;
    }
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    // The unit quad scaled to the image: one unit a pixel.
    D3DXMATRIX matScale;
    D3DXMatrixScaling(&matScale, pTexture->GetWidth(), pTexture->GetHeight(), 1.0f);
    const D3DXMATRIX matWorld = matScale * *pmatWorld;
    pD3DDevice->SetTransform(D3DTS_WORLD, &matWorld);
    pD3DDevice->SetTexture(0, pTexture->GetTexture());
    pD3DDevice->SetStreamSource(0, m_pVB, 0, sizeof(VERTEX_XYZ_TEX1));
    pD3DDevice->SetFVF(VERTEX_XYZ_TEX1::FVF);
    return pD3DDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}

void XC_TextureManager::SetMessageBox(BOOL bShow)
{
    m_bMessageBox = bShow;
}

void XC_TextureManager::ReleaseVertexBuffer()
{
    if (m_pVB == nullptr)
        return;
    m_pVB->Release();
    m_pVB = nullptr;
}
