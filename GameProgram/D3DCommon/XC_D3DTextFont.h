#pragma once

#include <d3d9.h>

// Plain ASCII text drawn in screen space from one texture that holds the
// printable characters 32-126, rendered once with a GDI font. Its device
// hooks follow the application frame's.
class XC_D3DTextFont
{
public:
    // Font flags.
    static const DWORD FONT_BOLD = 1;
    static const DWORD FONT_ITALIC = 2;
    static const DWORD FONT_ZENABLE = 4;
    // DrawText flags.
    static const DWORD DRAW_CENTERED_X = 1;
    static const DWORD DRAW_CENTERED_Y = 2;
    static const DWORD DRAW_FILTERED = 8;

    XC_D3DTextFont(const char* szFontName, DWORD dwHeight, DWORD dwFlags = 0);
    virtual ~XC_D3DTextFont();
    XC_D3DTextFont(const XC_D3DTextFont&) = delete;
    XC_D3DTextFont& operator=(const XC_D3DTextFont&) = delete;

    // Builds the glyph texture; the device's failure, or E_FAIL when the GDI
    // font or bitmap cannot be made.
    HRESULT InitDeviceObjects(IDirect3DDevice9* pDevice);
    // The vertex buffer and the two state blocks.
    HRESULT RestoreDeviceObjects();
    HRESULT InvalidateDeviceObjects();
    HRESULT DeleteDeviceObjects();

    // Draws the text with its top-left corner at (fX, fY) pixels; E_FAIL
    // while the device objects are not all there.
    HRESULT DrawText(float fX, float fY, DWORD dwColor, const char* szText, DWORD dwFlags = 0);

protected:
    static const int FIRST_CHAR = 32;
    static const int GLYPH_COUNT = 95; // characters 32-126

    HRESULT CreateGlyphTexture();
    HRESULT RecordStateBlock(IDirect3DStateBlock9** ppStateBlock) const;
    bool HasGlyph(unsigned char c) const;
    float GlyphWidth(unsigned char c) const;
    float GlyphHeight(unsigned char c) const;
    float LineHeight() const;
    float FirstLineWidth(const char* szText) const;

    char m_szFontName[80];
    DWORD m_dwFontHeight;
    DWORD m_dwFontFlags;

    IDirect3DDevice9* m_pDevice = nullptr;
    IDirect3DTexture9* m_pTexture = nullptr;
    IDirect3DVertexBuffer9* m_pVertexBuffer = nullptr;
    DWORD m_dwTexWidth = 0;
    DWORD m_dwTexHeight = 0;
    float m_fTextScale = 1.0f;
    DWORD m_dwSpacing = 0;
    float m_fTexCoords[GLYPH_COUNT][4] = {};

    IDirect3DStateBlock9* m_pStateBlockSaved = nullptr;
    IDirect3DStateBlock9* m_pStateBlockDrawText = nullptr;
};
