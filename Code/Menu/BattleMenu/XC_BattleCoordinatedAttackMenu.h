#pragma once

#include "Code/Menu/BattleMenu/XC_BattleToolsMenu.h"

#include <list>
#include <map>

class XC_GamePerson;

// The co-ordinated attacks a person can make with an ally standing next to
// it: one entry for each attack and each able partner.
class XC_BattleCoordinatedAttackMenu : public XC_BattleToolsMenu
{
public:
    // Key skill, partner skill, attack skill.
    struct XS_CoordinatedAttack
    {
        DWORD dwKeySkillID = 0;
        DWORD dwPartnerSkillID = 0;
        DWORD dwAttackSkillID = 0;
    };

    XC_BattleCoordinatedAttackMenu();
    ~XC_BattleCoordinatedAttackMenu() override = default;

    // Reads the table of attacks, then starts the list.
    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender) override;
    // Not a list of tools.
    HRESULT LoadTools() override;
    virtual HRESULT SetPerson(XC_GamePerson* pPersonObj);
    virtual BOOL HasItem() const;
    virtual HRESULT AddCoordinatedAttackItem(const XS_CoordinatedAttack& row, XC_GamePerson* pPersonObj,
                                             DWORD dwLevel);
    virtual DWORD GetPersonSkillLevel(XC_GamePerson* pPersonObj, DWORD dwSkillID) const;

    // Rows of the table's text; bad lines are reported and left out.
    HRESULT LoadTable(const char* szData, DWORD dwSize, const char* szFileName);
    size_t GetTableRowCount() const { return m_mapCoordinatedAttack.size(); }

private:
    std::multimap<DWORD, XS_CoordinatedAttack> m_mapCoordinatedAttack;
    std::list<XC_GamePerson*> m_listPartner;
};
