#pragma once

#include "JC_Module/JC_ModuleDocumentBase.h"

class JC_TownModuleView4;
class JC_TownModuleView8;

constexpr DWORD JE_TOWNMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT = 0x8A200031;
constexpr DWORD JE_TOWNMODULEDOCUMENT_MODE_NOT_SUPPORT = 0x8A200061;

// The town screen: the main menu, the shop with its seller, gold, goods list,
// explanation, comparison and quantity dialog, and the monster merging with
// its party list. It plays the town's music while open and leaves its result
// for the world map as its document event.
class JC_TownModuleDocument : public JC_ModuleDocumentBase
{
public:
    enum JE_Mode
    {
        MODE_NONE,
        MODE_MENU,
        MODE_SHOP,
        MODE_SHOP_QUANTITY,
        MODE_MERGE,
        MODE_MERGE_LIST,
        MODE_COUNT
    };
    // What the town leaves behind when it closes.
    enum JE_DocumentEvent
    {
        EVENT_LEFT = 0,
        EVENT_EQUIP = 1
    };
    enum JE_View
    {
        VIEW_MENU,
        VIEW_SELLER,
        VIEW_GOLD,
        VIEW_BUTTONS,
        VIEW_GOODS,
        VIEW_EXPLAIN,
        VIEW_COMPARE,
        VIEW_QUANTITY,
        VIEW_MERGE,
        VIEW_MONSTERS,
        VIEW_COUNT
    };

    JC_TownModuleDocument();
    ~JC_TownModuleDocument() override;

    // The base's opening, then the town's music.
    HRESULT OnOpen() override;
    HRESULT OnClose() override;
    // The right button: from the shop, and from merging when no list is
    // open, back to the menu.
    virtual DWORD BackDocumentMode(int iMode);
    DWORD DealViewEvent(int iViewIndex, DWORD dwViewEvent) override;
    // Fills the explanation and the comparison for the goods list's selection.
    virtual DWORD ShowExplanation();

protected:
    JC_ModuleViewBase* NewView(int iViewIndex) override;
    JC_ControlModuleBase* GetLayoutControl() override;
    DWORD GiveChildViews() override;
    BOOL IsDocumentMessage(UINT uMsg) const override;
    void DealDocumentMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    DWORD DealMenuEvent(DWORD dwViewEvent);
    DWORD DealButtonsEvent(DWORD dwViewEvent);
    DWORD DealGoodsEvent(DWORD dwViewEvent);
    DWORD DealMergeEvent(DWORD dwViewEvent);
    // Leaves the town with this document event.
    void LeaveTown(DWORD dwDocumentEvent);
    std::string SiteTownMusic() const;
    void StartMusic() const;
    // The designers' keys, gated by the system flags.
    void DealDesignerKey(WPARAM wKey);
    void ReloadLayout();
    JC_TownModuleView4* GetGoodsList() const;
    JC_TownModuleView8* GetMerging() const;
};

// Created by the world map when it starts; the world map owns it.
extern JC_TownModuleDocument* g_pTownModuleDocumentObj;
