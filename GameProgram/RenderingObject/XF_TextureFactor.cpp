#include "GameProgram/RenderingObject/XF_TextureFactor.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

void XF_SetTextureFactorColor(DWORD dwColor)
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (pDevice == nullptr)
        return;
    pDevice->SetRenderState(D3DRS_TEXTUREFACTOR, dwColor);
    pDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TFACTOR);
    pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_TFACTOR);
}

void XF_RestoreTextureFactor()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (pDevice == nullptr)
        return;
    pDevice->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFFFFFF);
    pDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
}

DWORD XF_ModulateColor(DWORD dwFirst, DWORD dwSecond)
{
    DWORD dwResult = 0;
    for (int iShift = 0; iShift < 32; iShift += 8) {
        const DWORD dwChannel = ((dwFirst >> iShift) & 0xFF) * ((dwSecond >> iShift) & 0xFF) / 255;
        dwResult |= dwChannel << iShift;
    }
    return dwResult;
}
