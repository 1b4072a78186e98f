#pragma once

#include "JC_DataManager/Manager/JC_DataFileManager.h"

constexpr DWORD JE_UNFIXEDDATA_NULL_TEMPLATE_MANAGER = 0x89011001;
constexpr DWORD JE_UNFIXEDDATA_TEMPLATE_MANAGER_NOT_INITIATED = 0x89011002;
constexpr DWORD JE_UNFIXEDDATA_NOT_INITIATED = 0x89011101;
constexpr DWORD JE_UNFIXEDDATA_INDEX_OVERLOAD = 0x89011102;

// The save state: one component manager per save-state kind, loaded as a
// whole from one of the initial sets.
class JC_UnfixedDataManager : public JC_DataFileManager
{
public:
    static constexpr DWORD MAX_SET_INDEX = 1;

    JC_UnfixedDataManager();

    // Empties every kind, then loads the set's files in kind order; after a
    // failure the failing kind and those after it stay empty.
    DWORD InitUnfixedData(DWORD dwSetIndex);
    JC_DataComponentMaker* GetUnfixedDataObj(DWORD dwKind) const;
};
