#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <d3dx9.h>

class XC_Texture;

// The dark patch under a performer or person: one shared volume mesh drawn
// in two stencil passes darkens the ground inside it. The shared mesh and
// texture are made on the first draw (never in a static constructor) and
// released with the last shadow.
class XC_RenderShadow : public XC_RenderingObject
{
public:
    XC_RenderShadow();
    ~XC_RenderShadow() override;

    void DrawObject() override;
    BOOL IsAlphaBlend() override;
    BOOL IsInFrustum(const XC_Frustum* pFrustumObj) override;

    // The alpha of the darkening for an object colour.
    static DWORD ShadowAlpha(DWORD dwColor);
    // Whether the shared mesh is held now.
    static BOOL HasSharedMesh() { return s_pShadowMesh != nullptr; }
    static DWORD GetLivingCount() { return s_dwLivingCount; }

private:
    // Loads the shared mesh and texture when the device and managers exist.
    static bool LoadSharedResources();
    static void ReleaseSharedResources();

    static ID3DXMesh* s_pShadowMesh;
    static XC_Texture* s_pShadowTexture;
    static DWORD s_dwLivingCount;
};
