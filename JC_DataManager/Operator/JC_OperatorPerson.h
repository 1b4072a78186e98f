#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A person: a member of the party, an enemy or a summoned creature, in the
// fixed person table or in a team of the save state.
class JC_OperatorPerson : public JC_OperatorBase
{
public:
    static constexpr DWORD THING_SLOTS = 4;
    // States 0 to 64 have an immunity entry.
    static constexpr DWORD STATE_LIMIT = 65;
    static constexpr DWORD BEHAVIOR_GROUPS = 3;
    // The wear position of an item that takes both hands.
    static constexpr int BOTH_HANDS = 8;

    JC_OperatorPerson();

    DWORD Initiation(JC_DataManager* pDataManager) override;

    DWORD GetID() { return GetValue<DWORD>("ID"); }
    std::string GetPersonName() { return GetValue<std::string>("PersonName"); }
    std::string GetPersonModel() { return GetValue<std::string>("PersonModel"); }
    int GetSex() { return GetValue<int>("Sex"); }
    int GetCamp() { return GetValue<int>("Camp"); }
    void SetCamp(int value) { SetValue("Camp", value); }
    int GetMaxLevel() { return GetValue<int>("MaxLevel"); }
    int GetLevel() { return GetValue<int>("Level"); }
    void SetLevel(int value) { SetValue("Level", value); }
    int GetExp() { return GetValue<int>("Exp"); }
    void SetExp(int value) { SetValue("Exp", value); }
    int GetNotUsePoint() { return GetValue<int>("NotUsePoint"); }
    void SetNotUsePoint(int value) { SetValue("NotUsePoint", value); }
    DWORD GetJobID() { return GetValue<DWORD>("JobID"); }
    void SetJobID(DWORD value) { SetValue("JobID", value); }
    int GetJobLevel() { return GetValue<int>("JobLevel"); }
    void SetJobLevel(int value) { SetValue("JobLevel", value); }
    int GetJobExp() { return GetValue<int>("JobExp"); }
    void SetJobExp(int value) { SetValue("JobExp", value); }
    int GetNotUseJobPoint() { return GetValue<int>("NotUseJobPoint"); }
    void SetNotUseJobPoint(int value) { SetValue("NotUseJobPoint", value); }
    float GetShadowSize() { return GetValue<float>("ShadowSize"); }
    int GetAIType() { return GetValue<int>("AIType"); }
    int GetAIHP() { return GetValue<int>("AIHP"); }
    int GetAIMove() { return GetValue<int>("AIMove"); }
    int GetAIAssist() { return GetValue<int>("AIAssist"); }
    DWORD GetEvolutionID() { return GetValue<DWORD>("EvolutionID"); }
    int GetEvolutionFlag() { return GetValue<int>("EvolutionFlag"); }
    void SetEvolutionFlag(int value) { SetValue("EvolutionFlag", value); }
    int GetMaxHP() { return GetValue<int>("MaxHP"); }
    void SetMaxHP(int value) { SetValue("MaxHP", value); }
    int GetMaxSP() { return GetValue<int>("MaxSP"); }
    void SetMaxSP(int value) { SetValue("MaxSP", value); }
    int GetMaxRAP() { return GetValue<int>("MaxRAP"); }
    void SetMaxRAP(int value) { SetValue("MaxRAP", value); }
    int GetMaxMorale() { return GetValue<int>("MaxMorale"); }
    int GetHP() { return GetValue<int>("HP"); }
    void SetHP(int value) { SetValue("HP", value); }
    int GetSP() { return GetValue<int>("SP"); }
    void SetSP(int value) { SetValue("SP", value); }
    int GetRAP() { return GetValue<int>("RAP"); }
    void SetRAP(int value) { SetValue("RAP", value); }
    int GetMorale() { return GetValue<int>("Morale"); }
    void SetMorale(int value) { SetValue("Morale", value); }
    int GetMove() { return GetValue<int>("Move"); }
    void SetMove(int value) { SetValue("Move", value); }
    int GetStrength() { return GetValue<int>("Strength"); }
    void SetStrength(int value) { SetValue("Strength", value); }
    int GetVitality() { return GetValue<int>("Vitality"); }
    void SetVitality(int value) { SetValue("Vitality", value); }
    int GetAgile() { return GetValue<int>("Agile"); }
    void SetAgile(int value) { SetValue("Agile", value); }
    int GetDexterity() { return GetValue<int>("Dexterity"); }
    void SetDexterity(int value) { SetValue("Dexterity", value); }
    int GetIntelligence() { return GetValue<int>("Intelligence"); }
    void SetIntelligence(int value) { SetValue("Intelligence", value); }
    int GetWisdom() { return GetValue<int>("Wisdom"); }
    void SetWisdom(int value) { SetValue("Wisdom", value); }
    int GetCharm() { return GetValue<int>("Charm"); }
    void SetCharm(int value) { SetValue("Charm", value); }
    int GetLuck() { return GetValue<int>("Luck"); }
    void SetLuck(int value) { SetValue("Luck", value); }
    int GetJumpUp() { return GetValue<int>("JumpUp"); }
    void SetJumpUp(int value) { SetValue("JumpUp", value); }
    int GetJumpDown() { return GetValue<int>("JumpDown"); }
    void SetJumpDown(int value) { SetValue("JumpDown", value); }
    int GetMoveType() { return GetValue<int>("MoveType"); }
    int GetExtraSPConsumeRate() { return GetValue<int>("ExtraSPConsumeRate"); }
    int GetExtraNatureAttackRate() { return GetValue<int>("ExtraNatureAttackRate"); }
    int GetExtraMagicAttackRate() { return GetValue<int>("ExtraMagicAttackRate"); }
    int GetExtraNatureDefenseRate() { return GetValue<int>("ExtraNatureDefenseRate"); }
    int GetExtraMagicDefenseRate() { return GetValue<int>("ExtraMagicDefenseRate"); }
    int GetExtraHitRate() { return GetValue<int>("ExtraHitRate"); }
    int GetExtraDodgeRate() { return GetValue<int>("ExtraDodgeRate"); }
    int GetExtraDodgeCounterRate() { return GetValue<int>("ExtraDodgeCounterRate"); }
    int GetExtraCounterRate() { return GetValue<int>("ExtraCounterRate"); }
    int GetExtraFierceAttackRate() { return GetValue<int>("ExtraFierceAttackRate"); }
    int GetExtraExpRate() { return GetValue<int>("ExtraExpRate"); }
    int GetExtraDmgRate() { return GetValue<int>("ExtraDmgRate"); }
    int GetExtraDmgDefRate() { return GetValue<int>("ExtraDmgDefRate"); }
    int GetHPAutoRestoreRate() { return GetValue<int>("HPAutoRestoreRate"); }
    int GetSPAutoRestoreRate() { return GetValue<int>("SPAutoRestoreRate"); }
    int GetHPAutoDamageRate() { return GetValue<int>("HPAutoDamageRate"); }
    int GetSPAutoDamageRate() { return GetValue<int>("SPAutoDamageRate"); }
    int GetExtraNature() { return GetValue<int>("ExtraNature"); }
    int GetExtraWeapon() { return GetValue<int>("ExtraWeapon"); }
    int GetExtraGlove() { return GetValue<int>("ExtraGlove"); }
    int GetExtraClaw() { return GetValue<int>("ExtraClaw"); }
    int GetExtraSword() { return GetValue<int>("ExtraSword"); }
    int GetExtraBothSword() { return GetValue<int>("ExtraBothSword"); }
    int GetExtraShortSword() { return GetValue<int>("ExtraShortSword"); }
    int GetExtraLance() { return GetValue<int>("ExtraLance"); }
    int GetExtraHammer() { return GetValue<int>("ExtraHammer"); }
    int GetExtraAx() { return GetValue<int>("ExtraAx"); }
    int GetExtraStick() { return GetValue<int>("ExtraStick"); }
    int GetExtraArrow() { return GetValue<int>("ExtraArrow"); }
    int GetExtraKnife() { return GetValue<int>("ExtraKnife"); }
    int GetExtraGun() { return GetValue<int>("ExtraGun"); }
    int GetExtraMagic() { return GetValue<int>("ExtraMagic"); }
    int GetExtraElement() { return GetValue<int>("ExtraElement"); }
    int GetExtraNil() { return GetValue<int>("ExtraNil"); }
    int GetExtraEarth() { return GetValue<int>("ExtraEarth"); }
    int GetExtraWater() { return GetValue<int>("ExtraWater"); }
    int GetExtraFire() { return GetValue<int>("ExtraFire"); }
    int GetExtraWind() { return GetValue<int>("ExtraWind"); }
    int GetExtraIce() { return GetValue<int>("ExtraIce"); }
    int GetExtraThunder() { return GetValue<int>("ExtraThunder"); }
    int GetExtraLight() { return GetValue<int>("ExtraLight"); }
    int GetExtraDark() { return GetValue<int>("ExtraDark"); }
    int GetAntibodyNil() { return GetValue<int>("AntibodyNil"); }
    int GetAntibodyEarth() { return GetValue<int>("AntibodyEarth"); }
    int GetAntibodyWater() { return GetValue<int>("AntibodyWater"); }
    int GetAntibodyFire() { return GetValue<int>("AntibodyFire"); }
    int GetAntibodyWind() { return GetValue<int>("AntibodyWind"); }
    int GetAntibodyIce() { return GetValue<int>("AntibodyIce"); }
    int GetAntibodyThunder() { return GetValue<int>("AntibodyThunder"); }
    int GetAntibodyLight() { return GetValue<int>("AntibodyLight"); }
    int GetAntibodyDark() { return GetValue<int>("AntibodyDark"); }
    int GetAntibodyNature() { return GetValue<int>("AntibodyNature"); }
    int GetIsLegacyBody() { return GetValue<int>("IsLegacyBody"); }
    void SetIsLegacyBody(int value) { SetValue("IsLegacyBody", value); }
    int GetLegacyExp() { return GetValue<int>("LegacyExp"); }
    int GetLegacyJobExp() { return GetValue<int>("LegacyJobExp"); }
    int GetLegacyMoney() { return GetValue<int>("LegacyMoney"); }
    void SetLegacyMoney(int value) { SetValue("LegacyMoney", value); }
    int GetTeamID() { return GetValue<int>("TeamID"); }
    void SetTeamID(int value) { SetValue("TeamID", value); }
    int GetLifeState() { return GetValue<int>("LifeState"); }
    void SetLifeState(int value) { SetValue("LifeState", value); }
    int GetDieTime() { return GetValue<int>("DieTime"); }
    void SetDieTime(int value) { SetValue("DieTime", value); }
    int GetIsSummonRole() { return GetValue<int>("IsSummonRole"); }
    void SetIsSummonRole(int value) { SetValue("IsSummonRole", value); }
    int GetSummonerTeamID() { return GetValue<int>("SummonerTeamID"); }
    void SetSummonerTeamID(int value) { SetValue("SummonerTeamID", value); }
    int GetSummonTime() { return GetValue<int>("SummonTime"); }
    void SetSummonTime(int value) { SetValue("SummonTime", value); }
    int GetFace() { return GetValue<int>("Face"); }
    void SetFace(int value) { SetValue("Face", value); }
    std::string GetExternalsScript() { return GetValue<std::string>("ExternalsScript"); }
    int GetSceneFloorIndex() { return GetValue<int>("SceneFloorIndex"); }
    void SetSceneFloorIndex(int value) { SetValue("SceneFloorIndex", value); }
    DWORD GetLearnSkillID(DWORD dwIndex) { return GetValue<DWORD>("LearnSkillID", dwIndex); }
    void SetLearnSkillID(DWORD dwIndex, DWORD dwValue) { SetValue("LearnSkillID", dwValue, dwIndex); }
    int GetLearnSkillLV(DWORD dwIndex) { return GetValue<int>("LearnSkillLV", dwIndex); }
    void SetLearnSkillLV(DWORD dwIndex, int iValue) { SetValue("LearnSkillLV", iValue, dwIndex); }
    // The non-zero entries of "LearnSkillID".
    DWORD GetLearnSkillCount();

