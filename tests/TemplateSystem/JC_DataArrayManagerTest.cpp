#include "tests/TemplateSystem/TemplateFixture.h"

namespace {

class DataArrayManager : public testing::Test
{
protected:
    DataArrayManager()
    {
        JC_Template* pGem = nullptr;
        m_Fixture.m_Templates.FindTemplateByID(0x30, pGem);
        m_Manager.GetTemplateList().AddTemplate(pGem, true);
    }

    JC_DataComponent* Make(DWORD dwPosition, DWORD dwID)
    {
        JC_DataComponent* pComponent = nullptr;
        EXPECT_EQ(m_Manager.GetOrCreateComponent({0, dwPosition}, pComponent), 0u);
        EXPECT_EQ(pComponent->Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x30)), 0u);
        pComponent->SetItemValue("ID", &dwID);
        return pComponent;
    }

    DWORD IDAt(DWORD dwPosition)
    {
        DWORD dwID = 0;
        JC_DataComponent* pComponent = m_Manager.GetValidComponent({0, dwPosition});
        return pComponent != nullptr && pComponent->GetItemValue("ID", &dwID) == 0 ? dwID : 0xFFFFFFFF;
    }

    TemplateFixture m_Fixture;
    JC_DataArrayManager m_Manager;
};

} // namespace

TEST_F(DataArrayManager, MakesDeletesInsertsAndRemovesByPosition)
{
    Make(5, 50);
    EXPECT_EQ(m_Manager.GetComponentCount(), 6u);
    EXPECT_EQ(m_Manager.GetComponent({0, 0}), nullptr);
    EXPECT_EQ(m_Manager.GetLastPosition(), 5);
    Make(1, 10);
    Make(2, 20);

    // A deleted position stays empty; a removed one closes the gap.
    EXPECT_EQ(m_Manager.DeleteComponent({0, 1}), 0u);
    EXPECT_EQ(m_Manager.DeleteComponent({0, 1}), JE_ARRAY_DELETE_ABSENT);
    EXPECT_EQ(IDAt(2), 20u);
    JC_DataComponent removed;
    EXPECT_EQ(m_Manager.RemoveComponent({0, 2}, &removed), 0u);
    DWORD dwID = 0;
    removed.GetItemValue("ID", &dwID);
    EXPECT_EQ(dwID, 20u);
    EXPECT_EQ(m_Manager.GetComponentCount(), 5u);
    EXPECT_EQ(IDAt(4), 50u);
    EXPECT_EQ(m_Manager.RemoveComponent({0, 1}, nullptr), JE_ARRAY_REMOVE_ABSENT);

    EXPECT_EQ(m_Manager.InsertComponent({0, 0}, &removed), 0u);
    EXPECT_EQ(IDAt(0), 20u);
    EXPECT_EQ(IDAt(5), 50u);
    EXPECT_EQ(m_Manager.InsertComponent({0, 9}, &removed), 0u);
    EXPECT_EQ(m_Manager.GetComponentCount(), 10u);
    JC_DataComponent empty;
    EXPECT_EQ(m_Manager.InsertComponent({0, 0}, &empty), JE_ARRAY_INSERT_NO_LAYOUT);
    EXPECT_EQ(m_Manager.InsertComponent({0, 0}, nullptr), JE_ARRAY_INSERT_NULL_SOURCE);
    EXPECT_EQ(m_Manager.InsertComponent({0}, &removed), JE_ARRAY_INSERT_BAD_ORDER);
    // Adopted, the component itself moves in, under the insert's rules.
    auto pAdopted = std::make_unique<JC_DataComponent>();
    ASSERT_EQ(pAdopted->Copy(&removed, JC_DataComponent::ADOPT_LAYOUT), 0u);
    const JC_DataComponent* const pAdoptedAt = pAdopted.get();
    EXPECT_EQ(m_Manager.AdoptComponent({0, 1}, std::move(pAdopted)), 0u);
    EXPECT_EQ(m_Manager.GetValidComponent({0, 1}), pAdoptedAt);
    EXPECT_EQ(IDAt(6), 50u);
    EXPECT_EQ(m_Manager.AdoptComponent({0, 0}, std::make_unique<JC_DataComponent>()), JE_ARRAY_INSERT_NO_LAYOUT);
    EXPECT_EQ(m_Manager.AdoptComponent({0, 0}, nullptr), JE_ARRAY_INSERT_NULL_SOURCE);
    EXPECT_EQ(m_Manager.AdoptComponent({0}, std::make_unique<JC_DataComponent>()), JE_ARRAY_INSERT_BAD_ORDER);
    EXPECT_EQ(m_Manager.GetComponentCount(), 11u);

    // Nothing is made past the last position a data file can name.
    JC_DataComponent* pComponent = nullptr;
    EXPECT_EQ(m_Manager.GetOrCreateComponent({0, 32769}, pComponent), JE_ARRAY_POSITION_TOO_LARGE);
    EXPECT_EQ(m_Manager.GetComponentOrFail({0, 3}, pComponent), JE_ARRAY_NOT_FOUND);
    EXPECT_EQ(m_Manager.SetComponent({0, 3}, &removed), 0u);
    EXPECT_EQ(m_Manager.GetComponentOrFail2({0, 3}, pComponent), 0u);
    JC_DataOrder order;
    EXPECT_TRUE(m_Manager.GetOrderOf(pComponent, order));
    EXPECT_EQ(order, (JC_DataOrder{0, 3}));
    std::string strText;
    EXPECT_FALSE(m_Manager.GetOrderTextOf(&removed, strText));
    EXPECT_EQ(m_Manager.ClearAll(), 0u);
    EXPECT_TRUE(m_Manager.IsEmpty());
}

