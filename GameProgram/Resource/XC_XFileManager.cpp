#include "GameProgram/Resource/XC_XFileManager.h"

#include "GameProgram/Common/XC_ReportFileScope.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Resource/XC_XFileAnimationReader.h"
#include "GameProgram/Resource/XC_XFileHierarchyCheck.h"
#include "GameProgram/Resource/XC_XFileMeshCheck.h"

#include <d3dx9mesh.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_XFileManager* g_pXFileManager = nullptr;

namespace {

const size_t XFILE_HEADER_SIZE = 16;

// The platform's D3DX knows only the templates of the retained-mode format,
// while D3DX on Windows also knows those of skinning and animation, so a text
// file may use them undeclared. They are declared after its header; a file
// that declares them itself declares them twice, which the loader accepts.
std::string WithExtensionTemplates(const XS_FileData& fileData)
{
    const std::string strFile(reinterpret_cast<const char*>(fileData.pData), fileData.dwSize);
    if (!XC_XFileAnimationReader::IsText(fileData.pData, fileData.dwSize))
        return strFile;
    const char* const szSkinTemplates = XSKINEXP_TEMPLATES;
    const char* const szExtensionTemplates = XEXTENSIONS_TEMPLATES;
    return strFile.substr(0, XFILE_HEADER_SIZE) + "\n" + (szSkinTemplates + XFILE_HEADER_SIZE) + "\n"
         + (szExtensionTemplates + XFILE_HEADER_SIZE) + "\n" + strFile.substr(XFILE_HEADER_SIZE);
}

// The material of a file without materials: grey, its ambient and specular
// colours equal to its diffuse one.
D3DXMATERIAL DefaultMaterial()
{
    D3DXMATERIAL material = {};
    material.MatD3D.Diffuse.r = 0.5f;
    material.MatD3D.Diffuse.g = 0.5f;
    material.MatD3D.Diffuse.b = 0.5f;
    material.MatD3D.Ambient = material.MatD3D.Diffuse;
    material.MatD3D.Specular = material.MatD3D.Diffuse;
    return material;
}

// The largest number of bones that move one vertex; D3DXERR_INVALIDDATA when
// a bone names a vertex the mesh does not have.
HRESULT CountVertexInfluences(ID3DXSkinInfo* pSkinInfo, DWORD dwVertexCount, DWORD* pdwMaxInfluences)
{
    std::vector<DWORD> influences(dwVertexCount, 0);
    std::vector<DWORD> vertexIndices;
    std::vector<float> weights;
    *pdwMaxInfluences = 0;
    const DWORD dwBoneCount = pSkinInfo->GetNumBones();
    for (DWORD iBone = 0; iBone < dwBoneCount; ++iBone) {
        const DWORD dwCount = pSkinInfo->GetNumBoneInfluences(iBone);
        if (dwCount == 0)
            continue;
        vertexIndices.resize(dwCount);
        weights.resize(dwCount);
        const HRESULT hr = pSkinInfo->GetBoneInfluence(iBone, vertexIndices.data(), weights.data());
        if (FAILED(hr))
            return hr;
        for (DWORD i = 0; i < dwCount; ++i) {
            if (vertexIndices[i] >= dwVertexCount)
                return D3DXERR_INVALIDDATA;
            if (weights[i] != 0.0f)
                *pdwMaxInfluences = std::max(*pdwMaxInfluences, ++influences[vertexIndices[i]]);
        }
    }
    return S_OK;
}

} // namespace

XC_XFileManager::XC_XFileManager()
    : m_pTextureManager(nullptr)
{
    SetManagerName("XC_XFileManager");
}

HRESULT XC_XFileManager::Init(XI_PackFile* pPackFile, XC_TextureManager* pTextureManager)
{
    if (pPackFile == nullptr)
        XM_REPORT_FAILED("pPackFile");
    if (pTextureManager == nullptr)
        XM_REPORT_FAILED("pTextureManager");
    if (pPackFile == nullptr || pTextureManager == nullptr)
        return E_FAIL;
    m_pPackFile = pPackFile;
    m_pTextureManager = pTextureManager;
    return S_OK;
}

HRESULT XC_XFileManager::Fini()
{
    return DeleteAllResource();
}

XC_XFileObject* XC_XFileManager::GetXFile(const char* szName)
{
    return static_cast<XC_XFileObject*>(GetResource(szName));
}

