#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

#include "tests/JC_DataManager/GameDataFixture.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int WAREHOUSE_COUNT = 4;

// The sample game with its shared controls, and what the party owns.
class SampleGameTeams : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(LoadSampleGameData(m_DataManager, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Manager.Initiation(&m_DataManager, &m_Analyser), 0u) << m_Log.Text();
        ASSERT_EQ(m_Manager.m_ControlShopObj.DesignateShopID(1), 0u) << m_Log.Text();
        m_Log.Clear();
    }

    // (ThingID, ThingCount) of every drawer of every warehouse.
    std::vector<std::vector<std::pair<DWORD, DWORD>>> Drawers()
    {
        JC_ControlWarehouse& warehouse = m_Manager.m_ControlWarehouseObj;
        std::vector<std::vector<std::pair<DWORD, DWORD>>> drawers(WAREHOUSE_COUNT);
        for (int w = 1; w <= WAREHOUSE_COUNT; ++w) {
            for (int i = 0; i < warehouse.HowManyDrawerInWarehouse(w); ++i) {
                JC_DataComponent* pDrawer = warehouse.GetDrawerObj(w, i);
                drawers[w - 1].emplace_back(warehouse.GetDrawerObjInfo_ThingID(pDrawer),
                                            warehouse.GetDrawerObjInfo_ThingCount(pDrawer));
            }
        }
        return drawers;
    }
    // Money and everything in the warehouses at the shop's selling price.
    long long Worth()
    {
        JC_ControlShop& shop = m_Manager.m_ControlShopObj;
        long long llWorth = shop.GetMoney();
        for (int w = 1; w <= WAREHOUSE_COUNT; ++w) {
            for (int i = 0; i < shop.HowManyDrawerInWarehouse(w); ++i) {
                llWorth += static_cast<long long>(shop.InquireThingCost(w, i)) *
                           m_Manager.m_ControlWarehouseObj.GetDrawerObjInfo_ThingCount(
                               m_Manager.m_ControlWarehouseObj.GetDrawerObj(w, i));
            }
        }
        return llWorth;
    }
    // The last drawer holding the ID.
    int LastDrawer(int iWarehouse, DWORD dwThingID)
    {
        int iLast = -1;
        for (int i = m_Manager.m_ControlWarehouseObj.FindDrawer(iWarehouse, dwThingID, 0); i >= 0;
             i = m_Manager.m_ControlWarehouseObj.FindDrawer(iWarehouse, dwThingID, i + 1))
            iLast = i;
        return iLast;
    }
    // (kind, ID) of every piece the party wears and every piece in the
    // weapon and wearing warehouses.
    std::vector<std::pair<int, DWORD>> Equipment()
    {
        std::vector<std::pair<int, DWORD>> pieces;
        for (int iTeamIndex = 0; iTeamIndex < 3; ++iTeamIndex) {
            JC_DataComponent* pPerson = nullptr;
            EXPECT_EQ(m_Manager.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_OUR, iTeamIndex, pPerson), 0u);
            for (const char* szSlot : {"HandRight", "HandLeft", "Body", "Foot", "Accessary0", "Accessary1"}) {
                JC_DataComponent* pPiece = nullptr;
                DWORD dwID = 0;
                if (pPerson->GetItemValue(szSlot, &pPiece) == 0 && pPiece->GetItemValue("ID", &dwID) == 0 && dwID != 0)
                    pieces.emplace_back(szSlot == std::string("HandRight") ? 2 : 3, dwID);
            }
        }
        const auto drawers = Drawers();
        for (int iKind = 2; iKind <= 3; ++iKind) {
            for (const auto& [dwID, dwCount] : drawers[iKind])
                pieces.insert(pieces.end(), dwCount, {iKind, dwID});
        }
        std::sort(pieces.begin(), pieces.end());
        return pieces;
    }
    size_t Worn()
    {
        return Equipment().size() - Drawers()[2].size() - Drawers()[3].size();
    }

    TestLog m_Log;
    JC_DataManager m_DataManager;
    JC_BehaviorAnalyser m_Analyser;
    JC_ControlManager m_Manager;
};

} // namespace

