#include "JC_DataManager/Control/JC_ControlShop.h"

#include "tests/JC_DataManager/Control/TeamFixture.h"

#include <climits>
#include <cstdio>
#include <functional>

namespace {

constexpr int GEM = JC_ControlWarehouse::WAREHOUSE_GEM;
constexpr int TOOL = JC_ControlWarehouse::WAREHOUSE_TOOL;
constexpr int WEAPON = JC_ControlWarehouse::WAREHOUSE_WEAPON;

class ControlShop : public TeamFixture
{
protected:
    ControlShop()
    {
        LoadTeams();
        EXPECT_EQ(m_Shop.Initiation(&m_DataManager, &m_Analyser), 0u) << LogText();
        EXPECT_EQ(m_Shop.DesignateShopID(1), 0u) << LogText();
    }

    JC_ControlShop m_Shop;
    JC_ControlWarehouse& m_Warehouse = m_Shop.GetControlWarehouse();
};

} // namespace

TEST_F(ControlShop, SaleListsAndBuyingPrices)
{
    EXPECT_EQ(m_Shop.GetSaleCount(THINGKIND_GEM), 2u);
    EXPECT_EQ(m_Shop.GetSaleThingID(THINGKIND_GEM, 1), 5u);
    EXPECT_EQ(m_Shop.GetSaleThingName(THINGKIND_WEAPON, 0), "鐵劍");
    EXPECT_EQ(m_Shop.GetSaleThingExplain(THINGKIND_WEAPON, 0), "鐵");
    EXPECT_EQ(m_Shop.GetSaleThingBuyCost(THINGKIND_WEAPON, 0), 15);
    EXPECT_EQ(m_Shop.GetSellerPhoto(), "Seller.bmp");
    EXPECT_EQ(m_Shop.GetExchangeRateBuy(), 150);
    EXPECT_EQ(m_Shop.GetSaleCount(4), 0u);
    EXPECT_TRUE(Logged(" ControlShop GetSaleCount ThingKind NotSupport. \r\n ThingKind:0x00000004 \r\n"));
    // An index past the list is no thing, not the fallback record.
    EXPECT_EQ(m_Shop.GetSaleThingObj(THINGKIND_GEM, 2), nullptr);
    EXPECT_EQ(m_Shop.GetSaleThingName(THINGKIND_GEM, 2), "");
    EXPECT_EQ(m_Shop.GetSaleThingObj(7, 0), nullptr);
    EXPECT_EQ(m_Shop.BuyThing(THINGKIND_GEM, 2, 1), JE_CONTROLSHOP_NO_SALE_THING);

    JC_ControlShop idle;
    EXPECT_EQ(idle.DesignateShopID(1), JE_CONTROLSHOP_NOT_INITIATED);
    EXPECT_EQ(m_Shop.DesignateShopID(99), JE_CONTROLSHOP_NULL_SHOP);
}

TEST_F(ControlShop, BuyingTakesTheFullPriceOrNothing)
{
    m_Shop.SetMoney(44);
    EXPECT_EQ(m_Shop.BuyThing(THINGKIND_WEAPON, 0, 3), JE_CONTROLSHOP_NOT_ENOUGH_MONEY);
    EXPECT_EQ(m_Shop.GetMoney(), 44);
    EXPECT_EQ(m_Warehouse.HowManyDrawerInWarehouse(WEAPON), 0);
    m_Shop.SetMoney(45);
    ASSERT_EQ(m_Shop.BuyThing(THINGKIND_WEAPON, 0, 3), 0u);
    EXPECT_EQ(m_Shop.GetMoney(), 0);
    EXPECT_EQ(m_Shop.GetSaleThingOwnCount(THINGKIND_WEAPON, 0), 3);

    // A stack of 97 takes 5 bought gems up to 99, at the full price.
    ASSERT_EQ(m_Warehouse.AddThing(GEM, 3, 97), 0u);
    m_Shop.SetMoney(100);
    ASSERT_EQ(m_Shop.BuyThing(THINGKIND_GEM, 0, 5), 0u);
    EXPECT_EQ(m_Shop.GetSaleThingOwnCount(THINGKIND_GEM, 0), 99);
    EXPECT_EQ(m_Shop.GetMoney(), 25);

    // Wrapped in 32 bits this price would be small; in 64 it is not.
    m_Shop.SetMoney(JC_ControlGame::MAX_MONEY);
    EXPECT_EQ(m_Shop.BuyThing(THINGKIND_GEM, 1, INT_MAX), JE_CONTROLSHOP_NOT_ENOUGH_MONEY);
    EXPECT_EQ(m_Shop.BuyThing(THINGKIND_GEM, 1, 2863311531 / 2), JE_CONTROLSHOP_NOT_ENOUGH_MONEY);
    EXPECT_EQ(m_Shop.BuyThing(THINGKIND_GEM, 1, -1), JE_CONTROLSHOP_BAD_COUNT);
    EXPECT_EQ(m_Shop.BuyThing(THINGKIND_GEM, 1, 0), 0u);
    EXPECT_EQ(m_Shop.GetMoney(), JC_ControlGame::MAX_MONEY);
    EXPECT_EQ(m_Shop.GetSaleThingOwnCount(THINGKIND_GEM, 1), 0);
}

