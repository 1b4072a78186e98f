#pragma once

#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/DirectState/XC_SetState.h"

#include <windows.h>
#include <d3dx9math.h>

class XC_TextNode;

// A moving texture on one stage: its coordinates scroll, circle and spin
// with game time, from the record's making on, whether or not its set is
// active. The motion is a 2D texture transform.
class XC_TextureSpecialEffect_ChangeUV : public XC_SetState, public XC_Timer
{
public:
    static const DWORD TIMER_RANK = 3;

    XC_TextureSpecialEffect_ChangeUV();

    HRESULT Apply() override;
    HRESULT Restore(XI_DirectState* pPredecessor) override;
    void Update(float fDelta) override;

    // Takes the stage and the motion from the keys of an effect's node;
    // angles there are in degrees a second.
    void Read(const XC_TextNode& TNode);
    DWORD GetStage() const { return m_dwStage; }
    // The texture transform of the time reached.
    const D3DXMATRIX& GetMatrix() const { return m_matTexture; }

private:
    DWORD m_dwStage = 0;
    // Scroll speeds, texture units a second.
    float m_fdeltaU = 0.0f;
    float m_fdeltaV = 0.0f;
    // Circling: radians a second, the radius and its scales on u and v.
    float m_fRotateUV_Angle = 0.0f;
    float m_fRotateUV_Radius = 0.0f;
    float m_fRotateUV_RateU = 1.0f;
    float m_fRotateUV_RateV = 1.0f;
    // Spinning: radians a second about the centre.
    float m_fRotateTexture_Angle = 0.0f;
    float m_fRotateTexture_CenterX = 0.5f;
    float m_fRotateTexture_CenterY = 0.5f;
    // The motion so far.
    float m_fRotateUV_CurrentAngle = 0.0f;
    float m_fRotateTexture_CurrentAngle = 0.0f;
    float m_fOffsetU = 0.0f;
    float m_fOffsetV = 0.0f;
    D3DXMATRIX m_matTexture;
};
