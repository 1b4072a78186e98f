#pragma once

#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

constexpr DWORD JE_STATEMODULEVIEW1_NULL_CONTROL_PERSON = 0x8a021031;
constexpr DWORD JE_STATEMODULEVIEW1_VIEW_MODE_NOT_SUPPORT = 0x8a021061;

// The status panel: name, job, status marks, levels and experience, HP, SP
// and morale of the shown person. It takes no input.
class JC_StateModuleView1 : public JC_StateModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_PERSON_NAME,
        ITEM_JOB_NAME,
        ITEM_STATE,
        ITEM_LEVEL,
        ITEM_EXP,
        ITEM_JOB_LEVEL,
        ITEM_JOB_EXP,
        ITEM_HP,
        ITEM_SP,
        ITEM_MORALE,
        ITEM_COUNT
    };

    JC_StateModuleView1();
    ~JC_StateModuleView1() override;

    DWORD BuildView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) override { return 0; }
    DWORD SetViewMode(int iMode) override;

    // Red below 30 % of the maximum; a maximum of 0 stays white.
    static DWORD ValueColor(int iValue, int iMaximum);

private:
    void SetLine(int iItem, const std::string& strText);
    void SetValueLine(int iItem, int iValue, int iMaximum);
};
