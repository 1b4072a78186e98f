#include "GameProgram/DirectState/XC_SetDirectState.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/DirectState/XC_DirectState.h"

#include "tests/GameProgram/Resource/TextureManagerFixture.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/ScopedGlobalDevice.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::vector<RecordingDevice::StateCall> Calls;

RecordingDevice::StateCall RS(DWORD dwType, DWORD dwValue)
{
    return {RecordingDevice::RENDER_STATE, 0, dwType, dwValue};
}

RecordingDevice::StateCall TSS(DWORD dwStage, DWORD dwType, DWORD dwValue)
{
    return {RecordingDevice::TEXTURE_STAGE_STATE, dwStage, dwType, dwValue};
}

RecordingDevice::StateCall SS(DWORD dwSampler, DWORD dwType, DWORD dwValue)
{
    return {RecordingDevice::SAMPLER_STATE, dwSampler, dwType, dwValue};
}

// What the active state object is to the static objects built after the cache.
struct ActiveObjectWitness
{
    ActiveObjectWitness()
        : pActive(g_pActiveDirectStateObj)
    {
    }
    XI_DirectState* pActive;
};

ActiveObjectWitness s_Witness XM_INIT_ORDER(XE_INIT_DIRECT_STATE + 2);

// Base values of the cache that the tests fall back to.
const DWORD CACHE_TEXTUREFACTOR = 0xFFFFFFFF;
const DWORD CACHE_COLOROP = D3DTOP_MODULATE;
const DWORD CACHE_MAGFILTER = D3DTEXF_POINT;

// A record of a kind the four typed lists do not hold.
class CountingState : public XC_SetState
{
public:
    explicit CountingState(int* piApplied) : m_piApplied(piApplied) {}
    HRESULT Apply() override
    {
        ++*m_piApplied;
        return S_OK;
    }
    HRESULT Restore(XI_DirectState*) override { return S_OK; }

private:
    int* m_piApplied;
};

// State sets against the recording device, over a cache with its defaults.
class SetDirectStateTest : public testing::Test
{
protected:
    SetDirectStateTest() { g_pDirectStateObj->InitDefaults(); }

    // The device calls that activating the set makes, the set left inactive.
    Calls ActivationCalls(XC_SetDirectState& set)
    {
        m_Device.ClearCalls();
        set.Activate();
        Calls calls = m_Device.Calls();
        set.Deactivate();
        m_Device.ClearCalls();
        return calls;
    }

    RecordingDevice m_Device;
    ScopedGlobalDevice m_UsingDevice{&m_Device};
    ErrorLogCapture m_Log;
};

} // namespace

TEST(XC_SetDirectState, TheCacheIsActiveFromTheStart)
{
    EXPECT_EQ(s_Witness.pActive, g_pDirectStateObj);
    EXPECT_EQ(g_pActiveDirectStateObj, g_pDirectStateObj);
}

