#pragma once

#include <windows.h>

// The world camera's start pitch and zoom and their bounds (pitches in radians).
// Read from the game-parameter file at start-up; the battle reads the fields.
class XC_GameParameter
{
public:
    XC_GameParameter() = default;
    virtual ~XC_GameParameter() = default;

    float fCameraPitch = 0.7853982f;
    float fCameraPitchMax = 1.5707964f;
    float fCameraPitchMin = 0.0f;
    float fCameraZoom = 50.0f;
    float fCameraZoomMax = 0.0f;
    float fCameraZoomMin = 3000.0f;
};

extern XC_GameParameter* g_pGameParameter;
