#include "GameProgram/RenderingObject/XC_ParticleEmitter.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/RenderingObject/XC_RenderObjAnalyzer.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/MemoryPackFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

// An emitter (too large for the stack) whose keys are read from a text.
std::unique_ptr<XC_ParticleEmitter> EmitterOf(const std::string& keys)
{
    std::unique_ptr<XC_ParticleEmitter> pEmitter(new XC_ParticleEmitter);
    XC_TextTree tree;
    const std::string text = "[Fire]\n{\n" + keys + "}\n";
    tree.LoadMem(text.data(), static_cast<DWORD>(text.size()));
    if (tree.FindChildNode(0) != nullptr)
        pEmitter->LoadParticleKeys(tree.FindChildNode(0));
    return pEmitter;
}

const char* const STEADY_KEYS = "fEmitRate1 = 1000\nfEmitRate2 = 1000\nfLifeTime1 = 0.5\nfLifeTime2 = 0.5\n"
                                "xyzPosEnd1 = 0 , 1 , 0\nxyzPosEnd2 = 0 , 1 , 0\nfSizeStart1 = 4\nfSizeStart2 = 4\n";

// The data pack of the game for its life.
class DataPack : public MemoryPackFile
{
public:
    DataPack() { g_pPackFile_Data = this; }
    ~DataPack() override { g_pPackFile_Data = nullptr; }
};

} // namespace

TEST(XC_ParticleEmitter, KeysAreClamped)
{
    ErrorLogCapture log;
    const struct
    {
        const char* szKeys;
        float fSizeStart1;
        DWORD dwMaxParticles;
    } CASES[] = {
        {"fSizeStart1 = 800\ndwMaxParticles = 10\n", 500.0f, 10},
        {"fSizeStart1 = 0\n", 0.01f, 0},
        {"fSizeStart1 = -3\ndwMaxParticles = 5000\n", 0.01f, 2000},
        {"dwMaxParticles = 0xFFFFFFFF\n", 0.01f, 2000},
    };
    for (const auto& test : CASES) {
        const auto pEmitter = EmitterOf(test.szKeys);
        EXPECT_FLOAT_EQ(pEmitter->GetSizeStart1(), test.fSizeStart1) << test.szKeys;
        EXPECT_FLOAT_EQ(pEmitter->GetSizeEnd2(), 0.01f);
        EXPECT_EQ(pEmitter->GetMaxParticles(), test.dwMaxParticles) << test.szKeys;
    }
    // The sphere covers the boxes.
    const auto pEmitter = EmitterOf("xyzEmitPos = 0 , 2 , 0\nxyzPosEnd1 = 0 , 3 , 4\n");
    EXPECT_EQ(pEmitter->GetBoundingSphere()->vCenter, D3DXVECTOR3(0.0f, 2.0f, 0.0f));
    EXPECT_FLOAT_EQ(pEmitter->GetBoundingSphere()->fRadius, 5.0f);
}

TEST(XC_ParticleEmitter, ValuesTheDeviceOrTheClockCannotTakeAreReported)
{
    const struct
    {
        const char* szKeys;
        const char* szReport;
    } CASES[] = {
        {"fEmitRate1 = nan\n", "fEmitRate1 = "},
        {"fEmitRate2 = -5\n", "fEmitRate2 = -5 : not a number of at least 0"},
        {"fLifeTime1 = inf\n", "fLifeTime1 = "},
        {"fLifeTime2 = -1\n", "fLifeTime2 = -1 : not a number of at least 0"},
        {"fSizeEnd2 = nan\n", "fSizeEnd2 = "},
        {"dwSrcBlend = 18\n", "dwSrcBlend = 18 : not a Direct3D 9 blend"},
        {"dwDestBlend = 77\n", "dwDestBlend = 77 : not a Direct3D 9 blend"},
        {"rgbaColorEnd2 = 0 , 300 , 0 , -1\n", "rgbaColorEnd2 = 0 , 300 , 0 , -1 : parts lie in 0 to 255"},
        {"bPosEndIsDir = yes\n", "[Fire] bPosEndIsDir = yes : not TRUE or FALSE ; FALSE is read"},
    };
    for (const auto& test : CASES) {
        ErrorLogCapture log;
        const auto pEmitter = EmitterOf(test.szKeys);
        EXPECT_TRUE(log.Contains(test.szReport)) << test.szKeys << log.Text();
        EXPECT_FLOAT_EQ(pEmitter->GetSizeEnd2(), 0.01f) << test.szKeys;
    }
    ErrorLogCapture log;
    EmitterOf("dwSrcBlend = 5\ndwDestBlend = 6\nfEmitRate1 = 10\n");
    EXPECT_EQ(log.Text(), "");
}

