#include "Code/Battle/ControlCamp/XC_ControlCampComputer.h"

#include "Code/Battle/ControlCamp/XC_PersonAttackAI.h"
#include "Code/Battle/BattleWork/XC_PersonBattle.h"
#include "Code/Battle/ControlCamp/XC_PersonSkillAI.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/XC_GameAI.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/Common/XF_Common.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Manager/JC_DataManager.h"

#include <cstdlib>
#include <memory>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The AI's person-type values.
constexpr int AI_TYPE_NORMAL = 0;
constexpr int AI_TYPE_ATTACK_TARGET = 1;
constexpr int AI_TYPE_MOVE_TO_POSITION = 2;

// How a person moves when it cannot attack.
constexpr int AI_MOVE_STAY = 0;
constexpr int AI_MOVE_HOLD = 1;
constexpr int AI_MOVE_TO_OUR = 2;
constexpr int AI_MOVE_TO_ENEMY = 3;
constexpr int AI_MOVE_NEAREST_ENEMY = 4;
constexpr int AI_MOVE_LEAST_HP_ENEMY = 5;

// Skill kinds, as bits of the skill type.
constexpr DWORD SKILL_ATTACK = 0x00000001;
constexpr DWORD SKILL_REVIVE = 0x00000002;
constexpr DWORD SKILL_RESTORE = 0x00000004;
constexpr DWORD SKILL_STATE = 0x00000008;

// Flight and move limits.
constexpr LONG FLEE_ENEMY_DISTANCE = 8;
constexpr int FLEE_RAP = 2;
constexpr LONG FLEE_SAFE_DISTANCE = 4;
constexpr int MOVE_RAP = 2;
constexpr LONG ALL_MOVE_POWER = 1000;
// Height, in hundredths, a neighbour may differ from a move target by.
constexpr LONG REACH_HEIGHT = 150;

constexpr int LEAST_HP_START = 999999999;

LONG FloorCount()
{
    return static_cast<LONG>(g_pSceneTableManager->GetFloorCount());
}

std::string PersonName(JC_ControlPersonPower* pPower)
{
    std::string strName;
    pPower->GetPersonName(strName);
    return strName;
}

} // namespace

XC_ControlCampComputer::~XC_ControlCampComputer()
{
    FreeTables();
    m_vecUsableSkill.clear();
}

HRESULT XC_ControlCampComputer::Init(DWORD dwCampID)
{
    const HRESULT hr = XC_ControlCampBase::Init(dwCampID);
    const DWORD dwInit = m_ControlSkillObj.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
    if (dwInit != 0)
        XM_REPORT_FAILED_HR("m_ControlSkillObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )", dwInit);
    return hr;
}

HRESULT XC_ControlCampComputer::ProceedCamp(float)
{
    switch (m_dwState) {
    case STATE_CHOOSE: return SelectActionPerson();
    case STATE_ACT: return DecideAI();
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return E_FAIL;
    }
}

HRESULT XC_ControlCampComputer::SetState(DWORD dwState)
{
    m_dwState = dwState;
    m_dwSubState = 0;
    return S_OK;
}

JC_ControlPersonPower* XC_ControlCampComputer::ActionPower() const
{
    return m_pActionPersonObj->GetControlPersonPower();
}

HRESULT XC_ControlCampComputer::SelectActionPerson()
{
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        SetCampPhase(PHASE_END);
        return E_FAIL;
    }
    if (m_lPersonTempIndex < 0
        || g_pPersonManager->GetPersonFromTeamIndex(static_cast<DWORD>(m_lPersonTempIndex)) == nullptr)
        m_pActionPersonObj = nullptr;
    XC_GamePerson* pPersonObj = m_pActionPersonObj;
    bool bFound = false;
    while (!bFound && g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj)) {
        JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
        bFound = pPower->GetCamp(FALSE) == static_cast<int>(m_dwCampID) && pPower->GetRAP() >= 1;
    }
    if (!bFound) {
        SetCampPhase(PHASE_END);
        return S_OK;
    }
    m_pActionPersonObj = pPersonObj;
    m_lPersonTempIndex = static_cast<LONG>(pPersonObj->GetTeamIndex());
    m_iPersonActions = 0;
    SetState(STATE_ACT);
    float fCameraTime = 0.0f;
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->MoveWorldCameraToPerson(pPersonObj, g_pGameTime->fCameraMoveSpeed, &fCameraTime);
    SetDelayTime(fCameraTime + g_pGameTime->fPersonActionBegin2);
    WriteDebugLine(XF_FormatText("\n%s 開始行動(AI) \n", PersonName(ActionPower()).c_str()));
    return S_OK;
}