HRESULT XC_XFileManager::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    XS_XFileFrame* pFrameRoot = nullptr;
    ID3DXAnimationController* pAnimationController = nullptr;
    const HRESULT hr = LoadHierarchy(szResourceName, szResourceName, &pFrameRoot, &pAnimationController);
    if (FAILED(hr))
        return hr;
    XC_XFileObject* const pXFileObj = new XC_XFileObject;
    pXFileObj->SetFrameRoot(pFrameRoot);
    pXFileObj->SetAnimationController(pAnimationController);
    *ppResourceObj = pXFileObj;
    return S_OK;
}

HRESULT XC_XFileManager::DeleteResource(XC_Resource* pResourceObj)
{
    XC_XFileObject* const pXFileObj = dynamic_cast<XC_XFileObject*>(pResourceObj);
    if (pXFileObj == nullptr) {
        XM_REPORT_FAILED("pXFileObj");
        return E_FAIL;
    }
    DestroyHierarchy(pXFileObj);
    delete pXFileObj;
    return S_OK;
}

HRESULT XC_XFileManager::ReloadXFile(XC_XFileObject* pXFileObj)
{
    if (pXFileObj == nullptr) {
        XM_REPORT_FAILED("pXFileObj");
        return E_FAIL;
    }
    DestroyHierarchy(pXFileObj);
    const std::string strShownName = std::string("\"") + pXFileObj->GetName() + "\"";
    XS_XFileFrame* pFrameRoot = nullptr;
    ID3DXAnimationController* pAnimationController = nullptr;
    const HRESULT hr = LoadHierarchy(pXFileObj->GetName(), strShownName.c_str(), &pFrameRoot, &pAnimationController);
    if (FAILED(hr))
        return hr;
    pXFileObj->SetFrameRoot(pFrameRoot);
    pXFileObj->SetAnimationController(pAnimationController);
    return S_OK;
}

HRESULT XC_XFileManager::RestoreAllXFileWhenDeviceLose()
{
    return S_OK;
}

HRESULT XC_XFileManager::LoadHierarchy(const char* szName, const char* szShownName, XS_XFileFrame** ppFrameRoot,
                                       ID3DXAnimationController** ppAnimationController)
{
    const std::unique_ptr<XS_FileData> pFileData =
        ReadPackFile(szName, s_szSourceFile, __LINE__, "XC_XFileManager::CreateObjct\n\t讀取檔案失敗 %s");
    if (pFileData == nullptr)
        return E_FAIL;
    return LoadHierarchyFromData(*pFileData, szShownName, ppFrameRoot, ppAnimationController);
}

HRESULT XC_XFileManager::LoadHierarchyFromData(const XS_FileData& fileData, const char* szShownName,
                                               XS_XFileFrame** ppFrameRoot,
                                               ID3DXAnimationController** ppAnimationController)
{
    std::string strWhat;
    HRESULT hr = XC_XFileHierarchyCheck::Check(fileData.pData, fileData.dwSize, &strWhat);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("載入XFile %s ,  發生錯誤  \n %s", szShownName, strWhat.c_str()));
        return E_FAIL;
    }
    for (const std::string& strFault : XC_XFileMeshCheck::Check(fileData.pData, fileData.dwSize))
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Load XFile %s , %s", szShownName, strFault.c_str()));
    const std::string strFile = WithExtensionTemplates(fileData);
    D3DXFRAME* pFrameRoot = nullptr;
    {
        const XC_ReportFileScope fileScope(szShownName);
        hr = D3DXLoadMeshHierarchyFromXInMemory(strFile.data(), static_cast<DWORD>(strFile.size()),
                                                D3DXMESH_MANAGED, g_pVar->g_pD3DDevice, this, nullptr, &pFrameRoot,
                                                ppAnimationController);
    }
    if (SUCCEEDED(hr) && pFrameRoot == nullptr)
        hr = E_FAIL;
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("載入XFile %s ,  發生錯誤  \n D3DXLoadMeshHierarchyFromXInMemory 錯誤 hr = %x",
                                     szShownName, static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    if (*ppAnimationController == nullptr) {
        XC_XFileAnimationReader reader(fileData.pData, fileData.dwSize, szShownName);
        hr = reader.Read(pFrameRoot, ppAnimationController);
        if (FAILED(hr)) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("載入XFile %s ,  發生錯誤  \n XC_XFileAnimationReader::Read 錯誤 hr = %x",
                                         szShownName, static_cast<unsigned>(hr)));
            D3DXFrameDestroy(pFrameRoot, this);
            return E_FAIL;
        }
    }
    *ppFrameRoot = static_cast<XS_XFileFrame*>(pFrameRoot);
    return S_OK;
}

