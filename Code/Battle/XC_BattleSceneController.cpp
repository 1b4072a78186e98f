#include "Code/Battle/XC_BattleSceneController.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameParameter.h"
#include "Code/XC_GameTime.h"
#include "Code/XS_GameFloorColor.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Input/XC_InputOfKeyboard.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptResource.h"
#include "GameProgram/Script/XC_ScriptWork.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_Control.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_BattleSceneController* g_pBattleSceneController = nullptr;

namespace {

const DWORD GF_FOCUS_MARK = 181;
const DWORD GF_DIE_HAVE_BODY = 200;
const DWORD GF_DIE_NO_BODY = 201;
const DWORD GF_DIE_OUT = 202;
const DWORD GF_LEVEL_UP = 205;
const DWORD GF_JOB_LEVEL_UP = 206;

const char* const MOVE_CAMERA_WORK = "MoveWorldCameraWork";
const char* const ROTATE_CAMERA_WORK = "RotationWorldCameraWork";
const float MIN_CAMERA_SPEED = 0.005f;
const float HALF_PI = 1.5707964f;
const float TWO_PI = 6.2831855f;
// A quarter turn of the view goes a twelfth of the circle at a time.
const float SECTOR = TWO_PI / 12.0f;
const float SCREEN_WIDTH = 800.0f;
const float SCREEN_HEIGHT = 600.0f;
const float SCREEN_EDGE = 15.0f;
const float LOOK_AT_HEIGHT_RANGE = 2.0f;
const float FOCUS_MARK_LIFT = 1.0f;

// Numeric pad keys and arrows, as DirectInput scan codes.
const DWORD KEY_LEFT_CONTROL = 0x1D;
const DWORD KEY_RIGHT_CONTROL = 0x9D;
const DWORD KEY_PAD_0 = 0x52;
const DWORD KEY_PAD_DECIMAL = 0x53;
const DWORD KEY_PAD_7 = 0x47;
const DWORD KEY_PAD_1 = 0x4F;
const DWORD KEY_PAD_6 = 0x4D;
const DWORD KEY_PAD_4 = 0x4B;
const DWORD KEY_PAD_9 = 0x49;
const DWORD KEY_PAD_3 = 0x51;
const DWORD KEY_PAD_8 = 0x48;
const DWORD KEY_PAD_2 = 0x50;
const DWORD KEY_PAD_PLUS = 0x4E;
const DWORD KEY_PAD_MINUS = 0x4A;
const DWORD KEY_PAD_5 = 0x4C;
const DWORD KEY_UP = 0xC8;
const DWORD KEY_DOWN = 0xD0;
const DWORD KEY_RIGHT = 0xCD;
const DWORD KEY_LEFT = 0xCB;

// Both bounds in either order: the lower of the two first.
float ClampBetween(float fValue, float fBoundA, float fBoundB)
{
    return std::clamp(fValue, std::min(fBoundA, fBoundB), std::max(fBoundA, fBoundB));
}

} // namespace

XC_BattleSceneController::~XC_BattleSceneController()
{
    Fini();
}

HRESULT XC_BattleSceneController::Init()
{
    if (FAILED(Fini()))
        XM_REPORT_FAILED("Fini( )");
    m_BattleWorkSprite_Multiplex.SetSequential(FALSE);
    m_BattleWorkSprite_Simplex.SetSequential(TRUE);
    m_ControlSceneSprite.SetSequential(FALSE);
    XC_Scene* const pScene = Scene();
    if (pScene == nullptr)
        return S_OK;
    m_FocusMarkManager.SetEnvironmentOfRender(pScene->GetEnvironmentOfRender());
    HRESULT hr = m_FocusMarkManager.Init(pScene->GetPackFile());
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_FocusMarkManager.Init( pPackFile )", hr);
    const char* const szFocusMark = g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(GF_FOCUS_MARK) : nullptr;
    hr = szFocusMark != nullptr ? m_FocusMarkManager.AddSceneElement(szFocusMark) : E_FAIL;
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_FocusMarkManager.AddSceneElement( szFileName )", hr);
    m_FocusMarkManager.SetShow(FALSE);
    return S_OK;
}

