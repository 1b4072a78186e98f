#include "TemplateSystem/JC_StrNumCalculate.h"
#include "TemplateSystem/JF_NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

TEST(JC_StrNumSwitch, StrToUIntTable)
{
    struct Case { std::string strText; DWORD dwResult; DWORD dwValue; };
    const Case cases[] = {
        {"", 0, 0},
        {"0", 0, 0},
        {"0x1F", 0, 31},
        {"0X1f", 0, 31},
        {"H1f", 0, 31},
        {"hFFFFFFFF", 0, 0xFFFFFFFF},
        {"0x", 0, 0},
        {"H", 0, 0},
        {"012", JE_HEX_NO_PREFIX, 0},
        {"H123456789", JE_HEX_TOO_LONG, 0},
        {"0x123456789", JE_HEX_TOO_LONG, 0},
        {"H12G4", JE_HEX_BAD_DIGIT, 0x12},
        {"B101", 0, 5},
        {"b", 0, 0},
        {std::string("B") + std::string(32, '1'), 0, 0xFFFFFFFF},
        {std::string("B") + std::string(33, '0'), JE_BINARY_TOO_LONG, 0},
        {"B102", JE_BINARY_BAD_DIGIT, 2},
        {"F2.9", 0, 2},
        {"f-2.9", 0, 0xFFFFFFFE},
        {"F", 0, 0},
        {"123", 0, 123},
        {"-1", 0, 0xFFFFFFFF},
        // Texts printed with "%u" read back whole, and the low 32 bits stay.
        {"3000000000", 0, 3000000000u},
        {"4294967296", 0, 0},
        {" 42abc", 0, 42},
        {"abc", 0, 0},
    };
    for (const Case& c : cases) {
        DWORD dwValue = 77;
        EXPECT_EQ(JC_StrNumSwitch::StrToUInt(c.strText, dwValue), c.dwResult) << c.strText;
        EXPECT_EQ(dwValue, c.dwValue) << c.strText;
    }
}

TEST(JC_StrNumSwitch, StrToUInt64Table)
{
    struct Case { std::string strText; DWORD dwResult; ULONGLONG ullValue; };
    const Case cases[] = {
        {"H123456789abcdef0", 0, 0x123456789abcdef0ull},
        {"H123456789abcdef01", JE_HEX_TOO_LONG, 0},
        {std::string("B1") + std::string(63, '0'), 0, 0x8000000000000000ull},
        {std::string("B") + std::string(65, '1'), JE_BINARY_TOO_LONG, 0},
        {"18446744073709551615", 0, 0xFFFFFFFFFFFFFFFFull},
        {"-2", 0, 0xFFFFFFFFFFFFFFFEull},
        {"F-2.5", 0, 0xFFFFFFFFFFFFFFFEull},
        {"F1e30", 0, 0x8000000000000000ull},
    };
    for (const Case& c : cases) {
        ULONGLONG ullValue = 77;
        EXPECT_EQ(JC_StrNumSwitch::StrToUInt64(c.strText, ullValue), c.dwResult) << c.strText;
        EXPECT_EQ(ullValue, c.ullValue) << c.strText;
    }
}

TEST(JC_StrNumSwitch, StrToFloatTable)
{
    struct Case { const char* szText; DWORD dwResult; float fValue; };
    const Case cases[] = {
        {"", 0, 0.0f},
        {"F1.5", 0, 1.5f},
        {"f-0.25", 0, -0.25f},
        {"F+2e1", 0, 20.0f},
        {"F 3.5x", 0, 3.5f},
        {"Fabc", 0, 0.0f},
        {"1.5", JE_NUMBER_FLOAT_NO_PREFIX, 1.5f},
        {"H10", JE_NUMBER_FLOAT_NO_PREFIX, 0.0f},
    };
    for (const Case& c : cases) {
        float fValue = 77.0f;
        EXPECT_EQ(JC_StrNumSwitch::StrToFloat(c.szText, fValue), c.dwResult) << c.szText;
        EXPECT_EQ(fValue, c.fValue) << c.szText;
    }
}

// The decimal point is '.' whatever locale the C runtime was switched to.
TEST(JC_StrNumSwitch, RealNumbersIgnoreTheLocale)
{
    const std::string strOld = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "German_Germany.1252"), nullptr);
    float fValue = 0.0f;
    EXPECT_EQ(JC_StrNumSwitch::StrToFloat("F1.5", fValue), 0u);
    const std::string strText = JC_StrNumSwitch::FloatToStr(2.25f);
    std::setlocale(LC_NUMERIC, strOld.c_str());
    EXPECT_EQ(fValue, 1.5f);
    EXPECT_EQ(strText, "F2.250000");
}

