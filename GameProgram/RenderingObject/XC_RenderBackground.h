#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"

class XC_Texture;

// A backdrop whose texture scrolls sideways as the world camera turns, so a
// distant panorama seems to stay put while the view pans.
class XC_RenderBackground : public XC_RenderingObject
{
public:
    XC_RenderBackground();
    ~XC_RenderBackground() override;

    HRESULT LoadFromTextNode(XC_TextNode* pTNode) override;
    void DrawObject() override;

    // Null takes the backdrop out of the painter.
    virtual HRESULT SetTextureObj(XC_Texture* pTextureObj);
    // No reference is added; E_FAIL without a texture.
    virtual HRESULT GetTextureObj(XC_Texture** ppTextureObj);
    virtual void SetRotateSpeed(float fRotateSpeed);
    virtual float GetRotateSpeed() const;
    // The shift along u for a yaw of the world camera.
    static float TextureOffset(float fYaw, float fRotateSpeed);

private:
    XC_Texture* m_pTextureObj;
    float m_fRotateSpeed;
};
