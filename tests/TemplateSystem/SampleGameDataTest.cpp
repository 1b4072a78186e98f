// The sample game's templates, define files and data files, as the generator
// wrote them into the sample game folder.

#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DefineFileReader.h"
#include "TemplateSystem/JC_TemplateFileReader.h"
#include "tests/TemplateSystem/DataFileTool.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string SampleGameFolder()
{
    const char* szFolder = std::getenv("OSKEL_SAMPLE_GAME");
    return szFolder != nullptr ? szFolder : "";
}

std::string TemplateFolder()
{
    return SampleGameFolder() + g_szTemplateFolder;
}

std::vector<std::string> SampleDataFiles()
{
    std::vector<std::string> files;
    for (const char* szFolder : {g_szTemplateDataFolder, g_szTemplateDataIrregularFolder}) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(SampleGameFolder() + szFolder)) {
            if (entry.is_regular_file() && entry.path().extension() == ".DATA")
                files.push_back(entry.path().string());
        }
    }
    return files;
}

// Every "DF_" key a text names.
std::vector<std::string> DefineKeys(const std::string& strText)
{
    std::vector<std::string> keys;
    for (size_t at = strText.find("DF_"); at != std::string::npos; at = strText.find("DF_", at + 1)) {
        size_t end = at;
        while (end < strText.size() && (std::isalnum(static_cast<unsigned char>(strText[end])) || strText[end] == '_'))
            ++end;
        keys.push_back(strText.substr(at, end - at));
        at = end - 1;
    }
    return keys;
}

class SampleGameData : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(SampleGameFolder().empty()) << "OSKEL_SAMPLE_GAME is not set";
        ASSERT_EQ(m_Reader.Initiation(), 0u);
        DWORD dwLine = 0;
        ASSERT_EQ(m_Reader.LoadTemplateFolder(TemplateFolder(), &m_Templates, nullptr, dwLine), 0u) << "line " << dwLine;
    }

    JC_TemplateFileReader m_Reader;
    JC_TemplateList m_Templates;
};

} // namespace

TEST_F(SampleGameData, EveryTemplateIsLaidOutByItsKind)
{
    ASSERT_GE(m_Templates.GetCount(), 28u);
    for (DWORD i = 0; i < m_Templates.GetCount(); ++i) {
        JC_Template* pTemplate = nullptr;
        ASSERT_EQ(m_Templates.GetTemplateAt(i, pTemplate), 0u);
        JC_DataComponent component;
        ASSERT_EQ(component.Create(&m_Templates, pTemplate), 0u) << pTemplate->GetTemplateName();
        DWORD dwKind = 0;
        EXPECT_EQ(component.GetItemValue("DataComponentKind", &dwKind), 0u);
        EXPECT_EQ(dwKind, pTemplate->GetTemplateID()) << pTemplate->GetTemplateName();
    }
    JC_Template* pPerson = nullptr;
    ASSERT_EQ(m_Templates.FindTemplateByID(DATACOMPONENTKIND_PERSON, pPerson), 0u);
    // Every person item the Parts read by name.
    EXPECT_GE(pPerson->GetPlainItemCount(), 140u);
}

TEST_F(SampleGameData, EveryDataFileRoundTripsThroughTheTool)
{
    const std::vector<std::string> files = SampleDataFiles();
    ASSERT_EQ(files.size(), static_cast<size_t>(FIXEDDATAKIND_LIMIT) + MODULEDATAKIND_LIMIT + 2 + 2 * UNFIXEDDATAKIND_LIMIT);
    ScopedTempFolder scratch;
    // Without the closing backslash, which would escape the quote.
    std::string strFolder = TemplateFolder();
    strFolder.pop_back();
    strFolder = "\"" + strFolder + "\" ";
    for (const std::string& strFile : files) {
        // Files of their own for each data file: none is rewritten while a
        // tool that ran before may still hold it.
        const std::string strName = fs::path(strFile).stem().string();
        const std::string strRewritten = scratch.File(strName + ".DATA");
        std::string strChecked;
        std::string strRewrittenCheck;
        std::string strIgnored;
        ASSERT_EQ(RunDataFileTool("check " + strFolder + "\"" + strFile + "\"", scratch.File(strName + ".check"), strChecked),
                  0u)
            << strFile << "\n" << strChecked;
        ASSERT_EQ(RunDataFileTool("rewrite " + strFolder + "\"" + strFile + "\" \"" + strRewritten + "\"",
                                  scratch.File(strName + ".rewrite"), strIgnored),
                  0u)
            << strFile << "\n" << strIgnored;
        ASSERT_EQ(RunDataFileTool("check " + strFolder + "\"" + strRewritten + "\"", scratch.File(strName + ".recheck"),
                                  strRewrittenCheck),
                  0u)
            << strFile;
        EXPECT_EQ(strRewrittenCheck, strChecked) << strFile;
    }
}

TEST_F(SampleGameData, EveryDefineKeyTheDataNameIsDefined)
{
    JC_DefineFileReader defineReader;
    JC_DefineTable defines;
    ASSERT_EQ(defineReader.LoadFolder(SampleGameFolder() + g_szTemplateDefineFolder, &defines), 0u);
    for (const char* szKey : {"DF_Warehouse_WarehouseGem", "DF_WearPosition_HandRight", "DF_Camp_Count",
                                      "DF_LifeState_Live", "DF_AIType_MoveToPosition", "DF_Element_None",
                                      "DF_BehaviorType_Attack"})
        EXPECT_TRUE(defines.HasDefine(szKey)) << szKey;
    for (const std::string& strFile : SampleDataFiles()) {
        for (const std::string& strKey : DefineKeys(ReadTestFile(strFile)))
            EXPECT_TRUE(defines.HasDefine(strKey)) << strKey << " in " << strFile;
    }
}
