#include "Code/Battle/BattleWork/XC_PersonMove.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/XC_GameFileName.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "GameProgram/Script/XC_ScriptResource.h"
#include "GameProgram/Script/XC_ScriptWork.h"
#include "GameProgram/SpriteWork/XC_PerformerWork_Direction.h"
#include "GameProgram/SpriteWork/XC_PersonWork_SetPose.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"

#include <cstdio>
#include <cstdlib>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD GF_MOVE_SCRIPT_FLY = 204;
const DWORD GF_MOVE_SCRIPT_TELEPORT = 203;
// Every reachable floor counts for the path, however far.
const LONG PATH_MOVE_POWER = 1000;
const LONG STEP_TEST_POWER = 999;
const float JUMP_CROUCH_TIME = 0.02f;
const float JUMP_AIR_TIME = 0.4f;
const float JUMP_AIR_WORK_TIME = 0.45f;
const float JUMP_LAND_TIME = 0.15f;
const float JUMP_LAND_WORK_TIME = 0.2f;

} // namespace

XC_PersonMove::XC_PersonMove()
{
    SetName("XC_PersonMove");
}

XC_PersonMove::~XC_PersonMove()
{
    delete[] m_plTableMovePower;
}

HRESULT XC_PersonMove::SetPerson(XC_GamePerson* pPersonObj)
{
    m_pPersonObj = pPersonObj;
    m_bHasPerson = pPersonObj != nullptr;
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return S_OK;
    }
    m_dwTeamIndex = pPersonObj->GetTeamIndex();
    return S_OK;
}

bool XC_PersonMove::FindPerson()
{
    m_pPersonObj = m_bHasPerson && g_pPersonManager != nullptr ? g_pPersonManager->GetPersonFromTeamIndex(m_dwTeamIndex)
                                                               : nullptr;
    if (m_pPersonObj == nullptr)
        XM_REPORT_FAILED("m_pPersonObj");
    return m_pPersonObj != nullptr;
}

bool XC_PersonMove::IsFloorInTables(DWORD dwFloorIndex)
{
    if (g_pSceneTableManager == nullptr) {
        XM_REPORT_FAILED("g_pSceneTableManager");
        return false;
    }
    if (dwFloorIndex >= g_pSceneTableManager->GetFloorCount()) {
        XM_REPORT_FAILED("dwFloorIndex < g_pSceneTableManager->GetFloorCount()");
        return false;
    }
    return true;
}

void XC_PersonMove::SetStartFloorIndex(DWORD dwFloorIndex)
{
    IsFloorInTables(dwFloorIndex);
    m_dwStartFloorIndex = dwFloorIndex;
}

void XC_PersonMove::SetTargetFloorIndex(DWORD dwFloorIndex)
{
    IsFloorInTables(dwFloorIndex);
    m_dwTargetFloorIndex = dwFloorIndex;
}

void XC_PersonMove::Begin()
{
    delete[] m_plTableMovePower;
    m_plTableMovePower = nullptr;
    if (!FindPerson())
        return;
    if (!IsFloorInTables(m_dwStartFloorIndex) || !IsFloorInTables(m_dwTargetFloorIndex))
        return;
    JC_ControlPersonPower* const pPower = m_pPersonObj->GetControlPersonPower();
    const DWORD dwMoveType = static_cast<DWORD>(pPower->GetMoveType(FALSE));
    m_plTableMovePower = g_pSceneTableManager->CloneTable(g_pSceneTableManager->BuildTableMovePowerByType(
        static_cast<LONG>(m_dwStartFloorIndex), PATH_MOVE_POWER, pPower->GetJumpUp(), pPower->GetJumpDown(),
        static_cast<DWORD>(pPower->GetCamp(FALSE)), dwMoveType, FALSE, FALSE));
    if (m_plTableMovePower == nullptr) {
        XM_REPORT_FAILED("m_plTableMovePower");
        return;
    }
    if (m_plTableMovePower[m_dwTargetFloorIndex] == -1) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return;
    }
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->WorldCameraFollowPerson(m_pPersonObj);
    switch (dwMoveType) {
    case XE_MOVE_TYPE_WALK: BuildWalkPath(); break;
    case XE_MOVE_TYPE_FLY_1:
    case XE_MOVE_TYPE_FLY_2: RunMoveScriptOfFile(GF_MOVE_SCRIPT_FLY); break;
    case XE_MOVE_TYPE_FLY_3: RunMoveScriptOfFile(GF_MOVE_SCRIPT_TELEPORT); break;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return;
    }
    m_SpriteObj.Reset();
    m_pPersonObj->AddPreparePose(XE_POSE_STAND, FALSE);
}

bool XC_PersonMove::CanStepInto(LONG lFrom, DWORD dwTo)
{
    JC_ControlPersonPower* const pPower = m_pPersonObj->GetControlPersonPower();
    return g_pSceneFunctionObj->CheckFloorStep(lFrom, static_cast<LONG>(dwTo), STEP_TEST_POWER, pPower->GetJumpUp(),
                                               pPower->GetJumpDown(), FALSE)
        == XE_STEP_ALLOWED;
}

