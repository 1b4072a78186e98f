#include "Code/XC_GameAI.h"
#include "Code/XC_GameCamp.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameParameter.h"
#include "Code/XC_GameParameterFile.h"
#include "Code/XC_GameText.h"
#include "Code/XC_GameTime.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/TextMutations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string SampleFile(const std::string& name)
{
    return ReadTestFile(SampleGameFolder() + "GameData\\" + name);
}

// The game's tables filled from damaged files: every load ends with a result
// and every lookup with a name, a text or the fixed error text.
class GameTablesBadInput : public ::testing::Test
{
protected:
    GameTablesBadInput() : m_pOldPack(g_pPackFile_Data) { g_pPackFile_Data = &m_Pack; }
    ~GameTablesBadInput() override
    {
        g_pPackFile_Data = m_pOldPack;
        *g_pGameCamp = XC_GameCamp();
        *g_pGameTime = XC_GameTime();
        *g_pGameAI = XC_GameAI();
        *g_pGameParameter = XC_GameParameter();
    }

    void LoadAndLookUp(const std::string& strFileNames, const std::string& strParameters, const std::string& strTexts)
    {
        m_Pack.Add("GameFileName.txt", strFileNames);
        m_Pack.Add("GameParameter.txt", strParameters);
        m_Pack.Add("GameText.txt", strTexts);
        const HRESULT hr = XC_GameParameterFile::Load();
        ASSERT_TRUE(hr == S_OK || hr == E_FAIL);
        for (DWORD dwID = 0; dwID < 240; ++dwID)
            g_pGameFileName->GetFileName(dwID);
        for (DWORD dwID = 0; dwID < 40; ++dwID)
            ASSERT_NE(g_pGameText->GetText(dwID), nullptr);
    }

    MemoryPackFile m_Pack;
    ErrorLogCapture m_Log;

private:
    XI_PackFile* m_pOldPack;
};

} // namespace

TEST_F(GameTablesBadInput, DamagedFileNameTables)
{
    const std::string strFileNames = SampleFile("GameFileName.txt");
    ASSERT_FALSE(strFileNames.empty());
    std::vector<std::string> cases;
    AddTruncations(strFileNames, &cases);
    AddMutations(strFileNames, 2000, &cases);
    const std::string strParameters = SampleFile("GameParameter.txt");
    const std::string strTexts = SampleFile("GameText.txt");
    for (const std::string& strCase : cases)
        LoadAndLookUp(strCase, strParameters, strTexts);
}

TEST_F(GameTablesBadInput, DamagedParameterAndTextFiles)
{
    const std::string strParameters = SampleFile("GameParameter.txt");
    const std::string strTexts = SampleFile("GameText.txt");
    ASSERT_FALSE(strParameters.empty());
    std::vector<std::string> parameters;
    AddTruncations(strParameters, &parameters);
    AddMutations(strParameters, 2000, &parameters);
    parameters.push_back("[Time]\r\n{\r\n fCameraRotationSpeed = 1e39\r\n fSkillDelay = nan\r\n}\r\n");
    std::string strNested(100000, '{');
    strNested.append("[AI]");
    parameters.push_back(strNested);
    std::vector<std::string> texts;
    AddMutations(strTexts, 500, &texts);
    texts.push_back(std::string(1 << 20, '\xA4'));
    const std::string strFileNames = SampleFile("GameFileName.txt");
    for (const std::string& strCase : parameters)
        LoadAndLookUp(strFileNames, strCase, strTexts);
    for (const std::string& strCase : texts)
        LoadAndLookUp(strFileNames, strParameters, strCase);
}
