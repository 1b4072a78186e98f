#pragma once

#include "tests/Support/ScopedTempFolder.h"

#include <windows.h>

#include <string>

// Runs datafile.exe from the test program's own folder with the arguments;
// its output goes through the file at strOutputPath into strOutput. Gives
// the tool's exit code.
inline DWORD RunDataFileTool(const std::string& strArguments, const std::string& strOutputPath,
                             std::string& strOutput)
{
    char szProgram[MAX_PATH];
    GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string strFolder = szProgram;
    strFolder.erase(strFolder.find_last_of('\\') + 1);
    std::string strCommand(1, '"');
    strCommand += strFolder;
    strCommand += "datafile.exe\" ";
    strCommand += strArguments;

    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    const HANDLE hOutput = CreateFileA(strOutputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = hOutput;
    startup.hStdError = hOutput;
    PROCESS_INFORMATION process = {};
    DWORD dwExitCode = 0xFFFFFFFF;
    if (CreateProcessA(nullptr, strCommand.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &dwExitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(hOutput);
    strOutput = ReadTestFile(strOutputPath);
    return dwExitCode;
}
