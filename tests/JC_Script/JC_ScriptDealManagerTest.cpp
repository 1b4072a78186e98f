#include "JC_Script/DealScript/JC_ScriptDealManager.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_Order/JC_OrderManager.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/JC_Script/ScriptFixture.h"

namespace {

// The ten handlers as the data layer's build registers them, on a copy of
// the sample game's data.
class ScriptDealManager : public BuiltDataLayer
{
protected:
    void SetUp() override { ASSERT_EQ(JF_Build(GamePath("")), 0u) << LogText(); }

    static DWORD Run(const std::string& strLine) { return gp_ScriptManagerObj->RealTimeScript(strLine); }
    static int Money() { return gp_ControlManagerObj->m_ControlGameObj.GetMoney(); }
};

} // namespace

TEST_F(ScriptDealManager, RegisteredHandlersTakeTheirLines)
{
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
        {"EventManager,Clear", JE_DEALEVENT_UNKNOWN_GROUP},
        {"InitGame,1,2", JE_DEALINIT_INDEX_OVERFLOW},
        {"ControlPerson,DF_Team_TeamOur,0,Fly", JE_CONTROLTEAMPERSON_UNKNOWN_CLASS},
        {"Game,ChangeProcedure", JE_SCRIPT_DISTRIBUTE_UNKNOWN},
    };
    for (const auto& line : lines)
        EXPECT_EQ(Run(line.szLine), line.dwResult) << line.szLine;
    EXPECT_EQ(Money(), 500);
    EXPECT_EQ(gp_ControlManagerObj->m_ControlSceneObj.GetTurn(), 2);

    // Initiated anew, the handlers keep their registrations.
    EXPECT_EQ(gp_ScriptDealManagerObj->Initiation(gp_ControlManagerObj, gp_EventManagerObj), 0u);
    EXPECT_EQ(Run("ControlGame,AddMoney,5"), 0u);
    EXPECT_EQ(Money(), 505);
}

TEST_F(ScriptDealManager, RegistrationStopsAtTheFirstRepeatedName)
{
    JC_ScriptManager scripts;
    ASSERT_EQ(scripts.Initiation(GamePath(""), gp_DataManagerObj), 0u);
    RecordingHandler recorder;
    ASSERT_EQ(scripts.AddFunction("ControlGame", &recorder), 0u);
    EXPECT_EQ(gp_ScriptDealManagerObj->RegisterFunctions(&scripts), JE_SCRIPT_ADD_NAME_REPEAT);
    EXPECT_TRUE(Logged("AddFunction ControlGame Fail."));
    EXPECT_EQ(scripts.RealTimeScript("EventManager,Clear"), JE_DEALEVENT_UNKNOWN_GROUP);
    EXPECT_EQ(scripts.RealTimeScript("ControlGame,SetMoney,1"), 0u);
    EXPECT_EQ(recorder.m_Texts.size(), 1u);
    EXPECT_EQ(scripts.RealTimeScript("ControlPerson,DF_Team_TeamOur,0,Fly"), JE_SCRIPT_DISTRIBUTE_UNKNOWN);
}

TEST_F(ScriptDealManager, InitiationNeedsInitiatedManagers)
{
    JC_ControlManager controls;
    JC_EventManager events;
    JC_ScriptDealManager deals;
    JC_ScriptDealInit init;
    JC_ScriptDealAccept save(JE_DEALSAVE_FAMILY);
    const struct
    {
        JC_ControlManager* pControls;
        JC_EventManager* pEvents;
        DWORD dwManager;
        DWORD dwInit;
        DWORD dwSave;
    } cases[] = {
        {nullptr, gp_EventManagerObj, 0x89BD0002, 0x89BA0001, 0x89BC0001},
        {gp_ControlManagerObj, nullptr, 0x89BD0001, 0x89BA0002, 0x89BC0002},
        {gp_ControlManagerObj, &events, 0x89BD0003, 0x89BA0003, 0x89BC0003},
        {&controls, gp_EventManagerObj, 0x89BD0004, 0x89BA0004, 0x89BC0004},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(deals.Initiation(c.pControls, c.pEvents), c.dwManager);
        EXPECT_EQ(init.Initiation(c.pControls, c.pEvents), c.dwInit);
        EXPECT_EQ(save.Initiation(c.pControls, c.pEvents), c.dwSave);
    }
    EXPECT_EQ(deals.RegisterFunctions(nullptr), JE_DEALMANAGER_NO_SCRIPT_MANAGER);
    JC_ScriptManager notInitiated;
    EXPECT_EQ(deals.RegisterFunctions(&notInitiated), JE_DEALMANAGER_SCRIPT_MANAGER_NOT_INITIATED);
    EXPECT_EQ(init.Deal("1,0"), JE_DEALINIT_NO_CONTROL_MANAGER);
}

