#pragma once

#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

constexpr DWORD JE_STATEMODULEVIEW0_NULL_CONTROL_PERSON = 0x8a020031;
constexpr DWORD JE_STATEMODULEVIEW0_VIEW_MODE_NOT_SUPPORT = 0x8a020061;

// The frame of the state screen: background, the person's face, the buttons
// to the previous and next person and, for a captured monster of the party,
// the release button with its caption.
class JC_StateModuleView0 : public JC_StateModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_FACE,
        ITEM_PREV,
        ITEM_NEXT,
        ITEM_FREE,
        ITEM_FREE_T,
        ITEM_COUNT
    };
    enum JE_ViewEvent
    {
        EVENT_PREV = 1,
        EVENT_NEXT = 2,
        EVENT_FREE = 3
    };
    enum JE_ViewMode
    {
        MODE_PERSON_BUTTONS,
        MODE_NO_PERSON_BUTTONS
    };

    JC_StateModuleView0();
    ~JC_StateModuleView0() override;

    DWORD BuildView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

private:
    void ShowRelease(BOOL bShow);
};
