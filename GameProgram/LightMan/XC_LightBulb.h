#pragma once

#include <windows.h>
#include <d3d9.h>

// One Direct3D light as a light man keeps it: the editable values and the
// light record built from them for the device. Angles are in degrees.
class XC_LightBulb
{
public:
    // Light kinds of dwLightType.
    static const DWORD LT_Point = 0;
    static const DWORD LT_Spot = 1;
    static const DWORD LT_Directional = 2;

    XC_LightBulb();
    virtual ~XC_LightBulb() = default;
    XC_LightBulb(const XC_LightBulb&) = default;
    XC_LightBulb& operator=(const XC_LightBulb&) = default;

    // Fills m_D3DLight from the values; an unknown kind leaves it as it was.
    virtual void BuildLight();

    D3DLIGHT9 m_D3DLight;
    DWORD bEnable;
    DWORD dwLightType;
    float fDiffuseRed;
    float fDiffuseGreen;
    float fDiffuseBlue;
    float fSpecularRed;
    float fSpecularGreen;
    float fSpecularBlue;
    float fAmbientRed;
    float fAmbientGreen;
    float fAmbientBlue;
    float fPositionX;
    float fPositionY;
    float fPositionZ;
    float fLightYaw;
    float fLightPitch;
    float fRange;
    float fFalloff;
    float fAttenuation0;
    float fAttenuation1;
    float fAttenuation2;
    float fTheta;
    float fPhi;
};
