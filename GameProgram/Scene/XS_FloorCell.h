#pragma once

#include <windows.h>

// One cell of the battle floor: what the battle reads of it and how it is
// highlighted.
struct XS_FloorCell
{
    float fHeight = 0.0f;
    LONG lPropertyID = 0;
    BOOL bShowFloor = 0;
    DWORD dwShowColor = 0x7F0000FF;
    DWORD dwThrough_SOUTH = 0;
    DWORD dwThrough_EAST = 0;
    DWORD dwThrough_NORTH = 0;
    DWORD dwThrough_WEST = 0;
};
