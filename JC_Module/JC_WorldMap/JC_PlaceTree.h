#pragma once

#include <windows.h>

#include <vector>

class JC_ControlWorldMap;

// Insertion markers, the values of the Windows tree-view constants.
#define PTI_ROOT (reinterpret_cast<XS_PlaceTreeNode*>(static_cast<ULONG_PTR>(0xFFFF0000)))
#define PTI_FIRST (reinterpret_cast<XS_PlaceTreeNode*>(static_cast<ULONG_PTR>(0xFFFF0001)))
#define PTI_LAST (reinterpret_cast<XS_PlaceTreeNode*>(static_cast<ULONG_PTR>(0xFFFF0002)))
#define PTI_SORT (reinterpret_cast<XS_PlaceTreeNode*>(static_cast<ULONG_PTR>(0xFFFF0003)))

// One item of a place tree, owned by the tree.
struct XS_PlaceTreeNode
{
    XS_PlaceTreeNode* pPrevSibling = nullptr;
    XS_PlaceTreeNode* pNextSibling = nullptr;
    XS_PlaceTreeNode* pParent = nullptr;
    XS_PlaceTreeNode* pFirstChild = nullptr;
    DWORD dwChildCount = 0;
    DWORD dwPlaceID = 0;
    DWORD dwDepth = 0;
};

// A tree of place IDs (first child, next sibling, with parent and previous
// sibling links) and the route search of the world map: the chain of open
// places from a start to a destination, each place standing in the
// "CanGoPlace" list of the place after it.
class JC_PlaceTree
{
public:
    explicit JC_PlaceTree(JC_ControlWorldMap* pControlWorldMap);
    virtual ~JC_PlaceTree();
    JC_PlaceTree(const JC_PlaceTree&) = delete;
    JC_PlaceTree& operator=(const JC_PlaceTree&) = delete;

    // Null for PTI_SORT, which inserts nothing.
    XS_PlaceTreeNode* InsertItem(XS_PlaceTreeNode* pParent, XS_PlaceTreeNode* pAfter, DWORD dwPlaceID);
    BOOL DeleteItem(XS_PlaceTreeNode* pItem);
    BOOL DeleteChildItems(XS_PlaceTreeNode* pItem);
    BOOL DeleteAllItems();
    XS_PlaceTreeNode* GetParentItem(const XS_PlaceTreeNode* pItem) const { return pItem->pParent; }
    XS_PlaceTreeNode* GetChildItem(const XS_PlaceTreeNode* pItem) const { return pItem->pFirstChild; }
    XS_PlaceTreeNode* GetNextSiblingItem(const XS_PlaceTreeNode* pItem) const { return pItem->pNextSibling; }
    XS_PlaceTreeNode* GetRootItem() const { return m_pFirstRoot; }
    DWORD GetRootCount() const { return m_dwRootCount; }
    DWORD GetItemData(const XS_PlaceTreeNode* pItem) const { return pItem->dwPlaceID; }
    DWORD GetItemDepth(const XS_PlaceTreeNode* pItem) const { return pItem->dwDepth; }

    // The shallowest route from start to destination, ties going to the
    // earlier "CanGoPlace" entry counted from the destination; [p, p] when
    // the two are one open place, empty when there is none. A breadth-first
    // search, so its cost grows with the links, not with the paths.
    DWORD FindRoute(DWORD dwStartPlaceID, DWORD dwDestinationPlaceID, std::vector<DWORD>& route);

protected:
    // The map as the search reads it.
    virtual BOOL IsPlaceOpen(DWORD dwPlaceID);
    virtual std::vector<DWORD> GetCanGoPlaces(DWORD dwPlaceID);

private:
    void Unlink(XS_PlaceTreeNode* pItem);

    JC_ControlWorldMap* m_pControlWorldMap;
    DWORD m_dwRootCount = 0;
    XS_PlaceTreeNode* m_pFirstRoot = nullptr;
};
