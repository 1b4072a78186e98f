#pragma once

#include <d3dx9math.h>

// A bounding sphere: its centre followed by its radius.
struct XS_BoundingSphere
{
    D3DXVECTOR3 vCenter;
    float fRadius;
};
