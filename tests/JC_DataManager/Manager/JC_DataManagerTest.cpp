#include "tests/JC_DataManager/GameDataFixture.h"

namespace {

using DataManager = GameDataTest;

TEST_F(DataManager, LoadsEveryKindWithoutAFailure)
{
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
    for (DWORD dwKind = 0; dwKind < UNFIXEDDATAKIND_LIMIT; ++dwKind)
        EXPECT_NE(m_DataManager.GetUnfixedDataObj(dwKind), nullptr) << dwKind;
    EXPECT_EQ(m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_LIMIT), nullptr);
    EXPECT_EQ(m_DataManager.GetPath(), m_Folder.Root());
    EXPECT_EQ(m_DataManager.GetDefineInfo("DF_Warehouse_WarehouseTool"), 2u);
    EXPECT_EQ(ReadID(m_DataManager.GetGameDataComponent(), "Money"), 500u);
    EXPECT_NE(m_DataManager.GetModuleOptionObj(), nullptr);
    EXPECT_NE(m_DataManager.GetModuleStateObj(), nullptr);
    EXPECT_NE(m_DataManager.GetModuleTownObj(), nullptr);
    EXPECT_EQ(ReadID(m_DataManager.GetModuleWorldMapObj(1)), 1u);
    EXPECT_EQ(ReadID(m_DataManager.GetTeamFightPersonObj(2)), 10u);
    EXPECT_NE(m_DataManager.GetRecordInfoObj(99), nullptr);
}

TEST_F(DataManager, MissesFallBackWithTheirLines)
{
    EXPECT_EQ(ReadID(m_DataManager.GetGemObj(99)), 1u);
    EXPECT_EQ(ReadID(m_DataManager.GetGemObj(5)), 5u);
    const std::string strText = m_Log.Text();
    const size_t miss = strText.find(" GetDataComponent Fail. \r\n FixedDataKind:1 \r\n DataComponentID:99 \r\n ");
    const size_t own = strText.find(" GetGemObj Fail. \r\n GemID:0x00000063 \r\n");
    ASSERT_NE(miss, std::string::npos) << strText;
    ASSERT_NE(own, std::string::npos) << strText;
    EXPECT_LT(miss, own);
    EXPECT_EQ(m_Log.Count(" Fail."), 2u);

    EXPECT_EQ(ReadID(m_DataManager.GetSkillObj(0x70000)), 0u);
    EXPECT_EQ(ReadID(m_DataManager.GetSkillObj(0x30000)), 0x30000u);
    EXPECT_EQ(ReadID(m_DataManager.GetSkillPowerObj(0x30000, 2)), 0x30002u);
    EXPECT_EQ(ReadID(m_DataManager.GetSkillPowerObj(0x30000, 3)), 1u);
    EXPECT_EQ(ReadID(m_DataManager.GetToolObj(8)), 1u);
    EXPECT_EQ(ReadID(m_DataManager.GetWeaponObj(0)), 0u);
    EXPECT_EQ(ReadID(m_DataManager.GetWearingObj(4)), 1u);
    EXPECT_EQ(ReadID(m_DataManager.GetHybridizeObj(2, 5)), 0x20005u);
    EXPECT_EQ(ReadID(m_DataManager.GetHybridizeObj(5, 2)), 0x50002u);
    EXPECT_EQ(m_DataManager.GetPersonObj(11), nullptr);
}

TEST_F(DataManager, MissingFallbackGivesNullAfterBothLines)
{
    m_Folder.Write(GameDataFolder::FixedPath(FIXEDDATAKIND_TOOL),
                   DataFileText({DATACOMPONENTKIND_TOOL}, BlockText(DATACOMPONENTKIND_TOOL, 0, Value("ID", "7")), "ID"));
    ASSERT_EQ(m_DataManager.InitFixedData(1), 0u);
    m_Log.Clear();
    EXPECT_EQ(m_DataManager.GetToolObj(8), nullptr);
    EXPECT_EQ(m_Log.Count(" GetDataComponent Fail."), 2u);
    EXPECT_EQ(m_Log.Count(" GetToolObj Fail. \r\n ToolID:0x00000008 \r\n"), 1u);
}

TEST_F(DataManager, ThingKindsMapToTheirTables)
{
    const DWORD adwKinds[] = {DATACOMPONENTKIND_GEM, DATACOMPONENTKIND_TOOL, DATACOMPONENTKIND_WEAPON,
                              DATACOMPONENTKIND_WEARING};
    for (DWORD dwThingKind = 0; dwThingKind < THINGKIND_LIMIT; ++dwThingKind)
        EXPECT_EQ(ReadID(m_DataManager.GetThingObj(dwThingKind, 1), "DataComponentKind"), adwKinds[dwThingKind]);
    m_Log.Clear();
    EXPECT_EQ(m_DataManager.GetThingObj(4, 1), nullptr);
    EXPECT_EQ(m_DataManager.GetThingObj(0xFFFFFFFF, 1), nullptr);
    EXPECT_EQ(m_Log.Text(), "");
    EXPECT_EQ(m_DataManager.GetFixedDataObj(FIXEDDATAKIND_LIMIT, 1), nullptr);
    EXPECT_EQ(m_Log.Count(" GetFixedDataObj Fail. \r\n FixedDataKind:11 \r\n "), 1u);
}

