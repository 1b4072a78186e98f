#pragma once

#include "JC_DataManager/Control/JC_ControlSkill.h"
#include "JC_DataManager/Operator/JC_OperatorJob.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"
#include "JC_Module/JC_State/View/JC_StatePagedList.h"

#include <string>
#include <vector>

constexpr DWORD JE_STATEMODULEVIEWC_NULL_CONTROL_PERSON = 0x8a02c031;
constexpr DWORD JE_STATEMODULEVIEWC_NO_JOB = 0x8a02c061;
constexpr DWORD JE_STATEMODULEVIEWC_VIEW_MODE_NOT_SUPPORT = 0x8a02c091;
// A behaviour line of a spontaneous skill that cannot be applied: the raise is refused.
constexpr DWORD JE_STATEMODULEVIEWC_BEHAVIOR_FORMAT = 0x8a02c0a1;
// A raise without a spare job point or beyond the job's maximum.
constexpr DWORD JE_STATEMODULEVIEWC_CANNOT_RAISE = 0x8a02c0a2;
// The next level of a learnt skill is not in the data: no point is spent on it.
constexpr DWORD JE_STATEMODULEVIEWC_NO_SKILL_POWER = 0x8a02c0a3;

class JC_ControlPersonPower;
class JC_OperatorPerson;

// The skill powers of the shown person: the skills its job teaches, ten to a
// page, with an add button that spends a job point on the next level. A
// skill that works by itself changes the person's fields at once.
class JC_StateModuleViewC : public JC_StateModuleViewBase
{
public:
    static constexpr int ROW_COUNT = 10;
    static constexpr int ITEM_POINT = 0;
    static constexpr int ITEM_POINT_T = 1;
    static constexpr int ITEM_BAR = 2;
    static constexpr int ITEM_BAR_T = 3;
    static constexpr int ITEM_PAGE_BK = 4;
    static constexpr int ITEM_PREV = 5;
    static constexpr int ITEM_NEXT = 6;
    static constexpr int ITEM_FIRST_SKILL_BAR = 7;
    static constexpr int ITEM_FIRST_ICON = ITEM_FIRST_SKILL_BAR + ROW_COUNT;
    static constexpr int ITEM_FIRST_NAME = ITEM_FIRST_ICON + ROW_COUNT;
    static constexpr int ITEM_FIRST_ADD = ITEM_FIRST_NAME + ROW_COUNT;
    static constexpr int ITEM_COUNT = ITEM_FIRST_ADD + ROW_COUNT;
    static constexpr DWORD GREY = 0xFFA0A0A0;
    enum JE_ViewEvent
    {
        EVENT_SKILL_CHANGED = 1
    };
    struct JS_Row
    {
        DWORD dwSkillID = 0;
        DWORD dwLevel = 0;
        std::string strName;
        BOOL bCanRaise = 0;
        BOOL bLearnable = 0;
        std::string strText;
        DWORD dwColor = 0;
    };

    JC_StateModuleViewC();
    ~JC_StateModuleViewC() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    DWORD SetControlPerson(JC_ControlPerson* pControlPerson) override;

    void ClearSelectedSkill();
    DWORD GetSelectedSkill(DWORD& dwSkillID, DWORD& dwLevel) const;
    DWORD UpdateList();
    DWORD UpdateAddButton();
    // Raises the skill of a row one level for a job point.
    DWORD DealAddButton(int iRow);
    DWORD PrevPage();
    DWORD NextPage();
    // Whether the bound skill's learn conditions hold for the person.
    BOOL CheckCanLearnNextLevel(JC_ControlPersonPower& power, JC_ControlSkill& skill);

    const JS_Row& GetRow(int iRow) const { return m_Rows[iRow]; }
    int GetLearntCount() const { return m_iLearntCount; }
    int GetPageCount() const { return m_PagedList.GetPageCount(); }
    int GetPage() const { return m_PagedList.GetPage(); }

private:
    struct JS_FieldChange
    {
        BOOL bSet;
        std::string strField;
        DWORD dwIndex;
        DWORD dwSetValue;
        std::string strAmount;
    };

    DWORD ShowPoints();
    // The job's highest level of its i-th skill; 0 with a report past its list.
    int JobMaximumLevel(int iIndex);
    void FillRow(int iRow);
    void ShowRow(int iRow, const std::string& strDefaultIcon);
    // Every behaviour line of the bound skill power read before any applies.
    DWORD ReadFieldChanges(JC_ControlSkill& skill, std::vector<JS_FieldChange>& changes) const;
    void ApplyFieldChange(const JS_FieldChange& change);
    // 1 holds, 0 does not, -1 for a key the game does not know.
    int HoldsCondition(JC_ControlPersonPower& power, const std::string& strKey, DWORD dwValue) const;

    JC_ControlPersonPower* m_pPower = nullptr;
    JC_OperatorPerson* m_pPerson = nullptr;
    int m_iLearntCount = 0;
    JC_StatePagedList m_PagedList;
    JS_Row m_Rows[ROW_COUNT];
    JC_ControlSkill m_ControlSkillObj;
    JC_OperatorJob m_OperatorJobObj;
};
