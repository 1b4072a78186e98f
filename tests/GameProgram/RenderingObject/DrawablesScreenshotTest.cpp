#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/LightMan/XC_LightBulb.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/RenderingObject/XC_ParticleEmitter.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/RenderingObject/XC_RenderPercentageBar.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/InkBox.h"
#include "tests/Support/SampleGameApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

const DWORD BACKGROUND = 0xFF404060;
const float PI = 3.1415927f;
const int PERSON_VIEWS = 4;
const float CAMERA_DISTANCE = 12.0f;
// Screen pixels per world unit at the look-at point: the world camera sees
// 15 degrees from top to bottom over 600 pixels.
const float PIXELS_PER_UNIT = 300.0f / (CAMERA_DISTANCE * 0.13165250f);

// The drawables of the sample game, described as a game file describes
// them and built by the factory into one manager.
const char* const DESCRIPTIONS = R"(
[Ground]
{
	Type = pic
	Name = Ground
	TextureName = bk\bk001.bmp
	[Matrix]
	{
		fRotPitch = 90
		fScaleX = 0.06
		fScaleY = 0.06
		fScaleZ = 0.06
	}
}
[Fire]
{
	Type = particle
	Name = Fire
	ParticleName = Particle\Fire.txt
	[Matrix]
	{
		fPosX = -1.5
		fPosY = -0.8
	}
}
[Slider]
{
	Type = xfile
	Name = Slider
	XFileName = Slider.x
	[Matrix]
	{
		fPosX = 1
		fPosY = 0.2
	}
}
[Label]
{
	Type = string
	Name = Label
	CoordinateSystem = Screen
	RenderQueue = Menu
	Data = -
	bRenderFontFrame = TRUE
	bRenderShadow = TRUE
	fShadowPositionX = 2
	fShadowPositionY = -2
	[Matrix]
	{
		fPosX = 100
		fPosY = 200
		fScaleX = 2
		fScaleY = 2
	}
}
[Panel]
{
	Type = pic
	Name = Panel
	CoordinateSystem = Screen
	RenderQueue = Menu
	iRenderQueueDelta = -1
	TextureName = Panel.bmp
	[Matrix]
	{
		fPosX = -200
		fPosY = 200
	}
}
)";

// Shows the hero from four camera yaws (one picture each), then the bar,
// the text, the particles and the mesh in a picture of their own.
class DrawablesApplication : public SampleGameApplication
{
public:
    DrawablesApplication() { SetBackgroundColor(BACKGROUND); }

    // Builds the drawables; false when one cannot be had.
    bool MakeDrawables()
    {
        // Made once the application has made the global camera and light men.
        m_pEnvironment.reset(new XC_EnvironmentOfRender);
        m_pEnvironment->SetPainter(&m_Painter);
        // Flat pictures are unlit and seen from both sides, as the game's layers set them.
        g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, FALSE);
        g_pDirectStateObj->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        m_Manager.SetEnvironmentOfRender(m_pEnvironment.get());
        XC_TextTree tree;
        const std::string text(DESCRIPTIONS);
        if (FAILED(tree.LoadMem(text.data(), static_cast<DWORD>(text.size())))
            || FAILED(m_Manager.LoadFromTextNode(&tree)))
            return false;
        m_pLabel = static_cast<XC_RenderString*>(m_Manager.FindRenderingObject("Label"));
        m_pLabel->SetStringEx("#Color 0xFFFF4040#RED#Color 0xFF40FF40#GREEN", 0xFFFFFFFF);
        m_pLabel->AddStringEx("#PicWord Coin.bmp 16 16#", 0xFFFFFFFF);

        m_pBar = new XC_RenderPercentageBar;
        m_pBar->SetName("Bar");
        m_pBar->SetCoordinateSystem(CS_Screen);
        m_pBar->SetRenderQueueGroup(70);
        m_pBar->GetSetDirectState()->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
        m_pBar->GetSetDirectState()->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
        m_pBar->SetBackgroundTextureObj("BarBack.dds");
        m_pBar->SetForegroundTextureObj("BarFore.dds");
        m_pBar->SetPercentage(0.5f);
        m_pBar->SetPositionXYZ(-200.0f, 100.0f, 0.0f);
        m_Manager.AddRenderingObject(m_pBar);

