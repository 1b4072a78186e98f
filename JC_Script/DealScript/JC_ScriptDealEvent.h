#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_DebugLog;
class JC_EventManager;

constexpr DWORD JE_DEALEVENT_NO_EVENT_MANAGER = 0x89B10001;
constexpr DWORD JE_DEALEVENT_EVENT_MANAGER_NOT_INITIATED = 0x89B10002;
constexpr DWORD JE_DEALEVENT_UNKNOWN_GROUP = 0x89B10101;
constexpr DWORD JE_DEALEVENT_UNKNOWN_CAMP_PLAYER_COMMAND = 0x89B10111;
constexpr DWORD JE_DEALEVENT_UNKNOWN_CAMP_PARTNER_COMMAND = 0x89B10121;
constexpr DWORD JE_DEALEVENT_UNKNOWN_CAMP_NATURAL_COMMAND = 0x89B10131;
constexpr DWORD JE_DEALEVENT_UNKNOWN_CAMP_COMPUTER_COMMAND = 0x89B10141;
constexpr DWORD JE_DEALEVENT_UNKNOWN_PERSON_COMMAND = 0x89B10151;
constexpr DWORD JE_DEALEVENT_UNKNOWN_SCENE_COMMAND = 0x89B10161;

// "EventManager": the group name, the sub-command and the rest of the line,
// handed unchanged to the group operation of that name.
class JC_ScriptDealEvent : public JC_ScriptDealBase
{
public:
    DWORD Deal(const std::string& strText) override;
    virtual DWORD Initiation(JC_EventManager* pEventManager);

    virtual DWORD DealEventGroupCampPlayer(const std::string& strText);
    virtual DWORD DealEventGroupCampPartner(const std::string& strText);
    virtual DWORD DealEventGroupCampNatural(const std::string& strText);
    virtual DWORD DealEventGroupCampComputer(const std::string& strText);
    virtual DWORD DealEventGroupPerson(const std::string& strText);
    virtual DWORD DealEventGroupScene(const std::string& strText);

private:
    DWORD DealEventGroupCamp(int iCamp, DWORD dwUnknownCommand, const std::string& strText);
    // Runs the sub-command of the table on the group, or logs it unknown.
    template <typename Group, typename Command, size_t N>
    DWORD DealSubCommand(Group& group, const Command (&commands)[N], DWORD dwUnknownCommand,
                         const std::string& strText);

    JC_EventManager* m_pEventManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
