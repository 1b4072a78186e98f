#pragma once

#include <windows.h>
#include <d3dx9math.h>

// Which values of a camera placement are derived from which.
enum XE_FixedCameraDataType
{
    // The eye from the look-at point, the distance and the two angles.
    FCT_UseLookAt = 0,
    // The distance and the angles from the eye and the look-at point.
    FCT_UseEye = 2,
};

// One camera placement. Angles are in radians.
struct XS_CameraData
{
    DWORD m_eFixedCameraDataType = FCT_UseLookAt;
    D3DXVECTOR3 m_vLookAt = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vEye = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    float m_fDistance = 0.0f;
    float m_fYaw = 0.0f;
    float m_fPitch = 0.0f;
};
