#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"

#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include <algorithm>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD MOVE_TYPE_JUMP = 1;
const float MIN_SPEED = 0.01f;

} // namespace

void XC_RenderNodeWork_SetPosition::Begin()
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return;
    if (m_bAbsPosition) {
        m_vPosition -= *m_pRenderNodeObj->GetPosition();
        m_bAbsPosition = FALSE;
    }
    if (m_fWorkTime >= 0.0f)
        return;
    m_fSpeedBegin = std::max(m_fSpeedBegin, MIN_SPEED);
    m_fSpeedEnd = std::max(m_fSpeedEnd, MIN_SPEED);
    m_fDistance = D3DXVec3Length(&m_vPosition);
    m_fWorkTime = m_fDistance
                  / (m_fSpeedBegin + (1.0f - m_fSpeedChangePoint) * (m_fSpeedEnd - m_fSpeedBegin) / 2.0f);
    if (m_fWorkTime >= 1e-06f)
        m_bSpeedMode = TRUE;
    else
        m_fWorkTime = 0.0f;
}

float XC_RenderNodeWork_SetPosition::SpeedProgress() const
{
    const float e = m_fElapsedTime;
    const float T = m_fWorkTime;
    const float c = m_fSpeedChangePoint;
    const float b = m_fSpeedBegin;
    const float v = m_fSpeedEnd;
    if (e / T <= c)
        return e * b / m_fDistance;
    const float s = e - T * c;
    return (e * b + ((v - b) * s / ((1.0f - c) * T)) * s / 2.0f) / m_fDistance;
}

BOOL XC_RenderNodeWork_SetPosition::Step(float fElapsedTime)
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return TRUE;
    const D3DXVECTOR3 vNodePosition = *m_pRenderNodeObj->GetPosition();
    const BOOL bFinished = Advance(fElapsedTime);
    D3DXVECTOR3 vOffset = m_vPosition;
    if (!bFinished) {
        const float fProgress = m_bSpeedMode ? SpeedProgress() : m_fProgress;
        vOffset = m_vPosition * fProgress;
        if (m_dwMoveType == MOVE_TYPE_JUMP) {
            float r = 2.0f * fProgress;
            if (r > 1.0f)
                r = 2.0f - r;
            const float fArcBase = (1.0f + r) * (1.0f + r) * (1.0f + r) * (1.0f + r);
            vOffset.y += (1.0f - 1.0f / fArcBase) * m_fMoveArg;
        }
    }
    const D3DXVECTOR3 vNewPosition = vNodePosition + (vOffset - m_vApplied);
    m_vApplied = vOffset;
    m_pRenderNodeObj->SetPosition(&vNewPosition);
    return bFinished;
}
