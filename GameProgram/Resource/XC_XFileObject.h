#pragma once

#include "GameProgram/D3DCommon/XS_BoundingSphere.h"
#include "GameProgram/Resource/XC_Resource.h"
#include "GameProgram/Resource/XS_XFileFrame.h"
#include "GameProgram/Resource/XS_XFileMeshContainer.h"

#include <d3dx9.h>

// A mesh hierarchy of the mesh manager, shared by name: the frames with their
// mesh containers, the file's animation controller, if any, and the bounding
// sphere of the hierarchy in its rest pose. The manager destroys the
// hierarchy and releases the controller.
class XC_XFileObject : public XC_Resource
{
public:
    XC_XFileObject() = default;

    // Keeps the root, points every skinned container's bones at the combined
    // matrices of the frames of their names and computes the bounding sphere;
    // a failure of either is reported and the root is kept all the same.
    virtual void SetFrameRoot(XS_XFileFrame* pFrameRoot);
    // Takes over the controller's reference (null for a file without animation).
    virtual void SetAnimationController(ID3DXAnimationController* pAnimationController);
    virtual XS_XFileFrame* GetFrameRoot() const;
    virtual ID3DXAnimationController* GetAnimationController() const;
    virtual const XS_BoundingSphere* GetBoundingSphere() const;

private:
    HRESULT SetupBoneMatrixPointers(D3DXFRAME* pFrame);
    HRESULT SetupBoneMatrixPointersOnMesh(XS_XFileMeshContainer* pMeshContainer);

    XS_XFileFrame* m_pFrameRoot = nullptr;
    ID3DXAnimationController* m_pAnimationController = nullptr;
    XS_BoundingSphere m_BoundingSphere = {};
};
