#include "JC_Order/DealOrder/JC_OrderDealBase.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Operator/JC_OperatorThingBase.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"
#include "TemplateSystem/JC_StrNumCalculate.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

JC_Random JC_OrderDealBase::s_DefaultRandom;
JC_Random* JC_OrderDealBase::s_pRandom = &JC_OrderDealBase::s_DefaultRandom;
JI_OrderDealBattle* JC_OrderDealBase::s_pBattle = nullptr;
JI_OrderDealRollWatch* JC_OrderDealBase::s_pRollWatch = nullptr;

bool JC_OrderDealBase::Decided(const char* szRoll, int iValue, bool bYes) const
{
    if (s_pRollWatch == nullptr)
        return bYes;
    const JC_OrderResultPassive* pPassive =
        m_pOrderInformation != nullptr ? m_pOrderInformation->GetDealingPassiveResult() : nullptr;
    s_pRollWatch->OnRoll(pPassive != nullptr ? pPassive->m_TeamIndex : -1, szRoll, iValue, bYes);
    return bYes;
}

bool JC_OrderDealBase::RollChance(const char* szRoll, int iPercent)
{
    if (iPercent == 0)
        return false;
    const int iRoll = Random(99) + 1;
    return Decided(szRoll, iRoll, iRoll <= iPercent);
}

DWORD JC_OrderDealBase::Initiation(JC_OrderInformation* pOrderInformation)
{
    m_pOrderInformation = pOrderInformation;
    if (pOrderInformation == nullptr)
        return 0;
    m_pErrorLog = pOrderInformation->GetErrorLog();
    m_pDataManager = pOrderInformation->GetDataManager();
    m_pBehaviorAnalyser = pOrderInformation->GetBehaviorAnalyser();
    m_pControlGame = pOrderInformation->GetControlGame();
    m_pControlScene = pOrderInformation->GetControlScene();
    m_pControlTeam = pOrderInformation->GetControlTeam();
    m_pControlTeamPerson = pOrderInformation->GetControlTeamPerson();
    m_pControlWarehouse = pOrderInformation->GetControlWarehouse();
    m_pOrderInput = pOrderInformation->GetOrderInput();
    m_pOrderBehavior = pOrderInformation->GetOrderBehavior();
    m_pOrderResultManager = pOrderInformation->GetOrderResultManager();
    return 0;
}

int JC_OrderDealBase::AddValue(int iValue, const std::string& strModifier)
{
    return static_cast<int>(JC_StrNumCalculate::AddValue(static_cast<DWORD>(iValue), strModifier));
}

int JC_OrderDealBase::ParameterNumber(const std::string& strParameter)
{
    if (strParameter.empty())
        return 0;
    char* pEnd = nullptr;
    errno = 0;
    const long lValue = std::strtol(strParameter.c_str(), &pEnd, 10);
    if (*pEnd != '\0' || errno != 0 || lValue < INT_MIN || lValue > INT_MAX)
        return 0;
    return static_cast<int>(lValue);
}

BOOL JC_OrderDealBase::RecordFlag() const
{
    return m_pOrderInput != nullptr && m_pOrderInput->GetPredictMode() == 0;
}

bool JC_OrderDealBase::IsPreview() const
{
    return m_pOrderInput->GetPredictMode() != 0;
}

int JC_OrderDealBase::DefineOrZero(const std::string& strName) const
{
    const DWORD dwValue = m_pOrderBehavior->GetDefineValue(strName);
    return dwValue == JE_ORDERBEHAVIOR_UNKNOWN_TYPE ? 0 : static_cast<int>(dwValue);
}

std::string JC_OrderDealBase::ThingName(DWORD dwKind, DWORD dwID) const
{
    JC_OperatorThingBase thing;
    thing.Initiation(m_pDataManager);
    if (thing.SetDataConponent(m_pDataManager->GetThingObj(dwKind, dwID)) != 0)
        return std::string();
    return thing.GetName();
}

DWORD JC_OrderDealBase::LogAt(const char* szSourceFile, int iLine, DWORD dwResult, const char* szMessage) const
{
    return JF_OrderFail(m_pErrorLog, szSourceFile, iLine, dwResult, "%s", szMessage);
}

int JC_OrderDealBase::WithTerrain(int iValue, JC_ControlPersonPower* pPerson, DWORD dwUseTerrain,
                                  int (JC_ControlScene::*pfnRate)(int))
{
    if (dwUseTerrain != 1 || m_pControlScene == nullptr || pPerson->IsStateImmune(JD_STATE_TERRAIN_IMMUNE))
        return iValue;
    const int iRate = (m_pControlScene->*pfnRate)(pPerson->GetSceneFloorIndex());
    return iValue * iRate / 100 + iValue;
}

