#include "GameProgram/Common/XF_SourceFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(XF_SourceFile, NamesThisFileFromTheRepositoryInEachForm)
{
    const struct
    {
        const char* szName;
        const char* szExpected;
    } cases[] = {
        {XM_SOURCE_FILE(SOURCE_PATH), "tests\\GameProgram\\Common\\XF_SourceFileTest"},
        {XM_SOURCE_FILE(SOURCE_DOT_PATH), ".\\tests\\GameProgram\\Common\\XF_SourceFileTest"},
        {XM_SOURCE_FILE(SOURCE_PATH_EXTENSION), "tests\\GameProgram\\Common\\XF_SourceFileTest.cpp"},
        {XM_SOURCE_FILE(SOURCE_NAME), "XF_SourceFileTest"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(c.szName), c.szExpected);
}
