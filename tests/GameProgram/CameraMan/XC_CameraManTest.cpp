#include "GameProgram/CameraMan/XC_CameraMan.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/ScopedGlobalDevice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

const float PI = D3DX_PI;
const float TWO_PI = 2.0f * D3DX_PI;

void ExpectNear(const D3DXVECTOR3& vActual, const D3DXVECTOR3& vExpected, float fTolerance = 0.001f)
{
    EXPECT_NEAR(vActual.x, vExpected.x, fTolerance);
    EXPECT_NEAR(vActual.y, vExpected.y, fTolerance);
    EXPECT_NEAR(vActual.z, vExpected.z, fTolerance);
}

D3DXVECTOR3 Transform(const D3DXVECTOR3& vPoint, const D3DXMATRIX* pMatrix)
{
    D3DXVECTOR3 vResult;
    D3DXVec3TransformCoord(&vResult, &vPoint, pMatrix);
    return vResult;
}

} // namespace

TEST(XC_CameraMan, PlaceCameraStandsThereAtOnce)
{
    XC_CameraMan camera;
    camera.PlaceCamera(0.0f, 0.0f, 0.0f, 27.0f, -PI / 4.0f, PI / 6.0f);

    // (0, 0, -27) turned by the pitch about X, then by the yaw about Y.
    const float fHorizontal = 27.0f * std::cos(PI / 6.0f);
    const D3DXVECTOR3 vEye(fHorizontal * std::sin(PI / 4.0f), 13.5f, -fHorizontal * std::cos(PI / 4.0f));
    ExpectNear(camera.GetCurrentData()->m_vEye, vEye);
    ExpectNear(camera.GetTargetData()->m_vEye, vEye);
    EXPECT_FLOAT_EQ(camera.GetCurrentData()->m_fDistance, 27.0f);

    // The view looks at the point from 27 units away, and the billboard undoes its turn.
    ExpectNear(Transform(D3DXVECTOR3(0.0f, 0.0f, 0.0f), camera.GetViewMatrix()), D3DXVECTOR3(0.0f, 0.0f, 27.0f));
    const D3DXMATRIX matBoth = *camera.GetBillboardMatrix() * *camera.GetViewMatrix();
    ExpectNear(Transform(D3DXVECTOR3(1.0f, 2.0f, 3.0f), &matBoth),
               D3DXVECTOR3(1.0f, 2.0f, 3.0f) + Transform(D3DXVECTOR3(0.0f, 0.0f, 0.0f), camera.GetViewMatrix()));
    EXPECT_FLOAT_EQ(camera.GetCameraRenderNode()->GetRotation()->x, PI / 6.0f);
    EXPECT_FLOAT_EQ(camera.GetCameraRenderNode()->GetRotation()->y, -PI / 4.0f);

    // No glide follows: the next step only brings the yaw into [0, 2 pi].
    EXPECT_TRUE(camera.IsMoving());
    camera.FrameMove(0.5f);
    EXPECT_FALSE(camera.IsMoving());
    EXPECT_NEAR(camera.GetCurrentData()->m_fYaw, TWO_PI - PI / 4.0f, 0.0001f);
    ExpectNear(camera.GetCurrentData()->m_vEye, vEye);
}

TEST(XC_CameraMan, TheTargetIsClampedAtTheNextStep)
{
    struct Case { void (XC_CameraMan::*pSet)(float); float fValue; float XS_CameraData::*pField; float fExpected; };
    const Case cases[] = {
        {&XC_CameraMan::SetTargetPitch, 2.0f, &XS_CameraData::m_fPitch, 1.5533430576324463f},
        {&XC_CameraMan::SetTargetPitch, -2.0f, &XS_CameraData::m_fPitch, -1.5533430576324463f},
        {&XC_CameraMan::SetTargetDistance, 0.5f, &XS_CameraData::m_fDistance, 1.0f},
        {&XC_CameraMan::SetTargetDistance, 5000.0f, &XS_CameraData::m_fDistance, 1000.0f},
        {&XC_CameraMan::SetTargetYaw, -0.5f, &XS_CameraData::m_fYaw, TWO_PI - 0.5f},
        {&XC_CameraMan::SetTargetYaw, TWO_PI + 0.25f, &XS_CameraData::m_fYaw, 0.25f},
        {&XC_CameraMan::SetTargetYaw, INFINITY, &XS_CameraData::m_fYaw, 0.0f},
    };
    for (const Case& c : cases) {
        XC_CameraMan camera;
        camera.PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f);
        (camera.*c.pSet)(c.fValue);
        camera.FrameMove(0.0f);
        EXPECT_NEAR(camera.GetTargetData()->*c.pField, c.fExpected, 0.0001f) << c.fValue;
    }

    // A yaw too large for its turns to be taken off one by one still lands in range.
    for (const float fYaw : {1.0e30f, -3.0e25f}) {
        XC_CameraMan camera;
        camera.SetTargetYaw(fYaw);
        camera.FrameMove(0.0f);
        EXPECT_GE(camera.GetTargetData()->m_fYaw, 0.0f) << fYaw;
        EXPECT_LE(camera.GetTargetData()->m_fYaw, TWO_PI) << fYaw;
    }
}

