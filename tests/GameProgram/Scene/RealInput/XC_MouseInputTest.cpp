#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Mouse.h"

#include "tests/GameProgram/Scene/BattleSceneApplication.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/InputWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const int FRAMES_PER_TRY = 60;
const int TRIES = 5;

// The cell under the game's cursor, found as the battle finds it: the mouse
// state's position placed on the cursor, read back from it, and a world ray
// through that pixel picked against the floor.
LONG CellUnderCursor(XC_Mouse& mouse, XC_Floorer* pFloor)
{
    const float fX = mouse.GetCursorPosX() + 400.0f;
    const float fY = 300.0f - mouse.GetCursorPosY();
    D3DXVECTOR3 vOrigin, vDirection;
    g_pWorldCameraMan->GetPickRay(fX, fY, &vOrigin, &vDirection);
    DWORD dwIdx = 0;
    return pFloor->PickFloor(&vOrigin, &vDirection, &dwIdx, nullptr, 0) ? static_cast<LONG>(dwIdx) : -1;
}

} // namespace

TEST(XC_Mouse, TheCellUnderARealMouseMove)
{
    const DWORD dwTarget = 7 * 10 + 6; // cell (6, 7)
    MemoryPackFile cursorPack;
    cursorPack.Add("Cursor.txt", PictureElements("Arrow", 1));
    XC_Mouse mouse;
    POINT target = {};
    LONG lPicked = -2;
    int iTry = 0;

    std::unique_ptr<BattleSceneApplication> pApp(new BattleSceneApplication([&](BattleSceneApplication& app) {
        XC_MouseState& state = app.MouseState();
        const int iFrameOfTry = (app.Frames() - 1) % FRAMES_PER_TRY;
        if (iFrameOfTry == 0) {
            // Windows of other test programs on the shared display may take
            // the pointer: each try starts again from the centre.
            if (++iTry > TRIES)
                return false;
            SetCapture(app.Window());
            state.ResetToCenter();
            mouse.SetCursorPosition(state.GetX(), state.GetY());
            POINT onScreen = target;
            ClientToScreen(app.Window(), &onScreen);
            RunXdotool("mousemove " + std::to_string(onScreen.x) + " " + std::to_string(onScreen.y));
            return true;
        }
        if (!state.IsMoved())
            return true;
        mouse.SetCursorPosition(state.GetX(), state.GetY());
        state.Clear();
        if (mouse.GetCursorPosX() + 400.0f != static_cast<float>(target.x)
            || 300.0f - mouse.GetCursorPosY() != static_cast<float>(target.y))
            return true;
        lPicked = CellUnderCursor(mouse, app.Scene().GetFloorer());
        return false;
    }));
    ASSERT_EQ(pApp->Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_EQ(pApp->Scene().LoadScene("Scene\\Battlefield.scn"), S_OK);
    ASSERT_EQ(mouse.Init(&cursorPack, &pApp->Environment(), "Cursor.txt"), S_OK);
    mouse.SetVisible(1);
    pApp->PlaceBattleCamera();
    target = pApp->ScreenPoint(pApp->Scene().GetFloorer()->GetFloorPosition(dwTarget));
    pApp->Pause(TRUE);
    EXPECT_EQ(pApp->Run(), 0u);
    ReleaseCapture();
    mouse.Fini();
    EXPECT_EQ(lPicked, static_cast<LONG>(dwTarget)) << "after " << iTry << " tries, target " << target.x << ","
                                                     << target.y;
}