TEST_F(DataManager, FloorsStandBehindTheSceneInformation)
{
    EXPECT_EQ(ReadID(m_DataManager.GetSceneInfoDataComponent(), "MapWidth"), 2u);
    EXPECT_EQ(ReadID(m_DataManager.GetSceneFloorDataComponent(0), "Index"), 0u);
    EXPECT_EQ(ReadID(m_DataManager.GetSceneFloorDataComponent(1), "Index"), 1u);
    EXPECT_EQ(m_DataManager.GetSceneFloorDataComponent(2), nullptr);
    EXPECT_EQ(m_DataManager.GetSceneFloorDataComponent(0xFFFFFFFF), nullptr);
    EXPECT_EQ(m_Log.Count(" GetSceneFloorDataComponent Fail. \r\n SceneFloorIndex:2 \r\n"), 1u);
    EXPECT_EQ(m_Log.Count(" GetSceneFloorDataComponent Fail. \r\n SceneFloorIndex:-1 \r\n"), 1u);
}

TEST_F(DataManager, PlacesCountFromOne)
{
    EXPECT_EQ(ReadID(m_DataManager.GetWorldMapInfoDataComponent(0), "PlaceCount"), 2u);
    EXPECT_EQ(ReadID(m_DataManager.GetWorldMapInfoDataComponent(1), "PlaceCount"), 1u);
    EXPECT_EQ(ReadID(m_DataManager.GetPlaceDataComponent(0, 1), "ShopID"), 11u);
    EXPECT_EQ(ReadID(m_DataManager.GetPlaceDataComponent(0, 2), "ShopID"), 12u);
    EXPECT_EQ(ReadID(m_DataManager.GetPlaceDataComponent(1, 1), "ShopID"), 21u);
    EXPECT_EQ(m_DataManager.GetPlaceDataComponent(0, 0), nullptr);
    EXPECT_EQ(m_DataManager.GetPlaceDataComponent(0, 3), nullptr);
    EXPECT_EQ(m_Log.Count(" GetPlaceDataComponent Fail. \r\n PlaceIndex:0 \r\n"), 1u);
    EXPECT_EQ(m_Log.Count(" GetPlaceDataComponent Fail. \r\n PlaceIndex:3 \r\n"), 1u);
    EXPECT_EQ(m_DataManager.GetWorldMapInfoDataComponent(2), nullptr);
    EXPECT_EQ(m_DataManager.GetPlaceDataComponent(2, 1), nullptr);
    EXPECT_EQ(m_Log.Count(" WorldMapIndex NotSupport. \r\n WorldMapIndex:2 \r\n HRESULT:0x00000000 \r\n"), 2u);
}

TEST_F(DataManager, FailedFixedReloadLeavesTheKindEmpty)
{
    m_Folder.Write(GameDataFolder::FixedPath(FIXEDDATAKIND_LANDFORM), "[File]\r\n[Head]\r\n");
    m_Folder.Remove(GameDataFolder::FixedPath(FIXEDDATAKIND_PERSON));
    EXPECT_NE(m_DataManager.InitFixedData(1), 0u);
    EXPECT_EQ(m_Log.Count(" AnalyzeFixedDataFile Fail. \r\n DataFileName:" + m_Folder.Root() +
                          "Template\\TemplateData\\01\\FixedData_Landform.DATA \r\n"),
              1u)
        << m_Log.Text();
    EXPECT_NE(m_DataManager.GetJobObj(3), nullptr);
    EXPECT_EQ(m_DataManager.GetLandformObj(1), nullptr);
    // Kinds after the failing one keep what they held.
    EXPECT_NE(m_DataManager.GetPersonObj(10), nullptr);

    EXPECT_NE(m_DataManager.InitFixedData(12), 0u);
    EXPECT_EQ(m_Log.Count("Template\\TemplateData\\12\\FixedData_Evolution.DATA"), 1u);
}

