#include "JC_Script/DealScript/JC_ScriptDealManagerPair.h"

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"

DWORD JC_ScriptDealManagerPair::Initiation(JC_ControlManager* pControlManager, JC_EventManager* pEventManager)
{
    if (pControlManager == nullptr)
        return m_dwFamily + 1;
    if (pEventManager == nullptr)
        return m_dwFamily + 2;
    if (pEventManager->IsInitiated() != TRUE)
        return m_dwFamily + 3;
    if (pControlManager->IsInitiated() != TRUE)
        return m_dwFamily + 4;
    m_pControlManager = pControlManager;
    m_pEventManager = pEventManager;
    m_pErrorLog = pControlManager->GetErrorLog();
    return 0;
}
