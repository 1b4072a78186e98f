#pragma once

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_Module/JC_ModuleButtonPress.h"
#include "JC_Module/JC_Option/View/JC_OptionModuleViewBase.h"

#include <memory>

constexpr DWORD JE_OPTIONMODULEVIEW2_VIEW_MODE_NOT_SUPPORT = 0x8a322031;

// The box that asks before a used record is overwritten: a line of text, OK
// and Cancel. The record list opens it and reads its events.
class JC_OptionModuleView2 : public JC_OptionModuleViewBase
{
public:
    enum JE_ViewEvent
    {
        EVENT_OK = 1,
        EVENT_CANCEL = 2
    };

    ~JC_OptionModuleView2() override;

    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    XC_RenderAnimation* GetButton(JE_ViewEvent eButton) const;

private:
    DWORD BuildButton(std::unique_ptr<XC_RenderAnimation>& pItem, const char* szName);
    void ReportBuild(int iLine, const char* szName, const std::string& strFile, const std::string& strText,
                     DWORD dwResult) const;
    // The button under the cursor: 1 OK, 2 Cancel, -1 none.
    int HitButton() const;

    std::unique_ptr<XC_RenderAnimation> m_pBk;
    std::unique_ptr<XC_RenderAnimation> m_pOK;
    std::unique_ptr<XC_RenderAnimation> m_pCancel;
    std::unique_ptr<XC_RenderString> m_pLine1;
    JC_ModuleButtonPress m_Press;
};
