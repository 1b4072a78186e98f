#include "GameProgram/LightMan/XC_LightMan.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/DirectState/XC_DirectState.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/ScopedGlobalDevice.h"
#include "tests/Support/ScopedTempFolder.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::vector<RecordingDevice::StateCall> Calls;

RecordingDevice::StateCall RS(DWORD dwType, DWORD dwValue)
{
    return {RecordingDevice::RENDER_STATE, 0, dwType, dwValue};
}

DWORD FloatBits(float fValue)
{
    DWORD dwBits = 0;
    std::memcpy(&dwBits, &fValue, sizeof(dwBits));
    return dwBits;
}

// A light man section with ambient 200, 100, 50, fog from 10 to 90 and the
// bulb nodes given.
std::string LightManText(const std::string& bulbs)
{
    return "[LightMan]\n{\nAmbientLight_Red = 200\nAmbientLight_Green = 0x64\nAmbientLight_Blue = 50\n"
           "bFogEnable = 1\ndwFogColor = 0x123456\nfFogStartValue = 10.0\nfFogEndValue = 90.0\n"
         + bulbs + "}\n";
}

// One bulb node; every value not given reads as 0.
std::string BulbText(int iIndex, const std::string& leaves)
{
    return "[LightBulb" + std::to_string(iIndex) + "]\n{\n" + leaves + "}\n";
}

std::unique_ptr<XC_TextTree> ReadTree(const std::string& text)
{
    auto pTree = std::make_unique<XC_TextTree>();
    pTree->LoadMem(text.data(), static_cast<DWORD>(text.size()));
    return pTree;
}

// The light records the device was given, by light index; null for a light
// switched off or never set.
std::vector<const D3DLIGHT9*> SetLights(const RecordingDevice& device)
{
    std::vector<const D3DLIGHT9*> lights(XD_LightBulbMax, nullptr);
    for (const RecordingDevice::LightCall& call : device.LightCalls()) {
        if (call.dwIndex >= XD_LightBulbMax)
            continue;
        if (call.bSetLight)
            lights[call.dwIndex] = &call.Light;
        else if (!call.bEnable)
            lights[call.dwIndex] = nullptr;
    }
    return lights;
}

bool SameColor(const D3DCOLORVALUE& a, const D3DCOLORVALUE& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

class LightManTest : public testing::Test
{
protected:
    LightManTest() { g_pDirectStateObj->InitDefaults(); }

    // Loads the man from the "[LightMan]" node of the text.
    void Load(XC_LightMan& man, const std::string& text)
    {
        const auto pTree = ReadTree(text);
        ASSERT_EQ(man.LoadFromNode(pTree->FindChildNode("[LightMan]")), 1);
    }

    RecordingDevice m_Device;
    ScopedGlobalDevice m_UsingDevice{&m_Device};
    ErrorLogCapture m_Log;
};

} // namespace

TEST(XC_LightBulb, BuildLightFillsTheRecord)
{
    XC_LightBulb bulb;
    bulb.dwLightType = XC_LightBulb::LT_Spot;
    bulb.fDiffuseRed = 0.5f;
    bulb.fSpecularGreen = 0.25f;
    bulb.fAmbientBlue = 0.75f;
    bulb.fPositionX = 1.0f;
    bulb.fPositionY = 2.0f;
    bulb.fPositionZ = 3.0f;
    bulb.fLightYaw = 90.0f;
    bulb.fRange = 50.0f;
    bulb.fFalloff = 1.5f;
    bulb.fAttenuation0 = 0.1f;
    bulb.fAttenuation1 = 0.2f;
    bulb.fAttenuation2 = 0.3f;
    bulb.fTheta = 30.0f;
    bulb.fPhi = 60.0f;
    bulb.BuildLight();

    const D3DLIGHT9& light = bulb.m_D3DLight;
    EXPECT_EQ(light.Type, D3DLIGHT_SPOT);
    EXPECT_NEAR(light.Direction.x, 1.0f, 0.0001f);
    EXPECT_NEAR(light.Direction.y, 0.0f, 0.0001f);
    EXPECT_NEAR(light.Direction.z, 0.0f, 0.0001f);
    EXPECT_TRUE(SameColor(light.Diffuse, {0.5f, 1.0f, 1.0f, 0.0f}));
    EXPECT_TRUE(SameColor(light.Specular, {0.0f, 0.25f, 0.0f, 0.0f}));
    EXPECT_TRUE(SameColor(light.Ambient, {0.0f, 0.0f, 0.75f, 0.0f}));
    EXPECT_EQ(light.Position.y, 2.0f);
    EXPECT_EQ(light.Range, 50.0f);
    EXPECT_EQ(light.Falloff, 1.5f);
    EXPECT_EQ(light.Attenuation2, 0.3f);
    EXPECT_NEAR(light.Theta, D3DX_PI / 6.0f, 0.0001f);
    EXPECT_NEAR(light.Phi, D3DX_PI / 3.0f, 0.0001f);

    // A pitch turns the forward vector down.
    bulb.dwLightType = XC_LightBulb::LT_Directional;
    bulb.fLightYaw = 0.0f;
    bulb.fLightPitch = 90.0f;
    bulb.BuildLight();
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_NEAR(light.Direction.y, -1.0f, 0.0001f);
}

