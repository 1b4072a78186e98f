#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include <algorithm>
#include <functional>
#include <iterator>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_RenderNodeSet g_RootNodeSet XM_INIT_ORDER(XE_INIT_ROOT_NODE_SET);

namespace {

// Where a node stands, or would stand, in a list ordered by address.
XC_RenderNodeList::iterator PlaceIn(XC_RenderNodeList& list, XC_RenderNode* pNode)
{
    return std::lower_bound(list.begin(), list.end(), pNode, std::less<XC_RenderNode*>());
}

} // namespace

void XF_AddRootRenderNode(XC_RenderNode* pNode)
{
    pNode->m_bInUpdateSet = TRUE;
    g_RootNodeSet.insert(pNode);
}

void XF_RemoveRootRenderNode(XC_RenderNode* pNode)
{
    pNode->m_bInUpdateSet = FALSE;
    g_RootNodeSet.erase(pNode);
}

void XF_UpdateAllRenderNodes()
{
    for (XC_RenderNode* const pNode : g_RootNodeSet) {
        pNode->Update(FALSE);
        pNode->m_bInUpdateSet = FALSE;
    }
    g_RootNodeSet.clear();
}

XC_RenderNode::XC_RenderNode()
    : m_pParent(nullptr)
    , m_bInUpdateSet(FALSE)
    , m_bNeedUpdate(FALSE)
    , m_bUpdateAllChildren(FALSE)
    , m_bInheritRotatePos(TRUE)
    , m_bInheritRotateDir(TRUE)
    , m_bInheritScale(FALSE)
    , m_vScale(1.0f, 1.0f, 1.0f)
    , m_vRotation(0.0f, 0.0f, 0.0f)
    , m_vPosition(0.0f, 0.0f, 0.0f)
    , m_vWorldScale(1.0f, 1.0f, 1.0f)
    , m_vWorldPosition(0.0f, 0.0f, 0.0f)
{
    D3DXQuaternionIdentity(&m_qWorldRotation);
    D3DXMatrixIdentity(&m_matWorld);
}

XC_RenderNode::~XC_RenderNode()
{
    DetachFromParent();
    RemoveAllChildren();
    LeaveUpdateChain();
}

HRESULT XC_RenderNode::CopyRenderNode(XC_RenderNode* pSource)
{
    if (pSource == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    m_vScale = pSource->m_vScale;
    m_vRotation = pSource->m_vRotation;
    m_vPosition = pSource->m_vPosition;
    HRESULT hr = S_OK;
    if (pSource->m_pParent != nullptr)
        hr = SetParent(pSource->m_pParent);
    SetNeedUpdate();
    return hr;
}

HRESULT XC_RenderNode::SetParent(XC_RenderNode* pParent)
{
    if (pParent == this || (pParent != nullptr && pParent->IsDescendantOf(this))) {
        XM_REPORT_FAILED("pParent != this && !pParent->IsDescendantOf( this )");
        return E_FAIL;
    }
    LeaveUpdateChain();
    if (m_pParent != nullptr) {
        DetachFromParent();
        // Detaching may have queued the node as a root; it is queued anew below.
        LeaveUpdateChain();
    }
    if (pParent != nullptr) {
        m_pParent = pParent;
        pParent->m_ChildNodeSet.insert(this);
    }
    SetNeedUpdate();
    return S_OK;
}

HRESULT XC_RenderNode::AddChild(XC_RenderNode* pChild)
{
    if (pChild == nullptr) {
        XM_REPORT_FAILED("pChild");
        return E_FAIL;
    }
    return pChild->SetParent(this);
}

BOOL XC_RenderNode::DetachFromParent()
{
    if (m_pParent == nullptr)
        return TRUE;
    LeaveUpdateChain();
    if (m_pParent->m_ChildNodeSet.erase(this) != 1) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_RenderNode::RemoveChild 發生錯誤");
        return FALSE;
    }
    m_pParent = nullptr;
    BecomeRootOfPendingChanges();
    return TRUE;
}

BOOL XC_RenderNode::RemoveChild(XC_RenderNode* pChild)
{
    if (pChild == nullptr || pChild->m_pParent != this)
        XM_REPORT_FAILED("pChild && pChild->m_pParent == this");
    if (pChild == nullptr)
        return FALSE;
    return pChild->DetachFromParent();
}

