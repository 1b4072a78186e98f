#include "Code/Battle/BattleWork/XC_DisplayMoveScope.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"

#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// Reports a floor outside the scene tables; the caller keeps it all the same.
void CheckFloor(DWORD dwFloorIndex)
{
    if (g_pSceneTableManager == nullptr)
        XM_REPORT_FAILED("g_pSceneTableManager");
    else if (dwFloorIndex >= g_pSceneTableManager->GetFloorCount())
        XM_REPORT_FAILED("dwFloorIndex < g_pSceneTableManager->GetFloorCount()");
}

} // namespace

XC_DisplayMoveScope::XC_DisplayMoveScope()
{
    SetName("XC_DisplayMoveScope");
}

XC_DisplayMoveScope::~XC_DisplayMoveScope() = default;

HRESULT XC_DisplayMoveScope::SetPerson(XC_GamePerson* pPersonObj)
{
    m_pPersonObj = pPersonObj;
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return S_OK;
    }
    m_dwTeamIndex = pPersonObj->GetTeamIndex();
    return S_OK;
}

void XC_DisplayMoveScope::SetStartFloorIndex(DWORD dwFloorIndex)
{
    CheckFloor(dwFloorIndex);
    m_dwStartFloorIndex = dwFloorIndex;
}

void XC_DisplayMoveScope::SetTargetFloorIndex(DWORD dwFloorIndex)
{
    CheckFloor(dwFloorIndex);
    m_dwTargetFloorIndex = dwFloorIndex;
}

void XC_DisplayMoveScope::Begin()
{
    if (m_fWorkTime <= 0.0f && g_pGameTime != nullptr)
        m_fWorkTime = g_pGameTime->fDisplayMoveScope;
    if (g_pBattleSceneController == nullptr || g_pSceneTableManager == nullptr || g_pSceneFunctionObj == nullptr)
        return;
    g_pBattleSceneController->ClearShowFloor();
    // The person held only while it is still on the field.
    XC_GamePerson* const pPersonObj =
        m_pPersonObj != nullptr && g_pPersonManager != nullptr ? g_pPersonManager->GetPersonFromTeamIndex(m_dwTeamIndex)
                                                               : nullptr;
    if (pPersonObj == nullptr || m_dwStartFloorIndex >= g_pSceneTableManager->GetFloorCount()) {
        XM_REPORT_FAILED("m_pPersonObj");
        return;
    }
    const DWORD dwFloorIndex = pPersonObj->GetFloorIndex();
    pPersonObj->SetFloorIndex(m_dwStartFloorIndex, 0);
    const std::unique_ptr<LONG[]> plTableMoveScope(
        g_pSceneTableManager->CloneTable(g_pSceneTableManager->BuildTableMoveScope(pPersonObj, -1)));
    pPersonObj->SetFloorIndex(dwFloorIndex, 0);
    if (plTableMoveScope == nullptr) {
        XM_REPORT_FAILED("plTableMoveScope");
        return;
    }
    for (DWORD i = 0; i < g_pSceneTableManager->GetFloorCount(); ++i) {
        if (g_pSceneFunctionObj->IsFloorCanStay(static_cast<LONG>(i)) == 0)
            plTableMoveScope[i] = -1;
    }
    g_pBattleSceneController->ShowMoveScopeTable(plTableMoveScope.get());
}

void XC_DisplayMoveScope::End()
{
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->ClearShowFloor();
}
