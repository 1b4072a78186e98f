#pragma once

#include <windows.h>
#include <d3d9.h>

// A coloured vertex without texture, 16 bytes: the floor cursor's lines.
struct VERTEX_XYZ_DIFFUSE
{
    static const DWORD FVF = D3DFVF_XYZ | D3DFVF_DIFFUSE;

    float x;
    float y;
    float z;
    DWORD dwColor;
};

static_assert(sizeof(VERTEX_XYZ_DIFFUSE) == 16, "the cursor buffer's stride");