TEST(XC_ParticleEmitter, EmissionIsCappedAndDiesOut)
{
    std::srand(7);
    const struct
    {
        const char* szMax;
        DWORD dwLive;
    } CASES[] = {{"dwMaxParticles = 0\n", 0}, {"dwMaxParticles = 10\n", 10}, {"dwMaxParticles = 1999\n", 100},
                 {"dwMaxParticles = 9000\n", 100}};
    for (const auto& test : CASES) {
        const auto pEmitter = EmitterOf(std::string(STEADY_KEYS) + test.szMax);
        pEmitter->UpdateEmitter(0.1f);
        EXPECT_EQ(pEmitter->GetLiveCount(), test.dwLive) << test.szMax;
    }
    // At most the store's 2000 live at once, however fast the rate.
    const auto pFlood = EmitterOf("fEmitRate1 = 1e9\nfEmitRate2 = 1e9\nfLifeTime1 = 10\nfLifeTime2 = 10\n"
                                  "dwMaxParticles = 2000\n");
    for (int i = 0; i < 3; ++i)
        pFlood->UpdateEmitter(1.0f);
    EXPECT_EQ(pFlood->GetLiveCount(), 2000u);

    // Particles rise along their end box; a particle whose age equals its
    // life is still alive, past it dead.
    std::string strKeys = STEADY_KEYS;
    strKeys += "dwMaxParticles = 3\n";
    const auto pEmitter = EmitterOf(strKeys);
    FakeEnvironment environment;
    pEmitter->SetEnvironmentOfRender(&environment);
    pEmitter->SetShow(TRUE);
    pEmitter->SetRenderable(TRUE);
    pEmitter->UpdateEmitter(0.01f);
    ASSERT_EQ(pEmitter->GetLiveCount(), 3u);
    pEmitter->SetShow(FALSE);
    pEmitter->UpdateEmitter(0.25f);
    pEmitter->ForEachParticle([](const XS_Particle& particle) { EXPECT_NEAR(particle.vPosition.y, 0.5f, 1e-4f); });
    pEmitter->UpdateEmitter(0.25f);
    EXPECT_EQ(pEmitter->GetLiveCount(), 3u);
    EXPECT_TRUE(environment.painter.Holds(pEmitter.get()));
    pEmitter->UpdateEmitter(0.01f);
    EXPECT_EQ(pEmitter->GetLiveCount(), 0u);
    EXPECT_TRUE(environment.painter.Holds(pEmitter.get()));
    pEmitter->UpdateEmitter(0.01f);
    EXPECT_FALSE(environment.painter.Holds(pEmitter.get()));
}

