#pragma once

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "TemplateSystem/JC_DebugLog.h"

#include "tests/Code/StartedGameFixture.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/ScopedTempFolder.h"
#include "tests/Support/TestOutput.h"

#include <d3dx9.h>

#include <cstdint>
#include <string>

// What the screens played in a test program share: the data layer's debug
// log, the last frame and the colour parts of its pixels. Header-only, for
// the test programs that link the game.

// Sends the data layer's debug log to a file of the test's own while it lives.
class DebugLogCapture
{
public:
    DebugLogCapture() { gp_DebugInfoObj->OpenLogFile(m_Folder.File("log.txt").c_str(), 1, FILE_SHARE_READ); }
    ~DebugLogCapture() { gp_DebugInfoObj->OpenLogFile(nullptr, 1, 0); }
    DebugLogCapture(const DebugLogCapture&) = delete;
    DebugLogCapture& operator=(const DebugLogCapture&) = delete;

    std::string Text() const { return ReadTestFile(m_Folder.File("log.txt")); }

private:
    ScopedTempFolder m_Folder;
};

// The game's last frame, drawn again and kept in the bench's output folder
// under the name.
inline BitmapFile PlayedScreenshot(StartedGame& game, const std::string& strName)
{
    game.Redraw();
    BitmapFile bitmap;
    IDirect3DSurface9* pBackBuffer = nullptr;
    if (FAILED(g_pVar->g_pD3DDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
        return bitmap;
    const std::string strFile = TestOutputFile(strName);
    D3DXSaveSurfaceToFileA(strFile.c_str(), D3DXIFF_BMP, pBackBuffer, nullptr, nullptr);
    pBackBuffer->Release();
    bitmap.Load(strFile);
    return bitmap;
}

inline int Red(std::uint32_t dwPixel)
{
    return static_cast<int>((dwPixel >> 16) & 0xFF);
}

inline int Blue(std::uint32_t dwPixel)
{
    return static_cast<int>(dwPixel & 0xFF);
}

// Pixels of white text in the rectangle (left, top, right, bottom).
inline int TextPixels(const BitmapFile& bitmap, const RECT& rect)
{
    int iCount = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const std::uint32_t dwPixel = bitmap.Pixel(x, y);
            iCount += Red(dwPixel) > 200 && Blue(dwPixel) > 200 && ((dwPixel >> 8) & 0xFF) > 200 ? 1 : 0;
        }
    }
    return iCount;
}
