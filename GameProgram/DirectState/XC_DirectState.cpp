#include "GameProgram/DirectState/XC_DirectState.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

XC_DirectState s_DirectState XM_INIT_ORDER(XE_INIT_DIRECT_STATE);

const DWORD FLOAT_ONE = 0x3F800000;       // 1.0f
const DWORD FLOAT_SIXTY_FOUR = 0x42800000; // 64.0f

// The 103 render-state types of Direct3D 9, in ascending order.
const DWORD RENDER_STATE_TYPES[] = {
    7,   8,   9,   14,  15,  16,  19,  20,  22,  23,  24,  25,  26,  27,  28,  29,  34,  35,  36,  37,  38,
    48,  52,  53,  54,  55,  56,  57,  58,  59,  60,  128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 139,
    140, 141, 142, 143, 145, 146, 147, 148, 151, 152, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 165,
    166, 167, 168, 170, 171, 172, 173, 174, 175, 176, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188,
    189, 190, 191, 192, 193, 194, 195, 198, 199, 200, 201, 202, 203, 204, 205, 206, 207, 208, 209,
};

struct StateDefault
{
    DWORD dwType;
    DWORD dwValue;
};

// The render states whose documented default is not 0.
const StateDefault RENDER_STATE_DEFAULTS[] = {
    {7, 1},           {8, 3},           {9, 2},           {14, 1},          {16, 1},
    {19, 2},          {20, 1},          {22, 3},          {23, 4},          {25, 8},
    {37, FLOAT_ONE},  {38, FLOAT_ONE},  {53, 1},          {54, 1},          {55, 1},
    {56, 8},          {58, 0xFFFFFFFF}, {59, 0xFFFFFFFF}, {60, 0xFFFFFFFF}, {136, 1},
    {137, 1},         {141, 1},         {142, 1},         {145, 1},         {146, 2},
    {154, FLOAT_ONE}, {155, FLOAT_ONE}, {158, FLOAT_ONE}, {161, 1},         {162, 0xFFFFFFFF},
    {165, 0xBAADCAFE}, {166, FLOAT_SIXTY_FOUR}, {168, 15}, {171, 1},       {172, 3},
    {173, 1},         {178, FLOAT_ONE}, {179, FLOAT_ONE}, {182, FLOAT_ONE}, {186, 1},
    {187, 1},         {188, 1},         {189, 8},         {190, 15},        {191, 15},
    {192, 15},        {193, 0xFFFFFFFF}, {207, 2},        {208, 1},         {209, 1},
};

// The texture-stage-state types of Direct3D 9, in the order ApplyAll sends them.
const DWORD TEXTURE_STAGE_STATE_TYPES[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 22, 23, 24, 26, 27, 28, 32};

const StateDefault TEXTURE_STAGE_0_DEFAULTS[] = {
    {1, 4}, {2, 2}, {3, 1}, {4, 2}, {5, 2}, {6, 1}, {11, 0}, {26, 1}, {27, 1}, {28, 1},
};
const StateDefault TEXTURE_STAGE_1_DEFAULTS[] = {
    {1, 1}, {2, 2}, {3, 1}, {4, 1}, {5, 2}, {6, 1}, {11, 1}, {26, 1}, {27, 1}, {28, 1},
};

const DWORD SAMPLER_STATE_TYPE_LAST = 13;

const StateDefault SAMPLER_DEFAULTS[] = {
    {1, 1}, {2, 1}, {3, 1}, {5, 1}, {6, 1}, {10, 1},
};

// The device of the global variable block; null, with a report, when there is none.
IDirect3DDevice9* Device()
{
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr)
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
    return pD3DDevice;
}

} // namespace

XC_DirectState* g_pDirectStateObj = &s_DirectState;

XC_DirectState::XC_DirectState()
    : m_dwRenderState()
    , m_dwTextureStageState()
    , m_dwSamplerState()
{
}

bool XC_DirectState::CheckRenderState(DWORD eType) const
{
    if (eType >= XD_InitialRenderStateMax) {
        XM_REPORT_FAILED("eType < XD_InitialRenderStateMax");
        return false;
    }
    return true;
}

bool XC_DirectState::CheckTextureStageState(DWORD dwStage, DWORD eType) const
{
    if (dwStage >= XD_TextureStageMax) {
        XM_REPORT_FAILED("dwStage < XD_TextureStageMax");
        return false;
    }
    if (eType >= XD_InitialTextureStageStateMax) {
        XM_REPORT_FAILED("eType < XD_InitialTextureStageStateMax");
        return false;
    }
    return true;
}

bool XC_DirectState::CheckSamplerState(DWORD dwSampler, DWORD eType) const
{
    if (dwSampler >= XD_TextureStageMax) {
        XM_REPORT_FAILED("dwSampler < XD_TextureStageMax");
        return false;
    }
    if (eType >= XD_InitialSamplerStateMax) {
        XM_REPORT_FAILED("eType < XD_InitialSamplerStateMax");
        return false;
    }
    return true;
}

HRESULT XC_DirectState::ApplyRenderState(DWORD eType)
{
    if (!CheckRenderState(eType))
        return E_INVALIDARG;
    IDirect3DDevice9* const pD3DDevice = Device();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    return pD3DDevice->SetRenderState(static_cast<D3DRENDERSTATETYPE>(eType), m_dwRenderState[eType]);
}

