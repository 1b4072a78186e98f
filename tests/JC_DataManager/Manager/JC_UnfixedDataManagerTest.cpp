#include "JC_DataManager/Manager/JC_UnfixedDataManager.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

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
