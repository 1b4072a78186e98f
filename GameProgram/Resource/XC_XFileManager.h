#pragma once

#include "GameProgram/Resource/XC_ResourceManager.h"
#include "GameProgram/Resource/XC_XFileObject.h"
#include "GameProgram/Resource/XS_XFileFrame.h"
#include "GameProgram/Resource/XS_XFileMeshContainer.h"

#include <windows.h>
#include <d3dx9anim.h>

#include <vector>

class XC_TextureManager;
class XI_PackFile;
struct XS_FileData;

// The meshes of ".x" files by name. The manager is the allocation callback of
// the D3DX hierarchy loader, so it builds the frames and mesh containers:
// every mesh gets normals, every material its texture from the texture
// manager, and every skinned mesh a copy that is skinned on the CPU. Where
// the platform's D3DX makes no animation controller, the manager reads the
// file's animation itself.
class XC_XFileManager : public XC_ResourceManager, public ID3DXAllocateHierarchy
{
public:
    XC_XFileManager();

    // Keeps both, which must outlive the manager's meshes; E_FAIL for either null.
    HRESULT Init(XI_PackFile* pPackFile, XC_TextureManager* pTextureManager);
    HRESULT Fini();
    // The mesh of the name with one reference for the caller, or null; there
    // is no fallback mesh.
    XC_XFileObject* GetXFile(const char* szName);

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;
    // Loads the object's file again in place of its hierarchy and controller.
    virtual HRESULT ReloadXFile(XC_XFileObject* pXFileObj);
    // Nothing to do: the meshes live in the managed pool or in system memory.
    virtual HRESULT RestoreAllXFileWhenDeviceLose();

    STDMETHOD(CreateFrame)(const char* szName, D3DXFRAME** ppNewFrame) override;
    STDMETHOD(CreateMeshContainer)(const char* szName, const D3DXMESHDATA* pMeshData, const D3DXMATERIAL* pMaterials,
                                   const D3DXEFFECTINSTANCE* pEffectInstances, DWORD dwNumMaterials,
                                   const DWORD* pAdjacency, ID3DXSkinInfo* pSkinInfo,
                                   D3DXMESHCONTAINER** ppNewMeshContainer) override;
    STDMETHOD(DestroyFrame)(D3DXFRAME* pFrameToFree) override;
    STDMETHOD(DestroyMeshContainer)(D3DXMESHCONTAINER* pMeshContainerToFree) override;

    // A new copy of the name (free it with delete[]), or null for no name.
    HRESULT AllocateName(const char* szName, char** pszNewName);
    // Makes the skinned container's mesh: a system-memory copy of the rest
    // pose for XF_SkinMeshContainer to write into.
    HRESULT GenerateSkinnedMesh(XS_XFileMeshContainer* pMeshContainer);

private:
    HRESULT LoadHierarchy(const char* szName, const char* szShownName, XS_XFileFrame** ppFrameRoot,
                          ID3DXAnimationController** ppAnimationController);
    HRESULT LoadHierarchyFromData(const XS_FileData& fileData, const char* szShownName, XS_XFileFrame** ppFrameRoot,
                                  ID3DXAnimationController** ppAnimationController);
    void DestroyHierarchy(XC_XFileObject* pXFileObj);
    HRESULT BuildMeshContainer(XS_XFileMeshContainer* pMeshContainer, ID3DXMesh* pMesh, IDirect3DDevice9* pd3dDevice,
                               const D3DXMATERIAL* pMaterials, DWORD dwNumMaterials, const DWORD* pAdjacency,
                               ID3DXSkinInfo* pSkinInfo);
    HRESULT SetupMeshWithNormals(XS_XFileMeshContainer* pMeshContainer, ID3DXMesh* pMesh,
                                 IDirect3DDevice9* pd3dDevice);
    HRESULT RenumberAttributeRanges(ID3DXMesh* pMesh, std::vector<DWORD>* pAttributeIds);
    HRESULT AllocateMaterialArrays(XS_XFileMeshContainer* pMeshContainer, DWORD dwRangeCount,
                                   const DWORD* pAdjacency);
    void SetupMaterials(XS_XFileMeshContainer* pMeshContainer, const std::vector<DWORD>& attributeIds,
                        const D3DXMATERIAL* pMaterials, DWORD dwNumMaterials);
    HRESULT SetupSkinning(XS_XFileMeshContainer* pMeshContainer, ID3DXSkinInfo* pSkinInfo);

    XC_TextureManager* m_pTextureManager;
};

// The mesh manager while the device lives; made by the configured application.
extern XC_XFileManager* g_pXFileManager;
