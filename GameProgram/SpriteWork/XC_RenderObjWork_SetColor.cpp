#include "GameProgram/SpriteWork/XC_RenderObjWork_SetColor.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

DWORD XC_RenderObjWork_SetColor::BlendColor(DWORD dwStart, DWORD dwEnd, float f)
{
    DWORD dwColor = 0;
    for (int iShift = 24; iShift >= 0; iShift -= 8) {
        const float fStart = static_cast<float>((dwStart >> iShift) & 0xFF);
        const float fEnd = static_cast<float>((dwEnd >> iShift) & 0xFF);
        const DWORD dwChannel = static_cast<DWORD>(f * fEnd + (1.0f - f) * fStart);
        dwColor |= (dwChannel & 0xFF) << iShift;
    }
    return dwColor;
}

BOOL XC_RenderObjWork_SetColor::SetTarget(XC_RenderingObject* pRenderingObject)
{
    if (pRenderingObject == nullptr) {
        XM_REPORT_FAILED("pRenderingObject");
        return FALSE;
    }
    m_pRenderingObject = pRenderingObject;
    return TRUE;
}

void XC_RenderObjWork_SetColor::Begin()
{
    if (m_pRenderingObject == nullptr) {
        XM_REPORT_FAILED("m_pRenderingObject");
        return;
    }
    m_dwStartColor = m_pRenderingObject->GetColor();
}

BOOL XC_RenderObjWork_SetColor::Step(float fElapsedTime)
{
    if (m_pRenderingObject == nullptr) {
        XM_REPORT_FAILED("m_pRenderingObject");
        return TRUE;
    }
    const BOOL bFinished = Advance(fElapsedTime);
    m_pRenderingObject->SetColor(bFinished ? m_dwColor : BlendColor(m_dwStartColor, m_dwColor, m_fProgress));
    return bFinished;
}
