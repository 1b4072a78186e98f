#include "GameProgram/Module/XC_RenderModule.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_RenderModule::XC_RenderModule()
{
    const HRESULT hr = m_EnvironmentOfRender.SetPainter(&m_Painter);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_EnvironmentOfRender.SetPainter( &m_Painter)", hr);
}

void XC_RenderModule::Render()
{
    m_Painter.Render();
}
