#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <d3dx9math.h>

class XC_CameraMan;

// Shakes a camera man's look-at point up and down and sideways, with
// frequencies and ranges that glide from their start to their end values.
// Each step takes the previous offset back first, so the camera ends where
// it started.
class XC_CameraManWork_ShakeCamera : public XC_SpriteWorkBase
{
public:
    BOOL Step(float fElapsedTime) override;
    // 0, or E_FAIL for a null camera man.
    virtual HRESULT SetTarget(XC_CameraMan* pCameraMan);

    float m_fVerticalShakeFrequency1 = 0.0f;
    float m_fVerticalShakeFrequency2 = 0.0f;
    float m_fVerticalShakeRange1 = 0.0f;
    float m_fVerticalShakeRange2 = 0.0f;
    float m_fHorizontalShakeFrequency1 = 0.0f;
    float m_fHorizontalShakeFrequency2 = 0.0f;
    float m_fHorizontalShakeRange1 = 0.0f;
    float m_fHorizontalShakeRange2 = 0.0f;

private:
    void MoveLookAt(const D3DXVECTOR3& vOffset);

    XC_CameraMan* m_pCameraMan = nullptr;
    float m_fVerticalPhase = 0.5f;
    float m_fHorizontalPhase = 0.5f;
    D3DXVECTOR3 m_vOffset = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};