        m_pPerson = new XC_Person;
        m_pPerson->SetName("Hero");
        m_Manager.AddRenderingObject(m_pPerson);
        if (FAILED(m_pPerson->InitPerson("Person\\Hero", 1, 0)))
            return false;
        m_pPerson->SetPlay(FALSE);
        ShowWorldPart(true);
        return true;
    }

    int m_iFrames = 0;
    XC_RenderObjManager m_Manager;

protected:
    HRESULT Render() override
    {
        m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, GetBackgroundColor(),
                            1.0f, 0);
        PlaceCameraForFrame(m_iFrames);
        if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
            XF_UpdateAllRenderNodes();
            g_iRenderCount = 0;
            m_Painter.Render();
            m_pD3DDevice->EndScene();
        }
        if (m_iFrames < PERSON_VIEWS)
            SaveScreenshot("DrawablesPerson" + std::to_string(m_iFrames) + ".bmp");
        else
            SaveScreenshot("Drawables.bmp");
        if (++m_iFrames == PERSON_VIEWS)
            PrepareSecondPicture();
        if (m_iFrames > PERSON_VIEWS)
            PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return S_OK;
    }

    // The drawables go before the managers finish.
    HRESULT DeleteDeviceObjects() override
    {
        m_Manager.ClearAll();
        return XC_MyD3DApplication::DeleteDeviceObjects();
    }

private:
    // The hero and its ground, or the particles and the mesh.
    void ShowWorldPart(bool bPerson)
    {
        m_pPerson->SetShow(bPerson);
        m_Manager.FindRenderingObject("Ground")->SetShow(bPerson);
        m_Manager.FindRenderingObject("Fire")->SetShow(!bPerson);
        m_Manager.FindRenderingObject("Slider")->SetShow(!bPerson);
    }

    void PlaceCameraForFrame(int iFrame)
    {
        if (iFrame < PERSON_VIEWS)
            g_pWorldCameraMan->PlaceCamera(0.0f, 0.3f, 0.0f, 8.0f, 0.3f + iFrame * PI / 2.0f, 0.5f);
        else
            g_pWorldCameraMan->PlaceCamera(0.0f, 0.0f, 0.0f, CAMERA_DISTANCE, 0.0f, 0.0f);
        g_pWorldCameraMan->UpdateFrustum();
    }

    // The particles rise for a second of seeded game time; the mesh stands at
    // three quarters of its slide.
    void PrepareSecondPicture()
    {
        ShowWorldPart(false);
        XC_ParticleEmitter* const pFire = static_cast<XC_ParticleEmitter*>(m_Manager.FindRenderingObject("Fire"));
        std::srand(1);
        for (int i = 0; i < 20; ++i)
            pFire->UpdateEmitter(0.05f);
        XC_RenderXFile* const pSlider = static_cast<XC_RenderXFile*>(m_Manager.FindRenderingObject("Slider"));
        pSlider->SetTimeRate(0.0f);
        pSlider->XC_AnimationTimer::SetTime(0.75f);
    }

    XC_Painter m_Painter;
    std::unique_ptr<XC_EnvironmentOfRender> m_pEnvironment;
    XC_Person* m_pPerson = nullptr;
    XC_RenderPercentageBar* m_pBar = nullptr;
    XC_RenderString* m_pLabel = nullptr;
};

int Channel(std::uint32_t dwColour, int iShift)
{
    return static_cast<int>((dwColour >> iShift) & 0xFF);
}

bool IsNear(std::uint32_t dwColour, std::uint32_t dwExpected, int iTolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(Channel(dwColour, shift) - Channel(dwExpected, shift)) > iTolerance)
            return false;
    }
    return true;
}

// The mean x of the pixels near a colour in a box, or -1 without any.
double MeanX(const BitmapFile& picture, std::uint32_t dwColour, int left, int top, int right, int bottom, int* piCount)
{
    double dSum = 0.0;
    int iCount = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (IsNear(picture.Pixel(x, y), dwColour, 0x30)) {
                dSum += x;
                ++iCount;
            }
        }
    }
    *piCount = iCount;
    return iCount > 0 ? dSum / iCount : -1.0;
}

} // namespace

