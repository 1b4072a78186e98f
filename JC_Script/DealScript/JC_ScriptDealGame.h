#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlGame;
class JC_DebugLog;

constexpr DWORD JE_DEALGAME_NO_CONTROL = 0x89B20001;
constexpr DWORD JE_DEALGAME_CONTROL_NOT_INITIATED = 0x89B20002;
constexpr DWORD JE_DEALGAME_UNKNOWN_COMMAND = 0x89B20101;

// "ControlGame": money and the world-map index.
class JC_ScriptDealGame : public JC_ScriptDealBase
{
public:
    DWORD Deal(const std::string& strText) override;
    virtual DWORD Initiation(JC_ControlGame* pControlGame);

private:
    JC_ControlGame* m_pControlGame = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
