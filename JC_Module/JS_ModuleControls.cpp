#include "JC_Module/JS_ModuleControls.h"

#include "JC_DataManager/Control/JC_ControlManager.h"

void JS_ModuleControls::Bind(JC_ControlManager& controlManager)
{
    pErrorLog = controlManager.GetErrorLog();
    pDataManager = controlManager.GetDataManager();
    pBehaviorAnalyser = controlManager.GetBehaviorAnalyser();
    pControlGame = &controlManager.m_ControlGameObj;
    pControlInlay = &controlManager.m_ControlInlayObj;
    pControlModuleOption = &controlManager.m_ControlModuleOptionObj;
    pControlModuleState = &controlManager.m_ControlModuleStateObj;
    pControlModuleTown = &controlManager.m_ControlModuleTownObj;
    pControlModuleWorldMap = &controlManager.m_ControlModuleWorldMapObj;
    pControlScene = &controlManager.m_ControlSceneObj;
    pControlShop = &controlManager.m_ControlShopObj;
    pControlTeam = &controlManager.m_ControlTeamObj;
    pControlWarehouse = &controlManager.m_ControlWarehouseObj;
    pControlWorldMap = &controlManager.m_ControlWorldMapObj;
}
