#include "TemplateSystem/JC_DefineFileReader.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

#include "tests/Support/DebuggerOutput.h"
#include "tests/Support/ScopedTempFolder.h"
#include "tests/TemplateSystem/CodeEncoder.h"

#include <gtest/gtest.h>

namespace {

// A define file as the data designers write them: include guards before the
// header, notes, blank lines and every line-end form.
const char* const s_szElementFile =
    "#ifndef ELEMENT_H\r\n"
    "#define ELEMENT_H\r\n"
    "//[File]\r\n"
    "// 屬性\r\n"
    "//[Head]\r\n"
    "  //@Version \"H00080001\"\n"
    "//[HeadEnd]\r\n"
    "\r\n"
    "//! 火水土\r\n"
    "#define DF_ELEMENT_FIRE 0x10 //@Combo \"火\"\r\n"
    "#define DF_ELEMENT_WATER 2 //@Combo \"水\" //! \"note\"\n\r"
    "#define DF_ELEMENT_EARTH 1 0 //@Combo \"土\"\r"
    "#define DF_ELEMENT_OLD 010 //@Combo \"舊\" // stays\r\n"
    "#define DF_ELEMENT_HEX H10 //@Combo \"H\"\r\n"
    "#define DF_ELEMENT_PLAIN 5\r\n"
    "#define DF_ELEMENT_CUT 6 //! //@Combo \"cut\"\r\n"
    "#define DF_JOB_SWORD_MASTER 3 //@Combo \"劍士\"\r\n"
    "#define DF_于_X 7 //@Combo \"許\"\r\n"
    "//[FileEnd]\r\n"
    "#endif\r\n";

// The lines a define file needs before its body.
std::string Header(const char* szVersion = "H00080001")
{
    return std::string("//[File]\r\n//[Head]\r\n//@Version \"") + szVersion + "\"\r\n//[HeadEnd]\r\n";
}

DWORD ParseText(const std::string& strText, JC_DefineTable& table, DWORD& dwLine)
{
    JC_DefineFileReader reader;
    return reader.Parse(strText.data(), static_cast<DWORD>(strText.size()), &table, dwLine);
}

DWORD ValueOf(const JC_DefineTable& table, const char* szKey)
{
    DWORD dwValue = 0;
    EXPECT_EQ(table.GetDefineValue(szKey, dwValue), 0u) << szKey;
    return dwValue;
}

} // namespace

TEST(JC_ComboList, KeepsNamesSorted)
{
    JC_ComboList list;
    EXPECT_EQ(list.AddDefine("B", 2, "second"), 0u);
    EXPECT_EQ(list.AddDefine("A", 1, "first"), 0u);
    EXPECT_EQ(list.AddDefine("A", 9, "again"), JE_COMBO_NAME_PRESENT);
    EXPECT_EQ(list.AddDefine("", 9, "none"), JE_COMBO_EMPTY_NAME);
    ASSERT_EQ(list.GetCount(), 2u);

    std::string strName;
    std::string strComment;
    DWORD dwValue = 0;
    EXPECT_EQ(list.GetDefineAt(0, strName, dwValue, strComment), 0u);
    EXPECT_EQ(strName, "A");
    EXPECT_EQ(dwValue, 1u);
    EXPECT_EQ(strComment, "first");
    EXPECT_EQ(list.GetNameAt(1, strName), 0u);
    EXPECT_EQ(strName, "B");
    EXPECT_EQ(list.GetNameAt(2, strName), JE_COMBO_INDEX_OUTSIDE);
    EXPECT_EQ(list.GetDefineAt(2, strName, dwValue, strComment), JE_COMBO_INDEX_OUTSIDE);

    EXPECT_EQ(list.FindValueAndComment("B", dwValue, strComment), 0u);
    EXPECT_EQ(dwValue, 2u);
    EXPECT_EQ(strComment, "second");
    EXPECT_EQ(list.FindValue("C", dwValue), JE_COMBO_NAME_ABSENT);
    EXPECT_EQ(dwValue, JC_ComboList::NO_VALUE);
    EXPECT_EQ(list.FindValueAndComment("", dwValue, strComment), JE_COMBO_FIND_EMPTY_NAME);
    EXPECT_TRUE(strComment.empty());
    EXPECT_TRUE(list.HasName("A"));
    EXPECT_FALSE(list.HasName("a"));
    EXPECT_FALSE(list.HasName(""));

    list.Reset();
    EXPECT_EQ(list.GetCount(), 0u);
}

