#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>
#include <d3dx9math.h>

#include <map>

class XC_ScriptParameter;
class XC_ScriptParameterAnalyzer;
class XC_Strtok;
class XC_TextNode;

// A value function of one of the seven tables: it reads its own arguments
// from the front of the token list and writes the typed result.
typedef HRESULT (*XF_StringFunction)(XC_ScriptParameterAnalyzer*, XC_Strtok*, XC_String*);
typedef HRESULT (*XF_LongFunction)(XC_ScriptParameterAnalyzer*, XC_Strtok*, LONG*);
typedef HRESULT (*XF_DwordFunction)(XC_ScriptParameterAnalyzer*, XC_Strtok*, DWORD*);
typedef HRESULT (*XF_FloatFunction)(XC_ScriptParameterAnalyzer*, XC_Strtok*, float*);
typedef HRESULT (*XF_BoolFunction)(XC_ScriptParameterAnalyzer*, XC_Strtok*, BOOL*);
typedef HRESULT (*XF_XYZFunction)(XC_ScriptParameterAnalyzer*, XC_Strtok*, D3DXVECTOR3*);
typedef HRESULT (*XF_MatrixFunction)(XC_ScriptParameterAnalyzer*, XC_Strtok*, D3DXMATRIX*);

// Reads the leaves of a command node as typed values of the '#' prefix
// language: a literal, or a keyword of the type's table followed by its
// arguments. A missing leaf falls back to the script's named values.
class XC_ScriptParameterAnalyzer
{
public:
    // Nested evaluations deeper than this fail: a parameter that names itself
    // through "#Parameter", or a very long prefix chain, cannot exhaust the stack.
    static constexpr int MAX_EVALUATION_DEPTH = 64;

    XC_ScriptParameterAnalyzer();
    virtual ~XC_ScriptParameterAnalyzer();
    XC_ScriptParameterAnalyzer(const XC_ScriptParameterAnalyzer&) = delete;
    XC_ScriptParameterAnalyzer& operator=(const XC_ScriptParameterAnalyzer&) = delete;

    virtual HRESULT SetScriptParameter(XC_ScriptParameter* pScriptParameter);
    virtual HRESULT SetTextNode(XC_TextNode* pTextNodeObj);
    virtual XC_TextNode* GetTextNode();
    virtual BOOL HasParameter(const char* szParameterName);
    virtual XC_String GetStringParameter(const char* szParameterName, const char* szDefault);
    virtual LONG GetLongParameter(const char* szParameterName, LONG lDefault);
    virtual DWORD GetDwordParameter(const char* szParameterName, DWORD dwDefault);
    virtual float GetFloatParameter(const char* szParameterName, float fDefault);
    virtual BOOL GetBoolParameter(const char* szParameterName, BOOL bDefault);
    virtual D3DXVECTOR3 GetXYZParameter(const char* szParameterName);
    virtual D3DXMATRIX GetMatrixParameter(const char* szParameterName);
    virtual HRESULT EvaluateString(XC_Strtok* pTokens, XC_String* pResult);
    virtual HRESULT EvaluateLong(XC_Strtok* pTokens, LONG* pResult);
    virtual HRESULT EvaluateDword(XC_Strtok* pTokens, DWORD* pResult);
    virtual HRESULT EvaluateFloat(XC_Strtok* pTokens, float* pResult);
    virtual HRESULT EvaluateBool(XC_Strtok* pTokens, BOOL* pResult);
    virtual HRESULT EvaluateXYZ(XC_Strtok* pTokens, D3DXVECTOR3* pResult);
    virtual HRESULT EvaluateMatrix(XC_Strtok* pTokens, D3DXMATRIX* pResult);

    // True after an evaluation ran into the depth limit, until the outermost
    // getter returns: the rows that nest getters fail instead of using defaults.
    bool IsDepthExceeded() const { return m_bDepthExceeded; }

protected:
    template <class T>
    using FunctionTable = std::map<XC_String, HRESULT (*)(XC_ScriptParameterAnalyzer*, XC_Strtok*, T*)>;

    XC_TextNode* m_pTextNodeObj = nullptr;
    XC_ScriptParameter* m_pCurrentScriptParameter = nullptr;
    FunctionTable<XC_String> m_StringFunctionTable;
    FunctionTable<LONG> m_LongFunctionTable;
    FunctionTable<DWORD> m_DwordFunctionTable;
    FunctionTable<float> m_FloatFunctionTable;
    FunctionTable<BOOL> m_BoolFunctionTable;
    FunctionTable<D3DXVECTOR3> m_XYZFunctionTable;
    FunctionTable<D3DXMATRIX> m_MatrixFunctionTable;

private:
    // The value text of the leaf, else of the script's parameter when asked
    // to consult it; null when neither has the name.
    const char* FindValueText(const char* szParameterName, bool bConsultScript);
    template <class T>
    bool ReadParameter(const char* szParameterName, bool bConsultScript, const T& defaultValue, T* pResult);
    template <class T>
    HRESULT Evaluate(const FunctionTable<T>& table, HRESULT (*fpLiteral)(XC_ScriptParameterAnalyzer*, XC_Strtok*, T*),
                     XC_Strtok* pTokens, T* pResult);
    template <class T> HRESULT EvaluateAny(XC_Strtok* pTokens, T* pResult);

    int m_iDepth = 0;
    bool m_bDepthExceeded = false;
};
