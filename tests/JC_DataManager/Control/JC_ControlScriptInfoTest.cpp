#include "JC_DataManager/Control/JC_ControlEvolution.h"
#include "JC_DataManager/Control/JC_ControlScriptFlag.h"
#include "JC_DataManager/Control/JC_ControlScriptInfo.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

#include <cstring>
#include <random>

namespace {

class ControlScriptInfo : public ControlFixture
{
protected:
    ControlScriptInfo()
    {
        Load();
        CreateDirectoryA(Path("Script").c_str(), nullptr);
        EXPECT_EQ(m_Control.Initiation(Root(), "Script\\", &m_DataManager), 0u);
    }

    DWORD Push(const std::string& strScript)
    {
        return m_Control.PushScript(strScript.data(), static_cast<DWORD>(strScript.size()), "Test.txt");
    }

    std::string Next()
    {
        std::string strLine;
        m_dwLastRead = m_Control.ReadNextLine(strLine);
        return strLine;
    }

    JC_ControlScriptInfo m_Control;
    DWORD m_dwLastRead = 0;
};

} // namespace

TEST_F(ControlScriptInfo, AScriptRunsToItsPop)
{
    EXPECT_EQ(m_Control.HasCurrentScript(), FALSE);
    ASSERT_EQ(Push("  First  // said first\r\n\r\n// only a note\r\nSecond\nThird"), 0u) << LogText();
    EXPECT_EQ(m_Control.GetScriptCount(), 1u);
    EXPECT_EQ(m_Control.GetTotalLine(), 3);
    std::string strLine;
    EXPECT_EQ(m_Control.GetLine(2, strLine), 0u);
    EXPECT_EQ(strLine, "Third");
    EXPECT_EQ(m_Control.GetLine(3, strLine), JE_SCRIPTINFO_LINE_OUTSIDE);
    EXPECT_EQ(Next(), "First");
    EXPECT_EQ(Next(), "Second");
    EXPECT_EQ(m_Control.GetWillDealLine(), 2);
    EXPECT_EQ(Next(), "Third");
    EXPECT_EQ(m_dwLastRead, 0u);
    EXPECT_EQ(m_Control.HasCurrentScript(), FALSE);
    EXPECT_EQ(m_Control.GetScriptCount(), 0u);
    EXPECT_EQ(m_Control.ReadNextLine(strLine), JE_SCRIPTINFO_READ_NO_CURRENT_SCRIPT);
    EXPECT_EQ(m_Control.GetCurrentLine(strLine), JE_SCRIPTINFO_NO_CURRENT_SCRIPT);
    EXPECT_EQ(m_Control.GetTotalLine(), 0);
}

TEST_F(ControlScriptInfo, ACalledScriptReturnsToItsCaller)
{
    ASSERT_EQ(Push("A0\r\nA1\r\nA2\r\n"), 0u);
    EXPECT_EQ(Next(), "A0");
    WriteTestFile(Path("Script\\Called.txt"), "B0\r\nB1\r\n");
    ASSERT_EQ(m_Control.OpenScript("Called.txt"), 0u);
    EXPECT_EQ(m_Control.GetScriptCount(), 2u);
    EXPECT_EQ(Next(), "B0");
    EXPECT_EQ(Next(), "B1");
    EXPECT_EQ(m_Control.GetScriptCount(), 1u);
    EXPECT_EQ(m_Control.HasCurrentScript(), TRUE);
    EXPECT_EQ(m_Control.GetWillDealLine(), 1);
    EXPECT_EQ(Next(), "A1");

    // A script that cannot be opened or read leaves the stack as it was.
    EXPECT_EQ(m_Control.OpenScript("Missing.txt"), JE_SCRIPTINFO_CANNOT_OPEN);
    EXPECT_TRUE(Logged("Script\\Missing.txt"));
    EXPECT_NE(Push(""), 0u);
    EXPECT_EQ(Push(std::string(3000, 'x')), JE_SPLITTER_LINE_TOO_LONG);
    EXPECT_EQ(m_Control.GetScriptCount(), 1u);
    EXPECT_EQ(Next(), "A2");
    EXPECT_EQ(m_Control.GetScriptCount(), 0u);

    // A stack left in the save state is bound again at initiation.
    ASSERT_EQ(Push("C0\r\nC1\r\n"), 0u);
    JC_ControlScriptInfo resumed;
    ASSERT_EQ(resumed.Initiation(Root(), "Script\\", &m_DataManager), 0u);
    EXPECT_EQ(resumed.HasCurrentScript(), TRUE);
    std::string strLine;
    EXPECT_EQ(resumed.GetCurrentLine(strLine), 0u);
    EXPECT_EQ(strLine, "C0");
}

