#include "GameProgram/Script/XC_ScriptParameterAnalyzer.h"

#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "GameProgram/Script/XF_ScriptFunctions.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// Counts one level of nesting for the life of the object.
class XC_DepthGuard
{
public:
    explicit XC_DepthGuard(int* piDepth) : m_piDepth(piDepth) { ++*m_piDepth; }
    ~XC_DepthGuard() { --*m_piDepth; }
    XC_DepthGuard(const XC_DepthGuard&) = delete;
    XC_DepthGuard& operator=(const XC_DepthGuard&) = delete;

private:
    int* m_piDepth;
};

D3DXMATRIX IdentityMatrix()
{
    D3DXMATRIX matrix;
    D3DXMatrixIdentity(&matrix);
    return matrix;
}

} // namespace

XC_ScriptParameterAnalyzer::XC_ScriptParameterAnalyzer()
{
    XF_AddStringFunctions(&m_StringFunctionTable);
    XF_AddLongFunctions(&m_LongFunctionTable);
    XF_AddDwordFunctions(&m_DwordFunctionTable);
    XF_AddFloatFunctions(&m_FloatFunctionTable);
    XF_AddBoolFunctions(&m_BoolFunctionTable);
    XF_AddXYZFunctions(&m_XYZFunctionTable);
    XF_AddMatrixFunctions(&m_MatrixFunctionTable);
}

XC_ScriptParameterAnalyzer::~XC_ScriptParameterAnalyzer() = default;

HRESULT XC_ScriptParameterAnalyzer::SetScriptParameter(XC_ScriptParameter* pScriptParameter)
{
    m_pCurrentScriptParameter = pScriptParameter;
    return S_OK;
}

HRESULT XC_ScriptParameterAnalyzer::SetTextNode(XC_TextNode* pTextNodeObj)
{
    if (pTextNodeObj == nullptr) {
        XM_REPORT_FAILED("pTextNodeObj");
        return E_FAIL;
    }
    m_pTextNodeObj = pTextNodeObj;
    return S_OK;
}

XC_TextNode* XC_ScriptParameterAnalyzer::GetTextNode()
{
    return m_pTextNodeObj;
}

BOOL XC_ScriptParameterAnalyzer::HasParameter(const char* szParameterName)
{
    if (m_pTextNodeObj == nullptr || szParameterName == nullptr)
        return FALSE;
    return m_pTextNodeObj->FindLeaf(szParameterName) != nullptr ? TRUE : FALSE;
}

const char* XC_ScriptParameterAnalyzer::FindValueText(const char* szParameterName, bool bConsultScript)
{
    if (m_pTextNodeObj == nullptr) {
        XM_REPORT_FAILED("m_pTextNodeObj");
        return nullptr;
    }
    if (szParameterName == nullptr) {
        XM_REPORT_FAILED("szParameterName");
        return nullptr;
    }
    const char* szValue = m_pTextNodeObj->GetStr(szParameterName, nullptr);
    if (szValue != nullptr || !bConsultScript || m_pCurrentScriptParameter == nullptr)
        return szValue;
    if (FAILED(m_pCurrentScriptParameter->GetParameter(szParameterName, &szValue)))
        return nullptr;
    return szValue;
}

template <> HRESULT XC_ScriptParameterAnalyzer::EvaluateAny(XC_Strtok* pTokens, XC_String* pResult)
{
    return EvaluateString(pTokens, pResult);
}
template <> HRESULT XC_ScriptParameterAnalyzer::EvaluateAny(XC_Strtok* pTokens, LONG* pResult)
{
    return EvaluateLong(pTokens, pResult);
}
template <> HRESULT XC_ScriptParameterAnalyzer::EvaluateAny(XC_Strtok* pTokens, DWORD* pResult)
{
    return EvaluateDword(pTokens, pResult);
}
template <> HRESULT XC_ScriptParameterAnalyzer::EvaluateAny(XC_Strtok* pTokens, float* pResult)
{
    return EvaluateFloat(pTokens, pResult);
}
template <> HRESULT XC_ScriptParameterAnalyzer::EvaluateAny(XC_Strtok* pTokens, BOOL* pResult)
{
    return EvaluateBool(pTokens, pResult);
}
template <> HRESULT XC_ScriptParameterAnalyzer::EvaluateAny(XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    return EvaluateXYZ(pTokens, pResult);
}
template <> HRESULT XC_ScriptParameterAnalyzer::EvaluateAny(XC_Strtok* pTokens, D3DXMATRIX* pResult)
{
    return EvaluateMatrix(pTokens, pResult);
}

template <class T>
bool XC_ScriptParameterAnalyzer::ReadParameter(const char* szParameterName, bool bConsultScript, const T& defaultValue,
                                               T* pResult)
{
    *pResult = defaultValue;
    const char* const szValue = FindValueText(szParameterName, bConsultScript);
    if (szValue == nullptr)
        return true;

    const bool bOutermost = m_iDepth == 0;
    XC_Strtok tokens;
    HRESULT hr = tokens.SetData(szValue);
    if (SUCCEEDED(hr))
        hr = EvaluateAny(&tokens, pResult);
    const bool bDepthExceeded = m_bDepthExceeded;
    if (bOutermost)
        m_bDepthExceeded = false;
    if (SUCCEEDED(hr))
        return true;
    // Inside a runaway nesting only the outermost getter reports.
    if (bOutermost || !bDepthExceeded) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("GetParameter Error , TextNodeName = %s , szParameterName = %s",
                                     m_pTextNodeObj->GetName(), szParameterName));
    }
    return false;
}

