#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

TEST(XC_RenderingObject, DefaultNamesCountEveryConstructedObject)
{
    XC_RenderingObject first;
    TestDrawable second;
    unsigned uFirst = 0, uSecond = 0;
    ASSERT_EQ(std::sscanf(first.GetName(), "RO%05u", &uFirst), 1);
    ASSERT_EQ(std::sscanf(second.GetName(), "RO%05u", &uSecond), 1);
    EXPECT_EQ(uSecond, uFirst + 1);
    EXPECT_EQ(std::strlen(first.GetName()), 7u);
}

TEST(XC_RenderingObject, RenderQueueGroupOfTheDescription)
{
    const struct
    {
        const char* szLayer;
        const char* szDelta;
        DWORD dwGroup;
        const char* szReport;
    } CASES[] = {
        {nullptr, "5", 35, nullptr},
        {"Mouse", "9", 99, nullptr},
        {"Background", "-10", 0, nullptr},
        {"main", "2", 32, "無法辨識圖層 main"},
        {"Main", "12", 42, "iRenderQueue <= 9 && iRenderQueue >= -10"},
        // Out of the painter's range: kept at the nearest end.
        {"Mouse", "15", 99, "iRenderQueue >= (int)RQG_00 && iRenderQueue < (int)RQG_None"},
        {"Background", "-25", 0, "iRenderQueue >= (int)RQG_00 && iRenderQueue < (int)RQG_None"},
    };
    for (const auto& test : CASES) {
        ErrorLogCapture log;
        auto pNode = MakeNode("[Obj]", {{"iRenderQueueDelta", test.szDelta}});
        if (test.szLayer != nullptr)
            pNode->AddLeaf("RenderQueue", test.szLayer);
        XC_RenderingObject object;
        EXPECT_EQ(object.LoadFromTextNode(pNode.get()), S_OK);
        EXPECT_EQ(object.GetRenderQueueGroup(), test.dwGroup) << test.szDelta;
        if (test.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(test.szReport)) << log.Text();
        } else {
            EXPECT_EQ(log.Text(), "");
        }
    }
}

TEST(XC_RenderingObject, GroupsOutsideThePaintersRangeAreRefused)
{
    ErrorLogCapture log;
    FakeEnvironment environment;
    TestDrawable object;
    object.SetEnvironmentOfRender(&environment);
    object.SetShow(TRUE);
    EXPECT_EQ(object.SetRenderQueueGroup(100), E_FAIL);
    EXPECT_EQ(object.GetRenderQueueGroup(), 30u);
    EXPECT_TRUE(log.Contains("( dwRenderQueueGroupID < RQG_None ) failed"));
    // A filed object is filed again under its new group and space.
    EXPECT_EQ(object.SetRenderQueueGroup(52), S_OK);
    EXPECT_EQ(environment.painter.filed[&object], std::make_pair(DWORD(52), DWORD(CS_World)));
    object.SetCoordinateSystem(CS_Screen);
    EXPECT_EQ(environment.painter.filed[&object], std::make_pair(DWORD(52), DWORD(CS_Screen)));
    EXPECT_EQ(object.GetCameraMan(), &environment.screenCamera);
    EXPECT_EQ(object.GetLightMan(), &environment.screenLight);
}