void XC_ControlCampComputer::EndPerson(float fDelayTime)
{
    SetState(STATE_CHOOSE);
    SetDelayTime(fDelayTime);
}

HRESULT XC_ControlCampComputer::DecideAI()
{
    if (m_lPersonTempIndex < 0)
        XM_REPORT_FAILED("m_lPersonTempIndex >= 0");
    if (g_pPersonManager == nullptr || m_lPersonTempIndex < 0
        || g_pPersonManager->GetPersonFromTeamIndex(static_cast<DWORD>(m_lPersonTempIndex)) == nullptr) {
        m_pActionPersonObj = nullptr;
        EndPerson(g_pGameTime->fPersonActionEnd);
        return S_OK;
    }
    HRESULT hr = S_OK;
    switch (ActionPower()->GetAIType()) {
    case AI_TYPE_NORMAL:
        WriteDebugLine("\n\tAI模式 一般(DF_AIType_Normal)\n");
        hr = DecideAI_Normal();
        break;
    case AI_TYPE_ATTACK_TARGET:
        WriteDebugLine("\n\tAI模式 攻擊指定目標(DF_AIType_AttackTarget)\n");
        hr = DecideAI_AttackTarget();
        break;
    case AI_TYPE_MOVE_TO_POSITION:
        WriteDebugLine("\n\tAI模式 移動到指定位置(DF_AIType_MoveToPosition)\n");
        hr = DecideAI_MoveToPosition();
        break;
    default:
        // A type no AI plays ends the person, or it would be asked again for ever.
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        EndPerson(g_pGameTime->fPersonActionEnd2);
        hr = E_FAIL;
        break;
    }
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("hr", hr);
    return hr;
}

HRESULT XC_ControlCampComputer::DecideAI_AttackTarget()
{
    XF_ReportError(s_szSourceFile, __LINE__, "DecideAI_AttackTarget");
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->Event_PersonStay(static_cast<DWORD>(ActionPower()->GetTeamID()));
    EndPerson(g_pGameTime->fPersonActionEnd2);
    return S_OK;
}

HRESULT XC_ControlCampComputer::DecideAI_MoveToPosition()
{
    XF_ReportError(s_szSourceFile, __LINE__, "DecideAI_MoveToPosition");
    EndPerson(g_pGameTime->fPersonActionEnd2);
    return S_OK;
}

void XC_ControlCampComputer::FreeTables()
{
    for (LONG** pplTable : {&m_plTableMoveScope, &m_plTableAllMoveScope, &m_plTableAllPerson, &m_plTableAlliedForces,
                            &m_plTableHostileForces, &m_plTableEnemyDistance, &m_plTableAlliedStrength,
                            &m_plTableHostileStrength}) {
        delete[] *pplTable;
        *pplTable = nullptr;
    }
    m_TableResource = sTableResource();
}

