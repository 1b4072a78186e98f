#include "GameProgram/RenderingObject/XC_Person.h"

#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"
#include "tests/GameProgram/Resource/FakeMusicManager.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/MemoryPackFile.h"

#include <gtest/gtest.h>


namespace {

std::string AntFile(int iPages)
{
    std::string text = std::to_string(iPages) + "\nheader\n";
    for (int page = 0; page < iPages; ++page) {
        text += "100 " + std::to_string(page) + " 0 -1 1 0 0 0 50\n";
        text += "pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
    }
    return text;
}

// The animation manager over a memory pack of the hero's poses 01, 02 and
// 12 (three pages each) and "error.ant"; no picture is ever drawn.
class PersonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Pack.Add("error.ant", AntFile(1));
        for (const char* szPose : {"01", "02", "12"}) {
            m_Pack.Add(std::string("Person\\Hero\\") + szPose + "A.ant", AntFile(3));
            m_Pack.Add(std::string("Person\\Hero\\") + szPose + "B.ant", AntFile(3));
        }
        m_Pack.Add("Person\\Odd\\01A.ant", AntFile(3));
        m_Pack.Add("Person\\Odd\\01B.ant", AntFile(2));
        ASSERT_EQ(m_Manager.Init(&m_Pack, &m_2DTextureManager, &m_MusicManager), S_OK);
        g_pAnimationManager = &m_Manager;
    }

    void TearDown() override
    {
        g_pAnimationManager = nullptr;
        m_Manager.Fini();
    }

    ErrorLogCapture m_Log;
    MemoryPackFile m_Pack;
    XC_2DTextureManager m_2DTextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationManager m_Manager;
};

XC_AnimationObject* Shown(XC_RenderAnimation& animation)
{
    XC_AnimationObject* pAniObj = nullptr;
    animation.GetAnimationObject(&pAniObj);
    if (pAniObj != nullptr)
        pAniObj->Release();
    return pAniObj;
}

} // namespace

TEST_F(PersonTest, ViewQuartersOverCameraYaws)
{
    FakeEnvironment environment;
    XC_Person person;
    person.SetEnvironmentOfRender(&environment);
    ASSERT_EQ(person.InitPerson("Person\\Hero", 1, 0), S_OK);
    XC_AnimationObject* const pA = g_pAnimationManager->GetAnimation("Person\\Hero\\01A.ant");
    XC_AnimationObject* const pB = g_pAnimationManager->GetAnimation("Person\\Hero\\01B.ant");
    const float PI = D3DX_PI;
    const struct
    {
        DWORD dwDirection;
        float fCameraYaw;
        DWORD dwQuarter;
        bool bAnimationA;
        BOOL bMirror;
    } CASES[] = {
        // Each a little past a quarter's start.
        {0, -0.1f, 0, false, TRUE},
        {0, PI / 2.0f - 0.1f, 3, false, FALSE},
        {0, PI - 0.1f, 2, true, FALSE},
        {0, 3.0f * PI / 2.0f - 0.1f, 1, true, TRUE},
        {1, -0.1f, 1, true, TRUE},
        {2, -0.1f, 2, true, FALSE},
        {3, -PI / 2.0f - 0.1f, 0, false, TRUE},
    };
    person.SetCurrentPage(2);
    for (const auto& test : CASES) {
        person.SetDirection(test.dwDirection);
        environment.PlaceWorldCamera(test.fCameraYaw);
        person.GetWorldPosition();
        person.IsInFrustum(environment.worldCamera.GetFrustum());
        EXPECT_EQ(person.GetViewQuarter(), test.dwQuarter) << test.dwDirection << " " << test.fCameraYaw;
        EXPECT_EQ(Shown(person), test.bAnimationA ? pA : pB) << test.dwDirection << " " << test.fCameraYaw;
        EXPECT_EQ(person.GetMirror(), test.bMirror) << test.dwDirection << " " << test.fCameraYaw;
        // A new view keeps the page sequence going.
        EXPECT_EQ(person.GetCurrentPage(), 2u);
    }
    // The direction never turns the picture itself.
    person.SetDirection(1);
    person.GetWorldPosition();
    const D3DXMATRIX matFacingOne = *person.GetWorldMatrix();
    person.SetDirection(3);
    person.GetWorldPosition();
    EXPECT_NEAR(person.GetWorldMatrix()->_11, matFacingOne._11, 1e-5f);
    EXPECT_NEAR(person.GetWorldMatrix()->_13, matFacingOne._13, 1e-5f);
    pA->Release();
    pB->Release();
}

