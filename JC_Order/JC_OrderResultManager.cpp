#include "JC_Order/JC_OrderResultManager.h"

DWORD JC_OrderResultManager::Initiation()
{
    m_ActiveResults.clear();
    m_PassiveResults.clear();
    m_FollowResults.clear();
    return InitiationFinalResult();
}

DWORD JC_OrderResultManager::InitiationFinalResult()
{
    m_FinalActiveResults.clear();
    m_FinalPassiveResults.clear();
    m_FinalOtherResult.Clear();
    return 0;
}
