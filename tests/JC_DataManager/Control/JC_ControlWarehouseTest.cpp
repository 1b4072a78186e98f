#include "JC_DataManager/Control/JC_ControlWarehouse.h"

#include "JC_DataManager/Operator/JC_OperatorDrawer.h"
#include "tests/JC_DataManager/Control/TeamFixture.h"

namespace {

constexpr int GEM = JC_ControlWarehouse::WAREHOUSE_GEM;
constexpr int TOOL = JC_ControlWarehouse::WAREHOUSE_TOOL;
constexpr int WEAPON = JC_ControlWarehouse::WAREHOUSE_WEAPON;
constexpr int WEARING = JC_ControlWarehouse::WAREHOUSE_WEARING;

class ControlWarehouse : public TeamFixture
{
protected:
    ControlWarehouse()
    {
        LoadTeams();
        EXPECT_EQ(m_Warehouse.Initiation(&m_DataManager, &m_Analyser), 0u);
    }

    // (ThingID, ThingCount) of every drawer.
    std::vector<std::pair<DWORD, DWORD>> Drawers(int iWarehouse)
    {
        std::vector<std::pair<DWORD, DWORD>> drawers;
        for (int i = 0; i < m_Warehouse.HowManyDrawerInWarehouse(iWarehouse); ++i) {
            JC_DataComponent* pDrawer = m_Warehouse.GetDrawerObj(iWarehouse, i);
            drawers.emplace_back(m_Warehouse.GetDrawerObjInfo_ThingID(pDrawer),
                                 m_Warehouse.GetDrawerObjInfo_ThingCount(pDrawer));
        }
        return drawers;
    }
    using Drawer = std::pair<DWORD, DWORD>;

    JC_ControlWarehouse m_Warehouse;
};

} // namespace

TEST_F(ControlWarehouse, GemsAndToolsStackSortedByThingIDUpTo99)
{
    ASSERT_EQ(m_Warehouse.AddThing(GEM, 9, 1), 0u);
    ASSERT_EQ(m_Warehouse.AddThing(GEM, 3, 1), 0u);
    ASSERT_EQ(m_Warehouse.AddThing(GEM, 5, 1), 0u);
    EXPECT_EQ(Drawers(GEM), (std::vector<Drawer>{{3, 1}, {5, 1}, {9, 1}}));
    ASSERT_EQ(m_Warehouse.AddThing(GEM, 5, 1), 0u);
    EXPECT_EQ(Drawers(GEM), (std::vector<Drawer>{{3, 1}, {5, 2}, {9, 1}}));
    ASSERT_EQ(m_Warehouse.AddThing(GEM, 5, 200), 0u);
    EXPECT_EQ(Drawers(GEM)[1], Drawer(5, 99));
    EXPECT_EQ(m_Warehouse.HowManyThingInWarehouse(GEM, 5, 0), 99);

    ASSERT_EQ(m_Warehouse.AddThing(TOOL, 2, 3), 0u);
    EXPECT_EQ(Drawers(TOOL), (std::vector<Drawer>{{2, 3}}));
    EXPECT_EQ(m_Warehouse.AddThing(TOOL, 2, 0), 0u);
    EXPECT_EQ(m_Warehouse.AddThing(TOOL, 2, -4), 0u);
    EXPECT_EQ(Drawers(TOOL), (std::vector<Drawer>{{2, 3}}));

    // An unknown ID takes the fallback record but keeps its own ID.
    ASSERT_EQ(m_Warehouse.AddThing(GEM, 40, 1), 0u);
    EXPECT_EQ(Drawers(GEM).back(), Drawer(40, 1));
    std::string strName;
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingName(m_Warehouse.GetDrawerObj(GEM, 3), strName), 0u);
    EXPECT_EQ(strName, "石");
    EXPECT_EQ(m_Warehouse.AddThing(5, 1, 1), JE_CONTROLWAREHOUSE_ADD_BAD_WAREHOUSE);
    EXPECT_TRUE(Logged(" ControlWarehouse AddThing Warehouse NotSupport. \r\n Warehouse:0x00000005 \r\n "));
    EXPECT_EQ(m_Warehouse.AddThingObj(nullptr), JE_CONTROLWAREHOUSE_ADD_NULL_THING);
}

