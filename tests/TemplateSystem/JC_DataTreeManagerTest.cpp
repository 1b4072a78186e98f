#include "tests/TemplateSystem/TemplateFixture.h"

namespace {

class DataTreeManager : public testing::Test
{
protected:
    JC_DataComponent* LaidOut(const JC_DataOrder& order)
    {
        JC_DataComponent* pNode = nullptr;
        EXPECT_EQ(m_Tree.GetOrCreateComponent(order, pNode), 0u);
        EXPECT_EQ(pNode->Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x30)), 0u);
        return pNode;
    }

    // Every node's order text, depth first; placeholders in brackets.
    std::string Shape()
    {
        std::vector<JC_DataComponent*> nodes;
        std::vector<std::string> texts;
        m_Tree.CollectNodesWithOrders(m_Tree.GetFirstTopNode(), {0, 0}, nodes, texts);
        std::string strShape;
        for (size_t i = 0; i < nodes.size(); ++i)
            strShape += nodes[i]->HasNoLayout() ? "[" + texts[i] + "] " : texts[i] + " ";
        return strShape;
    }

    TemplateFixture m_Fixture;
    JC_DataTreeManager m_Tree;
};

} // namespace

TEST_F(DataTreeManager, MakesTheNodesOnTheWayOfAnOrder)
{
    JC_DataOrder order;
    ASSERT_EQ(m_Tree.ParseOrder("1,2,0", order), 0u);
    LaidOut(order);
    EXPECT_EQ(m_Tree.GetChildCount(nullptr), 3u);
    EXPECT_EQ(Shape(), "[0,0] [0,1] [0,2] 1,2,0 ");
    JC_DataComponent* pNode = m_Tree.GetComponent(order);
    EXPECT_TRUE(m_Tree.GetOrderOf(pNode, order));
    EXPECT_EQ(order, (JC_DataOrder{1, 2, 0}));
    std::string strText;
    EXPECT_TRUE(m_Tree.GetOrderTextOf(pNode, strText));
    EXPECT_EQ(strText, "1,2,0");
    EXPECT_EQ(m_Tree.GetValidComponent({0, 1}), nullptr);
    EXPECT_EQ(m_Tree.GetComponentOrFail({0, 1}, pNode), JE_TREE_NOT_FOUND);
    EXPECT_EQ(m_Tree.GetComponentOrFail2({0, 1}, pNode), 0u);
    EXPECT_EQ(m_Tree.GetComponentOrFail2({0, 3}, pNode), JE_TREE_NOT_FOUND2);
}

TEST_F(DataTreeManager, ParsesAndPrintsOrders)
{
    struct Case
    {
        const char* szText;
        DWORD dwCode;
    };
    for (const Case& c : {Case{"1,2", JE_TREE_ORDER_ENTRIES}, Case{"128,0", JE_TREE_DEPTH_TOO_LARGE},
                          Case{"0,5120", JE_TREE_INDEX_TOO_LARGE}, Case{"0,5119", 0}, Case{"2,0,3,1", 0},
                          Case{"1,0,0,0", JE_TREE_ORDER_ENTRIES}, Case{"3", JE_TREE_ORDER_NO_COMMA},
                          Case{"", JE_TREE_ORDER_EMPTY}}) {
        JC_DataOrder order;
        EXPECT_EQ(m_Tree.ParseOrder(c.szText, order), c.dwCode) << c.szText;
        std::string strText;
        if (c.dwCode == 0) {
            EXPECT_EQ(m_Tree.OrderToText(order, strText), 0u);
            EXPECT_EQ(strText, c.szText);
        }
    }
    std::string strText;
    EXPECT_EQ(m_Tree.OrderToText({}, strText), JE_TREE_EMPTY_ORDER);
    EXPECT_EQ(m_Tree.OrderToText({1, 0}, strText), JE_TREE_ORDER_ENTRIES);
    JC_DataComponent* pNode = nullptr;
    EXPECT_EQ(m_Tree.GetOrCreateComponent({0, 5120}, pNode), JE_TREE_INDEX_TOO_LARGE);
}

