#include "JC_Module/JC_ModuleResource.h"

#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "GameProgram/Resource/XC_AnimationManager.h"

#include <gtest/gtest.h>

TEST(JC_ModuleResource, InitiationNeedsAnEnvironment)
{
    JC_ModuleResource resource;
    EXPECT_EQ(resource.Initiation(nullptr), JE_MODULERESOURCE_NULL_ENVIRONMENT);
}

TEST(JC_ModuleResource, AnEmptyFileBuildsAWidgetWithoutResourceStillPlaced)
{
    XC_EnvironmentOfRender environment;
    JC_ModuleResource resource;
    ASSERT_EQ(resource.Initiation(&environment), 0u);
    XC_RenderNode parent;
    XC_RenderAnimation button;
    EXPECT_EQ(resource.BuildScreenAnimation(&button, "", 10, 20, 30, &parent), 0u);
    EXPECT_EQ(button.GetParent(), &parent);
    EXPECT_EQ(*button.GetPosition(), D3DXVECTOR3(10, 20, 30));

    XC_RenderPic picture;
    EXPECT_EQ(resource.BuildWorldPicture(&picture, nullptr, 1, 2, 3, &parent), 0u);
    EXPECT_EQ(picture.GetParent(), &parent);

    XC_RenderString text;
    EXPECT_EQ(resource.BuildScreenStringWithText(&text, "Save", 0xFFFFFFFF, -5, 6, 0, &parent), 0u);
    EXPECT_EQ(*text.GetPosition(), D3DXVECTOR3(-5, 6, 0));
    parent.RemoveAllChildren();
}

TEST(JC_ModuleResource, NullWidgetsAndMissingResourcesGiveTheirKindsCodes)
{
    XC_EnvironmentOfRender environment;
    JC_ModuleResource resource;
    ASSERT_EQ(resource.Initiation(&environment), 0u);
    XC_RenderNode parent;
    EXPECT_EQ(resource.BuildScreenString(nullptr, 0, 0, 0, 0, &parent), 0x89E10401u);
    EXPECT_EQ(resource.ChangeScreenPicture(nullptr, "a.bmp"), 0x89E10301u);
    EXPECT_EQ(resource.ChangeScreenAnimationOrDefault(nullptr, "a.ant", "b.ant"), 0x89E10201u);
    EXPECT_EQ(resource.BuildWorldMesh(nullptr, "a.x", 0, 0, 0, &parent), 0x89E10901u);
    EXPECT_EQ(resource.BuildWorldString(nullptr, 0, 0, 0, 0, &parent), 0x89E10801u);
    EXPECT_EQ(resource.ChangeWorldPicture(nullptr, "a.bmp"), 0x89E10701u);
    EXPECT_EQ(resource.BuildWorldAnimation(nullptr, "a.ant", 0, 0, 0, &parent), 0x89E10601u);
    EXPECT_EQ(resource.BuildScene(nullptr, "a.scn"), 0x89E10501u);
    EXPECT_EQ(resource.BuildScreenGamePicture(nullptr, "a.bmp", 0, 0, 0, &parent), 0x89E10A01u);

    // No manager to load from: the widget stays as it was, unplaced.
    ASSERT_EQ(g_pAnimationManager, nullptr);
    XC_RenderAnimation button;
    EXPECT_EQ(resource.BuildScreenAnimation(&button, "Ani\\Save.ant", 1, 2, 3, &parent), 0x89E10202u);
    EXPECT_EQ(button.GetParent(), nullptr);
    EXPECT_EQ(*button.GetPosition(), D3DXVECTOR3(0, 0, 0));
    XC_RenderPic picture;
    EXPECT_EQ(resource.ChangeWorldPicture(&picture, "a.bmp"), 0x89E10702u);
    EXPECT_EQ(resource.BuildScreenGamePicture(&picture, "a.bmp", 0, 0, 0, &parent), 0x89E10A02u);
    XC_RenderXFile mesh;
    EXPECT_EQ(resource.ChangeWorldMesh(&mesh, "a.x"), 0x89E10902u);
}
