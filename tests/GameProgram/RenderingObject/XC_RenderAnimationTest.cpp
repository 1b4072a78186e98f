#include "GameProgram/RenderingObject/XC_RenderAnimation.h"

#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/RenderingObject/XF_TextureFactor.h"
#include "tests/GameProgram/RenderingObject/AnimationText.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One timer step and what the object shows after it.
struct Step
{
    float fStep;
    DWORD dwPage;
    BOOL bPageChanged;
    BOOL bLastPageEnd;
};

void Play(XC_RenderAnimation& animation, const std::vector<Step>& steps, const char* szCase)
{
    for (size_t i = 0; i < steps.size(); ++i) {
        animation.Update(steps[i].fStep);
        EXPECT_EQ(animation.GetCurrentPage(), steps[i].dwPage) << szCase << " step " << i;
        EXPECT_EQ(animation.IsPageChanged(), steps[i].bPageChanged) << szCase << " step " << i;
        EXPECT_EQ(animation.IsLastPageEnd(), steps[i].bLastPageEnd) << szCase << " step " << i;
    }
}

} // namespace

TEST(XC_RenderAnimation, PageStepping)
{
    const struct
    {
        const char* szCase;
        std::initializer_list<int> pages;
        BOOL bRePlay;
        DWORD dwEndPage;
        std::vector<Step> steps;
    } CASES[] = {
        // The first step only clears the first run; one page per frame at most,
        // the rest carried over; the end drops the rest and replays.
        {"three pages",
         {100, 100, 100},
         TRUE,
         0,
         {{0.5f, 0, TRUE, FALSE},
          {0.0f, 1, TRUE, FALSE},
          {0.0f, 2, TRUE, FALSE},
          {0.0f, 0, TRUE, TRUE},
          {0.05f, 0, FALSE, FALSE},
          {0.06f, 1, TRUE, FALSE}}},
        {"end page 2 of three",
         {100, 100, 100},
         TRUE,
         2,
         {{0.0f, 0, TRUE, FALSE}, {0.15f, 1, TRUE, FALSE}, {0.15f, 0, TRUE, TRUE}, {0.15f, 1, TRUE, FALSE}}},
        {"one page replayed",
         {100},
         TRUE,
         0,
         {{0.0f, 0, TRUE, FALSE}, {0.15f, 0, TRUE, TRUE}, {0.05f, 0, FALSE, FALSE}, {0.06f, 0, TRUE, TRUE}}},
        {"played once",
         {100, 100},
         FALSE,
         0,
         {{0.0f, 0, TRUE, FALSE}, {0.15f, 1, TRUE, FALSE}, {0.1f, 1, FALSE, TRUE}, {0.05f, 1, FALSE, FALSE},
          {0.06f, 1, FALSE, TRUE}}},
    };
    for (const auto& test : CASES) {
        AnimationText text(test.pages);
        XC_RenderAnimation animation;
        ASSERT_EQ(animation.SetAnimationObject(text.Get(), TRUE), S_OK);
        animation.SetRePlay(test.bRePlay);
        animation.SetEndPage(test.dwEndPage);
        Play(animation, test.steps, test.szCase);
    }
}

TEST(XC_RenderAnimation, PlaySpeedPauseAndStop)
{
    AnimationText text({100, 100, 100});
    XC_RenderAnimation animation;
    animation.SetAnimationObject(text.Get(), TRUE);
    animation.SetPlaySpeed(2.0f);
    animation.Update(0.0f);
    animation.Update(0.06f);
    EXPECT_EQ(animation.GetCurrentPage(), 1u);
    animation.Pause();
    animation.Update(1.0f);
    EXPECT_EQ(animation.GetCurrentPage(), 1u);
    animation.SetBeginPage(2);
    EXPECT_EQ(animation.GetCurrentPage(), 2u);
    animation.Stop();
    EXPECT_EQ(animation.GetCurrentPage(), 2u);
    EXPECT_FALSE(animation.IsPlaying());
}

TEST(XC_RenderAnimation, MessagesAreSeenInTheFrameThePageIsEntered)
{
    ErrorLogCapture log;
    AnimationText text({100, 100});
    XC_RenderAnimation animation;
    EXPECT_EQ(animation.GetAniPageMessage(), 0u);
    EXPECT_TRUE(log.Contains("( m_pAniObj ) failed"));
    animation.SetAnimationObject(text.Get(), TRUE);
    animation.Update(0.0f);
    EXPECT_EQ(animation.GetAniPageMessage(), 10u);
    animation.Update(0.05f);
    EXPECT_EQ(animation.GetAniPageMessage(), 0u);
    animation.Update(0.06f);
    EXPECT_EQ(animation.GetAniPageMessage(), 11u);
    EXPECT_EQ(animation.GetPageMessage(0), 10u);
    EXPECT_EQ(animation.GetPageMessage(2), 0u);
}

