#include "tests/JC_DataManager/Control/PersonControlFixture.h"

#include "JC_DataManager/Control/JC_ControlPersonEquip.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"

namespace {

class PersonEquip : public PersonControlFixture
{
protected:
    void SetUp() override
    {
        PersonControlFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(m_Equip.Initiation(&m_DataManager, &m_Analyser), 0u);
        ASSERT_EQ(m_Equip.SetControlPerson(m_pPerson.get()), 0u) << m_Log.Text();
    }
    // A copy of a fixed item the test may change.
    std::unique_ptr<JC_DataComponent> Item(DWORD dwKind, DWORD dwID)
    {
        auto pItem = std::make_unique<JC_DataComponent>();
        EXPECT_EQ(pItem->Copy(m_DataManager.GetFixedDataObj(dwKind, dwID), JC_DataComponent::ADOPT_LAYOUT), 0u);
        return pItem;
    }
    void SetBehaviors(JC_DataComponent* pItem, const JC_StringArray& behaviors)
    {
        JC_StringArray* pLines = nullptr;
        ASSERT_EQ(pItem->GetItemValue("EquipBehavior", &pLines), 0u);
        *pLines = behaviors;
    }
    DWORD PutOn(int iPosition, JC_DataComponent* pItem)
    {
        return m_Equip.PutOnEquipment(iPosition, pItem, m_pTakenRightHand, m_pTakenOther);
    }
    DWORD WornID(const char* szPosition) { return static_cast<DWORD>(Get(Worn(szPosition), "ID")); }
    std::string PersonText()
    {
        std::string strText;
        EXPECT_EQ(m_pPerson->WriteComponent(strText, false, "0,0", false, false), 0u);
        return strText;
    }