void XC_XFileManager::DestroyHierarchy(XC_XFileObject* pXFileObj)
{
    if (pXFileObj->GetFrameRoot() != nullptr) {
        const HRESULT hr = D3DXFrameDestroy(pXFileObj->GetFrameRoot(), this);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("D3DXFrameDestroy( pXFileObj->GetFrameRoot() , this )", hr);
    }
    if (pXFileObj->GetAnimationController() != nullptr)
        pXFileObj->GetAnimationController()->Release();
    pXFileObj->SetFrameRoot(nullptr);
    pXFileObj->SetAnimationController(nullptr);
}

HRESULT XC_XFileManager::CreateFrame(const char* szName, D3DXFRAME** ppNewFrame)
{
    *ppNewFrame = nullptr;
    XS_XFileFrame* const pFrame = new (std::nothrow) XS_XFileFrame();
    if (pFrame == nullptr)
        return E_OUTOFMEMORY;
    const HRESULT hr = AllocateName(szName, &pFrame->Name);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("AllocateName 錯誤 hr = %x", static_cast<unsigned>(hr)));
        delete pFrame;
        return hr;
    }
    D3DXMatrixIdentity(&pFrame->TransformationMatrix);
    D3DXMatrixIdentity(&pFrame->m_matCombined);
    *ppNewFrame = pFrame;
    return S_OK;
}

HRESULT XC_XFileManager::CreateMeshContainer(const char* szName, const D3DXMESHDATA* pMeshData,
                                             const D3DXMATERIAL* pMaterials, const D3DXEFFECTINSTANCE*,
                                             DWORD dwNumMaterials, const DWORD* pAdjacency, ID3DXSkinInfo* pSkinInfo,
                                             D3DXMESHCONTAINER** ppNewMeshContainer)
{
    *ppNewMeshContainer = nullptr;
    if (pMeshData->Type != D3DXMESHTYPE_MESH) {
        XF_ReportError(s_szSourceFile, __LINE__, "Load XFile Error , does not handle patch meshe");
        return E_FAIL;
    }
    ID3DXMesh* const pMesh = pMeshData->pMesh;
    if (pMesh->GetFVF() == 0) {
        XF_ReportError(s_szSourceFile, __LINE__, "Load XFile Error , does not FVF compatible meshes");
        return E_FAIL;
    }
    XS_XFileMeshContainer* const pMeshContainer = new (std::nothrow) XS_XFileMeshContainer();
    if (pMeshContainer == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "Load XFile Error , OUTOFMEMORY ");
        return E_OUTOFMEMORY;
    }
    HRESULT hr = AllocateName(szName, &pMeshContainer->Name);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__, "Load XFile Error , AllocateName() ");
        DestroyMeshContainer(pMeshContainer);
        return hr;
    }
    IDirect3DDevice9* pd3dDevice = nullptr;
    hr = pMesh->GetDevice(&pd3dDevice);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pMesh->GetDevice( &pd3dDevice )", hr);
        DestroyMeshContainer(pMeshContainer);
        return hr;
    }
    hr = BuildMeshContainer(pMeshContainer, pMesh, pd3dDevice, pMaterials, dwNumMaterials, pAdjacency, pSkinInfo);
    pd3dDevice->Release();
    if (FAILED(hr)) {
        DestroyMeshContainer(pMeshContainer);
        return hr;
    }
    *ppNewMeshContainer = pMeshContainer;
    return S_OK;
}

