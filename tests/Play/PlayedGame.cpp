#include "tests/Play/PlayedGame.h"

#include "tests/Support/InputWindow.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

const char* const SETTINGS_KEY = "Oskel4_Trial";

// Windowed 800x600 at full speed, whatever an earlier run left.
void SetWindowedSettings()
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return;
    const struct
    {
        const char* szName;
        DWORD dwValue;
    } values[] = {{"IsFullscreen", 0}, {"CreationWidth", 800}, {"CreationHeight", 600}, {"GameSpeed", 100}};
    for (const auto& value : values)
        RegSetValueExA(hKey, value.szName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.dwValue), sizeof(DWORD));
    RegCloseKey(hKey);
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The newest ".bmp" of a folder, or an empty path.
std::string NewestBitmap(const std::string& strFolder)
{
    WIN32_FIND_DATAA data;
    const HANDLE hFind = FindFirstFileA((strFolder + "\\*.bmp").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return {};
    std::string strNewest;
    FILETIME newest = {};
    do {
        if (CompareFileTime(&data.ftLastWriteTime, &newest) >= 0) {
            newest = data.ftLastWriteTime;
            strNewest = strFolder + "\\" + data.cFileName;
        }
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
    return strNewest;
}

} // namespace

PlayedGame::PlayedGame(const std::string& strFolder, const std::string& strArguments, const std::string& strProgram)
    : m_strFolder(strFolder)
{
    SetWindowedSettings();
    m_hReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const std::string strCommandLine = "\"" + strFolder + strProgram + "\" " + strArguments;
    m_Debugger = std::thread([this, strCommandLine] { Run(strCommandLine); });
    WaitForSingleObject(m_hReady, 30000);
}

PlayedGame::~PlayedGame()
{
    if (!WaitForExit(0) && m_hProcess != nullptr)
        TerminateProcess(m_hProcess, 1);
    if (m_Debugger.joinable())
        m_Debugger.join();
    if (m_hReady != nullptr)
        CloseHandle(m_hReady);
}

// The debugger's thread: it starts the program and must be the one that
// waits for its events.
void PlayedGame::Run(const std::string& strCommandLine)
{
    std::vector<char> commandLine(strCommandLine.begin(), strCommandLine.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    m_bStarted = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                                nullptr, m_strFolder.c_str(), &startup, &process) != FALSE;
    m_hProcess = process.hProcess;
    SetEvent(m_hReady);
    if (!m_bStarted)
        return;
    for (;;) {
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, INFINITE))
            break;
        DWORD dwContinue = DBG_CONTINUE;
        if (event.dwDebugEventCode == OUTPUT_DEBUG_STRING_EVENT) {
            const OUTPUT_DEBUG_STRING_INFO& info = event.u.DebugString;
            std::string text(info.nDebugStringLength, '\0');
            SIZE_T read = 0;
            ReadProcessMemory(process.hProcess, info.lpDebugStringData, text.data(), text.size(), &read);
            text.resize(read);
            Note(text.c_str());
        } else if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT && event.u.Exception.dwFirstChance) {
            dwContinue = DBG_EXCEPTION_NOT_HANDLED;
        } else if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) {
            CloseHandle(event.u.CreateProcessInfo.hFile);
        } else if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) {
            CloseHandle(event.u.LoadDll.hFile);
        }
        if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_dwExitCode = event.u.ExitProcess.dwExitCode;
            m_bExited = true;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, dwContinue);
        if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
            break;
    }
    CloseHandle(process.hThread);
}

void PlayedGame::Note(const std::string& strText)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_strOutput += strText;
}

std::string PlayedGame::Output() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_strOutput;
}

bool PlayedGame::WaitFor(const std::function<bool()>& done, DWORD dwMilliseconds) const
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - dwStart >= dwMilliseconds)
            return false;
        Sleep(50);
    }
}

bool PlayedGame::WaitForOutput(const std::string& strText, DWORD dwMilliseconds) const
{
    return WaitFor([&] { return Output().find(strText) != std::string::npos; }, dwMilliseconds);
}

bool PlayedGame::WaitForExit(DWORD dwMilliseconds) const
{
    return WaitFor(
        [&] {
            std::lock_guard<std::mutex> lock(m_Mutex);
            return m_bExited || !m_bStarted;
        },
        dwMilliseconds);
}

DWORD PlayedGame::ExitCode() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_dwExitCode;
}

HWND PlayedGame::Window() const
{
    return FindWindowA("D3D Window", "Oskel4");
}

bool PlayedGame::MoveTo(int iX, int iY)
{
    POINT point = {400 + iX - m_GameCursor.x, 300 + iY - m_GameCursor.y};
    if (Window() == nullptr || !ClientToScreen(Window(), &point))
        return false;
    m_GameCursor = {iX, iY};
    return RunXdotool("mousemove " + std::to_string(point.x) + " " + std::to_string(point.y));
}

bool PlayedGame::Click(int iX, int iY, int iButton)
{
    if (!MoveTo(iX, iY))
        return false;
    Sleep(300);
    return RunXdotool("click " + std::to_string(iButton));
}

// Held a while: the game reads the keyboard once a frame, and a press and
// release between two frames would go unseen.
bool PlayedGame::Key(const std::string& strKey) const
{
    if (!RunXdotool("keydown " + strKey))
        return false;
    Sleep(250);
    return RunXdotool("keyup " + strKey);
}

std::string PlayedGame::Screenshot() const
{
    const std::string strFolder = m_strFolder + "ScreenShot";
    const std::string strBefore = NewestBitmap(strFolder);
    // A key sent while the game is busy loading can be lost: press again.
    for (int iTry = 0; iTry < 4; ++iTry) {
        // The names are whole seconds: one shot a second at most.
        Sleep(1100);
        if (!Key("F1"))
            return {};
        std::string strShot;
        const bool bTaken = WaitFor(
            [&] {
                strShot = NewestBitmap(strFolder);
                return !strShot.empty() && strShot != strBefore;
            },
            5000);
        if (bTaken) {
            // Give the writer time to finish the file.
            Sleep(300);
            return strShot;
        }
    }
    return {};
}

std::string PlayedGame::Log() const
{
    return ReadFileText(m_strFolder + "Debug\\ErrorMessage.txt");
}

bool PlayedGame::HopTo(int iX, int iY)
{
    const int iHop = 150;
    for (;;) {
        const int iDX = iX - m_GameCursor.x;
        const int iDY = iY - m_GameCursor.y;
        const int iSteps = (std::max(std::abs(iDX), std::abs(iDY)) + iHop - 1) / iHop;
        if (iSteps <= 1)
            return MoveTo(iX, iY);
        if (!MoveTo(m_GameCursor.x + iDX / iSteps, m_GameCursor.y + iDY / iSteps))
            return false;
        Sleep(100);
    }
}

bool PlayedGame::PinCursorToCorner()
{
    for (int i = 0; i < 6; ++i) {
        m_GameCursor = {400, 300};
        if (!MoveTo(250, 150))
            return false;
        Sleep(60);
    }
    m_GameCursor = {0, 0};
    return true;
}
