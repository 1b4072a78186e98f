#pragma once

#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

constexpr DWORD JE_TOWNMODULEVIEW2_VIEW_MODE_NOT_SUPPORT = 0x8A222031;

// The party's gold in the shop, at most 99,999,999.
class JC_TownModuleView2 : public JC_TownModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_GOLD,
        ITEM_GOLD_T,
        ITEM_COUNT
    };
    static constexpr int MAX_MONEY = 99999999;

    JC_TownModuleView2();
    ~JC_TownModuleView2() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
};
