#include "Code/Battle/ControlCamp/XC_PersonSkillAI.h"

#include "Code/Battle/BattleWork/XC_PersonBattle.h"
#include "Code/Battle/ControlCamp/sTableResource.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/XC_GameAI.h"
#include "GameProgram/Common/XF_Common.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Manager/JC_DataManager.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

constexpr float VERGE_DEATH_SHARE = 0.3f;
constexpr int FULL_DIE_TIME = 3;

} // namespace

HRESULT XC_PersonSkillAI::Init(XC_GamePerson* pPersonObj, sTableResource* pTableResource, DWORD dwSkillID,
                               DWORD dwSkillLevel)
{
    m_dwSkillID = dwSkillID;
    m_dwSkillLevel = dwSkillLevel;
    if (gp_DataManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_DataManagerObj");
        return E_FAIL;
    }
    if (gp_BehaviorAnalyserObj == nullptr) {
        XM_REPORT_FAILED("gp_BehaviorAnalyserObj");
        return E_FAIL;
    }
    const DWORD dwInit = m_ControlSkillObj.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
    if (dwInit != 0) {
        XM_REPORT_FAILED_HR("m_ControlSkillObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )", dwInit);
        return static_cast<HRESULT>(dwInit);
    }
    return XC_PersonAttackAI::Init(pPersonObj, pTableResource);
}

int XC_PersonSkillAI::MinScore()
{
    const int iCount = m_ControlSkillObj.GetMustTargetCount();
    switch (static_cast<DWORD>(m_ControlSkillObj.GetSkillType())) {
    case SKILL_TYPE_ATTACK: return g_pGameAI->lAttack_EveryUnit * iCount;
    case SKILL_TYPE_REVIVE: return g_pGameAI->lRevive_EveryUnit * iCount;
    case SKILL_TYPE_RESTORE: return g_pGameAI->lRestore_EveryUnit * iCount;
    case SKILL_TYPE_STATE: return g_pGameAI->lState_EveryUnit * iCount;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return -iCount;
    }
}

HRESULT XC_PersonSkillAI::BuildPersonBattle(BOOL& bCanDo)
{
    bCanDo = FALSE;
    if (m_ControlSkillObj.SetDataConponent(m_dwSkillID, m_dwSkillLevel) != 0) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return S_OK;
    }
    m_lRapCost = m_ControlSkillObj.GetUseConditionRAP();
    delete m_pPersonBattle;
    m_pPersonBattle = new XC_PersonBattle;
    m_pPersonBattle->InitEffectSkill(m_pPersonObj, m_dwSkillID, m_dwSkillLevel);
    m_iMinScore = MinScore();
    bCanDo = TRUE;
    return S_OK;
}

int XC_PersonSkillAI::ComputePassivePersonScore(XC_GamePerson* pPassivePerson)
{
    switch (static_cast<DWORD>(m_ControlSkillObj.GetSkillType())) {
    case SKILL_TYPE_ATTACK: return ComputePassivePersonScore_Attack(pPassivePerson);
    case SKILL_TYPE_REVIVE: return ComputePassivePersonScore_Revive(pPassivePerson);
    case SKILL_TYPE_RESTORE: return ComputePassivePersonScore_Restore(pPassivePerson);
    case SKILL_TYPE_STATE: return ComputePassivePersonScore_State(pPassivePerson);
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return -1;
    }
}

int XC_PersonSkillAI::ComputePassivePersonScore_Attack(XC_GamePerson* pPassivePerson)
{
    return ComputeAttackScore(pPassivePerson);
}

int XC_PersonSkillAI::ComputePassivePersonScore_Revive(XC_GamePerson* pPassivePerson)
{
    if (m_pPersonBattle->IsTargetPerson(pPassivePerson) != 1)
        return -1;
    JC_ControlPersonPower* const pPower = pPassivePerson->GetControlPersonPower();
    int iScore = g_pGameAI->lRevive_EveryUnit + pPower->GetLevel() * g_pGameAI->lRevive_UnitLevel;
    if (pPower->GetDieTime() < FULL_DIE_TIME)
        iScore += FULL_DIE_TIME - pPower->GetDieTime();
    return iScore;
}

bool XC_PersonSkillAI::IsRefusedSelfTarget(XC_GamePerson* pPassivePerson)
{
    const XS_BattleTargetInfo& info = TargetInfo();
    return pPassivePerson == m_pPersonObj && info.dwUseCamp == XE_USE_CAMP_ALLIED && info.lScopeNear > 0;
}

int XC_PersonSkillAI::ComputePassivePersonScore_Restore(XC_GamePerson* pPassivePerson)
{
    if (IsRefusedSelfTarget(pPassivePerson) || m_pPersonBattle->IsTargetPerson(pPassivePerson) != 1)
        return -1;
    const float fShare = HealthShare(pPassivePerson);
    int iScore = 0;
    if (fShare <= static_cast<float>(g_pGameAI->lRestore_Percentage / 100.0))
        iScore = g_pGameAI->lRestore_EveryUnit;
    if (fShare <= VERGE_DEATH_SHARE)
        iScore += g_pGameAI->lRestore_VergeDeath;
    iScore += (100 - static_cast<int>(fShare * 100.0f)) * g_pGameAI->lRestore_Blood;
    return iScore;
}

int XC_PersonSkillAI::ComputePassivePersonScore_State(XC_GamePerson* pPassivePerson)
{
    if (IsRefusedSelfTarget(pPassivePerson) || m_pPersonBattle->IsTargetPerson(pPassivePerson) != 1)
        return -1;
    const XS_BattleTargetInfo& info = TargetInfo();
    JC_ControlPersonPower* const pPower = pPassivePerson->GetControlPersonPower();
    const int iFlag = m_ControlSkillObj.GetHaveEffectStateFlag();
    const LONG lFloor = PersonFloor(pPassivePerson);
    if ((iFlag == 0 || info.dwUseCamp != XE_USE_CAMP_ALLIED)
        && m_pTableResource->plTableEnemyDistance[lFloor] > g_pGameAI->lState_DistanceEnemy)
        return 1;
    if ((m_ControlSkillObj.GetUseJobType() & pPower->GetJobType()) == 0)
        return 1;
    for (DWORD i = 0; i < m_ControlSkillObj.GetEffectStateCount(); ++i) {
        const bool bHolds = pPower->HasBehaviorState(m_ControlSkillObj.GetEffectState(i)) != 0;
        // A state that adds counts on whom lacks it, one that takes away on whom holds it.
        if (bHolds == (iFlag != 0))
            return g_pGameAI->lState_EveryUnit;
    }
    return 1;
}