void XC_RenderNode::RemoveAllChildren()
{
    for (XC_RenderNode* const pChild : m_ChildNodeSet) {
        if (pChild->m_pParent == nullptr)
            XM_REPORT_FAILED("pChild->m_pParent");
        pChild->m_pParent = nullptr;
        pChild->BecomeRootOfPendingChanges();
    }
    m_ChildNodeSet.clear();
    m_UpdateNodeSet.clear();
}

XC_RenderNode* XC_RenderNode::GetParent() const
{
    return m_pParent;
}

DWORD XC_RenderNode::GetChildCount() const
{
    return static_cast<DWORD>(m_ChildNodeSet.size());
}

XC_RenderNode* XC_RenderNode::GetChild(DWORD dwIndex) const
{
    if (dwIndex >= m_ChildNodeSet.size()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    return *std::next(m_ChildNodeSet.begin(), dwIndex);
}

void XC_RenderNode::SetInheritRotatePos(BOOL bInherit)
{
    m_bInheritRotatePos = bInherit;
}

BOOL XC_RenderNode::GetInheritRotatePos() const
{
    return m_bInheritRotatePos;
}

void XC_RenderNode::SetInheritRotateDir(BOOL bInherit)
{
    m_bInheritRotateDir = bInherit;
}

BOOL XC_RenderNode::GetInheritRotateDir() const
{
    return m_bInheritRotateDir;
}

void XC_RenderNode::SetInheritScale(BOOL bInherit)
{
    m_bInheritScale = bInherit;
}

BOOL XC_RenderNode::GetInheritScale() const
{
    return m_bInheritScale;
}

const D3DXVECTOR3* XC_RenderNode::GetWorldPosition()
{
    if (m_bNeedUpdate) {
        m_bNeedUpdate = FALSE;
        UpdateMatrices();
    }
    return &m_vWorldPosition;
}

const D3DXVECTOR3* XC_RenderNode::GetWorldScale()
{
    if (m_bNeedUpdate) {
        m_bNeedUpdate = FALSE;
        UpdateMatrices();
    }
    return &m_vWorldScale;
}

const D3DXQUATERNION* XC_RenderNode::GetWorldQuaternion()
{
    if (m_bNeedUpdate) {
        m_bNeedUpdate = FALSE;
        UpdateMatrices();
    }
    return &m_qWorldRotation;
}

const D3DXVECTOR3* XC_RenderNode::QueryWorldPosition()
{
    return GetWorldPosition();
}

D3DXVECTOR3 XC_RenderNode::GetWorldRotation()
{
    if (m_pParent != nullptr && m_bInheritRotateDir)
        return XF_QuaternionToRotation(GetWorldQuaternion());
    return m_vRotation;
}

const D3DXVECTOR3* XC_RenderNode::QueryWorldScale()
{
    return GetWorldScale();
}

const D3DXQUATERNION* XC_RenderNode::QueryWorldQuaternion()
{
    return GetWorldQuaternion();
}

const D3DXVECTOR3* XC_RenderNode::GetPosition() const
{
    return &m_vPosition;
}

const D3DXVECTOR3* XC_RenderNode::GetRotation() const
{
    return &m_vRotation;
}

const D3DXVECTOR3* XC_RenderNode::GetScale() const
{
    return &m_vScale;
}

const D3DXMATRIX* XC_RenderNode::GetWorldMatrix() const
{
    if (m_bNeedUpdate) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "m_bNeedUpdate==0",
                                     "XC_RenderNode::GetWorldMatrix() 資料沒有更新"));
    }
    return &m_matWorld;
}

void XC_RenderNode::AddPosition(const D3DXVECTOR3* pPosition)
{
    AddLocal(m_vPosition, *pPosition);
}

void XC_RenderNode::AddPositionX(float f)
{
    AddLocal(m_vPosition.x, f);
}

void XC_RenderNode::AddPositionY(float f)
{
    AddLocal(m_vPosition.y, f);
}

void XC_RenderNode::AddPositionZ(float f)
{
    AddLocal(m_vPosition.z, f);
}

void XC_RenderNode::SetPositionX(float f)
{
    SetLocal(m_vPosition.x, f);
}

void XC_RenderNode::SetPositionY(float f)
{
    SetLocal(m_vPosition.y, f);
}

void XC_RenderNode::SetPositionZ(float f)
{
    SetLocal(m_vPosition.z, f);
}

