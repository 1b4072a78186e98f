#include "GameProgram/SpecialEfficacy/XC_ResidualImage.h"

#include "tests/GameProgram/RenderingObject/DrawableFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The image count after each step of a work that samples at 10 per second.
std::vector<DWORD> CountsPerStep(float fStep, float fLifeTime, BOOL bWait, int iSteps, bool* pbFinished)
{
    TestDrawable target;
    XC_ResidualImage work;
    work.SetTarget(&target);
    work.m_fSamplingFrequency = 10.0f;
    work.m_fLifeTime = fLifeTime;
    work.m_bWaitEveryResidualImageDeath = bWait;
    work.SetWorkTime(0.4f);
    work.Begin();
    std::vector<DWORD> counts;
    *pbFinished = false;
    for (int i = 0; i < iSteps && !*pbFinished; ++i) {
        *pbFinished = work.Step(fStep) != FALSE;
        counts.push_back(work.GetImageCount());
    }
    return counts;
}

} // namespace

TEST(XC_ResidualImage, SamplingAndLifetimes)
{
    bool bFinished = false;
    // One image every second step; after its time the work only fades and
    // waits for the last image to die.
    EXPECT_EQ(CountsPerStep(0.05f, 1.0f, TRUE, 10, &bFinished), (std::vector<DWORD>{0, 1, 1, 2, 2, 3, 3, 3, 3, 3}));
    EXPECT_FALSE(bFinished);
    // Long steps still make only one image each.
    EXPECT_EQ(CountsPerStep(0.2f, 1.0f, FALSE, 10, &bFinished), (std::vector<DWORD>{1, 1}));
    EXPECT_TRUE(bFinished);
    // Lifetime 0: every image dies in the step that made it.
    EXPECT_EQ(CountsPerStep(0.2f, 0.0f, TRUE, 10, &bFinished), (std::vector<DWORD>{0, 0}));
    EXPECT_TRUE(bFinished);
    EXPECT_EQ(TestDrawable::s_iLiving, 0);
}

TEST(XC_ResidualImage, ImagesFadeAndStayWhereTheTargetWas)
{
    TestDrawable target;
    target.SetPositionXYZ(1.0f, 2.0f, 3.0f);
    XC_ResidualImage work;
    work.SetTarget(&target);
    work.m_fSamplingFrequency = 100.0f;
    work.m_fLifeTime = 1.0f;
    work.SetWorkTime(10.0f);
    const int iLivingBefore = TestDrawable::s_iLiving;
    work.Step(0.5f);
    ASSERT_EQ(work.GetImageCount(), 1u);
    EXPECT_EQ(TestDrawable::s_iLiving, iLivingBefore + 1);
    target.SetPositionXYZ(9.0f, 9.0f, 9.0f);
    work.m_fSamplingFrequency = 0.0f;
    work.Step(0.0f);
    // The target going ends the work; its images go with it.
    std::unique_ptr<TestDrawable> pOther(new TestDrawable);
    XC_ResidualImage orphan;
    orphan.SetTarget(pOther.get());
    orphan.SetWorkTime(10.0f);
    pOther.reset();
    EXPECT_TRUE(orphan.Step(0.1f));
}
