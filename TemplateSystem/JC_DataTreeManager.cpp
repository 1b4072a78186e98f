#include "TemplateSystem/JC_DataTreeManager.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JF_NumberText.h"

JC_DataTreeManager::JC_DataTreeManager()
    : JC_DataComponentMaker(DISTRIBUTE_TREE)
{
}

JC_DataTreeManager::~JC_DataTreeManager()
{
    RemoveAllNodes();
}

DWORD JC_DataTreeManager::ClearAll()
{
    RemoveAllNodes();
    return 0;
}

JC_DataComponent* JC_DataTreeManager::GetComponent(const JC_DataOrder& order) const
{
    if (ValidateOrder(order) != 0)
        return nullptr;
    JC_DataComponent* pNode = nullptr;
    for (size_t k = 1; k < order.size(); ++k) {
        pNode = GetChild(pNode, static_cast<int>(order[k]));
        if (pNode == nullptr)
            return nullptr;
    }
    return pNode;
}

JC_DataComponent* JC_DataTreeManager::GetValidComponent(const JC_DataOrder& order) const
{
    JC_DataComponent* pNode = GetComponent(order);
    return pNode != nullptr && !pNode->HasNoLayout() ? pNode : nullptr;
}

DWORD JC_DataTreeManager::GetOrCreateComponent(const JC_DataOrder& order, JC_DataComponent*& pComponent)
{
    pComponent = nullptr;
    const DWORD dwResult = ValidateOrder(order);
    if (dwResult != 0)
        return dwResult;
    JC_DataComponent* pNode = nullptr;
    for (size_t k = 1; k < order.size(); ++k) {
        JC_DataComponent* pParent = pNode;
        JC_DataComponent* pLast = GetChild(pParent, -1);
        for (DWORD n = GetChildCount(pParent); n <= order[k]; ++n) {
            JC_DataComponent* pNew = new JC_DataComponent();
            Link(pNew, pParent, pLast);
            pLast = pNew;
        }
        pNode = GetChild(pParent, static_cast<int>(order[k]));
    }
    pComponent = pNode;
    return 0;
}

DWORD JC_DataTreeManager::SetComponent(const JC_DataOrder& order, const JC_DataComponent* pSource)
{
    if (pSource == nullptr)
        return JE_TREE_SET_NULL_SOURCE;
    JC_DataComponent* pNode = nullptr;
    const DWORD dwResult = GetOrCreateComponent(order, pNode);
    if (dwResult != 0)
        return dwResult;
    return pNode->Copy(pSource, JC_DataComponent::ADOPT_LAYOUT);
}

DWORD JC_DataTreeManager::GetComponentOrFail(const JC_DataOrder& order, JC_DataComponent*& pComponent) const
{
    pComponent = GetValidComponent(order);
    return pComponent != nullptr ? 0 : JE_TREE_NOT_FOUND;
}

DWORD JC_DataTreeManager::GetComponentOrFail2(const JC_DataOrder& order, JC_DataComponent*& pComponent) const
{
    pComponent = GetComponent(order);
    return pComponent != nullptr ? 0 : JE_TREE_NOT_FOUND2;
}

DWORD JC_DataTreeManager::DeleteComponent(const JC_DataOrder& order)
{
    JC_DataComponent* pNode = GetValidComponent(order);
    if (pNode == nullptr)
        return JE_TREE_DELETE_ABSENT;
    ForgetComponent(pNode);
    pNode->Create(nullptr, nullptr);
    return PruneFrom(pNode);
}

DWORD JC_DataTreeManager::InsertComponent(const JC_DataOrder& order, const JC_DataComponent* pSource)
{
    if (ValidateOrder(order) != 0)
        return JE_TREE_INSERT_BAD_ORDER;
    if (pSource == nullptr)
        return JE_TREE_INSERT_NULL_SOURCE;
    JC_DataComponent* pAt = nullptr;
    DWORD dwResult = GetOrCreateComponent(order, pAt);
    if (dwResult != 0)
        return dwResult;
    auto pNew = std::make_unique<JC_DataComponent>();
    dwResult = pNew->Copy(pSource, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult != 0)
        return dwResult;
    InsertBefore(pNew.release(), pAt);
    return PruneFrom(pAt);
}