LONG XC_PersonMove::FindStepBack(DWORD dwFloor)
{
    const LONG lCurrentValue = m_plTableMovePower[dwFloor];
    LONG lBest = lCurrentValue;
    LONG lNext = -1;
    for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
        const LONG lNeighbor = g_pSceneFunctionObj->GetNeighborFloor(static_cast<LONG>(dwFloor), dwDirection);
        if (lNeighbor < 0 || m_plTableMovePower[lNeighbor] < 0)
            continue;
        const LONG lValue = m_plTableMovePower[lNeighbor];
        if (lValue < lBest && CanStepInto(lNeighbor, dwFloor)) {
            lNext = lNeighbor;
            lBest = lValue;
        } else if (lValue == lBest && lValue != lCurrentValue && std::rand() % 2 == 0 && CanStepInto(lNeighbor, dwFloor)) {
            // Ties between ways back are broken at random.
            lNext = lNeighbor;
        }
    }
    return lNext;
}

bool XC_PersonMove::FindPath(std::vector<DWORD>& path)
{
    path.clear();
    DWORD dwCurrent = m_dwTargetFloorIndex;
    // Each step back lowers the value, so the walk ends.
    while (dwCurrent != m_dwStartFloorIndex) {
        path.push_back(dwCurrent);
        const LONG lNext = FindStepBack(dwCurrent);
        if (lNext < 0) {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            path.clear();
            return false;
        }
        dwCurrent = static_cast<DWORD>(lNext);
    }
    return true;
}

HRESULT XC_PersonMove::BuildWalkPath()
{
    std::vector<DWORD> path;
    if (!FindPath(path))
        return E_FAIL;
    DWORD dwDirection = m_pPersonObj->GetDirection();
    if (dwDirection >= 4)
        XM_REPORT_FAILED("dwDirection < 4");
    float fTime = FIRST_STEP_TIME;
    DWORD dwPrevious = m_dwStartFloorIndex;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        AddTurn(fTime, dwPrevious, *it, dwDirection);
        D3DXVECTOR3 vPosition;
        g_pSceneFunctionObj->GetFloorPosition(&vPosition, static_cast<LONG>(*it));
        if (g_pSceneFunctionObj->IsFloorThroughOne(static_cast<LONG>(dwPrevious), static_cast<LONG>(*it)))
            AddJumpStep(fTime, vPosition);
        else
            AddWalkStep(fTime, vPosition);
        dwPrevious = *it;
    }
    return S_OK;
}

HRESULT XC_PersonMove::AddTurn(float fTime, DWORD dwFromFloor, DWORD dwToFloor, DWORD& dwDirection)
{
    const DWORD dwNewDirection = static_cast<DWORD>(
        g_pSceneFunctionObj->GetFloorDirection(static_cast<int>(dwFromFloor), static_cast<int>(dwToFloor)));
    if (dwNewDirection == dwDirection)
        return S_OK;
    dwDirection = dwNewDirection;
    XC_PerformerWork_Direction* const pWork = new XC_PerformerWork_Direction;
    pWork->SetDelayTime(fTime);
    pWork->m_bAbsDirection = TRUE;
    pWork->m_dwDirection = dwDirection;
    pWork->SetTarget(m_pPersonObj);
    return m_SpriteObj.AddWork(pWork);
}

void XC_PersonMove::AddPose(float fTime, float fWorkTime, DWORD dwPose)
{
    XC_PersonWork_SetPose* const pWork = new XC_PersonWork_SetPose;
    pWork->SetDelayTime(fTime);
    pWork->SetWorkTime(fWorkTime);
    pWork->m_dwPose = dwPose;
    pWork->SetTarget(m_pPersonObj);
    m_SpriteObj.AddWork(pWork);
}

void XC_PersonMove::AddPosition(float fTime, float fWorkTime, const D3DXVECTOR3& vPosition, DWORD dwMoveType,
                                float fMoveArg)
{
    XC_RenderNodeWork_SetPosition* const pWork = new XC_RenderNodeWork_SetPosition;
    pWork->SetDelayTime(fTime);
    pWork->SetWorkTime(fWorkTime);
    pWork->m_bAbsPosition = TRUE;
    pWork->m_vPosition = vPosition;
    pWork->m_dwMoveType = dwMoveType;
    pWork->m_fMoveArg = fMoveArg;
    pWork->SetTarget(m_pPersonObj);
    m_SpriteObj.AddWork(pWork);
}

HRESULT XC_PersonMove::AddWalkStep(float& fTime, const D3DXVECTOR3& vPosition)
{
    AddPosition(fTime, WALK_STEP_TIME, vPosition, 0, 0.0f);
    AddPose(fTime, 0.0f, XE_POSE_WALK);
    fTime += WALK_STEP_TIME;
    return m_pPersonObj->AddPreparePose(XE_POSE_WALK, FALSE);
}