TEST_F(ControlWarehouse, WeaponsTakeADrawerEachWithTheirOwnCopy)
{
    ASSERT_EQ(m_Warehouse.AddThing(WEAPON, 7, 2), 0u);
    ASSERT_EQ(m_Warehouse.AddThing(WEAPON, 1, 1), 0u);
    // A changed copy goes in after the two already there.
    JC_DataComponent* pFirst = m_Warehouse.GetDrawerObjInfo_Thing(m_Warehouse.GetDrawerObj(WEAPON, 1));
    ASSERT_NE(pFirst, nullptr);
    const std::string strRenamed = "火之鐵劍";
    ASSERT_EQ(pFirst->SetItemValue("Name", &strRenamed), 0u);
    ASSERT_EQ(m_Warehouse.AddThingObj(pFirst), 0u);
    EXPECT_EQ(Drawers(WEAPON), (std::vector<Drawer>{{1, 1}, {7, 1}, {7, 1}, {7, 1}}));
    EXPECT_EQ(m_Warehouse.HowManyThingInWarehouse(WEAPON, 7, 0), 3);
    EXPECT_EQ(m_Warehouse.HowManyThingInWarehouse(WEAPON, 7, 2), 2);

    std::string strText;
    ASSERT_EQ(m_Warehouse.GetDrawerObjInfo_ThingName(m_Warehouse.GetDrawerObj(WEAPON, 2), strText), 0u);
    EXPECT_EQ(strText, "鐵劍");
    ASSERT_EQ(m_Warehouse.GetDrawerObjInfo_ThingName(m_Warehouse.GetDrawerObj(WEAPON, 3), strText), 0u);
    EXPECT_EQ(strText, "火之鐵劍");
    // Explanations come from the fixed record, whatever the copy says.
    ASSERT_EQ(m_Warehouse.GetDrawerObjInfo_ThingExplain(m_Warehouse.GetDrawerObj(WEAPON, 3), strText), 0u);
    EXPECT_EQ(strText, "鐵");
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingCost(m_Warehouse.GetDrawerObj(WEAPON, 3)), 10);
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingCost(nullptr), 0);

    // The first inlaid gem explains the inlay; no gem, no text.
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingInlayExplain(m_Warehouse.GetDrawerObj(WEAPON, 3), strText), 0u);
    EXPECT_EQ(strText, "");
    const JC_DWordArray gems = {3, 5};
    ASSERT_EQ(pFirst->SetItemValue("Gem", &gems), 0u);
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingInlayExplain(m_Warehouse.GetDrawerObj(WEAPON, 1), strText), 0u);
    EXPECT_EQ(strText, "火焰");
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingInlayExplain(nullptr, strText), JE_CONTROLWAREHOUSE_INLAY_NULL_DRAWER);
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingName(nullptr, strText), JE_CONTROLWAREHOUSE_NAME_NULL_DRAWER);
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingExplainEx(nullptr, strText),
              JE_CONTROLWAREHOUSE_EXPLAINEX_NULL_DRAWER);

    // A wearing does not go into the weapon warehouse's copy.
    ASSERT_EQ(m_Warehouse.AddThingObj(m_DataManager.GetWearingObj(4)), 0u);
    EXPECT_EQ(Drawers(WEARING), (std::vector<Drawer>{{4, 1}}));
}

// A drawer read from a save with Thing "NULL" holds no copy until one is set.
TEST_F(ControlWarehouse, SettingTheThingOfADrawerWithoutACopyMakesOne)
{
    ASSERT_EQ(m_Warehouse.AddThing(WEAPON, 7, 1), 0u);
    JC_DataComponent* pDrawer = m_Warehouse.GetDrawerObj(WEAPON, 0);
    ASSERT_NE(pDrawer, nullptr);
    ASSERT_EQ(pDrawer->SetItemValueText("Thing", "NULL"), 0u);
    ASSERT_EQ(m_Warehouse.GetDrawerObjInfo_Thing(pDrawer), nullptr);

    m_Warehouse.SetDrawerObjInfo_Thing(pDrawer, m_DataManager.GetWeaponObj(7));
    std::string strText;
    ASSERT_EQ(m_Warehouse.GetDrawerObjInfo_ThingName(pDrawer, strText), 0u);
    EXPECT_EQ(strText, "鐵劍");
    EXPECT_NE(m_Warehouse.GetDrawerObjInfo_Thing(pDrawer), m_DataManager.GetWeaponObj(7));
}

