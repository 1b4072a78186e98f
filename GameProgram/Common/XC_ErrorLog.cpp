#include "GameProgram/Common/XC_ErrorLog.h"

#include "GameProgram/Common/XC_ReportFileScope.h"
#include "GameProgram/Common/XF_InitOrder.h"

#include <cstdio>

namespace {

XC_ErrorLog s_ErrorLog XM_INIT_ORDER(XE_INIT_ERROR_LOG);

// The system's text for an error code, or an empty text when it has none.
XC_String SystemErrorText(DWORD dwError)
{
    char* szSystem = nullptr;
    const DWORD dwLength = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<char*>(&szSystem), 0, nullptr);
    XC_String strText;
    if (dwLength != 0 && szSystem != nullptr)
        strText.assign(szSystem, dwLength);
    LocalFree(szSystem);
    return strText;
}

} // namespace

XC_ErrorLog* g_pErrorLog = &s_ErrorLog;

int XC_ErrorLog::SetFileHandle(HANDLE hFile)
{
    m_hFile = hFile;
    return 0;
}

int XC_ErrorLog::SetMessageBox(int iFlag)
{
    m_iMessageBox = iFlag;
    return 0;
}

int XC_ErrorLog::SetOnceOnly(int iFlag)
{
    m_iOnceOnly = iFlag;
    return 0;
}

int XC_ErrorLog::ClearRecords()
{
    m_Record.clear();
    return 0;
}

int XC_ErrorLog::IsRecorded(const char* szText)
{
    const auto inserted = m_Record.emplace(XC_String(szText), 1);
    return inserted.second ? 0 : 1;
}

void XC_ErrorLog::Report(const char* szFile, int iLine, const char* szText)
{
    char szLine[32];
    std::snprintf(szLine, sizeof(szLine), " (%d)\r\n", iLine);
    XC_String strReport(szFile != nullptr ? szFile : "");
    strReport += szLine;
    if (szText != nullptr) {
        strReport += szText;
        const char* const szReadFile = XC_ReportFileScope::GetFileName();
        if (szReadFile != nullptr) {
            strReport += ", in ";
            strReport += szReadFile;
        }
    }
    Write(strReport.c_str());
}

void XC_ErrorLog::Write(const char* szText)
{
    const DWORD dwLastError = GetLastError();
    if (m_iOnceOnly && IsRecorded(szText))
        return;

    XC_String strOutput("\r\n");
    strOutput += szText;
    strOutput += "\r\n";
    if (dwLastError != 0) {
        const XC_String strSystem = SystemErrorText(dwLastError);
        if (!strSystem.empty()) {
            strOutput += "Windows Last Error = ";
            strOutput += strSystem;
            strOutput += "\r\n";
        }
    }
    Output(strOutput);
    if (m_iMessageBox == 1)
        MessageBoxA(nullptr, szText, "Debug", MB_OK);
}

void XC_ErrorLog::WriteMessage(const char* szText)
{
    if (m_iOnceOnly && IsRecorded(szText))
        return;
    Output(XC_String(szText));
    if (m_iMessageBox == 1)
        MessageBoxA(nullptr, szText, "Message", MB_OK);
}

void XC_ErrorLog::Output(const XC_String& strOutput) const
{
    if (IsDebuggerPresent())
        OutputDebugStringA(strOutput.c_str());
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    // Written bytes belong to the system at once and outlive a crash of the
    // program; flushing them to the disk per report made a burst of reports
    // (a list of thousands of missing pages) take seconds.
    DWORD dwWritten = 0;
    WriteFile(m_hFile, strOutput.data(), static_cast<DWORD>(strOutput.size()), &dwWritten, nullptr);
}
