#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Writes a whole file so that a failure leaves the old file as it was: the
// bytes go to a temporary file in the same folder, which then replaces the old
// one. S_OK or E_FAIL. Header-only, so the template data system, which links
// nothing of the engine, writes its files the same way.
inline HRESULT XF_WriteFileSafely(const char* szPath, const void* pData, size_t size)
{
    if (szPath == nullptr || size > MAXDWORD)
        return E_FAIL;
    const std::string strTemp = std::string(szPath) + ".tmp~";
    const HANDLE hFile = CreateFileA(strTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return E_FAIL;
    DWORD dwWritten = 0;
    const BOOL bWritten = WriteFile(hFile, pData, static_cast<DWORD>(size), &dwWritten, nullptr)
                          && dwWritten == size && FlushFileBuffers(hFile);
    CloseHandle(hFile);
    if (!bWritten
        || !MoveFileExA(strTemp.c_str(), szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(strTemp.c_str());
        return E_FAIL;
    }
    return S_OK;
}