TEST_F(SetDirectStateTest, NestedSetsFallBackThroughTheirPredecessors)
{
    XC_SetDirectState setA;
    XC_SetDirectState setB;
    setA.SetRenderState(D3DRS_TEXTUREFACTOR, 0x11);
    setA.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    setA.SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    setB.SetRenderState(D3DRS_TEXTUREFACTOR, 0x22);
    setB.SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_ANISOTROPIC);
    EXPECT_TRUE(m_Device.Calls().empty()) << "setting a state does not touch the device";

    EXPECT_EQ(setA.Activate(), S_OK);
    EXPECT_EQ(g_pActiveDirectStateObj, &setA);
    EXPECT_EQ(m_Device.Calls(), (Calls{RS(D3DRS_TEXTUREFACTOR, 0x11), TSS(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1),
                                       SS(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR)}));
    m_Device.ClearCalls();
    EXPECT_EQ(setB.Activate(), S_OK);
    EXPECT_EQ(g_pActiveDirectStateObj, &setB);
    EXPECT_EQ(m_Device.Calls(),
              (Calls{RS(D3DRS_TEXTUREFACTOR, 0x22), SS(0, D3DSAMP_MAGFILTER, D3DTEXF_ANISOTROPIC)}));

    // The innermost set that holds a state answers for it.
    DWORD dwValue = 0;
    EXPECT_EQ(setB.GetRenderState(D3DRS_TEXTUREFACTOR, &dwValue), S_OK);
    EXPECT_EQ(dwValue, 0x22u);
    EXPECT_EQ(setB.GetTextureStageState(0, D3DTSS_COLOROP, &dwValue), S_OK);
    EXPECT_EQ(dwValue, static_cast<DWORD>(D3DTOP_SELECTARG1));
    EXPECT_EQ(setB.GetRenderState(D3DRS_ZENABLE, &dwValue), S_OK);
    EXPECT_EQ(dwValue, static_cast<DWORD>(D3DZB_TRUE));

    m_Device.ClearCalls();
    EXPECT_EQ(setB.Deactivate(), &setA);
    EXPECT_EQ(g_pActiveDirectStateObj, &setA);
    EXPECT_EQ(m_Device.Calls(),
              (Calls{RS(D3DRS_TEXTUREFACTOR, 0x11), SS(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR)}));
    m_Device.ClearCalls();
    EXPECT_EQ(setA.Deactivate(), g_pDirectStateObj);
    EXPECT_EQ(g_pActiveDirectStateObj, g_pDirectStateObj);
    EXPECT_EQ(m_Device.Calls(), (Calls{RS(D3DRS_TEXTUREFACTOR, CACHE_TEXTUREFACTOR),
                                       TSS(0, D3DTSS_COLOROP, CACHE_COLOROP),
                                       SS(0, D3DSAMP_MAGFILTER, CACHE_MAGFILTER)}));

    // An inactive set that lacks a state asks the cache.
    EXPECT_EQ(setB.GetTextureStageState(0, D3DTSS_COLOROP, &dwValue), S_OK);
    EXPECT_EQ(dwValue, CACHE_COLOROP);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(SetDirectStateTest, SettingAStateAgainKeepsOneRecordInItsPlace)
{
    XC_SetDirectState set;
    set.SetRenderState(D3DRS_TEXTUREFACTOR, 1);
    set.SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_ADD);
    set.SetSamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    set.SetRenderState(D3DRS_TEXTUREFACTOR, 3);
    set.SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    set.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_ADD);
    set.SetSamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_POINT);

    EXPECT_EQ(ActivationCalls(set),
              (Calls{RS(D3DRS_TEXTUREFACTOR, 3), TSS(1, D3DTSS_COLOROP, D3DTOP_DISABLE),
                     SS(1, D3DSAMP_MINFILTER, D3DTEXF_POINT), TSS(0, D3DTSS_COLOROP, D3DTOP_ADD)}));
}