TEST(XC_CameraMan, YawGlidesTheShorterWayRound)
{
    XC_CameraMan camera;
    camera.PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, 0.1f, 0.0f);
    camera.SetTargetYaw(TWO_PI - 0.1f);

    camera.FrameMove(0.01f);
    const float fFirst = camera.GetCurrentData()->m_fYaw;
    EXPECT_GT(fFirst, 0.0f);
    EXPECT_LT(fFirst, 0.1f) << "the yaw turns down through 0, not up through pi";
    for (int i = 0; i < 5 && camera.IsMoving(); ++i)
        camera.FrameMove(1.0f);
    EXPECT_NEAR(camera.GetCurrentData()->m_fYaw, TWO_PI - 0.1f, 0.01f);
}

TEST(XC_CameraMan, SmoothingOffJumpsToTheTarget)
{
    XC_CameraMan camera;
    camera.PlaceCamera(1.0f, 2.0f, 3.0f, 10.0f, 0.0f, 0.0f);
    camera.SetSoften(FALSE);
    camera.SetTargetDistance(50.0f);
    camera.SetTargetPitch(0.5f);

    camera.FrameMove(0.0001f);
    EXPECT_FLOAT_EQ(camera.GetCurrentData()->m_fDistance, 50.0f);
    EXPECT_FLOAT_EQ(camera.GetCurrentData()->m_fPitch, 0.5f);
    ExpectNear(camera.GetCurrentData()->m_vEye, camera.GetTargetData()->m_vEye);
    EXPECT_TRUE(camera.IsMoving());
    camera.FrameMove(0.0001f);
    EXPECT_FALSE(camera.IsMoving());
}

TEST(XC_CameraMan, TimeShorterThanAStepCarriesOver)
{
    XC_CameraMan camera;
    camera.SetSoftenStep(0.01f);
    camera.PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f);
    camera.SetTargetDistance(20.0f);

    camera.FrameMove(0.006f);
    EXPECT_FLOAT_EQ(camera.GetCurrentData()->m_fDistance, 10.0f);
    EXPECT_TRUE(camera.IsMoving());
    camera.FrameMove(0.006f);
    EXPECT_NEAR(camera.GetCurrentData()->m_fDistance, 10.05f, 0.0001f) << "one step of 0.005 of the way";
}

TEST(XC_CameraMan, TheGlideDoesNotDependOnTheFrameRate)
{
    XC_CameraMan slow;
    XC_CameraMan fast;
    for (XC_CameraMan* pCamera : {&slow, &fast}) {
        pCamera->PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f);
        pCamera->SetTargetDistance(20.0f);
    }
    slow.FrameMove(1.0f);
    for (int i = 0; i < 100; ++i)
        fast.FrameMove(0.01f);

    // After one second of steps of 0.001 at 0.005 about 99.3 % of the way is covered.
    EXPECT_NEAR(slow.GetCurrentData()->m_fDistance, 19.93f, 0.01f);
    EXPECT_NEAR(fast.GetCurrentData()->m_fDistance, slow.GetCurrentData()->m_fDistance, 0.01f);

    // A long frame with the finest step costs no more than a short one.
    XC_CameraMan finest;
    finest.SetSoftenStep(0.0f);
    finest.SetSoftenRate(0.0f);
    EXPECT_FLOAT_EQ(finest.GetSoftenStep(), 0.000001f);
    EXPECT_FLOAT_EQ(finest.GetSoftenRate(), 0.000001f);
    finest.SetSoftenStep(0.0000011f);
    finest.PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f);
    finest.SetTargetDistance(20.0f);
    finest.FrameMove(100000.0f);
    EXPECT_NEAR(finest.GetCurrentData()->m_fDistance, 20.0f, 0.001f);
    finest.SetSoftenRate(5.0f);
    EXPECT_FLOAT_EQ(finest.GetSoftenRate(), 1.0f);
}

