#include "TemplateSystem/JC_DebugLog.h"

#include "GameProgram/Common/XF_InitOrder.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

JC_DebugLog s_DebugLog XM_INIT_ORDER(XE_INIT_DEBUG_LOG);

} // namespace

JC_DebugLog* gp_DebugInfoObj = &s_DebugLog;

JC_DebugLog::~JC_DebugLog()
{
    CloseLogFile();
}

HRESULT JC_DebugLog::Initiation(const char* szFolder, const char* szFileName, int iCreate, DWORD dwShareMode)
{
    if (szFolder == nullptr || szFileName == nullptr) {
        CloseLogFile();
        return E_FAIL;
    }
    const std::string strPath = std::string(szFolder) + szFileName;
    return OpenLogFile(strPath.c_str(), iCreate, dwShareMode);
}

HRESULT JC_DebugLog::OpenLogFile(const char* szPath, int iCreate, DWORD dwShareMode)
{
    CloseLogFile();
    if (szPath == nullptr || szPath[0] == '\0')
        return E_FAIL;
    const HANDLE hFile = CreateFileA(szPath, GENERIC_READ | GENERIC_WRITE, dwShareMode, nullptr,
                                     iCreate == 1 ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                     nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return E_FAIL;
    SetFilePointer(hFile, 0, nullptr, FILE_END);
    m_hLogFile = hFile;
    return S_OK;
}

HANDLE JC_DebugLog::GetFileHandle() const
{
    return m_hLogFile;
}

void JC_DebugLog::Print(const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    const bool bFormatted = FormatLine(szFormat, args);
    va_end(args);
    if (bFormatted)
        Output(m_szLine, std::strlen(m_szLine));
}

void JC_DebugLog::PrintAt(const char* szSourceFile, int iLine, const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    const bool bFormatted = FormatLine(szFormat, args);
    va_end(args);
    if (!bFormatted)
        return;
    char szPosition[32];
    std::snprintf(szPosition, sizeof(szPosition), " (%d)\r\n", iLine);
    m_strComposedLine = szSourceFile != nullptr ? szSourceFile : "";
    m_strComposedLine += szPosition;
    m_strComposedLine += m_szLine;
    Output(m_strComposedLine.c_str(), m_strComposedLine.size());
}

void JC_DebugLog::CloseLogFile()
{
    if (m_hLogFile == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(m_hLogFile);
    m_hLogFile = INVALID_HANDLE_VALUE;
}

bool JC_DebugLog::FormatLine(const char* szFormat, va_list args)
{
    if (szFormat == nullptr)
        return false;
    va_list measure;
    va_copy(measure, args);
    const int iLength = std::vsnprintf(nullptr, 0, szFormat, measure);
    va_end(measure);
    if (iLength < 0 || iLength >= MAX_MESSAGE)
        return false;
    std::vsnprintf(m_szLine, sizeof(m_szLine), szFormat, args);
    std::memcpy(m_szLine + iLength, "\r\n", 3);
    return true;
}

void JC_DebugLog::Output(const char* szText, size_t length) const
{
    OutputDebugStringA(szText);
    if (m_hLogFile == INVALID_HANDLE_VALUE)
        return;
    DWORD dwWritten = 0;
    WriteFile(m_hLogFile, szText, static_cast<DWORD>(length), &dwWritten, nullptr);
    FlushFileBuffers(m_hLogFile);
}
