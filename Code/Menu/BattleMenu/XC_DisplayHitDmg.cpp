#include "Code/Menu/BattleMenu/XC_DisplayHitDmg.h"

#include "Code/XC_GameText.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

#include <algorithm>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The Menu layer.
const DWORD HIT_DMG_RENDER_GROUP = 70;
const DWORD TEXT_COLOR = 0xFFFFFFFF;
const DWORD TEXT_HIT = 16;
const DWORD TEXT_DAMAGE = 17;
const DWORD TEXT_RESTORE = 18;

const char* GameText(DWORD dwID)
{
    const char* const szText = g_pGameText != nullptr ? g_pGameText->GetText(dwID) : nullptr;
    return szText != nullptr ? szText : "";
}

void LoadBaseMap(XC_RenderAnimation* pBaseMap, XC_RenderString* pText, float fX)
{
    if (FAILED(pBaseMap->LoadAnimation("Menu\\MessageBoxSmall.ant")))
        XM_REPORT_FAILED("LoadAnimation( \"Menu\\MessageBoxSmall.ant\" )");
    pBaseMap->SetPlay(FALSE);
    pBaseMap->SetPositionXYZ(fX, -400.0f, 0.0f);
    pText->SetString(" ", TEXT_COLOR);
    pText->SetPositionXYZ(0.0f, -9.0f, -1.0f);
    pText->SetAligeText(1);
    pBaseMap->AddChild(pText);
}

} // namespace

HRESULT XC_DisplayHitDmg::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("pEnvironmentOfRender");
        return E_FAIL;
    }
    const HRESULT hr = Fini();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("Fini()", hr);
        return hr;
    }
    SetEnvironmentOfRender(pEnvironmentOfRender);
    SetShow(FALSE);

    m_pRS_Hit = new XC_RenderString;
    m_pRS_Dmg = new XC_RenderString;
    m_pRA_HitBaseMap = new XC_RenderAnimation;
    m_pRA_DmgBaseMap = new XC_RenderAnimation;
    m_pRA_HitDmgArrow = new XC_RenderAnimation;
    LoadBaseMap(m_pRA_HitBaseMap, m_pRS_Hit, 310.0f);
    LoadBaseMap(m_pRA_DmgBaseMap, m_pRS_Dmg, 490.0f);
    if (FAILED(m_pRA_HitDmgArrow->LoadAnimation("Menu\\HitDmgArrow.ant")))
        XM_REPORT_FAILED("m_pRA_HitDmgArrow->LoadAnimation( \"Menu\\HitDmgArrow.ant\" )");
    m_pRA_HitDmgArrow->SetPositionXYZ(400.0f, -375.0f, -1.0f);

    for (XC_RenderingObject* pObj : std::initializer_list<XC_RenderingObject*>{
             m_pRS_Hit, m_pRS_Dmg, m_pRA_HitBaseMap, m_pRA_DmgBaseMap, m_pRA_HitDmgArrow})
        AddRenderingObject(pObj);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(HIT_DMG_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_DisplayHitDmg::Fini()
{
    m_pRS_Hit = nullptr;
    m_pRS_Dmg = nullptr;
    m_pRA_HitBaseMap = nullptr;
    m_pRA_DmgBaseMap = nullptr;
    m_pRA_HitDmgArrow = nullptr;
    const HRESULT hr = ClearAll();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("XC_RenderObjManager::ClearAll()", hr);
    return hr;
}

HRESULT XC_DisplayHitDmg::SetHitDmg(int iHit, int iDmg)
{
    m_strHit = std::string(GameText(TEXT_HIT)) + " " + std::to_string(std::clamp(iHit, 0, 100)) + "%";
    if (m_pRS_Hit != nullptr)
        m_pRS_Hit->SetString(m_strHit.c_str(), TEXT_COLOR);
    ShowHit(TRUE);
    if (iDmg == 0) {
        m_strDmg.clear();
        ShowDmg(FALSE);
        return S_OK;
    }
    // A negative damage is an amount restored; its size is shown.
    const long long llAmount = iDmg < 0 ? -static_cast<long long>(iDmg) : iDmg;
    m_strDmg = std::string(GameText(iDmg < 0 ? TEXT_RESTORE : TEXT_DAMAGE)) + " " + std::to_string(llAmount);
    if (m_pRS_Dmg != nullptr)
        m_pRS_Dmg->SetString(m_strDmg.c_str(), TEXT_COLOR);
    ShowDmg(TRUE);
    return S_OK;
}

void XC_DisplayHitDmg::ShowHit(BOOL bShow)
{
    if (m_pRS_Hit == nullptr)
        return;
    m_pRS_Hit->SetShow(bShow);
    m_pRA_HitBaseMap->SetShow(bShow);
}

void XC_DisplayHitDmg::ShowDmg(BOOL bShow)
{
    if (m_pRS_Dmg == nullptr)
        return;
    m_pRS_Dmg->SetShow(bShow);
    m_pRA_DmgBaseMap->SetShow(bShow);
    m_pRA_HitDmgArrow->SetShow(bShow);
}

void XC_DisplayHitDmg::Hide()
{
    ShowHit(FALSE);
    ShowDmg(FALSE);
}

BOOL XC_DisplayHitDmg::IsDmgShown() const
{
    return m_pRS_Dmg != nullptr && m_pRS_Dmg->GetShow();
}
