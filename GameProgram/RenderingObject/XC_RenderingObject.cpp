#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_TokenTable.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/Effect/XC_Effect.h"
#include "GameProgram/Effect/XC_EffectManager.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/Painter/XI_Painter.h"
#include "GameProgram/RenderingObject/XF_ReplaceReference.h"

#include <cmath>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float DEGREE = 0.017453292f;

// Every rendering object ever constructed, whatever its class: the default names count it.
DWORD s_dwConstructedCount = 0;

bool IsNotSet(const char* szValue)
{
    return szValue == nullptr || szValue[0] == '<';
}

// Whether a value begins as a number does (a colour written as a word reads as 0).
bool IsNumberText(const char* szValue)
{
    while (*szValue == ' ' || *szValue == '\t')
        ++szValue;
    return (*szValue >= '0' && *szValue <= '9') || *szValue == '-' || *szValue == '+';
}

// The layer base of a "RenderQueue" text, or -1 when it names none.
int LayerBase(const char* szLayer)
{
    static const struct
    {
        const char* szName;
        int iBase;
    } LAYERS[] = {
        {"Background", RQG_Background}, {"Main", RQG_Main}, {"Foreground", RQG_Foreground},
        {"Menu", RQG_Menu},             {"Mouse", RQG_Mouse},
    };
    const auto* const pLayer = XF_FindToken(LAYERS, szLayer);
    return pLayer != nullptr ? pLayer->iBase : -1;
}

// Three floats of a script line; false, reading none into the result, when one is missing.
bool TakeThreeFloats(XC_Strtok& StrtokObj, D3DXVECTOR3* pvValue)
{
    float rfValue[3];
    for (float& fValue : rfValue) {
        if (!StrtokObj.HasToken())
            return false;
        fValue = StrtokObj.GetTokenFloat(TRUE);
    }
    *pvValue = D3DXVECTOR3(rfValue[0], rfValue[1], rfValue[2]);
    return true;
}

} // namespace

XC_RenderingObject::XC_RenderingObject()
    : m_strName(XF_FormatText("RO%05u", static_cast<unsigned>(s_dwConstructedCount++)))
    , m_bShow(FALSE)
    , m_bRenderable(FALSE)
    , m_bRegistered(FALSE)
    , m_dwColor(0xFFFFFFFF)
    , m_pEffectObj(nullptr)
    , m_pEnvironmentOfRender(nullptr)
    , m_dwCoordinateSystem(CS_World)
    , m_dwRenderQueueGroupID(RQG_Main)
    , m_pCameraMan(nullptr)
    , m_pLightMan(nullptr)
    , m_bUseBillboarding(FALSE)
    , m_pBillboardingLockAxis(nullptr)
    , m_fApproachCameraDistance(0.0f)
    , m_fRanderSortDalta(0.0f)
{
}

XC_RenderingObject::~XC_RenderingObject()
{
    if (m_pEffectObj != nullptr)
        m_pEffectObj->Release();
    m_pEffectObj = nullptr;
    if (m_pEnvironmentOfRender != nullptr && m_bRegistered) {
        XI_Painter* const pPainter = FindPainter();
        if (pPainter != nullptr)
            pPainter->RemoveRenderObj(this);
    }
    delete m_pBillboardingLockAxis;
}

HRESULT XC_RenderingObject::SetName(const char* szName)
{
    if (szName == nullptr) {
        XM_REPORT_FAILED("szName");
        return S_OK;
    }
    m_strName = szName;
    return S_OK;
}

const char* XC_RenderingObject::GetName() const
{
    return m_strName.c_str();
}

XC_RenderingObject* XC_RenderingObject::Duplicate()
{
    XF_ReportError(s_szSourceFile, __LINE__, "不能複製出此物件");
    return nullptr;
}

