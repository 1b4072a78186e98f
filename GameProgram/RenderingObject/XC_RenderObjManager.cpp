#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderObjAnalyzer.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <cstring>
#include <string>
#include <unordered_set>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float NO_HIT_DISTANCE = 1000.0f;

} // namespace

XC_RenderObjManager::XC_RenderObjManager()
    : m_pEnvironmentOfRender(nullptr)
    , m_bShow(TRUE)
{
    SetInheritScale(TRUE);
}

XC_RenderObjManager::~XC_RenderObjManager()
{
    ClearAll();
}

HRESULT XC_RenderObjManager::SetEnvironmentOfRender(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    m_pEnvironmentOfRender = pEnvironmentOfRender;
    if (pEnvironmentOfRender == nullptr)
        return E_FAIL;
    for (DWORD i = 0; i < m_PAL_RenderingObject.Count(); ++i)
        m_PAL_RenderingObject.GetPtr(i)->SetEnvironmentOfRender(pEnvironmentOfRender);
    return S_OK;
}

XI_EnvironmentOfRender* XC_RenderObjManager::GetEnvironmentOfRender() const
{
    return m_pEnvironmentOfRender;
}

XC_RenderObjManager* XC_RenderObjManager::Duplicate()
{
    XC_RenderObjManager* const pNewObj = new XC_RenderObjManager;
    if (FAILED(pNewObj->CopyRenderObjManager(this))) {
        delete pNewObj;
        return nullptr;
    }
    return pNewObj;
}

HRESULT XC_RenderObjManager::CopyRenderObjManager(XC_RenderObjManager* pSource)
{
    if (pSource == nullptr || pSource == this) {
        XM_REPORT_FAILED("pSource");
        return E_FAIL;
    }
    ClearAll();
    m_pEnvironmentOfRender = pSource->m_pEnvironmentOfRender;
    m_bShow = pSource->m_bShow;
    for (DWORD i = 0; i < pSource->GetRenderingObjectCount(); ++i) {
        XC_RenderingObject* const pSourceObj = pSource->GetRenderingObject(i);
        XC_RenderingObject* const pNewRenderObj = pSourceObj->Duplicate();
        if (pNewRenderObj == nullptr) {
            XM_REPORT_FAILED("pNewRenderObj");
            continue;
        }
        XC_RenderNode* const pSourceParent = pSourceObj->GetParent();
        if (pSourceParent == pSource) {
            pNewRenderObj->SetParent(this);
        } else if (const XC_RenderingObject* const pParentObj = dynamic_cast<const XC_RenderingObject*>(pSourceParent)) {
            XC_RenderingObject* const pNewParent = FindRenderingObject(pParentObj->GetName());
            if (pNewParent != nullptr)
                pNewRenderObj->SetParent(pNewParent);
        }
        m_PAL_RenderingObject.Add(pNewRenderObj);
    }
    CopyRenderNode(pSource);
    return S_OK;
}

HRESULT XC_RenderObjManager::ClearAll()
{
    for (DWORD i = 0; i < m_PAL_RenderingObject.Count(); ++i) {
        XC_RenderingObject* const pRenderingObject = m_PAL_RenderingObject.GetPtr(i);
        if (pRenderingObject == nullptr) {
            XM_REPORT_FAILED("pRenderingObject");
            continue;
        }
        delete pRenderingObject;
    }
    m_PAL_RenderingObject.RemoveAll();
    return S_OK;
}

HRESULT XC_RenderObjManager::RemoveAll()
{
    m_PAL_RenderingObject.RemoveAll();
    return S_OK;
}

HRESULT XC_RenderObjManager::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    std::unordered_set<std::string> names;
    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        XC_TextNode* const pTNode_RenderObj = pTNode->FindChildNode(i);
        if (pTNode_RenderObj == nullptr) {
            XM_REPORT_FAILED("pTNode_RenderObj");
            continue;
        }
        XC_RenderingObject* const pRenderingObject = g_pRenderObjAnalyzer->AnalyzeRenderObj(pTNode_RenderObj);
        if (pRenderingObject == nullptr) {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            return E_FAIL;
        }
        const char* const szLinkTarget = pTNode_RenderObj->GetStr("LinkTarget", nullptr);
        if (szLinkTarget != nullptr && szLinkTarget[0] != '<') {
            XC_RenderingObject* const pRenderingObjectLinkTarget = FindRenderingObject(szLinkTarget);
            if (pRenderingObjectLinkTarget != nullptr) {
                pRenderingObject->SetParent(pRenderingObjectLinkTarget);
            } else {
                XF_ReportError(s_szSourceFile, __LINE__,
                               XF_FormatText("( %s ) failed \r\n%s", "pRenderingObjectLinkTarget",
                                             XF_FormatText("繪圖物件 %s , 找不到連結目標 %s",
                                                           pRenderingObject->GetName(), szLinkTarget)));
            }
        }
        // A second object of a name is found by no command or link.
        if (!names.insert(pRenderingObject->GetName()).second) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("繪圖物件 %s : two objects of one name in one description",
                                         pRenderingObject->GetName()));
        }
        AddRenderingObject(pRenderingObject);
    }
    return S_OK;
}

DWORD XC_RenderObjManager::GetRenderingObjectCount() const
{
    return m_PAL_RenderingObject.Count();
}

DWORD XC_RenderObjManager::IndexOf(const char* szName) const
{
    const DWORD dwCount = m_PAL_RenderingObject.Count();
    if (szName == nullptr)
        return dwCount;
    for (DWORD i = 0; i < dwCount; ++i) {
        const XC_RenderingObject* const pRenderingObject = m_PAL_RenderingObject.GetPtr(i);
        if (pRenderingObject == nullptr) {
            XM_REPORT_FAILED("m_PAL_RenderingObject.GetPtr(i)");
            continue;
        }
        if (std::strcmp(pRenderingObject->GetName(), szName) == 0)
            return i;
    }
    return dwCount;
}

