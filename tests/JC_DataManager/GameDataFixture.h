#pragma once

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

// Small game folders written by the tests: templates that carry their kind,
// data files of a few records each, and a log the tests read back.

// One template item line; sizes only for VECTOR items.
inline std::string ItemLine(const std::string& strName, const std::string& strType, const std::string& strDefault,
                            const std::string& strTypeEx = "", const std::string& strArraySize = "",
                            const std::string& strMinMax = "")
{
    std::string strLine = "@Name \"" + strName + "\" @Type \"" + strType + "\" @TypeEx \"" + strTypeEx +
                          "\" @Radix \",\" @MinMax \"" + strMinMax + "\"";
    if (!strArraySize.empty())
        strLine += " @ArraySize \"" + strArraySize + "\"";
    return strLine + " @Default \"" + strDefault + "\"\r\n";
}

inline std::string HexID(DWORD dwID)
{
    char szID[16];
    std::snprintf(szID, sizeof(szID), "H%08X", static_cast<unsigned>(dwID));
    return szID;
}

// A template whose identifier and "DataComponentKind" default are its kind,
// with an "ID" item before the given ones.
inline std::string TemplateText(DWORD dwKind, const std::string& strItems = "")
{
    return "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"" + HexID(dwKind) +
           "\"\r\n@TemplateName \"\"\r\n@TemplateExplain \"\"\r\n[HeadEnd]\r\n" +
           ItemLine("DataComponentKind", "UINT32", std::to_string(dwKind)) + ItemLine("ID", "UINT32", "0") + strItems +
           "[FileEnd]\r\n";
}

// One record at (0, position): item lines name"value".
inline std::string BlockText(DWORD dwTemplateID, DWORD dwPosition, const std::string& strItems = "")
{
    return "@Start\r\n@MainUseTemplateID\"" + HexID(dwTemplateID) + "\"\r\n@DataOrder\"0," +
           std::to_string(dwPosition) + "\"\r\n" + strItems + "@End\r\n";
}

inline std::string Value(const std::string& strName, const std::string& strValue)
{
    return strName + "\"" + strValue + "\"\r\n";
}

// An ARRAY data file, keyed by "ID" for the fixed tables.
inline std::string DataFileText(const std::vector<DWORD>& templateIDs, const std::string& strBlocks,
                                const std::string& strSortItem = "")
{
    std::string strText = "[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n@Distribute\"ARRAY\"\r\n";
    for (DWORD dwID : templateIDs)
        strText += "@UseTemplateID\"" + HexID(dwID) + "\"\r\n";
    return strText + "@SortItem\"" + strSortItem + "\"\r\n@IsSimplifyDefault\"FALSE\"\r\n@IsSimplifyDefine\"FALSE\"\r\n[HeadEnd]\r\n" +
           strBlocks + "[FileEnd]\r\n";
}

// A debug log writing to a file of its own.
class TestLog
{
public:
    TestLog() { EXPECT_EQ(m_Log.OpenLogFile(m_Folder.File("log.txt").c_str(), 1, FILE_SHARE_READ), 0); }

    JC_DebugLog* Get() { return &m_Log; }
    std::string Text() const { return ReadTestFile(m_Folder.File("log.txt")); }
    size_t Count(const std::string& strPart) const
    {
        const std::string strText = Text();
        size_t count = 0;
        for (size_t at = strText.find(strPart); at != std::string::npos; at = strText.find(strPart, at + 1))
            ++count;
        return count;
    }
    // Starts the file again.
    void Clear() { EXPECT_EQ(m_Log.OpenLogFile(m_Folder.File("log.txt").c_str(), 1, FILE_SHARE_READ), 0); }

private:
    ScopedTempFolder m_Folder;
    JC_DebugLog m_Log;
};

// Loads the sample game the test run generated ("OSKEL_SAMPLE_GAME"): the
// fixed tables of level 1, the new game's save state and the module records.
inline DWORD LoadSampleGameData(JC_DataManager& dataManager, JC_DebugLog* pLog)
{
    const char* szFolder = std::getenv("OSKEL_SAMPLE_GAME");
    if (szFolder == nullptr)
        return E_FAIL;
    DWORD dwResult = dataManager.Initiation(szFolder, pLog);
    if (dwResult == 0)
        dwResult = dataManager.InitFixedData(1);
    if (dwResult == 0)
        dwResult = dataManager.InitUnfixedData(0);
    if (dwResult == 0)
        dwResult = dataManager.InitModuleData();
    return dwResult;
}

// A game folder with a template of every kind, a define file, the fixed
// tables of level 1, save-state set 0, the screen layouts and the save-slot
// directory.
class GameDataFolder
{
public:
    GameDataFolder();

    std::string Root() const { return m_Folder.Path() + "\\"; }
    // Writes a file under the root, making its folders.
    void Write(const std::string& strRelativePath, const std::string& strText) const
    {
        const std::string strPath = Root() + strRelativePath;
        std::filesystem::create_directories(std::filesystem::path(strPath).parent_path());
        EXPECT_TRUE(WriteTestFile(strPath, strText)) << strPath;
    }
    void Remove(const std::string& strRelativePath) const { std::filesystem::remove(Root() + strRelativePath); }
    static std::string FixedPath(DWORD dwKind) { return std::string("Template\\TemplateData\\01\\") + g_aszFixedDataFileNames[dwKind]; }
    static std::string UnfixedPath(DWORD dwKind)
    {
        return std::string("Template\\TemplateDataIrregular\\00\\") + g_aszUnfixedDataFileNames[dwKind];
    }
    static std::string ModulePath(DWORD dwKind) { return std::string("Template\\TemplateData\\") + g_aszModuleDataFileNames[dwKind]; }
    // A save slot's entry file.
    void WriteSlot(DWORD dwSlot, int iHaveRecord, DWORD dwDate) const;
    static std::string SlotFolder(DWORD dwSlot);

private:
    void WriteTemplates() const;
    void WriteFixedData() const;
    void WriteUnfixedData() const;
    void WriteModuleAndRecordData() const;

    ScopedTempFolder m_Folder;
};

// A data manager with everything of a GameDataFolder loaded.
class GameDataTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(LoadAll(), 0u) << m_Log.Text(); }

    DWORD LoadAll()
    {
        DWORD dwResult = m_DataManager.Initiation(m_Folder.Root(), m_Log.Get());
        if (dwResult == 0)
            dwResult = m_DataManager.InitFixedData(1);
        if (dwResult == 0)
            dwResult = m_DataManager.InitUnfixedData(0);
        if (dwResult == 0)
            dwResult = m_DataManager.InitModuleData();
        if (dwResult == 0)
            dwResult = m_DataManager.InitRecordData();
        if (dwResult == 0)
            dwResult = m_DataManager.LoadRecordData(0, 60000, 0);
        return dwResult;
    }

    static DWORD ReadID(JC_DataComponent* pRecord, const char* szItem = "ID")
    {
        DWORD dwValue = 0xDEADBEEF;
        if (pRecord != nullptr)
            pRecord->GetItemValueAt(szItem, 0, &dwValue);
        return dwValue;
    }

    GameDataFolder m_Folder;
    TestLog m_Log;
    JC_DataManager m_DataManager;
};
