#pragma once

class XC_CameraMan;
class XC_LightMan;

// What a scene is asked for by those that draw or light in it.
class XI_Scene
{
public:
    virtual ~XI_Scene() = default;
    virtual XC_LightMan* GetWorldLightMan() = 0;
    virtual XC_CameraMan* GetWorldCameraMan() = 0;
    virtual XC_LightMan* GetScreenLightMan() = 0;
    virtual XC_CameraMan* GetScreenCameraMan() = 0;
};
