#pragma once

#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"
#include "JC_DataManager/Operator/JC_OperatorSkill.h"
#include "JC_DataManager/Operator/JC_OperatorSkillPower.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include <string>

constexpr DWORD JE_STATEMODULEVIEW6_NULL_CONTROL_PERSON = 0x8a026001;
constexpr DWORD JE_STATEMODULEVIEW6_VIEW_MODE_NOT_SUPPORT = 0x8a026101;
constexpr DWORD JE_STATEMODULEVIEW6_EQUIPMENT_MODE_NOT_MATCH = 0x8a026201;
constexpr DWORD JE_STATEMODULEVIEW6_THING_MODE_NOT_MATCH = 0x8a026301;
constexpr DWORD JE_STATEMODULEVIEW6_NO_DRAWER = 0x8a026302;
constexpr DWORD JE_STATEMODULEVIEW6_SKILL_MODE_NOT_MATCH = 0x8a026401;
constexpr DWORD JE_STATEMODULEVIEW6_NO_SKILL = 0x8a026402;
constexpr DWORD JE_STATEMODULEVIEW6_NO_SKILL_POWER = 0x8a026403;

// The explanation box: three lines about what the current list has
// selected, a worn item, a thing of a warehouse or a skill at a level.
class JC_StateModuleView6 : public JC_StateModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_BK_T,
        ITEM_LINE1,
        ITEM_LINE2,
        ITEM_LINE3,
        ITEM_COUNT
    };
    enum JE_ViewMode
    {
        MODE_EMPTY,
        MODE_EQUIPMENT,
        MODE_THING,
        MODE_SKILL
    };
    static constexpr int LINE_COUNT = 3;

    JC_StateModuleView6();
    ~JC_StateModuleView6() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    DWORD SetControlPerson(JC_ControlPerson* pControlPerson) override;

    virtual DWORD UpdateEquipment(int iWearPosition);
    virtual DWORD UpdateThing(int iWarehouse, int iDrawerIndex);
    virtual DWORD UpdateSkill(DWORD dwSkillID, DWORD dwSkillLevel);

    const std::string& GetLine(int iLine) const { return m_Lines[iLine]; }

private:
    DWORD BuildBackground();
    DWORD BuildLines();
    // Refuses an update in another mode with its report.
    BOOL IsModeFor(int iMode, const char* szOperation) const;
    // The "InlayExplain" of the bound equipment's first gem, empty without gems.
    std::string GemExplanation();
    DWORD BindEquipment(JC_DataComponent* pEquipment, const char* szOperation);
    void WriteLines(const std::string (&lines)[LINE_COUNT]);

    std::string m_Lines[LINE_COUNT];
    JC_OperatorEquipmentBase m_OperatorEquipmentBaseObj;
    JC_OperatorSkill m_OperatorSkillObj;
    JC_OperatorSkillPower m_OperatorSkillPowerObj;
};
