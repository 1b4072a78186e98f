#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>

#include <map>

class XC_RenderingObject;
class XC_RenderNode;

// The names under which a script's commands find rendering objects and
// render nodes. A name this store lacks is looked up in its parent. Neither
// table owns what it points at; the first registration of a name wins.
class XC_ScriptResource
{
public:
    XC_ScriptResource() = default;
    virtual ~XC_ScriptResource() = default;
    XC_ScriptResource(const XC_ScriptResource&) = delete;
    XC_ScriptResource& operator=(const XC_ScriptResource&) = delete;

    virtual XC_ScriptResource* SetParent(XC_ScriptResource* pParent);
    virtual XC_ScriptResource* GetParent();
    // A null name takes the object's own.
    virtual HRESULT AddRenderObjToResource(XC_RenderingObject* pRenderObj, const char* lpctstrObjectName);
    // Registers the object under the name, replacing what the name had.
    virtual HRESULT SetRenderObjOfResource(XC_RenderingObject* pRenderObj, const char* lpctstrObjectName);
    virtual HRESULT AddRenderNodeToResource(XC_RenderNode* pRenderNode, const char* lpctstrObjectName);
    virtual XC_RenderingObject* GetRenderObj(const char* lpctstrObjectName);
    // Render nodes first, then rendering objects, in each store of the chain.
    virtual XC_RenderNode* GetRenderNode(const char* lpctstrObjectName);
    virtual void Clear();

private:
    XC_ScriptResource* m_pParent = nullptr;
    std::map<XC_String, XC_RenderingObject*> m_mapRenderObj;
    std::map<XC_String, XC_RenderNode*> m_mapRenderNode;
};
