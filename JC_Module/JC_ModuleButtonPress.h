#pragma once

#include <windows.h>

// A button press of the screens: taken on button-down, acted on at
// button-up only when the pointer is still over the same button.
class JC_ModuleButtonPress
{
public:
    // The button under the pointer at button-down, -1 for none.
    void Press(int iButton);
    // The pressed button when the pointer is still on it at button-up, else
    // -1; the press ends either way.
    int Release(int iButton);
    BOOL IsPressing() const { return m_bPressing; }
    int GetPressedButton() const { return m_iPressedButton; }

private:
    BOOL m_bPressing = 0;
    int m_iPressedButton = -1;
};
