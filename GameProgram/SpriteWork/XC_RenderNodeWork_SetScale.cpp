#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetScale.h"

#include "GameProgram/D3DCommon/XC_RenderNode.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

void XC_RenderNodeWork_SetScale::Begin()
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return;
    m_vApplied = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    if (m_bAbsScale) {
        m_vScale -= *m_pRenderNodeObj->QueryWorldScale();
        m_bAbsScale = FALSE;
    }
}

BOOL XC_RenderNodeWork_SetScale::Step(float fElapsedTime)
{
    if (!CheckTarget(s_szSourceFile, __LINE__))
        return TRUE;
    const BOOL bFinished = Advance(fElapsedTime);
    const D3DXVECTOR3 vIncrement = m_vScale * m_fProgress - m_vApplied;
    m_vApplied += vIncrement;
    const D3DXVECTOR3 vNewScale = *m_pRenderNodeObj->QueryWorldScale() + vIncrement;
    m_pRenderNodeObj->SetScale(&vNewScale);
    return bFinished;
}
