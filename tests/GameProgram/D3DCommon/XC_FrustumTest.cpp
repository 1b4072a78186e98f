#include "GameProgram/D3DCommon/XC_Frustum.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

// A camera at the origin looking along +z with a 90° field of view, near 1, far 100:
// the volume is |x| <= z, |y| <= z, 1 <= z <= 100.
XC_Frustum MakeFrustum()
{
    D3DXMATRIX matView;
    const D3DXVECTOR3 vEye(0.0f, 0.0f, 0.0f), vAt(0.0f, 0.0f, 1.0f), vUp(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&matView, &vEye, &vAt, &vUp);
    D3DXMATRIX matProjection;
    D3DXMatrixPerspectiveFovLH(&matProjection, D3DX_PI / 2.0f, 1.0f, 1.0f, 100.0f);
    XC_Frustum frustum;
    frustum.Build(matView, matProjection);
    return frustum;
}

} // namespace

TEST(XC_Frustum, CornersAndNearDistance)
{
    const XC_Frustum frustum = MakeFrustum();
    const D3DXVECTOR3* const pCorners = frustum.GetCorners();
    EXPECT_NEAR(pCorners[0].x, -1.0f, 1e-3f);
    EXPECT_NEAR(pCorners[0].y, -1.0f, 1e-3f);
    EXPECT_NEAR(pCorners[0].z, 1.0f, 1e-3f);
    EXPECT_NEAR(pCorners[7].x, 100.0f, 0.1f);
    EXPECT_NEAR(pCorners[7].y, 100.0f, 0.1f);
    EXPECT_NEAR(pCorners[7].z, 100.0f, 0.1f);
    const D3DXVECTOR3 vPoint(3.0f, -2.0f, 5.0f);
    EXPECT_NEAR(frustum.GetNearDistance(&vPoint), 4.0f, 1e-3f);
}

TEST(XC_Frustum, PointsInsideAndOutside)
{
    const XC_Frustum frustum = MakeFrustum();
    struct Case { D3DXVECTOR3 vPoint; BOOL bInside; };
    const Case cases[] = {
        {{0.0f, 0.0f, 50.0f}, TRUE},   {{49.0f, -49.0f, 50.0f}, TRUE}, {{0.0f, 0.0f, 0.5f}, FALSE},
        {{0.0f, 0.0f, 150.0f}, FALSE}, {{51.0f, 0.0f, 50.0f}, FALSE},  {{0.0f, -51.0f, 50.0f}, FALSE},
        {{0.0f, 0.0f, -10.0f}, FALSE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frustum.PointInFrustum(&c.vPoint), c.bInside) << c.vPoint.x << "," << c.vPoint.y << "," << c.vPoint.z;
        EXPECT_EQ(frustum.PointInFrustum(c.vPoint.x, c.vPoint.y, c.vPoint.z), c.bInside);
    }
}

TEST(XC_Frustum, SpheresCountWhenTheyCutAPlane)
{
    const XC_Frustum frustum = MakeFrustum();
    // (60, 0, 50) lies 10 / sqrt(2) = 7.07 outside the right plane.
    struct Case { D3DXVECTOR3 vCenter; float fRadius; BOOL bInside; };
    const Case cases[] = {
        {{0.0f, 0.0f, 50.0f}, 1.0f, TRUE},
        {{60.0f, 0.0f, 50.0f}, 5.0f, FALSE},
        {{60.0f, 0.0f, 50.0f}, 8.0f, TRUE},
        {{0.0f, 0.0f, 0.5f}, 1.0f, TRUE},
        {{0.0f, 0.0f, 0.5f}, 0.4f, FALSE},
        {{0.0f, 0.0f, 103.0f}, 2.0f, FALSE},
    };
    for (const Case& c : cases) {
        const XS_BoundingSphere sphere = {c.vCenter, c.fRadius};
        EXPECT_EQ(frustum.SphereInFrustum(&sphere), c.bInside) << c.vCenter.x << " r " << c.fRadius;
        EXPECT_EQ(frustum.SphereInFrustum(&c.vCenter, c.fRadius), c.bInside);
        EXPECT_EQ(frustum.SphereInFrustum(c.vCenter.x, c.vCenter.y, c.vCenter.z, c.fRadius), c.bInside);
    }
}

TEST(XC_Frustum, BoxesAndCubesInsideOutsideAndStraddling)
{
    const XC_Frustum frustum = MakeFrustum();
    struct Case { D3DXVECTOR3 vCenter; D3DXVECTOR3 vHalf; BOOL bInside; };
    const Case cases[] = {
        {{0.0f, 0.0f, 50.0f}, {1.0f, 1.0f, 1.0f}, TRUE},
        {{0.0f, 0.0f, -10.0f}, {1.0f, 1.0f, 1.0f}, FALSE},
        {{0.0f, 0.0f, 1.0f}, {0.5f, 0.5f, 0.5f}, TRUE},
        {{0.0f, 0.0f, 100.0f}, {5.0f, 5.0f, 5.0f}, TRUE},
        {{80.0f, 0.0f, 50.0f}, {5.0f, 5.0f, 5.0f}, FALSE},
        {{80.0f, 0.0f, 50.0f}, {40.0f, 1.0f, 1.0f}, TRUE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frustum.BoxInFrustum(&c.vCenter, &c.vHalf), c.bInside) << c.vCenter.x << "," << c.vCenter.z;
        EXPECT_EQ(frustum.BoxInFrustum(c.vCenter.x, c.vCenter.y, c.vCenter.z, c.vHalf.x, c.vHalf.y, c.vHalf.z),
                  c.bInside);
        if (c.vHalf.x == c.vHalf.y && c.vHalf.y == c.vHalf.z) {
            EXPECT_EQ(frustum.CubeInFrustum(&c.vCenter, c.vHalf.x), c.bInside);
            EXPECT_EQ(frustum.CubeInFrustum(c.vCenter.x, c.vCenter.y, c.vCenter.z, c.vHalf.x), c.bInside);
        }
    }
}

TEST(XC_Frustum, SingularMatrixKeepsThePlanes)
{
    ErrorLogCapture log;
    XC_Frustum frustum = MakeFrustum();
    const float fZeros[16] = {};
    const D3DXMATRIX matZero(fZeros);
    frustum.Build(matZero, matZero);
    EXPECT_TRUE(log.Contains("D3DXMatrixInverse"));
    EXPECT_TRUE(frustum.PointInFrustum(0.0f, 0.0f, 50.0f));
    EXPECT_FALSE(frustum.PointInFrustum(0.0f, 0.0f, -10.0f));
}
