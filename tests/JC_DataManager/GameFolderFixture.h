#pragma once

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"

#include "TemplateSystem/JC_DebugLog.h"

#include "tests/JC_DataManager/GameDataFixture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

// A game folder made for one test: templates, the define file of behaviour
// states and round types, and whatever data files the test writes; a data
// manager initiated on it, logging to a file of its own.

inline std::string TemplateVectorItem(const std::string& strName, const std::string& strElementType)
{
    return ItemLine(strName, "VECTOR", "", strElementType, "64,0");
}

inline const char* const g_szBehaviorDefines =
    "//[File]\r\n//[Head]\r\n//@Version \"H00080001\"\r\n//[HeadEnd]\r\n"
    "#define DF_STATE_POISON 31 //@Combo \"\"\r\n"
    "#define DF_STATE_SLEEP 32 //@Combo \"\"\r\n"
    "#define DF_STATE_MOVE 33 //@Combo \"\"\r\n"
    "#define DF_ROUND_CAMP 0x10 //@Combo \"\"\r\n"
    "#define DF_ROUND_USE 0x30 //@Combo \"\"\r\n"
    "#define DF_ROUND_ATTACK 0x50 //@Combo \"\"\r\n"
    "#define DF_INLAY_SETFIELD 0x10001 //@Combo \"\"\r\n"
    "#define DF_INLAY_ADDFIELD 0x10002 //@Combo \"\"\r\n"
    "#define DF_INLAY_OTHER 0x10003 //@Combo \"\"\r\n"
    "//[FileEnd]\r\n";

inline const std::string g_strPersonTemplate =
    TemplateText(0x160001, TemplateVectorItem("BehaviorGroup0", "STRING") +
                               TemplateVectorItem("BehaviorGroup1", "STRING") +
                               TemplateVectorItem("BehaviorGroup2", "STRING"));

// A record of an ARRAY data file: its template and its item lines.
struct JS_TestRecord
{
    DWORD dwTemplateID;
    std::string strItems;
};

// The records at orders (0, 0), (0, 1), ...; the file names every template
// its records use, or the one given when it has none.
inline std::string ArrayDataFile(const std::vector<JS_TestRecord>& records, const std::string& strSortItem = "",
                                 DWORD dwEmptyTemplateID = 0x160001)
{
    std::vector<DWORD> templateIDs;
    std::string strBlocks;
    for (size_t i = 0; i < records.size(); ++i) {
        if (std::find(templateIDs.begin(), templateIDs.end(), records[i].dwTemplateID) == templateIDs.end())
            templateIDs.push_back(records[i].dwTemplateID);
        strBlocks += BlockText(records[i].dwTemplateID, static_cast<DWORD>(i), records[i].strItems);
    }
    if (templateIDs.empty())
        templateIDs.push_back(dwEmptyTemplateID);
    return DataFileText(templateIDs, strBlocks, strSortItem);
}

class GameFolderFixture : public testing::Test
{
protected:
    GameFolderFixture()
    {
        CreateDirectoryA(m_Folder.File("Template").c_str(), nullptr);
        CreateDirectoryA(Path("Template\\Template").c_str(), nullptr);
        CreateDirectoryA(Path("Template\\Template\\TemplateDefine").c_str(), nullptr);
        CreateDirectoryA(Path("Template\\TemplateData").c_str(), nullptr);
        CreateDirectoryA(Path("Template\\TemplateDataIrregular").c_str(), nullptr);
        CreateDirectoryA(Path("Template\\TemplateDataIrregular\\00").c_str(), nullptr);
        Write("Template\\Template\\TemplateDefine\\Behavior.h", g_szBehaviorDefines);
        Write("Template\\Template\\Person.temp", g_strPersonTemplate);
        EXPECT_EQ(m_Log.OpenLogFile(Path("log.txt").c_str(), 1, FILE_SHARE_READ | FILE_SHARE_WRITE), S_OK);
    }

    std::string Root() const { return m_Folder.Path() + "\\"; }
    std::string Path(const std::string& strRelative) const { return Root() + strRelative; }
    void Write(const std::string& strRelative, const std::string& strText) const
    {
        ASSERT_TRUE(WriteTestFile(Path(strRelative), strText)) << strRelative;
    }
    void WriteTemplate(const std::string& strName, DWORD dwKind, const std::string& strItems) const
    {
        Write("Template\\Template\\" + strName + ".temp", TemplateText(dwKind, strItems));
    }
    // The data files of one kind set, each given by its file name; every
    // other file of the set is written empty.
    using DataFiles = std::map<std::string, std::string>;
    void WriteDataSet(const std::string& strFolder, const char* const* aszNames, DWORD dwCount,
                      const DataFiles& files) const
    {
        CreateDirectoryA(Path(strFolder).c_str(), nullptr);
        for (DWORD i = 0; i < dwCount; ++i) {
            const auto found = files.find(aszNames[i]);
            Write(strFolder + aszNames[i], found != files.end() ? found->second : ArrayDataFile({}));
        }
    }
    void WriteUnfixedData(const DataFiles& files) const
    {
        WriteDataSet("Template\\TemplateDataIrregular\\00\\", g_aszUnfixedDataFileNames, UNFIXEDDATAKIND_LIMIT, files);
    }
    void WriteFixedData(const DataFiles& files) const
    {
        WriteDataSet("Template\\TemplateData\\01\\", g_aszFixedDataFileNames, FIXEDDATAKIND_LIMIT, files);
    }
    void WriteModuleData(const DataFiles& files) const
    {
        WriteDataSet("Template\\TemplateData\\", g_aszModuleDataFileNames, MODULEDATAKIND_LIMIT, files);
    }

    // Initiates the data manager on the folder as it stands.
    void Initiate() { ASSERT_EQ(m_DataManager.Initiation(Root(), &m_Log), 0u) << LogText(); }
    std::string LogText() const { return ReadTestFile(Path("log.txt")); }
    bool Logged(const std::string& strPart) const { return LogText().find(strPart) != std::string::npos; }

    // A new record of a template, owned by the test.
    std::unique_ptr<JC_DataComponent> NewRecord(DWORD dwTemplateID)
    {
        const JC_TemplateList* pList = m_DataManager.GetTemplateManager()->GetTemplateList();
        auto pRecord = std::make_unique<JC_DataComponent>();
        EXPECT_EQ(pRecord->CreateByTemplateID(pList, dwTemplateID), 0u);
        return pRecord;
    }

    ScopedTempFolder m_Folder;
    JC_DebugLog m_Log;
    JC_DataManager m_DataManager;
};
