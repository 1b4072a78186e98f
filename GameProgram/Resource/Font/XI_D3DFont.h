#pragma once

#include "GameProgram/Resource/XC_ResourceManager.h"

#include <windows.h>
#include <d3d9.h>

#include <vector>

class XI_Word;

// A font: a resource manager whose resources are the glyph words of single
// characters, named by the character's one byte, or two bytes when the first
// is above 127 (a code page 950 double-byte character).
class XI_D3DFont : public XC_ResourceManager
{
public:
    XI_D3DFont();

    // The word of the character at szText with one reference for the
    // caller, or null; *pdwLength (when given) takes the character's length.
    virtual XI_Word* GetWord(const char* szText, DWORD* pdwLength);
    // Keeps the words of every character of the text loaded until
    // ClearReserveWord.
    virtual HRESULT ReserveWord(const char* szText);
    virtual HRESULT ClearReserveWord();

    // A character is its own name: case and separators are not folded.
    void NormalizeName(XC_String& strName) const override;

protected:
    // The quad buffer of a word of fWidth × fHeight pixels, showing the
    // rectangle (fU0, fV0) to (fU1, fV1) of its texture.
    static HRESULT CreateWordVertexBuffer(IDirect3DDevice9* pD3DDevice, float fWidth, float fHeight, float fU0,
                                          float fU1, float fV0, float fV1, IDirect3DVertexBuffer9** ppVertexBuffer);

private:
    std::vector<XI_Word*> m_ReserveWordList;
};

// The font of the running engine; null while there is none.
extern XI_D3DFont* g_pD3DFontObj;
