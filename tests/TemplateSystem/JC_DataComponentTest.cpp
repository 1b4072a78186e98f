#include "TemplateSystem/JC_StrNumSwitch.h"

#include "tests/TemplateSystem/TemplateFixture.h"

namespace {

class DataComponent : public testing::Test
{
protected:
    DataComponent()
    {
        EXPECT_EQ(m_Person.Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x10)), 0u);
    }

    std::string Text(const char* szName, DWORD dwIndex = 0, DWORD dwRadix = 0, bool bUseNumbers = false)
    {
        std::string strText;
        EXPECT_EQ(m_Person.FormatItemValue(szName, dwIndex, strText, dwRadix, bUseNumbers), 0u) << szName;
        return strText;
    }

    TemplateFixture m_Fixture;
    JC_DataComponent m_Person;
};

} // namespace

TEST_F(DataComponent, StartsFromTheDefaults)
{
    int iHP = 0;
    EXPECT_EQ(m_Person.GetItemValue("HP", &iHP), 0u);
    EXPECT_EQ(iHP, 50);
    std::string strName;
    EXPECT_EQ(m_Person.GetItemValue("名字", &strName), 0u);
    EXPECT_EQ(strName, "無名");
    DWORD dwLevel = 0;
    EXPECT_EQ(m_Person.GetItemValue("Level", &dwLevel), 0u);
    EXPECT_EQ(dwLevel, 3u);
    EXPECT_EQ(Text("Flags", 0, 16), "H203");

    JC_DWordArray* pSkills = nullptr;
    EXPECT_EQ(m_Person.GetItemValue("Skills", &pSkills), 0u);
    EXPECT_EQ(*pSkills, (JC_DWordArray{7, 7}));
    JC_StringArray* pTitles = nullptr;
    EXPECT_EQ(m_Person.GetItemValue("稱號", &pTitles), 0u);
    EXPECT_EQ(*pTitles, (JC_StringArray{"無"}));

    JC_DataComponent* pWeapon = nullptr;
    EXPECT_EQ(m_Person.GetItemValue("Weapon", &pWeapon), 0u);
    ASSERT_NE(pWeapon, nullptr);
    EXPECT_EQ(pWeapon->GetTemplate()->GetTemplateID(), 0x20u);
    JC_DataComponent* pPet = &m_Person;
    EXPECT_EQ(m_Person.GetItemValue("Pet", &pPet), 0u);
    EXPECT_EQ(pPet, nullptr);
    EXPECT_EQ(m_Person.SetItemValueText("Pet", "NULL"), 0u);
    EXPECT_EQ(m_Person.SetItemValueText("Pet", "null"), JE_COMPONENT_TEXT_NOT_NULL);

    std::string strShow;
    EXPECT_EQ(m_Person.FormatEditShowValue(strShow), 0u);
    EXPECT_EQ(strShow, "0");
    EXPECT_EQ(m_Person.GetItemIndex("Rank"), 1);
    EXPECT_EQ(m_Person.GetItemIndex("none"), -1);

    JC_ItemValue* pValue = nullptr;
    const JC_TemplateItem* pItem = nullptr;
    EXPECT_EQ(m_Person.GetValueSlot(2, &pValue, &pItem), 0u);
    EXPECT_EQ(pItem->m_strName, "HP");
    EXPECT_EQ(std::get<int>(*pValue), 50);
    EXPECT_EQ(m_Person.GetValueSlot(14, &pValue, &pItem), JE_COMPONENT_SLOT_OUTSIDE);
    EXPECT_EQ(m_Person.SetValueSlot(2, std::make_unique<JC_ItemValue>(60)), 0u);
    EXPECT_EQ(Text("HP"), "60");
    EXPECT_EQ(m_Person.SetValueSlot(4000000000u, nullptr), JE_COMPONENT_SLOT_OUTSIDE);
}

TEST_F(DataComponent, ALayoutByTheSameTemplateOnlyResets)
{
    JC_StringArray* pTitles = nullptr;
    m_Person.GetItemValue("稱號", &pTitles);
    const int iHP = 70;
    m_Person.SetItemValue("HP", &iHP);
    EXPECT_EQ(m_Person.Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x10)), 0u);
    JC_StringArray* pAgain = nullptr;
    m_Person.GetItemValue("稱號", &pAgain);
    EXPECT_EQ(pAgain, pTitles);
    EXPECT_EQ(Text("HP"), "50");
    EXPECT_EQ(m_Person.Create(nullptr, nullptr), 0u);
    EXPECT_TRUE(m_Person.HasNoLayout());
    EXPECT_EQ(m_Person.GetItemValue("HP", &pAgain), JE_COMPONENT_GET_NO_ITEM);
}

