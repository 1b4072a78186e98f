#include "GameProgram/Module/XC_ModuleBase.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Module/XC_ModuleManager.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

HRESULT XC_ModuleBase::SetModuleManager(XC_ModuleManager* pModuleManager)
{
    if (pModuleManager == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "");
        return E_FAIL;
    }
    m_pModuleManager = pModuleManager;
    return S_OK;
}

HRESULT XC_ModuleBase::Enable()
{
    if (m_bActive)
        return S_OK;
    if (m_pModuleManager == nullptr) {
        XM_REPORT_FAILED("m_pModuleManager");
        return E_FAIL;
    }
    return m_pModuleManager->AddModule(this);
}

HRESULT XC_ModuleBase::Close()
{
    if (!m_bActive)
        return S_OK;
    if (m_pModuleManager == nullptr) {
        XM_REPORT_FAILED("m_pModuleManager");
        return E_FAIL;
    }
    return m_pModuleManager->RemoveModule(this);
}
