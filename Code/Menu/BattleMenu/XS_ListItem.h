#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>

// One row of a battle list; copied by value into and out of the list.
struct XS_ListItem
{
    XC_String stringText;
    DWORD dwColor = 0xFFFFFFFF;
    // Owner's data: a skill id with its level, or a thing id.
    DWORD dwData1 = 0;
    // Owner's data: the partner person of a co-ordinated attack, which needs
    // a pointer's width.
    DWORD_PTR dwData2 = 0;
    DWORD dwData3 = 0;
    XC_String stringMessage;
    BOOL bDisable = 0;
};
