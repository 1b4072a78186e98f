#include "JC_DataManager/Manager/JC_Oskel3TransformUnfixedData.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_DataManager/Manager/JC_Oskel3Envelope.h"
#include "JC_Script/DealScript/JC_ScriptDealManager.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_DataManager/Import/Oskel3SaveFolder.h"

namespace {

const char* const REGISTRY_KEY = "Oskel3";

// Keeps the lines of one function, with its name, in a list shared by all.
class LineRecorder : public JI_ScriptNotify
{
public:
    LineRecorder(const std::string& strFunctionName, std::vector<std::string>& lines)
        : m_strFunctionName(strFunctionName), m_Lines(lines)
    {
    }

    DWORD Deal(const std::string& strText) override
    {
        m_Lines.push_back(m_strFunctionName + "," + strText);
        return m_dwAnswer;
    }

    const std::string m_strFunctionName;
    std::vector<std::string>& m_Lines;
    DWORD m_dwAnswer = 0;
};

// The import on the sample game, with the previous title's installation in
// the registry of the bench's prefix. Every case of the registry key lives
// in this one suite, so no two tests share it at once.
class Oskel3TransformUnfixedData : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, REGISTRY_KEY);
        ASSERT_EQ(LoadSampleGameData(m_DataManager, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_Scripts.Initiation(std::getenv("OSKEL_SAMPLE_GAME"), &m_DataManager), 0u) << m_Log.Text();
        m_Save.iMoney = 1500;
        m_Save.iEventFlag = 2;
        m_Save.gems = {{5, 250}, {0, 9}, {7, 3}};
        m_Save.tools = {{1, 100}};
        m_Save.weapons = {0, 9};
        m_Save.wearings = {4};
        // The script manager reports running without the archive library.
        m_Log.Clear();
    }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, REGISTRY_KEY); }

    // The installation path as the previous title's installer writes it,
    // without its final backslash.
    void WriteRegistryPath(const std::string& strPath) const
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, REGISTRY_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(hKey, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(strPath.c_str()),
                       static_cast<DWORD>(strPath.size() + 1));
        RegCloseKey(hKey);
    }
    void UseRecorders()
    {
        ASSERT_EQ(m_Scripts.AddFunction("ControlGame", &m_GameRecorder), 0u);
        ASSERT_EQ(m_Scripts.AddFunction("ControlWarehouse", &m_WarehouseRecorder), 0u);
    }
    // Initiation on the save folder.
    DWORD Initiate()
    {
        const std::string strPath = m_Saves.Path();
        WriteRegistryPath(strPath.substr(0, strPath.size() - 1));
        return m_Transform.Initiation(&m_Scripts);
    }

    TestLog m_Log;
    JC_DataManager m_DataManager;
    JC_ScriptManager m_Scripts;
    std::vector<std::string> m_Lines;
    LineRecorder m_GameRecorder{"ControlGame", m_Lines};
    LineRecorder m_WarehouseRecorder{"ControlWarehouse", m_Lines};
    Oskel3SaveFolder m_Saves;
    Oskel3Save m_Save;
    JC_Oskel3TransformUnfixedData m_Transform;
};

} // namespace

TEST_F(Oskel3TransformUnfixedData, InitiationNeedsTheRegistryKeyAndAnInitiatedScriptManager)
{
    EXPECT_EQ(m_Transform.Initiation(&m_Scripts), JE_OSKEL3IMPORT_REG_OPEN);
    EXPECT_EQ(m_Log.Count(" Oskel3TransformUnfixedData GetOskel3SetupPath Fail. \r\n RegKeyOpenSubKeyFail. \r\n"), 1u);
    EXPECT_EQ(m_Log.Count(" GetOskel3SetupPath Fail. \r\n HRESULT:0x89018e01 \r\n"), 1u);
    EXPECT_EQ(m_Transform.Transform(0), JE_OSKEL3IMPORT_NOT_INITIATED);

    WriteRegistryPath("");
    EXPECT_EQ(m_Transform.Initiation(&m_Scripts), JE_OSKEL3IMPORT_REG_READ);
    EXPECT_EQ(m_Log.Count("RegKeyReadValueFail."), 1u);

    EXPECT_EQ(m_Transform.Initiation(nullptr), JE_OSKEL3IMPORT_NULL_SCRIPT_MANAGER);
    JC_ScriptManager notInitiated;
    EXPECT_EQ(m_Transform.Initiation(&notInitiated), JE_OSKEL3IMPORT_NO_LOG);
}

