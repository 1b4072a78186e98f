#include "tests/Showcase/ShowcaseTexture.h"

#include "GameProgram/Resource/XC_Texture.h"

ShowcaseTexture::ShowcaseTexture(XC_Texture* pTexture, float x, float y)
    : ShowcaseDrawable("Texture", CS_Screen)
    , m_pTexture(pTexture)
    , m_matWorld(At(x, y))
{
}

void ShowcaseTexture::Render()
{
    ApplyScreenView();
    m_pTexture->Render(&m_matWorld);
}