TEST_F(SetDirectStateTest, ScriptLinesChangeTheSet)
{
    struct Case { const char* szLine; HRESULT hr; const char* szReport; };
    const Case cases[] = {
        {"SetRenderState 0x1B , 1", S_OK, nullptr},
        {"SetRenderState( 27, 0 )", S_OK, nullptr},
        {"SetTextureStageState 1, 2, 3", S_OK, nullptr},
        {"SetSamplerState\t1 , 5 , 2", S_OK, nullptr},
        {"SetSamplerState 0, 6, 2", S_OK, nullptr},
        {"RemoveSamplerState 1, 5", S_OK, nullptr},
        {"SetTextureStageState 0, 3, 1", S_OK, nullptr},
        {"RemoveTextureStageState 0, 3", S_OK, nullptr},
        {"SetRenderState 60 5", S_OK, nullptr},
        {"RemoveRenderState 60", S_OK, nullptr},
        {"RemoveRenderState 61", S_OK, nullptr},
        {"SetRenderState 7", S_OK, "( szToken ) failed"},
        // Modes outside what the device takes never reach it.
        {"SetTextureStageState 0 , 1 , 27", E_INVALIDARG, "SetTextureStageState 1 = 27 : not a value"},
        {"SetTextureStageState 0 , 4 , 0", E_INVALIDARG, "SetTextureStageState 4 = 0 : not a value"},
        {"SetTextureStageState 0 , 2 , 7", E_INVALIDARG, "SetTextureStageState 2 = 7 : not a value"},
        {"SetTextureStageState 0 , 11 , 0x50000", E_INVALIDARG, "SetTextureStageState 11 = 327680 : not a value"},
        {"SetTextureStageState 0 , 24 , 5", E_INVALIDARG, "SetTextureStageState 24 = 5 : not a value"},
        {"SetRenderState 19 , 0", E_INVALIDARG, "SetRenderState 19 = 0 : not a value"},
        {"SetRenderState 151 , 4", E_INVALIDARG, "SetRenderState 151 = 4 : not a value"},
        {"SetSamplerState 0 , 1 , 6", E_INVALIDARG, "SetSamplerState 1 = 6 : not a value"},
        {"SetSamplerState 0 , 7 , 8", E_INVALIDARG, "SetSamplerState 7 = 8 : not a value"},
        {"SetTextureStageState 0 , 2 , 0x32", S_OK, nullptr},
        {"SetRenderState 151 , 255", S_OK, nullptr},
        {"SetRenderState 60 , 0x12345678", S_OK, nullptr},
        {"setrenderstate 27 1", E_FAIL, "ScriptSetDirectState Can't Find Token"},
        {"Bogus 1 2", E_FAIL, "ScriptSetDirectState Can't Find Token"},
        {"", E_FAIL, "( szToken ) failed"},
    };
    XC_SetDirectState set;
    for (const Case& c : cases) {
        ErrorLogCapture log;
        EXPECT_EQ(set.ScriptSetDirectState(c.szLine), c.hr) << c.szLine;
        if (c.szReport != nullptr)
            EXPECT_TRUE(log.Contains(c.szReport)) << c.szLine << ": " << log.Text();
        else
            EXPECT_EQ(log.Text(), "") << c.szLine;
    }
    EXPECT_EQ(set.ScriptSetDirectState(static_cast<const char*>(nullptr)), E_FAIL);

    // A line short of its value sets the value 0.
    EXPECT_EQ(ActivationCalls(set), (Calls{RS(D3DRS_ALPHABLENDENABLE, 0), TSS(1, 2, 3), SS(0, 6, 2), RS(7, 0),
                                           TSS(0, 2, 0x32), RS(D3DRS_VERTEXBLEND, D3DVBF_TWEENING),
                                           RS(D3DRS_TEXTUREFACTOR, 0x12345678)}));
}

