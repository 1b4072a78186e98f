#pragma once

#include <windows.h>

// The mouse as a relative device, read from the window's mouse messages: the
// system cursor is hidden and kept at the window's centre while the game
// moves its own cursor position inside the 800×600 screen. Keeps the button
// states with their per-frame edges, the wheel, and notices when the mouse
// has stayed still for a while.
class XC_MouseState
{
public:
    // In the order of the window messages' button groups.
    enum Button { BUTTON_LEFT = 0, BUTTON_RIGHT = 1, BUTTON_MIDDLE = 2, BUTTON_COUNT = 3 };

    XC_MouseState() = default;
    virtual ~XC_MouseState() = default;

    // Takes the messages from WM_MOUSEMOVE to WM_MOUSEWHEEL; others are ignored.
    void OnWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Advances the stay detector by fElapsedTime seconds.
    void Update(float fElapsedTime);
    // Stores the moved flag and re-evaluates the stay detector at once.
    void SetMoved(BOOL bMoved);
    // Clears the per-frame values: movement, wheel delta, edges and stay edges.
    void Clear();
    // Puts the cursor at the screen's centre, moves the system cursor there
    // and clears the per-frame values.
    void ResetToCenter();
    // Places the cursor at a point of the screen, clamped to it.
    void SetPosition(float fX, float fY);
    // Marks the right button as gone down this frame (Escape counts as a
    // right click).
    void SetRightButtonPressed();

    float GetX() const { return m_fX; }
    float GetY() const { return m_fY; }
    float GetWheel() const { return m_fWheel; }
    float GetWheelDelta() const { return m_fWheelDelta; }
    BOOL IsMoved() const { return m_bMoved; }
    BOOL IsButtonDown(Button eButton) const { return m_Buttons[eButton].bDown; }
    BOOL IsButtonPressed(Button eButton) const { return m_Buttons[eButton].bPressed; }
    BOOL IsButtonReleased(Button eButton) const { return m_Buttons[eButton].bReleased; }
    BOOL IsButtonDoubleClick(Button eButton) const { return m_Buttons[eButton].bDoubleClick; }
    BOOL IsStaying() const { return m_bStaying; }
    BOOL IsStayStarted() const { return m_bStayStarted; }
    BOOL IsStayEnded() const { return m_bStayEnded; }

private:
    struct ButtonState
    {
        BOOL bDown = 0;
        BOOL bPressed = 0;
        BOOL bReleased = 0;
        BOOL bDoubleClick = 0;
    };

    void OnMove(LPARAM lParam);
    void OnButton(UINT uMsg);
    void OnWheel(WPARAM wParam);
    // Puts the system cursor at the centre of the game window's client area.
    static void CenterSystemCursor();

    float m_fRate = 1.0f;
    float m_fX = 400.0f;
    float m_fY = 300.0f;
    float m_fWheel = 0.0f;
    float m_fDX = 0.0f;
    float m_fDY = 0.0f;
    float m_fWheelDelta = 0.0f;
    BOOL m_bMoved = 0;
    ButtonState m_Buttons[BUTTON_COUNT];
    float m_fTimeForMouveStay = 0.5f;
    BOOL m_bStaying = 0;
    BOOL m_bStayEnded = 0;
    BOOL m_bStayStarted = 0;
    float m_fStayTime = 0.0f;
};

extern XC_MouseState* g_pMouseStateObj;
