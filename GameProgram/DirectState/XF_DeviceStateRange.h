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

// The values of the states that name one of a set of modes. A mode outside
// its set reaches into the device's own tables at the first draw; states of
// other kinds take any value.
struct XS_StateValueRange
{
    DWORD eType;
    DWORD dwMin;
    DWORD dwMax;
};

inline bool XF_IsInValueRange(const XS_StateValueRange* pRanges, size_t uCount, DWORD eType, DWORD dwValue)
{
    for (size_t i = 0; i < uCount; ++i) {
        if (pRanges[i].eType == eType)
            return dwValue >= pRanges[i].dwMin && dwValue <= pRanges[i].dwMax;
    }
    return true;
}

inline bool XF_IsRenderStateValue(DWORD eType, DWORD dwValue)
{
    static const XS_StateValueRange RANGES[] = {
        {D3DRS_ZENABLE, D3DZB_FALSE, D3DZB_USEW},
        {D3DRS_FILLMODE, D3DFILL_POINT, D3DFILL_SOLID},
        {D3DRS_SHADEMODE, D3DSHADE_FLAT, D3DSHADE_PHONG},
        {D3DRS_SRCBLEND, D3DBLEND_ZERO, D3DBLEND_INVSRCCOLOR2},
        {D3DRS_DESTBLEND, D3DBLEND_ZERO, D3DBLEND_INVSRCCOLOR2},
        {D3DRS_SRCBLENDALPHA, D3DBLEND_ZERO, D3DBLEND_INVSRCCOLOR2},
        {D3DRS_DESTBLENDALPHA, D3DBLEND_ZERO, D3DBLEND_INVSRCCOLOR2},
        {D3DRS_CULLMODE, D3DCULL_NONE, D3DCULL_CCW},
        {D3DRS_ZFUNC, D3DCMP_NEVER, D3DCMP_ALWAYS},
        {D3DRS_ALPHAFUNC, D3DCMP_NEVER, D3DCMP_ALWAYS},
        {D3DRS_STENCILFUNC, D3DCMP_NEVER, D3DCMP_ALWAYS},
        {D3DRS_CCW_STENCILFUNC, D3DCMP_NEVER, D3DCMP_ALWAYS},
        {D3DRS_STENCILFAIL, D3DSTENCILOP_KEEP, D3DSTENCILOP_DECR},
        {D3DRS_STENCILZFAIL, D3DSTENCILOP_KEEP, D3DSTENCILOP_DECR},
        {D3DRS_STENCILPASS, D3DSTENCILOP_KEEP, D3DSTENCILOP_DECR},
        {D3DRS_CCW_STENCILFAIL, D3DSTENCILOP_KEEP, D3DSTENCILOP_DECR},
        {D3DRS_CCW_STENCILZFAIL, D3DSTENCILOP_KEEP, D3DSTENCILOP_DECR},
        {D3DRS_CCW_STENCILPASS, D3DSTENCILOP_KEEP, D3DSTENCILOP_DECR},
        {D3DRS_FOGTABLEMODE, D3DFOG_NONE, D3DFOG_LINEAR},
        {D3DRS_FOGVERTEXMODE, D3DFOG_NONE, D3DFOG_LINEAR},
        {D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_MATERIAL, D3DMCS_COLOR2},
        {D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL, D3DMCS_COLOR2},
        {D3DRS_AMBIENTMATERIALSOURCE, D3DMCS_MATERIAL, D3DMCS_COLOR2},
        {D3DRS_EMISSIVEMATERIALSOURCE, D3DMCS_MATERIAL, D3DMCS_COLOR2},
        {D3DRS_VERTEXBLEND, D3DVBF_DISABLE, D3DVBF_0WEIGHTS},
        {D3DRS_PATCHEDGESTYLE, D3DPATCHEDGE_DISCRETE, D3DPATCHEDGE_CONTINUOUS},
        {D3DRS_BLENDOP, D3DBLENDOP_ADD, D3DBLENDOP_MAX},
        {D3DRS_BLENDOPALPHA, D3DBLENDOP_ADD, D3DBLENDOP_MAX},
        {D3DRS_POSITIONDEGREE, D3DDEGREE_LINEAR, D3DDEGREE_QUINTIC},
        {D3DRS_NORMALDEGREE, D3DDEGREE_LINEAR, D3DDEGREE_QUINTIC},
    };
    if (eType == D3DRS_VERTEXBLEND && dwValue > D3DVBF_3WEIGHTS && dwValue < D3DVBF_TWEENING)
        return false;
    return XF_IsInValueRange(RANGES, sizeof(RANGES) / sizeof(RANGES[0]), eType, dwValue);
}

inline bool XF_IsTextureStageStateValue(DWORD eType, DWORD dwValue)
{
    const DWORD dwArgument = dwValue & ~static_cast<DWORD>(D3DTA_COMPLEMENT | D3DTA_ALPHAREPLICATE);
    switch (eType) {
    case D3DTSS_COLOROP:
    case D3DTSS_ALPHAOP:
        return dwValue >= D3DTOP_DISABLE && dwValue <= D3DTOP_LERP;
    case D3DTSS_COLORARG0:
    case D3DTSS_COLORARG1:
    case D3DTSS_COLORARG2:
    case D3DTSS_ALPHAARG0:
    case D3DTSS_ALPHAARG1:
    case D3DTSS_ALPHAARG2:
    case D3DTSS_RESULTARG:
        return dwArgument <= D3DTA_CONSTANT;
    case D3DTSS_TEXCOORDINDEX:
        return (dwValue & 0xFFFF) < XD_TextureStageCount && dwValue <= (D3DTSS_TCI_SPHEREMAP | 0xFFFF);
    case D3DTSS_TEXTURETRANSFORMFLAGS:
        return (dwValue & ~static_cast<DWORD>(D3DTTFF_PROJECTED)) <= D3DTTFF_COUNT4;
    default:
        return true;
    }
}

inline bool XF_IsSamplerStateValue(DWORD eType, DWORD dwValue)
{
    static const XS_StateValueRange RANGES[] = {
        {D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP, D3DTADDRESS_MIRRORONCE},
        {D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP, D3DTADDRESS_MIRRORONCE},
        {D3DSAMP_ADDRESSW, D3DTADDRESS_WRAP, D3DTADDRESS_MIRRORONCE},
        {D3DSAMP_MAGFILTER, D3DTEXF_NONE, D3DTEXF_GAUSSIANQUAD},
        {D3DSAMP_MINFILTER, D3DTEXF_NONE, D3DTEXF_GAUSSIANQUAD},
        {D3DSAMP_MIPFILTER, D3DTEXF_NONE, D3DTEXF_GAUSSIANQUAD},
    };
    return XF_IsInValueRange(RANGES, sizeof(RANGES) / sizeof(RANGES[0]), eType, dwValue);
}
