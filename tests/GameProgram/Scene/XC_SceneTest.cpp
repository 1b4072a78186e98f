#include "GameProgram/Scene/XC_Scene.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/Scene/XC_Earth.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_SceneElementManager.h"

#include "tests/GameProgram/Scene/SceneFixture.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <string>

namespace {

const char* const OLD_ELEMENTS = "此場景檔的場景元素為舊資料,請重新編輯儲存";
const char* const OLD_FLOOR = "此場景檔的地板為舊資料,請重新編輯儲存";

// A one-cell floor of the current form at the given height.
std::string FloorNode(const char* szHeight)
{
    return std::string("[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[Floor000]\n{\ndwPropertyID = 3\nvec = ") + szHeight
         + " " + szHeight + " " + szHeight + " " + szHeight + " " + szHeight + "\n}\n}\n";
}

const char* const OLD_FLOOR_NODE = "[Floorer]\n{\nlWidth = 2\nlLength = 1\n[A]\n{\nfHeight = 7\nvec = 0 1 0 1 1 0 1 1 -1 0 1 -1\n}\n"
                                   "[B]\n{\nfHeight = 8\n}\n}\n";

class SceneTest : public SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        m_Pack.Add("A.txt", PictureElements("A", 2));
        m_Pack.Add("B.txt", PictureElements("B", 1));
    }

    XC_SceneElementManager* Elements() { return m_Scene.GetSEManager(); }

    std::string ObjectNames() { return ElementObjectNames(*Elements()); }
    std::string FileNames() { return ElementFileNames(*Elements()); }
};

} // namespace

TEST_F(SceneTest, SceneFormsOldAndNew)
{
    struct Case
    {
        const char* szName;
        std::string strFile;
        DWORD dwFloorCount;
        float fHeight0;
        const char* szElementFiles;
        bool bOldElements, bOldFloor;
    };
    const Case cases[] = {
        {"current form", "[SceneElement+]\n{\nSE07 = A.txt\nX = B.txt\n}\n" + FloorNode("2"), 1, 2.0f, "A.txt B.txt ",
         false, false},
        {"old elements are reported and ignored", "[SceneElement]\n{\nSE00 = A.txt\n}\n" + FloorNode("2"), 1, 2.0f, "",
         true, false},
        {"the current floor wins over the old one", FloorNode("4") + OLD_FLOOR_NODE, 1, 4.0f, "", false, false},
        {"an old floor alone", OLD_FLOOR_NODE, 2, 7.0f, "", false, true},
        {"nothing to read", "[Other]\n{\n}\n", 0, 0.0f, "", false, false},
    };
    for (const Case& c : cases) {
        m_Scene.ClearScene();
        m_Pack.Add("Case.scn", c.strFile);
        ErrorLogCapture log;
        EXPECT_EQ(m_Scene.LoadScene("Case.scn"), S_OK) << c.szName;
        EXPECT_EQ(m_Scene.GetFloorer()->GetFloorsCount(), c.dwFloorCount) << c.szName;
        if (c.dwFloorCount > 0) {
            EXPECT_FLOAT_EQ(m_Scene.GetFloorer()->GetFloorHeight(0), c.fHeight0) << c.szName;
        }
        EXPECT_EQ(FileNames(), c.szElementFiles) << c.szName;
        EXPECT_EQ(log.Contains(OLD_ELEMENTS), c.bOldElements) << c.szName << "\n" << log.Text();
        EXPECT_EQ(log.Contains(OLD_FLOOR), c.bOldFloor) << c.szName << "\n" << log.Text();
    }
}

TEST_F(SceneTest, AnUnknownFileFailsAndLeavesTheSceneAsItWas)
{
    m_Pack.Add("Good.scn", "[SceneElement+]\n{\nSE00 = A.txt\n}\n" + FloorNode("1.5"));
    ASSERT_EQ(m_Scene.LoadScene("Good.scn"), S_OK);
    ErrorLogCapture log;
    EXPECT_EQ(m_Scene.LoadScene("Missing.scn"), E_FAIL);
    EXPECT_TRUE(log.Contains("XC_Scene::LoadScene\n\t讀取檔案失敗 Missing.scn")) << log.Text();
    EXPECT_EQ(m_Scene.GetFloorer()->GetFloorsCount(), 1u);
    EXPECT_FLOAT_EQ(m_Scene.GetFloorer()->GetFloorHeight(0), 1.5f);
    EXPECT_EQ(ObjectNames(), "A0 A1 ");
}

