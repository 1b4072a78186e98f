#pragma once

#include <windows.h>

// Coordinate systems: seen through the world or the screen camera and light.
enum { CS_World = 0, CS_Screen = 1 };
// Render-queue group ids run from RQG_00 up to, not including, RQG_None.
enum { RQG_00 = 0, RQG_None = 100 };

// The drawable: the base of everything that is drawn. What the painter sorts
// and draws it by.
class XC_RenderingObject
{
public:
    virtual ~XC_RenderingObject() = default;

    virtual const char* GetName() const = 0;
    virtual DWORD GetCoordinateSystem() const = 0;
    virtual DWORD GetRenderQueueGroup() const = 0;
    // Nonzero when drawn with alpha blending.
    virtual BOOL IsAlphaBlend() = 0;
    // FALSE when culled; otherwise writes the value the object is sorted by
    // in its render-queue group.
    virtual BOOL CheckVisible(float* pfSortValue) = 0;
    virtual void Render() = 0;
};
