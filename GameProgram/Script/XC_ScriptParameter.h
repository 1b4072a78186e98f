#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>

#include <map>

class XC_TextNode;

// A script's named values, text by name. A name this store lacks is looked
// up in its parent, so a called script sees its caller's values.
class XC_ScriptParameter
{
public:
    // Values longer than this are refused: a loop that doubles or appends to
    // a value would otherwise grow it until memory is gone.
    static constexpr size_t MAX_VALUE_LENGTH = 65536;

    XC_ScriptParameter() = default;
    virtual ~XC_ScriptParameter() = default;
    XC_ScriptParameter(const XC_ScriptParameter&) = delete;
    XC_ScriptParameter& operator=(const XC_ScriptParameter&) = delete;

    // A new store with the same parent and values, or null.
    virtual XC_ScriptParameter* Clone();
    virtual HRESULT CopyFrom(const XC_ScriptParameter* pOtherParameter);
    virtual HRESULT LoadFromTextNode(const XC_TextNode* pTNodeParameter);
    virtual HRESULT SetParent(XC_ScriptParameter* pParent);
    virtual HRESULT SetParameter(const char* szParameter, const char* szData);
    // The value text (valid until the value changes), here or in a parent;
    // E_FAIL with null when no store of the chain has the name.
    virtual HRESULT GetParameter(const char* szParameter, const char** pszData) const;

private:
    XC_ScriptParameter* m_pParent = nullptr;
    std::map<XC_String, XC_String> m_mapParameter;
};
