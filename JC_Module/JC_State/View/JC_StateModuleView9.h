#pragma once

#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include <string>
#include <vector>

constexpr DWORD JE_STATEMODULEVIEW9_VIEW_MODE_NOT_SUPPORT = 0x8a029031;
constexpr DWORD JE_STATEMODULEVIEW9_SELECT_INDEX_OVERFLOW = 0x8a029061;

// The selection pop-up of the inventory: up to three choices, each a text
// with a button beside it; a choice without text is hidden. A click on a
// button ends the menu with the choice's number.
class JC_StateModuleView9 : public JC_StateModuleViewBase
{
public:
    static constexpr int CHOICE_COUNT = 3;
    static constexpr int ITEM_BK = 0;
    static constexpr int ITEM_BK_T = 1;
    static constexpr int ITEM_FIRST_TEXT = 2;
    static constexpr int ITEM_FIRST_BUTTON = ITEM_FIRST_TEXT + CHOICE_COUNT;
    static constexpr int ITEM_COUNT = ITEM_FIRST_BUTTON + CHOICE_COUNT;

    JC_StateModuleView9();
    ~JC_StateModuleView9() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    DWORD ClearSelectInfo();
    DWORD SetSelectInfo(int iIndex, std::string strText);

private:
    // Item 0..2 of a kind at (X, Y, Z) + i × (DX, DY, DZ) of its keys.
    DWORD BuildChoiceItems(int iFirstItem, const char* szItem, BOOL bAnimation);

    std::vector<std::string> m_Texts;
};
