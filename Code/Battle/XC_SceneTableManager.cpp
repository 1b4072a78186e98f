#include "Code/Battle/XC_SceneTableManager.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Scene/XC_Floorer.h"

#include <algorithm>
#include <cstdlib>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_SceneTableManager* g_pSceneTableManager = nullptr;

namespace {

// Where nobody of a side is, for the distance and force tables.
const LONG FAR_AWAY = 1000;

bool CompareNever(LONG, LONG) { return false; }
bool CompareLess(LONG lA, LONG lB) { return lA < lB; }
bool CompareEqual(LONG lA, LONG lB) { return lA == lB; }
bool CompareLessEqual(LONG lA, LONG lB) { return lA <= lB; }
bool CompareGreater(LONG lA, LONG lB) { return lA > lB; }
bool CompareNotEqual(LONG lA, LONG lB) { return lA != lB; }
bool CompareGreaterEqual(LONG lA, LONG lB) { return lA >= lB; }
bool CompareAlways(LONG, LONG) { return true; }

void MergeNone(LONG*, LONG, LONG) {}
void MergeZero(LONG* plTarget, LONG, LONG) { *plTarget = 0; }
void MergeIncrease(LONG* plTarget, LONG, LONG) { *plTarget += 1; }
void MergeDecrease(LONG* plTarget, LONG, LONG) { *plTarget -= 1; }
void MergeFirst(LONG* plTarget, LONG lA, LONG) { *plTarget = lA; }
void MergeSecond(LONG* plTarget, LONG, LONG lB) { *plTarget = lB; }
void MergeSum(LONG* plTarget, LONG lA, LONG lB) { *plTarget = lA + lB; }

DWORD PersonCamp(XC_GamePerson* pPersonObj)
{
    return static_cast<DWORD>(pPersonObj->GetControlPersonPower()->GetCamp(FALSE));
}

} // namespace

XC_SceneTableManager::~XC_SceneTableManager()
{
    Fini();
}

HRESULT XC_SceneTableManager::Init()
{
    Fini();
    m_pFloorer = g_pPersonManager != nullptr ? g_pPersonManager->GetFloorer() : nullptr;
    if (m_pFloorer == nullptr) {
        XM_REPORT_FAILED("m_pFloorer");
        return S_OK;
    }
    m_dwFloorCount = m_pFloorer->GetFloorsCount();
    m_dwWidth = m_pFloorer->GetFloorerWidth();
    m_dwLength = m_pFloorer->GetFloorerLength();
    m_dwMaxDistance = m_dwWidth + m_dwLength;
    if (m_dwFloorCount == 0) {
        XM_REPORT_FAILED("m_dwFloorCount > 0");
        return S_OK;
    }
    for (std::vector<LONG>& table : m_pplTableList)
        table.assign(m_dwFloorCount, -1);
    m_plTableMinusOne.assign(m_dwFloorCount, -1);
    m_CurrentCells.reserve(m_dwFloorCount);
    m_NextCells.reserve(m_dwFloorCount);
    return S_OK;
}

HRESULT XC_SceneTableManager::Fini()
{
    m_pFloorer = nullptr;
    for (std::vector<LONG>& table : m_pplTableList)
        std::vector<LONG>().swap(table);
    std::vector<LONG>().swap(m_plTableMinusOne);
    m_dwFloorCount = 0;
    m_dwWidth = 0;
    m_dwLength = 0;
    return S_OK;
}

LONG XC_SceneTableManager::GetFloorIndex(LONG lX, LONG lZ) const
{
    return lZ * static_cast<LONG>(m_dwWidth) + lX;
}

LONG XC_SceneTableManager::GetFloorX(LONG lFloorIndex) const
{
    return m_dwWidth == 0 ? -1 : lFloorIndex % static_cast<LONG>(m_dwWidth);
}

