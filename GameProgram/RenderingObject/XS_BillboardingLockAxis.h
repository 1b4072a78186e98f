#pragma once

#include <d3dx9math.h>

// The axis (in the object's own space) a billboard may turn about, and the
// object's front, which is turned towards the camera.
struct XS_BillboardingLockAxis
{
    D3DXVECTOR3 vAxis;
    D3DXVECTOR3 vFront;
};
