#include "tests/Showcase/ShowcaseDrawable.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"

ShowcaseDrawable::ShowcaseDrawable(const char* szName, DWORD dwCoordinateSystem)
    : m_strName(szName)
    , m_dwCoordinateSystem(dwCoordinateSystem)
{
}

BOOL ShowcaseDrawable::CheckVisible(float* pfSortValue)
{
    *pfSortValue = 0.0f;
    return TRUE;
}

void ShowcaseDrawable::ApplyScreenView()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    D3DXMATRIX matIdentity, matProjection;
    D3DXMatrixIdentity(&matIdentity);
    D3DXMatrixOrthoLH(&matProjection, 800.0f, 600.0f, -100.0f, 100.0f);
    pDevice->SetTransform(D3DTS_VIEW, &matIdentity);
    pDevice->SetTransform(D3DTS_PROJECTION, &matProjection);
    // The camera men must write their view again after this one.
    g_pWorldCameraMan->SetChanged();
    g_pScreenCameraMan->SetChanged();
    g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, FALSE);
    g_pDirectStateObj->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    pDevice->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    pDevice->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
}

D3DXMATRIX ShowcaseDrawable::At(float x, float y)
{
    D3DXMATRIX matWorld;
    D3DXMatrixTranslation(&matWorld, x, y, 0.0f);
    return matWorld;
}
