#pragma once

#include <windows.h>

// The data kinds of the game data layer and the files and folders they are
// read from. Every path is the game folder (ending with a backslash)
// followed by one of the folders below.

// The read-only tables of a difficulty level, one file each, in
// "Template\TemplateData\" + the level in two digits + "\".
enum FixedDataKind : DWORD
{
    FIXEDDATAKIND_EVOLUTION,
    FIXEDDATAKIND_GEM,
    FIXEDDATAKIND_HYBRIDIZE,
    FIXEDDATAKIND_JOB,
    FIXEDDATAKIND_LANDFORM,
    FIXEDDATAKIND_PERSON,
    FIXEDDATAKIND_SHOP,
    FIXEDDATAKIND_SKILL,
    FIXEDDATAKIND_TOOL,
    FIXEDDATAKIND_WEAPON,
    FIXEDDATAKIND_WEARING,
    FIXEDDATAKIND_LIMIT,
};

// The save state, one file each, loaded as a set from
// "Template\TemplateDataIrregular\" + the set in two digits + "\".
enum UnfixedDataKind : DWORD
{
    UNFIXEDDATAKIND_GAME,
    UNFIXEDDATAKIND_SCENE,
    UNFIXEDDATAKIND_SCRIPTFLAG,
    UNFIXEDDATAKIND_SCRIPTINFO,
    UNFIXEDDATAKIND_TEAMOUR,
    UNFIXEDDATAKIND_TEAMOUROUTER,
    UNFIXEDDATAKIND_TEAMFIGHT,
    UNFIXEDDATAKIND_WAREHOUSEGEM,
    UNFIXEDDATAKIND_WAREHOUSETOOL,
    UNFIXEDDATAKIND_WAREHOUSEWEAPON,
    UNFIXEDDATAKIND_WAREHOUSEWEARING,
    UNFIXEDDATAKIND_WORLDMAP0,
    UNFIXEDDATAKIND_WORLDMAP1,
    UNFIXEDDATAKIND_LIMIT,
};

// The screen layouts, one file each, in "Template\TemplateData\".
enum ModuleDataKind : DWORD
{
    MODULEDATAKIND_OPTION,
    MODULEDATAKIND_STATE,
    MODULEDATAKIND_TOWN,
    MODULEDATAKIND_WORLDMAP,
    MODULEDATAKIND_LIMIT,
};

// Things kept in warehouses and carried.
enum ThingKind : DWORD
{
    THINGKIND_GEM,
    THINGKIND_TOOL,
    THINGKIND_WEAPON,
    THINGKIND_WEARING,
    THINGKIND_LIMIT,
};

// What a record is: its UINT32 item "DataComponentKind", whose default in
// the record's template is the kind, and the template's identifier, which
// equals the kind. The high half is the alphabet position of the record
// name's initial letter written in decimal digits as hexadecimal (D = 4 is
// 0x04, P = 16 is 0x16), the low half counts the records sharing that letter
// from 1; a low half of 0xFFFF is a group an operator accepts.
enum DataComponentKind : DWORD
{
    DATACOMPONENTKIND_DRAWERGEM = 0x00040001,
    DATACOMPONENTKIND_DRAWERTOOL = 0x00040002,
    DATACOMPONENTKIND_DRAWERWEAPON = 0x00040003,
    DATACOMPONENTKIND_DRAWERWEARING = 0x00040004,
    DATACOMPONENTKIND_EVOLUTION = 0x00050001,
    DATACOMPONENTKIND_FLOOR = 0x00060001,
    DATACOMPONENTKIND_GAME = 0x00070001,
    DATACOMPONENTKIND_GEM = 0x00070002,
    DATACOMPONENTKIND_HYBRIDIZE = 0x00080001,
    DATACOMPONENTKIND_JOB = 0x00100001,
    DATACOMPONENTKIND_LANDFORM = 0x00120001,
    DATACOMPONENTKIND_MODULEOPTION = 0x00130001,
    DATACOMPONENTKIND_MODULESTATE = 0x00130002,
    DATACOMPONENTKIND_MODULETOWN = 0x00130003,
    DATACOMPONENTKIND_MODULEWORLDMAP = 0x00130004,
    DATACOMPONENTKIND_PERSON = 0x00160001,
    DATACOMPONENTKIND_PLACE = 0x00160002,
    // A save slot's directory entry: the records of "RecordData_Data.DATA"
    // and of "RecordData_DataSingle.DATA".
    DATACOMPONENTKIND_RECORDINFO = 0x00180001,
    DATACOMPONENTKIND_SCENEINFO = 0x00190001,
    DATACOMPONENTKIND_SCRIPTFLAG = 0x00190002,
    DATACOMPONENTKIND_SCRIPTINFO = 0x00190003,
    DATACOMPONENTKIND_SHOP = 0x00190004,
    DATACOMPONENTKIND_SKILL = 0x00190005,
    DATACOMPONENTKIND_SKILLPOWER = 0x00190006,
    DATACOMPONENTKIND_TOOL = 0x00200001,
    DATACOMPONENTKIND_WEAPON = 0x00230001,
    DATACOMPONENTKIND_WEARING = 0x00230002,
    DATACOMPONENTKIND_WORLDMAPINFO = 0x00230003,

