#include "JC_Script/DealScript/JC_ScriptDealAccept.h"

#include "JC_DataManager/Control/JC_ControlManager.h"

DWORD JC_ScriptDealAccept::Initiation(JC_ControlManager* pControlManager)
{
    if (pControlManager == nullptr)
        return m_dwFamily + 1;
    if (pControlManager->IsInitiated() != TRUE)
        return m_dwFamily + 4;
    m_pControlManager = pControlManager;
    return 0;
}
