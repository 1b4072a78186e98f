#include "JC_Order/DealOrder/JC_OrderDealRestoreHP.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"
#include "TemplateSystem/JC_StrNumCalculate.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_OrderDealRestoreHP::DealOrder()
{
    JC_ControlPersonPower* pActor = m_pOrderInformation->GetDealingActiveControlPersonPower();
    if (pActor == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_RESTOREHP_NO_ACTIVE, " DealingActiveControlPersonPowerObj Is NULL. \r\n");
    JC_ControlPersonPower* pTarget = m_pOrderInformation->GetDealingPassiveControlPersonPower();
    if (pTarget == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_RESTOREHP_NO_PASSIVE, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    JC_OrderResultPassive* pPassive = m_pOrderInformation->GetDealingPassiveResult();
    if (pPassive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_RESTOREHP_NO_PASSIVE_RESULT, " DealingPassiveResultObj Is NULL. \r\n");
    const std::string strMode = m_pOrderBehavior->GetBehaviorParameter(1);
    const std::string strAmount = m_pOrderBehavior->GetBehaviorParameter(2);
    const DWORD dwMode = m_pOrderBehavior->GetDefineValue(strMode);
    const int iMaxHP = pTarget->GetMaxHP();
    int iAmount = 0;
    if (dwMode == 1)
    {
        if (!JC_StrNumSwitch::IsPlus(strAmount))
            return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_RESTOREHP_NEEDS_PLUS, " RestoreHP Parameter2MustHavePlusSign. \r\n");
        iAmount = JC_StrNumSwitch::IsPercent(strAmount) ? AddValue(iMaxHP, strAmount) - iMaxHP
                                                        : ParameterNumber(strAmount.substr(1));
    }
    else if (dwMode == 2)
        iAmount = pActor->GetIntelligence(RecordFlag()) * ParameterNumber(strAmount) * 3;
    else
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERDEAL_RESTOREHP_MODE_NOT_SUPPORTED,
                            " RestoreModeNotSupport. \r\n RestoreModeStr:%s \r\n", strMode.c_str());
    pPassive->m_IsHit = 1;
    pPassive->m_LifeOutcome = 0;
    pPassive->m_HitRate = 100;
    pPassive->m_ShowAttack = -iAmount;
    pPassive->m_ShowDamage = -iAmount;
    m_pOrderBehavior->SetDealSuccess(1);
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    pPassive->m_IsHPChange = 1;
    pPassive->m_HPChange = iAmount;
    pPassive->m_HPChangeReal = pTarget->SetHP(pTarget->GetHP() + iAmount);
    if (pTarget->GetHP() != 0)
        pTarget->SetLifeState(1);
    return CalculateExp();
}
