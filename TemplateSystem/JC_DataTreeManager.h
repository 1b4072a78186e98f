#pragma once

#include "TemplateSystem/JC_DataComponentMaker.h"

#include <commctrl.h>

constexpr DWORD JE_TREE_SET_BAD_ORDER = 0x88137011;
constexpr DWORD JE_TREE_SET_NULL_SOURCE = 0x88137012;
constexpr DWORD JE_TREE_NOT_FOUND = 0x88137041;
constexpr DWORD JE_TREE_NOT_FOUND2 = 0x88137051;
constexpr DWORD JE_TREE_DELETE_ABSENT = 0x88137081;
constexpr DWORD JE_TREE_INSERT_BAD_ORDER = 0x881370B1;
constexpr DWORD JE_TREE_INSERT_NULL_SOURCE = 0x881370B2;
constexpr DWORD JE_TREE_REMOVE_ABSENT = 0x88137111;
constexpr DWORD JE_TREE_ORDER_EMPTY = 0x88137141;
constexpr DWORD JE_TREE_ORDER_NO_COMMA = 0x88137142;
constexpr DWORD JE_TREE_DEPTH_TOO_LARGE = 0x88137143;
constexpr DWORD JE_TREE_ORDER_ENTRIES = 0x88137144;
constexpr DWORD JE_TREE_INDEX_TOO_LARGE = 0x88137145;
constexpr DWORD JE_TREE_EMPTY_ORDER = 0x88137146;
constexpr DWORD JE_TREE_FILE_NOT_WRITTEN = 0x881371A1;
// More nodes than a data file of the tree's size may make when it is read.
constexpr DWORD JE_TREE_TOO_MANY_NODES = 0x881371A5;

// The platform's tree-view markers: the top level as a parent, and the
// places InsertNode puts a node.
inline JC_DataComponent* const JM_TREE_ROOT = reinterpret_cast<JC_DataComponent*>(TVI_ROOT);
inline JC_DataComponent* const JM_TREE_FIRST = reinterpret_cast<JC_DataComponent*>(TVI_FIRST);
inline JC_DataComponent* const JM_TREE_LAST = reinterpret_cast<JC_DataComponent*>(TVI_LAST);
inline JC_DataComponent* const JM_TREE_SORT = reinterpret_cast<JC_DataComponent*>(TVI_SORT);

// The components of a TREE data file as the nodes of a tree of any shape. A
// node without layout keeps the shape of the tree. Orders are the depth
// (0 to 127) and the child index (0 to 5119) at each level from the top.
class JC_DataTreeManager : public JC_DataComponentMaker
{
public:
    static constexpr DWORD MAX_DEPTH = 127;
    static constexpr DWORD MAX_CHILD_INDEX = 5119;
    // The nodes a data file may make: this many, and one more for each byte
    // of its text, so a short file cannot make millions of nodes.
    static constexpr DWORD NODE_ALLOWANCE = 65536;
    static bool IsWithinNodeBudget(DWORD dwNodes, size_t textSize);

    JC_DataTreeManager();
    ~JC_DataTreeManager() override;

