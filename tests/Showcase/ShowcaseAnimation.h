#pragma once

#include "tests/Showcase/ShowcaseDrawable.h"

class XC_AnimationObject;

// The pictures of an animation's first page on the screen, each in its
// state set.
class ShowcaseAnimation : public ShowcaseDrawable
{
public:
    ShowcaseAnimation(XC_AnimationObject* pAnimation, float x, float y);
    void Render() override;

private:
    XC_AnimationObject* m_pAnimation;
    D3DXMATRIX m_matWorld;
};
