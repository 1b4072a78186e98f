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

TEST_F(OrderDealManagerTest, EverySampleToolPreviewsThroughTheRegisteredDealsAndChangesNothing)
{
    JC_OrderManager orderManager;
    JC_OrderDealManager dealManager;
    ASSERT_EQ(orderManager.Initiation(&m_Manager), 0u);
    ASSERT_EQ(dealManager.Initiation(&orderManager), 0u);
    Place(0, 1);
    Place(1, 21);
    const DWORD FLOOR_TOOL = 7;
    // The fight team's records as text, and whether a newcomer joined it.
    auto fightTeam = [&] {
        std::string strText;
        for (int iTeamIndex : {0, 1, JC_ControlTeam::NEWCOMER_FIRST})
        {
            JC_DataComponent* pPerson = nullptr;
            if (m_Manager.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson) == 0)
                pPerson->WriteComponent(strText, false, "0,0", false, false);
            strText += "\n";
        }
        return strText;
    };
    const std::string strBefore = fightTeam();
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
        EXPECT_EQ(fightTeam(), strBefore) << dwToolID;
    }
}

TEST_F(OrderDealManagerTest, EveryDealRefusesAnOrderWithoutItsPersons)
{
    JC_OrderManager orderManager;
    JC_OrderDealManager dealManager;
    ASSERT_EQ(orderManager.Initiation(&m_Manager), 0u);
    ASSERT_EQ(dealManager.Initiation(&orderManager), 0u);
    const std::pair<DWORD, DWORD> expected[] = {
        {0x10001, JE_ORDERDEAL_CHANGE_NO_PASSIVE},        {0x10002, JE_ORDERDEAL_MERGE_NO_PASSIVE},
        {0x10003, JE_ORDERDEAL_SET_NO_PASSIVE},           {0x10004, JE_ORDERDEAL_CURE_NO_PASSIVE},
        {0x20001, JE_ORDERDEAL_RESTOREHP_NO_ACTIVE},      {0x30001, JE_ORDERDEALATTACK_NO_ACTIVE},
        {0x30002, 0},                                     {0x30003, JE_ORDERDEAL_MAGICATTACK_NO_ACTIVE},
        {0x30004, JE_ORDERDEAL_DMGABSORBATTACK_NO_ACTIVE}, {0x30005, JE_ORDERDEAL_HPATTACK_NO_ACTIVE},
        {0x30006, JE_ORDERDEAL_CORPSEATTACK_NO_ACTIVE},   {0x40001, JE_ORDERDEAL_CATCH_NO_ACTIVE},
        {0x40002, JE_ORDERDEAL_STEAL_NO_ACTIVE},          {0x40003, JE_ORDERDEAL_PURIFY_NO_ACTIVE},
        {0x50004, JE_ORDERDEAL_CALL_NO_ACTIVE}};
    for (const auto& [dwType, dwCode] : expected)
    {
        JC_OrderInformation order;
        JI_OrderDeal* pDeal = orderManager.FindOrderDeal(dwType);
        ASSERT_NE(pDeal, nullptr);
        ASSERT_EQ(pDeal->Initiation(&order), 0u);
        EXPECT_EQ(pDeal->DealOrder(), dwCode) << std::hex << dwType;
    }
}
