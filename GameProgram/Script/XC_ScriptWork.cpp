#include "GameProgram/Script/XC_ScriptWork.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_ScriptWork::~XC_ScriptWork()
{
    m_ScriptSetObj.Fini();
}

HRESULT XC_ScriptWork::SetTarget(const char* szScriptFile, XC_Script* pSourceScript)
{
    if (pSourceScript == nullptr) {
        XM_REPORT_FAILED("pSourceScript");
        return E_FAIL;
    }
    if (FAILED(m_ScriptSetObj.InitFromScript(pSourceScript)) || FAILED(m_ScriptSetObj.LoadScript(szScriptFile))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_ScriptWork::SetTarget(const char* szScriptFile, XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("pEnvironmentOfRender");
        return E_FAIL;
    }
    if (FAILED(m_ScriptSetObj.Init(pEnvironmentOfRender)) || FAILED(m_ScriptSetObj.LoadScript(szScriptFile))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return S_OK;
}

XC_ScriptSet* XC_ScriptWork::GetScriptSet()
{
    return &m_ScriptSetObj;
}

XC_Script* XC_ScriptWork::GetScriptObj(DWORD dwIndex)
{
    return m_ScriptSetObj.GetScript(dwIndex);
}

void XC_ScriptWork::Begin()
{
    m_ScriptSetObj.RunAllScript();
}

BOOL XC_ScriptWork::Step(float)
{
    return m_ScriptSetObj.GetAllWorkCount() == 0 ? TRUE : FALSE;
}

void XC_ScriptWork::End()
{
    m_ScriptSetObj.Fini();
}
