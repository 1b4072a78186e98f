#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Resource/Font/JC_D3DFont.h"
#include "GameProgram/Resource/Font/XI_D3DFont.h"

#include <windows.h>

// A font whose glyphs the glyph rasteriser packs onto shared pages, read from
// a glyph file (".fon"). Only one such font may hold the rasteriser at a time.
class XC_D3DFont_Fon : public XI_D3DFont
{
public:
    XC_D3DFont_Fon() = default;
    ~XC_D3DFont_Fon() override;

    // Glyphs of cells of dwSize pixels from the glyph file at szFontFile,
    // on 128 × 128 A4R4G4B4 pages of the engine's device.
    virtual HRESULT Init(DWORD dwSize, const char* szFaceName, const char* szFontFile);
    // Releases the reserved words, every word and the rasteriser.
    virtual HRESULT Fini();

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;

private:
    HRESULT CreateRasteriser();
    void DeleteRasteriser();

    DWORD m_dwSize = 0;
    XC_String m_strFaceName;
    XC_String m_strFontFile;
    JS_D3DFontInitiationInfo m_D3DFontInitiationInfoObj;
    JS_D3DFontCreateInfo m_D3DFontCreateInfoObj;
    // Whether g_pJC_D3DFontObj is this font's: a font refused for another's
    // rasteriser must leave that one alone.
    bool m_bOwnsRasteriser = false;
};

// The one glyph rasteriser, made by the font that holds it; null while there is none.
extern JC_D3DFont* g_pJC_D3DFontObj;
