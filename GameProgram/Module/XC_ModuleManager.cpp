#include "GameProgram/Module/XC_ModuleManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Module/XC_ModuleBase.h"

#include <vector>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

HRESULT XC_ModuleManager::SetWindow(HWND hWnd)
{
    m_hWnd = hWnd;
    return S_OK;
}

HRESULT XC_ModuleManager::AddModule(XC_ModuleBase* pModuleObj)
{
    if (pModuleObj == nullptr) {
        XM_REPORT_FAILED("pModuleObj");
        return E_FAIL;
    }
    pModuleObj->m_pModuleManager = this;
    if (!m_ModuleList.empty()) {
        XC_ModuleBase* const pOldTop = m_ModuleList.front();
        pOldTop->m_bFocus = 0;
        pOldTop->OnKillFocus();
    }
    m_ModuleList.push_front(pModuleObj);
    pModuleObj->m_bActive = 1;
    pModuleObj->m_bFocus = 1;
    pModuleObj->OnOpen();
    pModuleObj->OnSetFocus();
    PostChangeMessage();
    return S_OK;
}

HRESULT XC_ModuleManager::RemoveModule(XC_ModuleBase* pModuleObj)
{
    if (pModuleObj == nullptr) {
        XM_REPORT_FAILED("pModuleObj");
        return E_FAIL;
    }
    if (m_ModuleList.empty())
        return E_FAIL;
    if (m_ModuleList.front() != pModuleObj) {
        XF_ReportError(s_szSourceFile, __LINE__, "移除模組失敗 要移除的模組不是最上層");
        return E_FAIL;
    }
    pModuleObj->m_bActive = 0;
    pModuleObj->m_bFocus = 0;
    m_ModuleList.pop_front();
    pModuleObj->OnKillFocus();
    pModuleObj->OnClose();
    if (!m_ModuleList.empty()) {
        XC_ModuleBase* const pNewTop = m_ModuleList.front();
        pNewTop->m_bFocus = 1;
        pNewTop->OnSetFocus();
    }
    PostChangeMessage();
    return S_OK;
}

HRESULT XC_ModuleManager::RemoveAllModules()
{
    // Taken off first, so hooks that touch the stack do not disturb the walk.
    std::list<XC_ModuleBase*> modules;
    modules.swap(m_ModuleList);
    for (XC_ModuleBase* const pModuleObj : modules) {
        pModuleObj->m_bActive = 0;
        pModuleObj->m_bFocus = 0;
        pModuleObj->OnKillFocus();
        pModuleObj->OnClose();
    }
    return S_OK;
}

void XC_ModuleManager::FrameMove(float fElapsedTime)
{
    if (m_ModuleList.empty())
        return;
    m_ModuleList.front()->FrameMove(fElapsedTime);
}

LRESULT XC_ModuleManager::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_ModuleList.empty())
        return 1;
    return m_ModuleList.front()->MsgProc(hWnd, uMsg, wParam, lParam);
}

void XC_ModuleManager::Render()
{
    // From the top down to the first module that hides the ones below it.
    std::vector<XC_ModuleBase*> shown;
    for (XC_ModuleBase* const pModuleObj : m_ModuleList) {
        shown.push_back(pModuleObj);
        if (!pModuleObj->IsShowLowerModule())
            break;
    }
    // The lowest first, so upper modules are drawn over it.
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        (*it)->Render();
}

void XC_ModuleManager::PostChangeMessage() const
{
    PostMessageA(m_hWnd, XD_ModuleChangeMessage, 0, 0);
}
