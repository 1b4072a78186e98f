#include "JC_Module/JC_ModuleButtonPress.h"

void JC_ModuleButtonPress::Press(int iButton)
{
    m_iPressedButton = iButton;
    m_bPressing = iButton != -1;
}

int JC_ModuleButtonPress::Release(int iButton)
{
    if (!m_bPressing)
        return -1;
    m_bPressing = 0;
    return iButton == m_iPressedButton ? m_iPressedButton : -1;
}
