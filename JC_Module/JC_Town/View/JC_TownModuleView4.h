#pragma once

#include "JC_DataManager/Control/JC_ControlShop.h"
#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

#include <string>
#include <vector>

class JC_TownModuleView7;

constexpr DWORD JE_TOWNMODULEVIEW4_NULL_CHILD_VIEW = 0x8A224031;
constexpr DWORD JE_TOWNMODULEVIEW4_VIEW_MODE_NOT_SUPPORT = 0x8A2240C1;

// The shop's goods list: four tabs of thing kinds, ten rows a page of the
// shop's goods (buying) or the party's things (selling). Pointing at a row
// selects it, clicking the selected row opens the quantity dialog, and a
// confirmed quantity is bought or sold through the list's own shop control.
class JC_TownModuleView4 : public JC_TownModuleViewBase
{
public:
    static constexpr int TAB_COUNT = 4;
    static constexpr int ROW_COUNT = 10;
    enum JE_Item
    {
        ITEM_TAB,
        ITEM_TAB_T = ITEM_TAB + TAB_COUNT,
        ITEM_PAGE_BK = ITEM_TAB_T + TAB_COUNT,
        ITEM_PREV,
        ITEM_NEXT,
        ITEM_BAR,
        ITEM_ICON = ITEM_BAR + ROW_COUNT,
        ITEM_NAME = ITEM_ICON + ROW_COUNT,
        ITEM_COUNT = ITEM_NAME + ROW_COUNT
    };
    enum JE_ViewMode
    {
        MODE_BUY,
        MODE_SELL,
        MODE_BUY_QUANTITY,
        MODE_SELL_QUANTITY
    };
    enum JE_ViewEvent
    {
        EVENT_SELECTION = 1,
        EVENT_CHOSEN = 2,
        EVENT_QUANTITY_DONE = 3
    };
    // Sale kinds of the shop's side.
    enum JE_SaleKind : DWORD
    {
        SALE_GEM,
        SALE_TOOL,
        SALE_WEAPON,
        SALE_WEARING
    };

    // One row of the current page.
    struct JS_Entry
    {
        DWORD dwThingKind = 0;
        int iListIndex = -1;
        DWORD dwThingID = 0;
        DWORD dwPhoto = 0;
        std::string strName;
        DWORD dwPrice = 0;
        DWORD dwHeld = 0;
        std::vector<std::string> explainLines;
    };

    JC_TownModuleView4();
    ~JC_TownModuleView4() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    virtual DWORD SetChildView(JC_ModuleViewBase* pView);
    virtual BOOL HasSelection() const;
    // Selects the row's bar (-1: none) as pointing at it does, with event 1.
    virtual void SelectRow(int iRow);
    virtual void ClearSelection();
    // The most that may be bought or sold of the selection, and its unit price.
    virtual BOOL GetQuantityBounds(int& iMaxCount, DWORD& dwUnitPrice);
    virtual BOOL GetSelectedThing(DWORD& dwThingKind, DWORD& dwThingID) const;
    virtual BOOL GetSelectedExplanation(std::vector<std::string>& lines) const;
    virtual DWORD SetTab(int iTab);
    virtual DWORD RefreshList();
    // 1 when the page changed.
    virtual DWORD PrevPage();
    virtual DWORD NextPage();

    int GetTab() const { return m_iTab; }
    int GetPage() const { return m_iPage; }
    int GetSelectedItem() const { return m_iSelectedItem; }
    const JS_Entry& GetEntry(int iRow) const { return m_Entries[iRow]; }
    JC_ControlShop& GetControlShop() { return m_ControlShopObj; }

    // The name padded with ideographic spaces toward 18 bytes, "Ｓ" and the price.
    static std::string RowText(const std::string& strName, DWORD dwPrice);

private:
    DWORD BuildItems();
    // The number of entries of the current list.
    int ListCount();
    DWORD StepPage(int iStep);
    void FillEntry(JS_Entry& entry, int iIndex);
    std::string DefaultIcon() const;
    void ShowTab(int iTab, BOOL bCurrent);
    void SelectBar(int iItem);
    DWORD DealMouseMove();
    DWORD DealLeftButton();
    // The quantity dialog's answer in modes 2 and 3.
    DWORD DealDialog(UINT uMsg, WPARAM wParam, LPARAM lParam);
    DWORD Trade(int iListIndex, int iCount);
    BOOL IsBuying() const { return m_iViewMode == MODE_BUY || m_iViewMode == MODE_BUY_QUANTITY; }

    int m_iTab = 0;
    int m_iPage = 0;
    int m_iWarehouse = 2;
    DWORD m_dwSaleKind = SALE_TOOL;
    JS_Entry m_Entries[ROW_COUNT];
    int m_iSelectedItem = -1;
    JC_ControlShop m_ControlShopObj;
    JC_TownModuleView7* m_pChildView = nullptr;
};
