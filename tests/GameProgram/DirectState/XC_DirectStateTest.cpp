#include "GameProgram/DirectState/XC_DirectState.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// The states the cache keeps and writes back, as ApplyAll sends them.
std::vector<DWORD> RenderStateTypes()
{
    std::vector<DWORD> types;
    const DWORD ranges[][2] = {{7, 9},     {14, 16},   {19, 20},   {22, 29},   {34, 38},   {48, 48},
                               {52, 60},   {128, 137}, {139, 143}, {145, 148}, {151, 152}, {154, 163},
                               {165, 168}, {170, 176}, {178, 195}, {198, 209}};
    for (const auto& range : ranges) {
        for (DWORD dwType = range[0]; dwType <= range[1]; ++dwType)
            types.push_back(dwType);
    }
    return types;
}

const std::vector<DWORD> TEXTURE_STAGE_TYPES = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 22, 23, 24, 26, 27, 28, 32};

// Calls check(kind, index, type) for every state the cache keeps.
void ForEachCachedState(const std::function<void(RecordingDevice::StateKind, DWORD, DWORD)>& check)
{
    for (const DWORD dwType : RenderStateTypes())
        check(RecordingDevice::RENDER_STATE, 0, dwType);
    for (DWORD dwStage = 0; dwStage < 2; ++dwStage) {
        for (const DWORD dwType : TEXTURE_STAGE_TYPES)
            check(RecordingDevice::TEXTURE_STAGE_STATE, dwStage, dwType);
    }
    for (DWORD dwSampler = 0; dwSampler < 2; ++dwSampler) {
        for (DWORD dwType = 1; dwType <= 13; ++dwType)
            check(RecordingDevice::SAMPLER_STATE, dwSampler, dwType);
    }
}

DWORD CachedValue(XC_DirectState& cache, RecordingDevice::StateKind kind, DWORD dwIndex, DWORD dwType)
{
    DWORD dwValue = 0xDEADBEEF;
    if (kind == RecordingDevice::RENDER_STATE)
        cache.GetRenderState(dwType, &dwValue);
    else if (kind == RecordingDevice::TEXTURE_STAGE_STATE)
        cache.GetTextureStageState(dwIndex, dwType, &dwValue);
    else
        cache.GetSamplerState(dwIndex, dwType, &dwValue);
    return dwValue;
}

DWORD DeviceValue(IDirect3DDevice9* pDevice, RecordingDevice::StateKind kind, DWORD dwIndex, DWORD dwType)
{
    DWORD dwValue = 0xDEADBEEF;
    if (kind == RecordingDevice::RENDER_STATE)
        pDevice->GetRenderState(static_cast<D3DRENDERSTATETYPE>(dwType), &dwValue);
    else if (kind == RecordingDevice::TEXTURE_STAGE_STATE)
        pDevice->GetTextureStageState(dwIndex, static_cast<D3DTEXTURESTAGESTATETYPE>(dwType), &dwValue);
    else
        pDevice->GetSamplerState(dwIndex, static_cast<D3DSAMPLERSTATETYPE>(dwType), &dwValue);
    return dwValue;
}

// "RS 166" and the like for every kept state where cache and device differ.
std::vector<std::string> Differences(XC_DirectState& cache, IDirect3DDevice9* pDevice)
{
    std::vector<std::string> differences;
    ForEachCachedState([&](RecordingDevice::StateKind kind, DWORD dwIndex, DWORD dwType) {
        if (CachedValue(cache, kind, dwIndex, dwType) == DeviceValue(pDevice, kind, dwIndex, dwType))
            return;
        const char* const szKind[] = {"RS", "TSS", "SS"};
        char szText[32];
        if (kind == RecordingDevice::RENDER_STATE)
            std::snprintf(szText, sizeof(szText), "RS %lu", dwType);
        else
            std::snprintf(szText, sizeof(szText), "%s %lu %lu", szKind[kind], dwIndex, dwType);
        differences.push_back(szText);
    });
    return differences;
}

// The start values the application's set-up writes through the cache.
void WriteStartValues(XC_DirectState& cache)
{
    cache.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    cache.SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    cache.SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    cache.SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    cache.SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    cache.SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    cache.SetRenderState(D3DRS_DITHERENABLE, FALSE);
    cache.SetRenderState(D3DRS_ZENABLE, TRUE);
    cache.SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    cache.SetRenderState(D3DRS_ALPHAREF, 1);
    cache.SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    cache.SetRenderState(D3DRS_LIGHTING, FALSE);
}