TEST_F(ControlShop, SellingAtTheSellingRate)
{
    ASSERT_EQ(m_Warehouse.AddThing(TOOL, 1, 1), 0u);
    ASSERT_EQ(m_Warehouse.AddThing(TOOL, 2, 3), 0u);
    m_Shop.SetMoney(0);
    EXPECT_EQ(m_Shop.InquireThingCost(TOOL, 1), 7);
    EXPECT_EQ(m_Shop.InquireThingName(TOOL, 1), "大藥");
    EXPECT_EQ(m_Shop.InquireThingOwnCount(TOOL, 1), 3);
    ASSERT_EQ(m_Shop.SellThing(TOOL, 1, 2), 0u);
    EXPECT_EQ(m_Shop.GetMoney(), 14);
    EXPECT_EQ(m_Shop.SellThing(TOOL, 1, 2), JE_CONTROLSHOP_SELL_TOO_MANY);
    EXPECT_TRUE(Logged("賣的數量 超過庫存的數量 \n要賣的數量:2 擁有的數量:1 \n"));
    EXPECT_EQ(m_Shop.GetMoney(), 14);

    // Selling a whole drawer removes it; the next takes its index.
    ASSERT_EQ(m_Shop.SellThing(TOOL, 0, 1), 0u);
    EXPECT_EQ(m_Shop.InquireThingID(TOOL, 0), 2u);
    EXPECT_EQ(m_Shop.HowManyDrawerInWarehouse(TOOL), 1);
    EXPECT_EQ(m_Shop.SellThing(TOOL, 1, 1), JE_CONTROLSHOP_NO_DRAWER);
    EXPECT_EQ(m_Shop.InquireThingName(TOOL, 4), "");
    EXPECT_TRUE(Logged(" ControlShop InquireThingName GetDrawerObj Fail. \r\n Warehouse:0x00000002 DrawerIndex:4 \r\n "));

    m_Shop.SetMoney(JC_ControlGame::MAX_MONEY - 3);
    ASSERT_EQ(m_Shop.SellThing(TOOL, 0, 1), 0u);
    EXPECT_EQ(m_Shop.GetMoney(), JC_ControlGame::MAX_MONEY);
}

TEST_F(ControlShop, InquiriesOfAMissingDrawerAreLogged)
{
    ASSERT_EQ(m_Warehouse.AddThing(TOOL, 1, 1), 0u);
    const struct
    {
        const char* szInquiry;
        std::function<bool(int, int)> inquire;
    } inquiries[] = {
        {"InquireThingID", [&](int w, int d) { return m_Shop.InquireThingID(w, d) == 0; }},
        {"InquireThingPhoto", [&](int w, int d) { return m_Shop.InquireThingPhoto(w, d) == 0; }},
        {"InquireThingName", [&](int w, int d) { return m_Shop.InquireThingName(w, d).empty(); }},
        {"InquireThingExplain", [&](int w, int d) { return m_Shop.InquireThingExplain(w, d).empty(); }},
        {"InquireThingExplainEx", [&](int w, int d) { return m_Shop.InquireThingExplainEx(w, d).empty(); }},
        {"InquireThingInlayExplain", [&](int w, int d) { return m_Shop.InquireThingInlayExplain(w, d).empty(); }},
        {"InquireThingCost", [&](int w, int d) { return m_Shop.InquireThingCost(w, d) == 0; }},
        {"InquireThingOwnCount", [&](int w, int d) { return m_Shop.InquireThingOwnCount(w, d) == 0; }},
    };
    for (const auto& inquiry : inquiries) {
        for (const auto& [iWarehouse, iDrawer] : {std::pair{TOOL, 1}, std::pair{5, 0}, std::pair{0, 0}}) {
            EXPECT_TRUE(inquiry.inquire(iWarehouse, iDrawer)) << inquiry.szInquiry << " " << iWarehouse;
            char szLogged[160];
            std::snprintf(szLogged, sizeof(szLogged),
                          " ControlShop %s GetDrawerObj Fail. \r\n Warehouse:0x%08x DrawerIndex:%d \r\n ",
                          inquiry.szInquiry, static_cast<unsigned>(iWarehouse), iDrawer);
            EXPECT_TRUE(Logged(szLogged)) << szLogged;
        }
    }
}
