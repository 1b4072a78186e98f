#include "GameProgram/Effect/XC_EffectManager.h"

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/Effect/XC_Effect.h"

#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/ScopedGlobalDevice.h"

#include <gtest/gtest.h>

#include <cmath>
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

// Effects read from a memory pack, applied to the recording device over a
// cache with its defaults.
class EffectManagerTest : public testing::Test
{
protected:
    EffectManagerTest()
    {
        g_pDirectStateObj->InitDefaults();
        EXPECT_EQ(m_Manager.Init(&m_Pack), S_OK);
    }

    ~EffectManagerTest() override { m_Manager.Fini(); }

    // The effect of a file holding the text, or null.
    XC_Effect* Load(const std::string& name, const std::string& text)
    {
        m_Pack.Add(name, text);
        return m_Manager.GetEffect(name.c_str());
    }

    // The texture transforms the device got while the effect was activated.
    std::vector<RecordingDevice::TransformCall> ActivationTransforms(XC_Effect* pEffect)
    {
        m_Device.ClearCalls();
        pEffect->Activate();
        std::vector<RecordingDevice::TransformCall> transforms = m_Device.TransformCalls();
        pEffect->Deactivate();
        return transforms;
    }

    RecordingDevice m_Device;
    ScopedGlobalDevice m_UsingDevice{&m_Device};
    ErrorLogCapture m_Log;
    MemoryPackFile m_Pack;
    XC_EffectManager m_Manager;
};

bool IsIdentity(const D3DMATRIX& m)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::fabs(m.m[r][c] - (r == c ? 1.0f : 0.0f)) > 1e-6f)
                return false;
    return true;
}

} // namespace

TEST_F(EffectManagerTest, EffectTypesApplyTheirStatesAndGiveThemBack)
{
    XC_Effect* const pEffect = Load("fx\\All.txt",
                                    "[SetRenderState]\n{\na = 27 , 1\n}\n"
                                    "[TextureSpecialEffect]\n{\nType = CubicEnvironmentMap\ndwStage = 1\n}\n"
                                    "[TextureSpecialEffect]\n{\nType = ProjectiveTexturing\n}\n"
                                    "[TextureSpecialEffect]\n{\nType = CheageUV\ndwStage = 1\nfDeltaV = 0.5\n}\n");
    ASSERT_NE(pEffect, nullptr);
    EXPECT_STREQ(pEffect->GetName(), "fx\\all.txt");

    m_Device.ClearCalls();
    ASSERT_EQ(pEffect->Activate(), S_OK);
    EXPECT_EQ(m_Device.Calls(),
              (Calls{RS(D3DRS_ALPHABLENDENABLE, 1),
                     TSS(1, D3DTSS_TEXCOORDINDEX, D3DTSS_TCI_CAMERASPACEREFLECTIONVECTOR),
                     TSS(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT3),
                     TSS(0, D3DTSS_TEXCOORDINDEX, D3DTSS_TCI_CAMERASPACEPOSITION),
                     TSS(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT3 | D3DTTFF_PROJECTED),
                     TSS(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT2)}));
    ASSERT_EQ(m_Device.TransformCalls().size(), 1u);
    EXPECT_EQ(m_Device.TransformCalls()[0].eState, D3DTS_TEXTURE1);

    // Every changed state falls back to the cache's value.
    m_Device.ClearCalls();
    pEffect->Deactivate();
    EXPECT_EQ(m_Device.Calls(),
              (Calls{RS(D3DRS_ALPHABLENDENABLE, 0), TSS(1, D3DTSS_TEXCOORDINDEX, 1),
                     TSS(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE), TSS(0, D3DTSS_TEXCOORDINDEX, 0),
                     TSS(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE),
                     TSS(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE)}));
    ASSERT_EQ(m_Device.TransformCalls().size(), 1u);
    EXPECT_EQ(m_Device.TransformCalls()[0].eState, D3DTS_TEXTURE1);
    EXPECT_TRUE(IsIdentity(m_Device.TransformCalls()[0].Matrix));

    // Names are file names: the same effect, one more reference.
    EXPECT_EQ(m_Manager.GetEffect("FX/all.TXT"), pEffect);
    EXPECT_EQ(pEffect->GetRef(), 2);
    pEffect->Release();
    pEffect->Release();
    EXPECT_FALSE(m_Log.Contains("failed")) << m_Log.Text();
}

