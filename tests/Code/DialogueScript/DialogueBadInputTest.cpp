#include "Code/DialogueScript/XC_DialogueController.h"

#include "tests/Code/DialogueScript/DialogueFixture.h"

#include <string>
#include <vector>

namespace {

// A dialogue file that uses every dialogue command, for mutating.
std::string AllDialogueCommands()
{
    return DialogueNode(Command("Speak",
                                {{"Type", "Dialogue"}, {"dwPerson", "0"}, {"dwExpression", "1"}, {"dwTalk", "0"}}) +
                        Command("Answer", {{"Type", "Talk"}, {"Target", "B"}, {"dwPersonIdx", "1"}, {"dwPage", "1"},
                                           {"dwTalk", "1"}}) +
                        Command("Face", {{"Type", "SetFace"}, {"dwPersonIdx", "2"}}) +
                        Command("Look", {{"Type", "SetExpression"}, {"Target", "B"}, {"dwExpression", "2"}}) +
                        Command("Walk", {{"Type", "PersonToFloor"}, {"dwPerosnIdx", "7"}, {"dwFloorIdx", "3"}}) +
                        Command("Music", {{"Type", "SetAudioVolume"}, {"dwVolume", "50"}, {"fWorkTime", "0.2"}})) +
           "[Other]\n{\n[Run]\n{\n[N]\n{\nType = Nothing\nfWorkTime = 0.1\n}\n}\n}\n";
}

const std::string DIALOGUE_LINES = "Hello.\r\nAre you there?\r\nABCDE\r\nBye.\r\n";

// A dialogue test whose controller runs the files the tests damage, with
// Ctrl held so every line closes within half a second.
class DialogueBadInputTest : public DialogueTest
{
protected:
    DialogueBadInputTest()
    {
        // Traces would only slow the run down.
        XC_ScriptSet::SetTraceFolder(nullptr);
        m_Input.HoldKey(DIK_LCONTROL, true);
        m_Battle.Place(7);
    }

    // Reads the person data anew, plays the dialogue file for at most a few
    // seconds of frames, and clears it; true when it ended by itself.
    bool Play(const std::string& strScript, const std::string& strLines, const std::string& strPersons)
    {
        m_Pack.files["Dialogue\\DialoguePersonData.txt"] = strPersons;
        m_Pack.files["Dialogue\\Test.txt"] = strLines;
        m_Pack.files["Dialogue\\Script.txt"] = strScript;
        XC_DialogueController controller;
        controller.Init(&m_Environment);
        controller.AddDialogueScript("Dialogue\\Script.txt");
        bool bEnded = false;
        for (int iFrame = 0; iFrame < 200 && !bEnded; ++iFrame) {
            controller.FrameMove(0.04f);
            Frame(0.04f);
            bEnded = !controller.IsDialogueActive();
        }
        controller.Fini();
        return bEnded;
    }

    FakeDialogueBattle m_Battle;
};

// A tiny generator of its own, so every run damages the files the same way.
class Damage
{
public:
    explicit Damage(unsigned int uSeed) : m_uSeed(uSeed) {}

    unsigned int Next() { return m_uSeed = m_uSeed * 1103515245u + 12345u, (m_uSeed >> 16) & 0x7FFF; }

    std::string Apply(std::string strText, const std::vector<std::string>& pieces)
    {
        const int iEdits = 1 + static_cast<int>(Next() % 6);
        for (int i = 0; i < iEdits; ++i) {
            const size_t at = Next() % (strText.size() + 1);
            switch (Next() % 5) {
            case 0: strText.insert(at, pieces[Next() % pieces.size()]); break;
            case 1: strText.erase(at, Next() % 16); break;
            case 2: if (at < strText.size()) strText[at] = static_cast<char>(Next() & 0xFF); break;
            case 3: strText.resize(at); break;
            default:
                if (!strText.empty())
                    strText.insert(at, strText.substr(Next() % strText.size(), Next() % 64));
                break;
            }
        }
        return strText;
    }

private:
    unsigned int m_uSeed;
};

} // namespace

