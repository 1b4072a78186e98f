#include "tests/JC_DataManager/GameDataFixture.h"

namespace {

const char* const s_szTemplateFolder = "Template\\Template\\";

std::string Person(DWORD dwPosition, DWORD dwID, DWORD dwTemplate = DATACOMPONENTKIND_PERSON)
{
    return BlockText(dwTemplate, dwPosition, Value("ID", std::to_string(dwID)) + Value("JobID", "3"));
}

std::string Keyed(DWORD dwKind, DWORD dwPosition, DWORD dwID, const std::string& strItems = "")
{
    return BlockText(dwKind, dwPosition, Value("ID", std::to_string(dwID)) + strItems);
}

} // namespace

GameDataFolder::GameDataFolder()
{
    WriteTemplates();
    WriteFixedData();
    WriteUnfixedData();
    WriteModuleAndRecordData();
}

std::string GameDataFolder::SlotFolder(DWORD dwSlot)
{
    char szFolder[32];
    std::snprintf(szFolder, sizeof(szFolder), "Save\\%02u\\", static_cast<unsigned>(dwSlot));
    return szFolder;
}

void GameDataFolder::WriteSlot(DWORD dwSlot, int iHaveRecord, DWORD dwDate) const
{
    Write(SlotFolder(dwSlot) + g_szRecordDataFileName,
          DataFileText({DATACOMPONENTKIND_RECORDINFO},
                       BlockText(DATACOMPONENTKIND_RECORDINFO, 0,
                                 Value("HaveRecord", std::to_string(iHaveRecord)) +
                                     Value("DateForCheck", std::to_string(dwDate)))));
}

