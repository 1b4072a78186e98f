#pragma once

#include "GameProgram/Resource/Font/XI_Word.h"

#include <windows.h>
#include <d3dx9math.h>

class XC_Texture;

// A picture set in a line of text in place of a glyph. It belongs to no
// manager: it is made with one reference and deletes itself at the last
// release.
class XC_TextureWord : public XI_Word
{
public:
    XC_TextureWord();
    ~XC_TextureWord() override;

    void Release() override;

    // Holds a reference to the texture and takes its size.
    HRESULT SetTexture(XC_Texture* pTextureObj);
    XC_Texture* GetTexture() const { return m_pTextureObj; }

    // The texture drawn with its bottom-left corner at the matrix's origin.
    HRESULT Render(const D3DXMATRIX* pmatWorld) override;

private:
    XC_Texture* m_pTextureObj = nullptr;
};