TEST_F(ControlWarehouse, DelClosesTheGapAndFindDrawerKnowsItsEnds)
{
    ASSERT_EQ(m_Warehouse.AddThing(TOOL, 1, 5), 0u);
    ASSERT_EQ(m_Warehouse.AddThing(TOOL, 2, 2), 0u);
    ASSERT_EQ(m_Warehouse.DelThing(TOOL, 0, 2), 0u);
    EXPECT_EQ(Drawers(TOOL), (std::vector<Drawer>{{1, 3}, {2, 2}}));
    ASSERT_EQ(m_Warehouse.DelThing(TOOL, 0, 3), 0u);
    EXPECT_EQ(Drawers(TOOL), (std::vector<Drawer>{{2, 2}}));
    // More than the drawer holds empties it after a report.
    ASSERT_EQ(m_Warehouse.DelThing(TOOL, 0, 7), 0u);
    EXPECT_TRUE(Drawers(TOOL).empty());
    EXPECT_TRUE(Logged("DelThingCount:7 > ThingCount:2"));
    EXPECT_EQ(m_Warehouse.DelThing(TOOL, 0, 1), JE_CONTROLWAREHOUSE_DEL_NO_DRAWER);

    ASSERT_EQ(m_Warehouse.AddThing(WEAPON, 7, 2), 0u);
    const struct
    {
        int iStart;
        int iFound;
    } cases[] = {{0, 0}, {1, 1}, {2, -1}, {3, -2}, {-1, -2}};
    for (const auto& c : cases)
        EXPECT_EQ(m_Warehouse.FindDrawer(WEAPON, 7, c.iStart), c.iFound) << c.iStart;
    EXPECT_EQ(m_Warehouse.FindDrawer(WEAPON, 8, 0), -1);
    EXPECT_EQ(m_Warehouse.FindDrawer(GEM, 8, 0), -1);
    EXPECT_EQ(m_Warehouse.GetDrawerObj(WEAPON, -1), nullptr);
    EXPECT_EQ(m_Warehouse.GetDrawerObj(WEAPON, 2), nullptr);
    EXPECT_EQ(m_Warehouse.GetDrawerObj(0, 0), nullptr);
    EXPECT_EQ(m_Warehouse.HowManyDrawerInWarehouse(0), -1);

    ASSERT_EQ(m_Warehouse.EmptyWarehouse(WEAPON), 0u);
    EXPECT_EQ(m_Warehouse.HowManyDrawerInWarehouse(WEAPON), 0);
    EXPECT_EQ(m_Warehouse.EmptyWarehouse(7), JE_CONTROLWAREHOUSE_EMPTY_NO_WAREHOUSE);
}

TEST_F(ControlWarehouse, SixThousandDrawersRefuseEveryAddition)
{
    // One gem record under 6000 IDs, in falling order: each goes first.
    JC_DataComponent* pGem = m_DataManager.GetGemObj(3);
    for (DWORD dwID = JC_ControlWarehouse::MAX_DRAWERS; dwID >= 1; --dwID)
        ASSERT_EQ(m_Warehouse.AddThingObj(pGem, GEM, dwID), 0u) << dwID;
    EXPECT_EQ(m_Warehouse.AddThing(GEM, 1, 1), JE_CONTROLWAREHOUSE_ADD_FULL);
    EXPECT_EQ(m_Warehouse.AddThing(GEM, 7000, 1), JE_CONTROLWAREHOUSE_ADD_FULL);
    EXPECT_EQ(Drawers(GEM)[0], Drawer(1, 1));
    EXPECT_EQ(Drawers(GEM)[5999], Drawer(6000, 1));
}

TEST_F(ControlWarehouse, DrawerOperatorTakesOnlyDrawers)
{
    ASSERT_EQ(m_Warehouse.AddThing(WEARING, 4, 1), 0u);
    JC_OperatorDrawer anyDrawer;
    ASSERT_EQ(anyDrawer.Initiation(&m_DataManager), 0u);
    EXPECT_EQ(anyDrawer.SetDataConponent(nullptr), JE_DRAWER_NULL_RECORD);
    EXPECT_EQ(anyDrawer.SetDataConponent(m_DataManager.GetWeaponObj(7)), JE_DRAWER_NOT_A_DRAWER);
    EXPECT_TRUE(Logged("抽屜操作者 無法操作非抽屜型態資料元件 \n輸入的資料元件形態:0X230001(2293761) \n"));
    ASSERT_EQ(anyDrawer.SetDataConponent(m_Warehouse.GetDrawerObj(WEARING, 0)), 0u);
    EXPECT_EQ(anyDrawer.GetBoundKind(), static_cast<DWORD>(DATACOMPONENTKIND_DRAWERWEARING));
    EXPECT_EQ(anyDrawer.GetThingID(), 4u);

    JC_OperatorDrawer gemDrawer(DATACOMPONENTKIND_DRAWERGEM);
    ASSERT_EQ(gemDrawer.Initiation(&m_DataManager), 0u);
    EXPECT_EQ(gemDrawer.SetDataConponent(m_Warehouse.GetDrawerObj(WEARING, 0)), JE_DRAWER_KIND_MISMATCH);
    auto pNoKind = std::make_unique<JC_DataComponent>();
    EXPECT_EQ(gemDrawer.SetDataConponent(pNoKind.get()), JE_DRAWER_KIND_UNREADABLE);
}