TEST_F(DataArrayManager, ParsesAndPrintsOrders)
{
    struct Case
    {
        const char* szText;
        DWORD dwCode;
        DWORD dwPosition;
    };
    const Case cases[] = {
        {"0,32768", 0, 32768},
        {"0,32769", JE_ARRAY_POSITION_TOO_LARGE, 32769},
        {"1,3", JE_ARRAY_ORDER_NOT_ZERO, 0},
        {"0,1,2", JE_ARRAY_ORDER_PARTS, 0},
        {"7", 0, 7},
        {"", JE_ARRAY_ORDER_EMPTY, 0},
        {"0,-1", JE_ARRAY_POSITION_TOO_LARGE, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        JC_DataOrder order;
        EXPECT_EQ(m_Manager.ParseOrder(c.szText, order), c.dwCode) << c.szText;
        EXPECT_EQ(order.size(), 2u) << c.szText;
        EXPECT_EQ(order[1], c.dwPosition) << c.szText;
    }
    std::string strText;
    EXPECT_EQ(m_Manager.OrderToText({0, 12}, strText), 0u);
    EXPECT_EQ(strText, "0,12");
    EXPECT_EQ(m_Manager.OrderToText({0, 1, 2}, strText), JE_ARRAY_ORDER_ENTRIES);
    EXPECT_EQ(m_Manager.OrderToText({1, 2}, strText), JE_ARRAY_ORDER_NOT_ZERO);
    EXPECT_EQ(m_Manager.OrderToText({0, 40000}, strText), JE_ARRAY_POSITION_TOO_LARGE);
    EXPECT_TRUE(strText.empty());
}

TEST_F(DataArrayManager, TheKeyedIndexNeverHoldsADeletedComponent)
{
    Make(0, 1);
    Make(1, 2);
    Make(2, 3);
    ASSERT_EQ(m_Manager.GetKeyedIndex().Initiation(JC_ComponentIndex::KEY_NUMBER, "ID"), 0u);
    ASSERT_EQ(m_Manager.BuildKeyedIndex(), 0u);
    EXPECT_EQ(m_Manager.GetKeyedIndex().FindByKey(2), m_Manager.GetComponent({0, 1}));
    m_Manager.DeleteComponent({0, 1});
    EXPECT_EQ(m_Manager.GetKeyedIndex().FindByKey(2), nullptr);
    m_Manager.RemoveComponent({0, 0}, nullptr);
    EXPECT_EQ(m_Manager.GetKeyedIndex().FindByKey(1), nullptr);
    EXPECT_EQ(m_Manager.GetKeyedIndex().FindByKey(3), m_Manager.GetComponent({0, 1}));
    m_Manager.ClearAll();
    EXPECT_EQ(m_Manager.GetKeyedIndex().FindByKey(3), nullptr);
    EXPECT_TRUE(m_Manager.GetKeyedIndex().IsInitiated());

    JC_DataComponent* pMade = nullptr;
    EXPECT_EQ(m_Manager.CreateComponent(0x30, pMade), 0u);
    EXPECT_EQ(pMade->GetTemplate()->GetTemplateID(), 0x30u);
    m_Manager.FreeComponent(pMade);
    EXPECT_EQ(pMade, nullptr);
    EXPECT_EQ(m_Manager.CreateComponent(0x10, pMade), JE_MAKER_NO_TEMPLATE);
}
