#pragma once

#include "JC_DataManager/Control/JC_ControlPersonBase.h"

#include <initializer_list>
#include <vector>

// Behaviour states a person's behaviour-group items name.
enum JE_BehaviorState : DWORD
{
    JE_STATE_MOVE = 1,
    JE_STATE_STRENGTH = 2,
    JE_STATE_VITALITY = 3,
    JE_STATE_AGILE = 4,
    JE_STATE_DEXTERITY = 5,
    JE_STATE_INTELLIGENCE = 6,
    JE_STATE_WISDOM = 7,
    JE_STATE_CHARM = 8,
    JE_STATE_LUCK = 9,
    JE_STATE_EXTRA_NATURE_ATTACK_RATE = 10,
    JE_STATE_EXTRA_MAGIC_ATTACK_RATE = 11,
    JE_STATE_EXTRA_NATURE_DEFENSE_RATE = 12,
    JE_STATE_EXTRA_MAGIC_DEFENSE_RATE = 13,
    JE_STATE_EXTRA_HIT_RATE = 14,
    JE_STATE_EXTRA_DODGE_RATE = 15,
    JE_STATE_MOVE_TYPE = 16,
    JE_STATE_HP_AUTO_RESTORE_RATE = 17,
    JE_STATE_SP_AUTO_RESTORE_RATE = 18,
    JE_STATE_HP_AUTO_DAMAGE_RATE = 19,
    JE_STATE_SP_AUTO_DAMAGE_RATE = 20,
    JE_STATE_FREEZE = 31,
    JE_STATE_STONE = 32,
    JE_STATE_BURN = 33,
    JE_STATE_FAINT = 34,
    JE_STATE_NUMB = 35,
    JE_STATE_SLEEP = 36,
    JE_STATE_CONFUSE = 37,
    JE_STATE_CHARMED = 38,
    JE_STATE_BERSERK = 39,
    JE_STATE_RAGE = 40,
    JE_STATE_POISON = 41,
    JE_STATE_SILENCE = 42,
    JE_STATE_FEAR = 43,
    JE_STATE_BLIND = 44,
    JE_STATE_CURSE = 45,
    // States 0 to 64 can be recorded.
    JE_STATE_LIMIT = 65,
};

// Weapon kinds and elements of the derived values.
constexpr int JD_WEAPONKIND_ARROW = 0x10009;
constexpr int JD_WEAPONKIND_GUN = 0x1000C;
constexpr int JD_ELEMENT_NATURE = 10;

// The values of one person that count in battle: the stored fields changed
// by the person's behaviour states, and what attack, defence, hit and dodge
// are derived from them. Getters taking a record flag note, when it is 1,
// the states they consulted, for UseRecordedBehavior to use up.
class JC_ControlPersonPower : public JC_ControlPersonBase
{
public:
    // Access to any person field by name; the data component's code, logged
    // with its name when it is not 0.
    virtual DWORD GetItemData(const std::string& strName, JC_ValueOut value);
    virtual DWORD GetItemDataAt(const std::string& strName, DWORD dwIndex, JC_ValueOut value);
    virtual DWORD SetItemDataStr(const std::string& strName, const std::string& strText);
    virtual DWORD SetItemDataAt(const std::string& strName, DWORD dwIndex, JC_ValueIn value);

    // Attributes and rates with their behaviour modifiers.
    int GetMove(BOOL bRecord);
    int GetStrength(BOOL bRecord);
    int GetVitality(BOOL bRecord);
    int GetAgile(BOOL bRecord);
    int GetDexterity(BOOL bRecord);
    int GetIntelligence(BOOL bRecord);
    int GetWisdom(BOOL bRecord);
    int GetCharm(BOOL bRecord);
    int GetLuck(BOOL bRecord);
    int GetExtraNatureAttackRate(BOOL bRecord);
    int GetExtraMagicAttackRate(BOOL bRecord);
    int GetExtraNatureDefenseRate(BOOL bRecord);
    int GetExtraMagicDefenseRate(BOOL bRecord);
    int GetExtraHitRate(BOOL bRecord);
    int GetExtraDodgeRate(BOOL bRecord);
    int GetHPAutoRestoreRate(BOOL bRecord);
    int GetSPAutoRestoreRate(BOOL bRecord);
    int GetHPAutoDamageRate(BOOL bRecord);
    int GetSPAutoDamageRate(BOOL bRecord);

