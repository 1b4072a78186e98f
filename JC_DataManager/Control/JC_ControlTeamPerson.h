#pragma once

#include "JC_DataManager/Accessorial/JC_AccessorialTeamPerson.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"

#include "TemplateSystem/JC_StringSegment1.h"

constexpr DWORD JE_CONTROLTEAMPERSON_NULL_TEAM_CONTROL = 0x89378011;
constexpr DWORD JE_CONTROLTEAMPERSON_TEAM_CONTROL_NOT_INITIATED = 0x89378012;
constexpr DWORD JE_CONTROLTEAMPERSON_NULL_WAREHOUSE_CONTROL = 0x89378013;
constexpr DWORD JE_CONTROLTEAMPERSON_WAREHOUSE_CONTROL_NOT_INITIATED = 0x89378014;
constexpr DWORD JE_CONTROLTEAMPERSON_UNKNOWN_CLASS = 0x89378041;
constexpr DWORD JE_CONTROLTEAMPERSON_UNKNOWN_EQUIP = 0x89378121;
constexpr DWORD JE_CONTROLTEAMPERSON_UNKNOWN_LEVELUP = 0x89378131;
constexpr DWORD JE_CONTROLTEAMPERSON_UNKNOWN_POWER = 0x89378141;
constexpr DWORD JE_CONTROLTEAMPERSON_UNKNOWN_TAKEJOB = 0x89378151;
constexpr DWORD JE_CONTROLTEAMPERSON_PUTON_BAD_KIND = 0x89378201;
constexpr DWORD JE_CONTROLTEAMPERSON_PUTON_NO_THING = 0x89378202;
constexpr DWORD JE_CONTROLTEAMPERSON_UNKNOWN_LVUPTYPE = 0x89378231;
constexpr DWORD JE_CONTROLTEAMPERSON_JOBLEVEL_UNUSED_LVUPTYPE = 0x89378261;
constexpr DWORD JE_CONTROLTEAMPERSON_JOBLEVEL_UNKNOWN_LVUPTYPE = 0x89378262;
constexpr DWORD JE_CONTROLTEAMPERSON_UNKNOWN_DEFINE = 0x89378291;
// A field command of fewer than three arguments.
constexpr DWORD JE_CONTROLTEAMPERSON_SHORT_COMMAND = 0x89378292;

// The person sub-commands of the "ControlPerson" game-script command: a
// person of a team is bound to a person control, and one method of one
// class works on it. Equipment taken off goes to the warehouse.
class JC_ControlTeamPerson
{
public:
    JC_ControlTeamPerson() = default;
    virtual ~JC_ControlTeamPerson() = default;
    JC_ControlTeamPerson(const JC_ControlTeamPerson&) = delete;
    JC_ControlTeamPerson& operator=(const JC_ControlTeamPerson&) = delete;

    virtual DWORD Initiation(JC_ControlTeam* pControlTeam, JC_ControlWarehouse* pControlWarehouse);
    // The class's handler runs on the person: 0 once it ran, whatever it
    // gave (its failure is logged).
    virtual DWORD ScriptNotify(TeamID teamID, int iTeamIndex, const std::string& strClass,
                               const std::string& strMethod);
    // "team define key,TeamIndex,class,method text".
    virtual DWORD ScriptNotify(const std::string& strText);
    virtual DWORD DealControlPerson(TeamID teamID, int iTeamIndex);
    virtual DWORD DealEquip(const std::string& strMethod);
    virtual DWORD DealHybridize(const std::string& strMethod);
    virtual DWORD DealLevelUp(const std::string& strMethod);
    virtual DWORD DealPower(const std::string& strMethod);
    virtual DWORD DealTakeJob(const std::string& strMethod);

    DWORD TakeOffAllEquipment(const std::string& strMethod, int iSendToWarehouse);
    DWORD TakeOffEquipment(const std::string& strMethod, const std::string& strPositionKey, int iSendToWarehouse);
    DWORD PutOnEquipment(const std::string& strMethod, const std::string& strThingKindKey, DWORD dwThingID,
                         const std::string& strPositionKey, int iSendToWarehouse);
    // iTeamIndex only for LvUpType 4.
    DWORD SetLevel(const std::string& strMethod, const std::string& strLvUpTypeKey, const std::string& strLevel,
                   int iPointFlag, int iTeamIndex);
    DWORD SetJobLevel(const std::string& strMethod, const std::string& strLvUpTypeKey,
                      const std::string& strJobLevel);
    // The arguments: item name, item index, define key of the value.
    DWORD ChangeItem(const std::string& strArguments);
    // The arguments: item name, item index, number text; "Merge" takes only
    // "+n" and "-n", "MergeEx" any number text.
    DWORD MergeItem(const std::string& strArguments, bool bAnyNumberText);

    BOOL IsInitiated() const { return m_bInitiated; }
    // Null until initiated.
    JC_DebugLog* GetErrorLog() const { return m_bInitiated ? m_pErrorLog : nullptr; }
    JC_DataManager* GetDataManager() const { return m_bInitiated ? m_pDataManager : nullptr; }
    JC_ControlPerson& GetControlPerson() { return m_ControlPersonObj; }
    JC_ControlTeam* GetControlTeam() const { return m_bInitiated ? m_pControlTeam : nullptr; }

private:
    // The argument after the method name with the 0-based index.
    std::string Argument(const std::string& strMethod, DWORD dwIndex) const;
    std::string MethodName(const std::string& strMethod) const;
    // Everything after the method name.
    std::string Arguments(const std::string& strMethod) const;
    DWORD Define(const std::string& strKey) const;
    // Item name, item index and value text of a field command.
    DWORD SplitFieldCommand(const std::string& strArguments, std::string& strItemName, DWORD& dwItemIndex,
                            std::string& strValue) const;
    void LogUnknownMethod(const std::string& strMethod, DWORD dwResult) const;
    // Puts a piece taken off into the warehouse its record names.
    DWORD SendToWarehouse(std::unique_ptr<JC_DataComponent>& pTaken, int iSendToWarehouse) const;
    // The level a LvUpType refers to; false for an unknown type.
    bool ReferenceLevel(DWORD dwLvUpType, int iTeamIndex, DWORD& dwLevel);

    BOOL m_bInitiated = FALSE;
    JC_StringSegment1 m_StringSegmentObj;
    JC_ControlPerson m_ControlPersonObj;
    JC_AccessorialTeamPerson m_AccessorialTeamPersonObj;
    JC_ControlTeam* m_pControlTeam = nullptr;
    JC_ControlWarehouse* m_pControlWarehouse = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataManager* m_pDataManager = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
};
