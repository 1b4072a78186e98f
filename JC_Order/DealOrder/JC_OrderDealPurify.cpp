#include "JC_Order/DealOrder/JC_OrderDealPurify.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"
#include "TemplateSystem/JC_StrNumCalculate.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_OrderDealPurify::DealOrder()
{
    JC_ControlPersonPower* pActor = m_pOrderInformation->GetDealingActiveControlPersonPower();
    if (pActor == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_PURIFY_NO_ACTIVE, " DealingActiveControlPersonPowerObj Is NULL. \r\n");
    if (m_pOrderInformation->GetDealingPassiveControlPersonPower() == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_PURIFY_NO_PASSIVE, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    JC_OrderResultActive* pActive = m_pOrderInformation->GetDealingActiveResult();
    if (pActive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_PURIFY_NO_ACTIVE_RESULT, " DealingActiveResultObj Is NULL. \r\n");
    JC_OrderResultPassive* pPassive = m_pOrderInformation->GetDealingPassiveResult();
    if (pPassive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_PURIFY_NO_PASSIVE_RESULT, " DealingPassiveResultObj Is NULL. \r\n");
    const int iRegained = pActor->GetMaxHP() * ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0)) / 100;
    pPassive->m_HitRate = 100;
    pPassive->m_ShowAttack = iRegained;
    pPassive->m_ShowDamage = iRegained;
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    m_pOrderBehavior->SetDealSuccess(1);
    pPassive->m_IsHit = 1;
    DealPassiveDie(1);
    pActive->m_IsHPAbsorb = 1;
    pActive->m_HPAbsorb += iRegained;
    return CalculateExp();
}
