#pragma once

#include "JC_DataManager/Manager/JC_DataFileManager.h"

constexpr DWORD JE_MODULEDATA_NULL_TEMPLATE_MANAGER = 0x89012001;
constexpr DWORD JE_MODULEDATA_TEMPLATE_MANAGER_NOT_INITIATED = 0x89012002;
constexpr DWORD JE_MODULEDATA_NOT_INITIATED = 0x89012101;
constexpr DWORD JE_MODULEDATA_KIND_NOT_SUPPORTED = 0x89012102;

// The four screen layouts, one component manager per module data kind.
class JC_ModuleDataManager : public JC_DataFileManager
{
public:
    JC_ModuleDataManager();

    // Loads every kind in ascending order; the first failure stops it.
    DWORD InitModuleData();
    // A failed load leaves the kind empty.
    DWORD LoadModuleData(DWORD dwKind);
    JC_DataComponentMaker* GetModuleDataObj(DWORD dwKind) const;
};