    // Values that states cancel.
    int GetRAP();
    int GetExtraDodgeCounterRate();
    int GetExtraCounterRate();
    BOOL IsCannotAct();
    int GetAIMove();
    int GetMoveType(BOOL bUse);
    // -1 when the behaviour groups cannot be read.
    int GetCamp(BOOL bStoredOnly);

    // Held to 0..maximum; the change actually made.
    int SetHP(int iValue);
    int SetSP(int iValue);
    int SetRAP(int iValue);
    int SetMorale(int iValue);
    int AddHP(int iAmount) { return SetHP(GetHP() + iAmount); }
    int AddSP(int iAmount) { return SetSP(GetSP() + iAmount); }
    DWORD Restore(BOOL bHP, BOOL bSP, BOOL bRAP, BOOL bClearStates, BOOL bRevive, BOOL bMorale);
    // Falling (2) ends every behaviour state.
    void SetLifeState(int iLifeState);

    BOOL HasBehaviorState(DWORD dwState);
    // What the state's items make of 0; the state is then used once.
    int GetBehaviorStateValue(DWORD dwState);
    DWORD ClearBehaviorStateInGroup(DWORD dwGroup, DWORD dwState);
    DWORD ClearBehaviorState(DWORD dwState);
    DWORD UseBehaviorState(DWORD dwState);
    DWORD RemoveBehaviorsEndedByAttack();
    DWORD GetShowBehaviorState();
    void GetBehaviorStateText(std::string& strText);
    BOOL IsStateImmune(DWORD dwState);
    DWORD UseRecordedBehavior(BOOL bUse, BOOL bDistinct);
    const std::vector<DWORD>& GetRecordedBehavior() const { return m_RecordedBehavior; }

    // Derived battle values.
    int GetBaseAttack(BOOL bRecord);
    int GetAttack(BOOL bRecord);
    int GetMagicAttack(BOOL bRecord);
    int GetTotalVitality(BOOL bRecord);
    int GetMagicDefense(BOOL bRecord);
    int GetHit(BOOL bRecord);
    int GetDodge(BOOL bRecord);
    int GetCriticalRate(BOOL bRecord);
    int GetElementMagicAttackByID(int iElement, BOOL bRecord);
    int GetElementMagicAttack(const std::string& strElementName, BOOL bRecord);
    int GetAntibody(int iElement);
    int GetStateImmunity(DWORD dwState) { return m_OperatorPersonObj.GetStateImmunity(dwState); }

    // The right-hand weapon and the worn defence.
    int GetWeaponKind();
    int GetWeaponElement() { return ReadHandRight("Element"); }
    int GetWeaponAttack() { return ReadHandRight("Attack"); }
    int GetWeaponHPAbsorbRate() { return ReadHandRight("HPAbsorbRate"); }
    int GetWeaponHPAbsorbValue() { return ReadHandRight("HPAbsorbValue"); }
    int GetWeaponSPAbsorbRate() { return ReadHandRight("SPAbsorbRate"); }
    int GetWeaponSPAbsorbValue() { return ReadHandRight("SPAbsorbValue"); }
    int GetEquipDefense();

    // Things left behind and stolen: 1 with the slot's kind and ID, else 0
    // with kind -1 and ID 0. bTake empties the picked slot.
    int PickLegacyThing(int iRoll, DWORD& dwKind, DWORD& dwID, BOOL bTake);
    int PickStealThing(int iRoll, DWORD& dwKind, DWORD& dwID, BOOL bTake);
    int GetStealThingTotalRate();

    DWORD GetLearnSkillCount() { return m_OperatorPersonObj.GetLearnSkillCount(); }
    // The key is the skill ID in the high half and the level in the low.
    BOOL HaveLearnSkill(DWORD dwSkillKey);

    // ("ID" << 16) | "JobID", bit 31 set while evolved.
    DWORD GetAnimationID();
    void GetAnimationFileName(std::string& strText);

