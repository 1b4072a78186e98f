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
        {0x10001, &m_OrderDealChangeObj},
        {0x10002, &m_OrderDealMergeObj},
        {0x10003, &m_OrderDealSetObj},
        {0x10004, &m_OrderDealCureObj},
        {0x20001, &m_OrderDealRestoreHPObj},
        {0x30001, &m_OrderDealAttackObj},
        {0x30002, &m_OrderDealUseWeaponAttackObj},
        {0x30003, &m_OrderDealMagicAttackObj},
        {0x30004, &m_OrderDealDmgAbsorbAttackObj},
        {0x30005, &m_OrderDealHPAttackObj},
        {0x30006, &m_OrderDealCorpseAttackObj},
        {0x40001, &m_OrderDealCatchObj},
        {0x40002, &m_OrderDealStealObj},
        {0x40003, &m_OrderDealPurifyObj},
        {0x50004, &m_OrderDealCallObj},
    };
    for (const auto& [dwType, pDeal] : deals)
    {
        const DWORD dwResult = pOrderManager->AddOrderDeal(dwType, pDeal);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}