TEST_F(ScriptDealManager, InitGameRows)
{
    const int iStartMoney = Money();
    const struct
    {
        const char* szLine;
        DWORD dwResult;
    } rows[] = {
        {"InitGame,1,2", JE_DEALINIT_INDEX_OVERFLOW},
        {"InitGame,1,-1", JE_DEALINIT_INDEX_OVERFLOW},
        {"InitGame,1,0", 0},
        {"InitGame,1", 0},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(Run("ControlGame,SetMoney,777"), 0u);
        EXPECT_EQ(Run(row.szLine), row.dwResult) << row.szLine << LogText();
        // A refused line touches no data; a reload brings the save state back.
        EXPECT_EQ(Money(), row.dwResult == 0 ? iStartMoney : 777) << row.szLine;
    }
    EXPECT_TRUE(Logged(" ScriptDealInit InitIndexOverflow. \r\n InitIndex:2(0~1)"));
    EXPECT_TRUE(Logged(" ScriptDealInit InitIndexOverflow. \r\n InitIndex:-1(0~1)"));
    // The controls are bound to the reloaded records, not the freed ones.
    EXPECT_EQ(Run("ControlGame,SetMoney,42"), 0u);
    EXPECT_EQ(RecordedMoney(), 42);
    EXPECT_TRUE(gp_OrderManagerObj->IsInitiated());
    EXPECT_NE(gp_OrderManagerObj->FindOrderDeal(0x30001), nullptr);
}

TEST_F(ScriptDealManager, FailedReloadLeavesAStateTheNextReloadRebuilds)
{
    const int iStartMoney = Money();
    // Save-state set 1 breaks half-way: the first kinds load, the last not.
    DeleteFileA(GamePath("Template\\TemplateDataIrregular\\01\\UnfixedData_WorldMap1.DATA").c_str());
    const DWORD dwResult = Run("InitGame,1,1");
    EXPECT_NE(dwResult, 0u);
    EXPECT_TRUE(Logged(" ScriptDealInit DataManagerObj InitUnfixedDataFail. \r\n InitIndex:1"));
    // Nothing writes into a freed record: the lines that follow only fail.
    Run("ControlGame,SetMoney,5");
    Run("ControlTeam,EmptyTeam,DF_Team_TeamFight");
    Run("EventManager,Scene,EventClsAll_HaveThing");

    // A missing level fails at once and keeps the save state.
    EXPECT_NE(Run("InitGame,9,0"), 0u);
    EXPECT_TRUE(Logged(" ScriptDealInit DataManagerObj InitFixedDataFail(Level:9)."));

    EXPECT_EQ(Run("InitGame,1,0"), 0u) << LogText();
    EXPECT_EQ(Money(), iStartMoney);
    EXPECT_EQ(Run("ControlGame,SetMoney,6"), 0u);
    EXPECT_EQ(RecordedMoney(), 6);
    EXPECT_TRUE(gp_ScriptManagerObj->IsInitiated());
    EXPECT_EQ(gp_ScriptManagerObj->LoadScript("Set,FlagEvent,1,1", 17), 0u);
}

TEST_F(ScriptDealManager, InitGameInARunningScriptEndsIt)
{
    const int iStartMoney = Money();
    const std::string strScript = "ControlGame,SetMoney,5\r\nInitGame,1,0\r\nControlGame,SetMoney,6\r\n";
    ASSERT_EQ(gp_ScriptManagerObj->LoadScript(strScript.data(), static_cast<DWORD>(strScript.size())), 0u);
    // The new save state holds no running script: the pass ends with it.
    EXPECT_EQ(gp_ScriptManagerObj->Update(), JS_SCRIPT_NONE);
    EXPECT_EQ(Money(), iStartMoney);
    EXPECT_FALSE(gp_ScriptManagerObj->IsScriptLoaded());
    EXPECT_FALSE(Logged("ExitScript Fail"));
}