void GameDataFolder::WriteTemplates() const
{
    const std::string strNumbers = ItemLine("Level", "INT32", "1", "", "", "1~99") + ItemLine("TeamID", "INT32", "0");
    std::string strThingSlots;
    for (const char* szList : {"LegacyThing", "StealThing"}) {
        for (int i = 0; i < 4; ++i) {
            const std::string strPrefix = szList + std::to_string(i);
            strThingSlots += ItemLine(strPrefix + "_Rate", "INT32", std::to_string(10 + i)) +
                             ItemLine(strPrefix + "_Kind", "UINT32", std::to_string(i)) +
                             ItemLine(strPrefix + "_ID", "UINT32", std::to_string(100 + i));
        }
    }
    const struct
    {
        const char* szFile;
        DWORD dwKind;
        std::string strItems;
    } templates[] = {
        {"Person.temp", DATACOMPONENTKIND_PERSON,
         ItemLine("PersonName", "STRING", "") + ItemLine("JobID", "UINT32", "0") + strNumbers +
             ItemLine("LearnSkillID", "VECTOR", "0", "UINT32", "8,0") +
             ItemLine("LearnSkillLV", "VECTOR", "0", "UINT32", "8,0") +
             ItemLine("StateImmunity", "VECTOR", "0", "INT32", "65,65") + strThingSlots +
             ItemLine("BehaviorGroup0", "VECTOR", "", "STRING", "2,0") +
             ItemLine("BehaviorGroup1", "VECTOR", "", "STRING", "2,0") +
             ItemLine("BehaviorGroup2", "VECTOR", "", "STRING", "2,0") +
             ItemLine("EvolutionID", "UINT32", "0") +
             ItemLine("HandRight", "Template", "1", HexID(DATACOMPONENTKIND_WEAPON))},
        {"Job.temp", DATACOMPONENTKIND_JOB,
         ItemLine("JobName", "STRING", "") + ItemLine("LearnSkillID", "VECTOR", "0", "UINT32", "4,0") +
             ItemLine("LearnSkillLV", "VECTOR", "0", "UINT32", "4,0")},
        {"Weapon.temp", DATACOMPONENTKIND_WEAPON,
         ItemLine("Name", "STRING", "") + ItemLine("ThingKind", "UINT32", "2") + ItemLine("WearPosition", "INT32", "1") +
             ItemLine("Gem", "VECTOR", "0", "UINT32", "3,0") + ItemLine("EquipJob_Swordman", "INT32", "1") +
             ItemLine("EquipJob_MonkEx", "INT32", "0") + ItemLine("FightBehavior", "VECTOR", "", "STRING", "4,0") +
             ItemLine("HPAbsorbRate", "INT32", "0", "", "", "0~100")},
        {"Wearing.temp", DATACOMPONENTKIND_WEARING,
         ItemLine("Name", "STRING", "") + ItemLine("ThingKind", "UINT32", "3") + ItemLine("WearPosition", "INT32", "2")},
        {"Gem.temp", DATACOMPONENTKIND_GEM,
         ItemLine("Name", "STRING", "") + ItemLine("ThingKind", "UINT32", "0") + ItemLine("TitleName", "STRING", "") +
             ItemLine("InlayBehavior", "VECTOR", "", "STRING", "4,0")},
        {"Tool.temp", DATACOMPONENTKIND_TOOL,
         ItemLine("Name", "STRING", "") + ItemLine("ThingKind", "UINT32", "1") + ItemLine("UseTarget", "INT32", "5") +
             ItemLine("UseBehavior", "VECTOR", "", "STRING", "4,0")},
        {"Skill.temp", DATACOMPONENTKIND_SKILL,
         ItemLine("SkillName", "STRING", "") + ItemLine("LearnCondition", "VECTOR", "", "STRING", "4,0")},
        {"SkillPower.temp", DATACOMPONENTKIND_SKILLPOWER,
         ItemLine("Behavior", "VECTOR", "", "STRING", "4,0") + ItemLine("EffectState", "VECTOR", "0", "UINT32", "4,0")},
        {"Evolution.temp", DATACOMPONENTKIND_EVOLUTION, ""},
        {"Hybridize.temp", DATACOMPONENTKIND_HYBRIDIZE, ""},
        {"Landform.temp", DATACOMPONENTKIND_LANDFORM, ItemLine("ExtraHitRate", "INT32", "0")},
        {"Shop.temp", DATACOMPONENTKIND_SHOP, ""},
        {"Game.temp", DATACOMPONENTKIND_GAME, ItemLine("Money", "INT32", "0") + ItemLine("WorldMapIndex", "INT32", "0")},
        {"SceneInfo.temp", DATACOMPONENTKIND_SCENEINFO,
         ItemLine("MapWidth", "INT32", "0") + ItemLine("WinCondition", "STRING", "") +
             ItemLine("StartingPoint", "VECTOR", "0", "UINT32", "3,0")},
        {"Floor.temp", DATACOMPONENTKIND_FLOOR,
         ItemLine("Index", "INT32", "0") + ItemLine("IndexX", "INT32", "0") + ItemLine("LandformID", "UINT32", "0")},
        {"ScriptFlag.temp", DATACOMPONENTKIND_SCRIPTFLAG, ""},
        {"ScriptInfo.temp", DATACOMPONENTKIND_SCRIPTINFO, ""},
        {"DrawerGem.temp", DATACOMPONENTKIND_DRAWERGEM, ""},
        {"DrawerTool.temp", DATACOMPONENTKIND_DRAWERTOOL, ""},
        {"DrawerWeapon.temp", DATACOMPONENTKIND_DRAWERWEAPON, ""},
        {"DrawerWearing.temp", DATACOMPONENTKIND_DRAWERWEARING, ""},
        {"WorldMapInfo.temp", DATACOMPONENTKIND_WORLDMAPINFO, ItemLine("PlaceCount", "INT32", "0")},
        {"Place.temp", DATACOMPONENTKIND_PLACE,
         ItemLine("PlaceName", "STRING", "") + ItemLine("ShopID", "UINT32", "0") +
             ItemLine("CanGoPlace", "VECTOR", "0", "UINT32", "4,0")},
        {"ModuleOption.temp", DATACOMPONENTKIND_MODULEOPTION, ""},
        {"ModuleState.temp", DATACOMPONENTKIND_MODULESTATE, ""},
        {"ModuleTown.temp", DATACOMPONENTKIND_MODULETOWN, ""},
        {"ModuleWorldMap.temp", DATACOMPONENTKIND_MODULEWORLDMAP, ""},
        {"RecordInfo.temp", DATACOMPONENTKIND_RECORDINFO,
         ItemLine("HaveRecord", "INT32", "0") + ItemLine("DateForCheck", "UINT32", "0")},
    };
    for (const auto& entry : templates)
        Write(std::string(s_szTemplateFolder) + entry.szFile, TemplateText(entry.dwKind, entry.strItems));
    Write(std::string(s_szTemplateFolder) + "TemplateDefine\\Warehouse.h",
          "//[File]\r\n//[Head]\r\n//@Version \"H00080001\"\r\n//[HeadEnd]\r\n"
          "#define DF_Warehouse_WarehouseGem 1 //@Combo \"魂石\"\r\n"
          "#define DF_Warehouse_WarehouseTool 2 //@Combo \"道具\"\r\n//[FileEnd]\r\n");
}

