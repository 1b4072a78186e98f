#include "TemplateSystem/JC_DataFile.h"

#include "tests/TemplateSystem/CodeEncoder.h"
#include "tests/TemplateSystem/TemplateFixture.h"

#include "TemplateSystem/JC_DebugLog.h"
#include "tests/Support/ScopedTempFolder.h"

#include <cstring>

namespace {

const char* const s_szDateNote = "//!最後更新日期 ";

// A file's text without its date line, which changes with every write.
std::string WithoutDate(const std::string& strText)
{
    const size_t at = strText.find(s_szDateNote);
    if (at == std::string::npos)
        return strText;
    return strText.substr(0, at) + strText.substr(strText.find('\n', at) + 1);
}

// The head of a file, up to its body.
std::string Head(const char* szDistribute = "ARRAY", const char* szIDs = "@UseTemplateID\"H00000010\"\r\n",
                 const char* szSortItem = "")
{
    return std::string("[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n@Distribute\"") + szDistribute + "\"\r\n" + szIDs +
           "@SortItem\"" + szSortItem + "\"\r\n@IsSimplifyDefault\"FALSE\"\r\n@IsSimplifyDefine\"FALSE\"\r\n[HeadEnd]\r\n";
}

std::string Block(const char* szOrder, const std::string& strItems, const char* szTemplateID = "H00000010")
{
    return std::string("@Start\r\n@MainUseTemplateID\"") + szTemplateID + "\"\r\n@DataOrder\"" + szOrder + "\"\r\n" +
           strItems + "@End\r\n";
}

class DataFile : public testing::Test
{
protected:
    DWORD Parse(const std::string& strText, DWORD& dwLine)
    {
        m_Fixture.m_DataFile.DeleteManager(m_pManager);
        return m_Fixture.m_DataFile.Parse(strText.data(), static_cast<DWORD>(strText.size()), m_pManager, dwLine,
                                          nullptr);
    }

    ~DataFile() override { m_Fixture.m_DataFile.DeleteManager(m_pManager); }

    JC_DataComponent* At(const JC_DataOrder& order) const
    {
        return m_pManager != nullptr ? m_pManager->GetValidComponent(order) : nullptr;
    }

    std::string Text(const JC_DataOrder& order, const char* szPath)
    {
        std::string strText;
        JC_DataComponent* pComponent = At(order);
        EXPECT_NE(pComponent, nullptr);
        if (pComponent != nullptr) {
            EXPECT_EQ(pComponent->FormatItemValueByPath(szPath, strText, 0, true), 0u) << szPath;
        }
        return strText;
    }

