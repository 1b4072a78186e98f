#include "TemplateSystem/JC_DefineFileReader.h"

#include "tests/TemplateSystem/CodeEncoder.h"
#include "tests/TemplateSystem/TemplateFixture.h"

#include <climits>
#include <cstring>

namespace {

const char* const s_szHead = "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"H00000001\"\r\n"
                             "@TemplateName \"t\"\r\n@TemplateExplain \"\"\r\n[HeadEnd]\r\n";
constexpr DWORD HEAD_LINES = 7;

const char* const s_szSpace32 = "@Name \"S\" @Type \"SPACE32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"\"\r\n";
const char* const s_szSpace64 = "@Name \"L\" @Type \"SPACE64\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"\"\r\n";

// A refer item of the given type and bits on the item `on`.
std::string Refer(const char* szName, const char* szOn, const char* szBits, const char* szType = "UINT32",
                  const char* szMore = "@MinMax \"\" @Default \"\"")
{
    return std::string("@Name \"") + szName + "\" @Refer \"" + szOn + "\" @ReferBit \"" + szBits + "\" @Type \"" +
           szType + "\" @TypeEx \"\" @Radix \",\" " + szMore + "\r\n";
}

std::string Plain(const char* szName, const char* szType, const char* szRules)
{
    return std::string("@Name \"") + szName + "\" @Type \"" + szType + "\" @TypeEx \"\" @Radix \",\" " + szRules + "\r\n";
}

class TemplateText : public testing::Test
{
protected:
    TemplateText()
    {
        DWORD dwLine = 0;
        EXPECT_EQ(JC_DefineFileReader().Parse(g_szDefineFile, static_cast<DWORD>(std::strlen(g_szDefineFile)),
                                              &m_Defines, dwLine),
                  0u);
        EXPECT_EQ(m_Reader.Initiation(), 0u);
    }

    // Reads a head and the item lines into a template sharing the defines.
    DWORD Read(const std::string& strItems, DWORD& dwLine)
    {
        m_Template.SetDefineTable(&m_Defines);
        const std::string strText = s_szHead + strItems;
        return m_Reader.ReadTemplateHead("", strText.data(), static_cast<DWORD>(strText.size()), &m_Template, dwLine);
    }

    JC_DefineTable m_Defines;
    JC_TemplateFileReader m_Reader;
    JC_Template m_Template;
};

template <typename T>
T Get(const JS_ItemConstant& constant)
{
    const T* pValue = std::get_if<T>(&constant);
    EXPECT_NE(pValue, nullptr);
    return pValue != nullptr ? *pValue : T();
}

} // namespace

