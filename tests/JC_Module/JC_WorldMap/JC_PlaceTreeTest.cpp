#include "JC_Module/JC_WorldMap/JC_PlaceTree.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <vector>

namespace {

// A map of places by ID: each open or closed, each with its "CanGoPlace"
// list.
struct JS_Map
{
    std::set<DWORD> open;
    std::map<DWORD, std::vector<DWORD>> links;
};

class MapPlaceTree : public JC_PlaceTree
{
public:
    explicit MapPlaceTree(const JS_Map& map) : JC_PlaceTree(nullptr), m_Map(map) {}

    // The search as the tree of every path grows it: from the destination,
    // each item gets its open places not yet on its path as children, or
    // the start alone when its place lists the start; the shallowest leaf,
    // the first of equal ones in depth-first order, is the route.
    std::vector<DWORD> FindRouteByPaths(DWORD dwStart, DWORD dwDestination)
    {
        DeleteAllItems();
        std::vector<DWORD> route;
        if (!IsPlaceOpen(dwDestination))
            return route;
        if (dwStart == dwDestination)
            return {dwStart, dwDestination};
        if (GetCanGoPlaces(dwDestination).empty())
            return route;
        std::vector<XS_PlaceTreeNode*> leaves;
        Expand(InsertItem(PTI_ROOT, PTI_LAST, dwDestination), dwStart, leaves);
        const XS_PlaceTreeNode* pBest = nullptr;
        for (const XS_PlaceTreeNode* pLeaf : leaves) {
            if (pBest == nullptr || GetItemDepth(pLeaf) < GetItemDepth(pBest))
                pBest = pLeaf;
        }
        if (pBest == nullptr)
            return route;
        route.push_back(dwStart);
        for (const XS_PlaceTreeNode* pItem = GetParentItem(pBest); pItem != nullptr; pItem = GetParentItem(pItem))
            route.push_back(GetItemData(pItem));
        return route;
    }

protected:
    BOOL IsPlaceOpen(DWORD dwPlaceID) override { return m_Map.open.count(dwPlaceID) != 0; }
    std::vector<DWORD> GetCanGoPlaces(DWORD dwPlaceID) override
    {
        const auto found = m_Map.links.find(dwPlaceID);
        return found != m_Map.links.end() ? found->second : std::vector<DWORD>();
    }

private:
    bool OnPath(const XS_PlaceTreeNode* pItem, DWORD dwPlaceID) const
    {
        for (; pItem != nullptr; pItem = GetParentItem(pItem)) {
            if (GetItemData(pItem) == dwPlaceID)
                return true;
        }
        return false;
    }

    void Expand(XS_PlaceTreeNode* pItem, DWORD dwTarget, std::vector<XS_PlaceTreeNode*>& leaves)
    {
        for (const DWORD dwPlace : GetCanGoPlaces(GetItemData(pItem))) {
            if (!IsPlaceOpen(dwPlace) || OnPath(pItem, dwPlace))
                continue;
            if (dwPlace == dwTarget) {
                DeleteChildItems(pItem);
                leaves.push_back(InsertItem(pItem, PTI_LAST, dwTarget));
                return;
            }
            InsertItem(pItem, PTI_LAST, dwPlace);
        }
        for (XS_PlaceTreeNode* pChild = GetChildItem(pItem); pChild != nullptr; pChild = GetNextSiblingItem(pChild))
            Expand(pChild, dwTarget, leaves);
    }

    const JS_Map& m_Map;
};

std::vector<DWORD> ChildrenOf(const JC_PlaceTree& tree, const XS_PlaceTreeNode* pFirst)
{
    std::vector<DWORD> places;
    for (const XS_PlaceTreeNode* pItem = pFirst; pItem != nullptr; pItem = tree.GetNextSiblingItem(pItem))
        places.push_back(tree.GetItemData(pItem));
    return places;
}

} // namespace

