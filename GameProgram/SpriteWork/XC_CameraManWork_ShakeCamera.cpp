#include "GameProgram/SpriteWork/XC_CameraManWork_ShakeCamera.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float TWO_PI = 6.2831855f;

float Glide(float fStart, float fEnd, float fProgress)
{
    return fEnd * fProgress + fStart * (1.0f - fProgress);
}

} // namespace

HRESULT XC_CameraManWork_ShakeCamera::SetTarget(XC_CameraMan* pCameraMan)
{
    if (pCameraMan == nullptr) {
        XM_REPORT_FAILED("pCameraMan");
        return E_FAIL;
    }
    m_pCameraMan = pCameraMan;
    return S_OK;
}

void XC_CameraManWork_ShakeCamera::MoveLookAt(const D3DXVECTOR3& vOffset)
{
    m_pCameraMan->AddTargetLookAt(&vOffset);
    m_pCameraMan->AddCurrentLookAt(&vOffset);
}

BOOL XC_CameraManWork_ShakeCamera::Step(float fElapsedTime)
{
    if (m_pCameraMan == nullptr) {
        XM_REPORT_FAILED("m_pCameraMan");
        return TRUE;
    }
    MoveLookAt(-m_vOffset);
    m_vOffset = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    if (Advance(fElapsedTime))
        return TRUE;

    m_fVerticalPhase += Glide(m_fVerticalShakeFrequency1, m_fVerticalShakeFrequency2, m_fProgress) * fElapsedTime;
    m_fHorizontalPhase += Glide(m_fHorizontalShakeFrequency1, m_fHorizontalShakeFrequency2, m_fProgress) * fElapsedTime;
    const float fVerticalRange = Glide(m_fVerticalShakeRange1, m_fVerticalShakeRange2, m_fProgress);
    const float fHorizontalRange = Glide(m_fHorizontalShakeRange1, m_fHorizontalShakeRange2, m_fProgress);
    const D3DXVECTOR3 vScreenOffset(std::sin(TWO_PI * m_fHorizontalPhase) * fHorizontalRange / 2.0f,
                                    std::sin(TWO_PI * m_fVerticalPhase) * fVerticalRange / 2.0f, 0.0f);
    // Only the rotation of the camera's orientation applies: the offset is a
    // direction, not a point.
    D3DXMATRIX matOrientation = *m_pCameraMan->GetBillboardMatrix();
    matOrientation._41 = matOrientation._42 = matOrientation._43 = 0.0f;
    m_vOffset = XF_TransformPoint(&vScreenOffset, &matOrientation);
    MoveLookAt(m_vOffset);
    return FALSE;
}