    JC_ControlPersonEquip m_Equip;
    std::unique_ptr<JC_DataComponent> m_pTakenRightHand;
    std::unique_ptr<JC_DataComponent> m_pTakenOther;
};

constexpr const char* s_aszPositions[] = {"Body", "HandLeft", "HandRight", "Foot", "Accessary0", "Accessary1"};
constexpr int s_aiPositions[] = {1, 2, 4, 16, 64, 128};

TEST_F(PersonEquip, EverySampleItemOnAndOffRestoresThePerson)
{
    // Every position holds its empty record first, as after any take-off.
    for (const int iPosition : s_aiPositions) {
        const DWORD dwKind = iPosition == 4 ? FIXEDDATAKIND_WEAPON : FIXEDDATAKIND_WEARING;
        auto pItem = Item(dwKind, 1);
        Set(pItem.get(), "WearPosition", iPosition == 4 ? 4 : iPosition == 64 || iPosition == 128 ? 32 : iPosition);
        ASSERT_EQ(PutOn(iPosition, pItem.get()), 0u);
        std::unique_ptr<JC_DataComponent> pTaken;
        ASSERT_EQ(m_Equip.TakeOffEquipment(iPosition, pTaken), 0u);
    }
    const std::string strBefore = PersonText();
    const int iMaxHP = Get("MaxHP");

    size_t items = 0;
    for (const DWORD dwKind : {FIXEDDATAKIND_WEAPON, FIXEDDATAKIND_WEARING}) {
        for (DWORD dwID = 1;; ++dwID) {
            JC_DataComponent* pFixed = m_DataManager.GetFixedDataObj(dwKind, dwID);
            if (pFixed == nullptr)
                break;
            const int iWearPosition = Get(pFixed, "WearPosition");
            const int iPosition = iWearPosition == 8 ? 4 : iWearPosition == 32 ? (dwID % 2 ? 64 : 128) : iWearPosition;
            ASSERT_EQ(PutOn(iPosition, pFixed), 0u) << dwKind << ":" << dwID << m_Log.Text();
            EXPECT_EQ(m_Equip.CheckEquipment(pFixed, iPosition), 1) << dwID;
            ++items;
        }
    }
    EXPECT_GE(items, 8u);
    EXPECT_EQ(Get("MaxHP"), iMaxHP + 10);
    for (const int iPosition : s_aiPositions) {
        std::unique_ptr<JC_DataComponent> pTaken;
        ASSERT_EQ(m_Equip.TakeOffEquipment(iPosition, pTaken), 0u);
    }
    EXPECT_EQ(PersonText(), strBefore);
}

TEST_F(PersonEquip, BothHandsTakeTheShieldAndTheShieldTakesBothHands)
{
    auto pSword = Item(FIXEDDATAKIND_WEAPON, 2);
    auto pAx = Item(FIXEDDATAKIND_WEAPON, 3);
    auto pShield = Item(FIXEDDATAKIND_WEARING, 2);
    const int iStrength = Get("Strength");
    const int iAgile = Get("Agile");
    ASSERT_EQ(PutOn(4, pSword.get()), 0u);
    ASSERT_EQ(PutOn(2, pShield.get()), 0u);
    EXPECT_EQ(m_pTakenRightHand, nullptr);
    ASSERT_EQ(PutOn(4, pAx.get()), 0u);
    ASSERT_NE(m_pTakenRightHand, nullptr);
    ASSERT_NE(m_pTakenOther, nullptr);
    EXPECT_EQ(Get(m_pTakenRightHand.get(), "ID"), 2);
    EXPECT_EQ(Get(m_pTakenOther.get(), "ID"), 2);
    EXPECT_EQ(Get(m_pTakenOther.get(), "DataComponentKind"), static_cast<int>(DATACOMPONENTKIND_WEARING));
    EXPECT_EQ(WornID("HandLeft"), 0u);
    EXPECT_EQ(WornID("HandRight"), 3u);
    EXPECT_EQ(Get("Strength"), iStrength + 3);
    EXPECT_EQ(Get("Agile"), iAgile - 1);

    ASSERT_EQ(PutOn(2, pShield.get()), 0u);
    ASSERT_NE(m_pTakenRightHand, nullptr);
    EXPECT_EQ(Get(m_pTakenRightHand.get(), "ID"), 3);
    EXPECT_EQ(m_pTakenOther, nullptr);
    EXPECT_EQ(WornID("HandRight"), 0u);
    EXPECT_EQ(WornID("HandLeft"), 2u);
    EXPECT_EQ(Get("Strength"), iStrength);
    EXPECT_EQ(Get("Agile"), iAgile - 1);

    std::unique_ptr<JC_DataComponent> pTaken;
    EXPECT_EQ(m_Equip.TakeOffEquipment(4, pTaken), 0u);
    EXPECT_EQ(pTaken, nullptr);
}

TEST_F(PersonEquip, BehavioursChangeTheirFieldsAndTakeOffCutsToTheMaximum)
{
    auto pRing = Item(FIXEDDATAKIND_WEARING, 4);
    SetBehaviors(pRing.get(), {"@Type\"DF_BehaviorType_Merge\" @Parameter\"MaxHP,0,+50\"",
                               "@Type\"DF_BehaviorType_Merge\" @Parameter\"StateImmunity,41,+1\"",
                               "@Type\"DF_BehaviorType_Set\" @Parameter\"Strength,0,+9\"",
                               "@Type\"DF_BehaviorType_Merge\" @Parameter\"Exp,0,+9\"",
                               "@Type\"DF_BehaviorType_Merge\" @Parameter\"Luck,0,+10%\""});
    Set("MaxHP", 100);
    Set("HP", 100);
    Set("Luck", 100);
    const int iStrength = Get("Strength");
    ASSERT_EQ(PutOn(64, pRing.get()), 0u);
    EXPECT_EQ(Get("MaxHP"), 150);
    EXPECT_EQ(Get("StateImmunity", 41), 1);
    EXPECT_EQ(Get("StateImmunity", 40), 0);
    EXPECT_EQ(Get("Strength"), iStrength);
    EXPECT_EQ(Get("Exp"), 0);
    EXPECT_EQ(Get("Luck"), 110);
    EXPECT_EQ(m_Log.Count(" PutOnEquipment YouCannotChangeThisItem. \r\n BehaviorParameter:Exp,0,+9 \r\n ItemName:Exp"), 1u);
    Set("HP", 150);
    std::unique_ptr<JC_DataComponent> pTaken;
    ASSERT_EQ(m_Equip.TakeOffEquipment(64, pTaken), 0u);
    ASSERT_NE(pTaken, nullptr);
    EXPECT_EQ(Get("MaxHP"), 100);
    EXPECT_EQ(Get("HP"), 100);
    EXPECT_EQ(Get("StateImmunity", 41), 0);
    // A percentage is no inverse of itself: 100 + 10 % - 10 % is 99.
    EXPECT_EQ(Get("Luck"), 99);

    // An empty type or parameter ends the walk with the entries before it done.
    SetBehaviors(pRing.get(), {"@Type\"DF_BehaviorType_Merge\" @Parameter\"MaxSP,0,+5\"", "no behaviour",
                               "@Type\"DF_BehaviorType_Merge\" @Parameter\"MaxRAP,0,+5\""});
    const int iMaxSP = Get("MaxSP");
    const int iMaxRAP = Get("MaxRAP");
    EXPECT_EQ(PutOn(128, pRing.get()), JE_PUTON_BEHAVIOR_EMPTY);
    EXPECT_EQ(Get("MaxSP"), iMaxSP + 5);
    EXPECT_EQ(Get("MaxRAP"), iMaxRAP);
    EXPECT_EQ(m_Equip.TakeOffEquipment(128, pTaken), JE_TAKEOFF_BEHAVIOR_EMPTY);
    EXPECT_EQ(Get("MaxSP"), iMaxSP);
    SetBehaviors(pRing.get(), {"@Type\"DF_BehaviorType_Merge\" @Parameter\"MaxSP,0\""});
    EXPECT_EQ(PutOn(128, pRing.get()), JE_EQUIP_BEHAVIOR_PARAMETER_SHORT);
}

TEST_F(PersonEquip, PositionsJobsAndKindsAreChecked)
{
    auto pRing = Item(FIXEDDATAKIND_WEARING, 4);
    auto pAx = Item(FIXEDDATAKIND_WEAPON, 3);
    EXPECT_EQ(m_Equip.CheckEquipment(pRing.get(), 0), 1);
    EXPECT_EQ(m_Equip.CheckEquipment(pRing.get(), 64), 1);
    EXPECT_EQ(m_Equip.CheckEquipment(pRing.get(), 128), 1);
    EXPECT_EQ(m_Equip.CheckEquipment(pRing.get(), 1), 0);
    EXPECT_EQ(m_Equip.CheckEquipment(pAx.get(), 4), 1);
    EXPECT_EQ(m_Equip.CheckEquipment(pRing.get(), 8), 0);
    EXPECT_EQ(m_Log.Count(" WearPosition NotSupport. \r\n WearPosition:0x00000008 \r\n "), 1u);
    // Job 1 is the flag "EquipJob_Monk".
    Set(pAx.get(), "EquipJob_Monk", 0);
    EXPECT_EQ(m_Equip.CheckEquipment(pAx.get(), 0), 0);
    Set(pRing.get(), "ID", 0);
    EXPECT_EQ(m_Equip.CheckEquipment(pRing.get(), 0), 0);
    EXPECT_EQ(m_Equip.CheckEquipment(m_pPerson.get(), 0), 0);
    EXPECT_EQ(m_Equip.SetEquipEquipmentInfo(nullptr), JE_EQUIP_NULL_EQUIPMENT);
    EXPECT_EQ(m_Equip.GetEquipmentKind(), 0u);

    // A position none of the six is refused and the person left as it was.
    auto pShield = Item(FIXEDDATAKIND_WEARING, 2);
    const std::string strBefore = PersonText();
    std::unique_ptr<JC_DataComponent> pTaken;
    EXPECT_EQ(m_Equip.TakeOffEquipment(8, pTaken), JE_TAKEOFF_POSITION_NOT_SUPPORTED);
    EXPECT_EQ(PutOn(8, pShield.get()), JE_PUTON_POSITION_NOT_SUPPORTED);
    EXPECT_EQ(PutOn(32, pShield.get()), JE_PUTON_POSITION_NOT_SUPPORTED);
    EXPECT_EQ(PersonText(), strBefore);

    JC_ControlPersonEquip unbound;
    EXPECT_EQ(unbound.TakeOffEquipment(1, pTaken), JE_TAKEOFF_NOT_BOUND);
    EXPECT_EQ(unbound.PutOnEquipment(1, pShield.get(), m_pTakenRightHand, m_pTakenOther), JE_PUTON_NOT_BOUND);
    EXPECT_EQ(unbound.CheckEquipment(pShield.get(), 0), 0);
}

} // namespace

