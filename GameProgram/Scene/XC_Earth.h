#pragma once

#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

#include <windows.h>

class XC_RenderXFile;
class XC_TextNode;

// The terrain of a scene: X-file meshes, each optionally drawn with an
// effect. An object is named by the text it was made from: the X-file name,
// or the X-file name, a blank and the effect name.
class XC_Earth : public XC_RenderObjManager
{
public:
    XC_Earth() = default;

    // A missing mesh is reported and left out.
    virtual void AddMesh(const char* szText);
    virtual HRESULT DelMesh(const char* szName);
    // Null past the list or for an object that is not a mesh.
    virtual XC_RenderXFile* GetMesh(DWORD dwIndex) const;
    virtual DWORD GetMeshCount() const;
    // One leaf "Mesh%02d" per mesh, valued by its name.
    virtual BOOL SaveToNode(XC_TextNode* pTNode) const;
    // Replaces the meshes with those the node's leaves name, in leaf order.
    virtual BOOL LoadFromNode(const XC_TextNode* pTNode);
};