HRESULT XC_BattleSceneController::Fini()
{
    m_FocusMarkManager.Fini();
    m_ControlSceneSprite.ClearAllWork();
    m_BattleWorkSprite_Multiplex.ClearAllWork();
    m_BattleWorkSprite_Simplex.ClearAllWork();
    return S_OK;
}

XC_Scene* XC_BattleSceneController::Scene() const
{
    if (g_pPersonManager == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return nullptr;
    }
    return g_pPersonManager->GetSceneObj();
}

XC_Floorer* XC_BattleSceneController::Floorer() const
{
    XC_Scene* const pScene = Scene();
    return pScene != nullptr ? pScene->GetFloorer() : nullptr;
}

XC_CameraMan* XC_BattleSceneController::WorldCamera() const
{
    XC_Scene* const pScene = Scene();
    XC_CameraMan* const pCameraMan = pScene != nullptr ? pScene->GetWorldCameraMan() : nullptr;
    if (pCameraMan == nullptr)
        XM_REPORT_FAILED("pCameraMan");
    return pCameraMan;
}

HRESULT XC_BattleSceneController::AddBattleWork(XC_SpriteWorkBase* pBattleWorkObj, DWORD dwKind)
{
    if (pBattleWorkObj == nullptr) {
        XM_REPORT_FAILED("pBattleWorkObj");
        return E_FAIL;
    }
    if (dwKind == SW_Simplex) {
        const HRESULT hr = m_BattleWorkSprite_Simplex.AddWork(pBattleWorkObj);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_BattleWorkSprite_Simplex.AddWork( pBattleWorkObj )", hr);
        return hr;
    }
    const HRESULT hr = m_BattleWorkSprite_Multiplex.AddWork(pBattleWorkObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_BattleWorkSprite_Multiplex.AddWork( pBattleWorkObj )", hr);
    return hr;
}

BOOL XC_BattleSceneController::IsBattleWorking() const
{
    return m_BattleWorkSprite_Simplex.GetWorkCount() > 0 || m_BattleWorkSprite_Multiplex.GetWorkCount() > 0;
}

HRESULT XC_BattleSceneController::UpdateWorldMouseRay()
{
    XC_CameraMan* const pCameraMan = WorldCamera();
    if (pCameraMan == nullptr || g_pMouseStateObj == nullptr)
        return E_FAIL;
    pCameraMan->GetPickRay(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY(), &m_vMouseRayOrigin,
                           &m_vMouseRayDirection);
    return S_OK;
}

HRESULT XC_BattleSceneController::UpdateScreenMouseRay()
{
    XC_Scene* const pScene = Scene();
    XC_CameraMan* const pCameraMan = pScene != nullptr ? pScene->GetScreenCameraMan() : nullptr;
    if (pCameraMan == nullptr || g_pMouseStateObj == nullptr) {
        XM_REPORT_FAILED("pCameraMan");
        return E_FAIL;
    }
    pCameraMan->GetPickRay(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY(), &m_vMouseRayOrigin,
                           &m_vMouseRayDirection);
    return S_OK;
}

BOOL XC_BattleSceneController::PickPersonAtMouse(XC_GamePerson** ppPerson)
{
    if (FAILED(UpdateWorldMouseRay()) || g_pPersonManager == nullptr)
        return FALSE;
    return g_pPersonManager->PickPerson(&m_vMouseRayOrigin, &m_vMouseRayDirection, ppPerson, nullptr);
}

BOOL XC_BattleSceneController::PickFloorAtMouse(DWORD* pdwFloorIndex, BOOL bOnlyDrawnFloor)
{
    if (FAILED(UpdateWorldMouseRay()) || g_pPersonManager == nullptr)
        return FALSE;
    return g_pPersonManager->PickFloor(&m_vMouseRayOrigin, &m_vMouseRayDirection, pdwFloorIndex, nullptr,
                                       bOnlyDrawnFloor);
}

XC_SpriteWorkBase* XC_BattleSceneController::CreatePersonScript(DWORD dwFileID, XC_GamePerson* pPersonObj,
                                                                BOOL bCopy)
{
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return nullptr;
    }
    const char* const szFileName = g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(dwFileID) : nullptr;
    XC_ScriptWork* const pScriptWork = new XC_ScriptWork;
    if (szFileName == nullptr || FAILED(pScriptWork->SetTarget(szFileName, pPersonObj->GetEnvironmentOfRender()))) {
        XM_REPORT_FAILED("pScriptWork->SetTarget( szFileName , pEnvironmentOfRender )");
        delete pScriptWork;
        return nullptr;
    }
    XC_Script* const pScript = pScriptWork->GetScriptObj(0);
    if (pScript == nullptr) {
        XM_REPORT_FAILED("pScript");
        delete pScriptWork;
        return nullptr;
    }
    XC_RenderingObject* pActor = pPersonObj;
    if (bCopy) {
        // The copy plays the script; the person itself may leave at once.
        XC_Person* const pCopy = new XC_Person;
        pCopy->SetEnvironmentOfRender(pPersonObj->GetEnvironmentOfRender());
        pCopy->CopyPerformer(pPersonObj);
        pScript->GetRenderObjManager()->AddRenderingObject(pCopy);
        pCopy->SetShow(TRUE);
        pActor = pCopy;
    }
    const HRESULT hr = pScript->GetScriptResource()->AddRenderObjToResource(pActor, "Person");
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pScript->GetScriptResource()->AddRenderObjToResource( pPersonObj , \"Person\" )", hr);
    return pScriptWork;
}

