#include "tests/TemplateSystem/TemplateFixture.h"

#include "tests/TemplateSystem/DataFileTool.h"

namespace {

DWORD RunTool(const TemplateFixture& fixture, const std::string& strArguments, std::string& strOutput)
{
    return RunDataFileTool(strArguments, fixture.File("output.txt"), strOutput);
}

} // namespace

TEST(DataFileTool, ChecksAndRewritesADataFile)
{
    TemplateFixture fixture;
    const std::string strData = "[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n@Distribute\"TREE\"\r\n"
                                "@UseTemplateID\"H00000030\"\r\n@SortItem\"ID\"\r\n@IsSimplifyDefault\"TRUE\"\r\n"
                                "@IsSimplifyDefine\"FALSE\"\r\n[HeadEnd]\r\n"
                                "@Start\r\n@MainUseTemplateID\"H30\"\r\n@DataOrder\"1,1,0\"\r\nID\"7\"\r\n@End\r\n"
                                "@Start\r\n@MainUseTemplateID\"H30\"\r\n@DataOrder\"0,0\"\r\n名字\"許\"\r\n@End\r\n"
                                "[FileEnd]\r\n";
    WriteTestFile(fixture.File("gems.DATA"), strData);
    const std::string strFolder = "\"" + fixture.m_Folder.Path() + "\" ";
    std::string strOutput;
    EXPECT_EQ(RunTool(fixture, "check " + strFolder + "\"" + fixture.File("gems.DATA") + "\"", strOutput), 0u);
    EXPECT_EQ(strOutput, "distribution TREE\r\ncomponents 2\r\n0,0\r\n1,1,0\r\n");

    EXPECT_EQ(RunTool(fixture,
                      "rewrite " + strFolder + "\"" + fixture.File("gems.DATA") + "\" \"" + fixture.File("out.DATA") + "\"",
                      strOutput),
              0u);
    const std::string strRewritten = ReadTestFile(fixture.File("out.DATA"));
    EXPECT_NE(strRewritten.find("@IsSimplifyDefault\"TRUE\""), std::string::npos);
    EXPECT_EQ(strRewritten.find("//!注意"), std::string::npos);
    EXPECT_NE(strRewritten.find("@DataOrder\"1,1,0\"\r\nID\"7\""), std::string::npos);

    WriteTestFile(fixture.File("bad.DATA"), strData.substr(0, strData.find("[FileEnd]")));
    EXPECT_EQ(RunTool(fixture, "check " + strFolder + "\"" + fixture.File("bad.DATA") + "\"", strOutput), 1u);
    EXPECT_NE(strOutput.find("failed 0x88139312 at line 19"), std::string::npos) << strOutput;
    EXPECT_EQ(RunTool(fixture, "check", strOutput), 1u);
}