TEST_F(EffectManagerTest, MovingTextureMatricesFollowGameTime)
{
    struct Case
    {
        const char* szKeys;
        float fSeconds;
        float m11, m12, m21, m22, m31, m32;
    };
    const Case cases[] = {
        // Scrolling: 0.5 a second.
        {"fDeltaU = 0.5", 2.0f, 1, 0, 0, 1, 1.0f, 0.0f},
        {"fDeltaU = 0.25\nfDeltaV = -0.5", 2.0f, 1, 0, 0, 1, 0.5f, -1.0f},
        // Spinning by 90° about (0.5, 0.5), not moved back by the centre.
        {"fRotateTexture_Angle = 90", 1.0f, 0, 1, -1, 0, 0.5f, -0.5f},
        {"fRotateTexture_Angle = 90\nfRotateTexture_CenterX = 0\nfRotateTexture_CenterY = 0", 1.0f, 0, 1, -1, 0, 0, 0},
        // Circling: a quarter turn, then a half, with v's radius halved.
        {"fRotateUV_Angle = 90\nfRotateUV_Radius = 0.2\nfRotateUV_RateV = 0.5", 1.0f, 1, 0, 0, 1, 0.0f, -0.1f},
        {"fRotateUV_Angle = 90\nfRotateUV_Radius = 0.2\nfRotateUV_RateV = 0.5", 2.0f, 1, 0, 0, 1, -0.2f, 0.0f},
        {"fRotateUV_Angle = 90", 1.0f, 1, 0, 0, 1, 0.0f, 0.0f}, // no radius: no circle
        // Spin, scroll and circle add up in this order.
        {"fRotateTexture_Angle = 90\nfDeltaU = 0.5\nfRotateUV_Angle = 90\nfRotateUV_Radius = 0.2", 1.0f,
         0, 1, -1, 0, 1.0f, -0.7f},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        XC_Effect* const pEffect =
            Load("move" + std::to_string(i) + ".txt",
                 std::string("[TextureSpecialEffect]\n{\nType = CheageUV\n") + c.szKeys + "\n}\n");
        ASSERT_NE(pEffect, nullptr) << i;
        // The record moves from its making on, active or not.
        for (float fTime = 0.0f; fTime < c.fSeconds; fTime += 1.0f)
            g_pTimerManager->Update(1.0f);
        const std::vector<RecordingDevice::TransformCall> transforms = ActivationTransforms(pEffect);
        pEffect->Release();
        ASSERT_EQ(transforms.size(), 1u) << i;
        EXPECT_EQ(transforms[0].eState, D3DTS_TEXTURE0);
        const float expected[4][4] = {{c.m11, c.m12, 0, 0}, {c.m21, c.m22, 0, 0}, {c.m31, c.m32, 1, 0}, {0, 0, 0, 1}};
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                EXPECT_NEAR(transforms[0].Matrix.m[r][k], expected[r][k], 1e-5f) << "case " << i << " m" << r + 1 << k + 1;
    }
    EXPECT_FALSE(m_Log.Contains("failed")) << m_Log.Text();
}

TEST_F(EffectManagerTest, AnEffectThatCannotBeReadIsNotMade)
{
    struct Case
    {
        const char* szText;
        const char* szReport;
    };
    const Case cases[] = {
        {"[SetRenderState]\n{\na = 27 , 1\n}\n[SetLight]\n{\na = 1\n}\n", "LoadFromTextNode Error , \"[SetLight]\""},
        {"[setrenderstate]\n{\na = 27 , 1\n}\n", "LoadFromTextNode Error , \"[setrenderstate]\""},
        {"[TextureSpecialEffect]\n{\nType = ChangeUV\nfDeltaU = 1\n}\n", "Unknow TextureSpecialEffect Type \"ChangeUV\""},
        {"[TextureSpecialEffect]\n{\nType = cheageuv\nfDeltaU = 1\n}\n", "Unknow TextureSpecialEffect Type \"cheageuv\""},
        {"[TextureSpecialEffect]\n{\ndwStage = 1\n}\n", "( lpctstrType ) failed"},
        // Stages past what Direct3D 9 has, and numbers too large for any type.
        {"[TextureSpecialEffect]\n{\nType = CheageUV\ndwStage = 4095\nfDeltaU = 1\n}\n",
         "TextureSpecialEffect dwStage \"4095\" is not a texture stage (0 to 7)"},
        {"[TextureSpecialEffect]\n{\nType = CheageUV\ndwStage = 4294967296\nfDeltaU = 1\n}\n",
         "TextureSpecialEffect dwStage \"4294967296\" is not a texture stage"},
        {"[TextureSpecialEffect]\n{\nType = CubicEnvironmentMap\ndwStage = 0x100000008\n}\n",
         "TextureSpecialEffect dwStage \"0x100000008\" is not a texture stage"},
        {"[TextureSpecialEffect]\n{\nType = ProjectiveTexturing\ndwStage = -1\n}\n",
         "TextureSpecialEffect dwStage \"-1\" is not a texture stage"},
        {"", "( dwSize > 0 ) failed"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string name = "bad" + std::to_string(i) + ".txt";
        EXPECT_EQ(Load(name, cases[i].szText), nullptr) << i;
        EXPECT_TRUE(m_Log.Contains(cases[i].szReport)) << i << "\n" << m_Log.Text();
        EXPECT_TRUE(m_Log.Contains("Load Effect Error , " + name)) << i;
    }
    EXPECT_EQ(m_Manager.GetEffect("missing.txt"), nullptr);
    EXPECT_TRUE(m_Log.Contains("Effect File Not Found , missing.txt"));
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u);
}