HRESULT XC_BattleSceneController::ExecutePersonDieHaveBodyScript(XC_GamePerson* pPersonObj)
{
    XC_SpriteWorkBase* const pWork = CreatePersonScript(GF_DIE_HAVE_BODY, pPersonObj, FALSE);
    return pWork != nullptr ? m_ControlSceneSprite.AddWork(pWork) : S_OK;
}

HRESULT XC_BattleSceneController::ExecutePersonDieNoBodyScript(XC_GamePerson* pPersonObj)
{
    XC_SpriteWorkBase* const pWork = CreatePersonScript(GF_DIE_NO_BODY, pPersonObj, TRUE);
    return pWork != nullptr ? m_ControlSceneSprite.AddWork(pWork) : S_OK;
}

HRESULT XC_BattleSceneController::ExecutePersonDieOutScript(XC_GamePerson* pPerson)
{
    XC_SpriteWorkBase* const pWork = CreatePersonScript(GF_DIE_OUT, pPerson, TRUE);
    return pWork != nullptr ? m_ControlSceneSprite.AddWork(pWork) : S_OK;
}

HRESULT XC_BattleSceneController::ExecutePersonLevelUpScript(XC_GamePerson* pPersonObj)
{
    XC_SpriteWorkBase* const pWork = CreatePersonScript(GF_LEVEL_UP, pPersonObj, FALSE);
    return pWork != nullptr ? AddBattleWork(pWork, SW_Simplex) : S_OK;
}

HRESULT XC_BattleSceneController::ExecutePersonJopLevelUpScript(XC_GamePerson* pPersonObj)
{
    XC_SpriteWorkBase* const pWork = CreatePersonScript(GF_JOB_LEVEL_UP, pPersonObj, FALSE);
    return pWork != nullptr ? AddBattleWork(pWork, SW_Simplex) : S_OK;
}

