#pragma once

#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

constexpr DWORD JE_TOWNMODULEVIEW3_VIEW_MODE_NOT_SUPPORT = 0x8A223031;

// The shop's buy/sell toggle and the button that leaves for the state
// screen's equipment page.
class JC_TownModuleView3 : public JC_TownModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BUY_SELL,
        ITEM_EQUIP,
        ITEM_COUNT
    };
    enum JE_State
    {
        STATE_BUY = 1,
        STATE_SELL = 2
    };
    enum JE_ViewEvent
    {
        EVENT_TOGGLE = 1,
        EVENT_EQUIP = 2
    };

    JC_TownModuleView3();
    ~JC_TownModuleView3() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    // The goods list goes back to buying when the shop closes: so does the toggle.
    DWORD CloseView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    virtual int GetBuySellState() const { return m_iBuySellState; }
    // Switches between buying and selling; the press raises the toggle event.
    virtual DWORD Toggle();

private:
    int m_iBuySellState = STATE_BUY;
};
