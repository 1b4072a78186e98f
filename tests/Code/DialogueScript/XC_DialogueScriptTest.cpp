#include "Code/DialogueScript/XC_DialogueScript.h"

#include "Code/DialogueScript/XC_DialogueController.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "tests/Code/DialogueScript/DialogueFixture.h"
#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/Support/SampleGameApplication.h"

#include <string>

namespace {

typedef DialogueTest DialogueScriptTest;

// Everything a person line gives, and its result.
struct PersonData
{
    HRESULT hr;
    std::string strAniName;
    std::string strName;
    DWORD dwColor;
};

PersonData ReadPerson(const XC_DialogueScript& script, DWORD dwPerson)
{
    XC_String strAniName = "unset";
    XC_String strName = "unset";
    DWORD dwColor = 0x12345678;
    const HRESULT hr = script.GetPersonDataFromIndex(dwPerson, strAniName, strName, dwColor);
    return {hr, strAniName, strName, dwColor};
}

bool operator==(const PersonData& a, const PersonData& b)
{
    return a.hr == b.hr && a.strAniName == b.strAniName && a.strName == b.strName && a.dwColor == b.dwColor;
}

std::ostream& operator<<(std::ostream& out, const PersonData& data)
{
    return out << std::hex << data.hr << " " << data.strAniName << " " << data.strName << " " << data.dwColor;
}

} // namespace

TEST_F(DialogueScriptTest, LinesAreNumberedFromZeroAndTheCountIsOutOfRange)
{
    ASSERT_EQ(LoadAndRun(DialogueNode("")), S_OK);
    const XC_DialogueScript* const pScript = Script();
    ASSERT_NE(pScript, nullptr);
    const struct
    {
        DWORD dwLine;
        HRESULT hr;
        const char* szLine;
    } CASES[] = {{0, S_OK, "Hello."}, {3, S_OK, "Bye."}, {4, E_FAIL, "unchanged"}, {0xFFFFFFFF, E_FAIL, "unchanged"}};
    for (const auto& test : CASES) {
        XC_String stringDialogue = "unchanged";
        EXPECT_EQ(pScript->GetDialogueFromLineNum(test.dwLine, stringDialogue), test.hr) << test.dwLine;
        EXPECT_EQ(stringDialogue, test.szLine) << test.dwLine;
    }
}

TEST_F(DialogueScriptTest, PersonLinesOfTheSecondForm)
{
    XC_IOTextFile personData;
    const std::string strData = "0xFFFFFFFF Hero face\\Hero.ant\r\n"
                                "4294901760\tSage,face\\Sage.ant extra words\r\n"
                                "0x80FF0000 Lonely\r\n"
                                "0x10\r\n"
                                " , \r\n"
                                "fromourteamX Bob face\\Bob.ant\r\n";
    personData.LoadFromMemory(strData.data(), static_cast<DWORD>(strData.size()));
    XC_DialogueScript script;
    script.SetPersonData(&personData);
    const PersonData CASES[] = {
        {S_OK, "face\\Hero.ant", "Hero", 0xFFFFFFFF},
        {S_OK, "face\\Sage.ant", "Sage", 0xFFFF0000},
        {E_FAIL, "unset", "Lonely", 0x80FF0000},
        {E_FAIL, "unset", "unset", 0x10},
        {E_FAIL, "unset", "unset", 0x12345678},
        {S_OK, "face\\Bob.ant", "Bob", 0},
        {E_FAIL, "unset", "unset", 0x12345678},
    };
    for (DWORD dwPerson = 0; dwPerson < sizeof(CASES) / sizeof(CASES[0]); ++dwPerson)
        EXPECT_EQ(ReadPerson(script, dwPerson), CASES[dwPerson]) << dwPerson;
    EXPECT_TRUE(m_Log.Contains("XC_DialogueScript::GetPersonDataFromIndex Error"));

    XC_String strAniName;
    XC_String strName;
    DWORD dwColor = 0;
    EXPECT_EQ(script.GetPersonFaceFromIndex(1, strAniName), S_OK);
    EXPECT_EQ(script.GetPersonNameFromIndex(1, strName, dwColor), S_OK);
    EXPECT_EQ(strAniName, "face\\Sage.ant");
    EXPECT_EQ(strName, "Sage");
    EXPECT_EQ(dwColor, 0xFFFF0000u);
}

TEST_F(DialogueScriptTest, WithoutPersonDataEveryPersonIsMissing)
{
    XC_DialogueScript script;
    EXPECT_EQ(ReadPerson(script, 0).hr, E_FAIL);
}