HRESULT XC_BattleSceneController::ShowTable(const LONG* plTable, const std::vector<DWORD>& colors,
                                            BOOL bOnlyStayable)
{
    if (plTable == nullptr) {
        XM_REPORT_FAILED("plTable");
        return S_OK;
    }
    XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return S_OK;
    for (DWORD i = 0; i < pFloorer->GetFloorsCount(); ++i) {
        if (plTable[i] < 0)
            continue;
        if (bOnlyStayable && g_pSceneFunctionObj->IsFloorCanStay(static_cast<LONG>(i)) == 0)
            continue;
        pFloorer->ShowFloor_DrawFloor(i, XS_GameFloorColor::CycleColor(colors, plTable[i]));
    }
    return S_OK;
}

HRESULT XC_BattleSceneController::ShowMoveScopeTable(const LONG* plTable)
{
    return ShowTable(plTable, g_pGameFloorColor->MoveScope, FALSE);
}

HRESULT XC_BattleSceneController::ShowAttackDistanceTable(const LONG* plTable)
{
    return ShowTable(plTable, g_pGameFloorColor->AttackDistance, TRUE);
}

HRESULT XC_BattleSceneController::ShowAttackScopeTable(const LONG* plTable)
{
    return ShowTable(plTable, g_pGameFloorColor->AttackScope, FALSE);
}

HRESULT XC_BattleSceneController::ClearShowFloor()
{
    XC_Floorer* const pFloorer = Floorer();
    return pFloorer != nullptr ? pFloorer->ShowFloor_NoDrawAllFloor() : S_OK;
}

HRESULT XC_BattleSceneController::PublicControlCamera(float fElapsedTime, BOOL bKeys, BOOL bMouseAtFrame,
                                                      BOOL bMouseHitFloor)
{
    if (g_pInputOfKeyboardObj != nullptr
        && (g_pInputOfKeyboardObj->IsKeyDown(KEY_LEFT_CONTROL) || g_pInputOfKeyboardObj->IsKeyDown(KEY_RIGHT_CONTROL)))
        return S_OK;
    m_fCameraYawDelta = 0.0f;
    m_fCameraPitchDelta = 0.0f;
    m_fCameraZoomDelta = 0.0f;
    m_fCameraLookAtDeltaX = 0.0f;
    m_fCameraLookAtDeltaY = 0.0f;
    m_fCameraLookAtDeltaZ = 0.0f;
    if (bKeys && FAILED(HandleCameraAccelerator(fElapsedTime)))
        XM_REPORT_FAILED("HandleCameraAccelerator( fElapsedTime )");
    if (bMouseAtFrame && FAILED(HandleMouseAtFrame(fElapsedTime)))
        XM_REPORT_FAILED("HandleMouseAtFrame( fElapsedTime )");
    if (bMouseHitFloor && FAILED(HandleMouseHitFloor(fElapsedTime)))
        XM_REPORT_FAILED("HandleMouseHitFloor( fElapsedTime )");
    ApplyCameraDeltas();
    return S_OK;
}

void XC_BattleSceneController::ApplyCameraDeltas()
{
    XC_CameraMan* const pCameraMan = WorldCamera();
    if (pCameraMan == nullptr)
        return;
    if (m_fCameraYawDelta != 0.0f)
        pCameraMan->SetTargetYaw(pCameraMan->GetTargetData()->m_fYaw + m_fCameraYawDelta);
    if (m_fCameraPitchDelta != 0.0f)
        pCameraMan->SetTargetPitch(ClampBetween(pCameraMan->GetTargetData()->m_fPitch + m_fCameraPitchDelta,
                                                g_pGameParameter->fCameraPitchMin, g_pGameParameter->fCameraPitchMax));
    if (m_fCameraZoomDelta != 0.0f) {
        // The delta is applied twice, as the camera always did.
        const float fZoom = pCameraMan->GetTargetData()->m_fDistance + m_fCameraZoomDelta;
        pCameraMan->SetTargetDistance(ClampBetween(fZoom + m_fCameraZoomDelta, g_pGameParameter->fCameraZoomMin,
                                                   g_pGameParameter->fCameraZoomMax));
    }
    if (m_fCameraLookAtDeltaX != 0.0f || m_fCameraLookAtDeltaY != 0.0f || m_fCameraLookAtDeltaZ != 0.0f)
        ApplyLookAtDelta(pCameraMan);
}

