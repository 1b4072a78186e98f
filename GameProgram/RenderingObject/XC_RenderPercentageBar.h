#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"

class XC_2DTexture;

// A fraction between 0 and 1 shown as a background image and, over it, the
// part of a foreground image that belongs to the fraction: the foreground's
// alpha ramp is cut by the alpha reference, which follows the fraction. The
// alpha test itself belongs to the object's own state set.
class XC_RenderPercentageBar : public XC_RenderingObject
{
public:
    XC_RenderPercentageBar();
    ~XC_RenderPercentageBar() override;

    HRESULT LoadFromTextNode(XC_TextNode* pTNode) override;
    void DrawObject() override;
    BOOL IsAlphaBlend() override;

    virtual HRESULT SetForegroundTextureObj(const char* szForegroundTextureName);
    // Null takes the bar out of the painter; both layers make it renderable.
    virtual HRESULT SetForegroundTextureObj(XC_2DTexture* pTextureObj);
    virtual HRESULT SetBackgroundTextureObj(const char* szBackgroundTextureName);
    virtual HRESULT SetBackgroundTextureObj(XC_2DTexture* pTextureObj);
    // The fraction is kept within 0 to 1.
    virtual void SetPercentage(float fPercentage);

    float GetPercentage() const { return m_fPercentage; }
    DWORD GetAlphaReference() const { return m_dwAlphaRef; }

private:
    // Replaces one layer's texture and makes the bar renderable when both are set.
    void SetLayer(XC_2DTexture** ppLayer, XC_2DTexture* pTextureObj);
    // The named texture set on one layer through its pointer setter.
    HRESULT SetLayerByName(const char* szTextureName, HRESULT (XC_RenderPercentageBar::*pSetter)(XC_2DTexture*),
                           const char* szCall);

    float m_fPercentage;
    DWORD m_dwAlphaRef;
    XC_2DTexture* m_pForegroundTextureObj;
    XC_2DTexture* m_pBackgroundTextureObj;
};
