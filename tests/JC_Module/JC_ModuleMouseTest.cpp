#include "JC_Module/JC_ModuleMouse.h"

#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Scene/XC_Mouse.h"

#include <gtest/gtest.h>

namespace {

class ModuleMouse : public testing::Test
{
protected:
    ModuleMouse() { EXPECT_EQ(m_ModuleMouse.Initiation(&m_State, &m_Mouse), 0u); }

    XC_MouseState m_State;
    XC_Mouse m_Mouse;
    JC_ModuleMouse m_ModuleMouse;
};

} // namespace

TEST(JC_ModuleMouse, InitiationNeedsTheStateThenTheCursor)
{
    XC_MouseState state;
    XC_Mouse mouse;
    JC_ModuleMouse moduleMouse;
    EXPECT_EQ(moduleMouse.Initiation(nullptr, nullptr), JE_MODULEMOUSE_NULL_MOUSE_STATE);
    EXPECT_EQ(moduleMouse.Initiation(&state, nullptr), JE_MODULEMOUSE_NULL_MOUSE);
    EXPECT_EQ(moduleMouse.Initiation(&state, &mouse), 0u);
}

TEST_F(ModuleMouse, RectanglesOutsideTheScreenAreRefusedInOrder)
{
    struct Case
    {
        float fLeft, fTop, fWidth, fHeight;
        DWORD dwExpected;
    };
    const Case cases[] = {
        {0, 0, 800, 600, 0},
        {800, 600, 0, 0, 0},
        {0, 0, 800.5f, 600, JE_MODULEMOUSE_RIGHT_OUT_OF_SCREEN},
        {-1, 0, 10, 10, JE_MODULEMOUSE_LEFT_OUT_OF_SCREEN},
        {801, -1, 0, 0, JE_MODULEMOUSE_LEFT_OUT_OF_SCREEN},
        {0, -1, 10, 10, JE_MODULEMOUSE_TOP_OUT_OF_SCREEN},
        {0, 600.5f, 10, 10, JE_MODULEMOUSE_TOP_OUT_OF_SCREEN},
        {0, 10, 10, 591, JE_MODULEMOUSE_BOTTOM_OUT_OF_SCREEN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_ModuleMouse.SetMouseRect(c.fLeft, c.fTop, c.fWidth, c.fHeight), c.dwExpected)
            << c.fLeft << "," << c.fTop << "," << c.fWidth << "," << c.fHeight;
    }
}

TEST_F(ModuleMouse, UpdateKeepsTheMouseAndCursorInsideTheRectangle)
{
    ASSERT_EQ(m_ModuleMouse.SetMouseRect(100, 200, 50, 20), 0u);
    // A refused rectangle keeps the one before.
    EXPECT_EQ(m_ModuleMouse.SetMouseRect(-1, 0, 10, 10), JE_MODULEMOUSE_LEFT_OUT_OF_SCREEN);
    m_State.SetPosition(10, 500);
    EXPECT_EQ(m_ModuleMouse.Update(), 0u);
    EXPECT_EQ(m_State.GetX(), 100.0f);
    EXPECT_EQ(m_State.GetY(), 220.0f);
    EXPECT_EQ(m_ModuleMouse.GetCursorScreenX(), 100.0f);
    EXPECT_EQ(m_ModuleMouse.GetCursorScreenY(), 220.0f);

    ASSERT_EQ(m_ModuleMouse.SetMouseRect(0, 0, 800, 600), 0u);
    m_State.SetPosition(700, 150);
    EXPECT_EQ(m_ModuleMouse.CenterCursor(), 0u);
    EXPECT_EQ(m_State.GetX(), 400.0f);
    EXPECT_EQ(m_State.GetY(), 300.0f);
    EXPECT_EQ(m_Mouse.GetCursorPosX(), 0.0f);
    EXPECT_EQ(m_Mouse.GetCursorPosY(), 0.0f);
}

TEST_F(ModuleMouse, CursorHeightAndScreenYDifferInSignOnly)
{
    m_State.SetPosition(250, 150);
    m_ModuleMouse.Update();
    EXPECT_EQ(m_ModuleMouse.GetCursorX(), 250.0f);
    EXPECT_EQ(m_ModuleMouse.GetCursorY(), -150.0f);
    EXPECT_EQ(m_ModuleMouse.GetCursorScreenY(), 150.0f);
    EXPECT_EQ(m_ModuleMouse.GetMouseX(), 250.0f);
}

TEST_F(ModuleMouse, AnOpenedScreenShowsAHiddenCursorUntilItCloses)
{
    for (const BOOL bShown : {FALSE, TRUE}) {
        m_Mouse.SetVisible(bShown);
        m_State.SetPosition(10, 10);
        m_ModuleMouse.OnOpen();
        EXPECT_EQ(m_Mouse.GetVisible(), TRUE);
        EXPECT_EQ(m_State.GetX(), 400.0f);
        EXPECT_EQ(m_ModuleMouse.GetCursorScreenY(), 300.0f);
        m_ModuleMouse.OnClose();
        EXPECT_EQ(m_Mouse.GetVisible(), bShown);
    }
}

TEST_F(ModuleMouse, NoPickRayWithoutACursorEnvironment)
{
    D3DXVECTOR3 vOrigin, vDirection;
    EXPECT_EQ(m_ModuleMouse.GetScreenPickRay(&vOrigin, &vDirection), JE_MODULEMOUSE_NO_PICK_RAY);
    EXPECT_EQ(m_ModuleMouse.GetWorldPickRay(&vOrigin, &vDirection), JE_MODULEMOUSE_NO_PICK_RAY);
}
