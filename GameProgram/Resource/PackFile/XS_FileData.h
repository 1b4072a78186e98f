#pragma once

#include <windows.h>

// One data block read from a pack file. Whoever receives it owns it and
// deletes it, which frees the bytes.
struct XS_FileData
{
    XS_FileData() = default;
    ~XS_FileData() { delete[] pData; }
    XS_FileData(const XS_FileData&) = delete;
    XS_FileData& operator=(const XS_FileData&) = delete;

    BYTE* pData = nullptr;  // allocated with new[]
    DWORD dwSize = 0;
};