TEST(XC_RenderAnimation, ContentDecidesTheFiling)
{
    ErrorLogCapture log;
    FakeEnvironment environment;
    AnimationText text({100, 100});
    AnimationText empty({});
    XC_RenderAnimation animation;
    animation.SetEnvironmentOfRender(&environment);
    animation.SetShow(TRUE);
    EXPECT_FALSE(environment.painter.Holds(&animation));
    // A step without an animation reports and stops there.
    animation.Update(0.1f);
    EXPECT_TRUE(log.Contains("( m_pAniObj ) failed"));
    animation.SetCurrentPage(5);
    ASSERT_EQ(animation.SetAnimationObject(text.Get(), TRUE), S_OK);
    EXPECT_EQ(animation.GetCurrentPage(), 1u);
    EXPECT_TRUE(environment.painter.Holds(&animation));
    EXPECT_TRUE(animation.IsRunning());
    EXPECT_EQ(animation.SetAnimationObject(empty.Get(), TRUE), E_FAIL);
    XC_AnimationObject* pAniObj = nullptr;
    EXPECT_EQ(animation.GetAnimationObject(&pAniObj), E_FAIL);
    EXPECT_FALSE(environment.painter.Holds(&animation));
    EXPECT_FALSE(animation.IsRunning());
    EXPECT_EQ(animation.GetCurrentPage(), 0u);
}

TEST(XC_RenderAnimation, ScriptsAndCopies)
{
    AnimationText text({100, 100, 100, 100});
    XC_RenderAnimation animation;
    animation.SetAnimationObject(text.Get(), TRUE);
    const struct
    {
        const char* szScript;
        HRESULT hr;
    } CASES[] = {
        {"RenderAni EndPage 0x3", S_OK}, {"RenderAni RePlay false", S_OK}, {"RenderAni MirrorPic TRUE", S_OK},
        {"RenderAni PlaySpeed 1.5", S_OK}, {"RenderAni PlaySpeed", E_FAIL}, {"RenderAni Jump 1", E_FAIL},
        {"RenderObj SetShow 1", S_OK},
    };
    for (const auto& test : CASES)
        EXPECT_EQ(animation.AnalyzeScript(test.szScript), test.hr) << test.szScript;
    EXPECT_EQ(animation.GetEndPage(), 3u);
    EXPECT_FALSE(animation.GetRePlay());
    EXPECT_TRUE(animation.GetMirror());
    EXPECT_FLOAT_EQ(animation.GetPlaySpeed(), 1.5f);

    std::unique_ptr<XC_RenderingObject> pCopy(animation.Duplicate());
    XC_RenderAnimation* const pAnimationCopy = dynamic_cast<XC_RenderAnimation*>(pCopy.get());
    ASSERT_NE(pAnimationCopy, nullptr);
    EXPECT_EQ(pAnimationCopy->GetEndPage(), 3u);
    EXPECT_TRUE(pAnimationCopy->GetMirror());
    EXPECT_TRUE(pAnimationCopy->IsRenderable());
    EXPECT_TRUE(pAnimationCopy->GetShow());
}

TEST(XC_RenderAnimation, ColourAndCullTables)
{
    const struct
    {
        DWORD dwPicColor;
        DWORD dwColor;
        DWORD dwFinal;
    } COLOURS[] = {
        {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
        {0xFFFFFFFF, 0x80FF0000, 0x80FF0000},
        {0x80FF8040, 0x80808080, 0x40804020},
        {0x00FFFFFF, 0xFFFFFFFF, 0x00FFFFFF},
    };
    for (const auto& test : COLOURS)
        EXPECT_EQ(XF_ModulateColor(test.dwPicColor, test.dwColor), test.dwFinal) << std::hex << test.dwPicColor;

    const struct
    {
        BOOL bMirror;
        int iWinding;
        bool bFlipped;
    } CULLS[] = {{FALSE, 1, false}, {TRUE, 1, true}, {FALSE, -1, true}, {TRUE, -1, false}};
    for (const auto& test : CULLS) {
        XC_AnimationPic picture;
        picture.m_iWinding = test.iWinding;
        EXPECT_EQ(XC_RenderAnimation::IsCullFlipped(test.bMirror, &picture), test.bFlipped)
            << test.bMirror << " " << test.iWinding;
    }
}

TEST(XC_RenderAnimation, DescriptionValuesPastTheAnimationAreReported)
{
    AnimationText text({100, 100, 100, 100});
    const struct
    {
        const char* szKey;
        const char* szValue;
        const char* szReport;
    } CASES[] = {
        {"dwEndPage", "9", "Walker : dwEndPage 9 lies past the 4 pages of"},
        {"fPlaySpeed", "nan", "Walker : fPlaySpeed is not a number ; 1 is used"},
    };
    for (const auto& test : CASES) {
        XC_RenderAnimation animation;
        animation.SetAnimationObject(text.Get(), TRUE);
        auto pNode = MakeNode("[Walker]", {{"Name", "Walker"}, {test.szKey, test.szValue}});
        ErrorLogCapture log;
        animation.LoadFromTextNode(pNode.get());
        EXPECT_TRUE(log.Contains(test.szReport)) << log.Text();
    }
}