TEST(JC_StrNumSwitch, RelativeTextsTable)
{
    struct Case
    {
        const char* szText;
        bool bRelative, bPlus, bMinus, bPercent;
        DWORD dwSplit;
        DWORD dwValue;
        DWORD dwNumber;
    };
    const Case cases[] = {
        {"", false, false, false, false, JE_NUMBER_EMPTY, 0, 0},
        {"+5%", true, true, false, true, 0, 5, 5},
        {"-H10", true, false, true, false, 0, 16, 16},
        {"50%", true, false, false, true, 0, 50, 50},
        {"7", false, false, false, false, 0, 7, 7},
        {"+%", true, true, false, true, JE_NUMBER_SIGN_ONLY, 0, 0},
        {"-", true, false, true, false, JE_NUMBER_SIGN_ONLY, 0, 0},
        {"%", true, false, false, true, JE_NUMBER_SIGN_ONLY, 0, 0},
        {"+012", true, true, false, false, JE_HEX_NO_PREFIX, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JC_StrNumSwitch::IsRelative(c.szText), c.bRelative) << c.szText;
        EXPECT_EQ(JC_StrNumSwitch::IsPlus(c.szText), c.bPlus) << c.szText;
        EXPECT_EQ(JC_StrNumSwitch::IsMinus(c.szText), c.bMinus) << c.szText;
        EXPECT_EQ(JC_StrNumSwitch::IsPercent(c.szText), c.bPercent) << c.szText;
        DWORD dwValue = 77;
        bool bPlus = true;
        bool bMinus = true;
        bool bPercent = true;
        EXPECT_EQ(JC_StrNumSwitch::SplitNumber(c.szText, dwValue, bPlus, bMinus, bPercent), c.dwSplit) << c.szText;
        EXPECT_EQ(dwValue, c.dwValue) << c.szText;
        EXPECT_EQ(JC_StrNumSwitch::GetNumber(c.szText), c.dwNumber) << c.szText;
    }
}

TEST(JC_StrNumCalculate, AddAndSubValueTable)
{
    struct Case { DWORD dwBase; const char* szText; DWORD dwAdded; DWORD dwSubtracted; };
    const Case cases[] = {
        {200, "+10%", 220, 180},
        {200, "-H10", 184, 216},
        {200, "50%", 100, 100},
        {200, "7", 7, 7},
        {0, "+5", 5, 0xFFFFFFFB},
        {200, "", 0, 0},
        {200, "+", 0, 0},
        // The product is taken as a signed 32-bit number before the division.
        {0xFFFFFF9C, "50%", 0xFFFFFFCE, 0xFFFFFFCE},
        {3, "-50%", 2, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JC_StrNumCalculate::AddValue(c.dwBase, c.szText), c.dwAdded) << c.dwBase << " " << c.szText;
        EXPECT_EQ(JC_StrNumCalculate::SubValue(c.dwBase, c.szText), c.dwSubtracted) << c.dwBase << " " << c.szText;
    }
}

TEST(JC_StrNumSwitch, RangesTable)
{
    int iLow = 0;
    int iHigh = 0;
    EXPECT_EQ(JC_StrNumSwitch::ParseIntRange("5~5", iLow, iHigh), 0u);
    EXPECT_EQ(JC_StrNumSwitch::ParseIntRange("-1~1", iLow, iHigh), 0u);
    EXPECT_EQ(iLow, -1);
    EXPECT_EQ(iHigh, 1);
    EXPECT_EQ(JC_StrNumSwitch::ParseIntRange("2~1", iLow, iHigh), JE_RANGE_HIGH_BELOW_LOW);
    EXPECT_EQ(JC_StrNumSwitch::ParseIntRange("12", iLow, iHigh), JE_RANGE_NO_TILDE);
    EXPECT_EQ(JC_StrNumSwitch::ParseIntRange("1~012", iLow, iHigh), JE_HEX_NO_PREFIX);

    DWORD dwLow = 0;
    DWORD dwHigh = 0;
    EXPECT_EQ(JC_StrNumSwitch::ParseUIntRange("-1~1", dwLow, dwHigh), JE_RANGE_HIGH_BELOW_LOW);
    EXPECT_EQ(JC_StrNumSwitch::ParseUIntRange("H10~B11111", dwLow, dwHigh), 0u);
    EXPECT_EQ(dwLow, 16u);
    EXPECT_EQ(dwHigh, 31u);

    float fLow = 0.0f;
    float fHigh = 0.0f;
    EXPECT_EQ(JC_StrNumSwitch::ParseFloatRange("F-1.5~F2", fLow, fHigh), 0u);
    EXPECT_EQ(fLow, -1.5f);
    EXPECT_EQ(fHigh, 2.0f);
    EXPECT_EQ(JC_StrNumSwitch::ParseFloatRange("F1~2", fLow, fHigh), JE_NUMBER_FLOAT_NO_PREFIX);
    EXPECT_EQ(JC_StrNumSwitch::ParseFloatRange("F2~F1", fLow, fHigh), JE_RANGE_HIGH_BELOW_LOW);
}

