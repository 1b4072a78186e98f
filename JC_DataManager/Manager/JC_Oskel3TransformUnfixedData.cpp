#include "JC_DataManager/Manager/JC_Oskel3TransformUnfixedData.h"

#include "JC_DataManager/Operator/JC_Oskel3OperatorBase.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DataArrayManager.h"
#include "TemplateSystem/JC_Register.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);
const char* const s_szOskel3TemplateFolder = "Template\\Oskel3Template\\";
const char* const s_szRegistryKey = "Oskel3";
const char* const s_szRegistryValue = "Path";
constexpr DWORD REGISTRY_PATH_SIZE = 256;

// The previous title's closing save slots and the story progress each needs,
// in the order they are carried over.
struct JS_CriticalSlot
{
    DWORD dwSlot;
    int iRequiredFlag;
};
constexpr JS_CriticalSlot s_CriticalSlots[] = {{96, 2}, {97, 1}};
constexpr DWORD EVENT_FLAG_INDEX = 450;
constexpr DWORD MAX_THING_COUNT = 99;

bool IsFailure(DWORD dwResult)
{
    return static_cast<LONG>(dwResult) < 0;
}

std::string FormatLine(const char* szFormat, int iFirst, int iSecond = 0)
{
    char szLine[128];
    std::snprintf(szLine, sizeof(szLine), szFormat, iFirst, iSecond);
    return szLine;
}

} // namespace

const JC_Oskel3TransformUnfixedData::JS_Warehouse JC_Oskel3TransformUnfixedData::s_Warehouses[4] = {
    {"TransformWarehouseGem", OSKEL3UNFIXEDDATAKIND_WAREHOUSEGEM, true,
     "ControlWarehouse,AddThing,DF_Warehouse_WarehouseGem,%d,%d", JS_OSKEL3IMPORT_NO_WAREHOUSEGEM},
    {"TransformWarehouseTool", OSKEL3UNFIXEDDATAKIND_WAREHOUSETOOL, true,
     "ControlWarehouse,AddThing,DF_Warehouse_WarehouseTool,%d,%d", JS_OSKEL3IMPORT_NO_WAREHOUSETOOL},
    {"TransformWarehouseWeapon", OSKEL3UNFIXEDDATAKIND_WAREHOUSEWEAPON, false,
     "ControlWarehouse,AddThing,DF_Warehouse_WarehouseWeapon,%d,1", JS_OSKEL3IMPORT_NO_WAREHOUSEWEAPON},
    {"TransformWarehouseWearing", OSKEL3UNFIXEDDATAKIND_WAREHOUSEWEARING, false,
     "ControlWarehouse,AddThing,DF_Warehouse_WarehouseWearing,%d,1", JS_OSKEL3IMPORT_NO_WAREHOUSEWEARING},
};

DWORD JC_Oskel3TransformUnfixedData::Initiation(JC_ScriptManager* pScriptManager)
{
    m_bInitiated = FALSE;
    m_pScriptManager = pScriptManager;
    if (pScriptManager == nullptr)
        return JE_OSKEL3IMPORT_NULL_SCRIPT_MANAGER;
    m_pErrorLog = pScriptManager->GetErrorLog();
    if (m_pErrorLog == nullptr)
        return JE_OSKEL3IMPORT_NO_LOG;
    m_strRootPath = pScriptManager->GetDataManager()->GetPath();
    DWORD dwResult = GetOskel3SetupPath(m_strSetupPath);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " GetOskel3SetupPath Fail. \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_OskelTemplateManagerObj.SetExtendPath(s_szOskel3TemplateFolder, s_szOskel3TemplateFolder);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Transform OskelTemplateManagerObj SetExtendPath Fail. \r\n HRESULT:0x%08x \r\n ",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_Oskel3TransformUnfixedData::GetOskel3SetupPath(std::string& strPath) const
{
    strPath.clear();
    const JC_Register registry;
    HKEY hKey = nullptr;
    if (registry.RegKeyOpenSubKey(HKEY_CURRENT_USER, s_szRegistryKey, hKey) != ERROR_SUCCESS) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Oskel3TransformUnfixedData GetOskel3SetupPath Fail. \r\n RegKeyOpenSubKeyFail. \r\n");
        return JE_OSKEL3IMPORT_REG_OPEN;
    }
    // One byte more than the value may fill, so the text always ends.
    BYTE abyPath[REGISTRY_PATH_SIZE + 1] = {};
    DWORD dwSize = REGISTRY_PATH_SIZE;
    const LONG lRead = registry.RegKeyReadValue(hKey, s_szRegistryValue, abyPath, dwSize);
    const char* const szPath = reinterpret_cast<const char*>(abyPath);
    // An empty path names no installation.
    if (lRead != ERROR_SUCCESS || szPath[0] == '\0') {
        registry.RegKeyCloseSubKey(hKey);
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Oskel3TransformUnfixedData GetOskel3SetupPath Fail. \r\n RegKeyReadValueFail. \r\n");
        return JE_OSKEL3IMPORT_REG_READ;
    }
    if (registry.RegKeyCloseSubKey(hKey) != ERROR_SUCCESS) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Oskel3TransformUnfixedData GetOskel3SetupPath Fail. \r\n RegKeyCloseSubKeyFail. \r\n");
        return JE_OSKEL3IMPORT_REG_CLOSE;
    }
    strPath.assign(szPath, strnlen(szPath, dwSize));
    // The slot folders are appended to it.
    if (strPath.back() != '\\')
        strPath += '\\';
    return 0;
}