DWORD JC_OrderDealBase::CalculateHitRate(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive,
                                         const std::string& strHit, const std::string& strDodge, DWORD dwPredict,
                                         DWORD dwUseTerrain, int& iHitPercent)
{
    const BOOL bRecord = dwPredict == 0;
    int iHit = WithTerrain(pActive->GetHit(bRecord), pActive, dwUseTerrain, &JC_ControlScene::GetExtraHitRate);
    iHit = AddValue(iHit, strHit);
    int iDodge = WithTerrain(pPassive->GetDodge(bRecord), pPassive, dwUseTerrain, &JC_ControlScene::GetExtraDodgeRate);
    iDodge = AddValue(iDodge, strDodge);
    iHitPercent = 100 - (iDodge - iHit);
    return 0;
}

DWORD JC_OrderDealBase::CalculateAttackDefense(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive,
                                               const std::string& strAttack, const std::string& strDefense,
                                               DWORD dwPredict, DWORD dwUseTerrain, int& iAttack, int& iDefense)
{
    const BOOL bRecord = dwPredict == 0;
    iAttack = WithTerrain(pActive->GetAttack(bRecord), pActive, dwUseTerrain,
                          &JC_ControlScene::GetExtraNatureAttackRate);
    iAttack = AddValue(iAttack, strAttack) * pActive->GetMorale() / 100;
    iDefense = WithTerrain(pPassive->GetEquipDefense() + pPassive->GetTotalVitality(bRecord), pPassive, dwUseTerrain,
                           &JC_ControlScene::GetExtraNatureDefenseRate);
    iDefense = AddValue(iDefense, strDefense);
    return 0;
}

static bool AreOpposite(int iA, int iB)
{
    return (iA == 0 && iB == 2) || (iA == 1 && iB == 3) || (iA == 2 && iB == 0) || (iA == 3 && iB == 1);
}

int JC_OrderDealBase::GetDirectionRate(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive)
{
    if (s_pBattle == nullptr)
        return 100;
    const int iDirection = s_pBattle->GetFloorDirection(pActive->GetSceneFloorIndex(), pPassive->GetSceneFloorIndex());
    const int iFace = pPassive->GetFace();
    if (iDirection == iFace)
        return 150;
    return AreOpposite(iDirection, iFace) ? 100 : 125;
}

int JC_OrderDealBase::GetFaceValue(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive, int iFront,
                                   int iBack, int iSide)
{
    const int iActiveFace = pActive->GetFace();
    const int iPassiveFace = pPassive->GetFace();
    if (iActiveFace == iPassiveFace)
        return iBack;
    return AreOpposite(iActiveFace, iPassiveFace) ? iFront : iSide;
}

DWORD JC_OrderDealBase::RequireDealing(bool bActive, bool bActiveResult) const
{
    if (bActive && m_pOrderInformation->GetDealingActiveControlPersonPower() == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_NO_DEALING_ACTIVE,
                     " DealingActiveControlPersonPowerObj Is NULL. \r\n");
    if (bActiveResult && m_pOrderInformation->GetDealingActiveResult() == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_NO_DEALING_ACTIVE_RESULT,
                     " DealingActiveResultObj Is NULL. \r\n");
    if (m_pOrderInformation->GetDealingPassiveControlPersonPower() == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_NO_DEALING_PASSIVE,
                     " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    if (m_pOrderInformation->GetDealingPassiveResult() == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_NO_DEALING_PASSIVE_RESULT,
                     " DealingPassiveResultObj Is NULL. \r\n");
    return 0;
}

