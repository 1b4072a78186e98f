#pragma once

#include "JC_Order/DealOrder/JC_OrderDealAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealChange.h"
#include "JC_Order/DealOrder/JC_OrderDealCure.h"
#include "JC_Order/DealOrder/JC_OrderDealMerge.h"
#include "JC_Order/DealOrder/JC_OrderDealPurify.h"
#include "JC_Order/DealOrder/JC_OrderDealRestoreHP.h"

class JC_OrderManager;

constexpr DWORD JE_ORDERDEALMANAGER_NULL_ORDER_MANAGER = 0x8962a001;
constexpr DWORD JE_ORDERDEALMANAGER_ORDER_MANAGER_NOT_INITIATED = 0x8962a002;

// Owns one object of each deal class and registers each with the order
// manager under its behaviour type; run after every order-manager Initiation.
class JC_OrderDealManager
{
public:
    JC_OrderDealManager() = default;
    virtual ~JC_OrderDealManager() = default;
    JC_OrderDealManager(const JC_OrderDealManager&) = delete;
    JC_OrderDealManager& operator=(const JC_OrderDealManager&) = delete;

    DWORD Initiation(JC_OrderManager* pOrderManager);

private:
    JC_OrderDealChange m_OrderDealChangeObj;
    JC_OrderDealMerge m_OrderDealMergeObj;
    JC_OrderDealCure m_OrderDealCureObj;
    JC_OrderDealRestoreHP m_OrderDealRestoreHPObj;
    JC_OrderDealAttack m_OrderDealAttackObj;
    JC_OrderDealPurify m_OrderDealPurifyObj;
};

extern JC_OrderDealManager* gp_OrderDealManagerObj;
