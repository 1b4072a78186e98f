// town-bench: what the town's shop costs on the game started on a game folder
// (the sample game by default): the equipment comparison of a shield for a
// party of 20 persons, each trying it on a copy of its record, against
// reading the same defence values of the same persons without it; and a goods
// page flip over 1,000 goods (the page step and the rows read from the shop)
// against setting the ten rows' icons and texts alone. Prints the times and
// their ratios; it is no test.
//
//   town-bench [GAME_FOLDER\]

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedure.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_UnattendedRun.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_Town/JC_TownModuleDocument.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView0.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView4.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView6.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchGame.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int PERSONS = 20;
const int GOODS = 1000;
const int COMPARISONS = 100;
const int FLIPS = 1000;
const int RUNS = 5;
// The sample game's healer, who may carry the leather shield.
const DWORD HEALER = 3;
const DWORD KIND_WEARING = 3;
const DWORD SHIELD = 2;

// A procedure that owns the town screen, as the world map does.
class TownScreenOwner : public XC_GameProcedure
{
public:
    static constexpr int PROCEDURE_ID = 92;
    static XC_GameProcedure* Create() { return new TownScreenOwner; }
    HRESULT Init() override
    {
        g_pTownModuleDocumentObj = new JC_TownModuleDocument;
        return g_pTownModuleDocumentObj->Initiation(g_pGame->GetModuleManager(), g_pMouseStateObj, g_pMouseObj,
                                                    gp_ControlManagerObj) == 0
                   ? S_OK
                   : E_FAIL;
    }
    HRESULT Fini() override
    {
        delete g_pTownModuleDocumentObj;
        g_pTownModuleDocumentObj = nullptr;
        return S_OK;
    }
};

// Twenty healers in the party and 1,000 tools in the town's shop.
bool PrepareData()
{
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    team.EmptyTeam(TeamID::TEAMID_OUR);
    for (int i = 0; i < PERSONS; ++i) {
        if (team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, i, HEALER) != 0)
            return false;
    }
    gp_ControlManagerObj->m_ControlWorldMapObj.SetSitePlaceID(1);
    JC_DataComponent* const pShop = gp_DataManagerObj->GetShopObj(1);
    JC_DWordArray tools;
    for (int i = 0; i < GOODS; ++i)
        tools.push_back(1 + i % 4);
    return pShop != nullptr && pShop->SetItemValue("SaleTool", &tools) == 0;
}

// The same persons' defence read before and after, as the comparison reads it.
double ReadSeconds(int& iSum)
{
    JC_ControlPersonPower power;
    power.Initiation(gp_DataManagerObj, gp_ControlManagerObj->GetBehaviorAnalyser());
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    return BenchSecondsOf([&] {
        for (int n = 0; n < COMPARISONS; ++n) {
            for (int i = 0; i < PERSONS; ++i) {
                JC_DataComponent* pPerson = nullptr;
                team.GetPersonFromTeam(TeamID::TEAMID_OUR, i, pPerson);
                power.SetControlPerson(pPerson);
                iSum += power.GetEquipDefense() + power.GetEquipDefense();
            }
        }
    });
}

double CompareSeconds(JC_TownModuleView6& faces)
{
    return BenchSecondsOf([&] {
        for (int n = 0; n < COMPARISONS; ++n)
            faces.UpdateInfo(KIND_WEARING, SHIELD);
    });
}

double FlipSeconds(JC_TownModuleView4& goods)
{
    return BenchSecondsOf([&] {
        for (int n = 0; n < FLIPS; ++n) {
            goods.NextPage();
            goods.RefreshList();
        }
    });
}

// The rows of the page set again from what the last flip read.
double FillSeconds(JC_TownModuleView4& goods, JC_ModuleResource& resource)
{
    std::vector<std::string> icons;
    std::vector<std::string> texts;
    for (int r = 0; r < JC_TownModuleView4::ROW_COUNT; ++r) {
        const JC_TownModuleView4::JS_Entry& entry = goods.GetEntry(r);
        char szIcon[MAX_PATH];
        std::snprintf(szIcon, sizeof(szIcon), "%s%04u.bmp", goods.GetPathThingIcon().c_str(),
                      static_cast<unsigned>(entry.dwPhoto));
        icons.push_back(szIcon);
        texts.push_back(JC_TownModuleView4::RowText(entry.strName, entry.dwPrice));
    }
    const std::string strDefault = goods.GetPathThingIcon() + "Tool.bmp";
    return BenchSecondsOf([&] {
        for (int n = 0; n < FLIPS; ++n) {
            for (int r = 0; r < JC_TownModuleView4::ROW_COUNT; ++r) {
                resource.ChangeScreenPictureOrDefault(goods.GetPicture(JC_TownModuleView4::ITEM_ICON + r),
                                                      icons[r].c_str(), strDefault.c_str());
                goods.GetString(JC_TownModuleView4::ITEM_NAME + r)->SetString(texts[r].c_str(), 0xFFFFFFFF);
            }
        }
    });
}

int Bench(JC_TownModuleDocument& document)
{
    if (!PrepareData()) {
        std::printf("the party or the shop could not be prepared\n");
        return 1;
    }
    if (document.Enable() != S_OK || !document.IsViewsReady()) {
        std::printf("the town screen did not open\n");
        return 1;
    }
    document.DealViewEvent(JC_TownModuleDocument::VIEW_MENU, JC_TownModuleView0::EVENT_SHOP);
    auto& faces = *static_cast<JC_TownModuleView6*>(document.GetView(JC_TownModuleDocument::VIEW_COMPARE));
    auto& goods = *static_cast<JC_TownModuleView4*>(document.GetView(JC_TownModuleDocument::VIEW_GOODS));
    int iSum = 0;
    const double dRead = BenchBestOf(RUNS, [&] { return ReadSeconds(iSum); });
    const double dCompare = BenchBestOf(RUNS, [&] { return CompareSeconds(faces); });
    const double dFlip = BenchBestOf(RUNS, [&] { return FlipSeconds(goods); });
    const double dFill = BenchBestOf(RUNS, [&] { return FillSeconds(goods, *document.GetModuleResource()); });
    std::printf("comparison of a shield for %d persons (%d faces, defence sum %d), best of %d runs\n", PERSONS,
                faces.GetFaceCount(), iSum, RUNS);
    std::printf("  try-on on copies:        %10.1f us per comparison\n", dCompare * 1e6 / COMPARISONS);
    std::printf("  values read alone:       %10.1f us per comparison\n", dRead * 1e6 / COMPARISONS);
    std::printf("  ratio try-on / read:     %10.2f\n", dCompare / dRead);
    std::printf("page flip over %d goods, best of %d runs\n", GOODS, RUNS);
    std::printf("  page step and list:      %10.1f us per flip\n", dFlip * 1e6 / FLIPS);
    std::printf("  rows set alone:          %10.1f us per flip\n", dFill * 1e6 / FLIPS);
    std::printf("  ratio flip / rows:       %10.2f\n", dFlip / dFill);
    document.Close();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("usage: town-bench GAME_FOLDER\\\n");
        return 1;
    }
    XC_UnattendedRun::Set(true, 1);
    XC_GameProcedureFactory::RegisterShellProcedures();
    XC_GameProcedureFactory::Register(TownScreenOwner::PROCEDURE_ID, &TownScreenOwner::Create);
    BenchGame game(strFolder);
    if (!game.Start() || !game.Open(TownScreenOwner::PROCEDURE_ID)) {
        std::printf("the game did not start on %s\n", strFolder.c_str());
        return 1;
    }
    return Bench(*g_pTownModuleDocumentObj);
}
