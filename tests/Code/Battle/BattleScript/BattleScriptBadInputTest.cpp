#include "Code/Battle/BattleScript/XC_BattleScriptManager.h"

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const s_szFile = "BattleScript\\Damaged.txt";
const unsigned FILES = 2000;

std::string SampleScript(const char* szName)
{
    std::ifstream file(std::string(std::getenv("OSKEL_SAMPLE_GAME")) + "GameData\\BattleScript\\" + szName,
                       std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& strText)
{
    std::vector<std::string> lines;
    std::istringstream stream(strText);
    for (std::string strLine; std::getline(stream, strLine);)
        lines.push_back(strLine);
    return lines;
}

// A battle-script file damaged the ways a designer's slip or a broken copy
// damages it: lines lost or doubled, nodes renamed to the names the fitting
// looks for, commands of no kind, numbers out of every range, bytes changed.
std::string Damaged(const std::string& strText, std::mt19937& random)
{
    static const char* const s_aszNodes[] = {"[Hit]", "[Result]", "[ActionList]", "[ActionList_Hit]",
                                             "[ActionList_Dodge]", "[BattleScriptSys]", "[ActivePerson2]", "[Zz]"};
    static const char* const s_aszNumbers[] = {"4294967296", "-99999999999", "1e39", "-1e39", "nan", "-1", "0x7fffffff"};
    std::vector<std::string> lines = Lines(strText);
    const int iEdits = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < iEdits && !lines.empty(); ++i) {
        std::string& strLine = lines[random() % lines.size()];
        const size_t uEquals = strLine.find(" = ");
        switch (random() % 7) {
        case 0: lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(random() % lines.size())); break;
        case 1: lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(random() % lines.size()), strLine); break;
        case 2:
            if (strLine.find('[') != std::string::npos)
                strLine = "\t" + std::string(s_aszNodes[random() % std::size(s_aszNodes)]);
            break;
        case 3:
            if (uEquals != std::string::npos)
                strLine = strLine.substr(0, uEquals + 3) + s_aszNumbers[random() % std::size(s_aszNumbers)];
            break;
        case 4:
            if (strLine.find("Type = ") != std::string::npos)
                strLine = "\t\t\tType = NoSuchCommand";
            break;
        case 5:
            if (!strLine.empty())
                strLine[random() % strLine.size()] = static_cast<char>(random() % 256);
            break;
        default: strLine = strLine.substr(0, random() % (strLine.size() + 1)); break;
        }
    }
    std::string strDamaged;
    for (const std::string& strLine : lines)
        strDamaged += strLine + "\n";
    return strDamaged;
}

// An actor, its targets and maybe a called person, with hit and outcome
// values in and out of range.
class BattleScriptBadInputTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(6, 1);
        for (int i = 0; i < 5; ++i)
            AddFightPerson(i, 1, i);
        StartBattle();
        m_pOldPack = g_pPackFile_Data;
        g_pPackFile_Data = &m_Pack;
    }

    void TearDown() override
    {
        g_pTimerManager->SetTimeScale(1.0f);
        g_pPackFile_Data = m_pOldPack;
        BattleFixture::TearDown();
    }

    void MakeResult(std::mt19937& random)
    {
        m_Result.Clear();
        XS_BattleResultMain main;
        main.stringScriptName = s_szFile;
        main.dwSkillLevel = random() % 12;
        m_Result.SetBattleResultMain(main);
        m_Result.SetTargetFloorIndex(random() % 8);
        const DWORD dwPersons = 1 + random() % 5;
        for (DWORD i = 0; i < dwPersons; ++i) {
            XS_BattleResultPerson record;
            record.pPersonObj = m_Persons.GetPersonFromTeamIndex(i);
            record.dwTeamIndex = i;
            record.dwPersonType = i == 0 ? XE_RESULT_PERSON_ACTIVE : random() % 4;
            record.dwHitType = random() % 3;
            record.dwResultType = random() % 4;
            m_Result.AddBattleResultPerson(record);
        }
    }

    // Loads the file for the result and lets its scripts run a second.
    DWORD Play(const std::string& strText)
    {
        if (strText.empty())
            m_Pack.Remove(s_szFile);
        else
            m_Pack.Add(s_szFile, strText);
        XC_BattleScriptManager manager;
        EXPECT_EQ(manager.Init(&m_Environment), S_OK);
        EXPECT_EQ(manager.LoadBattleScript(m_Result), S_OK);
        const DWORD dwScripts = manager.GetScriptCount();
        manager.RunAllScript();
        for (int i = 0; i < 10; ++i)
            g_pTimerManager->Update(0.1f);
        manager.Fini();
        for (DWORD i = 0; i < 5; ++i) {
            XC_GamePerson* const pPerson = m_Persons.GetPersonFromTeamIndex(i);
            pPerson->SetFloorIndex(i, TRUE);
            pPerson->SetShow(TRUE);
        }
        g_pTimerManager->SetTimeScale(1.0f);
        return dwScripts;
    }

    XI_PackFile* m_pOldPack = nullptr;
    XC_BattleResultInfo m_Result;
};

} // namespace

