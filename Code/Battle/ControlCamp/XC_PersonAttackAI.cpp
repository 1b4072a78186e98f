#include "Code/Battle/ControlCamp/XC_PersonAttackAI.h"

#include "Code/Battle/BattleWork/XC_DisplayAttackScope.h"
#include "Code/Battle/BattleWork/XC_DisplayMoveScope.h"
#include "Code/Battle/BattleWork/XC_PersonBattle.h"
#include "Code/Battle/BattleWork/XC_PersonMove.h"
#include "Code/Battle/ControlCamp/sTableResource.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/XC_GameAI.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Scene/XC_Floorer.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

constexpr int ATTACK_RAP = 2;
constexpr float VERGE_DEATH_SHARE = 0.3f;
constexpr int MOVE_SCORE_ENEMY_DISTANCE = 100000;

// Scope shapes the AI scores: around an aim cell, or lines from the actor.
bool IsScopeShape(DWORD dwShape)
{
    return dwShape == 1 || dwShape == 2 || dwShape == 5;
}

bool IsLineShape(DWORD dwShape)
{
    return dwShape == 6 || dwShape == 7;
}

// Shapes and targets the AI never scores.
bool IsNeverScored(const XS_BattleTargetInfo& info)
{
    return info.dwUseTarget == XE_USE_TARGET_FLOOR || info.dwScopeType == 4 || info.dwScopeType == 8
        || info.dwScopeType == 9;
}

float FloorHeight(LONG lFloorIndex)
{
    return g_pPersonManager->GetFloorer()->GetFloorHeight(static_cast<DWORD>(lFloorIndex));
}

LONG FloorCount()
{
    return static_cast<LONG>(g_pSceneTableManager->GetFloorCount());
}

} // namespace

XC_PersonAttackAI::~XC_PersonAttackAI()
{
    delete m_pPersonBattle;
    delete[] m_plTableMoveScore;
    m_listPassivePersonScore.clear();
}

HRESULT XC_PersonAttackAI::Init(XC_GamePerson* pPersonObj, sTableResource* pTableResource)
{
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return E_FAIL;
    }
    if (pTableResource == nullptr) {
        XM_REPORT_FAILED("pTableResource");
        return E_FAIL;
    }
    m_pPersonObj = pPersonObj;
    m_pTableResource = pTableResource;
    return S_OK;
}

LONG XC_PersonAttackAI::PersonFloor(XC_GamePerson* pPersonObj)
{
    return static_cast<LONG>(pPersonObj->GetFloorIndex());
}

float XC_PersonAttackAI::HealthShare(XC_GamePerson* pPersonObj)
{
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    const int iMaxHP = pPower->GetMaxHP();
    return iMaxHP <= 0 ? 1.0f : static_cast<float>(pPower->GetHP()) / static_cast<float>(iMaxHP);
}

XS_BattleTargetInfo& XC_PersonAttackAI::TargetInfo() const
{
    return *m_pPersonBattle->GetBattleTargetInfo();
}

HRESULT XC_PersonAttackAI::BuildPersonBattle(BOOL& bCanDo)
{
    bCanDo = FALSE;
    if (m_pPersonObj->GetControlPersonPower()->GetRAP() < ATTACK_RAP)
        return S_OK;
    m_lRapCost = ATTACK_RAP;
    delete m_pPersonBattle;
    m_pPersonBattle = new XC_PersonBattle;
    m_pPersonBattle->InitAttack(m_pPersonObj);
    m_iMinScore = g_pGameAI->lAttack_EveryUnit;
    bCanDo = TRUE;
    return S_OK;
}

