#include "tests/Showcase/ShowcaseAnimation.h"

#include "GameProgram/Resource/XC_2DTexture.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_AnimationPic.h"

ShowcaseAnimation::ShowcaseAnimation(XC_AnimationObject* pAnimation, float x, float y)
    : ShowcaseDrawable("Animation", CS_Screen)
    , m_pAnimation(pAnimation)
    , m_matWorld(At(x, y))
{
}

void ShowcaseAnimation::Render()
{
    ApplyScreenView();
    const XC_AnimationPage* const pPage = m_pAnimation->GetPage(0);
    if (pPage == nullptr)
        return;
    for (DWORD i = 0; i < pPage->GetPicCount(); ++i) {
        XC_AnimationPic* const pPic = pPage->GetPic(i);
        if (FAILED(pPic->CheckTextureExist()))
            continue;
        const D3DXMATRIX matPic = pPic->m_matPic * m_matWorld;
        pPic->m_SetDirectState.Activate();
        pPic->m_p2DTextureObj->Render(&matPic);
        pPic->m_SetDirectState.Deactivate();
    }
}