TEST(XC_RenderingObject, DescriptionLeaves)
{
    ErrorLogCapture log;
    auto pNode = MakeNode("[Obj]", {{"Name", "Hero"},
                                    {"CoordinateSystem", "Screen"},
                                    {"rgbaColor", "0x80FF0000"},
                                    {"fApproachCameraDistance", "0.5"},
                                    {"fRanderSortDalta", "-2"},
                                    {"Effect", "<none>"},
                                    {"bInheritScale", "TRUE"}});
    AddChild(pNode.get(), "[Matrix]", {{"fPosX", "1"}, {"fRotYaw", "90"}, {"fScaleZ", "3"}});
    AddChild(pNode.get(), "[RenderState]", {{"RenderState", "27 , 1"}});
    XC_RenderingObject object;
    ASSERT_EQ(object.LoadFromTextNode(pNode.get()), S_OK);
    EXPECT_STREQ(object.GetName(), "Hero");
    EXPECT_EQ(object.GetCoordinateSystem(), DWORD(CS_Screen));
    EXPECT_EQ(object.GetColor(), 0x80FF0000u);
    EXPECT_FLOAT_EQ(object.GetApproachCameraDistance(), 0.5f);
    // Squared with its sign kept.
    EXPECT_FLOAT_EQ(object.GetRanderSortDalta(), -4.0f);
    XC_Effect* pEffect = nullptr;
    EXPECT_EQ(object.GetEffect(&pEffect), E_FAIL);
    EXPECT_TRUE(object.GetInheritScale());
    EXPECT_FLOAT_EQ(object.GetPosition()->x, 1.0f);
    EXPECT_NEAR(object.GetRotation()->y, D3DX_PI / 2.0f, 1e-5f);
    EXPECT_FLOAT_EQ(object.GetScale()->z, 3.0f);
    EXPECT_FLOAT_EQ(object.GetScale()->x, 1.0f);
    EXPECT_EQ(log.Text(), "");

    EXPECT_EQ(object.AnalyzeScript("RenderObj SetRanderSortDalta -2"), S_OK);
    EXPECT_FLOAT_EQ(object.GetRanderSortDalta(), -2.0f);
}

TEST(XC_RenderingObject, LockAxisOfTheDescription)
{
    const struct
    {
        const char* szBillboarding;
        const char* szAxis;
        BOOL bBillboarding;
        bool bRecord;
        D3DXVECTOR3 vAxis;
    } CASES[] = {
        {"FALSE", "Y", FALSE, false, {}},
        {"TRUE", "Y", FALSE, true, D3DXVECTOR3(0.0f, 1.0f, 0.0f)},
        {"true", "Z", FALSE, true, D3DXVECTOR3(0.0f, 0.0f, 1.0f)},
        {"TRUE", "W", TRUE, false, {}},
    };
    for (const auto& test : CASES) {
        XC_RenderingObject object;
        const D3DXVECTOR3 vOld(1.0f, 0.0f, 0.0f);
        object.SetBillboardingLockAxis(&vOld, &vOld);
        auto pNode = MakeNode("[Obj]", {{"bUseBillboarding", test.szBillboarding}, {"BillboardingLockAxis", test.szAxis}});
        ErrorLogCapture log;
        object.LoadFromTextNode(pNode.get());
        // An axis the object does not know is reported; the object keeps full billboarding.
        EXPECT_EQ(log.Contains("billboard axis \"W\" is not X , Y or Z"), std::string(test.szAxis) == "W") << log.Text();
        EXPECT_EQ(object.GetBillboardingEnable(), test.bBillboarding) << test.szAxis;
        ASSERT_EQ(object.GetBillboardingLockAxis() != nullptr, test.bRecord) << test.szAxis;
        if (test.bRecord) {
            EXPECT_EQ(object.GetBillboardingLockAxis()->vAxis, test.vAxis);
        }
    }
}

TEST(XC_RenderingObject, CopyingTakesSettingsButNotContent)
{
    FakeEnvironment environment;
    XC_RenderingObject source;
    source.SetName("Source");
    source.SetEnvironmentOfRender(&environment);
    source.SetColor(0x11223344);
    source.SetShow(TRUE);
    source.SetRenderQueueGroup(55);
    source.SetRanderSortDalta(3.0f);
    XC_RenderingObject target;
    const D3DXVECTOR3 vAxis(0.0f, 1.0f, 0.0f);
    target.SetBillboardingLockAxis(&vAxis, &vAxis);
    ASSERT_EQ(target.CopyRenderingObject(&source), S_OK);
    EXPECT_STREQ(target.GetName(), "Source");
    EXPECT_EQ(target.GetColor(), 0x11223344u);
    EXPECT_EQ(target.GetRenderQueueGroup(), 55u);
    EXPECT_FLOAT_EQ(target.GetRanderSortDalta(), 3.0f);
    EXPECT_EQ(target.GetEnvironmentOfRender(), &environment);
    EXPECT_TRUE(target.GetShow());
    EXPECT_FALSE(target.IsRenderable());
    EXPECT_EQ(target.GetBillboardingLockAxis(), nullptr);
    EXPECT_TRUE(environment.painter.filed.empty());
}