void XC_BattleSceneController::ApplyLookAtDelta(XC_CameraMan* pCameraMan)
{
    XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr)
        return;
    const float fYaw = pCameraMan->GetTargetData()->m_fYaw;
    D3DXMATRIX matYaw;
    D3DXMatrixRotationY(&matYaw, fYaw);
    const D3DXVECTOR3 vDelta(m_fCameraLookAtDeltaX, m_fCameraLookAtDeltaY, m_fCameraLookAtDeltaZ);
    D3DXVECTOR3 vTurned;
    D3DXVec3TransformNormal(&vTurned, &vDelta, &matYaw);
    D3DXVECTOR3 vLookAt = pCameraMan->GetTargetData()->m_vLookAt + vTurned;

    const DWORD dwWidth = pFloorer->GetFloorerWidth();
    const DWORD dwLength = pFloorer->GetFloorerLength();
    if (dwWidth == 0)
        XM_REPORT_FAILED("dwWidth > 0");
    if (dwLength == 0)
        XM_REPORT_FAILED("dwLength > 0");
    const DWORD dwFocus = m_lFocusFloorIndex >= 0 ? static_cast<DWORD>(m_lFocusFloorIndex) : 0;
    const float fHeight = pFloorer->GetFloorPosition(dwFocus).y;
    vLookAt.x = std::clamp(vLookAt.x, 0.0f, static_cast<float>(dwWidth));
    vLookAt.z = std::clamp(vLookAt.z, -static_cast<float>(dwLength), 0.0f);
    vLookAt.y = std::clamp(vLookAt.y, fHeight - LOOK_AT_HEIGHT_RANGE, fHeight + LOOK_AT_HEIGHT_RANGE);
    pCameraMan->SetTargetLookAt(&vLookAt);
}

HRESULT XC_BattleSceneController::HandleCameraAccelerator(float fElapsedTime)
{
    const float fWheel = g_pMouseStateObj != nullptr ? g_pMouseStateObj->GetWheelDelta() : 0.0f;
    if (fWheel < 0.0f)
        m_fCameraZoomDelta += g_pGameTime->fCameraMoveSpeed2 / 4.0f;
    else if (fWheel > 0.0f)
        m_fCameraZoomDelta -= g_pGameTime->fCameraMoveSpeed2 / 4.0f;
    const XC_InputOfKeyboard* const pKeys = g_pInputOfKeyboardObj;
    if (pKeys == nullptr)
        return S_OK;
    const float fRotation = fElapsedTime * g_pGameTime->fCameraRotationSpeed;
    const float fMove = fElapsedTime * g_pGameTime->fCameraMoveSpeed2;
    struct XS_HeldKey
    {
        DWORD dwKey;
        float* pfDelta;
        float fAmount;
    };
    const XS_HeldKey heldKeys[] = {
        {KEY_PAD_0, &m_fCameraYawDelta, fRotation},     {KEY_PAD_DECIMAL, &m_fCameraYawDelta, -fRotation},
        {KEY_PAD_7, &m_fCameraPitchDelta, fRotation},   {KEY_PAD_1, &m_fCameraPitchDelta, -fRotation},
        {KEY_PAD_6, &m_fCameraLookAtDeltaX, fMove},     {KEY_PAD_4, &m_fCameraLookAtDeltaX, -fMove},
        {KEY_PAD_9, &m_fCameraLookAtDeltaY, fMove},     {KEY_PAD_3, &m_fCameraLookAtDeltaY, -fMove},
        {KEY_PAD_8, &m_fCameraLookAtDeltaZ, fMove},     {KEY_PAD_2, &m_fCameraLookAtDeltaZ, -fMove},
        {KEY_PAD_PLUS, &m_fCameraZoomDelta, fMove},     {KEY_PAD_MINUS, &m_fCameraZoomDelta, -fMove},
    };
    for (const XS_HeldKey& held : heldKeys) {
        if (pKeys->IsKeyDown(held.dwKey))
            *held.pfDelta += held.fAmount;
    }
    if (pKeys->IsKeyPressed(KEY_PAD_5) && m_lFocusFloorIndex >= 0)
        MoveWorldCameraToFloor2(m_lFocusFloorIndex, g_pGameTime->fCameraMoveSpeed, nullptr);
    const float fQuarterTime = HALF_PI / g_pGameTime->fCameraRotationSpeed;
    if (pKeys->IsKeyReleased(KEY_PAD_0)) {
        m_fCameraYawDelta = 0.0f;
        RotationWorldCameraPointOfViewByRightAngle(TRUE, fQuarterTime);
    }
    if (pKeys->IsKeyReleased(KEY_PAD_DECIMAL)) {
        m_fCameraYawDelta = 0.0f;
        RotationWorldCameraPointOfViewByRightAngle(FALSE, fQuarterTime);
    }
    return S_OK;
}

