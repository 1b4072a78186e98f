#pragma once

#include <windows.h>

class XC_RenderingObject;

// Where a drawable is filed to be drawn and taken out again.
class XI_Painter
{
public:
    virtual ~XI_Painter() = default;
    virtual BOOL AddRenderObj(XC_RenderingObject* pRenderObj) = 0;
    virtual BOOL RemoveRenderObj(XC_RenderingObject* pRenderObj) = 0;
};
