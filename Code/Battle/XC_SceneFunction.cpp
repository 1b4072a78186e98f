#include "Code/Battle/XC_SceneFunction.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

#include <algorithm>
#include <cstdlib>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_SceneFunction s_SceneFunction XM_INIT_ORDER(XE_INIT_SCENE_FUNCTION);
XC_SceneFunction* g_pSceneFunctionObj = &s_SceneFunction;

namespace {

struct CellXZ
{
    LONG lX = 0;
    LONG lZ = 0;
};

// Splits an index with the floor's own conversion; a failure is reported.
bool SplitIndex(const XC_Floorer* pFloorer, LONG lFloorIndex, CellXZ& cell)
{
    const HRESULT hr = pFloorer->GetFloorXZFromFloorIdx(lFloorIndex, &cell.lX, &cell.lZ);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pSceneObj->GetFloorer()->GetFloorXZFromFloorIdx( lFloorIndex , &lX , &lZ )", hr);
        return false;
    }
    return true;
}

JC_ControlScene* ControlScene()
{
    if (gp_ControlManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ControlManagerObj");
        return nullptr;
    }
    return &gp_ControlManagerObj->m_ControlSceneObj;
}

} // namespace

HRESULT XC_SceneFunction::SetSceneObj(XC_Scene* pSceneObj)
{
    if (pSceneObj == nullptr) {
        XM_REPORT_FAILED("pSceneObj");
        return E_FAIL;
    }
    m_pSceneObj = pSceneObj;
    ClearCellCache();
    return S_OK;
}

XC_Floorer* XC_SceneFunction::Floorer() const
{
    if (m_pSceneObj == nullptr) {
        XM_REPORT_FAILED("m_pSceneObj");
        return nullptr;
    }
    XC_Floorer* const pFloorer = m_pSceneObj->GetFloorer();
    if (pFloorer == nullptr)
        XM_REPORT_FAILED("m_pSceneObj->GetFloorer()");
    return pFloorer;
}

void XC_SceneFunction::CheckIndex(const XC_Floorer* pFloorer, LONG lFloorIndex) const
{
    if (lFloorIndex < 0 || static_cast<DWORD>(lFloorIndex) >= pFloorer->GetFloorsCount())
        XM_REPORT_FAILED("lFloorIndex >= 0 && lFloorIndex < (LONG)m_pSceneObj->GetFloorer()->GetFloorsCount()");
}

void XC_SceneFunction::CheckPair(const XC_Floorer* pFloorer, LONG lFloorIndexA, LONG lFloorIndexB) const
{
    CheckIndex(pFloorer, lFloorIndexA);
    CheckIndex(pFloorer, lFloorIndexB);
    if (lFloorIndexA == lFloorIndexB)
        XM_REPORT_FAILED("lFloorIndexA != lFloorIndexB");
}

LONG XC_SceneFunction::HeightInHundredths(const XC_Floorer* pFloorer, LONG lFloorIndex)
{
    return static_cast<LONG>(pFloorer->GetFloorHeight(static_cast<DWORD>(lFloorIndex)) * 100.0);
}

LONG XC_SceneFunction::CheckFloorStep(LONG lFloorIndexA, LONG lFloorIndexB, LONG lMovePower, LONG lJumpUp,
                                      LONG lJumpDown, BOOL bIgnoreTerrain) const
{
    if (IsFloorCanStay(lFloorIndexB) == 0)
        return XE_STEP_CANNOT_STAY;
    const LONG lCost = bIgnoreTerrain ? 1 : GetFloorWalkConsume(lFloorIndexB);
    if (lCost > lMovePower)
        return XE_STEP_TOO_COSTLY;
    if (bIgnoreTerrain)
        return XE_STEP_ALLOWED;
    if (GetFloorThrough(lFloorIndexA, lFloorIndexB) == 2)
        return XE_STEP_CLOSED;
    if (!CheckFloorJump(lFloorIndexA, lFloorIndexB, lJumpUp, lJumpDown))
        return XE_STEP_JUMP;
    return XE_STEP_ALLOWED;
}