bool XC_ControlCampComputer::BuildTables()
{
    FreeTables();
    XC_SceneTableManager* const pTables = g_pSceneTableManager;
    const DWORD dwCamp = static_cast<DWORD>(ActionPower()->GetCamp(FALSE));
    m_plTableMoveScope = pTables->CloneTable(pTables->BuildTableMoveScope(m_pActionPersonObj, -1));
    m_plTableAllMoveScope = pTables->CloneTable(pTables->BuildTableMovePower(m_pActionPersonObj, ALL_MOVE_POWER));
    m_plTableAllPerson = pTables->CloneTable(pTables->BuildTableAllPerson());
    m_plTableAlliedForces = pTables->CloneTable(pTables->BuildTableAlliedPerson(dwCamp, XE_LIFE_STATE_ANY));
    m_plTableHostileForces = pTables->CloneTable(pTables->BuildTableHostilePerson(dwCamp, XE_LIFE_STATE_ANY));
    m_plTableEnemyDistance = pTables->BuildTableEnemyDistance(dwCamp);
    m_plTableAlliedStrength = pTables->BuildTableForces(dwCamp, TRUE);
    m_plTableHostileStrength = pTables->BuildTableForces(dwCamp, FALSE);
    const std::pair<LONG*, const char*> tables[] = {
        {m_plTableMoveScope, "m_plTableMoveScope"},         {m_plTableAllMoveScope, "m_plTableAllMoveScope"},
        {m_plTableAllPerson, "m_plTableAllPerson"},         {m_plTableAlliedForces, "m_plTableAlliedForces"},
        {m_plTableHostileForces, "m_plTableHostileForces"}, {m_plTableEnemyDistance, "m_plTableEnemyDistance"},
        {m_plTableAlliedStrength, "m_plTableAlliedStrength"}, {m_plTableHostileStrength, "m_plTableHostileStrength"},
    };
    bool bBuilt = true;
    for (const auto& [plTable, szName] : tables) {
        if (plTable == nullptr) {
            XM_REPORT_FAILED(szName);
            bBuilt = false;
        }
    }
    m_TableResource = {m_plTableMoveScope,      m_plTableAllMoveScope,  m_plTableAllPerson,
                       m_plTableAlliedForces,   m_plTableHostileForces, m_plTableEnemyDistance,
                       m_plTableAlliedStrength, m_plTableHostileStrength};
    return bBuilt;
}

bool XC_ControlCampComputer::IsNearDeath(JC_ControlPersonPower* pPower)
{
    // A person without a maximum has no share of health to be near death by.
    const int iMaxHP = pPower->GetMaxHP();
    if (iMaxHP <= 0)
        return false;
    const float fLimit = static_cast<float>(static_cast<DWORD>(pPower->GetAIHP()) / 100.0);
    const float fHP = static_cast<float>(pPower->GetHP()) / static_cast<float>(iMaxHP);
    if (fHP > fLimit)
        return false;
    WriteDebugLine(XF_FormatText("\t血量百分比 %2.2f%% <= %2.2f%% , 瀕死狀態啟動 \n", fHP * 100.0, fLimit * 100.0));
    return true;
}

bool XC_ControlCampComputer::RunChain(const XS_ChainStep* pSteps, size_t uCount)
{
    for (size_t i = 0; i < uCount; ++i) {
        BOOL bActioned = FALSE;
        const HRESULT hr = (this->*pSteps[i].pfnStep)(bActioned);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR(pSteps[i].szCall, hr);
        if (bActioned) {
            WriteDebugLine(pSteps[i].szDone);
            return true;
        }
    }
    return false;
}

HRESULT XC_ControlCampComputer::DecideAI_Normal()
{
    if (m_pActionPersonObj == nullptr) {
        XM_REPORT_FAILED("m_pActionPersonObj");
        return E_FAIL;
    }
    if (g_pSceneTableManager == nullptr) {
        XM_REPORT_FAILED("g_pSceneTableManager");
        return E_FAIL;
    }
    JC_ControlPersonPower* const pPower = ActionPower();
    if (!BuildTables()) {
        FreeTables();
        pPower->SetRAP(0);
        EndPerson(g_pGameTime->fPersonActionEnd2);
        return E_FAIL;
    }
    const HRESULT hrSkill = FindUsableSkill();
    if (FAILED(hrSkill))
        XM_REPORT_FAILED_HR("FindUsableSkill( )", hrSkill);
    WriteDebugLine(XF_FormatText("\tRap = %d\n", pPower->GetRAP()));
    WriteDebugLine(XF_FormatText("\tHP = %d \n\tSP = %d\n", pPower->GetHP(), pPower->GetSP()));

    static const XS_ChainStep s_NearDeathChain[] = {
        {&XC_ControlCampComputer::NormalAI_Restore, "NormalAI_Restore ( bActioned )", "\tRestore    end \n"},
        {&XC_ControlCampComputer::NormalAI_VergeDeath, "NormalAI_VergeDeath ( bActioned )", "\tVergeDeath end \n"},
        {&XC_ControlCampComputer::NormalAI_Attack, "NormalAI_Attack ( bActioned )", "\tAttack     end \n"},
        {&XC_ControlCampComputer::NormalAI_Move, "NormalAI_Move ( bActioned )", "\tMove       end \n"},
        {&XC_ControlCampComputer::NormalAI_Rest, "NormalAI_Rest ( bActioned )", "\tRest       end \n"},
    };
    // The normal chain is the near-death chain without its first two steps.
    const bool bActioned = IsNearDeath(pPower) ? RunChain(s_NearDeathChain, 5) : RunChain(s_NearDeathChain + 2, 3);
    if (!bActioned)
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);

    ++m_iPersonActions;
    if (pPower->GetRAP() > 0 && m_iPersonActions >= MAX_ACTIONS_A_PERSON) {
        XM_REPORT_FAILED("m_iPersonActions < MAX_ACTIONS_A_PERSON");
        pPower->SetRAP(0);
    }
    if (pPower->GetRAP() <= 0) {
        WriteDebugLine(XF_FormatText("\tRap = %d\n", pPower->GetRAP()));
        EndPerson(g_pGameTime->fPersonActionEnd2);
    } else {
        SetDelayTime(g_pGameTime->fPersonActionInterval2);
    }
    FreeTables();
    return S_OK;
}