HRESULT XC_RenderingObject::CopyRenderingObject(XC_RenderingObject* pRenderObj)
{
    if (pRenderObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    if (FAILED(CopyRenderNode(pRenderObj))) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_RenderNode::CopyRenderNode( pRenderObj ) Error");
        return E_FAIL;
    }
    m_strName = pRenderObj->m_strName;
    if (FAILED(m_SetDirectStateObj.Copy(&pRenderObj->m_SetDirectStateObj))) {
        XF_ReportError(s_szSourceFile, __LINE__, "m_SetDirectStateObj.Copy( &pRenderObj->m_SetDirectStateObj ) Error");
        return E_FAIL;
    }
    if (pRenderObj->m_pEnvironmentOfRender != nullptr)
        SetEnvironmentOfRender(pRenderObj->m_pEnvironmentOfRender);
    SetCoordinateSystem(pRenderObj->m_dwCoordinateSystem);
    SetRenderQueueGroup(pRenderObj->m_dwRenderQueueGroupID);
    SetShow(pRenderObj->m_bShow);
    SetColor(pRenderObj->m_dwColor);
    m_bUseBillboarding = pRenderObj->m_bUseBillboarding;
    SetBillboardingLockAxis(pRenderObj->m_pBillboardingLockAxis);
    m_fApproachCameraDistance = pRenderObj->m_fApproachCameraDistance;
    m_fRanderSortDalta = pRenderObj->m_fRanderSortDalta;
    return SetEffect(pRenderObj->m_pEffectObj);
}

HRESULT XC_RenderingObject::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return S_OK;
    }
    const char* const szName = pTNode->GetStr("Name", nullptr);
    if (szName != nullptr)
        SetName(szName);
    const char* const szCoordinateSystem = pTNode->GetStr("CoordinateSystem", "World");
    SetCoordinateSystem(std::strcmp(szCoordinateSystem, "Screen") == 0 ? CS_Screen : CS_World);
    LoadRenderQueueGroup(pTNode);
    if (pTNode->FindLeaf("rgbaColor") != nullptr) {
        const char* const szColor = pTNode->GetStr("rgbaColor", "");
        if (!IsNumberText(szColor)) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("%s : rgbaColor \"%s\" is not a number", GetName(), szColor));
        }
        SetColor(pTNode->GetDword("rgbaColor", 0xFFFFFFFF));
    }
    LoadBillboarding(pTNode);
    m_fApproachCameraDistance = pTNode->GetFloat("fApproachCameraDistance", 0.0f);
    const float fSortDelta = pTNode->GetFloat("fRanderSortDalta", 0.0f);
    m_fRanderSortDalta = fSortDelta >= 0.0f ? fSortDelta * fSortDelta : -(fSortDelta * fSortDelta);
    LoadEffect(pTNode);
    const XC_TextNode* const pRenderStateNode = pTNode->FindChildNode("[RenderState]");
    if (pRenderStateNode != nullptr)
        m_SetDirectStateObj.LoadFromTextNode(pRenderStateNode);
    SetInheritRotatePos(pTNode->GetBool("bInheritRotatePos", TRUE));
    SetInheritRotateDir(pTNode->GetBool("bInheritRotateDir", TRUE));
    SetInheritScale(pTNode->GetBool("bInheritScale", FALSE));
    LoadMatrix(pTNode);
    return S_OK;
}

void XC_RenderingObject::LoadRenderQueueGroup(const XC_TextNode* pTNode)
{
    int iRenderQueue = pTNode->GetInt("iRenderQueueDelta", 0);
    if (iRenderQueue > 9 || iRenderQueue < -10)
        XM_REPORT_FAILED("iRenderQueue <= 9 && iRenderQueue >= -10");
    const char* const szLayer = pTNode->GetStr("RenderQueue", nullptr);
    int iBase = RQG_Main;
    if (szLayer != nullptr) {
        iBase = LayerBase(szLayer);
        if (iBase < 0) {
            XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("無法辨識圖層 %s", szLayer));
            iBase = RQG_Main;
        }
    }
    iRenderQueue += iBase;
    // The painter files by the id: a group outside the range is kept at its nearest end.
    if (iRenderQueue < static_cast<int>(RQG_00) || iRenderQueue >= static_cast<int>(RQG_None)) {
        XM_REPORT_FAILED("iRenderQueue >= (int)RQG_00 && iRenderQueue < (int)RQG_None");
        iRenderQueue = iRenderQueue < static_cast<int>(RQG_00) ? RQG_00 : RQG_None - 1;
    }
    SetRenderQueueGroup(static_cast<DWORD>(iRenderQueue));
}