TEST_F(SampleGameTeams, BuyingAndSellingEverySaleItemKeepsTheWorthAsTheRatesSay)
{
    JC_ControlShop& shop = m_Manager.m_ControlShopObj;
    shop.SetMoney(100000);
    const auto drawersBefore = Drawers();
    const long long llMoneyBefore = shop.GetMoney();
    long long llSpread = 0;
    int iItems = 0;
    for (DWORD dwKind = 0; dwKind < THINGKIND_LIMIT; ++dwKind) {
        const int iWarehouse = static_cast<int>(dwKind) + 1;
        for (DWORD i = 0; i < shop.GetSaleCount(dwKind); ++i, ++iItems) {
            const DWORD dwID = shop.GetSaleThingID(dwKind, i);
            const int iBuy = shop.GetSaleThingBuyCost(dwKind, i);
            const int iOwned = shop.GetSaleThingOwnCount(dwKind, i);
            const long long llWorth = Worth();
            ASSERT_EQ(shop.BuyThing(dwKind, i, 1), 0u) << dwKind << "," << i << m_Log.Text();
            EXPECT_EQ(shop.GetSaleThingOwnCount(dwKind, i), iOwned + 1);
            const int iDrawer = LastDrawer(iWarehouse, dwID);
            ASSERT_GE(iDrawer, 0);
            const int iSell = shop.InquireThingCost(iWarehouse, iDrawer);
            EXPECT_EQ(Worth(), llWorth - iBuy + iSell) << dwKind << "," << i;
            ASSERT_EQ(shop.SellThing(iWarehouse, iDrawer, 1), 0u) << m_Log.Text();
            EXPECT_EQ(Worth(), llWorth - iBuy + iSell);
            EXPECT_EQ(shop.GetSaleThingOwnCount(dwKind, i), iOwned);
            llSpread += iBuy - iSell;
        }
    }
    EXPECT_EQ(iItems, 15);
    EXPECT_EQ(Drawers(), drawersBefore);
    EXPECT_EQ(shop.GetMoney(), llMoneyBefore - llSpread);
    EXPECT_GT(llSpread, 0);
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
}

TEST_F(SampleGameTeams, ThePartysEquipmentGoesOffIntoTheWarehouseAndComesBackOn)
{
    JC_ControlTeamPerson& handler = m_Manager.m_ControlTeamPersonObj;
    const auto piecesBefore = Equipment();
    const size_t wornBefore = Worn();
    ASSERT_GT(wornBefore, 0u);
    for (int i = 0; i < 3; ++i) {
        const std::string strLine = "DF_Team_TeamOur," + std::to_string(i) + ",Equip,TakeOffAllEquipment,1";
        ASSERT_EQ(handler.ScriptNotify(strLine), 0u) << m_Log.Text();
    }
    EXPECT_EQ(Worn(), 0u);
    EXPECT_EQ(Equipment(), piecesBefore);
    EXPECT_EQ(m_Log.Count("錯誤"), 0u) << m_Log.Text();

    // Put on from the fixed data: the warehouse pays nothing; what comes off
    // goes into it.
    const auto drawers = Drawers();
    ASSERT_EQ(handler.ScriptNotify("DF_Team_TeamOur,0,Equip,PutOnEquipment,DF_ThingKind_Weapon,2,"
                                   "DF_WearPosition_HandRight,1"),
              0u);
    ASSERT_EQ(handler.ScriptNotify("DF_Team_TeamOur,0,Equip,PutOnEquipment,DF_ThingKind_Wearing,1,"
                                   "DF_WearPosition_Body,1"),
              0u);
    EXPECT_EQ(Drawers(), drawers);
    EXPECT_EQ(Worn(), 2u);
    ASSERT_EQ(handler.ScriptNotify("DF_Team_TeamOur,0,Equip,PutOnEquipment,DF_ThingKind_Weapon,1,"
                                   "DF_WearPosition_HandRight,1"),
              0u);
    EXPECT_EQ(Drawers()[2].size(), drawers[2].size() + 1);
    EXPECT_EQ(Worn(), 2u);
    // Off with flag 0: the piece is gone.
    ASSERT_EQ(handler.ScriptNotify("DF_Team_TeamOur,0,Equip,TakeOffEquipment,DF_WearPosition_Body,0"), 0u);
    EXPECT_EQ(Worn(), 1u);
    EXPECT_EQ(Drawers()[3].size(), drawers[3].size());
    EXPECT_EQ(m_Log.Count("錯誤"), 0u) << m_Log.Text();
}