TEST(DrawablesScreenshot, PersonShadowBarTextParticlesAndMesh)
{
    std::unique_ptr<DrawablesApplication> pApp(new DrawablesApplication);
    ASSERT_EQ(pApp->Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_TRUE(pApp->MakeDrawables());
    ASSERT_EQ(pApp->m_Manager.GetRenderingObjectCount(), 7u);
    pApp->Pause(TRUE);
    EXPECT_EQ(pApp->Run(), 0u);
    ASSERT_EQ(pApp->m_iFrames, PERSON_VIEWS + 1);
    pApp.reset();

    // The hero from four sides: the camera's yaw picks the red front ("A")
    // or the blue back ("B"), mirrored or not: the arm is on the shirt's right
    // unless mirrored. The shadow darkens the ground beside the feet.
    const struct
    {
        std::uint32_t dwShirt;
        bool bMirrored;
    } VIEWS[PERSON_VIEWS] = {{0x2040D0, false}, {0xD02020, false}, {0xD02020, true}, {0x2040D0, true}};
    for (int iView = 0; iView < PERSON_VIEWS; ++iView) {
        BitmapFile picture;
        ASSERT_TRUE(picture.Load(TestOutputFile("DrawablesPerson" + std::to_string(iView) + ".bmp")));
        int iShirt = 0, iSkin = 0;
        const double dShirtX = MeanX(picture, VIEWS[iView].dwShirt, 200, 50, 600, 550, &iShirt);
        const double dSkinX = MeanX(picture, 0xF0C090, 200, 50, 600, 550, &iSkin);
        EXPECT_GT(iShirt, 200) << iView;
        ASSERT_GT(iSkin, 50) << iView;
        EXPECT_EQ(dShirtX < dSkinX, VIEWS[iView].bMirrored) << iView << " " << dShirtX << " " << dSkinX;
        int iGround = 0, iShadow = 0;
        MeanX(picture, 0xC8C8A0, 0, 0, 800, 600, &iGround);
        MeanX(picture, 0x707058, 0, 0, 800, 600, &iShadow);
        EXPECT_GT(iGround, 5000) << iView;
        EXPECT_GT(iShadow, 100) << iView;
    }

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(TestOutputFile("Drawables.bmp")));
    // Screen pixel of a screen point: x + 400, 300 - y. The bar at 50 %:
    // the red foreground on its left half, the dark background on its right.
    EXPECT_TRUE(IsNear(picture.Pixel(200 - 40, 200), 0xE02020, 0x30)) << std::hex << picture.Pixel(160, 200);
    EXPECT_TRUE(IsNear(picture.Pixel(200 + 40, 200), 0x303040, 0x20)) << std::hex << picture.Pixel(240, 200);
    // The panel above it.
    EXPECT_TRUE(IsNear(picture.Pixel(200, 100), 0x284878, 0x10)) << std::hex << picture.Pixel(200, 100);
    // The two-colour text from (100, 200) rightwards, doubled: red, then
    // green, with black frame and shadow pixels among them.
    int iRed = 0, iGreen = 0, iBlack = 0;
    const double dRedX = MeanX(picture, 0xFF4040, 490, 40, 800, 110, &iRed);
    const double dGreenX = MeanX(picture, 0x40FF40, 490, 40, 800, 110, &iGreen);
    MeanX(picture, 0x000000, 490, 40, 800, 110, &iBlack);
    EXPECT_GT(iRed, 30);
    EXPECT_GT(iGreen, 30);
    EXPECT_LT(dRedX, dGreenX);
    EXPECT_GT(iBlack, 30);
    // The particles rise above the emitter at (-1.5, -0.8, 0).
    const InkBox fire = FindInk(picture, BACKGROUND & 0xFFFFFF, 0, 300, 330, 600);
    const int iEmitterY = 300 + static_cast<int>(0.8f * PIXELS_PER_UNIT);
    ASSERT_FALSE(fire.bEmpty);
    EXPECT_LE(fire.bottom, iEmitterY + 12);
    EXPECT_LT(fire.top, iEmitterY - 60);
    // The mesh three quarters along its slide: its frame at x 0.5, the object at 1.
    const InkBox mesh = FindInk(picture, BACKGROUND & 0xFFFFFF, 400, 150, 800, 400);
    const int iExpectedX = 400 + static_cast<int>(1.5f * PIXELS_PER_UNIT);
    ASSERT_FALSE(mesh.bEmpty);
    EXPECT_NEAR(mesh.CenterX(), iExpectedX, 12);
    const std::uint32_t dwLit = picture.Pixel(mesh.CenterX(), mesh.CenterY());
    EXPECT_GT(Channel(dwLit, 8), Channel(dwLit, 16) + 0x80) << std::hex << dwLit;
}
