#include "Code/Battle/XC_BattleDialogue.h"

#include "Code/Battle/BattleWork/XC_PersonMove.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

std::vector<int> XC_BattleDialogue::GetPersonTeamIndices()
{
    std::vector<int> indices;
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager != nullptr && g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj))
        indices.push_back(static_cast<int>(pPersonObj->GetTeamIndex()));
    return indices;
}

XC_RenderingObject* XC_BattleDialogue::FindPerson(int iTeamIndex)
{
    if (g_pPersonManager == nullptr || iTeamIndex < 0)
        return nullptr;
    return g_pPersonManager->GetPersonFromTeamIndex(static_cast<DWORD>(iTeamIndex));
}

XC_SpriteWorkBase* XC_BattleDialogue::MovePersonToFloor(int iTeamIndex, int iFloor)
{
    XC_GamePerson* const pPersonObj =
        g_pPersonManager != nullptr && iTeamIndex >= 0
            ? g_pPersonManager->GetPersonFromTeamIndex(static_cast<DWORD>(iTeamIndex))
            : nullptr;
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return nullptr;
    }
    const DWORD dwStart = pPersonObj->GetFloorIndex();
    // The model stays where it is: the work walks it there.
    if (iFloor < 0 || FAILED(pPersonObj->SetFloorIndex(static_cast<DWORD>(iFloor), FALSE))) {
        XM_REPORT_FAILED("pPersonObj->SetFloorIndex( dwFloorIdx , FALSE )");
        return nullptr;
    }
    XC_PersonMove* const pMove = new XC_PersonMove;
    pMove->SetPerson(pPersonObj);
    pMove->SetStartFloorIndex(dwStart);
    pMove->SetTargetFloorIndex(static_cast<DWORD>(iFloor));
    return pMove;
}