    // Fills a manager with persons: vectors ending in defaults, a vector
    // below its smallest count, nested weapons and gems, Big5 texts with
    // double quotes and trail bytes that read as '@' and '[', so a byte-wise
    // search would see "@End" and "[FileEnd]".
    void FillManager(DWORD dwDistribute)
    {
        ASSERT_EQ(m_Fixture.m_DataFile.CreateManager(dwDistribute, m_pManager), 0u);
        JC_Template* pPerson = nullptr;
        m_Fixture.m_Templates.FindTemplateByID(0x10, pPerson);
        m_pManager->GetTemplateList().AddTemplate(pPerson, true);
        ASSERT_EQ(m_pManager->GetKeyedIndex().Initiation(JC_ComponentIndex::KEY_NUMBER, "ID"), 0u);
        const bool bTree = dwDistribute == JC_DataComponentMaker::DISTRIBUTE_TREE;
        const JC_DataOrder orders[] = {bTree ? JC_DataOrder{0, 0} : JC_DataOrder{0, 0},
                                       bTree ? JC_DataOrder{1, 0, 2} : JC_DataOrder{0, 3},
                                       bTree ? JC_DataOrder{2, 0, 2, 1} : JC_DataOrder{0, 4}};
        DWORD dwID = 100;
        for (const JC_DataOrder& order : orders) {
            JC_DataComponent* pPersonData = nullptr;
            ASSERT_EQ(m_pManager->GetOrCreateComponent(order, pPersonData), 0u);
            ASSERT_EQ(pPersonData->Create(&m_Fixture.m_Templates, pPerson), 0u);
            ++dwID;
            pPersonData->SetItemValue("ID", &dwID);
        }
        JC_DataComponent& first = *At(orders[0]);
        const std::string strName = "許\"功\"一End 久FileEnd] [HeadEnd] 蓋";
        const int iHP = -5;
        const JC_DWordArray skills{7, 3, 7, 7};
        const JC_StringArray noTitles;
        const JC_FloatArray rates{0.5f, -0.25f, 0.5f};
        const ULONGLONG ullBig = 0x0000002000000001ULL;
        EXPECT_EQ(first.SetItemValue("名字", &strName), 0u);
        EXPECT_EQ(first.SetItemValue("HP", &iHP), 0u);
        EXPECT_EQ(first.SetItemValue("Skills", &skills), 0u);
        EXPECT_EQ(first.SetItemValue("稱號", &noTitles), 0u);
        EXPECT_EQ(first.SetItemValue("Rates", &rates), 0u);
        EXPECT_EQ(first.SetItemValue("Big", &ullBig), 0u);
        EXPECT_EQ(first.SetItemValueText("Sex", "DF_SEX_FEMALE"), 0u);
        EXPECT_EQ(first.SetItemValueText("Rank", "9"), 0u);
        EXPECT_EQ(first.SetItemValueText("Moves", "[2],-3"), 0u);
        EXPECT_EQ(first.SetItemValueTextByPath("Weapon.Power\"77\""), 0u);
        JC_DataComponent gem;
        gem.Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x30));
        gem.SetItemValueText("名字", "紅寶石");
        JC_DataComponent* pWeapon = nullptr;
        first.GetItemValue("Weapon", &pWeapon);
        EXPECT_EQ(pWeapon->SetItemValue("Gem", &gem), 0u);
        JC_DataComponent& second = *At(orders[1]);
        second.SetItemValue("Weapon", static_cast<const JC_DataComponent*>(nullptr));
        EXPECT_EQ(second.SetItemValue("Pet", &gem), JE_COMPONENT_COPY_OTHER_TEMPLATE);
        JC_DataComponent weapon;
        weapon.Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x20));
        EXPECT_EQ(second.SetItemValue("Pet", &weapon), 0u);
        EXPECT_EQ(second.SetItemValueText("稱號", "[5],王"), 0u);
    }

    TemplateFixture m_Fixture;
    JC_DataComponentMaker* m_pManager = nullptr;
};

} // namespace