HRESULT XC_DirectState::ApplyTextureStageState(DWORD dwStage, DWORD eType)
{
    if (!CheckTextureStageState(dwStage, eType))
        return E_INVALIDARG;
    IDirect3DDevice9* const pD3DDevice = Device();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    return pD3DDevice->SetTextureStageState(dwStage, static_cast<D3DTEXTURESTAGESTATETYPE>(eType),
                                            m_dwTextureStageState[dwStage][eType]);
}

HRESULT XC_DirectState::ApplySamplerState(DWORD dwSampler, DWORD eType)
{
    if (!CheckSamplerState(dwSampler, eType))
        return E_INVALIDARG;
    IDirect3DDevice9* const pD3DDevice = Device();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    return pD3DDevice->SetSamplerState(dwSampler, static_cast<D3DSAMPLERSTATETYPE>(eType),
                                       m_dwSamplerState[dwSampler][eType]);
}

HRESULT XC_DirectState::GetRenderState(DWORD eType, DWORD* pdwValue)
{
    if (!CheckRenderState(eType))
        return E_INVALIDARG;
    *pdwValue = m_dwRenderState[eType];
    return S_OK;
}

HRESULT XC_DirectState::GetTextureStageState(DWORD dwStage, DWORD eType, DWORD* pdwValue)
{
    if (!CheckTextureStageState(dwStage, eType))
        return E_INVALIDARG;
    *pdwValue = m_dwTextureStageState[dwStage][eType];
    return S_OK;
}

HRESULT XC_DirectState::GetSamplerState(DWORD dwSampler, DWORD eType, DWORD* pdwValue)
{
    if (!CheckSamplerState(dwSampler, eType))
        return E_INVALIDARG;
    *pdwValue = m_dwSamplerState[dwSampler][eType];
    return S_OK;
}

HRESULT XC_DirectState::InitDefaults()
{
    std::memset(m_dwRenderState, 0, sizeof(m_dwRenderState));
    std::memset(m_dwTextureStageState, 0, sizeof(m_dwTextureStageState));
    std::memset(m_dwSamplerState, 0, sizeof(m_dwSamplerState));
    for (const StateDefault& state : RENDER_STATE_DEFAULTS)
        m_dwRenderState[state.dwType] = state.dwValue;
    for (const StateDefault& state : TEXTURE_STAGE_0_DEFAULTS)
        m_dwTextureStageState[0][state.dwType] = state.dwValue;
    for (const StateDefault& state : TEXTURE_STAGE_1_DEFAULTS)
        m_dwTextureStageState[1][state.dwType] = state.dwValue;
    for (DWORD dwSampler = 0; dwSampler < XD_TextureStageMax; ++dwSampler) {
        for (const StateDefault& state : SAMPLER_DEFAULTS)
            m_dwSamplerState[dwSampler][state.dwType] = state.dwValue;
    }
    return S_OK;
}

HRESULT XC_DirectState::SetRenderState(DWORD eType, DWORD dwValue)
{
    if (!CheckRenderState(eType))
        return E_INVALIDARG;
    IDirect3DDevice9* const pD3DDevice = Device();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    const HRESULT hr = pD3DDevice->SetRenderState(static_cast<D3DRENDERSTATETYPE>(eType), dwValue);
    if (hr == S_OK)
        m_dwRenderState[eType] = dwValue;
    return hr;
}

HRESULT XC_DirectState::SetTextureStageState(DWORD dwStage, DWORD eType, DWORD dwValue)
{
    if (!CheckTextureStageState(dwStage, eType))
        return E_INVALIDARG;
    IDirect3DDevice9* const pD3DDevice = Device();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    const HRESULT hr =
        pD3DDevice->SetTextureStageState(dwStage, static_cast<D3DTEXTURESTAGESTATETYPE>(eType), dwValue);
    if (hr == S_OK)
        m_dwTextureStageState[dwStage][eType] = dwValue;
    return hr;
}

HRESULT XC_DirectState::ApplyAll()
{
    IDirect3DDevice9* const pD3DDevice = Device();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    for (const DWORD eType : RENDER_STATE_TYPES)
        pD3DDevice->SetRenderState(static_cast<D3DRENDERSTATETYPE>(eType), m_dwRenderState[eType]);
    for (DWORD dwStage = 0; dwStage < XD_TextureStageMax; ++dwStage) {
        for (const DWORD eType : TEXTURE_STAGE_STATE_TYPES) {
            pD3DDevice->SetTextureStageState(dwStage, static_cast<D3DTEXTURESTAGESTATETYPE>(eType),
                                             m_dwTextureStageState[dwStage][eType]);
        }
    }
    for (DWORD dwSampler = 0; dwSampler < XD_TextureStageMax; ++dwSampler) {
        for (DWORD eType = 1; eType <= SAMPLER_STATE_TYPE_LAST; ++eType) {
            pD3DDevice->SetSamplerState(dwSampler, static_cast<D3DSAMPLERSTATETYPE>(eType),
                                        m_dwSamplerState[dwSampler][eType]);
        }
    }
    return S_OK;
}
