#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetMoveRotation.h"

#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include <algorithm>
#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float PI = 3.1415927f;

float ClampUnit(float f)
{
    return std::min(1.0f, std::max(-1.0f, f));
}

} // namespace

void XC_RenderNodeWork_SetMoveRotation::Begin()
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return;
    m_vLastPosition = *m_pRenderNodeObj->QueryWorldPosition();
    m_vRotationOffset = *m_pRenderNodeObj->GetRotation();
    m_bSavedInheritRotateDir = m_pRenderNodeObj->GetInheritRotateDir();
    m_pRenderNodeObj->SetInheritRotateDir(FALSE);
}

void XC_RenderNodeWork_SetMoveRotation::End()
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return;
    m_pRenderNodeObj->SetRotation(&m_vRotationOffset);
    m_pRenderNodeObj->SetInheritRotateDir(m_bSavedInheritRotateDir);
}

BOOL XC_RenderNodeWork_SetMoveRotation::Step(float fElapsedTime)
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return TRUE;
    const BOOL bFinished = Advance(fElapsedTime);
    const D3DXVECTOR3 vPosition = *m_pRenderNodeObj->QueryWorldPosition();
    if (vPosition == m_vLastPosition)
        return bFinished;
    const D3DXVECTOR3 vMove = vPosition - m_vLastPosition;
    D3DXVECTOR3 d;
    D3DXVec3Normalize(&d, &vMove);
    D3DXVECTOR3 vRotation(0.0f, 0.0f, 0.0f);
    if (d.x == 0.0f && d.z == 0.0f) {
        vRotation.x = d.y > 0.0f ? -PI / 2.0f : PI / 2.0f;
    } else {
        vRotation.x = -std::asin(ClampUnit(d.y));
        vRotation.y = std::asin(ClampUnit(d.x / std::sqrt(d.x * d.x + d.z * d.z)));
        if (d.z < 0.0f)
            vRotation.y = PI - vRotation.y;
    }
    const D3DXVECTOR3 vNewRotation = vRotation + m_vRotationOffset;
    m_pRenderNodeObj->SetRotation(&vNewRotation);
    m_vLastPosition = vPosition;
    return bFinished;
}
