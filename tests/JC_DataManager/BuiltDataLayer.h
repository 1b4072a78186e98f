#pragma once

#include "JC_DataManager/JF_Game.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

// The data layer's globals built with JF_Build on a copy of the sample
// game's data, which a test may damage first; the debug log goes to a file
// the test reads back. Everything is released after the test.
class BuiltDataLayer : public testing::Test
{
protected:
    BuiltDataLayer()
    {
        EXPECT_EQ(gp_DebugInfoObj->OpenLogFile(m_Folder.File("log.txt").c_str(), 1, FILE_SHARE_READ), 0);
        m_strGamePath = m_Folder.File("Game") + "\\";
        const char* szSampleGame = std::getenv("OSKEL_SAMPLE_GAME");
        std::error_code error;
        std::filesystem::create_directories(m_strGamePath + "Script", error);
        if (szSampleGame != nullptr)
            std::filesystem::copy(std::string(szSampleGame) + "Template", m_strGamePath + "Template",
                                  std::filesystem::copy_options::recursive, error);
        EXPECT_TRUE(szSampleGame != nullptr && !error) << "the sample game's data cannot be copied";
    }

    ~BuiltDataLayer() override
    {
        JF_Destroy();
        gp_DebugInfoObj->OpenLogFile(nullptr, 1, 0);
    }

    // A path under the copied game folder.
    std::string GamePath(const std::string& strRelativePath) const { return m_strGamePath + strRelativePath; }
    std::string LogText() const { return ReadTestFile(m_Folder.File("log.txt")); }
    bool Logged(const std::string& strPart) const { return LogText().find(strPart) != std::string::npos; }

    // The money of the save state's game record itself.
    static int RecordedMoney()
    {
        int iMoney = -1;
        gp_DataManagerObj->GetGameDataComponent()->GetItemValueAt("Money", 0, &iMoney);
        return iMoney;
    }

private:
    ScopedTempFolder m_Folder;
    std::string m_strGamePath;
};
