#pragma once

#include "JC_DataManager/Manager/JC_DataFileManager.h"

constexpr DWORD JE_FIXEDDATA_NULL_TEMPLATE_MANAGER = 0x89010001;
constexpr DWORD JE_FIXEDDATA_TEMPLATE_MANAGER_NOT_INITIATED = 0x89010002;
constexpr DWORD JE_FIXEDDATA_NOT_INITIATED = 0x89010101;
constexpr DWORD JE_FIXEDDATA_KIND_NOT_SUPPORTED = 0x89010102;

// The eleven read-only tables of a difficulty level, one component manager
// per fixed data kind.
class JC_FixedDataManager : public JC_DataFileManager
{
public:
    JC_FixedDataManager();

    // Loads every kind in ascending order; the first failure stops it.
    DWORD InitFixedData(DWORD dwLevel);
    // A failed load leaves the kind empty.
    DWORD LoadFixedData(DWORD dwLevel, DWORD dwKind);
    JC_DataComponentMaker* GetFixedDataObj(DWORD dwKind) const;
};
