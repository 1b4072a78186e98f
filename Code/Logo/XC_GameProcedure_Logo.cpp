#include "Code/Logo/XC_GameProcedure_Logo.h"

#include "Code/XC_Game.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameProcedureFactory.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/Scene/XC_Mouse.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD GF_LOGO = 151;
const DWORD MENU_RENDER_GROUP = 70;

} // namespace

XC_GameProcedure_Logo::~XC_GameProcedure_Logo()
{
    delete m_pRenderAni_Logo;
}

HRESULT XC_GameProcedure_Logo::Init()
{
    if (g_pMouseObj == nullptr)
        XM_REPORT_FAILED("g_pMouseObj");
    else
        g_pMouseObj->SetVisible(FALSE);

    m_pRenderAni_Logo = new XC_RenderAnimation;
    const char* szFileName = g_pGameFileName->GetFileName(GF_LOGO);
    if (szFileName == nullptr) {
        XM_REPORT_FAILED("szFileName");
    } else {
        const HRESULT hr = m_pRenderAni_Logo->LoadAnimation(szFileName);
        if (hr != S_OK)
            XM_REPORT_FAILED_HR("m_pRenderAni_Logo->SetAnimationObject( szFileName )", hr);
    }
    m_pRenderAni_Logo->SetCoordinateSystem(1);
    m_pRenderAni_Logo->SetRenderQueueGroup(MENU_RENDER_GROUP);
    m_pRenderAni_Logo->SetEnvironmentOfRender(GetEnvironmentOfRender());
    m_pRenderAni_Logo->SetShow(FALSE);
    m_pRenderAni_Logo->SetRePlay(FALSE);
    if (g_pGame != nullptr)
        g_pGame->SetBackgroundColor(0xFF000000);
    const HRESULT hr = XC_AnimationPic::LoadAnimationPicAll();
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("XC_AnimationPic::LoadAnimationPicAll()", hr);
    return S_OK;
}

// The first frame shows the logo; from the second on, its end asks for the
// title, which comes at the start of the next frame.
void XC_GameProcedure_Logo::FrameMove(float)
{
    if (m_pRenderAni_Logo == nullptr)
        return;
    if (!m_pRenderAni_Logo->GetShow()) {
        m_pRenderAni_Logo->SetShow(TRUE);
        return;
    }
    if (!m_pRenderAni_Logo->IsLastPageEnd() || g_pGame == nullptr)
        return;
    const HRESULT hr = g_pGame->ChangeProcedure(GP_Begin);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("g_pGame->ChangeProcedure( GP_Begin )", hr);
}

HRESULT XC_GameProcedure_Logo::Fini()
{
    delete m_pRenderAni_Logo;
    m_pRenderAni_Logo = nullptr;
    return S_OK;
}
