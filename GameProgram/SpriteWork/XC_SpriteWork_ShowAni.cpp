#include "GameProgram/SpriteWork/XC_SpriteWork_ShowAni.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

HRESULT XC_SpriteWork_ShowAni::SetTarget(XI_EnvironmentOfRender* pEnvironmentOfRender, const char* szAnimationName)
{
    HRESULT hr = m_RA_Object.SetEnvironmentOfRender(pEnvironmentOfRender);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_RA_Object.SetEnvironmentOfRender( pEnvironmentOfRender )", hr);
        return hr;
    }
    hr = m_RA_Object.LoadAnimation(szAnimationName);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_RA_Object.SetAnimationObject( szAnimationName )", hr);
        return hr;
    }
    return S_OK;
}

HRESULT XC_SpriteWork_ShowAni::SetTarget(XI_EnvironmentOfRender* pEnvironmentOfRender, XC_AnimationObject* pAniObj)
{
    HRESULT hr = m_RA_Object.SetEnvironmentOfRender(pEnvironmentOfRender);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_RA_Object.SetEnvironmentOfRender( pEnvironmentOfRender )", hr);
        return hr;
    }
    hr = m_RA_Object.SetAnimationObject(pAniObj, TRUE);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_RA_Object.SetAnimationObject( pAniObj )", hr);
        return hr;
    }
    return S_OK;
}

XC_RenderAnimation* XC_SpriteWork_ShowAni::GetRenderAnimation()
{
    return &m_RA_Object;
}

void XC_SpriteWork_ShowAni::Begin()
{
    m_RA_Object.SetShow(TRUE);
}

void XC_SpriteWork_ShowAni::End()
{
    m_RA_Object.SetShow(FALSE);
}

BOOL XC_SpriteWork_ShowAni::Step(float)
{
    return m_RA_Object.IsLastPageEnd();
}