LONG XC_SceneTableManager::GetFloorZ(LONG lFloorIndex) const
{
    return m_dwWidth == 0 ? -1 : lFloorIndex / static_cast<LONG>(m_dwWidth);
}

LONG XC_SceneTableManager::GetDistance(LONG lFloorIndexA, LONG lFloorIndexB) const
{
    return std::labs(GetFloorX(lFloorIndexA) - GetFloorX(lFloorIndexB))
         + std::labs(GetFloorZ(lFloorIndexA) - GetFloorZ(lFloorIndexB));
}

bool XC_SceneTableManager::SplitIndex(LONG lFloorIndex, LONG& lX, LONG& lZ) const
{
    if (lFloorIndex < 0 || static_cast<DWORD>(lFloorIndex) >= m_dwFloorCount || m_dwWidth == 0)
        return false;
    lX = GetFloorX(lFloorIndex);
    lZ = GetFloorZ(lFloorIndex);
    return true;
}

LONG* XC_SceneTableManager::GetNewTable(LONG lInitValue)
{
    if (m_plTableMinusOne.empty())
        return nullptr;
    m_dwTableListIndex = (m_dwTableListIndex + 1) % TABLE_RING_SIZE;
    std::vector<LONG>& table = m_pplTableList[m_dwTableListIndex];
    if (lInitValue == -1)
        std::copy(m_plTableMinusOne.begin(), m_plTableMinusOne.end(), table.begin());
    else
        std::fill(table.begin(), table.end(), lInitValue);
    return table.data();
}

LONG* XC_SceneTableManager::CloneTable(const LONG* plTable) const
{
    if (plTable == nullptr || m_dwFloorCount == 0)
        return nullptr;
    LONG* const plClone = new LONG[m_dwFloorCount];
    std::copy(plTable, plTable + m_dwFloorCount, plClone);
    return plClone;
}

LONG* XC_SceneTableManager::BuildTableDistance(LONG lCenterIndex, LONG lRange, BOOL bDistance)
{
    const LONG lRangeGiven = lRange;
    const LONG lRangeUsed = std::min(lRange, static_cast<LONG>(m_dwMaxDistance));
    LONG* const plTable = GetNewTable(-1);
    LONG lX0 = 0;
    LONG lZ0 = 0;
    if (plTable == nullptr || !SplitIndex(lCenterIndex, lX0, lZ0)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    const LONG lWidth = static_cast<LONG>(m_dwWidth);
    const LONG lLength = static_cast<LONG>(m_dwLength);
    for (LONG lZ = std::max(0L, lZ0 - lRangeUsed); lZ <= std::min(lLength - 1, lZ0 + lRangeUsed); ++lZ) {
        for (LONG lX = std::max(0L, lX0 - lRangeUsed); lX <= std::min(lWidth - 1, lX0 + lRangeUsed); ++lX) {
            const LONG lDistance = std::labs(lX - lX0) + std::labs(lZ - lZ0);
            if (lDistance <= lRangeUsed)
                plTable[GetFloorIndex(lX, lZ)] = bDistance ? lDistance : lRangeGiven - lDistance;
        }
    }
    return plTable;
}

LONG* XC_SceneTableManager::BuildTableMovePower(XC_GamePerson* pPersonObj, LONG lMovePower)
{
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return nullptr;
    }
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    const LONG lPower = lMovePower < 0 ? pPower->GetMove(FALSE) : lMovePower;
    return BuildTableMovePowerByType(static_cast<LONG>(pPersonObj->GetFloorIndex()), lPower, pPower->GetJumpUp(),
                                     pPower->GetJumpDown(), PersonCamp(pPersonObj),
                                     static_cast<DWORD>(pPower->GetMoveType(FALSE)), FALSE, FALSE);
}