TEST(JC_DefineTable, SplitDefineKeyTable)
{
    struct Case { const char* szKey; DWORD dwResult; const char* szCombo; const char* szName; };
    const Case cases[] = {
        {"DF_ELEMENT_FIRE", 0, "DF_ELEMENT_", "FIRE"},
        {"DF_JOB_SWORD_MASTER", 0, "DF_JOB_", "SWORD_MASTER"},
        // The underscore inside the double-byte character does not count.
        {"DF_于_X", 0, "DF_于_", "X"},
        {"", JE_DEFINE_EMPTY_KEY, "", ""},
        {"DF", JE_DEFINE_KEY_UNDERSCORES, "", ""},
        {"DF_于", JE_DEFINE_KEY_UNDERSCORES, "", ""},
        {"XX_A_B", JE_DEFINE_KEY_NOT_DF, "", ""},
        {"df_A_B", JE_DEFINE_KEY_NOT_DF, "", ""},
        {"DF__B", JE_DEFINE_KEY_EMPTY_COMBO, "", ""},
        {"DF_A_", JE_DEFINE_KEY_EMPTY_NAME, "", ""},
    };
    const JC_DefineTable table;
    for (const Case& c : cases) {
        std::string strCombo("old");
        std::string strName("old");
        EXPECT_EQ(table.SplitDefineKey(c.szKey, strCombo, strName), c.dwResult) << c.szKey;
        EXPECT_EQ(strCombo, c.szCombo) << c.szKey;
        EXPECT_EQ(strName, c.szName) << c.szKey;
    }
}

TEST(JC_DefineTable, LookUpsAndTheirFailures)
{
    JC_DefineTable table;
    EXPECT_EQ(table.AddDefineInfo("DF_ELEMENT_FIRE", 16, "火"), 0u);
    EXPECT_EQ(table.AddDefineInfo("DF_ELEMENT_FIRE", 99, "again"), JE_COMBO_NAME_PRESENT);
    EXPECT_EQ(table.AddDefineInfo("XX_ELEMENT_FIRE", 1, "bad"), JE_DEFINE_KEY_NOT_DF);

    DWORD dwValue = 0;
    std::string strComment;
    EXPECT_EQ(table.GetDefineInfo("DF_ELEMENT_FIRE", dwValue, strComment), 0u);
    EXPECT_EQ(dwValue, 16u);
    EXPECT_EQ(strComment, "火");
    EXPECT_EQ(table.GetDefineValue("DF_ELEMENT_NONE", dwValue), JE_COMBO_NAME_ABSENT);
    EXPECT_EQ(dwValue, JC_ComboList::NO_VALUE);
    EXPECT_EQ(table.GetDefineValue("DF_NONE_X", dwValue), JE_DEFINE_NO_COMBO);
    EXPECT_EQ(table.GetDefineInfo("DF_", dwValue, strComment), JE_DEFINE_KEY_UNDERSCORES);
    EXPECT_EQ(dwValue, JC_ComboList::NO_VALUE);

    EXPECT_TRUE(table.HasDefine("DF_ELEMENT_FIRE"));
    EXPECT_FALSE(table.HasDefine("DF_ELEMENT_NONE"));
    EXPECT_FALSE(table.HasDefine("DF_NONE_X"));
    // A malformed key is never reported as present.
    EXPECT_FALSE(table.HasDefine("XX_ELEMENT_FIRE"));
    EXPECT_FALSE(table.HasDefine(""));
    EXPECT_TRUE(table.HasCombo("DF_ELEMENT_"));
    EXPECT_FALSE(table.HasCombo("DF_ELEMENT"));

    const JC_ComboList* pList = nullptr;
    EXPECT_EQ(table.GetComboList("DF_ELEMENT_", pList), 0u);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetCount(), 1u);
    EXPECT_EQ(table.GetComboList("DF_NONE_", pList), JE_DEFINE_COMBO_ABSENT);
    EXPECT_EQ(pList, nullptr);

    table.Clear();
    EXPECT_FALSE(table.HasCombo("DF_ELEMENT_"));
}

