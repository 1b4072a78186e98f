// warehouse-bench.exe: fills the weapon warehouse of a game folder's save
// state with pieces of random thing IDs, one by one, and the same IDs into a
// plain sorted vector in the same run. Prints figures and ratios, and how
// the fill time grows as the count doubles; it is no test.
//   tools/bench --run warehouse-bench.exe [GAME_FOLDER]

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int FILL_COUNTS[] = {1500, 3000, 6000};
constexpr DWORD WEAPON_ID = 1;
constexpr int ROUNDS = 3;

// The seconds a fill of the warehouse takes; 0 after a failure.
double FillWarehouse(JC_ControlWarehouse& warehouse, JC_DataComponent* pWeapon, const std::vector<DWORD>& ids)
{
    warehouse.EmptyWarehouse(JC_ControlWarehouse::WAREHOUSE_WEAPON);
    DWORD dwResult = 0;
    const double dSeconds = BenchSecondsOf([&] {
        for (DWORD dwID : ids) {
            dwResult = warehouse.AddThingObj(pWeapon, JC_ControlWarehouse::WAREHOUSE_WEAPON, dwID);
            if (dwResult != 0)
                return;
        }
    });
    if (dwResult != 0) {
        std::printf("adding failed 0x%08x\n", static_cast<unsigned>(dwResult));
        return 0.0;
    }
    return dSeconds;
}

double FillVector(const std::vector<DWORD>& ids)
{
    std::vector<DWORD> sorted;
    const double dSeconds = BenchSecondsOf([&] {
        for (DWORD dwID : ids)
            sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), dwID), dwID);
    });
    // Read after the clock, so the fill cannot be left out.
    if (!std::is_sorted(sorted.begin(), sorted.end()))
        std::printf("the vector is not sorted\n");
    return dSeconds;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strGame = BenchGameFolder(argc, argv);
    if (strGame.empty()) {
        std::printf("usage: warehouse-bench GAME_FOLDER\n");
        return 1;
    }
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    JC_DebugLog log;
    log.OpenLogFile((std::string(szTemp) + "warehouse-bench.log").c_str(), 1, FILE_SHARE_READ);
    JC_DataManager dataManager;
    JC_BehaviorAnalyser analyser;
    JC_ControlWarehouse warehouse;
    DWORD dwResult = LoadBenchGameData(strGame, &log, dataManager, analyser);
    if (dwResult == 0)
        dwResult = warehouse.Initiation(&dataManager, &analyser);
    JC_DataComponent* pWeapon = dataManager.GetWeaponObj(WEAPON_ID);
    if (dwResult != 0 || pWeapon == nullptr) {
        std::printf("loading %s failed 0x%08x\n", strGame.c_str(), static_cast<unsigned>(dwResult));
        return 1;
    }

    std::mt19937 random(20240611);
    std::uniform_int_distribution<DWORD> idOf(1, 1000000);
    double dPrevious = 0.0;
    for (int iCount : FILL_COUNTS) {
        std::vector<DWORD> ids(static_cast<size_t>(iCount));
        for (DWORD& dwID : ids)
            dwID = idOf(random);
        const double dWarehouse = BenchBestOf(ROUNDS, [&] { return FillWarehouse(warehouse, pWeapon, ids); });
        const double dVector = BenchBestOf(ROUNDS, [&] { return FillVector(ids); });
        if (dWarehouse == 0.0)
            return 1;
        std::printf("%5d weapons: warehouse %.1f ms, sorted vector %.3f ms, warehouse / vector = %.0f", iCount,
                    dWarehouse * 1000.0, dVector * 1000.0, dWarehouse / dVector);
        if (dPrevious > 0.0)
            std::printf(", time against half the count = %.2f (quadratic 4)", dWarehouse / dPrevious);
        std::printf("\n");
        dPrevious = dWarehouse;
    }
    return 0;
}