// Puts a device into the global variable block for the test's time.
class UsingDevice
{
public:
    explicit UsingDevice(IDirect3DDevice9* pDevice) { g_pVar->g_pD3DDevice = pDevice; }
    ~UsingDevice() { g_pVar->g_pD3DDevice = nullptr; }
};

} // namespace

TEST(XC_DirectState, DefaultsMatchAFreshDevice)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    XC_DirectState cache;
    ASSERT_EQ(cache.InitDefaults(), S_OK);
    ASSERT_EQ(RenderStateTypes().size(), 103u);

    // Wine reports the largest point size it supports (255.0) for
    // D3DRS_POINTSIZE_MAX where Direct3D 9 documents 64.0.
    EXPECT_EQ(Differences(cache, device.Device()), std::vector<std::string>{"RS 166"});
    DWORD dwValue = 0;
    cache.GetRenderState(D3DRS_POINTSIZE_MAX, &dwValue);
    EXPECT_EQ(dwValue, 0x42800000u);
}

TEST(XC_DirectState, StartValuesReachDeviceAndCache)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    UsingDevice using_(device.Device());
    XC_DirectState cache;
    cache.InitDefaults();
    DWORD dwLighting = 0;
    cache.GetRenderState(D3DRS_LIGHTING, &dwLighting);
    EXPECT_EQ(dwLighting, 1u);

    WriteStartValues(cache);
    cache.GetRenderState(D3DRS_LIGHTING, &dwLighting);
    EXPECT_EQ(dwLighting, 0u);
    // Only the documented difference of Wine's defaults remains.
    EXPECT_EQ(Differences(cache, device.Device()), std::vector<std::string>{"RS 166"});
}

TEST(XC_DirectState, ApplyAllAfterResetWritesTheWholeCacheBack)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    IDirect3DDevice9* const pDevice = device.Device();
    UsingDevice using_(pDevice);
    XC_DirectState cache;
    cache.InitDefaults();
    WriteStartValues(cache);
    cache.SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    cache.SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, 0);

    IDirect3DSwapChain9* pSwapChain = nullptr;
    ASSERT_EQ(pDevice->GetSwapChain(0, &pSwapChain), D3D_OK);
    D3DPRESENT_PARAMETERS params;
    ASSERT_EQ(pSwapChain->GetPresentParameters(&params), D3D_OK);
    pSwapChain->Release();
    ASSERT_EQ(pDevice->Reset(&params), D3D_OK);
    EXPECT_EQ(DeviceValue(pDevice, RecordingDevice::RENDER_STATE, 0, D3DRS_LIGHTING), 1u) << "the reset forgot";

    EXPECT_EQ(cache.ApplyAll(), S_OK);
    EXPECT_TRUE(Differences(cache, pDevice).empty());
}

TEST(XC_DirectState, RejectedValueIsNotCached)
{
    RecordingDevice device;
    UsingDevice using_(&device);
    XC_DirectState cache;
    cache.InitDefaults();
    device.Reject(RecordingDevice::RENDER_STATE, 0, D3DRS_LIGHTING, 5);
    device.Reject(RecordingDevice::TEXTURE_STAGE_STATE, 1, D3DTSS_COLOROP, 77);

    EXPECT_EQ(cache.SetRenderState(D3DRS_LIGHTING, 5), D3DERR_INVALIDCALL);
    EXPECT_EQ(cache.SetTextureStageState(1, D3DTSS_COLOROP, 77), D3DERR_INVALIDCALL);
    EXPECT_EQ(CachedValue(cache, RecordingDevice::RENDER_STATE, 0, D3DRS_LIGHTING), 1u);
    EXPECT_EQ(CachedValue(cache, RecordingDevice::TEXTURE_STAGE_STATE, 1, D3DTSS_COLOROP), 1u);

    EXPECT_EQ(cache.SetRenderState(D3DRS_LIGHTING, 0), S_OK);
    EXPECT_EQ(CachedValue(cache, RecordingDevice::RENDER_STATE, 0, D3DRS_LIGHTING), 0u);
    EXPECT_EQ(device.Calls().size(), 3u);

    // Reading never asks the device; applying one state sends the kept value.
    device.ClearCalls();
    CachedValue(cache, RecordingDevice::SAMPLER_STATE, 1, D3DSAMP_ADDRESSU);
    EXPECT_TRUE(device.Calls().empty());
    EXPECT_EQ(cache.ApplySamplerState(1, D3DSAMP_MAXANISOTROPY), S_OK);
    EXPECT_EQ(cache.ApplyTextureStageState(1, D3DTSS_COLOROP), S_OK);
    EXPECT_EQ(cache.ApplyRenderState(D3DRS_LIGHTING), S_OK);
    const std::vector<RecordingDevice::StateCall> expected = {
        {RecordingDevice::SAMPLER_STATE, 1, D3DSAMP_MAXANISOTROPY, 1},
        {RecordingDevice::TEXTURE_STAGE_STATE, 1, D3DTSS_COLOROP, 1},
        {RecordingDevice::RENDER_STATE, 0, D3DRS_LIGHTING, 0},
    };
    EXPECT_EQ(device.Calls(), expected);
}

