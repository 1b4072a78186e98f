// option-bench: the cost of routing a mouse move through the option screen
// (the document's message step, its mode table and the panel's hover step)
// against the panel's own pick tests of the same moves called directly, on
// the game started on a game folder (the sample game by default). Prints the
// microseconds per message of both and their ratio.
//
//   option-bench [GAME_FOLDER\]

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_Setting.h"
#include "Code/XC_UnattendedRun.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_Option/View/JC_OptionModuleView0.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchGame.h"
#include "bench/Support/BenchTiming.h"
#include "bench/Support/OptionScreenOwner.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const int MOVES = 10000;
const int RUNS = 5;
// The settings the panel writes when it closes go to a key of the bench's own.
const char* const SETTINGS_KEY = "Oskel4_Trial_OptionBench";
const JC_OptionModuleView0::JE_Item BUTTONS[] = {JC_OptionModuleView0::ITEM_SAVE, JC_OptionModuleView0::ITEM_LOAD,
                                                 JC_OptionModuleView0::ITEM_TITLE};

// The cursor of move i: a sweep over the panel and the screen beside it, so
// some moves hit a button and most miss.
void PlaceCursor(int i)
{
    const float fX = static_cast<float>((i * 37) % 800);
    const float fY = static_cast<float>((i * 53) % 600);
    g_pMouseObj->SetCursorPosition(fX, fY);
}

double RoutedSeconds(JC_OptionModuleDocument& document)
{
    return BenchSecondsOf([&] {
        for (int i = 0; i < MOVES; ++i) {
            PlaceCursor(i);
            document.MsgProc(nullptr, WM_MOUSEMOVE, 0, 0);
        }
    });
}

// What the panel's hover step tests for a move: the cursor's pick ray and
// the buttons in order up to the first hit; the hits are counted, so the
// work is not left out.
double DirectSeconds(JC_OptionModuleDocument& document, int& iHits)
{
    const JC_OptionModuleView0* const pPanel = static_cast<const JC_OptionModuleView0*>(document.GetView(0));
    JC_ModuleMouse* const pMouse = document.GetModuleMouse();
    return BenchSecondsOf([&] {
        for (int i = 0; i < MOVES; ++i) {
            PlaceCursor(i);
            D3DXVECTOR3 vOrigin, vDirection;
            if (pMouse->GetScreenPickRay(&vOrigin, &vDirection) != 0)
                continue;
            for (const JC_OptionModuleView0::JE_Item eButton : BUTTONS) {
                if (JC_ModuleViewBase::IsRenderItemHit(pPanel->GetItem(eButton), &vOrigin, &vDirection)) {
                    ++iHits;
                    break;
                }
            }
        }
    });
}

int Bench(JC_OptionModuleDocument& document)
{
    if (document.Enable() != S_OK || !document.IsViewsReady()) {
        std::printf("the option screen did not open\n");
        return 1;
    }
    int iHits = 0;
    const double dRouted = BenchBestOf(RUNS, [&] { return RoutedSeconds(document); });
    const double dDirect = BenchBestOf(RUNS, [&] {
        iHits = 0;
        return DirectSeconds(document, iHits);
    });
    const double dMicro = 1e6 / MOVES;
    std::printf("%d mouse moves over the panel (%d on a button), best of %d runs\n", MOVES, iHits, RUNS);
    std::printf("  routed through the document: %8.3f us per message\n", dRouted * dMicro);
    std::printf("  pick tests called directly:  %8.3f us per message\n", dDirect * dMicro);
    std::printf("  ratio routed / direct:       %8.2f\n", dRouted / dDirect);
    document.Close();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("usage: option-bench GAME_FOLDER\\\n");
        return 1;
    }
    XC_UnattendedRun::Set(true, 1);
    XC_GameProcedureFactory::RegisterShellProcedures();
    XC_GameProcedureFactory::Register(OptionScreenOwner::PROCEDURE_ID, &OptionScreenOwner::Create);
    int iResult = 1;
    {
        BenchGame game(strFolder);
        if (!game.Start() || !game.Open(OptionScreenOwner::PROCEDURE_ID)) {
            std::printf("the game did not start on %s\n", strFolder.c_str());
        } else {
            g_pSetting->SetRegisterKey(HKEY_CURRENT_USER, SETTINGS_KEY);
            iResult = Bench(*g_pOptionModuleDocument);
        }
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, SETTINGS_KEY);
    return iResult;
}
