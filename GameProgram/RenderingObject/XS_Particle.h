#pragma once

#include <windows.h>
#include <d3dx9math.h>

// One particle, in world space.
struct XS_Particle
{
    float fLife;
    float fAge;
    D3DXVECTOR4 vColor;
    D3DXVECTOR4 vColorStart;
    D3DXVECTOR4 vColorStep;
    D3DXVECTOR3 vPosition;
    D3DXVECTOR3 vPositionStart;
    D3DXVECTOR3 vVelocity;
    float fSize;
    float fSizeStart;
    float fSizeStep;
    float fPageTimer;
    float fPageTime;
    DWORD dwPage;
    D3DXVECTOR3 vRotateCenter;
    D3DXVECTOR3 vRotateAxis;
};
