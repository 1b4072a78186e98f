#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlTeam;
class JC_DebugLog;

constexpr DWORD JE_DEALTEAM_NO_CONTROL = 0x89B50001;
constexpr DWORD JE_DEALTEAM_CONTROL_NOT_INITIATED = 0x89B50002;
constexpr DWORD JE_DEALTEAM_UNKNOWN_COMMAND = 0x89B50101;

// "ControlTeam": persons into, out of and between the teams; teams are
// named by define keys.
class JC_ScriptDealTeam : public JC_ScriptDealBase
{
public:
    DWORD Deal(const std::string& strText) override;
    virtual DWORD Initiation(JC_ControlTeam* pControlTeam);

private:
    // The TeamID a define key stands for.
    DWORD PopTeam(std::string& strText) const;
    DWORD ReportFailure(const char* szCommand, const std::string& strText, DWORD dwResult, int iLine) const;

    JC_ControlTeam* m_pControlTeam = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