TEST(JC_TemplateFileReader, LoadsEveryItemTypeWithItsRules)
{
    TemplateFixture fixture;
    ASSERT_EQ(fixture.m_Templates.GetCount(), 4u);
    const JC_Template& person = fixture.Template(0x10);
    EXPECT_EQ(person.GetVersion(), 0x80000u);
    EXPECT_EQ(person.GetTemplateName(), "人物");
    EXPECT_EQ(person.GetTemplateExplain(), "測試用的人物");
    EXPECT_EQ(person.GetPlainItemCount(), 14u);
    EXPECT_EQ(person.GetReferItemCount(), 3u);
    EXPECT_EQ(person.GetEditShowItemName(), "ID");
    EXPECT_EQ(person.GetEditShowItemType(), ITEMTYPE_UINT32);

    const JC_TemplateItem& name = *person.GetItem("名字");
    EXPECT_EQ(name.m_dwType, ITEMTYPE_STRING);
    EXPECT_EQ(Get<std::string>(name.m_Default), "無名");
    EXPECT_EQ(name.m_strExplain, "許功蓋");

    const JC_TemplateItem& hp = *person.GetItem("HP");
    EXPECT_EQ(Get<int>(hp.m_Minimum), -100);
    EXPECT_EQ(Get<int>(hp.m_Maximum), 1000);
    EXPECT_EQ(Get<int>(hp.m_Default), 50);
    EXPECT_EQ(hp.GetFirstRadix(), 10u);
    EXPECT_EQ(hp.GetSecondRadix(), 10u);

    const JC_TemplateItem& speed = *person.GetItem("Speed");
    EXPECT_EQ(Get<float>(speed.m_Maximum), 10.0f);
    EXPECT_EQ(Get<float>(speed.m_Default), 1.5f);
    EXPECT_EQ(Get<int>(person.GetItem("Alive")->m_Default), 1);

    // A whole combo gives every define of it, by its full key.
    const JC_TemplateItem& sex = *person.GetItem("Sex");
    EXPECT_EQ(sex.m_ComboNames, (std::vector<std::string>{"DF_SEX_FEMALE", "DF_SEX_MALE"}));
    EXPECT_EQ(Get<DWORD>(sex.m_Default), 1u);

    // The refer items widen the SPACE items they live in.
    const JC_TemplatePlainItem& flags = *person.GetPlainItem("Flags");
    EXPECT_EQ(flags.GetSecondRadix(), 16u);
    EXPECT_EQ(flags.m_ReferItems.size(), 2u);
    EXPECT_EQ(Get<DWORD>(flags.m_Minimum), 0x100u);
    EXPECT_EQ(Get<DWORD>(flags.m_Maximum), 0x9FFu);
    EXPECT_EQ(Get<DWORD>(flags.m_Default), 0x203u);
    const JC_TemplateReferItem& rank = *person.GetReferItem("Rank");
    EXPECT_EQ(rank.m_pReferredItem, &flags);
    EXPECT_EQ(rank.m_dwFirstBound, 8u);
    EXPECT_EQ(rank.m_dwSecondBound, 11u);
    const JC_TemplatePlainItem& big = *person.GetPlainItem("Big");
    EXPECT_EQ(Get<ULONGLONG>(big.m_Maximum), 0xFFFFFFFF00000000ULL);
    EXPECT_EQ(person.GetItem("Element")->m_ComboNames.size(), 3u);

    const JC_TemplateItem& skills = *person.GetItem("Skills");
    EXPECT_EQ(skills.m_dwTypeEx, ITEMTYPE_UINT32);
    EXPECT_EQ(skills.m_dwFirstBound, 8u);
    EXPECT_EQ(skills.m_dwSecondBound, 2u);
    EXPECT_EQ(skills.GetFirstRadix(), 16u);
    EXPECT_EQ(Get<DWORD>(skills.m_Default), 7u);
    const JC_TemplateItem& moves = *person.GetItem("Moves");
    EXPECT_EQ(moves.m_dwFirstBound, 9999u);
    EXPECT_EQ(moves.m_dwSecondBound, 0u);
    EXPECT_EQ(Get<int>(moves.m_Minimum), INT_MIN);
    EXPECT_EQ(Get<float>(person.GetItem("Rates")->m_Default), 0.5f);

    const JC_TemplateItem& weapon = *person.GetItem("Weapon");
    EXPECT_EQ(weapon.m_dwTypeEx, 0x20u);
    EXPECT_EQ(Get<DWORD>(weapon.m_Default), 1u);
    EXPECT_EQ(Get<DWORD>(person.GetItem("Pet")->m_Default), 0u);

    // The include went into the person's own table only.
    DWORD dwValue = 0;
    EXPECT_EQ(person.GetDefineValue("DF_ELEMENT_WATER", dwValue), 0u);
    EXPECT_EQ(dwValue, 0x20u);
    EXPECT_NE(fixture.Template(0x20).GetDefineValue("DF_ELEMENT_WATER", dwValue), 0u);
}

