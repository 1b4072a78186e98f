#pragma once

#include "JC_DataManager/Control/JC_ControlShop.h"
#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

constexpr DWORD JE_TOWNMODULEVIEW1_VIEW_MODE_NOT_SUPPORT = 0x8A221031;

// The seller of the town's shop, on a frame; a place without a shop hides it.
class JC_TownModuleView1 : public JC_TownModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_SELLER,
        ITEM_COUNT
    };

    JC_TownModuleView1();
    ~JC_TownModuleView1() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

private:
    JC_ControlShop m_ControlShopObj;
};
