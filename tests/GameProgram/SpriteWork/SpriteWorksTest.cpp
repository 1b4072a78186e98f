#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Sprite/XC_Sprite.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_Control.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_ShakeCamera.h"
#include "GameProgram/SpriteWork/XC_LightManWork_BrightnessControl.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetRotation.h"
#include "GameProgram/SpriteWork/XC_RenderObjWork_SetColor.h"
#include "GameProgram/SpriteWork/XC_ScriptWork_While.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"
#include "tests/GameProgram/Sprite/SpriteTestWork.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

XC_RenderNodeWork_SetPosition* MoveWork(XC_RenderNode* pNode, D3DXVECTOR3 vGoal, float fWorkTime)
{
    XC_RenderNodeWork_SetPosition* const pWork = new XC_RenderNodeWork_SetPosition;
    pWork->SetTarget(pNode);
    pWork->m_vPosition = vGoal;
    pWork->SetWorkTime(fWorkTime);
    return pWork;
}

// Steps the work alone until it finishes; the number of steps taken.
int StepUntilFinished(XC_SpriteWorkBase* pWork, float fStep)
{
    pWork->Begin();
    int iSteps = 1;
    while (!pWork->Step(fStep) && iSteps < 100000)
        ++iSteps;
    pWork->End();
    return iSteps;
}

} // namespace

TEST(SpriteWorks, PositionWorksOnOneNodeAddUp)
{
    XC_RenderNode node;
    node.SetPositionXYZ(1.0f, 1.0f, 1.0f);
    XC_Sprite sprite;
    sprite.AddWork(MoveWork(&node, D3DXVECTOR3(10, 0, 0), 2.0f));
    sprite.AddWork(MoveWork(&node, D3DXVECTOR3(0, 1, 0), 2.0f));
    sprite.UpdateWorks(0.5f);
    EXPECT_EQ(*node.GetPosition(), D3DXVECTOR3(3.5f, 1.25f, 1.0f));
    for (int i = 0; i < 3; ++i)
        sprite.UpdateWorks(0.5f);
    EXPECT_EQ(*node.GetPosition(), D3DXVECTOR3(11.0f, 2.0f, 1.0f));
    EXPECT_EQ(sprite.GetWorkCount(), 0u);
}

TEST(SpriteWorks, SpeedModeTakesTheTimeItsSpeedsNeed)
{
    struct Case { float fBegin, fEnd, fChange; D3DXVECTOR3 vGoal; float fExpectedTime; };
    const Case cases[] = {
        {2.0f, 2.0f, 0.0f, D3DXVECTOR3(6, 8, 0), 5.0f},
        {1.0f, 3.0f, 0.5f, D3DXVECTOR3(0, 0, 10), 6.6666667f},
        {0.0f, 0.0f, 0.0f, D3DXVECTOR3(0.01f, 0, 0), 1.0f},
        {1.0f, 1.0f, 0.0f, D3DXVECTOR3(0, 0, 0), 0.0f},
    };
    for (const Case& c : cases) {
        XC_RenderNode node;
        XC_RenderNodeWork_SetPosition* const pWork = MoveWork(&node, c.vGoal, -1.0f);
        pWork->m_fSpeedBegin = c.fBegin;
        pWork->m_fSpeedEnd = c.fEnd;
        pWork->m_fSpeedChangePoint = c.fChange;
        const int iSteps = StepUntilFinished(pWork, 0.001f);
        EXPECT_NEAR(pWork->GetWorkTime(), c.fExpectedTime, 1e-3f) << c.fBegin << " " << c.fEnd;
        EXPECT_NEAR(static_cast<float>(iSteps) * 0.001f, std::max(c.fExpectedTime, 0.001f), 0.01f);
        EXPECT_EQ(*node.GetPosition(), c.vGoal);
        delete pWork;
    }
}

TEST(SpriteWorks, TheJumpArcPeaksHalfWayAndLandsOnTheLine)
{
    XC_RenderNode node;
    XC_RenderNodeWork_SetPosition* const pWork = MoveWork(&node, D3DXVECTOR3(8, 0, 0), 2.0f);
    pWork->m_dwMoveType = 1;
    pWork->m_fMoveArg = 4.0f;
    pWork->Begin();
    pWork->Step(1.0f);
    EXPECT_NEAR(node.GetPosition()->y, 3.75f, 1e-5f);
    EXPECT_NEAR(node.GetPosition()->x, 4.0f, 1e-5f);
    EXPECT_TRUE(pWork->Step(1.0f));
    EXPECT_EQ(*node.GetPosition(), D3DXVECTOR3(8, 0, 0));
    delete pWork;
}

TEST(SpriteWorks, AbsoluteGoalsBecomeDifferencesOnce)
{
    XC_RenderNode node;
    node.SetPositionXYZ(5.0f, 0.0f, 0.0f);
    XC_RenderNodeWork_SetPosition* const pWork = MoveWork(&node, D3DXVECTOR3(1, 0, 0), 1.0f);
    pWork->m_bAbsPosition = TRUE;
    pWork->Begin();
    pWork->Begin();
    EXPECT_EQ(pWork->m_vPosition, D3DXVECTOR3(-4, 0, 0));
    EXPECT_TRUE(pWork->Step(1.0f));
    EXPECT_EQ(*node.GetPosition(), D3DXVECTOR3(1, 0, 0));
    delete pWork;

    XC_RenderNodeWork_SetRotation rotation;
    rotation.SetTarget(&node);
    rotation.m_vRotation = D3DXVECTOR3(0, 2, 0);
    rotation.SetWorkTime(1.0f);
    node.AddRotationY(1.0f);
    rotation.Begin();
    rotation.Step(0.5f);
    node.AddRotationY(10.0f);
    rotation.Step(0.5f);
    EXPECT_FLOAT_EQ(node.GetRotation()->y, 13.0f);
}