TEST(JC_DefineTable, AddComboListTakesEntriesThatAreWholeKeys)
{
    JC_ComboList list;
    list.AddDefine("DF_A_ONE", 1, "one");
    list.AddDefine("TWO", 2, "no key");
    JC_DefineTable table;
    table.AddComboList(list);
    EXPECT_EQ(ValueOf(table, "DF_A_ONE"), 1u);
    EXPECT_FALSE(table.HasCombo("TWO"));
}

TEST(JC_DefineTable, WriteDefineDump)
{
    JC_DefineTable table;
    table.AddDefineInfo("DF_B_X", 0xFFFFFFFF, "負");
    table.AddDefineInfo("DF_A_Y", 16, "y");
    table.AddDefineInfo("DF_A_X", 1, "x");
    ScopedTempFolder folder;
    EXPECT_EQ(table.WriteDefineDump(folder.File("dump.txt")), 0u);
    EXPECT_EQ(ReadTestFile(folder.File("dump.txt")),
              "DF_A_\r\nX 0x00000001(1) x\r\nY 0x00000010(16) y\r\nDF_B_\r\nX 0xffffffff(-1) 負\r\n");
    EXPECT_EQ(table.WriteDefineDump(folder.File("no\\such\\dump.txt")), JE_DEFINE_DUMP_FAILED);
}

TEST(JC_DefineFileReader, ParsesADefineFile)
{
    JC_DefineTable table;
    DWORD dwLine = 0;
    EXPECT_EQ(ParseText(s_szElementFile, table, dwLine), 0u);
    EXPECT_EQ(dwLine, 19u);

    EXPECT_EQ(ValueOf(table, "DF_ELEMENT_FIRE"), 16u);
    EXPECT_EQ(ValueOf(table, "DF_ELEMENT_WATER"), 2u);
    EXPECT_EQ(ValueOf(table, "DF_ELEMENT_EARTH"), 10u);
    EXPECT_EQ(ValueOf(table, "DF_ELEMENT_OLD"), 10u);
    EXPECT_EQ(ValueOf(table, "DF_ELEMENT_HEX"), 0u);
    EXPECT_EQ(ValueOf(table, "DF_JOB_SWORD_MASTER"), 3u);
    EXPECT_EQ(ValueOf(table, "DF_于_X"), 7u);
    EXPECT_FALSE(table.HasDefine("DF_ELEMENT_PLAIN"));
    EXPECT_FALSE(table.HasDefine("DF_ELEMENT_CUT"));

    DWORD dwValue = 0;
    std::string strComment;
    EXPECT_EQ(table.GetDefineInfo("DF_ELEMENT_WATER", dwValue, strComment), 0u);
    EXPECT_EQ(strComment, "水");

    // From a value back to its name, through the combo's list.
    const JC_ComboList* pList = nullptr;
    ASSERT_EQ(table.GetComboList("DF_ELEMENT_", pList), 0u);
    std::string strNameOf16;
    for (DWORD i = 0; i < pList->GetCount(); ++i) {
        std::string strName;
        pList->GetDefineAt(i, strName, dwValue, strComment);
        if (dwValue == 16)
            strNameOf16 = strName;
    }
    EXPECT_EQ(strNameOf16, "FIRE");
}