bool JC_Oskel3TransformUnfixedData::IsSlotThere(DWORD dwSlot) const
{
    std::string strProbe = JC_Oskel3UnfixedDataManager::SlotFolder(m_strSetupPath, dwSlot);
    strProbe.pop_back();
    WIN32_FIND_DATAA findData;
    const HANDLE hFind = FindFirstFileA(strProbe.c_str(), &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    FindClose(hFind);
    return true;
}

DWORD JC_Oskel3TransformUnfixedData::Transform(DWORD dwMode)
{
    if (!m_bInitiated)
        return JE_OSKEL3IMPORT_NOT_INITIATED;
    bool abSlotThere[std::size(s_CriticalSlots)] = {};
    bool bAnySlot = false;
    for (size_t i = 0; i < std::size(s_CriticalSlots); ++i) {
        abSlotThere[i] = IsSlotThere(s_CriticalSlots[i].dwSlot);
        bAnySlot = bAnySlot || abSlotThere[i];
    }
    if (!bAnySlot) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " NotToGoThroughCriticalTest. \r\n ");
        return JE_OSKEL3IMPORT_NO_SLOT;
    }
    DWORD dwResult = InitiateOskel3Data();
    if (dwResult != 0)
        return dwResult;
    for (size_t i = 0; i < std::size(s_CriticalSlots); ++i) {
        if (!abSlotThere[i])
            continue;
        dwResult = TransformSlot(s_CriticalSlots[i].dwSlot, dwMode, s_CriticalSlots[i].iRequiredFlag);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_Oskel3TransformUnfixedData::InitiateOskel3Data()
{
    m_Oskel3UnfixedDataManagerObj.Reset();
    DWORD dwResult = m_OskelTemplateManagerObj.LoadTemplateFiles(m_strRootPath, m_pErrorLog);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Transform OskelTemplateManagerObjInitiation Fail. \r\n HRESULT:0x%08x \r\n ",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_Oskel3UnfixedDataManagerObj.Initiation(m_strSetupPath, &m_OskelTemplateManagerObj);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Transform Oskel3UnfixedDataManagerObjInitiation Fail. \r\n HRESULT:0x%08x \r\n ",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    return 0;
}

DWORD JC_Oskel3TransformUnfixedData::TransformSlot(DWORD dwSlot, DWORD dwMode, int iRequiredFlag)
{
    DWORD dwResult = m_Oskel3UnfixedDataManagerObj.LoadOskel3UnfixedData(dwSlot);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Transform Oskel3UnfixedDataManagerObj LoadUnfixedData(%d) Fail. \r\n HRESULT:0x%08x \r\n ",
                             static_cast<int>(dwSlot), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = TransformGame(dwMode, iRequiredFlag);
    if (dwResult == JS_OSKEL3IMPORT_NO_EVENT_FLAG) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " Transform Success. \r\n NoEventFlag. \r\n ");
        return dwResult;
    }
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " Transform Fail. \r\n TransformGame. \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    if (dwMode == MODE_CHECK)
        return 0;
    // A warehouse that fails keeps what it added and does not stop the others.
    for (const JS_Warehouse& warehouse : s_Warehouses) {
        dwResult = TransformWarehouse(warehouse);
        if (dwResult != 0)
            m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " Transform Fail. \r\n %s. \r\n HRESULT:0x%08x \r\n",
                                 warehouse.szName, static_cast<unsigned>(dwResult));
    }
    return 0;
}