TEST_F(SceneTest, LoadingAddsElementsToThosePresentAndShowsTheScene)
{
    m_Pack.Add("One.scn", "[SceneElement+]\n{\nSE00 = A.txt\n}\n" + FloorNode("0"));
    m_Pack.Add("Two.scn", "[SceneElement+]\n{\nSE00 = B.txt\n}\n");
    ASSERT_EQ(m_Scene.LoadScene("One.scn"), S_OK);
    ASSERT_EQ(m_Scene.LoadScene("Two.scn"), S_OK);
    EXPECT_EQ(FileNames(), "A.txt B.txt ");
    EXPECT_EQ(m_Scene.GetFloorer()->GetFloorsCount(), 1u); // no floor node: the floor stays
    EXPECT_EQ(m_Scene.GetFloorer()->GetShow(), 1);
    m_Scene.SetShow(0);
    EXPECT_EQ(m_Scene.GetFloorer()->GetShow(), 0);
    EXPECT_EQ(Elements()->GetShow(), 0);
    EXPECT_EQ(m_Scene.GetEarth()->GetShow(), 0);

    m_Scene.ClearScene();
    EXPECT_EQ(m_Scene.GetFloorer()->GetFloorsCount(), 0u);
    EXPECT_EQ(Elements()->GetRenderingObjectCount(), 0u);
    EXPECT_EQ(Elements()->GetSceneElementFileNameCount(), 0u);
}

TEST_F(SceneTest, SavedSceneReadsBackToTheSameText)
{
    ScopedTempFolder folder;
    m_Pack.Add("Case.scn", "[SceneElement+]\n{\nFirst = B.txt\nSecond = A.txt\n}\n[LightMan]\n{\nAmbientLight_Red = 40\n}\n"
                               + FloorNode("0.25"));
    ASSERT_EQ(m_Scene.LoadScene("Case.scn"), S_OK);
    const std::string strFirst = folder.File("first.scn");
    ASSERT_EQ(m_Scene.SaveScene(strFirst.c_str()), S_OK);
    const std::string strSaved = ReadTestFile(strFirst);
    EXPECT_NE(strSaved.find("SE00 = B.txt"), std::string::npos) << strSaved;
    EXPECT_NE(strSaved.find("SE01 = A.txt"), std::string::npos) << strSaved;
    EXPECT_NE(strSaved.find("AmbientLight_Red   = 40"), std::string::npos) << strSaved;

    m_Scene.ClearScene();
    m_Pack.Add("Saved.scn", strSaved);
    ASSERT_EQ(m_Scene.LoadScene("Saved.scn"), S_OK);
    const std::string strSecond = folder.File("second.scn");
    ASSERT_EQ(m_Scene.SaveScene(strSecond.c_str()), S_OK);
    EXPECT_EQ(ReadTestFile(strSecond), strSaved);

    // A folder that does not exist: the save fails and says so.
    ErrorLogCapture log;
    EXPECT_EQ(m_Scene.SaveScene(folder.File("no\\such\\folder.scn").c_str()), E_FAIL);
    EXPECT_TRUE(log.Contains("TTree.Save( szSceneFileName )")) << log.Text();
}

TEST_F(SceneTest, AnEmptyFloorSavesAnEmptyNodeThatLoadsAsNoFloor)
{
    ScopedTempFolder folder;
    const std::string strPath = folder.File("empty.scn");
    ASSERT_EQ(m_Scene.SaveScene(strPath.c_str()), S_OK);
    const auto pTree = ParseTree(ReadTestFile(strPath));
    const XC_TextNode* const pFloor = pTree->FindChildNode("[Floorer+]");
    ASSERT_NE(pFloor, nullptr);
    EXPECT_EQ(pFloor->GetLeafCount() + pFloor->GetChildNodeCount(), 0);
    EXPECT_EQ(m_Scene.GetFloorer()->LoadFloorFromNode(pFloor), E_FAIL);
    EXPECT_EQ(m_Scene._LoadSceneFromTextTree(pTree.get()), S_OK);
    EXPECT_EQ(m_Scene.GetFloorer()->GetFloorsCount(), 0u);
}

