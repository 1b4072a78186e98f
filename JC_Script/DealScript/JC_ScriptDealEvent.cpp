#include "JC_Script/DealScript/JC_ScriptDealEvent.h"

#include "JC_DataManager/Event/JC_EventManager.h"
#include "TemplateSystem/JC_DebugLog.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_NAME);

// A sub-command: an operation taking the rest of the line, or one that
// ignores it.
template <typename Group>
struct JS_SubCommand
{
    const char* szName;
    DWORD (Group::*pfnWithText)(const std::string&);
    DWORD (Group::*pfnAlone)();
};

using CampCommand = JS_SubCommand<JC_EventGroupCamp>;
using PersonCommand = JS_SubCommand<JC_EventGroupPerson>;
using SceneCommand = JS_SubCommand<JC_EventGroupScene>;

const CampCommand s_CampCommands[] = {
    {"EventClsAll_HaveRoundEvent", nullptr, &JC_EventGroupCamp::EventClsAll_HaveRoundEvent},
    {"EventCls_HaveRoundEvent", &JC_EventGroupCamp::EventCls_HaveRoundEvent, nullptr},
    {"EventAdd_HaveRoundEvent", &JC_EventGroupCamp::EventAdd_HaveRoundEvent, nullptr},
};

const PersonCommand s_PersonCommands[] = {
    {"EventClsAll_FloorEvent", nullptr, &JC_EventGroupPerson::EventClsAll_FloorEvent},
    {"EventCls_FloorEvent", &JC_EventGroupPerson::EventCls_FloorEvent, nullptr},
    {"EventAdd_FloorEvent", &JC_EventGroupPerson::EventAdd_FloorEvent, nullptr},
    {"EventClsAll_WhoAttackWho", nullptr, &JC_EventGroupPerson::EventClsAll_WhoAttackWho},
    {"EventCls_WhoAttackWho", &JC_EventGroupPerson::EventCls_WhoAttackWho, nullptr},
    {"EventAdd_WhoAttackWho", &JC_EventGroupPerson::EventAdd_WhoAttackWho, nullptr},
    {"EventClsAll_HavePerson", nullptr, &JC_EventGroupPerson::EventClsAll_HavePerson},
    {"EventCls_HavePerson", &JC_EventGroupPerson::EventCls_HavePerson, nullptr},
    {"EventAdd_HavePerson", &JC_EventGroupPerson::EventAdd_HavePerson, nullptr},
    {"EventClsAll_HPInRange", nullptr, &JC_EventGroupPerson::EventClsAll_HPInRange},
    {"EventCls_HPInRange", &JC_EventGroupPerson::EventCls_HPInRange, nullptr},
    {"EventAdd_HPInRange", &JC_EventGroupPerson::EventAdd_HPInRange, nullptr},
    {"EventClsAll_IsDie", nullptr, &JC_EventGroupPerson::EventClsAll_IsDie},
    {"EventCls_IsDie", &JC_EventGroupPerson::EventCls_IsDie, nullptr},
    {"EventAdd_IsDie", &JC_EventGroupPerson::EventAdd_IsDie, nullptr},
    {"EventClsAll_IsAllDie", nullptr, &JC_EventGroupPerson::EventClsAll_IsAllDie},
    {"EventCls_IsAllDie", &JC_EventGroupPerson::EventCls_IsAllDie, nullptr},
    {"EventAdd_IsAllDie", &JC_EventGroupPerson::EventAdd_IsAllDie, nullptr},
};

const SceneCommand s_SceneCommands[] = {
    {"EventAdd_NPCInitiation", &JC_EventGroupScene::EventAdd_NPCInitiation, nullptr},
    {"EventClsAll_NPCInitiation", nullptr, &JC_EventGroupScene::EventClsAll_NPCInitiation},
    {"EventClsAll_HaveThing", nullptr, &JC_EventGroupScene::EventClsAll_HaveThing},
    {"EventCls_HaveThing", &JC_EventGroupScene::EventCls_HaveThing, nullptr},
    {"EventAdd_HaveThing", &JC_EventGroupScene::EventAdd_HaveThing, nullptr},
};

} // namespace

