#include "Code/Menu/BattleMenu/XC_DisplayBattleCondition.h"

#include "Code/XC_GameText.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The Menu layer.
const DWORD CONDITION_RENDER_GROUP = 70;
const DWORD TEXT_COLOR = 0xFFFFFFFF;
const DWORD TEXT_WIN_TITLE = 4;
const DWORD TEXT_LOSE_TITLE = 5;
const float CONDITION_LINE_LENGTH = 260.0f;

void PlaceText(XC_RenderString* pText, const char* szText, float fX, float fY, float fZ, DWORD dwAlign)
{
    pText->SetString(szText != nullptr ? szText : "", TEXT_COLOR);
    pText->SetPositionXYZ(fX, fY, fZ);
    pText->SetAligeText(dwAlign);
    pText->SetRenderFontFrame(TRUE);
}

const char* GameText(DWORD dwID)
{
    return g_pGameText != nullptr ? g_pGameText->GetText(dwID) : nullptr;
}

} // namespace

HRESULT XC_DisplayBattleCondition::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    Fini();
    SetEnvironmentOfRender(pEnvironmentOfRender);
    SetShow(FALSE);

    m_pRS_WinTitle = new XC_RenderString;
    m_pRS_LoseTitle = new XC_RenderString;
    m_pRS_WinCondition = new XC_RenderString;
    m_pRS_LoseCondition = new XC_RenderString;
    m_pRA_BaseMap = new XC_RenderAnimation;
    PlaceText(m_pRS_WinTitle, GameText(TEXT_WIN_TITLE), -141.0f, 166.0f, -100.0f, 0);
    PlaceText(m_pRS_LoseTitle, GameText(TEXT_LOSE_TITLE), -141.0f, 81.0f, -200.0f, 0);
    PlaceText(m_pRS_WinCondition, " ", 0.0f, 141.0f, -300.0f, 1);
    PlaceText(m_pRS_LoseCondition, " ", 0.0f, 56.0f, -400.0f, 1);
    for (XC_RenderString* pCondition : {m_pRS_WinCondition, m_pRS_LoseCondition}) {
        pCondition->SetAutoLineFeed(TRUE);
        pCondition->SetLineMaxLength(CONDITION_LINE_LENGTH);
    }
    const HRESULT hr = m_pRA_BaseMap->LoadAnimation("Menu\\WorldMapName02.ant");
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pRA_BaseMap->LoadAnimation( \"Menu\\WorldMapName02.ant\" )", hr);
    m_pRA_BaseMap->SetRePlay(FALSE);
    m_pRA_BaseMap->SetPositionX(400.0f);
    m_pRA_BaseMap->SetPositionY(-400.0f);
    for (XC_RenderString* pText : {m_pRS_WinTitle, m_pRS_LoseTitle, m_pRS_WinCondition, m_pRS_LoseCondition}) {
        m_pRA_BaseMap->AddChild(pText);
        AddRenderingObject(pText);
    }
    AddRenderingObject(m_pRA_BaseMap);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(CONDITION_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_DisplayBattleCondition::Fini()
{
    m_pRS_WinTitle = nullptr;
    m_pRS_LoseTitle = nullptr;
    m_pRS_WinCondition = nullptr;
    m_pRS_LoseCondition = nullptr;
    m_pRA_BaseMap = nullptr;
    ClearAll();
    return S_OK;
}

HRESULT XC_DisplayBattleCondition::SetCondition(const char* szWinCondition, const char* szLoseCondition)
{
    if (szWinCondition == nullptr)
        XM_REPORT_FAILED("szWinCondition");
    if (szLoseCondition == nullptr)
        XM_REPORT_FAILED("szLoseCondition");
    if (m_pRS_WinCondition == nullptr)
        return S_OK;
    if (szWinCondition != nullptr && FAILED(m_pRS_WinCondition->SetString(szWinCondition, TEXT_COLOR)))
        XM_REPORT_FAILED("m_pRS_WinCondition ->SetString( szWinCondition )");
    if (szLoseCondition != nullptr && FAILED(m_pRS_LoseCondition->SetString(szLoseCondition, TEXT_COLOR)))
        XM_REPORT_FAILED("m_pRS_LoseCondition->SetString( szLoseCondition )");
    return S_OK;
}