DWORD JC_OrderDealBase::AbsorbHPSP(int iHPAmount, int iHPRate, int iSPAmount, int iSPRate, DWORD dwCheckImmunity)
{
    if (const DWORD dwMissing = RequireDealing(true, true); dwMissing != 0)
        return dwMissing;
    JC_ControlPersonPower& target = *m_pOrderInformation->GetDealingPassiveControlPersonPower();
    JC_OrderResultActive& active = *m_pOrderInformation->GetDealingActiveResult();
    JC_OrderResultPassive& passive = *m_pOrderInformation->GetDealingPassiveResult();
    const int iHPRoll = Random(1, 100);
    if (Decided("HP-drain", iHPRoll, iHPRate >= iHPRoll)
        && !(dwCheckImmunity == 1 && target.IsStateImmune(JD_STATE_HP_ABSORB_IMMUNE)))
    {
        const int iTaken = std::min(target.GetHP(), iHPAmount);
        active.m_IsHPAbsorb = 1;
        active.m_HPAbsorb += iTaken;
        passive.m_IsHPChange = 1;
        passive.m_HPChange -= iTaken;
    }
    const int iSPRoll = Random(1, 100);
    if (Decided("SP-drain", iSPRoll, iSPRate >= iSPRoll)
        && !(dwCheckImmunity == 1 && target.IsStateImmune(JD_STATE_SP_ABSORB_IMMUNE)))
    {
        const int iTaken = std::min(target.GetSP(), iSPAmount);
        active.m_IsSPAbsorb = 1;
        active.m_SPAbsorb += iTaken;
        passive.m_IsSPChange = 1;
        passive.m_SPChange -= iTaken;
    }
    return 0;
}

DWORD JC_OrderDealBase::ApplyHPSPChange(int& iHP, int& iSP)
{
    if (const DWORD dwMissing = RequireDealing(false, false); dwMissing != 0)
        return dwMissing;
    JC_ControlPersonPower& target = *m_pOrderInformation->GetDealingPassiveControlPersonPower();
    JC_OrderResultPassive& passive = *m_pOrderInformation->GetDealingPassiveResult();
    passive.m_HPChangeReal = target.SetHP(target.GetHP() + passive.m_HPChange);
    passive.m_SPChangeReal = target.SetSP(target.GetSP() + passive.m_SPChange);
    iHP = target.GetHP();
    iSP = target.GetSP();
    return 0;
}

DWORD JC_OrderDealBase::DealPassiveDie(DWORD dwDieOut)
{
    if (const DWORD dwMissing = RequireDealing(false, false); dwMissing != 0)
        return dwMissing;
    JC_ControlPersonPower& target = *m_pOrderInformation->GetDealingPassiveControlPersonPower();
    JC_OrderResultPassive& passive = *m_pOrderInformation->GetDealingPassiveResult();
    target.SetHP(0);
    target.SetLifeState(2);
    target.SetDieTime(3);
    if (!target.CanLeaveLegacy() || dwDieOut == 1)
    {
        target.SetDieTime(0);
        passive.m_LifeOutcome = JE_LIFE_OUTCOME_DEAD_NO_BODY;
        return 0;
    }
    passive.m_LifeOutcome = JE_LIFE_OUTCOME_DEAD_BODY;
    return 0;
}

DWORD JC_OrderDealBase::CalculateExp()
{
    const std::string strExp = m_pOrderBehavior->GetBehaviorValue("@Exp");
    if (strExp.empty())
        return 0;
    const size_t comma = strExp.find(',');
    const std::string strMode = strExp.substr(0, comma);
    const std::string strValue = comma == std::string::npos ? std::string() : strExp.substr(comma + 1);
    if (strMode.empty() || strValue.empty())
        return LogAt(s_szSourceFile, __LINE__, 0, " ExpOrderFormat Fail(ExpModeStr or ExpValueStr is empty). \r\n");
    const DWORD dwMode = m_pBehaviorAnalyser->GetDefineInfo(strMode);
    if (const DWORD dwMissing = RequireDealing(true, false); dwMissing != 0)
        return dwMissing;
    JC_ControlPersonPower& actor = *m_pOrderInformation->GetDealingActiveControlPersonPower();
    JC_ControlPersonPower& target = *m_pOrderInformation->GetDealingPassiveControlPersonPower();
    JC_OrderResultPassive& passive = *m_pOrderInformation->GetDealingPassiveResult();
    int iExp = 0;
    int iJobExp = 0;
    switch (dwMode)
    {
    case 0:
        break;
    case 1:
        iExp = iJobExp = ParameterNumber(strValue);
        break;
    case 2:
        iExp = iJobExp = passive.m_HPChangeReal / 10;
        break;
    case 3:
    {
        const int iLevels = target.GetLevel() - actor.GetLevel();
        const bool bDied = target.GetLifeState() == 2;
        auto fromLegacy = [&](int iLegacy) {
            int iValue = iLevels * iLegacy / 10 + iLegacy;
            if (!bDied)
                iValue /= 5;
            return iValue * actor.GetExtraExpRate() / 100 + iValue;
        };
        iExp = fromLegacy(target.GetLegacyExp());
        iJobExp = fromLegacy(target.GetLegacyJobExp());
        break;
    }
    case 4:
    {
        JC_OrderResultActive* pActive = m_pOrderInformation->GetDealingActiveResult();
        if (pActive == nullptr)
            return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_NO_DEALING_ACTIVE_RESULT,
                         " DealingActiveResultObj Is NULL. \r\n");
        iExp = iJobExp = pActive->m_HPAbsorb / 10;
        break;
    }
    default:
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, 0,
                            " CalculateExp Fail(ExpMode Not Support). \r\n ExpModeStr:%s \r\n", strMode.c_str());
    }
    passive.m_Exp += std::max(iExp, 1);
    passive.m_JobExp += std::max(iJobExp, 1);
    return 0;
}

