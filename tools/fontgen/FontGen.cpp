// fontgen: writes a glyph file (".fon") of the ASCII characters and of every
// character used in the given CP950 text files, drawn through GDI by the
// engine's glyph rasteriser.
//
//   fontgen OUTPUT.fon CELL_SIZE FACE_NAME CHARSET TEXT_FILE...

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_Cp950.h"
#include "GameProgram/Common/XF_SafeFileWriter.h"
#include "GameProgram/Resource/Font/JC_D3DFont.h"

#include <d3d9.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

const DWORD PAGE_SIZE = 512;

// The character codes of the printable ASCII range and of the texts.
bool CollectCodes(int argc, char** argv, std::set<DWORD>* pCodes)
{
    for (DWORD dwCode = 0x20; dwCode < 0x7F; ++dwCode)
        pCodes->insert(dwCode);
    for (int i = 5; i < argc; ++i) {
        BYTE* pData = nullptr;
        DWORD dwSize = 0;
        if (FAILED(XF_LoadFile(argv[i], &pData, &dwSize))) {
            std::fprintf(stderr, "fontgen: cannot read %s\n", argv[i]);
            return false;
        }
        const char* szText = reinterpret_cast<const char*>(pData);
        for (size_t at = 0; at < dwSize;) {
            const size_t length = XF_CharLength(szText, at, dwSize);
            const BYTE first = pData[at];
            if (length == 2)
                pCodes->insert(first * 256u + pData[at + 1]);
            else if (first >= 0x20 && first < 0x7F)
                pCodes->insert(first);
            at += length;
        }
        delete[] pData;
    }
    pCodes->erase(0xFFFF);
    return true;
}

// A hidden window with a device, as the rasteriser needs one for its pages.
class HiddenDevice
{
public:
    HiddenDevice()
    {
        m_hWnd = CreateWindowA("STATIC", "fontgen", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr);
        m_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
        if (m_hWnd == nullptr || m_pD3D == nullptr)
            return;
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.BackBufferFormat = D3DFMT_UNKNOWN;
        params.hDeviceWindow = m_hWnd;
        if (FAILED(m_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, m_hWnd, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                        &params, &m_pDevice)))
            m_pDevice = nullptr;
    }
    ~HiddenDevice()
    {
        if (m_pDevice != nullptr)
            m_pDevice->Release();
        if (m_pD3D != nullptr)
            m_pD3D->Release();
        if (m_hWnd != nullptr)
            DestroyWindow(m_hWnd);
    }
    IDirect3DDevice9* Device() const { return m_pDevice; }

private:
    HWND m_hWnd = nullptr;
    IDirect3D9* m_pD3D = nullptr;
    IDirect3DDevice9* m_pDevice = nullptr;
};

// Copies a glyph's coverage (the page texels' alpha) into its file entry.
bool WriteEntry(const JS_D3DFontWordInfo& word, DWORD dwCell, char* pEntry)
{
    const DWORD dwWidth = static_cast<DWORD>(word.fWidth);
    const DWORD dwHeight = static_cast<DWORD>(word.fHeight);
    std::memcpy(pEntry, &dwWidth, 4);
    std::memcpy(pEntry + 4, &dwHeight, 4);
    D3DLOCKED_RECT locked;
    if (FAILED(word.pTexture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)))
        return false;
    for (DWORD dwRow = 0; dwRow < dwHeight; ++dwRow) {
        const DWORD* pTexels = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits)
                                                              + static_cast<size_t>(word.dwY + dwRow) * locked.Pitch);
        for (DWORD dwColumn = 0; dwColumn < dwWidth; ++dwColumn)
            pEntry[8 + dwRow * dwCell + dwColumn] = static_cast<char>(pTexels[word.dwX + dwColumn] >> 24);
    }
    word.pTexture->UnlockRect(0);
    return true;
}

void WriteHeader(const char* szFaceName, DWORD dwCharSet, DWORD dwCell, std::string* pFile)
{
    char* pHeader = &(*pFile)[0];
    std::memset(pHeader, 0, JC_D3DFont::FILE_HEADER_SIZE);
    const size_t faceLength = std::strlen(szFaceName);
    for (size_t i = 0; i < 256; ++i)
        pHeader[256 + i] = static_cast<char>((i < faceLength ? szFaceName[i] : 0) + 1);
    const DWORD dwColor = 0xFFFFFF;
    std::memcpy(pHeader + 512, &dwCharSet, 4);
    std::memcpy(pHeader + 516, &dwCell, 4);
    std::memcpy(pHeader + 520, &dwColor, 4);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: fontgen OUTPUT.fon CELL_SIZE FACE_NAME CHARSET TEXT_FILE...\n");
        return 1;
    }
    const char* szOutput = argv[1];
    const DWORD dwCell = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
    const char* szFaceName = argv[3];
    const DWORD dwCharSet = static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10));
    std::set<DWORD> codes;
    if (dwCell == 0 || dwCell >= PAGE_SIZE || std::strlen(szFaceName) >= 256 || !CollectCodes(argc, argv, &codes))
        return 1;

    HiddenDevice device;
    if (device.Device() == nullptr) {
        std::fprintf(stderr, "fontgen: no Direct3D device\n");
        return 1;
    }
    JC_D3DFont font;
    JS_D3DFontInitiationInfo pages;
    pages.pDevice = device.Device();
    pages.dwFormat = D3DFMT_A8R8G8B8;
    pages.dwWidth = pages.dwHeight = PAGE_SIZE;
    JS_D3DFontCreateInfo create;
    std::strcpy(create.szFaceName, szFaceName);
    create.dwCharSet = dwCharSet;
    create.dwSize = dwCell;
    HRESULT hr = font.Initiation(pages);
    if (SUCCEEDED(hr))
        hr = font.CreateFontA(create);
    if (FAILED(hr)) {
        std::fprintf(stderr, "fontgen: the font cannot be made: 0x%08lx\n", static_cast<unsigned long>(hr));
        return 1;
    }

    const DWORD dwLastCode = *codes.rbegin();
    std::string file(static_cast<size_t>(JC_D3DFont::FileEntryOffset(dwLastCode + 1, dwCell)), '\0');
    for (const DWORD dwCode : codes) {
        const char text[2] = {static_cast<char>(dwCode > 0xFF ? dwCode >> 8 : dwCode), static_cast<char>(dwCode & 0xFF)};
        JS_D3DFontWordInfo word;
        hr = font.GetWord(text, dwCode > 0xFF ? 2 : 1, &word);
        if (FAILED(hr) || !WriteEntry(word, dwCell, &file[JC_D3DFont::FileEntryOffset(dwCode, dwCell)])) {
            std::fprintf(stderr, "fontgen: glyph 0x%04lx failed: 0x%08lx\n", static_cast<unsigned long>(dwCode),
                         static_cast<unsigned long>(hr));
            return 1;
        }
    }
    WriteHeader(szFaceName, dwCharSet, dwCell, &file);
    if (FAILED(XF_WriteFileSafely(szOutput, file.data(), file.size()))) {
        std::fprintf(stderr, "fontgen: cannot write %s\n", szOutput);
        return 1;
    }
    std::printf("fontgen: %u glyphs of %lu pixels in %s\n", static_cast<unsigned>(codes.size()),
                static_cast<unsigned long>(dwCell), szOutput);
    return 0;
}
