#include "GameProgram/Resource/Font/JC_D3DFont.h"

#include "GameProgram/Common/XF_Common.h"

#include <algorithm>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

bool IsPowerOfTwo(DWORD dwValue)
{
    DWORD dwPower = 2;
    while (dwPower < dwValue && dwPower != 0)
        dwPower *= 2;
    return dwPower == dwValue;
}

DWORD ChannelSum(DWORD dwColor)
{
    return ((dwColor >> 16) & 0xFF) + ((dwColor >> 8) & 0xFF) + (dwColor & 0xFF);
}

// A texel of the page format from a colour and an alpha of 0 to 255 (A8R8G8B8)
// or 0 to 15 (A4R4G4B4).
DWORD PageTexel(DWORD dwFormat, DWORD dwColor, DWORD dwAlpha)
{
    if (dwFormat == D3DFMT_A8R8G8B8)
        return (dwAlpha << 24) | (dwColor & 0xFFFFFF);
    const DWORD dwRed = ((dwColor >> 16) & 0xFF) >> 4;
    const DWORD dwGreen = ((dwColor >> 8) & 0xFF) >> 4;
    const DWORD dwBlue = (dwColor & 0xFF) >> 4;
    return (dwAlpha << 12) | (dwRed << 8) | (dwGreen << 4) | dwBlue;
}

void WriteTexel(BYTE* pRow, DWORD dwColumn, DWORD dwFormat, DWORD dwTexel)
{
    if (dwFormat == D3DFMT_A8R8G8B8)
        reinterpret_cast<DWORD*>(pRow)[dwColumn] = dwTexel;
    else
        reinterpret_cast<WORD*>(pRow)[dwColumn] = static_cast<WORD>(dwTexel);
}

} // namespace

LONGLONG JC_D3DFont::FileEntryOffset(DWORD dwCode, DWORD dwCellSize)
{
    return static_cast<LONGLONG>(dwCode) * (static_cast<LONGLONG>(dwCellSize) * dwCellSize + 8);
}

JC_D3DFont::JC_D3DFont()
    : m_Words(GLYPH_COUNT)
{
}

JC_D3DFont::~JC_D3DFont()
{
    ReleaseAll();
}

