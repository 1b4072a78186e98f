#pragma once

#include "GameProgram/Common/XC_ErrorLog.h"

#include "tests/Support/ScopedTempFolder.h"

#include <windows.h>

#include <string>

// Sends the global error log's reports to a fresh file for the life of the
// object, with an empty record, and puts the log back as the program starts it.
// Header-only, so only test programs that link the engine pull it in.
class ErrorLogCapture
{
public:
    ErrorLogCapture()
    {
        m_hFile = CreateFileA(m_Folder.File("errors.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        g_pErrorLog->SetFileHandle(m_hFile);
        g_pErrorLog->SetOnceOnly(1);
        g_pErrorLog->ClearRecords();
    }

    ~ErrorLogCapture()
    {
        g_pErrorLog->SetFileHandle(INVALID_HANDLE_VALUE);
        g_pErrorLog->SetOnceOnly(1);
        g_pErrorLog->ClearRecords();
        CloseHandle(m_hFile);
    }

    ErrorLogCapture(const ErrorLogCapture&) = delete;
    ErrorLogCapture& operator=(const ErrorLogCapture&) = delete;

    // Everything written to the log so far.
    std::string Text() const { return ReadTestFile(m_Folder.File("errors.txt")); }
    bool Contains(const std::string& part) const { return Text().find(part) != std::string::npos; }

private:
    ScopedTempFolder m_Folder;
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