TEST_F(DataFile, WriteReadWriteGivesTheSameBytesInEveryForm)
{
    for (const DWORD dwDistribute : {JC_DataComponentMaker::DISTRIBUTE_ARRAY, JC_DataComponentMaker::DISTRIBUTE_TREE}) {
        for (const int iForm : {0, 1, 2, 3}) {
            const bool bSimplifyDefault = (iForm & 1) != 0;
            const bool bSimplifyDefine = (iForm & 2) != 0;
            SCOPED_TRACE("distribution " + std::to_string(dwDistribute) + ", form " + std::to_string(iForm));
            FillManager(dwDistribute);
            const std::string strFirst = m_Fixture.File("first.DATA");
            ASSERT_EQ(m_pManager->WriteDataFile(strFirst, bSimplifyDefault, bSimplifyDefine), 0u);
            const std::string strText = ReadTestFile(strFirst);
            EXPECT_EQ(strText.find("//!注意") == std::string::npos, bSimplifyDefault);
            EXPECT_NE(strText.find(s_szDateNote), std::string::npos);
            m_Fixture.m_DataFile.DeleteManager(m_pManager);

            // Plain or scrambled, from a file or from memory (a pack's entry).
            for (const int iSource : {0, 1, 2, 3}) {
                const bool bScrambled = (iSource & 1) != 0;
                const std::string strBytes = bScrambled ? Encode(strText, 5) : strText;
                const std::string strRead = m_Fixture.File("read.DATA");
                WriteTestFile(strRead, strBytes);
                DWORD dwLine = 0;
                const DWORD dwLoaded = (iSource & 2) != 0
                    ? m_Fixture.m_DataFile.LoadDataMemory(reinterpret_cast<const BYTE*>(strBytes.data()),
                                                          static_cast<DWORD>(strBytes.size()), m_pManager, dwLine,
                                                          nullptr)
                    : m_Fixture.m_DataFile.LoadDataFile(strRead, m_pManager, dwLine, nullptr);
                ASSERT_EQ(dwLoaded, 0u) << dwLine << " source " << iSource;
                const std::string strSecond = m_Fixture.File("second.DATA");
                ASSERT_EQ(m_pManager->WriteDataFile(strSecond, bSimplifyDefault, bSimplifyDefine), 0u);
                EXPECT_EQ(WithoutDate(ReadTestFile(strSecond)), WithoutDate(strText));

                const JC_DataOrder first{0, 0};
                EXPECT_EQ(Text(first, "名字"), "許\"功\"一End 久FileEnd] [HeadEnd] 蓋");
                // Defaults past the smallest count are written: the reader grows with zeros.
                EXPECT_EQ(Text(first, "Skills[2]"), "H7");
                EXPECT_EQ(Text(first, "Skills[3]"), "H7");
                EXPECT_EQ(Text(first, "稱號[0]"), "無");
                EXPECT_EQ(Text(first, "Rates[2]"), "F0.500000");
                EXPECT_EQ(Text(first, "Weapon.Gem.名字"), "紅寶石");
                EXPECT_EQ(Text(first, "Flags"), "2307");
                DWORD dwLargest = 0;
                DWORD dwSmallest = 0;
                DWORD dwCount = 0;
                At(first)->GetItemVectorInfo("Skills", dwLargest, dwSmallest, dwCount);
                EXPECT_EQ(dwCount, 4u);
                At(first)->GetItemVectorInfo("Rates", dwLargest, dwSmallest, dwCount);
                EXPECT_EQ(dwCount, 3u);
                EXPECT_NE(m_pManager->GetKeyedIndex().FindByKey(102), nullptr);
                m_Fixture.m_DataFile.DeleteManager(m_pManager);
            }
        }
    }
}

TEST_F(DataFile, WritesTheFormatLineByLine)
{
    ASSERT_EQ(m_Fixture.m_DataFile.CreateManager(JC_DataComponentMaker::DISTRIBUTE_ARRAY, m_pManager), 0u);
    JC_Template* pGem = nullptr;
    m_Fixture.m_Templates.FindTemplateByID(0x30, pGem);
    m_pManager->GetTemplateList().AddTemplate(pGem, true);
    JC_DataComponent* pComponent = nullptr;
    m_pManager->GetOrCreateComponent({0, 1}, pComponent);
    pComponent->Create(&m_Fixture.m_Templates, pGem);
    pComponent->SetItemValueText("名字", "石");
    ASSERT_EQ(m_pManager->WriteDataFile(m_Fixture.File("gem.DATA"), false, false), 0u);
    const std::string strText = ReadTestFile(m_Fixture.File("gem.DATA"));
    const std::string strNotes = "\r\n//!注意1.資料必須在 [File] 之後 開始設定 在 [FileEnd] 之後結束(停止分析)\r\n";
    EXPECT_EQ(strText.compare(0, strNotes.size(), strNotes), 0);
    const size_t at = strText.find(s_szDateNote);
    ASSERT_NE(at, std::string::npos);
    // asctime's 24 characters and its LF, then the format's CR LF pairs.
    EXPECT_EQ(strText.substr(at + std::strlen(s_szDateNote) + 24, 9), "\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(strText.substr(at + std::strlen(s_szDateNote) + 33),
              "[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n@Distribute\"ARRAY\"\r\n@UseTemplateID\"H00000030\"\r\n"
              "@SortItem\"\"\r\n@IsSimplifyDefault\"FALSE\"\r\n@IsSimplifyDefine\"FALSE\"\r\n[HeadEnd]\r\n\r\n\r\n"
              "@Start\r\n@MainUseTemplateID\"H00000030\"\r\n@DataOrder\"0,1\"\r\nID\"0\"\r\n名字\"石\"\r\n@End\r\n\r\n\r\n"
              "[FileEnd]\r\n");
}