TEST(JC_DefineFileReader, ParseFailuresNameTheirLine)
{
    struct Case { std::string strText; DWORD dwResult; DWORD dwLine; };
    const Case cases[] = {
        {Header() + "#define DF_A_B 1 //@Combo no quotes\r\n", JE_DEFREADER_NO_COMMENT, 5},
        {Header() + "#define DF_A_B 1 //@Combo \"open\r\n", JE_DEFREADER_NO_COMMENT, 5},
        {Header() + "#define DF_A_B 1 //@Combo \"a\"\r\n// comment\r\n", JE_DEFREADER_NOT_DEFINE, 6},
        {Header() + "#define ELEMENT_H\r\n", JE_DEFREADER_NO_KEY, 5},
        {Header() + "#define DF_A_B\r\n", JE_DEFREADER_NO_KEY, 5},
        {Header() + "#define DF_A_B 0xZ //@Combo \"a\"\r\n", JE_HEX_BAD_DIGIT, 5},
        {Header() + "#define DF_A_B 1 //@Combo \"a\"\r\n#define DF_A_B 2 //@Combo \"b\"\r\n",
         JE_COMBO_NAME_PRESENT, 6},
        {Header("H00090000"), JE_DEFREADER_VERSION_OUTSIDE, 3},
        {Header("H0007FFFF"), JE_DEFREADER_VERSION_OUTSIDE, 3},
        {Header("zz"), JE_DEFREADER_VERSION_NOT_HEX, 3},
        {"//[File]\r\n//[Head]\r\n//@Version H00080000\r\n", JE_DEFREADER_VERSION_NOT_HEX, 3},
        {Header() + std::string(2048, 'x') + "\r\n", JE_LINE_TOO_LONG, 5},
    };
    for (const Case& c : cases) {
        JC_DefineTable table;
        DWORD dwLine = 0;
        EXPECT_EQ(ParseText(c.strText, table, dwLine), c.dwResult) << c.strText;
        EXPECT_EQ(dwLine, c.dwLine) << c.strText;
    }
}

TEST(JC_DefineFileReader, AnEndWithoutFileEndKeepsWhatWasRead)
{
    JC_DefineTable table;
    DWORD dwLine = 0;
    EXPECT_EQ(ParseText(Header("0x80000") + "#define DF_A_B 1 //@Combo \"a\"", table, dwLine), 0u);
    EXPECT_EQ(ValueOf(table, "DF_A_B"), 1u);
    EXPECT_EQ(ParseText("#define DF_A_C 2 //@Combo \"c\"\r\n", table, dwLine), 0u);
    EXPECT_FALSE(table.HasDefine("DF_A_C"));

    // A failure keeps the defines read before it.
    EXPECT_EQ(ParseText(Header() + "#define DF_A_D 4 //@Combo \"d\"\r\nbad\r\n", table, dwLine),
              JE_DEFREADER_NOT_DEFINE);
    EXPECT_EQ(ValueOf(table, "DF_A_D"), 4u);
}

TEST(JC_DefineFileReader, ArgumentFailures)
{
    JC_DefineFileReader reader;
    JC_DefineTable table;
    DWORD dwLine = 0;
    EXPECT_EQ(reader.Parse(nullptr, 5, &table, dwLine), JE_DEFREADER_NULL_TEXT);
    EXPECT_EQ(reader.Parse("x", 0, &table, dwLine), JE_DEFREADER_EMPTY_TEXT);
    EXPECT_EQ(reader.Parse("x", 1, nullptr, dwLine), JE_DEFREADER_PARSE_NULL_TABLE);
    EXPECT_EQ(reader.LoadFile("x.h", nullptr, dwLine), JE_DEFREADER_NULL_TABLE);
    EXPECT_EQ(reader.LoadFolder("x\\", nullptr), JE_DEFREADER_NULL_TABLE);
    EXPECT_EQ(reader.LoadFromMemory(reinterpret_cast<const BYTE*>("x"), 1, nullptr, dwLine),
              JE_DEFREADER_MEMORY_NULL_TABLE);
    EXPECT_EQ(reader.LoadFromMemory(nullptr, 1, &table, dwLine), JE_CODEC_NULL_DATA);

    ScopedTempFolder folder;
    ASSERT_TRUE(WriteTestFile(folder.File("empty.h"), ""));
    EXPECT_EQ(reader.LoadFile(folder.File("empty.h"), &table, dwLine), JE_DEFREADER_EMPTY_FILE);
    EXPECT_EQ(reader.LoadFile(folder.File("missing.h"), &table, dwLine), JE_CODEC_CANNOT_OPEN);
}