void JC_D3DFont::ReleaseAll()
{
    for (IDirect3DTexture9* pPage : m_Pages)
        pPage->Release();
    m_Pages.clear();
    m_iCurrentPage = -1;
    m_dwCursorX = m_dwCursorY = 0;
    for (auto& pWord : m_Words)
        pWord.reset();
    if (m_hDC != nullptr) {
        if (m_hOldFont != nullptr)
            SelectObject(m_hDC, m_hOldFont);
        if (m_hOldBitmap != nullptr)
            SelectObject(m_hDC, m_hOldBitmap);
        DeleteDC(m_hDC);
    }
    if (m_hFont != nullptr)
        DeleteObject(m_hFont);
    if (m_hBitmap != nullptr)
        DeleteObject(m_hBitmap);
    m_hDC = nullptr;
    m_hOldFont = m_hOldBitmap = nullptr;
    m_hFont = nullptr;
    m_hBitmap = nullptr;
    m_pBitmapBits = nullptr;
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

HRESULT JC_D3DFont::Initiation(const JS_D3DFontInitiationInfo& info)
{
    m_bInitiated = m_bCreated = m_bFromFile = false;
    ReleaseAll();
    if (info.pDevice == nullptr)
        return JC_D3DFONT_E_NO_DEVICE;
    if (info.dwFormat != D3DFMT_A8R8G8B8 && info.dwFormat != D3DFMT_A4R4G4B4)
        return JC_D3DFONT_E_BAD_FORMAT;
    if (!IsPowerOfTwo(info.dwWidth))
        return JC_D3DFONT_E_BAD_WIDTH;
    if (!IsPowerOfTwo(info.dwHeight))
        return JC_D3DFONT_E_BAD_HEIGHT;
    m_D3DFontInitiationInfoObj = info;

    m_hDC = CreateCompatibleDC(nullptr);
    if (m_hDC == nullptr)
        return JC_D3DFONT_E_NO_DC;
    SetMapMode(m_hDC, MM_TEXT);
    BITMAPINFO bitmapInfo = {};
    bitmapInfo.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bitmapInfo.bmiHeader.biWidth = static_cast<LONG>(info.dwWidth);
    bitmapInfo.bmiHeader.biHeight = static_cast<LONG>(info.dwHeight); // bottom-up rows
    bitmapInfo.bmiHeader.biPlanes = 1;
    bitmapInfo.bmiHeader.biBitCount = 32;
    bitmapInfo.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_hBitmap = CreateDIBSection(m_hDC, &bitmapInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (m_hBitmap == nullptr || pBits == nullptr) {
        ReleaseAll();
        return JC_D3DFONT_E_NO_DIB;
    }
    m_pBitmapBits = static_cast<DWORD*>(pBits);
    std::memset(m_pBitmapBits, 0, static_cast<size_t>(info.dwWidth) * info.dwHeight * 4);
    m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
    m_bInitiated = true;
    return S_OK;
}

HRESULT JC_D3DFont::CreateFontA(const JS_D3DFontCreateInfo& info)
{
    if (!m_bInitiated)
        return JC_D3DFONT_E_NOT_INITIATED;
    if (m_bCreated)
        return JC_D3DFONT_E_ALREADY_CREATED;
    return info.szFileName[0] == '\0' ? CreateGdiFont(info) : OpenGlyphFile(info);
}

HRESULT JC_D3DFont::CreateGdiFont(const JS_D3DFontCreateInfo& info)
{
    if (info.szFaceName[0] == '\0')
        return JC_D3DFONT_E_NO_FACE;
    if (!CellFitsPages(info.dwSize))
        return JC_D3DFONT_E_CELL_TOO_LARGE;
    m_D3DFontCreateInfoObj = info;
    m_D3DFontCreateInfoObj.szFaceName[sizeof(info.szFaceName) - 1] = '\0';
    m_hFont = ::CreateFontA(static_cast<int>(info.dwSize), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, info.dwCharSet,
                            OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, 0, m_D3DFontCreateInfoObj.szFaceName);
    if (m_hFont == nullptr)
        return JC_D3DFONT_E_NO_GDI_FONT;
    // Black text would leave nothing to tell from the black bitmap: it is
    // drawn white and coloured when it is copied to the page.
    const DWORD dwDrawColor = ChannelSum(info.dwColor) != 0 ? info.dwColor : 0xFFFFFF;
    SetTextColor(m_hDC, RGB((dwDrawColor >> 16) & 0xFF, (dwDrawColor >> 8) & 0xFF, dwDrawColor & 0xFF));
    SetTextAlign(m_hDC, 0);
    SetBkMode(m_hDC, TRANSPARENT);
    m_hOldFont = SelectObject(m_hDC, m_hFont);
    m_bCreated = true;
    return S_OK;
}

bool JC_D3DFont::CellFitsPages(DWORD dwCell) const
{
    // A cell and one texel more must fit a page; compared without adding, so
    // that no cell size wraps past the test.
    return dwCell < m_D3DFontInitiationInfoObj.dwWidth && dwCell < m_D3DFontInitiationInfoObj.dwHeight;
}

HRESULT JC_D3DFont::RefuseGlyphFile(HRESULT hr, const char* szWhat)
{
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("JC_D3DFont glyph file %s: %s", m_D3DFontCreateInfoObj.szFileName, szWhat));
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    return hr;
}

HRESULT JC_D3DFont::OpenGlyphFile(const JS_D3DFontCreateInfo& info)
{
    m_D3DFontCreateInfoObj = info;
    m_D3DFontCreateInfoObj.szFileName[sizeof(info.szFileName) - 1] = '\0';
    m_hFile = CreateFileA(m_D3DFontCreateInfoObj.szFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return RefuseGlyphFile(JC_D3DFONT_E_FILE_OPEN, "cannot be opened");
    LARGE_INTEGER size = {};
    BYTE header[FILE_HEADER_SIZE];
    if (!GetFileSizeEx(m_hFile, &size) || size.QuadPart < FILE_HEADER_SIZE || !ReadFileAt(0, header, sizeof(header)))
        return RefuseGlyphFile(JC_D3DFONT_E_FILE_SHORT, "shorter than its 524-byte header");
    std::memcpy(m_FileHeader.szFileName, header, 256);
    for (int i = 0; i < 256; ++i)
        m_FileHeader.szFaceName[i] = static_cast<char>(header[256 + i] - 1);
    m_FileHeader.szFaceName[255] = '\0';
    std::memcpy(&m_FileHeader.dwCharSet, header + 512, 4);
    std::memcpy(&m_FileHeader.dwSize, header + 516, 4);
    std::memcpy(&m_FileHeader.dwColor, header + 520, 4);

    // The file's cells decide; a cell that no page can hold is a damaged file.
    const DWORD dwCell = m_FileHeader.dwSize;
    if (dwCell == 0 || !CellFitsPages(dwCell))
        return RefuseGlyphFile(JC_D3DFONT_E_CELL_TOO_LARGE,
                               XF_FormatText("cell size %lu does not fit a page of %lu x %lu", dwCell,
                                             m_D3DFontInitiationInfoObj.dwWidth, m_D3DFontInitiationInfoObj.dwHeight));
    m_D3DFontCreateInfoObj.dwSize = dwCell;
    std::memcpy(m_D3DFontCreateInfoObj.szFaceName, m_FileHeader.szFaceName, sizeof(m_FileHeader.szFaceName));
    m_bFromFile = true;
    m_bCreated = true;
    return S_OK;
}

HRESULT JC_D3DFont::GetWord(const char* szText, DWORD dwCount, JS_D3DFontWordInfo* pWordInfo)
{
    if (!m_bCreated)
        return JC_D3DFONT_E_NOT_CREATED;
    if (dwCount != 1 && dwCount != 2)
        return JC_D3DFONT_E_BAD_COUNT;
    if (szText == nullptr)
        return JC_D3DFONT_E_BUILD_NULL_TEXT;
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(szText);
    const DWORD dwCode = dwCount == 1 ? pBytes[0] : pBytes[0] * 256u + pBytes[1];
    if (dwCode >= GLYPH_COUNT)
        return JC_D3DFONT_E_NO_GLYPH;
    if (!m_Words[dwCode]) {
        const HRESULT hr = BuildWord(szText, dwCount, dwCode);
        if (FAILED(hr))
            return hr;
    }
    if (!m_Words[dwCode])
        return JC_D3DFONT_E_NO_GLYPH;
    *pWordInfo = *m_Words[dwCode];
    return S_OK;
}

IDirect3DTexture9* JC_D3DFont::GetPage(DWORD dwIndex) const
{
    return dwIndex < m_Pages.size() ? m_Pages[dwIndex] : nullptr;
}

bool JC_D3DFont::ReadFileAt(LONGLONG llOffset, void* pBuffer, DWORD dwSize) const
{
    LARGE_INTEGER position;
    position.QuadPart = llOffset;
    DWORD dwRead = 0;
    return SetFilePointerEx(m_hFile, position, nullptr, FILE_BEGIN)
        && ReadFile(m_hFile, pBuffer, dwSize, &dwRead, nullptr) && dwRead == dwSize;
}

HRESULT JC_D3DFont::MeasureWord(const char* szText, DWORD dwCount, DWORD dwCode, SIZE* pSize) const
{
    if (m_bFromFile) {
        DWORD dwExtent[2] = {};
        if (!ReadFileAt(FileEntryOffset(dwCode, GetCellSize()), dwExtent, sizeof(dwExtent)))
            return JC_D3DFONT_E_NO_GLYPH;
        pSize->cx = static_cast<LONG>(std::min(dwExtent[0], GetCellSize()));
        pSize->cy = static_cast<LONG>(std::min(dwExtent[1], GetCellSize()));
        return S_OK;
    }
    if (!GetTextExtentPoint32A(m_hDC, szText, static_cast<int>(dwCount), pSize))
        return JC_D3DFONT_E_TEXT_EXTENT;
    pSize->cx = std::clamp<LONG>(pSize->cx, 0, static_cast<LONG>(GetCellSize()));
    pSize->cy = std::clamp<LONG>(pSize->cy, 0, static_cast<LONG>(GetCellSize()));
    return S_OK;
}

HRESULT JC_D3DFont::BuildWord(const char* szText, DWORD dwCount, DWORD dwCode)
{
    SIZE size = {};
    HRESULT hr = MeasureWord(szText, dwCount, dwCode, &size);
    if (FAILED(hr))
        return hr;
    hr = PlaceCell();
    if (FAILED(hr))
        return hr;

    const DWORD dwWidth = static_cast<DWORD>(size.cx);
    const DWORD dwHeight = static_cast<DWORD>(size.cy);
    const float fPageWidth = static_cast<float>(m_D3DFontInitiationInfoObj.dwWidth);
    const float fPageHeight = static_cast<float>(m_D3DFontInitiationInfoObj.dwHeight);
    auto pWord = std::make_unique<JS_D3DFontWordInfo>();
    pWord->pTexture = m_Pages[m_iCurrentPage];
    pWord->dwPageIndex = static_cast<DWORD>(m_iCurrentPage);
    pWord->dwX = m_dwCursorX;
    pWord->dwY = m_dwCursorY;
    pWord->fWidth = static_cast<float>(dwWidth);
    pWord->fHeight = static_cast<float>(dwHeight);
    pWord->dwValid = 1;
    pWord->fU0 = pWord->dwX / fPageWidth;
    pWord->fU1 = (pWord->dwX + dwWidth) / fPageWidth;
    pWord->fV0 = pWord->dwY / fPageHeight;
    pWord->fV1 = (pWord->dwY + dwHeight) / fPageHeight;
    m_dwCursorX += GetCellSize();

    hr = m_bFromFile ? FillFromFile(*pWord, dwCode, dwWidth, dwHeight)
                     : FillFromGdi(*pWord, szText, dwCount, dwWidth, dwHeight);
    if (FAILED(hr))
        return hr; // the cell stays used
    m_Words[dwCode] = std::move(pWord);
    return S_OK;
}

HRESULT JC_D3DFont::PlaceCell()
{
    const DWORD dwCell = GetCellSize();
    if (m_iCurrentPage >= 0 && m_dwCursorX + dwCell >= m_D3DFontInitiationInfoObj.dwWidth) {
        m_dwCursorX = 0;
        m_dwCursorY += dwCell;
    }
    if (m_iCurrentPage < 0 || m_dwCursorY + dwCell >= m_D3DFontInitiationInfoObj.dwHeight)
        return AddPage();
    return S_OK;
}

HRESULT JC_D3DFont::AddPage()
{
    const DWORD dwLimit = m_D3DFontInitiationInfoObj.dwPageLimit;
    if (dwLimit != 0 && m_Pages.size() >= dwLimit)
        return JC_D3DFONT_E_PAGE_LIMIT;
    IDirect3DTexture9* pPage = nullptr;
    const HRESULT hr = m_D3DFontInitiationInfoObj.pDevice->CreateTexture(
        m_D3DFontInitiationInfoObj.dwWidth, m_D3DFontInitiationInfoObj.dwHeight, 0, 0,
        static_cast<D3DFORMAT>(m_D3DFontInitiationInfoObj.dwFormat), D3DPOOL_MANAGED, &pPage, nullptr);
    if (FAILED(hr) || pPage == nullptr)
        return JC_D3DFONT_E_CREATE_TEXTURE;
    // Texels outside the glyphs must be transparent, whatever the new memory held.
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(pPage->LockRect(0, &locked, nullptr, 0))) {
        const DWORD dwRowBytes = m_D3DFontInitiationInfoObj.dwWidth * (m_D3DFontInitiationInfoObj.dwFormat == D3DFMT_A8R8G8B8 ? 4 : 2);
        for (DWORD dwRow = 0; dwRow < m_D3DFontInitiationInfoObj.dwHeight; ++dwRow)
            std::memset(static_cast<BYTE*>(locked.pBits) + static_cast<size_t>(dwRow) * locked.Pitch, 0, dwRowBytes);
        pPage->UnlockRect(0);
    }
    m_Pages.push_back(pPage);
    m_iCurrentPage = static_cast<int>(m_Pages.size()) - 1;
    m_dwCursorX = m_dwCursorY = 0;
    return S_OK;
}

HRESULT JC_D3DFont::FillFromFile(const JS_D3DFontWordInfo& word, DWORD dwCode, DWORD dwWidth, DWORD dwHeight)
{
    const DWORD dwCell = GetCellSize();
    std::vector<BYTE> coverage(static_cast<size_t>(dwCell) * dwCell);
    if (!ReadFileAt(FileEntryOffset(dwCode, dwCell) + 8, coverage.data(), static_cast<DWORD>(coverage.size())))
        return JC_D3DFONT_E_NO_GLYPH;
    if (dwWidth == 0 || dwHeight == 0)
        return S_OK;
    RECT rect = {static_cast<LONG>(word.dwX), static_cast<LONG>(word.dwY), static_cast<LONG>(word.dwX + dwWidth),
                 static_cast<LONG>(word.dwY + dwHeight)};
    D3DLOCKED_RECT locked;
    if (FAILED(word.pTexture->LockRect(0, &locked, &rect, 0)))
        return JC_D3DFONT_E_FILE_LOCK;
    const DWORD dwFormat = m_D3DFontInitiationInfoObj.dwFormat;
    for (DWORD dwRow = 0; dwRow < dwHeight; ++dwRow) {
        BYTE* pRow = static_cast<BYTE*>(locked.pBits) + static_cast<size_t>(dwRow) * locked.Pitch;
        for (DWORD dwColumn = 0; dwColumn < dwWidth; ++dwColumn) {
            const DWORD dwAlpha = coverage[static_cast<size_t>(dwRow) * dwCell + dwColumn];
            WriteTexel(pRow, dwColumn, dwFormat,
                       PageTexel(dwFormat, 0xFFFFFF, dwFormat == D3DFMT_A8R8G8B8 ? dwAlpha : dwAlpha >> 4));
        }
    }
    word.pTexture->UnlockRect(0);
    return S_OK;
}

HRESULT JC_D3DFont::FillFromGdi(const JS_D3DFontWordInfo& word, const char* szText, DWORD dwCount, DWORD dwWidth,
                                DWORD dwHeight)
{
    const DWORD dwPageWidth = m_D3DFontInitiationInfoObj.dwWidth;
    const DWORD dwPageHeight = m_D3DFontInitiationInfoObj.dwHeight;
    // The bitmap is shared by every page: clear the cell so an earlier page's
    // glyph at the same place does not show through.
    auto bitmapRow = [&](DWORD dwRow) { return m_pBitmapBits + static_cast<size_t>(dwPageHeight - 1 - dwRow) * dwPageWidth; };
    for (DWORD dwRow = word.dwY; dwRow < word.dwY + GetCellSize() && dwRow < dwPageHeight; ++dwRow)
        std::memset(bitmapRow(dwRow) + word.dwX, 0, std::min(GetCellSize(), dwPageWidth - word.dwX) * 4);
    GdiFlush();

    RECT rect = {static_cast<LONG>(word.dwX), static_cast<LONG>(word.dwY), static_cast<LONG>(word.dwX + dwWidth),
                 static_cast<LONG>(word.dwY + dwHeight)};
    if (DrawTextExA(m_hDC, const_cast<char*>(szText), static_cast<int>(dwCount), &rect, 0, nullptr) == 0)
        return JC_D3DFONT_E_DRAW_TEXT;
    GdiFlush();
    if (dwWidth == 0 || dwHeight == 0)
        return S_OK;

    D3DLOCKED_RECT locked;
    RECT lockRect = {static_cast<LONG>(word.dwX), static_cast<LONG>(word.dwY), static_cast<LONG>(word.dwX + dwWidth),
                     static_cast<LONG>(word.dwY + dwHeight)};
    if (FAILED(word.pTexture->LockRect(0, &locked, &lockRect, 0)))
        return JC_D3DFONT_E_GDI_LOCK;
    const DWORD dwFormat = m_D3DFontInitiationInfoObj.dwFormat;
    const DWORD dwMaxAlpha = dwFormat == D3DFMT_A8R8G8B8 ? 255 : 15;
    const DWORD dwColor = m_D3DFontCreateInfoObj.dwColor & 0xFFFFFF;
    const DWORD dwDrawColor = ChannelSum(dwColor) != 0 ? dwColor : 0xFFFFFF;
    const DWORD dwDrawSum = ChannelSum(dwDrawColor);
    for (DWORD dwRow = 0; dwRow < dwHeight; ++dwRow) {
        const DWORD* pSource = bitmapRow(word.dwY + dwRow) + word.dwX;
        BYTE* pRow = static_cast<BYTE*>(locked.pBits) + static_cast<size_t>(dwRow) * locked.Pitch;
        for (DWORD dwColumn = 0; dwColumn < dwWidth; ++dwColumn) {
            const DWORD dwPixel = pSource[dwColumn] & 0xFFFFFF;
            if (dwPixel == 0)
                continue;
            const DWORD dwAlpha = dwPixel == dwDrawColor
                                      ? dwMaxAlpha
                                      : std::min(dwMaxAlpha, dwMaxAlpha * ChannelSum(dwPixel) / dwDrawSum);
            WriteTexel(pRow, dwColumn, dwFormat, PageTexel(dwFormat, dwColor, dwAlpha));
        }
    }
    word.pTexture->UnlockRect(0);
    return S_OK;
}
