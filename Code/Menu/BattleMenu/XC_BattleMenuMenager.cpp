#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"

#include "Code/Menu/BattleMenu/XC_BattleCoordinatedAttackMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_BattleSkillMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleSystemMenu.h"
#include "Code/Menu/BattleMenu/XC_DisplayBattleCondition.h"
#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"
#include "Code/Menu/BattleMenu/XC_DisplayHitDmg.h"
#include "Code/Menu/BattleMenu/XC_DisplaySkillName.h"
#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"
#include "Code/Menu/BattleMenu/XC_PersonState.h"
#include "GameProgram/Common/XF_Common.h"

#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_BattleMenuMenager* g_pBattleMenuMenager = nullptr;

namespace {

// A new member hung under the manager, or null with a report.
template <typename T>
HRESULT CreateMember(XC_RenderNode* pNode, T*& rpMember, const char* szName)
{
    rpMember = new (std::nothrow) T;
    if (rpMember == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("( %s ) failed", szName));
        return E_FAIL;
    }
    pNode->AddChild(rpMember);
    return S_OK;
}

// Stops and destroys a member; its failure to stop is reported only.
template <typename T>
void DestroyMember(T*& rpMember, const char* szCall)
{
    if (rpMember == nullptr)
        return;
    const HRESULT hr = rpMember->Fini();
    if (FAILED(hr))
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x ", szCall, static_cast<unsigned>(hr)));
    delete rpMember;
    rpMember = nullptr;
}

} // namespace

XC_BattleMenuMenager::~XC_BattleMenuMenager()
{
    Fini();
}

HRESULT XC_BattleMenuMenager::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    const HRESULT hr = Fini();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("Fini()", hr);
        return hr;
    }
    SetPositionX(-400.0f);
    SetPositionY(300.0f);

    // The members made before a failed one stay for the next Fini.
    if (FAILED(CreateMember(this, m_pActivePersonState, "m_pActivePersonState")) ||
        FAILED(CreateMember(this, m_pPassivePersonState, "m_pPassivePersonState")) ||
        FAILED(CreateMember(this, m_pPersonCommandMenu, "m_pPersonCommandMenu")) ||
        FAILED(CreateMember(this, m_pDisplayCampAndTurn, "m_pDisplayCampAndTurn")) ||
        FAILED(CreateMember(this, m_pDisplaySkillName, "m_pDisplaySkillName")) ||
        FAILED(CreateMember(this, m_pDisplayBattleCondition, "m_pDisplayBattleCondition")) ||
        FAILED(CreateMember(this, m_pBattleToolsMenu, "m_pBattleToolsMenu")) ||
        FAILED(CreateMember(this, m_pBattleSkillMenu, "m_pBattleSkillMenu")) ||
        FAILED(CreateMember(this, m_pBattleCoordinatedAttackMenu, "m_pBattleCoordinatedAttackMenu")) ||
        FAILED(CreateMember(this, m_pBattleSystemMenu, "m_pBattleSystemMenu")) ||
        FAILED(CreateMember(this, m_pBattleExplain, "m_pBattleExplain")) ||
        FAILED(CreateMember(this, m_pDisplayHitDmg, "m_pDisplayHitDmg")))
        return E_FAIL;
    return StartMembers(pEnvironmentOfRender);
}

HRESULT XC_BattleMenuMenager::StartMembers(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    const auto Check = [](HRESULT hr, const char* szCall) {
        if (FAILED(hr))
            XM_REPORT_FAILED_HR(szCall, hr);
        return hr;
    };
    HRESULT hr = S_OK;
    if (FAILED(hr = Check(m_pActivePersonState->Init(pEnvironmentOfRender,
                                                     "Menu\\BattleMenu\\BattleMenu_ActivePersonState.txt"),
                          "m_pActivePersonState->Init( pEnvironmentOfRender , \"Menu\\BattleMenu\\BattleMenu_ActivePersonState.txt\" )")) ||
        FAILED(hr = Check(m_pPassivePersonState->Init(pEnvironmentOfRender,
                                                      "Menu\\BattleMenu\\BattleMenu_PassivePersonState.txt"),
                          "m_pPassivePersonState->Init( pEnvironmentOfRender , \"Menu\\BattleMenu\\BattleMenu_PassivePersonState.txt\" )")) ||
        FAILED(hr = Check(m_pPersonCommandMenu->Init(pEnvironmentOfRender),
                          "m_pPersonCommandMenu ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pDisplayCampAndTurn->Init(pEnvironmentOfRender),
                          "m_pDisplayCampAndTurn ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pDisplaySkillName->Init(pEnvironmentOfRender),
                          "m_pDisplaySkillName ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pBattleToolsMenu->Init(pEnvironmentOfRender),
                          "m_pBattleToolsMenu ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pBattleSkillMenu->Init(pEnvironmentOfRender),
                          "m_pBattleSkillMenu ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pBattleCoordinatedAttackMenu->Init(pEnvironmentOfRender),
                          "m_pBattleCoordinatedAttackMenu ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pBattleSystemMenu->Init(pEnvironmentOfRender),
                          "m_pBattleSystemMenu ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pDisplayBattleCondition->Init(pEnvironmentOfRender),
                          "m_pDisplayBattleCondition ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pBattleExplain->Init(pEnvironmentOfRender),
                          "m_pBattleExplain ->Init( pEnvironmentOfRender )")) ||
        FAILED(hr = Check(m_pDisplayHitDmg->Init(pEnvironmentOfRender),
                          "m_pDisplayHitDmg ->Init( pEnvironmentOfRender )")))
        return hr;
    return S_OK;
}

HRESULT XC_BattleMenuMenager::Fini()
{
    DestroyMember(m_pActivePersonState, "m_pActivePersonState->Fini()");
    DestroyMember(m_pPassivePersonState, "m_pPassivePersonState->Fini()");
    DestroyMember(m_pPersonCommandMenu, "m_pPersonCommandMenu->Fini()");
    DestroyMember(m_pDisplayCampAndTurn, "m_pDisplayCampAndTurn->Fini()");
    DestroyMember(m_pDisplaySkillName, "m_pDisplaySkillName->Fini()");
    DestroyMember(m_pBattleToolsMenu, "m_pBattleToolsMenu->Fini()");
    DestroyMember(m_pBattleSkillMenu, "m_pBattleSkillMenu->Fini()");
    DestroyMember(m_pBattleCoordinatedAttackMenu, "m_pBattleCoordinatedAttackMenu->Fini()");
    DestroyMember(m_pBattleSystemMenu, "m_pBattleSystemMenu->Fini()");
    DestroyMember(m_pDisplayBattleCondition, "m_pDisplayBattleCondition->Fini()");
    DestroyMember(m_pBattleExplain, "m_pBattleExplain->Fini()");
    DestroyMember(m_pDisplayHitDmg, "m_pDisplayHitDmg->Fini()");
    return S_OK;
}
