#pragma once

#include "GameProgram/SpriteWork/XC_RenderNodeWorkBase.h"

#include <d3dx9math.h>

// Grows a node's scale by a goal amount over the work time, adding only the
// increment of each step to its world scale.
class XC_RenderNodeWork_SetScale : public XC_RenderNodeWorkBase
{
public:
    void Begin() override;
    BOOL Step(float fElapsedTime) override;

    BOOL m_bAbsScale = FALSE;
    D3DXVECTOR3 m_vScale = D3DXVECTOR3(0.0f, 0.0f, 0.0f);

private:
    D3DXVECTOR3 m_vApplied = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};
