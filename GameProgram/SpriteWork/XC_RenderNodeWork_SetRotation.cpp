#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetRotation.h"

#include "GameProgram/D3DCommon/XC_RenderNode.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

void XC_RenderNodeWork_SetRotation::Begin()
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return;
    if (m_bAbsRotation) {
        m_vRotation -= *m_pRenderNodeObj->GetRotation();
        m_bAbsRotation = FALSE;
    }
}

BOOL XC_RenderNodeWork_SetRotation::Step(float fElapsedTime)
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return TRUE;
    const BOOL bFinished = Advance(fElapsedTime);
    const D3DXVECTOR3 vIncrement = m_vRotation * m_fProgress - m_vApplied;
    m_vApplied += vIncrement;
    m_pRenderNodeObj->AddRotationX(vIncrement.x);
    m_pRenderNodeObj->AddRotationY(vIncrement.y);
    m_pRenderNodeObj->AddRotationZ(vIncrement.z);
    return bFinished;
}
