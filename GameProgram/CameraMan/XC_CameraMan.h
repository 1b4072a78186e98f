#pragma once

#include "GameProgram/CameraMan/XS_CameraData.h"
#include "GameProgram/D3DCommon/XC_Frustum.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include <windows.h>
#include <d3dx9math.h>

enum XE_ProjectionType
{
    PT_None = 0,
    PT_Perspective = 1,
    PT_Orthographic = 2,
};

// How the look-at point or the eye moves.
enum XE_CameraPointMode
{
    CPM_Free = 0,
    // Stays where the current placement has it.
    CPM_Lock = 1,
    // Takes the world position of a node.
    CPM_Follow = 2,
};

// The engine's camera: a projection, a view built from a look-at point, a
// distance and two angles, and a target placement that the camera glides
// towards in fixed time steps, so the glide does not depend on the frame
// rate. It owns three scene-graph nodes: two that follow other nodes and one
// that stands where the camera looks.
class XC_CameraMan
{
public:
    XC_CameraMan();
    virtual ~XC_CameraMan();
    XC_CameraMan(const XC_CameraMan&) = delete;
    XC_CameraMan& operator=(const XC_CameraMan&) = delete;

    // Sends projection and view to the device unless it holds them already.
    virtual HRESULT ApplyToDevice();
    virtual void SetOrthoProjection(float fWidth, float fHeight, float fNear, float fFar);
    virtual void SetPerspectiveProjection(float fFovY, float fWidth, float fHeight, float fNear, float fFar);
    virtual const D3DXMATRIX* GetProjectionMatrix() const;
    // Stands there at once, with no glide.
    virtual void PlaceCamera(float fX, float fY, float fZ, float fDistance, float fYaw, float fPitch);
    virtual const D3DXMATRIX* GetViewMatrix() const;
    virtual void UpdateFrustum();
    virtual const XC_Frustum* GetFrustum() const;
    virtual void SetChanged();
    virtual void FrameMove(float fElapsedTime);
    virtual BOOL IsMoving() const;
    virtual void UpdateViewMatrix();
    // The look-at point, distance, yaw and pitch of the record.
    virtual void SetTargetData(const XS_CameraData* pData);
    virtual void SetTargetLookAt(const D3DXVECTOR3* pvLookAt);
    virtual void SetTargetDistance(float fDistance);
    virtual void SetTargetYaw(float fYaw);
    virtual void SetTargetPitch(float fPitch);
    virtual void AddTargetLookAt(const D3DXVECTOR3* pvLookAt);
    virtual void AddTargetDistance(float fDistance);
    virtual void AddTargetYaw(float fYaw);
    virtual void AddTargetPitch(float fPitch);
    virtual void SetCurrentData(const XS_CameraData* pData);
    virtual void SetCurrentLookAt(const D3DXVECTOR3* pvLookAt);
    virtual void SetCurrentDistance(float fDistance);
    virtual void SetCurrentYaw(float fYaw);
    virtual void SetCurrentPitch(float fPitch);
    virtual void AddCurrentLookAt(const D3DXVECTOR3* pvLookAt);
    virtual void AddCurrentDistance(float fDistance);
    virtual void AddCurrentYaw(float fYaw);
    virtual void AddCurrentPitch(float fPitch);
    // The look-at point and the eye only.
    virtual void CopyTargetPointsToCurrent();
    virtual const XS_CameraData* GetCurrentData() const;
    virtual const XS_CameraData* GetTargetData() const;
    // Pitch and distance into their limits, yaw into [0, 2 pi].
    virtual void ClampCameraData(XS_CameraData* pData) const;
    virtual void SetPitchLimits(float fMin, float fMax);
    virtual void SetDistanceLimits(float fMin, float fMax);
    virtual float GetMinPitch() const;
    virtual float GetMaxPitch() const;
    virtual float GetMinDistance() const;
    virtual float GetMaxDistance() const;
    // The view's rotation turned back, which faces a flat picture to the camera.
    virtual const D3DXMATRIX* GetBillboardMatrix() const;
    // The ray through a pixel of the view; nothing is written without a projection.
    virtual D3DXVECTOR3* GetPickRay(float fX, float fY, D3DXVECTOR3* pvOrigin, D3DXVECTOR3* pvDirection) const;
    virtual void LockLookAt(BOOL bLock);
    virtual void LockEye(BOOL bLock);
    // Null stops following.
    virtual void FollowLookAt(XC_RenderNode* pNode);
    virtual void FollowEye(XC_RenderNode* pNode);
    virtual XC_RenderNode* GetCameraRenderNode();
    virtual void SetSoften(BOOL bSoften);
    virtual void SetSoftenStep(float fSoftenStep);
    // The share of the remaining way covered in one step.
    virtual void SetSoftenRate(float fSoftenRate);
    virtual BOOL GetSoften() const;
    virtual float GetSoftenStep() const;
    virtual float GetSoftenRate() const;

private:
    // Derives the values of the record that its type leaves to be derived.
    void ComputeCameraData(XS_CameraData* pData) const;
    BOOL IsAtTarget() const;
    // Moves the current placement part of the way to the target.
    void Soften(float fElapsedTime);
    // The share of the way covered by the whole steps in the time so far.
    float TakeSoftenShare(float fElapsedTime);
    void CheckCurrentType() const;
    // Every placement setter ends here: the values change, the camera is marked.
    void SetPlacement(XS_CameraData* pRecord, const XS_CameraData* pData);
    template <class T> void SetValue(T* pValue, const T& newValue)
    {
        *pValue = newValue;
        SetChanged();
    }
    template <class T> void AddValue(T* pValue, const T& amount) { SetValue(pValue, *pValue + amount); }

    DWORD m_eProjectionType;
    D3DXMATRIX m_matView;
    D3DXMATRIX m_matProjection;
    float m_fViewWidth;
    float m_fViewHeight;
    XC_Frustum m_Frustum;
    BOOL m_bChanged;
    BOOL m_bMoving;
    BOOL m_bTransformDirty;
    XS_CameraData m_CameraData_Current;
    XS_CameraData m_CameraData_Target;
    float m_fMinPitch;
    float m_fMaxPitch;
    float m_fMinDistance;
    float m_fMaxDistance;
    D3DXMATRIX m_matBillboard;
    DWORD m_eLookAtMode;
    DWORD m_eEyeMode;
    XC_RenderNode m_LookAtNode;
    XC_RenderNode m_EyeNode;
    XC_RenderNode m_CameraNode;
    BOOL m_bSoften;
    float m_fSoftenStep;
    float m_fSoftenRate;
    float m_fSoftenTime;
};

// The camera whose transforms the device holds, or null.
extern XC_CameraMan* g_pDeviceCameraMan;
