#include "GameProgram/RenderingObject/XC_RenderAnimation.h"

#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_TokenTable.h"
#include "GameProgram/D3DCommon/XC_Frustum.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/RenderingObject/XF_TextureFactor.h"
#include "GameProgram/Resource/Music/XI_MusicObj.h"
#include "GameProgram/Resource/XC_2DTexture.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_AnimationPage.h"
#include "GameProgram/Resource/XC_AnimationPic.h"

#include <cmath>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD TIMER_RANK = 8;
const float PIXEL_SIZE = 0.008f;
const float DEGREE = 0.017453292f;

} // namespace

XC_RenderAnimation::XC_RenderAnimation()
    : XC_Timer(TIMER_RANK)
    , m_bPickByColorKey(FALSE)
    , m_fPageTime(0.0f)
    , m_dwCurrentPage(0)
    , m_bRePlay(TRUE)
    , m_bPlay(TRUE)
    , m_dwBeginPage(0)
    , m_dwEndPage(0)
    , m_fPlaySpeed(1.0f)
    , m_bFirstRun(TRUE)
    , m_bPageChanged(TRUE)
    , m_bLastPageEndinFrameMove(FALSE)
    , m_bMirror(FALSE)
    , m_bUseRatioOfPic(FALSE)
    , m_pAniObj(nullptr)
    , m_bExtraRotation(FALSE)
{
    D3DXMatrixIdentity(&m_matRender);
    D3DXMatrixIdentity(&m_matExtraRotation);
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
}

XC_RenderAnimation::~XC_RenderAnimation()
{
    if (m_pAniObj != nullptr)
        m_pAniObj->Release();
}

XC_RenderingObject* XC_RenderAnimation::Duplicate()
{
    XC_RenderAnimation* const pNewObj = new XC_RenderAnimation;
    pNewObj->CopyRenderAnimation(this);
    return pNewObj;
}

HRESULT XC_RenderAnimation::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (FAILED(XC_RenderingObject::LoadFromTextNode(pTNode)) || pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    const char* const lpctstrGetStr = pTNode->GetStr("AniName", nullptr);
    if (lpctstrGetStr == nullptr) {
        XM_REPORT_FAILED("lpctstrGetStr");
    } else if (FAILED(LoadAnimation(lpctstrGetStr))) {
        XM_REPORT_FAILED("SetAnimationObject( pAniObject )");
    }
    SetCurrentPage(pTNode->GetDword("dwCurrentPage", 0));
    SetRePlay(pTNode->GetBool("bRePlay", TRUE));
    SetBeginPage(pTNode->GetDword("dwBeginPage", 0));
    SetEndPage(pTNode->GetDword("dwEndPage", 0));
    if (m_pAniObj != nullptr && m_dwEndPage > m_pAniObj->GetPageCount()) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%s : dwEndPage %lu lies past the %lu pages of %s", GetName(),
                                     static_cast<unsigned long>(m_dwEndPage),
                                     static_cast<unsigned long>(m_pAniObj->GetPageCount()),
                                     lpctstrGetStr != nullptr ? lpctstrGetStr : ""));
    }
    const float fPlaySpeed = pTNode->GetFloat("fPlaySpeed", 1.0f);
    if (std::isfinite(fPlaySpeed)) {
        SetPlaySpeed(fPlaySpeed);
    } else {
        // A speed that is not a number would stop the pages for ever.
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%s : fPlaySpeed is not a number ; 1 is used", GetName()));
        SetPlaySpeed(1.0f);
    }
    SetMirror(pTNode->GetBool("bMirror", FALSE));
    SetUseRatioOfPic(pTNode->GetBool("bUseRatioOfPic", FALSE));
    D3DXVECTOR3 vRotation;
    if (pTNode->GetVector3("xyzExtraRotation", &vRotation.x, &vRotation.y, &vRotation.z)) {
        vRotation *= DEGREE;
        SetExtraRotation(&vRotation);
    }
    m_bPlay = pTNode->GetBool("bPlay", TRUE);
    return S_OK;
}

HRESULT XC_RenderAnimation::AnalyzeScriptToken(XC_Strtok& StrtokObj)
{
    const char* const szToken = StrtokObj.GetToken(FALSE);
    if (szToken != nullptr && std::strcmp(szToken, "RenderAni") == 0) {
        StrtokObj.PopFrontToken();
        return AnalyzeAniToken(StrtokObj);
    }
    return XC_RenderingObject::AnalyzeScriptToken(StrtokObj);
}

