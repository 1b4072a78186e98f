#pragma once

#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "JC_Module/JS_ModuleControls.h"

#include <windows.h>

class JC_ModuleDocumentBase;
class JC_ModuleMouse;
class JC_ModuleResource;
class XC_RenderAnimation;
class XC_RenderingObject;

constexpr DWORD JE_MODULEVIEWBASE_NULL_CONTROL_MANAGER = 0x89E80001;
constexpr DWORD JE_MODULEVIEWBASE_CONTROL_MANAGER_NOT_INITIATED = 0x89E80002;
constexpr DWORD JE_MODULEVIEWBASE_NULL_MODULE_MOUSE = 0x89E80003;
constexpr DWORD JE_MODULEVIEWBASE_NULL_MODULE_RESOURCE = 0x89E80004;

// One panel of a screen document: widgets laid out from the screen's layout
// record, opened and closed by the document's modes, reporting what the
// player did through its view event.
class JC_ModuleViewBase
{
public:
    JC_ModuleViewBase() = default;
    virtual ~JC_ModuleViewBase() = default;
    JC_ModuleViewBase(const JC_ModuleViewBase&) = delete;
    JC_ModuleViewBase& operator=(const JC_ModuleViewBase&) = delete;

    virtual DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                 JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource);
    virtual DWORD SetModuleDocumentToView(JC_ModuleDocumentBase* pDocument);
    virtual DWORD SetPosition(float fX, float fY, float fZ);
    virtual DWORD BuildView() = 0;
    virtual DWORD UnbuildView() = 0;
    virtual DWORD OpenView() = 0;
    virtual DWORD CloseView() = 0;
    // 1 when the view has set its event; views without frame logic keep 0.
    virtual DWORD FrameMove(float fElapsedTime);
    // For views without data: runs at once when open, else at the next opening.
    virtual DWORD Update();
    virtual void SetViewActive(BOOL bActive) { m_bActive = bActive; }
    // 1 when the view has set its event and so takes the message.
    virtual DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;
    virtual DWORD SetViewMode(int iMode) = 0;
    virtual int GetViewMode() const { return m_iViewMode; }
    virtual DWORD GetViewEvent() const { return m_dwViewEvent; }
    virtual void ClearViewEvent() { m_dwViewEvent = 0; }
    virtual void ShowRenderItem(XC_RenderingObject* pItem, BOOL bShow);
    // Shows or hides the item stopped at one page.
    virtual void ShowRenderItemPage(XC_RenderAnimation* pItem, BOOL bShow, DWORD dwPage);
    // Play 1 plays from the first to the last page; anything else stops at the first.
    virtual void PlayRenderItem(XC_RenderAnimation* pItem, int iPlay, DWORD dwFirst, DWORD dwLast);

    // Whether the shown item lies under the ray; a hidden or missing item never is.
    static BOOL IsRenderItemHit(XC_RenderingObject* pItem, const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection);

    BOOL IsBuilt() const { return m_bBuilt; }
    BOOL IsOpen() const { return m_bOpen; }
    BOOL IsViewActive() const { return m_bActive; }
    BOOL IsUpdatePending() const { return m_bUpdatePending; }
    XC_RenderNode* GetRenderNode() { return &m_RenderNode; }

protected:
    JC_ModuleDocumentBase* m_pDocument = nullptr;
    JS_ModuleControls m_Controls;
    XC_RenderNode* m_pParentNode = nullptr;
    JC_ModuleMouse* m_pModuleMouse = nullptr;
    JC_ModuleResource* m_pModuleResource = nullptr;
    XC_RenderNode m_RenderNode;
    float m_fX = 0.0f;
    float m_fY = 0.0f;
    float m_fZ = 0.0f;
    BOOL m_bBuilt = 0;
    BOOL m_bOpen = 0;
    BOOL m_bActive = 0;
    BOOL m_bUpdatePending = 0;
    int m_iViewMode = 0;
    DWORD m_dwViewEvent = 0;
};
