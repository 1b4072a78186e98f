#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// The game scripts' numbered event, talk and system flags and their flag
// texts, kept in the save state's script-flag record.
class JC_ControlScriptFlag : public JC_OperatorBase
{
public:
    // Binds the script-flag record of the data manager.
    DWORD Initiation(JC_DataManager* pDataManager) override;

    // 0 when the flag cannot be read.
    int GetFlagEvent(DWORD dwIndex) { return GetFlag("FlagEvent", dwIndex); }
    int GetFlagTalk(DWORD dwIndex) { return GetFlag("FlagTalk", dwIndex); }
    int GetFlagSystem(DWORD dwIndex) { return GetFlag("FlagSystem", dwIndex); }
    // The record's result: an element outside the array is refused.
    DWORD SetFlagEvent(DWORD dwIndex, int iValue) { return SetFlag("FlagEvent", dwIndex, iValue); }
    DWORD SetFlagTalk(DWORD dwIndex, int iValue) { return SetFlag("FlagTalk", dwIndex, iValue); }
    DWORD SetFlagSystem(DWORD dwIndex, int iValue) { return SetFlag("FlagSystem", dwIndex, iValue); }
    DWORD SetFlagString(DWORD dwIndex, const std::string& strText);
    DWORD AddFlagEvent(DWORD dwIndex, int iDelta) { return AddFlag("FlagEvent", dwIndex, iDelta); }
    DWORD AddFlagTalk(DWORD dwIndex, int iDelta) { return AddFlag("FlagTalk", dwIndex, iDelta); }
    DWORD AddFlagSystem(DWORD dwIndex, int iDelta) { return AddFlag("FlagSystem", dwIndex, iDelta); }

private:
    int GetFlag(const char* szItemName, DWORD dwIndex);
    DWORD SetFlag(const char* szItemName, DWORD dwIndex, int iValue);
    DWORD AddFlag(const char* szItemName, DWORD dwIndex, int iDelta);

    BOOL m_bReady = FALSE;
};