void XC_RenderingObject::LoadBillboarding(const XC_TextNode* pTNode)
{
    m_bUseBillboarding = pTNode->GetBool("bUseBillboarding", FALSE);
    SetBillboardingLockAxis(static_cast<const XS_BillboardingLockAxis*>(nullptr));
    const char* const szAxis = pTNode->GetStr("BillboardingLockAxis", nullptr);
    if (!m_bUseBillboarding || szAxis == nullptr)
        return;
    static const struct
    {
        const char* szName;
        XS_BillboardingLockAxis Record;
    } AXES[] = {
        {"X", {D3DXVECTOR3(1.0f, 0.0f, 0.0f), D3DXVECTOR3(0.0f, 0.0f, -1.0f)}},
        {"Y", {D3DXVECTOR3(0.0f, 1.0f, 0.0f), D3DXVECTOR3(0.0f, 0.0f, -1.0f)}},
        {"Z", {D3DXVECTOR3(0.0f, 0.0f, 1.0f), D3DXVECTOR3(0.0f, 1.0f, 0.0f)}},
    };
    const auto* const pAxis = XF_FindToken(AXES, szAxis);
    if (pAxis == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%s : billboard axis \"%s\" is not X , Y or Z ; full billboarding is kept",
                                     GetName(), szAxis));
        return;
    }
    SetBillboardingLockAxis(&pAxis->Record);
    // The lock axis takes the place of full billboarding.
    m_bUseBillboarding = FALSE;
}

void XC_RenderingObject::LoadEffect(const XC_TextNode* pTNode)
{
    const char* const szEffectName = pTNode->GetStr("Effect", nullptr);
    if (IsNotSet(szEffectName)) {
        const HRESULT hr = SetEffect(nullptr);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("SetEffect( 0 )", hr);
        return;
    }
    if (g_pEffectManager == nullptr) {
        XM_REPORT_FAILED("g_pEffectManager");
        return;
    }
    XC_Effect* const pEffectObj = g_pEffectManager->GetEffect(szEffectName);
    if (pEffectObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pEffectObj",
                                     XF_FormatText("Load Error , EffectObj %s ", szEffectName)));
    }
    const HRESULT hr = SetEffect(pEffectObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetEffect( pEffectObj )", hr);
    if (pEffectObj != nullptr)
        pEffectObj->Release();
}

void XC_RenderingObject::LoadMatrix(const XC_TextNode* pTNode)
{
    const XC_TextNode* const pMatrixNode = pTNode->FindChildNode("[Matrix]");
    if (pMatrixNode == nullptr)
        return;
    SetPositionXYZ(pMatrixNode->GetFloat("fPosX", 0.0f), pMatrixNode->GetFloat("fPosY", 0.0f),
                   pMatrixNode->GetFloat("fPosZ", 0.0f));
    SetRotationXYZ(pMatrixNode->GetFloat("fRotPitch", 0.0f) * DEGREE, pMatrixNode->GetFloat("fRotYaw", 0.0f) * DEGREE,
                   pMatrixNode->GetFloat("fRotRoll", 0.0f) * DEGREE);
    SetScaleXYZ(ReadScale(pMatrixNode, "fScaleX"), ReadScale(pMatrixNode, "fScaleY"),
                ReadScale(pMatrixNode, "fScaleZ"));
}

float XC_RenderingObject::ReadScale(const XC_TextNode* pMatrixNode, const char* szKey) const
{
    const float fScale = pMatrixNode->GetFloat(szKey, 1.0f);
    if (std::isfinite(fScale) && fScale != 0.0f)
        return fScale;
    // A scale of 0 or not a number leaves no matrix to invert.
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("%s : %s = %g is not a scale ; 1 is used", GetName(), szKey,
                                 static_cast<double>(fScale)));
    return 1.0f;
}

