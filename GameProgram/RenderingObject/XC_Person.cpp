#include "GameProgram/RenderingObject/XC_Person.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Resource/XC_AnimationObject.h"

#include <cmath>
#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

std::map<XC_String, DWORD> s_mapPersonPoseIndex XM_INIT_ORDER(XE_INIT_POSE_NAMES);

} // namespace

XC_Person::XC_Person()
    : m_dwPose(0)
{
    m_bPickByColorKey = TRUE;
    // Every pixel a person draws carries the stencil value 2.
    static const struct
    {
        D3DRENDERSTATETYPE eState;
        DWORD dwValue;
    } STENCIL_STATES[] = {
        {D3DRS_STENCILENABLE, TRUE},          {D3DRS_STENCILFUNC, D3DCMP_ALWAYS},
        {D3DRS_STENCILREF, 2},                {D3DRS_STENCILMASK, 2},
        {D3DRS_STENCILWRITEMASK, 2},          {D3DRS_STENCILZFAIL, D3DSTENCILOP_KEEP},
        {D3DRS_STENCILFAIL, D3DSTENCILOP_KEEP}, {D3DRS_STENCILPASS, D3DSTENCILOP_REPLACE},
    };
    for (const auto& state : STENCIL_STATES)
        m_SetDirectStateObj.SetRenderState(state.eState, state.dwValue);
}

XC_Person::~XC_Person()
{
    if (FAILED(FiniPerson()))
        XM_REPORT_FAILED("FiniPerson()");
}

HRESULT XC_Person::InitPerson(const char* szPersonPath, DWORD dwPose, DWORD dwDirection)
{
    if (FAILED(SetPersonPath(szPersonPath)))
        return E_FAIL;
    m_dwPose = dwPose;
    SetDirection(dwDirection);
    return RebuildPoseAnimation();
}

HRESULT XC_Person::FiniPerson()
{
    m_szPersonPath.clear();
    m_dwPose = 0;
    const HRESULT hr = ClearPreparePose(TRUE);
    if (FAILED(hr))
        XM_REPORT_FAILED("ClearPreparePose( 1 )");
    return S_OK;
}

HRESULT XC_Person::SetPersonPath(const char* szPersonPath)
{
    if (szPersonPath == nullptr) {
        XM_REPORT_FAILED("szPersonPath");
        return E_FAIL;
    }
    m_szPersonPath = szPersonPath;
    return S_OK;
}

const char* XC_Person::GetPersonPath() const
{
    return m_szPersonPath.c_str();
}

HRESULT XC_Person::SetPose(DWORD dwPose)
{
    if (dwPose == m_dwPose)
        return S_OK;
    m_dwPose = dwPose;
    return RebuildPoseAnimation();
}

DWORD XC_Person::GetPose() const
{
    return m_dwPose;
}

XC_String XC_Person::SurfaceName(DWORD dwPose) const
{
    char szPose[16];
    std::snprintf(szPose, sizeof(szPose), "%02u", static_cast<unsigned>(dwPose));
    return m_szPersonPath + "\\" + szPose;
}

HRESULT XC_Person::RebuildPoseAnimation()
{
    // Standing and walking poses loop; every other pose plays once and holds.
    SetRePlay(m_dwPose == 0 || m_dwPose == 1 || m_dwPose == 12 ? TRUE : FALSE);
    return SetSurface(SurfaceName(m_dwPose).c_str()) ? S_OK : E_FAIL;
}

HRESULT XC_Person::AddPreparePose(DWORD dwPose, BOOL bKeep)
{
    const auto it = m_mapPreparePose.find(dwPose);
    if (it != m_mapPreparePose.end()) {
        if (bKeep)
            it->second.bKeep = TRUE;
        return S_OK;
    }
    XS_PreparePose pose = {nullptr, nullptr, bKeep};
    if (FAILED(LoadSurface(SurfaceName(dwPose).c_str(), &pose.pAniObj_A, &pose.pAniObj_B))) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_Person::AddPreparePose Error , dwPose = %d", static_cast<int>(dwPose)));
        return E_FAIL;
    }
    m_mapPreparePose[dwPose] = pose;
    return S_OK;
}

HRESULT XC_Person::ClearPreparePose(BOOL bAll)
{
    for (auto it = m_mapPreparePose.begin(); it != m_mapPreparePose.end();) {
        if (!bAll && it->second.bKeep) {
            ++it;
            continue;
        }
        it->second.pAniObj_A->Release();
        it->second.pAniObj_B->Release();
        it = m_mapPreparePose.erase(it);
    }
    return S_OK;
}

BOOL XC_Person::IsPoseKept(DWORD dwPose) const
{
    const auto it = m_mapPreparePose.find(dwPose);
    return it != m_mapPreparePose.end() && it->second.bKeep ? TRUE : FALSE;
}

DWORD XC_Person::DirectionTowards(float fDeltaX, float fDeltaZ)
{
    if (std::fabs(fDeltaZ) >= std::fabs(fDeltaX))
        return fDeltaZ < 0.0f ? 2 : 0;
    return fDeltaX > 0.0f ? 1 : 3;
}

void XC_Person::LookAtPosition(const D3DXVECTOR3* pPosition)
{
    const D3DXVECTOR3* const pWorldPosition = GetWorldPosition();
    SetDirection(DirectionTowards(pPosition->x - pWorldPosition->x, pPosition->z - pWorldPosition->z));
}

XC_RenderShadow* XC_Person::GetRenderShadow()
{
    return &m_RenderShadowObj;
}

HRESULT XC_Person::SetEnvironmentOfRender(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("pEnvironmentOfRender");
        return E_FAIL;
    }
    XC_Performer::SetEnvironmentOfRender(pEnvironmentOfRender);
    m_RenderShadowObj.SetEnvironmentOfRender(pEnvironmentOfRender);
    m_RenderShadowObj.SetParent(this);
    return S_OK;
}

void XC_Person::SetShow(BOOL bShow)
{
    XC_Performer::SetShow(bShow);
    m_RenderShadowObj.SetShow(bShow);
}

void XC_Person::SetColor(DWORD dwColor)
{
    XC_Performer::SetColor(dwColor);
    m_RenderShadowObj.SetColor(dwColor);
}

BOOL XC_Person::IsAlphaBlend()
{
    return TRUE;
}

HRESULT XC_Person::SetPersonPoseIndex(const char* szPersonPose, DWORD dwIndex)
{
    if (szPersonPose == nullptr) {
        XM_REPORT_FAILED("szPersonPose");
        return E_FAIL;
    }
    s_mapPersonPoseIndex[XC_String(szPersonPose)] = dwIndex;
    return S_OK;
}

DWORD XC_Person::GetPersonPoseIndex(const char* szPersonPose)
{
    if (szPersonPose == nullptr) {
        XM_REPORT_FAILED("szPersonPose");
        return 0;
    }
    const auto it = s_mapPersonPoseIndex.find(XC_String(szPersonPose));
    if (it == s_mapPersonPoseIndex.end()) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       (std::string("XC_Person::GetPersonPoseIndex , UnKnow Pose  ") + szPersonPose).c_str());
        return 0;
    }
    return it->second;
}
