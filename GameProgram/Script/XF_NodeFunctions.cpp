#include "GameProgram/Script/XF_NodeFunctions.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptCommand.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

typedef XC_ScriptParameterAnalyzer XA;

namespace {

// The screen the pixel coordinates of "#ScreenToWorld" refer to.
const float SCREEN_WIDTH = 800.0f;
const float SCREEN_HEIGHT = 600.0f;

enum XE_NodeValue
{
    NV_Position,
    NV_Rotation,
    NV_Scale,
};

// The script whose command is being read; null, reported, when the analyzer
// is no dispatcher or has no script.
XC_Script* ScriptOf(XA* pAnalyzer)
{
    XC_ScriptCommand* const pScriptCommandbj = dynamic_cast<XC_ScriptCommand*>(pAnalyzer);
    if (pScriptCommandbj == nullptr) {
        XM_REPORT_FAILED("pScriptCommandbj");
        return nullptr;
    }
    XC_Script* const pScriptObj = pScriptCommandbj->GetScriptObj();
    if (pScriptObj == nullptr)
        XM_REPORT_FAILED("pScriptObj");
    return pScriptObj;
}

D3DXVECTOR3 NodeValue(XC_RenderNode* pNode, XE_NodeValue eValue)
{
    switch (eValue) {
    case NV_Rotation: return pNode->GetWorldRotation();
    case NV_Scale: return *pNode->QueryWorldScale();
    default: return *pNode->QueryWorldPosition();
    }
}

// A failing argument fails the value, so the getter reports it and takes
// its default, rather than succeeding without a result.
HRESULT ReadNodeValue(XA* pAnalyzer, D3DXVECTOR3* pResult, const XC_String& strName, XE_NodeValue eValue)
{
    XC_Script* const pScriptObj = ScriptOf(pAnalyzer);
    if (pScriptObj == nullptr)
        return E_FAIL;
    XC_RenderNode* const pNode = pScriptObj->GetScriptResource()->GetRenderNode(strName.c_str());
    if (pNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("Get XYZ From RenderNode Error , Can't Find %s", strName.c_str()));
        return E_FAIL;
    }
    *pResult = NodeValue(pNode, eValue);
    return S_OK;
}

// The direction number a person was given last, or the quarter it was seen
// from in its last frustum test; like the node functions, a failing argument
// fails the value.
template <DWORD (XC_Performer::*fpDirection)() const>
HRESULT PersonDirection(XA* pAnalyzer, XC_Strtok* pTokens, LONG* pResult)
{
    XC_String strName;
    if (FAILED(pAnalyzer->EvaluateString(pTokens, &strName)))
        return E_FAIL;
    XC_Script* const pScriptObj = ScriptOf(pAnalyzer);
    if (pScriptObj == nullptr)
        return E_FAIL;
    XC_Person* const pPerson = dynamic_cast<XC_Person*>(pScriptObj->GetScriptResource()->GetRenderNode(strName.c_str()));
    if (pPerson == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("PersonAbsoluteDirection Error , Can't Find %s", strName.c_str()));
        return E_FAIL;
    }
    *pResult = static_cast<LONG>((pPerson->*fpDirection)());
    return S_OK;
}

template <XE_NodeValue eValue>
HRESULT GetNodeValue(XA* pAnalyzer, XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    XC_String strName;
    if (FAILED(pAnalyzer->EvaluateString(pTokens, &strName))) {
        XF_ReportError(s_szSourceFile, __LINE__, "Get XYZ From RenderNode Error");
        return E_FAIL;
    }
    return ReadNodeValue(pAnalyzer, pResult, strName, eValue);
}

HRESULT RenderNode(XA* pAnalyzer, XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    XC_String strName;
    XC_String strKind;
    if (FAILED(pAnalyzer->EvaluateString(pTokens, &strName)) || FAILED(pAnalyzer->EvaluateString(pTokens, &strKind))) {
        XF_ReportError(s_szSourceFile, __LINE__, "Get XYZ From RenderNode Error");
        return E_FAIL;
    }
    XE_NodeValue eValue = NV_Position;
    if (strKind == "Rotation") {
        eValue = NV_Rotation;
    } else if (strKind == "Scale") {
        eValue = NV_Scale;
    } else if (strKind != "Position") {
        XF_ReportError(s_szSourceFile, __LINE__, "Get XYZ From RenderNode Error , Check <Type>");
        return E_FAIL;
    }
    return ReadNodeValue(pAnalyzer, pResult, strName, eValue);
}

HRESULT ScreenToWorld(XA* pAnalyzer, XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    float fX = 0.0f;
    float fY = 0.0f;
    D3DXVECTOR3 vReference(0.0f, 0.0f, 0.0f);
    if (FAILED(pAnalyzer->EvaluateFloat(pTokens, &fX)) || FAILED(pAnalyzer->EvaluateFloat(pTokens, &fY))
        || FAILED(pAnalyzer->EvaluateXYZ(pTokens, &vReference)))
        return E_FAIL;
    XC_Script* const pScriptObj = ScriptOf(pAnalyzer);
    XI_EnvironmentOfRender* const pEnvironment = pScriptObj != nullptr ? pScriptObj->GetEnvironmentOfRender() : nullptr;
    XC_CameraMan* const pCameraMan = pEnvironment != nullptr ? pEnvironment->GetWorldCameraMan() : nullptr;
    if (pCameraMan == nullptr)
        return E_FAIL;
    const D3DXMATRIX* const pProjection = pCameraMan->GetProjectionMatrix();
    const D3DXVECTOR3 vView((2.0f * fX / SCREEN_WIDTH - 1.0f) / pProjection->_11,
                            -(2.0f * fY / SCREEN_HEIGHT - 1.0f) / pProjection->_22, 1.0f);
    D3DXMATRIX m;
    if (D3DXMatrixInverse(&m, nullptr, pCameraMan->GetViewMatrix()) == nullptr)
        return E_FAIL;
    const D3DXVECTOR3 vDirection(vView.x * m._11 + vView.y * m._21 + vView.z * m._31,
                                 vView.x * m._12 + vView.y * m._22 + vView.z * m._32,
                                 vView.x * m._13 + vView.y * m._23 + vView.z * m._33);
    D3DXVECTOR3 d;
    D3DXVec3Normalize(&d, &vDirection);
    const float r = XF_GetDistance(&vReference, &pCameraMan->GetCurrentData()->m_vEye);
    *pResult = D3DXVECTOR3(m._41, m._42, m._43) + d * r;
    return S_OK;
}

} // namespace

void XF_AddNodeFunctions(std::map<XC_String, XF_LongFunction>* pLongTable, std::map<XC_String, XF_XYZFunction>* pXYZTable)
{
    std::map<XC_String, XF_LongFunction>& longTable = *pLongTable;
    longTable["#PersonAbsoluteDirection"] = PersonDirection<&XC_Performer::GetDirectionNumber>;
    longTable["#PersonRelativeDirection"] = PersonDirection<&XC_Performer::GetViewQuarter>;
    std::map<XC_String, XF_XYZFunction>& xyzTable = *pXYZTable;
    xyzTable["#RenderNode"] = RenderNode;
    xyzTable["#GetPosition"] = GetNodeValue<NV_Position>;
    xyzTable["#GetRotation"] = GetNodeValue<NV_Rotation>;
    xyzTable["#GetScale"] = GetNodeValue<NV_Scale>;
    xyzTable["#ScreenToWorld"] = ScreenToWorld;
}