HRESULT XC_RenderAnimation::AnalyzeAniToken(XC_Strtok& StrtokObj)
{
    const char* const szToken = StrtokObj.GetToken(TRUE);
    if (szToken == nullptr) {
        XM_REPORT_FAILED("szToken");
        return E_FAIL;
    }
    if (!StrtokObj.HasToken())
        return E_FAIL;
    static const struct
    {
        const char* szName;
        void (*pCommand)(XC_RenderAnimation&, XC_Strtok&);
    } COMMANDS[] = {
        {"LoadAni", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.LoadAnimation(tok.GetToken(TRUE)); }},
        {"CurrentPage", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.SetCurrentPage(tok.GetTokenDword(TRUE)); }},
        {"RePlay", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.SetRePlay(tok.GetTokenBool(TRUE)); }},
        {"Play", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.SetPlay(tok.GetTokenBool(TRUE)); }},
        {"BeginPage", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.SetBeginPage(tok.GetTokenDword(TRUE)); }},
        {"EndPage", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.SetEndPage(tok.GetTokenDword(TRUE)); }},
        {"PlaySpeed", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.SetPlaySpeed(tok.GetTokenFloat(TRUE)); }},
        {"MirrorPic", [](XC_RenderAnimation& ani, XC_Strtok& tok) { ani.SetMirror(tok.GetTokenBool(TRUE)); }},
    };
    const auto* const pCommand = XF_FindToken(COMMANDS, szToken);
    if (pCommand == nullptr)
        return E_FAIL;
    pCommand->pCommand(*this, StrtokObj);
    return S_OK;
}

HRESULT XC_RenderAnimation::LoadAnimation(const char* szAnimationName)
{
    if (szAnimationName == nullptr || g_pAnimationManager == nullptr) {
        XM_REPORT_FAILED(szAnimationName == nullptr ? "szAnimationName" : "g_pAnimationManager");
        return E_FAIL;
    }
    XC_AnimationObject* const pAniObject = g_pAnimationManager->GetAnimation(szAnimationName);
    if (pAniObject == nullptr) {
        XM_REPORT_FAILED("pAniObject");
        return E_FAIL;
    }
    const HRESULT hr = SetAnimationObject(pAniObject, TRUE);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetAnimationObject( pAniObject )", hr);
    pAniObject->Release();
    return S_OK;
}

HRESULT XC_RenderAnimation::SetAnimationObject(XC_AnimationObject* pAniObj, BOOL bReset)
{
    if (pAniObj != nullptr)
        pAniObj->AddRef();
    if (m_pAniObj != nullptr)
        m_pAniObj->Release();
    m_pAniObj = nullptr;
    if (pAniObj == nullptr) {
        SetRenderable(FALSE);
        return S_OK;
    }
    const DWORD dwPageCount = pAniObj->GetPageCount();
    if (dwPageCount == 0) {
        pAniObj->Release();
        SetRenderable(FALSE);
        return E_FAIL;
    }
    m_pAniObj = pAniObj;
    if (m_dwCurrentPage >= dwPageCount)
        m_dwCurrentPage = dwPageCount - 1;
    if (bReset)
        ResetPlayState();
    SetRenderable(TRUE);
    return S_OK;
}

HRESULT XC_RenderAnimation::GetAnimationObject(XC_AnimationObject** ppAniObj)
{
    if (m_pAniObj == nullptr)
        return E_FAIL;
    m_pAniObj->AddRef();
    *ppAniObj = m_pAniObj;
    return S_OK;
}

HRESULT XC_RenderAnimation::CopyRenderAnimation(XC_RenderAnimation* pSource)
{
    XC_AnimationObject* pAniObj = nullptr;
    if (pSource == nullptr || FAILED(pSource->GetAnimationObject(&pAniObj)))
        return E_FAIL;
    const HRESULT hr = SetAnimationObject(pAniObj, TRUE);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetAnimationObject( pAniObj )", hr);
    pAniObj->Release();
    m_bRePlay = pSource->m_bRePlay;
    m_dwBeginPage = pSource->m_dwBeginPage;
    m_dwEndPage = pSource->m_dwEndPage;
    m_dwCurrentPage = pSource->m_dwCurrentPage;
    m_fPageTime = pSource->m_fPageTime;
    m_fPlaySpeed = pSource->m_fPlaySpeed;
    m_bMirror = pSource->m_bMirror;
    m_bUseRatioOfPic = pSource->m_bUseRatioOfPic;
    m_bPlay = pSource->m_bPlay;
    return CopyRenderingObject(pSource);
}

