#pragma once

#include "GameProgram/Painter/XI_EnvironmentOfRender.h"

#include <windows.h>

// A painter with the camera and light men to draw through. Owns none of them;
// starts with the four global men and no painter.
class XC_EnvironmentOfRender : public XI_EnvironmentOfRender
{
public:
    XC_EnvironmentOfRender();

    XI_Painter* GetPainter() override;
    XC_LightMan* GetWorldLightMan() override;
    XC_CameraMan* GetWorldCameraMan() override;
    XC_LightMan* GetScreenLightMan() override;
    XC_CameraMan* GetScreenCameraMan() override;

    // E_FAIL for a null painter, which leaves the one set before.
    virtual HRESULT SetPainter(XI_Painter* pPainter);
    // A null man stands for the matching global man.
    virtual void SetWorldCameraMan(XC_CameraMan* pCameraMan);
    virtual void SetWorldLightMan(XC_LightMan* pLightMan);
    virtual void SetScreenCameraMan(XC_CameraMan* pCameraMan);
    virtual void SetScreenLightMan(XC_LightMan* pLightMan);

private:
    XC_CameraMan* m_pWorldCameraMan;
    XC_LightMan* m_pWorldLightMan;
    XC_LightMan* m_pScreenLightMan;
    XC_CameraMan* m_pScreenCameraMan;
    XI_Painter* m_pPainter = nullptr;
};

// The engine's camera and light men for the world and for the screen; the
// application creates and deletes them. Null while absent.
extern XC_CameraMan* g_pWorldCameraMan;
extern XC_LightMan* g_pWorldLightMan;
extern XC_LightMan* g_pScreenLightMan;
extern XC_CameraMan* g_pScreenCameraMan;
