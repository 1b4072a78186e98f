#pragma once

#include <windows.h>

#include <string>

// Helpers the two DirectShow players share.

// The folder followed by the file name, in UTF-16 through the process's
// ANSI code page, cut to at most 259 characters.
std::wstring XF_MediaPath(const char* szFolder, const char* szFileName);

// Releases a COM interface and forgets it; safe to repeat.
template <typename T>
void XF_ReleaseInterface(T*& pInterface)
{
    if (pInterface != nullptr) {
        pInterface->Release();
        pInterface = nullptr;
    }
}