HRESULT XC_BattleSceneController::HandleMouseAtFrame(float fElapsedTime)
{
    if (g_pMouseStateObj == nullptr)
        return E_FAIL;
    const float fMove = fElapsedTime * g_pGameTime->fCameraMoveSpeed2;
    const float fX = g_pMouseStateObj->GetX();
    const float fY = g_pMouseStateObj->GetY();
    if (fX > SCREEN_WIDTH - SCREEN_EDGE)
        m_fCameraLookAtDeltaX += fMove * (fX - (SCREEN_WIDTH - SCREEN_EDGE));
    if (fX < SCREEN_EDGE)
        m_fCameraLookAtDeltaX -= fMove * (SCREEN_EDGE - fX);
    if (fY > SCREEN_HEIGHT - SCREEN_EDGE)
        m_fCameraLookAtDeltaZ -= fMove * (fY - (SCREEN_HEIGHT - SCREEN_EDGE));
    if (fY < SCREEN_EDGE)
        m_fCameraLookAtDeltaZ += fMove * (SCREEN_EDGE - fY);
    return S_OK;
}

HRESULT XC_BattleSceneController::HandleMouseHitFloor(float)
{
    DWORD dwFloorIndex = 0;
    if (g_pMouseStateObj != nullptr && g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT)
        && PickFloorAtMouse(&dwFloorIndex, FALSE))
        SetFocusFloorIndex(static_cast<LONG>(dwFloorIndex));
    const XC_InputOfKeyboard* const pKeys = g_pInputOfKeyboardObj;
    if (m_lFocusFloorIndex < 0 || pKeys == nullptr || !pKeys->IsAnyKeyChanged())
        return S_OK;
    LONG lDeltaX = 0;
    LONG lDeltaZ = 0;
    if (pKeys->IsKeyPressed(KEY_UP))
        lDeltaZ -= 1;
    if (pKeys->IsKeyPressed(KEY_DOWN))
        lDeltaZ += 1;
    if (pKeys->IsKeyPressed(KEY_RIGHT))
        lDeltaX += 1;
    if (pKeys->IsKeyPressed(KEY_LEFT))
        lDeltaX -= 1;
    if (lDeltaX == 0 && lDeltaZ == 0)
        return S_OK;
    XC_CameraMan* const pCameraMan = WorldCamera();
    XC_Floorer* const pFloorer = Floorer();
    if (pCameraMan == nullptr || pFloorer == nullptr)
        return S_OK;
    // Arrows step in screen directions: turn the step by the view's quarter.
    switch (XF_AngleToQuarter(pCameraMan->GetTargetData()->m_fYaw)) {
    case 1: std::tie(lDeltaX, lDeltaZ) = std::make_pair(-lDeltaZ, lDeltaX); break;
    case 2: std::tie(lDeltaX, lDeltaZ) = std::make_pair(-lDeltaX, -lDeltaZ); break;
    case 3: std::tie(lDeltaX, lDeltaZ) = std::make_pair(lDeltaZ, -lDeltaX); break;
    default: break;
    }
    LONG lX = 0;
    LONG lZ = 0;
    if (FAILED(pFloorer->GetFloorXZFromFloorIdx(m_lFocusFloorIndex, &lX, &lZ)))
        return S_OK;
    const LONG lWidth = static_cast<LONG>(pFloorer->GetFloorerWidth());
    const LONG lLength = static_cast<LONG>(pFloorer->GetFloorerLength());
    lX = std::clamp(lX + lDeltaX, 0L, lWidth - 1);
    lZ = std::clamp(lZ + lDeltaZ, 0L, lLength - 1);
    return SetFocusFloorIndex(lZ * lWidth + lX);
}

