#pragma once

#include <d3d9.h>
#include <windows.h>

#include <string>
#include <vector>

// Glyph files (".fon") made for the font tests.

// The codes first to last.
std::vector<DWORD> CodeRange(DWORD dwFirst, DWORD dwLast);

// Cells of n pixels with entries for the given codes: each glyph is w×h, its
// coverage byte at (column, row) is code + column + row (low byte).
std::string MakeGlyphFile(DWORD dwCell, const char* szFace, const std::vector<DWORD>& codes, DWORD dwWidth,
                          DWORD dwHeight);

// The characters of a CP950 text drawn through GDI with the glyph
// rasteriser, as the glyph-file tool draws them; empty when that fails.
std::string DrawGlyphFile(IDirect3DDevice9* pDevice, DWORD dwCell, const char* szFace, const char* szText);

// A glyph of a glyph file: its size and coverage, or empty when the file has
// no entry for the code.
struct GlyphEntry
{
    DWORD dwWidth = 0;
    DWORD dwHeight = 0;
    std::vector<BYTE> coverage; // n×n, row by row

    BYTE At(DWORD dwColumn, DWORD dwRow, DWORD dwCell) const { return coverage[dwRow * dwCell + dwColumn]; }
};
GlyphEntry ReadGlyphEntry(const std::string& file, DWORD dwCell, DWORD dwCode);