LONG* XC_SceneTableManager::BuildTableMoveScope(XC_GamePerson* pPersonObj, LONG lMovePower)
{
    LONG* const plTableMovePower = BuildTableMovePower(pPersonObj, lMovePower);
    if (plTableMovePower == nullptr) {
        XM_REPORT_FAILED("plTableMovePower");
        return nullptr;
    }
    const LONG* const plTablePerson = BuildTableAllPerson();
    if (plTablePerson == nullptr) {
        XM_REPORT_FAILED("plTablePerson");
        return nullptr;
    }
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (plTablePerson[i] != -1)
            plTableMovePower[i] = -1;
    }
    return plTableMovePower;
}

LONG* XC_SceneTableManager::BuildTableMovePowerByType(LONG lSourceIndex, LONG lMovePower, LONG lJumpUp,
                                                      LONG lJumpDown, DWORD dwCamp, DWORD dwMoveType, BOOL bReverse,
                                                      BOOL bIgnoreZOC)
{
    switch (dwMoveType) {
    case XE_MOVE_TYPE_WALK:
        return BuildTableWalk(lSourceIndex, lMovePower, lJumpUp, lJumpDown, dwCamp, bReverse, bIgnoreZOC);
    case XE_MOVE_TYPE_FLY_1:
    case XE_MOVE_TYPE_FLY_2:
    case XE_MOVE_TYPE_FLY_3:
        return BuildTableFree(lSourceIndex, lMovePower);
    default:
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
}

LONG* XC_SceneTableManager::BuildTableWalk(LONG lSourceIndex, LONG lMovePower, LONG lJumpUp, LONG lJumpDown,
                                           DWORD dwCamp, BOOL bReverse, BOOL bIgnoreZOC)
{
    if (lMovePower < 1)
        XM_REPORT_FAILED("lMovePower > 0");
    if (lSourceIndex < 0 || static_cast<DWORD>(lSourceIndex) >= m_dwFloorCount) {
        XM_REPORT_FAILED("lSourceIndex < (LONG)m_dwFloorCount");
        return nullptr;
    }
    LONG* const plTableMovePower = GetNewTable(-1);
    const LONG* const plTableZOC = bIgnoreZOC ? GetNewTable(0) : BuildTableZOC(dwCamp);
    const LONG* const plTableHostile = bIgnoreZOC ? GetNewTable(-1) : BuildTableHostilePerson(dwCamp, 1);
    if (plTableMovePower == nullptr || plTableZOC == nullptr || plTableHostile == nullptr) {
        XM_REPORT_FAILED(plTableMovePower == nullptr ? "plTableMovePower"
                         : plTableZOC == nullptr     ? "plTableZOC"
                                                     : "plTableHostile");
        return nullptr;
    }
    m_CurrentCells.clear();
    m_NextCells.clear();
    m_CurrentCells.push_back(lSourceIndex);
    plTableMovePower[lSourceIndex] = 0;
    for (LONG lStep = 1; lStep <= lMovePower; ++lStep) {
        for (const LONG lFloor : m_CurrentCells) {
            LONG lDelta = lStep - plTableMovePower[lFloor];
            if (lDelta <= 0)
                XM_REPORT_FAILED("lDeltaMove > 0");
            // Leaving a cell in a hostile zone costs its zone value more.
            if (plTableZOC[lFloor] != -1) {
                lDelta -= plTableZOC[lFloor];
                if (lDelta < 1) {
                    m_NextCells.push_back(lFloor);
                    continue;
                }
            }
            if (SpreadFromCell(lFloor, lStep, lDelta, lJumpUp, lJumpDown, bReverse, plTableMovePower, plTableHostile,
                               m_NextCells))
                m_NextCells.push_back(lFloor);
        }
        m_CurrentCells.swap(m_NextCells);
        m_NextCells.clear();
    }
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (plTableMovePower[i] >= 0 && plTableZOC[i] > 0)
            plTableMovePower[i] += 1;
    }
    return plTableMovePower;
}