TEST_F(DataFile, RefusesValuesTheReaderWouldNotReadBack)
{
    FillManager(JC_DataComponentMaker::DISTRIBUTE_ARRAY);
    const std::string strPath = m_Fixture.File("keep.DATA");
    WriteTestFile(strPath, "old");
    for (const char* szValue : {"a //! note", "a\r\nb", "a\nb", "[FileEnd]"}) {
        At({0, 0})->SetItemValueText("名字", szValue);
        EXPECT_EQ(m_pManager->WriteDataFile(strPath, false, false), JE_COMPONENT_WRITE_UNFAITHFUL) << szValue;
    }
    At({0, 0})->SetItemValueText("名字", "ok");
    At({0, 0})->SetItemValueText("稱號", "[0],a//!b");
    EXPECT_EQ(m_pManager->WriteDataFile(strPath, false, false), JE_COMPONENT_WRITE_UNFAITHFUL);
    At({0, 0})->SetItemValueText("稱號", "[0]," + std::string(2100, 'x'));
    EXPECT_EQ(m_pManager->WriteDataFile(strPath, false, false), JE_COMPONENT_WRITE_UNFAITHFUL);
    At({0, 0})->SetItemValueText("稱號", "[0],ok");

    // A COMBO value without a define name is written as a number only.
    At({0, 0})->SetItemValueText("Sex", "9");
    EXPECT_EQ(m_pManager->WriteDataFile(strPath, false, false), JE_COMPONENT_FORMAT_NO_DEFINE);
    EXPECT_EQ(ReadTestFile(strPath), "old");
    EXPECT_EQ(m_pManager->WriteDataFile(strPath, false, true), 0u);
    EXPECT_NE(ReadTestFile(strPath).find("Sex\"H9\""), std::string::npos);
    At({0, 0})->SetItemValueText("Sex", "DF_SEX_MALE");

    // A position past 32768, reached by inserting, fails before the file.
    auto& array = static_cast<JC_DataArrayManager&>(*m_pManager);
    JC_DataComponent* pLast = nullptr;
    array.GetOrCreateComponent({0, 32768}, pLast);
    pLast->Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x10));
    WriteTestFile(strPath, "old");
    EXPECT_EQ(array.WriteDataFile(strPath, false, false), 0u);
    EXPECT_EQ(array.WriteDataFile(m_Fixture.File("no such folder\\x.DATA"), false, false), JE_ARRAY_FILE_NOT_WRITTEN);
    EXPECT_EQ(array.InsertComponent({0, 0}, pLast), 0u);
    WriteTestFile(strPath, "old");
    EXPECT_EQ(array.WriteDataFile(strPath, false, false), JE_ARRAY_POSITION_TOO_LARGE);
    EXPECT_EQ(ReadTestFile(strPath), "old");
}

TEST_F(DataFile, TreeOrdersTheReaderRefusesFailBeforeTheFile)
{
    FillManager(JC_DataComponentMaker::DISTRIBUTE_TREE);
    auto& tree = static_cast<JC_DataTreeManager&>(*m_pManager);
    const std::string strPath = m_Fixture.File("tree.DATA");
    WriteTestFile(strPath, "old");
    JC_DataComponent* pNode = nullptr;
    tree.GetOrCreateComponent({0, 5119}, pNode);
    JC_DataComponent* pFar = tree.InsertNode(nullptr, nullptr, JM_TREE_LAST);
    pFar->Create(&m_Fixture.m_Templates, &m_Fixture.Template(0x10));
    EXPECT_EQ(tree.WriteDataFile(strPath, false, false), JE_COMPONENT_WRITE_NO_ORDER);
    EXPECT_EQ(ReadTestFile(strPath), "old");
    tree.RemoveNode(pFar);
    // More nodes than its text lets the reader make.
    for (int i = 0; i < 70000; ++i)
        tree.InsertNode(nullptr, pNode, JM_TREE_LAST);
    EXPECT_EQ(tree.WriteDataFile(strPath, false, false), JE_TREE_TOO_MANY_NODES);
    EXPECT_EQ(ReadTestFile(strPath), "old");
    tree.RemoveNode(pNode);
    // A read-only file is replaced all the same.
    SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(tree.WriteDataFile(strPath, true, false), 0u);
    EXPECT_NE(ReadTestFile(strPath), "old");
}