void XC_RenderAnimation::SetPickByColorKey(BOOL bPickByColorKey)
{
    m_bPickByColorKey = bPickByColorKey;
}

void XC_RenderAnimation::ResetPlayState()
{
    m_bFirstRun = TRUE;
    m_bPageChanged = TRUE;
    m_bLastPageEndinFrameMove = FALSE;
    m_fPageTime = 0.0f;
}

DWORD XC_RenderAnimation::GetPageMessage(DWORD dwPage)
{
    if (m_pAniObj == nullptr || dwPage >= m_pAniObj->GetPageCount()) {
        XM_REPORT_FAILED("m_pAniObj");
        return 0;
    }
    return static_cast<DWORD>(m_pAniObj->GetPage(dwPage)->m_iPageValue);
}

DWORD XC_RenderAnimation::GetAniPageMessage()
{
    if (m_pAniObj == nullptr) {
        XM_REPORT_FAILED("m_pAniObj");
        return 0;
    }
    return IsPageChanged() ? GetPageMessage(m_dwCurrentPage) : 0;
}

BOOL XC_RenderAnimation::IsLastPageEnd()
{
    if (m_bLastPageEndinFrameMove && m_bFirstRun)
        XM_REPORT_FAILED("!( m_bLastPageEndinFrameMove == TRUE && m_bFirstRun == TRUE )");
    return m_bLastPageEndinFrameMove;
}

BOOL XC_RenderAnimation::IsPageChanged()
{
    return m_bPageChanged;
}

void XC_RenderAnimation::SetCurrentPage(DWORD dwPage)
{
    m_dwCurrentPage = dwPage;
    if (m_pAniObj != nullptr && dwPage >= m_pAniObj->GetPageCount())
        m_dwCurrentPage = m_pAniObj->GetPageCount() - 1;
}

void XC_RenderAnimation::SetRePlay(BOOL bRePlay)
{
    m_bRePlay = bRePlay;
}

void XC_RenderAnimation::Play()
{
    m_bPlay = TRUE;
}

void XC_RenderAnimation::SetPlay(BOOL bPlay)
{
    m_bPlay = bPlay;
}

void XC_RenderAnimation::SetBeginPage(DWORD dwPage)
{
    m_dwBeginPage = dwPage;
    if (m_dwCurrentPage < dwPage)
        m_dwCurrentPage = dwPage;
}

void XC_RenderAnimation::SetEndPage(DWORD dwPage)
{
    m_dwEndPage = dwPage;
    if (dwPage > 0 && m_dwCurrentPage >= dwPage - 1)
        m_dwCurrentPage = dwPage - 1;
}

void XC_RenderAnimation::SetPlaySpeed(float fPlaySpeed)
{
    m_fPlaySpeed = fPlaySpeed;
}

DWORD XC_RenderAnimation::GetCurrentPage() const
{
    return m_dwCurrentPage;
}

BOOL XC_RenderAnimation::GetRePlay() const
{
    return m_bRePlay;
}

BOOL XC_RenderAnimation::GetPlay() const
{
    return m_bPlay;
}

DWORD XC_RenderAnimation::GetBeginPage() const
{
    return m_dwBeginPage;
}

DWORD XC_RenderAnimation::GetEndPage() const
{
    return m_dwEndPage;
}

float XC_RenderAnimation::GetPlaySpeed() const
{
    return m_fPlaySpeed;
}

void XC_RenderAnimation::Stop()
{
    m_bPlay = FALSE;
    m_dwCurrentPage = m_dwBeginPage;
    m_fPageTime = 0.0f;
}

void XC_RenderAnimation::Pause()
{
    m_bPlay = FALSE;
}

BOOL XC_RenderAnimation::IsPlaying() const
{
    return m_bPlay;
}

void XC_RenderAnimation::SetMirror(BOOL bMirror)
{
    m_bMirror = bMirror;
}

BOOL XC_RenderAnimation::GetMirror() const
{
    return m_bMirror;
}

