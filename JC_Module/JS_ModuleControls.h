#pragma once

class JC_BehaviorAnalyser;
class JC_ControlGame;
class JC_ControlInlay;
class JC_ControlManager;
class JC_ControlModuleOption;
class JC_ControlModuleState;
class JC_ControlModuleTown;
class JC_ControlModuleWorldMap;
class JC_ControlScene;
class JC_ControlShop;
class JC_ControlTeam;
class JC_ControlWarehouse;
class JC_ControlWorldMap;
class JC_DataManager;
class JC_DebugLog;

// What a screen borrows of the control manager: its log, managers and the
// addresses of its member controls. Documents and views hold one each.
struct JS_ModuleControls
{
    JC_DebugLog* pErrorLog = nullptr;
    JC_DataManager* pDataManager = nullptr;
    JC_BehaviorAnalyser* pBehaviorAnalyser = nullptr;
    JC_ControlGame* pControlGame = nullptr;
    JC_ControlInlay* pControlInlay = nullptr;
    JC_ControlModuleOption* pControlModuleOption = nullptr;
    JC_ControlModuleState* pControlModuleState = nullptr;
    JC_ControlModuleTown* pControlModuleTown = nullptr;
    JC_ControlModuleWorldMap* pControlModuleWorldMap = nullptr;
    JC_ControlScene* pControlScene = nullptr;
    JC_ControlShop* pControlShop = nullptr;
    JC_ControlTeam* pControlTeam = nullptr;
    JC_ControlWarehouse* pControlWarehouse = nullptr;
    JC_ControlWorldMap* pControlWorldMap = nullptr;

    // Takes everything from an initiated control manager.
    void Bind(JC_ControlManager& controlManager);
};