TEST_F(DataComponent, ChecksRangesAndTheCallersVariable)
{
    const int iTooHigh = 1001;
    const int iLow = -100;
    EXPECT_EQ(m_Person.SetItemValue("HP", &iTooHigh), JE_COMPONENT_OUTSIDE_RANGE);
    EXPECT_EQ(m_Person.SetItemValue("HP", &iLow), 0u);
    EXPECT_EQ(m_Person.SetItemValueText("HP", "H3e9"), JE_COMPONENT_OUTSIDE_RANGE);
    EXPECT_EQ(m_Person.SetItemValueText("HP", "H3e8"), 0u);
    EXPECT_EQ(Text("HP"), "1000");
    const float fSpeed = 10.5f;
    EXPECT_EQ(m_Person.SetItemValue("Speed", &fSpeed), JE_COMPONENT_OUTSIDE_RANGE);
    EXPECT_EQ(m_Person.SetItemValueText("Alive", "2"), JE_COMPONENT_OUTSIDE_RANGE);
    EXPECT_EQ(m_Person.SetItemValueText("Speed", "1.5"), JE_NUMBER_FLOAT_NO_PREFIX);

    // A variable of another type is refused, never written through.
    std::string strText;
    float fValue = 0.0f;
    ULONGLONG ullValue = 0;
    JC_DWordArray* pDWords = nullptr;
    JC_StringArray* pStrings = nullptr;
    EXPECT_EQ(m_Person.GetItemValue("名字", &fValue), JE_COMPONENT_NOT_FOR_TYPE);
    EXPECT_EQ(m_Person.GetItemValue("HP", &strText), JE_COMPONENT_NOT_FOR_TYPE);
    EXPECT_EQ(m_Person.GetItemValue("Big", &fValue), JE_COMPONENT_NOT_FOR_TYPE);
    EXPECT_EQ(m_Person.GetItemValue("稱號", &pDWords), JE_COMPONENT_NOT_FOR_TYPE);
    EXPECT_EQ(m_Person.GetItemValue("Skills", &pStrings), JE_COMPONENT_NOT_FOR_TYPE);
    EXPECT_EQ(m_Person.SetItemValue("名字", &fValue), JE_COMPONENT_SET_WRONG_VARIABLE);
    EXPECT_EQ(m_Person.SetItemValue("Big", &fValue), JE_COMPONENT_SET_WRONG_VARIABLE);
    EXPECT_EQ(m_Person.SetItemValue("Skills", static_cast<const JC_StringArray*>(pStrings)),
              JE_COMPONENT_SET_NOT_DWORD_ARRAY);
    EXPECT_EQ(m_Person.SetItemValue("稱號", static_cast<const JC_DWordArray*>(pDWords)),
              JE_COMPONENT_SET_NOT_STRING_ARRAY);
    EXPECT_EQ(m_Person.SetItemValue("Weapon", &ullValue), JE_COMPONENT_SET_NOT_COMPONENT);
    EXPECT_EQ(m_Person.SetItemValue("none", &ullValue), JE_COMPONENT_SET_NO_ITEM);
    EXPECT_EQ(m_Person.GetItemValue("none", &ullValue), JE_COMPONENT_GET_NO_ITEM);

    // An item of another template has no value here.
    const JC_TemplateItem* pWeaponID = m_Fixture.Template(0x20).GetItem("Power");
    int iPower = 0;
    EXPECT_EQ(m_Person.GetItemValue(pWeaponID, &iPower), JE_COMPONENT_GET_NO_ITEM);
    EXPECT_EQ(m_Person.SetItemValue(pWeaponID, &iPower), JE_COMPONENT_SET_NO_ITEM);
}