TEST_F(ControlScriptInfo, SeekStaysWithinTheScript)
{
    EXPECT_EQ(static_cast<DWORD>(m_Control.SeekLine(0, 0)), JE_SCRIPTINFO_SEEK_NO_CURRENT_SCRIPT);
    ASSERT_EQ(Push("0\n1\n2\n3\n4\n5\n"), 0u);
    EXPECT_EQ(m_Control.SetWillDealLine(3), 0u);
    const struct
    {
        int iOffset;
        int iOrigin;
        int iResult;
        int iLine;
    } seeks[] = {
        {5, 1, static_cast<int>(JE_SCRIPTINFO_SEEK_OUTSIDE), 3},
        {-4, 1, static_cast<int>(JE_SCRIPTINFO_SEEK_OUTSIDE), 3},
        {-2, 1, 1, 1},
        {2, 1, 3, 3},
        {0, 3, static_cast<int>(JE_SCRIPTINFO_SEEK_BAD_ORIGIN), 3},
        {7, 2, 5, 5},
        {7, 0, 0, 0},
    };
    for (const auto& s : seeks) {
        EXPECT_EQ(m_Control.SeekLine(s.iOffset, s.iOrigin), s.iResult) << s.iOffset << "," << s.iOrigin;
        EXPECT_EQ(m_Control.GetWillDealLine(), s.iLine) << s.iOffset << "," << s.iOrigin;
    }
}

TEST_F(ControlScriptInfo, IfResultsAreAStack)
{
    ASSERT_EQ(Push("if\n"), 0u);
    int iValue = 9;
    EXPECT_EQ(m_Control.PopOrderIfResult(iValue), JE_SCRIPTINFO_NO_IF_RESULT);
    EXPECT_EQ(iValue, 0);
    EXPECT_EQ(m_Control.DropOrderIfResult(), JE_SCRIPTINFO_NO_IF_RESULT);
    EXPECT_EQ(m_Control.GetLastOrderIfResult(), 0);
    EXPECT_EQ(m_Control.PushOrderIfResult(1), 0u);
    EXPECT_EQ(m_Control.PushOrderIfResult(0), 0u);
    EXPECT_EQ(m_Control.PushOrderIfResult(1), 0u);
    EXPECT_EQ(m_Control.GetOrderIfResultCount(), 3u);
    EXPECT_EQ(m_Control.GetOrderIfResult(1), 0);
    EXPECT_EQ(m_Control.DropOrderIfResult(), 0u);
    EXPECT_EQ(m_Control.GetLastOrderIfResult(), 0);
    EXPECT_EQ(m_Control.PopOrderIfResult(iValue), 0u);
    EXPECT_EQ(iValue, 0);
    EXPECT_EQ(m_Control.GetOrderIfResultCount(), 1u);
    EXPECT_EQ(m_Control.SetBracketCount(2), 0u);
    EXPECT_EQ(m_Control.GetBracketCount(), 2);
}

