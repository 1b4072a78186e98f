#include "GameProgram/RenderingObject/XC_Performer.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_AnimationPage.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD NO_VIEW = 99;
const float QUARTER_TURN = 0.7853982f;

void ReleaseAnimation(XC_AnimationObject** ppAniObj)
{
    if (*ppAniObj != nullptr)
        (*ppAniObj)->Release();
    *ppAniObj = nullptr;
}

} // namespace

HRESULT LoadSurface(const char* szSurfaceName, XC_AnimationObject** ppAniObj_A, XC_AnimationObject** ppAniObj_B)
{
    *ppAniObj_A = nullptr;
    *ppAniObj_B = nullptr;
    if (szSurfaceName == nullptr || g_pAnimationManager == nullptr) {
        XM_REPORT_FAILED(szSurfaceName == nullptr ? "szSurfaceName" : "g_pAnimationManager");
        return E_FAIL;
    }
    const std::string strName(szSurfaceName);
    XC_AnimationObject* pAniObj_A = g_pAnimationManager->GetAnimation((strName + "A.ant").c_str());
    XC_AnimationObject* pAniObj_B = g_pAnimationManager->GetAnimation((strName + "B.ant").c_str());
    if (pAniObj_A == nullptr || pAniObj_B == nullptr) {
        XM_REPORT_FAILED(pAniObj_A == nullptr ? "pAniObj_A" : "pAniObj_B");
        ReleaseAnimation(&pAniObj_A);
        ReleaseAnimation(&pAniObj_B);
        return E_FAIL;
    }
    if (pAniObj_A->GetPageCount() != pAniObj_B->GetPageCount()) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pAniObj_A->GetPageCount() == pAniObj_B->GetPageCount()",
                                     XF_FormatText("動畫張數不一 %sA.ant %sB.ant", szSurfaceName, szSurfaceName)));
    }
    *ppAniObj_A = pAniObj_A;
    *ppAniObj_B = pAniObj_B;
    return S_OK;
}

XC_Performer::XC_Performer()
    : m_dwSaveDirection(0)
    , m_pAniObj_A(nullptr)
    , m_pAniObj_B(nullptr)
    , m_dwDirection(0)
    , m_dwShownView(0)
    , m_dwViewQuarter(NO_VIEW)
{
    SetBillboardingEnable(TRUE);
    SetApproachCameraDistance(0.5f);
    SetUseRatioOfPic(TRUE);
}

XC_Performer::~XC_Performer()
{
    ReleaseSurface();
}

XC_RenderingObject* XC_Performer::Duplicate()
{
    XC_Performer* const pNewPerformer = new XC_Performer;
    if (FAILED(pNewPerformer->CopyPerformer(this)))
        XM_REPORT_FAILED("pNewPerformer->CopyPerformer( this )");
    return pNewPerformer;
}

