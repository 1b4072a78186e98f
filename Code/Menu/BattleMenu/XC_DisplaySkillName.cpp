#include "Code/Menu/BattleMenu/XC_DisplaySkillName.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The Menu layer.
const DWORD SKILL_NAME_RENDER_GROUP = 70;
const char* const NO_SKILL_NAME = "None.ant";

} // namespace

HRESULT XC_DisplaySkillName::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    Fini();
    SetEnvironmentOfRender(pEnvironmentOfRender);
    SetShow(FALSE);

    m_pRenderAnimation_BaseMap = new XC_RenderAnimation;
    const HRESULT hr = m_pRenderAnimation_BaseMap->LoadAnimation(NO_SKILL_NAME);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pRenderAnimation_BaseMap->LoadAnimation( \"None.ant\" )", hr);
    m_pRenderAnimation_BaseMap->SetRePlay(FALSE);
    m_pRenderAnimation_BaseMap->SetPositionXYZ(400.0f, -500.0f, 0.0f);
    AddRenderingObject(m_pRenderAnimation_BaseMap);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(SKILL_NAME_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_DisplaySkillName::Fini()
{
    m_pRenderAnimation_BaseMap = nullptr;
    ClearAll();
    return S_OK;
}

std::string XC_DisplaySkillName::SkillNameFile(DWORD dwSkillID)
{
    char szFileName[32];
    std::snprintf(szFileName, sizeof(szFileName), "SkillName\\H%08X.ant", static_cast<unsigned>(dwSkillID));
    return szFileName;
}

HRESULT XC_DisplaySkillName::SetSkillName(DWORD dwSkillID)
{
    if (m_pRenderAnimation_BaseMap == nullptr || g_pAnimationManager == nullptr) {
        XM_REPORT_FAILED("m_pRenderAnimation_BaseMap");
        return E_FAIL;
    }
    XC_AnimationObject* const pAniObj =
        g_pAnimationManager->GetAnimationOrDefault(SkillNameFile(dwSkillID).c_str(), NO_SKILL_NAME);
    if (pAniObj == nullptr) {
        XM_REPORT_FAILED("pAniObj");
        return E_FAIL;
    }
    const HRESULT hr = m_pRenderAnimation_BaseMap->SetAnimationObject(pAniObj, TRUE);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pRenderAnimation_BaseMap->SetAnimationObject( pAniObj )", hr);
    pAniObj->Release();
    return S_OK;
}
