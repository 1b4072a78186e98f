#include "GameProgram/Resource/Font/XC_D3DFont.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/Font/XC_Word.h"

#include <cstring>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_D3DFont::~XC_D3DFont()
{
    Fini();
}

HRESULT XC_D3DFont::Init(IDirect3DDevice9* pD3DDevice, const char* szFaceName, LONG lHeight)
{
    if (szFaceName == nullptr) {
        XM_REPORT_FAILED("szFaceName");
        return E_POINTER;
    }
    if (std::strlen(szFaceName) >= LF_FACESIZE) {
        XM_REPORT_FAILED("strlen( szFaceName ) < LF_FACESIZE");
        return E_FAIL;
    }
    LOGFONTA sLogFont = {};
    sLogFont.lfHeight = lHeight;
    sLogFont.lfWeight = FW_NORMAL;
    sLogFont.lfCharSet = CHINESEBIG5_CHARSET;
    sLogFont.lfOutPrecision = OUT_TT_PRECIS;
    sLogFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    sLogFont.lfQuality = PROOF_QUALITY;
    sLogFont.lfPitchAndFamily = 0;
    std::strcpy(sLogFont.lfFaceName, szFaceName);
    return Init(pD3DDevice, sLogFont);
}

HRESULT XC_D3DFont::Init(IDirect3DDevice9* pD3DDevice, const LOGFONTA& sLogFont)
{
    const HRESULT hr = Fini();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("Fini()", hr);
        return hr;
    }
    if (pD3DDevice == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_D3DFont::Init error , pD3DDevice == NULL");
        return E_FAIL;
    }
    m_hFont = CreateFontIndirectA(&sLogFont);
    if (m_hFont == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "CreateFont Error");
        return E_FAIL;
    }
    m_pD3DDevice = pD3DDevice;
    m_LogFont = sLogFont;
    m_lTextureWidth = 1;
    while (m_lTextureWidth < sLogFont.lfHeight)
        m_lTextureWidth *= 2;
    m_DrawRect = {0, 0, m_lTextureWidth - 1, m_lTextureWidth - 1};
    if (FAILED(CreateDrawingBitmap())) {
        Fini();
        return E_FAIL;
    }
    SetMapMode(m_hDC, MM_TEXT);
    m_hOldFont = SelectObject(m_hDC, m_hFont);
    SetTextColor(m_hDC, RGB(255, 255, 255));
    SetBkColor(m_hDC, RGB(0, 0, 0));
    SetTextAlign(m_hDC, 0);
    return S_OK;
}

HRESULT XC_D3DFont::CreateDrawingBitmap()
{
    m_hDC = CreateCompatibleDC(nullptr);
    if (m_hDC == nullptr) {
        XM_REPORT_FAILED("m_hDC = CreateCompatibleDC( NULL )");
        return E_FAIL;
    }
    BITMAPINFO bitmapInfo = {};
    bitmapInfo.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bitmapInfo.bmiHeader.biWidth = m_lTextureWidth;
    bitmapInfo.bmiHeader.biHeight = m_lTextureWidth; // bottom-up rows
    bitmapInfo.bmiHeader.biPlanes = 1;
    bitmapInfo.bmiHeader.biBitCount = 32;
    bitmapInfo.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_hBitmap = CreateDIBSection(m_hDC, &bitmapInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (m_hBitmap == nullptr || pBits == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "CreateDIBSection Error");
        return E_FAIL;
    }
    m_pBitmapBits = static_cast<DWORD*>(pBits);
    m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
    return S_OK;
}

HRESULT XC_D3DFont::Fini()
{
    const HRESULT hr = ClearReserveWord();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ClearReserveWord( )", hr);
    // The words hold textures of this device: none may outlive it.
    DeleteAllResource();
    m_pD3DDevice = nullptr;
    m_LogFont = {};
    m_lTextureWidth = 0;
    ReleaseGdiObjects();
    return S_OK;
}

void XC_D3DFont::ReleaseGdiObjects()
{
    if (m_hDC != nullptr) {
        if (m_hOldFont != nullptr)
            SelectObject(m_hDC, m_hOldFont);
        if (m_hOldBitmap != nullptr)
            SelectObject(m_hDC, m_hOldBitmap);
    }
    if (m_hBitmap != nullptr)
        DeleteObject(m_hBitmap);
    if (m_hDC != nullptr)
        DeleteDC(m_hDC);
    if (m_hFont != nullptr)
        DeleteObject(m_hFont);
    m_hBitmap = nullptr;
    m_pBitmapBits = nullptr;
    m_hDC = nullptr;
    m_hFont = nullptr;
    m_hOldBitmap = m_hOldFont = nullptr;
}