DWORD JC_ScriptDealEvent::Initiation(JC_EventManager* pEventManager)
{
    if (pEventManager == nullptr)
        return JE_DEALEVENT_NO_EVENT_MANAGER;
    if (pEventManager->IsInitiated() != 1)
        return JE_DEALEVENT_EVENT_MANAGER_NOT_INITIATED;
    m_pEventManager = pEventManager;
    m_pErrorLog = pEventManager->GetErrorLog();
    return 0;
}

DWORD JC_ScriptDealEvent::Deal(const std::string& strText)
{
    if (m_pEventManager == nullptr)
        return JE_DEALEVENT_NO_EVENT_MANAGER;
    const struct
    {
        const char* szGroup;
        DWORD (JC_ScriptDealEvent::*pfnDeal)(const std::string&);
    } groups[] = {
        {"EventGroupCampPlayer", &JC_ScriptDealEvent::DealEventGroupCampPlayer},
        {"EventGroupCampPartner", &JC_ScriptDealEvent::DealEventGroupCampPartner},
        {"EventGroupCampNatural", &JC_ScriptDealEvent::DealEventGroupCampNatural},
        {"EventGroupCampComputer", &JC_ScriptDealEvent::DealEventGroupCampComputer},
        {"EventGroupPerson", &JC_ScriptDealEvent::DealEventGroupPerson},
        {"EventGroupScene", &JC_ScriptDealEvent::DealEventGroupScene},
    };
    std::string strRest = strText;
    const std::string strGroup = PopField(strRest);
    for (const auto& group : groups) {
        if (strGroup == group.szGroup)
            return (this->*group.pfnDeal)(strRest);
    }
    m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " 劇本指令_事件 無法識別事件物件名稱. \r\n Script:%s \r\n",
                         strText.c_str());
    return JE_DEALEVENT_UNKNOWN_GROUP;
}

template <typename Group, typename Command, size_t N>
DWORD JC_ScriptDealEvent::DealSubCommand(Group& group, const Command (&commands)[N], DWORD dwUnknownCommand,
                                         const std::string& strText)
{
    std::string strRest = strText;
    const std::string strCommand = PopField(strRest);
    for (const Command& command : commands) {
        if (strCommand != command.szName)
            continue;
        if (command.pfnAlone != nullptr)
            return (group.*command.pfnAlone)();
        return (group.*command.pfnWithText)(strRest);
    }
    m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " 劇本指令_事件 無法識別事件物件中的功能名稱. \r\n Script:%s \r\n",
                         strText.c_str());
    return dwUnknownCommand;
}

DWORD JC_ScriptDealEvent::DealEventGroupCamp(int iCamp, DWORD dwUnknownCommand, const std::string& strText)
{
    return DealSubCommand(*m_pEventManager->GetEventGroupCamp(iCamp), s_CampCommands, dwUnknownCommand, strText);
}

DWORD JC_ScriptDealEvent::DealEventGroupCampPlayer(const std::string& strText)
{
    return DealEventGroupCamp(0, JE_DEALEVENT_UNKNOWN_CAMP_PLAYER_COMMAND, strText);
}

DWORD JC_ScriptDealEvent::DealEventGroupCampPartner(const std::string& strText)
{
    return DealEventGroupCamp(1, JE_DEALEVENT_UNKNOWN_CAMP_PARTNER_COMMAND, strText);
}

DWORD JC_ScriptDealEvent::DealEventGroupCampNatural(const std::string& strText)
{
    return DealEventGroupCamp(2, JE_DEALEVENT_UNKNOWN_CAMP_NATURAL_COMMAND, strText);
}

DWORD JC_ScriptDealEvent::DealEventGroupCampComputer(const std::string& strText)
{
    return DealEventGroupCamp(3, JE_DEALEVENT_UNKNOWN_CAMP_COMPUTER_COMMAND, strText);
}

DWORD JC_ScriptDealEvent::DealEventGroupPerson(const std::string& strText)
{
    return DealSubCommand(m_pEventManager->m_EventGroupPersonObj, s_PersonCommands,
                          JE_DEALEVENT_UNKNOWN_PERSON_COMMAND, strText);
}

DWORD JC_ScriptDealEvent::DealEventGroupScene(const std::string& strText)
{
    return DealSubCommand(m_pEventManager->m_EventGroupSceneObj, s_SceneCommands, JE_DEALEVENT_UNKNOWN_SCENE_COMMAND,
                          strText);
}
