#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <d3dx9math.h>

#include <string>

// The base of the showcase's small drawables, standing in for the game's
// own: each draws one kind of resource with its manager's own calls, in the
// first render-queue group, always visible and opaque. Screen drawables
// place things in pixels, the origin at the screen's centre and y upwards.
class ShowcaseDrawable : public XC_RenderingObject
{
public:
    ShowcaseDrawable(const char* szName, DWORD dwCoordinateSystem);

    const char* GetName() const override { return m_strName.c_str(); }
    DWORD GetCoordinateSystem() const override { return m_dwCoordinateSystem; }
    DWORD GetRenderQueueGroup() const override { return RQG_00; }
    BOOL IsAlphaBlend() override { return FALSE; }
    BOOL CheckVisible(float* pfSortValue) override;

protected:
    // The pixel-sized orthographic view of the screen drawables, unlit, with
    // point sampling so pictures keep their exact colours.
    static void ApplyScreenView();
    static D3DXMATRIX At(float x, float y);

private:
    std::string m_strName;
    DWORD m_dwCoordinateSystem;
};