DWORD XC_RenderObjManager::IndexOf(const XC_RenderingObject* pRenderingObject) const
{
    const DWORD dwCount = m_PAL_RenderingObject.Count();
    for (DWORD i = 0; i < dwCount; ++i) {
        if (m_PAL_RenderingObject.GetPtr(i) == pRenderingObject)
            return i;
    }
    return dwCount;
}

XC_RenderingObject* XC_RenderObjManager::FindRenderingObject(const char* szName) const
{
    return m_PAL_RenderingObject.GetPtr(IndexOf(szName));
}

XC_RenderingObject* XC_RenderObjManager::GetRenderingObject(DWORD dwIndex) const
{
    if (dwIndex >= m_PAL_RenderingObject.Count()) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("GetRenderingObject( %d ) , 傳入索引值大於內部數量 %d", static_cast<int>(dwIndex),
                                     static_cast<int>(m_PAL_RenderingObject.Count())));
        return nullptr;
    }
    return m_PAL_RenderingObject.GetPtr(dwIndex);
}

HRESULT XC_RenderObjManager::AddRenderingObject(XC_RenderingObject* pRenderingObject)
{
    if (pRenderingObject == nullptr) {
        XM_REPORT_FAILED("pRenderingObject");
        return E_FAIL;
    }
    m_PAL_RenderingObject.Add(pRenderingObject);
    if (pRenderingObject->GetParent() == nullptr)
        pRenderingObject->SetParent(this);
    if (m_pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("m_pEnvironmentOfRender");
    } else {
        pRenderingObject->SetEnvironmentOfRender(m_pEnvironmentOfRender);
    }
    pRenderingObject->SetShow(m_bShow);
    return S_OK;
}

HRESULT XC_RenderObjManager::DelRenderingObject(const char* szName)
{
    const DWORD dwIndex = IndexOf(szName);
    if (dwIndex >= m_PAL_RenderingObject.Count()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return DelRenderingObject(dwIndex);
}

HRESULT XC_RenderObjManager::DelRenderingObject(XC_RenderingObject* pRenderingObject)
{
    const DWORD dwIndex = IndexOf(pRenderingObject);
    if (dwIndex >= m_PAL_RenderingObject.Count()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return DelRenderingObject(dwIndex);
}

HRESULT XC_RenderObjManager::DelRenderingObject(DWORD dwIndex)
{
    if (dwIndex >= m_PAL_RenderingObject.Count()) {
        XM_REPORT_FAILED("dwIndex < m_PAL_RenderingObject.Count()");
        return E_FAIL;
    }
    XC_RenderingObject* const pRenderingObject = m_PAL_RenderingObject.GetPtr(dwIndex);
    if (pRenderingObject == nullptr)
        XM_REPORT_FAILED("pRenderingObject");
    delete pRenderingObject;
    m_PAL_RenderingObject.RemoveAt(dwIndex);
    return S_OK;
}

HRESULT XC_RenderObjManager::RemovelRenderingObject(const char* szName)
{
    const DWORD dwIndex = IndexOf(szName);
    if (dwIndex >= m_PAL_RenderingObject.Count()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return RemovelRenderingObject(dwIndex);
}

HRESULT XC_RenderObjManager::RemovelRenderingObject(DWORD dwIndex)
{
    if (dwIndex >= m_PAL_RenderingObject.Count()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    m_PAL_RenderingObject.RemoveAt(dwIndex);
    return S_OK;
}

HRESULT XC_RenderObjManager::RemovelRenderingObject(XC_RenderingObject* pRenderingObject)
{
    const DWORD dwIndex = IndexOf(pRenderingObject);
    if (dwIndex >= m_PAL_RenderingObject.Count()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return RemovelRenderingObject(dwIndex);
}

void XC_RenderObjManager::SetShow(BOOL bShow)
{
    m_bShow = bShow;
    for (DWORD i = 0; i < m_PAL_RenderingObject.Count(); ++i)
        m_PAL_RenderingObject.GetPtr(i)->SetShow(bShow);
}

BOOL XC_RenderObjManager::GetShow() const
{
    return m_bShow;
}

void XC_RenderObjManager::SetCoordinateSystemAll(DWORD dwCoordinateSystem)
{
    for (DWORD i = 0; i < m_PAL_RenderingObject.Count(); ++i)
        m_PAL_RenderingObject.GetPtr(i)->SetCoordinateSystem(dwCoordinateSystem);
}

void XC_RenderObjManager::SetRenderQueueGroup(DWORD dwRenderQueueGroupID)
{
    for (DWORD i = 0; i < m_PAL_RenderingObject.Count(); ++i)
        m_PAL_RenderingObject.GetPtr(i)->SetRenderQueueGroup(dwRenderQueueGroupID);
}

BOOL XC_RenderObjManager::PickNearest(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance)
{
    *pfDistance = NO_HIT_DISTANCE;
    float fDistance = NO_HIT_DISTANCE;
    BOOL bHit = FALSE;
    for (DWORD i = 0; i < m_PAL_RenderingObject.Count(); ++i) {
        if (!m_PAL_RenderingObject.GetPtr(i)->Pick(pvOrigin, pvDirection, &fDistance))
            continue;
        bHit = TRUE;
        if (fDistance < *pfDistance)
            *pfDistance = fDistance;
    }
    return bHit;
}
