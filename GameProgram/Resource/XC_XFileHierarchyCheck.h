#pragma once

#include <windows.h>

#include <string>

// Looks over a ".x" file before the platform's loader sees it: that loader
// follows references into the objects they name without a guard, so a frame
// that refers to itself recurses until the stack is gone and references
// that double at each level ask for more than memory holds; its decompressor
// trusts the sizes of a compressed file. Text files are walked for both;
// compressed files are refused.
class XC_XFileHierarchyCheck
{
public:
    // Objects nested deeper than this, references followed, are refused.
    static constexpr DWORD MAX_NESTING = 128;
    // Files that hold more objects than this, references followed, are refused.
    static constexpr DWORD MAX_OBJECTS = 1u << 20;

    // S_OK, or D3DXFERR_PARSEERROR with what is wrong in *pstrWhat.
    static HRESULT Check(const BYTE* pData, DWORD dwSize, std::string* pstrWhat);

private:
    static HRESULT CheckText(const char* pText, size_t uSize, std::string* pstrWhat);
};
