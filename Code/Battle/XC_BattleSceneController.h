#pragma once

#include "Code/Battle/XC_BattleEvent.h"
#include "GameProgram/Scene/XC_SceneElementManager.h"
#include "GameProgram/Sprite/XC_Sprite.h"

#include <windows.h>
#include <d3dx9math.h>

class XC_CameraMan;
class XC_Floorer;
class XC_GamePerson;
class XC_Scene;
class XC_SpriteWorkBase;

// Battle works queued so that each starts when the one before has ended.
constexpr DWORD SW_Simplex = 1;
// Battle works that run beside the others.
constexpr DWORD SW_Multiplex = 2;

// The battle's stage manager: it queues the battle works so they play one
// after another, plays the scripts of dying persons and levels, picks under
// the mouse, shows floor tables, owns the focus cell and drives the world
// camera by keys, the wheel, the screen edges and timed camera works.
class XC_BattleSceneController : public XC_BattleEvent
{
public:
    XC_BattleSceneController() = default;
    ~XC_BattleSceneController() override;

    virtual HRESULT Init();
    virtual HRESULT Fini();

    HRESULT AddBattleWork(XC_SpriteWorkBase* pBattleWorkObj, DWORD dwKind = SW_Simplex);
    BOOL IsBattleWorking() const;

    HRESULT UpdateWorldMouseRay();
    HRESULT UpdateScreenMouseRay();
    const D3DXVECTOR3* GetMouseRayOrigin() const { return &m_vMouseRayOrigin; }
    const D3DXVECTOR3* GetMouseRayDirection() const { return &m_vMouseRayDirection; }
    BOOL PickPersonAtMouse(XC_GamePerson** ppPerson);
    BOOL PickFloorAtMouse(DWORD* pdwFloorIndex, BOOL bOnlyDrawnFloor);

    HRESULT ExecutePersonDieHaveBodyScript(XC_GamePerson* pPersonObj) override;
    HRESULT ExecutePersonDieNoBodyScript(XC_GamePerson* pPersonObj) override;
    HRESULT ExecutePersonDieOutScript(XC_GamePerson* pPerson) override;
    HRESULT ExecutePersonLevelUpScript(XC_GamePerson* pPersonObj);
    HRESULT ExecutePersonJopLevelUpScript(XC_GamePerson* pPersonObj);

    HRESULT ShowMoveScopeTable(const LONG* plTable);
    HRESULT ShowAttackDistanceTable(const LONG* plTable);
    HRESULT ShowAttackScopeTable(const LONG* plTable);
    HRESULT ClearShowFloor();

    HRESULT PublicControlCamera(float fElapsedTime, BOOL bKeys, BOOL bMouseAtFrame, BOOL bMouseHitFloor);
    HRESULT HandleCameraAccelerator(float fElapsedTime);
    HRESULT HandleMouseAtFrame(float fElapsedTime);
    HRESULT HandleMouseHitFloor(float fElapsedTime);
    HRESULT SetFocusFloorIndex(LONG lIndex);
    LONG GetFocusFloorIndex() const { return m_lFocusFloorIndex; }
    HRESULT SetShowFocusFloor(BOOL bShow);
    BOOL IsShowFocusFloor() const { return m_bShowFocusFloor; }
    HRESULT MoveToFocusFloor();
    HRESULT MoveWorldCameraToFloor2(LONG lFloorIndex, float fSpeed, float* pfTime);
    HRESULT MoveWorldCameraToPerson(XC_GamePerson* pPersonObj, float fSpeed, float* pfTime);
    HRESULT MoveWorldCameraToPosition(const D3DXVECTOR3& vecPosition, float fSpeed, float* pfTime);
    HRESULT AddMoveWorldCameraWork(const D3DXVECTOR3& vecPosition, float fTime);
    HRESULT DeleteMoveWorldCameraWork();
    HRESULT RotationWorldCameraPointOfViewByRightAngle(BOOL bDirection, float fTime);
    HRESULT WorldCameraFollowPerson(XC_GamePerson* pPersonObj);

    XC_Sprite* GetControlSceneSprite() { return &m_ControlSceneSprite; }
    // The yaw a quarter turn aims at: the middle of its 30-degree sector.
    static float SnapRotationYaw(float fYaw);

private:
    XC_Scene* Scene() const;
    XC_Floorer* Floorer() const;
    XC_CameraMan* WorldCamera() const;
    // A script of the file id acting on the person, or on a copy of it.
    XC_SpriteWorkBase* CreatePersonScript(DWORD dwFileID, XC_GamePerson* pPersonObj, BOOL bCopy);
    HRESULT ShowTable(const LONG* plTable, const std::vector<DWORD>& colors, BOOL bOnlyStayable);
    // Adds the accumulated deltas to the world camera.
    void ApplyCameraDeltas();
    void ApplyLookAtDelta(XC_CameraMan* pCameraMan);
    void AddCameraWork(const char* szName, XC_SpriteWorkBase* pWork);

    XC_Sprite m_ControlSceneSprite;
    XC_Sprite m_BattleWorkSprite_Multiplex;
    XC_Sprite m_BattleWorkSprite_Simplex;
    D3DXVECTOR3 m_vMouseRayOrigin = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vMouseRayDirection = D3DXVECTOR3(0.0f, 0.0f, 1.0f);
    BOOL m_bShowFocusFloor = 0;
    LONG m_lFocusFloorIndex = 0;
    XC_SceneElementManager m_FocusMarkManager;
    float m_fCameraYawDelta = 0.0f;
    float m_fCameraPitchDelta = 0.0f;
    float m_fCameraZoomDelta = 0.0f;
    float m_fCameraLookAtDeltaX = 0.0f;
    float m_fCameraLookAtDeltaY = 0.0f;
    float m_fCameraLookAtDeltaZ = 0.0f;
};

extern XC_BattleSceneController* g_pBattleSceneController;
