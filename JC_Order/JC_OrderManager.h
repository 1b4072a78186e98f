#pragma once

#include "JC_Order/JI_OrderDeal.h"

#include <map>

class JC_ControlManager;
class JC_DebugLog;
class JC_OrderInformation;

constexpr DWORD JE_ORDERMANAGER_NULL_CONTROL_MANAGER = 0x8961a011;
constexpr DWORD JE_ORDERMANAGER_CONTROL_MANAGER_NOT_INITIATED = 0x8961a012;
constexpr DWORD JE_ORDERMANAGER_NULL_ORDER = 0x8961a101;
constexpr DWORD JE_ORDERMANAGER_ORDER_NOT_INITIATED = 0x8961a102;
constexpr DWORD JE_ORDERMANAGER_INPUT_NOT_FINISHED = 0x8961a103;
constexpr DWORD JE_ORDERMANAGER_TYPE_NOT_SUPPORTED = 0x8961a104;
constexpr DWORD JE_ORDERMANAGER_NO_PASSIVE_POWER = 0x8961a105;
constexpr DWORD JE_ORDERMANAGER_NO_ACTIVE_POWER = 0x8961a106;
constexpr DWORD JE_ORDERMANAGER_NULL_DEAL = 0x8961a201;
constexpr DWORD JE_ORDERMANAGER_TYPE_REPEATED = 0x8961a202;
// The behaviour type that only marks its target hit.
constexpr DWORD ORDERBEHAVIOR_TYPE_HIT = 1;

// Executes one battle order: each target's behaviour lines go to the deals
// registered for their types, then the order pays for its effect (real
// orders only) and merges its results.
class JC_OrderManager
{
public:
    JC_OrderManager() = default;
    virtual ~JC_OrderManager() = default;
    JC_OrderManager(const JC_OrderManager&) = delete;
    JC_OrderManager& operator=(const JC_OrderManager&) = delete;

    DWORD Initiation(JC_ControlManager* pControlManager);
    DWORD AddOrderDeal(DWORD dwBehaviorType, JI_OrderDeal* pDeal);
    DWORD DealOrder(JC_OrderInformation* pOrderInformation);

    BOOL IsInitiated() const { return m_bInitiated; }
    // The deal registered for a type, or null.
    JI_OrderDeal* FindOrderDeal(DWORD dwBehaviorType) const;

private:
    DWORD ConnectResults();
    DWORD DealTarget(int iTarget, bool& bStopOrder);
    DWORD DealLine(bool& bTargetDone, DWORD& dwDealResult);
    void MarkHit();
    DWORD Finish();

    BOOL m_bInitiated = FALSE;
    JC_ControlManager* m_pControlManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_OrderInformation* m_pOrder = nullptr;
    std::map<DWORD, JI_OrderDeal*> m_OrderDeals;
};

extern JC_OrderManager* gp_OrderManagerObj;
