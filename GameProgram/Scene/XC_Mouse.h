#pragma once

#include "GameProgram/Scene/XC_SceneElementManager.h"

#include <windows.h>

class XI_EnvironmentOfRender;
class XI_PackFile;

// The game's cursor picture: a scene-element manager loaded from a cursor
// file and placed at the mouse position, in screen coordinates centred on
// the middle of the 800×600 screen with y up. It shows while it is both
// visible and enabled.
class XC_Mouse
{
public:
    XC_Mouse() = default;
    virtual ~XC_Mouse();
    XC_Mouse(const XC_Mouse&) = delete;
    XC_Mouse& operator=(const XC_Mouse&) = delete;

    virtual void SetVisible(BOOL bVisible);
    virtual void SetEnable(BOOL bEnable);
    virtual BOOL GetVisible() const;
    virtual BOOL GetEnable() const;

    // E_FAIL when either is missing or the cursor file cannot be loaded.
    HRESULT Init(XI_PackFile* pPackFile, XI_EnvironmentOfRender* pEnvironmentOfRender, const char* szCursorFileName);
    HRESULT Fini();
    // A screen pixel, (0, 0) at the top left.
    void SetCursorPosition(float fX, float fY);
    float GetCursorPosX();
    float GetCursorPosY();
    XI_EnvironmentOfRender* GetEnvironmentOfRender() const;
    XC_SceneElementManager* GetCursorManager();

private:
    void ApplyShow();

    XC_SceneElementManager m_CursorManager;
    BOOL m_bInited = 0;
    BOOL m_bVisible = 0;
    BOOL m_bEnable = 1;
};

// The game's cursor, published by the game object; null while there is none.
extern XC_Mouse* g_pMouseObj;
