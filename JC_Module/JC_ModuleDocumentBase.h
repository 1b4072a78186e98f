#pragma once

#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/Module/XC_RenderModule.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JS_ModuleControls.h"

#include <memory>
#include <vector>

class JC_ControlModuleBase;
class JC_ModuleViewBase;
class XC_MouseState;

constexpr DWORD JE_MODULEDOCUMENTBASE_NULL_MODULE_MANAGER = 0x89E50001;
constexpr DWORD JE_MODULEDOCUMENTBASE_SET_MODULE_MANAGER = 0x89E50002;
constexpr DWORD JE_MODULEDOCUMENTBASE_NULL_CONTROL_MANAGER = 0x89E50003;
constexpr DWORD JE_MODULEDOCUMENTBASE_CONTROL_MANAGER_NOT_INITIATED = 0x89E50004;
// Enabled before a successful Initiation.
constexpr DWORD JE_MODULEDOCUMENTBASE_NOT_INITIATED = 0x89E50005;

// What a document tells its base to route by: its views and its two mode
// tables, one row per mode of iColumnCount view indices (-1 empty), the shown
// row in the order views are offered input and frames.
struct JS_DocumentRouting
{
    // "OptionModuleDocument", as the document's reports name it.
    const char* szDocumentName;
    int iViewCount;
    int iModeCount;
    int iColumnCount;
    const int* piShownTable;
    const int* piActiveTable;
    DWORD dwUndefinedViewIndex;
    DWORD dwUnsupportedMode;
    // Whether the views get frame steps (the state screen's do not).
    BOOL bFrameMoveViews;
};

// The base of every screen laid over a procedure: a render module pushed on
// the module stack while the screen shows. It owns the views, switches them
// by mode, routes frames and input to them and hands their events to the
// document's own logic; when the screen is done the document sets its event
// for the owner and closes itself.
class JC_ModuleDocumentBase : public XC_RenderModule
{
public:
    explicit JC_ModuleDocumentBase(const JS_DocumentRouting& routing);
    ~JC_ModuleDocumentBase() override;

    // Reads the layout, opens mode 1; a failure is reported and closes the
    // screen again, so the module below takes input.
    HRESULT OnOpen() override;
    HRESULT OnClose() override;
    // The frame step, the cursor's confinement, then the views of the mode.
    void FrameMove(float fElapsedTime) override;
    LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    virtual DWORD Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState, XC_Mouse* pMouse,
                             JC_ControlManager* pControlManager);
    virtual DWORD SetPosition(float fX, float fY, float fZ);
    virtual void GetPosition(float* pfX, float* pfY, float* pfZ) const;
    virtual XC_RenderNode* GetRenderNode() { return &m_RenderNode; }
    virtual DWORD GetDocumentEvent() const { return m_dwDocumentEvent; }
    virtual void ClearDocumentEvent() { m_dwDocumentEvent = 0; }

    virtual DWORD CreateAllView();
    virtual DWORD DeleteAllView();
    // -3 the active views of the mode, -2 its shown views, -1 every view.
    virtual DWORD UpdateView(int iViewIndex);
    virtual DWORD SetDocumentMode(int iMode);
    virtual DWORD DealViewEvent(int iViewIndex, DWORD dwViewEvent) = 0;

    BOOL IsInitiated() const { return m_bInitiated; }
    BOOL IsViewsReady() const { return m_bViewsReady; }
    int GetDocumentMode() const { return m_iMode; }
    int GetPreviousDocumentMode() const { return m_iPreviousMode; }
    JC_ModuleViewBase* GetView(int iViewIndex) const;
    JC_ModuleMouse* GetModuleMouse() { return &m_ModuleMouse; }
    JC_ModuleResource* GetModuleResource() { return &m_ModuleResource; }

protected:
    virtual JC_ModuleViewBase* NewView(int iViewIndex) = 0;
    // The module control whose record holds "ModuleX" and the views' keys.
    virtual JC_ControlModuleBase* GetLayoutControl() = 0;
    virtual DWORD LoadDocumentData() { return 0; }
    virtual void ReleaseDocumentData() {}
    // The document's own step between closing the old mode's views and
    // opening the new ones.
    virtual void PrepareViewsForMode(int /*iMode*/) {}
    // Hands pop-up views to the views that open them.
    virtual DWORD GiveChildViews() { return 0; }
    // The messages the screen acts on; every other one is swallowed unseen.
    virtual BOOL IsDocumentMessage(UINT uMsg) const;
    // The document's own keys, before the views see the message.
    virtual void DealDocumentMessage(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {}

    void SetDocumentEvent(DWORD dwDocumentEvent) { m_dwDocumentEvent = dwDocumentEvent; }
    // Changes the mode and leaves every view as it is: a screen laid over
    // this one keeps it drawn as it was.
    void KeepViewsInMode(int iMode);
    // The mode the next opening starts in.
    void SetStartMode(int iStartMode) { m_iStartMode = iStartMode; }
    const JS_DocumentRouting& GetRouting() const { return m_Routing; }

    XC_ModuleManager* m_pModuleManager = nullptr;
    XC_MouseState* m_pMouseState = nullptr;
    XC_Mouse* m_pMouse = nullptr;
    JC_ControlManager* m_pControlManager = nullptr;
    JS_ModuleControls m_Controls;

private:
    // The control manager's log, or the data layer's before Initiation.
    JC_DebugLog* Log() const;
    DWORD OpenDocument();
    DWORD CloseDocument();
    // The view at one column of a mode's row, or -1.
    int ShownAt(int iMode, int iColumn) const;
    int ActiveAt(int iMode, int iColumn) const;
    bool IsShownIn(int iMode, int iViewIndex) const;
    DWORD UpdateRow(const int* piRow);
    DWORD DealEventOf(int iViewIndex);

    const JS_DocumentRouting& m_Routing;
    BOOL m_bInitiated = 0;
    XC_RenderNode m_RenderNode;
    float m_fX = 0.0f;
    float m_fY = 0.0f;
    float m_fZ = 0.0f;
    JC_ModuleMouse m_ModuleMouse;
    JC_ModuleResource m_ModuleResource;
    DWORD m_dwDocumentEvent = 0;
    std::vector<std::unique_ptr<JC_ModuleViewBase>> m_Views;
    int m_iStartMode = 1;
    int m_iMode = 0;
    int m_iPreviousMode = 0;
    BOOL m_bViewsReady = 0;
};
