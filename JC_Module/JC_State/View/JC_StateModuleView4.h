#pragma once

#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include <string>

class JC_ControlPersonPower;

constexpr DWORD JE_STATEMODULEVIEW4_NULL_CONTROL_PERSON = 0x8a024031;
constexpr DWORD JE_STATEMODULEVIEW4_VIEW_MODE_NOT_SUPPORT = 0x8a024061;

// The six equipment slots of the main page: what is worn at each wear
// position with its icon and a take-off button. Hovering selects a slot,
// clicking the selected slot asks for its candidates.
class JC_StateModuleView4 : public JC_StateModuleViewBase
{
public:
    static constexpr int SLOT_COUNT = 6;
    static constexpr int ITEM_BAR = 0;
    static constexpr int ITEM_BAR_T = 1;
    static constexpr int ITEM_FIRST_SLOT_BAR = 2;
    static constexpr int ITEM_FIRST_ICON = ITEM_FIRST_SLOT_BAR + SLOT_COUNT;
    static constexpr int ITEM_FIRST_NAME = ITEM_FIRST_ICON + SLOT_COUNT;
    static constexpr int ITEM_FIRST_TAKE_OFF = ITEM_FIRST_NAME + SLOT_COUNT;
    static constexpr int ITEM_COUNT = ITEM_FIRST_TAKE_OFF + SLOT_COUNT;
    enum JE_ViewEvent
    {
        EVENT_TAKEN_OFF = 1,
        EVENT_SLOT_CHOSEN = 2,
        EVENT_SELECTION_CHANGED = 3
    };
    enum JE_ViewMode
    {
        MODE_NORMAL,
        MODE_NO_TAKE_OFF,
        // A monster of the party: nothing to choose either.
        MODE_LOCKED
    };

    JC_StateModuleView4();
    ~JC_StateModuleView4() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    virtual DWORD ClearSelection();
    // 1 with the slot's warehouse and wear position when a slot is selected.
    virtual DWORD GetSelectedSlot(int& iWarehouse, int& iWearPosition) const;

    // The label and name a slot shows.
    const std::string& GetSlotText(int iSlot) const { return m_Texts[iSlot]; }
    // The slot index of a wear position, -1 for none of the six.
    static int SlotOfWearPosition(int iWearPosition);
    // What the person wears at a slot, null for nothing.
    static JC_DataComponent* WornAt(JC_ControlPersonPower& power, int iSlot);

private:
    DWORD ShowSlot(int iSlot);
    // 1 when a take-off button took something off; its failure as the result.
    DWORD TakeOffAt(int iSlot, DWORD& dwResult);
    BOOL IsCampZero() const;

    std::string m_Labels[SLOT_COUNT];
    std::string m_Texts[SLOT_COUNT];
    JC_OperatorEquipmentBase m_OperatorEquipmentBaseObj;
};
