#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

#include "GameProgram/RenderingObject/XC_RenderObjAnalyzer.h"
#include "GameProgram/RenderingObject/XC_RenderBackground.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include "GameProgram/Common/XC_TextTree.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A drawable whose load always fails.
class FailingDrawable : public TestDrawable
{
public:
    HRESULT LoadFromTextNode(XC_TextNode*) override { return E_FAIL; }
};

// The test types registered with the global factory.
struct TestTypes
{
    TestTypes()
    {
        g_pRenderObjAnalyzer->RegisterRenderObjType("test", &XC_RenderObjAnalyzer::CreateRenderObj<TestDrawable>);
        g_pRenderObjAnalyzer->RegisterRenderObjType("failing",
                                                    &XC_RenderObjAnalyzer::CreateRenderObj<FailingDrawable>);
    }
};

XC_TextNode* AddObject(XC_TextNode* pList, const char* szName, const char* szType, const char* szLinkTarget = nullptr)
{
    XC_TextNode* const pChild = AddChild(pList, "[Obj]", {{"Name", szName}, {"Type", szType}});
    if (szLinkTarget != nullptr)
        pChild->AddLeaf("LinkTarget", szLinkTarget);
    return pChild;
}

class ManagerTest : public ::testing::Test
{
protected:
    ManagerTest() { manager.SetEnvironmentOfRender(&environment); }

    TestTypes types;
    FakeEnvironment environment;
    XC_RenderObjManager manager;
};

} // namespace

TEST(XC_RenderObjAnalyzer, TypeTable)
{
    TestTypes types;
    const struct
    {
        const char* szType;
        bool bBuilt;
        const char* szReport;
    } CASES[] = {
        {"Background", true, nullptr},
        {"TEST", true, nullptr},
        {"picture", false, "無法分析繪圖物件\" picture \""},
        {nullptr, false, "無法分析繪圖物件 找不到繪圖物件類型名稱"},
        {"failing", false, "XC_RenderObjAnalyzer"},
    };
    for (const auto& test : CASES) {
        ErrorLogCapture log;
        auto pNode = MakeNode("[Obj]", {});
        if (test.szType != nullptr)
            pNode->AddLeaf("Type", test.szType);
        const int iLiving = TestDrawable::s_iLiving;
        XC_RenderingObject* const pObject = g_pRenderObjAnalyzer->AnalyzeRenderObj(pNode.get());
        EXPECT_EQ(pObject != nullptr, test.bBuilt) << (test.szType ? test.szType : "no type");
        if (test.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(test.szReport)) << log.Text();
        }
        delete pObject;
        EXPECT_EQ(TestDrawable::s_iLiving, iLiving);
    }
    auto pNode = MakeNode("[Obj]", {{"Type", "Background"}, {"fRotateSpeed", "2"}});
    XC_RenderingObject* const pObject = g_pRenderObjAnalyzer->AnalyzeRenderObj(pNode.get());
    ASSERT_NE(dynamic_cast<XC_RenderBackground*>(pObject), nullptr);
    EXPECT_FLOAT_EQ(static_cast<XC_RenderBackground*>(pObject)->GetRotateSpeed(), 2.0f);
    delete pObject;
}

TEST_F(ManagerTest, LinkTargetsAreObjectsListedBefore)
{
    ErrorLogCapture log;
    auto pList = MakeNode("[List]", {});
    AddObject(pList.get(), "Body", "test");
    AddObject(pList.get(), "Hat", "test", "Body");
    AddObject(pList.get(), "Cape", "test", "Later");
    AddObject(pList.get(), "Later", "test", "<none>");
    ASSERT_EQ(manager.LoadFromTextNode(pList.get()), S_OK);
    ASSERT_EQ(manager.GetRenderingObjectCount(), 4u);
    XC_RenderingObject* const pBody = manager.FindRenderingObject("Body");
    EXPECT_EQ(manager.FindRenderingObject("Hat")->GetParent(), pBody);
    EXPECT_EQ(manager.FindRenderingObject("Cape")->GetParent(), &manager);
    EXPECT_EQ(manager.FindRenderingObject("Later")->GetParent(), &manager);
    EXPECT_TRUE(log.Contains("繪圖物件 Cape , 找不到連結目標 Later")) << log.Text();
    // Every object got the environment and the show flag: all are filed.
    EXPECT_EQ(environment.painter.filed.size(), 4u);
}

