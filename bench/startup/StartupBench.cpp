// startup-bench: how long the game takes from its construction to the first
// frame of the logo on a game folder (the sample game by default), against
// reading every byte of the files in that folder, in the same run.
//
//   startup-bench [GAME_FOLDER\]

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_UnattendedRun.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const int RUNS = 3;

// The game on a folder of our choice, ended right after its first frame.
class StartedGame : public XC_Game
{
public:
    explicit StartedGame(const std::string& strFolder)
    {
        lstrcpynA(m_szGamePath, strFolder.c_str(), MAX_PATH);
    }

    // Start-up through the first frame: false when the game did not start.
    bool StartAndDrawOneFrame()
    {
        if (FAILED(Create(GetModuleHandleA(nullptr))))
            return false;
        Render3DEnvironment();
        return GetProcedureID() == GP_Logo;
    }

    void End() { Shutdown(m_hWnd); }
};

void SetWindowedSettings()
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Oskel4_Trial", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return;
    const DWORD dwWindowed = 0;
    RegSetValueExA(hKey, "IsFullscreen", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwWindowed), sizeof(DWORD));
    RegCloseKey(hKey);
}

// Reads every file of the folder whole, but what the game writes (its log
// and screenshots); the bytes read.
size_t ReadEveryFile(const std::string& strFolder)
{
    size_t total = 0;
    std::vector<char> buffer;
    for (auto it = fs::recursive_directory_iterator(strFolder); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name == "Debug" || name == "ScreenShot")) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file())
            continue;
        const fs::directory_entry& entry = *it;
        std::ifstream in(entry.path(), std::ios::binary);
        buffer.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        total += buffer.size();
    }
    return total;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::fprintf(stderr, "usage: startup-bench GAME_FOLDER\\ (or OSKEL_SAMPLE_GAME)\n");
        return 1;
    }
    XC_UnattendedRun::Set(true, 1);
    XC_GameProcedureFactory::RegisterShellProcedures();
    SetWindowedSettings();

    bool bStarted = true;
    const double dStartUp = BenchBestOf(RUNS, [&] {
        StartedGame game(strFolder);
        const double dSeconds = BenchSecondsOf([&] { bStarted = game.StartAndDrawOneFrame() && bStarted; });
        game.End();
        return dSeconds;
    });
    if (!bStarted) {
        std::fprintf(stderr, "startup-bench: the game did not start on %s; see its Debug\\ErrorMessage.txt\n",
                     strFolder.c_str());
        return 1;
    }
    size_t bytes = 0;
    const double dRead = BenchBestOf(RUNS, [&] { return BenchSecondsOf([&] { bytes = ReadEveryFile(strFolder); }); });

    std::printf("start-up to the first logo frame: %.3f s\n", dStartUp);
    std::printf("reading the folder's %zu bytes:    %.3f s\n", bytes, dRead);
    std::printf("ratio start-up / reading: %.1f\n", dRead > 0.0 ? dStartUp / dRead : 0.0);
    return 0;
}