TEST(XC_DirectState, ApplyAllSendsEveryKeptStateInOrder)
{
    RecordingDevice device;
    UsingDevice using_(&device);
    XC_DirectState cache;
    cache.InitDefaults();
    WriteStartValues(cache);
    device.ClearCalls();
    // The device's answers do not stop the write-back.
    device.Reject(RecordingDevice::RENDER_STATE, 0, D3DRS_ZENABLE, 1);

    EXPECT_EQ(cache.ApplyAll(), S_OK);
    std::vector<RecordingDevice::StateCall> expected;
    ForEachCachedState([&](RecordingDevice::StateKind kind, DWORD dwIndex, DWORD dwType) {
        expected.push_back({kind, dwIndex, dwType, CachedValue(cache, kind, dwIndex, dwType)});
    });
    EXPECT_EQ(expected.size(), 103u + 36u + 26u);
    EXPECT_EQ(device.Calls(), expected);
}

TEST(XC_DirectState, BadIndexesAreReportedAndIgnored)
{
    RecordingDevice device;
    UsingDevice using_(&device);
    ErrorLogCapture log;
    XC_DirectState cache;
    cache.InitDefaults();
    DWORD dwValue = 0x1234;

    struct Case { std::function<HRESULT()> call; const char* szReport; };
    const Case cases[] = {
        {[&] { return cache.SetRenderState(250, 1); }, "( eType < XD_InitialRenderStateMax ) failed"},
        {[&] { return cache.ApplyRenderState(0xFFFFFFFF); }, "( eType < XD_InitialRenderStateMax ) failed"},
        {[&] { return cache.GetRenderState(250, &dwValue); }, "( eType < XD_InitialRenderStateMax ) failed"},
        {[&] { return cache.SetTextureStageState(2, 1, 1); }, "( dwStage < XD_TextureStageMax ) failed"},
        {[&] { return cache.SetTextureStageState(0, 100, 1); }, "( eType < XD_InitialTextureStageStateMax ) failed"},
        {[&] { return cache.GetTextureStageState(5, 1, &dwValue); }, "( dwStage < XD_TextureStageMax ) failed"},
        {[&] { return cache.ApplyTextureStageState(1, 100); }, "( eType < XD_InitialTextureStageStateMax ) failed"},
        {[&] { return cache.GetSamplerState(2, 1, &dwValue); }, "( dwSampler < XD_TextureStageMax ) failed"},
        {[&] { return cache.ApplySamplerState(0, 100); }, "( eType < XD_InitialSamplerStateMax ) failed"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.call(), E_INVALIDARG) << c.szReport;
        EXPECT_TRUE(log.Contains(c.szReport)) << c.szReport;
    }
    EXPECT_TRUE(device.Calls().empty());
    EXPECT_EQ(dwValue, 0x1234u);
}

TEST(XC_DirectState, MissingDeviceIsReported)
{
    ErrorLogCapture log;
    XC_DirectState cache;
    cache.InitDefaults();
    EXPECT_EQ(cache.SetRenderState(D3DRS_LIGHTING, 0), E_FAIL);
    EXPECT_EQ(cache.ApplyAll(), E_FAIL);
    EXPECT_TRUE(log.Contains("( g_pVar->g_pD3DDevice ) failed"));
    EXPECT_EQ(CachedValue(cache, RecordingDevice::RENDER_STATE, 0, D3DRS_LIGHTING), 1u);
}
