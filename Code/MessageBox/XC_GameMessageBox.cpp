#include "Code/MessageBox/XC_GameMessageBox.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_AnimationPage.h"
#include "GameProgram/Scene/XC_Mouse.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_GameMessageBox* g_pGameMessageBox = nullptr;

namespace {

struct XS_ButtonKind
{
    const char* szName;
    int iValue;
};

const XS_ButtonKind s_Ok = {"OK", IDOK};
const XS_ButtonKind s_Cancel = {"CANCEL", IDCANCEL};
const XS_ButtonKind s_Abort = {"ABORT", IDABORT};
const XS_ButtonKind s_Retry = {"RETRY", IDRETRY};
const XS_ButtonKind s_Ignore = {"IGNORE", IDIGNORE};
const XS_ButtonKind s_Yes = {"YES", IDYES};
const XS_ButtonKind s_No = {"NO", IDNO};

// The buttons of each Windows box type, left to right.
const XS_ButtonKind* const s_TypeButtons[][3] = {
    {&s_Ok, nullptr, nullptr},      {&s_Ok, &s_Cancel, nullptr}, {&s_Abort, &s_Retry, &s_Ignore},
    {&s_Yes, &s_No, &s_Cancel},     {&s_Yes, &s_No, nullptr},    {&s_Retry, &s_Cancel, nullptr},
};

const DWORD BOX_RENDER_GROUP = 1;
const char* const BOX_ANIMATION = "title\\curBox.ant";
const char* const BUTTON_ANIMATION = "title\\Botton.ant";

void SetUpDrawable(XC_RenderingObject* pObject, XI_EnvironmentOfRender* pEnvironment)
{
    pObject->SetEnvironmentOfRender(pEnvironment);
    pObject->SetCoordinateSystem(1);
    pObject->SetRenderQueueGroup(BOX_RENDER_GROUP);
    pObject->SetShow(FALSE);
}

} // namespace

XC_GameMessageBox::XS_Button::~XS_Button()
{
    delete pRA_Button;
    delete pRS_Name;
}

XC_GameMessageBox::XC_GameMessageBox()
{
    SetShowLowerModule(TRUE);
}

XC_GameMessageBox::~XC_GameMessageBox()
{
    if (Fini() != S_OK)
        XM_REPORT_FAILED("Fini( )");
}

HRESULT XC_GameMessageBox::Init(XC_ModuleManager* pModuleManager)
{
    if (SetModuleManager(pModuleManager) != S_OK)
        XM_REPORT_FAILED("SetModuleManager( pModuleManager )");
    InitBox();
    InitButtons();
    CentreBox();
    return S_OK;
}

HRESULT XC_GameMessageBox::InitBox()
{
    m_pRA_Box = new XC_RenderAnimation;
    SetUpDrawable(m_pRA_Box, GetEnvironmentOfRender());
    const HRESULT hr = m_pRA_Box->LoadAnimation(BOX_ANIMATION);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("m_pRA_Box->SetAnimationObject( \"title\\\\curBox.ant\" )", hr);
    m_pRA_Box->SetCurrentPage(0);

    m_pRS_Message = new XC_RenderString;
    SetUpDrawable(m_pRS_Message, GetEnvironmentOfRender());
    m_pRS_Message->SetLineMaxLength(155.0f);
    m_pRA_Box->AddChild(m_pRS_Message);
    m_RootNode.AddChild(m_pRA_Box);
    m_pRS_Message->SetPositionXYZ(0.0f, -27.0f, -100.0f);
    return S_OK;
}