    DWORD ClearAll() override;
    JC_DataComponent* GetComponent(const JC_DataOrder& order) const override;
    JC_DataComponent* GetValidComponent(const JC_DataOrder& order) const override;
    // Appends the nodes missing on the way, without layout.
    DWORD GetOrCreateComponent(const JC_DataOrder& order, JC_DataComponent*& pComponent) override;
    DWORD SetComponent(const JC_DataOrder& order, const JC_DataComponent* pSource) override;
    DWORD GetComponentOrFail(const JC_DataOrder& order, JC_DataComponent*& pComponent) const override;
    // A node without layout is found too.
    DWORD GetComponentOrFail2(const JC_DataOrder& order, JC_DataComponent*& pComponent) const override;
    // Empties the node, which keeps its place and children, then prunes.
    DWORD DeleteComponent(const JC_DataOrder& order) override;
    DWORD InsertComponent(const JC_DataOrder& order, const JC_DataComponent* pSource) override;
    // The node goes with its whole subtree.
    DWORD RemoveComponent(const JC_DataOrder& order, JC_DataComponent* pDestination) override;
    DWORD OrderToText(const JC_DataOrder& order, std::string& strText) const override;
    DWORD ParseOrder(const std::string& strText, JC_DataOrder& order) const override;
    bool GetOrderOf(const JC_DataComponent* pComponent, JC_DataOrder& order) const override;
    bool GetOrderTextOf(const JC_DataComponent* pComponent, std::string& strText) const override;
    DWORD WriteDataFile(const std::string& strPath, bool bSimplifyDefault, bool bSimplifyDefine) const override;
    DWORD BuildKeyedIndex() override;
    // Removes empty placeholder nodes from the node backwards and upwards,
    // until a node with children, a layout or a next sibling.
    virtual DWORD PruneFrom(JC_DataComponent* pNode);
    virtual DWORD DeleteIfEmpty(const JC_DataOrder& order);
    // Each sibling from pStart and, after it, its subtree, with their order
    // texts; order is the start's order (the depth, then its path).
    virtual void CollectNodesWithOrders(JC_DataComponent* pStart, JC_DataOrder order,
                                        std::vector<JC_DataComponent*>& nodes,
                                        std::vector<std::string>& texts) const;
    virtual void CollectNodes(JC_DataComponent* pStart, std::vector<JC_DataComponent*>& nodes) const;

    // Nodes; JM_TREE_ROOT or null as a parent is the top level.
    JC_DataComponent* GetFirstTopNode() const;
    JC_DataComponent* GetParent(const JC_DataComponent* pNode) const;
    JC_DataComponent* GetFirstChild(const JC_DataComponent* pNode) const;
    JC_DataComponent* GetNextSibling(const JC_DataComponent* pNode) const;
    JC_DataComponent* GetPrevSibling(const JC_DataComponent* pNode) const;
    JC_DataComponent* GetFirstSibling(const JC_DataComponent* pNode) const;
    JC_DataComponent* GetLastSibling(const JC_DataComponent* pNode) const;
    bool HasChildren(const JC_DataComponent* pNode) const;
    DWORD GetChildCount(const JC_DataComponent* pParent) const;
    // The child at the index, -1 for the last; null when there are fewer.
    JC_DataComponent* GetChild(const JC_DataComponent* pParent, int iIndex) const;
    // Links the node (a new empty one for null) under the parent: at the head
    // for JM_TREE_FIRST or null, at the end for JM_TREE_LAST, after the
    // sibling otherwise; JM_TREE_SORT inserts nothing and answers null. The
    // manager owns the node from then on.
    JC_DataComponent* InsertNode(JC_DataComponent* pNode, JC_DataComponent* pParent, JC_DataComponent* pAfter);
    JC_DataComponent* InsertAfter(JC_DataComponent* pNode, JC_DataComponent* pSibling);
    JC_DataComponent* InsertBefore(JC_DataComponent* pNode, JC_DataComponent* pSibling);
    // Unlinks the node and deletes it with its subtree.
    void RemoveNode(JC_DataComponent* pNode);
    void RemoveAllNodes();

private:
    static bool IsTop(const JC_DataComponent* pParent);
    DWORD ValidateOrder(const JC_DataOrder& order) const;
    void Link(JC_DataComponent* pNode, JC_DataComponent* pParent, JC_DataComponent* pPrev);
    void Unlink(JC_DataComponent* pNode);
    void DeleteSubtree(JC_DataComponent* pNode);
    // The node after pNode in depth-first order, not leaving pRoot's subtree
    // when pRoot is given.
    static JC_DataComponent* NextInTree(const JC_DataComponent* pNode, const JC_DataComponent* pRoot);

    DWORD m_dwTopCount = 0;
    JC_DataComponent* m_pFirstTop = nullptr;
};
