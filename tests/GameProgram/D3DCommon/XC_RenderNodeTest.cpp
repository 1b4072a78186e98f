#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <vector>

namespace {

const float HALF_PI = D3DX_PI / 2.0f;

// A small drawable: it builds its own world matrix, as drawables do, with a
// model scale of its own, and counts how often its world values are recomputed.
class FakeDrawable : public XC_RenderNode
{
public:
    void BuildWorldMatrix(const D3DXVECTOR3* pPosition, const D3DXQUATERNION* pQuaternion,
                          const D3DXVECTOR3* pScale) override
    {
        ++m_iBuilds;
        const D3DXVECTOR3 vScale = *pScale * m_fModelScale;
        XC_RenderNode::BuildWorldMatrix(pPosition, pQuaternion, &vScale);
    }

    BOOL IsQueued() const { return m_bInUpdateSet; }
    BOOL IsMarked() const { return m_bNeedUpdate; }

    int m_iBuilds = 0;
    float m_fModelScale = 1.0f;
};

void ExpectVector(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

D3DXVECTOR3 TransformByWorld(const XC_RenderNode& node, const D3DXVECTOR3& vPoint)
{
    D3DXVECTOR3 vResult;
    D3DXVec3TransformCoord(&vResult, &vPoint, node.GetWorldMatrix());
    return vResult;
}

// A tree R { A { A1 { A1a }, A2 }, B { B1 } }, brought up to date once.
struct Tree
{
    Tree()
    {
        A.SetParent(&R);
        B.SetParent(&R);
        A1.SetParent(&A);
        A2.SetParent(&A);
        B1.SetParent(&B);
        A1a.SetParent(&A1);
        XF_UpdateAllRenderNodes();
        ResetCounts();
    }

    void ResetCounts()
    {
        for (FakeDrawable* const pNode : All())
            pNode->m_iBuilds = 0;
    }

    std::vector<FakeDrawable*> All() { return {&R, &A, &B, &A1, &A2, &B1, &A1a}; }

    std::vector<int> Builds()
    {
        std::vector<int> builds;
        for (FakeDrawable* const pNode : All())
            builds.push_back(pNode->m_iBuilds);
        return builds;
    }

    FakeDrawable R, A, B, A1, A2, B1, A1a;
};

bool NothingQueued(Tree& tree)
{
    if (!g_RootNodeSet.empty())
        return false;
    for (FakeDrawable* const pNode : tree.All()) {
        if (pNode->IsQueued() || pNode->IsMarked())
            return false;
    }
    return true;
}

} // namespace

TEST(XC_RenderNode, RootTakesItsLocalValues)
{
    FakeDrawable root;
    root.SetInheritScale(TRUE);
    root.SetPositionXYZ(1.0f, 2.0f, 3.0f);
    root.SetRotationXYZ(0.1f, 0.2f, 0.3f);
    root.SetScaleXYZ(2.0f, 3.0f, 4.0f);
    XF_UpdateAllRenderNodes();

    ExpectVector(*root.GetWorldPosition(), D3DXVECTOR3(1.0f, 2.0f, 3.0f));
    ExpectVector(*root.GetWorldScale(), D3DXVECTOR3(2.0f, 3.0f, 4.0f));
    D3DXQUATERNION q;
    D3DXQuaternionRotationYawPitchRoll(&q, 0.2f, 0.1f, 0.3f);
    EXPECT_NEAR(D3DXQuaternionDot(&q, root.GetWorldQuaternion()), 1.0f, 1e-5f);
    ExpectVector(root.GetWorldRotation(), D3DXVECTOR3(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(root.m_iBuilds, 1);
}

TEST(XC_RenderNode, InheritFlagsDecideWhatTheChildTakesOver)
{
    // The parent: scale 2, a quarter turn of yaw (x goes to -z), placed at (10, 0, 0).
    struct Case { BOOL bPos; BOOL bDir; BOOL bScale; D3DXVECTOR3 vPosition; float fYaw; float fScale; };
    const Case cases[] = {
        {TRUE, TRUE, TRUE, {10.0f, 0.0f, -2.0f}, HALF_PI, 6.0f},
        {TRUE, TRUE, FALSE, {10.0f, 0.0f, -1.0f}, HALF_PI, 3.0f},
        {TRUE, FALSE, FALSE, {10.0f, 0.0f, -1.0f}, 0.0f, 3.0f},
        {FALSE, TRUE, FALSE, {11.0f, 0.0f, 0.0f}, HALF_PI, 3.0f},
        {FALSE, FALSE, TRUE, {12.0f, 0.0f, 0.0f}, 0.0f, 6.0f},
        {FALSE, FALSE, FALSE, {11.0f, 0.0f, 0.0f}, 0.0f, 3.0f},
    };
    for (const Case& c : cases) {
        FakeDrawable parent;
        FakeDrawable child;
        parent.SetScaleXYZ(2.0f, 2.0f, 2.0f);
        parent.SetRotationY(HALF_PI);
        parent.SetPositionXYZ(10.0f, 0.0f, 0.0f);
        child.SetInheritRotatePos(c.bPos);
        child.SetInheritRotateDir(c.bDir);
        child.SetInheritScale(c.bScale);
        child.SetParent(&parent);
        child.SetPositionXYZ(1.0f, 0.0f, 0.0f);
        child.SetScaleXYZ(3.0f, 3.0f, 3.0f);
        XF_UpdateAllRenderNodes();

        SCOPED_TRACE(testing::Message() << "flags " << c.bPos << c.bDir << c.bScale);
        ExpectVector(*child.GetWorldPosition(), c.vPosition);
        ExpectVector(*child.GetWorldScale(), D3DXVECTOR3(c.fScale, c.fScale, c.fScale));
        EXPECT_NEAR(child.GetWorldRotation().y, c.fYaw, 1e-4f);
        // The world matrix scales, then turns, then moves a point.
        const D3DXVECTOR3 vTurned = c.fYaw != 0.0f ? D3DXVECTOR3(0.0f, 0.0f, -c.fScale) : D3DXVECTOR3(c.fScale, 0.0f, 0.0f);
        ExpectVector(TransformByWorld(child, D3DXVECTOR3(1.0f, 0.0f, 0.0f)), c.vPosition + vTurned);
    }
}

TEST(XC_RenderNode, PassRecomputesExactlyTheChangedSubtrees)
{
    Tree tree;
    XF_UpdateAllRenderNodes();
    EXPECT_EQ(tree.Builds(), std::vector<int>(7, 0)) << "an unchanged tree costs nothing";

    tree.A1.SetPositionX(1.0f);
    tree.B.SetRotationY(0.5f);
    tree.A1a.SetScaleX(2.0f); // below a changed node: still once
    EXPECT_EQ(g_RootNodeSet.size(), 1u);
    XF_UpdateAllRenderNodes();
    //                                R  A  B  A1 A2 B1 A1a
    EXPECT_EQ(tree.Builds(), (std::vector<int>{0, 0, 1, 1, 0, 1, 1}));
    EXPECT_TRUE(NothingQueued(tree));
    ExpectVector(*tree.A1a.GetWorldPosition(), D3DXVECTOR3(1.0f, 0.0f, 0.0f));

    // A grandchild and then its grandparent: everything below the
    // grandparent, once each.
    tree.ResetCounts();
    tree.A1a.SetPositionY(1.0f);
    tree.R.SetPositionZ(5.0f);
    XF_UpdateAllRenderNodes();
    EXPECT_EQ(tree.Builds(), std::vector<int>(7, 1));
    EXPECT_TRUE(NothingQueued(tree));
    ExpectVector(*tree.A1a.GetWorldPosition(), D3DXVECTOR3(1.0f, 1.0f, 5.0f));
}

TEST(XC_RenderNode, RefreshingGetterRecomputesAtOnce)
{
    Tree tree;
    tree.A.SetPositionX(3.0f);
    EXPECT_TRUE(tree.A1.IsNeedUpdate()) << "an ancestor is marked";
    EXPECT_FALSE(tree.B.IsNeedUpdate());
    ErrorLogCapture log;
    tree.A.GetWorldMatrix();
    EXPECT_TRUE(log.Contains("( m_bNeedUpdate==0 ) failed \r\nXC_RenderNode::GetWorldMatrix() 資料沒有更新"));

    ExpectVector(*tree.A.QueryWorldPosition(), D3DXVECTOR3(3.0f, 0.0f, 0.0f));
    EXPECT_EQ(tree.A.m_iBuilds, 1);
    EXPECT_FALSE(tree.A.IsMarked());
    XF_UpdateAllRenderNodes();
    //                                R  A  B  A1 A2 B1 A1a
    EXPECT_EQ(tree.Builds(), (std::vector<int>{0, 1, 0, 1, 1, 0, 1}));
    ExpectVector(*tree.A1a.GetWorldPosition(), D3DXVECTOR3(3.0f, 0.0f, 0.0f));
}

TEST(XC_RenderNode, DetachedChildBecomesAChangedRoot)
{
    Tree tree;
    tree.R.SetPositionXYZ(100.0f, 0.0f, 0.0f);
    tree.B1.SetPositionXYZ(1.0f, 2.0f, 3.0f);
    XF_UpdateAllRenderNodes();
    ExpectVector(*tree.B1.GetWorldPosition(), D3DXVECTOR3(101.0f, 2.0f, 3.0f));

    EXPECT_EQ(tree.B1.SetParent(nullptr), S_OK);
    EXPECT_EQ(tree.B1.GetParent(), nullptr);
    EXPECT_EQ(tree.B.GetChildCount(), 0u);
    EXPECT_EQ(g_RootNodeSet.count(&tree.B1), 1u);
    XF_UpdateAllRenderNodes();
    ExpectVector(*tree.B1.GetWorldPosition(), D3DXVECTOR3(1.0f, 2.0f, 3.0f));
}

TEST(XC_RenderNode, ChildrenComeInAddressOrder)
{
    ErrorLogCapture log;
    FakeDrawable parent;
    FakeDrawable children[3];
    for (FakeDrawable* pChild : {&children[2], &children[0], &children[1]})
        EXPECT_EQ(parent.AddChild(pChild), S_OK);
    ASSERT_EQ(parent.GetChildCount(), 3u);
    EXPECT_EQ(parent.GetChild(0), &children[0]);
    EXPECT_EQ(parent.GetChild(2), &children[2]);
    EXPECT_EQ(parent.GetChild(3), nullptr);
    EXPECT_TRUE(log.Contains("GameProgram\\D3DCommon\\XC_RenderNode ("));
}

TEST(XC_RenderNode, RemoveChildOfAnotherParentDetachesItAnyway)
{
    Tree tree;
    ErrorLogCapture log;
    EXPECT_EQ(tree.A.RemoveChild(&tree.B1), TRUE);
    EXPECT_TRUE(log.Contains("( pChild && pChild->m_pParent == this ) failed"));
    EXPECT_EQ(tree.B1.GetParent(), nullptr);
    EXPECT_EQ(tree.B.GetChildCount(), 0u);
    EXPECT_EQ(tree.A.RemoveChild(nullptr), FALSE);
}

TEST(XC_RenderNode, ParentingUnderItsOwnSubtreeIsRefused)
{
    Tree tree;
    ErrorLogCapture log;
    EXPECT_EQ(tree.A.SetParent(&tree.A1a), E_FAIL);
    EXPECT_EQ(tree.A1a.AddChild(&tree.R), E_FAIL);
    EXPECT_EQ(tree.A.SetParent(&tree.A), E_FAIL);
    EXPECT_TRUE(log.Contains("( pParent != this && !pParent->IsDescendantOf( this ) ) failed"));
    EXPECT_EQ(tree.A.GetParent(), &tree.R);
    EXPECT_EQ(tree.R.GetParent(), nullptr);
    EXPECT_EQ(tree.A1a.GetChildCount(), 0u);
    EXPECT_TRUE(NothingQueued(tree));

    // Moving a node under a cousin is fine.
    EXPECT_EQ(tree.A1.SetParent(&tree.B1), S_OK);
    XF_UpdateAllRenderNodes();
    EXPECT_EQ(tree.A1a.m_iBuilds, 1);
}

// Losing the parent must not leave a node marked as queued in no queue: it
// would never be updated again.
TEST(XC_RenderNode, OrphanedChildrenStillUpdate)
{
    struct Orphaning { const char* szName; void (*orphan)(Tree&); };
    const Orphaning ways[] = {
        {"RemoveAllChildren", [](Tree& tree) { tree.A.RemoveAllChildren(); }},
        {"parent changed, then RemoveAllChildren", [](Tree& tree) {
             tree.A.SetPositionX(7.0f);
             tree.A.RemoveAllChildren();
         }},
        {"parent destroyed", [](Tree& tree) { tree.A.~FakeDrawable(); new (&tree.A) FakeDrawable; }},
        {"parent changed, then detached", [](Tree& tree) {
             tree.A.SetPositionX(7.0f);
             tree.A.DetachFromParent();
         }},
    };
    for (const Orphaning& way : ways) {
        SCOPED_TRACE(way.szName);
        Tree tree;
        tree.A1.SetPositionY(4.0f); // queued in A's update set
        way.orphan(tree);
        XF_UpdateAllRenderNodes();
        EXPECT_TRUE(NothingQueued(tree));
        EXPECT_EQ(tree.A1.m_iBuilds, 1) << "the pending change is made";

        tree.ResetCounts();
        tree.A1.SetPositionZ(2.0f);
        XF_UpdateAllRenderNodes();
        EXPECT_EQ(tree.A1.m_iBuilds, 1);
        EXPECT_EQ(tree.A1a.m_iBuilds, 1);
        EXPECT_TRUE(NothingQueued(tree));
    }
}

TEST(XC_RenderNode, DestroyedNodesLeaveNoTrace)
{
    FakeDrawable root;
    {
        FakeDrawable middle;
        FakeDrawable leaf;
        middle.SetParent(&root);
        leaf.SetParent(&middle);
        leaf.SetPositionX(1.0f);
    }
    EXPECT_EQ(root.GetChildCount(), 0u);
    auto pLoose = std::make_unique<FakeDrawable>();
    pLoose->SetPositionX(1.0f);
    pLoose.reset();
    XF_UpdateAllRenderNodes();
    EXPECT_TRUE(g_RootNodeSet.empty());
}

TEST(XC_RenderNode, CopyTakesLocalValuesAndParent)
{
    Tree tree;
    tree.B1.SetPositionXYZ(1.0f, 2.0f, 3.0f);
    tree.B1.SetRotationXYZ(0.1f, 0.2f, 0.3f);
    tree.B1.SetScaleXYZ(4.0f, 5.0f, 6.0f);
    FakeDrawable copy;
    EXPECT_EQ(copy.CopyRenderNode(&tree.B1), S_OK);
    EXPECT_EQ(copy.GetParent(), &tree.B);
    EXPECT_EQ(*copy.GetPosition(), D3DXVECTOR3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(*copy.GetRotation(), D3DXVECTOR3(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(*copy.GetScale(), D3DXVECTOR3(4.0f, 5.0f, 6.0f));
    EXPECT_TRUE(copy.IsMarked());

    ErrorLogCapture log;
    EXPECT_EQ(copy.CopyRenderNode(nullptr), E_FAIL);
    EXPECT_FALSE(log.Text().empty());
}

TEST(XC_RenderNode, DrawableBuildsItsOwnWorldMatrix)
{
    FakeDrawable parent;
    FakeDrawable drawable;
    drawable.m_fModelScale = 0.5f;
    drawable.SetParent(&parent);
    parent.SetPositionXYZ(0.0f, 10.0f, 0.0f);
    drawable.SetPositionXYZ(4.0f, 0.0f, 0.0f);
    // The mouse's way: place it and read its world position at once.
    ExpectVector(*drawable.QueryWorldPosition(), D3DXVECTOR3(4.0f, 10.0f, 0.0f));
    XF_UpdateAllRenderNodes();
    ExpectVector(TransformByWorld(drawable, D3DXVECTOR3(2.0f, 0.0f, 0.0f)), D3DXVECTOR3(5.0f, 10.0f, 0.0f));
}
