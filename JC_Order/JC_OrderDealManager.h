#pragma once

#include "JC_Order/DealOrder/JC_OrderDealAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealCall.h"
#include "JC_Order/DealOrder/JC_OrderDealCatch.h"
#include "JC_Order/DealOrder/JC_OrderDealChange.h"
#include "JC_Order/DealOrder/JC_OrderDealCorpseAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealCure.h"
#include "JC_Order/DealOrder/JC_OrderDealDmgAbsorbAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealHPAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealMagicAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealMerge.h"
#include "JC_Order/DealOrder/JC_OrderDealPurify.h"
#include "JC_Order/DealOrder/JC_OrderDealRestoreHP.h"
#include "JC_Order/DealOrder/JC_OrderDealSet.h"
#include "JC_Order/DealOrder/JC_OrderDealSteal.h"
#include "JC_Order/DealOrder/JC_OrderDealUseWeaponAttack.h"

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
    JC_OrderDealSet m_OrderDealSetObj;
    JC_OrderDealCure m_OrderDealCureObj;
    JC_OrderDealRestoreHP m_OrderDealRestoreHPObj;
    JC_OrderDealAttack m_OrderDealAttackObj;
    JC_OrderDealUseWeaponAttack m_OrderDealUseWeaponAttackObj;
    JC_OrderDealMagicAttack m_OrderDealMagicAttackObj;
    JC_OrderDealDmgAbsorbAttack m_OrderDealDmgAbsorbAttackObj;
    JC_OrderDealHPAttack m_OrderDealHPAttackObj;
    JC_OrderDealCorpseAttack m_OrderDealCorpseAttackObj;
    JC_OrderDealCatch m_OrderDealCatchObj;
    JC_OrderDealSteal m_OrderDealStealObj;
    JC_OrderDealPurify m_OrderDealPurifyObj;
    JC_OrderDealCall m_OrderDealCallObj;
};

extern JC_OrderDealManager* gp_OrderDealManagerObj;
