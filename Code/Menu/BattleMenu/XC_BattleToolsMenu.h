#pragma once

#include "Code/Menu/BattleMenu/XC_ListMenu.h"

// The list of the tools the party carries; the focused entry's explanation,
// or a default text, goes to the battle's explanation line.
class XC_BattleToolsMenu : public XC_ListMenu
{
public:
    XC_BattleToolsMenu() = default;
    ~XC_BattleToolsMenu() override = default;

    void SetShow(BOOL bShow) override;
    HRESULT SetFocusItem(int iItemIndex) override;
    virtual HRESULT LoadTools();

    // The name followed by full-width spaces up to seven characters.
    static XC_String FillUpName(const char* szName);

protected:
    DWORD m_dwExplainTextID = 10;
};
