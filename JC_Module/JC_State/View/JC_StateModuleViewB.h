#pragma once

#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include <string>

constexpr DWORD JE_STATEMODULEVIEWB_VIEW_MODE_NOT_SUPPORT = 0x8a02b031;

// The yes/no box the gem-inlay page puts over its list: which gem goes into
// which equipment, with OK and Cancel.
class JC_StateModuleViewB : public JC_StateModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_OK,
        ITEM_CANCEL,
        ITEM_LINE1,
        ITEM_LINE2,
        ITEM_LINE3,
        ITEM_COUNT
    };
    enum JE_ViewEvent
    {
        EVENT_OK = 1,
        EVENT_CANCEL = 2
    };

    JC_StateModuleViewB();
    ~JC_StateModuleViewB() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    DWORD SetInlayInfo(std::string strGemName, std::string strEquipmentName);
    const std::string& GetLine(int iLine) const { return m_Lines[iLine]; }

protected:
    void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile, const std::string& strText,
                         DWORD dwResult) const override;

private:
    std::string m_Lines[3];
};
