#include "JC_Order/JC_OrderManager.h"

#include "GameProgram/Common/XF_InitOrder.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

#define ORDER_FAIL(result, ...) JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, result, __VA_ARGS__)

static JC_OrderManager s_OrderManagerObj XM_INIT_ORDER(XE_INIT_ORDER_MANAGER);
JC_OrderManager* gp_OrderManagerObj = &s_OrderManagerObj;

DWORD JC_OrderManager::Initiation(JC_ControlManager* pControlManager)
{
    m_bInitiated = FALSE;
    if (pControlManager == nullptr)
        return JE_ORDERMANAGER_NULL_CONTROL_MANAGER;
    if (!pControlManager->IsInitiated())
        return JE_ORDERMANAGER_CONTROL_MANAGER_NOT_INITIATED;
    m_pControlManager = pControlManager;
    m_pErrorLog = pControlManager->GetErrorLog();
    m_pOrder = nullptr;
    m_OrderDeals.clear();
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_OrderManager::AddOrderDeal(DWORD dwBehaviorType, JI_OrderDeal* pDeal)
{
    if (pDeal == nullptr)
        return ORDER_FAIL(JE_ORDERMANAGER_NULL_DEAL, " OrderDealObjNULL. \r\n");
    if (!m_OrderDeals.emplace(dwBehaviorType, pDeal).second)
        return ORDER_FAIL(JE_ORDERMANAGER_TYPE_REPEATED, " BehaviorTypeValueRepeat. \r\n");
    return 0;
}

JI_OrderDeal* JC_OrderManager::FindOrderDeal(DWORD dwBehaviorType) const
{
    const auto found = m_OrderDeals.find(dwBehaviorType);
    return found != m_OrderDeals.end() ? found->second : nullptr;
}

DWORD JC_OrderManager::DealOrder(JC_OrderInformation* pOrderInformation)
{
    if (pOrderInformation == nullptr)
        return ORDER_FAIL(JE_ORDERMANAGER_NULL_ORDER, " OrderInputObjNULL. \r\n");
    if (!pOrderInformation->IsInitiated())
        return ORDER_FAIL(JE_ORDERMANAGER_ORDER_NOT_INITIATED, " OrderInputObjNULL. \r\n");
    if (!pOrderInformation->IsInputFinished())
        return ORDER_FAIL(JE_ORDERMANAGER_INPUT_NOT_FINISHED, " YouMustFinishThatOrderInput. \r\n");
    m_pOrder = pOrderInformation;
    m_pOrder->SetActiveIndex(0);
    DWORD dwResult = ConnectResults();
    if (dwResult != 0)
        return dwResult;
    JC_OrderInput& input = *m_pOrder->GetOrderInput();
    const DWORD dwTargets =
        input.GetPassivePersonCount() != 0 ? input.GetPassivePersonCount() : input.GetPassiveFloorCount();
    bool bStopOrder = false;
    for (DWORD t = 0; t < dwTargets && !bStopOrder; ++t)
    {
        dwResult = DealTarget(static_cast<int>(t), bStopOrder);
        if (dwResult != 0)
            return dwResult;
    }
    return Finish();
}

DWORD JC_OrderManager::ConnectResults()
{
    const DWORD dwPassives = m_pOrder->GetOrderInput()->GetPassivePersonCount();
    for (DWORD i = 0; i < dwPassives; ++i)
    {
        const DWORD dwResult = m_pOrder->ConnectPassiveResoult(i);
        if (dwResult != 0)
            return ORDER_FAIL(dwResult, " OrderInformationObj ConnectPassiveResoult Fail. \r\n PassiveIndex:%d \r\n HRESULT:0x%08x \r\n",
                              (int)i, (unsigned)dwResult);
    }
    return 0;
}

void JC_OrderManager::MarkHit()
{
    JC_OrderResultPassive* pResult = m_pOrder->GetDealingPassiveResult();
    if (pResult == nullptr)
    {
        ORDER_FAIL(0, " DealingPassiveResultObj Is NULL. \r\n");
        return;
    }
    pResult->m_IsHit = 1;
}

DWORD JC_OrderManager::DealTarget(int iTarget, bool& bStopOrder)
{
    m_pOrder->SetPassiveIndex(iTarget);
    JC_OrderBehavior& walker = *m_pOrder->GetOrderBehavior();
    DWORD dwResult = walker.SetOrderBehavior(m_pOrder->GetOrderInput()->GetEffectBehavior(0));
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderBehaviorObj SetOrderBehavior Fail. \r\n HRESULT:0x%08x  \r\n", (unsigned)dwResult);
    bool bInBlock = false;
    int iDepth = 0;
    DWORD dwDealResult = ORDERDEAL_NEXT_LINE;
    DWORD dwWalk = 0;
    while (true)
    {
        const int iPreviousDepth = iDepth;
        dwWalk = walker.DealNext();
        if (dwWalk != 0)
            break;
        iDepth = walker.GetDepth();
        if (iDepth != 0)
            bInBlock = true;
        bool bTargetDone = false;
        dwResult = DealLine(bTargetDone, dwDealResult);
        if (dwResult != 0)
            return dwResult;
        if (bTargetDone)
            break;
        if (iPreviousDepth != 0 && iPreviousDepth < iDepth)
        {
            MarkHit();
            bInBlock = false;
        }
    }
    if (dwDealResult == ORDERDEAL_STOP_ORDER)
    {
        bStopOrder = true;
        return 0;
    }
    if (bInBlock)
        MarkHit();
    if (dwWalk != 0 && dwWalk != JS_ORDERBEHAVIOR_END)
        return ORDER_FAIL(dwWalk, " OrderBehaviorObj DealNext Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwWalk);
    return 0;
}

DWORD JC_OrderManager::DealLine(bool& bTargetDone, DWORD& dwDealResult)
{
    JC_OrderBehavior& walker = *m_pOrder->GetOrderBehavior();
    const DWORD dwType = walker.GetBehaviorType();
    if (dwType == JE_ORDERBEHAVIOR_UNKNOWN_TYPE)
        ORDER_FAIL(0, " BehaviorTypeUnknow. \r\n BehaviorStr:%s \r\n ", walker.GetBehaviorString().c_str());
    if (dwType == ORDERBEHAVIOR_TYPE_HIT)
    {
        MarkHit();
        bTargetDone = true;
        return 0;
    }
    JI_OrderDeal* pDeal = FindOrderDeal(dwType);
    if (pDeal == nullptr)
        return ORDER_FAIL(JE_ORDERMANAGER_TYPE_NOT_SUPPORTED, " BehaviorTypeValue Not Support. \r\n BehaviorTypeValue:0x%08x \r\n",
                          (unsigned)dwType);
    DWORD dwResult = pDeal->Initiation(m_pOrder);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderDealObj Initiation Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    dwDealResult = pDeal->DealOrder();
    if (dwDealResult == ORDERDEAL_NEXT_TARGET || dwDealResult == ORDERDEAL_STOP_ORDER)
    {
        bTargetDone = true;
        return 0;
    }
    if (dwDealResult != ORDERDEAL_NEXT_LINE)
        return ORDER_FAIL(dwDealResult, " OrderDealObj DealOrder Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwDealResult);
    JC_ControlPersonPower* pTarget = m_pOrder->GetDealingPassiveControlPersonPower();
    if (pTarget == nullptr)
        return ORDER_FAIL(JE_ORDERMANAGER_NO_PASSIVE_POWER, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    if (m_pOrder->GetOrderInput()->GetPredictMode() == 0)
        pTarget->UseRecordedBehavior(TRUE, TRUE);
    return 0;
}

DWORD JC_OrderManager::Finish()
{
    JC_ControlPersonPower* pActor = m_pOrder->GetDealingActiveControlPersonPower();
    if (pActor == nullptr)
        return ORDER_FAIL(JE_ORDERMANAGER_NO_ACTIVE_POWER, " DealingActiveControlPersonPowerObj Is NULL. \r\n");
    const bool bPreview = m_pOrder->GetOrderInput()->GetPredictMode() != 0;
    if (!bPreview)
    {
        pActor->UseRecordedBehavior(TRUE, TRUE);
        const DWORD dwResult = m_pOrder->DealConsume();
        if (dwResult != 0)
            return ORDER_FAIL(dwResult, " OrderResultManagerObj DealConsume Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    }
    const DWORD dwResult = m_pOrder->MergeResult();
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderResultManagerObj MergeResult Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    return 0;
}