XC_String XC_ScriptParameterAnalyzer::GetStringParameter(const char* szParameterName, const char* szDefault)
{
    XC_String result;
    if (!ReadParameter(szParameterName, true, XC_String(szDefault), &result))
        return XC_String(szDefault);
    return result;
}

LONG XC_ScriptParameterAnalyzer::GetLongParameter(const char* szParameterName, LONG lDefault)
{
    LONG lResult = 0;
    return ReadParameter(szParameterName, true, lDefault, &lResult) ? lResult : lDefault;
}

DWORD XC_ScriptParameterAnalyzer::GetDwordParameter(const char* szParameterName, DWORD dwDefault)
{
    DWORD dwResult = 0;
    return ReadParameter(szParameterName, true, dwDefault, &dwResult) ? dwResult : dwDefault;
}

float XC_ScriptParameterAnalyzer::GetFloatParameter(const char* szParameterName, float fDefault)
{
    float fResult = 0.0f;
    return ReadParameter(szParameterName, true, fDefault, &fResult) ? fResult : fDefault;
}

BOOL XC_ScriptParameterAnalyzer::GetBoolParameter(const char* szParameterName, BOOL bDefault)
{
    BOOL bResult = FALSE;
    return ReadParameter(szParameterName, true, bDefault, &bResult) ? bResult : FALSE;
}

D3DXVECTOR3 XC_ScriptParameterAnalyzer::GetXYZParameter(const char* szParameterName)
{
    // A failed plain vector keeps the components it read before the failure.
    D3DXVECTOR3 vResult;
    ReadParameter(szParameterName, true, D3DXVECTOR3(0.0f, 0.0f, 0.0f), &vResult);
    return vResult;
}

D3DXMATRIX XC_ScriptParameterAnalyzer::GetMatrixParameter(const char* szParameterName)
{
    D3DXMATRIX matResult;
    if (!ReadParameter(szParameterName, false, IdentityMatrix(), &matResult))
        return IdentityMatrix();
    return matResult;
}

template <class T>
HRESULT XC_ScriptParameterAnalyzer::Evaluate(const FunctionTable<T>& table,
                                             HRESULT (*fpLiteral)(XC_ScriptParameterAnalyzer*, XC_Strtok*, T*),
                                             XC_Strtok* pTokens, T* pResult)
{
    const char* const szParameter = pTokens != nullptr ? pTokens->GetToken(FALSE) : nullptr;
    if (szParameter == nullptr) {
        XM_REPORT_FAILED("szParameter");
        return E_FAIL;
    }
    if (m_bDepthExceeded)
        return E_FAIL;
    const XC_DepthGuard depthGuard(&m_iDepth);
    if (m_iDepth > MAX_EVALUATION_DEPTH) {
        m_bDepthExceeded = true;
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("Evaluation deeper than %d levels , szParameter = %s", MAX_EVALUATION_DEPTH,
                                     szParameter));
        return E_FAIL;
    }
    const auto row = table.find(XC_String(szParameter));
    if (row == table.end())
        return fpLiteral(this, pTokens, pResult);
    pTokens->PopFrontToken();
    if (FAILED(row->second(this, pTokens, pResult))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_ScriptParameterAnalyzer::EvaluateString(XC_Strtok* pTokens, XC_String* pResult)
{
    return Evaluate(m_StringFunctionTable, XF_ReadStringLiteral, pTokens, pResult);
}

HRESULT XC_ScriptParameterAnalyzer::EvaluateLong(XC_Strtok* pTokens, LONG* pResult)
{
    return Evaluate(m_LongFunctionTable, XF_ReadLongLiteral, pTokens, pResult);
}

HRESULT XC_ScriptParameterAnalyzer::EvaluateDword(XC_Strtok* pTokens, DWORD* pResult)
{
    return Evaluate(m_DwordFunctionTable, XF_ReadDwordLiteral, pTokens, pResult);
}

HRESULT XC_ScriptParameterAnalyzer::EvaluateFloat(XC_Strtok* pTokens, float* pResult)
{
    return Evaluate(m_FloatFunctionTable, XF_ReadFloatLiteral, pTokens, pResult);
}

HRESULT XC_ScriptParameterAnalyzer::EvaluateBool(XC_Strtok* pTokens, BOOL* pResult)
{
    return Evaluate(m_BoolFunctionTable, XF_ReadBoolLiteral, pTokens, pResult);
}

HRESULT XC_ScriptParameterAnalyzer::EvaluateXYZ(XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    return Evaluate(m_XYZFunctionTable, XF_ReadXYZLiteral, pTokens, pResult);
}

HRESULT XC_ScriptParameterAnalyzer::EvaluateMatrix(XC_Strtok* pTokens, D3DXMATRIX* pResult)
{
    return Evaluate(m_MatrixFunctionTable, XF_ReadMatrixLiteral, pTokens, pResult);
}