void XC_RenderNode::AddRotationX(float f)
{
    AddLocal(m_vRotation.x, f);
}

void XC_RenderNode::AddRotationY(float f)
{
    AddLocal(m_vRotation.y, f);
}

void XC_RenderNode::AddRotationZ(float f)
{
    AddLocal(m_vRotation.z, f);
}

void XC_RenderNode::SetRotationX(float f)
{
    SetLocal(m_vRotation.x, f);
}

void XC_RenderNode::SetRotationY(float f)
{
    SetLocal(m_vRotation.y, f);
}

void XC_RenderNode::SetRotationZ(float f)
{
    SetLocal(m_vRotation.z, f);
}

void XC_RenderNode::MulScaleX(float f)
{
    SetLocal(m_vScale.x, m_vScale.x * f);
}

void XC_RenderNode::MulScaleY(float f)
{
    SetLocal(m_vScale.y, m_vScale.y * f);
}

void XC_RenderNode::MulScaleZ(float f)
{
    SetLocal(m_vScale.z, m_vScale.z * f);
}

void XC_RenderNode::SetScaleX(float f)
{
    SetLocal(m_vScale.x, f);
}

void XC_RenderNode::SetScaleY(float f)
{
    SetLocal(m_vScale.y, f);
}

void XC_RenderNode::SetScaleZ(float f)
{
    SetLocal(m_vScale.z, f);
}

void XC_RenderNode::SetPosition(const D3DXVECTOR3* pPosition)
{
    SetLocal(m_vPosition, *pPosition);
}

void XC_RenderNode::SetPositionXYZ(float fX, float fY, float fZ)
{
    SetLocal(m_vPosition, D3DXVECTOR3(fX, fY, fZ));
}

void XC_RenderNode::SetRotation(const D3DXVECTOR3* pRotation)
{
    SetLocal(m_vRotation, *pRotation);
}

void XC_RenderNode::SetRotationXYZ(float fX, float fY, float fZ)
{
    SetLocal(m_vRotation, D3DXVECTOR3(fX, fY, fZ));
}

void XC_RenderNode::SetScale(const D3DXVECTOR3* pScale)
{
    SetLocal(m_vScale, *pScale);
}

void XC_RenderNode::SetScaleXYZ(float fX, float fY, float fZ)
{
    SetLocal(m_vScale, D3DXVECTOR3(fX, fY, fZ));
}

void XC_RenderNode::SetNeedUpdate()
{
    if (!m_bInUpdateSet) {
        if (m_pParent != nullptr)
            m_pParent->AddToUpdateSet(this);
        else
            XF_AddRootRenderNode(this);
    }
    m_bNeedUpdate = TRUE;
    m_bUpdateAllChildren = TRUE;
    // Every child is visited anyway; the cleared ones keep their mark until then.
    m_UpdateNodeSet.clear();
}

BOOL XC_RenderNode::IsNeedUpdate() const
{
    if (m_bNeedUpdate)
        return TRUE;
    if (m_pParent == nullptr)
        return FALSE;
    return m_pParent->IsNeedUpdate();
}

void XC_RenderNode::Update(BOOL bForce)
{
    if (m_bNeedUpdate || bForce)
        UpdateMatrices();
    if (m_bUpdateAllChildren || bForce) {
        for (XC_RenderNode* const pChild : m_ChildNodeSet) {
            pChild->Update(TRUE);
            pChild->m_bInUpdateSet = FALSE;
        }
        m_bUpdateAllChildren = FALSE;
    } else {
        // By position: an update that marks a sibling may grow the list.
        for (size_t i = 0; i < m_UpdateNodeSet.size(); ++i) {
            XC_RenderNode* const pNode = m_UpdateNodeSet[i];
            pNode->Update(FALSE);
            pNode->m_bInUpdateSet = FALSE;
        }
    }
    m_UpdateNodeSet.clear();
}