namespace {

// Random texts built from the pieces behaviour strings and items are made of.
std::string RandomBehaviorText(unsigned& seed)
{
    static const char* const s_aszPieces[] = {
        "@Type", "@Parameter", "\"", ",", "%", "+", "-", "0", "7", "41", "999999", "4294967295", "-2147483648",
        "DF_BehaviorType_Merge", "DF_BehaviorType_Set", "DF_State_Strength", "DF_State_Charmed", "DF_State_Freeze",
        "DF_RoundType_Use", "MaxHP", "StateImmunity", "Luck", "HP", " ", "H", "B", "F1.5", "DF_"};
    std::string strText;
    const unsigned count = (seed = seed * 1103515245u + 12345u) % 12;
    for (unsigned i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        strText += s_aszPieces[(seed >> 8) % std::size(s_aszPieces)];
    }
    return strText;
}

TEST_F(PersonEquip, MalformedBehavioursAndItemsNeverBreakTheWalks)
{
    auto pRing = Item(FIXEDDATAKIND_WEARING, 4);
    JC_ControlPersonPower power;
    ASSERT_EQ(power.Initiation(&m_DataManager, &m_Analyser), 0u);
    ASSERT_EQ(power.SetControlPerson(m_pPerson.get()), 0u);
    unsigned seed = 15;
    // About eight malformed texts a round; every failure is logged, which is
    // what takes the time.
    for (int i = 0; i < 100; ++i) {
        SetBehaviors(pRing.get(), {RandomBehaviorText(seed),
                                   "@Type\"DF_BehaviorType_Merge\" @Parameter\"" + RandomBehaviorText(seed) + "\""});
        const DWORD dwPutOn = PutOn(64, pRing.get());
        std::unique_ptr<JC_DataComponent> pTaken;
        m_Equip.TakeOffEquipment(64, pTaken);
        // A ring that went on comes off again: nothing is lost.
        if (dwPutOn == 0) {
            EXPECT_TRUE(pTaken != nullptr && Get(pTaken.get(), "ID") == 4) << i;
        }
        Group(i % 3) = {RandomBehaviorText(seed), RandomBehaviorText(seed)};
        power.GetAttack(1);
        power.GetTotalVitality(1);
        power.GetCamp(0);
        power.GetMoveType(1);
        power.UseRecordedBehavior(1, i % 2);
        EXPECT_GE(Get("HP"), 0) << i;
        EXPECT_LE(Get("HP"), Get("MaxHP")) << i;
    }
}

} // namespace
