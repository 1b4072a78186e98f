#include "JC_Script/DealScript/JC_ScriptDealManager.h"

#include "GameProgram/Common/XF_InitOrder.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <functional>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

JC_ScriptDealManager s_ScriptDealManager XM_INIT_ORDER(XE_INIT_SCRIPT_DEAL_MANAGER);

} // namespace

JC_ScriptDealManager* gp_ScriptDealManagerObj = &s_ScriptDealManager;

DWORD JC_ScriptDealManager::Initiation(JC_ControlManager* pControlManager, JC_EventManager* pEventManager)
{
    if (pEventManager == nullptr)
        return JE_DEALMANAGER_NO_EVENT_MANAGER;
    if (pControlManager == nullptr)
        return JE_DEALMANAGER_NO_CONTROL_MANAGER;
    if (pEventManager->IsInitiated() != TRUE)
        return JE_DEALMANAGER_EVENT_MANAGER_NOT_INITIATED;
    if (pControlManager->IsInitiated() != TRUE)
        return JE_DEALMANAGER_CONTROL_MANAGER_NOT_INITIATED;
    m_pControlManager = pControlManager;
    m_pEventManager = pEventManager;
    m_pErrorLog = pControlManager->GetErrorLog();
    const struct
    {
        const char* szFailure;
        std::function<DWORD()> initiate;
    } steps[] = {
        {"Initiation ScriptDealEventObj Fail.", [&] { return m_ScriptDealEventObj.Initiation(pEventManager); }},
        {"Initiation ScriptDealGameObj Fail.",
         [&] { return m_ScriptDealGameObj.Initiation(&pControlManager->m_ControlGameObj); }},
        {"Initiation ScriptDealPersonObj Fail.",
         [&] { return m_ScriptDealPersonObj.Initiation(&pControlManager->m_ControlTeamPersonObj); }},
        {"Initiation ScriptDealSceneObj Fail.",
         [&] { return m_ScriptDealSceneObj.Initiation(&pControlManager->m_ControlSceneObj); }},
        {"Initiation ScriptDealTeamObj Fail.",
         [&] { return m_ScriptDealTeamObj.Initiation(&pControlManager->m_ControlTeamObj); }},
        {"Initiation ScriptDealWarehouseObj Fail.",
         [&] { return m_ScriptDealWarehouseObj.Initiation(&pControlManager->m_ControlWarehouseObj); }},
        {"Initiation ScriptDealWorldMapObj Fail.",
         [&] { return m_ScriptDealWorldMapObj.Initiation(&pControlManager->m_ControlWorldMapObj); }},
        {"Initiation ScriptDealInitObj Fail.",
         [&] { return m_ScriptDealInitObj.Initiation(pControlManager, pEventManager); }},
        {"Initiation ScriptDealLoadObj Fail.",
         [&] { return m_ScriptDealLoadObj.Initiation(pControlManager, pEventManager); }},
        {"Initiation ScriptDealSaveObj Fail.",
         [&] { return m_ScriptDealSaveObj.Initiation(pControlManager, pEventManager); }},
    };
    for (const auto& step : steps) {
        const DWORD dwResult = step.initiate();
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " %s \r\n HRESULT:0x%08x \r\n", step.szFailure,
                                 static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_ScriptDealManager::RegisterFunctions(JC_ScriptManager* pScriptManager)
{
    if (pScriptManager == nullptr)
        return JE_DEALMANAGER_NO_SCRIPT_MANAGER;
    if (!pScriptManager->IsInitiated())
        return JE_DEALMANAGER_SCRIPT_MANAGER_NOT_INITIATED;
    const struct
    {
        const char* szName;
        JI_ScriptNotify* pHandler;
        const char* szFailure;
    } functions[] = {
        {"EventManager", &m_ScriptDealEventObj, "AddFunction EventManager Fail."},
        {"ControlGame", &m_ScriptDealGameObj, "AddFunction ControlGame Fail."},
        {"ControlPerson", &m_ScriptDealPersonObj, "AddFunction ControlPerson Fail."},
        {"ControlScene", &m_ScriptDealSceneObj, "AddFunction ControlScene Fail."},
        {"ControlTeam", &m_ScriptDealTeamObj, "AddFunction ControlTeam Fail."},
        {"ControlWarehouse", &m_ScriptDealWarehouseObj, "AddFunction ControlWarehouse Fail."},
        {"ControlWorldMap", &m_ScriptDealWorldMapObj, "AddFunction ControlWorldMap Fail."},
        {"InitGame", &m_ScriptDealInitObj, "AddFunction InitGame Fail."},
        {"LoadGame", &m_ScriptDealLoadObj, "AddFunction LoadGame Fail."},
        {"SaveGame", &m_ScriptDealSaveObj, "AddFunction SaveGame Fail."},
    };
    for (const auto& function : functions) {
        const DWORD dwResult = pScriptManager->AddFunction(function.szName, function.pHandler);
        if (dwResult != 0) {
            if (m_pErrorLog != nullptr)
                m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " %s \r\n HRESULT:0x%08x \r\n", function.szFailure,
                                     static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}
