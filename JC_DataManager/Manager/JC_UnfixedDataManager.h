#pragma once

#include "JC_DataManager/Manager/JC_DataFileManager.h"

constexpr DWORD JE_UNFIXEDDATA_NULL_TEMPLATE_MANAGER = 0x89011001;
constexpr DWORD JE_UNFIXEDDATA_TEMPLATE_MANAGER_NOT_INITIATED = 0x89011002;
constexpr DWORD JE_UNFIXEDDATA_NOT_INITIATED = 0x89011101;
constexpr DWORD JE_UNFIXEDDATA_INDEX_OVERLOAD = 0x89011102;
constexpr DWORD JE_UNFIXEDDATA_SCRIPT_POSITION = 0x89011111;
constexpr DWORD JE_UNFIXEDDATA_SCENE_FLOORS = 0x89011112;

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

private:
    // What a kind's records must hold beyond what its file format checks;
    // a refusal leaves the kind empty.
    DWORD CheckLoadedKind(DWORD dwKind, const std::string& strPath) const;
    // A kind of one record: the others are never read, which is reported.
    void NoteRecordsPastTheFirst(DWORD dwKind, const std::string& strPath) const;
    // A floor under every cell of the stated map size, and no position
    // without its floor: the battle reads them all.
    DWORD CheckSceneFloors(const std::string& strPath) const;
    // Every stacked script's line count matches its lines and its next line
    // lies within them (its end included), so a pass never reads past them.
    DWORD CheckScriptPositions(const std::string& strPath) const;
};
