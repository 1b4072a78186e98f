#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <d3dx9math.h>

class XC_CameraMan;

// Moves a camera man's target placement by goal amounts over the work time:
// the look-at point, the zoom (distance), the yaw and the pitch.
class XC_CameraManWork_Control : public XC_SpriteWorkBase
{
public:
    void Begin() override;
    BOOL Step(float fElapsedTime) override;
    virtual BOOL SetTarget(XC_CameraMan* pCameraMan);

    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    float m_fYaw = 0.0f;
    float m_fPitch = 0.0f;
    float m_fZoom = 0.0f;
    BOOL m_bAbsPos = FALSE;
    BOOL m_bAbsYaw = FALSE;
    BOOL m_bAbsPitch = FALSE;
    BOOL m_bAbsZoom = FALSE;

private:
    D3DXVECTOR3 m_vAppliedPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    float m_fAppliedYaw = 0.0f;
    float m_fAppliedPitch = 0.0f;
    float m_fAppliedZoom = 0.0f;
    XC_CameraMan* m_pCameraMan = nullptr;
};
