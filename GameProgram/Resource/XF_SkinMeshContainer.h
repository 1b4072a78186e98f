#pragma once

#include "GameProgram/Resource/XS_XFileFrame.h"
#include "GameProgram/Resource/XS_XFileMeshContainer.h"

#include <windows.h>

// Skins a skinned mesh container on the CPU, where the device cannot blend
// with a matrix palette: every vertex of the rest pose (m_pLoadedMesh) is
// moved by its bones' offset and combined matrices, weighted, into the
// container's mesh. The weights count relative to the bones that could be
// found, so a bone without a frame does not pull its vertices to the origin. The result lies in the space of the combined matrices, so
// the mesh is drawn with an identity world transform. A vertex that no bone
// moves follows the frame that holds the container. Call it after the frames'
// combined matrices are brought up to date. E_FAIL with a report when the
// container is not a skinned one or its meshes cannot be locked.
HRESULT XF_SkinMeshContainer(XS_XFileMeshContainer* pMeshContainer, const XS_XFileFrame* pFrame);
