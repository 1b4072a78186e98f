#include "GameProgram/D3DCommon/XC_D3DTextFont.h"

#include "GameProgram/Common/XF_Common.h"

#include <cmath>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// A transformed, lit vertex of a glyph quad.
struct FontVertex
{
    float x, y, z, rhw;
    DWORD dwColor;
    float u, v;
};
static_assert(sizeof(FontVertex) == 28, "the font's vertex is 28 bytes");

const DWORD FONT_FVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
const UINT MAX_VERTICES = 50 * 6;
const UINT FLUSH_VERTICES = MAX_VERTICES - 6;

template <typename T>
void SafeRelease(T*& pObject)
{
    if (pObject != nullptr) {
        pObject->Release();
        pObject = nullptr;
    }
}

// The edge of the square glyph texture for a font height in points.
DWORD TextureEdge(DWORD dwHeight)
{
    if (dwHeight > 60)
        return 2048;
    if (dwHeight > 30)
        return 1024;
    if (dwHeight > 15)
        return 512;
    return 256;
}

// The two triangles of one glyph, corners offset by half a pixel so that
// texels fall on pixels.
FontVertex* AddGlyphQuad(FontVertex* pVertex, float x, float y, float w, float h, DWORD dwColor,
                         const float* pCoords)
{
    const float fLeft = x - 0.5f;
    const float fTop = y - 0.5f;
    const float fRight = x + w - 0.5f;
    const float fBottom = y + h - 0.5f;
    const float tx1 = pCoords[0], ty1 = pCoords[1], tx2 = pCoords[2], ty2 = pCoords[3];
    *pVertex++ = {fLeft, fBottom, 0.9f, 1.0f, dwColor, tx1, ty2};
    *pVertex++ = {fLeft, fTop, 0.9f, 1.0f, dwColor, tx1, ty1};
    *pVertex++ = {fRight, fBottom, 0.9f, 1.0f, dwColor, tx2, ty2};
    *pVertex++ = {fRight, fTop, 0.9f, 1.0f, dwColor, tx2, ty1};
    *pVertex++ = {fRight, fBottom, 0.9f, 1.0f, dwColor, tx2, ty2};
    *pVertex++ = {fLeft, fTop, 0.9f, 1.0f, dwColor, tx1, ty1};
    return pVertex;
}

} // namespace

XC_D3DTextFont::XC_D3DTextFont(const char* szFontName, DWORD dwHeight, DWORD dwFlags)
    : m_dwFontHeight(dwHeight), m_dwFontFlags(dwFlags)
{
    m_szFontName[0] = '\0';
    if (szFontName != nullptr) {
        std::strncpy(m_szFontName, szFontName, sizeof(m_szFontName) - 1);
        m_szFontName[sizeof(m_szFontName) - 1] = '\0';
    }
}

XC_D3DTextFont::~XC_D3DTextFont()
{
    InvalidateDeviceObjects();
    DeleteDeviceObjects();
}

HRESULT XC_D3DTextFont::InitDeviceObjects(IDirect3DDevice9* pDevice)
{
    if (pDevice == nullptr) {
        XM_REPORT_FAILED("pDevice");
        return E_FAIL;
    }
    m_pDevice = pDevice;

    m_dwTexWidth = m_dwTexHeight = TextureEdge(m_dwFontHeight);
    m_fTextScale = 1.0f;
    D3DCAPS9 caps;
    m_pDevice->GetDeviceCaps(&caps);
    if (m_dwTexWidth > caps.MaxTextureWidth) {
        m_fTextScale = static_cast<float>(caps.MaxTextureWidth) / m_dwTexWidth;
        m_dwTexWidth = m_dwTexHeight = caps.MaxTextureWidth;
    }

    SafeRelease(m_pTexture);
    const HRESULT hr = m_pDevice->CreateTexture(m_dwTexWidth, m_dwTexHeight, 1, 0, D3DFMT_A4R4G4B4,
                                                D3DPOOL_MANAGED, &m_pTexture, nullptr);
    if (FAILED(hr)) {
        m_pTexture = nullptr;
        XM_REPORT_FAILED_HR("m_pDevice->CreateTexture", hr);
        return hr;
    }
    return CreateGlyphTexture();
}

