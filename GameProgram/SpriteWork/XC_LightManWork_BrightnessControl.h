#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_LightMan;

// Changes a light man's brightness by a goal amount over the work time.
class XC_LightManWork_BrightnessControl : public XC_SpriteWorkBase
{
public:
    void Begin() override;
    BOOL Step(float fElapsedTime) override;
    virtual BOOL SetTarget(XC_LightMan* pLightManObj);

    float m_fBrightnessControl = 1.0f;
    BOOL m_bAbsBrightness = TRUE;

private:
    XC_LightMan* m_pLightManObj = nullptr;
    float m_fApplied = 0.0f;
};