TEST(XC_ParticleEmitter, ALifeOfZeroDiesWithoutDividing)
{
    const auto pEmitter = EmitterOf("fEmitRate1 = 100\nfEmitRate2 = 100\ndwMaxParticles = 5\n"
                                    "fSizeEnd1 = 9\nfSizeEnd2 = 9\nxyzPosEnd1 = 1 , 1 , 1\n");
    pEmitter->UpdateEmitter(0.1f);
    EXPECT_EQ(pEmitter->GetLiveCount(), 5u);
    pEmitter->ForEachParticle([](const XS_Particle& particle) {
        EXPECT_EQ(particle.fSizeStep, 0.0f);
        EXPECT_EQ(particle.vVelocity, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    });
    pEmitter->SetShow(FALSE);
    pEmitter->UpdateEmitter(0.1f);
    EXPECT_EQ(pEmitter->GetLiveCount(), 0u);
}

TEST(XC_ParticleEmitter, SavingIsNotClaimed)
{
    ErrorLogCapture log;
    std::unique_ptr<XC_ParticleEmitter> pEmitter(new XC_ParticleEmitter);
    EXPECT_FALSE(pEmitter->SaveToFile("out.txt"));
    EXPECT_TRUE(log.Contains("XC_ParticleEmitter::Save 還沒寫"));
    EXPECT_FALSE(pEmitter->SetUseTextureList(2));
}

TEST(XC_ParticleEmitter, AFailedLoadLeavesNothing)
{
    ErrorLogCapture log;
    DataPack pack;
    pack.Add("Fire.txt", "[Fire]\n{\nTexture = Spark.bmp\n}\n");
    for (const char* szParticleName : {"Fire.txt", "Missing.txt", static_cast<const char*>(nullptr)}) {
        auto pNode = MakeNode("[Obj]", {{"Type", "particle"}});
        if (szParticleName != nullptr)
            pNode->AddLeaf("ParticleName", szParticleName);
        // No texture manager: no particle file can be loaded.
        EXPECT_EQ(g_pRenderObjAnalyzer->AnalyzeRenderObj(pNode.get()), nullptr);
    }
    // The particle file's own faults name it.
    EXPECT_TRUE(log.Contains("載入分子失敗 找不到Texture資料, in Fire.txt")) << log.Text();
    EXPECT_TRUE(log.Contains("讀取檔案失敗 Missing.txt"));
}

// Thousands of damaged particle files and descriptions: truncated trees,
// huge and negative counts, missing leaves, random bytes. Each gives a
// report and a failure or a bounded emitter, never a crash.
TEST(XC_ParticleEmitter, DamagedFilesAndDescriptions)
{
    ErrorLogCapture log;
    DataPack pack;
    const std::string valid = "[Fire]\n{\nTexture = Spark.bmp\ndwMaxParticles = 50\nfEmitRate1 = 100\n"
                              "fEmitRate2 = 200\nfLifeTime1 = 0.5\nfLifeTime2 = 1\nxyzPosEnd1 = 0 , 2 , 0\n"
                              "rgbaColorStart1 = 255 , 128 , 0 , 255\nfSizeStart1 = 4\n[Inner]\n{\nx = 1\n}\n}\n";
    const char* const VALUES[] = {"-1", "4294967295", "1e38", "-1e38", "nan", "inf", "", "0x", "99999999999999999999",
                                  " , , ", "1 , 2", "<none>"};
    const char* const KEYS[] = {"dwMaxParticles", "fEmitRate1", "fLifeTime1", "fLifeTime2", "xyzPosEnd1",
                                "rgbaColorStart1", "fSizeStart1", "xyzGravity", "fTextureChangeTime1"};
    std::mt19937 random(11);
    for (int iCase = 0; iCase < 3000; ++iCase) {
        std::string text = valid;
        switch (iCase % 4) {
        case 0: // truncated
            text.resize(random() % text.size());
            break;
        case 1: // a key with a hostile value
            text.insert(text.find('{') + 2, std::string(KEYS[random() % 9]) + " = " + VALUES[random() % 12] + "\n");
            break;
        case 2: // bytes flipped
            for (int i = 0; i < 8; ++i)
                text[random() % text.size()] = static_cast<char>(random() % 256);
            break;
        default: // brackets and braces out of order
            for (int i = 0; i < 4; ++i)
                text.insert(random() % text.size(), 1, "{}[]\n"[random() % 5]);
            break;
        }
        pack.Add("Damaged.txt", text);
        std::unique_ptr<XC_ParticleEmitter> pEmitter(new XC_ParticleEmitter);
        EXPECT_FALSE(pEmitter->LoadFromFile("Damaged.txt"));
        // The keys themselves, as a texture would have let them be read.
        const auto pKeyed = EmitterOf(text.substr(text.find('{') == std::string::npos ? 0 : text.find('{') + 1));
        for (int i = 0; i < 3; ++i)
            pKeyed->UpdateEmitter(0.5f);
        ASSERT_LE(pKeyed->GetLiveCount(), pKeyed->GetMaxParticles());
        ASSERT_LE(pKeyed->GetMaxParticles(), 2000u);

        auto pNode = MakeNode("[Obj]", {{"Type", "particle"}, {"ParticleName", "Damaged.txt"},
                                        {KEYS[random() % 9], VALUES[random() % 12]},
                                        {"iRenderQueueDelta", VALUES[random() % 12]},
                                        {"RenderQueue", VALUES[random() % 12]}});
        EXPECT_EQ(g_pRenderObjAnalyzer->AnalyzeRenderObj(pNode.get()), nullptr);
    }
}
