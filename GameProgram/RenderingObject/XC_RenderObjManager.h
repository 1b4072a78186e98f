#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include <windows.h>
#include <d3dx9math.h>

class XC_RenderingObject;
class XC_TextNode;
class XI_EnvironmentOfRender;

// Owns a list of rendering objects, which hang below it in the scene graph,
// and hands them its render environment and show flag. "Del" operations
// destroy an object; "Removel" operations only take it out of the list and
// leave it to its new owner.
class XC_RenderObjManager : public XC_RenderNode
{
public:
    XC_RenderObjManager();
    ~XC_RenderObjManager() override;

    virtual HRESULT SetEnvironmentOfRender(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual XI_EnvironmentOfRender* GetEnvironmentOfRender() const;
    // A new manager holding copies of the objects, or null.
    virtual XC_RenderObjManager* Duplicate();
    virtual HRESULT CopyRenderObjManager(XC_RenderObjManager* pSource);
    virtual HRESULT ClearAll();
    virtual HRESULT RemoveAll();
    // Builds an object of every child node through the factory; "LinkTarget"
    // hangs one below an object listed before it.
    virtual HRESULT LoadFromTextNode(XC_TextNode* pTNode);
    virtual DWORD GetRenderingObjectCount() const;
    virtual XC_RenderingObject* FindRenderingObject(const char* szName) const;
    virtual XC_RenderingObject* GetRenderingObject(DWORD dwIndex) const;
    virtual HRESULT AddRenderingObject(XC_RenderingObject* pRenderingObject);
    virtual HRESULT DelRenderingObject(const char* szName);
    virtual HRESULT DelRenderingObject(XC_RenderingObject* pRenderingObject);
    virtual HRESULT DelRenderingObject(DWORD dwIndex);
    virtual HRESULT RemovelRenderingObject(const char* szName);
    virtual HRESULT RemovelRenderingObject(DWORD dwIndex);
    virtual HRESULT RemovelRenderingObject(XC_RenderingObject* pRenderingObject);
    virtual void SetShow(BOOL bShow);
    virtual BOOL GetShow() const;
    virtual void SetCoordinateSystemAll(DWORD dwCoordinateSystem);
    virtual void SetRenderQueueGroup(DWORD dwRenderQueueGroupID);
    // 1 when any filed object was hit; the nearest distance goes to pfDistance.
    virtual BOOL PickNearest(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance);

protected:
    // The index of the first object of that name or that address, or the count.
    DWORD IndexOf(const char* szName) const;
    DWORD IndexOf(const XC_RenderingObject* pRenderingObject) const;

    XI_EnvironmentOfRender* m_pEnvironmentOfRender;
    BOOL m_bShow;
    XC_PtrArrayList<XC_RenderingObject> m_PAL_RenderingObject;
};
