#include "JC_Script/DealScript/JC_ScriptDealTeam.h"
#include "JC_Script/DealScript/JC_ScriptDealWarehouse.h"

#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"

#include "tests/JC_DataManager/Control/TeamFixture.h"

namespace {

const char* const g_szScriptDefines =
    "//[File]\r\n//[Head]\r\n//@Version \"H00080001\"\r\n//[HeadEnd]\r\n"
    "#define DF_Team_TeamOur 1 //@Combo \"\"\r\n"
    "#define DF_Team_TeamOurOuter 2 //@Combo \"\"\r\n"
    "#define DF_Team_TeamFight 3 //@Combo \"\"\r\n"
    "#define DF_Warehouse_WarehouseGem 1 //@Combo \"\"\r\n"
    "#define DF_Warehouse_WarehouseTool 2 //@Combo \"\"\r\n"
    "//[FileEnd]\r\n";

class ScriptDealTeam : public TeamFixture
{
protected:
    ScriptDealTeam()
    {
        Write("Template\\Template\\TemplateDefine\\Script.h", g_szScriptDefines);
        LoadTeams();
        EXPECT_EQ(m_Team.Initiation(&m_DataManager, &m_Analyser), 0u) << LogText();
        EXPECT_EQ(m_Warehouse.Initiation(&m_DataManager, &m_Analyser), 0u) << LogText();
        EXPECT_EQ(m_DealTeam.Initiation(&m_Team), 0u);
        EXPECT_EQ(m_DealWarehouse.Initiation(&m_Warehouse), 0u);
    }

    bool HasPerson(TeamID teamID, int iTeamIndex)
    {
        JC_DataComponent* pPerson = nullptr;
        return m_Team.GetPersonFromTeam(teamID, iTeamIndex, pPerson) == 0 && pPerson != nullptr;
    }

    JC_ControlTeam m_Team;
    JC_ControlWarehouse m_Warehouse;
    JC_ScriptDealTeam m_DealTeam;
    JC_ScriptDealWarehouse m_DealWarehouse;
};

} // namespace

TEST_F(ScriptDealTeam, TeamCommands)
{
    EXPECT_EQ(m_DealTeam.Deal("AddPersonToTeamFromFixedData,DF_Team_TeamOur,0,1"), 0u) << LogText();
    EXPECT_EQ(m_DealTeam.Deal("AddPersonToTeamFromFixedData,DF_Team_TeamFight,4x,2"), 0u);
    EXPECT_TRUE(HasPerson(TeamID::TEAMID_OUR, 0));
    EXPECT_TRUE(HasPerson(TeamID::TEAMID_FIGHT, 4));
    EXPECT_EQ(m_DealTeam.Deal("MovePersonFromTeamToTeam,DF_Team_TeamOur,0,DF_Team_TeamOurOuter,2"), 0u);
    EXPECT_TRUE(HasPerson(TeamID::TEAMID_OUROUTER, 2));
    EXPECT_EQ(m_DealTeam.Deal("Catch,4"), 0u) << LogText();
    // No TeamIndex deletes TeamIndex 0.
    EXPECT_EQ(m_DealTeam.Deal("DelPersonFromTeam,DF_Team_TeamOur"), 0u);
    EXPECT_FALSE(HasPerson(TeamID::TEAMID_OUR, 0));
    EXPECT_EQ(m_DealTeam.Deal("EmptyTeam,DF_Team_TeamOurOuter"), 0u);
    EXPECT_FALSE(HasPerson(TeamID::TEAMID_OUROUTER, 2));

    EXPECT_EQ(m_DealTeam.Deal("emptyTeam,DF_Team_TeamOur"), JE_DEALTEAM_UNKNOWN_COMMAND);
    EXPECT_TRUE(Logged(" ScriptDealTeam FunctionNameNotSupport. \r\n Script:emptyTeam,DF_Team_TeamOur"));
    // An undefined key is no team.
    EXPECT_NE(m_DealTeam.Deal("EmptyTeam,DF_Team_Nobody"), 0u);
    EXPECT_NE(m_DealTeam.Deal("DelPersonFromTeam,,3"), 0u);
    EXPECT_TRUE(Logged("Deal \"DelPersonFromTeam\" Script Fail. \r\n Script:DelPersonFromTeam,,3"));
    EXPECT_NE(m_DealTeam.Deal("AddPersonToTeamFromFixedData,DF_Team_TeamOur,0,77"), 0u);
    EXPECT_TRUE(Logged("劇本指令 AddPersonToTeamFromFixedData 處理時發生錯誤"));
}

TEST_F(ScriptDealTeam, WarehouseCommands)
{
    EXPECT_EQ(m_DealWarehouse.Deal("AddThing,DF_Warehouse_WarehouseGem,3,5"), 0u) << LogText();
    EXPECT_EQ(m_DealWarehouse.Deal("AddThing,DF_Warehouse_WarehouseTool,1,2"), 0u);
    // No count adds nothing and succeeds.
    EXPECT_EQ(m_DealWarehouse.Deal("AddThing,DF_Warehouse_WarehouseGem,5"), 0u);
    EXPECT_EQ(m_Warehouse.HowManyDrawerInWarehouse(JC_ControlWarehouse::WAREHOUSE_GEM), 1);
    EXPECT_EQ(m_Warehouse.GetDrawerObjInfo_ThingCount(m_Warehouse.GetDrawerObj(JC_ControlWarehouse::WAREHOUSE_GEM, 0)), 5u);
    EXPECT_EQ(m_DealWarehouse.Deal("EmptyWarehouse,DF_Warehouse_WarehouseGem"), 0u);
    EXPECT_EQ(m_Warehouse.HowManyDrawerInWarehouse(JC_ControlWarehouse::WAREHOUSE_GEM), 0);
    EXPECT_EQ(m_Warehouse.HowManyDrawerInWarehouse(JC_ControlWarehouse::WAREHOUSE_TOOL), 1);

    EXPECT_NE(m_DealWarehouse.Deal("AddThing,DF_Warehouse_Nowhere,3,5"), 0u);
    EXPECT_TRUE(Logged("Deal \"AddThing\" Script Fail. \r\n Script:AddThing,DF_Warehouse_Nowhere,3,5"));
    EXPECT_EQ(m_DealWarehouse.Deal("Add,1"), JE_DEALWAREHOUSE_UNKNOWN_COMMAND);

    JC_ScriptDealWarehouse deal;
    EXPECT_EQ(deal.Initiation(nullptr), JE_DEALWAREHOUSE_NO_CONTROL);
    JC_ControlWarehouse notInitiated;
    EXPECT_EQ(deal.Initiation(&notInitiated), JE_DEALWAREHOUSE_CONTROL_NOT_INITIATED);
    JC_ScriptDealTeam dealTeam;
    EXPECT_EQ(dealTeam.Initiation(nullptr), JE_DEALTEAM_NO_CONTROL);
}
