#include "GameProgram/Module/XC_RenderModule.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Module/XC_ModuleManager.h"

#include "tests/GameProgram/Painter/FakeDrawable.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

TEST(XC_RenderModule, StackedModulesDrawThroughTheirOwnPainters)
{
    DrawLog log;
    ClearLoggingDevice device(log);
    g_pVar->g_pD3DDevice = &device;
    XC_RenderModule lower, upper;
    upper.SetShowLowerModule(TRUE);
    EXPECT_EQ(lower.GetEnvironmentOfRender()->GetPainter(), lower.GetPainter());
    FakeDrawable background(log, "background", 10), menu(log, "menu", 70, CS_Screen);
    ASSERT_TRUE(lower.GetPainter()->AddRenderObj(&background));
    ASSERT_TRUE(upper.GetPainter()->AddRenderObj(&menu));

    XC_ModuleManager manager;
    manager.AddModule(&lower);
    manager.AddModule(&upper);
    manager.Render();
    EXPECT_EQ(log, DrawLog({"|", "background", "|", "menu"}));

    log.clear();
    upper.SetShowLowerModule(FALSE);
    manager.Render();
    EXPECT_EQ(log, DrawLog({"|", "menu"}));

    manager.RemoveAllModules();
    lower.GetPainter()->RemoveRenderObj(&background);
    upper.GetPainter()->RemoveRenderObj(&menu);
    g_pVar->g_pD3DDevice = nullptr;
}

TEST(XC_RenderModule, CameraAndLightMenComeFromItsEnvironment)
{
    ErrorLogCapture log;
    {
        XC_RenderModule early; // made before the engine's men exist
        EXPECT_TRUE(log.Contains("( g_pWorldCameraMan ) failed"));
        EXPECT_EQ(early.GetWorldCameraMan(), nullptr);
    }

    XC_CameraMan worldCamera, screenCamera, ownCamera;
    XC_LightMan worldLight, screenLight;
    g_pWorldCameraMan = &worldCamera;
    g_pWorldLightMan = &worldLight;
    g_pScreenLightMan = &screenLight;
    g_pScreenCameraMan = &screenCamera;
    XC_RenderModule module;
    EXPECT_EQ(module.GetWorldCameraMan(), &worldCamera);
    EXPECT_EQ(module.GetWorldLightMan(), &worldLight);
    EXPECT_EQ(module.GetScreenCameraMan(), &screenCamera);
    EXPECT_EQ(module.GetScreenLightMan(), &screenLight);
    module.GetEnvironmentOfRender()->SetScreenCameraMan(&ownCamera);
    EXPECT_EQ(module.GetScreenCameraMan(), &ownCamera);
    g_pWorldCameraMan = nullptr;
    g_pWorldLightMan = nullptr;
    g_pScreenLightMan = nullptr;
    g_pScreenCameraMan = nullptr;
}
