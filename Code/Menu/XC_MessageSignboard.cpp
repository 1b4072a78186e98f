#include "Code/Menu/XC_MessageSignboard.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// Above the mouse layer (90), so the signboard lies over the menus.
const DWORD SIGNBOARD_RENDER_GROUP = 91;
const DWORD MESSAGE_COLOR = 0xFFFFFFFF;

} // namespace

HRESULT XC_MessageSignboard::Init(XI_EnvironmentOfRender* pEnvironmentOfRender, BOOL bLarge)
{
    const HRESULT hr = Fini();
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("Fini()", hr);
    SetEnvironmentOfRender(pEnvironmentOfRender);
    SetShow(FALSE);

    m_pAni_Frame = new XC_RenderAnimation;
    m_pRS_Message = new XC_RenderString;
    m_pRS_Message->SetString("123456789", MESSAGE_COLOR);
    m_pRS_Message->SetRenderFontFrame(TRUE);
    if (bLarge) {
        m_pAni_Frame->LoadAnimation("WorldMap\\MessageBox.ant");
        m_pAni_Frame->SetPositionXYZ(0.0f, 0.0f, 0.0f);
        m_pRS_Message->SetPositionXYZ(20.0f, -27.0f, -100.0f);
        m_pRS_Message->SetAutoLineFeed(TRUE);
        m_pRS_Message->SetLineMaxLength(155.0f);
    } else {
        m_pAni_Frame->LoadAnimation("Menu\\MessageBoxSmall.ant");
        m_pAni_Frame->SetPositionXYZ(81.0f, -24.0f, 0.0f);
        m_pRS_Message->SetPositionXYZ(0.0f, -10.0f, -100.0f);
        m_pRS_Message->SetAligeText(1);
    }
    m_pAni_Frame->SetRePlay(FALSE);
    m_pAni_Frame->SetCurrentPage(0);
    m_pAni_Frame->AddChild(m_pRS_Message);
    AddRenderingObject(m_pRS_Message);
    AddRenderingObject(m_pAni_Frame);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(SIGNBOARD_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_MessageSignboard::Fini()
{
    m_pAni_Frame = nullptr;
    m_pRS_Message = nullptr;
    return ClearAll();
}

HRESULT XC_MessageSignboard::SetMessage(const char* szMessage)
{
    if (szMessage == nullptr) {
        XM_REPORT_FAILED("szMessage");
        return S_OK;
    }
    if (m_pRS_Message == nullptr)
        return S_OK;
    const HRESULT hr = m_pRS_Message->SetString(szMessage, MESSAGE_COLOR);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("m_pRS_Message->SetString( szMessage )", hr);
    return S_OK;
}