HRESULT XC_ControlCampComputer::FindUsableSkill()
{
    m_vecUsableSkill.clear();
    XC_GamePerson::SkillList skills;
    const HRESULT hr = m_pActionPersonObj->GetUsableSkillList(skills);
    if (FAILED(hr))
        return hr;
    for (const auto& [dwSkillID, dwSkillLevel] : skills) {
        if (m_ControlSkillObj.SetDataConponent(dwSkillID, dwSkillLevel) == 0
            && m_ControlSkillObj.GetUseTarget() != static_cast<int>(XE_USE_TARGET_FLOOR))
            m_vecUsableSkill.emplace_back(dwSkillID, dwSkillLevel);
    }
    return S_OK;
}

HRESULT XC_ControlCampComputer::FindBestSkill(DWORD dwSkillType, LONG& lScore, XC_PersonSkillAI*& pPersonSkillAI)
{
    lScore = 0;
    pPersonSkillAI = nullptr;
    std::unique_ptr<XC_PersonSkillAI> pBest;
    for (const auto& [dwSkillID, dwSkillLevel] : m_vecUsableSkill) {
        if (m_ControlSkillObj.SetDataConponent(dwSkillID, dwSkillLevel) != 0) {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            continue;
        }
        if ((static_cast<DWORD>(m_ControlSkillObj.GetSkillType()) & dwSkillType) == 0)
            continue;
        std::unique_ptr<XC_PersonSkillAI> pSkillAI(new XC_PersonSkillAI);
        HRESULT hr = pSkillAI->Init(m_pActionPersonObj, &m_TableResource, dwSkillID, dwSkillLevel);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("pPersonSkillAI->Init( m_pActionPersonObj , &m_TableResource , dwSkillID , dwSkillLV )",
                                hr);
        else if (FAILED(hr = pSkillAI->ComputeScore()))
            XM_REPORT_FAILED_HR("pPersonSkillAI->ComputeScore()", hr);
        LONG lSkillScore = pSkillAI->GetScore();
        m_ControlSkillObj.SetDataConponent(dwSkillID, dwSkillLevel);
        WriteDebugLine(XF_FormatText("\tSkillID %08X , Name %16s , Type %08x ,Score = %d   \n",
                                     static_cast<unsigned>(dwSkillID | dwSkillLevel),
                                     m_ControlSkillObj.GetSkillName().c_str(),
                                     static_cast<unsigned>(m_ControlSkillObj.GetSkillType()),
                                     static_cast<int>(lSkillScore)));
        if (lSkillScore < 1)
            continue;
        if (g_pGameAI->lRandomScore > 0)
            lSkillScore += std::rand() % g_pGameAI->lRandomScore;
        if (lSkillScore > lScore) {
            lScore = lSkillScore;
            pBest = std::move(pSkillAI);
        }
    }
    pPersonSkillAI = pBest.release();
    return S_OK;
}

void XC_ControlCampComputer::DoSkillAction(XC_PersonSkillAI* pPersonSkillAI)
{
    if (FAILED(pPersonSkillAI->DoAction())) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("pPersonSkillAI->DoAction() Error , Skill ID %d Level %d ",
                                     static_cast<int>(pPersonSkillAI->GetSkillID()),
                                     static_cast<int>(pPersonSkillAI->GetSkillLevel())));
        ActionPower()->SetRAP(0);
    }
}