TEST_F(DataFile, MalformedFilesFailWithTheirCodeAndLine)
{
    const std::string strPerson = Head();
    const std::string strHead150 = std::string(141, '\n') + Head();
    struct Case
    {
        const char* szWhat;
        std::string strText;
        DWORD dwCode;
        DWORD dwLine;
    };
    const Case cases[] = {
        {"truncated", strPerson + Block("0,0", "HP\"5\"\r\n"), JE_DATAFILE_TRUNCATED, 14},
        {"truncated head", "[File]\r\n[Head]\r\n", JE_DATAFILE_TRUNCATED, 2},
        {"head end on line 150", strHead150 + "[FileEnd]\r\n", 0, 151},
        {"head end on line 151", "\n" + strHead150 + "[FileEnd]\r\n", JE_DATAFILE_HEAD_TOO_LONG, 151},
        {"version", "[File]\r\n[Head]\r\n@Version\"H00090000\"\r\n", JE_DATAFILE_VERSION_OUTSIDE, 3},
        {"version text", "[File]\r\n[Head]\r\n@Version\"80000\"\r\n", JE_DATAFILE_VERSION_NOT_HEX, 3},
        {"distribute", Head("LIST"), JE_DATAFILE_BAD_DISTRIBUTE_TEXT, 4},
        {"template id", Head("ARRAY", "@UseTemplateID\"Hzz\"\r\n"), JE_DATAFILE_ID_NOT_HEX, 5},
        {"unknown template", Head("ARRAY", "@UseTemplateID\"H99\"\r\n"), JE_TEMPLATELIST_ID_ABSENT, 9},
        {"template twice", Head("ARRAY", "@UseTemplateID\"H10\"\r\n@UseTemplateID\"0x10\"\r\n"),
         JE_TEMPLATELIST_ID_PRESENT, 10},
        {"sort item type", Head("ARRAY", "@UseTemplateID\"H10\"\r\n", "HP"), JE_DATAFILE_BAD_SORT_ITEM, 9},
        {"simplify default", "[File]\r\n[Head]\r\n@Version\"H80000\"\r\n@Distribute\"TREE\"\r\n@SortItem\"\"\r\n"
                             "@IsSimplifyDefault\"YES\"\r\n",
         JE_DATAFILE_SIMPLIFY_DEFAULT_TEXT, 6},
        {"block template quotes", strPerson + "@Start\r\n@MainUseTemplateID H10\r\n", JE_DATAFILE_NO_QUOTES, 11},
        {"block template", strPerson + Block("0,0", "", "H40"), JE_DATAFILE_NO_TEMPLATE, 11},
        {"order", strPerson + Block("1,3", ""), JE_DATAFILE_ORDER_REFUSED, 12},
        {"tree order", Head("TREE") + Block("0,5120", ""), JE_DATAFILE_ORDER_REFUSED, 12},
        {"item quotes", strPerson + Block("0,0", "HP 5\r\n"), JE_DATAFILE_NO_QUOTES, 13},
        {"item range", strPerson + Block("0,0", "HP\"1001\"\r\n"), JE_COMPONENT_OUTSIDE_RANGE, 13},
        {"float without F", strPerson + Block("0,0", "Speed\"1.5\"\r\n"), JE_DATAFILE_VALUE_REFUSED, 13},
        {"sub item", strPerson + Block("0,0", "@StartSub\"HP\"\r\n"), JE_DATAFILE_NO_SUB_ITEM, 13},
        {"bare end in a sub block", strPerson + Block("0,0", "@StartSub\"Weapon\"\r\n"), JE_DATAFILE_NO_QUOTES, 14},
        {"duplicate key", Head("ARRAY", "@UseTemplateID\"H10\"\r\n", "ID") + Block("0,0", "") + Block("0,1", "") +
                              "[FileEnd]\r\n",
         JE_INDEX_KEY_PRESENT, 18},
        {"line too long", strPerson + std::string(2048, 'x') + "\r\n", JE_LINE_TOO_LONG, 10},
        // A second block of one order would lay the first out anew.
        {"order twice", strPerson + Block("0,1", "HP\"5\"\r\n") + Block("0,1", ""), JE_DATAFILE_ORDER_REPEATED, 17},
        {"tree order twice", Head("TREE") + Block("1,0,2", "") + Block("1,0,2", ""), JE_DATAFILE_ORDER_REPEATED, 16},
        {"tree too large", Head("TREE") + Block("15,5119,5119,5119,5119,5119,5119,5119,5119,5119,5119,5119,5119,5119,5119,5119,5119", ""),
         JE_DATAFILE_NO_COMPONENT, 12},
    };
    for (const Case& c : cases) {
        DWORD dwLine = 0;
        EXPECT_EQ(Parse(c.strText, dwLine), c.dwCode) << c.szWhat;
        EXPECT_EQ(dwLine, c.dwLine) << c.szWhat;
        EXPECT_EQ(m_pManager != nullptr, c.dwCode == 0) << c.szWhat;
    }
}

