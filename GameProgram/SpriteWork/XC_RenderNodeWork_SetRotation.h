#pragma once

#include "GameProgram/SpriteWork/XC_RenderNodeWorkBase.h"

#include <d3dx9math.h>

// Turns a node by a goal rotation (radians) over the work time, adding only
// the increment of each step.
class XC_RenderNodeWork_SetRotation : public XC_RenderNodeWorkBase
{
public:
    void Begin() override;
    BOOL Step(float fElapsedTime) override;

    BOOL m_bAbsRotation = FALSE;
    D3DXVECTOR3 m_vRotation = D3DXVECTOR3(0.0f, 0.0f, 0.0f);

private:
    D3DXVECTOR3 m_vApplied = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};
