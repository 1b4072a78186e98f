#include "GameProgram/Scene/XC_Mouse.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_Mouse* g_pMouseObj = nullptr;

namespace {

const float SCREEN_HALF_WIDTH = 400.0f;
const float SCREEN_HALF_HEIGHT = 300.0f;

} // namespace

XC_Mouse::~XC_Mouse()
{
    Fini();
}

void XC_Mouse::SetVisible(BOOL bVisible)
{
    m_bVisible = bVisible;
    ApplyShow();
}

void XC_Mouse::SetEnable(BOOL bEnable)
{
    m_bEnable = bEnable;
    ApplyShow();
}

BOOL XC_Mouse::GetVisible() const
{
    return m_bVisible;
}

BOOL XC_Mouse::GetEnable() const
{
    return m_bEnable;
}

void XC_Mouse::ApplyShow()
{
    m_CursorManager.SetShow(m_bVisible && m_bEnable);
}

HRESULT XC_Mouse::Init(XI_PackFile* pPackFile, XI_EnvironmentOfRender* pEnvironmentOfRender,
                       const char* szCursorFileName)
{
    const HRESULT hrFini = Fini();
    if (FAILED(hrFini))
        XM_REPORT_FAILED_HR("Fini()", hrFini);
    if (pPackFile == nullptr) {
        XM_REPORT_FAILED("pPackFile");
        return E_FAIL;
    }
    if (pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("pEnvironmentOfRender");
        return E_FAIL;
    }
    m_CursorManager.Init(pPackFile);
    m_CursorManager.SetEnvironmentOfRender(pEnvironmentOfRender);
    // The cursor's objects take the cursor's show state, not the manager's
    // default, as they are added.
    ApplyShow();
    m_bInited = 1;
    return m_CursorManager.AddSceneElement(szCursorFileName);
}

HRESULT XC_Mouse::Fini()
{
    if (m_bInited)
        m_CursorManager.ClearAll();
    m_bInited = 0;
    return S_OK;
}

void XC_Mouse::SetCursorPosition(float fX, float fY)
{
    m_CursorManager.SetPositionXYZ(fX - SCREEN_HALF_WIDTH, -(fY - SCREEN_HALF_HEIGHT), 0.0f);
}

float XC_Mouse::GetCursorPosX()
{
    return m_CursorManager.QueryWorldPosition()->x;
}

float XC_Mouse::GetCursorPosY()
{
    return m_CursorManager.QueryWorldPosition()->y;
}

XI_EnvironmentOfRender* XC_Mouse::GetEnvironmentOfRender() const
{
    return m_CursorManager.GetEnvironmentOfRender();
}

XC_SceneElementManager* XC_Mouse::GetCursorManager()
{
    return &m_CursorManager;
}
