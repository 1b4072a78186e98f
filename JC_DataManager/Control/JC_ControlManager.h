#pragma once

#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlInlay.h"
#include "JC_DataManager/Control/JC_ControlModuleOption.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"
#include "JC_DataManager/Control/JC_ControlScene.h"
#include "JC_DataManager/Control/JC_ControlShop.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Control/JC_ControlTeamPerson.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"

constexpr DWORD JE_CONTROLMANAGER_NULL_DATA_MANAGER = 0x893F0001;
constexpr DWORD JE_CONTROLMANAGER_DATA_MANAGER_NOT_INITIATED = 0x893F0002;
constexpr DWORD JE_CONTROLMANAGER_NULL_BEHAVIOR_ANALYSER = 0x893F0003;

// The owner of the controls the whole game shares; the events, scripts,
// orders, battle and screens reach its members directly.
class JC_ControlManager
{
public:
    JC_ControlManager() = default;
    virtual ~JC_ControlManager() = default;
    JC_ControlManager(const JC_ControlManager&) = delete;
    JC_ControlManager& operator=(const JC_ControlManager&) = delete;

    // Initiates every member in its order; the first failure is returned
    // and leaves the manager, and the members after it, not initiated.
    virtual DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser);

    BOOL IsInitiated() const { return m_bInitiated; }
    JC_DataManager* GetDataManager() const { return m_pDataManager; }
    JC_DebugLog* GetErrorLog() const { return m_pErrorLog; }
    JC_BehaviorAnalyser* GetBehaviorAnalyser() const { return m_pBehaviorAnalyser; }

    JC_ControlGame m_ControlGameObj;
    JC_ControlInlay m_ControlInlayObj;
    JC_ControlModuleOption m_ControlModuleOptionObj;
    JC_ControlModuleState m_ControlModuleStateObj;
    JC_ControlModuleTown m_ControlModuleTownObj;
    JC_ControlModuleWorldMap m_ControlModuleWorldMapObj;
    JC_ControlScene m_ControlSceneObj;
    JC_ControlShop m_ControlShopObj;
    JC_ControlTeam m_ControlTeamObj;
    JC_ControlWarehouse m_ControlWarehouseObj;
    JC_ControlWorldMap m_ControlWorldMapObj;
    JC_ControlTeamPerson m_ControlTeamPersonObj;

private:
    BOOL m_bInitiated = FALSE;
    JC_DataManager* m_pDataManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
};

extern JC_ControlManager* gp_ControlManagerObj;