TEST_F(ManagerTest, TwoObjectsOfOneNameInOneListAreReported)
{
    ErrorLogCapture log;
    auto pList = MakeNode("[List]", {});
    AddObject(pList.get(), "Body", "test");
    AddObject(pList.get(), "Body", "test");
    ASSERT_EQ(manager.LoadFromTextNode(pList.get()), S_OK);
    EXPECT_EQ(manager.GetRenderingObjectCount(), 2u);
    EXPECT_TRUE(log.Contains("繪圖物件 Body : two objects of one name in one description")) << log.Text();
}

TEST_F(ManagerTest, AFailedObjectStopsTheList)
{
    ErrorLogCapture log;
    auto pList = MakeNode("[List]", {});
    AddObject(pList.get(), "A", "test");
    AddObject(pList.get(), "B", "test");
    AddObject(pList.get(), "C", "unknown");
    AddObject(pList.get(), "D", "test");
    EXPECT_EQ(manager.LoadFromTextNode(pList.get()), E_FAIL);
    EXPECT_EQ(manager.GetRenderingObjectCount(), 2u);
    EXPECT_EQ(manager.FindRenderingObject("D"), nullptr);
}

TEST_F(ManagerTest, DeletingAndRemoving)
{
    ErrorLogCapture log;
    const int iLiving = TestDrawable::s_iLiving;
    TestDrawable* const pFirst = new TestDrawable;
    TestDrawable* const pSecond = new TestDrawable;
    TestDrawable* const pThird = new TestDrawable;
    pFirst->SetName("Twin");
    pSecond->SetName("Twin");
    pThird->SetName("Other");
    for (XC_RenderingObject* pObject : {pFirst, pSecond, pThird})
        manager.AddRenderingObject(pObject);
    EXPECT_EQ(manager.DelRenderingObject("Twin"), S_OK);
    EXPECT_EQ(manager.GetRenderingObject(0), pSecond);
    EXPECT_EQ(TestDrawable::s_iLiving, iLiving + 2);
    EXPECT_EQ(manager.RemovelRenderingObject(2u), E_FAIL);
    EXPECT_EQ(manager.GetRenderingObjectCount(), 2u);
    EXPECT_EQ(manager.GetRenderingObject(2u), nullptr);
    EXPECT_TRUE(log.Contains("GetRenderingObject( 2 ) , 傳入索引值大於內部數量 2")) << log.Text();
    EXPECT_EQ(manager.RemovelRenderingObject(pThird), S_OK);
    EXPECT_EQ(manager.GetRenderingObjectCount(), 1u);
    EXPECT_EQ(TestDrawable::s_iLiving, iLiving + 2);
    EXPECT_EQ(pThird->GetParent(), &manager);
    EXPECT_EQ(manager.DelRenderingObject(pThird), E_FAIL);
    EXPECT_EQ(manager.DelRenderingObject("Nobody"), E_FAIL);
    delete pThird;
    manager.ClearAll();
    EXPECT_EQ(TestDrawable::s_iLiving, iLiving);
    EXPECT_TRUE(environment.painter.filed.empty());
}

TEST_F(ManagerTest, PickingFindsTheNearestFiledObject)
{
    float fDistance = 0.0f;
    const D3DXVECTOR3 vOrigin(0.0f, 0.0f, 0.0f), vDirection(0.0f, 0.0f, 1.0f);
    EXPECT_FALSE(manager.PickNearest(&vOrigin, &vDirection, &fDistance));
    EXPECT_EQ(fDistance, 1000.0f);
    for (const float fHit : {7.0f, 3.0f, -1.0f, 5.0f}) {
        TestDrawable* const pObject = new TestDrawable;
        pObject->fHitDistance = fHit;
        manager.AddRenderingObject(pObject);
    }
    EXPECT_TRUE(manager.PickNearest(&vOrigin, &vDirection, &fDistance));
    EXPECT_EQ(fDistance, 3.0f);
    manager.SetShow(FALSE);
    EXPECT_FALSE(manager.PickNearest(&vOrigin, &vDirection, &fDistance));
    EXPECT_EQ(fDistance, 1000.0f);
}