HRESULT XC_BattleSceneController::SetFocusFloorIndex(LONG lIndex)
{
    XC_Floorer* const pFloorer = Floorer();
    if (pFloorer == nullptr || lIndex < 0 || static_cast<DWORD>(lIndex) >= pFloorer->GetFloorsCount()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    m_lFocusFloorIndex = lIndex;
    if (m_bShowFocusFloor)
        SetShowFocusFloor(TRUE);
    return MoveToFocusFloor();
}

HRESULT XC_BattleSceneController::SetShowFocusFloor(BOOL bShow)
{
    XC_Floorer* const pFloorer = Floorer();
    m_bShowFocusFloor = bShow;
    if (!bShow || m_lFocusFloorIndex < 0) {
        m_FocusMarkManager.SetShow(FALSE);
        if (pFloorer != nullptr)
            pFloorer->ShowFloor_SetMouseAtFloorIdx(-1);
        return S_OK;
    }
    D3DXVECTOR3 vPosition;
    g_pSceneFunctionObj->GetFloorPosition(&vPosition, m_lFocusFloorIndex);
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager != nullptr && g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj)) {
        if (pPersonObj->GetFloorIndex() == static_cast<DWORD>(m_lFocusFloorIndex)) {
            vPosition.y += FOCUS_MARK_LIFT;
            break;
        }
    }
    m_FocusMarkManager.SetPosition(&vPosition);
    m_FocusMarkManager.SetShow(TRUE);
    if (pFloorer != nullptr)
        pFloorer->ShowFloor_SetMouseAtFloorIdx(m_lFocusFloorIndex);
    return S_OK;
}

HRESULT XC_BattleSceneController::MoveToFocusFloor()
{
    return MoveWorldCameraToFloor2(m_lFocusFloorIndex, g_pGameTime->fCameraMoveSpeed, nullptr);
}

HRESULT XC_BattleSceneController::MoveWorldCameraToFloor2(LONG lFloorIndex, float fSpeed, float* pfTime)
{
    D3DXVECTOR3 vPosition;
    g_pSceneFunctionObj->GetFloorPosition(&vPosition, lFloorIndex);
    return MoveWorldCameraToPosition(vPosition, fSpeed, pfTime);
}

HRESULT XC_BattleSceneController::MoveWorldCameraToPerson(XC_GamePerson* pPersonObj, float fSpeed, float* pfTime)
{
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return E_FAIL;
    }
    return MoveWorldCameraToFloor2(static_cast<LONG>(pPersonObj->GetFloorIndex()), fSpeed, pfTime);
}

