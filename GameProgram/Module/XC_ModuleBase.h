#pragma once

#include <windows.h>

class XC_ModuleManager;

// One screen-sized piece of the interface that is pushed on a module stack
// and popped again. Active while on a stack, focused while on top. Every hook
// does nothing by default.
class XC_ModuleBase
{
public:
    XC_ModuleBase() = default;
    XC_ModuleBase(const XC_ModuleBase&) = delete;
    XC_ModuleBase& operator=(const XC_ModuleBase&) = delete;
    virtual ~XC_ModuleBase() = default;

    // E_FAIL for a null manager.
    virtual HRESULT SetModuleManager(XC_ModuleManager* pModuleManager);
    // Pushes the module on its manager's stack unless it is there already.
    virtual HRESULT Enable();
    // Pops the module off its manager's stack when it is there.
    virtual HRESULT Close();
    virtual HRESULT OnOpen() { return S_OK; }
    virtual HRESULT OnClose() { return S_OK; }
    virtual HRESULT OnSetFocus() { return S_OK; }
    virtual HRESULT OnKillFocus() { return S_OK; }
    virtual void FrameMove(float /*fElapsedTime*/) {}
    virtual void Render() {}
    virtual LRESULT MsgProc(HWND /*hWnd*/, UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return 1; }
    // Whether the module below this one is drawn too.
    virtual void SetShowLowerModule(BOOL bShowLowerModule) { m_bShowLowerModule = bShowLowerModule; }
    virtual BOOL IsActive() const { return m_bActive; }
    virtual BOOL IsFocus() const { return m_bFocus; }
    virtual BOOL IsShowLowerModule() const { return m_bShowLowerModule; }

private:
    // The manager keeps the stack flags and the back pointer.
    friend class XC_ModuleManager;

    BOOL m_bActive = 0;
    BOOL m_bFocus = 0;
    BOOL m_bShowLowerModule = 0;
    XC_ModuleManager* m_pModuleManager = nullptr;
};
