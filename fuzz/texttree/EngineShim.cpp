// The engine's report and text helpers that the text-tree reader and the
// tokenizer call, without the error log, the file system or the device: the
// native fuzzing build links these instead of the engine's own.

#include "GameProgram/Common/XF_Common.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

void XF_ReportError(const char*, int, const char*)
{
}

void XF_ReportMessage(const char*)
{
}

const char* XF_FormatText(const char* szFormat, ...)
{
    // The engine's limit: a text of 260 bytes or more gives null.
    static char s_szText[260];
    va_list args;
    va_start(args, szFormat);
    const int iLength = std::vsnprintf(s_szText, sizeof(s_szText), szFormat, args);
    va_end(args);
    return iLength >= 0 && iLength < static_cast<int>(sizeof(s_szText)) ? s_szText : nullptr;
}

HRESULT XF_StrCopy(char** pszDest, const char* szSource)
{
    if (szSource == nullptr)
        return E_FAIL;
    const size_t length = std::strlen(szSource);
    char* szCopy = new (std::nothrow) char[length + 1];
    if (szCopy == nullptr)
        return E_FAIL;
    std::memcpy(szCopy, szSource, length + 1);
    *pszDest = szCopy;
    return S_OK;
}

HRESULT XF_LoadFile(const char*, BYTE** ppData, DWORD* pdwSize)
{
    *ppData = nullptr;
    *pdwSize = 0;
    return XF_E_LOAD_OPEN;
}
