#pragma once

#include <windows.h>

#include <vector>

class XC_TextNode;

// The colours with which the battle marks floor cells: starting points, the
// move target, and the lists a scope display cycles through.
struct XS_GameFloorColor
{
    DWORD dwStartingPoint = 0;
    DWORD dwMoveTarget = 0;
    std::vector<DWORD> MoveScope;
    std::vector<DWORD> AttackDistance;
    std::vector<DWORD> AttackScope;

    // Reads "[FloorColor]" and the three list sections of a floor-colour
    // file; a missing section is reported and leaves its values as they were.
    void Load(const XC_TextNode& root);
    // The list's colour for a table value, cycling; 0xFFFFFFFF for an empty list.
    static DWORD CycleColor(const std::vector<DWORD>& colors, LONG lValue);
};

extern XS_GameFloorColor* g_pGameFloorColor;
