#pragma once

#include "JC_Script/DealScript/JC_ScriptDealAccept.h"
#include "JC_Script/DealScript/JC_ScriptDealEvent.h"
#include "JC_Script/DealScript/JC_ScriptDealGame.h"
#include "JC_Script/DealScript/JC_ScriptDealInit.h"
#include "JC_Script/DealScript/JC_ScriptDealPerson.h"
#include "JC_Script/DealScript/JC_ScriptDealScene.h"
#include "JC_Script/DealScript/JC_ScriptDealTeam.h"
#include "JC_Script/DealScript/JC_ScriptDealWarehouse.h"
#include "JC_Script/DealScript/JC_ScriptDealWorldMap.h"

class JC_ControlManager;
class JC_DebugLog;
class JC_EventManager;
class JC_ScriptManager;

constexpr DWORD JE_DEALMANAGER_NO_EVENT_MANAGER = 0x89BD0001;
constexpr DWORD JE_DEALMANAGER_NO_CONTROL_MANAGER = 0x89BD0002;
constexpr DWORD JE_DEALMANAGER_EVENT_MANAGER_NOT_INITIATED = 0x89BD0003;
constexpr DWORD JE_DEALMANAGER_CONTROL_MANAGER_NOT_INITIATED = 0x89BD0004;
constexpr DWORD JE_DEALMANAGER_NO_SCRIPT_MANAGER = 0x89BD0031;
constexpr DWORD JE_DEALMANAGER_SCRIPT_MANAGER_NOT_INITIATED = 0x89BD0032;

// The owner of the ten script handlers: it initiates them on the control
// manager's controls and the event manager, and registers them with the
// script manager.
class JC_ScriptDealManager
{
public:
    JC_ScriptDealManager() = default;
    JC_ScriptDealManager(const JC_ScriptDealManager&) = delete;
    JC_ScriptDealManager& operator=(const JC_ScriptDealManager&) = delete;
    virtual ~JC_ScriptDealManager() = default;

    // Initiates the handlers in order; the first failure stops and is
    // returned. May be called again to initiate them anew.
    virtual DWORD Initiation(JC_ControlManager* pControlManager, JC_EventManager* pEventManager);
    virtual DWORD RegisterFunctions(JC_ScriptManager* pScriptManager);

private:
    JC_ControlManager* m_pControlManager = nullptr;
    JC_EventManager* m_pEventManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_ScriptDealEvent m_ScriptDealEventObj;
    JC_ScriptDealGame m_ScriptDealGameObj;
    JC_ScriptDealPerson m_ScriptDealPersonObj;
    JC_ScriptDealScene m_ScriptDealSceneObj;
    JC_ScriptDealTeam m_ScriptDealTeamObj;
    JC_ScriptDealWarehouse m_ScriptDealWarehouseObj;
    JC_ScriptDealWorldMap m_ScriptDealWorldMapObj;
    JC_ScriptDealInit m_ScriptDealInitObj;
    JC_ScriptDealAccept m_ScriptDealLoadObj{JE_DEALLOAD_FAMILY};
    JC_ScriptDealAccept m_ScriptDealSaveObj{JE_DEALSAVE_FAMILY};
};

extern JC_ScriptDealManager* gp_ScriptDealManagerObj;
