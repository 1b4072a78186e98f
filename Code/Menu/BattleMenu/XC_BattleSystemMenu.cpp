#include "Code/Menu/BattleMenu/XC_BattleSystemMenu.h"

#include "Code/XC_GameText.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The Menu layer plus one.
const DWORD SYSTEM_MENU_RENDER_GROUP = 71;
const DWORD LABEL_COLOR = 0xFFFFFFFF;
const float BAR_PITCH = 28.0f;
// Far enough before every screen picture for a ray along +Z.
const float RAY_START_Z = -10000.0f;

} // namespace

HRESULT XC_BattleSystemMenu::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    Fini();
    SetEnvironmentOfRender(pEnvironmentOfRender);
    SetShow(FALSE);

    m_pRA_Frame = new XC_RenderAnimation;
    if (FAILED(m_pRA_Frame->LoadAnimation("Menu\\BattleSystemMenu.ant")))
        XM_REPORT_FAILED("m_pRA_Frame->LoadAnimation( \"Menu\\BattleSystemMenu.ant\" )");
    m_pRA_Frame->SetPositionXYZ(-62.0f, 55.0f, -100.0f);
    for (int i = 0; i < ENTRY_COUNT; ++i) {
        m_pRS_Label[i] = new XC_RenderString;
        m_pRA_Bar[i] = new XC_RenderAnimation;
        const char* const szText = g_pGameText != nullptr ? g_pGameText->GetText(static_cast<DWORD>(i)) : nullptr;
        if (szText == nullptr)
            XM_REPORT_FAILED("szText");
        m_pRS_Label[i]->SetString(szText != nullptr ? szText : "", LABEL_COLOR);
        m_pRS_Label[i]->SetPositionXYZ(61.0f, -22.0f, -100.0f);
        m_pRS_Label[i]->SetAligeText(1);
        if (FAILED(m_pRA_Bar[i]->LoadAnimation("Menu\\BattleSystemBar.ant")))
            XM_REPORT_FAILED("m_pRA_Bar[i]->LoadAnimation( \"Menu\\BattleSystemBar.ant\" )");
        m_pRA_Bar[i]->SetPositionXYZ(-1.0f, 1.0f - BAR_PITCH * static_cast<float>(i), -100.0f);
        m_pRA_Bar[i]->SetRePlay(FALSE);
        m_pRA_Bar[i]->SetPlay(FALSE);
        m_pRA_Bar[i]->SetCurrentPage(0);
        m_pRA_Frame->AddChild(m_pRA_Bar[i]);
        m_pRA_Bar[i]->AddChild(m_pRS_Label[i]);
    }
    for (XC_RenderString* pLabel : m_pRS_Label)
        AddRenderingObject(pLabel);
    for (XC_RenderAnimation* pBar : m_pRA_Bar)
        AddRenderingObject(pBar);
    AddRenderingObject(m_pRA_Frame);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(SYSTEM_MENU_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_BattleSystemMenu::Fini()
{
    for (int i = 0; i < ENTRY_COUNT; ++i) {
        m_pRS_Label[i] = nullptr;
        m_pRA_Bar[i] = nullptr;
    }
    m_pRA_Frame = nullptr;
    m_iSelect = -1;
    ClearAll();
    return S_OK;
}

HRESULT XC_BattleSystemMenu::SetSelect(int iIndex)
{
    if (iIndex == m_iSelect)
        return S_OK;
    for (XC_RenderAnimation* pBar : m_pRA_Bar) {
        if (pBar == nullptr)
            continue;
        pBar->SetPlay(FALSE);
        pBar->ResetPlayState();
        pBar->SetCurrentPage(0);
    }
    if (iIndex >= 0 && iIndex < ENTRY_COUNT && m_pRA_Bar[iIndex] != nullptr)
        m_pRA_Bar[iIndex]->SetPlay(TRUE);
    m_iSelect = iIndex;
    return S_OK;
}

int XC_BattleSystemMenu::GetSelect() const
{
    return m_iSelect;
}

BOOL XC_BattleSystemMenu::HitTest(int x, int y, int& riIndex)
{
    const D3DXVECTOR3 vOrigin(static_cast<float>(x), static_cast<float>(y), RAY_START_Z);
    const D3DXVECTOR3 vDirection(0.0f, 0.0f, 1.0f);
    for (int i = 0; i < ENTRY_COUNT; ++i) {
        float fDistance = 0.0f;
        if (m_pRA_Bar[i] != nullptr && m_pRA_Bar[i]->Pick(&vOrigin, &vDirection, &fDistance)) {
            riIndex = i;
            return TRUE;
        }
    }
    riIndex = -1;
    return FALSE;
}

BOOL XC_BattleSystemMenu::IsBarPlaying(int iIndex) const
{
    return iIndex >= 0 && iIndex < ENTRY_COUNT && m_pRA_Bar[iIndex] != nullptr && m_pRA_Bar[iIndex]->GetPlay();
}
