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
    void SetFlagEvent(DWORD dwIndex, int iValue) { SetFlag("FlagEvent", dwIndex, iValue); }
    void SetFlagTalk(DWORD dwIndex, int iValue) { SetFlag("FlagTalk", dwIndex, iValue); }
    void SetFlagSystem(DWORD dwIndex, int iValue) { SetFlag("FlagSystem", dwIndex, iValue); }
    void SetFlagString(DWORD dwIndex, const std::string& strText);
    void AddFlagEvent(DWORD dwIndex, int iDelta) { AddFlag("FlagEvent", dwIndex, iDelta); }
    void AddFlagTalk(DWORD dwIndex, int iDelta) { AddFlag("FlagTalk", dwIndex, iDelta); }
    void AddFlagSystem(DWORD dwIndex, int iDelta) { AddFlag("FlagSystem", dwIndex, iDelta); }

private:
    int GetFlag(const char* szItemName, DWORD dwIndex);
    void SetFlag(const char* szItemName, DWORD dwIndex, int iValue);
    void AddFlag(const char* szItemName, DWORD dwIndex, int iDelta);

    BOOL m_bReady = FALSE;
};