TEST_F(TemplateText, RefusesMalformedItemsWithTheirCodeAndLine)
{
    const std::string strName40(40, 'n');
    struct Case
    {
        std::string strItems;
        DWORD dwCode;
        DWORD dwLine;
    };
    const Case cases[] = {
        {Plain(strName40.c_str(), "INT32", "@MinMax \"\" @Default \"\""), 0, 8},
        {Plain((strName40 + "n").c_str(), "INT32", "@MinMax \"\" @Default \"\""), 0x88128204, 8},
        {"@Type \"INT32\" @Name \"A\" @Radix \",\" @MinMax \"\" @Default \"\"\r\n", 0x88128211, 8},
        {"@Name \"A\"\r\n", 0x88128211, 8},
        {"@Name \"\" @Type \"INT32\"\r\n", 0x88128203, 8},
        {"@Type \"INT32\"\r\n", 0x88128202, 8},
        {"@Name \"A @Type \"INT32\"\r\n", 0x88128211, 8},
        {"@Name \"A\" @Type \"int32\"\r\n", 0x88128212, 8},
        {"@Name \"A\" @Type \"INT32\" @TypeEx \"\" @Radix \",\" @MinMax \"\" @Default \"\r\n", 0x88128301, 8},
        {std::string(s_szSpace32) + Refer("A", "S", "0~31"), 0, 9},
        {std::string(s_szSpace32) + Refer("A", "S", "0~31") + Refer("B", "S", "16~20"), 0x8812820B, 10},
        // A new range that encloses an old one overlaps it too.
        {std::string(s_szSpace32) + Refer("A", "S", "4~7") + Refer("B", "S", "0~15"), 0x8812820B, 10},
        {std::string(s_szSpace32) + Refer("A", "S", "4~7") + Refer("B", "S", "8~9"), 0, 10},
        {std::string(s_szSpace32) + Refer("A", "S", "32~40"), 0x88128209, 9},
        {std::string(s_szSpace64) + Refer("A", "L", "0~32"), 0x8812820A, 9},
        {std::string(s_szSpace64) + Refer("A", "L", "40~63"), 0, 9},
        {std::string(s_szSpace32) + Refer("A", "S", "3~1"), 0x88128208, 9},
        {std::string(s_szSpace32) + "@Name \"A\" @Refer \"S\" @Type \"UINT32\"\r\n", 0x88128207, 9},
        {Refer("A", "X", "0~1"), 0x88128205, 8},
        {Plain("P", "INT32", "@MinMax \"\" @Default \"\"") + Refer("A", "P", "0~1"), 0x88128206, 9},
        {std::string(s_szSpace32) + Refer("A", "S", "0~1", "INT32"), 0x88128213, 9},
        {std::string(s_szSpace32) + Refer("A", "S", "4~7", "UINT32", "@MinMax \"0~16\" @Default \"\""), 0x88129911, 9},
        {std::string(s_szSpace32) + Refer("A", "S", "0~15", "COMBO", "@MinMax \"\" @Combos \"DF_SEX_\" @Default \"DF_SEX_MALE\""),
         0x88129214, 9},
        {Plain("A", "COMBO", "@MinMax \"\" @Default \"DF_SEX_MALE\""), 0x88129211, 8},
        {Plain("A", "COMBO", "@MinMax \"\" @Combos \"\" @Default \"DF_SEX_MALE\""), 0x88129212, 8},
        {Plain("A", "COMBO", "@MinMax \"\" @Combos \"DF_SEX_MALE,DF_NO_SUCH\" @Default \"DF_SEX_MALE\""), 0x88129213, 8},
        {Plain("A", "COMBO", "@MinMax \"\" @Combos \"DF_SEX_MALE\" @Default \"DF_SEX_FEMALE\""), 0x88129221, 8},
        {Plain("A", "BOOL", "@MinMax \"\" @Default \"2\""), 0x88129102, 8},
        {Plain("A", "BOOL", "@MinMax \"\" @Default \"Hx\""), 0x88129101, 8},
        {Plain("A", "FLOAT", "@MinMax \"F0.0~F1.0\" @Default \"F1.0\""), 0, 8},
        {Plain("A", "FLOAT", "@MinMax \"F0.0~F1.0\" @Default \"F1.5\""), 0x88129312, 8},
        {Plain("A", "FLOAT", "@MinMax \"0.0~F1.0\" @Default \"\""), 0x88129301, 8},
        {Plain("A", "FLOAT", "@MinMax \"\" @Default \"1.5\""), 0x88129311, 8},
        {Plain("A", "INT32", "@MinMax \"0~10\" @Default \"11\""), 0x88129402, 8},
        {Plain("A", "INT32", "@MinMax \"5~1\" @Default \"\""), 0x80056032, 8},
        {Plain("A", "UINT32", "@MinMax \"\" @Default \"B102\""), 0x88129921, 8},
        {Plain("A", "Template", "@MinMax \"\" @Default \"2\""), 0x88129812, 8},
        {Plain("A", "STRING", "@MinMax \"\""), 0x88128222, 8},
        {Plain("A", "STRING", "@Default \"\""), 0x88128221, 8},
        {"@Name \"A\" @Type \"STRING\" @Radix \",\" @MinMax \"\" @Default \"\"\r\n", 0x88128214, 8},
        {"@Name \"A\" @Type \"STRING\" @TypeEx \"\" @MinMax \"\" @Default \"\"\r\n", 0x88128218, 8},
        {"@Name \"A\" @Type \"INT32\" @TypeEx \"\" @Radix \",H\" @MinMax \"\" @Default \"\"\r\n", 0, 8},
        {"@Name \"A\" @Type \"INT32\" @TypeEx \"\" @Radix \"H\" @MinMax \"\" @Default \"\"\r\n", 0x88128219, 8},
        {"@Name \"A\" @Type \"INT32\" @TypeEx \"\" @Radix \"X,D\" @MinMax \"\" @Default \"\"\r\n", 0x8812821A, 8},
        {"@Name \"A\" @Type \"INT32\" @TypeEx \"\" @Radix \"D,h\" @MinMax \"\" @Default \"\"\r\n", 0x8812821B, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"BOOL\" @Radix \",\" @MinMax \"\" @ArraySize \"1,0\" @Default \"\"\r\n",
         0x88128216, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"int32\" @Radix \",\" @MinMax \"\" @ArraySize \"1,0\" @Default \"\"\r\n",
         0x88128215, 8},
        {"@Name \"A\" @Type \"Template\" @TypeEx \"20\" @Radix \",\" @MinMax \"\" @Default \"\"\r\n", 0x88128217, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"INT32\" @Radix \",\" @MinMax \"\" @Default \"\"\r\n", 0x88129A11, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"INT32\" @Radix \",\" @MinMax \"\" @ArraySize \"10000,0\" @Default \"\"\r\n",
         0x88129A14, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"INT32\" @Radix \",\" @MinMax \"\" @ArraySize \"5,6\" @Default \"\"\r\n",
         0x88129A16, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"INT32\" @Radix \",\" @MinMax \"\" @ArraySize \"5\" @Default \"\"\r\n",
         0x88129A12, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"FLOAT\" @Radix \",\" @MinMax \"1~2\" @ArraySize \"5,0\" @Default \"\"\r\n",
         0x88129A01, 8},
        {"@Name \"A\" @Type \"VECTOR\" @TypeEx \"UINT32\" @Radix \",\" @MinMax \"1~2\" @ArraySize \"5,0\" @Default \"3\"\r\n",
         0x88129A22, 8},
        {Plain("A", "INT32", "@MinMax \"\" @Default \"\"") + Plain("A", "STRING", "@MinMax \"\" @Default \"\""),
         0x88125053, 9},
        {std::string(s_szSpace32) + Refer("S", "S", "0~1"), 0x88125053, 9},
        {Plain("A", "INT32", "@MinMax \"\" @Default \"\" @EditShow"), 0x88128225, 8},
        {Plain("A", "STRING", "@MinMax \"\" @Default \"\" @EditShow") + Plain("B", "UINT32", "@MinMax \"\" @Default \"\" @EditShow"),
         0x88128223, 9},
        {std::string(s_szSpace32) + Refer("A", "S", "0~1", "UINT32", "@MinMax \"\" @Default \"\" @EditShow"), 0x88128224, 9},
        {Plain("A", "INT32", "@MinMax \"\" @Default \"\"") + "[FileEnd]\r\n@Name \"\"\r\n", 0, 9},
    };
    for (const Case& c : cases) {
        DWORD dwLine = 0;
        EXPECT_EQ(Read(c.strItems, dwLine), c.dwCode) << c.strItems;
        EXPECT_EQ(dwLine, c.dwLine) << c.strItems;
    }
}

