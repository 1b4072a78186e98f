#include "Code/Battle/BattleWork/XC_DisplayGetItem.h"

#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The explain box; null, reported, without the battle menus.
XC_BattleExplain* ExplainBox()
{
    if (g_pBattleMenuMenager == nullptr) {
        XM_REPORT_FAILED("g_pBattleMenuMenager");
        return nullptr;
    }
    if (g_pBattleMenuMenager->m_pBattleExplain == nullptr)
        XM_REPORT_FAILED("pBattleExplain");
    return g_pBattleMenuMenager->m_pBattleExplain;
}

} // namespace

XC_DisplayGetItem::XC_DisplayGetItem()
{
    SetName("XC_DisplayGetItem");
}

XC_DisplayGetItem::~XC_DisplayGetItem() = default;

HRESULT XC_DisplayGetItem::AddText(const char* szText)
{
    if (szText == nullptr) {
        XM_REPORT_FAILED("szText");
        return E_FAIL;
    }
    m_listText.emplace_back(szText);
    return S_OK;
}

void XC_DisplayGetItem::ShowNextLine()
{
    const XC_String strLine = m_listText.front();
    m_listText.pop_front();
    XC_BattleExplain* const pBattleExplain = ExplainBox();
    if (pBattleExplain == nullptr)
        return;
    pBattleExplain->SetMessage(strLine.c_str());
    pBattleExplain->SetShow(TRUE);
}

void XC_DisplayGetItem::Begin()
{
    m_fElapsedTime = 0.0f;
    if (m_listText.empty()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return;
    }
    ShowNextLine();
}

BOOL XC_DisplayGetItem::Step(float fElapsedTime)
{
    m_fElapsedTime += fElapsedTime;
    if (m_fElapsedTime < (g_pGameTime != nullptr ? g_pGameTime->fDisplayGetItem : 0.0f))
        return FALSE;
    if (m_listText.empty())
        return TRUE;
    m_fElapsedTime = 0.0f;
    ShowNextLine();
    return FALSE;
}

void XC_DisplayGetItem::End()
{
    if (g_pBattleMenuMenager != nullptr && g_pBattleMenuMenager->m_pBattleExplain != nullptr)
        g_pBattleMenuMenager->m_pBattleExplain->SetShow(FALSE);
}
