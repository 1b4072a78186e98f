#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderManager.h"

#include "tests/JC_Order/SampleOrderFixture.h"

using OrderDealManagerTest = SampleOrderFixture;

TEST_F(OrderDealManagerTest, RegistersEachDealOnce)
{
    JC_OrderManager orderManager;
    JC_OrderDealManager dealManager;
    EXPECT_EQ(dealManager.Initiation(nullptr), JE_ORDERDEALMANAGER_NULL_ORDER_MANAGER);
    EXPECT_EQ(dealManager.Initiation(&orderManager), JE_ORDERDEALMANAGER_ORDER_MANAGER_NOT_INITIATED);
    ASSERT_EQ(orderManager.Initiation(&m_Manager), 0u);
    ASSERT_EQ(dealManager.Initiation(&orderManager), 0u);
    for (DWORD dwType : {0x10001u, 0x10002u, 0x10004u, 0x20001u, 0x30001u, 0x40003u})
        EXPECT_NE(orderManager.FindOrderDeal(dwType), nullptr) << std::hex << dwType;
    EXPECT_EQ(orderManager.FindOrderDeal(1), nullptr);
    EXPECT_EQ(dealManager.Initiation(&orderManager), JE_ORDERMANAGER_TYPE_REPEATED);
    ASSERT_EQ(orderManager.Initiation(&m_Manager), 0u);
    EXPECT_EQ(dealManager.Initiation(&orderManager), 0u);
}
