#include "GameProgram/RenderingObject/XC_RenderXFile.h"

#include "GameProgram/Resource/XC_XFileObject.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"

#include <gtest/gtest.h>

TEST(XC_RenderXFile, RayAgainstTheBoundingSphere)
{
    XC_RenderXFile mesh;
    *mesh.GetBoundingSphere() = XS_BoundingSphere{D3DXVECTOR3(0.0f, 0.0f, 5.0f), 1.0f};
    const struct
    {
        D3DXVECTOR3 vOrigin;
        D3DXVECTOR3 vDirection;
        BOOL bHit;
        float fDistance;
    } CASES[] = {
        {D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(0.0f, 0.0f, 1.0f), TRUE, 5.0f},
        {D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(0.0f, 0.0f, -1.0f), FALSE, 0.0f},
        {D3DXVECTOR3(0.0f, 0.9f, 0.0f), D3DXVECTOR3(0.0f, 0.0f, 1.0f), TRUE, 5.0806f},
        {D3DXVECTOR3(0.0f, 2.0f, 0.0f), D3DXVECTOR3(0.0f, 0.0f, 1.0f), FALSE, 0.0f},
        // Inside the sphere, pointing away from its centre.
        {D3DXVECTOR3(0.0f, 0.0f, 5.5f), D3DXVECTOR3(0.0f, 0.0f, 1.0f), FALSE, 0.0f},
    };
    for (const auto& test : CASES) {
        float fDistance = 0.0f;
        EXPECT_EQ(mesh.IntersectRay(&test.vOrigin, &test.vDirection, &fDistance), test.bHit) << test.vOrigin.y;
        if (test.bHit) {
            EXPECT_NEAR(fDistance, test.fDistance, 1e-3f);
        }
    }
}

TEST(XC_RenderXFile, AFileWithoutAnimationNeverStartsTheTimer)
{
    FakeEnvironment environment;
    XC_XFileObject file;
    file.AddRef();
    XC_RenderXFile mesh;
    mesh.SetEnvironmentOfRender(&environment);
    mesh.SetShow(TRUE);
    EXPECT_FALSE(environment.painter.Holds(&mesh));
    ASSERT_EQ(mesh.SetXFileObject(&file), S_OK);
    EXPECT_TRUE(environment.painter.Holds(&mesh));
    EXPECT_EQ(mesh.GetAnimController(), nullptr);
    EXPECT_FALSE(mesh.IsRunning());
    EXPECT_EQ(file.GetRef(), 2);
    mesh.SetXFileObject(nullptr);
    EXPECT_FALSE(environment.painter.Holds(&mesh));
    EXPECT_EQ(file.GetRef(), 1);
}
