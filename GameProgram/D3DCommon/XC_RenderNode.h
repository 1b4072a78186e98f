#pragma once

#include <windows.h>
#include <d3dx9math.h>

#include <set>
#include <vector>

class XC_RenderNode;

typedef std::set<XC_RenderNode*> XC_RenderNodeSet;
// Nodes in the order of their addresses, like XC_RenderNodeSet, in one block
// that keeps its room when cleared: a pass walks and empties these without
// touching the heap.
typedef std::vector<XC_RenderNode*> XC_RenderNodeList;

// A node of the transform tree: local scale, rotation and position, a parent
// and children, what it takes over from its parent, and cached world values.
// A change only marks the node; the once-per-frame pass recomputes the marked
// nodes and everything below them. The node owns neither its parent nor its
// children: destroying it unlinks them, and the children become roots.
class XC_RenderNode
{
public:
    XC_RenderNode();
    virtual ~XC_RenderNode();
    XC_RenderNode(const XC_RenderNode&) = delete;
    XC_RenderNode& operator=(const XC_RenderNode&) = delete;

    virtual HRESULT CopyRenderNode(XC_RenderNode* pSource);
    // Refuses (E_FAIL) a parent that is the node itself or one of its descendants.
    virtual HRESULT SetParent(XC_RenderNode* pParent);
    virtual HRESULT AddChild(XC_RenderNode* pChild);
    virtual BOOL DetachFromParent();
    virtual BOOL RemoveChild(XC_RenderNode* pChild);
    virtual void RemoveAllChildren();
    virtual XC_RenderNode* GetParent() const;
    virtual DWORD GetChildCount() const;
    // Children in the order of their addresses.
    virtual XC_RenderNode* GetChild(DWORD dwIndex) const;
    virtual void SetInheritRotatePos(BOOL bInherit);
    virtual BOOL GetInheritRotatePos() const;
    virtual void SetInheritRotateDir(BOOL bInherit);
    virtual BOOL GetInheritRotateDir() const;
    virtual void SetInheritScale(BOOL bInherit);
    virtual BOOL GetInheritScale() const;
    // The world getters refresh a marked node first.
    virtual const D3DXVECTOR3* GetWorldPosition();
    virtual const D3DXVECTOR3* GetWorldScale();
    virtual const D3DXQUATERNION* GetWorldQuaternion();
    virtual const D3DXVECTOR3* QueryWorldPosition();
    virtual D3DXVECTOR3 GetWorldRotation();
    virtual const D3DXVECTOR3* QueryWorldScale();
    virtual const D3DXQUATERNION* QueryWorldQuaternion();
    virtual const D3DXVECTOR3* GetPosition() const;
    virtual const D3DXVECTOR3* GetRotation() const;
    virtual const D3DXVECTOR3* GetScale() const;
    // Does not refresh: valid after the frame's pass.
    virtual const D3DXMATRIX* GetWorldMatrix() const;
    virtual void AddPosition(const D3DXVECTOR3* pPosition);
    virtual void AddPositionX(float f);
    virtual void AddPositionY(float f);
    virtual void AddPositionZ(float f);
    virtual void SetPositionX(float f);
    virtual void SetPositionY(float f);
    virtual void SetPositionZ(float f);
    virtual void AddRotationX(float f);
    virtual void AddRotationY(float f);
    virtual void AddRotationZ(float f);
    virtual void SetRotationX(float f);
    virtual void SetRotationY(float f);
    virtual void SetRotationZ(float f);
    virtual void MulScaleX(float f);
    virtual void MulScaleY(float f);
    virtual void MulScaleZ(float f);
    virtual void SetScaleX(float f);
    virtual void SetScaleY(float f);
    virtual void SetScaleZ(float f);
    virtual void SetPosition(const D3DXVECTOR3* pPosition);
    virtual void SetPositionXYZ(float fX, float fY, float fZ);
    virtual void SetRotation(const D3DXVECTOR3* pRotation);
    virtual void SetRotationXYZ(float fX, float fY, float fZ);
    virtual void SetScale(const D3DXVECTOR3* pScale);
    virtual void SetScaleXYZ(float fX, float fY, float fZ);
    virtual void SetNeedUpdate();
    // TRUE when this node or an ancestor is marked.
    virtual BOOL IsNeedUpdate() const;
    virtual void Update(BOOL bForce);
    virtual void UpdateMatrices();
    // Scaling, then rotation, then the position as the translation row.
    virtual void BuildWorldMatrix(const D3DXVECTOR3* pPosition, const D3DXQUATERNION* pQuaternion,
                                  const D3DXVECTOR3* pScale);
    virtual void AddToUpdateSet(XC_RenderNode* pChild);
    virtual void RemoveFromUpdateSet(XC_RenderNode* pChild);
    virtual void LeaveUpdateChain();

protected:
    // What a pass reads of every node it walks comes first, in one cache line
    // with the virtual table's pointer.
    XC_RenderNode* m_pParent;
    BOOL m_bInUpdateSet;
    BOOL m_bNeedUpdate;
    BOOL m_bUpdateAllChildren;
    XC_RenderNodeList m_UpdateNodeSet;
    XC_RenderNodeSet m_ChildNodeSet;
    BOOL m_bInheritRotatePos;
    BOOL m_bInheritRotateDir;
    BOOL m_bInheritScale;
    D3DXVECTOR3 m_vScale;
    D3DXVECTOR3 m_vRotation;
    D3DXVECTOR3 m_vPosition;
    D3DXVECTOR3 m_vWorldScale;
    D3DXVECTOR3 m_vWorldPosition;
    D3DXQUATERNION m_qWorldRotation;
    D3DXMATRIX m_matWorld;

private:
    friend void XF_AddRootRenderNode(XC_RenderNode* pNode);
    friend void XF_RemoveRootRenderNode(XC_RenderNode* pNode);
    friend void XF_UpdateAllRenderNodes();

    // Every local setter ends here: one value or vector changes, the node is marked.
    template <class T> void SetLocal(T& value, const T& newValue)
    {
        value = newValue;
        SetNeedUpdate();
    }
    template <class T> void AddLocal(T& value, const T& amount) { SetLocal(value, value + amount); }
    BOOL IsDescendantOf(const XC_RenderNode* pNode) const;
    // Drops the mark of a node that has just lost its parent; pending changes
    // of it or below it move to the root set so the next pass still makes them.
    void BecomeRootOfPendingChanges();
    void UnregisterUpward();
};

// The roots that changed, or have changed descendants, since the last pass.
extern XC_RenderNodeSet g_RootNodeSet;

void XF_AddRootRenderNode(XC_RenderNode* pNode);
void XF_RemoveRootRenderNode(XC_RenderNode* pNode);
// The per-frame pass: brings every changed node and its subtree up to date.
void XF_UpdateAllRenderNodes();