TEST(XC_CameraMan, FollowingANodeMovesTheTarget)
{
    XC_RenderNode lookAtNode;
    XC_RenderNode eyeNode;
    XC_CameraMan camera;
    camera.SetSoften(FALSE);
    camera.PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f);

    lookAtNode.SetPositionXYZ(5.0f, 0.0f, 3.0f);
    camera.FollowLookAt(&lookAtNode);
    camera.FrameMove(0.016f);
    camera.FrameMove(0.016f);
    ExpectNear(camera.GetCurrentData()->m_vLookAt, D3DXVECTOR3(5.0f, 0.0f, 3.0f));
    EXPECT_FALSE(camera.IsMoving());

    // The scene-graph pass of the frame brings the follower up to date.
    lookAtNode.SetPositionXYZ(8.0f, 1.0f, 2.0f);
    XF_UpdateAllRenderNodes();
    camera.FrameMove(0.016f);
    ExpectNear(camera.GetCurrentData()->m_vLookAt, D3DXVECTOR3(8.0f, 1.0f, 2.0f));

    // Following the eye derives distance and angles from it.
    eyeNode.SetPositionXYZ(18.0f, 1.0f, 2.0f);
    camera.FollowEye(&eyeNode);
    EXPECT_EQ(camera.GetTargetData()->m_eFixedCameraDataType, static_cast<DWORD>(FCT_UseEye));
    camera.FrameMove(0.016f);
    EXPECT_NEAR(camera.GetCurrentData()->m_fDistance, 10.0f, 0.001f);
    EXPECT_NEAR(camera.GetCurrentData()->m_fYaw, 1.5f * PI, 0.001f);
    ExpectNear(camera.GetCurrentData()->m_vEye, D3DXVECTOR3(18.0f, 1.0f, 2.0f));

    camera.FollowEye(nullptr);
    camera.FollowLookAt(nullptr);
    EXPECT_EQ(camera.GetTargetData()->m_eFixedCameraDataType, static_cast<DWORD>(FCT_UseLookAt));
    lookAtNode.SetPositionXYZ(0.0f, 0.0f, 0.0f);
    XF_UpdateAllRenderNodes();
    camera.FrameMove(0.016f);
    ExpectNear(camera.GetCurrentData()->m_vLookAt, D3DXVECTOR3(8.0f, 1.0f, 2.0f));
}

TEST(XC_CameraMan, AnglesFromTheEyeInvertThePlacement)
{
    const float fYaws[] = {0.0f, 0.3f, 1.4f, 2.0f, 3.5f, 4.4f, 5.0f, 6.0f};
    const float fPitches[] = {-1.2f, 0.0f, 0.7f};
    for (const float fYaw : fYaws) {
        for (const float fPitch : fPitches) {
            XC_CameraMan placed;
            placed.PlaceCamera(3.0f, -1.0f, 2.0f, 12.0f, fYaw, fPitch);
            XC_RenderNode eyeNode;
            const D3DXVECTOR3 vEye = placed.GetCurrentData()->m_vEye;
            eyeNode.SetPosition(&vEye);

            XC_CameraMan derived;
            derived.SetSoften(FALSE);
            derived.PlaceCamera(3.0f, -1.0f, 2.0f, 5.0f, 0.0f, 0.0f);
            derived.FollowEye(&eyeNode);
            derived.FrameMove(0.016f);
            EXPECT_NEAR(derived.GetTargetData()->m_fDistance, 12.0f, 0.001f) << fYaw << " " << fPitch;
            EXPECT_NEAR(derived.GetTargetData()->m_fPitch, fPitch, 0.001f) << fYaw << " " << fPitch;
            EXPECT_NEAR(derived.GetTargetData()->m_fYaw, fYaw, 0.001f) << fYaw << " " << fPitch;
        }
    }
}

TEST(XC_CameraMan, LocksKeepThePointsWhereTheyAre)
{
    XC_CameraMan camera;
    camera.SetSoften(FALSE);
    camera.PlaceCamera(1.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f);
    camera.LockLookAt(TRUE);
    const D3DXVECTOR3 vElsewhere(5.0f, 5.0f, 5.0f);
    camera.SetTargetLookAt(&vElsewhere);
    camera.FrameMove(0.016f);
    ExpectNear(camera.GetCurrentData()->m_vLookAt, D3DXVECTOR3(1.0f, 0.0f, 0.0f));

    // With the eye locked too, a change of distance cannot move the eye.
    camera.LockEye(TRUE);
    EXPECT_EQ(camera.GetTargetData()->m_eFixedCameraDataType, static_cast<DWORD>(FCT_UseEye));
    camera.SetTargetDistance(30.0f);
    camera.FrameMove(0.016f);
    EXPECT_NEAR(camera.GetCurrentData()->m_fDistance, 10.0f, 0.001f);

    camera.LockEye(FALSE);
    camera.LockLookAt(FALSE);
    EXPECT_EQ(camera.GetTargetData()->m_eFixedCameraDataType, static_cast<DWORD>(FCT_UseLookAt));
    camera.SetTargetLookAt(&vElsewhere);
    camera.FrameMove(0.016f);
    ExpectNear(camera.GetCurrentData()->m_vLookAt, vElsewhere);
}

