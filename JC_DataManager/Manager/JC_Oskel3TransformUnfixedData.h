#pragma once

#include "JC_DataManager/Manager/JC_Oskel3UnfixedDataManager.h"

class JC_ScriptManager;

constexpr DWORD JE_OSKEL3IMPORT_NULL_SCRIPT_MANAGER = 0x89018001;
constexpr DWORD JE_OSKEL3IMPORT_NO_LOG = 0x89018002;
constexpr DWORD JE_OSKEL3IMPORT_NOT_INITIATED = 0x89018101;
constexpr DWORD JE_OSKEL3IMPORT_NO_SLOT = 0x89018102;
constexpr DWORD JE_OSKEL3IMPORT_REG_OPEN = 0x89018E01;
constexpr DWORD JE_OSKEL3IMPORT_REG_READ = 0x89018E02;
constexpr DWORD JE_OSKEL3IMPORT_REG_CLOSE = 0x89018E03;
// Statuses (top bit clear): nothing or part of the save was carried over.
constexpr DWORD JS_OSKEL3IMPORT_NO_GAME = 0x49018201;
constexpr DWORD JS_OSKEL3IMPORT_NO_EVENT_FLAG = 0x49018202;
constexpr DWORD JS_OSKEL3IMPORT_NO_WAREHOUSEGEM = 0x49018301;
constexpr DWORD JS_OSKEL3IMPORT_NO_WAREHOUSETOOL = 0x49018401;
constexpr DWORD JS_OSKEL3IMPORT_NO_WAREHOUSEWEAPON = 0x49018501;
constexpr DWORD JS_OSKEL3IMPORT_NO_WAREHOUSEWEARING = 0x49018601;

// Carries money and warehouse things over from a save of the previous title:
// its installation comes from the registry, one of its two closing save
// slots must show the required story progress, and the old records become
// script lines of this game run at once.
class JC_Oskel3TransformUnfixedData
{
public:
    // Transform's mode that only checks whether an import is possible.
    static constexpr DWORD MODE_CHECK = 1;

    JC_Oskel3TransformUnfixedData() = default;
    virtual ~JC_Oskel3TransformUnfixedData() = default;
    JC_Oskel3TransformUnfixedData(const JC_Oskel3TransformUnfixedData&) = delete;
    JC_Oskel3TransformUnfixedData& operator=(const JC_Oskel3TransformUnfixedData&) = delete;

    DWORD Initiation(JC_ScriptManager* pScriptManager);
    // Reloads the previous title's save and, unless checking, carries it
    // over: 0, JS_OSKEL3IMPORT_NO_EVENT_FLAG or a failure.
    DWORD Transform(DWORD dwMode);

private:
    // One warehouse of the previous title and the lines that carry it over.
    struct JS_Warehouse
    {
        const char* szName;
        DWORD dwKind;
        // Gems and tools carry a count; weapons and wearings are one a record.
        bool bCounted;
        const char* szLineFormat;
        DWORD dwMissing;
    };
    static const JS_Warehouse s_Warehouses[4];

    DWORD GetOskel3SetupPath(std::string& strPath) const;
    bool IsSlotThere(DWORD dwSlot) const;
    // Reloads the previous title's templates and readies its save manager.
    DWORD InitiateOskel3Data();
    DWORD TransformSlot(DWORD dwSlot, DWORD dwMode, int iRequiredFlag);
    DWORD TransformGame(DWORD dwMode, int iRequiredFlag);
    DWORD TransformWarehouse(const JS_Warehouse& warehouse);
    DWORD TransformDrawer(const JS_Warehouse& warehouse, const JC_DataComponentMaker* pManager, DWORD dwPosition);
    // Runs one line at once; a failure is logged under the step's name.
    DWORD RunLine(const char* szStep, const std::string& strLine) const;

    BOOL m_bInitiated = FALSE;
    JC_ScriptManager* m_pScriptManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_OskelTemplateManager m_OskelTemplateManagerObj;
    JC_Oskel3UnfixedDataManager m_Oskel3UnfixedDataManagerObj;
    std::string m_strSetupPath;
    std::string m_strRootPath;
};
