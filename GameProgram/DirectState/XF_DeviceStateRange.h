#pragma once

#include <d3d9.h>

// The state, stage and sampler numbers Direct3D 9 defines. A number outside
// them reaches into the device's own tables, so sets refuse it when they load.

inline constexpr DWORD XD_TextureStageCount = 8;

inline bool XF_IsRenderStateType(DWORD eType)
{
    return eType >= D3DRS_ZENABLE && eType <= D3DRS_BLENDOPALPHA;
}

inline bool XF_IsTextureStage(DWORD dwStage)
{
    return dwStage < XD_TextureStageCount;
}

inline bool XF_IsTextureStageStateType(DWORD eType)
{
    return eType >= D3DTSS_COLOROP && eType <= D3DTSS_CONSTANT;
}

// Pixel samplers, the displacement-map sampler and the vertex samplers.
inline bool XF_IsSampler(DWORD dwSampler)
{
    return dwSampler < 16 || (dwSampler >= D3DDMAPSAMPLER && dwSampler <= D3DVERTEXTEXTURESAMPLER3);
}

inline bool XF_IsSamplerStateType(DWORD eType)
{
    return eType >= D3DSAMP_ADDRESSU && eType <= D3DSAMP_DMAPOFFSET;
}
