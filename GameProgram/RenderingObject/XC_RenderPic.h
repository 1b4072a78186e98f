#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"

class XC_Texture;

// A picture: one texture of the texture manager drawn as a quad under the
// world matrix, tinted by the object's colour, picked against its quad.
class XC_RenderPic : public XC_RenderingObject
{
public:
    XC_RenderPic();
    ~XC_RenderPic() override;

    HRESULT LoadFromTextNode(XC_TextNode* pTNode) override;
    void DrawObject() override;
    BOOL IntersectRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance) override;

    virtual HRESULT SetTextureObj(const char* szTextureName);
    // Null takes the picture out of the painter.
    virtual HRESULT SetTextureObj(XC_Texture* pTextureObj);
    // Adds a reference for the caller; E_FAIL without a texture.
    virtual HRESULT GetTextureObj(XC_Texture** ppTextureObj);

private:
    XC_Texture* m_pTextureObj;
};