TEST_F(SetDirectStateTest, LoadsTheSectionsOfATextTree)
{
    const std::string text = "[SetRenderState]\n{\na = 27 , 1\nb = 0x3C, 0x80\n}\n"
                             "[Fog]\n{\nc = 28 , 1\n}\n"
                             "[SetTextureStageState]\n{\nx = 0 , 1 , 2\n}\n"
                             "[SetSamplerState]\n{\ny = 1 , 5 , 2\n}\n";
    XC_SetDirectState set;
    EXPECT_EQ(set.LoadFromMemory(text.data(), static_cast<DWORD>(text.size())), S_OK);
    EXPECT_TRUE(m_Log.Contains("Unknow SetStateType \"[Fog]\"")) << m_Log.Text();
    EXPECT_EQ(ActivationCalls(set), (Calls{RS(27, 1), RS(60, 0x80), TSS(0, 1, 2), SS(1, 5, 2)}));

    EXPECT_EQ(set.LoadFromMemory(nullptr, 5), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pData ) failed"));
    EXPECT_EQ(set.LoadFromMemory(text.data(), 0), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( dwSize > 0 ) failed"));
    EXPECT_EQ(set.LoadFromTextNode(nullptr), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pTNode ) failed"));
}

TEST_F(SetDirectStateTest, ASectionWithoutANameClearsTheSet)
{
    XC_TextNode root;
    root.AddNode("[SetRenderState]")->AddLeaf("a", "60 , 1");
    root.AddChildNode(new XC_TextNode);
    root.AddNode("[SetSamplerState]")->AddLeaf("b", "0 , 5 , 2");
    XC_SetDirectState set;
    set.SetRenderState(D3DRS_ZENABLE, 0);

    EXPECT_EQ(set.LoadFromTextNode(&root), E_FAIL);
    EXPECT_TRUE(ActivationCalls(set).empty());
}

TEST_F(SetDirectStateTest, DestroyingTheActiveSetMakesTheCacheActive)
{
    auto pSetA = std::make_unique<XC_SetDirectState>();
    auto pSetB = std::make_unique<XC_SetDirectState>();
    pSetA->SetRenderState(D3DRS_TEXTUREFACTOR, 0x11);
    pSetB->SetRenderState(D3DRS_TEXTUREFACTOR, 0x22);
    pSetA->Activate();
    pSetB->Activate();
    m_Device.ClearCalls();

    pSetB.reset();
    EXPECT_EQ(g_pActiveDirectStateObj, g_pDirectStateObj);
    EXPECT_TRUE(m_Device.Calls().empty()) << "the device's states are not restored";
    EXPECT_EQ(m_Log.Text(), "");

    // The set left below is out of the chain: switching it off keeps the cache active.
    EXPECT_EQ(pSetA->Deactivate(), g_pDirectStateObj);
    EXPECT_EQ(g_pActiveDirectStateObj, g_pDirectStateObj);
    EXPECT_EQ(m_Device.Calls(), (Calls{RS(D3DRS_TEXTUREFACTOR, CACHE_TEXTUREFACTOR)}));
}

TEST_F(SetDirectStateTest, DestroyingASetBelowTheActiveOneUnlinksIt)
{
    XC_SetDirectState setC;
    auto pSetA = std::make_unique<XC_SetDirectState>();
    XC_SetDirectState setB;
    setC.SetRenderState(D3DRS_TEXTUREFACTOR, 0x33);
    pSetA->SetRenderState(D3DRS_TEXTUREFACTOR, 0x11);
    setB.SetRenderState(D3DRS_TEXTUREFACTOR, 0x22);
    setC.Activate();
    pSetA->Activate();
    setB.Activate();

    pSetA.reset();
    m_Device.ClearCalls();
    EXPECT_EQ(setB.Deactivate(), &setC);
    EXPECT_EQ(g_pActiveDirectStateObj, &setC);
    EXPECT_EQ(m_Device.Calls(), (Calls{RS(D3DRS_TEXTUREFACTOR, 0x33)}));
}

TEST_F(SetDirectStateTest, DeactivatingOutOfOrderKeepsTheActiveSet)
{
    XC_SetDirectState setA;
    XC_SetDirectState setB;
    setA.SetRenderState(D3DRS_TEXTUREFACTOR, 0x11);
    setA.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_ADD);
    setB.SetRenderState(D3DRS_TEXTUREFACTOR, 0x22);
    setA.Activate();
    setB.Activate();
    m_Device.ClearCalls();

    EXPECT_EQ(setA.Deactivate(), g_pDirectStateObj);
    EXPECT_TRUE(m_Log.Contains("( this == g_pActiveDirectStateObj ) failed \r\n死定了 重大錯誤")) << m_Log.Text();
    EXPECT_EQ(g_pActiveDirectStateObj, &setB);
    // The set still active keeps its own value; the rest falls back past the set taken out.
    EXPECT_EQ(m_Device.Calls(),
              (Calls{RS(D3DRS_TEXTUREFACTOR, 0x22), TSS(0, D3DTSS_COLOROP, CACHE_COLOROP)}));

    m_Device.ClearCalls();
    EXPECT_EQ(setB.Deactivate(), g_pDirectStateObj);
    EXPECT_EQ(g_pActiveDirectStateObj, g_pDirectStateObj);
    EXPECT_EQ(m_Device.Calls(), (Calls{RS(D3DRS_TEXTUREFACTOR, CACHE_TEXTUREFACTOR)}));
}

