#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderInformation.h"
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

TEST_F(OrderDealManagerTest, EverySampleToolPreviewsThroughTheRegisteredDeals)
{
    JC_OrderManager orderManager;
    JC_OrderDealManager dealManager;
    ASSERT_EQ(orderManager.Initiation(&m_Manager), 0u);
    ASSERT_EQ(dealManager.Initiation(&orderManager), 0u);
    Place(0, 1);
    Place(1, 21);
    const DWORD FLOOR_TOOL = 7;
    for (DWORD dwToolID = 1; dwToolID <= 11; ++dwToolID)
    {
        JC_OrderInformation order;
        ASSERT_EQ(order.Initiation(&m_Manager), 0u);
        JC_OrderInput& input = *order.GetOrderInput();
        input.AddActivePerson(0);
        if (dwToolID == FLOOR_TOOL)
            input.AddPassiveFloor(3);
        else
            input.AddPassivePerson(1);
        input.AddToolEffect(dwToolID);
        input.SetPredictMode(1);
        ASSERT_EQ(input.OrderInputFinish(), 0u) << dwToolID << m_Log.Text();
        EXPECT_EQ(orderManager.DealOrder(&order), 0u) << dwToolID << m_Log.Text();
    }
}
