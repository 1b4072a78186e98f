#pragma once

#include "GameProgram/Common/XF_SourceFile.h"

#include <windows.h>

#include <string>

// The data layer's debug log: each line goes to the debugger's output and,
// while a log file is open, is appended to it and flushed at once, so the log
// survives a crash. The engine's error log writes to the same file handle.
class JC_DebugLog
{
public:
    // Messages of this many characters or more are dropped.
    static constexpr int MAX_MESSAGE = 1023;

    JC_DebugLog() = default;
    virtual ~JC_DebugLog();
    JC_DebugLog(const JC_DebugLog&) = delete;
    JC_DebugLog& operator=(const JC_DebugLog&) = delete;

    // Opens the file named by the folder (ending with its separator) and the
    // file name; see OpenLogFile.
    HRESULT Initiation(const char* szFolder, const char* szFileName, int iCreate, DWORD dwShareMode);
    // Closes an open file, then opens szPath for reading and writing with the
    // share mode: iCreate 1 starts an empty file, any other value keeps an
    // existing one. New lines are appended. 0, or E_FAIL with no file open.
    HRESULT OpenLogFile(const char* szPath, int iCreate, DWORD dwShareMode);
    // INVALID_HANDLE_VALUE while no file is open.
    HANDLE GetFileHandle() const;

    // Writes one printf-style line, followed by CR LF.
    void Print(const char* szFormat, ...) __attribute__((format(printf, 2, 3)));
    // The same, preceded by "source (line)" and CR LF.
    void PrintAt(const char* szSourceFile, int iLine, const char* szFormat, ...)
        __attribute__((format(printf, 4, 5)));

private:
    void CloseLogFile();
    // Formats the message with CR LF into m_szLine; false when it is too long.
    bool FormatLine(const char* szFormat, va_list args);
    void Output(const char* szText, size_t length) const;

    HANDLE m_hLogFile = INVALID_HANDLE_VALUE;
    // The longest message, CR LF and the terminator.
    char m_szLine[MAX_MESSAGE - 1 + 3] = {};
    std::string m_strComposedLine;
};

extern JC_DebugLog* gp_DebugInfoObj;