TEST_F(PersonTest, DirectionsAndLooking)
{
    XC_Person person;
    person.SetDirection(7);
    EXPECT_EQ(person.GetDirectionNumber(), 7u);
    EXPECT_FLOAT_EQ(person.GetRotation()->y, 0.0f);
    person.SetDirection(2);
    EXPECT_EQ(person.GetDirection(), 2u);
    person.SaveDirection();
    person.SetDirection(3);
    person.RestoreDirection();
    EXPECT_EQ(person.GetDirectionNumber(), 2u);
    const struct
    {
        float fX, fZ;
        DWORD dwDirection;
    } CASES[] = {{0.0f, 0.0f, 0}, {1.0f, 1.0f, 0}, {-1.0f, -1.0f, 2}, {2.0f, 1.0f, 1}, {-2.0f, 1.0f, 3},
                 {0.5f, -3.0f, 2}};
    person.SetPositionXYZ(1.0f, 0.0f, 1.0f);
    for (const auto& test : CASES) {
        const D3DXVECTOR3 vTarget(1.0f + test.fX, 5.0f, 1.0f + test.fZ);
        person.LookAtPosition(&vTarget);
        EXPECT_EQ(person.GetDirectionNumber(), test.dwDirection) << test.fX << " " << test.fZ;
    }
}

TEST_F(PersonTest, PosesReplayOrHold)
{
    XC_Person person;
    ASSERT_EQ(person.InitPerson("Person\\Hero", 1, 0), S_OK);
    EXPECT_TRUE(person.GetRePlay());
    EXPECT_EQ(person.SetPose(12), S_OK);
    EXPECT_TRUE(person.GetRePlay());
    EXPECT_EQ(person.SetPose(2), S_OK);
    EXPECT_FALSE(person.GetRePlay());
    EXPECT_EQ(person.GetPose(), 2u);
    EXPECT_STREQ(person.GetPersonPath(), "Person\\Hero");
    // Different page counts are reported; the person still shows them.
    XC_Person odd;
    EXPECT_EQ(odd.InitPerson("Person\\Odd", 1, 0), S_OK);
    EXPECT_TRUE(m_Log.Contains("動畫張數不一 Person\\Odd\\01A.ant Person\\Odd\\01B.ant")) << m_Log.Text();
}

TEST_F(PersonTest, PreparedPoses)
{
    XC_Person person;
    person.SetPersonPath("Person\\Hero");
    EXPECT_EQ(person.AddPreparePose(2, FALSE), S_OK);
    EXPECT_EQ(person.AddPreparePose(2, TRUE), S_OK);
    EXPECT_EQ(person.AddPreparePose(12, FALSE), S_OK);
    EXPECT_EQ(person.GetPreparePoseCount(), 2u);
    EXPECT_TRUE(person.IsPoseKept(2));
    person.ClearPreparePose(FALSE);
    EXPECT_EQ(person.GetPreparePoseCount(), 1u);
    EXPECT_TRUE(person.IsPoseKept(2));
    person.ClearPreparePose(TRUE);
    EXPECT_EQ(person.GetPreparePoseCount(), 0u);
}

TEST_F(PersonTest, CopiesAndTheShadow)
{
    FakeEnvironment environment;
    XC_Person person;
    ASSERT_EQ(person.InitPerson("Person\\Hero", 1, 0), S_OK);
    person.AddPreparePose(2, TRUE);
    EXPECT_EQ(person.SetEnvironmentOfRender(nullptr), E_FAIL);
    person.SetEnvironmentOfRender(&environment);
    person.SetShow(TRUE);
    person.SetColor(0x80FFFFFF);
    EXPECT_TRUE(environment.painter.Holds(&person));
    EXPECT_TRUE(environment.painter.Holds(person.GetRenderShadow()));
    EXPECT_EQ(person.GetRenderShadow()->GetParent(), &person);
    EXPECT_EQ(person.GetRenderShadow()->GetColor(), 0x80FFFFFFu);
    EXPECT_TRUE(person.IsAlphaBlend());

    std::unique_ptr<XC_RenderingObject> pCopy(person.Duplicate());
    EXPECT_EQ(dynamic_cast<XC_Person*>(pCopy.get()), nullptr);
    XC_Performer* const pPerformer = dynamic_cast<XC_Performer*>(pCopy.get());
    ASSERT_NE(pPerformer, nullptr);
    EXPECT_EQ(Shown(*pPerformer), Shown(person));
}

TEST(XC_Person, PoseNameTable)
{
    ErrorLogCapture log;
    XC_Person::SetPersonPoseIndex("Walk", 1);
    XC_Person::SetPersonPoseIndex("Walk", 12);
    EXPECT_EQ(XC_Person::GetPersonPoseIndex("Walk"), 12u);
    EXPECT_EQ(XC_Person::GetPersonPoseIndex("Fly"), 0u);
    EXPECT_TRUE(log.Contains("XC_Person::GetPersonPoseIndex , UnKnow Pose  Fly"));
}