bool XC_SceneTableManager::SpreadFromCell(LONG lFloor, LONG lStep, LONG lDelta, LONG lJumpUp, LONG lJumpDown,
                                          BOOL bReverse, LONG* plTableMovePower, const LONG* plTableHostile,
                                          std::vector<LONG>& next) const
{
    bool bBlocked = false;
    for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
        const LONG lNeighbor = g_pSceneFunctionObj->GetNeighborFloor(lFloor, dwDirection);
        if (lNeighbor < 0 || plTableMovePower[lNeighbor] != -1 || plTableHostile[lNeighbor] != -1)
            continue;
        const LONG lResult = bReverse
                               ? g_pSceneFunctionObj->CheckFloorStep(lNeighbor, lFloor, lDelta, lJumpUp, lJumpDown, 0)
                               : g_pSceneFunctionObj->CheckFloorStep(lFloor, lNeighbor, lDelta, lJumpUp, lJumpDown, 0);
        if (lResult == XE_STEP_ALLOWED) {
            next.push_back(lNeighbor);
            plTableMovePower[lNeighbor] = lStep;
        } else if (lResult == XE_STEP_TOO_COSTLY) {
            bBlocked = true;
        }
    }
    return bBlocked;
}

LONG* XC_SceneTableManager::BuildTableFree(LONG lSourceIndex, LONG lMovePower)
{
    LONG* const plTable = BuildTableDistance(lSourceIndex, lMovePower, TRUE);
    if (plTable == nullptr)
        return nullptr;
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (plTable[i] >= 0 && g_pSceneFunctionObj->IsFloorCanStay(static_cast<LONG>(i)) == 0)
            plTable[i] = -1;
    }
    return plTable;
}

LONG* XC_SceneTableManager::BuildTableZOC(DWORD dwCamp)
{
    LONG* const plTable = GetNewTable(-1);
    if (plTable == nullptr)
        return nullptr;
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return plTable;
    }
    for (const XS_PersonFacts& person : g_pSceneFunctionObj->GetPersonFacts()) {
        if (IsAlliedCamp(dwCamp, person.dwCamp) || person.dwLifeState != DF_LifeState_Live)
            continue;
        for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
            const LONG lNeighbor =
                g_pSceneFunctionObj->GetNeighborFloor(static_cast<LONG>(person.dwFloorIndex), dwDirection);
            if (lNeighbor >= 0)
                plTable[lNeighbor] = 1;
        }
    }
    return plTable;
}

LONG* XC_SceneTableManager::BuildTablePerson(PersonFilter eFilter, DWORD dwCamp, DWORD dwLifeState)
{
    LONG* const plTable = GetNewTable(-1);
    if (plTable == nullptr)
        return nullptr;
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return plTable;
    }
    for (const XS_PersonFacts& person : g_pSceneFunctionObj->GetPersonFacts()) {
        if (eFilter != PersonFilter::All) {
            const bool bAllied = IsAlliedCamp(dwCamp, person.dwCamp) != FALSE;
            if (bAllied != (eFilter == PersonFilter::Allied))
                continue;
            if (dwLifeState != XE_LIFE_STATE_ANY && person.dwLifeState != dwLifeState)
                continue;
        }
        if (person.dwFloorIndex < m_dwFloorCount)
            plTable[person.dwFloorIndex] = static_cast<LONG>(person.dwTeamIndex);
    }
    return plTable;
}

LONG* XC_SceneTableManager::BuildTableAllPerson()
{
    return BuildTablePerson(PersonFilter::All, 0, XE_LIFE_STATE_ANY);
}

LONG* XC_SceneTableManager::BuildTableAlliedPerson(DWORD dwCamp, DWORD dwLifeState)
{
    return BuildTablePerson(PersonFilter::Allied, dwCamp, dwLifeState);
}

LONG* XC_SceneTableManager::BuildTableHostilePerson(DWORD dwCamp, DWORD dwLifeState)
{
    return BuildTablePerson(PersonFilter::Hostile, dwCamp, dwLifeState);
}

