#include "GameProgram/CameraMan/XC_CameraMan.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_CameraMan* g_pDeviceCameraMan = nullptr;

namespace {

const float TWO_PI = 2.0f * D3DX_PI;
// The smallest smoothing step and rate that are kept.
const float SOFTEN_MINIMUM = 0.000001f;
// The eye's distance when the eye stands on the look-at point.
const float FALLBACK_DISTANCE = 20.0f;

float Clamp(float fValue, float fMin, float fMax)
{
    if (fValue > fMax)
        fValue = fMax;
    if (fValue < fMin)
        fValue = fMin;
    return fValue;
}

// Into [0, 2 pi]. A value too large for whole turns to be taken off one by
// one is reduced in one go, so no yaw can keep the camera turning for ever.
float WrapYaw(float fYaw)
{
    if (!std::isfinite(fYaw))
        return 0.0f;
    if (std::fabs(fYaw) > 1000.0f * TWO_PI)
        fYaw = std::fmod(fYaw, TWO_PI);
    while (fYaw < 0.0f)
        fYaw += TWO_PI;
    while (fYaw > TWO_PI)
        fYaw -= TWO_PI;
    return fYaw;
}

// The yaw that turns (0, 0, -1) to the horizontal offset of the eye.
float YawOfOffset(const D3DXVECTOR3& vEye, const D3DXVECTOR3& vLookAt)
{
    const float fDX = vEye.x - vLookAt.x;
    const float fDZ = vEye.z - vLookAt.z;
    const float fHorizontal = std::sqrt(fDX * fDX + fDZ * fDZ);
    float fYaw = 0.0f;
    if (!XF_FloatEqual(fHorizontal, 0.0f))
        fYaw = std::asin(Clamp(fDX / fHorizontal, -1.0f, 1.0f));
    if (vEye.x > vLookAt.x)
        return vEye.z > vLookAt.z ? D3DX_PI + fYaw : TWO_PI - fYaw;
    fYaw = -fYaw;
    return vEye.z > vLookAt.z ? D3DX_PI - fYaw : fYaw;
}

D3DXVECTOR3 Lerp(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, float fShare)
{
    return vFrom * (1.0f - fShare) + vTo * fShare;
}

} // namespace

XC_CameraMan::XC_CameraMan()
    : m_eProjectionType(PT_None)
    , m_fViewWidth(0.0f)
    , m_fViewHeight(0.0f)
    , m_bChanged(FALSE)
    , m_bMoving(FALSE)
    , m_bTransformDirty(TRUE)
    , m_fMinPitch(-1.5533430576324463f)
    , m_fMaxPitch(1.5533430576324463f)
    , m_fMinDistance(1.0f)
    , m_fMaxDistance(1000.0f)
    , m_eLookAtMode(CPM_Free)
    , m_eEyeMode(CPM_Free)
    , m_bSoften(TRUE)
    , m_fSoftenStep(0.001f)
    , m_fSoftenRate(0.005f)
    , m_fSoftenTime(0.0f)
{
    D3DXMatrixIdentity(&m_matView);
    D3DXMatrixIdentity(&m_matProjection);
    D3DXMatrixIdentity(&m_matBillboard);
}

XC_CameraMan::~XC_CameraMan()
{
    if (g_pDeviceCameraMan == this)
        g_pDeviceCameraMan = nullptr;
}

HRESULT XC_CameraMan::ApplyToDevice()
{
    if (this == g_pDeviceCameraMan && m_bTransformDirty != TRUE)
        return S_OK;
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    m_bTransformDirty = FALSE;
    g_pDeviceCameraMan = this;
    pD3DDevice->SetTransform(D3DTS_PROJECTION, &m_matProjection);
    return pD3DDevice->SetTransform(D3DTS_VIEW, &m_matView);
}

void XC_CameraMan::SetOrthoProjection(float fWidth, float fHeight, float fNear, float fFar)
{
    D3DXMatrixOrthoLH(&m_matProjection, fWidth, fHeight, fNear, fFar);
    m_eProjectionType = PT_Orthographic;
    m_fViewWidth = fWidth;
    m_fViewHeight = fHeight;
    SetChanged();
}

void XC_CameraMan::SetPerspectiveProjection(float fFovY, float fWidth, float fHeight, float fNear, float fFar)
{
    D3DXMatrixPerspectiveFovLH(&m_matProjection, fFovY, fWidth / fHeight, fNear, fFar);
    m_eProjectionType = PT_Perspective;
    m_fViewWidth = fWidth;
    m_fViewHeight = fHeight;
    SetChanged();
}