TEST_F(TemplateText, ReadsDefaultsAndSizesThroughDefines)
{
    DWORD dwLine = 0;
    ASSERT_EQ(Read(Plain("A", "INT32", "@MinMax \"\" @Default \"DF_SEX_FEMALE\"") +
                       "@Name \"V\" @Type \"VECTOR\" @TypeEx \"STRING\" @Radix \",\" @MinMax \"\" "
                       "@ArraySize \"0,DF_SEX_FEMALE\" @Default \"許\"\r\n" +
                       Plain("B", "BOOL", "@MinMax \"\" @Default \"\"") + Plain("T", "Template", "@MinMax \"\" @Default \"\""),
                   dwLine),
              0u);
    EXPECT_EQ(Get<int>(m_Template.GetItem("A")->m_Default), 2);
    EXPECT_EQ(m_Template.GetItem("V")->m_dwFirstBound, 9999u);
    EXPECT_EQ(m_Template.GetItem("V")->m_dwSecondBound, 2u);
    EXPECT_EQ(Get<std::string>(m_Template.GetItem("V")->m_Default), "許");
    EXPECT_EQ(Get<int>(m_Template.GetItem("B")->m_Default), 0);
    EXPECT_EQ(Get<DWORD>(m_Template.GetItem("T")->m_Default), 1u);
}