TEST_F(DataFile, WhatItLetsPassIsNotedWithTheFileAndLine)
{
    ScopedTempFolder folder;
    ASSERT_EQ(gp_DebugInfoObj->OpenLogFile(folder.File("log.txt").c_str(), 1, FILE_SHARE_READ), S_OK);
    const std::string strOpenBlock = "@Start\r\n@MainUseTemplateID\"H00000010\"\r\n@DataOrder\"0,0\"\r\n";
    const struct
    {
        const char* szWhat;
        std::string strBody;
        const char* szNote;
    } cases[] = {
        {"misspelt item", Block("0,0", "HP\"5\"\r\nHPP\"5\"\r\n"), "Line:14 ItemNotInTemplate:HPP"},
        {"a word for a number", Block("0,0", "HP\"12x\"\r\n"), "Line:13 ValueNotNumber:HP\"12x\""},
        {"an element twice", Block("0,0", "Skills\"[0],1\"\r\nSkills\"[1],2\"\r\nSkills\"[1],3\"\r\n"),
         "Line:15 ElementRepeatedOrOutOfOrder:Skills\"[1],3\""},
        {"elements out of order", Block("0,0", "Skills\"[2],1\"\r\nSkills\"[0],2\"\r\n"),
         "Line:14 ElementRepeatedOrOutOfOrder:Skills\"[0],2\""},
        {"no @End", strOpenBlock + "HP\"5\"\r\n", "Line:14 BlockWithoutEnd"},
        {"@EndSub in the record", Block("0,0", "@EndSub\"Weapon\"\r\nHP\"9\"\r\n"), "Line:13 EndSubOutsideSubRecord"},
        {"@EndSub of another sub-record",
         Block("0,0", "@StartSub\"Weapon\"\r\nPower\"1\"\r\n@EndSub\"Gem\"\r\n"),
         "Line:15 EndSubNameMismatch:Gem(open:Weapon)"},
    };
    for (const auto& noted : cases) {
        SCOPED_TRACE(noted.szWhat);
        const std::string strPath = folder.File(std::string(noted.szWhat) + ".DATA");
        WriteTestFile(strPath, Head() + noted.strBody + "[FileEnd]\r\n");
        DWORD dwLine = 0;
        m_Fixture.m_DataFile.DeleteManager(m_pManager);
        EXPECT_EQ(m_Fixture.m_DataFile.LoadDataFile(strPath, m_pManager, dwLine, nullptr), 0u);
        const std::string strLog = ReadTestFile(folder.File("log.txt"));
        EXPECT_NE(strLog.find("File:" + strPath + " " + noted.szNote), std::string::npos) << strLog;
    }
    // A clean file is not noted.
    const std::string strClean = folder.File("clean.DATA");
    WriteTestFile(strClean, Head() + Block("0,0", "HP\"5\"\r\n") + "[FileEnd]\r\n");
    DWORD dwLine = 0;
    m_Fixture.m_DataFile.DeleteManager(m_pManager);
    EXPECT_EQ(m_Fixture.m_DataFile.LoadDataFile(strClean, m_pManager, dwLine, nullptr), 0u);
    EXPECT_EQ(ReadTestFile(folder.File("log.txt")).find("clean.DATA"), std::string::npos);
    // Closes the file, so that its folder can go.
    EXPECT_EQ(gp_DebugInfoObj->OpenLogFile("", 1, 0), E_FAIL);
}