TEST(JC_DefineFileReader, LoadsPlainAndScrambledFilesAndMemory)
{
    ScopedTempFolder folder;
    ASSERT_TRUE(WriteTestFile(folder.File("plain.h"), s_szElementFile));
    ASSERT_TRUE(WriteTestFile(folder.File("coded.h"), Encode(s_szElementFile, 5)));
    const Bytes scrambled = Encode(s_szElementFile, 6);

    JC_DefineFileReader reader;
    JC_DefineTable plain;
    JC_DefineTable coded;
    JC_DefineTable memory;
    DWORD dwLine = 0;
    EXPECT_EQ(reader.LoadFile(folder.File("plain.h"), &plain, dwLine), 0u);
    EXPECT_EQ(reader.LoadFileIn(folder.Path() + "\\", "coded.h", &coded, dwLine), 0u);
    EXPECT_EQ(dwLine, 19u);
    EXPECT_EQ(reader.LoadFromMemory(reinterpret_cast<const BYTE*>(scrambled.data()),
                                    static_cast<DWORD>(scrambled.size()), &memory, dwLine), 0u);
    for (const JC_DefineTable* pTable : {&plain, &coded, &memory}) {
        EXPECT_EQ(ValueOf(*pTable, "DF_ELEMENT_FIRE"), 16u);
        EXPECT_EQ(ValueOf(*pTable, "DF_于_X"), 7u);
    }
}

TEST(JC_DefineFileReader, LoadFolderClearsTheTableAndStopsAtAFailure)
{
    ScopedTempFolder folder;
    const std::string strFolder = folder.Path() + "\\";
    ASSERT_TRUE(WriteTestFile(folder.File("a.h"), Header() + "#define DF_A_ONE 1 //@Combo \"1\"\r\n"));
    ASSERT_TRUE(WriteTestFile(folder.File("b.h"), Header() + "#define DF_B_TWO 2 //@Combo \"2\"\r\n"));
    ASSERT_TRUE(WriteTestFile(folder.File("c.txt"), "not a define file"));

    JC_DefineFileReader reader;
    JC_DefineTable table;
    table.AddDefineInfo("DF_OLD_X", 1, "old");
    EXPECT_EQ(reader.LoadFolder(strFolder, &table), 0u);
    EXPECT_FALSE(table.HasCombo("DF_OLD_"));
    EXPECT_EQ(ValueOf(table, "DF_A_ONE"), 1u);
    EXPECT_EQ(ValueOf(table, "DF_B_TWO"), 2u);

    EXPECT_EQ(reader.LoadFolder("", &table), 0u);
    EXPECT_FALSE(table.HasCombo("DF_A_"));

    ASSERT_TRUE(WriteTestFile(folder.File("b.h"), Header() + "#define DF_B_TWO 2 //@Combo\r\n"));
    EXPECT_EQ(reader.LoadFolder(strFolder, &table), JE_DEFREADER_NO_COMMENT);
}

TEST(JC_DefineFileReader, AFailedLoadIsLoggedWithItsFileAndLine)
{
    ScopedTempFolder folder;
    ASSERT_TRUE(WriteTestFile(folder.File("bad.h"), Header() + "oops\r\n"));
    JC_DefineFileReader reader;
    JC_DefineTable table;
    DWORD dwLine = 0;
    const DebuggerOutput output;
    EXPECT_EQ(reader.LoadFile(folder.File("bad.h"), &table, dwLine), JE_DEFREADER_NOT_DEFINE);
    EXPECT_NE(output.Text().find(folder.File("bad.h") + " Line:5 Code:0x88114256"), std::string::npos)
        << output.Text();
}