TEST_F(ControlScriptInfo, ScriptFlagsAndEvolutions)
{
    JC_ControlScriptFlag flags;
    ASSERT_EQ(flags.Initiation(&m_DataManager), 0u);
    EXPECT_EQ(flags.GetFlagSystem(16), 7);
    flags.AddFlagSystem(16, 5);
    EXPECT_EQ(flags.GetFlagSystem(16), 12);
    flags.SetFlagEvent(3, -1);
    flags.AddFlagTalk(0, 2);
    EXPECT_EQ(flags.GetFlagEvent(3), -1);
    EXPECT_EQ(flags.GetFlagTalk(0), 2);
    flags.SetFlagString(1, "旗標");
    std::string strFlag;
    m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCRIPTFLAG)->GetValidComponent({0, 0})->GetItemValueAt("FlagString", 1, &strFlag);
    EXPECT_EQ(strFlag, "旗標");

    std::unique_ptr<JC_DataComponent> pEvolution = NewRecord(0x50001);
    const JC_StringArray behaviors = {"@Type \"A\"", "@Type \"B\""};
    pEvolution->SetItemValue("EvolutionBehavior", &behaviors);
    const int iHP = 120;
    pEvolution->SetItemValue("EvolutionHP", &iHP);
    JC_ControlEvolution evolution;
    ASSERT_EQ(evolution.Initiation(&m_DataManager), 0u);
    ASSERT_EQ(evolution.SetDataConponent(pEvolution.get()), 0u);
    EXPECT_EQ(evolution.GetEvolutionHP(), 120);
    EXPECT_EQ(evolution.GetEvolutionBehaviorCount(), 2u);
    EXPECT_EQ(evolution.GetEvolutionBehavior(1), "@Type \"B\"");
    EXPECT_EQ(evolution.GetEvolutionBehavior(2), "");
    // A record without the list counts none and says so.
    std::unique_ptr<JC_DataComponent> pGame = NewRecord(0x70001);
    ASSERT_EQ(evolution.SetDataConponent(pGame.get()), 0u);
    EXPECT_EQ(evolution.GetEvolutionBehaviorCount(), 0u);
    EXPECT_TRUE(Logged(" ControlEvolution GetEvolutionBehaviorItemData Fail."));
}

TEST_F(ControlScriptInfo, ThousandsOfMalformedScriptsRunOrAreRefused)
{
    std::mt19937 random(14);
    const char alphabet[] = {'a', ' ', '/', '\r', '\n', '\0', '\xa4', '@', ','};
    for (int i = 0; i < 2000; ++i) {
        std::string strScript(random() % 3000, ' ');
        for (char& c : strScript)
            c = i % 2 == 0 ? alphabet[random() % sizeof(alphabet)] : static_cast<char>(random());
        if (Push(strScript) != 0) {
            EXPECT_EQ(m_Control.GetScriptCount(), 0u);
            continue;
        }
        const int iTotalLine = m_Control.GetTotalLine();
        for (int iLine = 0; iLine < iTotalLine; ++iLine)
            Next();
        ASSERT_EQ(m_Control.GetScriptCount(), 0u) << i;
        ASSERT_EQ(m_Control.HasCurrentScript(), FALSE) << i;
    }
}

TEST_F(ControlScriptInfo, StoredPositionsOutsideTheirScriptAreRefusedOnLoad)
{
    const std::string strFile = "Template\\TemplateDataIrregular\\00\\UnfixedData_ScriptInfo.DATA";
    ASSERT_EQ(Push("Rec,a\nRec,b\n"), 0u);
    ASSERT_EQ(m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCRIPTINFO)->WriteDataFile(Path(strFile), false, false),
              0u);
    const std::string strSaved = ReadTestFile(Path(strFile));
    ASSERT_NE(strSaved.find("TotalLine\"2\""), std::string::npos) << strSaved;
    const struct
    {
        const char* szFrom;
        const char* szTo;
        DWORD dwResult;
    } cases[] = {
        {"TotalLine\"2\"", "TotalLine\"99999\"", JE_UNFIXEDDATA_SCRIPT_POSITION},
        {"TotalLine\"2\"", "TotalLine\"1\"", JE_UNFIXEDDATA_SCRIPT_POSITION},
        {"TotalLine\"2\"", "TotalLine\"-1\"", JE_UNFIXEDDATA_SCRIPT_POSITION},
        {"WillDealLine\"0\"", "WillDealLine\"-7\"", JE_UNFIXEDDATA_SCRIPT_POSITION},
        {"WillDealLine\"0\"", "WillDealLine\"3\"", JE_UNFIXEDDATA_SCRIPT_POSITION},
        // Past the last line is where a script that has run stands.
        {"WillDealLine\"0\"", "WillDealLine\"2\"", 0},
    };
    for (const auto& change : cases) {
        SCOPED_TRACE(change.szTo);
        std::string strText = strSaved;
        const size_t at = strText.find(change.szFrom);
        ASSERT_NE(at, std::string::npos) << strSaved;
        strText.replace(at, std::strlen(change.szFrom), change.szTo);
        Write(strFile, strText);
        EXPECT_EQ(m_DataManager.InitUnfixedData(0), change.dwResult);
        if (change.dwResult != 0) {
            EXPECT_TRUE(Logged("PositionOutsideScript"));
            EXPECT_TRUE(Logged("UnfixedData_ScriptInfo.DATA"));
        }
    }
}