    // The equipped items: nested records owned by the person.
    JC_DataComponent* GetHandRight() { return GetEquipment("HandRight"); }
    JC_DataComponent* GetHandLeft() { return GetEquipment("HandLeft"); }
    JC_DataComponent* GetBody() { return GetEquipment("Body"); }
    JC_DataComponent* GetFoot() { return GetEquipment("Foot"); }
    JC_DataComponent* GetAccessary0() { return GetEquipment("Accessary0"); }
    JC_DataComponent* GetAccessary1() { return GetEquipment("Accessary1"); }
    void SetHandRight(const JC_DataComponent* pItem) { SetItemSpace("HandRight", pItem); }
    void SetHandLeft(const JC_DataComponent* pItem) { SetItemSpace("HandLeft", pItem); }
    void SetBody(const JC_DataComponent* pItem) { SetItemSpace("Body", pItem); }
    void SetFoot(const JC_DataComponent* pItem) { SetItemSpace("Foot", pItem); }
    void SetAccessary0(const JC_DataComponent* pItem) { SetItemSpace("Accessary0", pItem); }
    void SetAccessary1(const JC_DataComponent* pItem) { SetItemSpace("Accessary1", pItem); }
    bool HasHandRight() { return HasEquipment("HandRight"); }
    bool HasHandLeft() { return HasEquipment("HandLeft"); }
    bool HasBody() { return HasEquipment("Body"); }
    bool HasFoot() { return HasEquipment("Foot"); }
    bool HasAccessary0() { return HasEquipment("Accessary0"); }
    bool HasAccessary1() { return HasEquipment("Accessary1"); }
    bool IsHandRightBothHand();

