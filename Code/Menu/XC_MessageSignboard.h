#pragma once

#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class XC_RenderAnimation;
class XC_RenderString;

// A framed line of text over the screen: a frame animation with a message
// hung under it, in a small form or a large one that wraps its text.
class XC_MessageSignboard : public XC_RenderObjManager
{
public:
    XC_MessageSignboard() = default;
    ~XC_MessageSignboard() override = default;

    // Builds the frame and the text anew, hidden; the owner shows and places it.
    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender, BOOL bLarge);
    HRESULT Fini();
    HRESULT SetMessage(const char* szMessage);

private:
    XC_RenderAnimation* m_pAni_Frame = nullptr;
    XC_RenderString* m_pRS_Message = nullptr;
};
