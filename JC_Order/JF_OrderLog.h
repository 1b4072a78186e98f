#pragma once

#include <windows.h>

class JC_DebugLog;

// Logs a failure of the order system at its source line (nothing without a
// log) and gives back its code, so a check reads "return JF_OrderFail(...)".
DWORD JF_OrderFail(JC_DebugLog* pErrorLog, const char* szSourceFile, int iLine, DWORD dwResult, const char* szFormat,
                   ...) __attribute__((format(printf, 5, 6)));