TEST_F(Oskel3TransformUnfixedData, NeedsOneOfTheClosingSlots)
{
    m_Saves.WriteSlot(95, m_Save);
    ASSERT_EQ(Initiate(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Transform.Transform(JC_Oskel3TransformUnfixedData::MODE_CHECK), JE_OSKEL3IMPORT_NO_SLOT);
    EXPECT_EQ(m_Log.Count(" NotToGoThroughCriticalTest. \r\n "), 1u);
}

TEST_F(Oskel3TransformUnfixedData, SlotWithoutItsProgressCarriesNothing)
{
    UseRecorders();
    m_Saves.WriteSlot(97, m_Save);
    ASSERT_EQ(Initiate(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Transform.Transform(0), JS_OSKEL3IMPORT_NO_EVENT_FLAG);
    EXPECT_EQ(m_Log.Count(" Transform Success. \r\n NoEventFlag. \r\n "), 1u);
    EXPECT_TRUE(m_Lines.empty());
}

TEST_F(Oskel3TransformUnfixedData, CheckRunsNoLineAndTheImportRunsOneALine)
{
    UseRecorders();
    m_Saves.WriteSlot(96, m_Save);
    ASSERT_EQ(Initiate(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Transform.Transform(JC_Oskel3TransformUnfixedData::MODE_CHECK), 0u) << m_Log.Text();
    EXPECT_TRUE(m_Lines.empty());

    EXPECT_EQ(m_Transform.Transform(0), 0u) << m_Log.Text();
    const std::vector<std::string> expected = {
        "ControlGame,AddMoney,1500",
        "ControlWarehouse,AddThing,DF_Warehouse_WarehouseGem,6,99",
        "ControlWarehouse,AddThing,DF_Warehouse_WarehouseGem,8,3",
        "ControlWarehouse,AddThing,DF_Warehouse_WarehouseTool,2,99",
        "ControlWarehouse,AddThing,DF_Warehouse_WarehouseWeapon,10,1",
        "ControlWarehouse,AddThing,DF_Warehouse_WarehouseWearing,5,1",
    };
    EXPECT_EQ(m_Lines, expected);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(Oskel3TransformUnfixedData, BothClosingSlotsAreCarriedOverInOrder)
{
    UseRecorders();
    m_Save.gems.clear();
    m_Save.tools.clear();
    m_Save.weapons.clear();
    m_Save.wearings.clear();
    m_Saves.WriteSlot(96, m_Save);
    m_Save.iMoney = 20;
    m_Save.iEventFlag = 1;
    m_Saves.WriteSlot(97, m_Save);
    ASSERT_EQ(Initiate(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Transform.Transform(0), 0u) << m_Log.Text();
    EXPECT_EQ(m_Lines, (std::vector<std::string>{"ControlGame,AddMoney,1500", "ControlGame,AddMoney,20"}));

    // Slot 97 without its progress stops after slot 96 was carried over.
    m_Lines.clear();
    m_Save.iEventFlag = 2;
    m_Saves.WriteSlot(97, m_Save);
    EXPECT_EQ(m_Transform.Transform(0), JS_OSKEL3IMPORT_NO_EVENT_FLAG);
    EXPECT_EQ(m_Lines, std::vector<std::string>{"ControlGame,AddMoney,1500"});
}

// A refused line stops its own warehouse there; the next warehouse still
// runs and the import succeeds.
TEST_F(Oskel3TransformUnfixedData, RefusedLineStopsOnlyItsWarehouse)
{
    UseRecorders();
    m_WarehouseRecorder.m_dwAnswer = JE_SCRIPT_DISTRIBUTE_UNKNOWN;
    m_Saves.WriteSlot(96, m_Save);
    ASSERT_EQ(Initiate(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Transform.Transform(0), 0u);
    EXPECT_EQ(m_Lines.size(), 5u);
    EXPECT_EQ(m_Log.Count(" Check ID(Old):5 => ID(New):6 "), 1u);
    for (const char* szStep : {"TransformWarehouseGem", "TransformWarehouseTool", "TransformWarehouseWeapon",
                               "TransformWarehouseWearing"})
        EXPECT_EQ(m_Log.Count(std::string(" Transform Fail. \r\n ") + szStep + ". \r\n HRESULT:0x89bf0502"), 1u)
            << szStep << m_Log.Text();
}

TEST_F(Oskel3TransformUnfixedData, BadSaveFileStopsTheImport)
{
    UseRecorders();
    m_Saves.WriteSlot(96, m_Save);
    m_Saves.WriteFile(96, OSKEL3UNFIXEDDATAKIND_WAREHOUSETOOL, Oskel3Envelope("[File]\r\n", 9));
    ASSERT_EQ(Initiate(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Transform.Transform(0), JE_ENVELOPE_METHOD);
    EXPECT_EQ(m_Log.Count(" Transform Oskel3UnfixedDataManagerObj LoadUnfixedData(96) Fail. \r\n HRESULT:0x89016101"), 1u);
    EXPECT_TRUE(m_Lines.empty());
}

// The sample game's own handlers: money and things land in the save state.
TEST_F(Oskel3TransformUnfixedData, SampleGameHandlersTakeTheSave)
{
    JC_BehaviorAnalyser analyser;
    JC_ControlManager controls;
    JC_EventManager events;
    JC_ScriptDealManager deals;
    ASSERT_EQ(analyser.Initiation(&m_DataManager), 0u) << m_Log.Text();
    ASSERT_EQ(controls.Initiation(&m_DataManager, &analyser), 0u) << m_Log.Text();
    ASSERT_EQ(events.Initiation(&controls), 0u) << m_Log.Text();
    ASSERT_EQ(deals.Initiation(&controls, &events), 0u) << m_Log.Text();
    ASSERT_EQ(deals.RegisterFunctions(&m_Scripts), 0u) << m_Log.Text();
    const JC_ControlWarehouse& warehouse = controls.m_ControlWarehouseObj;
    const int iMoney = controls.m_ControlGameObj.GetMoney();
    const int iGems = warehouse.HowManyThingInWarehouse(JC_ControlWarehouse::WAREHOUSE_GEM, 3, 0);
    const int iWeapons = warehouse.HowManyThingInWarehouse(JC_ControlWarehouse::WAREHOUSE_WEAPON, 4, 0);

    m_Save.gems = {{2, 250}, {0, 1}};
    m_Save.tools.clear();
    m_Save.weapons = {3};
    m_Save.wearings.clear();
    m_Saves.WriteSlot(96, m_Save);
    ASSERT_EQ(Initiate(), 0u) << m_Log.Text();
    EXPECT_EQ(m_Transform.Transform(0), 0u) << m_Log.Text();

    EXPECT_EQ(controls.m_ControlGameObj.GetMoney(), iMoney + 1500);
    EXPECT_EQ(warehouse.HowManyThingInWarehouse(JC_ControlWarehouse::WAREHOUSE_GEM, 3, 0), iGems + 99);
    EXPECT_EQ(warehouse.HowManyThingInWarehouse(JC_ControlWarehouse::WAREHOUSE_WEAPON, 4, 0), iWeapons + 1);
    EXPECT_EQ(m_Log.Text(), "");
}