HRESULT XC_XFileManager::BuildMeshContainer(XS_XFileMeshContainer* pMeshContainer, ID3DXMesh* pMesh,
                                            IDirect3DDevice9* pd3dDevice, const D3DXMATERIAL* pMaterials,
                                            DWORD dwNumMaterials, const DWORD* pAdjacency, ID3DXSkinInfo* pSkinInfo)
{
    HRESULT hr = SetupMeshWithNormals(pMeshContainer, pMesh, pd3dDevice);
    if (FAILED(hr))
        return hr;
    std::vector<DWORD> attributeIds;
    hr = RenumberAttributeRanges(pMeshContainer->MeshData.pMesh, &attributeIds);
    if (FAILED(hr))
        return hr;
    hr = AllocateMaterialArrays(pMeshContainer, static_cast<DWORD>(attributeIds.size()), pAdjacency);
    if (FAILED(hr))
        return hr;
    SetupMaterials(pMeshContainer, attributeIds, pMaterials, dwNumMaterials);
    // The platform's loader hands skin information without bones to every
    // mesh; only bones make a mesh skinned.
    if (pSkinInfo == nullptr || pSkinInfo->GetNumBones() == 0)
        return S_OK;
    return SetupSkinning(pMeshContainer, pSkinInfo);
}

HRESULT XC_XFileManager::SetupMeshWithNormals(XS_XFileMeshContainer* pMeshContainer, ID3DXMesh* pMesh,
                                              IDirect3DDevice9* pd3dDevice)
{
    pMeshContainer->MeshData.Type = D3DXMESHTYPE_MESH;
    if (pMesh->GetFVF() & D3DFVF_NORMAL) {
        pMeshContainer->MeshData.pMesh = pMesh;
        pMesh->AddRef();
        return S_OK;
    }
    HRESULT hr = pMesh->CloneMeshFVF(pMesh->GetOptions(), pMesh->GetFVF() | D3DFVF_NORMAL, pd3dDevice,
                                     &pMeshContainer->MeshData.pMesh);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText(" Load XFile Error , CloneMeshFVF() hr = %x", static_cast<unsigned>(hr)));
        return hr;
    }
    hr = D3DXComputeNormals(pMeshContainer->MeshData.pMesh, nullptr);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("D3DXComputeNormals( pMeshContainer->MeshData.pMesh , NULL )", hr);
    return S_OK;
}

// Numbers the mesh's attribute ranges 0, 1, 2 ... in table order, in the table
// and in the faces, so that range i is drawn with material i, and gives the
// ids they had. A mesh without a table (the platform's loader makes none for
// a mesh without materials) gets one range over the whole mesh.
HRESULT XC_XFileManager::RenumberAttributeRanges(ID3DXMesh* pMesh, std::vector<DWORD>* pAttributeIds)
{
    DWORD dwTableSize = 0;
    HRESULT hr = pMesh->GetAttributeTable(nullptr, &dwTableSize);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pMesh->GetAttributeTable( NULL , &dwAttribTableSize )", hr);
        return hr;
    }
    std::vector<D3DXATTRIBUTERANGE> table(dwTableSize);
    if (dwTableSize > 0)
        hr = pMesh->GetAttributeTable(table.data(), &dwTableSize);
    else
        table.push_back(D3DXATTRIBUTERANGE{0, 0, pMesh->GetNumFaces(), 0, pMesh->GetNumVertices()});
    DWORD* pFaceAttributes = nullptr;
    if (SUCCEEDED(hr))
        hr = pMesh->LockAttributeBuffer(0, &pFaceAttributes);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pMesh->LockAttributeBuffer( 0 , &pAttributes )", hr);
        return hr;
    }
    const DWORD dwFaceCount = pMesh->GetNumFaces();
    pAttributeIds->clear();
    for (DWORD iRange = 0; iRange < table.size(); ++iRange) {
        D3DXATTRIBUTERANGE& range = table[iRange];
        pAttributeIds->push_back(range.AttribId);
        range.AttribId = iRange;
        for (DWORD iFace = range.FaceStart; iFace < range.FaceStart + range.FaceCount && iFace < dwFaceCount; ++iFace)
            pFaceAttributes[iFace] = iRange;
    }
    pMesh->UnlockAttributeBuffer();
    hr = pMesh->SetAttributeTable(table.data(), static_cast<DWORD>(table.size()));
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pMesh->SetAttributeTable( pAttributeTable , dwAttribTableSize )", hr);
    return hr;
}

