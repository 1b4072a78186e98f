#pragma once

#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

constexpr DWORD JE_STATEMODULEVIEW2_VIEW_MODE_NOT_SUPPORT = 0x8a022031;

// The tab buttons of the main page: to the inventory page and to the
// skill-power page. A press counts only when released over the same button.
class JC_StateModuleView2 : public JC_StateModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_THING_BUTTON,
        ITEM_SKILL_BUTTON,
        ITEM_THING_CAPTION,
        ITEM_SKILL_CAPTION,
        ITEM_COUNT
    };
    enum JE_ViewEvent
    {
        EVENT_THING = 1,
        EVENT_SKILL = 2
    };
    enum JE_ViewMode
    {
        MODE_SHOWN,
        MODE_HIDDEN
    };

    JC_StateModuleView2();
    ~JC_StateModuleView2() override;

    DWORD BuildView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
};
