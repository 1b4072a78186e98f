#pragma once

#include "JC_DataManager/Operator/JC_OperatorThingBase.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"
#include "JC_Module/JC_State/View/JC_StatePagedList.h"

#include <string>

constexpr DWORD JE_STATEMODULEVIEW7_NULL_QUANTITY_VIEW = 0x8a027031;
constexpr DWORD JE_STATEMODULEVIEW7_NULL_SELECTION_VIEW = 0x8a027032;
constexpr DWORD JE_STATEMODULEVIEW7_VIEW_MODE_NOT_SUPPORT = 0x8a0270c1;
// A count to throw away that the drawer does not hold.
constexpr DWORD JE_STATEMODULEVIEW7_COUNT_NOT_HELD = 0x8a0270d1;

class JC_StateModuleView8;
class JC_StateModuleView9;

// The inventory: the money and the things of the four warehouses, one tab a
// warehouse, ten to a page. Clicking a selected row opens the quantity
// pop-up to throw pieces away, or for a gem the menu whose first choice
// inlays it.
class JC_StateModuleView7 : public JC_StateModuleViewBase
{
public:
    static constexpr int TAB_COUNT = 4;
    static constexpr int ROW_COUNT = 10;
    static constexpr int ITEM_GOLD = 0;
    static constexpr int ITEM_GOLD_T = 1;
    static constexpr int ITEM_FIRST_TAB = 2;
    static constexpr int ITEM_FIRST_TAB_T = ITEM_FIRST_TAB + TAB_COUNT;
    static constexpr int ITEM_PAGE_BK = ITEM_FIRST_TAB_T + TAB_COUNT;
    static constexpr int ITEM_PREV = ITEM_PAGE_BK + 1;
    static constexpr int ITEM_NEXT = ITEM_PREV + 1;
    static constexpr int ITEM_FIRST_ROW_BAR = ITEM_NEXT + 1;
    static constexpr int ITEM_FIRST_ICON = ITEM_FIRST_ROW_BAR + ROW_COUNT;
    static constexpr int ITEM_FIRST_NAME = ITEM_FIRST_ICON + ROW_COUNT;
    static constexpr int ITEM_COUNT = ITEM_FIRST_NAME + ROW_COUNT;
    static constexpr int TAB_GEM = ITEM_FIRST_TAB + 3;
    static constexpr int MONEY_LIMIT = 99999999;
    enum JE_ViewEvent
    {
        EVENT_INLAY = 1,
        EVENT_SELECTION_CHANGED = 2
    };
    enum JE_ViewMode
    {
        MODE_LIST,
        MODE_QUANTITY,
        MODE_SELECTION
    };

    JC_StateModuleView7();
    ~JC_StateModuleView7() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    virtual DWORD SetChildView(JC_StateModuleView8* pQuantity, JC_StateModuleView9* pSelection);
    BOOL IsThingSelected() const;
    DWORD ClearSelection();
    DWORD GetSelectedThingName(std::string& strName) const;
    DWORD GetSelectedThing(int& iWarehouse, int& iDrawerIndex) const;
    BOOL IsGemTab() const { return m_iTab == TAB_GEM; }
    DWORD SelectTab(int iTab);
    DWORD ShowPage();
    DWORD ShowGold();
    // 1 when the page moved.
    DWORD PrevPage();
    DWORD NextPage();
    // Takes pieces of a drawer away; more than it holds, or a negative
    // count, is refused with a report and nothing goes.
    DWORD ThrowAway(int iWarehouse, int iDrawerIndex, int iCount) const;

    // A thing's name for a row: a stack is padded with full-width blanks to
    // eleven places and followed by its count.
    static std::string RowName(const std::string& strName, DWORD dwCount);
    int GetWarehouse() const { return m_iWarehouse; }
    int GetPage() const { return m_PagedList.GetPage(); }
    const std::string& GetRowName(int iRow) const { return m_RowNames[iRow]; }
    const std::string& GetGoldText() const { return m_strGold; }

private:
    // The shown warehouse's drawers, read each time: throwing away changes them.
    int DrawerCount() const;
    DWORD ShowRow(int iRow, int iDrawerIndex, const std::string& strDefaultIcon);
    DWORD BuildSideBySide(int iFirstItem, int iCount, const char* szItem, const char* szStepKey, BOOL bAnimation);
    void ShowTab(int iTab, BOOL bCurrent);
    DWORD DealQuantityMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    DWORD DealSelectionMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    DWORD DealListMessage(UINT uMsg);
    // 1 when the click went to a page button or a tab.
    BOOL ClickPageOrTab();

    int m_iTab = ITEM_FIRST_TAB;
    int m_iWarehouse = 2;
    JC_StatePagedList m_PagedList;
    JC_DataComponent* m_RowThings[ROW_COUNT] = {};
    std::string m_RowNames[ROW_COUNT];
    std::string m_strGold;
    JC_OperatorThingBase m_OperatorThingBaseObj;
    JC_StateModuleView8* m_pQuantityView = nullptr;
    JC_StateModuleView9* m_pSelectionView = nullptr;
};
