#include "bench/worldmap/MapFrameBench.h"

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_UnattendedRun.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapProcedure.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DataComponentMaker.h"
#include "bench/Support/BenchGame.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const int FRAMES = 200;
const int WARM_FRAMES = 20;
const int RUNS = 3;
// The sample map's crossroads, the pattern of the generated places.
const DWORD PATTERN_PLACE = 2;
// Generated places stand on a grid of this many columns, this far apart.
const int COLUMNS = 20;
const float SPACING = 3.0f;

// Places 3 to n copied from the pattern onto a grid, each linked to the one
// before; the map's count set to n and its site to the first place.
bool GeneratePlaces(DWORD dwCount)
{
    JC_DataComponentMaker* const pMaker = gp_DataManagerObj->GetUnfixedDataObj(UNFIXEDDATAKIND_WORLDMAP0);
    JC_DataComponent* const pPattern = gp_DataManagerObj->GetPlaceDataComponent(0, PATTERN_PLACE);
    JC_DataComponent* const pMap = gp_DataManagerObj->GetWorldMapInfoDataComponent(0);
    if (pMaker == nullptr || pPattern == nullptr || pMap == nullptr)
        return false;
    for (DWORD p = 4; p <= dwCount; ++p) {
        JC_DataOrder order;
        if (pMaker->ParseOrder("0," + std::to_string(p), order) != 0 || pMaker->SetComponent(order, pPattern) != 0)
            return false;
        JC_DataComponent* const pPlace = gp_DataManagerObj->GetPlaceDataComponent(0, p);
        const float fX = static_cast<float>(static_cast<int>(p) % COLUMNS) * SPACING - 30.0f;
        const float fZ = static_cast<float>(static_cast<int>(p) / COLUMNS) * SPACING - 20.0f;
        const JC_DWordArray links = {p - 1};
        const int iOpen = 1;
        if (pPlace == nullptr || pPlace->SetItemValue("PlacePhotoX", &fX) != 0
            || pPlace->SetItemValue("PlacePhotoZ", &fZ) != 0 || pPlace->SetItemValue("CanGoPlace", &links) != 0
            || pPlace->SetItemValue("PlaceIsOpen", &iOpen) != 0)
            return false;
    }
    const int iCount = static_cast<int>(dwCount);
    const int iSite = dwCount == 0 ? 0 : 1;
    return pMap->SetItemValue("PlaceCount", &iCount) == 0 && pMap->SetItemValue("SitePlaceID", &iSite) == 0;
}

// The best of RUNS times of FRAMES frames of the open map, in seconds a frame.
double FrameSeconds(BenchGame& game)
{
    for (int i = 0; i < WARM_FRAMES; ++i)
        game.Frame();
    return BenchBestOf(RUNS, [&] {
               return BenchSecondsOf([&] {
                   for (int i = 0; i < FRAMES; ++i)
                       game.Frame();
               });
           })
           / FRAMES;
}

// The map opened on dwCount places; a negative time when it did not open.
double MapFrameSeconds(BenchGame& game, DWORD dwCount)
{
    if (!GeneratePlaces(dwCount) || !game.Open(GP_WorldMap))
        return -1.0;
    const double dSeconds = FrameSeconds(game);
    game.Open(GP_None);
    return dSeconds;
}

} // namespace

int BenchMapFrames(const std::string& strFolder)
{
    XC_UnattendedRun::Set(true, 1);
    XC_GameProcedureFactory::RegisterShellProcedures();
    JC_WorldMapProcedure::Register();
    BenchGame game(strFolder);
    if (!game.Start()) {
        std::printf("the game did not start on %s\n", strFolder.c_str());
        return 1;
    }
    const double dEmpty = MapFrameSeconds(game, 0);
    if (dEmpty <= 0.0) {
        std::printf("the empty map did not open\n");
        return 1;
    }
    std::printf("map frame (update and render), best of %d runs of %d frames\n", RUNS, FRAMES);
    std::printf("  %3u places: %8.1f us a frame\n", 0u, dEmpty * 1e6);
    for (const DWORD dwCount : {2u, 50u, 300u}) {
        const double dSeconds = MapFrameSeconds(game, dwCount);
        if (dSeconds <= 0.0) {
            std::printf("the map of %u places did not open\n", static_cast<unsigned>(dwCount));
            return 1;
        }
        std::printf("  %3u places: %8.1f us a frame, %.2f times the empty map\n", static_cast<unsigned>(dwCount),
                    dSeconds * 1e6, dSeconds / dEmpty);
    }
    return 0;
}