TEST_F(EffectManagerTest, StateNumbersDirect3DDoesNotDefineAreRefusedWithAReport)
{
    struct Case { const char* szSection; const char* szLine; const char* szReport; };
    const Case cases[] = {
        {"[SetSamplerState]", "0 , 65536 , 2", "SetSamplerState 0 , 65536 : not a Direct3D 9 state"},
        {"[SetSamplerState]", "16 , 5 , 2", "SetSamplerState 16 , 5 : not a Direct3D 9 state"},
        {"[SetSamplerState]", "0 , 0 , 2", "SetSamplerState 0 , 0 : not a Direct3D 9 state"},
        {"[SetTextureStageState]", "8 , 1 , 2", "SetTextureStageState 8 , 1 : not a Direct3D 9 state"},
        {"[SetTextureStageState]", "0 , 33 , 2", "SetTextureStageState 0 , 33 : not a Direct3D 9 state"},
        {"[SetRenderState]", "210 , 1", "SetRenderState 210 , 1 : not a Direct3D 9 state"},
        {"[SetRenderState]", "0xFFFFFFFF , 1", "SetRenderState 4294967295 , 1 : not a Direct3D 9 state"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string name = "range" + std::to_string(i) + ".txt";
        // The refused line is left out; the rest of the effect stands.
        XC_Effect* const pEffect = Load(name, std::string(cases[i].szSection) + "\n{\nbad = " + cases[i].szLine
                                                  + "\n}\n[SetRenderState]\n{\na = 27 , 1\n}\n");
        ASSERT_NE(pEffect, nullptr) << i;
        EXPECT_TRUE(m_Log.Contains(cases[i].szReport)) << i << "\n" << m_Log.Text();
        m_Device.ClearCalls();
        pEffect->Activate();
        EXPECT_EQ(m_Device.Calls(), (Calls{RS(D3DRS_ALPHABLENDENABLE, 1)})) << i;
        pEffect->Deactivate();
        pEffect->Release();
    }
    // The last sampler, stage and state of each kind are taken.
    XC_Effect* const pEdges = Load("edges.txt", "[SetSamplerState]\n{\na = 260 , 13 , 2\n}\n"
                                                "[SetTextureStageState]\n{\nb = 7 , 32 , 2\n}\n"
                                                "[SetRenderState]\n{\nc = 209 , 1\n}\n");
    ASSERT_NE(pEdges, nullptr);
    m_Device.ClearCalls();
    pEdges->Activate();
    EXPECT_EQ(m_Device.Calls().size(), 3u);
    pEdges->Deactivate();
    pEdges->Release();
}

TEST_F(EffectManagerTest, ManagerNeedsAPackAndEndsEveryEffect)
{
    XC_EffectManager unready;
    EXPECT_EQ(unready.Init(nullptr), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pPackFile ) failed"));
    EXPECT_EQ(unready.GetEffect("a.txt"), nullptr);
    EXPECT_TRUE(m_Log.Contains("( m_pPackFile ) failed"));

    ASSERT_NE(Load("held.txt", "[TextureSpecialEffect]\n{\nType = CheageUV\nfDeltaU = 1\n}\n"), nullptr);
    EXPECT_EQ(m_Manager.Fini(), S_OK);
    EXPECT_TRUE(m_Log.Contains("XC_EffectManager 資源 held.txt 未釋放 , ref = 1"));
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u);
    // The moving record went with its effect: time goes on without it.
    g_pTimerManager->Update(1.0f);
}
