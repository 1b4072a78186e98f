#include "Code/XC_GameFileName.h"
#include "Code/XC_GameText.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string FILE_NAMES = "File000 = First.txt\r\nFile001 = Second.ant\r\nFile002 =\r\nFile003 = Last.txt\r\n";
const std::string TEXTS = "零\r\n一\r\n最後\r\n";

} // namespace

TEST(XC_GameFileName, NamesByPosition)
{
    const ErrorLogCapture log;
    XC_GameFileName table;
    ASSERT_EQ(table.Load(FILE_NAMES.data(), static_cast<DWORD>(FILE_NAMES.size())), S_OK);
    const struct
    {
        DWORD dwID;
        const char* szExpected;
    } cases[] = {{0, "First.txt"}, {1, "Second.ant"}, {3, "Last.txt"}, {4, "FileNameError"}, {0xFFFFFFFF, "FileNameError"}};
    for (const auto& lookup : cases)
        EXPECT_STREQ(table.GetFileName(lookup.dwID), lookup.szExpected) << lookup.dwID;
    EXPECT_TRUE(log.Contains("XC_GameFileName::GetFileName ERROR"));

    EXPECT_EQ(table.GetFileName(2), nullptr);
    EXPECT_TRUE(log.Contains("pTLeaf->GetValue()"));

    EXPECT_EQ(table.SetFileName(1, "Other.ant"), S_OK);
    EXPECT_STREQ(table.GetFileName(1), "Other.ant");
    EXPECT_EQ(table.SetFileName(4, "Past.ant"), E_FAIL);
}

TEST(XC_GameFileName, AReloadReplacesTheTable)
{
    XC_GameFileName table;
    ASSERT_EQ(table.Load(FILE_NAMES.data(), static_cast<DWORD>(FILE_NAMES.size())), S_OK);
    const std::string shorter = "File000 = Only.txt\r\n";
    ASSERT_EQ(table.Load(shorter.data(), static_cast<DWORD>(shorter.size())), S_OK);
    EXPECT_STREQ(table.GetFileName(0), "Only.txt");
    EXPECT_STREQ(table.GetFileName(1), "FileNameError");
}

TEST(XC_GameText, TextsByLine)
{
    const ErrorLogCapture log;
    XC_GameText texts;
    ASSERT_EQ(texts.Load(TEXTS.data(), static_cast<DWORD>(TEXTS.size())), S_OK);
    EXPECT_STREQ(texts.GetText(0), "零");
    EXPECT_STREQ(texts.GetText(2), "最後");
    EXPECT_STREQ(texts.GetText(3), "TextError");
    EXPECT_TRUE(log.Contains("XC_GameText::GetText ERROR"));
}