HRESULT XC_PersonMove::AddJumpStep(float& fTime, const D3DXVECTOR3& vPosition)
{
    AddPose(fTime, 0.0f, XE_POSE_JUMP_CROUCH);
    fTime += JUMP_CROUCH_TIME;
    AddPose(fTime, 0.0f, XE_POSE_JUMP_AIR);
    AddPosition(fTime, JUMP_AIR_WORK_TIME, vPosition, 1, 1.0f);
    fTime += JUMP_AIR_TIME;
    AddPose(fTime, JUMP_LAND_WORK_TIME, XE_POSE_JUMP_LAND);
    fTime += JUMP_LAND_TIME;
    for (const DWORD dwPose : {XE_POSE_JUMP_CROUCH, XE_POSE_JUMP_AIR, XE_POSE_JUMP_LAND})
        m_pPersonObj->AddPreparePose(dwPose, FALSE);
    return S_OK;
}

HRESULT XC_PersonMove::RunMoveScriptOfFile(DWORD dwFileID)
{
    if (g_pGameFileName == nullptr) {
        XM_REPORT_FAILED("g_pGameFileName");
        return E_FAIL;
    }
    const char* const szScriptName = g_pGameFileName->GetFileName(dwFileID);
    if (szScriptName == nullptr) {
        XM_REPORT_FAILED("szScriptName");
        return E_FAIL;
    }
    return RunMoveScript(szScriptName);
}

HRESULT XC_PersonMove::RunMoveScript(const char* szMoveScript)
{
    m_pPersonObj->SetDirection(static_cast<DWORD>(g_pSceneFunctionObj->GetFloorDirection(
        static_cast<int>(m_dwStartFloorIndex), static_cast<int>(m_dwTargetFloorIndex))));
    XI_EnvironmentOfRender* const pEnvironmentOfRender = m_pPersonObj->GetEnvironmentOfRender();
    if (pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("pEnvironmentOfRender");
        return E_FAIL;
    }
    XC_ScriptWork* const pScriptWorkObj = new XC_ScriptWork;
    if (FAILED(pScriptWorkObj->SetTarget(szMoveScript, pEnvironmentOfRender))) {
        XM_REPORT_FAILED("pScriptWorkObj->Init( szMoveScript , pEnvironmentOfRender )");
        delete pScriptWorkObj;
        return E_FAIL;
    }
    XC_Script* const pScript = pScriptWorkObj->GetScriptObj(0);
    if (pScript == nullptr) {
        XM_REPORT_FAILED("pScript");
        delete pScriptWorkObj;
        return E_FAIL;
    }
    pScript->GetScriptResource()->AddRenderObjToResource(m_pPersonObj, "Person");
    D3DXVECTOR3 vTarget;
    g_pSceneFunctionObj->GetFloorPosition(&vTarget, static_cast<LONG>(m_dwTargetFloorIndex));
    char szTarget[96];
    std::snprintf(szTarget, sizeof(szTarget), "%f , %f , %f", vTarget.x, vTarget.y, vTarget.z);
    pScript->GetScriptParameter()->SetParameter("xyzTargetPostion", szTarget);
    return m_SpriteObj.AddWork(pScriptWorkObj);
}

BOOL XC_PersonMove::Step(float fElapsedTime)
{
    if (!FindPerson()) {
        m_SpriteObj.ClearAllWork();
        return TRUE;
    }
    if (m_bFirstFrame && XC_AnimationPic::GetUnloadPicCount() != 0) {
        // One picture a frame; the move's clock waits for them. A picture
        // that cannot be loaded stays waiting for ever: the move then starts
        // without it rather than never.
        if (SUCCEEDED(XC_AnimationPic::LoadAnimationPic(1)))
            return FALSE;
        XM_REPORT_FAILED("XC_AnimationPic::LoadAnimationPic( 1 )");
    }
    if (m_bFirstFrame)
        m_bFirstFrame = FALSE;
    else
        m_SpriteObj.UpdateWorks(fElapsedTime);
    return m_SpriteObj.GetWorkCount() == 0;
}

void XC_PersonMove::End()
{
    if (!FindPerson())
        return;
    m_pPersonObj->SetPose(XE_POSE_STAND);
    m_pPersonObj->GetControlPersonPower()->SetFace(static_cast<int>(m_pPersonObj->GetDirection()));
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->WorldCameraFollowPerson(nullptr);
    if (FAILED(m_pPersonObj->UpdatePersonStateFromData()))
        XM_REPORT_FAILED("m_pPersonObj->UpdatePersonStateFromData()");
    if (FAILED(m_pPersonObj->ClearPreparePose(FALSE)))
        XM_REPORT_FAILED("m_pPersonObj->ClearPreparePose( )");
}
