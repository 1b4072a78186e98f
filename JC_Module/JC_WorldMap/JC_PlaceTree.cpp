#include "JC_Module/JC_WorldMap/JC_PlaceTree.h"

#include "JC_DataManager/Control/JC_ControlWorldMap.h"

#include <algorithm>
#include <unordered_map>

JC_PlaceTree::JC_PlaceTree(JC_ControlWorldMap* pControlWorldMap) : m_pControlWorldMap(pControlWorldMap)
{
}

JC_PlaceTree::~JC_PlaceTree()
{
    DeleteAllItems();
}

XS_PlaceTreeNode* JC_PlaceTree::InsertItem(XS_PlaceTreeNode* pParent, XS_PlaceTreeNode* pAfter, DWORD dwPlaceID)
{
    if (pAfter == PTI_SORT)
        return nullptr;
    const bool bTopLevel = pParent == PTI_ROOT || pParent == nullptr;
    XS_PlaceTreeNode* const pFirst = bTopLevel ? m_pFirstRoot : pParent->pFirstChild;
    XS_PlaceTreeNode* pPrev = nullptr;
    if (pAfter == PTI_LAST) {
        for (pPrev = pFirst; pPrev != nullptr && pPrev->pNextSibling != nullptr;)
            pPrev = pPrev->pNextSibling;
    } else if (pAfter != PTI_FIRST && pFirst != nullptr) {
        pPrev = pAfter;
    }

    XS_PlaceTreeNode* const pItem = new XS_PlaceTreeNode;
    pItem->dwPlaceID = dwPlaceID;
    pItem->pPrevSibling = pPrev;
    pItem->pNextSibling = pPrev != nullptr ? pPrev->pNextSibling : pFirst;
    if (pItem->pNextSibling != nullptr)
        pItem->pNextSibling->pPrevSibling = pItem;
    if (pPrev != nullptr)
        pPrev->pNextSibling = pItem;
    if (bTopLevel) {
        if (pPrev == nullptr)
            m_pFirstRoot = pItem;
        ++m_dwRootCount;
        return pItem;
    }
    pItem->pParent = pParent;
    pItem->dwDepth = pParent->dwDepth + 1;
    if (pPrev == nullptr)
        pParent->pFirstChild = pItem;
    ++pParent->dwChildCount;
    return pItem;
}

void JC_PlaceTree::Unlink(XS_PlaceTreeNode* pItem)
{
    while (pItem->pFirstChild != nullptr)
        Unlink(pItem->pFirstChild);
    if (pItem->pPrevSibling != nullptr)
        pItem->pPrevSibling->pNextSibling = pItem->pNextSibling;
    if (pItem->pNextSibling != nullptr)
        pItem->pNextSibling->pPrevSibling = pItem->pPrevSibling;
    if (pItem->pParent != nullptr) {
        if (pItem->pParent->pFirstChild == pItem)
            pItem->pParent->pFirstChild = pItem->pNextSibling;
        --pItem->pParent->dwChildCount;
    }
    delete pItem;
}

BOOL JC_PlaceTree::DeleteItem(XS_PlaceTreeNode* pItem)
{
    if (pItem->pParent == nullptr) {
        if (m_pFirstRoot == pItem)
            m_pFirstRoot = pItem->pNextSibling;
        --m_dwRootCount;
    }
    Unlink(pItem);
    return 1;
}

BOOL JC_PlaceTree::DeleteChildItems(XS_PlaceTreeNode* pItem)
{
    while (pItem->pFirstChild != nullptr)
        Unlink(pItem->pFirstChild);
    return 1;
}

BOOL JC_PlaceTree::DeleteAllItems()
{
    while (m_pFirstRoot != nullptr)
        DeleteItem(m_pFirstRoot);
    m_dwRootCount = 0;
    return 1;
}

BOOL JC_PlaceTree::IsPlaceOpen(DWORD dwPlaceID)
{
    return m_pControlWorldMap->GetPlaceIsOpen(dwPlaceID) != 0;
}

std::vector<DWORD> JC_PlaceTree::GetCanGoPlaces(DWORD dwPlaceID)
{
    std::vector<DWORD> places(m_pControlWorldMap->GetCanGoPlaceCount(dwPlaceID));
    for (DWORD i = 0; i < places.size(); ++i)
        places[i] = m_pControlWorldMap->GetCanGoPlace(dwPlaceID, i);
    return places;
}

DWORD JC_PlaceTree::FindRoute(DWORD dwStartPlaceID, DWORD dwDestinationPlaceID, std::vector<DWORD>& route)
{
    route.clear();
    if (!IsPlaceOpen(dwDestinationPlaceID))
        return 0;
    if (dwStartPlaceID == dwDestinationPlaceID) {
        route = {dwStartPlaceID, dwDestinationPlaceID};
        return 0;
    }
    if (!IsPlaceOpen(dwStartPlaceID))
        return 0;

    // Places in the order a search from the destination first reaches them,
    // with the index of the place they were reached from. The queue runs in
    // the order of the paths' "CanGoPlace" entries, so the first place that
    // lists the start ends the shallowest route that a walk of every path in
    // list order would find first.
    struct JS_Reached
    {
        DWORD dwPlaceID;
        int iFrom;
    };
    std::vector<JS_Reached> reached = {{dwDestinationPlaceID, -1}};
    std::unordered_map<DWORD, BOOL> isOpen = {{dwDestinationPlaceID, 1}, {dwStartPlaceID, 1}};
    const auto open = [&](DWORD dwPlaceID) {
        const auto found = isOpen.find(dwPlaceID);
        return found != isOpen.end() ? found->second : isOpen[dwPlaceID] = IsPlaceOpen(dwPlaceID);
    };
    std::unordered_map<DWORD, bool> seen = {{dwDestinationPlaceID, true}};
    for (size_t i = 0; i < reached.size(); ++i) {
        const std::vector<DWORD> links = GetCanGoPlaces(reached[i].dwPlaceID);
        if (std::find(links.begin(), links.end(), dwStartPlaceID) != links.end()) {
            route.push_back(dwStartPlaceID);
            for (int iAt = static_cast<int>(i); iAt >= 0; iAt = reached[iAt].iFrom)
                route.push_back(reached[iAt].dwPlaceID);
            return 0;
        }
        for (const DWORD dwLink : links) {
            if (seen[dwLink] || !open(dwLink))
                continue;
            seen[dwLink] = true;
            reached.push_back({dwLink, static_cast<int>(i)});
        }
    }
    return 0;
}
