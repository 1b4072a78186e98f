#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_RenderingObject;

// Fades a rendering object's colour from its colour at the begin to a goal
// colour, channel by channel.
class XC_RenderObjWork_SetColor : public XC_SpriteWorkBase
{
public:
    void Begin() override;
    BOOL Step(float fElapsedTime) override;
    virtual BOOL SetTarget(XC_RenderingObject* pRenderingObject);

    DWORD m_dwColor = 0xFFFFFFFF;

    // Each 8-bit channel truncated from start × (1 − f) + end × f.
    static DWORD BlendColor(DWORD dwStart, DWORD dwEnd, float f);

private:
    DWORD m_dwStartColor = 0xFFFFFFFF;
    XC_RenderingObject* m_pRenderingObject = nullptr;
};