HRESULT XC_PersonAttackAI::ComputeScore()
{
    m_iScore = SCORE_NONE;
    m_lRapCost = 0;
    if (m_pPersonObj == nullptr || m_pTableResource == nullptr) {
        XM_REPORT_FAILED("m_pPersonObj");
        return E_FAIL;
    }
    BOOL bCanDo = FALSE;
    HRESULT hr = BuildPersonBattle(bCanDo);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("BuildPersonBattle( bCanDo )", hr);
    if (!bCanDo)
        return S_OK;
    const XS_BattleTargetInfo& info = TargetInfo();
    if (IsNeverScored(info))
        return S_OK;
    JC_ControlPersonPower* const pPower = m_pPersonObj->GetControlPersonPower();
    const int iMove = pPower->GetMove(FALSE);
    m_bCanMove = !(pPower->GetAIMove() == 1 || pPower->GetRAP() < m_lRapCost + MOVE_RAP || iMove < 1);
    m_lReach = info.lDistanceFar + info.lScopeLevel + (m_bCanMove ? iMove : 0);
    if (FAILED(hr = ComputeAllPassivePersonScore()))
        return hr;
    if (m_listPassivePersonScore.empty())
        return S_OK;
    if (FAILED(hr = BuildTableMoveScore()))
        return hr;
    if (IsScopeShape(info.dwScopeType)) {
        hr = ComputeScoreScope();
    } else if (IsLineShape(info.dwScopeType)) {
        hr = ComputeScoreDirection();
    } else {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    if (m_iScore == SCORE_NONE)
        return hr;
    if (m_iScore < m_iMinScore) {
        m_iScore = -1;
    } else if (m_lTargetFloorIndex != PersonFloor(m_pPersonObj)) {
        // The aim cell, not the stand cell, decides whether a move is paid for.
        m_iScore = std::max(1, m_iScore + static_cast<int>(g_pGameAI->lMoveScore));
    }
    return hr;
}

HRESULT XC_PersonAttackAI::ComputeAllPassivePersonScore()
{
    m_listPassivePersonScore.clear();
    const XC_SceneTableManager* const pTables = g_pSceneTableManager;
    const LONG lFloor = PersonFloor(m_pPersonObj);
    const LONG lX0 = pTables->GetFloorX(lFloor);
    const LONG lZ0 = pTables->GetFloorZ(lFloor);
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj)) {
        const LONG lCell = PersonFloor(pPersonObj);
        if (lCell < 0 || lCell >= FloorCount())
            continue;
        if (std::abs(pTables->GetFloorX(lCell) - lX0) + std::abs(pTables->GetFloorZ(lCell) - lZ0) > m_lReach)
            continue;
        const int iScore = ComputePassivePersonScore(pPersonObj);
        if (iScore > 0)
            m_listPassivePersonScore.push_back({pPersonObj, lCell, iScore});
    }
    return S_OK;
}

int XC_PersonAttackAI::ComputePassivePersonScore(XC_GamePerson* pPassivePerson)
{
    return ComputeAttackScore(pPassivePerson);
}

int XC_PersonAttackAI::ComputeAttackScore(XC_GamePerson* pPassivePerson)
{
    JC_ControlPersonPower* const pPower = pPassivePerson->GetControlPersonPower();
    if (pPower->GetLifeState() != static_cast<int>(DF_LifeState_Live)
        && 3 - pPower->GetDieTime() <= pPower->GetAIAssist(0))
        return -1;
    if (m_pPersonBattle->IsTargetPerson(pPassivePerson) != 1)
        return -1;
    const float fShare = HealthShare(pPassivePerson);
    int iScore = g_pGameAI->lAttack_EveryUnit;
    if (fShare < VERGE_DEATH_SHARE)
        iScore += g_pGameAI->lAttack_VergeDeath;
    iScore += (100 - static_cast<int>(fShare * 100.0f)) * g_pGameAI->lAttack_Blood;
    return iScore;
}

HRESULT XC_PersonAttackAI::BuildTableMoveScore()
{
    if (m_plTableMoveScore != nullptr) {
        XM_REPORT_FAILED("NULL == m_plTableMoveScore");
        delete[] m_plTableMoveScore;
    }
    const LONG lCount = FloorCount();
    m_plTableMoveScore = new LONG[lCount];
    std::fill(m_plTableMoveScore, m_plTableMoveScore + lCount, static_cast<LONG>(INT_MIN));
    if (m_bCanMove) {
        const sTableResource& tables = *m_pTableResource;
        for (LONG i = 0; i < lCount; ++i) {
            if (tables.plTableMoveScope[i] >= 0)
                m_plTableMoveScore[i] = MOVE_SCORE_ENEMY_DISTANCE * tables.plTableEnemyDistance[i]
                                      - 2 * tables.plTableHostileStrength[i] + tables.plTableAlliedStrength[i];
        }
    }
    // Staying put beats every move.
    m_plTableMoveScore[PersonFloor(m_pPersonObj)] = INT_MAX;
    return S_OK;
}

