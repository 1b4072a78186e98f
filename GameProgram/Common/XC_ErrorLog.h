#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>

#include <map>

// The one error log of the program: writes each distinct report once to the
// debug log file, to an attached debugger and, when switched on, to a box.
// It does not own the file handle: the data layer's debug log does.
class XC_ErrorLog
{
public:
    int SetFileHandle(HANDLE hFile);
    int SetMessageBox(int iFlag);
    int SetOnceOnly(int iFlag);
    int ClearRecords();
    // 1 when the text was written before; otherwise records it and gives 0.
    int IsRecorded(const char* szText);

    void Report(const char* szFile, int iLine, const char* szText);
    void Write(const char* szText);
    void WriteMessage(const char* szText);

private:
    void Output(const XC_String& strOutput) const;

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    int m_iMessageBox = 0;
    int m_iOnceOnly = 1;
    std::map<XC_String, int> m_Record;
};

extern XC_ErrorLog* g_pErrorLog;