TEST_F(DataComponent, ReferItemsAreBitsOfTheirSpaceItem)
{
    // Level is bits 0 to 7, Rank bits 8 to 11 (1 to 9) of Flags.
    const DWORD dwFlags = 0x000001F0;
    EXPECT_EQ(m_Person.SetItemValueText("Rank", "9"), 0u);
    EXPECT_EQ(m_Person.SetItemValueText("Rank", "10"), JE_COMPONENT_OUTSIDE_RANGE);
    EXPECT_EQ(m_Person.SetItemValue("Flags", &dwFlags), 0u);
    DWORD dwLevel = 0;
    EXPECT_EQ(m_Person.GetItemValue("Level", &dwLevel), 0u);
    EXPECT_EQ(dwLevel, 0xF0u);
    const DWORD dwThree = 3;
    EXPECT_EQ(m_Person.SetItemValue("Rank", &dwThree), 0u);
    DWORD dwAll = 0;
    m_Person.GetItemValue("Flags", &dwAll);
    EXPECT_EQ(dwAll, 0x3F0u);
    const DWORD dwOutside = 0xF0;
    EXPECT_EQ(m_Person.SetItemValue("Flags", &dwOutside), JE_COMPONENT_OUTSIDE_RANGE);

    // A COMBO bit range of a SPACE64: the set checks its defines, the text
    // path does not.
    const DWORD dwWater = 0x20;
    const DWORD dwOther = 0x21;
    EXPECT_EQ(m_Person.SetItemValue("Element", &dwWater), 0u);
    EXPECT_EQ(m_Person.SetItemValue("Element", &dwOther), JE_COMPONENT_COMBO_REFUSED);
    EXPECT_EQ(m_Person.SetItemValueText("Element", "H21"), 0u);
    ULONGLONG ullBig = 0;
    m_Person.GetItemValue("Big", &ullBig);
    EXPECT_EQ(ullBig, 0x0000002100000000ULL);
    EXPECT_EQ(Text("Big", 0, 16), "H2100000000");
    std::string strElement;
    EXPECT_EQ(m_Person.FormatItemValue("Element", 0, strElement, 0, false), JE_COMPONENT_FORMAT_NO_DEFINE);
    // Two defines share a value: the first of the item's list names it.
    m_Person.SetItemValueText("Element", "DF_ELEMENT_ICE");
    EXPECT_EQ(Text("Element"), "DF_ELEMENT_WATER");
    EXPECT_EQ(Text("Element", 0, 0, true), "H20");
    EXPECT_EQ(m_Person.SetItemValueText("Element", "DF_ELEMENT_WIND"), JE_COMPONENT_TEXT_NO_DEFINE);
}

