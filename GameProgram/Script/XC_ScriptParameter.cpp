#include "GameProgram/Script/XC_ScriptParameter.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"

#include <cstring>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_ScriptParameter* XC_ScriptParameter::Clone()
{
    XC_ScriptParameter* const pNewObj = new (std::nothrow) XC_ScriptParameter;
    if (pNewObj == nullptr) {
        XM_REPORT_FAILED("pNewObj");
        return nullptr;
    }
    if (FAILED(pNewObj->CopyFrom(this))) {
        delete pNewObj;
        return nullptr;
    }
    return pNewObj;
}

HRESULT XC_ScriptParameter::CopyFrom(const XC_ScriptParameter* pOtherParameter)
{
    if (pOtherParameter == nullptr) {
        XM_REPORT_FAILED("pOtherParameter");
        return E_FAIL;
    }
    m_pParent = pOtherParameter->m_pParent;
    m_mapParameter = pOtherParameter->m_mapParameter;
    return S_OK;
}

HRESULT XC_ScriptParameter::LoadFromTextNode(const XC_TextNode* pTNodeParameter)
{
    if (pTNodeParameter == nullptr) {
        XM_REPORT_FAILED("pTNodeParameter");
        return S_OK;
    }
    for (int i = 0; i < pTNodeParameter->GetLeafCount(); ++i) {
        const XC_TextLeaf* const pTLeafParameter = pTNodeParameter->GetLeaf(i);
        const HRESULT hr = SetParameter(pTLeafParameter->GetName(), pTLeafParameter->GetValue());
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("SetParameter( pTLeafParameter->GetName() , pTLeafParameter->GetValue() )", hr);
    }
    return S_OK;
}

HRESULT XC_ScriptParameter::SetParent(XC_ScriptParameter* pParent)
{
    m_pParent = pParent;
    return S_OK;
}

HRESULT XC_ScriptParameter::SetParameter(const char* szParameter, const char* szData)
{
    if (szParameter == nullptr) {
        XM_REPORT_FAILED("szParameter");
        return E_FAIL;
    }
    if (szData == nullptr) {
        XM_REPORT_FAILED("szData");
        return E_FAIL;
    }
    const size_t uLength = std::strlen(szData);
    if (uLength > MAX_VALUE_LENGTH) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("SetParameter \"%s\" : %lu bytes , at most %lu", szParameter,
                                     static_cast<unsigned long>(uLength), static_cast<unsigned long>(MAX_VALUE_LENGTH)));
        return E_FAIL;
    }
    m_mapParameter[XC_String(szParameter)] = XC_String(szData);
    return S_OK;
}

HRESULT XC_ScriptParameter::GetParameter(const char* szParameter, const char** pszData) const
{
    *pszData = nullptr;
    // A long chain of stores is walked in a loop, not by recursion.
    for (const XC_ScriptParameter* pStore = this; pStore != nullptr; pStore = pStore->m_pParent) {
        const auto found = pStore->m_mapParameter.find(XC_String(szParameter));
        if (found != pStore->m_mapParameter.end()) {
            *pszData = found->second.c_str();
            return S_OK;
        }
    }
    return E_FAIL;
}