TEST_F(DataTreeManager, DeletingPrunesEmptyPlaceholdersUpwards)
{
    LaidOut({1, 0, 0});
    LaidOut({0, 1});
    EXPECT_EQ(Shape(), "[0,0] 1,0,0 0,1 ");
    // The emptied child goes, then its empty parent; the next top node stays.
    EXPECT_EQ(m_Tree.DeleteComponent({1, 0, 0}), 0u);
    EXPECT_EQ(Shape(), "[0,0] 0,1 ");
    EXPECT_EQ(m_Tree.DeleteComponent({0, 1}), 0u);
    EXPECT_EQ(Shape(), "");
    EXPECT_EQ(m_Tree.DeleteComponent({0, 0}), JE_TREE_DELETE_ABSENT);

    // An insert shifts the node at the order; a trailing placeholder goes.
    JC_DataComponent source;
    source.Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x30));
    EXPECT_EQ(m_Tree.InsertComponent({0, 2}, &source), 0u);
    EXPECT_EQ(Shape(), "[0,0] [0,1] 0,2 ");
    EXPECT_EQ(m_Tree.InsertComponent({0, 0}, &source), 0u);
    EXPECT_EQ(Shape(), "0,0 [0,1] [0,2] 0,3 ");
    JC_DataComponent copy;
    EXPECT_EQ(m_Tree.RemoveComponent({0, 3}, &copy), 0u);
    EXPECT_FALSE(copy.HasNoLayout());
    EXPECT_EQ(m_Tree.DeleteIfEmpty({0, 2}), 0u);
    EXPECT_EQ(Shape(), "0,0 ");
}

TEST_F(DataTreeManager, LinksNodesByThePlatformsMarkers)
{
    EXPECT_EQ(m_Tree.InsertNode(nullptr, JM_TREE_ROOT, JM_TREE_SORT), nullptr);
    JC_DataComponent* pB = m_Tree.InsertNode(nullptr, JM_TREE_ROOT, JM_TREE_LAST);
    JC_DataComponent* pA = m_Tree.InsertNode(nullptr, JM_TREE_ROOT, JM_TREE_FIRST);
    JC_DataComponent* pC = m_Tree.InsertNode(nullptr, nullptr, pB);
    JC_DataComponent* pChild = m_Tree.InsertNode(nullptr, pB, JM_TREE_LAST);
    JC_DataComponent* pBefore = m_Tree.InsertBefore(nullptr, pChild);
    EXPECT_EQ(m_Tree.GetChild(nullptr, 0), pA);
    EXPECT_EQ(m_Tree.GetChild(JM_TREE_ROOT, -1), pC);
    EXPECT_EQ(m_Tree.GetNextSibling(pA), pB);
    EXPECT_EQ(m_Tree.GetFirstSibling(pC), pA);
    EXPECT_EQ(m_Tree.GetLastSibling(pA), pC);
    EXPECT_EQ(m_Tree.GetFirstChild(pB), pBefore);
    EXPECT_EQ(m_Tree.GetParent(pChild), pB);
    EXPECT_EQ(m_Tree.GetChildCount(pB), 2u);
    EXPECT_EQ(m_Tree.GetChild(pB, 2), nullptr);
    std::vector<JC_DataComponent*> nodes;
    m_Tree.CollectNodes(pA, nodes);
    EXPECT_EQ(nodes, (std::vector<JC_DataComponent*>{pA, pB, pBefore, pChild, pC}));

    m_Tree.RemoveNode(pB);
    EXPECT_EQ(m_Tree.GetChildCount(nullptr), 2u);
    EXPECT_EQ(m_Tree.GetNextSibling(pA), pC);
    EXPECT_EQ(m_Tree.GetPrevSibling(pC), pA);
    m_Tree.RemoveAllNodes();
    EXPECT_EQ(m_Tree.GetFirstTopNode(), nullptr);
    EXPECT_EQ(m_Tree.GetChildCount(nullptr), 0u);
}

TEST_F(DataTreeManager, DeepTreesAreDeletedWithoutRecursion)
{
    JC_DataOrder order(129, 0);
    order[0] = 127;
    LaidOut(order);
    JC_DataComponent* pDeep = m_Tree.GetComponent(order);
    for (int i = 0; i < 20000; ++i)
        pDeep = m_Tree.InsertNode(nullptr, pDeep, JM_TREE_LAST);
    // Deeper than a data file can name: its order has no text.
    std::string strText;
    EXPECT_TRUE(m_Tree.GetOrderTextOf(pDeep, strText));
    EXPECT_TRUE(strText.empty());
    EXPECT_EQ(m_Tree.ClearAll(), 0u);
    EXPECT_EQ(m_Tree.GetFirstTopNode(), nullptr);
}