DWORD JC_OrderDealBase::TakeLegacyMoney()
{
    if (const DWORD dwMissing = RequireDealing(false, false); dwMissing != 0)
        return dwMissing;
    JC_ControlPersonPower& target = *m_pOrderInformation->GetDealingPassiveControlPersonPower();
    m_pOrderInformation->GetDealingPassiveResult()->m_LegacyMoney += target.GetLegacyMoney();
    target.SetLegacyMoney(0);
    return 0;
}

DWORD JC_OrderDealBase::TakeLegacyThing()
{
    if (const DWORD dwMissing = RequireDealing(true, false); dwMissing != 0)
        return dwMissing;
    JC_ControlPersonPower& actor = *m_pOrderInformation->GetDealingActiveControlPersonPower();
    JC_ControlPersonPower& target = *m_pOrderInformation->GetDealingPassiveControlPersonPower();
    JC_OrderResultPassive& passive = *m_pOrderInformation->GetDealingPassiveResult();
    DWORD dwKind = 0;
    DWORD dwID = 0;
    const int iRoll = Random(400);
    if (!Decided("legacy-thing", iRoll, target.PickLegacyThing(iRoll, dwKind, dwID, TRUE) != 0))
        return 0;
    const int iCamp = actor.GetCamp(FALSE);
    if (iCamp != 0 && iCamp != 1)
        return 0;
    passive.m_LegacyThingKindArray.push_back(dwKind);
    passive.m_LegacyThingIDArray.push_back(dwID);
    passive.m_LegacyThingNameArray.push_back(ThingName(dwKind, dwID));
    return 0;
}

DWORD JC_OrderDealBase::GetAdjacentPersons(int iFloor, int iCamp, int iLifeState, std::vector<int>& teamIndices)
{
    teamIndices.clear();
    const int iWidth = m_pControlScene->GetMapWidth();
    const int iHeight = m_pControlScene->GetMapHeight();
    const int iX = m_pControlScene->GetIndexX(iFloor);
    const int iZ = m_pControlScene->GetIndexZ(iFloor);
    const int cells[4][2] = {{iX, iZ - 1}, {iX + 1, iZ}, {iX, iZ + 1}, {iX - 1, iZ}};
    std::vector<int> floors;
    for (const auto& cell : cells)
    {
        if (cell[0] >= 0 && cell[0] < iWidth && cell[1] >= 0 && cell[1] < iHeight)
            floors.push_back(iWidth * cell[1] + cell[0]);
    }
    if (floors.empty())
        return 0;
    JC_ControlPersonPower power;
    DWORD dwResult = power.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " ControlPersonPowerObj Initiation Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    for (int iTeamIndex = 0; iTeamIndex < JC_ControlTeam::TEAM_INDEX_LIMIT; ++iTeamIndex)
    {
        JC_DataComponent* pPerson = nullptr;
        dwResult = m_pControlTeam->GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson);
        if (dwResult == JE_CONTROLTEAM_GET_EMPTY)
            continue;
        if (dwResult != 0)
            return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                                " ControlTeamObj GetPersonFromTeam Fail. \r\n TeamID:%d \r\n HRESULT:0x%08x \r\n", iTeamIndex,
                                (unsigned)dwResult);
        dwResult = power.SetControlPerson(pPerson);
        if (dwResult != 0)
            return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                                " ControlPersonPowerObj SetControlPerson Fail. \r\n TeamID:%d \r\n HRESULT:0x%08x \r\n",
                                iTeamIndex, (unsigned)dwResult);
        const bool bCamp = iCamp == 4 || power.GetCamp(FALSE) == iCamp;
        const bool bLife = iLifeState == 3 || power.GetLifeState() == iLifeState;
        const bool bNext = std::find(floors.begin(), floors.end(), power.GetSceneFloorIndex()) != floors.end();
        if (bCamp && bLife && bNext)
            teamIndices.push_back(iTeamIndex);
    }
    return static_cast<DWORD>(teamIndices.size());
}

