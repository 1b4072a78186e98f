#include "JC_Script/DealScript/JC_ScriptDealManager.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_DataManager/GameDataFixture.h"

#include <cstdlib>

namespace {

// The handlers on the generated sample game folder.
class ScriptDealManager : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(LoadSampleGameData(m_DataManager, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u) << m_Log.Text();
        ASSERT_EQ(m_Controls.Initiation(&m_DataManager, &m_Analyser), 0u) << m_Log.Text();
        ASSERT_EQ(m_Scripts.Initiation(std::getenv("OSKEL_SAMPLE_GAME"), &m_DataManager), 0u) << m_Log.Text();
    }

    TestLog m_Log;
    JC_DataManager m_DataManager;
    JC_BehaviorAnalyser m_Analyser;
    JC_ControlManager m_Controls;
    JC_ScriptManager m_Scripts;
    JC_ScriptDealManager m_Deals;
};

} // namespace

TEST_F(ScriptDealManager, RegisteredHandlersTakeTheirLines)
{
    ASSERT_EQ(m_Deals.Initiation(&m_Controls), 0u) << m_Log.Text();
    ASSERT_EQ(m_Deals.RegisterFunctions(&m_Scripts), 0u) << m_Log.Text();
    const struct
    {
        const char* szLine;
        DWORD dwResult;
    } lines[] = {
        {"ControlGame,SetMoney,500", 0},
        {"ControlWarehouse,EmptyWarehouse,DF_Warehouse_WarehouseGem", 0},
        {"ControlTeam,EmptyTeam,DF_Team_TeamFight", 0},
        {"ControlScene,SetTurn,2", 0},
        {"ControlWorldMap,Place,SetSitePlaceID,1", 0},
        {"SaveGame,1", 0},
        {"LoadGame", 0},
        {"EventManager,Clear", JE_SCRIPT_DISTRIBUTE_UNKNOWN},
    };
    for (const auto& line : lines)
        EXPECT_EQ(m_Scripts.RealTimeScript(line.szLine), line.dwResult) << line.szLine;
    EXPECT_EQ(m_Controls.m_ControlGameObj.GetMoney(), 500);
    EXPECT_EQ(m_Controls.m_ControlSceneObj.GetTurn(), 2);
    // A person command reaches the person command handler, which refuses it.
    EXPECT_EQ(m_Scripts.RealTimeScript("ControlPerson,DF_Team_TeamOur,0,Fly"), JE_CONTROLTEAMPERSON_UNKNOWN_CLASS);

    // Initiated anew, the handlers keep their registrations.
    EXPECT_EQ(m_Deals.Initiation(&m_Controls), 0u);
    EXPECT_EQ(m_Scripts.RealTimeScript("ControlGame,AddMoney,5"), 0u);
    EXPECT_EQ(m_Controls.m_ControlGameObj.GetMoney(), 505);
    EXPECT_EQ(m_Deals.RegisterFunctions(&m_Scripts), JE_SCRIPT_ADD_NAME_REPEAT);
    EXPECT_EQ(m_Log.Count("AddFunction ControlGame Fail."), 1u);
}

TEST_F(ScriptDealManager, RefusedWithoutInitiatedManagers)
{
    EXPECT_EQ(m_Deals.Initiation(nullptr), JE_DEALMANAGER_NO_CONTROL_MANAGER);
    JC_ControlManager notInitiated;
    EXPECT_EQ(m_Deals.Initiation(&notInitiated), JE_DEALMANAGER_CONTROL_MANAGER_NOT_INITIATED);
    EXPECT_EQ(m_Deals.RegisterFunctions(nullptr), JE_DEALMANAGER_NO_SCRIPT_MANAGER);
    JC_ScriptManager scripts;
    EXPECT_EQ(m_Deals.RegisterFunctions(&scripts), JE_DEALMANAGER_SCRIPT_MANAGER_NOT_INITIATED);
    JC_ScriptDealAccept save(JE_DEALSAVE_FAMILY);
    EXPECT_EQ(save.Initiation(nullptr), 0x89BC0001u);
    EXPECT_EQ(save.Initiation(&notInitiated), 0x89BC0004u);
}
