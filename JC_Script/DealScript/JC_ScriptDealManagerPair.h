#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlManager;
class JC_DebugLog;
class JC_EventManager;

// Handlers that work on the game as a whole ("InitGame", "LoadGame",
// "SaveGame"): they keep the control manager and the event manager. Each
// class has its code family; the initiation's codes are family + 1 (no
// control manager), + 2 (no event manager), + 3 (event manager not
// initiated) and + 4 (control manager not initiated).
class JC_ScriptDealManagerPair : public JC_ScriptDealBase
{
public:
    explicit JC_ScriptDealManagerPair(DWORD dwFamily) : m_dwFamily(dwFamily) {}

    virtual DWORD Initiation(JC_ControlManager* pControlManager, JC_EventManager* pEventManager);

protected:
    DWORD GetFamily() const { return m_dwFamily; }

    JC_ControlManager* m_pControlManager = nullptr;
    JC_EventManager* m_pEventManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;

private:
    DWORD m_dwFamily;
};