void XC_RenderAnimation::SetUseRatioOfPic(BOOL bUseRatioOfPic)
{
    m_bUseRatioOfPic = bUseRatioOfPic;
}

BOOL XC_RenderAnimation::GetUseRatioOfPic() const
{
    return m_bUseRatioOfPic;
}

void XC_RenderAnimation::SetExtraRotation(const D3DXVECTOR3* pRotation)
{
    if (XF_FloatEqual(pRotation->x, 0.0f) && XF_FloatEqual(pRotation->y, 0.0f) && XF_FloatEqual(pRotation->z, 0.0f)) {
        m_bExtraRotation = FALSE;
        D3DXMatrixIdentity(&m_matExtraRotation);
        return;
    }
    m_bExtraRotation = TRUE;
    D3DXMatrixRotationYawPitchRoll(&m_matExtraRotation, pRotation->y, pRotation->x, pRotation->z);
}

XC_AnimationPage* XC_RenderAnimation::CurrentPage()
{
    if (m_pAniObj == nullptr || m_dwCurrentPage >= m_pAniObj->GetPageCount()) {
        XM_REPORT_FAILED("m_pAniObj");
        return nullptr;
    }
    return m_pAniObj->GetPage(m_dwCurrentPage);
}

void XC_RenderAnimation::Update(float fStep)
{
    // Without a page to play there is nothing to step.
    if (CurrentPage() == nullptr || !m_bPlay)
        return;
    m_fPageTime += fStep * m_fPlaySpeed;
    if (m_bFirstRun)
        m_bFirstRun = FALSE;
    else
        StepPage();
    const XC_AnimationPage* const pPage = m_pAniObj->GetPage(m_dwCurrentPage);
    if (m_bPageChanged && pPage->m_pMusicObj != nullptr)
        pPage->m_pMusicObj->Play();
}

void XC_RenderAnimation::StepPage()
{
    m_bLastPageEndinFrameMove = FALSE;
    m_bPageChanged = FALSE;
    const XC_AnimationPage* const pPage = CurrentPage();
    if (pPage == nullptr || m_fPageTime <= pPage->m_fPageTime)
        return;
    const DWORD dwPageCount = m_pAniObj->GetPageCount();
    if (m_dwCurrentPage < dwPageCount - 1 && m_dwCurrentPage < m_dwEndPage - 1) {
        m_bPageChanged = TRUE;
        m_fPageTime -= pPage->m_fPageTime;
        ++m_dwCurrentPage;
        return;
    }
    m_bLastPageEndinFrameMove = TRUE;
    m_fPageTime = 0.0f;
    if (m_bRePlay) {
        m_bPageChanged = TRUE;
        m_dwCurrentPage = m_dwBeginPage < dwPageCount ? m_dwBeginPage : dwPageCount - 1;
    }
}

void XC_RenderAnimation::OnAddToPainter()
{
    XC_Timer::Start();
    m_bPageChanged = TRUE;
}

void XC_RenderAnimation::OnRemoveFromPainter()
{
    // Stop overrides the timer's own stop, which Reset would call.
    XC_Timer::Stop();
    XC_Timer::SetTime(0.0f);
    m_dwCurrentPage = m_dwBeginPage;
}

BOOL XC_RenderAnimation::IsAlphaBlend()
{
    const XC_AnimationPage* const pPage =
        m_pAniObj != nullptr && m_dwCurrentPage < m_pAniObj->GetPageCount() ? m_pAniObj->GetPage(m_dwCurrentPage) : nullptr;
    if (pPage != nullptr && pPage->m_bAlphaBlend == 1)
        return TRUE;
    return XC_RenderingObject::IsAlphaBlend();
}

void XC_RenderAnimation::UpdateRenderMatrix()
{
    m_matRender = *GetWorldMatrix();
    if (m_bUseRatioOfPic)
        m_matRender = g_pVar->g_matModelScale * m_matRender;
    if (m_bMirror)
        m_matRender = g_pVar->g_matModelRotation * m_matRender;
    if (m_bExtraRotation)
        m_matRender = m_matExtraRotation * m_matRender;
}