HRESULT XC_RenderingObject::AnalyzeScript(const char* szScript)
{
    if (szScript == nullptr) {
        XM_REPORT_FAILED("szScript");
        return E_FAIL;
    }
    XC_Strtok StrtokObj;
    if (FAILED(StrtokObj.SetData(szScript))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    if (FAILED(AnalyzeScriptToken(StrtokObj))) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_RenderingObject::AnalyzeScript ERROR , szScript = %s ", szScript));
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_RenderingObject::AnalyzeScriptToken(XC_Strtok& StrtokObj)
{
    const char* const szToken = StrtokObj.GetToken(FALSE);
    if (szToken == nullptr) {
        XM_REPORT_FAILED("szToken");
        return E_FAIL;
    }
    static const struct
    {
        const char* szName;
        HRESULT (*pAnalyze)(XC_RenderingObject&, XC_Strtok&);
    } GROUPS[] = {
        {"RenderObj", [](XC_RenderingObject& obj, XC_Strtok& tok) { return obj.AnalyzeRenderObjToken(tok); }},
        {"RenderNode", [](XC_RenderingObject& obj, XC_Strtok& tok) { return obj.AnalyzeRenderNodeToken(tok); }},
        {"DirectState",
         [](XC_RenderingObject& obj, XC_Strtok& tok) { return obj.m_SetDirectStateObj.ScriptSetDirectState(tok); }},
    };
    const auto* const pGroup = XF_FindToken(GROUPS, szToken);
    if (pGroup == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    StrtokObj.PopFrontToken();
    return pGroup->pAnalyze(*this, StrtokObj);
}

HRESULT XC_RenderingObject::AnalyzeRenderObjToken(XC_Strtok& StrtokObj)
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
        void (*pCommand)(XC_RenderingObject&, XC_Strtok&);
    } COMMANDS[] = {
        {"SetShow", [](XC_RenderingObject& obj, XC_Strtok& tok) { obj.SetShow(tok.GetTokenBool(TRUE)); }},
        {"SetBillboardingEnable",
         [](XC_RenderingObject& obj, XC_Strtok& tok) { obj.SetBillboardingEnable(tok.GetTokenBool(TRUE)); }},
        {"SetApproachCameraDistance",
         [](XC_RenderingObject& obj, XC_Strtok& tok) { obj.SetApproachCameraDistance(tok.GetTokenFloat(TRUE)); }},
        {"SetRanderSortDalta",
         [](XC_RenderingObject& obj, XC_Strtok& tok) { obj.SetRanderSortDalta(tok.GetTokenFloat(TRUE)); }},
    };
    const auto* const pCommand = XF_FindToken(COMMANDS, szToken);
    if (pCommand == nullptr)
        return E_FAIL;
    pCommand->pCommand(*this, StrtokObj);
    return S_OK;
}

HRESULT XC_RenderingObject::AnalyzeRenderNodeToken(XC_Strtok& StrtokObj)
{
    const char* const szToken = StrtokObj.GetToken(TRUE);
    if (szToken == nullptr) {
        XM_REPORT_FAILED("szToken");
        return E_FAIL;
    }
    typedef void (XC_RenderNode::*OneFloatCommand)(float);
    static const struct
    {
        const char* szName;
        OneFloatCommand pCommand;
    } ONE_FLOAT_COMMANDS[] = {
        {"MoveX", &XC_RenderNode::AddPositionX},     {"MoveY", &XC_RenderNode::AddPositionY},
        {"MoveZ", &XC_RenderNode::AddPositionZ},     {"SetPositionX", &XC_RenderNode::SetPositionX},
        {"SetPositionY", &XC_RenderNode::SetPositionY}, {"SetPositionZ", &XC_RenderNode::SetPositionZ},
        {"Pitch", &XC_RenderNode::AddRotationX},     {"Yaw", &XC_RenderNode::AddRotationY},
        {"Roll", &XC_RenderNode::AddRotationZ},      {"SetPitch", &XC_RenderNode::SetRotationX},
        {"SetYaw", &XC_RenderNode::SetRotationY},    {"SetRoll", &XC_RenderNode::SetRotationZ},
        {"ScaleX", &XC_RenderNode::MulScaleX},       {"ScaleY", &XC_RenderNode::MulScaleY},
        {"ScaleZ", &XC_RenderNode::MulScaleZ},       {"SetScaleX", &XC_RenderNode::SetScaleX},
        {"SetScaleY", &XC_RenderNode::SetScaleY},    {"SetScaleZ", &XC_RenderNode::SetScaleZ},
    };
    if (const auto* const pFloatCommand = XF_FindToken(ONE_FLOAT_COMMANDS, szToken)) {
        if (!StrtokObj.HasToken())
            return E_FAIL;
        (this->*pFloatCommand->pCommand)(StrtokObj.GetTokenFloat(TRUE));
        return S_OK;
    }
    typedef void (XC_RenderNode::*VectorCommand)(const D3DXVECTOR3*);
    static const struct
    {
        const char* szName;
        VectorCommand pCommand;
    } VECTOR_COMMANDS[] = {
        {"SetPosition", &XC_RenderNode::SetPosition},
        {"SetRotation", &XC_RenderNode::SetRotation},
        {"SetScale", &XC_RenderNode::SetScale},
    };
    const auto* const pVectorCommand = XF_FindToken(VECTOR_COMMANDS, szToken);
    D3DXVECTOR3 vValue;
    if (pVectorCommand == nullptr || !TakeThreeFloats(StrtokObj, &vValue))
        return E_FAIL;
    (this->*pVectorCommand->pCommand)(&vValue);
    return S_OK;
}

HRESULT XC_RenderingObject::SetEnvironmentOfRender(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("pEnvironmentOfRender");
        return E_FAIL;
    }
    m_pEnvironmentOfRender = pEnvironmentOfRender;
    BindCameraAndLight();
    return S_OK;
}

