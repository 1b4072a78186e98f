// script-bench.exe: lines per second of the game-script interpreter on a
// script of Set, Add and if blocks, against splitting the same text into
// lines in the same run. Prints figures and a ratio; it is no test.
//   tools/bench --run script-bench.exe [GAME_FOLDER]

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Ten lines a block; the script runs RUNS times: 100,000 lines. A script
// record holds a bounded number of lines, so the text is cut in runs.
constexpr int BLOCKS = 100;
constexpr int RUNS = 100;
const char* const s_szBlock = "Set,FlagEvent,1,5\r\nAdd,FlagEvent,1,1\r\nif(FlagEvent[1]>3)\r\n{\r\n"
                              "Add,FlagTalk,2,1\r\n}\r\nelse\r\n{\r\nSet,FlagTalk,2,0\r\n}\r\n";

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double RunScript(JC_ScriptManager& scripts, const std::string& strScript)
{
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < RUNS; ++i) {
        if (scripts.LoadScript(strScript.data(), static_cast<DWORD>(strScript.size())) != 0)
            return 0.0;
        scripts.UpdateAll();
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

double SplitLines(const std::string& strScript, size_t& lineCount)
{
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    lineCount = 0;
    for (int i = 0; i < RUNS; ++i) {
        std::vector<std::string> lines;
        size_t lineStart = 0;
        for (size_t at = strScript.find("\r\n"); at != std::string::npos; at = strScript.find("\r\n", lineStart)) {
            lines.emplace_back(strScript, lineStart, at - lineStart);
            lineStart = at + 2;
        }
        lineCount += lines.size();
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

} // namespace

int main(int argc, char** argv)
{
    const char* szGame = argc > 1 ? argv[1] : std::getenv("OSKEL_SAMPLE_GAME");
    if (szGame == nullptr) {
        std::printf("usage: script-bench GAME_FOLDER\n");
        return 1;
    }
    std::string strGame = szGame;
    if (strGame.back() != '\\')
        strGame += '\\';
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    JC_DebugLog log;
    log.OpenLogFile((std::string(szTemp) + "script-bench.log").c_str(), 1, FILE_SHARE_READ);
    JC_DataManager dataManager;
    JC_ScriptManager scripts;
    DWORD dwResult = dataManager.Initiation(strGame, &log);
    if (dwResult == 0)
        dwResult = dataManager.InitFixedData(1);
    if (dwResult == 0)
        dwResult = dataManager.InitUnfixedData(0);
    if (dwResult == 0)
        dwResult = scripts.Initiation(strGame, &dataManager);
    if (dwResult != 0) {
        std::printf("loading %s failed 0x%08x\n", strGame.c_str(), static_cast<unsigned>(dwResult));
        return 1;
    }

    std::string strScript;
    for (int i = 0; i < BLOCKS; ++i)
        strScript += s_szBlock;
    size_t lineCount = 0;
    const double dSplit = SplitLines(strScript, lineCount);
    const double dScript = RunScript(scripts, strScript);
    if (dScript == 0.0 || scripts.IsScriptLoaded()) {
        std::printf("the script did not run to its end\n");
        return 1;
    }
    std::printf("lines: %zu\n", lineCount);
    std::printf("interpreter: %.3f s, %.0f lines/s\n", dScript, static_cast<double>(lineCount) / dScript);
    std::printf("splitting:   %.3f s, %.0f lines/s\n", dSplit, static_cast<double>(lineCount) / dSplit);
    std::printf("ratio interpreter/splitting: %.1f\n", dScript / dSplit);
    return 0;
}