TEST_F(DialogueScriptTest, AMissingDialogueFileLeavesTheScriptWithoutLines)
{
    ASSERT_EQ(LoadAndRun(DialogueNode(Command("Line", {{"Type", "Dialogue"}, {"dwTalk", "0"}}), "Dialogue\\Gone.txt")),
              S_OK);
    EXPECT_TRUE(m_Log.Contains("XC_DialogueScript::LoadDialogueFile\n\t讀取檔案失敗 Dialogue\\Gone.txt"));
    EXPECT_EQ(m_Manager.GetAllWorkCount(), 0u);
    m_Manager.Clear();

    std::string strText = DialogueNode("");
    strText.erase(strText.find("DialogueFile"), std::string("DialogueFile = Dialogue\\Test.txt").size());
    ASSERT_EQ(LoadAndRun(strText), S_OK);
    EXPECT_TRUE(m_Log.Contains("( lpctstrDialogueFileName ) failed"));
    XC_String stringDialogue;
    EXPECT_EQ(Script()->GetDialogueFromLineNum(0, stringDialogue), E_FAIL);
}

namespace {

// The sample game's data layer with a goblin (person 11, of no sex) and the
// healer (person 3, female) in the player's team at positions 4 and 9.
class TeamPersonTest : public BuiltDataLayer
{
protected:
    TeamPersonTest()
    {
        EXPECT_EQ(JF_Build(GamePath("")), 0u);
        JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
        EXPECT_EQ(team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, 4, 11), 0u);
        EXPECT_EQ(team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, 9, 3), 0u);
        const std::string strData = "fromourteam 11\r\nfromourteam,0x03\r\nfromourteam 0x0A\r\nfromourteam\r\n";
        m_PersonData.LoadFromMemory(strData.data(), static_cast<DWORD>(strData.size()));
        m_Script.SetPersonData(&m_PersonData);
    }

    ErrorLogCapture m_Log;
    XC_IOTextFile m_PersonData;
    XC_DialogueScript m_Script;
};

} // namespace

TEST_F(TeamPersonTest, FromOurTeamTakesNamePortraitAndColourFromTheGameData)
{
    const PersonData CASES[] = {
        {S_OK, "face\\sf000b0004.ant", "哥布林", 0xff8dcef3},
        {S_OK, "face\\sf00030003.ant", "莉娜", 0xfff4abcf},
        {E_FAIL, "unset", "unset", 0x12345678},
        {E_FAIL, "unset", "unset", 0x12345678},
    };
    for (DWORD dwPerson = 0; dwPerson < sizeof(CASES) / sizeof(CASES[0]); ++dwPerson)
        EXPECT_EQ(ReadPerson(m_Script, dwPerson), CASES[dwPerson]) << dwPerson;
    EXPECT_TRUE(m_Log.Contains("DialogueScript Dialogue2 error , can't find dwPersonID = 10"));
}

namespace {

// The sample game's battlefield dialogue over the party of a new game (the
// hero, the fighter and the healer at positions 0 to 2), with the sample's
// files in a fake pack and Ctrl held.
class SampleBattlefieldTest : public TeamPersonTest
{
protected:
    SampleBattlefieldTest()
    {
        JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
        for (int iPerson = 1; iPerson <= 3; ++iPerson)
            EXPECT_EQ(team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, iPerson - 1, iPerson), 0u);
        for (const char* szFile : {"DialoguePersonData.txt", "Battlefield.txt", "BattlefieldTalk.txt"}) {
            m_Pack.files[std::string("Dialogue\\") + szFile] =
                ReadTestFile(SampleGameFolder() + "GameData\\Dialogue\\" + szFile);
        }
        for (const char* szFace : {"sf00010001", "sf00020002", "sf00030003"})
            m_Animations.Add(std::string("face\\") + szFace + ".ant", 2);
        m_Animations.Add("menu\\TalkBox.ant", 2);
        m_Input.HoldKey(DIK_LCONTROL, true);
    }

    FakeEnvironment m_Environment;
    FakeFont m_Font;
    FakeDataPack m_Pack;
    DialogueAnimations m_Animations;
    DialogueInput m_Input;
};

} // namespace

TEST_F(SampleBattlefieldTest, ThePartySpeaksEveryLineAndTheDialogueEnds)
{
    XC_DialogueController controller;
    ASSERT_EQ(controller.Init(&m_Environment), S_OK);
    controller.AddDialogueScript("Dialogue\\Battlefield.txt");
    int iFrame = 0;
    for (; iFrame < 200 && controller.IsDialogueActive(); ++iFrame) {
        m_Input.BeginFrame();
        controller.FrameMove(0.05f);
        g_pTimerManager->Update(0.05f);
        m_Input.EndFrame();
    }
    EXPECT_FALSE(controller.IsDialogueActive()) << iFrame;
    controller.Fini();
    // Without a device no picture loads; everything the dialogue names exists.
    for (const char* szReport : {"GetPersonDataFromIndex Error", "Dialogue2 error", "GetDialogueFromLineNum Error",
                                 "找不到資源", "讀取檔案失敗", "DoEvent"})
        EXPECT_EQ(m_Log.Text().find(szReport), std::string::npos) << szReport << "\n" << m_Log.Text();
}
