// stateinventory-bench: the state screen's inventory on the game started on a
// game folder (the sample game by default), its weapon tab filled with 10,
// 100, 1,000 and 5,000 drawers: every page shown in turn (the page step, the
// drawers read, the rows' names, icons and texts set) against a loop that
// reads the same fields of the same drawers from the data layer and nothing
// else; and, to split the page's time, the ten rows' icons and texts set alone
// from what the last page showed. Prints the times per page and their ratios;
// it is no test.
//
//   stateinventory-bench [GAME_FOLDER\]

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_UnattendedRun.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/View/JC_StateModuleView7.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchGame.h"
#include "bench/Support/BenchTiming.h"
#include "bench/Support/StateScreenOwner.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const int DRAWER_COUNTS[] = {10, 100, 1000, 5000};
const DWORD WEAPON_KINDS = 5;
const int RUNS = 5;
const int WEAPON_TAB = JC_StateModuleView7::ITEM_FIRST_TAB + 1;
const DWORD HERO = 1;

const JC_ControlWarehouse& Warehouse()
{
    return gp_ControlManagerObj->m_ControlWarehouseObj;
}

// One drawer a weapon: pieces of the same weapon never stack.
bool FillWeapons(int iCount)
{
    DWORD dwResult = Warehouse().EmptyWarehouse(JC_ControlWarehouse::WAREHOUSE_WEAPON);
    for (int i = 0; i < iCount && dwResult == 0; ++i)
        dwResult = Warehouse().AddThing(JC_ControlWarehouse::WAREHOUSE_WEAPON, 1 + static_cast<DWORD>(i) % WEAPON_KINDS, 1);
    return dwResult == 0 && Warehouse().HowManyDrawerInWarehouse(JC_ControlWarehouse::WAREHOUSE_WEAPON) == iCount;
}

// Every page from the first, as the next-page button shows them.
double PagesSeconds(JC_StateModuleView7& view, int iPages)
{
    return BenchSecondsOf([&] {
        for (int p = 0; p < iPages; ++p) {
            view.NextPage();
            view.ShowPage();
        }
    });
}

// What a row shows of each drawer, read straight from the records.
double BareSeconds(size_t& uBytes)
{
    const JC_ControlWarehouse& warehouse = Warehouse();
    const int iWarehouse = JC_ControlWarehouse::WAREHOUSE_WEAPON;
    return BenchSecondsOf([&] {
        const int iCount = warehouse.HowManyDrawerInWarehouse(iWarehouse);
        for (int d = 0; d < iCount; ++d) {
            JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(iWarehouse, d);
            JC_DataComponent* const pThing = warehouse.GetDrawerObjInfo_Thing(pDrawer);
            int iPhoto = 0;
            std::string strName;
            pThing->GetItemValue("Photo", &iPhoto);
            pThing->GetItemValue("Name", &strName);
            uBytes += strName.size() + warehouse.GetDrawerObjInfo_ThingCount(pDrawer) + static_cast<size_t>(iPhoto);
        }
    });
}

// The last page's rows set again, as many times as there are pages; a row
// whose drawer shows no icon of its own takes the default, as the view does.
double RowsSeconds(JC_StateModuleView7& view, JC_ModuleResource& resource, int iPages)
{
    const std::string strDefault = view.GetPathThingIcon() + "DefaultWeapon.bmp";
    const std::string strIcon = view.GetPathThingIcon() + "0001.bmp";
    return BenchSecondsOf([&] {
        for (int p = 0; p < iPages; ++p) {
            for (int r = 0; r < JC_StateModuleView7::ROW_COUNT; ++r) {
                resource.ChangeScreenPictureOrDefault(view.GetPicture(JC_StateModuleView7::ITEM_FIRST_ICON + r),
                                                      strIcon.c_str(), strDefault.c_str());
                view.GetString(JC_StateModuleView7::ITEM_FIRST_NAME + r)->SetString(view.GetRowName(r).c_str(),
                                                                                    0xFFFFFFFF);
            }
        }
    });
}

bool OpenInventory(JC_StateModuleDocument& document)
{
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    JC_DataComponent* pHero = nullptr;
    if (team.EmptyTeam(TeamID::TEAMID_OUR) != 0 || team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, 0, HERO) != 0
        || team.GetPersonFromTeam(TeamID::TEAMID_OUR, 0, pHero) != 0)
        return false;
    if (document.SetOperateTeam(1) != 0 || document.SetOperatePerson(pHero) != 0 || document.Enable() != S_OK
        || !document.IsViewsReady())
        return false;
    return document.SetDocumentMode(JC_StateModuleDocument::MODE_THING) == 0;
}

int Bench(JC_StateModuleDocument& document)
{
    if (!OpenInventory(document)) {
        std::printf("the state screen's inventory did not open\n");
        return 1;
    }
    auto& view = *static_cast<JC_StateModuleView7*>(document.GetView(JC_StateModuleDocument::VIEW_THING));
    std::printf("every inventory page shown against the same drawers read alone, best of %d runs\n", RUNS);
    for (const int iCount : DRAWER_COUNTS) {
        if (!FillWeapons(iCount)) {
            std::printf("filling %d weapons failed\n", iCount);
            return 1;
        }
        view.SelectTab(WEAPON_TAB);
        const int iPages = (iCount + JC_StateModuleView7::ROW_COUNT - 1) / JC_StateModuleView7::ROW_COUNT;
        size_t uBytes = 0;
        const double dPages = BenchBestOf(RUNS, [&] { return PagesSeconds(view, iPages); });
        const double dBare = BenchBestOf(RUNS, [&] { return BareSeconds(uBytes); });
        const double dRows =
            BenchBestOf(RUNS, [&] { return RowsSeconds(view, *document.GetModuleResource(), iPages); });
        std::printf("%5d drawers, %3d pages: page %7.2f us, bare loop %5.2f us, rows set alone %6.2f us a page; "
                    "page / bare = %5.2f, page / (bare + rows) = %4.2f\n",
                    iCount, iPages, dPages * 1e6 / iPages, dBare * 1e6 / iPages, dRows * 1e6 / iPages,
                    dPages / dBare, dPages / (dBare + dRows));
    }
    document.Close();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("usage: stateinventory-bench GAME_FOLDER\\\n");
        return 1;
    }
    XC_UnattendedRun::Set(true, 1);
    XC_GameProcedureFactory::RegisterShellProcedures();
    XC_GameProcedureFactory::Register(StateScreenOwner::PROCEDURE_ID, &StateScreenOwner::Create);
    BenchGame game(strFolder);
    if (!game.Start() || !game.Open(StateScreenOwner::PROCEDURE_ID)) {
        std::printf("the game did not start on %s\n", strFolder.c_str());
        return 1;
    }
    return Bench(*g_pStateModuleDocumentObj);
}
