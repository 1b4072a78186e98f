#pragma once

#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"
#include "JC_Module/JC_State/View/JC_StatePagedList.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include <string>
#include <vector>

constexpr DWORD JE_STATEMODULEVIEWA_NULL_CONFIRM_VIEW = 0x8a02a031;
constexpr DWORD JE_STATEMODULEVIEWA_NO_GEM_DRAWER = 0x8a02a061;
constexpr DWORD JE_STATEMODULEVIEWA_WEAR_POSITION_NOT_SUPPORT = 0x8a02a062;
constexpr DWORD JE_STATEMODULEVIEWA_VIEW_MODE_NOT_SUPPORT = 0x8a02a091;

class JC_StateModuleViewB;

// The gem-inlay page: the weapons or wearings (as the gem's wear kind says)
// that still have a free hole, ten to a page. Clicking the highlighted one
// asks for confirmation; OK inlays the gem and takes one from its drawer.
class JC_StateModuleViewA : public JC_StateModuleViewBase
{
public:
    static constexpr int ROW_COUNT = 10;
    static constexpr int ITEM_BAR = 0;
    static constexpr int ITEM_BAR_T = 1;
    static constexpr int ITEM_PAGE_BK = 2;
    static constexpr int ITEM_PREV = 3;
    static constexpr int ITEM_NEXT = 4;
    static constexpr int ITEM_FIRST_ROW_BAR = 5;
    static constexpr int ITEM_FIRST_ICON = ITEM_FIRST_ROW_BAR + ROW_COUNT;
    static constexpr int ITEM_FIRST_NAME = ITEM_FIRST_ICON + ROW_COUNT;
    static constexpr int ITEM_COUNT = ITEM_FIRST_NAME + ROW_COUNT;
    enum JE_ViewEvent
    {
        EVENT_DONE = 1,
        EVENT_SELECTION_CHANGED = 2
    };
    enum JE_ViewMode
    {
        MODE_LIST,
        MODE_CONFIRM
    };
    struct JS_Entry
    {
        std::string strName;
        int iDrawerIndex;
        int iPhoto;
    };

    JC_StateModuleViewA();
    ~JC_StateModuleViewA() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    virtual DWORD SetChildView(JC_StateModuleViewB* pConfirm);
    DWORD SetFilterCondition(int iGemDrawer);
    DWORD GetSelectInfo(int& iWarehouse, int& iDrawerIndex) const;
    DWORD NextPage();
    DWORD PrevPage();
    DWORD UpdatePage();
    // The gem into the equipment of an entry, one gem out of its drawer when
    // the inlay took.
    DWORD InlayEntry(int iEntry);

    int GetBrowsedWarehouse() const { return m_iWarehouse; }
    const std::vector<JS_Entry>& GetEntries() const { return m_Entries; }
    const JC_StatePagedList& GetPagedList() const { return m_PagedList; }

private:
    // The entry of the highlighted row, -1 for none.
    int SelectedEntry() const;
    DWORD DealConfirmMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    DWORD DealListMessage(UINT uMsg);

    int m_iGemDrawer = -1;
    std::string m_strGemName;
    int m_iWarehouse = 0;
    std::vector<JS_Entry> m_Entries;
    JC_StatePagedList m_PagedList;
    JC_OperatorEquipmentBase m_OperatorEquipmentBaseObj;
    JC_StateModuleViewB* m_pConfirmView = nullptr;
};