const D3DXMATRIX* XC_CameraMan::GetProjectionMatrix() const
{
    return &m_matProjection;
}

void XC_CameraMan::PlaceCamera(float fX, float fY, float fZ, float fDistance, float fYaw, float fPitch)
{
    m_CameraData_Target.m_vLookAt = D3DXVECTOR3(fX, fY, fZ);
    m_CameraData_Target.m_fDistance = fDistance;
    m_CameraData_Target.m_fYaw = fYaw;
    m_CameraData_Target.m_fPitch = fPitch;
    ComputeCameraData(&m_CameraData_Target);
    m_CameraData_Current = m_CameraData_Target;
    UpdateViewMatrix();
    SetChanged();
}

const D3DXMATRIX* XC_CameraMan::GetViewMatrix() const
{
    return &m_matView;
}

void XC_CameraMan::UpdateFrustum()
{
    m_Frustum.Build(m_matView, m_matProjection);
}

const XC_Frustum* XC_CameraMan::GetFrustum() const
{
    return &m_Frustum;
}

void XC_CameraMan::SetChanged()
{
    m_bChanged = TRUE;
    m_bMoving = TRUE;
}

void XC_CameraMan::ComputeCameraData(XS_CameraData* pData) const
{
    switch (pData->m_eFixedCameraDataType) {
    case FCT_UseLookAt: {
        D3DXMATRIX matPitch;
        D3DXMATRIX matYaw;
        D3DXMatrixRotationX(&matPitch, pData->m_fPitch);
        D3DXMatrixRotationY(&matYaw, pData->m_fYaw);
        const D3DXMATRIX matRotation = matPitch * matYaw;
        const D3DXVECTOR3 vBack(0.0f, 0.0f, -pData->m_fDistance);
        D3DXVECTOR3 vOffset;
        D3DXVec3TransformNormal(&vOffset, &vBack, &matRotation);
        pData->m_vEye = vOffset + pData->m_vLookAt;
        return;
    }
    case FCT_UseEye: {
        const D3DXVECTOR3 vOffset = pData->m_vEye - pData->m_vLookAt;
        pData->m_fDistance = D3DXVec3Length(&vOffset);
        if (pData->m_fDistance == 0.0f) {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            pData->m_fDistance = FALLBACK_DISTANCE;
        }
        pData->m_fPitch = std::asin(Clamp(vOffset.y / pData->m_fDistance, -1.0f, 1.0f));
        pData->m_fYaw = YawOfOffset(pData->m_vEye, pData->m_vLookAt);
        return;
    }
    case 1:
        // This type was never given a derivation.
        XF_ReportError(s_szSourceFile, __LINE__, "還沒寫啦");
        return;
    default:
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return;
    }
}

void XC_CameraMan::ClampCameraData(XS_CameraData* pData) const
{
    pData->m_fPitch = Clamp(pData->m_fPitch, m_fMinPitch, m_fMaxPitch);
    pData->m_fDistance = Clamp(pData->m_fDistance, m_fMinDistance, m_fMaxDistance);
    pData->m_fYaw = WrapYaw(pData->m_fYaw);
}

void XC_CameraMan::CheckCurrentType() const
{
    if (m_CameraData_Current.m_eFixedCameraDataType != FCT_UseLookAt)
        XM_REPORT_FAILED("m_CameraData_Current.m_eFixedCameraDataType == FCT_UseLookAt");
}

BOOL XC_CameraMan::IsAtTarget() const
{
    const XS_CameraData& Current = m_CameraData_Current;
    const XS_CameraData& Target = m_CameraData_Target;
    const float fPairs[][2] = {
        {Current.m_vLookAt.x, Target.m_vLookAt.x}, {Current.m_vLookAt.y, Target.m_vLookAt.y},
        {Current.m_vLookAt.z, Target.m_vLookAt.z}, {Current.m_fDistance, Target.m_fDistance},
        {Current.m_fYaw, Target.m_fYaw},           {Current.m_fPitch, Target.m_fPitch},
    };
    for (const auto& pair : fPairs) {
        if (XF_CompareRounded(pair[0], pair[1], 2) != 0)
            return FALSE;
    }
    return TRUE;
}

