#include "tests/Showcase/ShowcaseText.h"

#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/Resource/Font/XI_Word.h"

ShowcaseText::ShowcaseText(std::vector<XI_Word*> words, float x, float y)
    : ShowcaseDrawable("Text", CS_Screen)
    , m_Words(std::move(words))
    , m_fX(x)
    , m_fY(y)
{
}

ShowcaseText::~ShowcaseText()
{
    for (XI_Word* pWord : m_Words)
        pWord->Release();
}

void ShowcaseText::Render()
{
    ApplyScreenView();
    g_pDirectStateObj->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    g_pDirectStateObj->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    g_pDirectStateObj->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    float fPenX = m_fX;
    for (XI_Word* pWord : m_Words) {
        const D3DXMATRIX matWorld = At(fPenX, m_fY);
        pWord->Render(&matWorld);
        fPenX += pWord->GetWidth();
    }
    g_pDirectStateObj->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
}
