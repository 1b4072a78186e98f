#pragma once

#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"
#include "JC_DataManager/Operator/JC_OperatorTool.h"
#include "JC_DataManager/Operator/JC_OperatorWeapon.h"

#include <memory>
#include <vector>

class JC_ControlManager;
class JC_DebugLog;

constexpr DWORD JE_ORDERINPUT_NULL_CONTROL_MANAGER = 0x89612001;
constexpr DWORD JE_ORDERINPUT_CONTROL_MANAGER_NOT_INITIATED = 0x89612002;
constexpr DWORD JE_ORDERINPUT_EFFECT_MIXED = 0x89612101;
constexpr DWORD JE_ORDERINPUT_NO_ACTIVE = 0x89612201;
constexpr DWORD JE_ORDERINPUT_NO_PASSIVE = 0x89612202;
constexpr DWORD JE_ORDERINPUT_PASSIVE_MIXED = 0x89612203;
constexpr DWORD JE_ORDERINPUT_EFFECT_NOT_SINGLE = 0x89612204;
constexpr DWORD JE_ORDERINPUT_COUNTER_NOT_WEAPON = 0x89612205;
constexpr DWORD JE_ORDERINPUT_NOT_IN_FIGHT_TEAM = 0x89612206;
constexpr DWORD JE_ORDERINPUT_FOLLOW_NOT_IN_FIGHT_TEAM = 0x89612301;

enum JE_OrderEffectKind : DWORD
{
    ORDEREFFECT_NONE = 0,
    ORDEREFFECT_WEAPON = 1,
    ORDEREFFECT_TOOL = 2,
    ORDEREFFECT_SKILL = 3,
};

// What one battle order is made of: who acts, on whom or which floors, with
// which effect. Finishing it turns every number into the live object the
// deals read and change; a failed finish empties it.
class JC_OrderInput
{
public:
    JC_OrderInput() = default;
    virtual ~JC_OrderInput() = default;
    JC_OrderInput(const JC_OrderInput&) = delete;
    JC_OrderInput& operator=(const JC_OrderInput&) = delete;

    DWORD Initiation(JC_ControlManager* pControlManager);
    DWORD ResetInput();

    DWORD AddActivePerson(DWORD dwTeamID);
    DWORD AddPassivePerson(DWORD dwTeamID);
    DWORD AddPassiveFloor(DWORD dwFloor);
    DWORD AddToolEffect(DWORD dwToolID);
    DWORD AddSkillEffect(DWORD dwSkillKey);
    void SetCounter(DWORD dwCounter) { m_dwCounter = dwCounter; }
    DWORD GetCounter() const { return m_dwCounter; }
    void SetPredictMode(DWORD dwPredictMode) { m_dwPredictMode = dwPredictMode; }
    DWORD GetPredictMode() const { return m_dwPredictMode; }
    DWORD OrderInputFinish();
    // Adds a person that joins while the order runs (a summoned one).
    DWORD AddFollowPerson(DWORD dwTeamID);

    BOOL IsFinished() const { return m_dwFinished != 0; }
    DWORD GetEffectKind() const { return m_dwEffectKind; }
    DWORD GetActivePersonCount() const { return static_cast<DWORD>(m_ActivePersons.size()); }
    DWORD GetPassivePersonCount() const { return static_cast<DWORD>(m_PassivePersons.size()); }
    DWORD GetFollowPersonCount() const { return static_cast<DWORD>(m_FollowPersons.size()); }
    DWORD GetPassiveFloorCount() const { return static_cast<DWORD>(m_PassiveFloors.size()); }
    // -1 outside the list.
    DWORD GetPassiveFloor(DWORD dwIndex) const;
    DWORD GetActivePerson(DWORD dwIndex) const { return EntryOf(m_ActivePersons, dwIndex); }
    DWORD GetPassivePerson(DWORD dwIndex) const { return EntryOf(m_PassivePersons, dwIndex); }
    DWORD GetFollowPerson(DWORD dwIndex) const { return EntryOf(m_FollowPersons, dwIndex); }
    DWORD GetToolEffect(DWORD dwIndex) const { return EntryOf(m_ToolEffects, dwIndex); }

