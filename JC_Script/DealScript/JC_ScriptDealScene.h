#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlScene;
class JC_DebugLog;

constexpr DWORD JE_DEALSCENE_NO_CONTROL = 0x89B40001;
constexpr DWORD JE_DEALSCENE_CONTROL_NOT_INITIATED = 0x89B40002;
constexpr DWORD JE_DEALSCENE_UNKNOWN_COMMAND = 0x89B40101;

// "ControlScene": the battle scene's file, map size, turns, conditions,
// scripts, starting points and music.
class JC_ScriptDealScene : public JC_ScriptDealBase
{
public:
    DWORD Deal(const std::string& strText) override;
    virtual DWORD Initiation(JC_ControlScene* pControlScene);

private:
    // The sub-commands whose argument is a number; false for another name.
    bool DealNumber(const std::string& strCommand, const std::string& strArgument, DWORD& dwResult) const;
    // The sub-commands whose argument is the whole text; false for another name.
    bool DealText(const std::string& strCommand, const std::string& strArgument) const;

    JC_ControlScene* m_pControlScene = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
