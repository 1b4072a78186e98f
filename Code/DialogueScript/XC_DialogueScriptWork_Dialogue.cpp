#include "Code/DialogueScript/XC_DialogueScriptWork_Dialogue.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Input/XC_InputOfKeyboard.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

#include <dinput.h>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const char* const s_szTalkNextFile = "menu\\TalkNext.ant";
// What End shows of a line, however long.
const DWORD MAX_SHOWN_WORDS = 255;
// The marker's offset from the text's end of line: right of its widest line
// and level with the line's middle.
const float MARKER_GAP_X = 20.0f;
const float MARKER_OFFSET_Y = 23.0f;
const float MARKER_LINE_INTERVALS_Y = 5.0f;

} // namespace

XC_DialogueScriptWork_Dialogue::XC_DialogueScriptWork_Dialogue() = default;

XC_DialogueScriptWork_Dialogue::~XC_DialogueScriptWork_Dialogue() = default;

void XC_DialogueScriptWork_Dialogue::SetTarget(XC_RenderString* pRenderStringObj, const char* szDialogue)
{
    m_pRenderStringObj = pRenderStringObj;
    m_stringDialogue = szDialogue != nullptr ? szDialogue : "";
}

bool XC_DialogueScriptWork_Dialogue::IsConfirming()
{
    if (g_pInputOfKeyboardObj != nullptr
        && (g_pInputOfKeyboardObj->IsKeyDown(DIK_RCONTROL) || g_pInputOfKeyboardObj->IsKeyDown(DIK_LCONTROL)
            || g_pInputOfKeyboardObj->IsKeyPressed(DIK_SPACE)))
        return true;
    return g_pMouseStateObj != nullptr
           && (g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT)
               || g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_RIGHT));
}

void XC_DialogueScriptWork_Dialogue::Begin()
{
    if (m_pRenderStringObj == nullptr) {
        XM_REPORT_FAILED("m_pRenderStringObj");
        return;
    }
    if (m_stringDialogue.empty())
        XM_REPORT_FAILED("m_stringDialogue.length() > 0");
    m_pRenderStringObj->ClearString();
    const HRESULT hr = m_pRenderStringObj->SetString(m_stringDialogue.c_str(), 0xFFFFFFFF);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pRenderStringObj->SetString( m_stringDialogue.c_str() , 0xFFFFFFFF )", hr);
    m_pRenderStringObj->SetShowWordCount(0);
    PlaceMarker();
}

void XC_DialogueScriptWork_Dialogue::PlaceMarker()
{
    const HRESULT hr = m_RA_TalkNext.LoadAnimation(s_szTalkNextFile);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_RA_TalkNext.SetAnimationObject( \"menu\\\\TalkNext.ant\" )", hr);
    m_RA_TalkNext.SetEnvironmentOfRender(m_pRenderStringObj->GetEnvironmentOfRender());
    m_RA_TalkNext.SetCoordinateSystem(m_pRenderStringObj->GetCoordinateSystem());
    m_RA_TalkNext.SetRenderQueueGroup(m_pRenderStringObj->GetRenderQueueGroup());
    D3DXVECTOR3 vPosition = *m_pRenderStringObj->GetWorldPosition();
    vPosition.x += m_pRenderStringObj->GetLineMaxLength() + MARKER_GAP_X;
    vPosition.y += MARKER_OFFSET_Y - MARKER_LINE_INTERVALS_Y * m_pRenderStringObj->GetLineInterval();
    m_RA_TalkNext.SetPosition(&vPosition);
    m_RA_TalkNext.SetShow(FALSE);
}

BOOL XC_DialogueScriptWork_Dialogue::Step(float fElapsedTime)
{
    if (m_pRenderStringObj == nullptr)
        return TRUE;
    if (IsConfirming()) {
        if (m_RA_TalkNext.GetShow() && m_fElapsedTime >= CLOSE_DELAY)
            return TRUE;
        if (!m_bTypingFinished && m_fElapsedTime >= CONFIRM_DELAY)
            m_pRenderStringObj->SetShowWordCount(m_pRenderStringObj->GetWordCount() + 1);
    }
    m_fElapsedTime += fElapsedTime;
    if (!m_bTypingFinished)
        TypeOn(fElapsedTime);
    return FALSE;
}

void XC_DialogueScriptWork_Dialogue::TypeOn(float fElapsedTime)
{
    m_fTypingTimer += fElapsedTime;
    if (m_fTypingTimer >= m_fTypingInterval) {
        m_fTypingTimer = 0.0f;
        m_pRenderStringObj->SetShowWordCount(m_pRenderStringObj->GetShowWordCount() + 1);
    }
    if (m_pRenderStringObj->GetShowWordCount() >= m_pRenderStringObj->GetWordCount()) {
        m_RA_TalkNext.SetShow(TRUE);
        m_bTypingFinished = TRUE;
    }
}

void XC_DialogueScriptWork_Dialogue::End()
{
    if (m_pRenderStringObj != nullptr)
        m_pRenderStringObj->SetShowWordCount(MAX_SHOWN_WORDS);
}
