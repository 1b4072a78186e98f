#include "JC_DataManager/Manager/JC_UnfixedDataManager.h"

#include "JC_DataManager/Control/JC_ControlManager.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

class UnfixedDataManager : public ControlFixture
{
protected:
    UnfixedDataManager() { Initiate(); }
};

} // namespace

TEST_F(UnfixedDataManager, SaveStatesThatCannotBeReadRightAreRefusedOrReported)
{
    const std::string strScene = "Template\\TemplateDataIrregular\\00\\UnfixedData_Scene.DATA";
    const std::string strGame = "Template\\TemplateDataIrregular\\00\\UnfixedData_Game.DATA";
    const struct
    {
        const char* szWhat;
        std::string strFile;
        std::string strText;
        DWORD dwResult;
        const char* szLogged;
    } cases[] = {
        {"a floor missing under the map", strScene,
         ArrayDataFile({{0x190001, "MapWidth\"2\"\r\nMapHeight\"2\"\r\n"}, {0x60001, ""}, {0x60001, ""}, {0x60001, ""}}),
         JE_UNFIXEDDATA_SCENE_FLOORS, "MapWidth:2 MapHeight:2 Floors:3"},
        {"a position without its floor", strScene,
         DataFileText({0x190001, 0x60001},
                      BlockText(0x190001, 0, "MapWidth\"1\"\r\nMapHeight\"1\"\r\n") + BlockText(0x60001, 2), ""),
         JE_UNFIXEDDATA_SCENE_FLOORS, "Floors:1(Positions:2)"},
        {"a second game record", strGame, ArrayDataFile({{0x70001, "Money\"5\"\r\n"}, {0x70001, "Money\"7\"\r\n"}}), 0,
         "OnlyTheFirstRecordIsRead"},
    };
    for (const auto& saveCase : cases) {
        SCOPED_TRACE(saveCase.szWhat);
        const std::string strKept = ReadTestFile(Path(saveCase.strFile));
        Write(saveCase.strFile, saveCase.strText);
        EXPECT_EQ(m_DataManager.InitUnfixedData(0), saveCase.dwResult);
        if (saveCase.szLogged != nullptr) {
            EXPECT_TRUE(Logged(saveCase.szLogged)) << LogText();
            EXPECT_TRUE(Logged("DataFileName:" + Path(saveCase.strFile))) << LogText();
        }
        if (saveCase.dwResult != 0) {
            EXPECT_EQ(m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCENE), nullptr);
        }
        Write(saveCase.strFile, strKept);
    }
    EXPECT_EQ(m_DataManager.InitUnfixedData(0), 0u) << LogText();
}

namespace {

// A copy of the sample game's data, whose save state a test damages one
// file at a time from a fixed seed.
class DamagedSaveStates : public testing::Test
{
protected:
    DamagedSaveStates()
    {
        const char* szSampleGame = std::getenv("OSKEL_SAMPLE_GAME");
        std::error_code error;
        if (szSampleGame != nullptr)
            std::filesystem::copy(std::string(szSampleGame) + "Template", GamePath("Template"),
                                  std::filesystem::copy_options::recursive, error);
        EXPECT_TRUE(szSampleGame != nullptr && !error) << "the sample game's data cannot be copied";
    }
    ~DamagedSaveStates() override { gp_DebugInfoObj->OpenLogFile(nullptr, 1, 0); }

    std::string GamePath(const std::string& strRelativePath) const { return m_Folder.File(strRelativePath); }

    // One damage: a line dropped, doubled or swapped with the next, a byte
    // replaced by one the format gives meaning to, or the text cut short.
    static std::string Damage(std::string strText, std::mt19937& random)
    {
        if (strText.empty())
            return strText;
        std::vector<size_t> starts{0};
        for (size_t at = strText.find('\n'); at != std::string::npos && at + 1 < strText.size();
             at = strText.find('\n', at + 1))
            starts.push_back(at + 1);
        const size_t line = random() % starts.size();
        const size_t begin = starts[line];
        const size_t end = line + 1 < starts.size() ? starts[line + 1] : strText.size();
        const std::string strLine = strText.substr(begin, end - begin);
        const char bytes[] = {'"', '@', '[', ']', ',', '-', '9', 'x', '\n', '\0'};
        switch (random() % 5) {
        case 0:
            return strText.erase(begin, end - begin);
        case 1:
            return strText.insert(begin, strLine);
        case 2: {
            if (end >= strText.size())
                return strText;
            const size_t after = line + 2 < starts.size() ? starts[line + 2] : strText.size();
            const std::string strNext = strText.substr(end, after - end);
            return strText.replace(begin, after - begin, strNext + strLine);
        }
        case 3:
            strText[random() % strText.size()] = bytes[random() % std::size(bytes)];
            return strText;
        default:
            return strText.substr(0, random() % strText.size());
        }
    }

private:
    ScopedTempFolder m_Folder;
};

} // namespace

TEST_F(DamagedSaveStates, LoadOrFailNamingTheFile)
{
    const std::string strLog = GamePath("damage.log");
    ASSERT_EQ(gp_DebugInfoObj->OpenLogFile(strLog.c_str(), 1, FILE_SHARE_READ), 0);
    JC_DataManager dataManager;
    ASSERT_EQ(dataManager.Initiation(GamePath(""), gp_DebugInfoObj), 0u);
    ASSERT_EQ(dataManager.InitFixedData(1), 0u);
    ASSERT_EQ(dataManager.InitModuleData(), 0u);
    JC_BehaviorAnalyser analyser;
    ASSERT_EQ(analyser.Initiation(&dataManager), 0u);
    const std::string strSet = GamePath("Template\\TemplateDataIrregular\\00\\");
    std::mt19937 random(43);
    int iRefused = 0;
    for (int i = 0; i < 2000; ++i) {
        const char* szName = g_aszUnfixedDataFileNames[random() % UNFIXEDDATAKIND_LIMIT];
        const std::string strPath = strSet + szName;
        const std::string strKept = ReadTestFile(strPath);
        ASSERT_TRUE(WriteTestFile(strPath, Damage(Damage(strKept, random), random)));
        ASSERT_EQ(gp_DebugInfoObj->OpenLogFile(strLog.c_str(), 1, FILE_SHARE_READ), 0);
        const DWORD dwLoad = dataManager.InitUnfixedData(0);
        if (dwLoad != 0) {
            ++iRefused;
            EXPECT_NE(ReadTestFile(strLog).find(szName), std::string::npos) << i << " " << szName;
        } else {
            // What loads must bind or be refused with a report.
            JC_ControlManager controls;
            if (controls.Initiation(&dataManager, &analyser) != 0) {
                EXPECT_FALSE(ReadTestFile(strLog).empty()) << i << " " << szName;
            }
        }
        ASSERT_TRUE(WriteTestFile(strPath, strKept));
    }
    EXPECT_GT(iRefused, 0);
    EXPECT_EQ(dataManager.InitUnfixedData(0), 0u);
}
