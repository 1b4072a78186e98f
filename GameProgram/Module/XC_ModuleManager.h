#pragma once

#include <windows.h>

#include <list>

class XC_ModuleBase;

// Posted to the manager's window after every push and every pop.
const UINT XD_ModuleChangeMessage = WM_USER + 0x200;

// The module stack. Only the top module gets the frame steps and window
// messages; modules below it are drawn while every module above them lets the
// lower one show. The manager does not own the modules.
class XC_ModuleManager
{
public:
    XC_ModuleManager() = default;
    XC_ModuleManager(const XC_ModuleManager&) = delete;
    XC_ModuleManager& operator=(const XC_ModuleManager&) = delete;
    virtual ~XC_ModuleManager() = default;

    // The window that gets the change message.
    virtual HRESULT SetWindow(HWND hWnd);
    virtual void Render();
    virtual LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void FrameMove(float fElapsedTime);
    // Closes every module from the top down; posts no change message.
    virtual HRESULT RemoveAllModules();
    // Pushes the module; it is not looked for on the stack first.
    virtual HRESULT AddModule(XC_ModuleBase* pModuleObj);
    // Pops the module, which must be the top one.
    virtual HRESULT RemoveModule(XC_ModuleBase* pModuleObj);

private:
    void PostChangeMessage() const;

    HWND m_hWnd = nullptr;
    // The front is the top of the stack.
    std::list<XC_ModuleBase*> m_ModuleList;
};
