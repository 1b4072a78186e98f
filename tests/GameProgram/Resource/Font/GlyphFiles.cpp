#include "tests/GameProgram/Resource/Font/GlyphFiles.h"

#include "GameProgram/Resource/Font/JC_D3DFont.h"

#include <algorithm>
#include <cstring>

namespace {

DWORD CodeOf(const char* szChar, DWORD dwCount)
{
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(szChar);
    return dwCount == 1 ? pBytes[0] : pBytes[0] * 256u + pBytes[1];
}

std::string EmptyGlyphFile(DWORD dwCell, const char* szFace, DWORD dwLastCode)
{
    std::string file(std::max<size_t>(static_cast<size_t>(JC_D3DFont::FileEntryOffset(dwLastCode + 1, dwCell)),
                                      JC_D3DFont::FILE_HEADER_SIZE),
                     '\0');
    // The header overlaps the control codes' entries.
    for (int i = 0; i < 256; ++i)
        file[256 + i] = static_cast<char>((i < static_cast<int>(std::strlen(szFace)) ? szFace[i] : 0) + 1);
    std::memcpy(&file[516], &dwCell, 4);
    return file;
}

char* EntryOf(std::string& file, DWORD dwCell, DWORD dwCode)
{
    return &file[static_cast<size_t>(JC_D3DFont::FileEntryOffset(dwCode, dwCell))];
}

} // namespace

std::vector<DWORD> CodeRange(DWORD dwFirst, DWORD dwLast)
{
    std::vector<DWORD> codes;
    for (DWORD dwCode = dwFirst; dwCode <= dwLast; ++dwCode)
        codes.push_back(dwCode);
    return codes;
}

std::string MakeGlyphFile(DWORD dwCell, const char* szFace, const std::vector<DWORD>& codes, DWORD dwWidth,
                          DWORD dwHeight)
{
    std::string file = EmptyGlyphFile(dwCell, szFace, *std::max_element(codes.begin(), codes.end()));
    for (const DWORD dwCode : codes) {
        char* const pEntry = EntryOf(file, dwCell, dwCode);
        std::memcpy(pEntry, &dwWidth, 4);
        std::memcpy(pEntry + 4, &dwHeight, 4);
        for (DWORD dwRow = 0; dwRow < dwCell; ++dwRow)
            for (DWORD dwColumn = 0; dwColumn < dwCell; ++dwColumn)
                pEntry[8 + dwRow * dwCell + dwColumn] = static_cast<char>(dwCode + dwColumn + dwRow);
    }
    return file;
}

std::string DrawGlyphFile(IDirect3DDevice9* pDevice, DWORD dwCell, const char* szFace, const char* szText)
{
    JC_D3DFont font;
    JS_D3DFontInitiationInfo pages;
    pages.pDevice = pDevice;
    pages.dwFormat = D3DFMT_A8R8G8B8;
    pages.dwWidth = pages.dwHeight = 256;
    JS_D3DFontCreateInfo create;
    std::strcpy(create.szFaceName, szFace);
    create.dwCharSet = CHINESEBIG5_CHARSET;
    create.dwSize = dwCell;
    if (FAILED(font.Initiation(pages)) || FAILED(font.CreateFontA(create)))
        return std::string();

    std::vector<std::pair<DWORD, JS_D3DFontWordInfo>> glyphs;
    for (const char* pChar = szText; *pChar != '\0';) {
        const DWORD dwCount = static_cast<BYTE>(*pChar) > 127 && pChar[1] != '\0' ? 2 : 1;
        JS_D3DFontWordInfo word;
        if (FAILED(font.GetWord(pChar, dwCount, &word)))
            return std::string();
        glyphs.emplace_back(CodeOf(pChar, dwCount), word);
        pChar += dwCount;
    }
    DWORD dwLastCode = 0;
    for (const auto& glyph : glyphs)
        dwLastCode = std::max(dwLastCode, glyph.first);
    std::string file = EmptyGlyphFile(dwCell, szFace, dwLastCode);
    for (const auto& [dwCode, word] : glyphs) {
        char* const pEntry = EntryOf(file, dwCell, dwCode);
        const DWORD dwWidth = static_cast<DWORD>(word.fWidth);
        const DWORD dwHeight = static_cast<DWORD>(word.fHeight);
        std::memcpy(pEntry, &dwWidth, 4);
        std::memcpy(pEntry + 4, &dwHeight, 4);
        D3DLOCKED_RECT locked;
        if (FAILED(word.pTexture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)))
            return std::string();
        for (DWORD dwRow = 0; dwRow < dwHeight; ++dwRow) {
            const DWORD* pTexels = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits)
                                                                  + static_cast<size_t>(word.dwY + dwRow) * locked.Pitch);
            for (DWORD dwColumn = 0; dwColumn < dwWidth; ++dwColumn)
                pEntry[8 + dwRow * dwCell + dwColumn] = static_cast<char>(pTexels[word.dwX + dwColumn] >> 24);
        }
        word.pTexture->UnlockRect(0);
    }
    return file;
}

GlyphEntry ReadGlyphEntry(const std::string& file, DWORD dwCell, DWORD dwCode)
{
    GlyphEntry entry;
    const size_t offset = static_cast<size_t>(JC_D3DFont::FileEntryOffset(dwCode, dwCell));
    if (offset + 8 + dwCell * dwCell > file.size())
        return entry;
    std::memcpy(&entry.dwWidth, &file[offset], 4);
    std::memcpy(&entry.dwHeight, &file[offset + 4], 4);
    entry.coverage.assign(file.begin() + offset + 8, file.begin() + offset + 8 + dwCell * dwCell);
    return entry;
}