XI_EnvironmentOfRender* XC_RenderingObject::GetEnvironmentOfRender() const
{
    return m_pEnvironmentOfRender;
}

XI_Painter* XC_RenderingObject::FindPainter() const
{
    XI_Painter* const pPainter = m_pEnvironmentOfRender->GetPainter();
    if (pPainter == nullptr)
        XM_REPORT_FAILED("m_pEnvironmentOfRender->GetPainter()");
    return pPainter;
}

void XC_RenderingObject::SetCoordinateSystem(DWORD dwCoordinateSystem)
{
    const BOOL bRefile = m_bRegistered;
    XI_Painter* const pPainter = bRefile ? FindPainter() : nullptr;
    if (pPainter != nullptr)
        pPainter->RemoveRenderObj(this);
    m_dwCoordinateSystem = dwCoordinateSystem;
    if (pPainter != nullptr)
        pPainter->AddRenderObj(this);
    BindCameraAndLight();
}

DWORD XC_RenderingObject::GetCoordinateSystem() const
{
    return m_dwCoordinateSystem;
}

HRESULT XC_RenderingObject::SetRenderQueueGroup(DWORD dwRenderQueueGroupID)
{
    if (dwRenderQueueGroupID >= RQG_None) {
        XM_REPORT_FAILED("dwRenderQueueGroupID < RQG_None");
        return E_FAIL;
    }
    XI_Painter* const pPainter = m_bRegistered ? FindPainter() : nullptr;
    if (pPainter != nullptr)
        pPainter->RemoveRenderObj(this);
    m_dwRenderQueueGroupID = dwRenderQueueGroupID;
    if (pPainter != nullptr)
        pPainter->AddRenderObj(this);
    return S_OK;
}

DWORD XC_RenderingObject::GetRenderQueueGroup() const
{
    return m_dwRenderQueueGroupID;
}

void XC_RenderingObject::UpdatePainterRegistration()
{
    if (m_pEnvironmentOfRender == nullptr)
        return;
    XI_Painter* const pPainter = FindPainter();
    const BOOL bWanted = m_bShow && m_bRenderable ? TRUE : FALSE;
    if (pPainter == nullptr || bWanted == m_bRegistered)
        return;
    if (m_bRegistered) {
        OnRemoveFromPainter();
        pPainter->RemoveRenderObj(this);
    }
    m_bRegistered = bWanted;
    if (m_bRegistered) {
        OnAddToPainter();
        pPainter->AddRenderObj(this);
    }
}

