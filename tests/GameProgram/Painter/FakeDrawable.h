#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "tests/Support/RecordingDevice.h"

#include <string>
#include <vector>

// What was drawn and cleared, in order: drawables by name, depth clears as "|".
typedef std::vector<std::string> DrawLog;

// A drawable whose group, coordinate system, blending, visibility and sort
// value a test sets; drawing writes its name into the log.
class FakeDrawable : public XC_RenderingObject
{
public:
    FakeDrawable(DrawLog& log, std::string name, DWORD dwGroup, DWORD dwCoordinateSystem = CS_World,
                 float fSortValue = 0.0f, BOOL bAlpha = FALSE)
        : m_Log(log)
        , m_strName(std::move(name))
        , m_dwGroup(dwGroup)
        , m_dwCoordinateSystem(dwCoordinateSystem)
        , m_fSortValue(fSortValue)
        , m_bAlpha(bAlpha)
    {
    }

    BOOL bVisible = TRUE;

    const char* GetName() const override { return m_strName.c_str(); }
    DWORD GetCoordinateSystem() const override { return m_dwCoordinateSystem; }
    DWORD GetRenderQueueGroup() const override { return m_dwGroup; }
    BOOL IsAlphaBlend() override { return m_bAlpha; }
    BOOL CheckVisible(float* pfSortValue) override
    {
        if (bVisible)
            *pfSortValue = m_fSortValue;
        return bVisible;
    }
    void Render() override { m_Log.push_back(m_strName); }

private:
    DrawLog& m_Log;
    std::string m_strName;
    DWORD m_dwGroup;
    DWORD m_dwCoordinateSystem;
    float m_fSortValue;
    BOOL m_bAlpha;
};

// A device that writes each depth clear into the log.
class ClearLoggingDevice : public RecordingDevice
{
public:
    explicit ClearLoggingDevice(DrawLog& log) : m_Log(log) {}

    HRESULT STDMETHODCALLTYPE Clear(DWORD dwCount, const D3DRECT* pRects, DWORD dwFlags, D3DCOLOR color, float fZ,
                                    DWORD dwStencil) override
    {
        const bool bDepthOnly = dwCount == 0 && pRects == nullptr && dwFlags == D3DCLEAR_ZBUFFER
                             && color == 0xFFFFFFFF && fZ == 1.0f && dwStencil == 0;
        m_Log.push_back(bDepthOnly ? "|" : "other clear");
        return D3D_OK;
    }

private:
    DrawLog& m_Log;
};
