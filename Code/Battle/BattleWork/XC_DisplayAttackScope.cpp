#include "Code/Battle/BattleWork/XC_DisplayAttackScope.h"

#include "Code/Battle/BattleWork/XC_PersonBattle.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The shapes around the actor, and the shape of a straight distance.
const DWORD FIRST_SELF_SCOPE = 6;
const DWORD LAST_SELF_SCOPE = 8;
const DWORD SCOPE_AROUND = 6;
const DWORD SCOPE_DISTANCE = 1;

bool IsSelfScope(DWORD dwScopeType)
{
    return dwScopeType >= FIRST_SELF_SCOPE && dwScopeType <= LAST_SELF_SCOPE;
}

} // namespace

XC_DisplayAttackScope::XC_DisplayAttackScope()
{
    SetName("XC_DisplayAttackScope");
}

XC_DisplayAttackScope::~XC_DisplayAttackScope() = default;

HRESULT XC_DisplayAttackScope::SetPersonBattleObj(XC_PersonBattle* pPersonBattle)
{
    if (pPersonBattle == nullptr) {
        XM_REPORT_FAILED("pPersonBattle");
        return E_FAIL;
    }
    m_pPersonBattle = pPersonBattle;
    return S_OK;
}

void XC_DisplayAttackScope::Begin()
{
    m_fElapsedTime = 0.0f;
    m_dwStep = STEP_DISTANCE;
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->ClearShowFloor();
}

void XC_DisplayAttackScope::End()
{
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->ClearShowFloor();
}

void XC_DisplayAttackScope::ShowDistance(XC_GamePerson* pPersonObj, const XS_BattleTargetInfo& info)
{
    const LONG lActorFloor = static_cast<LONG>(pPersonObj->GetFloorIndex());
    if (IsSelfScope(info.dwScopeType)) {
        for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
            g_pBattleSceneController->ShowAttackDistanceTable(g_pSceneTableManager->BuildTableAttackScope(
                lActorFloor, SCOPE_AROUND, dwDirection, info.lScopeNear, info.lScopeLevel, info.fScopeAbsHeightHigh,
                info.fScopeAbsHeightLow));
        }
        return;
    }
    const LONG* const plTableDistance = g_pSceneTableManager->BuildTableAttackScope(
        lActorFloor, SCOPE_DISTANCE, pPersonObj->GetDirection(), info.lDistanceNear, info.lDistanceFar,
        info.fDistanceAbsHeightHigh, info.fDistanceAbsHeightLow);
    if (plTableDistance == nullptr) {
        XM_REPORT_FAILED("plTableDistance");
        return;
    }
    g_pBattleSceneController->ShowAttackDistanceTable(plTableDistance);
}

void XC_DisplayAttackScope::ShowScope(XC_GamePerson* pPersonObj, const XS_BattleTargetInfo& info) const
{
    const DWORD dwActorFloor = pPersonObj->GetFloorIndex();
    const DWORD dwTargetFloorIndex = m_pPersonBattle->GetTargetFloorIndex();
    const DWORD dwDirection =
        dwTargetFloorIndex == dwActorFloor
            ? pPersonObj->GetDirection()
            : static_cast<DWORD>(g_pSceneFunctionObj->GetFloorDirection(static_cast<int>(dwActorFloor),
                                                                        static_cast<int>(dwTargetFloorIndex)));
    pPersonObj->LookTarget(dwTargetFloorIndex, 0);
    const DWORD dwCenter = IsSelfScope(info.dwScopeType) ? dwActorFloor : dwTargetFloorIndex;
    const LONG* const plTableScope = g_pSceneTableManager->BuildTableAttackScope(
        static_cast<LONG>(dwCenter), info.dwScopeType, dwDirection, info.lScopeNear, info.lScopeLevel,
        info.fScopeAbsHeightHigh, info.fScopeAbsHeightLow);
    if (plTableScope == nullptr) {
        XM_REPORT_FAILED("plTableScope");
        return;
    }
    g_pBattleSceneController->ShowAttackScopeTable(plTableScope);
}

BOOL XC_DisplayAttackScope::Step(float fElapsedTime)
{
    if (m_pPersonBattle == nullptr) {
        XM_REPORT_FAILED("m_pPersonBattle");
        return TRUE;
    }
    XC_GamePerson* const pPersonObj = m_pPersonBattle->GetActivePerson(0);
    if (pPersonObj == nullptr || g_pBattleSceneController == nullptr || g_pSceneTableManager == nullptr
        || g_pSceneFunctionObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return TRUE;
    }
    const XS_BattleTargetInfo& info = *m_pPersonBattle->GetBattleTargetInfo();
    const float fDistanceTime = g_pGameTime != nullptr ? g_pGameTime->fDisplayAttackDistance : 0.0f;
    const float fScopeTime = g_pGameTime != nullptr ? g_pGameTime->fDisplayAttackScope : 0.0f;
    switch (m_dwStep) {
    case STEP_DISTANCE:
        ShowDistance(pPersonObj, info);
        m_dwStep = STEP_SHOW_DISTANCE;
        break;
    case STEP_SHOW_DISTANCE:
        if (m_fElapsedTime >= fDistanceTime) {
            m_dwStep = STEP_SCOPE;
            m_fElapsedTime = 0.0f;
            return FALSE;
        }
        break;
    case STEP_SCOPE:
        ShowScope(pPersonObj, info);
        m_dwStep = STEP_SHOW_SCOPE;
        break;
    default:
        if (m_fElapsedTime >= fScopeTime)
            return TRUE;
        break;
    }
    m_fElapsedTime += fElapsedTime;
    return FALSE;
}
