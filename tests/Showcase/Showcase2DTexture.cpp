#include "tests/Showcase/Showcase2DTexture.h"

#include "GameProgram/Resource/XC_2DTexture.h"

Showcase2DTexture::Showcase2DTexture(XC_2DTexture* p2DTexture, float x, float y)
    : ShowcaseDrawable("2DTexture", CS_Screen)
    , m_p2DTexture(p2DTexture)
    , m_matWorld(At(x, y))
{
}

void Showcase2DTexture::Render()
{
    ApplyScreenView();
    m_p2DTexture->Render(&m_matWorld);
}