DWORD JC_DataTreeManager::RemoveComponent(const JC_DataOrder& order, JC_DataComponent* pDestination)
{
    JC_DataComponent* pNode = GetComponent(order);
    if (pNode == nullptr)
        return JE_TREE_REMOVE_ABSENT;
    const DWORD dwResult = pDestination != nullptr ? pDestination->Copy(pNode, JC_DataComponent::ADOPT_LAYOUT) : 0;
    RemoveNode(pNode);
    return dwResult;
}

DWORD JC_DataTreeManager::OrderToText(const JC_DataOrder& order, std::string& strText) const
{
    strText.clear();
    const DWORD dwResult = ValidateOrder(order);
    if (dwResult != 0)
        return dwResult;
    for (size_t k = 0; k < order.size(); ++k) {
        if (k != 0)
            strText += ',';
        strText += std::to_string(order[k]);
    }
    return 0;
}

DWORD JC_DataTreeManager::ParseOrder(const std::string& strText, JC_DataOrder& order) const
{
    order.clear();
    if (strText.empty())
        return JE_TREE_ORDER_EMPTY;
    size_t comma = XF_FindChar(strText, ',');
    if (comma == std::string::npos)
        return JE_TREE_ORDER_NO_COMMA;
    const DWORD dwDepth = static_cast<DWORD>(JF_DecimalToInt(strText.substr(0, comma)));
    if (dwDepth > MAX_DEPTH)
        return JE_TREE_DEPTH_TOO_LARGE;
    order.push_back(dwDepth);
    for (size_t begin = comma + 1;; begin = comma + 1) {
        if (order.size() > dwDepth + 1)
            return JE_TREE_ORDER_ENTRIES;
        comma = XF_FindChar(strText, ',', begin);
        const std::string strIndex = strText.substr(begin, comma == std::string::npos ? comma : comma - begin);
        const DWORD dwIndex = static_cast<DWORD>(JF_DecimalToInt(strIndex));
        if (dwIndex > MAX_CHILD_INDEX)
            return JE_TREE_INDEX_TOO_LARGE;
        order.push_back(dwIndex);
        if (comma == std::string::npos)
            break;
    }
    return order.size() == dwDepth + 2 ? 0 : JE_TREE_ORDER_ENTRIES;
}

bool JC_DataTreeManager::GetOrderOf(const JC_DataComponent* pComponent, JC_DataOrder& order) const
{
    order.clear();
    if (IsTop(pComponent))
        return false;
    for (const JC_DataComponent* pNode = pComponent; pNode != nullptr; pNode = pNode->m_pParent) {
        DWORD dwIndex = 0;
        for (const JC_DataComponent* pPrev = pNode->m_pPrevSibling; pPrev != nullptr; pPrev = pPrev->m_pPrevSibling)
            ++dwIndex;
        order.insert(order.begin(), dwIndex);
    }
    order.insert(order.begin(), static_cast<DWORD>(order.size() - 1));
    return true;
}

bool JC_DataTreeManager::GetOrderTextOf(const JC_DataComponent* pComponent, std::string& strText) const
{
    strText.clear();
    JC_DataOrder order;
    if (!GetOrderOf(pComponent, order))
        return false;
    OrderToText(order, strText);
    return true;
}