void XC_CameraMan::FrameMove(float fElapsedTime)
{
    if (!m_bMoving && !m_bChanged && m_eLookAtMode != CPM_Follow && m_eEyeMode != CPM_Follow)
        return;
    m_bChanged = FALSE;

    if (m_eLookAtMode == CPM_Lock)
        m_CameraData_Target.m_vLookAt = m_CameraData_Current.m_vLookAt;
    else if (m_eLookAtMode == CPM_Follow)
        m_CameraData_Target.m_vLookAt = *m_LookAtNode.GetWorldPosition();
    if (m_eEyeMode == CPM_Lock)
        m_CameraData_Target.m_vEye = m_CameraData_Current.m_vEye;
    else if (m_eEyeMode == CPM_Follow)
        m_CameraData_Target.m_vEye = *m_EyeNode.GetWorldPosition();

    ComputeCameraData(&m_CameraData_Target);
    ClampCameraData(&m_CameraData_Target);
    ClampCameraData(&m_CameraData_Current);
    CheckCurrentType();

    if (IsAtTarget()) {
        m_bMoving = FALSE;
    } else {
        Soften(fElapsedTime);
        m_bMoving = TRUE;
    }
    UpdateViewMatrix();
}

float XC_CameraMan::TakeSoftenShare(float fElapsedTime)
{
    m_fSoftenTime += fElapsedTime;
    if (!std::isfinite(m_fSoftenTime)) {
        m_fSoftenTime = 0.0f;
        return 1.0f;
    }
    if (!(m_fSoftenTime > m_fSoftenStep))
        return 0.0f;
    // Whole steps are taken while more than one step of time is left, so a
    // time of exactly n steps takes n - 1 and keeps one. The share of n
    // steps, t := t + (1 - t) * rate each, is 1 - (1 - rate)^n; computing it
    // at once keeps a long frame as cheap as a short one.
    double dSteps = std::floor(static_cast<double>(m_fSoftenTime) / m_fSoftenStep);
    double dRest = m_fSoftenTime - dSteps * m_fSoftenStep;
    if (dRest <= 0.0) {
        dSteps -= 1.0;
        dRest += m_fSoftenStep;
    }
    m_fSoftenTime = static_cast<float>(dRest);
    return static_cast<float>(1.0 - std::pow(1.0 - m_fSoftenRate, dSteps));
}

void XC_CameraMan::Soften(float fElapsedTime)
{
    XS_CameraData& Current = m_CameraData_Current;
    const XS_CameraData& Target = m_CameraData_Target;
    if (!m_bSoften || !(m_fSoftenStep > SOFTEN_MINIMUM)) {
        Current.m_vLookAt = Target.m_vLookAt;
        Current.m_vEye = Target.m_vEye;
        Current.m_fDistance = Target.m_fDistance;
        Current.m_fYaw = Target.m_fYaw;
        Current.m_fPitch = Target.m_fPitch;
        return;
    }
    const float fShare = TakeSoftenShare(fElapsedTime);
    Current.m_vLookAt = Lerp(Current.m_vLookAt, Target.m_vLookAt, fShare);
    Current.m_fDistance = Current.m_fDistance * (1.0f - fShare) + Target.m_fDistance * fShare;
    // The shorter way round.
    Current.m_fYaw += fShare * XF_AngleDiff(Current.m_fYaw, Target.m_fYaw);
    Current.m_fPitch += fShare * XF_AngleDiff(Current.m_fPitch, Target.m_fPitch);
    CheckCurrentType();
    ComputeCameraData(&Current);
}

BOOL XC_CameraMan::IsMoving() const
{
    return m_bMoving;
}

void XC_CameraMan::UpdateViewMatrix()
{
    m_bTransformDirty = TRUE;
    const D3DXVECTOR3 vUp(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&m_matView, &m_CameraData_Current.m_vEye, &m_CameraData_Current.m_vLookAt, &vUp);

    D3DXMatrixTranspose(&m_matBillboard, &m_matView);
    m_matBillboard._14 = 0.0f;
    m_matBillboard._24 = 0.0f;
    m_matBillboard._34 = 0.0f;
    m_matBillboard._41 = 0.0f;
    m_matBillboard._42 = 0.0f;
    m_matBillboard._43 = 0.0f;
    m_matBillboard._44 = 1.0f;

    UpdateFrustum();
    m_CameraNode.SetPosition(&m_CameraData_Current.m_vLookAt);
    m_CameraNode.SetRotationX(m_CameraData_Current.m_fPitch);
    m_CameraNode.SetRotationY(m_CameraData_Current.m_fYaw);
}

