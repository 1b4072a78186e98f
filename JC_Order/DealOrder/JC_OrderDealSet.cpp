#include "JC_Order/DealOrder/JC_OrderDealSet.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static const JS_OrderDealingCodes s_Codes = {0, JE_ORDERDEAL_SET_NO_PASSIVE, 0, JE_ORDERDEAL_SET_NO_PASSIVE_RESULT};

DWORD JC_OrderDealSet::DealOrder()
{
    JS_OrderDealing dealing;
    const DWORD dwFetch = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwFetch != 0)
        return dwFetch;
    JC_ControlPersonPower& target = *dealing.pTarget;
    JC_OrderResultPassive& passive = *dealing.pTargetResult;
    const DWORD dwState = m_pOrderBehavior->GetDefineValue(m_pOrderBehavior->GetBehaviorParameter(0));
    const DWORD dwGroup = static_cast<DWORD>(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(3)));
    const int iChance = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(4));
    // Only a top-level line that no earlier line decided shows and decides the hit.
    const bool bDecides = m_pOrderBehavior->GetDepth() == 0 && passive.m_IsHit == -1;
    if (bDecides)
        ShowChance(passive, iChance);
    if (IsPreview())
        return ORDERDEAL_NEXT_LINE;
    const bool bTakes = RollChance("state", iChance) && !target.IsStateImmune(dwState);
    if (bDecides)
    {
        passive.m_IsHit = bTakes ? 1 : 0;
        passive.m_LifeOutcome = 0;
    }
    m_pOrderBehavior->SetDealSuccess(bTakes ? 1 : 0);
    if (!bTakes)
        return ORDERDEAL_NEXT_LINE;
    if (dwState == JD_STATE_STRUCK_DOWN)
        return Fell(0);
    passive.m_StateAddArray.push_back(dwState);
    const DWORD dwResult = AddState(target, dwGroup, dwState);
    if (dwResult != 0)
        return dwResult;
    return CalculateExp();
}

DWORD JC_OrderDealSet::AddState(JC_ControlPersonPower& target, DWORD dwGroup, DWORD dwState)
{
    DWORD dwResult = target.ClearBehaviorStateInGroup(dwGroup, dwState);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " ClsPassivePersonBehavior Fail. \r\n StateID:%d \r\n Behavior:%s \r\n", (int)dwState,
                            m_pOrderBehavior->GetBehaviorString().c_str());
    const std::string strParameter = m_pOrderBehavior->GetBehaviorValue("@Parameter");
    JC_BehaviorItem item;
    dwResult = m_pBehaviorAnalyser->GetBehavior(strParameter, item);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " BehaviorAnalyserObj GetBehavior Fail. \r\n BehaviorParameter:%s \r\n HRESULT:0x%08x \r\n",
                            strParameter.c_str(), (unsigned)dwResult);
    // Rounds counted by camp pass four times a round.
    if (item.dwRoundType == JD_ROUND_COUNTED_BY_CAMP)
        item.iCount *= 4;
    std::string strItem;
    dwResult = m_pBehaviorAnalyser->SetBehavior(item, strItem);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " BehaviorAnalyserObj SetBehavior Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    target.GetOperatorPerson()->AddBehaviorGroupLine(dwGroup, strItem);
    return 0;
}
