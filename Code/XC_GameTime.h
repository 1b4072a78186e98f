#pragma once

#include <windows.h>

// Camera speeds and the battle's timings, in seconds (the rotation speed in radians per second).
// Read from the game-parameter file at start-up; the battle reads the fields.
class XC_GameTime
{
public:
    XC_GameTime() = default;
    virtual ~XC_GameTime() = default;

    float fCameraMoveSpeed = 1.0f;
    float fCameraMoveSpeed2 = 1.0f;
    float fCameraRotationSpeed = 90.0f;
    float fPersonActionBegin = 1.0f;
    float fPersonActionInterval = 1.0f;
    float fPersonActionEnd = 1.0f;
    float fPersonActionBegin2 = 1.0f;
    float fPersonActionInterval2 = 1.0f;
    float fPersonActionEnd2 = 1.0f;
    float fDisplayAttackDistance = 1.0f;
    float fDisplayAttackScope = 1.0f;
    float fDisplayMoveScope = 1.0f;
    float fDisplaySkillName = 1.0f;
    float fSkillDelay = 0.0f;
    float fDisplayGetItem = 1.0f;
};

extern XC_GameTime* g_pGameTime;