void XC_CameraMan::SetPlacement(XS_CameraData* pRecord, const XS_CameraData* pData)
{
    pRecord->m_vLookAt = pData->m_vLookAt;
    pRecord->m_fDistance = pData->m_fDistance;
    pRecord->m_fYaw = pData->m_fYaw;
    pRecord->m_fPitch = pData->m_fPitch;
    SetChanged();
}

void XC_CameraMan::SetTargetData(const XS_CameraData* pData)
{
    SetPlacement(&m_CameraData_Target, pData);
}

void XC_CameraMan::SetTargetLookAt(const D3DXVECTOR3* pvLookAt)
{
    SetValue(&m_CameraData_Target.m_vLookAt, *pvLookAt);
}

void XC_CameraMan::SetTargetDistance(float fDistance)
{
    SetValue(&m_CameraData_Target.m_fDistance, fDistance);
}

void XC_CameraMan::SetTargetYaw(float fYaw)
{
    SetValue(&m_CameraData_Target.m_fYaw, fYaw);
}

void XC_CameraMan::SetTargetPitch(float fPitch)
{
    SetValue(&m_CameraData_Target.m_fPitch, fPitch);
}

void XC_CameraMan::AddTargetLookAt(const D3DXVECTOR3* pvLookAt)
{
    AddValue(&m_CameraData_Target.m_vLookAt, *pvLookAt);
}

void XC_CameraMan::AddTargetDistance(float fDistance)
{
    AddValue(&m_CameraData_Target.m_fDistance, fDistance);
}

void XC_CameraMan::AddTargetYaw(float fYaw)
{
    AddValue(&m_CameraData_Target.m_fYaw, fYaw);
}

void XC_CameraMan::AddTargetPitch(float fPitch)
{
    AddValue(&m_CameraData_Target.m_fPitch, fPitch);
}

void XC_CameraMan::SetCurrentData(const XS_CameraData* pData)
{
    SetPlacement(&m_CameraData_Current, pData);
}

void XC_CameraMan::SetCurrentLookAt(const D3DXVECTOR3* pvLookAt)
{
    SetValue(&m_CameraData_Current.m_vLookAt, *pvLookAt);
}

void XC_CameraMan::SetCurrentDistance(float fDistance)
{
    SetValue(&m_CameraData_Current.m_fDistance, fDistance);
}

void XC_CameraMan::SetCurrentYaw(float fYaw)
{
    SetValue(&m_CameraData_Current.m_fYaw, fYaw);
}

void XC_CameraMan::SetCurrentPitch(float fPitch)
{
    SetValue(&m_CameraData_Current.m_fPitch, fPitch);
}

void XC_CameraMan::AddCurrentLookAt(const D3DXVECTOR3* pvLookAt)
{
    AddValue(&m_CameraData_Current.m_vLookAt, *pvLookAt);
}

void XC_CameraMan::AddCurrentDistance(float fDistance)
{
    AddValue(&m_CameraData_Current.m_fDistance, fDistance);
}

void XC_CameraMan::AddCurrentYaw(float fYaw)
{
    AddValue(&m_CameraData_Current.m_fYaw, fYaw);
}

void XC_CameraMan::AddCurrentPitch(float fPitch)
{
    AddValue(&m_CameraData_Current.m_fPitch, fPitch);
}

void XC_CameraMan::CopyTargetPointsToCurrent()
{
    m_CameraData_Current.m_vLookAt = m_CameraData_Target.m_vLookAt;
    m_CameraData_Current.m_vEye = m_CameraData_Target.m_vEye;
}

const XS_CameraData* XC_CameraMan::GetCurrentData() const
{
    return &m_CameraData_Current;
}

const XS_CameraData* XC_CameraMan::GetTargetData() const
{
    return &m_CameraData_Target;
}

void XC_CameraMan::SetPitchLimits(float fMin, float fMax)
{
    m_fMinPitch = fMin;
    m_fMaxPitch = fMax;
}

void XC_CameraMan::SetDistanceLimits(float fMin, float fMax)
{
    m_fMinDistance = fMin;
    m_fMaxDistance = fMax;
}

float XC_CameraMan::GetMinPitch() const
{
    return m_fMinPitch;
}