TEST_F(DialogueBadInputTest, MalformedFilesReportAndTheDialogueEnds)
{
    const std::string strPersons = DIALOGUE_PERSON_DATA;
    const std::string strLongWord(100000, 'w');
    const struct
    {
        std::string strScript;
        std::string strLines;
        std::string strPersons;
        const char* szReport;
    } CASES[] = {
        // Person data: empty, words without a person, numbers past any range.
        {AllDialogueCommands(), DIALOGUE_LINES, "", "XC_DialogueScript::GetPersonDataFromIndex Error"},
        {AllDialogueCommands(), DIALOGUE_LINES, " ,\t,\r\n,,,\r\n\t\r\n",
         "Dialogue\\DialoguePersonData.txt line 0 has no words"},
        {AllDialogueCommands(), DIALOGUE_LINES, "fromourteam\r\nfromourteam 0xFFFFFFFF\r\nfromourteam -1\r\n",
         "DialogueScript Dialogue2 error , can't find dwPersonID"},
        {AllDialogueCommands(), DIALOGUE_LINES, "99999999999999999999999 " + strLongWord + " " + strLongWord + "\r\n",
         nullptr},
        {AllDialogueCommands(), DIALOGUE_LINES, std::string("0xFF\0Hero face\\Hero.ant\r\n", 25),
         "Dialogue\\DialoguePersonData.txt line 0 has no name"},
        // Dialogue files: missing, empty, binary, one endless line.
        {AllDialogueCommands(), std::string(), strPersons,
         "XC_DialogueScript::GetDialogueFromLineNum Error , Dialogue\\Test.txt has no line 0"},
        {AllDialogueCommands(), std::string("\0\xFF\xFE\r\n\x80", 6), strPersons, nullptr},
        {AllDialogueCommands(), strLongWord, strPersons, nullptr},
        // Scripts: numbers past every line, person and page; a missing file name; no box.
        {DialogueNode(Command("L", {{"Type", "Dialogue"}, {"dwPerson", "4294967295"}, {"dwTalk", "4294967295"}}) +
                      Command("T", {{"Type", "Talk"}, {"dwPersonIdx", "-1"}, {"dwPage", "4294967295"}})),
         DIALOGUE_LINES, strPersons, "XC_DialogueScript::GetPersonDataFromIndex Error"},
        {"[Dialogue]\n{\n[Sys]\n{\n}\n[Run]\n{\n[L]\n{\nType = Dialogue\ndwTalk = 0\n}\n}\n}\n", DIALOGUE_LINES,
         strPersons, "( lpctstrDialogueFileName ) failed"},
        {"[Dialogue]\n{\n[Run]\n{\n[L]\n{\nType = Talk\nTarget = " + strLongWord + "\ndwTalk = 0\n}\n}\n}\n",
         DIALOGUE_LINES, strPersons, "( pRS_Talk ) failed"},
        {"}}}{{{[Dialogue]\n= = =\n[Sys\n{\n", DIALOGUE_LINES, strPersons, nullptr},
    };
    for (const auto& test : CASES) {
        ErrorLogCapture log;
        EXPECT_TRUE(Play(test.strScript, test.strLines, test.strPersons)) << test.strScript.substr(0, 80);
        if (test.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(test.szReport)) << test.szReport;
        }
    }
}

// Thousands of damaged copies of a dialogue file, its lines and the person
// data: each is played and cleared, and nothing may crash or hang.
TEST_F(DialogueBadInputTest, DamagedFilesNeverCrashOrHang)
{
    const std::string strScript = AllDialogueCommands();
    const std::vector<std::string> scriptPieces = {"{", "}", "[Dialogue]", "\n", " = ", "-", "0x", "dwTalk = 9\n",
                                                   "dwPerson = 4294967295\n", "Target = ", "[Sys]\n{\n}\n",
                                                   "99999999999999999999", "fWorkTime = 1e39\n"};
    const std::vector<std::string> textPieces = {"fromourteam ", "0x", ",", "\t", "\r\n", "\n", " ", "\"",
                                                 std::string(1, '\0'), "\xA4", "99999999999", "-1"};
    Damage damage(20261211);
    for (int iCase = 0; iCase < 3000; ++iCase) {
        std::string strDamagedScript = strScript;
        std::string strLines = DIALOGUE_LINES;
        std::string strPersons = DIALOGUE_PERSON_DATA;
        switch (iCase % 3) {
        case 0: strDamagedScript = damage.Apply(strDamagedScript, scriptPieces); break;
        case 1: strLines = damage.Apply(strLines, textPieces); break;
        default: strPersons = damage.Apply(strPersons, textPieces); break;
        }
        ErrorLogCapture log;
        const bool bEnded = Play(strDamagedScript, strLines, strPersons);
        // Damaged lines or persons never keep the dialogue open: Ctrl closes every line.
        if (iCase % 3 != 0) {
            EXPECT_TRUE(bEnded) << iCase;
        }
    }
}