TEST_F(ManagerTest, CopyingKeepsTheLinksByName)
{
    auto pList = MakeNode("[List]", {});
    AddObject(pList.get(), "Body", "test");
    AddObject(pList.get(), "Hat", "test", "Body");
    ASSERT_EQ(manager.LoadFromTextNode(pList.get()), S_OK);
    manager.SetPositionXYZ(1.0f, 2.0f, 3.0f);
    std::unique_ptr<XC_RenderObjManager> pCopy(manager.Duplicate());
    ASSERT_NE(pCopy, nullptr);
    ASSERT_EQ(pCopy->GetRenderingObjectCount(), 2u);
    XC_RenderingObject* const pBody = pCopy->FindRenderingObject("Body");
    EXPECT_NE(pBody, manager.FindRenderingObject("Body"));
    EXPECT_EQ(pBody->GetParent(), pCopy.get());
    EXPECT_EQ(pCopy->FindRenderingObject("Hat")->GetParent(), pBody);
    EXPECT_EQ(*pCopy->GetPosition(), D3DXVECTOR3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(environment.painter.filed.size(), 4u);
    pCopy->SetRenderQueueGroup(70);
    EXPECT_EQ(pBody->GetRenderQueueGroup(), 70u);
    EXPECT_EQ(manager.FindRenderingObject("Body")->GetRenderQueueGroup(), 30u);
}

// Thousands of damaged description lists of every type, with no resource
// manager behind them: each object is built, or reported and refused; the
// manager keeps what it built and never crashes.
TEST_F(ManagerTest, DamagedDescriptionLists)
{
    ErrorLogCapture log;
    const std::string valid = "[A]\n{\nType = pic\nName = A\nTextureName = Panel.bmp\n[Matrix]\n{\nfPosX = 1\n}\n"
                              "[RenderState]\n{\n[SetTextureStageState]\n{\na = 0 , 1 , 4\n}\n}\n}\n"
                              "[B]\n{\nType = ani\nName = B\nLinkTarget = A\nAniName = Star.ant\ndwEndPage = 3\n}\n"
                              "[C]\n{\nType = string\nData = AB\\nC\ndwAligeText = 1\n}\n"
                              "[D]\n{\nType = xfile\nXFileName = Box.x\nbLoop = FALSE\n}\n"
                              "[E]\n{\nType = background\nTextureName = bk\\bk001.bmp\nfRotateSpeed = 2\n}\n"
                              "[F]\n{\nType = test\nRenderQueue = Mouse\niRenderQueueDelta = 9\n}\n";
    // Values a device or a clock cannot take, and words where numbers belong.
    const char* const hostile[] = {"a = 0 , 1 , 4294967295\n", "b = 0 , 11 , 0x50000\n", "fScaleX = 0\n",
                                   "fScaleY = nan\n", "fPlaySpeed = nan\n", "rgbaColor = red\n",
                                   "BillboardingLockAxis = Q\nbUseBillboarding = TRUE\n", "dwEndPage = 99\n"};
    std::mt19937 random(5);
    for (int iCase = 0; iCase < 3000; ++iCase) {
        std::string text = valid;
        if (iCase % 3 == 0) {
            text.resize(random() % text.size());
        } else if (iCase % 3 == 1) {
            for (int i = 0; i < 3; ++i) {
                const size_t at = text.find('\n', random() % text.size());
                text.insert(at == std::string::npos ? text.size() : at + 1,
                            hostile[random() % (sizeof(hostile) / sizeof(hostile[0]))]);
            }
        } else {
            for (int i = 0; i < 6; ++i)
                text[random() % text.size()] = "{}[]=\n\\#<0x-9"[random() % 14];
        }
        XC_TextTree tree;
        tree.LoadMem(text.data(), static_cast<DWORD>(text.size()));
        manager.ClearAll();
        manager.LoadFromTextNode(&tree);
        ASSERT_LE(manager.GetRenderingObjectCount(), 6u);
        for (DWORD i = 0; i < manager.GetRenderingObjectCount(); ++i)
            ASSERT_LT(manager.GetRenderingObject(i)->GetRenderQueueGroup(), DWORD(RQG_None));
    }
}