DWORD JC_OrderDealBase::FetchDealing(const char* szSourceFile, const JS_OrderDealingCodes& codes,
                                     JS_OrderDealing& dealing) const
{
    dealing.pActor = m_pOrderInformation->GetDealingActiveControlPersonPower();
    dealing.pTarget = m_pOrderInformation->GetDealingPassiveControlPersonPower();
    dealing.pActiveResult = m_pOrderInformation->GetDealingActiveResult();
    dealing.pTargetResult = m_pOrderInformation->GetDealingPassiveResult();
    if (codes.dwNoActor != 0 && dealing.pActor == nullptr)
        return LogAt(szSourceFile, __LINE__, codes.dwNoActor, " DealingActiveControlPersonPowerObj Is NULL. \r\n");
    if (codes.dwNoTarget != 0 && dealing.pTarget == nullptr)
        return LogAt(szSourceFile, __LINE__, codes.dwNoTarget, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    if (codes.dwNoActiveResult != 0 && dealing.pActiveResult == nullptr)
        return LogAt(szSourceFile, __LINE__, codes.dwNoActiveResult, " DealingActiveResultObj Is NULL. \r\n");
    if (codes.dwNoTargetResult != 0 && dealing.pTargetResult == nullptr)
        return LogAt(szSourceFile, __LINE__, codes.dwNoTargetResult, " DealingPassiveResultObj Is NULL. \r\n");
    return 0;
}

void JC_OrderDealBase::ShowChance(JC_OrderResultPassive& passive, int iPercent)
{
    passive.m_HitRate = iPercent;
    passive.m_ShowAttack = 0;
    passive.m_ShowDamage = 0;
}

void JC_OrderDealBase::Miss(JC_OrderResultPassive& passive)
{
    passive.m_IsHit = 0;
    passive.m_LifeOutcome = JE_LIFE_OUTCOME_ALIVE;
    m_pOrderBehavior->SetDealSuccess(0);
}

void JC_OrderDealBase::RemoveBody(JC_ControlPersonPower& target, JC_OrderResultPassive& passive)
{
    passive.m_IsHit = 1;
    passive.m_LifeOutcome = JE_LIFE_OUTCOME_DEAD_NO_BODY;
    target.SetDieTime(0);
    m_pOrderBehavior->SetDealSuccess(1);
}

DWORD JC_OrderDealBase::Fell(DWORD dwDieOut)
{
    DealPassiveDie(dwDieOut);
    CalculateExp();
    TakeLegacyMoney();
    TakeLegacyThing();
    return ORDERDEAL_NEXT_TARGET;
}

DWORD JC_OrderDealBase::SettleBlow(DWORD dwDieOut)
{
    int iHP = 0;
    int iSP = 0;
    ApplyHPSPChange(iHP, iSP);
    if (iHP == 0)
        return Fell(dwDieOut);
    CalculateExp();
    JC_OrderResultPassive* pPassive = m_pOrderInformation->GetDealingPassiveResult();
    if (pPassive != nullptr)
        pPassive->m_LifeOutcome = JE_LIFE_OUTCOME_ALIVE;
    return ORDERDEAL_NEXT_LINE;
}

int JC_OrderDealBase::ApplyResistance(JC_ControlPersonPower& target, int iElement, int iDamage)
{
    if (iElement == 0)
        return iDamage;
    const int iResistance = target.GetAntibody(iElement);
    if (iResistance != 0)
    {
        char szLine[96];
        std::snprintf(szLine, sizeof(szLine), "被動者有元素(ID:%d)抗性 : %d %%.\r\n", iElement, iResistance);
        OutputDebugStringA(szLine);
    }
    return (100 - iResistance) * iDamage / 100;
}

int JC_OrderDealBase::ApplyDamageRates(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, int iDamage)
{
    return iDamage + actor.GetExtraDmgRate() * iDamage / 100 - target.GetExtraDmgDefRate() * iDamage / 100;
}

void JC_OrderDealBase::UseUpState(JC_ControlPersonPower& holder, DWORD dwState, const char* szDebugLine)
{
    OutputDebugStringA(szDebugLine);
    holder.GetBehaviorStateValue(dwState);
}
