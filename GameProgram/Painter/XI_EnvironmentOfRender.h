#pragma once

class XC_CameraMan;
class XC_LightMan;
class XI_Painter;

// What a drawable is given to find its painter and the camera and light men
// for world and for screen coordinates.
class XI_EnvironmentOfRender
{
public:
    virtual ~XI_EnvironmentOfRender() = default;
    virtual XI_Painter* GetPainter() = 0;
    virtual XC_LightMan* GetWorldLightMan() = 0;
    virtual XC_CameraMan* GetWorldCameraMan() = 0;
    virtual XC_LightMan* GetScreenLightMan() = 0;
    virtual XC_CameraMan* GetScreenCameraMan() = 0;
};