TEST_F(DataComponent, VectorsGrowWithZeroOrEmptyAndStayWithinTheirCount)
{
    // The smallest count (2) starts as defaults (7); growth adds zeros.
    EXPECT_EQ(m_Person.SetItemValueText("Skills", "[4],H1f"), 0u);
    JC_DWordArray* pSkills = nullptr;
    m_Person.GetItemValue("Skills", &pSkills);
    EXPECT_EQ(*pSkills, (JC_DWordArray{7, 7, 0, 0, 31}));
    EXPECT_EQ(m_Person.SetItemValueText("Skills", "[8],1"), JE_COMPONENT_INDEX_TOO_LARGE);
    EXPECT_EQ(m_Person.SetItemValueText("Skills", "[1],1001"), JE_COMPONENT_OUTSIDE_RANGE);
    EXPECT_EQ(m_Person.SetItemValueText("Skills", "4],1"), JE_COMPONENT_TEXT_NO_BRACKETS);
    EXPECT_EQ(m_Person.SetItemValueText("Skills", "[],1"), JE_COMPONENT_TEXT_EMPTY_INDEX);
    EXPECT_EQ(Text("Skills", 4), "H1f");
    std::string strText;
    EXPECT_EQ(m_Person.FormatItemValueByPath("Skills[4]", strText, 10, false), 0u);
    EXPECT_EQ(strText, "31");
    EXPECT_EQ(m_Person.FormatItemValueByPath("Skills", strText, 10, false), JE_COMPONENT_PATH_NO_INDEX);
    EXPECT_EQ(m_Person.FormatItemValueByPath("Skills[4", strText, 10, false), JE_COMPONENT_PATH_NO_CLOSE);
    EXPECT_EQ(m_Person.FormatItemValueByPath("HP.X", strText, 10, false), JE_COMPONENT_PATH_NOT_TEMPLATE);

    // The array is the component's own: edits in place are kept.
    pSkills->push_back(9);
    DWORD dwLargest = 0;
    DWORD dwSmallest = 0;
    DWORD dwCount = 0;
    EXPECT_TRUE(m_Person.GetItemVectorInfo("Skills", dwLargest, dwSmallest, dwCount));
    EXPECT_EQ(dwLargest, 8u);
    EXPECT_EQ(dwSmallest, 2u);
    EXPECT_EQ(dwCount, 6u);
    EXPECT_FALSE(m_Person.GetItemVectorInfo("HP", dwLargest, dwSmallest, dwCount));

    EXPECT_EQ(m_Person.ClearVectorElement("Skills", 0), 0u);
    EXPECT_EQ(m_Person.RemoveVectorElement("Skills", 1), 0u);
    EXPECT_EQ(*pSkills, (JC_DWordArray{0, 0, 0, 31, 9}));
    EXPECT_EQ(m_Person.RemoveVectorElement("Skills", 5), JE_COMPONENT_REMOVE_OUTSIDE);
    EXPECT_EQ(m_Person.ClearVectorElement("HP", 0), JE_COMPONENT_CLEAR_NOT_VECTOR);
    DWORD dwSkill = 0;
    EXPECT_EQ(m_Person.GetItemValueAt("Skills", 5, &dwSkill), JE_COMPONENT_GET_INDEX_OUTSIDE);
    EXPECT_EQ(m_Person.GetVectorElement(8, 3, &dwSkill), 0u);
    EXPECT_EQ(dwSkill, 31u);

    // A whole array beyond the largest count or the range is refused.
    const JC_DWordArray tooMany(9, 1);
    const JC_DWordArray tooHigh{1, 2000};
    EXPECT_EQ(m_Person.SetItemValue("Skills", &tooMany), JE_COMPONENT_INDEX_TOO_LARGE);
    EXPECT_EQ(m_Person.SetItemValue("Skills", &tooHigh), JE_COMPONENT_OUTSIDE_RANGE);

    EXPECT_EQ(m_Person.SetItemValueText("Moves", "[3],-7"), 0u);
    int iMove = 0;
    EXPECT_EQ(m_Person.GetItemValueAt("Moves", 3, &iMove), 0u);
    EXPECT_EQ(iMove, -7);
    EXPECT_EQ(Text("Moves", 3, 16), "Hfffffff9");
    EXPECT_EQ(Text("Moves", 3, 2), "B11111111111111111111111111111001");
    EXPECT_EQ(m_Person.SetItemValueText("稱號", "[2],許,功"), 0u);
    EXPECT_EQ(Text("稱號", 2), "許,功");
    EXPECT_EQ(Text("稱號", 1), "");
    EXPECT_EQ(Text("稱號", 0), "無");
}

TEST_F(DataComponent, FormatsByRadix)
{
    const int iMinusOne = -1;
    JC_DataComponent weapon;
    weapon.Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x20));
    weapon.SetItemValue("Power", &iMinusOne);
    std::string strText;
    EXPECT_EQ(weapon.FormatItemValue("Power", 0, strText, 16, false), 0u);
    EXPECT_EQ(strText, "Hffffffff");
    weapon.FormatItemValue("Power", 0, strText, 2, false);
    EXPECT_EQ(strText, "B" + std::string(32, '1'));
    weapon.FormatItemValue("Power", 0, strText, 10, false);
    EXPECT_EQ(strText, "-1");
    EXPECT_EQ(Text("Speed"), "F1.500000");
    EXPECT_EQ(Text("Sex"), "DF_SEX_MALE");
    EXPECT_EQ(Text("Big", 0, 2), "B" + std::string(64, '0'));
    EXPECT_EQ(m_Person.FormatItemValue("Weapon", 0, strText, 10, false), JE_COMPONENT_NOT_FOR_TYPE);
    EXPECT_EQ(m_Person.FormatItemValueByPath("Weapon.Power", strText, 10, false), 0u);
    EXPECT_EQ(strText, "5");
    EXPECT_EQ(m_Person.SetItemValueTextByPath("Weapon.Power\"12\""), 0u);
    EXPECT_EQ(m_Person.SetItemValueTextByPath("Speed\"F2.5\""), 0u);
    EXPECT_EQ(Text("Speed"), "F2.500000");
    EXPECT_EQ(m_Person.SetItemValueTextByPath("HP.X\"1\""), JE_COMPONENT_TEXT_PATH_NOT_TEMPLATE);
    EXPECT_EQ(m_Person.FormatItemValueByPath("Weapon.Power", strText, 10, false), 0u);
    EXPECT_EQ(strText, "12");
}

