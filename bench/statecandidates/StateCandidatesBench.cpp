// statecandidates-bench.exe: fills the weapon warehouse of a game folder's
// new game with pieces of every weapon and collects the right hand's
// candidates through the state screen's candidate view, against a loop that
// reads the same fields of the same drawers from the data layer directly.
// Prints figures and ratios; it is no test.
//   tools/bench --run statecandidates-bench.exe [GAME_FOLDER]

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/JF_Game.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/View/JC_StateModuleView5.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int THING_COUNTS[] = {10, 100, 1000, 5000};
constexpr DWORD WEAPON_KINDS = 5;
constexpr int ROUNDS = 5;
constexpr int RIGHT_HAND = 4;

DWORD FillWeapons(const JC_ControlWarehouse& warehouse, int iCount)
{
    DWORD dwResult = warehouse.EmptyWarehouse(JC_ControlWarehouse::WAREHOUSE_WEAPON);
    for (int i = 0; i < iCount && dwResult == 0; ++i)
        dwResult = warehouse.AddThing(JC_ControlWarehouse::WAREHOUSE_WEAPON, 1 + static_cast<DWORD>(i) % WEAPON_KINDS, 1);
    return dwResult;
}

// What the view reads of each drawer, read straight from the records (the
// view has no person bound: job 0).
size_t BareCandidates(const JC_ControlWarehouse& warehouse)
{
    const int iWarehouse = JC_ControlWarehouse::WAREHOUSE_WEAPON;
    const int iCount = warehouse.HowManyDrawerInWarehouse(iWarehouse);
    size_t uFound = 0;
    for (int d = 0; d < iCount; ++d) {
        JC_DataComponent* const pThing = warehouse.GetDrawerObjInfo_Thing(warehouse.GetDrawerObj(iWarehouse, d));
        int iPosition = 0;
        int iJob = 0;
        int iPhoto = 0;
        std::string strName;
        pThing->GetItemValue("WearPosition", &iPosition);
        pThing->GetItemValue("EquipJob_Swordman", &iJob);
        pThing->GetItemValue("Photo", &iPhoto);
        pThing->GetItemValue("Name", &strName);
        if (iJob == 1 && (iPosition == RIGHT_HAND || iPosition == 8) && !strName.empty())
            ++uFound;
    }
    return uFound;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strGame = BenchGameFolder(argc, argv);
    if (strGame.empty()) {
        std::printf("usage: statecandidates-bench GAME_FOLDER\n");
        return 1;
    }
    DWORD dwResult = JF_Build(strGame);
    JC_ModuleMouse moduleMouse;
    JC_ModuleResource moduleResource;
    JC_StateModuleView5 view;
    if (dwResult == 0)
        dwResult = view.InitiationView(gp_ControlManagerObj, nullptr, &moduleMouse, &moduleResource);
    if (dwResult == 0)
        dwResult = view.SetCandidateFilter(JC_ControlWarehouse::WAREHOUSE_WEAPON, 1, 0, RIGHT_HAND);
    if (dwResult != 0) {
        std::printf("loading %s failed 0x%08x\n", strGame.c_str(), static_cast<unsigned>(dwResult));
        return 1;
    }
    const JC_ControlWarehouse& warehouse = gp_ControlManagerObj->m_ControlWarehouseObj;
    for (const int iCount : THING_COUNTS) {
        if (FillWeapons(warehouse, iCount) != 0) {
            std::printf("filling %d weapons failed\n", iCount);
            return 1;
        }
        size_t uBare = 0;
        const double dView = BenchBestOf(ROUNDS, [&] { return BenchSecondsOf([&] { view.CollectCandidates(); }); });
        const double dBare =
            BenchBestOf(ROUNDS, [&] { return BenchSecondsOf([&] { uBare = BareCandidates(warehouse); }); });
        std::printf("%5d weapons: %zu candidates, view %.3f ms, bare loop %.3f ms (%zu), view / bare = %.2f\n",
                    iCount, view.GetCandidates().size(), dView * 1000.0, dBare * 1000.0, uBare, dView / dBare);
    }
    JF_Destroy();
    return 0;
}
