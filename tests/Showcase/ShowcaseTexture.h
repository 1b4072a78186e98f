#pragma once

#include "tests/Showcase/ShowcaseDrawable.h"

class XC_Texture;

// A texture of the texture manager as its image-sized quad on the screen.
class ShowcaseTexture : public ShowcaseDrawable
{
public:
    ShowcaseTexture(XC_Texture* pTexture, float x, float y);
    void Render() override;

private:
    XC_Texture* m_pTexture;
    D3DXMATRIX m_matWorld;
};
