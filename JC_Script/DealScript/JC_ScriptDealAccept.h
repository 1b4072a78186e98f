#pragma once

#include "JC_Script/DealScript/JC_ScriptDealManagerPair.h"

constexpr DWORD JE_DEALLOAD_FAMILY = 0x89BB0000;
constexpr DWORD JE_DEALSAVE_FAMILY = 0x89BC0000;

// "LoadGame" and "SaveGame": accepted, and nothing changes (the round-save
// event orders "SaveGame").
class JC_ScriptDealAccept : public JC_ScriptDealManagerPair
{
public:
    using JC_ScriptDealManagerPair::JC_ScriptDealManagerPair;

    DWORD Deal(const std::string&) override { return 0; }
};