HRESULT XC_PersonAttackAI::BuildTableAttackDistance(std::vector<LONG>& plTableAttackDistance, int iDirection)
{
    const XS_BattleTargetInfo& info = TargetInfo();
    LONG lNear = 0;
    LONG lFar = 0;
    if (IsScopeShape(info.dwScopeType)) {
        lNear = info.lDistanceNear;
        lFar = info.lDistanceFar;
    } else if (!IsLineShape(info.dwScopeType)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    const LONG lCount = FloorCount();
    plTableAttackDistance.assign(lCount, -1);
    // The best stand score each aim cell has been reached with so far.
    std::vector<LONG> best(lCount, INT_MIN);
    for (LONG lStand = 0; lStand < lCount; ++lStand) {
        const LONG lMoveScore = m_plTableMoveScore[lStand];
        if (lMoveScore <= 0)
            continue;
        const float fHeight = FloorHeight(lStand);
        const LONG* const plScope = g_pSceneTableManager->BuildTableAttackScope(
            lStand, 1, static_cast<DWORD>(iDirection), lNear, lFar, fHeight + info.fDistanceHeightHigh,
            fHeight + info.fDistanceHeightLow);
        if (plScope == nullptr)
            continue;
        for (LONG t = 0; t < lCount; ++t) {
            if (plScope[t] >= 0 && best[t] < lMoveScore) {
                best[t] = lMoveScore;
                plTableAttackDistance[t] = lStand;
            }
        }
    }
    return S_OK;
}

HRESULT XC_PersonAttackAI::SortPassivePerson(DWORD dwDirection)
{
    const LONG lWidth = static_cast<LONG>(g_pSceneTableManager->GetWidth());
    const LONG lLength = static_cast<LONG>(g_pSceneTableManager->GetLength());
    auto key = [&](const sPassivePersonScore& entry) {
        const LONG lX = g_pSceneTableManager->GetFloorX(entry.lFloorIndex);
        const LONG lZ = g_pSceneTableManager->GetFloorZ(entry.lFloorIndex);
        switch (dwDirection) {
        case 0: return lZ;
        case 1: return lWidth - lX;
        case 2: return lLength - lZ;
        default: return lX;
        }
    };
    for (const sPassivePersonScore& entry : m_listPassivePersonScore) {
        if (key(entry) < 0)
            XM_REPORT_FAILED("lDistance >= 0");
    }
    m_listPassivePersonScore.sort(
        [&](const sPassivePersonScore& a, const sPassivePersonScore& b) { return key(a) < key(b); });
    return S_OK;
}

HRESULT XC_PersonAttackAI::BuildTableAttackScore(std::vector<LONG>& plTableAttackScore, int iDirection)
{
    if (m_listPassivePersonScore.empty()) {
        XM_REPORT_FAILED("FALSE == m_listPassivePersonScore.empty()");
        return E_FAIL;
    }
    if (iDirection < 0 || iDirection > 3) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    const XS_BattleTargetInfo& info = TargetInfo();
    const DWORD dwReversed = static_cast<DWORD>((iDirection + 2) % 4);
    plTableAttackScore.assign(FloorCount(), 0);
    sMergeTableInfo merge;
    merge.plTableTarget = plTableAttackScore.data();
    merge.plTable1 = plTableAttackScore.data();
    merge.lValue1 = -1;
    merge.dwCompareValue1 = 2;
    merge.dwCompareValue2 = 5;
    merge.dwCompareType = 5;
    merge.dwSuccessValue1 = 1;
    merge.dwSuccessValue2 = 6;
    merge.dwSuccessMergeType = 6;
    // A line hits the first person on it, so the nearest candidate merged last wins.
    if (info.dwScopeType == XE_SCOPE_NEAREST) {
        merge.dwSuccessMergeType = 5;
        SortPassivePerson(dwReversed);
    }
    for (const sPassivePersonScore& entry : m_listPassivePersonScore) {
        const float fHeight = FloorHeight(entry.lFloorIndex);
        merge.plTable2 = g_pSceneTableManager->BuildTableAttackScope(
            entry.lFloorIndex, info.dwScopeType, dwReversed, info.lScopeNear,
            info.lScopeLevel, fHeight - info.fScopeHeightLow, fHeight - info.fScopeHeightHigh);
        if (merge.plTable2 == nullptr)
            continue;
        merge.lValue2 = entry.iScore;
        g_pSceneTableManager->MergeTable(&merge);
    }
    return S_OK;
}

void XC_PersonAttackAI::ChooseBest(const std::vector<LONG>& plTableAttackDistance,
                                   const std::vector<std::vector<LONG>>& tables)
{
    bool bFound = false;
    LONG lBestScore = 0;
    LONG lBestMove = 0;
    for (size_t d = 0; d < tables.size(); ++d) {
        const std::vector<LONG>& score = tables[d];
        for (size_t t = 0; t < score.size(); ++t) {
            const LONG lStand = plTableAttackDistance[t];
            if (score[t] <= 0 || lStand < 0)
                continue;
            const LONG lMove = m_plTableMoveScore[lStand];
            if (!bFound || score[t] > lBestScore || (score[t] == lBestScore && lMove > lBestMove)) {
                bFound = true;
                lBestScore = score[t];
                lBestMove = lMove;
                m_lTargetFloorIndex = static_cast<LONG>(t);
                m_lStandFloorIndex = lStand;
                m_dwDirection = static_cast<DWORD>(d);
            }
        }
    }
    if (bFound)
        m_iScore = static_cast<int>(lBestScore);
}

HRESULT XC_PersonAttackAI::ComputeScoreScope()
{
    std::vector<LONG> distance;
    std::vector<std::vector<LONG>> scores(1);
    HRESULT hr = BuildTableAttackDistance(distance, 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("BuildTableAttackDistance( plTableAttackDistance , 0 )", hr);
        return hr;
    }
    if (FAILED(hr = BuildTableAttackScore(scores[0], 0))) {
        XM_REPORT_FAILED_HR("BuildTableAttackScore( plTableAttackScore , 0 )", hr);
        return hr;
    }
    ChooseBest(distance, scores);
    return S_OK;
}

HRESULT XC_PersonAttackAI::ComputeScoreDirection()
{
    std::vector<LONG> distance;
    std::vector<std::vector<LONG>> scores(4);
    HRESULT hr = BuildTableAttackDistance(distance, 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("BuildTableAttackDistance( plTableAttackDistance , 0 )", hr);
        return hr;
    }
    for (int d = 0; d < 4; ++d) {
        if (FAILED(hr = BuildTableAttackScore(scores[d], d))) {
            XM_REPORT_FAILED_HR("BuildTableAttackScore( plTableAttackScore , i )", hr);
            return hr;
        }
    }
    ChooseBest(distance, scores);
    return S_OK;
}

HRESULT XC_PersonAttackAI::AddMoveWorks(XC_GamePerson* pPersonObj, LONG lFromFloorIndex, LONG lToFloorIndex)
{
    if (g_pBattleSceneController == nullptr) {
        XM_REPORT_FAILED("g_pBattleSceneController");
        return E_FAIL;
    }
    XC_DisplayMoveScope* const pDisplayMoveScope = new XC_DisplayMoveScope;
    pDisplayMoveScope->SetPerson(pPersonObj);
    pDisplayMoveScope->SetStartFloorIndex(static_cast<DWORD>(lFromFloorIndex));
    pDisplayMoveScope->SetTargetFloorIndex(static_cast<DWORD>(lToFloorIndex));
    XC_PersonMove* const pMoveWorkObj = new XC_PersonMove;
    pMoveWorkObj->SetPerson(pPersonObj);
    pMoveWorkObj->SetStartFloorIndex(static_cast<DWORD>(lFromFloorIndex));
    pMoveWorkObj->SetTargetFloorIndex(static_cast<DWORD>(lToFloorIndex));
    HRESULT hr = g_pBattleSceneController->AddBattleWork(pDisplayMoveScope, SW_Simplex);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("g_pBattleSceneController->AddBattleWork( pDisplayMoveScope , 1 )", hr);
    if (FAILED(hr = g_pBattleSceneController->AddBattleWork(pMoveWorkObj, SW_Simplex)))
        XM_REPORT_FAILED_HR("g_pBattleSceneController->AddBattleWork( pMoveWorkObj , 1 )", hr);
    return S_OK;
}

HRESULT XC_PersonAttackAI::MoveToStandFloor()
{
    const LONG lFloor = PersonFloor(m_pPersonObj);
    if (lFloor == m_lStandFloorIndex)
        return S_OK;
    const HRESULT hr = AddMoveWorks(m_pPersonObj, lFloor, m_lStandFloorIndex);
    if (FAILED(hr))
        return hr;
    m_lRapCost += MOVE_RAP;
    m_pPersonObj->SetFloorIndex(static_cast<DWORD>(m_lStandFloorIndex), FALSE);
    XS_BattleTargetInfo& info = TargetInfo();
    const float fHeight = FloorHeight(m_lStandFloorIndex);
    info.fDistanceAbsHeightHigh = fHeight + info.fDistanceHeightHigh;
    info.fDistanceAbsHeightLow = fHeight + info.fDistanceHeightLow;
    info.dwActorFloorIndex = static_cast<DWORD>(m_lStandFloorIndex);
    return S_OK;
}

HRESULT XC_PersonAttackAI::AimAtTarget()
{
    XS_BattleTargetInfo& info = TargetInfo();
    info.dwTargetFloorIndex = static_cast<DWORD>(m_lTargetFloorIndex);
    const float fHeight = FloorHeight(m_lTargetFloorIndex);
    info.fScopeAbsHeightHigh = fHeight + info.fScopeHeightHigh;
    info.fScopeAbsHeightLow = fHeight + info.fScopeHeightLow;
    const LONG* const plScope = g_pSceneTableManager->BuildTableAttackScope(
        m_lTargetFloorIndex, info.dwScopeType, m_dwDirection, info.lScopeNear,
        info.lScopeLevel, info.fScopeAbsHeightHigh, info.fScopeAbsHeightLow);
    // The work answers S_OK only when the scope holds a target.
    if (plScope == nullptr || m_pPersonBattle->SelectTargets(plScope) != S_OK) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    if (!IsLineShape(info.dwScopeType))
        return S_OK;
    // A line is aimed at the cell next to the actor on its side.
    static const LONG s_alStep[4] = {0, 1, 0, -1};
    const LONG lWidth = static_cast<LONG>(g_pSceneTableManager->GetWidth());
    if (m_dwDirection > 3) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    m_lTargetFloorIndex += m_dwDirection == 0 ? -lWidth : m_dwDirection == 2 ? lWidth : s_alStep[m_dwDirection];
    if (m_lTargetFloorIndex < 0 || m_lTargetFloorIndex >= FloorCount()) {
        XM_REPORT_FAILED("m_lTargetFloorIndex >= 0");
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_PersonAttackAI::DoAction()
{
    if (m_iScore <= 0) {
        XM_REPORT_FAILED("m_iScore > 0");
        return E_FAIL;
    }
    if (m_pPersonBattle == nullptr) {
        XM_REPORT_FAILED("m_pPersonBattle");
        return E_FAIL;
    }
    if (m_pPersonObj == nullptr) {
        XM_REPORT_FAILED("m_pPersonObj");
        return E_FAIL;
    }
    HRESULT hr = MoveToStandFloor();
    if (FAILED(hr) || FAILED(hr = AimAtTarget()))
        return hr;
    m_pPersonBattle->SetTargetFloorIndex(static_cast<DWORD>(m_lTargetFloorIndex));
    XC_DisplayAttackScope* const pDisplayAttackScope = new XC_DisplayAttackScope;
    pDisplayAttackScope->SetPersonBattleObj(m_pPersonBattle);
    if (FAILED(hr = g_pBattleSceneController->AddBattleWork(pDisplayAttackScope, SW_Simplex)))
        XM_REPORT_FAILED_HR("g_pBattleSceneController->AddBattleWork( pDisplayAttackScope )", hr);
    XC_PersonBattle* const pPersonBattle = m_pPersonBattle;
    m_pPersonBattle = nullptr;
    if (FAILED(hr = g_pBattleSceneController->AddBattleWork(pPersonBattle, SW_Simplex)))
        XM_REPORT_FAILED_HR("g_pBattleSceneController->AddBattleWork( m_pPersonBattle )", hr);
    JC_ControlPersonPower* const pPower = m_pPersonObj->GetControlPersonPower();
    const int iRap = pPower->GetRAP() - static_cast<int>(m_lRapCost);
    if (iRap < 0)
        XM_REPORT_FAILED("lRap >= 0");
    pPower->SetRAP(iRap);
    return S_OK;
}
