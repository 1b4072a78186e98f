#include "GameProgram/Input/XC_MouseState.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include <algorithm>

XC_MouseState* g_pMouseStateObj = nullptr;

namespace {

// The game's screen; the system cursor is kept at its centre.
const int SCREEN_WIDTH = 800;
const int SCREEN_HEIGHT = 600;
const int CENTER_X = SCREEN_WIDTH / 2;
const int CENTER_Y = SCREEN_HEIGHT / 2;

} // namespace

void XC_MouseState::OnWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_MOUSEMOVE) {
        OnMove(lParam);
        SetCursor(nullptr);
    } else if (uMsg >= WM_LBUTTONDOWN && uMsg <= WM_MBUTTONDBLCLK) {
        OnButton(uMsg);
    } else if (uMsg == WM_MOUSEWHEEL) {
        OnWheel(wParam);
    }
}

void XC_MouseState::OnMove(LPARAM lParam)
{
    const int iOffsetX = static_cast<int>(LOWORD(lParam)) - CENTER_X;
    const int iOffsetY = static_cast<int>(HIWORD(lParam)) - CENTER_Y;
    // The echo of the game's own re-centring.
    if (iOffsetX == 0 && iOffsetY == 0)
        return;
    m_fDX = iOffsetX * m_fRate;
    m_fDY = iOffsetY * m_fRate;
    m_fX = std::clamp(m_fX + m_fDX, 0.0f, static_cast<float>(SCREEN_WIDTH));
    m_fY = std::clamp(m_fY + m_fDY, 0.0f, static_cast<float>(SCREEN_HEIGHT));
    CenterSystemCursor();
    m_bMoved = 1;
}

void XC_MouseState::OnButton(UINT uMsg)
{
    // Each button has three messages in a row: down, up, double-click.
    const UINT uStep = uMsg - WM_LBUTTONDOWN;
    ButtonState& button = m_Buttons[uStep / 3];
    switch (uStep % 3) {
    case 0:
        button.bDown = 1;
        button.bPressed = 1;
        break;
    case 1:
        button.bDown = 0;
        button.bReleased = 1;
        break;
    default:
        button.bDoubleClick = 1;
        break;
    }
}

void XC_MouseState::OnWheel(WPARAM wParam)
{
    // The high word alone: the low word carries the key and button states.
    m_fWheelDelta = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam));
    m_fWheel += m_fWheelDelta;
}

void XC_MouseState::Update(float fElapsedTime)
{
    if (m_bMoved) {
        if (m_bStaying) {
            m_bStaying = 0;
            m_bStayEnded = 1;
        }
        m_fStayTime = 0.0f;
        return;
    }
    if (m_bStaying)
        return;
    m_fStayTime += fElapsedTime;
    if (m_fStayTime >= m_fTimeForMouveStay) {
        m_bStaying = 1;
        m_bStayStarted = 1;
    }
}

void XC_MouseState::SetMoved(BOOL bMoved)
{
    m_bMoved = bMoved;
    Update(0.0f);
}

void XC_MouseState::Clear()
{
    m_fDX = 0.0f;
    m_fDY = 0.0f;
    m_fWheelDelta = 0.0f;
    m_bMoved = 0;
    for (ButtonState& button : m_Buttons) {
        button.bPressed = 0;
        button.bReleased = 0;
        button.bDoubleClick = 0;
    }
    m_bStayEnded = 0;
    m_bStayStarted = 0;
}

void XC_MouseState::ResetToCenter()
{
    m_fX = static_cast<float>(CENTER_X);
    m_fY = static_cast<float>(CENTER_Y);
    CenterSystemCursor();
    Clear();
}

void XC_MouseState::SetPosition(float fX, float fY)
{
    m_fX = std::clamp(fX, 0.0f, static_cast<float>(SCREEN_WIDTH));
    m_fY = std::clamp(fY, 0.0f, static_cast<float>(SCREEN_HEIGHT));
}

void XC_MouseState::SetRightButtonPressed()
{
    m_Buttons[BUTTON_RIGHT].bPressed = 1;
}

void XC_MouseState::CenterSystemCursor()
{
    POINT point = {CENTER_X, CENTER_Y};
    // Without a game window there is no client area to go back to.
    if (!ClientToScreen(g_pVar->g_hWnd, &point))
        return;
    SetCursorPos(point.x, point.y);
}