TEST_F(SetDirectStateTest, AnActiveSetIsNotActivatedAgain)
{
    XC_SetDirectState setA;
    XC_SetDirectState setB;
    setA.SetRenderState(D3DRS_TEXTUREFACTOR, 0x11);
    setA.Activate();
    m_Device.ClearCalls();

    EXPECT_EQ(setA.Activate(), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( this != g_pActiveDirectStateObj ) failed"));
    setB.Activate();
    EXPECT_EQ(setA.Activate(), E_FAIL) << "a set below the active one would close a loop";
    EXPECT_EQ(g_pActiveDirectStateObj, &setB);
    EXPECT_TRUE(m_Device.Calls().empty());

    setB.Deactivate();
    EXPECT_EQ(setA.Deactivate(), g_pDirectStateObj);
    EXPECT_EQ(g_pActiveDirectStateObj, g_pDirectStateObj);
}

TEST_F(SetDirectStateTest, CopyAndAddTakeOnlyTheTypedRecords)
{
    int iApplied = 0;
    XC_SetDirectState source;
    source.SetRenderState(D3DRS_TEXTUREFACTOR, 2);
    source.SetRenderState(D3DRS_ZENABLE, 0);
    source.SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_ADD);
    source.SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
    EXPECT_EQ(source.AddSetState(new CountingState(&iApplied)), S_OK);

    XC_SetDirectState copy;
    copy.SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    EXPECT_EQ(copy.Copy(&source), S_OK);
    const Calls sourceTyped = {RS(D3DRS_TEXTUREFACTOR, 2), RS(D3DRS_ZENABLE, 0),
                               TSS(1, D3DTSS_COLOROP, D3DTOP_ADD), SS(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR)};
    EXPECT_EQ(ActivationCalls(copy), sourceTyped);
    EXPECT_EQ(iApplied, 0);
    ActivationCalls(source);
    EXPECT_EQ(iApplied, 1);

    XC_SetDirectState merged;
    merged.SetRenderState(D3DRS_TEXTUREFACTOR, 1);
    merged.SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    EXPECT_EQ(merged.Add(&source), S_OK);
    EXPECT_EQ(ActivationCalls(merged),
              (Calls{RS(D3DRS_TEXTUREFACTOR, 2), RS(D3DRS_CULLMODE, D3DCULL_NONE), RS(D3DRS_ZENABLE, 0),
                     TSS(1, D3DTSS_COLOROP, D3DTOP_ADD), SS(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR)}));

    EXPECT_EQ(merged.Add(nullptr), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("XC_SetDirectState"));
}

TEST_F(SetDirectStateTest, RemovingRecordsFindsThemInTheirOwnList)
{
    XC_SetDirectState set;
    set.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_ADD);
    set.SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    set.SetSamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    set.SetSamplerState(1, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);

    EXPECT_EQ(set.RemoveSamplerState(1, D3DSAMP_MIPFILTER), S_OK);
    EXPECT_EQ(set.RemoveTextureStageState(0, D3DTSS_COLOROP), S_OK);
    EXPECT_EQ(set.RemoveRenderState(D3DRS_ZENABLE), S_OK);
    EXPECT_EQ(ActivationCalls(set),
              (Calls{SS(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR), SS(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR)}));

    CountingState stranger(nullptr);
    EXPECT_EQ(set.RemoveSetState(&stranger), E_FAIL);
    EXPECT_EQ(set.AddSetState(nullptr), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pSetStateObj ) failed"));
}