HRESULT XC_ControlCampComputer::NormalAI_Restore(BOOL& bActioned)
{
    bActioned = FALSE;
    LONG lScore = 0;
    XC_PersonSkillAI* pPersonSkillAI = nullptr;
    const HRESULT hr = FindBestSkill(SKILL_REVIVE | SKILL_RESTORE, lScore, pPersonSkillAI);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("FindBestSkill ( 0x00000002 | 0x00000004 , lScore , pPersonSkillAI )", hr);
    if (pPersonSkillAI == nullptr)
        return S_OK;
    DoSkillAction(pPersonSkillAI);
    delete pPersonSkillAI;
    bActioned = TRUE;
    return S_OK;
}

HRESULT XC_ControlCampComputer::NormalAI_Attack(BOOL& bActioned)
{
    bActioned = FALSE;
    std::unique_ptr<XC_PersonAttackAI> pAttackAI(new XC_PersonAttackAI);
    HRESULT hr = pAttackAI->Init(m_pActionPersonObj, &m_TableResource);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pPersonAttackAI->Init( m_pActionPersonObj , &m_TableResource )", hr);
    else if (FAILED(hr = pAttackAI->ComputeScore()))
        XM_REPORT_FAILED_HR("pPersonAttackAI->ComputeScore()", hr);
    LONG lScore = pAttackAI->GetScore();
    WriteDebugLine(XF_FormatText("\tAttack , Score = %d   \n", static_cast<int>(lScore)));
    if (lScore > 0 && g_pGameAI->lRandomScore > 0)
        lScore += std::rand() % g_pGameAI->lRandomScore;

    LONG lSkillScore = 0;
    XC_PersonSkillAI* pSkillAIRaw = nullptr;
    if (FAILED(hr = FindBestSkill(SKILL_ATTACK | SKILL_REVIVE | SKILL_RESTORE | SKILL_STATE, lSkillScore,
                                  pSkillAIRaw)))
        XM_REPORT_FAILED_HR("FindBestSkill ( 0x00000001 | 0x00000002 | 0x00000004 | 0x00000008 , lASkillScore , "
                            "pPersonSkillAI )",
                            hr);
    const std::unique_ptr<XC_PersonSkillAI> pSkillAI(pSkillAIRaw);
    // A tie goes to the weapon.
    if (pSkillAI && lSkillScore >= 1 && lSkillScore > lScore) {
        WriteDebugLine(XF_FormatText("\t執行 技能%08X \n",
                                     static_cast<unsigned>(pSkillAI->GetSkillID() | pSkillAI->GetSkillLevel())));
        DoSkillAction(pSkillAI.get());
        bActioned = TRUE;
    } else if (lScore > 0) {
        WriteDebugLine("\t執行一般攻擊\n");
        if (FAILED(pAttackAI->DoAction())) {
            XF_ReportError(s_szSourceFile, __LINE__, "pPersonAttackAI->DoAction() Error");
            ActionPower()->SetRAP(0);
        }
        bActioned = TRUE;
    }
    return S_OK;
}

void XC_ControlCampComputer::RestPerson()
{
    JC_ControlPersonPower* const pPower = ActionPower();
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->Event_PersonStay(static_cast<DWORD>(pPower->GetTeamID()));
    pPower->SetRAP(0);
}

HRESULT XC_ControlCampComputer::NormalAI_Rest(BOOL& bActioned)
{
    RestPerson();
    bActioned = TRUE;
    return S_OK;
}

