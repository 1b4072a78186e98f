#pragma once

#include "Code/XC_GameProcedure.h"

class XC_RenderAnimation;

// The logo: plays its animation once on a black screen, then asks for the
// title.
class XC_GameProcedure_Logo : public XC_GameProcedure
{
public:
    XC_GameProcedure_Logo() = default;
    ~XC_GameProcedure_Logo() override;

    void FrameMove(float fElapsedTime) override;
    HRESULT Init() override;
    HRESULT Fini() override;

private:
    XC_RenderAnimation* m_pRenderAni_Logo = nullptr;
};
