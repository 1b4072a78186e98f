#include "JC_DataManager/Control/JC_ControlTeamPerson.h"

#include "tests/JC_DataManager/Control/TeamFixture.h"

#include <random>

namespace {

constexpr TeamID OUR = TeamID::TEAMID_OUR;
constexpr TeamID FIGHT = TeamID::TEAMID_FIGHT;

const char* const s_szPersonDefines =
    "//[File]\r\n//[Head]\r\n//@Version \"H00080001\"\r\n//[HeadEnd]\r\n"
    "#define DF_Team_TeamOur 1 //@Combo \"\"\r\n"
    "#define DF_Team_TeamFight 3 //@Combo \"\"\r\n"
    "#define DF_LvUpType_Value 1 //@Combo \"\"\r\n"
    "#define DF_LvUpType_FightAverage 2 //@Combo \"\"\r\n"
    "#define DF_LvUpType_FightMax 3 //@Combo \"\"\r\n"
    "#define DF_LvUpType_FightAt 4 //@Combo \"\"\r\n"
    "#define DF_LvUpType_OurMax 5 //@Combo \"\"\r\n"
    "#define DF_ThingKind_Gem 0 //@Combo \"\"\r\n"
    "#define DF_ThingKind_Weapon 2 //@Combo \"\"\r\n"
    "//[FileEnd]\r\n";

class ControlTeamPerson : public TeamFixture
{
protected:
    ControlTeamPerson()
    {
        Write("Template\\Template\\TemplateDefine\\Person.h", s_szPersonDefines);
        LoadTeams();
        EXPECT_EQ(m_Team.Initiation(&m_DataManager, &m_Analyser), 0u);
        EXPECT_EQ(m_Warehouse.Initiation(&m_DataManager, &m_Analyser), 0u);
        EXPECT_EQ(m_Handler.Initiation(&m_Team, &m_Warehouse), 0u) << LogText();
        Stand(OUR, 0, 2);
        Stand(OUR, 1, 20);
        Stand(FIGHT, 0, 2);
        Stand(FIGHT, 4, 8);
        Stand(FIGHT, 7, 12);
    }

    void Stand(TeamID teamID, int iTeamIndex, int iLevel)
    {
        JC_DataComponent* pPerson = nullptr;
        ASSERT_EQ(m_Team.AddPersonToTeam(teamID, iTeamIndex, m_DataManager.GetPersonObj(1), &pPerson), 0u);
        pPerson->SetItemValue("Level", &iLevel);
    }
    int Field(TeamID teamID, int iTeamIndex, const char* szName)
    {
        JC_DataComponent* pPerson = nullptr;
        int iValue = -999;
        if (m_Team.GetPersonFromTeam(teamID, iTeamIndex, pPerson) == 0)
            pPerson->GetItemValue(szName, &iValue);
        return iValue;
    }

    JC_ControlTeam m_Team;
    JC_ControlWarehouse m_Warehouse;
    JC_ControlTeamPerson m_Handler;
};

} // namespace