void XC_RenderingObject::SetRenderable(BOOL bRenderable)
{
    m_bRenderable = bRenderable;
    UpdatePainterRegistration();
}

void XC_RenderingObject::OnAddToPainter()
{
}

void XC_RenderingObject::OnRemoveFromPainter()
{
}

BOOL XC_RenderingObject::IsRenderable() const
{
    return m_bRenderable;
}

void XC_RenderingObject::SetShow(BOOL bShow)
{
    m_bShow = bShow;
    UpdatePainterRegistration();
}

BOOL XC_RenderingObject::GetShow() const
{
    return m_bShow;
}

XC_CameraMan* XC_RenderingObject::GetCameraMan() const
{
    return m_pCameraMan;
}

XC_LightMan* XC_RenderingObject::GetLightMan() const
{
    return m_pLightMan;
}

void XC_RenderingObject::DrawObject()
{
}

BOOL XC_RenderingObject::IsAlphaBlend()
{
    DWORD dwAlphaBlend = 0;
    if (m_pEffectObj != nullptr)
        m_pEffectObj->GetRenderState(D3DRS_ALPHABLENDENABLE, &dwAlphaBlend);
    if (dwAlphaBlend == 0)
        m_SetDirectStateObj.GetRenderState(D3DRS_ALPHABLENDENABLE, &dwAlphaBlend);
    return dwAlphaBlend != 0 ? TRUE : FALSE;
}

BOOL XC_RenderingObject::IsInFrustum(const XC_Frustum*)
{
    return TRUE;
}

float XC_RenderingObject::GetFrustumDepth(const XC_Frustum* pFrustumObj)
{
    if (pFrustumObj == nullptr) {
        XM_REPORT_FAILED("pFrustumObj");
        return 0.0f;
    }
    return pFrustumObj->GetNearDistance(GetWorldPosition());
}

bool XC_RenderingObject::DependsOnCamera() const
{
    return m_bUseBillboarding || m_pBillboardingLockAxis != nullptr
        || !XF_FloatEqual(m_fApproachCameraDistance, 0.0f);
}

BOOL XC_RenderingObject::CheckVisible(float* pfSortValue)
{
    if (m_pCameraMan == nullptr) {
        XM_REPORT_FAILED("m_pCameraMan");
        return FALSE;
    }
    // The camera may have moved since the world matrix was built.
    if (DependsOnCamera())
        UpdateMatrices();
    const XC_Frustum* const pFrustumObj = m_pCameraMan->GetFrustum();
    if (pFrustumObj == nullptr) {
        XM_REPORT_FAILED("pFrustumObj");
        return FALSE;
    }
    if (!IsInFrustum(pFrustumObj))
        return FALSE;
    *pfSortValue = GetFrustumDepth(pFrustumObj) - m_fApproachCameraDistance + m_fRanderSortDalta;
    return TRUE;
}

void XC_RenderingObject::Render()
{
    if (m_pCameraMan == nullptr || m_pLightMan == nullptr) {
        XM_REPORT_FAILED(m_pCameraMan == nullptr ? "m_pCameraMan" : "m_pLightMan");
        return;
    }
    m_pCameraMan->ApplyToDevice();
    m_pLightMan->Activate();
    m_SetDirectStateObj.Activate();
    if (m_pEffectObj != nullptr)
        m_pEffectObj->Activate();
    DrawObject();
    if (m_pEffectObj != nullptr)
        m_pEffectObj->Deactivate();
    m_SetDirectStateObj.Deactivate();
}

BOOL XC_RenderingObject::IntersectRay(const D3DXVECTOR3*, const D3DXVECTOR3*, float*)
{
    return FALSE;
}

BOOL XC_RenderingObject::Pick(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance)
{
    return m_bRegistered ? IntersectRay(pvOrigin, pvDirection, pfDistance) : FALSE;
}

