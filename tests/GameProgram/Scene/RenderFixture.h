#pragma once

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"

#include "tests/GameProgram/Scene/FloorTestDevice.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/ScopedGlobalDevice.h"

#include <gtest/gtest.h>

// A render environment of its own (painter, cameras, lights) on the fake
// device, and a pack file in memory; no texture or mesh manager. Header-only,
// as the engine's test helpers are.
class RenderFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        m_Environment.SetPainter(&m_Painter);
        m_Environment.SetWorldCameraMan(&m_WorldCamera);
        m_Environment.SetScreenCameraMan(&m_ScreenCamera);
        m_Environment.SetWorldLightMan(&m_WorldLight);
        m_Environment.SetScreenLightMan(&m_ScreenLight);
    }

    FloorTestDevice m_Device;
    ScopedGlobalDevice m_GlobalDevice{&m_Device};
    XC_Painter m_Painter;
    XC_CameraMan m_WorldCamera;
    XC_CameraMan m_ScreenCamera;
    XC_LightMan m_WorldLight;
    XC_LightMan m_ScreenLight;
    XC_EnvironmentOfRender m_Environment;
    MemoryPackFile m_Pack;
};
