#include "GameProgram/Input/XC_MouseState.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include "tests/Support/InputWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Move(XC_MouseState& mouse, int iX, int iY)
{
    mouse.OnWindowMessage(WM_MOUSEMOVE, 0, MAKELPARAM(iX, iY));
}

// A mouse state at the screen's centre with nothing happened yet.
XC_MouseState CenteredMouse()
{
    XC_MouseState mouse;
    mouse.ResetToCenter();
    return mouse;
}

} // namespace

TEST(XC_MouseState, MovesAreOffsetsFromTheWindowCentre)
{
    XC_MouseState mouse = CenteredMouse();
    Move(mouse, 400, 300); // the echo of the re-centring
    EXPECT_EQ(mouse.IsMoved(), 0);
    EXPECT_FLOAT_EQ(mouse.GetX(), 400.0f);
    EXPECT_FLOAT_EQ(mouse.GetY(), 300.0f);

    Move(mouse, 410, 290);
    EXPECT_EQ(mouse.IsMoved(), 1);
    EXPECT_FLOAT_EQ(mouse.GetX(), 410.0f);
    EXPECT_FLOAT_EQ(mouse.GetY(), 290.0f);
    Move(mouse, 395, 310); // relative again, not absolute
    EXPECT_FLOAT_EQ(mouse.GetX(), 405.0f);
    EXPECT_FLOAT_EQ(mouse.GetY(), 300.0f);

    mouse.Clear();
    EXPECT_EQ(mouse.IsMoved(), 0);
    EXPECT_FLOAT_EQ(mouse.GetX(), 405.0f);
}

TEST(XC_MouseState, PositionStaysOnTheScreen)
{
    XC_MouseState mouse = CenteredMouse();
    struct Case
    {
        int iX, iY;
        float fX, fY;
    };
    const Case cases[] = {
        {0, 0, 0.0f, 0.0f},              // far up-left, twice over
        {0, 0, 0.0f, 0.0f},
        {0xFFFF, 0xFFFF, 800.0f, 600.0f}, // the largest offsets the message can carry
        {0xFFFF, 0, 800.0f, 300.0f},
        {200, 0xFFFF, 600.0f, 600.0f},
    };
    for (const Case& c : cases) {
        Move(mouse, c.iX, c.iY);
        EXPECT_FLOAT_EQ(mouse.GetX(), c.fX) << c.iX << "," << c.iY;
        EXPECT_FLOAT_EQ(mouse.GetY(), c.fY) << c.iX << "," << c.iY;
    }
}

TEST(XC_MouseState, ButtonsKeepTheirStateAndEdgesLastAFrame)
{
    struct Case
    {
        XC_MouseState::Button eButton;
        UINT uDown, uUp, uDoubleClick;
    };
    const Case cases[] = {
        {XC_MouseState::BUTTON_LEFT, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
        {XC_MouseState::BUTTON_RIGHT, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
        {XC_MouseState::BUTTON_MIDDLE, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.eButton);
        XC_MouseState mouse;
        mouse.OnWindowMessage(c.uDown, 0, 0);
        EXPECT_EQ(mouse.IsButtonDown(c.eButton), 1);
        EXPECT_EQ(mouse.IsButtonPressed(c.eButton), 1);
        for (const Case& other : cases) {
            if (other.eButton != c.eButton) {
                EXPECT_EQ(mouse.IsButtonDown(other.eButton) | mouse.IsButtonPressed(other.eButton), 0);
            }
        }

        mouse.Clear(); // a new frame: still held, no edge
        EXPECT_EQ(mouse.IsButtonDown(c.eButton), 1);
        EXPECT_EQ(mouse.IsButtonPressed(c.eButton), 0);

        // Windows sends down, up, double-click, up for a double click.
        mouse.OnWindowMessage(c.uUp, 0, 0);
        mouse.OnWindowMessage(c.uDoubleClick, 0, 0);
        EXPECT_EQ(mouse.IsButtonDown(c.eButton), 0);
        EXPECT_EQ(mouse.IsButtonReleased(c.eButton), 1);
        EXPECT_EQ(mouse.IsButtonDoubleClick(c.eButton), 1);
        mouse.Clear();
        EXPECT_EQ(mouse.IsButtonReleased(c.eButton), 0);
        EXPECT_EQ(mouse.IsButtonDoubleClick(c.eButton), 0);
    }
}

TEST(XC_MouseState, WheelAddsUpItsNotches)
{
    XC_MouseState mouse;
    mouse.OnWindowMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0); // away from the user
    EXPECT_FLOAT_EQ(mouse.GetWheelDelta(), 120.0f);
    EXPECT_FLOAT_EQ(mouse.GetWheel(), 120.0f);
    // A held button sets the low word; it must not change the delta.
    mouse.OnWindowMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_LBUTTON | MK_SHIFT, static_cast<WORD>(-240)), 0);
    EXPECT_FLOAT_EQ(mouse.GetWheelDelta(), -240.0f);
    EXPECT_FLOAT_EQ(mouse.GetWheel(), -120.0f);
    mouse.Clear();
    EXPECT_FLOAT_EQ(mouse.GetWheelDelta(), 0.0f);
    EXPECT_FLOAT_EQ(mouse.GetWheel(), -120.0f);
}