TEST_F(SetDirectStateTest, RefusedAndFailedCallsAreReported)
{
    XC_SetDirectState set;
    set.SetRenderState(D3DRS_TEXTUREFACTOR, 0x11);
    set.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_LERP);
    set.SetSamplerState(1, D3DSAMP_MAGFILTER, D3DTEXF_GAUSSIANQUAD);
    m_Device.Reject(RecordingDevice::RENDER_STATE, 0, D3DRS_TEXTUREFACTOR, 0x11);
    m_Device.Reject(RecordingDevice::TEXTURE_STAGE_STATE, 0, D3DTSS_COLOROP, D3DTOP_LERP);
    m_Device.Reject(RecordingDevice::SAMPLER_STATE, 1, D3DSAMP_MAGFILTER, D3DTEXF_GAUSSIANQUAD);

    EXPECT_EQ(ActivationCalls(set).size(), 3u) << "a refused record does not stop the others";
    for (const char* szReport :
         {"( ((HRESULT)0x00000000L) == g_pVar->g_pD3DDevice->SetRenderState( m_eType , m_dwValue ) ) failed",
          "( ((HRESULT)0x00000000L) == g_pVar->g_pD3DDevice->SetTextureStageState( m_dwStage , m_eType , "
          "m_dwValue ) ) failed",
          "( ((HRESULT)0x00000000L) == g_pVar->g_pD3DDevice->SetSamplerState( m_dwSampler , m_eType , "
          "m_dwValue ) ) failed"})
        EXPECT_TRUE(m_Log.Contains(szReport)) << szReport;

    // A state the chain cannot answer for is reported on the way up and not written.
    m_Device.ClearCalls();
    EXPECT_EQ(set.ApplyRenderState(300), E_INVALIDARG);
    EXPECT_TRUE(m_Log.Contains("( GetRenderState( eType , &dwValue ) ) failed , hr = 80070057"));
    EXPECT_TRUE(m_Device.Calls().empty());

    // Records given no predecessor restore nothing.
    XC_SetDirectState inactive;
    inactive.SetRenderState(D3DRS_TEXTUREFACTOR, 1);
    inactive.Deactivate();
    EXPECT_TRUE(m_Log.Contains("( pPredecessor ) failed"));
    EXPECT_TRUE(m_Device.Calls().empty());
}

TEST(XC_SetDirectState, NestedSetsDrawOnARealDevice)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    IDirect3DDevice9* const pDevice = device.Device();
    ScopedGlobalDevice usingDevice(pDevice);
    XC_DirectState& cache = *g_pDirectStateObj;
    cache.InitDefaults();
    cache.SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    cache.SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    cache.SetRenderState(D3DRS_LIGHTING, FALSE);
    cache.ApplyAll();

    // The outer set draws the texture factor in red, the inner one in green.
    XC_SetDirectState outer;
    ASSERT_EQ(outer.ScriptSetDirectState("SetTextureStageState 0 , 1 , 2"), S_OK); // select argument 1
    ASSERT_EQ(outer.ScriptSetDirectState("SetTextureStageState 0 , 2 , 3"), S_OK); // the texture factor
    ASSERT_EQ(outer.ScriptSetDirectState("SetRenderState 60 , 0xFFFF0000"), S_OK);
    XC_SetDirectState inner;
    ASSERT_EQ(inner.ScriptSetDirectState("SetRenderState 60 , 0xFF00FF00"), S_OK);

    struct Vertex { float x, y, z, rhw; DWORD dwColor; };
    const auto drawColumn = [&](int iColumn) {
        const float fLeft = 100.0f + 150.0f * iColumn;
        const DWORD dwBlue = 0xFF0000FF;
        const Vertex quad[4] = {{fLeft, 100.0f, 0.5f, 1.0f, dwBlue}, {fLeft + 100.0f, 100.0f, 0.5f, 1.0f, dwBlue},
                                {fLeft, 300.0f, 0.5f, 1.0f, dwBlue}, {fLeft + 100.0f, 300.0f, 0.5f, 1.0f, dwBlue}};
        pDevice->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
        pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex));
    };
    ASSERT_EQ(pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0), D3D_OK);
    ASSERT_EQ(pDevice->BeginScene(), D3D_OK);
    outer.Activate();
    drawColumn(0);
    inner.Activate();
    drawColumn(1);
    inner.Deactivate();
    drawColumn(2);
    outer.Deactivate();
    drawColumn(3);
    pDevice->EndScene();

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(device.SaveBackBuffer("XC_SetDirectState_Nested")));
    EXPECT_EQ(picture.Pixel(150, 200), 0xFF0000u);
    EXPECT_EQ(picture.Pixel(300, 200), 0x00FF00u);
    EXPECT_EQ(picture.Pixel(450, 200), 0xFF0000u);
    EXPECT_EQ(picture.Pixel(600, 200), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(50, 50), 0x000000u);

    // The device ends with the cache's values again.
    DWORD dwFactor = 0;
    DWORD dwColorOp = 0;
    pDevice->GetRenderState(D3DRS_TEXTUREFACTOR, &dwFactor);
    pDevice->GetTextureStageState(0, D3DTSS_COLOROP, &dwColorOp);
    EXPECT_EQ(dwFactor, CACHE_TEXTUREFACTOR);
    EXPECT_EQ(dwColorOp, static_cast<DWORD>(D3DTOP_SELECTARG2));
}