TEST_F(DataComponent, CopiesValuesAndSubComponents)
{
    m_Person.SetItemValueTextByPath("Weapon.Power\"12\"");
    m_Person.SetItemValueText("稱號", "[3],王");
    JC_DataComponent gem;
    gem.Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x30));
    gem.SetItemValueText("名字", "紅寶石");
    JC_DataComponent* pWeapon = nullptr;
    m_Person.GetItemValue("Weapon", &pWeapon);
    EXPECT_EQ(pWeapon->SetItemValue("Gem", &gem), 0u);

    JC_DataComponent copy;
    EXPECT_EQ(copy.Copy(&m_Person, JC_DataComponent::ADOPT_LAYOUT), 0u);
    std::string strText;
    EXPECT_EQ(copy.FormatItemValueByPath("Weapon.Gem.名字", strText, 0, false), 0u);
    EXPECT_EQ(strText, "紅寶石");
    EXPECT_EQ(copy.FormatItemValueByPath("稱號[3]", strText, 0, false), 0u);
    EXPECT_EQ(strText, "王");
    JC_DataComponent* pCopiedWeapon = nullptr;
    copy.GetItemValue("Weapon", &pCopiedWeapon);
    EXPECT_NE(pCopiedWeapon, pWeapon);

    // Mode 1 needs the same template and changes nothing otherwise.
    EXPECT_EQ(gem.Copy(&m_Person, JC_DataComponent::SAME_LAYOUT), JE_COMPONENT_COPY_OTHER_TEMPLATE);
    EXPECT_EQ(gem.GetTemplate()->GetTemplateID(), 0x30u);
    EXPECT_EQ(gem.Copy(nullptr, JC_DataComponent::ADOPT_LAYOUT), JE_COMPONENT_COPY_NULL);
    EXPECT_EQ(gem.Copy(&m_Person, JC_DataComponent::ADOPT_LAYOUT), 0u);
    EXPECT_EQ(gem.GetTemplate()->GetTemplateID(), 0x10u);

    // A null sub-component deletes the copy's.
    m_Person.SetItemValue("Weapon", static_cast<const JC_DataComponent*>(nullptr));
    EXPECT_EQ(copy.Copy(&m_Person, JC_DataComponent::SAME_LAYOUT), 0u);
    copy.GetItemValue("Weapon", &pCopiedWeapon);
    EXPECT_EQ(pCopiedWeapon, nullptr);
    EXPECT_EQ(copy.IsItemDefault("HP", 0), 1u);
    EXPECT_EQ(copy.IsItemDefault("稱號", 3), 0u);
    EXPECT_EQ(copy.IsItemDefault("稱號", 0), 1u);
}

TEST(JC_DataComponent, ATemplateThatHoldsItselfIsRefusedNotFollowedForEver)
{
    ScopedTempFolder folder;
    WriteTestFile(folder.File("Loop.temp"),
                  "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"H1\"\r\n@TemplateName \"\"\r\n"
                  "@TemplateExplain \"\"\r\n[HeadEnd]\r\n"
                  "@Name \"Self\" @Type \"Template\" @TypeEx \"H1\" @Radix \",\" @MinMax \"\" @Default \"1\"\r\n");
    JC_TemplateFileReader reader;
    reader.Initiation();
    JC_TemplateList templates;
    DWORD dwLine = 0;
    ASSERT_EQ(reader.LoadTemplateFolder(folder.Path() + "\\", &templates, nullptr, dwLine), 0u);
    JC_DataComponent component;
    EXPECT_EQ(component.CreateByTemplateID(&templates, 1), JE_COMPONENT_NESTED_TOO_DEEP);
    EXPECT_EQ(component.CreateByTemplateID(&templates, 2), JE_TEMPLATELIST_ID_ABSENT);
    EXPECT_EQ(component.CreateByTemplateID(nullptr, 1), 0u);
    EXPECT_TRUE(component.HasNoLayout());
}
