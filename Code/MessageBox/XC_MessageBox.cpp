#include "Code/MessageBox/XC_MessageBox.h"

#include "Code/MessageBox/XC_GameMessageBox.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Scene/XC_Mouse.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_MessageBox* g_pMessageBox = nullptr;

namespace {

const float TEXT_LINE_LENGTH = 155.0f;

void LoadIcon(XC_RenderAnimation* pAnimation, const char* szFileName, const char* szCall)
{
    const HRESULT hr = pAnimation->LoadAnimation(szFileName);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR(szCall, hr);
}

bool IconUnderRay(XC_RenderAnimation* pIcon, const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection)
{
    float fDistance = 0.0f;
    return pIcon->Pick(&vOrigin, &vDirection, &fDistance) != FALSE;
}

} // namespace

XC_MessageBox::XC_MessageBox()
{
    SetShowLowerModule(TRUE);
}

XC_MessageBox::~XC_MessageBox()
{
    if (Fini() != S_OK)
        XM_REPORT_FAILED("Fini( )");
}

HRESULT XC_MessageBox::Init(const char* szText, const D3DXVECTOR3& vPosition)
{
    if (Fini() != S_OK)
        XM_REPORT_FAILED("Fini( )");
    m_pRS_Text = new XC_RenderString;
    m_pRA_Box = new XC_RenderAnimation;
    m_pRA_Yes = new XC_RenderAnimation;
    m_pRA_No = new XC_RenderAnimation;
    XC_RenderingObject* const objects[] = {m_pRS_Text, m_pRA_Box, m_pRA_Yes, m_pRA_No};
    for (XC_RenderingObject* pObject : objects)
        pObject->SetEnvironmentOfRender(GetEnvironmentOfRender());

    m_pRS_Text->SetAligeText(1);
    m_pRS_Text->SetAutoLineFeed(TRUE);
    m_pRS_Text->SetRenderFontFrame(TRUE);
    m_pRS_Text->SetLineMaxLength(TEXT_LINE_LENGTH);
    m_pRS_Text->SetPositionXYZ(0.0f, -27.0f, -100.0f);
    m_pRA_Yes->SetPositionXYZ(136.0f, -94.0f, -100.0f);
    m_pRA_No->SetPositionXYZ(165.0f, -94.0f, -100.0f);
    m_pRA_Box->AddChild(m_pRS_Text);
    m_pRA_Box->AddChild(m_pRA_Yes);
    m_pRA_Box->AddChild(m_pRA_No);
    m_pRA_Box->SetPosition(&vPosition);
    m_pRS_Text->SetString(szText != nullptr ? szText : "", 0xFFFFFFFF);
    LoadAnimations();

    float fA = 0.0f;
    float fB = 0.0f;
    if (XC_GameMessageBox::GetBoxAnchor(m_pRA_Box, &fA, &fB)) {
        m_pRA_Box->AddPositionX(-fA);
        m_pRA_Box->AddPositionY(-fB);
        m_pRS_Text->AddPositionX(fA);
    }
    for (XC_RenderingObject* pObject : objects) {
        pObject->SetCoordinateSystem(1);
        pObject->SetShow(FALSE);
    }
    m_pRA_Box->SetCurrentPage(0);
    m_pRA_Yes->SetCurrentPage(0);
    m_pRA_No->SetCurrentPage(0);
    return S_OK;
}

void XC_MessageBox::LoadAnimations()
{
    LoadIcon(m_pRA_Box, "WorldMap\\MessageBox.ant", "m_pRA_Box->SetAnimationObject( \"WorldMap\\\\MessageBox.ant\" )");
    LoadIcon(m_pRA_Yes, "WorldMap\\IconYes.ant", "m_pRA_Yes->SetAnimationObject( \"WorldMap\\\\IconYes.ant\" )");
    LoadIcon(m_pRA_No, "WorldMap\\IconNo.ant", "m_pRA_No ->SetAnimationObject( \"WorldMap\\\\IconNo.ant\" )");
    // The icons show their page by hand: 1 lit, 0 not.
    m_pRA_Yes->SetPlay(FALSE);
    m_pRA_No->SetPlay(FALSE);
}

HRESULT XC_MessageBox::Fini()
{
    delete m_pRS_Text;
    m_pRS_Text = nullptr;
    delete m_pRA_Yes;
    m_pRA_Yes = nullptr;
    delete m_pRA_No;
    m_pRA_No = nullptr;
    delete m_pRA_Box;
    m_pRA_Box = nullptr;
    return S_OK;
}

void XC_MessageBox::ShowAll(BOOL bShow)
{
    if (m_pRA_Box == nullptr)
        return;
    m_pRA_Box->SetShow(bShow);
    m_pRS_Text->SetShow(bShow);
    m_pRA_Yes->SetShow(bShow);
    m_pRA_No->SetShow(bShow);
}

HRESULT XC_MessageBox::OnOpen()
{
    ShowAll(TRUE);
    if (m_pRA_Box != nullptr) {
        m_pRA_Yes->SetCurrentPage(0);
        m_pRA_No->SetCurrentPage(0);
    }
    if (g_pMouseObj != nullptr)
        m_bCursorWasShown = g_pMouseObj->GetVisible();
    return S_OK;
}

HRESULT XC_MessageBox::OnClose()
{
    ShowAll(FALSE);
    if (g_pMouseObj == nullptr) {
        XM_REPORT_FAILED("g_pMouseObj");
        return S_OK;
    }
    g_pMouseObj->SetVisible(m_bCursorWasShown);
    return S_OK;
}

// Highlighting follows mouse moves only; a click answers only on a lit icon.
void XC_MessageBox::FrameMove(float)
{
    if (g_pMouseStateObj == nullptr) {
        XM_REPORT_FAILED("g_pMouseStateObj");
        return;
    }
    if (m_pRA_Box == nullptr)
        return;
    if (g_pMouseStateObj->IsMoved())
        HighlightIconsAtMouse();
    if (!g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT))
        return;
    if (m_pRA_Yes->GetCurrentPage() == 1)
        Answer(1);
    else if (m_pRA_No->GetCurrentPage() == 1)
        Answer(0);
}

void XC_MessageBox::HighlightIconsAtMouse()
{
    const XC_CameraMan* const pCameraMan = GetScreenCameraMan();
    if (pCameraMan == nullptr) {
        XM_REPORT_FAILED("pCameraMan");
        return;
    }
    D3DXVECTOR3 vOrigin(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 vDirection(0.0f, 0.0f, 1.0f);
    pCameraMan->GetPickRay(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY(), &vOrigin, &vDirection);
    m_pRA_Yes->SetCurrentPage(IconUnderRay(m_pRA_Yes, vOrigin, vDirection) ? 1 : 0);
    m_pRA_No->SetCurrentPage(IconUnderRay(m_pRA_No, vOrigin, vDirection) ? 1 : 0);
}

void XC_MessageBox::Answer(DWORD dwResult)
{
    m_dwResult = dwResult;
    if (Close() != S_OK)
        XM_REPORT_FAILED("Disable()");
}