TEST(JC_StrNumSwitch, NumberTextsTable)
{
    EXPECT_EQ(JC_StrNumSwitch::IntToStr(-12), "-12");
    EXPECT_EQ(JC_StrNumSwitch::UIntToStr(3000000000u), "3000000000");
    EXPECT_EQ(JC_StrNumSwitch::UInt64ToStr(0xFFFFFFFFFFFFFFFFull), "18446744073709551615");
    EXPECT_EQ(JC_StrNumSwitch::IntToHexStr(31), "H1f");
    EXPECT_EQ(JC_StrNumSwitch::IntToHexStr(0), "H0");
    EXPECT_EQ(JC_StrNumSwitch::IntToHexStr(-1), "Hffffffff");
    EXPECT_EQ(JC_StrNumSwitch::Int64ToHexStr(-1), "Hffffffffffffffff");
    EXPECT_EQ(JC_StrNumSwitch::UIntToBinStr(5), std::string("B") + std::string(29, '0') + "101");
    EXPECT_EQ(JC_StrNumSwitch::IntToBinStr(-1), std::string("B") + std::string(32, '1'));
    EXPECT_EQ(JC_StrNumSwitch::UInt64ToBinStr(1ull << 63), std::string("B1") + std::string(63, '0'));
    EXPECT_EQ(JC_StrNumSwitch::FloatToStr(1.5f), "F1.500000");
    EXPECT_EQ(JC_StrNumSwitch::FloatToStr(-0.125f), "F-0.125000");
}

// What the writers print reads back as the same number.
TEST(JC_StrNumSwitch, WrittenTextsReadBack)
{
    const DWORD adwValues[] = {0, 1, 31, 0x7FFFFFFF, 0x80000000, 3000000000u, 0xFFFFFFFF};
    for (const DWORD dwValue : adwValues) {
        const std::string texts[] = {
            JC_StrNumSwitch::UIntToStr(dwValue),
            JC_StrNumSwitch::IntToStr(static_cast<int>(dwValue)),
            JC_StrNumSwitch::IntToHexStr(static_cast<int>(dwValue)),
            JC_StrNumSwitch::UIntToBinStr(dwValue),
        };
        for (const std::string& strText : texts) {
            DWORD dwRead = 0;
            EXPECT_EQ(JC_StrNumSwitch::StrToUInt(strText, dwRead), 0u) << strText;
            EXPECT_EQ(dwRead, dwValue) << strText;
        }
    }
    const ULONGLONG aullValues[] = {0, 0x8000000000000000ull, 0xFFFFFFFFFFFFFFFFull, 12345678901234ull};
    for (const ULONGLONG ullValue : aullValues) {
        const std::string texts[] = {
            JC_StrNumSwitch::UInt64ToStr(ullValue),
            JC_StrNumSwitch::Int64ToHexStr(static_cast<LONGLONG>(ullValue)),
            JC_StrNumSwitch::UInt64ToBinStr(ullValue),
        };
        for (const std::string& strText : texts) {
            ULONGLONG ullRead = 0;
            EXPECT_EQ(JC_StrNumSwitch::StrToUInt64(strText, ullRead), 0u) << strText;
            EXPECT_EQ(ullRead, ullValue) << strText;
        }
    }
    const float afValues[] = {0.0f, 1.5f, -2.25f, 1000000.0f};
    for (const float fValue : afValues) {
        float fRead = 1.0f;
        EXPECT_EQ(JC_StrNumSwitch::StrToFloat(JC_StrNumSwitch::FloatToStr(fValue), fRead), 0u);
        EXPECT_EQ(fRead, fValue);
    }
}

TEST(JF_NumberText, RealNumbersOutsideTheRangeOfADouble)
{
    EXPECT_EQ(JF_TextToReal("1e-400"), 0.0);
    EXPECT_EQ(JF_TextToReal("-1e400"), -HUGE_VAL);
    EXPECT_EQ(JF_TextToReal("+-1"), 0.0);
    EXPECT_EQ(JF_TextToReal("\t-.5"), -0.5);
}
