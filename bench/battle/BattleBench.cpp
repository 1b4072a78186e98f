// Times the battle's walking flood fill against a plain Dijkstra over the
// same steps on floors of four sizes, with the cells' landform facts read
// from the save record each time and from the per-battle cache, and checks
// that every fill equals its Dijkstra; then times MergeTable. Prints the
// figures and the ratios.

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "bench/Support/BenchBattleFloor.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const DWORD SIDES[] = {16, 32, 64, 128};
const DWORD PERSONS[] = {8, 16, 32, 64};
const LONG JUMP = 50;
const int RUNS = 5;

std::vector<LONG> Fill(LONG lSource, LONG lPower, DWORD dwCamp)
{
    const LONG* const plTable =
        g_pSceneTableManager->BuildTableMovePowerByType(lSource, lPower, JUMP, JUMP, dwCamp, 0, FALSE, FALSE);
    return std::vector<LONG>(plTable, plTable + g_pSceneTableManager->GetFloorCount());
}

// A free plain cell to walk from.
LONG FindSource(DWORD dwSide)
{
    const LONG* const plPersons = g_pSceneTableManager->BuildTableAllPerson();
    const std::vector<LONG> persons(plPersons, plPersons + dwSide * dwSide);
    for (DWORD i = dwSide * dwSide / 2; i < dwSide * dwSide; ++i) {
        if (persons[i] == -1 && g_pSceneFunctionObj->IsFloorCanStay(static_cast<LONG>(i)) != 0)
            return static_cast<LONG>(i);
    }
    return 0;
}

double Milliseconds(const std::function<void()>& work)
{
    return BenchBestOf(RUNS, [&] { return BenchSecondsOf(work); }) * 1000.0;
}

bool BenchOneFloor(XC_Scene& scene, XC_GamePersonManager& persons, XC_SceneTableManager& tables, DWORD dwSide,
                   DWORD dwPersons)
{
    g_pSceneFunctionObj->ClearCellCache();
    if (!LayFloor(scene, dwSide))
        return false;
    // Half the persons the hero's camp, half the computer's.
    PlacePersons(dwSide, dwPersons, 1, 11);
    persons.Init(&scene, &gp_ControlManagerObj->m_ControlTeamObj);
    tables.Init();
    const LONG lSource = FindSource(dwSide);
    const LONG lPower = static_cast<LONG>(dwSide);

    std::vector<LONG> fillRecord, fillCache, dijkstraRecord, dijkstraCache;
    const double dFillRecord = Milliseconds([&] { fillRecord = Fill(lSource, lPower, 0); });
    const double dDijkstraRecord = Milliseconds([&] { dijkstraRecord = PlainDijkstra(lSource, lPower, 0, JUMP); });
    g_pSceneFunctionObj->RefreshCellCache();
    const double dFillCache = Milliseconds([&] { fillCache = Fill(lSource, lPower, 0); });
    const double dDijkstraCache = Milliseconds([&] { dijkstraCache = PlainDijkstra(lSource, lPower, 0, JUMP); });
    const bool bEqual = fillRecord == dijkstraRecord && fillCache == dijkstraCache && fillCache == fillRecord;
    DWORD dwReached = 0;
    for (const LONG lValue : fillCache)
        dwReached += lValue >= 0 ? 1 : 0;
    std::printf("%4lu x %-4lu %3lu persons, power %3ld, %5lu cells reached: fill %9.3f ms, Dijkstra %9.3f ms (record); "
                "fill %8.3f ms, Dijkstra %8.3f ms (cache); fill/Dijkstra %.2f (record) %.2f (cache); "
                "record/cache %.1f; %s\n",
                dwSide, dwSide, dwPersons, lPower, dwReached, dFillRecord, dDijkstraRecord, dFillCache, dDijkstraCache,
                dFillRecord / dDijkstraRecord, dFillCache / dDijkstraCache, dFillRecord / dFillCache,
                bEqual ? "equal" : "DIFFERENT");
    persons.DelAllPerson();
    return bEqual;
}

void BenchMerge(XC_SceneTableManager& tables)
{
    const DWORD dwCount = tables.GetFloorCount();
    std::vector<LONG> target(dwCount, 0);
    std::vector<LONG> source(dwCount);
    for (DWORD i = 0; i < dwCount; ++i)
        source[i] = static_cast<LONG>(i % 7) - 3;
    sMergeTableInfo info;
    info.plTableTarget = target.data();
    info.plTable1 = source.data();
    info.dwCompareValue1 = 1;
    info.dwCompareValue2 = 5;
    info.dwCompareType = 5;
    info.dwSuccessValue1 = 1;
    info.dwSuccessValue2 = 1;
    info.dwSuccessMergeType = 6;
    info.dwFailMergeType = 2;
    const int iMerges = 200;
    const double dSeconds = BenchBestOf(RUNS, [&] {
        return BenchSecondsOf([&] {
            for (int i = 0; i < iMerges; ++i)
                tables.MergeTable(&info);
        });
    });
    const double dPlain = BenchBestOf(RUNS, [&] {
        return BenchSecondsOf([&] {
            for (int i = 0; i < iMerges; ++i) {
                for (DWORD c = 0; c < dwCount; ++c)
                    target[c] = source[c] > 0 ? source[c] + source[c] : target[c] + 1;
            }
        });
    });
    std::printf("MergeTable: %.1f million cells per second; a plain loop of the same merge %.1f; ratio %.2f "
                "(checksum %ld)\n",
                iMerges * static_cast<double>(dwCount) / dSeconds / 1e6,
                iMerges * static_cast<double>(dwCount) / dPlain / 1e6, dSeconds / dPlain, target[dwCount / 2]);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("usage: battle-bench GAME_FOLDER\\\n");
        return 1;
    }
    OneAnimationPack pack;
    BenchBattleStage stage("BattleBench", strFolder, pack);
    if (!stage.IsReady())
        return 1;
    std::srand(7);
    int iResult = 0;
    for (size_t i = 0; i < std::size(SIDES); ++i) {
        if (!BenchOneFloor(stage.Scene(), stage.Persons(), stage.Tables(), SIDES[i], PERSONS[i]))
            iResult = 1;
    }
    BenchMerge(stage.Tables());
    return iResult;
}