    JC_ControlPersonPower* GetActiveControlPersonPower(DWORD dwIndex) const { return PowerOf(m_ActiveControls, dwIndex); }
    JC_ControlPersonPower* GetPassiveControlPersonPower(DWORD dwIndex) const { return PowerOf(m_PassiveControls, dwIndex); }
    JC_ControlPersonPower* GetFollowControlPersonPower(DWORD dwIndex) const { return PowerOf(m_FollowControls, dwIndex); }
    JC_OperatorWeapon* GetActiveWeaponOperator(DWORD dwIndex) const { return ObjectOf(m_ActiveWeapons, dwIndex); }
    JC_ControlSkill* GetEffectControlSkill(DWORD dwIndex) const { return ObjectOf(m_EffectSkills, dwIndex); }
    JC_OperatorTool* GetEffectToolOperator(DWORD dwIndex) const { return ObjectOf(m_EffectTools, dwIndex); }
    // The effect's behaviour lines; null before the finish.
    JC_StringArray* GetEffectBehavior(DWORD dwIndex) const;

private:
    template <typename T>
    static T* ObjectOf(const std::vector<std::unique_ptr<T>>& objects, DWORD dwIndex)
    {
        return dwIndex < objects.size() ? objects[dwIndex].get() : nullptr;
    }
    static DWORD EntryOf(const std::vector<DWORD>& entries, DWORD dwIndex)
    {
        return dwIndex < entries.size() ? entries[dwIndex] : static_cast<DWORD>(-1);
    }
    static JC_ControlPersonPower* PowerOf(const std::vector<std::unique_ptr<JC_ControlPerson>>& controls, DWORD dwIndex);

    DWORD CheckCounts();
    DWORD AddEffect(std::vector<DWORD>& effects, DWORD dwValue, DWORD dwKind);
    // A person control bound to the fight team's person; the failure
    // messages take the loop index and team ID.
    struct JS_PersonMessages
    {
        bool bInitiationNamesLoop;
        const char* szInitiation;
        const char* szNotInTeam;
        const char* szSetControl;
        DWORD dwNotInTeam;
    };
    DWORD MakePersonControl(std::vector<std::unique_ptr<JC_ControlPerson>>& controls, DWORD dwLoop, DWORD dwTeamID,
                            const JS_PersonMessages& messages);
    DWORD MakeWeaponOperator(DWORD dwLoop);
    DWORD MakeSkillControl(DWORD dwLoop);
    DWORD MakeToolOperator(DWORD dwLoop);
    DWORD BuildObjects();

    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataManager* m_pDataManager = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
    DWORD m_dwFinished = 0;
    std::vector<DWORD> m_ActivePersons;
    std::vector<DWORD> m_PassivePersons;
    std::vector<DWORD> m_FollowPersons;
    std::vector<DWORD> m_PassiveFloors;
    std::vector<DWORD> m_SkillEffects;
    std::vector<DWORD> m_ToolEffects;
    DWORD m_dwCounter = 0;
    DWORD m_dwPredictMode = 0;
    DWORD m_dwEffectKind = ORDEREFFECT_NONE;
    std::vector<std::unique_ptr<JC_ControlPerson>> m_ActiveControls;
    std::vector<std::unique_ptr<JC_OperatorWeapon>> m_ActiveWeapons;
    std::vector<std::unique_ptr<JC_ControlPerson>> m_PassiveControls;
    std::vector<std::unique_ptr<JC_ControlPerson>> m_FollowControls;
    std::vector<std::unique_ptr<JC_ControlSkill>> m_EffectSkills;
    std::vector<std::unique_ptr<JC_OperatorTool>> m_EffectTools;
};
