#pragma once

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_Module/JC_ModuleButtonPress.h"
#include "JC_Module/JC_ModuleViewBase.h"

#include <memory>
#include <string>

class JC_ControlModuleBase;

// An OK/Cancel box under a line of text, laid out from a screen's layout
// record by the keys of its prefix ("View3_BkX", "View3_OKF", ...). Its
// owner opens it and reads its events; a screen's box names its layout,
// its prefix and how it reports a mode it lacks.
class JC_ModuleConfirmView : public JC_ModuleViewBase
{
public:
    enum JE_ViewEvent
    {
        EVENT_OK = 1,
        EVENT_CANCEL = 2
    };

    // The box's layout among the controls the view borrows.
    using LayoutOf = JC_ControlModuleBase* (*)(const JS_ModuleControls& controls);

    JC_ModuleConfirmView(LayoutOf layoutOf, std::string strKeyPrefix);
    ~JC_ModuleConfirmView() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    // Only mode 0.
    DWORD SetViewMode(int iMode) override;

    XC_RenderAnimation* GetButton(JE_ViewEvent eButton) const;

protected:
    // The button under the cursor: 1 OK, 2 Cancel, -1 none.
    virtual int HitButton() const;
    // Reports a mode other than 0 in the screen's own words; returns its code.
    virtual DWORD RefuseViewMode(int iMode) const = 0;

private:
    JC_ControlModuleBase* Layout() const { return m_layoutOf(m_Controls); }
    std::string Key(const char* szName, const char* szSuffix) const { return m_strKeyPrefix + szName + szSuffix; }
    DWORD BuildButton(std::unique_ptr<XC_RenderAnimation>& pItem, const char* szName);
    DWORD BuildLine();
    void ReportBuild(int iLine, const char* szName, const std::string& strFile, const std::string& strText,
                     DWORD dwResult) const;

    const LayoutOf m_layoutOf;
    const std::string m_strKeyPrefix;
    std::string m_strPathAni;
    std::unique_ptr<XC_RenderAnimation> m_pBk;
    std::unique_ptr<XC_RenderAnimation> m_pOK;
    std::unique_ptr<XC_RenderAnimation> m_pCancel;
    std::unique_ptr<XC_RenderString> m_pLine1;
    JC_ModuleButtonPress m_Press;
};