// Renders the characters 32-126 with GDI into a bitmap, records where each
// one lies and copies the bitmap's intensity into the texture's alpha.
HRESULT XC_D3DTextFont::CreateGlyphTexture()
{
    const int iEdge = static_cast<int>(m_dwTexWidth);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = iEdge;
    bmi.bmiHeader.biHeight = -iEdge;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;

    HDC hDC = CreateCompatibleDC(nullptr);
    DWORD* pBitmapBits = nullptr;
    HBITMAP hBitmap = hDC != nullptr ? CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS,
                                                        reinterpret_cast<void**>(&pBitmapBits), nullptr, 0)
                                     : nullptr;
    HFONT hFont = nullptr;
    if (hBitmap != nullptr) {
        SetMapMode(hDC, MM_TEXT);
        const int iHeight = -MulDiv(static_cast<int>(m_dwFontHeight),
                                    static_cast<int>(GetDeviceCaps(hDC, LOGPIXELSY) * m_fTextScale), 72);
        hFont = CreateFontA(iHeight, 0, 0, 0, (m_dwFontFlags & FONT_BOLD) ? FW_BOLD : FW_NORMAL,
                            (m_dwFontFlags & FONT_ITALIC) ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH,
                            m_szFontName);
    }
    if (hFont == nullptr) {
        XM_REPORT_FAILED("hFont");
        if (hBitmap != nullptr)
            DeleteObject(hBitmap);
        if (hDC != nullptr)
            DeleteDC(hDC);
        return E_FAIL;
    }

    const HGDIOBJ hOldBitmap = SelectObject(hDC, hBitmap);
    const HGDIOBJ hOldFont = SelectObject(hDC, hFont);
    SetTextColor(hDC, RGB(255, 255, 255));
    SetBkColor(hDC, 0x00000000);
    SetTextAlign(hDC, TA_TOP);

    SIZE size;
    GetTextExtentPoint32A(hDC, "x", 1, &size);
    m_dwSpacing = static_cast<DWORD>(std::ceil(size.cy * 0.3f));

    const float fEdge = static_cast<float>(m_dwTexWidth);
    DWORD x = m_dwSpacing;
    DWORD y = 0;
    for (int i = 0; i < GLYPH_COUNT; ++i) {
        const char c = static_cast<char>(FIRST_CHAR + i);
        GetTextExtentPoint32A(hDC, &c, 1, &size);
        if (x + size.cx + m_dwSpacing > m_dwTexWidth) {
            x = m_dwSpacing;
            y += size.cy + 1;
        }
        ExtTextOutA(hDC, static_cast<int>(x), static_cast<int>(y), ETO_OPAQUE, nullptr, &c, 1, nullptr);
        m_fTexCoords[i][0] = (x - m_dwSpacing) / fEdge;
        m_fTexCoords[i][1] = y / fEdge;
        m_fTexCoords[i][2] = (x + size.cx + m_dwSpacing) / fEdge;
        m_fTexCoords[i][3] = (y + size.cy) / fEdge;
        x += size.cx + 2 * m_dwSpacing;
    }
    GdiFlush();

    D3DLOCKED_RECT locked;
    HRESULT hr = m_pTexture->LockRect(0, &locked, nullptr, 0);
    if (SUCCEEDED(hr)) {
        for (int row = 0; row < iEdge; ++row) {
            WORD* pTexel = reinterpret_cast<WORD*>(static_cast<BYTE*>(locked.pBits) + row * locked.Pitch);
            const DWORD* pPixel = pBitmapBits + row * iEdge;
            for (int column = 0; column < iEdge; ++column) {
                const WORD wAlpha = static_cast<WORD>((pPixel[column] & 0xFF) >> 4);
                pTexel[column] = wAlpha == 0 ? 0 : static_cast<WORD>((wAlpha << 12) | 0x0FFF);
            }
        }
        m_pTexture->UnlockRect(0);
    } else {
        XM_REPORT_FAILED_HR("m_pTexture->LockRect", hr);
    }

    SelectObject(hDC, hOldFont);
    SelectObject(hDC, hOldBitmap);
    DeleteObject(hFont);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    return hr;
}

