#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderManager.h"

#include "tests/JC_Order/SampleOrderFixture.h"

#include <iterator>
#include <set>

using OrderDealManagerTest = SampleOrderFixture;

TEST_F(OrderDealManagerTest, RegistersEachDealOnce)
{
    JC_OrderManager orderManager;
    JC_OrderDealManager dealManager;
    EXPECT_EQ(dealManager.Initiation(nullptr), JE_ORDERDEALMANAGER_NULL_ORDER_MANAGER);
    EXPECT_EQ(dealManager.Initiation(&orderManager), JE_ORDERDEALMANAGER_ORDER_MANAGER_NOT_INITIATED);
    ASSERT_EQ(orderManager.Initiation(&m_Manager), 0u);
    ASSERT_EQ(dealManager.Initiation(&orderManager), 0u);
    const DWORD types[] = {0x10001, 0x10002, 0x10003, 0x10004, 0x20001, 0x30001, 0x30002, 0x30003,
                           0x30004, 0x30005, 0x30006, 0x40001, 0x40002, 0x40003, 0x50004};
    std::set<const JI_OrderDeal*> deals;
    for (DWORD dwType : types)
    {
        EXPECT_NE(orderManager.FindOrderDeal(dwType), nullptr) << std::hex << dwType;
        deals.insert(orderManager.FindOrderDeal(dwType));
    }
    EXPECT_EQ(deals.size(), std::size(types));
    for (DWORD dwType : {1u, 0x10000u, 0x10005u, 0x30007u, 0x50001u, 0x50003u})
        EXPECT_EQ(orderManager.FindOrderDeal(dwType), nullptr) << std::hex << dwType;
    EXPECT_EQ(dealManager.Initiation(&orderManager), JE_ORDERMANAGER_TYPE_REPEATED);
    ASSERT_EQ(orderManager.Initiation(&m_Manager), 0u);
    EXPECT_EQ(dealManager.Initiation(&orderManager), 0u);
}
