#pragma once

#include <d3d9.h>
#include <windows.h>

#include <memory>
#include <vector>

// Result codes of the glyph rasteriser.
enum : HRESULT {
    JC_D3DFONT_E_NO_DEVICE = static_cast<HRESULT>(0x82103011),
    JC_D3DFONT_E_BAD_FORMAT = static_cast<HRESULT>(0x82103012),
    JC_D3DFONT_E_BAD_WIDTH = static_cast<HRESULT>(0x82103013),
    JC_D3DFONT_E_BAD_HEIGHT = static_cast<HRESULT>(0x82103014),
    JC_D3DFONT_E_NO_DC = static_cast<HRESULT>(0x82103015),
    JC_D3DFONT_E_NO_DIB = static_cast<HRESULT>(0x82103016),
    JC_D3DFONT_E_NOT_INITIATED = static_cast<HRESULT>(0x82103041),
    JC_D3DFONT_E_ALREADY_CREATED = static_cast<HRESULT>(0x82103042),
    JC_D3DFONT_E_NO_FACE = static_cast<HRESULT>(0x82103043),
    JC_D3DFONT_E_CELL_TOO_LARGE = static_cast<HRESULT>(0x82103044),
    JC_D3DFONT_E_NO_GDI_FONT = static_cast<HRESULT>(0x82103045),
    JC_D3DFONT_E_NO_SURFACE = static_cast<HRESULT>(0x82103046),
    JC_D3DFONT_E_FILE_OPEN = static_cast<HRESULT>(0x82103047),
    JC_D3DFONT_E_FILE_SHORT = static_cast<HRESULT>(0x82103048),
    JC_D3DFONT_E_NOT_CREATED = static_cast<HRESULT>(0x82103111),
    JC_D3DFONT_E_BAD_COUNT = static_cast<HRESULT>(0x82103112),
    JC_D3DFONT_E_NO_GLYPH = static_cast<HRESULT>(0x82103113),
    JC_D3DFONT_E_BUILD_NULL_TEXT = static_cast<HRESULT>(0x82103211),
    JC_D3DFONT_E_BUILD_BAD_COUNT = static_cast<HRESULT>(0x82103212),
    JC_D3DFONT_E_TEXT_EXTENT = static_cast<HRESULT>(0x82103213),
    JC_D3DFONT_E_DRAW_TEXT = static_cast<HRESULT>(0x82103311),
    JC_D3DFONT_E_GDI_LOCK = static_cast<HRESULT>(0x82103312),
    JC_D3DFONT_E_FILE_LOCK = static_cast<HRESULT>(0x82103351),
    JC_D3DFONT_E_PAGE_LIMIT = static_cast<HRESULT>(0x82103411),
    JC_D3DFONT_E_CREATE_TEXTURE = static_cast<HRESULT>(0x82103412),
};

// How the glyph pages are made.
struct JS_D3DFontInitiationInfo
{
    IDirect3DDevice9* pDevice = nullptr;
    DWORD dwFormat = D3DFMT_A4R4G4B4; // D3DFMT_A8R8G8B8 or D3DFMT_A4R4G4B4
    DWORD dwWidth = 256;              // powers of two
    DWORD dwHeight = 256;
    DWORD dwPageLimit = 0;            // 0: no limit
};

// Where the glyphs come from; the layout of a glyph file's header.
struct JS_D3DFontCreateInfo
{
    char szFileName[256] = {};  // empty: draw the glyphs with GDI
    char szFaceName[256] = "Arial";
    DWORD dwCharSet = 1;
    DWORD dwSize = 20;          // cell size in pixels
    DWORD dwColor = 0xFFFFFF;   // 0x00RRGGBB
};

// One glyph: its rectangle on a page.
struct JS_D3DFontWordInfo
{
    IDirect3DTexture9* pTexture = nullptr;
    float fU0 = 0, fU1 = 0, fV0 = 0, fV1 = 0;
    float fWidth = 0, fHeight = 0;
    DWORD dwValid = 0;
    DWORD dwPageIndex = 0;
    DWORD dwX = 0, dwY = 0;
};

// Turns single- and double-byte characters into glyphs on shared pages,
// drawn with a GDI font or read from a glyph file (".fon").
class JC_D3DFont
{
public:
    static constexpr DWORD FILE_HEADER_SIZE = 524;
    static constexpr DWORD GLYPH_COUNT = 0xFFFF; // codes 0x0000 to 0xFFFE

    // Where the entry of a character code begins in a glyph file of cells of n pixels.
    static LONGLONG FileEntryOffset(DWORD dwCode, DWORD dwCellSize);

    JC_D3DFont();
    JC_D3DFont(const JC_D3DFont&) = delete;
    JC_D3DFont& operator=(const JC_D3DFont&) = delete;
    virtual ~JC_D3DFont();
    virtual HRESULT Initiation(const JS_D3DFontInitiationInfo& info);
    virtual HRESULT CreateFontA(const JS_D3DFontCreateInfo& info);

    // The glyph of the one- or two-byte character at szText, built on first use.
    HRESULT GetWord(const char* szText, DWORD dwCount, JS_D3DFontWordInfo* pWordInfo);

    DWORD GetCellSize() const { return m_D3DFontCreateInfoObj.dwSize; }
    const char* GetFaceName() const { return m_D3DFontCreateInfoObj.szFaceName; }
    DWORD GetPageCount() const { return static_cast<DWORD>(m_Pages.size()); }
    IDirect3DTexture9* GetPage(DWORD dwIndex) const;

private:
    HRESULT CreateGdiFont(const JS_D3DFontCreateInfo& info);
    HRESULT OpenGlyphFile(const JS_D3DFontCreateInfo& info);
    // Reports why the glyph file is refused, closes it and returns the code.
    HRESULT RefuseGlyphFile(HRESULT hr, const char* szWhat);
    bool CellFitsPages(DWORD dwCell) const;
    HRESULT BuildWord(const char* szText, DWORD dwCount, DWORD dwCode);
    HRESULT MeasureWord(const char* szText, DWORD dwCount, DWORD dwCode, SIZE* pSize) const;
    HRESULT PlaceCell();
    HRESULT AddPage();
    HRESULT FillFromFile(const JS_D3DFontWordInfo& word, DWORD dwCode, DWORD dwWidth, DWORD dwHeight);
    HRESULT FillFromGdi(const JS_D3DFontWordInfo& word, const char* szText, DWORD dwCount, DWORD dwWidth,
                        DWORD dwHeight);
    bool ReadFileAt(LONGLONG llOffset, void* pBuffer, DWORD dwSize) const;
    void ReleaseAll();

    bool m_bInitiated = false;
    bool m_bCreated = false;
    bool m_bFromFile = false;
    JS_D3DFontInitiationInfo m_D3DFontInitiationInfoObj;
    JS_D3DFontCreateInfo m_D3DFontCreateInfoObj;
    JS_D3DFontCreateInfo m_FileHeader;

    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    DWORD* m_pBitmapBits = nullptr;
    HFONT m_hFont = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    HANDLE m_hFile = INVALID_HANDLE_VALUE;

    std::vector<IDirect3DTexture9*> m_Pages;
    int m_iCurrentPage = -1;
    DWORD m_dwCursorX = 0;
    DWORD m_dwCursorY = 0;
    std::vector<std::unique_ptr<JS_D3DFontWordInfo>> m_Words;
};
