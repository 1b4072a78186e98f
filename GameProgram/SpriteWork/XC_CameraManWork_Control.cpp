#include "GameProgram/SpriteWork/XC_CameraManWork_Control.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

BOOL XC_CameraManWork_Control::SetTarget(XC_CameraMan* pCameraMan)
{
    if (pCameraMan == nullptr) {
        XM_REPORT_FAILED("pCameraMan");
        return FALSE;
    }
    m_pCameraMan = pCameraMan;
    return TRUE;
}

void XC_CameraManWork_Control::Begin()
{
    if (m_pCameraMan == nullptr) {
        XM_REPORT_FAILED("m_pCameraMan");
        return;
    }
    const XS_CameraData* const pTarget = m_pCameraMan->GetTargetData();
    if (m_bAbsPos)
        m_vPosition -= pTarget->m_vLookAt;
    if (m_bAbsPitch)
        m_fPitch -= pTarget->m_fPitch;
    if (m_bAbsZoom)
        m_fZoom -= pTarget->m_fDistance;
    if (m_bAbsYaw)
        m_fYaw = XF_AngleDiff(pTarget->m_fYaw, m_fYaw);
}

BOOL XC_CameraManWork_Control::Step(float fElapsedTime)
{
    if (m_pCameraMan == nullptr) {
        XM_REPORT_FAILED("m_pCameraMan");
        return TRUE;
    }
    // Unlike the base step, a progress of exactly 1 finishes one step later.
    m_fElapsedTime += fElapsedTime;
    m_fProgress = m_fElapsedTime / m_fWorkTime;
    BOOL bFinished = FALSE;
    if (m_fProgress > 1.0f || m_fWorkTime < 1e-07f) {
        m_fProgress = 1.0f;
        bFinished = TRUE;
    }
    const D3DXVECTOR3 vPosition = m_vPosition * m_fProgress;
    const D3DXVECTOR3 vPositionStep = vPosition - m_vAppliedPosition;
    m_pCameraMan->AddTargetLookAt(&vPositionStep);
    m_pCameraMan->AddTargetDistance(m_fZoom * m_fProgress - m_fAppliedZoom);
    m_pCameraMan->AddTargetYaw(m_fYaw * m_fProgress - m_fAppliedYaw);
    m_pCameraMan->AddTargetPitch(m_fPitch * m_fProgress - m_fAppliedPitch);
    m_vAppliedPosition = vPosition;
    m_fAppliedZoom = m_fZoom * m_fProgress;
    m_fAppliedYaw = m_fYaw * m_fProgress;
    m_fAppliedPitch = m_fPitch * m_fProgress;
    return bFinished;
}