TEST_F(SceneTest, AnUninitialisedSceneRefusesTrees)
{
    XC_Scene scene;
    XC_TextTree tree;
    ErrorLogCapture log;
    EXPECT_EQ(scene._LoadSceneFromTextTree(&tree), E_FAIL);
    EXPECT_EQ(scene._SaveSceneToTextTree(&tree), E_FAIL);
    EXPECT_EQ(scene.LoadScene("A.scn"), E_FAIL);
    EXPECT_EQ(scene.Init(nullptr, &m_Pack), E_FAIL);
    EXPECT_EQ(scene.Init(&m_Environment, nullptr), E_FAIL);
    EXPECT_EQ(scene.IsInited(), 0);
    EXPECT_TRUE(log.Contains("( pEnvironmentOfRender ) failed")) << log.Text();
    EXPECT_TRUE(log.Contains("( pPackFile ) failed")) << log.Text();
}

TEST_F(SceneTest, FaultsOfASceneFileAreReportedWithItsName)
{
    struct Case
    {
        const char* szName;
        std::string strFile;
        const char* szReport;
    };
    const Case cases[] = {
        {"a misspelt floor", "[Floorr+]\n{\ndwWidth = 1\n}\n", "Bad.scn : unknown node [Floorr+] , ignored"},
        {"a misspelt earth", "[Eatrh]\n{\n}\n", "Bad.scn : unknown node [Eatrh] , ignored"},
        {"a size out of range", "[Floorer+]\n{\ndwWidth = 0\ndwLength = 1\n[C]\n{\n}\n}\n", "地板建立錯誤, in Bad.scn"},
        {"a floor past the cells a battle draws", "[Floorer+]\n{\ndwWidth = 2048\ndwLength = 2048\n[C]\n{\n}\n}\n",
         "2048 x 2048 cells , at most 65536, in Bad.scn"},
        {"cells missing", "[Floorer+]\n{\ndwWidth = 3\ndwLength = 1\n[C]\n{\nvec = 1 1 1 1 1\n}\n}\n",
         "( pChildNode ) failed \r\ncells 1 to 2 missing, in Bad.scn"},
        {"a cell without heights", "[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[C]\n{\ndwPropertyID = 1\n}\n}\n",
         "( lpctstrGetStr ) failed \r\ncell 0, in Bad.scn"},
        {"heights that are not numbers", FloorNode("x"), "vec : five heights expected , the missing ones are 0 \r\ncell 0, in Bad.scn"},
        {"fewer than five heights", "[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[C]\n{\nvec = 1 2 3\n}\n}\n",
         "five heights expected"},
        {"a property that is a word",
         "[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[C]\n{\ndwPropertyID = abc\nvec = 1 1 1 1 1\n}\n}\n",
         "dwPropertyID \"abc\" is not a whole number of at least 0 \r\ncell 0, in Bad.scn"},
        {"a negative passability",
         "[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[C]\n{\ndwThrough_EAST = -1\nvec = 1 1 1 1 1\n}\n}\n",
         "dwThrough_EAST \"-1\" is not a whole number"},
        {"more cells than the floor", "[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[C]\n{\nvec = 1 1 1 1 1\n}\n[D]\n{\n}\n}\n",
         "2 cell nodes for 1 cells , the rest are ignored, in Bad.scn"},
        {"a passability past 2",
         "[Floorer+]\n{\ndwWidth = 1\ndwLength = 1\n[C]\n{\ndwThrough_WEST = 3\nvec = 1 1 1 1 1\n}\n}\n",
         "dwThrough_WEST 3 is outside 0 to 2 \r\ncell 0, in Bad.scn"},
        {"a bulb past the sixth", "[LightMan]\n{\n[0]\n{\n}\n[1]\n{\n}\n[2]\n{\n}\n[3]\n{\n}\n[4]\n{\n}\n[5]\n{\n}\n[6]\n{\n}\n}\n",
         "[LightMan] holds 7 bulbs , those past 6 are ignored, in Bad.scn"},
    };
    for (const Case& c : cases) {
        m_Scene.ClearScene();
        m_Pack.Add("Bad.scn", c.strFile);
        ErrorLogCapture log;
        EXPECT_EQ(m_Scene.LoadScene("Bad.scn"), S_OK) << c.szName;
        EXPECT_TRUE(log.Contains(c.szReport)) << c.szName << "\n" << log.Text();
    }
}