TEST_F(DataManager, SaveStateSetsAreCheckedAndLoadedInKindOrder)
{
    EXPECT_EQ(m_DataManager.InitUnfixedData(2), JE_UNFIXEDDATA_INDEX_OVERLOAD);
    EXPECT_EQ(m_DataManager.InitUnfixedData(0xFFFFFFFF), JE_UNFIXEDDATA_INDEX_OVERLOAD);
    EXPECT_EQ(m_Log.Count(" InitUnfixedData IndexOverload. \r\n Index:2(MaxIndex:1) \r\n "), 1u);
    EXPECT_NE(m_DataManager.GetGameDataComponent(), nullptr);

    m_Folder.Remove(GameDataFolder::UnfixedPath(UNFIXEDDATAKIND_TEAMFIGHT));
    EXPECT_NE(m_DataManager.InitUnfixedData(0), 0u);
    for (DWORD dwKind = 0; dwKind < UNFIXEDDATAKIND_LIMIT; ++dwKind)
        EXPECT_EQ(m_DataManager.GetUnfixedDataObj(dwKind) != nullptr, dwKind < UNFIXEDDATAKIND_TEAMFIGHT) << dwKind;
    EXPECT_EQ(m_DataManager.GetTeamFightPersonObj(2), nullptr);

    EXPECT_NE(m_DataManager.InitUnfixedData(1), 0u);
    EXPECT_EQ(m_Log.Count("Template\\TemplateDataIrregular\\01\\UnfixedData_Game.DATA"), 1u);
}

TEST_F(DataManager, ModuleParseErrorStopsAtItsKind)
{
    m_Folder.Write(GameDataFolder::ModulePath(MODULEDATAKIND_TOWN), "[File]\r\n[Head]\r\n@Version\"Hzz\"\r\n");
    EXPECT_NE(m_DataManager.InitModuleData(), 0u);
    EXPECT_NE(m_DataManager.GetModuleStateObj(), nullptr);
    EXPECT_EQ(m_DataManager.GetModuleTownObj(), nullptr);
    EXPECT_NE(m_DataManager.GetModuleWorldMapObj(0), nullptr);
    EXPECT_EQ(m_Log.Count(" Get Module Town DataComponent Fail."), 1u);
}

TEST_F(DataManager, ReloadFreesRecordsAndOperatorsRebind)
{
    JC_DataComponent* pBefore = m_DataManager.GetTeamFightPersonObj(2);
    ASSERT_NE(pBefore, nullptr);
    DWORD dwLevel = 7;
    ASSERT_EQ(pBefore->SetItemValue("Level", &dwLevel), 0u);
    ASSERT_EQ(m_DataManager.InitUnfixedData(0), 0u);
    JC_DataComponent* pAfter = m_DataManager.GetTeamFightPersonObj(2);
    ASSERT_NE(pAfter, nullptr);
    EXPECT_EQ(ReadID(pAfter, "Level"), 1u);
}

TEST_F(DataManager, ASecondInitiationStartsEmptyAndLoadsAgain)
{
    ASSERT_EQ(m_DataManager.Initiation(m_Folder.Root(), m_Log.Get()), 0u);
    EXPECT_EQ(m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_GAME), nullptr);
    EXPECT_EQ(m_DataManager.GetPersonObj(10), nullptr);
    ASSERT_EQ(LoadAll(), 0u) << m_Log.Text();
    EXPECT_EQ(ReadID(m_DataManager.GetPersonObj(10)), 10u);
}

TEST(DataManagerSetUp, RefusesBadArgumentsAndReportsTemplateFailures)
{
    JC_DataManager dataManager;
    TestLog log;
    EXPECT_EQ(dataManager.GetPath(), "");
    EXPECT_EQ(dataManager.GetDefineInfo("DF_Warehouse_WarehouseTool"), JE_DEFINE_NOT_FOUND);
    EXPECT_EQ(dataManager.GetTemplateManager(), nullptr);
    EXPECT_EQ(dataManager.Initiation("", log.Get()), JE_DATAMANAGER_EMPTY_PATH);
    EXPECT_EQ(dataManager.Initiation("C:\\", nullptr), JE_DATAMANAGER_NULL_LOG);
    EXPECT_EQ(dataManager.InitFixedData(1), JE_FIXEDDATA_NOT_INITIATED);

    GameDataFolder folder;
    folder.Write("Template\\Template\\Broken.temp", "[File]\r\n[Head]\r\n@Version \"Hzz\"\r\n");
    EXPECT_NE(dataManager.Initiation(folder.Root(), log.Get()), 0u);
    EXPECT_FALSE(dataManager.IsInitiated());
    EXPECT_EQ(log.Count(" AnalyzeTemplateFile Fail. \r\n TemplateFileName:" + folder.Root() +
                        "Template\\Template\\Broken.temp \r\n"),
              1u)
        << log.Text();
    EXPECT_EQ(log.Count(" Initiation OskelTemplateManagerObj Fail."), 1u);
}

TEST(DataManagerSetUp, TemplateFolderSkipsSubfoldersAndUndefinedNamesAreLogged)
{
    GameDataFolder folder;
    std::filesystem::create_directories(folder.Root() + "Template\\Template\\Folder.temp");
    TestLog log;
    JC_DataManager dataManager;
    ASSERT_EQ(dataManager.Initiation(folder.Root(), log.Get()), 0u) << log.Text();
    EXPECT_EQ(dataManager.GetDefineInfo("DF_Warehouse_Nothing"), JE_DEFINE_NOT_FOUND);
    EXPECT_EQ(log.Count(" GetDefineInfo Fail. \r\n DefineKey:DF_Warehouse_Nothing \r\n"), 1u);
}

} // namespace
