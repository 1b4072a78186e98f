#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlWarehouse;
class JC_DebugLog;

constexpr DWORD JE_DEALWAREHOUSE_NO_CONTROL = 0x89B60001;
constexpr DWORD JE_DEALWAREHOUSE_CONTROL_NOT_INITIATED = 0x89B60002;
constexpr DWORD JE_DEALWAREHOUSE_UNKNOWN_COMMAND = 0x89B60101;

// "ControlWarehouse": things into the warehouses, or a warehouse emptied;
// warehouses are named by define keys.
class JC_ScriptDealWarehouse : public JC_ScriptDealBase
{
public:
    DWORD Deal(const std::string& strText) override;
    virtual DWORD Initiation(JC_ControlWarehouse* pControlWarehouse);

private:
    DWORD ReportFailure(const char* szCommand, const std::string& strText, DWORD dwResult, int iLine) const;

    JC_ControlWarehouse* m_pControlWarehouse = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
