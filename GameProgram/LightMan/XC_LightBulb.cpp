#include "GameProgram/LightMan/XC_LightBulb.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include <d3dx9math.h>

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_LightBulb::XC_LightBulb()
    : bEnable(0)
    , dwLightType(LT_Directional)
    , fDiffuseRed(1.0f)
    , fDiffuseGreen(1.0f)
    , fDiffuseBlue(1.0f)
    , fSpecularRed(0.0f)
    , fSpecularGreen(0.0f)
    , fSpecularBlue(0.0f)
    , fAmbientRed(0.0f)
    , fAmbientGreen(0.0f)
    , fAmbientBlue(0.0f)
    , fPositionX(0.0f)
    , fPositionY(0.0f)
    , fPositionZ(0.0f)
    , fLightYaw(0.0f)
    , fLightPitch(0.0f)
    , fRange(0.0f)
    , fFalloff(0.0f)
    , fAttenuation0(0.0f)
    , fAttenuation1(0.0f)
    , fAttenuation2(0.0f)
    , fTheta(0.0f)
    , fPhi(0.0f)
{
    std::memset(&m_D3DLight, 0, sizeof(m_D3DLight));
}

void XC_LightBulb::BuildLight()
{
    D3DLIGHTTYPE eType;
    switch (dwLightType) {
    case LT_Point:
        eType = D3DLIGHT_POINT;
        break;
    case LT_Spot:
        eType = D3DLIGHT_SPOT;
        break;
    case LT_Directional:
        eType = D3DLIGHT_DIRECTIONAL;
        break;
    default:
        XF_ReportError(s_szSourceFile, __LINE__, "不支援燈光類型");
        return;
    }
    m_D3DLight.Type = eType;

    D3DXMATRIX matRotation;
    D3DXMatrixRotationYawPitchRoll(&matRotation, D3DXToRadian(fLightYaw), D3DXToRadian(fLightPitch), 0.0f);
    const D3DXVECTOR3 vForward(0.0f, 0.0f, 1.0f);
    const D3DXVECTOR3 vDirection = XF_TransformPoint(&vForward, &matRotation);
    m_D3DLight.Direction = vDirection;

    m_D3DLight.Diffuse = {fDiffuseRed, fDiffuseGreen, fDiffuseBlue, 0.0f};
    m_D3DLight.Specular = {fSpecularRed, fSpecularGreen, fSpecularBlue, 0.0f};
    m_D3DLight.Ambient = {fAmbientRed, fAmbientGreen, fAmbientBlue, 0.0f};
    m_D3DLight.Position = {fPositionX, fPositionY, fPositionZ};
    m_D3DLight.Range = fRange;
    m_D3DLight.Falloff = fFalloff;
    m_D3DLight.Attenuation0 = fAttenuation0;
    m_D3DLight.Attenuation1 = fAttenuation1;
    m_D3DLight.Attenuation2 = fAttenuation2;
    m_D3DLight.Theta = D3DXToRadian(fTheta);
    m_D3DLight.Phi = D3DXToRadian(fPhi);
}
