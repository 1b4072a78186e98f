#include "Code/Menu/BattleMenu/XC_BattleExplain.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The Mouse layer plus one: the line draws above every menu.
const DWORD EXPLAIN_RENDER_GROUP = 91;
const DWORD MESSAGE_COLOR = 0xFFFFFFFF;

} // namespace

HRESULT XC_BattleExplain::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    const HRESULT hr = Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("Fini()", hr);
    SetEnvironmentOfRender(pEnvironmentOfRender);
    SetShow(FALSE);

    m_pRA_Mark = new XC_RenderAnimation;
    m_pRS_Message = new XC_RenderString;
    m_pRA_Mark->LoadAnimation("Menu\\skill\\msg_mark.ant");
    m_pRA_Mark->SetPositionXYZ(60.0f, -50.0f, 0.0f);
    m_pRA_Mark->SetRePlay(FALSE);
    m_pRA_Mark->SetPlay(FALSE);
    m_pRS_Message->SetString("123456789", MESSAGE_COLOR);
    m_pRS_Message->SetPositionXYZ(10.0f, 2.0f, -50.0f);
    m_pRS_Message->SetAligeText(0);
    m_pRS_Message->SetRenderFontFrame(TRUE);
    m_pRA_Mark->AddChild(m_pRS_Message);

    AddRenderingObject(m_pRA_Mark);
    AddRenderingObject(m_pRS_Message);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(EXPLAIN_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_BattleExplain::Fini()
{
    m_pRA_Mark = nullptr;
    m_pRS_Message = nullptr;
    ClearAll();
    return S_OK;
}

HRESULT XC_BattleExplain::SetMessage(const char* szMessage)
{
    if (szMessage == nullptr) {
        XM_REPORT_FAILED("szMessage");
        return S_OK;
    }
    if (m_pRS_Message == nullptr)
        return S_OK;
    const HRESULT hr = m_pRS_Message->SetString(szMessage, MESSAGE_COLOR);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pRS_Message->SetString( szMessage )", hr);
    return S_OK;
}
