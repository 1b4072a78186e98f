#pragma once

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/Painter/XI_Painter.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A painter that keeps what is filed, by object, with the group and
// coordinate system it was filed under.
class FakePainter : public XI_Painter
{
public:
    BOOL AddRenderObj(XC_RenderingObject* pRenderObj) override
    {
        ++iAdds;
        filed[pRenderObj] = {pRenderObj->GetRenderQueueGroup(), pRenderObj->GetCoordinateSystem()};
        return TRUE;
    }
    BOOL RemoveRenderObj(XC_RenderingObject* pRenderObj) override
    {
        ++iRemoves;
        return filed.erase(pRenderObj) != 0 ? TRUE : FALSE;
    }
    bool Holds(const XC_RenderingObject* pRenderObj) const
    {
        return filed.count(const_cast<XC_RenderingObject*>(pRenderObj)) != 0;
    }

    std::map<XC_RenderingObject*, std::pair<DWORD, DWORD>> filed;
    int iAdds = 0;
    int iRemoves = 0;
};

// A render environment of its own painter and men. The world camera looks
// from (0, 0, -10) at the origin along +z; the screen camera is orthographic.
class FakeEnvironment : public XI_EnvironmentOfRender
{
public:
    FakeEnvironment()
    {
        worldCamera.SetPerspectiveProjection(D3DX_PI / 4.0f, 800.0f, 600.0f, 1.0f, 1000.0f);
        PlaceWorldCamera(0.0f);
        screenCamera.SetOrthoProjection(800.0f, 600.0f, -100.0f, 100.0f);
        screenCamera.UpdateViewMatrix();
        screenCamera.UpdateFrustum();
    }

    // Looks at the origin from 10 units away, turned by the yaw about y.
    void PlaceWorldCamera(float fYaw)
    {
        worldCamera.PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, fYaw, 0.0f);
        worldCamera.UpdateViewMatrix();
        worldCamera.UpdateFrustum();
    }

    XI_Painter* GetPainter() override { return &painter; }
    XC_LightMan* GetWorldLightMan() override { return &worldLight; }
    XC_CameraMan* GetWorldCameraMan() override { return &worldCamera; }
    XC_LightMan* GetScreenLightMan() override { return &screenLight; }
    XC_CameraMan* GetScreenCameraMan() override { return &screenCamera; }

    FakePainter painter;
    XC_CameraMan worldCamera, screenCamera;
    XC_LightMan worldLight, screenLight;
};

// A drawable with content from the start, whose frustum answer and ray hit
// a test sets; it counts the painter hooks and the living instances.
class TestDrawable : public XC_RenderingObject
{
public:
    TestDrawable() { ++s_iLiving; SetRenderable(TRUE); }
    ~TestDrawable() override { --s_iLiving; }

    XC_RenderingObject* Duplicate() override
    {
        TestDrawable* const pCopy = new TestDrawable;
        pCopy->CopyRenderingObject(this);
        pCopy->fHitDistance = fHitDistance;
        return pCopy;
    }
    void OnAddToPainter() override { ++iAddHooks; }
    void OnRemoveFromPainter() override { ++iRemoveHooks; }
    BOOL IsInFrustum(const XC_Frustum*) override { return bInside; }
    BOOL IntersectRay(const D3DXVECTOR3*, const D3DXVECTOR3*, float* pfDistance) override
    {
        if (fHitDistance < 0.0f)
            return FALSE;
        *pfDistance = fHitDistance;
        return TRUE;
    }

    static int s_iLiving;
    BOOL bInside = TRUE;
    float fHitDistance = -1.0f;
    int iAddHooks = 0;
    int iRemoveHooks = 0;
};

// A description node built from name and value pairs, with child nodes.
inline std::unique_ptr<XC_TextNode> MakeNode(const char* szName,
                                             const std::vector<std::pair<std::string, std::string>>& leaves)
{
    std::unique_ptr<XC_TextNode> pNode(new XC_TextNode);
    pNode->SetName(szName);
    for (const auto& leaf : leaves)
        pNode->AddLeaf(leaf.first.c_str(), leaf.second.c_str());
    return pNode;
}

inline XC_TextNode* AddChild(XC_TextNode* pParent, const char* szName,
                             const std::vector<std::pair<std::string, std::string>>& leaves)
{
    XC_TextNode* const pChild = MakeNode(szName, leaves).release();
    pParent->AddChildNode(pChild);
    return pChild;
}
