#pragma once

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_AnimationObject;
class XI_EnvironmentOfRender;

// Shows a page animation of its own for as long as it plays.
class XC_SpriteWork_ShowAni : public XC_SpriteWorkBase
{
public:
    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;
    virtual HRESULT SetTarget(XI_EnvironmentOfRender* pEnvironmentOfRender, const char* szAnimationName);
    virtual HRESULT SetTarget(XI_EnvironmentOfRender* pEnvironmentOfRender, XC_AnimationObject* pAniObj);
    virtual XC_RenderAnimation* GetRenderAnimation();

private:
    XC_RenderAnimation m_RA_Object;
};