    // Plain fields.
    DWORD GetID() { return m_OperatorPersonObj.GetID(); }
    void GetPersonName(std::string& strText) { strText = m_OperatorPersonObj.GetPersonName(); }
    int GetSex() { return m_OperatorPersonObj.GetSex(); }
    int GetMaxLevel() { return m_OperatorPersonObj.GetMaxLevel(); }
    int GetLevel() { return m_OperatorPersonObj.GetLevel(); }
    int GetExp() { return m_OperatorPersonObj.GetExp(); }
    void SetExp(int iValue) { m_OperatorPersonObj.SetExp(iValue); }
    int GetNotUsePoint() { return m_OperatorPersonObj.GetNotUsePoint(); }
    DWORD GetJobID() { return m_OperatorPersonObj.GetJobID(); }
    int GetJobLevel() { return m_OperatorPersonObj.GetJobLevel(); }
    int GetJobExp() { return m_OperatorPersonObj.GetJobExp(); }
    void SetJobExp(int iValue) { m_OperatorPersonObj.SetJobExp(iValue); }
    int GetNotUseJobPoint() { return m_OperatorPersonObj.GetNotUseJobPoint(); }
    void GetJobName(std::string& strText) { strText = m_OperatorJobObj.GetJobName(); }
    int GetJobType() { return m_OperatorJobObj.GetJobType(); }
    float GetShadowSize() { return m_OperatorPersonObj.GetShadowSize(); }
    int GetAIType() { return m_OperatorPersonObj.GetAIType(); }
    int GetAIHP() { return m_OperatorPersonObj.GetAIHP(); }
    int GetAIAssist(DWORD dwIndex);
    DWORD GetLearnSkillID(DWORD dwIndex) { return m_OperatorPersonObj.GetLearnSkillID(dwIndex); }
    int GetLearnSkillLV(DWORD dwIndex) { return m_OperatorPersonObj.GetLearnSkillLV(dwIndex); }
    JC_DataComponent* GetHandRight() { return m_OperatorPersonObj.GetHandRight(); }
    JC_DataComponent* GetHandLeft() { return m_OperatorPersonObj.GetHandLeft(); }
    JC_DataComponent* GetBody() { return m_OperatorPersonObj.GetBody(); }
    JC_DataComponent* GetFoot() { return m_OperatorPersonObj.GetFoot(); }
    JC_DataComponent* GetAccessary0() { return m_OperatorPersonObj.GetAccessary0(); }
    JC_DataComponent* GetAccessary1() { return m_OperatorPersonObj.GetAccessary1(); }
    BOOL HasHandRight() { return m_OperatorPersonObj.HasHandRight(); }
    BOOL HasHandLeft() { return m_OperatorPersonObj.HasHandLeft(); }
    BOOL HasBody() { return m_OperatorPersonObj.HasBody(); }
    BOOL HasFoot() { return m_OperatorPersonObj.HasFoot(); }
    BOOL HasAccessary0() { return m_OperatorPersonObj.HasAccessary0(); }
    BOOL HasAccessary1() { return m_OperatorPersonObj.HasAccessary1(); }
    void SetCamp(int iValue) { m_OperatorPersonObj.SetCamp(iValue); }
    DWORD GetEvolutionID() { return m_OperatorPersonObj.GetEvolutionID(); }
    BOOL HasEvolutionID() { return m_OperatorPersonObj.HasEvolution(); }
    int GetEvolutionFlag() { return m_OperatorPersonObj.GetEvolutionFlag(); }
    void SetEvolutionFlag(int iValue) { m_OperatorPersonObj.SetEvolutionFlag(iValue); }
    int GetMaxHP() { return m_OperatorPersonObj.GetMaxHP(); }
    int GetMaxSP() { return m_OperatorPersonObj.GetMaxSP(); }
    int GetMaxRAP() { return m_OperatorPersonObj.GetMaxRAP(); }
    int GetMaxMorale() { return m_OperatorPersonObj.GetMaxMorale(); }
    int GetHP() { return m_OperatorPersonObj.GetHP(); }
    int GetSP() { return m_OperatorPersonObj.GetSP(); }
    int GetMorale() { return m_OperatorPersonObj.GetMorale(); }
    int GetJumpUp() { return m_OperatorPersonObj.GetJumpUp(); }
    int GetJumpDown() { return m_OperatorPersonObj.GetJumpDown(); }
    int GetExtraSPConsumeRate() { return m_OperatorPersonObj.GetExtraSPConsumeRate(); }
    int GetExtraFierceAttackRate() { return m_OperatorPersonObj.GetExtraFierceAttackRate(); }
    int GetExtraExpRate() { return m_OperatorPersonObj.GetExtraExpRate(); }
    int GetExtraDmgRate() { return m_OperatorPersonObj.GetExtraDmgRate(); }
    int GetExtraDmgDefRate() { return m_OperatorPersonObj.GetExtraDmgDefRate(); }
    int GetIsLegacyBody() { return m_OperatorPersonObj.GetIsLegacyBody(); }
    void SetIsLegacyBody(int iValue) { m_OperatorPersonObj.SetIsLegacyBody(iValue); }
    BOOL CanLeaveLegacy() { return GetIsLegacyBody() == 1 && GetIsSummonRole() != 1; }
    int GetLegacyExp() { return m_OperatorPersonObj.GetLegacyExp(); }
    int GetLegacyJobExp() { return m_OperatorPersonObj.GetLegacyJobExp(); }
    int GetLegacyMoney() { return m_OperatorPersonObj.GetLegacyMoney(); }
    void SetLegacyMoney(int iValue) { m_OperatorPersonObj.SetLegacyMoney(iValue); }
    void GetLegacyThing(DWORD dwSlot, int& iRate, DWORD& dwKind, DWORD& dwID)
    {
        m_OperatorPersonObj.GetLegacyThing(dwSlot, iRate, dwKind, dwID);
    }
    void GetStealThing(DWORD dwSlot, int& iRate, DWORD& dwKind, DWORD& dwID)
    {
        m_OperatorPersonObj.GetStealThing(dwSlot, iRate, dwKind, dwID);
    }
    int GetTeamID() { return m_OperatorPersonObj.GetTeamID(); }
    void SetTeamID(int iValue) { m_OperatorPersonObj.SetTeamID(iValue); }
    int GetLifeState() { return m_OperatorPersonObj.GetLifeState(); }
    int GetDieTime() { return m_OperatorPersonObj.GetDieTime(); }
    void SetDieTime(int iValue) { m_OperatorPersonObj.SetDieTime(iValue); }
    int GetIsSummonRole() { return m_OperatorPersonObj.GetIsSummonRole(); }
    void SetIsSummonRole(int iValue) { m_OperatorPersonObj.SetIsSummonRole(iValue); }
    int GetSummonerTeamID() { return m_OperatorPersonObj.GetSummonerTeamID(); }
    void SetSummonerTeamID(int iValue) { m_OperatorPersonObj.SetSummonerTeamID(iValue); }
    int GetSummonTime() { return m_OperatorPersonObj.GetSummonTime(); }
    void SetSummonTime(int iValue) { m_OperatorPersonObj.SetSummonTime(iValue); }
    int GetFace() { return m_OperatorPersonObj.GetFace(); }
    void SetFace(int iValue) { m_OperatorPersonObj.SetFace(iValue); }
    void GetExternalsScript(std::string& strText) { strText = m_OperatorPersonObj.GetExternalsScript(); }
    int GetSceneFloorIndex() { return m_OperatorPersonObj.GetSceneFloorIndex(); }
    void SetSceneFloorIndex(int iValue) { m_OperatorPersonObj.SetSceneFloorIndex(iValue); }

private:
    const JC_BehaviorAnalyser& Analyser() const;
    // The value after the state's items of groups 2, 1 and 0, in that order,
    // applied their part to it.
    int ApplyBehaviorModifier(DWORD dwState, DWORD dwPart, int iValue);
    // A stored value through the modifier walk of its state, part 5.
    int Modified(int iStored, DWORD dwState, BOOL bRecord);
    void Record(DWORD dwState, BOOL bRecord);
    bool HoldsAny(std::initializer_list<DWORD> states);
    bool CannotAct();
    // The clamped write of HP, SP, RAP or Morale.
    int Clamp(int iOld, int iValue, int iMax, void (JC_OperatorPerson::*pfnSet)(int));
    int ReadHandRight(const char* szField);
    int ReadWorn(JC_DataComponent* pItem, const char* szField);
    int GetWeaponKindRate(int iKind);
    int GetElementRate(int iElement);
    int PickThing(bool bSteal, int iRoll, DWORD& dwKind, DWORD& dwID, BOOL bTake);

    std::vector<DWORD> m_RecordedBehavior;
};