HRESULT XC_Performer::CopyPerformer(XC_Performer* pSource)
{
    if (pSource == nullptr || pSource->m_pAniObj_A == nullptr || pSource->m_pAniObj_B == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    if (FAILED(CopyRenderAnimation(pSource)))
        return E_FAIL;
    ReleaseSurface();
    m_pAniObj_A = pSource->m_pAniObj_A;
    m_pAniObj_B = pSource->m_pAniObj_B;
    m_pAniObj_A->AddRef();
    m_pAniObj_B->AddRef();
    m_dwDirection = pSource->m_dwDirection;
    m_dwShownView = pSource->m_dwShownView;
    m_dwSaveDirection = pSource->m_dwSaveDirection;
    m_dwViewQuarter = pSource->m_dwViewQuarter;
    return S_OK;
}

BOOL XC_Performer::SetSurface(const char* szSurfaceName)
{
    ReleaseSurface();
    if (FAILED(LoadSurface(szSurfaceName, &m_pAniObj_A, &m_pAniObj_B)))
        return FALSE;
    m_dwShownView = NO_VIEW;
    SetCurrentPage(0);
    SetAnimationObject(m_pAniObj_A, TRUE);
    return TRUE;
}

void XC_Performer::ReleaseSurface()
{
    ReleaseAnimation(&m_pAniObj_A);
    ReleaseAnimation(&m_pAniObj_B);
}

float XC_Performer::DirectionAngle(DWORD dwDirection)
{
    static const float ANGLES[] = {0.0f, 1.5707964f, 3.1415927f, 4.712389f};
    return dwDirection < 4 ? ANGLES[dwDirection] : 0.0f;
}

HRESULT XC_Performer::SetDirection(DWORD dwDirection)
{
    m_dwDirection = dwDirection;
    SetRotationY(DirectionAngle(dwDirection));
    return S_OK;
}

DWORD XC_Performer::GetDirection()
{
    return static_cast<DWORD>(XF_AngleToQuarter(GetWorldRotation().y));
}

DWORD XC_Performer::GetDirectionNumber() const
{
    return m_dwDirection;
}

DWORD XC_Performer::GetViewQuarter() const
{
    return m_dwViewQuarter;
}

void XC_Performer::SaveDirection()
{
    m_dwSaveDirection = m_dwDirection;
}

void XC_Performer::RestoreDirection()
{
    SetDirection(m_dwSaveDirection);
}

DWORD XC_Performer::GetPageMessage(DWORD dwPage)
{
    if (m_pAniObj_A == nullptr || dwPage >= m_pAniObj_A->GetPageCount()) {
        XF_ReportError(s_szSourceFile, __LINE__, "GetAniPageMessage error");
        return 0;
    }
    return static_cast<DWORD>(m_pAniObj_A->GetPage(dwPage)->m_iPageValue);
}

DWORD XC_Performer::GetAniPageMessage()
{
    if (m_pAniObj_A == nullptr || m_dwCurrentPage >= m_pAniObj_A->GetPageCount()) {
        XF_ReportError(s_szSourceFile, __LINE__, "GetAniPageMessage error");
        return 0;
    }
    return IsPageChanged() ? GetPageMessage(m_dwCurrentPage) : 0;
}

void XC_Performer::BuildWorldMatrix(const D3DXVECTOR3* pPosition, const D3DXQUATERNION* pQuaternion,
                                    const D3DXVECTOR3* pScale)
{
    const D3DXVECTOR3 vRotation = XF_QuaternionToRotation(pQuaternion);
    D3DXQUATERNION qWithoutYaw;
    D3DXQuaternionRotationYawPitchRoll(&qWithoutYaw, 0.0f, vRotation.x, vRotation.z);
    XC_RenderAnimation::BuildWorldMatrix(pPosition, &qWithoutYaw, pScale);
}

DWORD XC_Performer::ComputeViewQuarter(float fCameraYaw)
{
    return static_cast<DWORD>(XF_AngleToQuarter(GetWorldRotation().y - (fCameraYaw + QUARTER_TURN)));
}

void XC_Performer::ApplyView(DWORD dwViewQuarter)
{
    static const struct
    {
        bool bAnimationA;
        BOOL bMirror;
    } VIEWS[] = {{false, TRUE}, {true, TRUE}, {true, FALSE}, {false, FALSE}};
    if (dwViewQuarter > 3) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_Performer::Render()");
        return;
    }
    SetAnimationObject(VIEWS[dwViewQuarter].bAnimationA ? m_pAniObj_A : m_pAniObj_B, FALSE);
    SetMirror(VIEWS[dwViewQuarter].bMirror);
}

BOOL XC_Performer::IsInFrustum(const XC_Frustum* pFrustumObj)
{
    if (m_pAniObj_A == nullptr || m_pAniObj_B == nullptr || m_pCameraMan == nullptr) {
        XM_REPORT_FAILED(m_pAniObj_A == nullptr ? "m_pAniObj_A" : m_pAniObj_B == nullptr ? "m_pAniObj_B" : "m_pCameraMan");
        return FALSE;
    }
    m_dwViewQuarter = ComputeViewQuarter(m_pCameraMan->GetCurrentData()->m_fYaw);
    if (m_dwViewQuarter != m_dwShownView) {
        m_dwShownView = m_dwViewQuarter;
        ApplyView(m_dwViewQuarter);
    }
    return XC_RenderAnimation::IsInFrustum(pFrustumObj);
}