DWORD JC_DataTreeManager::WriteDataFile(const std::string& strPath, bool bSimplifyDefault,
                                        bool bSimplifyDefine) const
{
    std::vector<JC_DataComponent*> nodes;
    std::vector<std::string> texts;
    CollectNodesWithOrders(m_pFirstTop, {0, 0}, nodes, texts);
    std::vector<const JC_DataComponent*> components;
    std::vector<std::string> orderTexts;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i]->HasNoLayout())
            continue;
        components.push_back(nodes[i]);
        orderTexts.push_back(texts[i]);
    }
    std::string strFile;
    const DWORD dwResult = ComposeFile(bSimplifyDefault, bSimplifyDefine, components, orderTexts, strFile);
    if (dwResult != 0)
        return dwResult;
    // The reader makes no more nodes than its text allows; a tree it could not
    // read back is not written.
    if (!IsWithinNodeBudget(static_cast<DWORD>(nodes.size()), strFile.size()))
        return JE_TREE_TOO_MANY_NODES;
    return WriteFile(strPath, strFile, JE_TREE_FILE_NOT_WRITTEN);
}

DWORD JC_DataTreeManager::BuildKeyedIndex()
{
    for (JC_DataComponent* pNode = m_pFirstTop; pNode != nullptr; pNode = NextInTree(pNode, nullptr)) {
        if (pNode->HasNoLayout())
            continue;
        const DWORD dwResult = GetKeyedIndex().AddComponent(pNode);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_DataTreeManager::PruneFrom(JC_DataComponent* pNode)
{
    while (!IsTop(pNode)) {
        JC_DataComponent* pNoted = pNode->m_pPrevSibling != nullptr ? pNode->m_pPrevSibling : pNode->m_pParent;
        if (pNode->m_pFirstChild != nullptr || !pNode->HasNoLayout() || pNode->m_pNextSibling != nullptr)
            break;
        RemoveNode(pNode);
        pNode = pNoted;
    }
    return 0;
}

DWORD JC_DataTreeManager::DeleteIfEmpty(const JC_DataOrder& order)
{
    JC_DataComponent* pNode = GetComponent(order);
    if (pNode == nullptr || !pNode->HasNoLayout())
        return 0;
    return PruneFrom(pNode);
}

void JC_DataTreeManager::CollectNodesWithOrders(JC_DataComponent* pStart, JC_DataOrder order,
                                                std::vector<JC_DataComponent*>& nodes,
                                                std::vector<std::string>& texts) const
{
    if (IsTop(pStart) || order.size() < 2)
        return;
    JC_DataComponent* pNode = pStart;
    DWORD dwLevel = 0;
    for (;;) {
        // An order the reader would refuse gets an empty text.
        std::string strText;
        OrderToText(order, strText);
        texts.push_back(strText);
        nodes.push_back(pNode);
        if (pNode->m_pFirstChild != nullptr) {
            pNode = pNode->m_pFirstChild;
            ++order[0];
            order.push_back(0);
            ++dwLevel;
            continue;
        }
        while (pNode->m_pNextSibling == nullptr) {
            if (dwLevel == 0)
                return;
            pNode = pNode->m_pParent;
            order.pop_back();
            --order[0];
            --dwLevel;
        }
        pNode = pNode->m_pNextSibling;
        ++order.back();
    }
}

void JC_DataTreeManager::CollectNodes(JC_DataComponent* pStart, std::vector<JC_DataComponent*>& nodes) const
{
    if (IsTop(pStart))
        return;
    for (JC_DataComponent* pSibling = pStart; pSibling != nullptr; pSibling = pSibling->m_pNextSibling) {
        nodes.push_back(pSibling);
        for (JC_DataComponent* pNode = NextInTree(pSibling, pSibling); pNode != nullptr;
             pNode = NextInTree(pNode, pSibling))
            nodes.push_back(pNode);
    }
}

JC_DataComponent* JC_DataTreeManager::GetFirstTopNode() const
{
    return m_pFirstTop;
}

JC_DataComponent* JC_DataTreeManager::GetParent(const JC_DataComponent* pNode) const
{
    return IsTop(pNode) ? nullptr : pNode->m_pParent;
}

JC_DataComponent* JC_DataTreeManager::GetFirstChild(const JC_DataComponent* pNode) const
{
    return IsTop(pNode) ? m_pFirstTop : pNode->m_pFirstChild;
}

JC_DataComponent* JC_DataTreeManager::GetNextSibling(const JC_DataComponent* pNode) const
{
    return IsTop(pNode) ? nullptr : pNode->m_pNextSibling;
}

JC_DataComponent* JC_DataTreeManager::GetPrevSibling(const JC_DataComponent* pNode) const
{
    return IsTop(pNode) ? nullptr : pNode->m_pPrevSibling;
}

JC_DataComponent* JC_DataTreeManager::GetFirstSibling(const JC_DataComponent* pNode) const
{
    return IsTop(pNode) ? nullptr : GetFirstChild(pNode->m_pParent);
}

JC_DataComponent* JC_DataTreeManager::GetLastSibling(const JC_DataComponent* pNode) const
{
    if (IsTop(pNode))
        return nullptr;
    JC_DataComponent* pLast = const_cast<JC_DataComponent*>(pNode);
    while (pLast->m_pNextSibling != nullptr)
        pLast = pLast->m_pNextSibling;
    return pLast;
}

bool JC_DataTreeManager::HasChildren(const JC_DataComponent* pNode) const
{
    return GetChildCount(pNode) != 0;
}

DWORD JC_DataTreeManager::GetChildCount(const JC_DataComponent* pParent) const
{
    return IsTop(pParent) ? m_dwTopCount : pParent->m_dwChildCount;
}

JC_DataComponent* JC_DataTreeManager::GetChild(const JC_DataComponent* pParent, int iIndex) const
{
    JC_DataComponent* pChild = GetFirstChild(pParent);
    if (iIndex == -1)
        return pChild != nullptr ? GetLastSibling(pChild) : nullptr;
    for (int i = 0; i < iIndex && pChild != nullptr; ++i)
        pChild = pChild->m_pNextSibling;
    return iIndex < 0 ? nullptr : pChild;
}

JC_DataComponent* JC_DataTreeManager::InsertNode(JC_DataComponent* pNode, JC_DataComponent* pParent,
                                                 JC_DataComponent* pAfter)
{
    if (pAfter == JM_TREE_SORT)
        return nullptr;
    if (pNode == nullptr)
        pNode = new JC_DataComponent();
    JC_DataComponent* pPrev = nullptr;
    if (pAfter == JM_TREE_LAST) {
        pPrev = GetChild(pParent, -1);
    } else if (pAfter != nullptr && pAfter != JM_TREE_FIRST) {
        // A sibling that is not a child of the parent counts as the end.
        pPrev = GetChild(pParent, -1);
        for (JC_DataComponent* pChild = GetFirstChild(pParent); pChild != nullptr; pChild = pChild->m_pNextSibling) {
            if (pChild == pAfter)
                pPrev = pAfter;
        }
    }
    Link(pNode, pParent, pPrev);
    return pNode;
}

JC_DataComponent* JC_DataTreeManager::InsertAfter(JC_DataComponent* pNode, JC_DataComponent* pSibling)
{
    if (IsTop(pSibling))
        return nullptr;
    if (pNode == nullptr)
        pNode = new JC_DataComponent();
    Link(pNode, pSibling->m_pParent, pSibling);
    return pNode;
}

JC_DataComponent* JC_DataTreeManager::InsertBefore(JC_DataComponent* pNode, JC_DataComponent* pSibling)
{
    if (IsTop(pSibling))
        return nullptr;
    if (pNode == nullptr)
        pNode = new JC_DataComponent();
    Link(pNode, pSibling->m_pParent, pSibling->m_pPrevSibling);
    return pNode;
}

void JC_DataTreeManager::RemoveNode(JC_DataComponent* pNode)
{
    if (IsTop(pNode))
        return;
    Unlink(pNode);
    DeleteSubtree(pNode);
}

void JC_DataTreeManager::RemoveAllNodes()
{
    // Emptied first, the index needs no search for each node.
    GetKeyedIndex().RemoveAll();
    while (m_pFirstTop != nullptr)
        RemoveNode(m_pFirstTop);
}

bool JC_DataTreeManager::IsWithinNodeBudget(DWORD dwNodes, size_t textSize)
{
    return dwNodes <= NODE_ALLOWANCE || dwNodes - NODE_ALLOWANCE <= textSize;
}

bool JC_DataTreeManager::IsTop(const JC_DataComponent* pParent)
{
    return pParent == nullptr || pParent == JM_TREE_ROOT;
}

DWORD JC_DataTreeManager::ValidateOrder(const JC_DataOrder& order) const
{
    if (order.empty())
        return JE_TREE_EMPTY_ORDER;
    if (order[0] > MAX_DEPTH)
        return JE_TREE_DEPTH_TOO_LARGE;
    if (order.size() != order[0] + 2)
        return JE_TREE_ORDER_ENTRIES;
    for (size_t k = 1; k < order.size(); ++k) {
        if (order[k] > MAX_CHILD_INDEX)
            return JE_TREE_INDEX_TOO_LARGE;
    }
    return 0;
}

void JC_DataTreeManager::Link(JC_DataComponent* pNode, JC_DataComponent* pParent, JC_DataComponent* pPrev)
{
    const bool bTop = IsTop(pParent);
    JC_DataComponent*& pFirst = bTop ? m_pFirstTop : pParent->m_pFirstChild;
    pNode->m_pParent = bTop ? nullptr : pParent;
    pNode->m_pPrevSibling = pPrev;
    pNode->m_pNextSibling = pPrev != nullptr ? pPrev->m_pNextSibling : pFirst;
    if (pPrev != nullptr)
        pPrev->m_pNextSibling = pNode;
    else
        pFirst = pNode;
    if (pNode->m_pNextSibling != nullptr)
        pNode->m_pNextSibling->m_pPrevSibling = pNode;
    ++(bTop ? m_dwTopCount : pParent->m_dwChildCount);
}

void JC_DataTreeManager::Unlink(JC_DataComponent* pNode)
{
    const bool bTop = pNode->m_pParent == nullptr;
    JC_DataComponent*& pFirst = bTop ? m_pFirstTop : pNode->m_pParent->m_pFirstChild;
    if (pNode->m_pPrevSibling != nullptr)
        pNode->m_pPrevSibling->m_pNextSibling = pNode->m_pNextSibling;
    else
        pFirst = pNode->m_pNextSibling;
    if (pNode->m_pNextSibling != nullptr)
        pNode->m_pNextSibling->m_pPrevSibling = pNode->m_pPrevSibling;
    --(bTop ? m_dwTopCount : pNode->m_pParent->m_dwChildCount);
    pNode->m_pPrevSibling = nullptr;
    pNode->m_pNextSibling = nullptr;
    pNode->m_pParent = nullptr;
}

void JC_DataTreeManager::DeleteSubtree(JC_DataComponent* pNode)
{
    // Without recursion: the deepest first child goes first, so a tree of any
    // depth is deleted in constant stack.
    JC_DataComponent* pCurrent = pNode;
    for (;;) {
        while (pCurrent->m_pFirstChild != nullptr)
            pCurrent = pCurrent->m_pFirstChild;
        JC_DataComponent* pParent = pCurrent == pNode ? nullptr : pCurrent->m_pParent;
        if (pParent != nullptr) {
            pParent->m_pFirstChild = pCurrent->m_pNextSibling;
            if (pCurrent->m_pNextSibling != nullptr)
                pCurrent->m_pNextSibling->m_pPrevSibling = nullptr;
            --pParent->m_dwChildCount;
        }
        ForgetComponent(pCurrent);
        delete pCurrent;
        if (pParent == nullptr)
            return;
        pCurrent = pParent;
    }
}

JC_DataComponent* JC_DataTreeManager::NextInTree(const JC_DataComponent* pNode, const JC_DataComponent* pRoot)
{
    if (pNode->m_pFirstChild != nullptr)
        return pNode->m_pFirstChild;
    for (; pNode != nullptr && pNode != pRoot; pNode = pNode->m_pParent) {
        if (pNode->m_pNextSibling != nullptr)
            return pNode->m_pNextSibling;
    }
    return nullptr;
}
