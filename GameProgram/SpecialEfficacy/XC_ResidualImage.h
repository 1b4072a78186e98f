#pragma once

#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/DirectState/XC_SetDirectState.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <list>

class XC_RenderingObject;

// Leaves fading after-images of a moving rendering object: frozen copies
// made at a sampling rate where the object stands, drawn with extra device
// states, fading from a start to an end colour over their lifetime.
class XC_ResidualImage : public XC_SpriteWorkBase
{
public:
    XC_ResidualImage() = default;
    ~XC_ResidualImage() override;

    BOOL Step(float fElapsedTime) override;
    // FALSE, reported, for a null object.
    virtual BOOL SetTarget(XC_RenderingObject* pTargetRenderingObject);
    virtual void Sample(float fElapsedTime);
    virtual void UpdateImages(float fElapsedTime);

    XC_SetDirectState* GetSetDirectState() { return &m_SetDirectState; }
    DWORD GetImageCount() const { return static_cast<DWORD>(m_Images.size()); }

    BOOL m_bWaitEveryResidualImageDeath = TRUE;
    float m_fLifeTime = 0.0f;
    float m_fSamplingFrequency = 0.0f;
    DWORD m_dwColorStart = 0xFFFFFFFF;
    DWORD m_dwColorEnd = 0x00FFFFFF;

private:
    struct XS_Image
    {
        XC_RenderingObject* pCopy;
        float fAge;
    };

    XC_SetDirectState m_SetDirectState;
    // A child of the target: it loses its parent when the target goes.
    XC_RenderNode m_WatchNode;
    XC_RenderingObject* m_pTargetRenderingObject = nullptr;
    float m_fSamplingAccumulator = 0.0f;
    std::list<XS_Image> m_Images;
};