BOOL XC_RenderAnimation::IsInFrustum(const XC_Frustum* pFrustumObj)
{
    if (m_pAniObj == nullptr) {
        XM_REPORT_FAILED("m_pAniObj");
        return FALSE;
    }
    if (m_dwCurrentPage >= m_pAniObj->GetPageCount()) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "m_dwCurrentPage < m_pAniObj->GetPageCount()",
                                     XF_FormatText("m_dwCurrentPage = %d , m_pAniObj->GetPageCount() = %d",
                                                   static_cast<int>(m_dwCurrentPage),
                                                   static_cast<int>(m_pAniObj->GetPageCount()))));
        m_dwCurrentPage = 0;
    }
    UpdateRenderMatrix();
    XS_BoundingSphere sphere = m_pAniObj->GetPage(m_dwCurrentPage)->m_fBoundingSphere;
    if (m_bUseRatioOfPic) {
        sphere.vCenter *= PIXEL_SIZE;
        sphere.fRadius *= PIXEL_SIZE;
    }
    XF_TransformBoundingSphere(&sphere, GetWorldMatrix(), QueryWorldScale());
    return pFrustumObj->SphereInFrustum(&sphere);
}

void XC_RenderAnimation::DrawObject()
{
    const XC_AnimationPage* const pPageObj = CurrentPage();
    if (pPageObj == nullptr)
        return;
    DrawPage(pPageObj, &m_matRender, GetColor(), m_bMirror);
}

void XC_RenderAnimation::DrawPage(const XC_AnimationPage* pPageObj, const D3DXMATRIX* pMatrix, DWORD dwColor,
                                  BOOL bMirror)
{
    for (DWORD i = 0; i < pPageObj->GetPicCount(); ++i) {
        D3DXMATRIX matPic;
        D3DXMatrixTranslation(&matPic, 0.0f, 0.0f, bMirror ? static_cast<float>(i) : -static_cast<float>(i));
        matPic *= *pMatrix;
        DrawPic(pPageObj->GetPic(i), &matPic, dwColor, bMirror);
    }
}

bool XC_RenderAnimation::IsCullFlipped(BOOL bMirror, const XC_AnimationPic* pPicObj)
{
    return (bMirror != FALSE) != (pPicObj->m_iWinding != 1);
}

void XC_RenderAnimation::DrawPic(XC_AnimationPic* pPicObj, const D3DXMATRIX* pMatrix, DWORD dwColor, BOOL bMirror)
{
    if (pPicObj == nullptr) {
        XM_REPORT_FAILED("pPicObj");
        return;
    }
    const HRESULT hr = pPicObj->CheckTextureExist();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pPicObj->CheckTextureExist( )", hr);
    if (pPicObj->m_p2DTextureObj == nullptr) {
        XM_REPORT_FAILED("pPicObj->m_p2DTextureObj");
        return;
    }
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    pPicObj->m_SetDirectState.Activate();
    const DWORD dwFinalColor = XF_ModulateColor(pPicObj->m_dwColor, dwColor);
    const bool bCullFlip = IsCullFlipped(bMirror, pPicObj);
    const bool bTinted = dwFinalColor != 0xFFFFFFFF;
    if (bTinted)
        XF_SetTextureFactorColor(dwFinalColor);
    if (bCullFlip && pDevice != nullptr)
        pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    const D3DXMATRIX matWorld = pPicObj->m_matPic * *pMatrix;
    pPicObj->m_p2DTextureObj->Render(&matWorld);
    if (bCullFlip && pDevice != nullptr)
        pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    if (bTinted)
        XF_RestoreTextureFactor();
    pPicObj->m_SetDirectState.Deactivate();
}

BOOL XC_RenderAnimation::IntersectRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance)
{
    const XC_AnimationPage* const pPageObj = CurrentPage();
    if (pPageObj == nullptr)
        return FALSE;
    for (DWORD i = 0; i < pPageObj->GetPicCount(); ++i) {
        XC_AnimationPic* const pPicObj = pPageObj->GetPic(i);
        const HRESULT hr = pPicObj->CheckTextureExist();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("pPicObj->CheckTextureExist( )", hr);
        if (pPicObj->m_p2DTextureObj == nullptr)
            continue;
        const D3DXMATRIX matWorld = pPicObj->m_matPic * m_matRender;
        if (pPicObj->m_p2DTextureObj->HitTest(pvOrigin, pvDirection, &matWorld, m_bPickByColorKey, pfDistance))
            return TRUE;
    }
    return FALSE;
}
