#include "JC_DataManager/Control/JC_ControlInlay.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

namespace {

constexpr const char* ADD_ATTACK = "@Type \"DF_INLAY_ADDFIELD\" @Parameter \"Attack,0,+10\"";

class ControlInlay : public ControlFixture
{
protected:
    ControlInlay()
    {
        Load();
        EXPECT_EQ(m_Control.Initiation(&m_DataManager, &m_Analyser), 0u);
        m_pWeapon = MakeEquipment(0x230001, 2);
        m_pWearing = MakeEquipment(0x230002, 1);
    }

    std::unique_ptr<JC_DataComponent> MakeEquipment(DWORD dwKind, int iHoles)
    {
        std::unique_ptr<JC_DataComponent> pEquipment = NewRecord(dwKind);
        const std::string strName = "劍";
        const int iTen = 10;
        pEquipment->SetItemValue("Name", &strName);
        pEquipment->SetItemValue("HoleCount", &iHoles);
        for (const char* szField : {"Attack", "HPAbsorbRate", "Defense", "ActionScriptID"})
            pEquipment->SetItemValue(szField, &iTen);
        const JC_StringArray equip = {"原有"};
        pEquipment->SetItemValue("EquipBehavior", &equip);
        return pEquipment;
    }

    std::unique_ptr<JC_DataComponent> MakeGem(int iWearPosition, const JC_StringArray& behaviors)
    {
        std::unique_ptr<JC_DataComponent> pGem = NewRecord(0x70002);
        const DWORD dwID = 7;
        const std::string strTitle = "火之";
        const JC_StringArray equip = {"裝備行為"};
        const JC_StringArray fight = {"戰鬥行為"};
        pGem->SetItemValue("ID", &dwID);
        pGem->SetItemValue("TitleName", &strTitle);
        pGem->SetItemValue("WearPosition", &iWearPosition);
        pGem->SetItemValue("InlayBehavior", &behaviors);
        pGem->SetItemValue("InlayBehavior_Equip", &equip);
        pGem->SetItemValue("InlayBehavior_Fight", &fight);
        return pGem;
    }

    static std::string Text(const JC_DataComponent& record)
    {
        std::string strText;
        record.WriteComponent(strText, false, "0,0", false, false);
        return strText;
    }

    template <typename T>
    static T Field(const JC_DataComponent& record, const char* szName)
    {
        T value{};
        const_cast<JC_DataComponent&>(record).GetItemValue(szName, &value);
        return value;
    }

    JC_ControlInlay m_Control;
    std::unique_ptr<JC_DataComponent> m_pWeapon;
    std::unique_ptr<JC_DataComponent> m_pWearing;
};

} // namespace

TEST_F(ControlInlay, AWeaponGemChangesTheWeaponForGood)
{
    const auto pGem = MakeGem(0x10001, {ADD_ATTACK,
                                        "@Type \"DF_INLAY_ADDFIELD\" @Parameter \"HPAbsorbRate,0,-5\"",
                                        "@Type \"DF_INLAY_ADDFIELD\" @Parameter \"HPAbsorbValue,0,+50%\"",
                                        "@Type \"DF_INLAY_SETFIELD\" @Parameter \"DistanceFar, 0,H7\"",
                                        "@Type \"DF_INLAY_ADDFIELD\" @Parameter \"Defense,0,+5\""});
    ASSERT_EQ(m_Control.ToInlay(pGem.get(), m_pWeapon.get()), 0u) << LogText();
    EXPECT_EQ(Field<std::string>(*m_pWeapon, "Name"), "火之劍");
    EXPECT_EQ(Field<int>(*m_pWeapon, "Attack"), 20);
    // An absorb rate never falls.
    EXPECT_EQ(Field<int>(*m_pWeapon, "HPAbsorbRate"), 10);
    EXPECT_EQ(Field<int>(*m_pWeapon, "HPAbsorbValue"), 0);
    EXPECT_EQ(Field<int>(*m_pWeapon, "DistanceFar"), 7);
    // Defense is no field a weapon gem may raise: logged and passed over.
    EXPECT_EQ(Field<int>(*m_pWeapon, "Defense"), 10);
    EXPECT_TRUE(Logged("不變更的欄位名稱:Defense"));
    JC_StringArray* pLines = nullptr;
    m_pWeapon->GetItemValue("EquipBehavior", &pLines);
    EXPECT_EQ(*pLines, (JC_StringArray{"原有", "裝備行為"}));
    m_pWeapon->GetItemValue("FightBehavior", &pLines);
    EXPECT_EQ(*pLines, (JC_StringArray{"戰鬥行為"}));
    JC_DWordArray* pGems = nullptr;
    m_pWeapon->GetItemValue("Gem", &pGems);
    EXPECT_EQ(*pGems, (JC_DWordArray{7}));

    const auto pRising = MakeGem(0x10001, {"@Type \"DF_INLAY_ADDFIELD\" @Parameter \"HPAbsorbRate,0,+5\""});
    ASSERT_EQ(m_Control.ToInlay(pRising.get(), m_pWeapon.get()), 0u);
    EXPECT_EQ(Field<int>(*m_pWeapon, "HPAbsorbRate"), 15);
    m_pWeapon->GetItemValue("Gem", &pGems);
    EXPECT_EQ(pGems->size(), 2u);
}