    // Groups.
    DATACOMPONENTKIND_ANYDRAWER = 0x0001FFFF,
    DATACOMPONENTKIND_ANYTHING = 0x0002FFFF,
    DATACOMPONENTKIND_ANYEQUIPMENT = 0x0003FFFF,
    DATACOMPONENTKIND_ANY = 0xFFFFFFFF,
};

// Folders, relative to the game folder.
inline constexpr const char* g_szTemplateFolder = "Template\\Template\\";
inline constexpr const char* g_szTemplateDefineFolder = "Template\\Template\\TemplateDefine\\";
inline constexpr const char* g_szTemplateDataFolder = "Template\\TemplateData\\";
inline constexpr const char* g_szTemplateDataIrregularFolder = "Template\\TemplateDataIrregular\\";
inline constexpr const char* g_szSaveFolder = "Save\\";

// A level's folder of fixed tables: folder, level, file name.
inline constexpr const char* g_szFixedDataPathFormat = "%s%02d\\%s";
// A save-state set's folder: game folder, irregular-data folder, set.
inline constexpr const char* g_szUnfixedDataFolderFormat = "%s%s%02d\\";
// A save slot's folder: save folder, slot.
inline constexpr const char* g_szRecordSlotFolderFormat = "%s%02d\\";

// Fixed tables are keyed by their records' "ID" item (the file's
// "@SortItem"). Skill-power records share the skill table under the skill's
// ID with the level in the low 16 bits; hybridisation rules are keyed by
// (first person ID << 16) + second person ID.
inline constexpr const char* g_aszFixedDataFileNames[FIXEDDATAKIND_LIMIT] = {
    "FixedData_Evolution.DATA", // DATACOMPONENTKIND_EVOLUTION
    "FixedData_Gem.DATA",       // DATACOMPONENTKIND_GEM; fallback ID 1
    "FixedData_Hybridize.DATA", // DATACOMPONENTKIND_HYBRIDIZE
    "FixedData_Job.DATA",       // DATACOMPONENTKIND_JOB
    "FixedData_Landform.DATA",  // DATACOMPONENTKIND_LANDFORM
    "FixedData_Person.DATA",    // DATACOMPONENTKIND_PERSON
    "FixedData_Shop.DATA",      // DATACOMPONENTKIND_SHOP
    "FixedData_Skill.DATA",     // SKILL (fallback ID 0) and SKILLPOWER (fallback ID 1)
    "FixedData_Tool.DATA",      // DATACOMPONENTKIND_TOOL; fallback ID 1
    "FixedData_Weapon.DATA",    // DATACOMPONENTKIND_WEAPON; fallback ID 1
    "FixedData_Wearing.DATA",   // DATACOMPONENTKIND_WEARING; fallback ID 1
};

// Save-state records are addressed by their data order (0, n).
inline constexpr const char* g_aszUnfixedDataFileNames[UNFIXEDDATAKIND_LIMIT] = {
    "UnfixedData_Game.DATA",             // GAME at (0, 0)
    "UnfixedData_Scene.DATA",            // SCENEINFO at (0, 0), FLOOR i at (0, i + 1)
    "UnfixedData_ScriptFlag.DATA",       // SCRIPTFLAG at (0, 0)
    "UnfixedData_ScriptInfo.DATA",       // SCRIPTINFO records
    "UnfixedData_TeamOur.DATA",          // PERSON at (0, team position)
    "UnfixedData_TeamOurOuter.DATA",     // PERSON at (0, team position)
    "UnfixedData_TeamFight.DATA",        // PERSON at (0, team position)
    "UnfixedData_WarehouseGem.DATA",     // DRAWERGEM, dense
    "UnfixedData_WarehouseTool.DATA",    // DRAWERTOOL, dense
    "UnfixedData_WarehouseWeapon.DATA",  // DRAWERWEAPON, dense
    "UnfixedData_WarehouseWearing.DATA", // DRAWERWEARING, dense
    "UnfixedData_WorldMap0.DATA",        // WORLDMAPINFO at (0, 0), PLACE p at (0, p), p from 1
    "UnfixedData_WorldMap1.DATA",        // the same for world map 1
};

inline constexpr const char* g_aszModuleDataFileNames[MODULEDATAKIND_LIMIT] = {
    "ModuleData_Option.DATA",   // MODULEOPTION at (0, 0)
    "ModuleData_State.DATA",    // MODULESTATE at (0, 0)
    "ModuleData_Town.DATA",     // MODULETOWN at (0, 0)
    "ModuleData_WorldMap.DATA", // MODULEWORLDMAP at (0, world-map index)
};

// The save-slot directory: in the template-data folder, and each slot's
// entry in its slot folder.
inline constexpr const char* g_szRecordDataFileName = "RecordData_Data.DATA";
inline constexpr const char* g_szRecordDataSingleFileName = "RecordData_DataSingle.DATA";
inline constexpr DWORD RECORD_SLOT_COUNT = 100;