TEST(XC_LightBulb, UnknownKindIsReportedAndLeavesTheRecord)
{
    ErrorLogCapture log;
    XC_LightBulb bulb;
    bulb.BuildLight();
    bulb.dwLightType = 5;
    bulb.fDiffuseRed = 0.5f;
    bulb.BuildLight();
    EXPECT_TRUE(log.Contains("不支援燈光類型"));
    EXPECT_EQ(bulb.m_D3DLight.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(bulb.m_D3DLight.Diffuse.r, 1.0f);
}

TEST_F(LightManTest, ActivationWritesLightsAmbientAndFog)
{
    XC_LightMan man;
    Load(man, LightManText(BulbText(0, "bEnable = 1\ndwLightType = 2\nfDiffuseRed = 1\nfDiffuseGreen = 0.5\n")));
    man.SetFogOffset(5.0f);

    man.Activate();
    EXPECT_EQ(g_pActiveLightMan, &man);
    const std::vector<const D3DLIGHT9*> lights = SetLights(m_Device);
    ASSERT_NE(lights[0], nullptr);
    EXPECT_TRUE(SameColor(lights[0]->Diffuse, {1.0f, 0.5f, 0.0f, 0.0f}));
    for (DWORD i = 1; i < XD_LightBulbMax; ++i)
        EXPECT_EQ(lights[i], nullptr) << i;
    EXPECT_EQ(m_Device.LightCalls().size(), 9u) << "eight switches and one light record";
    EXPECT_EQ(m_Device.Calls(),
              (Calls{RS(D3DRS_AMBIENT, 0x00C86432), RS(D3DRS_FOGENABLE, 1), RS(D3DRS_FOGCOLOR, 0x123456),
                     RS(D3DRS_FOGSTART, FloatBits(15.0f)), RS(D3DRS_FOGEND, FloatBits(95.0f)),
                     RS(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR), RS(D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR),
                     RS(D3DRS_RANGEFOGENABLE, 0)}));
    EXPECT_EQ(man.GetFogColor(), 0x123456u);

    // Active and unchanged: nothing is written.
    m_Device.ClearCalls();
    man.Activate();
    EXPECT_TRUE(m_Device.LightCalls().empty());
    EXPECT_TRUE(m_Device.Calls().empty());

    // A change makes the active man write everything again; its states come
    // off and go on again with the new values.
    man.SetFogOffset(0.0f);
    man.Activate();
    EXPECT_EQ(m_Device.LightCalls().size(), 9u);
    const Calls& calls = m_Device.Calls();
    ASSERT_EQ(calls.size(), 16u);
    EXPECT_EQ(calls[8 + 3], RS(D3DRS_FOGSTART, FloatBits(10.0f)));
    EXPECT_NE(g_pActiveDirectStateObj, g_pDirectStateObj) << "the man's states stay on while it is active";
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(LightManTest, BrightnessScalesLightsAndAmbient)
{
    struct Case { float fBrightness; DWORD dwAmbient; float fRed; };
    const Case cases[] = {
        {0.5f, 0x00643219, 0.5f},
        {2.0f, 0x00FFC864, 2.0f},
        {-1.0f, 0x00000000, -1.0f},
        {1.0f, 0x00C86432, 1.0f},
    };
    XC_LightMan man;
    Load(man, LightManText(BulbText(0, "bEnable = 1\ndwLightType = 2\nfDiffuseRed = 1\nfAmbientRed = 0.5\n")));
    man.Activate();
    for (const Case& c : cases) {
        m_Device.ClearCalls();
        man.SetBrightness(c.fBrightness);
        EXPECT_EQ(man.GetBrightness(), c.fBrightness);
        man.Activate();
        const std::vector<const D3DLIGHT9*> lights = SetLights(m_Device);
        ASSERT_NE(lights[0], nullptr) << c.fBrightness;
        EXPECT_FLOAT_EQ(lights[0]->Diffuse.r, c.fRed);
        EXPECT_FLOAT_EQ(lights[0]->Ambient.r, 0.5f * c.fRed);
        const Calls& calls = m_Device.Calls();
        EXPECT_NE(std::find(calls.begin(), calls.end(), RS(D3DRS_AMBIENT, c.dwAmbient)), calls.end())
            << c.fBrightness;
    }
}

TEST_F(LightManTest, SavingAndLoadingKeepsSixBulbs)
{
    XC_LightMan original;
    Load(original, LightManText(""));
    for (DWORD i = 0; i < XD_LightBulbMax; ++i) {
        XC_LightBulb bulb;
        bulb.bEnable = 1;
        bulb.dwLightType = i % 3;
        bulb.fDiffuseGreen = 0.1f * static_cast<float>(i);
        bulb.fPositionX = static_cast<float>(i);
        bulb.fLightYaw = 10.0f * static_cast<float>(i);
        bulb.fAttenuation1 = 0.5f;
        bulb.fTheta = 20.0f;
        bulb.fPhi = 40.0f;
        original.SetLightBulb(i, bulb);
    }

    XC_TextTree saved;
    original.SaveToNode(saved.AddNode("[LightMan]"));
    const XC_TextNode* pSavedNode = saved.FindChildNode("[LightMan]");
    EXPECT_EQ(pSavedNode->GetChildNodeCount(), 6);
    EXPECT_STREQ(pSavedNode->GetLeaf(0)->GetName(), "AmbientLight_Red  ");
    EXPECT_STREQ(pSavedNode->FindChildNode(5)->GetName(), "[LightBulb5]");
    EXPECT_STREQ(pSavedNode->FindChildNode(0)->GetLeaf(22)->GetName(), "fPhi           ");

    ScopedTempFolder folder;
    ASSERT_EQ(saved.Save(folder.File("light.txt").c_str()), S_OK);
    XC_TextTree reread;
    ASSERT_EQ(reread.LoadFile(folder.File("light.txt").c_str()), S_OK);
    XC_LightMan copy;
    ASSERT_EQ(copy.LoadFromNode(reread.FindChildNode("[LightMan]")), 1);

    // Both men give the device the same lights 0 to 5 and the same states;
    // lights 6 and 7 were not saved.
    original.Activate();
    const Calls originalStates = m_Device.Calls();
    std::vector<D3DLIGHT9> originalLights;
    for (const D3DLIGHT9* pLight : SetLights(m_Device)) {
        ASSERT_NE(pLight, nullptr);
        originalLights.push_back(*pLight);
    }
    m_Device.ClearCalls();
    copy.Activate();
    const Calls& copyStates = m_Device.Calls();
    ASSERT_EQ(copyStates.size(), 2 * originalStates.size()) << "the first man's states come off first";
    EXPECT_EQ(Calls(copyStates.begin() + originalStates.size(), copyStates.end()), originalStates);
    const std::vector<const D3DLIGHT9*> copyLights = SetLights(m_Device);
    for (DWORD i = 0; i < 6; ++i) {
        ASSERT_NE(copyLights[i], nullptr) << i;
        const D3DLIGHT9& a = originalLights[i];
        const D3DLIGHT9& b = *copyLights[i];
        EXPECT_EQ(a.Type, b.Type) << i;
        EXPECT_NEAR(a.Diffuse.g, b.Diffuse.g, 0.00001f) << i;
        EXPECT_NEAR(a.Position.x, b.Position.x, 0.00001f) << i;
        EXPECT_NEAR(a.Direction.x, b.Direction.x, 0.00001f) << i;
        EXPECT_NEAR(a.Direction.z, b.Direction.z, 0.00001f) << i;
        EXPECT_EQ(a.Attenuation0, b.Attenuation0) << i;
        EXPECT_EQ(a.Attenuation1, b.Attenuation1) << i;
        EXPECT_NEAR(a.Theta, b.Theta, 0.00001f) << i;
        EXPECT_NEAR(a.Phi, b.Phi, 0.00001f) << i;
    }
    EXPECT_EQ(copyLights[6], nullptr);
    EXPECT_EQ(copyLights[7], nullptr);
}

TEST_F(LightManTest, LoadingGivesUnattenuatedBulbsAnAttenuation)
{
    XC_LightMan man;
    Load(man, LightManText(BulbText(0, "bEnable = 1\ndwLightType = 0\nfRange = 10\n")
                           + BulbText(1, "bEnable = 1\ndwLightType = 0\nfAttenuation2 = 0.25\n")
                           + BulbText(2, "bEnable = 1\ndwLightType = 1\nfAttenuation0 = 0.0005\n")));
    man.Activate();
    const std::vector<const D3DLIGHT9*> lights = SetLights(m_Device);
    ASSERT_NE(lights[0], nullptr);
    ASSERT_NE(lights[1], nullptr);
    ASSERT_NE(lights[2], nullptr);
    EXPECT_EQ(lights[0]->Attenuation0, 1.0f);
    EXPECT_EQ(lights[1]->Attenuation0, 0.0f);
    EXPECT_EQ(lights[1]->Attenuation2, 0.25f);
    EXPECT_EQ(lights[2]->Attenuation0, 1.0f) << "0.0005 counts as 0";
}

TEST_F(LightManTest, MissingBulbNodesGiveNewBulbs)
{
    XC_LightMan man;
    XC_LightBulb bright;
    bright.bEnable = 1;
    man.SetLightBulb(4, bright);
    man.SetLightBulb(7, bright);
    Load(man, LightManText(BulbText(0, "bEnable = 1\ndwLightType = 2\n") + BulbText(1, "bEnable = 1\n")));

    man.Activate();
    const std::vector<const D3DLIGHT9*> lights = SetLights(m_Device);
    EXPECT_NE(lights[0], nullptr);
    EXPECT_NE(lights[1], nullptr);
    for (DWORD i = 2; i < 6; ++i)
        EXPECT_EQ(lights[i], nullptr) << "bulb " << i << " is a new bulb, switched off";
    EXPECT_NE(lights[7], nullptr) << "bulbs 6 and 7 are not loaded";
    EXPECT_EQ(lights[0]->Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(lights[1]->Type, D3DLIGHT_POINT) << "a bulb node's missing kind reads as 0";
    EXPECT_EQ(lights[1]->Diffuse.r, 0.0f) << "and its missing colours as 0";
}

TEST_F(LightManTest, OneLightManIsActiveAtATime)
{
    XC_LightMan world;
    auto pScreen = std::make_unique<XC_LightMan>();
    Load(world, LightManText(""));
    world.Activate();
    XI_DirectState* const pWorldStates = g_pActiveDirectStateObj;
    EXPECT_NE(pWorldStates, g_pDirectStateObj);

    m_Device.ClearCalls();
    pScreen->Activate();
    EXPECT_EQ(g_pActiveLightMan, pScreen.get());
    // The world's states fall back to the cache before the screen's go on.
    const Calls& calls = m_Device.Calls();
    ASSERT_EQ(calls.size(), 16u);
    EXPECT_EQ(calls[0], RS(D3DRS_AMBIENT, 0));
    EXPECT_EQ(calls[8], RS(D3DRS_AMBIENT, 0));
    EXPECT_EQ(calls[8 + 3], RS(D3DRS_FOGSTART, FloatBits(1.0f)));

    pScreen.reset();
    EXPECT_EQ(g_pActiveLightMan, nullptr);
    EXPECT_EQ(g_pActiveDirectStateObj, g_pDirectStateObj);
    world.Activate();
    EXPECT_EQ(g_pActiveLightMan, &world);
}

TEST_F(LightManTest, BulbIndexesAreChecked)
{
    XC_LightMan man;
    man.SetLightBulb(XD_LightBulbMax, XC_LightBulb());
    EXPECT_TRUE(m_Log.Contains("( dwLightInx < XD_LightBulbMax ) failed"));
    ErrorLogCapture log;
    man.EnableLightBulb(8, TRUE);
    EXPECT_TRUE(log.Contains("( dwLightInx < XD_LightBulbMax ) failed"));

    man.EnableLightBulb(3, TRUE);
    man.ResetLightBulbs();
    man.Activate();
    for (const D3DLIGHT9* pLight : SetLights(m_Device))
        EXPECT_EQ(pLight, nullptr);
    EXPECT_EQ(man.LoadFromNode(nullptr), 0);
}

TEST(XC_LightMan, LightsAQuadOnARealDevice)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    IDirect3DDevice9* const pDevice = device.Device();
    ScopedGlobalDevice usingDevice(pDevice);
    g_pDirectStateObj->InitDefaults();
    g_pDirectStateObj->ApplyAll();
    // The lit colour alone, whatever an empty texture stage would give.
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);

    XC_CameraMan camera;
    camera.SetPerspectiveProjection(D3DX_PI / 4.0f, 800.0f, 600.0f, 1.0f, 100.0f);
    camera.PlaceCamera(0.0f, 0.0f, 5.0f, 5.0f, 0.0f, 0.0f);
    ASSERT_EQ(camera.ApplyToDevice(), S_OK);

    // A light along +Z onto a white quad that faces the camera.
    XC_LightMan man;
    XC_LightBulb bulb;
    bulb.fDiffuseGreen = 0.5f;
    bulb.fDiffuseBlue = 0.25f;
    bulb.bEnable = 1;
    man.SetLightBulb(0, bulb);
    D3DMATERIAL9 material = {};
    material.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    pDevice->SetMaterial(&material);
    D3DXMATRIX matWorld;
    D3DXMatrixIdentity(&matWorld);
    pDevice->SetTransform(D3DTS_WORLD, &matWorld);

    struct Vertex { float x, y, z, nx, ny, nz; };
    const auto drawQuad = [&](float fLeft) {
        // Every normal faces the camera.
        const Vertex quad[4] = {{fLeft, 1.0f, 5.0f, 0.0f, 0.0f, -1.0f},
                                {fLeft + 1.0f, 1.0f, 5.0f, 0.0f, 0.0f, -1.0f},
                                {fLeft, -1.0f, 5.0f, 0.0f, 0.0f, -1.0f},
                                {fLeft + 1.0f, -1.0f, 5.0f, 0.0f, 0.0f, -1.0f}};
        pDevice->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL);
        pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex));
    };
    ASSERT_EQ(pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0), D3D_OK);
    ASSERT_EQ(pDevice->BeginScene(), D3D_OK);
    man.Activate();
    drawQuad(-1.5f);
    man.SetBrightness(0.5f);
    man.Activate();
    drawQuad(0.5f);
    pDevice->EndScene();

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(device.SaveBackBuffer("XC_LightMan_LitQuads")));
    const std::uint32_t full = picture.Pixel(400 - 120, 300);
    const std::uint32_t half = picture.Pixel(400 + 120, 300);
    EXPECT_NEAR(static_cast<int>(full >> 16), 255, 1);
    EXPECT_NEAR(static_cast<int>((full >> 8) & 0xFF), 128, 2);
    EXPECT_NEAR(static_cast<int>(full & 0xFF), 64, 2);
    EXPECT_NEAR(static_cast<int>(half >> 16), 128, 2);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 64, 2);
    EXPECT_NEAR(static_cast<int>(half & 0xFF), 32, 2);
    EXPECT_EQ(picture.Pixel(400, 50), 0u);
}