HRESULT XC_ControlCampComputer::NormalAI_VergeDeath(BOOL& bActioned)
{
    bActioned = FALSE;
    JC_ControlPersonPower* const pPower = ActionPower();
    const LONG* const plEnemy = m_TableResource.plTableEnemyDistance;
    const LONG lFloor = static_cast<LONG>(m_pActionPersonObj->GetFloorIndex());
    if (lFloor < 0 || lFloor >= FloorCount()) {
        XM_REPORT_FAILED("lPersonFloorIndex < (LONG)g_pSceneTableManager->GetFloorCount()");
        return E_FAIL;
    }
    if (plEnemy[lFloor] > FLEE_ENEMY_DISTANCE) {
        RestPerson();
        bActioned = TRUE;
        WriteDebugLine(XF_FormatText("\t與敵人相距 %d 格 , 在%d格外不用逃跑 , 執行待機 \n",
                                     static_cast<int>(plEnemy[lFloor]), static_cast<int>(FLEE_ENEMY_DISTANCE)));
        return S_OK;
    }
    if (pPower->GetRAP() < FLEE_RAP) {
        WriteDebugLine(XF_FormatText("\tRAP %d < %d 無法逃跑 ", pPower->GetRAP(), FLEE_RAP));
        return S_OK;
    }
    const LONG* const plReach = g_pSceneTableManager->BuildTableMoveScope(m_pActionPersonObj, ALL_MOVE_POWER);
    if (plReach == nullptr) {
        XM_REPORT_FAILED("plTableMoveScope");
        return E_FAIL;
    }
    const LONG lMaxCost = 2L * pPower->GetMove(FALSE);
    LONG lBest = lFloor;
    LONG lBestEnemy = plEnemy[lFloor];
    LONG lBestCost = 0;
    for (LONG i = 0; i < FloorCount(); ++i) {
        if (plReach[i] == -1 || plReach[i] > lMaxCost)
            continue;
        if (plEnemy[i] > lBestEnemy || (plEnemy[i] == lBestEnemy && plReach[i] < lBestCost)) {
            lBest = i;
            lBestEnemy = plEnemy[i];
            lBestCost = plReach[i];
        }
    }
    if (lBestEnemy < FLEE_SAFE_DISTANCE) {
        WriteDebugLine(XF_FormatText("\t只能到到與敵人相距%d格,不足%d格,放棄逃跑 \n", static_cast<int>(lBestEnemy),
                                     static_cast<int>(FLEE_SAFE_DISTANCE)));
        return S_OK;
    }
    if (lBest == lFloor) {
        WriteDebugLine(XF_FormatText("\t無法移動,或找不到比目前更好的位置,但還在%d格外,執行待機\n",
                                     static_cast<int>(FLEE_SAFE_DISTANCE)));
        RestPerson();
        bActioned = TRUE;
        return S_OK;
    }
    WriteDebugLine(XF_FormatText("\t逃往地板%d ( %d , %d ) 位置 , 與敵人距離%d格 \n", static_cast<int>(lBest),
                                 static_cast<int>(g_pSceneTableManager->GetFloorX(lBest)),
                                 static_cast<int>(g_pSceneTableManager->GetFloorZ(lBest)),
                                 static_cast<int>(lBestEnemy)));
    return NormalAI_MoveToFloor(bActioned, lBest);
}

HRESULT XC_ControlCampComputer::NormalAI_Move(BOOL& bActioned)
{
    bActioned = FALSE;
    JC_ControlPersonPower* const pPower = ActionPower();
    if (pPower->GetRAP() <= 1 || pPower->GetMove(FALSE) <= 0)
        return S_OK;
    HRESULT hr = S_OK;
    switch (pPower->GetAIMove()) {
    case AI_MOVE_STAY:
    case AI_MOVE_HOLD: break;
    case AI_MOVE_TO_OUR:
        WriteDebugLine("\tMoveToOur          \n");
        if (FAILED(hr = NormalAI_MoveToForces(bActioned, TRUE)))
            XM_REPORT_FAILED_HR("NormalAI_MoveToForces ( rbActioned , 1 )", hr);
        break;
    case AI_MOVE_TO_ENEMY:
        WriteDebugLine("\tMoveToEnemy        \n");
        if (FAILED(hr = NormalAI_MoveToForces(bActioned, FALSE)))
            XM_REPORT_FAILED_HR("NormalAI_MoveToForces ( rbActioned , 0 )", hr);
        break;
    case AI_MOVE_NEAREST_ENEMY:
        WriteDebugLine("\tMoveToNearestEnemy \n");
        if (FAILED(hr = NormalAI_MoveToNearestEnemy(bActioned)))
            XM_REPORT_FAILED_HR("NormalAI_MoveToNearestEnemy( rbActioned )", hr);
        break;
    case AI_MOVE_LEAST_HP_ENEMY:
        WriteDebugLine("\tMoveToLeastHPEnemy \n");
        if (FAILED(hr = NormalAI_MoveToLeastHPEnemy(bActioned)))
            XM_REPORT_FAILED_HR("NormalAI_MoveToLeastHPEnemy( rbActioned )", hr);
        break;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return E_FAIL;
    }
    return hr;
}