void XC_RenderNode::UpdateMatrices()
{
    D3DXQUATERNION qLocal;
    D3DXQuaternionRotationYawPitchRoll(&qLocal, m_vRotation.y, m_vRotation.x, m_vRotation.z);
    if (m_pParent == nullptr) {
        m_vWorldScale = m_vScale;
        m_vWorldPosition = m_vPosition;
        m_qWorldRotation = qLocal;
    } else {
        if (m_bInheritRotatePos) {
            D3DXMATRIX matParentRotation;
            D3DXMatrixRotationQuaternion(&matParentRotation, m_pParent->GetWorldQuaternion());
            D3DXVec3TransformNormal(&m_vWorldPosition, &m_vPosition, &matParentRotation);
        } else {
            m_vWorldPosition = m_vPosition;
        }

        m_qWorldRotation = qLocal;
        if (m_bInheritRotateDir)
            D3DXQuaternionMultiply(&m_qWorldRotation, &qLocal, m_pParent->GetWorldQuaternion());

        if (m_bInheritScale) {
            // The parent's scale acts on the turned position, along the world axes.
            const D3DXVECTOR3 vParentScale = *m_pParent->GetWorldScale();
            m_vWorldPosition.x *= vParentScale.x;
            m_vWorldPosition.y *= vParentScale.y;
            m_vWorldPosition.z *= vParentScale.z;
            m_vWorldScale = D3DXVECTOR3(m_vScale.x * vParentScale.x, m_vScale.y * vParentScale.y,
                                        m_vScale.z * vParentScale.z);
        } else {
            m_vWorldScale = m_vScale;
        }
        m_vWorldPosition += *m_pParent->GetWorldPosition();
    }
    BuildWorldMatrix(&m_vWorldPosition, &m_qWorldRotation, &m_vWorldScale);
    m_bNeedUpdate = FALSE;
}

void XC_RenderNode::BuildWorldMatrix(const D3DXVECTOR3* pPosition, const D3DXQUATERNION* pQuaternion,
                                     const D3DXVECTOR3* pScale)
{
    D3DXMATRIX matScale;
    D3DXMatrixScaling(&matScale, pScale->x, pScale->y, pScale->z);
    D3DXMATRIX matRotation;
    D3DXMatrixRotationQuaternion(&matRotation, pQuaternion);
    D3DXMatrixMultiply(&m_matWorld, &matScale, &matRotation);
    m_matWorld._41 = pPosition->x;
    m_matWorld._42 = pPosition->y;
    m_matWorld._43 = pPosition->z;
}

void XC_RenderNode::AddToUpdateSet(XC_RenderNode* pChild)
{
    pChild->m_bInUpdateSet = TRUE;
    if (m_bUpdateAllChildren)
        return;
    const auto it = PlaceIn(m_UpdateNodeSet, pChild);
    if (it == m_UpdateNodeSet.end() || *it != pChild)
        m_UpdateNodeSet.insert(it, pChild);
    if (!m_bInUpdateSet) {
        if (m_pParent != nullptr)
            m_pParent->AddToUpdateSet(this);
        else
            XF_AddRootRenderNode(this);
    }
}

void XC_RenderNode::RemoveFromUpdateSet(XC_RenderNode* pChild)
{
    pChild->m_bInUpdateSet = FALSE;
    const auto it = PlaceIn(m_UpdateNodeSet, pChild);
    if (it != m_UpdateNodeSet.end() && *it == pChild)
        m_UpdateNodeSet.erase(it);
    if (!m_bNeedUpdate && !m_bUpdateAllChildren && m_UpdateNodeSet.empty())
        UnregisterUpward();
}

void XC_RenderNode::LeaveUpdateChain()
{
    // Only the link upward goes: the node's own pending changes stay with it,
    // so children it queued are not stranded with a mark and no queue.
    if (m_bInUpdateSet)
        UnregisterUpward();
    m_bInUpdateSet = FALSE;
}

BOOL XC_RenderNode::IsDescendantOf(const XC_RenderNode* pNode) const
{
    for (const XC_RenderNode* pAncestor = m_pParent; pAncestor != nullptr; pAncestor = pAncestor->m_pParent) {
        if (pAncestor == pNode)
            return TRUE;
    }
    return FALSE;
}

void XC_RenderNode::BecomeRootOfPendingChanges()
{
    m_bInUpdateSet = FALSE;
    if (m_bNeedUpdate || m_bUpdateAllChildren || !m_UpdateNodeSet.empty())
        XF_AddRootRenderNode(this);
}

void XC_RenderNode::UnregisterUpward()
{
    if (m_pParent != nullptr)
        m_pParent->RemoveFromUpdateSet(this);
    else
        XF_RemoveRootRenderNode(this);
}