LONG* XC_SceneTableManager::BuildTableAroundPersons(LONG* plTablePerson, LONG lInitValue, BOOL bDistance,
                                                    DWORD dwCompareType, DWORD dwMergeType)
{
    if (plTablePerson == nullptr) {
        XM_REPORT_FAILED("plTableEnemy");
        return nullptr;
    }
    LONG* const plPersons = CloneTable(plTablePerson);
    LONG* const plResult = CloneTable(GetNewTable(lInitValue));
    // The distance table of each person merged in place, as MergeTable would
    // merge it: a camp's AI builds these for every action of every person.
    const CompareOp compare = SelectCompare(dwCompareType);
    const MergeOp merge = SelectMerge(dwMergeType);
    const LONG lRange = static_cast<LONG>(m_dwMaxDistance);
    const LONG lWidth = static_cast<LONG>(m_dwWidth);
    const LONG lLength = static_cast<LONG>(m_dwLength);
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (plPersons[i] == -1)
            continue;
        const LONG lX0 = static_cast<LONG>(i) % lWidth;
        const LONG lZ0 = static_cast<LONG>(i) / lWidth;
        for (LONG lZ = 0; lZ < lLength; ++lZ) {
            LONG* const plRow = plResult + lZ * lWidth;
            const LONG lDZ = std::labs(lZ - lZ0);
            for (LONG lX = 0; lX < lWidth; ++lX) {
                const LONG lDistance = std::labs(lX - lX0) + lDZ;
                const LONG lValue = lDistance > lRange ? -1 : bDistance ? lDistance : lRange - lDistance;
                if (compare(plRow[lX], lValue))
                    merge(&plRow[lX], plRow[lX], lValue);
            }
        }
    }
    delete[] plPersons;
    return plResult;
}

LONG* XC_SceneTableManager::BuildTableEnemyDistance(DWORD dwCamp)
{
    // Nearest: take the distance when it is smaller.
    return BuildTableAroundPersons(BuildTableHostilePerson(dwCamp, DF_LifeState_Live), FAR_AWAY, TRUE, 5, 5);
}

LONG* XC_SceneTableManager::BuildTableForces(DWORD dwCamp, BOOL bAllied)
{
    LONG* const plTablePerson = bAllied ? BuildTableAlliedPerson(dwCamp, DF_LifeState_Live)
                                        : BuildTableHostilePerson(dwCamp, DF_LifeState_Live);
    // Sum of closeness over every person of the side.
    return BuildTableAroundPersons(plTablePerson, FAR_AWAY, FALSE, 8, 6);
}

LONG* XC_SceneTableManager::BuildTableAttackScope(LONG lCenterIndex, DWORD dwScopeType, DWORD dwDirection,
                                                  LONG lMinRange, LONG lMaxRange, float fMaxHeight, float fMinHeight)
{
    if (dwDirection >= 4) {
        XM_REPORT_FAILED("dwDirection < 4");
        dwDirection = 0;
    }
    BOOL abLine[4] = {FALSE, FALSE, FALSE, FALSE};
    BOOL bAll = FALSE;
    switch (dwScopeType) {
    case 1:
    case 5:
    case 9: bAll = TRUE; break;
    case 2: abLine[0] = abLine[1] = abLine[2] = abLine[3] = TRUE; break;
    case 3: abLine[dwDirection] = abLine[(dwDirection + 2) % 4] = TRUE; break;
    case 4: abLine[(dwDirection + 1) % 4] = abLine[(dwDirection + 3) % 4] = TRUE; break;
    case 6:
    case 7:
    case 8: abLine[dwDirection] = TRUE; break;
    default:
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        bAll = TRUE;
        break;
    }
    return BuildTableScope(lCenterIndex, bAll, abLine[0], abLine[1], abLine[2], abLine[3], lMinRange, lMaxRange,
                           fMaxHeight, fMinHeight);
}

