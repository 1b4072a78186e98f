#pragma once

#include "GameProgram/SpriteWork/XC_RenderNodeWorkBase.h"

#include <d3dx9math.h>

// Moves a node by a goal offset over the work time, straight or on a jump
// arc, at a fixed pace or (with a negative work time) at changing speeds.
// Only the difference to what it applied so far is added each step, so
// several works on one node add up.
class XC_RenderNodeWork_SetPosition : public XC_RenderNodeWorkBase
{
public:
    void Begin() override;
    BOOL Step(float fElapsedTime) override;

    BOOL m_bAbsPosition = FALSE;
    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    DWORD m_dwMoveType = 0;
    float m_fMoveArg = 0.0f;
    float m_fSpeedBegin = 0.01f;
    float m_fSpeedEnd = 0.01f;
    float m_fSpeedChangePoint = 0.0f;

private:
    // The share of the distance covered after the elapsed time in speed mode.
    float SpeedProgress() const;

    BOOL m_bSpeedMode = FALSE;
    float m_fDistance = 0.0f;
    D3DXVECTOR3 m_vApplied = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};
