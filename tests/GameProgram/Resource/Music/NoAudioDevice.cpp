#include "tests/GameProgram/Resource/Music/NoAudioDevice.h"

#include "tests/Support/ScopedTempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const NO_AUDIO_VARIABLE = "OSKEL_NO_AUDIO_DEVICE";
const char* const AUDIO_DRIVERS[] = {"winealsa.drv", "winepulse.drv", "wineoss.drv", "winecoreaudio.drv"};
const DWORD CHILD_TIMEOUT_MS = 120000;

std::string CurrentTestName()
{
    const testing::TestInfo* const pInfo = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(pInfo->test_suite_name()) + "." + pInfo->name();
}

// Wine reads overrides per program name below this key.
std::string AppDefaultsKey(const std::string& exeName)
{
    return "Software\\Wine\\AppDefaults\\" + exeName;
}

bool DisableAudioDrivers(const std::string& exeName)
{
    HKEY hKey = nullptr;
    const std::string path = AppDefaultsKey(exeName) + "\\DllOverrides";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr)
        != ERROR_SUCCESS)
        return false;
    bool bDone = true;
    for (const char* szDriver : AUDIO_DRIVERS)
        bDone = bDone && RegSetValueExA(hKey, szDriver, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1)
                             == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return bDone;
}

DWORD RunAndWait(const std::string& exePath, std::string commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return STILL_ACTIVE;
    DWORD dwExitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, CHILD_TIMEOUT_MS) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &dwExitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return dwExitCode;
}

// An empty filter match also exits with 0: the report must show one test run
// and no failure.
bool ReportShowsOnePass(const std::string& report)
{
    return report.find("tests=\"1\"") != std::string::npos && report.find("failures=\"0\"") != std::string::npos
        && report.find("<failure") == std::string::npos && report.find("result=\"completed\"") != std::string::npos;
}

} // namespace

bool IsWithoutAudioDevice()
{
    return GetEnvironmentVariableA(NO_AUDIO_VARIABLE, nullptr, 0) != 0;
}

bool RunCurrentTestWithoutAudioDevice()
{
    const ScopedTempFolder folder;
    char szSelf[MAX_PATH];
    if (GetModuleFileNameA(nullptr, szSelf, MAX_PATH) == 0)
        return false;
    const std::string exeName = "NoAudio" + std::to_string(GetCurrentProcessId()) + ".exe";
    const std::string exePath = folder.File(exeName);
    const std::string reportPath = folder.File("report.xml");
    if (!CopyFileA(szSelf, exePath.c_str(), FALSE) || !DisableAudioDrivers(exeName)) {
        RegDeleteTreeA(HKEY_CURRENT_USER, AppDefaultsKey(exeName).c_str());
        return false;
    }
    SetEnvironmentVariableA(NO_AUDIO_VARIABLE, "1");
    const DWORD dwExitCode = RunAndWait(exePath, "\"" + exePath + "\" --gtest_filter=" + CurrentTestName()
                                                     + " --gtest_output=xml:" + reportPath);
    SetEnvironmentVariableA(NO_AUDIO_VARIABLE, nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, AppDefaultsKey(exeName).c_str());
    return dwExitCode == 0 && ReportShowsOnePass(ReadTestFile(reportPath));
}