TEST(JC_PlaceTree, InsertionFollowsTheMarkersAndDeletionTakesWholeSubtrees)
{
    JC_PlaceTree tree(nullptr);
    XS_PlaceTreeNode* const pRoot = tree.InsertItem(PTI_ROOT, PTI_LAST, 1);
    XS_PlaceTreeNode* const pSecondRoot = tree.InsertItem(nullptr, PTI_FIRST, 2);
    EXPECT_EQ(ChildrenOf(tree, tree.GetRootItem()), (std::vector<DWORD>{2, 1}));
    EXPECT_EQ(tree.GetRootCount(), 2u);

    XS_PlaceTreeNode* const pA = tree.InsertItem(pRoot, PTI_LAST, 10);
    XS_PlaceTreeNode* const pC = tree.InsertItem(pRoot, PTI_LAST, 12);
    tree.InsertItem(pRoot, pA, 11);
    tree.InsertItem(pRoot, PTI_FIRST, 9);
    EXPECT_EQ(tree.InsertItem(pRoot, PTI_SORT, 99), nullptr);
    EXPECT_EQ(ChildrenOf(tree, tree.GetChildItem(pRoot)), (std::vector<DWORD>{9, 10, 11, 12}));
    EXPECT_EQ(pRoot->dwChildCount, 4u);
    XS_PlaceTreeNode* const pDeep = tree.InsertItem(pC, nullptr, 20);
    EXPECT_EQ(tree.GetItemDepth(pDeep), 2u);
    EXPECT_EQ(tree.GetParentItem(pDeep), pC);
    tree.InsertItem(pDeep, PTI_LAST, 30);

    // The middle child goes with its place among its siblings kept.
    EXPECT_EQ(tree.DeleteItem(tree.GetNextSiblingItem(pA)), 1);
    EXPECT_EQ(ChildrenOf(tree, tree.GetChildItem(pRoot)), (std::vector<DWORD>{9, 10, 12}));
    // The first child, then a subtree two deep.
    tree.DeleteItem(tree.GetChildItem(pRoot));
    tree.DeleteItem(pC);
    EXPECT_EQ(ChildrenOf(tree, tree.GetChildItem(pRoot)), (std::vector<DWORD>{10}));
    EXPECT_EQ(pRoot->dwChildCount, 1u);
    EXPECT_EQ(tree.DeleteChildItems(pRoot), 1);
    EXPECT_EQ(tree.GetChildItem(pRoot), nullptr);
    EXPECT_EQ(pRoot->dwChildCount, 0u);

    // The first root goes: the next one takes its place.
    tree.DeleteItem(pSecondRoot);
    EXPECT_EQ(tree.GetRootItem(), pRoot);
    EXPECT_EQ(tree.GetRootCount(), 1u);
    EXPECT_EQ(tree.DeleteAllItems(), 1);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    EXPECT_EQ(tree.GetRootCount(), 0u);
}

TEST(JC_PlaceTree, RoutesOfSmallMaps)
{
    const struct
    {
        const char* szCase;
        JS_Map map;
        DWORD dwStart;
        DWORD dwDestination;
        std::vector<DWORD> route;
    } cases[] = {
        {"start is destination", {{1}, {}}, 1, 1, {1, 1}},
        {"closed destination, even the start", {{2}, {{2, {1}}}}, 1, 1, {}},
        {"closed destination", {{1}, {{2, {1}}}}, 1, 2, {}},
        {"closed start", {{2}, {{2, {1}}}}, 1, 2, {}},
        {"direct link", {{1, 2}, {{2, {1}}}}, 1, 2, {1, 2}},
        // Links are followed from the destination: 1 lists 2, not 2 lists 1.
        {"link listed only the other way", {{1, 2}, {{1, {2}}}}, 1, 2, {}},
        {"isolated destination", {{1, 2}, {}}, 1, 2, {}},
        {"a closed place on the way", {{1, 3}, {{3, {2}}, {2, {1}}}}, 1, 3, {}},
        {"the shallower of two paths", {{1, 2, 3, 4, 5}, {{5, {2, 4}}, {2, {3}}, {3, {1}}, {4, {1}}}}, 1, 5, {1, 4, 5}},
        // Equal depths: the earlier entry where the paths part, counted from
        // the destination.
        {"tie by list order", {{1, 2, 3, 4}, {{4, {3, 2}}, {2, {1}}, {3, {1}}}}, 1, 4, {1, 3, 4}},
        {"tie parted one step on", {{1, 2, 3, 4, 5}, {{5, {2}}, {2, {4, 3}}, {3, {1}}, {4, {1}}}}, 1, 5, {1, 4, 2, 5}},
        {"self-links and missing places", {{1, 2}, {{2, {2, 7, 1}}}}, 1, 2, {1, 2}},
    };
    for (const auto& c : cases) {
        MapPlaceTree tree(c.map);
        std::vector<DWORD> route = {42};
        EXPECT_EQ(tree.FindRoute(c.dwStart, c.dwDestination, route), 0u) << c.szCase;
        EXPECT_EQ(route, c.route) << c.szCase;
    }
}

TEST(JC_PlaceTree, TheSearchFindsTheRouteOfTheTreeOfEveryPath)
{
    std::mt19937 random(35);
    for (int iMap = 0; iMap < 300; ++iMap) {
        const DWORD dwPlaces = 2 + random() % 7;
        JS_Map map;
        for (DWORD p = 1; p <= dwPlaces; ++p) {
            if (random() % 5 != 0)
                map.open.insert(p);
            const DWORD dwLinks = random() % 4;
            for (DWORD i = 0; i < dwLinks; ++i)
                map.links[p].push_back(1 + random() % (dwPlaces + 1));
        }
        const DWORD dwStart = 1 + random() % dwPlaces;
        const DWORD dwDestination = 1 + random() % dwPlaces;
        MapPlaceTree tree(map);
        std::vector<DWORD> route;
        tree.FindRoute(dwStart, dwDestination, route);
        EXPECT_EQ(route, tree.FindRouteByPaths(dwStart, dwDestination)) << "map " << iMap;
    }
}