TEST(XC_RenderingObject, FiledOnlyWhileShownWithContentAndAnEnvironment)
{
    FakeEnvironment environment;
    XC_RenderingObject object;
    object.SetShow(TRUE);
    object.SetRenderable(TRUE);
    EXPECT_FALSE(object.IsRegistered());
    object.SetEnvironmentOfRender(&environment);
    EXPECT_FALSE(object.IsRegistered());
    object.SetShow(TRUE);
    EXPECT_TRUE(environment.painter.Holds(&object));
    object.SetRenderable(FALSE);
    EXPECT_FALSE(environment.painter.Holds(&object));
    object.SetRenderable(TRUE);
    {
        TestDrawable hooked;
        hooked.SetEnvironmentOfRender(&environment);
        hooked.SetShow(TRUE);
        hooked.SetShow(TRUE);
        EXPECT_EQ(hooked.iAddHooks, 1);
        hooked.SetShow(FALSE);
        EXPECT_EQ(hooked.iRemoveHooks, 1);
        hooked.SetShow(TRUE);
    }
    // Destroying a filed object takes it out of the painter.
    EXPECT_EQ(environment.painter.filed.size(), 1u);
}

TEST(XC_RenderingObject, OneLineScripts)
{
    const struct
    {
        const char* szScript;
        HRESULT hr;
        D3DXVECTOR3 vPosition;
        bool bReported;
    } CASES[] = {
        {"RenderNode SetPosition 1 2 3", S_OK, D3DXVECTOR3(1.0f, 2.0f, 3.0f), false},
        {"RenderNode SetPosition( 1 , 2 )", E_FAIL, D3DXVECTOR3(0.0f, 0.0f, 0.0f), true},
        {"RenderNode MoveY 4", S_OK, D3DXVECTOR3(0.0f, 4.0f, 0.0f), false},
        {"RenderNode MoveY", E_FAIL, D3DXVECTOR3(0.0f, 0.0f, 0.0f), true},
        {"RenderObj Unknown 1", E_FAIL, D3DXVECTOR3(0.0f, 0.0f, 0.0f), true},
        {"Sprite SetShow 1", E_FAIL, D3DXVECTOR3(0.0f, 0.0f, 0.0f), true},
        {"RenderNode", E_FAIL, D3DXVECTOR3(0.0f, 0.0f, 0.0f), true},
        {"", E_FAIL, D3DXVECTOR3(0.0f, 0.0f, 0.0f), true},
    };
    for (const auto& test : CASES) {
        ErrorLogCapture log;
        XC_RenderingObject object;
        EXPECT_EQ(object.AnalyzeScript(test.szScript), test.hr) << test.szScript;
        EXPECT_EQ(*object.GetPosition(), test.vPosition) << test.szScript;
        EXPECT_EQ(log.Contains("AnalyzeScript ERROR"), test.bReported) << test.szScript;
    }
    XC_RenderingObject object;
    EXPECT_EQ(object.AnalyzeScript("RenderNode Yaw 3.14159"), S_OK);
    EXPECT_NEAR(object.GetRotation()->y, 3.14159f, 1e-5f);
    EXPECT_EQ(object.AnalyzeScript("RenderNode SetScale 2 , 3 , 4"), S_OK);
    EXPECT_EQ(*object.GetScale(), D3DXVECTOR3(2.0f, 3.0f, 4.0f));
    EXPECT_EQ(object.AnalyzeScript("RenderObj SetShow TRUE"), S_OK);
    EXPECT_TRUE(object.GetShow());
    EXPECT_EQ(object.AnalyzeScript("DirectState SetRenderState 27 , 1"), S_OK);
    EXPECT_TRUE(object.IsAlphaBlend());
}

