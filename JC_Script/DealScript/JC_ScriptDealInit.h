#pragma once

#include "JC_Script/DealScript/JC_ScriptDealManagerPair.h"

constexpr DWORD JE_DEALINIT_FAMILY = 0x89BA0000;
constexpr DWORD JE_DEALINIT_NO_CONTROL_MANAGER = 0x89BA0001;
constexpr DWORD JE_DEALINIT_INDEX_OVERFLOW = 0x89BA0101;

// "InitGame,Level,InitIndex": loads the fixed data of the level and the save
// state set, then initiates every manager of the game anew on them.
class JC_ScriptDealInit : public JC_ScriptDealManagerPair
{
public:
    JC_ScriptDealInit() : JC_ScriptDealManagerPair(JE_DEALINIT_FAMILY) {}

    DWORD Deal(const std::string& strText) override;

private:
    // The data manager's loads; the first failure stops them.
    DWORD LoadData(int iLevel, int iInitIndex);
    // Every manager bound anew to the data now loaded; the first failure.
    DWORD InitiateManagers();
};
