#pragma once

#include <windows.h>

#include <cstddef>

// Writes a whole file so that a failure leaves the old file as it was: the
// bytes go to a temporary file in the same folder, which then replaces the old
// one. S_OK or E_FAIL.
HRESULT XF_WriteFileSafely(const char* szPath, const void* pData, size_t size);