HRESULT XC_D3DFont::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    const int iStrLen = szResourceName != nullptr ? static_cast<int>(std::strlen(szResourceName)) : 0;
    if (iStrLen <= 0) {
        XM_REPORT_FAILED("dwStrLen > 0");
        return E_FAIL;
    }
    if (m_pD3DDevice == nullptr || m_hDC == nullptr) {
        XM_REPORT_FAILED("m_pD3DDevice && m_hDC");
        return E_FAIL;
    }
    SIZE size = {};
    if (!GetTextExtentPoint32A(m_hDC, szResourceName, iStrLen, &size))
        return E_FAIL;
    // A character larger than the texture would be cut: it is refused.
    if (size.cx <= 0 || size.cx > m_lTextureWidth) {
        XM_REPORT_FAILED("iWordWidth > 0 && iWordWidth <= m_lTextureWidth");
        return E_FAIL;
    }
    if (size.cy <= 0 || size.cy > m_lTextureWidth) {
        XM_REPORT_FAILED("iWordHeight > 0 && iWordHeight <= m_lTextureWidth");
        return E_FAIL;
    }

    // The previous character must not show where this one leaves the bitmap blank.
    std::memset(m_pBitmapBits, 0, static_cast<size_t>(m_lTextureWidth) * m_lTextureWidth * 4);
    std::string strText(szResourceName, iStrLen);
    RECT rect = m_DrawRect;
    if (DrawTextExA(m_hDC, strText.data(), iStrLen, &rect, 0, nullptr) == 0) {
        XM_REPORT_FAILED("iRe != 0");
        return E_FAIL;
    }
    GdiFlush();

    IDirect3DTexture9* pD3DTexture = nullptr;
    const HRESULT hr = m_pD3DDevice->CreateTexture(m_lTextureWidth, m_lTextureWidth, 0, 0, D3DFMT_A4R4G4B4,
                                                   D3DPOOL_MANAGED, &pD3DTexture, nullptr);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("hr", hr);
        return E_FAIL;
    }
    const float fWidth = static_cast<float>(size.cx);
    const float fHeight = static_cast<float>(size.cy);
    const float fTextureWidth = static_cast<float>(m_lTextureWidth);
    IDirect3DVertexBuffer9* pVertexBuffer = nullptr;
    if (FAILED(CopyToTexture(pD3DTexture))
        || FAILED(CreateWordVertexBuffer(m_pD3DDevice, fWidth, fHeight, 0.0f, fWidth / fTextureWidth, 0.0f,
                                         fHeight / fTextureWidth, &pVertexBuffer))) {
        pD3DTexture->Release();
        return E_FAIL;
    }
    XC_Word* const pWordObj = new XC_Word(m_pD3DDevice, pD3DTexture, pVertexBuffer);
    pWordObj->SetWidth(fWidth);
    pWordObj->SetHeight(fHeight);
    *ppResourceObj = pWordObj;
    return S_OK;
}

HRESULT XC_D3DFont::CopyToTexture(IDirect3DTexture9* pD3DTexture) const
{
    D3DLOCKED_RECT sLockedRectTexture;
    HRESULT hr = pD3DTexture->LockRect(0, &sLockedRectTexture, nullptr, 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pD3DTexture->LockRect( 0 , &sLockedRectTexture , 0 , 0 )", hr);
        return E_FAIL;
    }
    // The whole bitmap, so that the texels around the word are transparent
    // too and filtering at its edges blends with nothing.
    for (LONG lRow = 0; lRow < m_lTextureWidth; ++lRow) {
        const DWORD* pSource = m_pBitmapBits + static_cast<size_t>(m_lTextureWidth - 1 - lRow) * m_lTextureWidth;
        WORD* pTexels = reinterpret_cast<WORD*>(static_cast<BYTE*>(sLockedRectTexture.pBits)
                                                + static_cast<size_t>(lRow) * sLockedRectTexture.Pitch);
        for (LONG lColumn = 0; lColumn < m_lTextureWidth; ++lColumn)
            pTexels[lColumn] = static_cast<WORD>((((pSource[lColumn] >> 8) & 0xF0) << 8) | 0x0FFF);
    }
    hr = pD3DTexture->UnlockRect(0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pD3DTexture->UnlockRect( 0 )", hr);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_D3DFont::DeleteResource(XC_Resource* pResourceObj)
{
    XC_Word* const pWordObj = dynamic_cast<XC_Word*>(pResourceObj);
    if (pWordObj == nullptr) {
        XM_REPORT_FAILED("pWordObj");
        return E_FAIL;
    }
    delete pWordObj;
    return S_OK;
}