LONG* XC_SceneTableManager::BuildTableScope(LONG lCenterIndex, BOOL bAll, BOOL bNorth, BOOL bEast, BOOL bSouth,
                                            BOOL bWest, LONG lMinRange, LONG lMaxRange, float fMaxHeight,
                                            float fMinHeight)
{
    LONG lX0 = 0;
    LONG lZ0 = 0;
    if (!SplitIndex(lCenterIndex, lX0, lZ0)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    LONG* const plTable = GetNewTable(-1);
    if (plTable == nullptr)
        return nullptr;
    const LONG lRange = std::min(lMaxRange, static_cast<LONG>(m_dwMaxDistance));
    for (LONG lDeltaZ = -lRange; lDeltaZ <= lRange; ++lDeltaZ) {
        for (LONG lDeltaX = -lRange; lDeltaX <= lRange; ++lDeltaX) {
            const LONG lDistance = std::labs(lDeltaX) + std::labs(lDeltaZ);
            const LONG lX = lX0 + lDeltaX;
            const LONG lZ = lZ0 + lDeltaZ;
            if (lDistance < lMinRange || lDistance > lMaxRange || lX < 0 || lZ < 0
                || lX >= static_cast<LONG>(m_dwWidth) || lZ >= static_cast<LONG>(m_dwLength))
                continue;
            const bool bShape = bAll || (bNorth && lDeltaX == 0 && lDeltaZ <= 0)
                             || (bEast && lDeltaZ == 0 && lDeltaX >= 0) || (bSouth && lDeltaX == 0 && lDeltaZ >= 0)
                             || (bWest && lDeltaZ == 0 && lDeltaX <= 0);
            if (!bShape)
                continue;
            const LONG lFloor = GetFloorIndex(lX, lZ);
            const float fHeight = m_pFloorer->GetFloorHeight(static_cast<DWORD>(lFloor));
            if (fMinHeight <= fHeight && fHeight <= fMaxHeight)
                plTable[lFloor] = lDistance;
        }
    }
    return plTable;
}

BOOL XC_SceneTableManager::IsAlliedCamp(DWORD dwCampA, DWORD dwCampB)
{
    if (dwCampA == dwCampB)
        return TRUE;
    return (dwCampA == XE_CAMP_PLAYER && dwCampB == XE_CAMP_PARTNER)
        || (dwCampA == XE_CAMP_PARTNER && dwCampB == XE_CAMP_PLAYER);
}

LONG XC_SceneTableManager::TableValue(const LONG* plTable, DWORD dwIndex) const
{
    if (plTable == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return 0;
    }
    return plTable[dwIndex];
}

LONG XC_SceneTableManager::ValueZero(DWORD) const { return 0; }
LONG XC_SceneTableManager::ValueTable1(DWORD dwIndex) const { return TableValue(psMergeTableInfo->plTable1, dwIndex); }
LONG XC_SceneTableManager::ValueTable2(DWORD dwIndex) const { return TableValue(psMergeTableInfo->plTable2, dwIndex); }
LONG XC_SceneTableManager::ValueTable3(DWORD dwIndex) const { return TableValue(psMergeTableInfo->plTable3, dwIndex); }
LONG XC_SceneTableManager::ValueTable4(DWORD dwIndex) const { return TableValue(psMergeTableInfo->plTable4, dwIndex); }
LONG XC_SceneTableManager::ValueConstant1(DWORD) const { return psMergeTableInfo->lValue1; }
LONG XC_SceneTableManager::ValueConstant2(DWORD) const { return psMergeTableInfo->lValue2; }
LONG XC_SceneTableManager::ValueConstant3(DWORD) const { return psMergeTableInfo->lValue3; }
LONG XC_SceneTableManager::ValueConstant4(DWORD) const { return psMergeTableInfo->lValue4; }

XC_SceneTableManager::ValueOp XC_SceneTableManager::SelectValue(DWORD dwCode) const
{
    static const ValueOp s_aValueOps[9] = {
        &XC_SceneTableManager::ValueZero,      &XC_SceneTableManager::ValueTable1,
        &XC_SceneTableManager::ValueTable2,    &XC_SceneTableManager::ValueTable3,
        &XC_SceneTableManager::ValueTable4,    &XC_SceneTableManager::ValueConstant1,
        &XC_SceneTableManager::ValueConstant2, &XC_SceneTableManager::ValueConstant3,
        &XC_SceneTableManager::ValueConstant4,
    };
    if (dwCode >= 9) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return s_aValueOps[0];
    }
    return s_aValueOps[dwCode];
}