XC_SceneFunction::XS_CellFacts XC_SceneFunction::ReadCellFacts(LONG lFloorIndex)
{
    XS_CellFacts facts;
    JC_ControlScene* const pControlScene = ControlScene();
    if (pControlScene == nullptr)
        return facts;
    // A landform that cannot be bound gives its negative code: impassable.
    const int iCanStay = pControlScene->GetCanStay(lFloorIndex);
    if (iCanStay <= 0)
        return facts;
    facts.lCanStay = iCanStay;
    facts.lWalkConsume = std::max(0, pControlScene->GetWalkConsume(lFloorIndex));
    return facts;
}

HRESULT XC_SceneFunction::RefreshCellCache()
{
    m_CellCache.clear();
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr || ControlScene() == nullptr)
        return E_FAIL;
    m_CellCache.resize(pFloorer->GetFloorsCount());
    for (size_t i = 0; i < m_CellCache.size(); ++i)
        m_CellCache[i] = ReadCellFacts(static_cast<LONG>(i));
    return S_OK;
}

void XC_SceneFunction::ClearCellCache()
{
    m_CellCache.clear();
    m_PersonFacts.clear();
    m_bPersonFactsStale = true;
}

const std::vector<XS_PersonFacts>& XC_SceneFunction::GetPersonFacts()
{
    if (!m_bPersonFactsStale)
        return m_PersonFacts;
    m_PersonFacts.clear();
    m_bPersonFactsStale = false;
    if (g_pPersonManager == nullptr)
        return m_PersonFacts;
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj) && pPersonObj != nullptr) {
        XS_PersonFacts facts;
        facts.dwTeamIndex = pPersonObj->GetTeamIndex();
        facts.dwFloorIndex = pPersonObj->GetFloorIndex();
        facts.dwCamp = static_cast<DWORD>(pPersonObj->GetControlPersonPower()->GetCamp(FALSE));
        facts.dwLifeState = pPersonObj->GetLifeState();
        m_PersonFacts.push_back(facts);
    }
    return m_PersonFacts;
}

LONG XC_SceneFunction::IsFloorCanStay(LONG lFloorIndex) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer != nullptr)
        CheckIndex(pFloorer, lFloorIndex);
    if (lFloorIndex >= 0 && static_cast<size_t>(lFloorIndex) < m_CellCache.size())
        return m_CellCache[static_cast<size_t>(lFloorIndex)].lCanStay;
    return ReadCellFacts(lFloorIndex).lCanStay;
}

LONG XC_SceneFunction::GetFloorWalkConsume(LONG lFloorIndex) const
{
    if (lFloorIndex >= 0 && static_cast<size_t>(lFloorIndex) < m_CellCache.size())
        return m_CellCache[static_cast<size_t>(lFloorIndex)].lWalkConsume;
    return ReadCellFacts(lFloorIndex).lWalkConsume;
}

DWORD XC_SceneFunction::GetFloorThrough(LONG lFloorIndexA, LONG lFloorIndexB) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return 2;
    CheckPair(pFloorer, lFloorIndexA, lFloorIndexB);
    CellXZ a;
    CellXZ b;
    if (!SplitIndex(pFloorer, lFloorIndexA, a) || !SplitIndex(pFloorer, lFloorIndexB, b))
        return 2;
    const DWORD dwA = static_cast<DWORD>(lFloorIndexA);
    if (a.lX == b.lX && b.lZ < a.lZ)
        return pFloorer->GetFloorThrough_NORTH(dwA);
    if (a.lZ == b.lZ && a.lX < b.lX)
        return pFloorer->GetFloorThrough_EAST(dwA);
    if (a.lX == b.lX && a.lZ < b.lZ)
        return pFloorer->GetFloorThrough_SOUTH(dwA);
    if (a.lZ == b.lZ && b.lX < a.lX)
        return pFloorer->GetFloorThrough_WEST(dwA);
    XF_ReportError(s_szSourceFile, __LINE__, nullptr);
    return 2;
}

