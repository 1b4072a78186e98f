#include "GameProgram/SpecialEfficacy/XC_ResidualImage.h"

#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/SpriteWork/XC_RenderObjWork_SetColor.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_ResidualImage::~XC_ResidualImage()
{
    for (XS_Image& image : m_Images)
        delete image.pCopy;
}

BOOL XC_ResidualImage::SetTarget(XC_RenderingObject* pTargetRenderingObject)
{
    if (pTargetRenderingObject == nullptr) {
        XM_REPORT_FAILED("pTargetRenderingObject");
        return FALSE;
    }
    pTargetRenderingObject->AddChild(&m_WatchNode);
    m_pTargetRenderingObject = pTargetRenderingObject;
    return TRUE;
}

BOOL XC_ResidualImage::Step(float fElapsedTime)
{
    // The target is gone: the remaining images go with the work.
    if (m_WatchNode.GetParent() == nullptr)
        return TRUE;
    if (!Advance(fElapsedTime)) {
        Sample(fElapsedTime);
        UpdateImages(fElapsedTime);
        return FALSE;
    }
    if (m_bWaitEveryResidualImageDeath == 1 && !m_Images.empty()) {
        UpdateImages(fElapsedTime);
        return FALSE;
    }
    return TRUE;
}

void XC_ResidualImage::Sample(float fElapsedTime)
{
    if (m_pTargetRenderingObject == nullptr) {
        XM_REPORT_FAILED("m_pTargetRenderingObject");
        return;
    }
    m_fSamplingAccumulator += fElapsedTime * m_fSamplingFrequency;
    if (m_fSamplingAccumulator < 1.0f)
        return;
    // At most one image a step: the excess is dropped.
    m_fSamplingAccumulator = 0.0f;

    XC_RenderingObject* const pRenderingObject = m_pTargetRenderingObject->Duplicate();
    if (pRenderingObject == nullptr) {
        XM_REPORT_FAILED("pRenderingObject");
        return;
    }
    if (XC_Timer* const pTimer = dynamic_cast<XC_Timer*>(pRenderingObject))
        pTimer->Stop();
    const HRESULT hr = pRenderingObject->GetSetDirectState()->Add(&m_SetDirectState);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pRenderingObject->GetSetDirectStateObj()->Add( &m_SetDirectState )", hr);
    pRenderingObject->SetColor(m_dwColorStart);
    pRenderingObject->SetParent(nullptr);
    const D3DXVECTOR3 vPosition = *m_pTargetRenderingObject->QueryWorldPosition();
    const D3DXVECTOR3 vRotation = m_pTargetRenderingObject->GetWorldRotation();
    const D3DXVECTOR3 vScale = *m_pTargetRenderingObject->QueryWorldScale();
    pRenderingObject->SetPosition(&vPosition);
    pRenderingObject->SetRotation(&vRotation);
    pRenderingObject->SetScale(&vScale);
    m_Images.push_back(XS_Image{pRenderingObject, 0.0f});
}

void XC_ResidualImage::UpdateImages(float fElapsedTime)
{
    for (auto it = m_Images.begin(); it != m_Images.end();) {
        it->fAge += fElapsedTime;
        if (it->fAge >= m_fLifeTime) {
            delete it->pCopy;
            it = m_Images.erase(it);
            continue;
        }
        it->pCopy->SetColor(XC_RenderObjWork_SetColor::BlendColor(m_dwColorStart, m_dwColorEnd, it->fAge / m_fLifeTime));
        ++it;
    }
}