HRESULT XC_GameMessageBox::InitButtons()
{
    m_pButtonList = new XS_Button[m_uButtonMax];
    for (DWORD i = 0; i < m_uButtonMax; ++i) {
        XS_Button& button = m_pButtonList[i];
        button.pRA_Button = new XC_RenderAnimation;
        button.pRS_Name = new XC_RenderString;
        SetUpDrawable(button.pRA_Button, GetEnvironmentOfRender());
        SetUpDrawable(button.pRS_Name, GetEnvironmentOfRender());
        const HRESULT hr = button.pRA_Button->LoadAnimation(BUTTON_ANIMATION);
        if (hr != S_OK)
            XM_REPORT_FAILED_HR("pRA_Button->SetAnimationObject( \"title\\\\Botton.ant\" )", hr);
        button.pRA_Button->SetPlay(FALSE);
        button.pRA_Button->SetCurrentPage(0);
        button.pRA_Button->AddChild(button.pRS_Name);
        button.pRS_Name->SetPositionXYZ(35.0f, -25.0f, -10.0f);
        m_pRA_Box->AddChild(button.pRA_Button);
    }
    return S_OK;
}

bool XC_GameMessageBox::GetBoxAnchor(XC_RenderAnimation* pBox, float* pfX, float* pfY)
{
    XC_AnimationObject* pAniObj = nullptr;
    if (pBox->GetAnimationObject(&pAniObj) != S_OK || pAniObj == nullptr)
        return false;
    const XC_AnimationPage* pPage = pAniObj->GetPageCount() > 0 ? pAniObj->GetPage(0) : nullptr;
    const XC_AnimationPic* pPic = pPage != nullptr && pPage->GetPicCount() > 0 ? pPage->GetPic(0) : nullptr;
    if (pPic != nullptr) {
        *pfX = pPic->m_matPic._41;
        *pfY = pPic->m_matPic._42;
    }
    pAniObj->Release();
    return pPic != nullptr;
}

// The box's first picture is drawn at its anchor: moving the box back by it
// centres the box on its root.
void XC_GameMessageBox::CentreBox()
{
    float fA = 0.0f;
    float fB = 0.0f;
    if (!GetBoxAnchor(m_pRA_Box, &fA, &fB))
        return;
    m_pRA_Box->SetPositionXYZ(-fA, -fB, 0.0f);
    m_pRS_Message->SetPositionX(fA);
}

HRESULT XC_GameMessageBox::Fini()
{
    delete[] m_pButtonList;
    m_pButtonList = nullptr;
    m_uButtonCount = 0;
    delete m_pRS_Message;
    m_pRS_Message = nullptr;
    delete m_pRA_Box;
    m_pRA_Box = nullptr;
    return S_OK;
}

HRESULT XC_GameMessageBox::ShowMessage(const char* szMessage, UINT uType, const D3DXVECTOR3& vPosition)
{
    if (szMessage == nullptr)
        XM_REPORT_FAILED("szMessage");
    if (m_pRA_Box == nullptr)
        return E_FAIL;
    m_pRS_Message->SetString(szMessage != nullptr ? szMessage : "", 0xFFFFFFFF);
    m_RootNode.SetPosition(&vPosition);
    AddButtonsOfType(uType);
    return Enable();
}

void XC_GameMessageBox::AddButtonsOfType(UINT uType)
{
    m_uButtonCount = 0;
    if (uType >= sizeof(s_TypeButtons) / sizeof(s_TypeButtons[0])) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("message box type %u", uType));
        SetButton(0, s_Cancel.szName, s_Cancel.iValue);
        return;
    }
    for (const XS_ButtonKind* pKind : s_TypeButtons[uType]) {
        if (pKind != nullptr)
            SetButton(m_uButtonCount, pKind->szName, pKind->iValue);
    }
}

HRESULT XC_GameMessageBox::SetButton(DWORD uIndex, const char* szName, int iValue)
{
    if (uIndex >= m_uButtonMax) {
        XM_REPORT_FAILED("uIndex < m_uButtonMax");
        return E_FAIL;
    }
    XS_Button& button = m_pButtonList[uIndex];
    button.pRS_Name->SetString(szName, 0xFFFFFFFF);
    button.iValue = iValue;
    button.pRA_Button->SetCurrentPage(0);
    m_uButtonCount = uIndex + 1;
    return S_OK;
}

