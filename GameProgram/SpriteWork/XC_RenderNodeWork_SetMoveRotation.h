#pragma once

#include "GameProgram/SpriteWork/XC_RenderNodeWorkBase.h"

#include <d3dx9math.h>

// Turns a node to face the way it moves, while the work lasts.
class XC_RenderNodeWork_SetMoveRotation : public XC_RenderNodeWorkBase
{
public:
    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;

private:
    D3DXVECTOR3 m_vLastPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vRotationOffset = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    BOOL m_bSavedInheritRotateDir = FALSE;
};
