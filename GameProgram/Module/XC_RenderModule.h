#pragma once

#include "GameProgram/Module/XC_ModuleBase.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"

// A module that draws through a painter and a render environment of its own.
// The environment starts with the engine's global camera and light men, so
// they must exist when the module is made.
class XC_RenderModule : public XC_ModuleBase
{
public:
    XC_RenderModule();

    // Draws every render-queue group of the module's painter.
    void Render() override;
    virtual XC_Painter* GetPainter() { return &m_Painter; }
    virtual XC_EnvironmentOfRender* GetEnvironmentOfRender() { return &m_EnvironmentOfRender; }
    virtual XC_LightMan* GetWorldLightMan() { return m_EnvironmentOfRender.GetWorldLightMan(); }
    virtual XC_CameraMan* GetWorldCameraMan() { return m_EnvironmentOfRender.GetWorldCameraMan(); }
    virtual XC_LightMan* GetScreenLightMan() { return m_EnvironmentOfRender.GetScreenLightMan(); }
    virtual XC_CameraMan* GetScreenCameraMan() { return m_EnvironmentOfRender.GetScreenCameraMan(); }

private:
    XC_Painter m_Painter;
    XC_EnvironmentOfRender m_EnvironmentOfRender;
};
