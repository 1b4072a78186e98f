#pragma once

#include <windows.h>

#include <d3dx9math.h>

class XC_Mouse;
class XC_MouseState;

constexpr DWORD JE_MODULEMOUSE_NULL_MOUSE_STATE = 0x89E00001;
constexpr DWORD JE_MODULEMOUSE_NULL_MOUSE = 0x89E00002;
constexpr DWORD JE_MODULEMOUSE_LEFT_OUT_OF_SCREEN = 0x89E00031;
constexpr DWORD JE_MODULEMOUSE_TOP_OUT_OF_SCREEN = 0x89E00032;
constexpr DWORD JE_MODULEMOUSE_RIGHT_OUT_OF_SCREEN = 0x89E00033;
constexpr DWORD JE_MODULEMOUSE_BOTTOM_OUT_OF_SCREEN = 0x89E00034;
// The cursor has no render environment or camera to cast a ray through.
constexpr DWORD JE_MODULEMOUSE_NO_PICK_RAY = 0x89E00041;

// A screen's hold on the game's mouse state and cursor: keeps the cursor
// inside a rectangle of the 800×600 screen, shows it while the screen is
// open and casts pick rays through it for the views.
class JC_ModuleMouse
{
public:
    JC_ModuleMouse() = default;
    virtual ~JC_ModuleMouse() = default;
    JC_ModuleMouse(const JC_ModuleMouse&) = delete;
    JC_ModuleMouse& operator=(const JC_ModuleMouse&) = delete;

    virtual DWORD Initiation(XC_MouseState* pMouseState, XC_Mouse* pMouse);
    // Screen pixels; edges are inclusive, a failure keeps the old rectangle.
    virtual DWORD SetMouseRect(float fLeft, float fTop, float fWidth, float fHeight);
    virtual DWORD OnOpen();
    virtual DWORD OnClose();
    // Clamps the mouse state into the rectangle and puts the cursor there.
    virtual DWORD Update();
    virtual float GetCursorX() const;
    // Measured upward from the top edge: minus the screen y.
    virtual float GetCursorY() const;
    virtual float GetCursorScreenX() const;
    virtual float GetCursorScreenY() const;
    virtual float GetMouseX() const;
    virtual float GetMouseY() const;
    virtual DWORD GetScreenPickRay(D3DXVECTOR3* pvOrigin, D3DXVECTOR3* pvDirection) const;
    virtual DWORD GetWorldPickRay(D3DXVECTOR3* pvOrigin, D3DXVECTOR3* pvDirection) const;
    virtual DWORD CenterCursor();

private:
    XC_MouseState* m_pMouseState = nullptr;
    XC_Mouse* m_pMouse = nullptr;
    BOOL m_bSavedShow = 0;
    float m_fLeft = 0.0f;
    float m_fTop = 0.0f;
    float m_fWidth = 800.0f;
    float m_fHeight = 600.0f;
};