TEST_F(ControlInlay, AWearingTakesOnlyItsActionScript)
{
    const auto pGem = MakeGem(0x10002, {"@Type \"DF_INLAY_ADDFIELD\" @Parameter \"Defense,0,+5\"",
                                        "@Type \"DF_INLAY_ADDFIELD\" @Parameter \"ActionScriptID,0,+1\""});
    ASSERT_EQ(m_Control.ToInlay(pGem.get(), m_pWearing.get()), 0u);
    EXPECT_EQ(Field<int>(*m_pWearing, "Defense"), 10);
    EXPECT_EQ(Field<int>(*m_pWearing, "ActionScriptID"), 11);
    EXPECT_TRUE(Logged("ToInlay() 行為命令 控制了不允許變更的欄位(或不存在)"));
    JC_DWordArray* pGems = nullptr;
    m_pWearing->GetItemValue("Gem", &pGems);
    EXPECT_EQ(pGems->size(), 1u);
}

TEST_F(ControlInlay, ARefusedInlayLeavesTheEquipmentAsItWas)
{
    const auto pKeyGem = MakeGem(0x10001, {ADD_ATTACK});
    const int iKey = 1;
    pKeyGem->SetItemValue("IsKeyItem", &iKey);
    const auto pKeyWeapon = MakeEquipment(0x230001, 2);
    pKeyWeapon->SetItemValue("IsKeyItem", &iKey);
    const auto pFullWeapon = MakeEquipment(0x230001, 2);
    const JC_DWordArray full = {5, 6};
    pFullWeapon->SetItemValue("Gem", &full);

    const struct
    {
        std::unique_ptr<JC_DataComponent> pGem;
        JC_DataComponent* pEquipment;
        DWORD dwResult;
    } cases[] = {
        {MakeGem(0x10001, {ADD_ATTACK}), pFullWeapon.get(), JE_INLAY_NO_FREE_HOLE},
        {MakeGem(0x10002, {ADD_ATTACK}), m_pWeapon.get(), JE_INLAY_NOT_A_WEAPON_GEM},
        {MakeGem(0x10001, {ADD_ATTACK}), m_pWearing.get(), JE_INLAY_NOT_A_WEARING_GEM},
        // The gem's own key flag is looked at before the equipment's.
        {MakeGem(0x10001, {ADD_ATTACK}), pKeyWeapon.get(), JE_INLAY_EQUIPMENT_IS_KEY_ITEM},
        {nullptr, m_pWeapon.get(), JE_INLAY_NULL_GEM},
        // Failures half-way through the lines.
        {MakeGem(0x10001, {ADD_ATTACK, "@Type \"DF_INLAY_OTHER\" @Parameter \"Attack,0,1\""}), m_pWeapon.get(),
         JE_INLAY_UNSUPPORTED_TYPE},
        {MakeGem(0x10001, {ADD_ATTACK, "@Parameter \"Attack,0,1\""}), m_pWeapon.get(),
         JE_INLAY_NO_TYPE_OR_PARAMETER},
        {MakeGem(0x10001, {ADD_ATTACK, "@Type \"DF_INLAY_ADDFIELD\" @Parameter \"Attack,0\""}), m_pWeapon.get(),
         JE_INLAY_TOO_FEW_PARAMETERS},
        {MakeGem(0x10001, {ADD_ATTACK, "@Type \"DF_INLAY_ADDFIELD\" @Parameter \"Attack,0,+\""}), m_pWeapon.get(),
         JE_INLAY_BAD_VALUE},
        {MakeGem(0x10001, {ADD_ATTACK, "@Type \"DF_INLAY_SETFIELD\" @Parameter \"Nothing,0,1\""}), m_pWeapon.get(),
         JE_COMPONENT_TEXT_NO_ITEM},
    };
    for (const auto& c : cases) {
        const std::string strBefore = Text(*c.pEquipment);
        EXPECT_EQ(m_Control.ToInlay(c.pGem.get(), c.pEquipment), c.dwResult) << std::hex << c.dwResult;
        EXPECT_EQ(Text(*c.pEquipment), strBefore) << std::hex << c.dwResult;
    }
    EXPECT_EQ(m_Control.ToInlay(pKeyGem.get(), pKeyWeapon.get()), JE_INLAY_GEM_IS_KEY_ITEM);
    EXPECT_EQ(m_Control.ToInlay(pKeyGem.get(), nullptr), JE_INLAY_NULL_EQUIPMENT);
    EXPECT_TRUE(Logged("該魂石可以鑲嵌的位置:0X10002"));

    JC_ControlInlay notInitiated;
    EXPECT_EQ(notInitiated.ToInlay(pKeyGem.get(), m_pWeapon.get()), JE_INLAY_NOT_INITIATED);
}
