#pragma once

#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

#include <string>
#include <vector>

constexpr DWORD JE_TOWNMODULEVIEW5_VIEW_MODE_NOT_SUPPORT = 0x8a225101;

// Up to four lines explaining the goods selected in the shop's list.
class JC_TownModuleView5 : public JC_TownModuleViewBase
{
public:
    static constexpr int LINE_COUNT = 4;
    enum JE_Item
    {
        ITEM_BK,
        ITEM_BK_T,
        ITEM_LINE,
        ITEM_COUNT = ITEM_LINE + LINE_COUNT
    };
    enum JE_ViewMode
    {
        MODE_HIDDEN,
        MODE_SHOWN
    };

    JC_TownModuleView5();
    ~JC_TownModuleView5() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    virtual DWORD SetExplainLines(const std::vector<std::string>& lines);

private:
    DWORD BuildBackground();
};