XC_RenderAnimation* XC_GameMessageBox::GetButtonAnimation(DWORD uIndex) const
{
    return uIndex < m_uButtonCount ? m_pButtonList[uIndex].pRA_Button : nullptr;
}

HRESULT XC_GameMessageBox::OnOpen()
{
    m_pRA_Box->SetShow(TRUE);
    m_pRS_Message->SetShow(TRUE);
    PlaceButtons();
    ShowButtons(TRUE);
    if (g_pMouseObj == nullptr) {
        XM_REPORT_FAILED("g_pMouseObj");
        return S_OK;
    }
    m_bCursorWasShown = g_pMouseObj->GetVisible();
    g_pMouseObj->SetVisible(TRUE);
    MoveCursorToMouse();
    return S_OK;
}

// One button in the middle, two side by side, three a little smaller.
void XC_GameMessageBox::PlaceButtons()
{
    for (DWORD i = 0; i < m_uButtonCount; ++i) {
        XC_RenderAnimation* pButton = m_pButtonList[i].pRA_Button;
        float fX = 0.0f;
        float fScale = 1.0f;
        switch (m_uButtonCount) {
        case 1: fX = 70.0f; break;
        case 2: fX = 20.0f + 85.0f * static_cast<float>(i); break;
        case 3:
            fX = 66.0f * static_cast<float>(i);
            fScale = 0.93f;
            break;
        default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); break;
        }
        pButton->SetPositionXYZ(fX, -94.0f, -100.0f);
        pButton->SetScaleXYZ(fScale, fScale, fScale);
    }
}

void XC_GameMessageBox::ShowButtons(BOOL bShow)
{
    for (DWORD i = 0; i < m_uButtonMax; ++i) {
        const BOOL bUsed = bShow && i < m_uButtonCount;
        m_pButtonList[i].pRA_Button->SetShow(bUsed);
        m_pButtonList[i].pRS_Name->SetShow(bUsed);
    }
}

void XC_GameMessageBox::MoveCursorToMouse()
{
    if (g_pMouseObj != nullptr && g_pMouseStateObj != nullptr)
        g_pMouseObj->SetCursorPosition(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY());
}

HRESULT XC_GameMessageBox::OnClose()
{
    m_pRA_Box->SetShow(FALSE);
    m_pRS_Message->SetShow(FALSE);
    ShowButtons(FALSE);
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetVisible(m_bCursorWasShown);
    return S_OK;
}

// The button under the mouse lights up; a click on one closes the box with
// its value, a click elsewhere does nothing.
void XC_GameMessageBox::FrameMove(float)
{
    if (g_pMouseStateObj == nullptr) {
        XM_REPORT_FAILED("g_pMouseStateObj");
        return;
    }
    if (g_pMouseStateObj->IsMoved())
        MoveCursorToMouse();
    const XC_CameraMan* pCameraMan = GetScreenCameraMan();
    if (pCameraMan == nullptr) {
        XM_REPORT_FAILED("pCameraMan");
        return;
    }
    D3DXVECTOR3 vOrigin(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 vDirection(0.0f, 0.0f, 1.0f);
    pCameraMan->GetPickRay(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY(), &vOrigin, &vDirection);
    m_iResult = -1;
    for (DWORD i = 0; i < m_uButtonCount; ++i) {
        XS_Button& button = m_pButtonList[i];
        float fDistance = 0.0f;
        const BOOL bHit = button.pRA_Button->Pick(&vOrigin, &vDirection, &fDistance);
        button.pRA_Button->SetCurrentPage(bHit ? 1 : 0);
        if (bHit)
            m_iResult = button.iValue;
    }
    if (g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT) && m_iResult != -1 && Close() != S_OK)
        XM_REPORT_FAILED("Disable()");
}