TEST(SpriteWorks, ColourChannelsAreTruncated)
{
    EXPECT_EQ(XC_RenderObjWork_SetColor::BlendColor(0xFF000000, 0xFFFFFFFF, 0.5f), 0xFF7F7F7Fu);
    EXPECT_EQ(XC_RenderObjWork_SetColor::BlendColor(0xFFFFFFFF, 0x00FFFFFF, 0.5f), 0x7FFFFFFFu);
    EXPECT_EQ(XC_RenderObjWork_SetColor::BlendColor(0x10203040, 0x10203040, 0.3f), 0x10203040u);
}

TEST(SpriteWorks, WhileSendsItsMessagesOverItsTime)
{
    struct Case { DWORD dwCount; BOOL bIncrease; std::vector<DWORD_PTR> expected; };
    const Case cases[] = {
        {4, TRUE, {10, 11, 12, 13}},
        {3, FALSE, {10, 10, 10}},
        {0, TRUE, {}},
        {1, TRUE, {10}},
    };
    for (const Case& c : cases) {
        SpriteTestListener listener;
        std::vector<DWORD_PTR> messages;
        std::vector<int> frames;
        int iFrame = 0;
        listener.m_OnMessage = [&](DWORD_PTR, DWORD_PTR, DWORD_PTR dwMessage, DWORD_PTR) {
            if (dwMessage != 0) {
                messages.push_back(dwMessage);
                frames.push_back(iFrame);
            }
        };
        XC_ScriptWork_While* const pWork = new XC_ScriptWork_While;
        pWork->m_dwCount = c.dwCount;
        pWork->m_dwMsg = 10;
        pWork->m_bIncrease = c.bIncrease;
        pWork->SetWorkTime(3.0f);
        pWork->Connect(&listener, 0, 0);
        XC_Sprite sprite;
        sprite.AddWork(pWork);
        for (iFrame = 1; iFrame <= 6; ++iFrame)
            sprite.UpdateWorks(0.5f);
        EXPECT_EQ(messages, c.expected) << c.dwCount;
        if (c.dwCount == 4) {
            EXPECT_EQ(frames, (std::vector<int>{0, 2, 4, 6}));
        }
        EXPECT_EQ(sprite.GetWorkCount(), 0u);
    }
}

TEST(SpriteWorks, CameraWorksMoveTheTargetAndTheShakeLeavesItWhereItWas)
{
    FakeEnvironment environment;
    XC_CameraMan& camera = environment.worldCamera;
    const XS_CameraData before = *camera.GetTargetData();

    XC_CameraManWork_ShakeCamera shake;
    shake.SetTarget(&camera);
    shake.m_fVerticalShakeFrequency1 = 7.0f;
    shake.m_fVerticalShakeRange1 = 2.0f;
    shake.m_fHorizontalShakeFrequency2 = 3.0f;
    shake.m_fHorizontalShakeRange2 = 1.0f;
    shake.SetWorkTime(1.0f);
    shake.Begin();
    bool bMoved = false;
    for (int i = 0; i < 9 && !shake.Step(0.13f); ++i)
        bMoved = bMoved || camera.GetTargetData()->m_vLookAt != before.m_vLookAt;
    EXPECT_TRUE(bMoved);
    EXPECT_NEAR(camera.GetTargetData()->m_vLookAt.x, before.m_vLookAt.x, 1e-5f);
    EXPECT_NEAR(camera.GetTargetData()->m_vLookAt.y, before.m_vLookAt.y, 1e-5f);
    EXPECT_NEAR(camera.GetTargetData()->m_vLookAt.z, before.m_vLookAt.z, 1e-5f);

    XC_CameraManWork_Control control;
    control.SetTarget(&camera);
    control.m_vPosition = D3DXVECTOR3(2, 0, 0);
    control.m_fZoom = 4.0f;
    control.SetWorkTime(1.0f);
    control.Begin();
    control.Step(0.5f);
    EXPECT_FLOAT_EQ(camera.GetTargetData()->m_vLookAt.x, before.m_vLookAt.x + 1.0f);
    // A step landing on exactly 1 finishes one step later.
    EXPECT_FALSE(control.Step(0.5f));
    EXPECT_TRUE(control.Step(0.5f));
    EXPECT_FLOAT_EQ(camera.GetTargetData()->m_vLookAt.x, before.m_vLookAt.x + 2.0f);
}

TEST(SpriteWorks, BrightnessMovesByItsGoal)
{
    XC_LightMan light;
    light.SetBrightness(0.5f);
    XC_LightManWork_BrightnessControl work;
    work.SetTarget(&light);
    work.m_fBrightnessControl = 1.0f;
    work.m_bAbsBrightness = TRUE;
    work.SetWorkTime(1.0f);
    work.Begin();
    work.Step(0.5f);
    EXPECT_FLOAT_EQ(light.GetBrightness(), 0.75f);
    light.SetBrightness(light.GetBrightness() + 1.0f);
    work.Step(0.5f);
    EXPECT_FLOAT_EQ(light.GetBrightness(), 2.0f);
}