HRESULT XC_BattleSceneController::MoveWorldCameraToPosition(const D3DXVECTOR3& vecPosition, float fSpeed,
                                                            float* pfTime)
{
    XC_CameraMan* const pCameraMan = WorldCamera();
    if (pCameraMan == nullptr)
        return E_FAIL;
    const float fUsedSpeed = fSpeed <= 0.0f ? MIN_CAMERA_SPEED : fSpeed;
    const D3DXVECTOR3 vDistance = vecPosition - pCameraMan->GetTargetData()->m_vLookAt;
    const float fTime = D3DXVec3Length(&vDistance) / fUsedSpeed;
    if (pfTime != nullptr)
        *pfTime = fTime;
    return AddMoveWorldCameraWork(vecPosition, fTime);
}

HRESULT XC_BattleSceneController::AddMoveWorldCameraWork(const D3DXVECTOR3& vecPosition, float fTime)
{
    DeleteMoveWorldCameraWork();
    XC_CameraMan* const pCameraMan = WorldCamera();
    if (pCameraMan == nullptr)
        return E_FAIL;
    if (fTime == 0.0f) {
        pCameraMan->SetTargetLookAt(&vecPosition);
        return S_OK;
    }
    XC_CameraManWork_Control* const pWork = new XC_CameraManWork_Control;
    pWork->SetWorkTime(fTime);
    pWork->m_vPosition = vecPosition;
    pWork->m_bAbsPos = TRUE;
    pWork->SetTarget(pCameraMan);
    AddCameraWork(MOVE_CAMERA_WORK, pWork);
    return S_OK;
}

void XC_BattleSceneController::AddCameraWork(const char* szName, XC_SpriteWorkBase* pWork)
{
    pWork->SetName(szName);
    const HRESULT hr = m_ControlSceneSprite.AddWork(pWork);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_ControlSceneSprite.AddWork( pWork )", hr);
}

HRESULT XC_BattleSceneController::DeleteMoveWorldCameraWork()
{
    while (XC_SpriteWorkBase* const pSpriteWorkBase = m_ControlSceneSprite.FindWork(MOVE_CAMERA_WORK)) {
        const HRESULT hr = m_ControlSceneSprite.RemoveWork(pSpriteWorkBase);
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("m_ControlSceneSprite.RemoveWork( pSpriteWorkBase )", hr);
            break;
        }
        delete pSpriteWorkBase;
    }
    return S_OK;
}

float XC_BattleSceneController::SnapRotationYaw(float fYaw)
{
    float fWrapped = std::fmod(fYaw, TWO_PI);
    if (fWrapped < 0.0f)
        fWrapped += TWO_PI;
    // Sector k covers ((k - 1) pi/6, k pi/6] and aims at its middle.
    const float fSector = std::clamp(std::ceil(fWrapped / SECTOR - 1e-5f), 1.0f, 12.0f);
    return fSector * SECTOR - SECTOR / 2.0f;
}

HRESULT XC_BattleSceneController::RotationWorldCameraPointOfViewByRightAngle(BOOL bDirection, float fTime)
{
    if (m_ControlSceneSprite.FindWork(ROTATE_CAMERA_WORK) != nullptr)
        return S_OK;
    XC_CameraMan* const pCameraMan = WorldCamera();
    if (pCameraMan == nullptr)
        return E_FAIL;
    const float fStep = bDirection ? SECTOR : -SECTOR;
    XC_CameraManWork_Control* const pWork = new XC_CameraManWork_Control;
    pWork->SetWorkTime(fTime / 3.0f);
    pWork->m_fYaw = SnapRotationYaw(pCameraMan->GetTargetData()->m_fYaw + fStep);
    pWork->m_bAbsYaw = TRUE;
    pWork->SetTarget(pCameraMan);
    AddCameraWork(ROTATE_CAMERA_WORK, pWork);
    return S_OK;
}

HRESULT XC_BattleSceneController::WorldCameraFollowPerson(XC_GamePerson* pPersonObj)
{
    XC_CameraMan* const pCameraMan = WorldCamera();
    if (pCameraMan == nullptr)
        return E_FAIL;
    pCameraMan->FollowLookAt(pPersonObj);
    return S_OK;
}
