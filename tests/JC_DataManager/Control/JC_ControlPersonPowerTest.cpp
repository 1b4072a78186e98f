#include "tests/JC_DataManager/Control/PersonControlFixture.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"

namespace {

class PersonPower : public PersonControlFixture
{
protected:
    void SetUp() override
    {
        PersonControlFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(m_Power.Initiation(&m_DataManager, &m_Analyser), 0u);
        ASSERT_EQ(m_Power.SetControlPerson(m_pPerson.get()), 0u) << m_Log.Text();
    }
    // A right-hand weapon of a kind and attack.
    void Wield(int iKind, int iAttack)
    {
        JC_DataComponent* pWeapon = Worn("HandRight");
        Set(pWeapon, "ID", 7);
        Set(pWeapon, "WeaponKind", iKind);
        Set(pWeapon, "Attack", iAttack);
    }

    JC_ControlPersonPower m_Power;
};

TEST_F(PersonPower, TheModifierWalkTakesGroupsTwoOneZero)
{
    const struct
    {
        const char* szGroup2;
        const char* szGroup1;
        const char* szGroup0;
        int iStrength;
    } cases[] = {
        {"+10", nullptr, "50%", 55}, // 110, then half of it
        {nullptr, "-5", nullptr, 95},
        {nullptr, nullptr, "20", 20},
        {"+10%", "+10%", nullptr, 121},
        {"50%", nullptr, "+10", 60},
        {nullptr, nullptr, nullptr, 100},
    };
    for (const auto& c : cases) {
        for (DWORD dwGroup = 0; dwGroup < 3; ++dwGroup)
            Group(dwGroup).clear();
        Set("Strength", 100);
        if (c.szGroup2 != nullptr)
            AddState(2, "Strength", c.szGroup2);
        if (c.szGroup1 != nullptr)
            AddState(1, "Strength", c.szGroup1);
        if (c.szGroup0 != nullptr)
            AddState(0, "Strength", c.szGroup0);
        EXPECT_EQ(m_Power.GetStrength(0), c.iStrength) << (c.szGroup2 ? c.szGroup2 : "-");
    }
    // Poison adds to the damage rate after the rate's own state.
    Set("HPAutoDamageRate", 10);
    AddState(1, "HPAutoDamageRate", "+5");
    AddState(0, "Poison", "+10%");
    EXPECT_EQ(m_Power.GetHPAutoDamageRate(1), 16);
    EXPECT_EQ(m_Power.GetRecordedBehavior(), std::vector<DWORD>{JE_STATE_HP_AUTO_DAMAGE_RATE});
}

TEST_F(PersonPower, StatesCancelActingMovingAndDodging)
{
    Set("RAP", 7);
    Set("Move", 4);
    Set("ExtraDodgeRate", 10);
    Set("ExtraCounterRate", 20);
    Set("ExtraDodgeCounterRate", 30);
    Set("AIMove", 3);
    const struct
    {
        const char* szState;
        int iRAP, iMove, iDodgeRate, iCounter, iDodgeCounter, iCannotAct, iAIMove;
    } cases[] = {
        {nullptr, 7, 4, 10, 20, 30, 0, 3},
        {"Freeze", 0, 0, 0, 0, 0, 1, 1},
        {"Stone", 0, 0, 0, 0, 0, 1, 1},
        {"Faint", 0, 0, 0, 0, 0, 1, 1},
        {"Numb", 0, 0, 0, 0, 0, 1, 1},
        {"Sleep", 0, 0, 0, 0, 0, 1, 1},
        {"Fear", 7, 0, 0, 20, 0, 0, 1},
        {"Burn", 7, 4, 10, 20, 30, 0, 3},
    };
    for (const auto& c : cases) {
        for (DWORD dwGroup = 0; dwGroup < 3; ++dwGroup)
            Group(dwGroup).clear();
        if (c.szState != nullptr)
            AddState(2, c.szState);
        const char* szName = c.szState ? c.szState : "none";
        EXPECT_EQ(m_Power.GetRAP(), c.iRAP) << szName;
        EXPECT_EQ(m_Power.GetMove(0), c.iMove) << szName;
        EXPECT_EQ(m_Power.GetExtraDodgeRate(0), c.iDodgeRate) << szName;
        EXPECT_EQ(m_Power.GetExtraCounterRate(), c.iCounter) << szName;
        EXPECT_EQ(m_Power.GetExtraDodgeCounterRate(), c.iDodgeCounter) << szName;
        EXPECT_EQ(m_Power.IsCannotAct(), c.iCannotAct) << szName;
        EXPECT_EQ(m_Power.GetAIMove(), c.iAIMove) << szName;
    }
}

TEST_F(PersonPower, CampTurnsWithCharmInGroupZeroAndConfusionAnywhere)
{
    Set("Camp", 0);
    EXPECT_EQ(m_Power.GetCamp(0), 0);
    AddState(1, "Charmed", "3");
    EXPECT_EQ(m_Power.GetCamp(0), 0);
    AddState(2, "Confuse");
    EXPECT_EQ(m_Power.GetCamp(0), 2);
    AddState(0, "Charmed", "3");
    EXPECT_EQ(m_Power.GetCamp(0), 3);
    EXPECT_EQ(m_Power.GetCamp(1), 0);
    // An item too short to name a camp is no failure: the stored camp holds.
    Group(0) = {"DF_State_Charmed,DF_RoundType_Round"};
    EXPECT_EQ(m_Power.GetCamp(0), 0);
    Group(0) = {"DF_State_Unknown,DF_RoundType_Round,1,0,0,3,0"};
    EXPECT_EQ(m_Power.GetCamp(0), -1);
    EXPECT_EQ(m_Log.Count(" BehaviorAnalyserObj GetBehavior Fail. \r\n HRESULT:0x89135113 \r\n"), 1u);
}

TEST_F(PersonPower, ClampedSettersReturnTheChangeMade)
{
    Set("MaxHP", 100);
    Set("HP", 30);
    EXPECT_EQ(m_Power.SetHP(-5), -30);
    EXPECT_EQ(Get("HP"), 0);
    EXPECT_EQ(m_Power.SetHP(200), 100);
    EXPECT_EQ(Get("HP"), 100);
    EXPECT_EQ(m_Power.AddHP(-40), -40);
    Set("MaxSP", 20);
    Set("SP", 5);
    EXPECT_EQ(m_Power.AddSP(50), 15);
    Set("MaxMorale", 80);
    Set("Morale", 50);
    EXPECT_EQ(m_Power.SetMorale(90), 30);
    // A frozen person reads RAP 0, so the change counts from 0.
    Set("MaxRAP", 10);
    Set("RAP", 3);
    AddState(0, "Freeze");
    EXPECT_EQ(m_Power.SetRAP(5), 5);
    EXPECT_EQ(Get("RAP"), 5);
    // Restore: Morale 100 whatever the maximum, the groups emptied.
    EXPECT_EQ(m_Power.Restore(1, 1, 1, 1, 1, 1), 0u);
    EXPECT_EQ(Get("HP"), 100);
    EXPECT_EQ(Get("SP"), 20);
    EXPECT_EQ(Get("RAP"), 10);
    EXPECT_EQ(Get("Morale"), 100);
    EXPECT_EQ(Get("LifeState"), 1);
    EXPECT_TRUE(Group(0).empty());
}

TEST_F(PersonPower, FallingEndsEveryState)
{
    AddState(0, "Poison");
    AddState(1, "Sleep");
    AddState(2, "Strength", "+1");
    m_Power.SetLifeState(1);
    EXPECT_EQ(m_Power.HasBehaviorState(JE_STATE_SLEEP), 1);
    m_Power.SetLifeState(2);
    EXPECT_EQ(Get("LifeState"), 2);
    for (DWORD dwGroup = 0; dwGroup < 3; ++dwGroup)
        EXPECT_TRUE(Group(dwGroup).empty());
}

TEST_F(PersonPower, StateTextAndShownState)
{
    std::string strText;
    m_Power.GetBehaviorStateText(strText);
    EXPECT_EQ(strText, "正常");
    EXPECT_EQ(m_Power.GetShowBehaviorState(), 0u);
    AddState(2, "Curse");
    AddState(1, "Confuse");
    AddState(0, "Charmed", "1");
    m_Power.GetBehaviorStateText(strText);
    EXPECT_EQ(strText, "迷亂咒");
    EXPECT_EQ(m_Power.GetShowBehaviorState(), static_cast<DWORD>(JE_STATE_CHARMED));
    Set("StateImmunity", 1, 41);
    EXPECT_EQ(m_Power.IsStateImmune(41), 1);
    EXPECT_EQ(m_Power.IsStateImmune(42), 0);
    EXPECT_EQ(m_Power.IsStateImmune(65), 0);
}

TEST_F(PersonPower, RecordedStatesAreUsedOncePerGroupOrOncePerReading)
{
    for (const BOOL bDistinct : {1, 0}) {
        for (DWORD dwGroup = 0; dwGroup < 3; ++dwGroup)
            Group(dwGroup).clear();
        AddState(0, "Strength", "+1", "DF_RoundType_Use", 5);
        AddState(2, "Strength", "+1", "DF_RoundType_Use", 5);
        m_Power.GetStrength(1);
        m_Power.GetStrength(1);
        m_Power.GetLuck(0);
        EXPECT_EQ(m_Power.GetRecordedBehavior().size(), 2u);
        EXPECT_EQ(m_Power.UseRecordedBehavior(1, bDistinct), 0u);
        const std::string strLeft = bDistinct ? "4" : "3";
        EXPECT_EQ(Group(0)[0], "DF_State_Strength,DF_RoundType_Use," + strLeft + ",0,0,+1,0");
        EXPECT_EQ(Group(2)[0], "DF_State_Strength,DF_RoundType_Use," + strLeft + ",0,0,+1,0");
        EXPECT_TRUE(m_Power.GetRecordedBehavior().empty());
    }
    // The value of a state is read, and the state used once.
    EXPECT_EQ(m_Power.GetBehaviorStateValue(JE_STATE_STRENGTH), 2);
    EXPECT_EQ(Group(0)[0], "DF_State_Strength,DF_RoundType_Use,2,0,0,+1,0");
    m_Power.GetStrength(1);
    EXPECT_EQ(m_Power.UseRecordedBehavior(0, 1), 0u);
    EXPECT_TRUE(m_Power.GetRecordedBehavior().empty());
    EXPECT_EQ(Group(0)[0], "DF_State_Strength,DF_RoundType_Use,2,0,0,+1,0");
}

TEST_F(PersonPower, BaseAttackByWeaponKind)
{
    EXPECT_EQ(m_Power.GetWeaponKind(), -1);
    EXPECT_EQ(m_Power.GetBaseAttack(0), 0);
    AddState(0, "Berserk", "+5");
    EXPECT_EQ(m_Power.GetAttack(0), 5);
    Group(0).clear();
    Set("Strength", 40);
    Set("Dexterity", 21);
    Set("ExtraSword", 10);
    const struct
    {
        int iKind;
        int iBaseAttack;
    } cases[] = {
        {0x10002, 93}, // 40*3/2 + 30 + 30*10/100
        {0x1000C, 60}, // (40+21)/2 + 30
        {0x10009, 60},
        {0x1000B, 90}, // no rate field: rate 0
        {0x10000, 90},
    };
    for (const auto& c : cases) {
        Wield(c.iKind, 30);
        EXPECT_EQ(m_Power.GetWeaponKind(), c.iKind);
        EXPECT_EQ(m_Power.GetBaseAttack(0), c.iBaseAttack) << c.iKind;
    }
    EXPECT_EQ(m_Log.Count("輸入的武器類型ID:65547"), 1u);
    // The weapon rate: ExtraWeapon raised by ExtraNature, then the kind's.
    Wield(0x10002, 30);
    Set("ExtraWeapon", 50);
    Set("ExtraNature", 20); // weapon rate 60; kind rate 10 + 6 = 16
    EXPECT_EQ(m_Power.GetBaseAttack(0), 60 + 30 + 4);
    Set("ExtraWeapon", 0);
    Set("ExtraNature", 0);
    // Attack: raised by the nature-attack rate, then states 39 and 40.
    Set("ExtraNatureAttackRate", 10);
    EXPECT_EQ(m_Power.GetAttack(0), 93 + 9);
    AddState(1, "Berserk", "+10%");
    AddState(2, "Rage", "-2");
    EXPECT_EQ(m_Power.GetAttack(1), (102 - 2) + 10);
    EXPECT_EQ(m_Power.GetRecordedBehavior(),
              (std::vector<DWORD>{JE_STATE_STRENGTH, JE_STATE_EXTRA_NATURE_ATTACK_RATE, JE_STATE_BERSERK, JE_STATE_RAGE}));
}

TEST_F(PersonPower, DefenceHitDodgeAndCritical)
{
    Set("Vitality", 50);
    Set("ExtraNatureDefenseRate", 20);
    EXPECT_EQ(m_Power.GetTotalVitality(0), 60);
    AddState(0, "Berserk", "+0", "DF_RoundType_Round", 3, "-50%");
    AddState(1, "Burn", "-10");
    EXPECT_EQ(m_Power.GetTotalVitality(0), 20);
    Set("Intelligence", 40);
    Set("ExtraMagicDefenseRate", 25);
    EXPECT_EQ(m_Power.GetMagicDefense(0), 50);
    AddState(2, "Curse", "-20%");
    EXPECT_EQ(m_Power.GetMagicDefense(0), 40);
    Set("Dexterity", 7);
    Set("Luck", 9);
    Set("Level", 3);
    EXPECT_EQ(m_Power.GetCriticalRate(0), 2); // 7/4 + 9/5
    Set("ExtraFierceAttackRate", 50);
    EXPECT_EQ(m_Power.GetCriticalRate(0), 3);
    Set("ExtraHitRate", 50);
    EXPECT_EQ(m_Power.GetHit(0), 15); // (7+3) raised by 50 %
    AddState(0, "Blind", "-50%");
    EXPECT_EQ(m_Power.GetHit(0), 8);
    Set("Agile", 17);
    Set("ExtraDodgeRate", 10);
    EXPECT_EQ(m_Power.GetDodge(0), 22);
    AddState(0, "Sleep");
    EXPECT_EQ(m_Power.GetDodge(0), 0);
}

TEST_F(PersonPower, ElementsAndResistances)
{
    Set("Intelligence", 100);
    Set("ExtraMagicAttackRate", 0);
    Set("ExtraElement", 10);
    Set("ExtraMagic", 50); // element rate 15
    Set("ExtraFire", 20);  // fire rate 20 + 3
    EXPECT_EQ(m_Power.GetMagicAttack(0), 100);
    EXPECT_EQ(m_Power.GetElementMagicAttackByID(4, 0), 123);
    EXPECT_EQ(m_Power.GetElementMagicAttack("DF_Element_Fire", 0), 123);
    EXPECT_EQ(m_Power.GetElementMagicAttackByID(0, 0), 100);
    EXPECT_EQ(m_Power.GetElementMagicAttackByID(10, 0), 100);
    EXPECT_EQ(m_Power.GetElementMagicAttack("DF_Element_Plasma", 0), 100);
    EXPECT_EQ(m_Log.Count("輸入的元素ID:10"), 1u);
    EXPECT_EQ(m_Log.Count("輸入的元素字串:DF_Element_Plasma"), 1u);
    Set("AntibodyFire", 30);
    Set("AntibodyWind", 10);
    Set("AntibodyNature", 5);
    AddState(0, "Stone", "+20");
    AddState(1, "Freeze", "-10");
    EXPECT_EQ(m_Power.GetAntibody(4), 50);
    EXPECT_EQ(m_Power.GetAntibody(5), 0);
    EXPECT_EQ(m_Power.GetAntibody(10), 5);
    EXPECT_EQ(m_Power.GetAntibody(11), 0);
    EXPECT_EQ(m_Power.GetAntibody(0), 0);
    EXPECT_TRUE(m_Power.GetRecordedBehavior().empty());
}

TEST_F(PersonPower, LegacyAndStealRolls)
{
    JC_OperatorPerson& person = *m_Power.GetOperatorPerson();
    for (DWORD dwSlot = 0; dwSlot < 4; ++dwSlot)
        person.SetLegacyThing(dwSlot, 5, 2, 10 + dwSlot);
    DWORD dwKind = 0;
    DWORD dwID = 0;
    EXPECT_EQ(m_Power.PickLegacyThing(250, dwKind, dwID, 0), 1);
    EXPECT_EQ(dwID, 12u);
    EXPECT_EQ(dwKind, 2u);
    for (const int iRoll : {0, 401, -3}) {
        EXPECT_EQ(m_Power.PickLegacyThing(iRoll, dwKind, dwID, 1), 0);
        EXPECT_EQ(dwKind, 0xFFFFFFFFu);
        EXPECT_EQ(dwID, 0u);
    }
    EXPECT_EQ(m_Power.PickLegacyThing(400, dwKind, dwID, 1), 1);
    int iRate = 0;
    person.GetLegacyThing(3, iRate, dwKind, dwID);
    EXPECT_EQ(iRate, 0);
    EXPECT_EQ(dwKind, 2u);
    EXPECT_EQ(dwID, 0u);
    EXPECT_EQ(m_Power.PickLegacyThing(400, dwKind, dwID, 1), 0);

    person.SetStealThing(0, 30, 1, 5);
    person.SetStealThing(1, 0, 1, 0);
    person.SetStealThing(2, 50, 3, 7);
    person.SetStealThing(3, 20, 1, 9);
    EXPECT_EQ(m_Power.GetStealThingTotalRate(), 100);
    EXPECT_EQ(m_Power.PickStealThing(60, dwKind, dwID, 1), 1);
    EXPECT_EQ(dwID, 7u);
    EXPECT_EQ(dwKind, 3u);
    EXPECT_EQ(m_Power.GetStealThingTotalRate(), 50);
    EXPECT_EQ(m_Power.PickStealThing(30, dwKind, dwID, 0), 1);
    EXPECT_EQ(dwID, 5u);
    EXPECT_EQ(m_Power.PickStealThing(51, dwKind, dwID, 0), 0);
    EXPECT_EQ(m_Power.PickStealThing(0, dwKind, dwID, 0), 0);
}

TEST_F(PersonPower, AnimationKeyEquipmentAndFieldsByName)
{
    Set("ID", 3);
    Set("JobID", 2);
    std::string strName;
    m_Power.GetAnimationFileName(strName);
    EXPECT_EQ(strName, "F00030002.ant");
    m_Power.SetEvolutionFlag(1);
    m_Power.GetAnimationFileName(strName);
    EXPECT_EQ(strName, "F80030002.ant");

    Set(Worn("HandRight"), "ID", 1);
    Set(Worn("HandRight"), "Defense", 100);
    Set(Worn("Body"), "ID", 1);
    Set(Worn("Body"), "Defense", 3);
    Set(Worn("Foot"), "ID", 0);
    Set(Worn("Foot"), "Defense", 50);
    Set(Worn("Accessary1"), "ID", 4);
    Set(Worn("Accessary1"), "Defense", 2);
    EXPECT_EQ(m_Power.GetEquipDefense(), 5);

    int iValue = 0;
    EXPECT_EQ(m_Power.GetItemDataAt("NoSuchField", 0, &iValue), 0x88132211u);
    EXPECT_EQ(m_Log.Count("ItemName:NoSuchField Index:0 \n錯誤代碼:88132211(TemplateBaseItemObjNULL"), 1u);
    EXPECT_EQ(m_Power.SetItemDataStr("Strength", "77"), 0u);
    EXPECT_EQ(m_Power.GetStrength(0), 77);

    Set("LearnSkillID", 0x00030000, 2);
    Set("LearnSkillLV", 2, 2);
    EXPECT_EQ(m_Power.GetLearnSkillCount(), 1u);
    EXPECT_EQ(m_Power.HaveLearnSkill(0x00030002), TRUE);
    EXPECT_EQ(m_Power.HaveLearnSkill(0x00030003), FALSE);
    EXPECT_EQ(m_Power.HaveLearnSkill(0x00040001), FALSE);
}

} // namespace
