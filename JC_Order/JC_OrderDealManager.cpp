#include "JC_Order/JC_OrderDealManager.h"

#include "GameProgram/Common/XF_InitOrder.h"
#include "JC_Order/JC_OrderManager.h"

static JC_OrderDealManager s_OrderDealManagerObj XM_INIT_ORDER(XE_INIT_ORDER_DEAL_MANAGER);
JC_OrderDealManager* gp_OrderDealManagerObj = &s_OrderDealManagerObj;

DWORD JC_OrderDealManager::Initiation(JC_OrderManager* pOrderManager)
{
    if (pOrderManager == nullptr)
        return JE_ORDERDEALMANAGER_NULL_ORDER_MANAGER;
    if (!pOrderManager->IsInitiated())
        return JE_ORDERDEALMANAGER_ORDER_MANAGER_NOT_INITIATED;
    const std::pair<DWORD, JI_OrderDeal*> deals[] = {
        {0x10001, &m_OrderDealChangeObj}, {0x10002, &m_OrderDealMergeObj},    {0x10004, &m_OrderDealCureObj},
        {0x20001, &m_OrderDealRestoreHPObj}, {0x30001, &m_OrderDealAttackObj}, {0x40003, &m_OrderDealPurifyObj},
    };
    for (const auto& [dwType, pDeal] : deals)
    {
        const DWORD dwResult = pOrderManager->AddOrderDeal(dwType, pDeal);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}
