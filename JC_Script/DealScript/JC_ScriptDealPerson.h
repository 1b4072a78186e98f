#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlTeamPerson;
class JC_DebugLog;

constexpr DWORD JE_DEALPERSON_NO_HANDLER = 0x89B30001;
constexpr DWORD JE_DEALPERSON_HANDLER_NOT_INITIATED = 0x89B30002;
constexpr DWORD JE_DEALPERSON_UNKNOWN_ITEM = 0x89B30101;
constexpr DWORD JE_DEALPERSON_UNKNOWN_FLAG = 0x89B30102;

// "ControlPerson": a value of a team person's record into a script flag
// ("Receive"), or a command for the person command handler.
class JC_ScriptDealPerson : public JC_ScriptDealBase
{
public:
    DWORD Deal(const std::string& strText) override;
    virtual DWORD Initiation(JC_ControlTeamPerson* pControlTeamPerson);

private:
    DWORD Receive(DWORD dwTeamID, int iTeamNumber, std::string& strRest, const std::string& strText);

    JC_ControlTeamPerson* m_pControlTeamPerson = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