HRESULT XC_D3DTextFont::RestoreDeviceObjects()
{
    if (m_pDevice == nullptr) {
        XM_REPORT_FAILED("m_pDevice");
        return E_FAIL;
    }
    InvalidateDeviceObjects();
    HRESULT hr = m_pDevice->CreateVertexBuffer(MAX_VERTICES * sizeof(FontVertex),
                                               D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC, FONT_FVF,
                                               D3DPOOL_DEFAULT, &m_pVertexBuffer, nullptr);
    if (FAILED(hr)) {
        m_pVertexBuffer = nullptr;
        XM_REPORT_FAILED_HR("m_pDevice->CreateVertexBuffer", hr);
        return hr;
    }
    hr = RecordStateBlock(&m_pStateBlockSaved);
    if (SUCCEEDED(hr))
        hr = RecordStateBlock(&m_pStateBlockDrawText);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("RecordStateBlock", hr);
        InvalidateDeviceObjects();
    }
    return hr;
}

// The font's drawing states, recorded as a block: applied before drawing,
// and captured beforehand as the states to give back.
HRESULT XC_D3DTextFont::RecordStateBlock(IDirect3DStateBlock9** ppStateBlock) const
{
    *ppStateBlock = nullptr;
    HRESULT hr = m_pDevice->BeginStateBlock();
    if (FAILED(hr))
        return hr;
    m_pDevice->SetTexture(0, m_pTexture);
    m_pDevice->SetRenderState(D3DRS_ZENABLE, (m_dwFontFlags & FONT_ZENABLE) ? TRUE : FALSE);
    m_pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    m_pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    m_pDevice->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    m_pDevice->SetRenderState(D3DRS_ALPHAREF, 0x08);
    m_pDevice->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    m_pDevice->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    m_pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    m_pDevice->SetRenderState(D3DRS_STENCILENABLE, FALSE);
    m_pDevice->SetRenderState(D3DRS_CLIPPING, TRUE);
    m_pDevice->SetRenderState(D3DRS_CLIPPLANEENABLE, 0);
    m_pDevice->SetRenderState(D3DRS_VERTEXBLEND, D3DVBF_DISABLE);
    m_pDevice->SetRenderState(D3DRS_INDEXEDVERTEXBLENDENABLE, FALSE);
    m_pDevice->SetRenderState(D3DRS_FOGENABLE, FALSE);
    m_pDevice->SetRenderState(D3DRS_COLORWRITEENABLE, D3DCOLORWRITEENABLE_RED | D3DCOLORWRITEENABLE_GREEN |
                                                          D3DCOLORWRITEENABLE_BLUE | D3DCOLORWRITEENABLE_ALPHA);
    m_pDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    m_pDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    m_pDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    m_pDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    m_pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    m_pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    m_pDevice->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
    m_pDevice->SetTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE);
    m_pDevice->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    m_pDevice->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    m_pDevice->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    m_pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    m_pDevice->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
    hr = m_pDevice->EndStateBlock(ppStateBlock);
    if (FAILED(hr))
        *ppStateBlock = nullptr;
    return hr;
}

HRESULT XC_D3DTextFont::InvalidateDeviceObjects()
{
    SafeRelease(m_pVertexBuffer);
    SafeRelease(m_pStateBlockSaved);
    SafeRelease(m_pStateBlockDrawText);
    return S_OK;
}

HRESULT XC_D3DTextFont::DeleteDeviceObjects()
{
    SafeRelease(m_pTexture);
    m_pDevice = nullptr;
    return S_OK;
}

// Characters 32-126 have a glyph; 127 and everything else are skipped.
bool XC_D3DTextFont::HasGlyph(unsigned char c) const
{
    return c >= FIRST_CHAR && c < FIRST_CHAR + GLYPH_COUNT;
}

