#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"

#include "Code/XC_GameText.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The Menu layer.
const DWORD BANNER_RENDER_GROUP = 70;
const DWORD TEXT_COLOR = 0xFFFFFFFF;
const DWORD TEXT_TURN = 6;

// Sets the animation of that name from the manager on the object.
void TakeAnimation(XC_RenderAnimation* pRenderAni, const char* szFileName)
{
    XC_AnimationObject* const pAniObj =
        g_pAnimationManager != nullptr ? g_pAnimationManager->GetAnimation(szFileName) : nullptr;
    if (pAniObj == nullptr) {
        XM_REPORT_FAILED(szFileName);
        return;
    }
    pRenderAni->SetAnimationObject(pAniObj, TRUE);
    pAniObj->Release();
}

} // namespace

HRESULT XC_DisplayCampAndTurn::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    Fini();
    SetEnvironmentOfRender(pEnvironmentOfRender);
    SetShow(FALSE);

    m_pRS_Turn = new XC_RenderString;
    m_pRA_Frame = new XC_RenderAnimation;
    m_pRA_Allies = new XC_RenderAnimation;
    m_pRA_Enemy = new XC_RenderAnimation;
    m_pRS_Turn->SetString(" ", TEXT_COLOR);
    m_pRS_Turn->SetPositionXYZ(0.0f, -9.0f, -1.0f);
    m_pRS_Turn->SetAligeText(1);
    m_pRA_Frame->AddChild(m_pRS_Turn);
    TakeAnimation(m_pRA_Frame, "Menu\\MessageBoxSmall.ant");
    TakeAnimation(m_pRA_Allies, "Menu\\AlliesTurn.ant");
    TakeAnimation(m_pRA_Enemy, "Menu\\EnemyTurn.ant");
    // The frame stands on its first page.
    m_pRA_Frame->SetPlaySpeed(0.0f);
    m_pRA_Allies->SetRePlay(FALSE);
    m_pRA_Enemy->SetRePlay(FALSE);
    m_pRA_Frame->SetPositionXYZ(400.0f, -500.0f, 0.0f);
    m_pRA_Allies->SetPositionXYZ(400.0f, -300.0f, 0.0f);
    m_pRA_Enemy->SetPositionXYZ(400.0f, -300.0f, 0.0f);

    AddRenderingObject(m_pRS_Turn);
    AddRenderingObject(m_pRA_Frame);
    AddRenderingObject(m_pRA_Allies);
    AddRenderingObject(m_pRA_Enemy);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(BANNER_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_DisplayCampAndTurn::Fini()
{
    m_pRS_Turn = nullptr;
    m_pRA_Frame = nullptr;
    m_pRA_Allies = nullptr;
    m_pRA_Enemy = nullptr;
    m_pRA_Current = nullptr;
    ClearAll();
    return S_OK;
}

HRESULT XC_DisplayCampAndTurn::Start(BOOL bAllies, int iTurn)
{
    if (m_pRS_Turn == nullptr) {
        XM_REPORT_FAILED("m_pRS_Turn");
        return E_FAIL;
    }
    m_pRA_Current = bAllies ? m_pRA_Allies : m_pRA_Enemy;
    const char* const szTurn = g_pGameText != nullptr ? g_pGameText->GetText(TEXT_TURN) : nullptr;
    if (szTurn == nullptr)
        XM_REPORT_FAILED("szTurn");
    char szNumber[16];
    std::snprintf(szNumber, sizeof(szNumber), "%02d", iTurn);
    m_strTurn = XC_String(szTurn) + " " + szNumber;
    m_pRS_Turn->SetString(m_strTurn.c_str(), TEXT_COLOR);

    m_pRA_Current->SetCurrentPage(0);
    m_pRA_Current->SetShow(TRUE);
    m_pRS_Turn->SetShow(TRUE);
    m_pRA_Frame->SetShow(TRUE);
    return S_OK;
}

BOOL XC_DisplayCampAndTurn::IsFinished()
{
    if (m_pRA_Current == nullptr)
        return TRUE;
    if (m_pRA_Current->IsLastPageEnd()) {
        m_pRA_Current->SetShow(FALSE);
        m_pRS_Turn->SetShow(FALSE);
        m_pRA_Frame->SetShow(FALSE);
        m_pRA_Current = nullptr;
    }
    return FALSE;
}
