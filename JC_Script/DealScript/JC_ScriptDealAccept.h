#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlManager;

// "LoadGame" and "SaveGame": accepted, and nothing changes (the round-save
// event orders "SaveGame").
class JC_ScriptDealAccept : public JC_ScriptDealBase
{
public:
    // The family's codes: no control manager is family + 1, a control
    // manager not initiated family + 4.
    explicit JC_ScriptDealAccept(DWORD dwFamily) : m_dwFamily(dwFamily) {}

    DWORD Deal(const std::string&) override { return 0; }
    virtual DWORD Initiation(JC_ControlManager* pControlManager);

private:
    DWORD m_dwFamily;
    JC_ControlManager* m_pControlManager = nullptr;
};

constexpr DWORD JE_DEALLOAD_FAMILY = 0x89BB0000;
constexpr DWORD JE_DEALSAVE_FAMILY = 0x89BC0000;
