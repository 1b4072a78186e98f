#include "GameProgram/Script/XC_ScriptResource.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// Every rendering object is a render node.
XC_RenderNode* AsRenderNode(XC_RenderingObject* pRenderObj)
{
    return dynamic_cast<XC_RenderNode*>(pRenderObj);
}

} // namespace

XC_ScriptResource* XC_ScriptResource::SetParent(XC_ScriptResource* pParent)
{
    m_pParent = pParent;
    return this;
}

XC_ScriptResource* XC_ScriptResource::GetParent()
{
    return m_pParent;
}

HRESULT XC_ScriptResource::AddRenderObjToResource(XC_RenderingObject* pRenderObj, const char* lpctstrObjectName)
{
    if (pRenderObj == nullptr) {
        XM_REPORT_FAILED("pRenderObj");
        return E_FAIL;
    }
    if (lpctstrObjectName == nullptr)
        lpctstrObjectName = pRenderObj->GetName();
    if (lpctstrObjectName == nullptr) {
        XM_REPORT_FAILED("lpctstrObjectName");
        return S_OK;
    }
    m_mapRenderObj.emplace(XC_String(lpctstrObjectName), pRenderObj);
    return S_OK;
}

HRESULT XC_ScriptResource::SetRenderObjOfResource(XC_RenderingObject* pRenderObj, const char* lpctstrObjectName)
{
    if (pRenderObj == nullptr || lpctstrObjectName == nullptr) {
        XM_REPORT_FAILED("pRenderObj && lpctstrObjectName");
        return E_FAIL;
    }
    m_mapRenderObj[XC_String(lpctstrObjectName)] = pRenderObj;
    return S_OK;
}

HRESULT XC_ScriptResource::AddRenderNodeToResource(XC_RenderNode* pRenderNode, const char* lpctstrObjectName)
{
    if (pRenderNode == nullptr) {
        XM_REPORT_FAILED("pRenderNode");
        return E_FAIL;
    }
    if (lpctstrObjectName == nullptr) {
        XM_REPORT_FAILED("lpctstrObjectName");
        return E_FAIL;
    }
    m_mapRenderNode.emplace(XC_String(lpctstrObjectName), pRenderNode);
    return S_OK;
}

XC_RenderingObject* XC_ScriptResource::GetRenderObj(const char* lpctstrObjectName)
{
    if (lpctstrObjectName == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    const XC_String strName(lpctstrObjectName);
    for (XC_ScriptResource* pStore = this; pStore != nullptr; pStore = pStore->m_pParent) {
        const auto found = pStore->m_mapRenderObj.find(strName);
        if (found != pStore->m_mapRenderObj.end())
            return found->second;
    }
    XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("找不到資源 名稱 %s ", lpctstrObjectName));
    return nullptr;
}

XC_RenderNode* XC_ScriptResource::GetRenderNode(const char* lpctstrObjectName)
{
    if (lpctstrObjectName == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    const XC_String strName(lpctstrObjectName);
    for (XC_ScriptResource* pStore = this; pStore != nullptr; pStore = pStore->m_pParent) {
        const auto node = pStore->m_mapRenderNode.find(strName);
        if (node != pStore->m_mapRenderNode.end())
            return node->second;
        const auto object = pStore->m_mapRenderObj.find(strName);
        if (object != pStore->m_mapRenderObj.end())
            return AsRenderNode(object->second);
    }
    XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("找不到繪圖節點 名稱 %s ", lpctstrObjectName));
    return nullptr;
}

void XC_ScriptResource::Clear()
{
    m_mapRenderObj.clear();
    m_mapRenderNode.clear();
}