TEST_F(BattleScriptBadInputTest, EachFaultFailsOnlyItsOwnPartWithAReport)
{
    const std::string strSample = SampleScript("1000.txt");
    ASSERT_FALSE(strSample.empty());
    auto replaced = [&](const std::string& strOld, const std::string& strNew) {
        std::string strText = strSample;
        strText.replace(strText.find(strOld), strOld.size(), strNew);
        return strText;
    };
    struct Case
    {
        const char* szWhat;
        std::string strText;
        DWORD dwHitType;
        const char* szReport;
        DWORD dwScripts;
    };
    const Case cases[] = {
        {"a sound file", strSample, 1, nullptr, 3},
        {"no passive action list", replaced("[PassivePerson]\n{\n\t[ActionList]", "[PassivePerson]\n{\n\t[Actions]"), 1,
         "\"[PassivePerson]\" has no [ActionList]", 3},
        {"no result branch", replaced("\t\t[Result]", "\t\t[Results]"), 1, "Passive Script Can't Find \"[Result]\"", 3},
        {"a hit type of 2", strSample, 2, "dwHitType = 2 ", 3},
        {"no template for the target", replaced("[PassivePerson]", "[Target]"), 1, "Can,t fine [PassivePerson] ", 3},
        {"an unknown command", replaced("Type = UpdatePersonLifeState", "Type = NoSuchCommand"), 1, "DoEvent", 3},
        {"a work time out of range", replaced("fWorkTime = 0.3", "fWorkTime = 1e39"), 1, "fWorkTime", 3},
        {"no file at all", "", 1, "BattleScript\\Damaged.txt", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWhat);
        m_Result.Clear();
        XS_BattleResultMain main;
        main.stringScriptName = s_szFile;
        m_Result.SetBattleResultMain(main);
        for (DWORD i = 0; i < 2; ++i) {
            XS_BattleResultPerson record;
            record.pPersonObj = m_Persons.GetPersonFromTeamIndex(i);
            record.dwTeamIndex = i;
            record.dwPersonType = i == 0 ? XE_RESULT_PERSON_ACTIVE : XE_RESULT_PERSON_PASSIVE;
            record.dwHitType = c.dwHitType;
            m_Result.AddBattleResultPerson(record);
        }
        ErrorLogCapture errors;
        EXPECT_EQ(Play(c.strText), c.dwScripts);
        if (c.szReport == nullptr)
            EXPECT_FALSE(errors.Contains("BattleScript")) << errors.Text();
        else
            EXPECT_TRUE(errors.Contains(c.szReport)) << errors.Text();
    }
}

TEST_F(BattleScriptBadInputTest, ThousandsOfDamagedFilesLoadOrReportAndNeverCrash)
{
    std::vector<std::string> samples;
    for (const char* szName : {"1000.txt", "PowerStrike.txt", "Fireball.txt", "Heal.txt", "UseTool.txt"})
        samples.push_back(SampleScript(szName));
    ErrorLogCapture errors;
    std::mt19937 random(20261211);
    DWORD dwScripts = 0;
    for (unsigned i = 0; i < FILES; ++i) {
        MakeResult(random);
        dwScripts += Play(Damaged(samples[i % samples.size()], random));
    }
    EXPECT_GT(dwScripts, FILES);
    EXPECT_TRUE(errors.Contains("BattleScript")) << errors.Text();
}
