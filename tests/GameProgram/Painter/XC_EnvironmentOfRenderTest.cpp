#include "GameProgram/Painter/XC_EnvironmentOfRender.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_Painter.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

// The engine's four global men for the life of the object.
struct GlobalMen
{
    GlobalMen()
    {
        g_pWorldCameraMan = &worldCamera;
        g_pWorldLightMan = &worldLight;
        g_pScreenLightMan = &screenLight;
        g_pScreenCameraMan = &screenCamera;
    }
    ~GlobalMen()
    {
        g_pWorldCameraMan = nullptr;
        g_pWorldLightMan = nullptr;
        g_pScreenLightMan = nullptr;
        g_pScreenCameraMan = nullptr;
    }

    XC_CameraMan worldCamera, screenCamera;
    XC_LightMan worldLight, screenLight;
};

} // namespace

TEST(XC_EnvironmentOfRender, StartsWithTheGlobalMenAndNoPainter)
{
    ErrorLogCapture log;
    GlobalMen men;
    XC_EnvironmentOfRender environment;
    EXPECT_EQ(environment.GetWorldCameraMan(), &men.worldCamera);
    EXPECT_EQ(environment.GetWorldLightMan(), &men.worldLight);
    EXPECT_EQ(environment.GetScreenCameraMan(), &men.screenCamera);
    EXPECT_EQ(environment.GetScreenLightMan(), &men.screenLight);
    EXPECT_EQ(log.Text(), "");
    EXPECT_EQ(environment.GetPainter(), nullptr);
    EXPECT_TRUE(log.Contains("( m_pPainter ) failed"));

    XC_Painter painter, other;
    EXPECT_EQ(environment.SetPainter(&painter), S_OK);
    EXPECT_EQ(environment.SetPainter(nullptr), E_FAIL);
    EXPECT_EQ(environment.GetPainter(), &painter);
    EXPECT_EQ(environment.SetPainter(&other), S_OK);
    EXPECT_EQ(environment.GetPainter(), &other);
}

TEST(XC_EnvironmentOfRender, NullManGoesBackToTheGlobalOne)
{
    GlobalMen men;
    XC_EnvironmentOfRender environment;
    XC_CameraMan ownWorldCamera, ownScreenCamera;
    XC_LightMan ownWorldLight, ownScreenLight;
    environment.SetWorldCameraMan(&ownWorldCamera);
    environment.SetWorldLightMan(&ownWorldLight);
    environment.SetScreenCameraMan(&ownScreenCamera);
    environment.SetScreenLightMan(&ownScreenLight);
    EXPECT_EQ(environment.GetWorldCameraMan(), &ownWorldCamera);
    EXPECT_EQ(environment.GetWorldLightMan(), &ownWorldLight);
    EXPECT_EQ(environment.GetScreenCameraMan(), &ownScreenCamera);
    EXPECT_EQ(environment.GetScreenLightMan(), &ownScreenLight);

    environment.SetWorldCameraMan(nullptr);
    environment.SetWorldLightMan(nullptr);
    environment.SetScreenCameraMan(nullptr);
    environment.SetScreenLightMan(nullptr);
    EXPECT_EQ(environment.GetWorldCameraMan(), &men.worldCamera);
    EXPECT_EQ(environment.GetWorldLightMan(), &men.worldLight);
    EXPECT_EQ(environment.GetScreenCameraMan(), &men.screenCamera);
    EXPECT_EQ(environment.GetScreenLightMan(), &men.screenLight);
}

TEST(XC_EnvironmentOfRender, MissingGlobalMenAreReportedByName)
{
    ErrorLogCapture log;
    XC_EnvironmentOfRender environment;
    for (const char* szName : {"g_pWorldCameraMan", "g_pWorldLightMan", "g_pScreenLightMan", "g_pScreenCameraMan"})
        EXPECT_TRUE(log.Contains(std::string("( ") + szName + " ) failed")) << szName;
    EXPECT_EQ(environment.GetWorldCameraMan(), nullptr);
    EXPECT_EQ(environment.GetWorldLightMan(), nullptr);
    EXPECT_EQ(environment.GetScreenCameraMan(), nullptr);
    EXPECT_EQ(environment.GetScreenLightMan(), nullptr);
    for (const char* szName : {"m_pWorldCameraMan", "m_pWorldLightMan", "m_pScreenLightMan", "m_pScreenCameraMan"})
        EXPECT_TRUE(log.Contains(std::string("( ") + szName + " ) failed")) << szName;

    // Going back to a global that is missing is reported too, and leaves none.
    XC_CameraMan own;
    environment.SetWorldCameraMan(&own);
    g_pErrorLog->ClearRecords();
    environment.SetWorldCameraMan(nullptr);
    EXPECT_EQ(environment.GetWorldCameraMan(), nullptr);
    EXPECT_TRUE(log.Contains("( g_pWorldCameraMan ) failed"));
}
