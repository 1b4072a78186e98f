#pragma once

#include "JC_DataManager/Manager/JC_DataFileManager.h"

constexpr DWORD JE_RECORDDATA_NULL_TEMPLATE_MANAGER = 0x89014001;
constexpr DWORD JE_RECORDDATA_TEMPLATE_MANAGER_NOT_INITIATED = 0x89014002;
constexpr DWORD JE_RECORDDATA_INIT_NOT_INITIATED = 0x89014101;
constexpr DWORD JE_RECORDDATA_LOAD_NOT_INITIATED = 0x89014301;

// The save-slot directory: one record per slot in the record list, filled
// from the slot folders under "Save\", and the slot saved last. It writes
// nothing to disk.
class JC_RecordDataManager : public JC_DataFileManager
{
public:
    // Slots GetLatestRecordIndex looks at: the first 95 of the directory.
    static constexpr DWORD LATEST_SEARCH_SLOTS = 95;

    JC_RecordDataManager();

    // Loads the record list and the single-record template.
    DWORD InitRecordData();
    // Reads every slot's entry into the list. A slot without its entry file,
    // or whose file cannot be read as an entry, is reset to the defaults; with
    // bCheckTimes 1, a slot whose ".data" files were written further apart
    // than the tolerance (in milliseconds, as two 32-bit halves) keeps what
    // it held.
    DWORD LoadRecordData(DWORD dwCheckTimes, DWORD dwToleranceLow, DWORD dwToleranceHigh);
    // The slot with the largest "DateForCheck" among the saved slots of the
    // first 95, the lower of equals; -1 when none, or a failure code.
    int GetLatestRecordIndex();

    JC_DataComponentMaker* GetRecordList() const;
    JC_DataComponentMaker* GetSingleRecord() const;

private:
    enum JE_Slot : DWORD
    {
        SLOT_RECORD_LIST,
        SLOT_SINGLE_RECORD,
        SLOT_COUNT,
    };

    DWORD LoadTemplateFile(DWORD dwSlot, const std::string& strFileName);
    std::string SlotFolder(DWORD dwSlot) const;
    // Whether the slot's ".data" files were all written within the tolerance
    // of the first one.
    bool AreSlotFilesConsistent(const std::string& strFolder, ULONGLONG ullTolerance) const;
    // Copies the slot file's entry into the slot's list record; false when the
    // file cannot be read as an entry.
    bool ReadSlotEntry(DWORD dwSlot, const std::string& strPath, JC_DataComponent& listRecord);
    DWORD ReadLatestCandidate(DWORD dwSlot, JC_DataComponent& record, DWORD& dwHaveRecord, DWORD& dwDate) const;
};