BOOL XC_SceneFunction::CheckFloorJump(LONG lFloorIndexA, LONG lFloorIndexB, LONG lJumpUp, LONG lJumpDown) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return FALSE;
    CheckPair(pFloorer, lFloorIndexA, lFloorIndexB);
    const LONG lHeightA = HeightInHundredths(pFloorer, lFloorIndexA);
    const LONG lHeightB = HeightInHundredths(pFloorer, lFloorIndexB);
    if (lHeightB < lHeightA)
        return lHeightA - lHeightB <= lJumpDown;
    if (lHeightB > lHeightA)
        return lHeightB - lHeightA <= lJumpUp;
    return TRUE;
}

BOOL XC_SceneFunction::IsFloorThroughOne(LONG lFloorIndexA, LONG lFloorIndexB) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return FALSE;
    CheckPair(pFloorer, lFloorIndexA, lFloorIndexB);
    const DWORD dwA = static_cast<DWORD>(lFloorIndexA);
    switch (DirectionBetween(lFloorIndexA, lFloorIndexB)) {
    case 0: return pFloorer->GetFloorThrough_NORTH(dwA) == 1;
    case 1: return pFloorer->GetFloorThrough_EAST(dwA) == 1;
    case 2: return pFloorer->GetFloorThrough_SOUTH(dwA) == 1;
    default: return pFloorer->GetFloorThrough_WEST(dwA) == 1;
    }
}

LONG XC_SceneFunction::GetFloorDistance(LONG lFloorIndexA, LONG lFloorIndexB) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return 0;
    const LONG lWidth = static_cast<LONG>(pFloorer->GetFloorerWidth());
    if (lWidth <= 0) {
        XM_REPORT_FAILED("m_pSceneObj->GetFloorer()->GetFloorerWidth() > 0");
        return 0;
    }
    return std::labs(lFloorIndexA / lWidth - lFloorIndexB / lWidth) + std::labs(lFloorIndexA % lWidth - lFloorIndexB % lWidth);
}

LONG XC_SceneFunction::GetNeighborFloor(LONG lFloorIndex, DWORD dwDirection) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return -1;
    static const LONG s_alDeltaX[4] = {0, 1, 0, -1};
    static const LONG s_alDeltaZ[4] = {-1, 0, 1, 0};
    if (dwDirection > 3) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return -1;
    }
    CellXZ cell;
    if (!SplitIndex(pFloorer, lFloorIndex, cell))
        return -1;
    LONG lNeighbor = -1;
    if (FAILED(pFloorer->GetFloorIdxFromFloorXZ_Long(&lNeighbor, cell.lX + s_alDeltaX[dwDirection],
                                                      cell.lZ + s_alDeltaZ[dwDirection])))
        return -1;
    return lNeighbor;
}

DWORD XC_SceneFunction::DirectionBetween(LONG lFloorIndexA, LONG lFloorIndexB) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return 0;
    CellXZ a;
    CellXZ b;
    if (!SplitIndex(pFloorer, lFloorIndexA, a) || !SplitIndex(pFloorer, lFloorIndexB, b))
        return 0;
    const LONG lDeltaX = b.lX - a.lX;
    const LONG lDeltaZ = b.lZ - a.lZ;
    if (std::labs(lDeltaZ) < std::labs(lDeltaX))
        return lDeltaX < 0 ? 3 : 1;
    return lDeltaZ < 1 ? 0 : 2;
}

D3DXVECTOR3* XC_SceneFunction::GetFloorPosition(D3DXVECTOR3* pvOut, LONG lFloorIndex) const
{
    const XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return pvOut;
    CheckIndex(pFloorer, lFloorIndex);
    *pvOut = pFloorer->GetFloorPosition(static_cast<DWORD>(lFloorIndex));
    return pvOut;
}

int XC_SceneFunction::GetFloorDirection(int iFloorA, int iFloorB)
{
    return static_cast<int>(DirectionBetween(static_cast<LONG>(iFloorA), static_cast<LONG>(iFloorB)));
}