void GameDataFolder::WriteFixedData() const
{
    const struct
    {
        DWORD dwKind;
        std::vector<DWORD> templateIDs;
        std::string strBlocks;
    } tables[] = {
        {FIXEDDATAKIND_EVOLUTION, {DATACOMPONENTKIND_EVOLUTION}, Keyed(DATACOMPONENTKIND_EVOLUTION, 0, 1)},
        {FIXEDDATAKIND_GEM,
         {DATACOMPONENTKIND_GEM},
         Keyed(DATACOMPONENTKIND_GEM, 0, 1) + Keyed(DATACOMPONENTKIND_GEM, 1, 5)},
        {FIXEDDATAKIND_HYBRIDIZE,
         {DATACOMPONENTKIND_HYBRIDIZE},
         Keyed(DATACOMPONENTKIND_HYBRIDIZE, 0, 0x20005) + Keyed(DATACOMPONENTKIND_HYBRIDIZE, 1, 0x50002)},
        {FIXEDDATAKIND_JOB,
         {DATACOMPONENTKIND_JOB},
         Keyed(DATACOMPONENTKIND_JOB, 0, 3, Value("LearnSkillID", "[0],196608") + Value("LearnSkillLV", "[0],2"))},
        {FIXEDDATAKIND_LANDFORM, {DATACOMPONENTKIND_LANDFORM}, Keyed(DATACOMPONENTKIND_LANDFORM, 0, 1)},
        {FIXEDDATAKIND_PERSON, {DATACOMPONENTKIND_PERSON}, Person(0, 10)},
        {FIXEDDATAKIND_SHOP, {DATACOMPONENTKIND_SHOP}, Keyed(DATACOMPONENTKIND_SHOP, 0, 1)},
        {FIXEDDATAKIND_SKILL,
         {DATACOMPONENTKIND_SKILL, DATACOMPONENTKIND_SKILLPOWER},
         Keyed(DATACOMPONENTKIND_SKILL, 0, 0) + Keyed(DATACOMPONENTKIND_SKILL, 1, 0x30000) +
             Keyed(DATACOMPONENTKIND_SKILLPOWER, 2, 1) + Keyed(DATACOMPONENTKIND_SKILLPOWER, 3, 0x30002)},
        {FIXEDDATAKIND_TOOL,
         {DATACOMPONENTKIND_TOOL},
         Keyed(DATACOMPONENTKIND_TOOL, 0, 1) + Keyed(DATACOMPONENTKIND_TOOL, 1, 7)},
        {FIXEDDATAKIND_WEAPON,
         {DATACOMPONENTKIND_WEAPON},
         Keyed(DATACOMPONENTKIND_WEAPON, 0, 0) + Keyed(DATACOMPONENTKIND_WEAPON, 1, 1) +
             Keyed(DATACOMPONENTKIND_WEAPON, 2, 9, Value("WearPosition", "8"))},
        {FIXEDDATAKIND_WEARING, {DATACOMPONENTKIND_WEARING}, Keyed(DATACOMPONENTKIND_WEARING, 0, 1)},
    };
    for (const auto& table : tables)
        Write(FixedPath(table.dwKind), DataFileText(table.templateIDs, table.strBlocks, "ID"));
}

