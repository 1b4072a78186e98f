#pragma once

#include "tests/JC_DataManager/Control/ControlFixture.h"

// The shared controls' folder with persons that stand in teams, things with
// their warehouse and cost, the four drawers and a shop.
class TeamFixture : public ControlFixture
{
protected:
    TeamFixture()
    {
        WriteTemplate("Person", 0x160001,
                      TextItems({"PersonName"}) +
                          IntItems({"TeamID", "Camp", "IsSummonRole", "HP", "SP", "RAP", "Morale", "Exp"}) +
                          ItemLine("Level", "INT32", "1") + ItemLine("LifeState", "INT32", "1") +
                          ItemLine("MaxHP", "INT32", "100") + ItemLine("MaxSP", "INT32", "50") +
                          ItemLine("MaxRAP", "INT32", "10") + ItemLine("MaxMorale", "INT32", "100") +
                          ItemLine("MaxLevel", "INT32", "99") + ItemLine("JobID", "UINT32", "1") +
                          TextLists({"BehaviorGroup0", "BehaviorGroup1", "BehaviorGroup2"}));
        WriteTemplate("Job", 0x100001, TextItems({"JobName"}));
        const std::string strThing = TextItems({"Name", "Explain", "ExplainEx"}) + IntItems({"Cost", "Photo"});
        const std::string strEquipment = strThing + IntItems({"IsKeyItem", "HoleCount", "WearPosition", "Defense"}) +
                                         TemplateVectorItem("Gem", "UINT32") + TextLists({"EquipBehavior"});
        WriteTemplate("Weapon", 0x230001,
                      strEquipment + ItemLine("ThingKind", "UINT32", "2") + ItemLine("Warehouse", "INT32", "3") +
                          TextLists({"FightBehavior"}) + IntItems({"Attack"}));
        WriteTemplate("Wearing", 0x230002,
                      strEquipment + ItemLine("ThingKind", "UINT32", "3") + ItemLine("Warehouse", "INT32", "4"));
        WriteTemplate("Gem", 0x70002,
                      strThing + TextItems({"InlayExplain"}) + ItemLine("ThingKind", "UINT32", "0") +
                          ItemLine("Warehouse", "INT32", "1"));
        WriteTemplate("Tool", 0x200001,
                      strThing + ItemLine("ThingKind", "UINT32", "1") + ItemLine("Warehouse", "INT32", "2"));
        const std::string strDrawer = IntItems({"Warehouse"}) + ItemLine("ThingID", "UINT32", "0") +
                                      ItemLine("ThingCount", "UINT32", "0");
        WriteTemplate("DrawerGem", 0x40001, strDrawer + ItemLine("ThingKind", "INT32", "0"));
        WriteTemplate("DrawerTool", 0x40002, strDrawer + ItemLine("ThingKind", "INT32", "1"));
        WriteTemplate("DrawerWeapon", 0x40003,
                      strDrawer + ItemLine("ThingKind", "INT32", "2") + ItemLine("Thing", "Template", "1", "H00230001"));
        WriteTemplate("DrawerWearing", 0x40004,
                      strDrawer + ItemLine("ThingKind", "INT32", "3") + ItemLine("Thing", "Template", "1", "H00230002"));
        WriteTemplate("Shop", 0x190004,
                      TemplateVectorItem("SaleGem", "UINT32") + TemplateVectorItem("SaleTool", "UINT32") +
                          TemplateVectorItem("SaleWeapon", "UINT32") + TemplateVectorItem("SaleWearing", "UINT32") +
                          TextItems({"SellerPhoto"}) + ItemLine("ExchangeRateBuy", "INT32", "100") +
                          ItemLine("ExchangeRateSell", "INT32", "50"));
        m_Unfixed["UnfixedData_TeamOur.DATA"] = ArrayDataFile({}, "", 0x160001);
        m_Unfixed["UnfixedData_TeamOurOuter.DATA"] = ArrayDataFile({}, "", 0x160001);
        m_Unfixed["UnfixedData_TeamFight.DATA"] = ArrayDataFile({}, "", 0x160001);
        m_Unfixed["UnfixedData_WarehouseGem.DATA"] = ArrayDataFile({}, "", 0x40001);
        m_Unfixed["UnfixedData_WarehouseTool.DATA"] = ArrayDataFile({}, "", 0x40002);
        m_Unfixed["UnfixedData_WarehouseWeapon.DATA"] = ArrayDataFile({}, "", 0x40003);
        m_Unfixed["UnfixedData_WarehouseWearing.DATA"] = ArrayDataFile({}, "", 0x40004);
        m_Fixed["FixedData_Person.DATA"] =
            ArrayDataFile({{0x160001, "ID\"1\"\r\nPersonName\"甲\"\r\nLevel\"5\"\r\n"},
                           {0x160001, "ID\"2\"\r\nPersonName\"乙\"\r\nLevel\"9\"\r\nCamp\"3\"\r\n"}},
                          "ID", 0x160001);
        m_Fixed["FixedData_Gem.DATA"] = ArrayDataFile(
            {{0x70002, "ID\"1\"\r\nName\"石\"\r\nCost\"4\"\r\nInlayExplain\"平凡\"\r\n"},
             {0x70002, "ID\"3\"\r\nName\"火石\"\r\nCost\"10\"\r\nInlayExplain\"火焰\"\r\n"},
             {0x70002, "ID\"5\"\r\nName\"水石\"\r\nCost\"12\"\r\n"},
             {0x70002, "ID\"9\"\r\nName\"風石\"\r\nCost\"20\"\r\n"}},
            "ID", 0x70002);
        m_Fixed["FixedData_Tool.DATA"] =
            ArrayDataFile({{0x200001, "ID\"1\"\r\nName\"藥\"\r\nCost\"10\"\r\n"},
                           {0x200001, "ID\"2\"\r\nName\"大藥\"\r\nCost\"15\"\r\n"}},
                          "ID", 0x200001);
        m_Fixed["FixedData_Weapon.DATA"] = ArrayDataFile(
            {{0x230001, "ID\"1\"\r\nName\"木劍\"\r\nCost\"5\"\r\nWearPosition\"4\"\r\n"},
             {0x230001, "ID\"7\"\r\nName\"鐵劍\"\r\nExplain\"鐵\"\r\nCost\"10\"\r\nWearPosition\"4\"\r\n"}},
            "ID", 0x230001);
        m_Fixed["FixedData_Wearing.DATA"] = ArrayDataFile(
            {{0x230002, "ID\"1\"\r\nName\"布衣\"\r\nCost\"6\"\r\nWearPosition\"1\"\r\n"},
             {0x230002, "ID\"4\"\r\nName\"皮靴\"\r\nCost\"8\"\r\nWearPosition\"16\"\r\n"}},
            "ID", 0x230002);
        m_Fixed["FixedData_Shop.DATA"] = ArrayDataFile(
            {{0x190004, "ID\"1\"\r\nSaleGem\"[0],3\"\r\nSaleGem\"[1],5\"\r\nSaleTool\"[0],2\"\r\n"
                        "SaleWeapon\"[0],7\"\r\nSaleWearing\"[0],4\"\r\nSellerPhoto\"Seller.bmp\"\r\n"
                        "ExchangeRateBuy\"150\"\r\nExchangeRateSell\"50\"\r\n"}},
            "ID", 0x190004);
        m_Fixed["FixedData_Job.DATA"] =
            ArrayDataFile({{0x100001, "ID\"1\"\r\nJobName\"劍士\"\r\n"}, {0x100001, "ID\"2\"\r\nJobName\"僧侶\"\r\n"}},
                          "ID", 0x100001);
        m_Fixed["FixedData_Landform.DATA"] =
            ArrayDataFile({{0x120001, "ID\"1\"\r\nWalkConsume\"1\"\r\nCanStay\"1\"\r\n"}}, "ID", 0x120001);
    }

    // Writes the data files as the test left them, then loads.
    void LoadTeams()
    {
        WriteFixedData(m_Fixed);
        // The fixture's own save-state files stay; the teams' join them.
        for (const auto& [strName, strText] : m_Unfixed)
            Write("Template\\TemplateDataIrregular\\00\\" + strName, strText);
        Load();
    }

    DataFiles m_Fixed;
    DataFiles m_Unfixed;
};