DWORD JC_Oskel3TransformUnfixedData::TransformGame(DWORD dwMode, int iRequiredFlag)
{
    const JC_DataComponentMaker* pManager =
        m_Oskel3UnfixedDataManagerObj.GetUnfixedDataObj(OSKEL3UNFIXEDDATAKIND_GAME);
    if (pManager == nullptr) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " TransformGame GetUnfixedDataObj Fail. \r\n");
        return JS_OSKEL3IMPORT_NO_GAME;
    }
    JC_DataComponent* pRecord = nullptr;
    DWORD dwResult = pManager->GetComponentOrFail(JC_DataOrder{0, 0}, pRecord);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " TransformGame GetDataComponent Fail. \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    JC_Oskel3OperatorBase game;
    dwResult = game.Initiation(m_pErrorLog, pRecord);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " TransformGame Oskel3OperatorBaseObjInitiation Fail. \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    int iEventFlag = 0;
    dwResult = game.GetItemData("EventFlag", EVENT_FLAG_INDEX, &iEventFlag);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " TransformGame GetItemData(EventFlag) Fail. \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    if (iEventFlag != iRequiredFlag)
        return JS_OSKEL3IMPORT_NO_EVENT_FLAG;
    if (dwMode == MODE_CHECK)
        return 0;
    // A save without its money carries 0.
    int iMoney = 0;
    game.GetItemData("Money", 0, &iMoney);
    dwResult = RunLine("TransformGame", FormatLine("ControlGame,AddMoney,%d", iMoney));
    return IsFailure(dwResult) ? dwResult : 0;
}

DWORD JC_Oskel3TransformUnfixedData::TransformWarehouse(const JS_Warehouse& warehouse)
{
    const JC_DataComponentMaker* pManager = m_Oskel3UnfixedDataManagerObj.GetUnfixedDataObj(warehouse.dwKind);
    if (pManager == nullptr) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " %s GetUnfixedDataObj Fail. \r\n", warehouse.szName);
        return warehouse.dwMissing;
    }
    // Only an ARRAY file has record positions to walk.
    const DWORD dwCount = pManager->GetDistributeType() == JC_DataComponentMaker::DISTRIBUTE_ARRAY
                              ? static_cast<const JC_DataArrayManager*>(pManager)->GetComponentCount()
                              : 0;
    for (DWORD dwPosition = 0; dwPosition < dwCount; ++dwPosition) {
        const DWORD dwResult = TransformDrawer(warehouse, pManager, dwPosition);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_Oskel3TransformUnfixedData::TransformDrawer(const JS_Warehouse& warehouse,
                                                     const JC_DataComponentMaker* pManager, DWORD dwPosition)
{
    JC_DataComponent* pRecord = nullptr;
    DWORD dwResult = pManager->GetComponentOrFail(JC_DataOrder{0, dwPosition}, pRecord);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " %s GetDataComponent Fail. \r\n HRESULT:0x%08x \r\n",
                             warehouse.szName, static_cast<unsigned>(dwResult));
        return dwResult;
    }
    JC_Oskel3OperatorBase drawer;
    dwResult = drawer.Initiation(m_pErrorLog, pRecord);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " %s Oskel3OperatorBaseObjInitiation Fail. \r\n HRESULT:0x%08x \r\n", warehouse.szName,
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    DWORD dwThingID = 0;
    dwResult = drawer.GetItemData("ThingID", 0, &dwThingID);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " %s GetItemData(ID) Fail. \r\n HRESULT:0x%08x \r\n",
                             warehouse.szName, static_cast<unsigned>(dwResult));
        return dwResult;
    }
    DWORD dwThingCount = 1;
    if (warehouse.bCounted) {
        dwResult = drawer.GetItemData("ThingCount", 0, &dwThingCount);
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " %s GetItemData(ThingCount) Fail. \r\n HRESULT:0x%08x \r\n",
                                 warehouse.szName, static_cast<unsigned>(dwResult));
            return dwResult;
        }
        dwThingCount = std::min(dwThingCount, MAX_THING_COUNT);
    }
    // ID 0 is an empty place.
    if (dwThingID == 0)
        return 0;
    // This game counts thing IDs from one more than the previous title did.
    const int iNewID = static_cast<int>(dwThingID + 1);
    dwResult = RunLine(warehouse.szName,
                       FormatLine(warehouse.szLineFormat, iNewID, static_cast<int>(dwThingCount)));
    if (IsFailure(dwResult)) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " Check ID(Old):%d => ID(New):%d ", static_cast<int>(dwThingID),
                             iNewID);
        return dwResult;
    }
    return 0;
}

DWORD JC_Oskel3TransformUnfixedData::RunLine(const char* szStep, const std::string& strLine) const
{
    const DWORD dwResult = m_pScriptManager->RealTimeScript(strLine);
    if (IsFailure(dwResult))
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " %s RealTimeScript Fail. \r\n Script:%s \r\n HRESULT:0x%08x \r\n",
                             szStep, strLine.c_str(), static_cast<unsigned>(dwResult));
    return dwResult;
}