HRESULT XC_XFileManager::AllocateMaterialArrays(XS_XFileMeshContainer* pMeshContainer, DWORD dwRangeCount,
                                                const DWORD* pAdjacency)
{
    const DWORD dwFaceCount = pMeshContainer->MeshData.pMesh->GetNumFaces();
    pMeshContainer->NumMaterials = std::max<DWORD>(dwRangeCount, 1);
    pMeshContainer->pMaterials = new (std::nothrow) D3DXMATERIAL[pMeshContainer->NumMaterials]();
    pMeshContainer->m_ppTextureObj = new (std::nothrow) XC_Texture*[pMeshContainer->NumMaterials]();
    pMeshContainer->pAdjacency = new (std::nothrow) DWORD[static_cast<size_t>(dwFaceCount) * 3];
    if (pMeshContainer->pAdjacency == nullptr || pMeshContainer->pMaterials == nullptr
        || pMeshContainer->m_ppTextureObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       " Load XFile Error , if ((pMeshContainer->pAdjacency == NULL) || "
                       "(pMeshContainer->pMaterials == NULL)) ");
        return E_OUTOFMEMORY;
    }
    if (pAdjacency != nullptr)
        std::memcpy(pMeshContainer->pAdjacency, pAdjacency, sizeof(DWORD) * dwFaceCount * 3);
    else
        std::fill_n(pMeshContainer->pAdjacency, static_cast<size_t>(dwFaceCount) * 3, 0xFFFFFFFF);
    return S_OK;
}

void XC_XFileManager::SetupMaterials(XS_XFileMeshContainer* pMeshContainer, const std::vector<DWORD>& attributeIds,
                                     const D3DXMATERIAL* pMaterials, DWORD dwNumMaterials)
{
    if (pMaterials == nullptr || dwNumMaterials == 0) {
        std::fill_n(pMeshContainer->pMaterials, pMeshContainer->NumMaterials, DefaultMaterial());
        return;
    }
    for (DWORD i = 0; i < attributeIds.size(); ++i) {
        D3DXMATERIAL& material = pMeshContainer->pMaterials[i];
        if (attributeIds[i] >= dwNumMaterials) {
            XM_REPORT_FAILED("dwAttribId < NumMaterials");
            material = DefaultMaterial();
            continue;
        }
        material = pMaterials[attributeIds[i]];
        material.MatD3D.Ambient = material.MatD3D.Diffuse;
        if (material.pTextureFilename != nullptr && material.pTextureFilename[0] != '\0') {
            if (m_pTextureManager == nullptr)
                XM_REPORT_FAILED("m_pTextureManager");
            else
                pMeshContainer->m_ppTextureObj[i] = m_pTextureManager->GetTexture(material.pTextureFilename);
        }
        material.pTextureFilename = nullptr;
    }
}

HRESULT XC_XFileManager::SetupSkinning(XS_XFileMeshContainer* pMeshContainer, ID3DXSkinInfo* pSkinInfo)
{
    pMeshContainer->pSkinInfo = pSkinInfo;
    pSkinInfo->AddRef();
    pMeshContainer->m_pLoadedMesh = pMeshContainer->MeshData.pMesh;
    pMeshContainer->m_pLoadedMesh->AddRef();
    const DWORD dwBoneCount = pSkinInfo->GetNumBones();
    pMeshContainer->pBoneOffsetMatrices = new (std::nothrow) D3DXMATRIX[dwBoneCount];
    if (pMeshContainer->pBoneOffsetMatrices == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       "Load XFile Error , pMeshContainer->pBoneOffsetMatrices == NULL , hr = E_OUTOFMEMORY");
        return E_OUTOFMEMORY;
    }
    for (DWORD iBone = 0; iBone < dwBoneCount; ++iBone) {
        const D3DXMATRIX* const pOffset = pSkinInfo->GetBoneOffsetMatrix(iBone);
        if (pOffset != nullptr)
            pMeshContainer->pBoneOffsetMatrices[iBone] = *pOffset;
        else
            D3DXMatrixIdentity(&pMeshContainer->pBoneOffsetMatrices[iBone]);
    }
    const HRESULT hr = GenerateSkinnedMesh(pMeshContainer);
    if (FAILED(hr))
        XF_ReportError(s_szSourceFile, __LINE__, "Load XFile Error , GenerateSkinnedMesh()");
    return hr;
}