XC_SceneTableManager::CompareOp XC_SceneTableManager::SelectCompare(DWORD dwCode) const
{
    static const CompareOp s_aCompareOps[9] = {
        CompareNever,   CompareNever,    CompareLess,         CompareEqual,  CompareLessEqual,
        CompareGreater, CompareNotEqual, CompareGreaterEqual, CompareAlways,
    };
    if (dwCode == 0 || dwCode >= 9) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return CompareNever;
    }
    return s_aCompareOps[dwCode];
}

XC_SceneTableManager::MergeOp XC_SceneTableManager::SelectMerge(DWORD dwCode) const
{
    static const MergeOp s_aMergeOps[7] = {
        MergeNone, MergeZero, MergeIncrease, MergeDecrease, MergeFirst, MergeSecond, MergeSum,
    };
    if (dwCode >= 7) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return MergeNone;
    }
    return s_aMergeOps[dwCode];
}

HRESULT XC_SceneTableManager::MergeTable(sMergeTableInfo* psInfo)
{
    if (psInfo == nullptr) {
        XM_REPORT_FAILED("psMergeTableInfo");
        return S_OK;
    }
    if (psInfo->plTableTarget == nullptr) {
        XM_REPORT_FAILED("psMergeTableInfo->plTableTarget");
        return S_OK;
    }
    psMergeTableInfo = psInfo;
    fpMergeTableCompareValue1 = SelectValue(psInfo->dwCompareValue1);
    fpMergeTableCompareValue2 = SelectValue(psInfo->dwCompareValue2);
    fpMergeTableCompareType = SelectCompare(psInfo->dwCompareType);
    fpMergeTableSuccessValue1 = SelectValue(psInfo->dwSuccessValue1);
    fpMergeTableSuccessValue2 = SelectValue(psInfo->dwSuccessValue2);
    fpMergeTableSuccessMergeType = SelectMerge(psInfo->dwSuccessMergeType);
    fpMergeTableFailValue1 = SelectValue(psInfo->dwFailValue1);
    fpMergeTableFailValue2 = SelectValue(psInfo->dwFailValue2);
    fpMergeTableFailMergeType = SelectMerge(psInfo->dwFailMergeType);
    LONG* const plTarget = psInfo->plTableTarget;
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (fpMergeTableCompareType((this->*fpMergeTableCompareValue1)(i), (this->*fpMergeTableCompareValue2)(i)))
            fpMergeTableSuccessMergeType(&plTarget[i], (this->*fpMergeTableSuccessValue1)(i),
                                         (this->*fpMergeTableSuccessValue2)(i));
        else
            fpMergeTableFailMergeType(&plTarget[i], (this->*fpMergeTableFailValue1)(i),
                                      (this->*fpMergeTableFailValue2)(i));
    }
    fpMergeTableCompareValue1 = nullptr;
    fpMergeTableCompareValue2 = nullptr;
    fpMergeTableCompareType = nullptr;
    fpMergeTableSuccessValue1 = nullptr;
    fpMergeTableSuccessValue2 = nullptr;
    fpMergeTableSuccessMergeType = nullptr;
    fpMergeTableFailValue1 = nullptr;
    fpMergeTableFailValue2 = nullptr;
    fpMergeTableFailMergeType = nullptr;
    psMergeTableInfo = nullptr;
    return S_OK;
}
