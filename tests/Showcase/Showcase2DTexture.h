#pragma once

#include "tests/Showcase/ShowcaseDrawable.h"

class XC_2DTexture;

// A picture of the 2D texture manager on the screen.
class Showcase2DTexture : public ShowcaseDrawable
{
public:
    Showcase2DTexture(XC_2DTexture* p2DTexture, float x, float y);
    void Render() override;

private:
    XC_2DTexture* m_p2DTexture;
    D3DXMATRIX m_matWorld;
};
