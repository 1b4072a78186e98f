#include "GameProgram/Painter/XC_EnvironmentOfRender.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_CameraMan* g_pWorldCameraMan = nullptr;
XC_LightMan* g_pWorldLightMan = nullptr;
XC_LightMan* g_pScreenLightMan = nullptr;
XC_CameraMan* g_pScreenCameraMan = nullptr;

namespace {

// The global man, reported by its name when it does not exist.
template <typename T>
T* TakeGlobal(T* pGlobal, const char* szName, int iLine)
{
    if (pGlobal == nullptr)
        XF_ReportError(s_szSourceFile, iLine, XF_FormatText("( %s ) failed", szName));
    return pGlobal;
}

} // namespace

XC_EnvironmentOfRender::XC_EnvironmentOfRender()
    : m_pWorldCameraMan(TakeGlobal(g_pWorldCameraMan, "g_pWorldCameraMan", __LINE__))
    , m_pWorldLightMan(TakeGlobal(g_pWorldLightMan, "g_pWorldLightMan", __LINE__))
    , m_pScreenLightMan(TakeGlobal(g_pScreenLightMan, "g_pScreenLightMan", __LINE__))
    , m_pScreenCameraMan(TakeGlobal(g_pScreenCameraMan, "g_pScreenCameraMan", __LINE__))
{
}

XI_Painter* XC_EnvironmentOfRender::GetPainter()
{
    if (m_pPainter == nullptr)
        XM_REPORT_FAILED("m_pPainter");
    return m_pPainter;
}

XC_LightMan* XC_EnvironmentOfRender::GetWorldLightMan()
{
    if (m_pWorldLightMan == nullptr)
        XM_REPORT_FAILED("m_pWorldLightMan");
    return m_pWorldLightMan;
}

XC_CameraMan* XC_EnvironmentOfRender::GetWorldCameraMan()
{
    if (m_pWorldCameraMan == nullptr)
        XM_REPORT_FAILED("m_pWorldCameraMan");
    return m_pWorldCameraMan;
}

XC_LightMan* XC_EnvironmentOfRender::GetScreenLightMan()
{
    if (m_pScreenLightMan == nullptr)
        XM_REPORT_FAILED("m_pScreenLightMan");
    return m_pScreenLightMan;
}

XC_CameraMan* XC_EnvironmentOfRender::GetScreenCameraMan()
{
    if (m_pScreenCameraMan == nullptr)
        XM_REPORT_FAILED("m_pScreenCameraMan");
    return m_pScreenCameraMan;
}

HRESULT XC_EnvironmentOfRender::SetPainter(XI_Painter* pPainter)
{
    if (pPainter == nullptr)
        return E_FAIL;
    m_pPainter = pPainter;
    return S_OK;
}

void XC_EnvironmentOfRender::SetWorldCameraMan(XC_CameraMan* pCameraMan)
{
    m_pWorldCameraMan = pCameraMan != nullptr ? pCameraMan
                                              : TakeGlobal(g_pWorldCameraMan, "g_pWorldCameraMan", __LINE__);
}

void XC_EnvironmentOfRender::SetWorldLightMan(XC_LightMan* pLightMan)
{
    m_pWorldLightMan = pLightMan != nullptr ? pLightMan
                                            : TakeGlobal(g_pWorldLightMan, "g_pWorldLightMan", __LINE__);
}

void XC_EnvironmentOfRender::SetScreenCameraMan(XC_CameraMan* pCameraMan)
{
    m_pScreenCameraMan = pCameraMan != nullptr ? pCameraMan
                                               : TakeGlobal(g_pScreenCameraMan, "g_pScreenCameraMan", __LINE__);
}

void XC_EnvironmentOfRender::SetScreenLightMan(XC_LightMan* pLightMan)
{
    m_pScreenLightMan = pLightMan != nullptr ? pLightMan
                                             : TakeGlobal(g_pScreenLightMan, "g_pScreenLightMan", __LINE__);
}