TEST_F(TemplateText, ChecksTheHead)
{
    struct Case
    {
        const char* szVersion;
        DWORD dwCode;
    };
    for (const Case& c : {Case{"H00080000", 0u}, Case{"H0008FFFF", 0u}, Case{"H00090000", 0x88128105u},
                          Case{"H0007FFFF", 0x88128105u}, Case{"80000", 0x88128104u}}) {
        const std::string strText = std::string("junk before\r\n[File]\r\n[Head]\r\nnot a version\r\n@Version \"") +
                                    c.szVersion + "\"\r\n@TemplateID \"0x10\"\r\n";
        JC_Template tmpl;
        DWORD dwLine = 0;
        EXPECT_EQ(m_Reader.ReadTemplateHead("", strText.data(), static_cast<DWORD>(strText.size()), &tmpl, dwLine),
                  c.dwCode)
            << c.szVersion;
        EXPECT_EQ(tmpl.GetTemplateID(), c.dwCode == 0 ? 0x10u : 0u);
    }
    // A template that shares a define table may not include its own.
    const std::string strText = "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"H1\"\r\n"
                                "@TemplateName \"\"\r\n@TemplateExplain \"\"\r\n@IncludeDefine \"Element.h\"\r\n";
    m_Template.SetDefineTable(&m_Defines);
    DWORD dwLine = 0;
    EXPECT_EQ(m_Reader.ReadTemplateHead("", strText.data(), static_cast<DWORD>(strText.size()), &m_Template, dwLine),
              0x88128107u);
    EXPECT_EQ(dwLine, 7u);
}

TEST_F(TemplateText, ALineTooLongFailsInsteadOfDroppingTheRest)
{
    DWORD dwLine = 0;
    const std::string strLong = Plain("A", "STRING", ("@MinMax \"\" @Default \"" + std::string(2100, 'x') + "\"").c_str());
    EXPECT_EQ(Read(Plain("Z", "INT32", "@MinMax \"\" @Default \"\"") + strLong, dwLine), JE_LINE_TOO_LONG);
    EXPECT_EQ(dwLine, 9u);
}

TEST(JC_TemplateFileReader, LoadsFilesFoldersAndScrambledText)
{
    ScopedTempFolder folder;
    const std::string strFolder = folder.Path() + "\\";
    JC_TemplateFileReader reader;
    JC_TemplateList templates;
    DWORD dwLine = 0;
    EXPECT_EQ(reader.LoadTemplateFolder(strFolder, &templates, nullptr, dwLine), 0x88128031u);
    ASSERT_EQ(reader.Initiation(), 0u);
    EXPECT_EQ(reader.LoadTemplateFolder(strFolder, &templates, nullptr, dwLine), 0x88128033u);
    EXPECT_EQ(reader.LoadTemplateFolder("", &templates, nullptr, dwLine), 0u);

    // Without "[FileEnd]" every item is read; a scrambled file reads the same.
    std::string strGem = g_szGemTemplate;
    strGem.erase(strGem.find("[FileEnd]"));
    WriteTestFile(folder.File("Gem.temp"), Encode(strGem, 3));
    JC_Template* pTemplate = nullptr;
    ASSERT_EQ(reader.LoadTemplateFile(strFolder, "Gem.temp", nullptr, pTemplate, dwLine), 0u);
    EXPECT_EQ(pTemplate->GetPlainItemCount(), 2u);
    EXPECT_EQ(reader.LoadTemplateFile(strFolder, "Gem.temp", nullptr, pTemplate, dwLine), 0x88128034u);
    reader.DeleteTemplate(pTemplate);
    EXPECT_EQ(pTemplate, nullptr);

    // Two files with one identifier: the second is refused, the first stays.
    WriteTestFile(folder.File("Gem2.temp"), g_szGemTemplate);
    EXPECT_EQ(reader.LoadTemplateFolder(strFolder, &templates, nullptr, dwLine), 0x88126013u);
    EXPECT_EQ(templates.GetCount(), 1u);

    const std::string strBad = std::string(s_szHead) + "@Name \"A\"\r\n";
    EXPECT_EQ(reader.LoadTemplateMemory("", reinterpret_cast<const BYTE*>(strBad.data()),
                                        static_cast<DWORD>(strBad.size()), nullptr, pTemplate, dwLine),
              0x88128211u);
    EXPECT_EQ(dwLine, 8u);
    EXPECT_EQ(pTemplate, nullptr);
}
