#include "GameProgram/Scene/XC_SceneElementManager.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include "tests/GameProgram/Scene/RenderFixture.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"

#include <string>

namespace {

class SceneElementManagerTest : public RenderFixture
{
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        m_Pack.Add("A.txt", PictureElements("A", 2));
        m_Pack.Add("B.txt", PictureElements("B", 1));
        m_Pack.Add("Bad.txt", PictureElements("C", 2) + "[Odd]\n{\nType = picture\n}\n" + PictureElements("D", 1));
        ASSERT_EQ(m_Elements.Init(&m_Pack), S_OK);
        m_Elements.SetEnvironmentOfRender(&m_Environment);
    }

    std::string ObjectNames() { return ElementObjectNames(m_Elements); }
    std::string FileNames() { return ElementFileNames(m_Elements); }

    XC_SceneElementManager m_Elements;
};

} // namespace

TEST_F(SceneElementManagerTest, AddDeleteAndDuplicateNames)
{
    struct Step
    {
        const char* szName;
        bool bAdd;
        const char* szFile;
        HRESULT hr;
        const char* szFiles;
        const char* szObjects;
    };
    const Step steps[] = {
        {"add", true, "A.txt", S_OK, "A.txt ", "A0 A1 "},
        {"add a second file", true, "B.txt", S_OK, "A.txt B.txt ", "A0 A1 B0 "},
        {"add the first again", true, "A.txt", S_OK, "A.txt B.txt A.txt ", "A0 A1 B0 A0 A1 "},
        {"a missing file adds nothing", true, "Missing.txt", E_FAIL, "A.txt B.txt A.txt ", "A0 A1 B0 A0 A1 "},
        {"a failing file keeps what it built", true, "Bad.txt", E_FAIL, "A.txt B.txt A.txt ", "A0 A1 B0 A0 A1 C0 C1 "},
        {"delete removes the first record and rebuilds", false, "A.txt", S_OK, "B.txt A.txt ", "B0 A0 A1 "},
        {"delete of a name never added rebuilds all", false, "Never.txt", S_OK, "B.txt A.txt ", "B0 A0 A1 "},
        {"names are case-sensitive", false, "b.txt", S_OK, "B.txt A.txt ", "B0 A0 A1 "},
        {"delete the last of a name", false, "A.txt", S_OK, "B.txt ", "B0 "},
    };
    for (const Step& step : steps) {
        const HRESULT hr = step.bAdd ? m_Elements.AddSceneElement(step.szFile) : m_Elements.DelSceneElement(step.szFile);
        EXPECT_EQ(hr, step.hr) << step.szName;
        EXPECT_EQ(FileNames(), step.szFiles) << step.szName;
        EXPECT_EQ(ObjectNames(), step.szObjects) << step.szName;
    }

    ErrorLogCapture log;
    EXPECT_STREQ(m_Elements.GetSceneElementFileName(1), "");
    EXPECT_TRUE(log.Contains("( Idx < m_SceneElementFileName.size() ) failed")) << log.Text();
    m_Elements.ClearAll();
    EXPECT_EQ(FileNames() + ObjectNames(), "");
}

TEST_F(SceneElementManagerTest, ReportsOfAnElementFileNameIt)
{
    ErrorLogCapture log;
    EXPECT_EQ(m_Elements.AddSceneElement("Bad.txt"), E_FAIL);
    EXPECT_TRUE(log.Contains(", in Bad.txt\r\n")) << log.Text();
}

TEST_F(SceneElementManagerTest, NodeStopsAtTheFirstFailureAndSavesByPosition)
{
    const auto pTree = ParseTree("[SceneElement+]\n{\nX = B.txt\nY = Missing.txt\nZ = A.txt\n}\n");
    ErrorLogCapture log;
    EXPECT_EQ(m_Elements.LoadFromNode(pTree->FindChildNode("[SceneElement+]")), E_FAIL);
    EXPECT_EQ(FileNames(), "B.txt ");
    EXPECT_TRUE(log.Contains("XC_SceneElementManager::AddSceneElement\n\t讀取檔案失敗 Missing.txt")) << log.Text();

    m_Elements.AddSceneElement("A.txt");
    XC_TextTree saved;
    ASSERT_EQ(m_Elements.SaveToNode(saved.AddNode("[SceneElement+]")), S_OK);
    const XC_TextNode* const pSaved = saved.FindChildNode("[SceneElement+]");
    ASSERT_EQ(pSaved->GetLeafCount(), 2);
    EXPECT_STREQ(pSaved->GetLeaf(0)->GetName(), "SE00");
    EXPECT_STREQ(pSaved->GetLeaf(0)->GetValue(), "B.txt");
    EXPECT_STREQ(pSaved->GetLeaf(1)->GetName(), "SE01");
    EXPECT_STREQ(pSaved->GetLeaf(1)->GetValue(), "A.txt");
}

TEST_F(SceneElementManagerTest, LeavesNamingOneFileReadItOnce)
{
    std::string strText = "[SceneElement+]\n{\n";
    for (int i = 0; i < 500; ++i)
        strText += std::string("SE = ") + (i % 2 == 0 ? "A.txt" : "B.txt") + "\n";
    const auto pTree = ParseTree(strText + "}\n");
    EXPECT_EQ(m_Elements.LoadFromNode(pTree->FindChildNode("[SceneElement+]")), S_OK);
    EXPECT_EQ(m_Elements.GetSceneElementFileNameCount(), 500u);
    EXPECT_EQ(m_Elements.GetRenderingObjectCount(), 750u);
    EXPECT_EQ(m_Pack.RequestCount("A.txt"), 1);
    EXPECT_EQ(m_Pack.RequestCount("B.txt"), 1);
}