TEST(XC_CameraMan, PickRays)
{
    XC_CameraMan camera;
    D3DXVECTOR3 vOrigin(7.0f, 7.0f, 7.0f);
    D3DXVECTOR3 vDirection(7.0f, 7.0f, 7.0f);
    EXPECT_EQ(camera.GetPickRay(400.0f, 300.0f, &vOrigin, &vDirection), &vDirection);
    // Without a projection nothing is written.
    ExpectNear(vOrigin, D3DXVECTOR3(7.0f, 7.0f, 7.0f));

    camera.SetPerspectiveProjection(PI / 4.0f, 800.0f, 600.0f, 1.0f, 1000.0f);
    camera.PlaceCamera(4.0f, 2.0f, -3.0f, 25.0f, 0.8f, 0.4f);
    camera.GetPickRay(400.0f, 300.0f, &vOrigin, &vDirection);
    const XS_CameraData* pData = camera.GetCurrentData();
    D3DXVECTOR3 vView = pData->m_vLookAt - pData->m_vEye;
    D3DXVec3Normalize(&vView, &vView);
    ExpectNear(vDirection, vView);
    ExpectNear(vOrigin, pData->m_vEye, 0.01f);

    // A ray through the right edge leans right of the view.
    camera.GetPickRay(800.0f, 300.0f, &vOrigin, &vDirection);
    EXPECT_GT(Transform(pData->m_vEye + vDirection * 10.0f, camera.GetViewMatrix()).x, 1.0f);

    camera.SetOrthoProjection(800.0f, 600.0f, 1.0f, 2000.0f);
    camera.GetPickRay(400.0f, 300.0f, &vOrigin, &vDirection);
    ExpectNear(vOrigin, D3DXVECTOR3(0.0f, 0.0f, -1000.0f));
    ExpectNear(vDirection, D3DXVECTOR3(0.0f, 0.0f, 1.0f));
    camera.GetPickRay(0.0f, 0.0f, &vOrigin, &vDirection);
    ExpectNear(vOrigin, D3DXVECTOR3(-400.0f, 300.0f, -1000.0f));
}

TEST(XC_CameraMan, TransformsReachTheDeviceOnlyWhenNeeded)
{
    RecordingDevice device;
    ScopedGlobalDevice usingDevice(&device);
    XC_CameraMan world;
    world.SetPerspectiveProjection(PI / 4.0f, 800.0f, 600.0f, 1.0f, 1000.0f);
    world.PlaceCamera(0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f);

    EXPECT_EQ(world.ApplyToDevice(), S_OK);
    ASSERT_EQ(device.TransformCalls().size(), 2u);
    EXPECT_EQ(device.TransformCalls()[0].eState, D3DTS_PROJECTION);
    EXPECT_EQ(std::memcmp(&device.TransformCalls()[0].Matrix, world.GetProjectionMatrix(), sizeof(D3DMATRIX)), 0);
    EXPECT_EQ(device.TransformCalls()[1].eState, D3DTS_VIEW);
    EXPECT_EQ(std::memcmp(&device.TransformCalls()[1].Matrix, world.GetViewMatrix(), sizeof(D3DMATRIX)), 0);
    EXPECT_EQ(g_pDeviceCameraMan, &world);
    world.ApplyToDevice();
    EXPECT_EQ(device.TransformCalls().size(), 2u);

    // A frame step at rest sends nothing; a change does.
    world.FrameMove(0.016f);
    world.FrameMove(0.016f);
    world.ApplyToDevice();
    EXPECT_EQ(device.TransformCalls().size(), 4u) << "the first step rebuilt the view";
    world.FrameMove(0.016f);
    world.ApplyToDevice();
    EXPECT_EQ(device.TransformCalls().size(), 4u);

    // Two cameras used in turn both reach the device.
    auto pScreen = std::make_unique<XC_CameraMan>();
    pScreen->SetOrthoProjection(800.0f, 600.0f, 1.0f, 2000.0f);
    device.ClearCalls();
    pScreen->ApplyToDevice();
    world.ApplyToDevice();
    pScreen->ApplyToDevice();
    EXPECT_EQ(device.TransformCalls().size(), 6u);
    pScreen.reset();
    EXPECT_EQ(g_pDeviceCameraMan, nullptr);
}
