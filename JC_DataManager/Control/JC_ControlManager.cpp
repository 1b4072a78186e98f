#include "JC_DataManager/Control/JC_ControlManager.h"

#include "GameProgram/Common/XF_InitOrder.h"

namespace {

JC_ControlManager s_ControlManager XM_INIT_ORDER(XE_INIT_CONTROL_MANAGER);

} // namespace

JC_ControlManager* gp_ControlManagerObj = &s_ControlManager;

DWORD JC_ControlManager::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    m_bInitiated = FALSE;
    m_pDataManager = nullptr;
    m_pErrorLog = nullptr;
    m_pBehaviorAnalyser = nullptr;
    if (pDataManager == nullptr)
        return JE_CONTROLMANAGER_NULL_DATA_MANAGER;
    if (!pDataManager->IsInitiated())
        return JE_CONTROLMANAGER_DATA_MANAGER_NOT_INITIATED;
    if (pBehaviorAnalyser == nullptr)
        return JE_CONTROLMANAGER_NULL_BEHAVIOR_ANALYSER;
    m_pDataManager = pDataManager;
    m_pErrorLog = pDataManager->GetErrorLog();
    m_pBehaviorAnalyser = pBehaviorAnalyser;

    JC_OperatorBase* const recordControls[] = {&m_ControlGameObj, &m_ControlModuleOptionObj,
                                               &m_ControlModuleStateObj, &m_ControlModuleTownObj,
                                               &m_ControlModuleWorldMapObj};
    for (JC_OperatorBase* pControl : recordControls) {
        const DWORD dwResult = pControl->Initiation(pDataManager);
        if (dwResult != 0)
            return dwResult;
    }
    JC_ControlBase* const sharedControls[] = {&m_ControlInlayObj, &m_ControlSceneObj, &m_ControlShopObj,
                                              &m_ControlTeamObj, &m_ControlWarehouseObj};
    for (JC_ControlBase* pControl : sharedControls) {
        const DWORD dwResult = pControl->Initiation(pDataManager, pBehaviorAnalyser);
        if (dwResult != 0)
            return dwResult;
    }
    // The world map takes the data manager from the game control.
    DWORD dwResult = m_ControlWorldMapObj.Initiation(&m_ControlGameObj, pBehaviorAnalyser);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_ControlTeamPersonObj.Initiation(&m_ControlTeamObj, &m_ControlWarehouseObj);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = TRUE;
    return 0;
}
