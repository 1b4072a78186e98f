#include "GameProgram/D3DCommon/XC_D3DTextFont.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/InkBox.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const D3DCOLOR BACKGROUND = D3DCOLOR_XRGB(0, 0, 128);
const std::uint32_t BACKGROUND_PIXEL = 0x000080;
const D3DCOLOR TEXT_COLOR = D3DCOLOR_ARGB(255, 255, 255, 0);

class FontProbe : public XC_D3DTextFont
{
public:
    using XC_D3DTextFont::XC_D3DTextFont;
    DWORD TextureWidth() const { return m_dwTexWidth; }
    DWORD TextureHeight() const { return m_dwTexHeight; }
};

class XC_D3DTextFontTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error(); }

    // Clears the back buffer, draws one scene and reads the picture back.
    BitmapFile RenderScene(const std::string& name, const std::function<void()>& draw)
    {
        IDirect3DDevice9* pDevice = m_Device.Device();
        pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, BACKGROUND, 1.0f, 0);
        EXPECT_EQ(pDevice->BeginScene(), D3D_OK);
        draw();
        pDevice->EndScene();
        BitmapFile picture;
        EXPECT_TRUE(picture.Load(m_Device.SaveBackBuffer(name)));
        return picture;
    }

    // A font ready to draw.
    void Ready(XC_D3DTextFont& font)
    {
        ASSERT_EQ(font.InitDeviceObjects(m_Device.Device()), S_OK);
        ASSERT_EQ(font.RestoreDeviceObjects(), S_OK);
    }

    TestDevice m_Device;
};

} // namespace

TEST_F(XC_D3DTextFontTest, TextureEdgeFollowsTheHeight)
{
    struct Case { DWORD height; DWORD edge; };
    const Case cases[] = {{10, 256}, {15, 256}, {16, 512}, {20, 512}, {30, 512}, {31, 1024}, {60, 1024}, {61, 2048}};
    for (const Case& c : cases) {
        FontProbe font("Tahoma", c.height);
        ASSERT_EQ(font.InitDeviceObjects(m_Device.Device()), S_OK) << c.height;
        EXPECT_EQ(font.TextureWidth(), c.edge) << c.height;
        EXPECT_EQ(font.TextureHeight(), c.edge) << c.height;
    }
}

// Character 127 and bytes outside 32-126 are skipped without advancing.
TEST_F(XC_D3DTextFontTest, CharactersWithoutGlyphsAreSkipped)
{
    XC_D3DTextFont font("Tahoma", 16);
    Ready(font);
    const BitmapFile picture = RenderScene("TextFontSkipped", [&] {
        EXPECT_EQ(font.DrawText(50, 100, TEXT_COLOR, "AB"), S_OK);
        EXPECT_EQ(font.DrawText(50, 200, TEXT_COLOR, "A\x7F\xC8\x80\x1F\xFF" "B"), S_OK);
        EXPECT_EQ(font.DrawText(50, 300, TEXT_COLOR, "\x7F\x7F\x7F"), S_OK);
    });
    ASSERT_FALSE(FindInk(picture, BACKGROUND_PIXEL, 0, 90, 300, 140).bEmpty);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(picture.Pixel(x, 90 + y), picture.Pixel(x, 190 + y)) << x << ", " << y;
    }
    EXPECT_TRUE(FindInk(picture, BACKGROUND_PIXEL, 0, 290, 800, 340).bEmpty);
}

// Fifty characters fill the vertex buffer; the rest go in a second batch.
TEST_F(XC_D3DTextFontTest, LongTextIsDrawnWhole)
{
    XC_D3DTextFont font("Tahoma", 10);
    Ready(font);
    const BitmapFile picture = RenderScene("TextFontLong", [&] {
        font.DrawText(10, 100, TEXT_COLOR, std::string(49, 'H').c_str());
        font.DrawText(10, 200, TEXT_COLOR, std::string(60, 'H').c_str());
    });
    const InkBox short49 = FindInk(picture, BACKGROUND_PIXEL, 0, 95, 800, 150);
    const InkBox long60 = FindInk(picture, BACKGROUND_PIXEL, 0, 195, 800, 250);
    ASSERT_FALSE(short49.bEmpty);
    ASSERT_FALSE(long60.bEmpty);
    const double dCharWidth = (short49.right - short49.left) / 49.0;
    EXPECT_EQ(long60.left, short49.left);
    EXPECT_NEAR(long60.right, short49.left + dCharWidth * 60, dCharWidth);
}