TEST_F(ControlTeamPerson, SetLevelByEachLevelUpType)
{
    const struct
    {
        const char* szMethod;
        int iLevel;
    } cases[] = {
        {"SetLevel,DF_LvUpType_Value,+3,0", 3},
        {"SetLevel,DF_LvUpType_Value,4%,0", 4},
        {"SetLevel,DF_LvUpType_FightMax,+3,0", 15},
        {"SetLevel,DF_LvUpType_FightMax,30,0", 12},
        {"SetLevel,DF_LvUpType_FightMax,150%,0", 18},
        {"SetLevel,DF_LvUpType_FightAt,-1,0,4", 7},
        {"SetLevel,DF_LvUpType_FightAverage,+0,0", (8 + 12) / 2},
        {"SetLevel,DF_LvUpType_OurMax,+1,0", 21},
    };
    for (const auto& c : cases) {
        Stand(FIGHT, 0, 2);
        ASSERT_EQ(m_Handler.ScriptNotify(FIGHT, 0, "LevelUp", c.szMethod), 0u) << LogText();
        EXPECT_EQ(Field(FIGHT, 0, "Level"), c.iLevel) << c.szMethod;
    }
    // The average leaves out the person's own position.
    Stand(FIGHT, 4, 30);
    ASSERT_EQ(m_Handler.DealControlPerson(FIGHT, 4), 0u);
    EXPECT_EQ(m_Handler.DealLevelUp("SetLevel,DF_LvUpType_FightAverage,+0,0"), JE_LEVELUP_SET_BELOW_CURRENT);
    EXPECT_TRUE(Logged("劇本指令 ControlPerson 設定人物新等級時 發生錯誤 \nScript:SetLevel,DF_LvUpType_FightAverage,+0,0 \n"));
    EXPECT_EQ(m_Handler.DealLevelUp("SetLevel,DF_LvUpType_Other,+0,0"), JE_CONTROLTEAMPERSON_UNKNOWN_LVUPTYPE);
    EXPECT_EQ(m_Handler.DealLevelUp("SetJobLevel,DF_LvUpType_FightMax,3"),
              JE_CONTROLTEAMPERSON_JOBLEVEL_UNUSED_LVUPTYPE);
    EXPECT_EQ(m_Handler.DealLevelUp("SetJobLevel,DF_ThingKind_Gem,3"), JE_CONTROLTEAMPERSON_JOBLEVEL_UNKNOWN_LVUPTYPE);
    EXPECT_EQ(m_Handler.DealLevelUp("SetRank,DF_LvUpType_Value,3"), JE_CONTROLTEAMPERSON_UNKNOWN_LEVELUP);

    // Alone in the fight team, the average is 0 and the level stays.
    ASSERT_EQ(m_Team.EmptyTeam(FIGHT), 0u);
    Stand(FIGHT, 2, 6);
    ASSERT_EQ(m_Handler.DealControlPerson(FIGHT, 2), 0u);
    EXPECT_EQ(m_Handler.DealLevelUp("SetLevel,DF_LvUpType_FightAverage,+0,0"), JE_LEVELUP_SET_BELOW_CURRENT);
    EXPECT_EQ(Field(FIGHT, 2, "Level"), 6);
}

