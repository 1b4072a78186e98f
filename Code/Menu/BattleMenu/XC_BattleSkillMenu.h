#pragma once

#include "Code/Menu/BattleMenu/XC_BattleToolsMenu.h"

class XC_GamePerson;
class JC_ControlSkill;

// The list of a person's skills; those the person cannot use now are greyed.
class XC_BattleSkillMenu : public XC_BattleToolsMenu
{
public:
    XC_BattleSkillMenu();
    ~XC_BattleSkillMenu() override = default;

    // Not a list of tools.
    HRESULT LoadTools() override;
    virtual HRESULT LoadSkillItem(XC_GamePerson* pPersonObj);
    virtual HRESULT HasUsableSkill(XC_GamePerson* pPersonObj);

    // A started skill control, or a failure reported.
    static HRESULT StartSkillControl(JC_ControlSkill& ControlSkillObj, const char* szSourceFile);
    // The entry of a bound skill or attack: its name filled up and its level,
    // greyed when the person cannot use it now.
    static XS_ListItem SkillItem(JC_ControlSkill& ControlSkillObj, XC_GamePerson* pPersonObj, DWORD dwSkillID,
                                 DWORD dwLevel);
};
