#include "GameProgram/RenderingObject/XC_RenderPercentageBar.h"

#include "GameProgram/RenderingObject/XC_RenderShadow.h"
#include "GameProgram/Resource/XC_2DTexture.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"

#include <gtest/gtest.h>

TEST(XC_RenderPercentageBar, AlphaReferenceOfTheFraction)
{
    const struct
    {
        float fPercentage;
        DWORD dwAlphaRef;
        float fKept;
    } CASES[] = {
        {1.0f, 1, 1.0f}, {0.0f, 255, 0.0f}, {0.5f, 128, 0.5f}, {0.25f, 192, 0.25f},
        // Out of range: kept within 0 to 1 instead of leaving the alpha test's range.
        {1.5f, 1, 1.0f}, {-0.5f, 255, 0.0f},
    };
    for (const auto& test : CASES) {
        XC_RenderPercentageBar bar;
        bar.SetPercentage(test.fPercentage);
        EXPECT_EQ(bar.GetAlphaReference(), test.dwAlphaRef) << test.fPercentage;
        EXPECT_FLOAT_EQ(bar.GetPercentage(), test.fKept);
    }
}

TEST(XC_RenderPercentageBar, DrawnOnlyWithBothLayers)
{
    FakeEnvironment environment;
    XC_2DTexture foreground, background;
    foreground.AddRef();
    background.AddRef();
    XC_RenderPercentageBar bar;
    bar.SetEnvironmentOfRender(&environment);
    bar.SetShow(TRUE);
    EXPECT_TRUE(bar.IsAlphaBlend());
    bar.SetForegroundTextureObj(&foreground);
    EXPECT_FALSE(environment.painter.Holds(&bar));
    bar.SetBackgroundTextureObj(&background);
    EXPECT_TRUE(environment.painter.Holds(&bar));
    bar.SetBackgroundTextureObj(static_cast<XC_2DTexture*>(nullptr));
    EXPECT_FALSE(environment.painter.Holds(&bar));
    EXPECT_EQ(background.GetRef(), 1);
}

TEST(XC_RenderShadow, AlphaAndSharedLifetime)
{
    const struct
    {
        DWORD dwColor;
        DWORD dwAlpha;
    } CASES[] = {{0xFFFFFFFF, 112}, {0x00FFFFFF, 0}, {0x80000000, 56}};
    for (const auto& test : CASES)
        EXPECT_EQ(XC_RenderShadow::ShadowAlpha(test.dwColor), test.dwAlpha) << std::hex << test.dwColor;

    FakeEnvironment environment;
    const DWORD dwLiving = XC_RenderShadow::GetLivingCount();
    {
        XC_RenderShadow first, second, third;
        EXPECT_EQ(XC_RenderShadow::GetLivingCount(), dwLiving + 3);
        // Shown is enough: a shadow needs no content call.
        first.SetEnvironmentOfRender(&environment);
        first.SetShow(TRUE);
        EXPECT_TRUE(environment.painter.Holds(&first));
        EXPECT_TRUE(first.IsAlphaBlend());
    }
    EXPECT_EQ(XC_RenderShadow::GetLivingCount(), dwLiving);
    EXPECT_FALSE(XC_RenderShadow::HasSharedMesh());
}