TEST_F(ControlTeamPerson, PowerChangesAndMergesFields)
{
    const struct
    {
        const char* szMethod;
        const char* szItem;
        int iValue;
    } cases[] = {
        {"Change,Camp,0,DF_Team_TeamFight", "Camp", 3},
        {"Merge,HP,0,+9999", "HP", 100},
        {"Merge,HP,0,-30", "HP", 70},
        {"Merge,HP,0,5", "HP", 70},
        {"Merge,HP,0,+5%", "HP", 70},
        {"MergeEx,HP,0,50%", "HP", 35},
        {"MergeEx,Exp,0,40", "Exp", 40},
        {"Merge,Exp,0,+2", "Exp", 42},
        {"MergeEx,Morale,0,+500", "Morale", 100},
        {"MergeEx,SP,0,-9", "SP", 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(m_Handler.ScriptNotify(OUR, 0, "Power", c.szMethod), 0u) << c.szMethod;
        EXPECT_EQ(Field(OUR, 0, c.szItem), c.iValue) << c.szMethod;
    }
    EXPECT_TRUE(Logged("指令的 參數3 格式不合規定 格式為 \"(+,-)n\" \n指令字串:HP,0,5 \n"));
    // Through the text form, with the team as its define key.
    ASSERT_EQ(m_Handler.ScriptNotify("DF_Team_TeamOur,0,Power,Merge,HP,0,+10"), 0u);
    EXPECT_EQ(Field(OUR, 0, "HP"), 45);

    ASSERT_EQ(m_Handler.DealControlPerson(OUR, 0), 0u);
    EXPECT_EQ(m_Handler.DealPower("Change,Camp,0,DF_Nothing"), JE_CONTROLTEAMPERSON_UNKNOWN_DEFINE);
    EXPECT_TRUE(Logged("發現不明的範本定義 \n不明的範本定義字串:DF_Nothing \n"));
    EXPECT_EQ(m_Handler.DealPower("Merge,HP"), JE_CONTROLTEAMPERSON_SHORT_COMMAND);
    EXPECT_EQ(m_Handler.DealPower("Change"), JE_CONTROLTEAMPERSON_SHORT_COMMAND);
    EXPECT_EQ(m_Handler.DealPower("Swap,HP,0,1"), JE_CONTROLTEAMPERSON_UNKNOWN_POWER);
    EXPECT_EQ(Field(OUR, 0, "Camp"), 3);
}

TEST_F(ControlTeamPerson, ClassesMethodsAndPersonsThatAreNotThere)
{
    EXPECT_EQ(m_Handler.ScriptNotify(OUR, 0, "Fly", "Up"), JE_CONTROLTEAMPERSON_UNKNOWN_CLASS);
    EXPECT_TRUE(Logged("劇本指令 ControlPerson 無法識別功能分類 \nScript:Up \nScriptType:Fly \n"));
    EXPECT_EQ(m_Handler.ScriptNotify(OUR, 0, "Hybridize", "Anything"), 0u);
    // A class handler's failure is logged; the command itself ran.
    EXPECT_EQ(m_Handler.ScriptNotify(OUR, 0, "Equip", "Dance,1"), 0u);
    EXPECT_TRUE(Logged("劇本指令 ControlPerson 無法識別功能名稱 \nScript:Dance,1 \nMethod:Dance \n錯誤代碼:0x89378121"));
    EXPECT_TRUE(Logged("劇本指令 DealEquip 處理時發生錯誤 \n錯誤代碼:0x89378121"));
    EXPECT_EQ(m_Handler.DealTakeJob("Quit,2"), JE_CONTROLTEAMPERSON_UNKNOWN_TAKEJOB);
    EXPECT_EQ(m_Handler.DealEquip("PutOnEquipment,DF_ThingKind_Gem,1,DF_ThingKind_Gem,0"),
              JE_CONTROLTEAMPERSON_PUTON_BAD_KIND);

    ASSERT_EQ(m_Handler.ScriptNotify(OUR, 0, "TakeJob", "SetPersonJob,2"), 0u);
    EXPECT_EQ(Field(OUR, 0, "JobID"), 2);

    EXPECT_EQ(m_Handler.ScriptNotify(OUR, 9, "Power", "Merge,HP,0,+1"), JE_CONTROLTEAM_GET_EMPTY);
    EXPECT_TRUE(Logged("劇本指令 DealControlPerson 無法由指定隊伍中 取出指定的人物 \nTeamID:0x00000001(1) \nTeamIndex:9 \n"));
    EXPECT_EQ(m_Handler.ScriptNotify("DF_Team_Nobody,0,Power,Merge,HP,0,+1"), JE_CONTROLTEAM_GET_BAD_TEAM);

    JC_ControlTeamPerson idle;
    EXPECT_EQ(idle.Initiation(nullptr, &m_Warehouse), JE_CONTROLTEAMPERSON_NULL_TEAM_CONTROL);
    EXPECT_EQ(idle.Initiation(&m_Team, nullptr), JE_CONTROLTEAMPERSON_NULL_WAREHOUSE_CONTROL);
    JC_ControlWarehouse idleWarehouse;
    EXPECT_EQ(idle.Initiation(&m_Team, &idleWarehouse), JE_CONTROLTEAMPERSON_WAREHOUSE_CONTROL_NOT_INITIATED);
    EXPECT_EQ(idle.GetErrorLog(), nullptr);
    EXPECT_EQ(m_Handler.GetDataManager(), &m_DataManager);
}

TEST_F(ControlTeamPerson, ThousandsOfMalformedLinesAreRefusedOrRunSafely)
{
    const char* const pieces[] = {"DF_Team_TeamOur", "DF_Team_TeamFight", "0", "4", "-1", "1024", "99999999999",
                                  "Equip", "LevelUp", "Power", "TakeJob", "Hybridize", "TakeOffAllEquipment",
                                  "PutOnEquipment", "SetLevel", "SetJobLevel", "Change", "Merge", "MergeEx",
                                  "SetPersonJob", "DF_LvUpType_FightAt", "DF_ThingKind_Weapon", "HP", "Level",
                                  "+5", "-5", "50%", "+", "%", "", " ", "\xA4", "\xA4\x2C", "\x81\x40"};
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> pieceOf(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> lengthOf(0, 9);
    std::uniform_int_distribution<int> byteOf(1, 255);
    for (int iLine = 0; iLine < 2000; ++iLine) {
        std::string strLine;
        for (int i = lengthOf(random); i > 0; --i) {
            strLine += pieces[pieceOf(random)];
            strLine += lengthOf(random) == 0 ? std::string(1, static_cast<char>(byteOf(random))) : ",";
        }
        const DWORD dwResult = m_Handler.ScriptNotify(strLine);
        EXPECT_TRUE(dwResult == 0 || (dwResult & 0x80000000u) != 0) << strLine;
        // The persons stay where they stood, whatever the lines did.
        ASSERT_NE(Field(OUR, 0, "TeamID"), -999) << strLine;
        ASSERT_NE(Field(FIGHT, 7, "TeamID"), -999) << strLine;
    }
}