namespace {

// State sets binding textures of a texture manager on a real device; the
// device calls are recorded by switching to the recording device.
class SetTextureTest : public TextureManagerFixture
{
protected:
    void SetUp() override
    {
        TextureManagerFixture::SetUp();
        // Released textures stay loaded, so their counts can still be read.
        m_Manager.SetCacheSize(8);
        AddImage("red.bmp", 0xFF0000);
        AddImage("blue.bmp", 0x0000FF);
        g_pDirectStateObj->InitDefaults();
    }

    // A texture of the manager, without keeping the reference taken to find it.
    XC_Texture* Texture(const char* szName)
    {
        XC_Texture* const pTexture = m_Manager.GetTexture(szName);
        pTexture->Release();
        return pTexture;
    }

    XC_Texture* StageTexture(const XC_SetDirectState& set, DWORD dwStage)
    {
        XC_Texture* pTexture = reinterpret_cast<XC_Texture*>(1);
        EXPECT_EQ(set.GetStageTexture(dwStage, &pTexture), S_OK);
        return pTexture;
    }
};

} // namespace

TEST_F(SetTextureTest, BoundTexturesHoldOneReferenceEach)
{
    XC_SetDirectState set;
    EXPECT_EQ(set.SetTexture(0, "red.bmp"), S_OK);
    XC_Texture* const pRed = StageTexture(set, 0);
    ASSERT_NE(pRed, nullptr);
    EXPECT_EQ(pRed->GetRef(), 1) << "the manager's reference went back";
    EXPECT_EQ(StageTexture(set, 1), nullptr);

    EXPECT_EQ(set.SetTexture(0, pRed), S_OK);
    EXPECT_EQ(pRed->GetRef(), 1) << "binding the same texture again";
    XC_SetDirectState copy;
    EXPECT_EQ(copy.Copy(&set), S_OK);
    EXPECT_EQ(StageTexture(copy, 0), pRed);
    EXPECT_EQ(pRed->GetRef(), 2);

    EXPECT_EQ(set.ScriptSetDirectState("SetTexture 1 , blue.bmp"), S_OK);
    XC_Texture* const pBlue = Texture("blue.bmp");
    EXPECT_EQ(StageTexture(set, 1), pBlue);
    const std::string text = "[SetTexture]\n{\nt = 0 , blue.bmp\n}\n";
    EXPECT_EQ(set.LoadFromMemory(text.data(), static_cast<DWORD>(text.size())), S_OK);
    EXPECT_EQ(StageTexture(set, 0), pBlue);
    EXPECT_EQ(pRed->GetRef(), 1);
    EXPECT_EQ(pBlue->GetRef(), 2);

    EXPECT_EQ(set.ScriptSetDirectState("RemoveTexture 1"), S_OK);
    EXPECT_EQ(StageTexture(set, 1), nullptr);
    EXPECT_EQ(pBlue->GetRef(), 1);
    copy.Clear();
    EXPECT_EQ(pRed->GetRef(), 0);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(SetTextureTest, DeactivationLeavesTheStageWithoutATexture)
{
    XC_SetDirectState outer;
    XC_SetDirectState inner;
    outer.SetTexture(0, "red.bmp");
    inner.SetTexture(0, "blue.bmp");
    inner.SetRenderState(D3DRS_TEXTUREFACTOR, 0x22);
    IDirect3DBaseTexture9* const pRed = Texture("red.bmp")->GetTexture();
    IDirect3DBaseTexture9* const pBlue = Texture("blue.bmp")->GetTexture();

    RecordingDevice recording;
    g_pVar->g_pD3DDevice = &recording;
    outer.Activate();
    inner.Activate();
    inner.Deactivate();
    outer.Deactivate();
    typedef RecordingDevice::TextureCall Bind;
    EXPECT_EQ(recording.TextureCalls(), (std::vector<Bind>{{0, pRed}, {0, pBlue}, {0, nullptr}, {0, nullptr}}))
        << "the inner set unbinds the stage although the outer one binds it";
    EXPECT_EQ(recording.Calls(), (Calls{RS(D3DRS_TEXTUREFACTOR, 0x22), RS(D3DRS_TEXTUREFACTOR, CACHE_TEXTUREFACTOR)}));

    // A record without a texture binds nothing.
    recording.ClearCalls();
    XC_SetDirectState empty;
    empty.SetTexture(1, static_cast<XC_Texture*>(nullptr));
    empty.Activate();
    EXPECT_TRUE(m_Log.Contains("( m_pTextureObj ) failed"));
    EXPECT_TRUE(recording.TextureCalls().empty());
    empty.Deactivate();
    g_pVar->g_pD3DDevice = m_Device.Device();
}

TEST_F(SetTextureTest, TexturesThatCannotBeHadAreReported)
{
    XC_SetDirectState set;
    EXPECT_EQ(set.SetTexture(0, static_cast<const char*>(nullptr)), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( szTextureName ) failed"));

    // Without "error.bmp" a missing name gives no texture; a section goes on past it.
    const std::string text = "[SetTexture]\n{\na = 0 , missing.bmp\nb = 1 , red.bmp\n}\n";
    EXPECT_EQ(set.LoadFromMemory(text.data(), static_cast<DWORD>(text.size())), S_OK);
    EXPECT_TRUE(m_Log.Contains("( pTextureObj ) failed"));
    EXPECT_TRUE(m_Log.Contains("( ScriptSetTexture( pLeaf->GetStr() ) ) failed , hr = 80004005"));
    EXPECT_EQ(StageTexture(set, 0), nullptr);
    EXPECT_EQ(StageTexture(set, 1), Texture("red.bmp"));

    g_pTextureManager = nullptr;
    EXPECT_EQ(set.ScriptSetDirectState("SetTexture 0 , red.bmp"), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( g_pTextureManager ) failed"));
    g_pTextureManager = &m_Manager;
}

TEST_F(SetTextureTest, ABoundTextureDrawsOnARealDevice)
{
    IDirect3DDevice9* const pDevice = m_Device.Device();
    g_pDirectStateObj->ApplyAll();
    XC_SetDirectState set;
    ASSERT_EQ(set.ScriptSetDirectState("SetTextureStageState 0 , 1 , 2"), S_OK); // select the texture
    ASSERT_EQ(set.ScriptSetDirectState("SetTexture 0 , red.bmp"), S_OK);

    struct Vertex { float x, y, z, rhw, u, v; };
    const Vertex quad[4] = {{100.0f, 100.0f, 0.5f, 1.0f, 0.0f, 0.0f}, {300.0f, 100.0f, 0.5f, 1.0f, 1.0f, 0.0f},
                            {100.0f, 300.0f, 0.5f, 1.0f, 0.0f, 1.0f}, {300.0f, 300.0f, 0.5f, 1.0f, 1.0f, 1.0f}};
    ASSERT_EQ(pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 80), 1.0f, 0), D3D_OK);
    ASSERT_EQ(pDevice->BeginScene(), D3D_OK);
    set.Activate();
    pDevice->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
    pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex));
    set.Deactivate();
    pDevice->EndScene();

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(m_Device.SaveBackBuffer("XC_SetDirectState_Texture")));
    EXPECT_EQ(picture.Pixel(200, 200), 0xFF0000u);
    EXPECT_EQ(picture.Pixel(50, 50), 0x000050u);
    IDirect3DBaseTexture9* pBound = nullptr;
    pDevice->GetTexture(0, &pBound);
    EXPECT_EQ(pBound, nullptr);
    if (pBound != nullptr)
        pBound->Release();
}