TEST(XC_RenderingObject, VisibilityAndSortValue)
{
    FakeEnvironment environment;
    TestDrawable object;
    object.SetEnvironmentOfRender(&environment);
    object.SetPositionXYZ(0.0f, 0.0f, 5.0f);
    object.SetRanderSortDalta(2.0f);
    object.SetApproachCameraDistance(1.0f);
    object.GetWorldPosition();
    float fSortValue = -7.0f;
    object.bInside = FALSE;
    EXPECT_FALSE(object.CheckVisible(&fSortValue));
    EXPECT_EQ(fSortValue, -7.0f);
    object.bInside = TRUE;
    ASSERT_TRUE(object.CheckVisible(&fSortValue));
    const float fDepth = environment.worldCamera.GetFrustum()->GetNearDistance(object.GetWorldPosition());
    EXPECT_NEAR(fSortValue, fDepth - 1.0f + 2.0f, 1e-4f);
    // The approach distance pulls the drawn object towards the eye at (0, 0, -10).
    EXPECT_NEAR(object.GetWorldMatrix()->_43, 4.0f, 1e-4f);
}

TEST(XC_RenderingObject, LockAxisTurnsTheFrontTowardsTheEye)
{
    FakeEnvironment environment;
    XC_RenderingObject object;
    object.SetEnvironmentOfRender(&environment);
    object.SetPositionXYZ(0.0f, 0.0f, 0.0f);
    // The front points along +x; the eye stands at -z: a quarter turn about y.
    const D3DXVECTOR3 vAxis(0.0f, 1.0f, 0.0f), vFront(1.0f, 0.0f, 0.0f);
    object.SetBillboardingLockAxis(&vAxis, &vFront);
    object.GetWorldPosition();
    D3DXVECTOR3 vTurned;
    D3DXVec3TransformNormal(&vTurned, &vFront, object.GetWorldMatrix());
    EXPECT_NEAR(vTurned.x, 0.0f, 1e-4f);
    EXPECT_NEAR(vTurned.z, -1.0f, 1e-4f);
    // A second call replaces both vectors.
    const D3DXVECTOR3 vOtherFront(0.0f, 0.0f, -1.0f);
    object.SetBillboardingLockAxis(&vAxis, &vOtherFront);
    EXPECT_EQ(object.GetBillboardingLockAxis()->vFront, vOtherFront);
}

TEST(XC_RenderingObject, DescriptionMistakesAreReportedWithTheObject)
{
    const struct
    {
        const char* szLeaves;
        const char* szReport;
    } CASES[] = {
        {"Name = Tree\n[Matrix]\n{\nfScaleX = 0\n}\n", "Tree : fScaleX = 0 is not a scale ; 1 is used"},
        {"Name = Tree\n[Matrix]\n{\nfScaleZ = nan\n}\n", "Tree : fScaleZ = "},
        {"Name = Tree\nrgbaColor = red\n", "Tree : rgbaColor \"red\" is not a number"},
    };
    for (const auto& test : CASES) {
        const std::string strText = std::string("[Obj]\n{\n") + test.szLeaves + "}\n";
        XC_TextTree tree;
        tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size()));
        XC_RenderingObject object;
        ErrorLogCapture log;
        object.LoadFromTextNode(tree.FindChildNode(0));
        EXPECT_TRUE(log.Contains(test.szReport)) << test.szLeaves << log.Text();
    }
    XC_TextTree tree;
    const std::string strGood = "[Obj]\n{\nrgbaColor = 0x80FFFFFF\n[Matrix]\n{\nfScaleX = -2\n}\n}\n";
    tree.LoadMem(strGood.data(), static_cast<DWORD>(strGood.size()));
    XC_RenderingObject object;
    ErrorLogCapture log;
    object.LoadFromTextNode(tree.FindChildNode(0));
    EXPECT_EQ(log.Text(), "");
}
