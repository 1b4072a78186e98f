#pragma once

#include "JC_DataManager/Event/JC_EventBase.h"
#include "JC_DataManager/Event/JC_EventConditionList.h"
#include "JC_DataManager/Event/JC_EventDealResult.h"

#include <string>
#include <vector>

constexpr DWORD JE_EVENTCAMP_BAD_CAMP = 0x89810011;
constexpr DWORD JE_EVENTCAMP_EMPTY_ROUND_EVENT = 0x89810041;
constexpr DWORD JE_EVENTCAMP_ROUND_EVENT_FIELDS = 0x89810042;
constexpr DWORD JE_EVENTCAMP_ROUND_EVENT_CAMP = 0x89810043;

// The events of one camp, asked at the start and end of its turns: round
// events added by scripts ("Name,Script,Camp,Round"), and the built-in rules
// of regeneration, behaviour update, summon time, RAP and bodies.
class JC_EventGroupCamp : public JC_EventBase
{
public:
    JC_EventGroupCamp() { EventClsAll(); }

    DWORD EventClsAll() override;

    // Turn start, in this order.
    virtual DWORD Event_CampBeginDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume);
    virtual DWORD Event_CampBeginStatic1(std::vector<JC_EventDealResultB>& results);
    virtual DWORD Event_CampBeginStatic2(std::vector<JC_EventDealResultD>& results);
    virtual DWORD Event_CampBeginStatic3(std::vector<JC_EventDealResultE>& results);
    // Turn end, in this order.
    virtual DWORD Event_CampEndStatic1();
    virtual DWORD Event_CampEndStatic2(std::vector<JC_EventDealResultE>& results);

    // Counts down every floor on which magic is disabled.
    virtual DWORD UpdateFloorDisableMagic();

    virtual DWORD EventClsAll_HaveRoundEvent();
    // Removes every round event of the name.
    virtual DWORD EventCls_HaveRoundEvent(const std::string& strName);
    virtual DWORD EventAdd_HaveRoundEvent(const std::string& strEvent);
    // The script of the first round event of this camp and the scene's turn;
    // "" when none matches.
    virtual DWORD EventCheck_HaveRoundEvent(std::string& strScript, BOOL bConsume);

    virtual DWORD RuleRestoreRAP(int iCamp);
    virtual DWORD RuleAutoRestore(int iCamp, std::vector<JC_EventDealResultB>& results);
    virtual DWORD RuleUpdateBehavior(int iCamp, std::vector<JC_EventDealResultD>& results);
    virtual DWORD RuleSummonTimeOut(int iCamp, std::vector<JC_EventDealResultE>& results);
    virtual DWORD RuleCorpseTimeOut(int iCamp, std::vector<JC_EventDealResultE>& results);

    DWORD SetCamp(int iCamp);
    int GetCamp() const { return m_iCamp; }
    const std::vector<std::string>& GetRoundEvents() const { return m_RoundEvents.GetConditions(); }

private:
    // The define value of a round event's camp field.
    int ReadCamp(const std::string& strField) const;
    // Logs a failed person search; passes the code on.
    DWORD LogSearch(DWORD dwResult) const;
    // Counts the persons' timer item down; lists those whose time is up.
    DWORD ListTimedOut(const std::vector<int>& teamIDs, const std::vector<JC_DataComponent*>& persons,
                       int (JC_ControlPersonPower::*pfnGet)(), void (JC_ControlPersonPower::*pfnSet)(int),
                       std::vector<JC_EventDealResultE>& results);

    int m_iCamp = -1;
    JC_EventConditionList m_RoundEvents{4, JE_EVENTCAMP_EMPTY_ROUND_EVENT, JE_EVENTCAMP_ROUND_EVENT_FIELDS};
};