TEST(XC_MouseState, StayStartsAfterHalfASecondAndEndsWithAMove)
{
    XC_MouseState mouse = CenteredMouse();
    mouse.Update(0.25f);
    EXPECT_EQ(mouse.IsStayStarted(), 0);
    mouse.Update(0.25f);
    EXPECT_EQ(mouse.IsStaying(), 1);
    EXPECT_EQ(mouse.IsStayStarted(), 1);
    mouse.Clear();
    mouse.Update(1.0f); // still staying: the start is not seen again
    EXPECT_EQ(mouse.IsStayStarted(), 0);
    EXPECT_EQ(mouse.IsStaying(), 1);

    Move(mouse, 401, 300);
    mouse.Update(0.25f);
    EXPECT_EQ(mouse.IsStaying(), 0);
    EXPECT_EQ(mouse.IsStayEnded(), 1);
    mouse.Clear();
    mouse.Update(0.25f); // the timer began again at the move
    EXPECT_EQ(mouse.IsStaying(), 0);
    mouse.Update(0.25f);
    EXPECT_EQ(mouse.IsStayStarted(), 1);

    // SetMoved ends a stay at once, without a frame step.
    mouse.Clear();
    mouse.SetMoved(1);
    EXPECT_EQ(mouse.IsStayEnded(), 1);
    EXPECT_EQ(mouse.IsStaying(), 0);
}

TEST(XC_MouseState, RealMouseMoveIsSeenAndTheSystemCursorGoesBack)
{
    XC_MouseState mouse;
    InputWindow window([&](UINT uMsg, WPARAM wParam, LPARAM lParam) { mouse.OnWindowMessage(uMsg, wParam, lParam); });
    ASSERT_NE(window.Handle(), nullptr);
    const HWND hOldWindow = g_pVar->g_hWnd;
    g_pVar->g_hWnd = window.Handle();
    const POINT centre = window.ToScreen(400, 300);
    const POINT target = window.ToScreen(410, 290);
    const std::string command = "mousemove " + std::to_string(target.x) + " " + std::to_string(target.y);

    // Windows of other test programs on the shared display may take the
    // pointer or the foreground: try again from the centre.
    bool bMoved = false;
    for (int iTry = 0; iTry < 5 && !bMoved; ++iTry) {
        window.Activate();
        SetCapture(window.Handle());
        mouse.ResetToCenter();
        window.PumpUntil([] { return false; }, 100);
        mouse.ResetToCenter();
        ASSERT_TRUE(RunXdotool(command));
        bMoved = window.PumpUntil(
            [&] {
                POINT cursor;
                GetCursorPos(&cursor);
                return mouse.IsMoved() && cursor.x == centre.x && cursor.y == centre.y;
            },
            2000);
    }
    ReleaseCapture();
    g_pVar->g_hWnd = hOldWindow;
    ASSERT_TRUE(bMoved);
    EXPECT_FLOAT_EQ(mouse.GetX(), 410.0f);
    EXPECT_FLOAT_EQ(mouse.GetY(), 290.0f);
}

TEST(XC_MouseState, StartsAtTheCentreAndTakesSetPositionsAndRightClicks)
{
    XC_MouseState mouse;
    EXPECT_FLOAT_EQ(mouse.GetX(), 400.0f);
    EXPECT_FLOAT_EQ(mouse.GetY(), 300.0f);
    mouse.SetPosition(-5.0f, 700.0f);
    EXPECT_FLOAT_EQ(mouse.GetX(), 0.0f);
    EXPECT_FLOAT_EQ(mouse.GetY(), 600.0f);
    mouse.SetRightButtonPressed();
    EXPECT_EQ(mouse.IsButtonPressed(XC_MouseState::BUTTON_RIGHT), 1);
    EXPECT_EQ(mouse.IsButtonDown(XC_MouseState::BUTTON_RIGHT), 0);
    mouse.Clear();
    EXPECT_EQ(mouse.IsButtonPressed(XC_MouseState::BUTTON_RIGHT), 0);
}
