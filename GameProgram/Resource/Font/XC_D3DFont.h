#pragma once

#include "GameProgram/Resource/Font/XI_D3DFont.h"

#include <windows.h>
#include <d3d9.h>

// A font drawn with GDI: every character is drawn into a memory bitmap and
// copied into a square A4R4G4B4 texture of its own, whose edge is the
// smallest power of two not below the font's height.
class XC_D3DFont : public XI_D3DFont
{
public:
    XC_D3DFont() = default;
    ~XC_D3DFont() override;

    virtual HRESULT Init(IDirect3DDevice9* pD3DDevice, const LOGFONTA& sLogFont);
    // A normal-weight font of the Chinese (Big5) character set.
    virtual HRESULT Init(IDirect3DDevice9* pD3DDevice, const char* szFaceName, LONG lHeight);
    // Releases the reserved words, every word and the GDI objects.
    virtual HRESULT Fini();

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;

    LONG GetTextureWidth() const { return m_lTextureWidth; }

private:
    HRESULT CreateDrawingBitmap();
    // The drawn word's coverage as the alpha of white texels.
    HRESULT CopyToTexture(IDirect3DTexture9* pD3DTexture) const;
    void ReleaseGdiObjects();

    IDirect3DDevice9* m_pD3DDevice = nullptr;
    HFONT m_hFont = nullptr;
    LOGFONTA m_LogFont = {};
    LONG m_lTextureWidth = 0;
    RECT m_DrawRect = {};
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    DWORD* m_pBitmapBits = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
};
