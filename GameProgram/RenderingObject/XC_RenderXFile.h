#pragma once

#include "GameProgram/Common/XC_AnimationTimer.h"
#include "GameProgram/D3DCommon/XS_BoundingSphere.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <d3dx9.h>

class XC_XFileObject;
struct XS_XFileFrame;
struct XS_XFileMeshContainer;

// A mesh hierarchy of an ".x" file with its own copy of the file's animation
// controller, driven by a timer that runs while the object is filed with the
// painter; tinted by the object's colour; hidden at the end of its
// animation on request. Skinned containers are skinned on the CPU by the
// engine and drawn as plain meshes.
class XC_RenderXFile : public XC_RenderingObject, public XC_AnimationTimer
{
public:
    XC_RenderXFile();
    ~XC_RenderXFile() override;

    XC_RenderingObject* Duplicate() override;
    HRESULT LoadFromTextNode(XC_TextNode* pTNode) override;
    void OnAddToPainter() override;
    void OnRemoveFromPainter() override;
    void DrawObject() override;
    BOOL IsInFrustum(const XC_Frustum* pFrustumObj) override;
    float GetFrustumDepth(const XC_Frustum* pFrustumObj) override;
    BOOL IntersectRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance) override;
    void OnReachEnd() override;
    using XC_RenderNode::Update;
    using XC_AnimationTimer::Update;

    virtual HRESULT LoadXFile(const char* szXFileName);
    // Null takes the object out of the painter.
    virtual HRESULT SetXFileObject(XC_XFileObject* pXFileObj);
    // Adds a reference for the caller; E_FAIL without a file.
    virtual HRESULT GetXFileObject(XC_XFileObject** ppXFileObj);
    virtual HRESULT CopyRenderXFile(XC_RenderXFile* pSource);
    virtual XS_BoundingSphere* GetBoundingSphere();
    virtual void UpdateFrameMatrices(XS_XFileFrame* pFrame, const D3DXMATRIX* pParentMatrix);
    virtual void DrawFrame(XS_XFileFrame* pFrame);
    virtual void DrawMeshContainer(XS_XFileMeshContainer* pMeshContainerBase, XS_XFileFrame* pFrameBase);
    virtual void DrawSkinnedMeshContainer(XS_XFileMeshContainer* pMeshContainer, XS_XFileFrame* pFrame);
    virtual void SetMaterial(DWORD dwColor, const D3DMATERIAL9* pMaterial);
    virtual void RestoreTextureFactor();

    void SetHideAtEnding(BOOL bHideAtEnding) { m_bHideAtEnding = bHideAtEnding; }
    ID3DXAnimationController* GetAnimController() const { return m_pAnimController; }

private:
    void ReleaseAnimController();
    // Brings the controller's time to the timer's.
    void FollowTimer();
    // Every subset of a container with its materials and textures.
    void DrawSubsets(XS_XFileMeshContainer* pMeshContainer);

    XS_BoundingSphere m_BoundingSphere;
    BOOL m_bTextureFactorSet;
    BOOL m_bHideAtEnding;
    XC_XFileObject* m_pXFileObj;
    ID3DXAnimationController* m_pAnimController;
};