void XC_RenderingObject::SetColor(DWORD dwColor)
{
    m_dwColor = dwColor;
}

DWORD XC_RenderingObject::GetColor() const
{
    return m_dwColor;
}

XC_SetDirectState* XC_RenderingObject::GetSetDirectState()
{
    return &m_SetDirectStateObj;
}

HRESULT XC_RenderingObject::SetEffect(XC_Effect* pEffectObj)
{
    XF_ReplaceReference(&m_pEffectObj, pEffectObj);
    return S_OK;
}

HRESULT XC_RenderingObject::SetEffectByName(const char* szEffectName)
{
    if (g_pEffectManager == nullptr) {
        XM_REPORT_FAILED("g_pEffectManager");
        return E_FAIL;
    }
    if (szEffectName == nullptr) {
        XM_REPORT_FAILED("szEffectName");
        return E_FAIL;
    }
    XC_Effect* const pEffectObj = g_pEffectManager->GetEffect(szEffectName);
    if (pEffectObj == nullptr)
        XM_REPORT_FAILED("pEffectObj");
    const HRESULT hr = SetEffect(pEffectObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetEffect( pEffectObj )", hr);
    if (pEffectObj != nullptr)
        pEffectObj->Release();
    return S_OK;
}

HRESULT XC_RenderingObject::GetEffect(XC_Effect** ppEffectObj) const
{
    if (m_pEffectObj == nullptr)
        return E_FAIL;
    *ppEffectObj = m_pEffectObj;
    return S_OK;
}

void XC_RenderingObject::BindCameraAndLight()
{
    if (m_dwCoordinateSystem != CS_World && m_dwCoordinateSystem != CS_Screen)
        XM_REPORT_FAILED("GetCoordinateSystem( ) == CS_World || GetCoordinateSystem( ) == CS_Screen");
    if (m_pEnvironmentOfRender == nullptr) {
        m_pCameraMan = nullptr;
        m_pLightMan = nullptr;
        return;
    }
    if (m_dwCoordinateSystem == CS_World) {
        m_pCameraMan = m_pEnvironmentOfRender->GetWorldCameraMan();
        m_pLightMan = m_pEnvironmentOfRender->GetWorldLightMan();
    } else {
        m_pCameraMan = m_pEnvironmentOfRender->GetScreenCameraMan();
        m_pLightMan = m_pEnvironmentOfRender->GetScreenLightMan();
    }
}

void XC_RenderingObject::BuildWorldMatrix(const D3DXVECTOR3* pPosition, const D3DXQUATERNION* pQuaternion,
                                          const D3DXVECTOR3* pScale)
{
    if (m_pEnvironmentOfRender == nullptr || m_pCameraMan == nullptr) {
        XC_RenderNode::BuildWorldMatrix(pPosition, pQuaternion, pScale);
        return;
    }
    D3DXMATRIX matScale, matRotation;
    D3DXMatrixScaling(&matScale, pScale->x, pScale->y, pScale->z);
    D3DXMatrixRotationQuaternion(&matRotation, pQuaternion);
    D3DXMatrixMultiply(&m_matWorld, &matScale, &matRotation);
    if (m_bUseBillboarding)
        D3DXMatrixMultiply(&m_matWorld, &m_matWorld, m_pCameraMan->GetBillboardMatrix());
    m_matWorld._41 = pPosition->x;
    m_matWorld._42 = pPosition->y;
    m_matWorld._43 = pPosition->z;
    if (!XF_FloatEqual(m_fApproachCameraDistance, 0.0f)) {
        D3DXVECTOR3 vToEye = m_pCameraMan->GetCurrentData()->m_vEye - *pPosition;
        D3DXVec3Normalize(&vToEye, &vToEye);
        m_matWorld._41 += vToEye.x * m_fApproachCameraDistance;
        m_matWorld._42 += vToEye.y * m_fApproachCameraDistance;
        m_matWorld._43 += vToEye.z * m_fApproachCameraDistance;
    }
    if (m_pBillboardingLockAxis != nullptr)
        ApplyBillboardingLockAxis(&m_pBillboardingLockAxis->vAxis, &m_pBillboardingLockAxis->vFront);
}

void XC_RenderingObject::ApplyBillboardingLockAxis(const D3DXVECTOR3* pAxis, const D3DXVECTOR3* pFront)
{
    if (m_pCameraMan == nullptr) {
        XM_REPORT_FAILED("m_pCameraMan");
        return;
    }
    const D3DXVECTOR3 vTranslation(m_matWorld._41, m_matWorld._42, m_matWorld._43);
    m_matWorld._41 = m_matWorld._42 = m_matWorld._43 = 0.0f;
    const D3DXVECTOR3 vEye = m_pCameraMan->GetCurrentData()->m_vEye;
    D3DXVECTOR3 vAxis;
    D3DXVec3TransformNormal(&vAxis, pAxis, &m_matWorld);
    D3DXVec3Normalize(&vAxis, &vAxis);
    const D3DXVECTOR3 vFromPosition = vEye - vTranslation;
    const D3DXVECTOR3 vNearest = vTranslation + vAxis * D3DXVec3Dot(&vFromPosition, &vAxis);
    D3DXVECTOR3 vFront;
    D3DXVec3TransformNormal(&vFront, pFront, &m_matWorld);
    D3DXVec3Normalize(&vFront, &vFront);
    D3DXVECTOR3 vToEye = vEye - vNearest;
    D3DXVec3Normalize(&vToEye, &vToEye);
    float fAngle = XF_GetVectorAngle(&vFront, &vToEye);
    if (!XF_FloatEqual(fAngle, 0.0f)) {
        D3DXVECTOR3 vTurn;
        D3DXVec3Cross(&vTurn, &vFront, &vToEye);
        D3DXVec3Normalize(&vTurn, &vTurn);
        if (!XF_FloatEqual(XF_GetVectorAngle(&vTurn, &vAxis), 0.0f))
            fAngle = -fAngle;
        D3DXMATRIX matTurn;
        D3DXMatrixRotationAxis(&matTurn, &vAxis, fAngle);
        D3DXMatrixMultiply(&m_matWorld, &m_matWorld, &matTurn);
    }
    m_matWorld._41 = vTranslation.x;
    m_matWorld._42 = vTranslation.y;
    m_matWorld._43 = vTranslation.z;
}

void XC_RenderingObject::SetBillboardingEnable(BOOL bEnable)
{
    m_bUseBillboarding = bEnable;
}

void XC_RenderingObject::SetBillboardingLockAxis(const D3DXVECTOR3* pAxis, const D3DXVECTOR3* pFront)
{
    if (m_pBillboardingLockAxis == nullptr)
        m_pBillboardingLockAxis = new XS_BillboardingLockAxis;
    m_pBillboardingLockAxis->vAxis = *pAxis;
    m_pBillboardingLockAxis->vFront = *pFront;
}

void XC_RenderingObject::SetBillboardingLockAxis(const XS_BillboardingLockAxis* pRecord)
{
    if (pRecord == nullptr) {
        delete m_pBillboardingLockAxis;
        m_pBillboardingLockAxis = nullptr;
        return;
    }
    SetBillboardingLockAxis(&pRecord->vAxis, &pRecord->vFront);
}

void XC_RenderingObject::SetApproachCameraDistance(float fDistance)
{
    m_fApproachCameraDistance = fDistance;
}

void XC_RenderingObject::SetRanderSortDalta(float fDelta)
{
    m_fRanderSortDalta = fDelta;
}

BOOL XC_RenderingObject::GetBillboardingEnable() const
{
    return m_bUseBillboarding;
}

const XS_BillboardingLockAxis* XC_RenderingObject::GetBillboardingLockAxis() const
{
    return m_pBillboardingLockAxis;
}

float XC_RenderingObject::GetApproachCameraDistance() const
{
    return m_fApproachCameraDistance;
}

float XC_RenderingObject::GetRanderSortDalta() const
{
    return m_fRanderSortDalta;
}
