#include "GameProgram/Common/XF_Common.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

TEST(XF_FormatText, TextsOfUpTo259CharactersFit)
{
    const std::string fits(259, 'a');
    const char* szText = XF_FormatText("%s", fits.c_str());
    ASSERT_NE(szText, nullptr);
    EXPECT_EQ(std::string(szText), fits);

    const std::string tooLong(260, 'b');
    EXPECT_EQ(XF_FormatText("%s", tooLong.c_str()), nullptr);
}

TEST(XF_FormatText, RingReusesItsBufferAfterTwentyCalls)
{
    const char* szFirst = XF_FormatText("%d", 1);
    const std::string tooLong(300, 'x');
    EXPECT_EQ(XF_FormatText("%s", tooLong.c_str()), nullptr); // does not move the ring
    const char* szLast = nullptr;
    for (int i = 2; i <= 21; ++i)
        szLast = XF_FormatText("%d", i);
    EXPECT_EQ(szLast, szFirst);
    EXPECT_STREQ(szFirst, "21");
}

TEST(XF_StrCopy, CopiesOrRefusesANullSource)
{
    char* szCopy = nullptr;
    ASSERT_EQ(XF_StrCopy(&szCopy, "text"), S_OK);
    EXPECT_STREQ(szCopy, "text");

    char* szKept = szCopy;
    EXPECT_EQ(XF_StrCopy(&szKept, nullptr), E_FAIL);
    EXPECT_EQ(szKept, szCopy);
    delete[] szCopy;
}

TEST(XF_Round, HalvesRoundAwayFromZeroByTheFirstDecimal)
{
    struct Case { float value; float expected; };
    const Case cases[] = {
        {2.45f, 2.0f}, {2.5f, 3.0f}, {-2.5f, -3.0f}, {-0.7f, -1.0f}, {0.04f, 0.0f}, {0.0f, 0.0f},
        {3e9f, 3e9f}, {-3e9f, -3e9f}, {1e30f, 1e30f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XF_Round(c.value), c.expected) << "value: " << c.value;
}

TEST(XF_CompareRounded, ComparesAtTheGivenPlaces)
{
    EXPECT_EQ(XF_CompareRounded(1.24f, 1.26f, 1), -1);
    EXPECT_EQ(XF_CompareRounded(1.26f, 1.24f, 1), 1);
    EXPECT_EQ(XF_CompareRounded(1.21f, 1.24f, 1), 0);
    EXPECT_EQ(XF_CompareRounded(1.0f, 1.0f, 12), 0);
}

TEST(XF_Random, BoundsAreIncludedInEitherOrder)
{
    std::srand(7);
    EXPECT_EQ(XF_RandomInt(5, 5), 5);
    for (int i = 0; i < 200; ++i) {
        const int iValue = XF_RandomInt(7, 3);
        EXPECT_TRUE(iValue >= 3 && iValue <= 7);
        const unsigned int uValue = XF_RandomUInt(10u, 12u);
        EXPECT_TRUE(uValue >= 10u && uValue <= 12u);
        const float fValue = XF_RandomFloat(2.0f, -1.0f);
        EXPECT_TRUE(fValue >= -1.0f && fValue <= 2.0f);
    }
}

TEST(XF_Random, FullRangeBoundsNeitherOverflowNorDivideByZero)
{
    std::srand(11);
    for (int i = 0; i < 100; ++i) {
        const int iValue = XF_RandomInt(INT_MIN, INT_MAX);
        EXPECT_LE(iValue, INT_MIN + 32767);
        const unsigned int uValue = XF_RandomUInt(0u, UINT_MAX);
        EXPECT_LE(uValue, 32767u);
        const float fValue = XF_RandomFloat(-3e38f, 3e38f);
        EXPECT_TRUE(fValue >= -3e38f && fValue <= 3e38f);
    }
}

TEST(XF_Angles, ShortestTurnAndQuarters)
{
    EXPECT_NEAR(XF_AngleDiff(0.1f, 6.2f), -0.183f, 0.001f);
    EXPECT_NEAR(XF_AngleDiff(6.2f, 0.1f), 0.183f, 0.001f);
    EXPECT_NEAR(XF_AngleDiff(1.0f, 2.0f), 1.0f, 0.0001f);

    struct Case { float angle; int quarter; };
    const Case cases[] = {
        {-0.1f, 0}, {0.0f, 0}, {0.8f, 1}, {2.4f, 2}, {4.0f, 3}, {5.6f, 0}, {7.0f, 0}, {-1.6f, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XF_AngleToQuarter(c.angle), c.quarter) << "angle: " << c.angle;
    // Huge angles still end (no endless wrapping).
    EXPECT_EQ(XF_AngleToQuarter(1e30f) >= 0, true);
}

TEST(XF_FloatEqual, WithinOneThousandth)
{
    EXPECT_TRUE(XF_FloatEqual(1.0f, 1.0009f));
    EXPECT_FALSE(XF_FloatEqual(1.0f, 1.0011f));
}

TEST(XF_LoadFile, ReadsWholeFilesAndFailsForMissingOnes)
{
    ScopedTempFolder folder;
    const std::string content("a\0b\r\n", 5);
    ASSERT_TRUE(WriteTestFile(folder.File("data.bin"), content));
    ASSERT_TRUE(WriteTestFile(folder.File("empty.bin"), ""));

    BYTE* pData = nullptr;
    DWORD dwSize = 0;
    ASSERT_EQ(XF_LoadFile(folder.File("data.bin").c_str(), &pData, &dwSize), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pData), dwSize), content);
    delete[] pData;

    ASSERT_EQ(XF_LoadFile(folder.File("empty.bin").c_str(), &pData, &dwSize), S_OK);
    EXPECT_EQ(dwSize, 0u);
    delete[] pData;

    EXPECT_EQ(XF_LoadFile(folder.File("missing.bin").c_str(), &pData, &dwSize), XF_E_LOAD_OPEN);
    EXPECT_EQ(pData, nullptr);
    EXPECT_EQ(dwSize, 0u);
}
