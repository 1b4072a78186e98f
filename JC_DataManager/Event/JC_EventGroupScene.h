#pragma once

#include "JC_DataManager/Event/JC_EventBase.h"
#include "JC_DataManager/Event/JC_EventConditionList.h"

#include <string>
#include <vector>

constexpr DWORD JE_EVENTSCENE_EMPTY_NPC_INITIATION = 0x89830041;
constexpr DWORD JE_EVENTSCENE_EMPTY_HAVE_THING = 0x89830071;
constexpr DWORD JE_EVENTSCENE_HAVE_THING_TOO_MANY_FIELDS = 0x89830072;
constexpr DWORD JE_EVENTSCENE_HAVE_THING_FIELDS = 0x89830073;
constexpr DWORD JE_EVENTSCENE_NO_DRAWER = 0x898300A1;

// The events of the whole battle: person command lines queued for the next
// battle set-up, the round saves, thing events that wait for the warehouse
// to hold things ("Name,Script,N" and N triples ThingKind,ThingID,Count) and
// the terrain's effect at each round's end.
class JC_EventGroupScene : public JC_EventBase
{
public:
    // Clears the thing events; the queued person command lines stay.
    DWORD EventClsAll() override;

    virtual DWORD Event_NPCInitiation();
    // Orders "SaveGame" with "98" in the first round and with "99" in every one.
    virtual DWORD Event_RoundSave();
    virtual DWORD Event_RoundBeginDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume);
    virtual DWORD Event_RoundEndStatic(std::vector<JC_EventDealResultB>& results);

    virtual DWORD EventClsAll_NPCInitiation();
    virtual DWORD EventAdd_NPCInitiation(const std::string& strLine);
    // Runs the queued lines in order; a failing line stays queued with the
    // lines after it.
    virtual DWORD RunNPCInitiation();

    virtual DWORD EventClsAll_HaveThing() { return m_HaveThing.ClsAll(); }
    virtual DWORD EventCls_HaveThing(const std::string& strName) { return m_HaveThing.Cls(strName); }
    virtual DWORD EventAdd_HaveThing(const std::string& strEvent);
    virtual DWORD EventCheck_HaveThing(std::string& strScript, BOOL bConsume);

    // HP and SP changed by the rates of the landform each living person
    // stands on, in percent of the current values.
    virtual DWORD RuleLandformRestore(std::vector<JC_EventDealResultB>& results);

    const std::vector<std::string>& GetNPCInitiation() const { return m_NPCInitiation; }
    const std::vector<std::string>& GetHaveThing() const { return m_HaveThing.GetConditions(); }

private:
    // Sets bMet when the warehouse holds every thing of the event's triples.
    DWORD HoldsThings(const JC_StringArray& fields, bool& bMet);

    std::vector<std::string> m_NPCInitiation;
    JC_EventConditionList m_HaveThing{0, JE_EVENTSCENE_EMPTY_HAVE_THING, JE_EVENTSCENE_HAVE_THING_FIELDS};
};