    // (ID << 16) | JobID: the person in its current job.
    DWORD GetPersonJobKey();
    bool HasEvolution();

    // The four things left behind and the four that can be stolen; kind
    // 0xFFFFFFFF is none.
    void GetLegacyThing(DWORD dwIndex, int& iRate, DWORD& dwKind, DWORD& dwID);
    void SetLegacyThing(DWORD dwIndex, int iRate, DWORD dwKind, DWORD dwID);
    void GetStealThing(DWORD dwIndex, int& iRate, DWORD& dwKind, DWORD& dwID);
    void SetStealThing(DWORD dwIndex, int iRate, DWORD dwKind, DWORD dwID);

    int GetStateImmunity(DWORD dwState);

    // The lines of behaviour group 0, 1 or 2, owned by the record.
    JC_StringArray* GetBehaviorGroup(DWORD dwGroup);
    void AddBehaviorGroupLine(DWORD dwGroup, const std::string& strLine);

private:
    JC_DataComponent* GetEquipment(const char* szSlot);
    bool HasEquipment(const char* szSlot);
    // Reads or writes the rate, kind and ID of entry dwIndex of a thing
    // list ("LegacyThing" or "StealThing"); false for an index past it.
    bool ReadThingSlot(const char* szList, DWORD dwIndex, int& iRate, DWORD& dwKind, DWORD& dwID);
    bool WriteThingSlot(const char* szList, DWORD dwIndex, int iRate, DWORD dwKind, DWORD dwID);
};
