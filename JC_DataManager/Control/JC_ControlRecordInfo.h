#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// The save slots' summaries, as the save screen lists them, and the
// data manager's operations on the slot directory. Every summary call binds
// the slot it asks about.
class JC_ControlRecordInfo : public JC_OperatorBase
{
public:
    DWORD InitRecordData();
    DWORD LoadRecordData(DWORD dwCheckTimes, DWORD dwToleranceLow, DWORD dwToleranceHigh);
    // The slot saved last, -1 when none holds a record.
    int GetLatestRecordIndex();

    DWORD SelectRecord(DWORD dwSlot);
    // 0 when the slot cannot be bound or read.
    int HaveRecord(DWORD dwSlot);
    // Empty when the slot cannot be bound or read.
    std::string GetDate(DWORD dwSlot) { return GetText(dwSlot, "Date"); }
    std::string GetPic(DWORD dwSlot) { return GetText(dwSlot, "Pic"); }
    std::string GetChapter(DWORD dwSlot) { return GetText(dwSlot, "Chapter"); }
    std::string GetPart(DWORD dwSlot) { return GetText(dwSlot, "Part"); }
    std::string GetLeaderLevel(DWORD dwSlot) { return GetText(dwSlot, "LeaderLevel"); }
    std::string GetRound(DWORD dwSlot) { return GetText(dwSlot, "Round"); }
    std::string GetMoney(DWORD dwSlot) { return GetText(dwSlot, "Money"); }

private:
    std::string GetText(DWORD dwSlot, const std::string& strItemName);
};
