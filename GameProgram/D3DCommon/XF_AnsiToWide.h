#pragma once

#include <windows.h>

// Converts a text in the process's ANSI code page to UTF-16 into a caller's
// buffer of iSize characters. A text that does not fit is cut; the buffer
// always ends with 0. E_INVALIDARG for a null buffer or text or a size below
// 1; E_FAIL when the whole text could not be converted.
HRESULT XF_AnsiToWide(WCHAR* wszDest, const char* szSource, int iSize);
// The same with the buffer's size given in bytes.
HRESULT XF_AnsiToWideBytes(WCHAR* wszDest, const char* szSource, int iSizeInBytes);
