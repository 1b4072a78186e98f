#pragma once

#include "GameProgram/DirectState/XC_SetDirectState.h"
#include "GameProgram/LightMan/XC_LightBulb.h"

#include <windows.h>

class XC_TextNode;

const DWORD XD_LightBulbMax = 8;

// One lighting set-up of a scene: eight lights, the ambient colour, linear
// fog and a brightness factor. One light man is active at a time; its render
// states live in its own state set, which stays active while it is.
class XC_LightMan
{
public:
    XC_LightMan();
    virtual ~XC_LightMan();
    XC_LightMan(const XC_LightMan&) = delete;
    XC_LightMan& operator=(const XC_LightMan&) = delete;

    // Writes the lights and states to the device unless this light man is
    // already active and unchanged.
    void Activate();
    void SetDirty();
    void SetBrightness(float fBrightness);
    float GetBrightness() const;
    // Copies the bulb and builds its light.
    void SetLightBulb(DWORD dwLightInx, const XC_LightBulb& LightBulb);
    void EnableLightBulb(DWORD dwLightInx, BOOL bEnable);
    void ResetLightBulbs();
    // Added to the fog's start and end, so the fog follows the camera's distance.
    void SetFogOffset(float fFogOffset);
    DWORD GetFogColor() const;
    // Bulbs 0 to 5 only, as the files hold them.
    void SaveToNode(XC_TextNode* pTNode) const;
    int LoadFromNode(const XC_TextNode* pTNode);

private:
    void WriteLights() const;
    void WriteAmbient();
    void WriteFog();

    float m_fBrightness;
    BOOL m_bChanged;
    XC_SetDirectState m_SetDirectState;
    XC_LightBulb m_LightBulbs[XD_LightBulbMax];
    D3DCOLOR m_dwAmbientColor;
    DWORD AmbientLight_Red;
    DWORD AmbientLight_Green;
    DWORD AmbientLight_Blue;
    float m_fFogOffset;
    DWORD bFogEnable;
    DWORD dwFogColor;
    float fFogStartValue;
    float fFogEndValue;
};

// The active light man, or null.
extern XC_LightMan* g_pActiveLightMan;
