#pragma once

#include "JC_DataManager/Manager/JC_DataFileManager.h"

constexpr DWORD JE_OSKEL3DATA_NULL_TEMPLATE_MANAGER = 0x89019001;
constexpr DWORD JE_OSKEL3DATA_TEMPLATE_MANAGER_NOT_INITIATED = 0x89019002;
constexpr DWORD JE_OSKEL3DATA_NOT_INITIATED = 0x89019201;
constexpr DWORD JE_OSKEL3DATA_INDEX_OVERLOAD = 0x89019202;

// The previous title's save-state files this game reads, in load order.
enum Oskel3UnfixedDataKind : DWORD
{
    OSKEL3UNFIXEDDATAKIND_GAME,
    OSKEL3UNFIXEDDATAKIND_WAREHOUSEGEM,
    OSKEL3UNFIXEDDATAKIND_WAREHOUSETOOL,
    OSKEL3UNFIXEDDATAKIND_WAREHOUSEWEAPON,
    OSKEL3UNFIXEDDATAKIND_WAREHOUSEWEARING,
    OSKEL3UNFIXEDDATAKIND_LIMIT,
};

extern const char* const g_aszOskel3UnfixedDataFileNames[OSKEL3UNFIXEDDATAKIND_LIMIT];

// A save of the previous title, read from a slot folder of its installation:
// each file is wrapped in the "FEFE" envelope and parsed against the previous
// title's templates.
class JC_Oskel3UnfixedDataManager : public JC_DataFileManager
{
public:
    static constexpr DWORD MAX_SLOT = 99;

    JC_Oskel3UnfixedDataManager();

    // The installation folder ends with a backslash; the template manager
    // holds the previous title's templates.
    virtual DWORD Initiation(const std::string& strSetupPath, JC_OskelTemplateManager* pTemplateManager);
    virtual DWORD Reset();

    // Empties every kind, then loads the slot's files in kind order; after a
    // failure the failing kind and those after it stay empty.
    DWORD LoadOskel3UnfixedData(DWORD dwSlot);
    JC_DataComponentMaker* GetUnfixedDataObj(DWORD dwKind) const;

    // The slot's folder under an installation folder.
    static std::string SlotFolder(const std::string& strSetupPath, DWORD dwSlot);

private:
    // Would read from this game's folder.
    using JC_DataFileManager::Initiation;

    DWORD LoadKind(DWORD dwKind, const std::string& strPath);
};
