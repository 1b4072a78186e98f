#include "GameProgram/D3DCommon/XF_SetDeviceCursor.h"

#include <vector>

namespace {

// The rows of the watermark, one bit a pixel from bit 15 leftwards.
const WORD WATERMARK_ROWS[5] = {0xCCC0, 0xA2A0, 0xA4A0, 0xA2A0, 0xCCC0};
const int WATERMARK_WIDTH = 12;
const int WATERMARK_HEIGHT = 5;

// The pixels of a bitmap as 32-bit values, top row first; empty on failure.
std::vector<DWORD> ReadBitmapPixels(HBITMAP hBitmap, int iWidth, int iHeight)
{
    std::vector<DWORD> pixels(static_cast<size_t>(iWidth) * iHeight);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = iWidth;
    bmi.bmiHeader.biHeight = -iHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    HDC hDC = CreateCompatibleDC(nullptr);
    const int iRows = hDC != nullptr ? GetDIBits(hDC, hBitmap, 0, iHeight, pixels.data(), &bmi, DIB_RGB_COLORS) : 0;
    if (hDC != nullptr)
        DeleteDC(hDC);
    if (iRows != iHeight)
        pixels.clear();
    return pixels;
}

bool IsWatermarkPixel(int x, int y)
{
    return x < WATERMARK_WIDTH && y < WATERMARK_HEIGHT && (WATERMARK_ROWS[y] & (1 << (15 - x))) != 0;
}

// Fills the surface: masked pixels are transparent, the others opaque in
// their colour. A cursor without a colour bitmap keeps its colour in the
// lower half of the mask.
HRESULT FillCursorSurface(IDirect3DSurface9* pSurface, const std::vector<DWORD>& mask,
                          const std::vector<DWORD>& color, int iWidth, int iHeight, BOOL bAddWatermark)
{
    const bool bMonochrome = color.empty();
    const size_t colorOffset = bMonochrome ? static_cast<size_t>(iWidth) * iHeight : 0;
    const std::vector<DWORD>& colorSource = bMonochrome ? mask : color;

    D3DLOCKED_RECT locked;
    const HRESULT hr = pSurface->LockRect(&locked, nullptr, 0);
    if (FAILED(hr))
        return hr;
    for (int y = 0; y < iHeight; ++y) {
        DWORD* pRow = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
        for (int x = 0; x < iWidth; ++x) {
            const size_t at = static_cast<size_t>(y) * iWidth + x;
            pRow[x] = (mask[at] & 0x00FFFFFF) != 0 ? 0 : 0xFF000000 | colorSource[colorOffset + at];
            if (bAddWatermark && IsWatermarkPixel(x, y))
                pRow[x] |= 0xFF808080;
        }
    }
    pSurface->UnlockRect();
    return S_OK;
}

// Builds the cursor's surface from its bitmaps and hands it to the device.
HRESULT SetCursorFromIconInfo(IDirect3DDevice9* pDevice, const ICONINFO& info, BOOL bAddWatermark)
{
    BITMAP bitmap = {};
    if (GetObjectA(info.hbmMask, sizeof(bitmap), &bitmap) == 0 || bitmap.bmWidth <= 0 || bitmap.bmHeight <= 1)
        return E_FAIL;
    const int iWidth = bitmap.bmWidth;
    const int iMaskHeight = bitmap.bmHeight;
    const int iHeight = info.hbmColor == nullptr ? iMaskHeight / 2 : iMaskHeight;
    const std::vector<DWORD> mask = ReadBitmapPixels(info.hbmMask, iWidth, iMaskHeight);
    std::vector<DWORD> color;
    if (info.hbmColor != nullptr) {
        color = ReadBitmapPixels(info.hbmColor, iWidth, iHeight);
        if (color.empty())
            return E_FAIL;
    }
    if (mask.empty())
        return E_FAIL;

    IDirect3DSurface9* pSurface = nullptr;
    HRESULT hr = pDevice->CreateOffscreenPlainSurface(iWidth, iHeight, D3DFMT_A8R8G8B8, D3DPOOL_SCRATCH, &pSurface,
                                                      nullptr);
    if (FAILED(hr))
        return hr;
    hr = FillCursorSurface(pSurface, mask, color, iWidth, iHeight, bAddWatermark);
    if (SUCCEEDED(hr))
        hr = pDevice->SetCursorProperties(info.xHotspot, info.yHotspot, pSurface);
    pSurface->Release();
    return hr;
}

} // namespace

HRESULT XF_SetDeviceCursor(IDirect3DDevice9* pDevice, HCURSOR hCursor, BOOL bAddWatermark)
{
    ICONINFO info = {};
    if (pDevice == nullptr || hCursor == nullptr || !GetIconInfo(hCursor, &info))
        return E_FAIL;
    const HRESULT hr = SetCursorFromIconInfo(pDevice, info, bAddWatermark);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    return hr;
}
