#include "JC_Order/JF_OrderLog.h"

#include "TemplateSystem/JC_DebugLog.h"

#include <cstdarg>
#include <cstdio>

DWORD JF_OrderFail(JC_DebugLog* pErrorLog, const char* szSourceFile, int iLine, DWORD dwResult, const char* szFormat,
                   ...)
{
    if (pErrorLog == nullptr)
        return dwResult;
    char szMessage[JC_DebugLog::MAX_MESSAGE];
    va_list args;
    va_start(args, szFormat);
    std::vsnprintf(szMessage, sizeof(szMessage), szFormat, args);
    va_end(args);
    pErrorLog->PrintAt(szSourceFile, iLine, "%s", szMessage);
    return dwResult;
}
