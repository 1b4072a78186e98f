#include "GameProgram/SpriteWork/XC_LightManWork_BrightnessControl.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/LightMan/XC_LightMan.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

BOOL XC_LightManWork_BrightnessControl::SetTarget(XC_LightMan* pLightManObj)
{
    if (pLightManObj == nullptr) {
        XM_REPORT_FAILED("pLightManObj");
        return FALSE;
    }
    m_pLightManObj = pLightManObj;
    return TRUE;
}

void XC_LightManWork_BrightnessControl::Begin()
{
    if (m_pLightManObj == nullptr) {
        XM_REPORT_FAILED("m_pLightManObj");
        return;
    }
    m_fApplied = 0.0f;
    if (m_bAbsBrightness) {
        m_fBrightnessControl -= m_pLightManObj->GetBrightness();
        m_bAbsBrightness = FALSE;
    }
}

BOOL XC_LightManWork_BrightnessControl::Step(float fElapsedTime)
{
    if (m_pLightManObj == nullptr) {
        XM_REPORT_FAILED("m_pLightManObj");
        return TRUE;
    }
    const BOOL bFinished = Advance(fElapsedTime);
    const float fIncrement = m_fBrightnessControl * m_fProgress - m_fApplied;
    m_fApplied += fIncrement;
    m_pLightManObj->SetBrightness(m_pLightManObj->GetBrightness() + fIncrement);
    return bFinished;
}