// Line breaks start again at the left; the centring flags centre the first
// line in the viewport.
TEST_F(XC_D3DTextFontTest, LineBreaksAndCentring)
{
    XC_D3DTextFont font("Tahoma", 16);
    Ready(font);
    BitmapFile picture = RenderScene("TextFontLines", [&] {
        font.DrawText(100, 100, TEXT_COLOR, "MMMM\nMM");
    });
    const InkBox first = FindInk(picture, BACKGROUND_PIXEL, 0, 0, 800, 300);
    ASSERT_FALSE(first.bEmpty);
    const int iLineHeight = first.bottom - first.top + 1;
    const InkBox firstLine = FindInk(picture, BACKGROUND_PIXEL, 0, 0, 800, first.top + iLineHeight / 2 + 2);
    const InkBox secondLine = FindInk(picture, BACKGROUND_PIXEL, 0, first.top + iLineHeight / 2 + 2, 800, 600);
    EXPECT_EQ(secondLine.left, firstLine.left);
    EXPECT_GT(secondLine.top, firstLine.top);
    EXPECT_LT(secondLine.right, firstLine.right);

    picture = RenderScene("TextFontCentred", [&] {
        font.DrawText(0, 0, TEXT_COLOR, "MMMM\nMMMMMMMMMMMM",
                      XC_D3DTextFont::DRAW_CENTERED_X | XC_D3DTextFont::DRAW_CENTERED_Y);
    });
    const InkBox centred = FindInk(picture, BACKGROUND_PIXEL, 0, 0, 800, 310);
    ASSERT_FALSE(centred.bEmpty);
    EXPECT_NEAR(centred.CenterX(), 400, 4);
    EXPECT_NEAR(centred.CenterY(), 300, 12);
}

// Drawing needs every device object; it leaves the device's states as it
// found them.
TEST_F(XC_D3DTextFontTest, DrawTextNeedsItsObjectsAndGivesStatesBack)
{
    XC_D3DTextFont font("Tahoma", 16);
    EXPECT_EQ(font.DrawText(0, 0, TEXT_COLOR, "A"), E_FAIL);
    ASSERT_EQ(font.InitDeviceObjects(m_Device.Device()), S_OK);
    EXPECT_EQ(font.DrawText(0, 0, TEXT_COLOR, "A"), E_FAIL);
    ASSERT_EQ(font.RestoreDeviceObjects(), S_OK);
    EXPECT_EQ(font.DrawText(0, 0, TEXT_COLOR, nullptr), E_FAIL);

    IDirect3DDevice9* pDevice = m_Device.Device();
    pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_ZENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    RenderScene("TextFontStates", [&] { EXPECT_EQ(font.DrawText(10, 10, TEXT_COLOR, "A", 8), S_OK); });
    DWORD dwValue = 0;
    pDevice->GetRenderState(D3DRS_ALPHABLENDENABLE, &dwValue);
    EXPECT_EQ(dwValue, static_cast<DWORD>(FALSE));
    pDevice->GetRenderState(D3DRS_ZENABLE, &dwValue);
    EXPECT_EQ(dwValue, static_cast<DWORD>(TRUE));
    pDevice->GetRenderState(D3DRS_CULLMODE, &dwValue);
    EXPECT_EQ(dwValue, static_cast<DWORD>(D3DCULL_NONE));
    pDevice->GetSamplerState(0, D3DSAMP_MAGFILTER, &dwValue);
    EXPECT_EQ(dwValue, static_cast<DWORD>(D3DTEXF_LINEAR));

    font.InvalidateDeviceObjects();
    EXPECT_EQ(font.DrawText(0, 0, TEXT_COLOR, "A"), E_FAIL);
    font.InvalidateDeviceObjects();
    font.DeleteDeviceObjects();
    font.DeleteDeviceObjects();
}