HRESULT XC_XFileManager::GenerateSkinnedMesh(XS_XFileMeshContainer* pMeshContainer)
{
    if (pMeshContainer->pSkinInfo == nullptr)
        return S_OK;
    if (pMeshContainer->MeshData.pMesh != nullptr) {
        pMeshContainer->MeshData.pMesh->Release();
        pMeshContainer->MeshData.pMesh = nullptr;
    }
    if (pMeshContainer->m_pBoneCombination != nullptr) {
        pMeshContainer->m_pBoneCombination->Release();
        pMeshContainer->m_pBoneCombination = nullptr;
    }
    ID3DXMesh* const pLoadedMesh = pMeshContainer->m_pLoadedMesh;
    if ((pLoadedMesh->GetFVF() & D3DFVF_POSITION_MASK) != D3DFVF_XYZ) {
        XM_REPORT_FAILED("( m_pLoadedMesh->GetFVF() & D3DFVF_POSITION_MASK ) == D3DFVF_XYZ");
        return D3DXERR_INVALIDDATA;
    }
    HRESULT hr = CountVertexInfluences(pMeshContainer->pSkinInfo, pLoadedMesh->GetNumVertices(),
                                       &pMeshContainer->m_dwInfluenceCount);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("CountVertexInfluences( pMeshContainer->pSkinInfo , ... )", hr);
        return hr;
    }
    IDirect3DDevice9* pd3dDevice = nullptr;
    hr = pLoadedMesh->GetDevice(&pd3dDevice);
    if (FAILED(hr))
        return hr;
    hr = pLoadedMesh->CloneMeshFVF(D3DXMESH_SYSTEMMEM, pLoadedMesh->GetFVF(), pd3dDevice,
                                   &pMeshContainer->MeshData.pMesh);
    pd3dDevice->Release();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pMeshContainer->m_pLoadedMesh->CloneMeshFVF( D3DXMESH_SYSTEMMEM , ... )", hr);
        return hr;
    }
    pMeshContainer->m_dwAttributeGroupCount = pMeshContainer->NumMaterials;
    pMeshContainer->m_dwPaletteEntryCount = pMeshContainer->pSkinInfo->GetNumBones();
    pMeshContainer->m_bSoftwareVertexProcessing = FALSE;
    return S_OK;
}

HRESULT XC_XFileManager::DestroyFrame(D3DXFRAME* pFrameToFree)
{
    XS_XFileFrame* const pFrame = static_cast<XS_XFileFrame*>(pFrameToFree);
    delete[] pFrame->Name;
    delete pFrame;
    return S_OK;
}

HRESULT XC_XFileManager::DestroyMeshContainer(D3DXMESHCONTAINER* pMeshContainerToFree)
{
    XS_XFileMeshContainer* const pMeshContainer = static_cast<XS_XFileMeshContainer*>(pMeshContainerToFree);
    delete[] pMeshContainer->Name;
    delete[] pMeshContainer->pAdjacency;
    delete[] pMeshContainer->pMaterials;
    delete[] pMeshContainer->pBoneOffsetMatrices;
    if (pMeshContainer->m_ppTextureObj != nullptr) {
        for (DWORD i = 0; i < pMeshContainer->NumMaterials; ++i) {
            if (pMeshContainer->m_ppTextureObj[i] != nullptr)
                pMeshContainer->m_ppTextureObj[i]->Release();
        }
        delete[] pMeshContainer->m_ppTextureObj;
    }
    delete[] pMeshContainer->m_ppBoneMatrix;
    if (pMeshContainer->m_pBoneCombination != nullptr)
        pMeshContainer->m_pBoneCombination->Release();
    if (pMeshContainer->MeshData.pMesh != nullptr)
        pMeshContainer->MeshData.pMesh->Release();
    if (pMeshContainer->pSkinInfo != nullptr)
        pMeshContainer->pSkinInfo->Release();
    if (pMeshContainer->m_pLoadedMesh != nullptr)
        pMeshContainer->m_pLoadedMesh->Release();
    delete pMeshContainer;
    return S_OK;
}

HRESULT XC_XFileManager::AllocateName(const char* szName, char** pszNewName)
{
    *pszNewName = nullptr;
    if (szName == nullptr)
        return S_OK;
    const size_t uLength = std::strlen(szName) + 1;
    *pszNewName = new (std::nothrow) char[uLength];
    if (*pszNewName == nullptr)
        return E_OUTOFMEMORY;
    std::memcpy(*pszNewName, szName, uLength);
    return S_OK;
}