TEST_F(DataFile, ReadsBlocksAsTheFormatSays)
{
    DWORD dwLine = 0;
    // "@EndSub" in a main block holds "@End" and ends it; the COMBO reads
    // by define name and by number alike; an unknown item is passed over.
    const std::string strText = Head() +
                                Block("0,0", "Sex\"DF_SEX_FEMALE\"\r\nunknown\"1\"\r\n名字\"a\"b\"\r\n名字 \"x\"\r\n") +
                                Block("0,1", "Sex\"H2\"\r\n@EndSub\"Weapon\"\r\nHP\"9\"\r\n") +
                                "@Start\r\n@MainUseTemplateID\"H10\"\r\n@DataOrder\"0,2\"\r\n"
                                "@StartSub\"Weapon\"\r\nPower\"1\"\r\n@StartSub\"Gem\"\r\n名字\"石\"\r\n@EndSub\"Gem\"\r\n"
                                "@EndSub\"Weapon\"\r\nHP\"8\"\r\n@End\r\n[FileEnd]\r\n";
    ASSERT_EQ(Parse(strText, dwLine), 0u);
    EXPECT_EQ(Text({0, 0}, "Sex"), Text({0, 1}, "Sex"));
    EXPECT_EQ(Text({0, 0}, "名字"), "a\"b");
    EXPECT_EQ(Text({0, 1}, "HP"), "50");
    EXPECT_EQ(Text({0, 2}, "Weapon.Gem.名字"), "石");
    EXPECT_EQ(Text({0, 2}, "HP"), "8");

    m_Fixture.m_DataFile.SetDistributeType(1);
    EXPECT_EQ(Parse(strText, dwLine), JE_COMPONENT_TEXT_NO_ITEM);
    EXPECT_EQ(dwLine, 14u);
    EXPECT_EQ(m_Fixture.m_DataFile.SetDistributeType(3), JE_DATAFILE_BAD_DISTRIBUTE);
    m_Fixture.m_DataFile.SetDistributeType(2);

    // A note cuts a value short: "//!" starts one anywhere in a line.
    ASSERT_EQ(Parse(Head() + Block("0,0", "名字\"a//!b\"\r\n名字\"c\"//!\"d\"\r\n") + "[FileEnd]\r\n", dwLine),
              JE_DATAFILE_NO_QUOTES);
}

TEST_F(DataFile, KeepsTheShapeOfATreeButWritesOnlyItsComponents)
{
    DWORD dwLine = 0;
    ASSERT_EQ(Parse(Head("TREE") + Block("2,0,3,1", "HP\"7\"\r\n") + "[FileEnd]\r\n", dwLine), 0u);
    auto& tree = static_cast<JC_DataTreeManager&>(*m_pManager);
    EXPECT_EQ(tree.GetChildCount(nullptr), 1u);
    EXPECT_EQ(tree.GetChildCount(tree.GetChild(nullptr, 0)), 4u);
    EXPECT_EQ(tree.GetChildCount(tree.GetComponent({1, 0, 3})), 2u);
    ASSERT_EQ(tree.WriteDataFile(m_Fixture.File("tree.DATA"), true, true), 0u);
    const std::string strText = ReadTestFile(m_Fixture.File("tree.DATA"));
    EXPECT_EQ(strText.find("@DataOrder"), strText.rfind("@DataOrder"));
    EXPECT_NE(strText.find("@DataOrder\"2,0,3,1\""), std::string::npos);

    // Nested blocks deeper than a layout may nest are refused.
    std::string strChain = Head("TREE", "") + "@Start\r\n@MainUseTemplateID\"H50\"\r\n@DataOrder\"0,0\"\r\n";
    for (int i = 0; i < 40; ++i)
        strChain += "@StartSub\"Next\"\r\n";
    EXPECT_EQ(Parse(strChain, dwLine), JE_DATAFILE_NESTED_TOO_DEEP);
    EXPECT_EQ(dwLine, 11u + JC_DataComponent::MAX_NESTING);
}