float XC_CameraMan::GetMaxPitch() const
{
    return m_fMaxPitch;
}

float XC_CameraMan::GetMinDistance() const
{
    return m_fMinDistance;
}

float XC_CameraMan::GetMaxDistance() const
{
    return m_fMaxDistance;
}

const D3DXMATRIX* XC_CameraMan::GetBillboardMatrix() const
{
    return &m_matBillboard;
}

D3DXVECTOR3* XC_CameraMan::GetPickRay(float fX, float fY, D3DXVECTOR3* pvOrigin, D3DXVECTOR3* pvDirection) const
{
    if (m_eProjectionType == PT_Perspective) {
        const D3DXVECTOR3 vView((2.0f * fX / m_fViewWidth - 1.0f) / m_matProjection._11,
                                -(2.0f * fY / m_fViewHeight - 1.0f) / m_matProjection._22, 1.0f);
        D3DXMATRIX matInverse;
        D3DXMatrixInverse(&matInverse, nullptr, &m_matView);
        D3DXVec3TransformNormal(pvDirection, &vView, &matInverse);
        D3DXVec3Normalize(pvDirection, pvDirection);
        *pvOrigin = D3DXVECTOR3(matInverse._41, matInverse._42, matInverse._43);
    } else if (m_eProjectionType == PT_Orthographic) {
        *pvOrigin = D3DXVECTOR3(fX - m_fViewWidth / 2.0f, -(fY - m_fViewHeight / 2.0f), -1000.0f);
        *pvDirection = D3DXVECTOR3(0.0f, 0.0f, 1.0f);
    }
    return pvDirection;
}

void XC_CameraMan::LockLookAt(BOOL bLock)
{
    if (bLock)
        m_eLookAtMode = CPM_Lock;
    else if (m_eLookAtMode == CPM_Lock)
        m_eLookAtMode = CPM_Free;
}

void XC_CameraMan::LockEye(BOOL bLock)
{
    if (bLock) {
        m_eEyeMode = CPM_Lock;
        m_CameraData_Target.m_eFixedCameraDataType = FCT_UseEye;
    } else if (m_eEyeMode == CPM_Lock) {
        m_eEyeMode = CPM_Free;
        m_CameraData_Target.m_eFixedCameraDataType = FCT_UseLookAt;
    }
}

void XC_CameraMan::FollowLookAt(XC_RenderNode* pNode)
{
    m_LookAtNode.DetachFromParent();
    if (pNode == nullptr) {
        if (m_eLookAtMode == CPM_Follow)
            m_eLookAtMode = CPM_Free;
        return;
    }
    if (FAILED(m_LookAtNode.SetParent(pNode))) {
        XM_REPORT_FAILED("m_LookAtNode.SetParent( pNode )");
        return;
    }
    m_eLookAtMode = CPM_Follow;
}

void XC_CameraMan::FollowEye(XC_RenderNode* pNode)
{
    m_EyeNode.DetachFromParent();
    if (pNode == nullptr) {
        if (m_eEyeMode == CPM_Follow) {
            m_CameraData_Target.m_eFixedCameraDataType = FCT_UseLookAt;
            m_eEyeMode = CPM_Free;
        }
        return;
    }
    if (FAILED(m_EyeNode.SetParent(pNode))) {
        XM_REPORT_FAILED("m_EyeNode.SetParent( pNode )");
        return;
    }
    m_CameraData_Target.m_eFixedCameraDataType = FCT_UseEye;
    m_eEyeMode = CPM_Follow;
}

XC_RenderNode* XC_CameraMan::GetCameraRenderNode()
{
    return &m_CameraNode;
}

void XC_CameraMan::SetSoften(BOOL bSoften)
{
    m_bSoften = bSoften;
}

void XC_CameraMan::SetSoftenStep(float fSoftenStep)
{
    m_fSoftenStep = fSoftenStep < SOFTEN_MINIMUM ? SOFTEN_MINIMUM : fSoftenStep;
}

void XC_CameraMan::SetSoftenRate(float fSoftenRate)
{
    m_fSoftenRate = Clamp(fSoftenRate, SOFTEN_MINIMUM, 1.0f);
}

BOOL XC_CameraMan::GetSoften() const
{
    return m_bSoften;
}

float XC_CameraMan::GetSoftenStep() const
{
    return m_fSoftenStep;
}

float XC_CameraMan::GetSoftenRate() const
{
    return m_fSoftenRate;
}
