#pragma once

#include "JC_DataManager/Event/JC_EventBase.h"
#include "JC_DataManager/Event/JC_EventConditionList.h"

#include <string>
#include <vector>

constexpr DWORD JE_EVENTPERSON_EMPTY_FLOOR_EVENT = 0x89820071;
constexpr DWORD JE_EVENTPERSON_FLOOR_EVENT_FIELDS = 0x89820072;
constexpr DWORD JE_EVENTPERSON_EMPTY_WHO_ATTACK_WHO = 0x898200D1;
constexpr DWORD JE_EVENTPERSON_WHO_ATTACK_WHO_FIELDS = 0x898200D2;
constexpr DWORD JE_EVENTPERSON_EMPTY_HAVE_PERSON = 0x89820111;
constexpr DWORD JE_EVENTPERSON_HAVE_PERSON_FIELDS = 0x89820112;
constexpr DWORD JE_EVENTPERSON_EMPTY_HP_IN_RANGE = 0x89820141;
constexpr DWORD JE_EVENTPERSON_HP_IN_RANGE_FIELDS = 0x89820142;
constexpr DWORD JE_EVENTPERSON_EMPTY_IS_DIE = 0x89820171;
constexpr DWORD JE_EVENTPERSON_IS_DIE_FIELDS = 0x89820172;
constexpr DWORD JE_EVENTPERSON_EMPTY_IS_ALL_DIE = 0x898201A1;
constexpr DWORD JE_EVENTPERSON_IS_ALL_DIE_FIELDS = 0x898201A2;

// The events of single persons in a battle: conditions scripts add on a
// person standing on a cell, one person attacking another, a person in our
// team, HP in a range, a death and a camp wiped out; and the rest rule.
class JC_EventGroupPerson : public JC_EventBase
{
public:
    DWORD EventClsAll() override;

    virtual DWORD Event_StayDynamic(DWORD dwPersonTeamIndex, std::vector<JC_EventDealResultA>& results, BOOL bConsume);
    virtual DWORD Event_StayStatic2(DWORD dwPersonTeamIndex, std::vector<JC_EventDealResultB>& results);
    virtual DWORD Event_AttackStartDynamic(DWORD dwActivePersonTeamIndex, DWORD dwPassivePersonTeamIndex,
                                           std::vector<JC_EventDealResultA>& results, BOOL bConsume);
    virtual DWORD Event_AttackEndDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume);
    // HP in range, a death, the Computer wiped out, the Player wiped out:
    // the first met of these.
    virtual DWORD Event_SpecialDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume);

    // The rest rule: the person's RAP turned into HP and SP.
    virtual DWORD EventCheck_StayRest(DWORD dwTeamIndex, std::vector<JC_EventDealResultB>& results);

    DWORD EventClsAll_FloorEvent() { return m_FloorEvent.ClsAll(); }
    DWORD EventCls_FloorEvent(const std::string& strName) { return m_FloorEvent.Cls(strName); }
    DWORD EventAdd_FloorEvent(const std::string& strEvent) { return m_FloorEvent.Add(strEvent); }
    virtual DWORD EventCheck_FloorEvent(DWORD dwTeamIndex, std::string& strScript, BOOL bConsume);

    DWORD EventClsAll_WhoAttackWho() { return m_WhoAttackWho.ClsAll(); }
    DWORD EventCls_WhoAttackWho(const std::string& strName) { return m_WhoAttackWho.Cls(strName); }
    DWORD EventAdd_WhoAttackWho(const std::string& strEvent) { return m_WhoAttackWho.Add(strEvent); }
    virtual DWORD EventCheck_WhoAttackWho(DWORD dwActiveTeamIndex, DWORD dwPassiveTeamIndex, std::string& strScript,
                                          BOOL bConsume);

    DWORD EventClsAll_HavePerson() { return m_HavePerson.ClsAll(); }
    DWORD EventCls_HavePerson(const std::string& strName) { return m_HavePerson.Cls(strName); }
    DWORD EventAdd_HavePerson(const std::string& strEvent) { return m_HavePerson.Add(strEvent); }
    virtual DWORD EventCheck_HavePerson(std::string& strScript, BOOL bConsume);

    DWORD EventClsAll_HPInRange() { return m_HPInRange.ClsAll(); }
    DWORD EventCls_HPInRange(const std::string& strName) { return m_HPInRange.Cls(strName); }
    DWORD EventAdd_HPInRange(const std::string& strEvent) { return m_HPInRange.Add(strEvent); }
    virtual DWORD EventCheck_HPInRange(std::string& strScript, BOOL bConsume);

    DWORD EventClsAll_IsDie() { return m_IsDie.ClsAll(); }
    DWORD EventCls_IsDie(const std::string& strName) { return m_IsDie.Cls(strName); }
    DWORD EventAdd_IsDie(const std::string& strEvent) { return m_IsDie.Add(strEvent); }
    virtual DWORD EventCheck_IsDie(std::string& strScript, BOOL bConsume);

    DWORD EventClsAll_IsAllDie() { return m_IsAllDie.ClsAll(); }
    DWORD EventCls_IsAllDie(const std::string& strName) { return m_IsAllDie.Cls(strName); }
    DWORD EventAdd_IsAllDie(const std::string& strEvent) { return m_IsAllDie.Add(strEvent); }
    virtual DWORD EventCheck_IsAllDie(int iCamp, std::string& strScript, BOOL bConsume);

    const JC_EventConditionList& GetHPInRange() const { return m_HPInRange; }

private:
    // The person at the fight-team position, bound to the cursor; an empty
    // position is logged as a failure when bMustExist.
    DWORD BindFightPerson(DWORD dwTeamIndex, bool bMustExist);

    JC_EventConditionList m_FloorEvent{5, JE_EVENTPERSON_EMPTY_FLOOR_EVENT, JE_EVENTPERSON_FLOOR_EVENT_FIELDS};
    JC_EventConditionList m_WhoAttackWho{4, JE_EVENTPERSON_EMPTY_WHO_ATTACK_WHO,
                                         JE_EVENTPERSON_WHO_ATTACK_WHO_FIELDS};
    JC_EventConditionList m_HavePerson{3, JE_EVENTPERSON_EMPTY_HAVE_PERSON, JE_EVENTPERSON_HAVE_PERSON_FIELDS};
    JC_EventConditionList m_HPInRange{5, JE_EVENTPERSON_EMPTY_HP_IN_RANGE, JE_EVENTPERSON_HP_IN_RANGE_FIELDS};
    JC_EventConditionList m_IsDie{3, JE_EVENTPERSON_EMPTY_IS_DIE, JE_EVENTPERSON_IS_DIE_FIELDS};
    JC_EventConditionList m_IsAllDie{3, JE_EVENTPERSON_EMPTY_IS_ALL_DIE, JE_EVENTPERSON_IS_ALL_DIE_FIELDS};
};