float XC_D3DTextFont::GlyphWidth(unsigned char c) const
{
    const float* pCoords = m_fTexCoords[c - FIRST_CHAR];
    return (pCoords[2] - pCoords[0]) * m_dwTexWidth / m_fTextScale;
}

float XC_D3DTextFont::GlyphHeight(unsigned char c) const
{
    const float* pCoords = m_fTexCoords[c - FIRST_CHAR];
    return (pCoords[3] - pCoords[1]) * m_dwTexHeight / m_fTextScale;
}

float XC_D3DTextFont::LineHeight() const
{
    return (m_fTexCoords[0][3] - m_fTexCoords[0][1]) * m_dwTexHeight;
}

float XC_D3DTextFont::FirstLineWidth(const char* szText) const
{
    float fWidth = 0.0f;
    for (const char* p = szText; *p != '\0' && *p != '\n'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (HasGlyph(c))
            fWidth += GlyphWidth(c) - 2.0f * m_dwSpacing;
    }
    return fWidth;
}

HRESULT XC_D3DTextFont::DrawText(float fX, float fY, DWORD dwColor, const char* szText, DWORD dwFlags)
{
    if (m_pDevice == nullptr || m_pVertexBuffer == nullptr || m_pStateBlockSaved == nullptr ||
        m_pStateBlockDrawText == nullptr || szText == nullptr)
        return E_FAIL;

    m_pStateBlockSaved->Capture();
    m_pStateBlockDrawText->Apply();
    m_pDevice->SetFVF(FONT_FVF);
    m_pDevice->SetPixelShader(nullptr);
    m_pDevice->SetStreamSource(0, m_pVertexBuffer, 0, sizeof(FontVertex));
    if (dwFlags & DRAW_FILTERED) {
        m_pDevice->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
        m_pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    }

    if (dwFlags & (DRAW_CENTERED_X | DRAW_CENTERED_Y)) {
        D3DVIEWPORT9 viewport;
        m_pDevice->GetViewport(&viewport);
        if (dwFlags & DRAW_CENTERED_X)
            fX = (viewport.Width - FirstLineWidth(szText)) / 2.0f;
        if (dwFlags & DRAW_CENTERED_Y)
            fY = (viewport.Height - LineHeight()) / 2.0f;
    }

    const float fStartX = fX - m_dwSpacing;
    float x = fStartX;
    float y = fY;
    FontVertex* pVertices = nullptr;
    HRESULT hr = m_pVertexBuffer->Lock(0, 0, reinterpret_cast<void**>(&pVertices), D3DLOCK_DISCARD);
    UINT uVertexCount = 0;
    for (const char* p = szText; SUCCEEDED(hr) && *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            x = fStartX;
            y += LineHeight();
        }
        if (!HasGlyph(c))
            continue;
        const float w = GlyphWidth(c);
        if (c != ' ') {
            pVertices = AddGlyphQuad(pVertices, x, y, w, GlyphHeight(c), dwColor, m_fTexCoords[c - FIRST_CHAR]);
            uVertexCount += 6;
        }
        x += w - 2.0f * m_dwSpacing;
        if (uVertexCount > FLUSH_VERTICES) {
            m_pVertexBuffer->Unlock();
            m_pDevice->DrawPrimitive(D3DPT_TRIANGLELIST, 0, uVertexCount / 3);
            uVertexCount = 0;
            hr = m_pVertexBuffer->Lock(0, 0, reinterpret_cast<void**>(&pVertices), D3DLOCK_DISCARD);
        }
    }
    if (SUCCEEDED(hr)) {
        m_pVertexBuffer->Unlock();
        if (uVertexCount > 0)
            m_pDevice->DrawPrimitive(D3DPT_TRIANGLELIST, 0, uVertexCount / 3);
    } else {
        XM_REPORT_FAILED_HR("m_pVertexBuffer->Lock", hr);
    }
    m_pStateBlockSaved->Apply();
    return SUCCEEDED(hr) ? S_OK : hr;
}