void GameDataFolder::WriteUnfixedData() const
{
    std::string strFloors;
    for (DWORD i = 0; i < 2; ++i)
        strFloors += BlockText(DATACOMPONENTKIND_FLOOR, i + 1, Value("Index", std::to_string(i)));
    std::string strPlaces;
    for (DWORD p = 1; p <= 2; ++p)
        strPlaces += Keyed(DATACOMPONENTKIND_PLACE, p, p, Value("ShopID", std::to_string(10 + p)));
    const struct
    {
        DWORD dwKind;
        std::vector<DWORD> templateIDs;
        std::string strBlocks;
    } files[] = {
        {UNFIXEDDATAKIND_GAME, {DATACOMPONENTKIND_GAME}, BlockText(DATACOMPONENTKIND_GAME, 0, Value("Money", "500"))},
        {UNFIXEDDATAKIND_SCENE,
         {DATACOMPONENTKIND_SCENEINFO, DATACOMPONENTKIND_FLOOR},
         BlockText(DATACOMPONENTKIND_SCENEINFO, 0, Value("MapWidth", "2")) + strFloors},
        {UNFIXEDDATAKIND_SCRIPTFLAG, {DATACOMPONENTKIND_SCRIPTFLAG}, BlockText(DATACOMPONENTKIND_SCRIPTFLAG, 0)},
        {UNFIXEDDATAKIND_SCRIPTINFO, {DATACOMPONENTKIND_SCRIPTINFO}, ""},
        {UNFIXEDDATAKIND_TEAMOUR, {DATACOMPONENTKIND_PERSON}, Person(0, 10)},
        {UNFIXEDDATAKIND_TEAMOUROUTER, {DATACOMPONENTKIND_PERSON}, ""},
        {UNFIXEDDATAKIND_TEAMFIGHT, {DATACOMPONENTKIND_PERSON}, Person(2, 10)},
        {UNFIXEDDATAKIND_WAREHOUSEGEM, {DATACOMPONENTKIND_DRAWERGEM}, BlockText(DATACOMPONENTKIND_DRAWERGEM, 0)},
        {UNFIXEDDATAKIND_WAREHOUSETOOL, {DATACOMPONENTKIND_DRAWERTOOL}, ""},
        {UNFIXEDDATAKIND_WAREHOUSEWEAPON, {DATACOMPONENTKIND_DRAWERWEAPON}, ""},
        {UNFIXEDDATAKIND_WAREHOUSEWEARING, {DATACOMPONENTKIND_DRAWERWEARING}, ""},
        {UNFIXEDDATAKIND_WORLDMAP0,
         {DATACOMPONENTKIND_WORLDMAPINFO, DATACOMPONENTKIND_PLACE},
         BlockText(DATACOMPONENTKIND_WORLDMAPINFO, 0, Value("PlaceCount", "2")) + strPlaces},
        {UNFIXEDDATAKIND_WORLDMAP1,
         {DATACOMPONENTKIND_WORLDMAPINFO, DATACOMPONENTKIND_PLACE},
         BlockText(DATACOMPONENTKIND_WORLDMAPINFO, 0, Value("PlaceCount", "1")) +
             Keyed(DATACOMPONENTKIND_PLACE, 1, 1, Value("ShopID", "21"))},
    };
    for (const auto& file : files)
        Write(UnfixedPath(file.dwKind), DataFileText(file.templateIDs, file.strBlocks));
}

void GameDataFolder::WriteModuleAndRecordData() const
{
    const DWORD adwModuleKinds[MODULEDATAKIND_LIMIT] = {
        DATACOMPONENTKIND_MODULEOPTION, DATACOMPONENTKIND_MODULESTATE, DATACOMPONENTKIND_MODULETOWN,
        DATACOMPONENTKIND_MODULEWORLDMAP};
    for (DWORD dwKind = 0; dwKind < MODULEDATAKIND_LIMIT; ++dwKind) {
        std::string strBlocks = BlockText(adwModuleKinds[dwKind], 0);
        if (dwKind == MODULEDATAKIND_WORLDMAP)
            strBlocks += Keyed(adwModuleKinds[dwKind], 1, 1);
        Write(ModulePath(dwKind), DataFileText({adwModuleKinds[dwKind]}, strBlocks));
    }
    std::string strSlots;
    for (DWORD dwSlot = 0; dwSlot < RECORD_SLOT_COUNT; ++dwSlot)
        strSlots += BlockText(DATACOMPONENTKIND_RECORDINFO, dwSlot);
    Write(std::string(g_szTemplateDataFolder) + g_szRecordDataFileName,
          DataFileText({DATACOMPONENTKIND_RECORDINFO}, strSlots));
    Write(std::string(g_szTemplateDataFolder) + g_szRecordDataSingleFileName,
          DataFileText({DATACOMPONENTKIND_RECORDINFO}, BlockText(DATACOMPONENTKIND_RECORDINFO, 0)));
}
