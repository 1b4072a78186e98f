#pragma once

#include <windows.h>
#include <d3d9.h>

// The vertex of the flat image quads: a position and one texture coordinate
// pair, 20 bytes.
struct VERTEX_XYZ_TEX1
{
    static const DWORD FVF = D3DFVF_XYZ | D3DFVF_TEX1;

    float x;
    float y;
    float z;
    float u;
    float v;
};

static_assert(sizeof(VERTEX_XYZ_TEX1) == 20, "the vertex buffers' stride");