HRESULT XC_ControlCampComputer::NormalAI_MoveToForces(BOOL& rbActioned, BOOL bOur)
{
    rbActioned = FALSE;
    const LONG* const plStrength =
        bOur ? m_TableResource.plTableAlliedStrength : m_TableResource.plTableHostileStrength;
    const LONG* const plPersons = bOur ? m_TableResource.plTableAlliedForces : m_TableResource.plTableHostileForces;
    const LONG lFloor = static_cast<LONG>(m_pActionPersonObj->GetFloorIndex());
    if (lFloor < 0 || lFloor >= FloorCount()) {
        XM_REPORT_FAILED("lPersonFloorIndex < (LONG)g_pSceneTableManager->GetFloorCount()");
        return E_FAIL;
    }
    LONG lTarget = -1;
    LONG lBestStrength = plStrength[lFloor];
    for (LONG i = 0; i < FloorCount(); ++i) {
        if (plPersons[i] != -1 && plStrength[i] > lBestStrength) {
            lTarget = i;
            lBestStrength = plStrength[i];
        }
    }
    return lTarget < 0 ? S_OK : NormalAI_MoveToFloor(rbActioned, lTarget);
}

bool XC_ControlCampComputer::HasReachableNeighbour(LONG lFloorIndex) const
{
    for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
        const LONG lNeighbour = g_pSceneFunctionObj->GetNeighborFloor(lFloorIndex, dwDirection);
        if (lNeighbour >= 0 && g_pSceneFunctionObj->CheckFloorJump(lFloorIndex, lNeighbour, REACH_HEIGHT, REACH_HEIGHT)
            && m_TableResource.plTableAllMoveScope[lNeighbour] != -1)
            return true;
    }
    return false;
}

HRESULT XC_ControlCampComputer::NormalAI_MoveToNearestEnemy(BOOL& rbActioned)
{
    rbActioned = FALSE;
    const LONG* const plHostile = m_TableResource.plTableHostileForces;
    const LONG* const plCost = m_TableResource.plTableAllMoveScope;
    // A live hostile's cell holds -1 in the walking costs, so the first of
    // them by index wins.
    LONG lTarget = -1;
    LONG lBestCost = ALL_MOVE_POWER;
    for (LONG i = 0; i < FloorCount(); ++i) {
        if (plHostile[i] != -1 && plCost[i] < lBestCost && HasReachableNeighbour(i)) {
            lTarget = i;
            lBestCost = plCost[i];
        }
    }
    if (lTarget < 0)
        return S_OK;
    WriteDebugLine(XF_FormatText("MoveToNearestEnemy , TargetPersonIndex %d\n", static_cast<int>(plHostile[lTarget])));
    return NormalAI_MoveToFloor(rbActioned, lTarget);
}

HRESULT XC_ControlCampComputer::NormalAI_MoveToLeastHPEnemy(BOOL& rbActioned)
{
    rbActioned = FALSE;
    const DWORD dwCamp = static_cast<DWORD>(ActionPower()->GetCamp(FALSE));
    XC_GamePerson* pTarget = nullptr;
    int iLeastHP = LEAST_HP_START;
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj)) {
        JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
        if (XC_SceneTableManager::IsAlliedCamp(dwCamp, static_cast<DWORD>(pPower->GetCamp(FALSE))))
            continue;
        const LONG lFloor = static_cast<LONG>(pPersonObj->GetFloorIndex());
        if (lFloor < 0 || lFloor >= FloorCount() || !HasReachableNeighbour(lFloor))
            continue;
        if (pPower->GetHP() < iLeastHP) {
            iLeastHP = pPower->GetHP();
            pTarget = pPersonObj;
        }
    }
    if (pTarget == nullptr)
        return S_OK;
    WriteDebugLine(
        XF_FormatText("MoveToLeastHPEnemy , TargetPersonIndex %d\n", static_cast<int>(pTarget->GetTeamIndex())));
    return NormalAI_MoveToFloor(rbActioned, static_cast<LONG>(pTarget->GetFloorIndex()));
}