TEST_F(DataFile, TheObjectChecksItsCallers)
{
    JC_DataFile dataFile;
    JC_DataComponentMaker* pManager = nullptr;
    DWORD dwLine = 0;
    EXPECT_EQ(dataFile.LoadDataFile(m_Fixture.File("x"), pManager, dwLine, nullptr), JE_DATAFILE_NOT_INITIATED);
    EXPECT_EQ(dataFile.Initiation(nullptr), JE_DATAFILE_NULL_LIST);
    ASSERT_EQ(dataFile.Initiation(&m_Fixture.m_Templates), 0u);
    WriteTestFile(m_Fixture.File("empty.DATA"), "");
    EXPECT_EQ(dataFile.LoadDataFile(m_Fixture.File("empty.DATA"), pManager, dwLine, nullptr), JE_DATAFILE_EMPTY_FILE);
    EXPECT_EQ(dataFile.LoadDataFile(m_Fixture.File("none.DATA"), pManager, dwLine, nullptr), JE_CODEC_CANNOT_OPEN);
    const std::string strText = Head() + "[FileEnd]\r\n";
    WriteTestFile(m_Fixture.File("ok.DATA"), strText);
    ASSERT_EQ(dataFile.LoadDataFile(m_Fixture.File("ok.DATA"), pManager, dwLine, nullptr), 0u);
    JC_DataComponentMaker* const pFirst = pManager;
    EXPECT_EQ(dataFile.LoadDataFile(m_Fixture.File("ok.DATA"), pManager, dwLine, nullptr), JE_DATAFILE_MANAGER_SET);
    EXPECT_EQ(pManager, pFirst);
    EXPECT_EQ(dataFile.LoadDataMemory(reinterpret_cast<const BYTE*>(strText.data()),
                                      static_cast<DWORD>(strText.size()), pManager, dwLine, nullptr),
              JE_DATAFILE_MEMORY_MANAGER_SET);
    EXPECT_EQ(dataFile.CreateManager(1, pManager), JE_DATAFILE_CREATE_MANAGER_SET);
    EXPECT_EQ(dataFile.DeleteManager(pManager), 0u);
    EXPECT_EQ(pManager, nullptr);
    // A damaged block in memory fails with its code and line, like a file.
    const std::string strBroken = Head() + "@Start\"0,0\"\r\nNoSuchItem\"1\"\r\n";
    EXPECT_NE(dataFile.LoadDataMemory(reinterpret_cast<const BYTE*>(strBroken.data()),
                                      static_cast<DWORD>(strBroken.size()), pManager, dwLine, nullptr),
              0u);
    EXPECT_GT(dwLine, 0u);
    EXPECT_EQ(pManager, nullptr);
    EXPECT_EQ(dataFile.Parse(nullptr, 1, pManager, dwLine, nullptr), JE_DATAFILE_NO_DATA);
    EXPECT_EQ(dataFile.Parse("x", 0, pManager, dwLine, nullptr), JE_DATAFILE_DATA_EMPTY);
}

TEST_F(DataFile, TellsAProgressReporterEveryLine)
{
    class Progress : public JI_DataFileProgress
    {
    public:
        void SetFirstSwitch(DWORD dwOn) override { m_strCalls += "first " + std::to_string(dwOn) + ";"; }
        void SetSecondSwitch(DWORD dwOn) override { m_strCalls += "second " + std::to_string(dwOn) + ";"; }
        void SetRange(DWORD dwHigh, DWORD) override { m_strCalls += "range " + std::to_string(dwHigh) + ";"; }
        void SetPosition(DWORD dwPosition, DWORD) override { m_strCalls += std::to_string(dwPosition) + ";"; }
        std::string m_strCalls;
    } progress;
    const std::string strText = Head() + "[FileEnd]\r\n";
    DWORD dwLine = 0;
    ASSERT_EQ(m_Fixture.m_DataFile.Parse(strText.data(), static_cast<DWORD>(strText.size()), m_pManager, dwLine,
                                         &progress),
              0u);
    EXPECT_EQ(progress.m_strCalls, "first 1;second 1;range 10;1;2;3;4;5;6;7;8;9;10;");
}