void XC_ControlCampComputer::WriteFloorLine(const char* szFormat, LONG lFloorA, LONG lFloorB) const
{
    const XC_SceneTableManager* const pTables = g_pSceneTableManager;
    WriteDebugLine(XF_FormatText(szFormat, static_cast<int>(lFloorA), static_cast<int>(pTables->GetFloorX(lFloorA)),
                                 static_cast<int>(pTables->GetFloorZ(lFloorA)), static_cast<int>(lFloorB),
                                 static_cast<int>(pTables->GetFloorX(lFloorB)),
                                 static_cast<int>(pTables->GetFloorZ(lFloorB))));
}

LONG XC_ControlCampComputer::FindNearestFreeFloor(LONG lTargetFloorIndex, LONG lPersonFloorIndex)
{
    JC_ControlPersonPower* const pPower = ActionPower();
    const LONG* const plCost = g_pSceneTableManager->BuildTableMovePowerByType(
        lTargetFloorIndex, ALL_MOVE_POWER, pPower->GetJumpUp(), pPower->GetJumpDown(),
        static_cast<DWORD>(pPower->GetCamp(FALSE)), static_cast<DWORD>(pPower->GetMoveType(FALSE)), TRUE, TRUE);
    if (plCost == nullptr)
        return -1;
    const LONG* const plScope = m_TableResource.plTableMoveScope;
    LONG lBest = -1;
    LONG lBestCost = plCost[lPersonFloorIndex];
    LONG lBestScope = 0;
    for (LONG i = 0; i < FloorCount(); ++i) {
        if (plScope[i] == -1 || plCost[i] == -1)
            continue;
        if (plCost[i] < lBestCost || (plCost[i] == lBestCost && plScope[i] < lBestScope)) {
            lBest = i;
            lBestCost = plCost[i];
            lBestScope = plScope[i];
        }
    }
    return lBest;
}

HRESULT XC_ControlCampComputer::NormalAI_MoveToFloor(BOOL& rbActioned, LONG lTargetFloorIndex)
{
    rbActioned = FALSE;
    const LONG lFloor = static_cast<LONG>(m_pActionPersonObj->GetFloorIndex());
    if (lFloor < 0 || lFloor >= FloorCount()) {
        XM_REPORT_FAILED("lPersonFloorIndex < (LONG)g_pSceneTableManager->GetFloorCount()");
        return E_FAIL;
    }
    if (lTargetFloorIndex < 0 || lTargetFloorIndex >= FloorCount()) {
        XM_REPORT_FAILED("lTargetFloorIndex < (LONG)g_pSceneTableManager->GetFloorCount()");
        return E_FAIL;
    }
    if (lTargetFloorIndex == lFloor) {
        WriteFloorLine("\t目前位置地板%d ( %d , %d ) = 目標地板%d ( %d , %d ) , 移動失敗\n", lFloor, lTargetFloorIndex);
        return S_OK;
    }
    LONG lTarget = lTargetFloorIndex;
    if (m_TableResource.plTableMoveScope[lTarget] == -1) {
        WriteDebugLine("\t無法到達目標 獲該位置上有人 尋找新目標地板\n");
        lTarget = FindNearestFreeFloor(lTarget, lFloor);
        if (lTarget < 0) {
            WriteDebugLine("\t尋找新目標地板失敗 , 或目前位置以最好 , 放棄移動\n");
            return S_OK;
        }
        WriteDebugLine(XF_FormatText("\t找到新目標地板%d ( %d , %d  )\n", static_cast<int>(lTarget),
                                     static_cast<int>(g_pSceneTableManager->GetFloorX(lTarget)),
                                     static_cast<int>(g_pSceneTableManager->GetFloorZ(lTarget))));
    }
    WriteFloorLine("\t移動到地板開始 目前位置地板%d ( %d , %d ) , 目標地板%d ( %d , %d ) 位置\n", lFloor, lTarget);
    const HRESULT hr = XC_PersonAttackAI::AddMoveWorks(m_pActionPersonObj, lFloor, lTarget);
    if (FAILED(hr))
        return hr;
    JC_ControlPersonPower* const pPower = ActionPower();
    const int iRap = pPower->GetRAP() - MOVE_RAP;
    if (iRap < 0)
        XM_REPORT_FAILED("lRap >= 0");
    pPower->SetRAP(iRap);
    m_pActionPersonObj->SetFloorIndex(static_cast<DWORD>(lTarget), FALSE);
    rbActioned = TRUE;
    return S_OK;
}
