#include "JC_Module/JC_State/JC_StateModuleDocument.h"

#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Manager/JC_OskelTemplateManager.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Module/JC_State/View/JC_StateModuleView7.h"
#include "JC_Module/JC_State/View/JC_StateModuleView8.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewC.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DataComponentMaker.h"
#include "TemplateSystem/JC_DataFile.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"
#include "tests/Support/TextMutations.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using Mode = JC_StateModuleDocument::JE_Mode;

// Damaged data the state screen reads: its layout record, the records of the
// persons it shows, skill lines, counts and indexes out of range. Each gives
// a report or a refusal, never a crash, and loses nothing.
class StateScreenBadInput : public StateScreen
{
protected:
    static constexpr int CUTS = 100;
    static constexpr int MUTATIONS = 300;
    static constexpr DWORD STRIKE = 0x00030000;

    static const JC_ControlWarehouse& Warehouse() { return gp_ControlManagerObj->m_ControlWarehouseObj; }

    // Every page the person's tabs open, each view brought up to date.
    static void VisitPages(JC_StateModuleDocument& document)
    {
        for (const Mode eMode : {Mode::MODE_MAIN, Mode::MODE_EQUIPMENT, Mode::MODE_THING, Mode::MODE_SKILL}) {
            document.SetDocumentMode(eMode);
            for (int iView = 0; iView < JC_StateModuleDocument::VIEW_COUNT; ++iView)
                document.UpdateView(iView);
        }
        document.SetDocumentMode(Mode::MODE_MAIN);
    }

    // Cut short every hundredth of its length and mutated from a fixed seed.
    static std::vector<std::string> DamagedCopies(const std::string& strSeed)
    {
        std::vector<std::string> cases;
        AddTruncations(strSeed, &cases, strSeed.size() / CUTS + 1);
        AddMutations(strSeed, MUTATIONS, &cases);
        return cases;
    }

    // The first record of a data file, with the file's head and end.
    static std::string FirstRecord(const std::string& strFile)
    {
        const std::string strEnd = "@End\r\n";
        return strFile.substr(0, strFile.find(strEnd) + strEnd.size()) + "[FileEnd]\r\n";
    }
};

// The layout record damaged on disk and read again by the designer's reload
// key: the screen rebuilds on whatever the record still holds.
TEST_F(StateScreenBadInput, DamagedLayoutRecordsReloadWithoutACrash)
{
    const std::string strFile = GamePath("Template\\TemplateData\\ModuleData_State.DATA");
    const std::string strSeed = ReadTestFile(strFile);
    ASSERT_FALSE(strSeed.empty());
    JC_StateModuleDocument document;
    Open(document, 0);
    gp_ScriptManagerObj->GetScriptFlag()->SetFlagSystem(26, 1);
    int iReady = 0;
    for (const std::string& strCase : DamagedCopies(strSeed)) {
        ASSERT_TRUE(WriteTestFile(strFile, strCase));
        EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_F5, 0), 1);
        VisitPages(document);
        iReady += document.IsViewsReady() ? 1 : 0;
    }
    ASSERT_TRUE(WriteTestFile(strFile, strSeed));
    EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_F5, 0), 1);
    EXPECT_EQ(document.IsViewsReady(), TRUE) << LogText();
    EXPECT_GT(iReady, 0);
    gp_ScriptManagerObj->GetScriptFlag()->SetFlagSystem(26, 0);
    document.Close();
}

// The hero's saved party record damaged and read as a data file: a record
// that reads is put in the party and shown on every page.
TEST_F(StateScreenBadInput, DamagedPersonRecordsAreShownOrRefused)
{
    const std::string strSeed =
        FirstRecord(ReadTestFile(GamePath("Template\\TemplateDataIrregular\\00\\UnfixedData_TeamOur.DATA")));
    ASSERT_NE(strSeed.find("@End"), std::string::npos);
    JC_DataFile dataFile;
    ASSERT_EQ(dataFile.Initiation(gp_DataManagerObj->GetTemplateManager()->GetTemplateList()), 0u);
    JC_StateModuleDocument document;
    Open(document, 0);
    int iShown = 0;
    for (const std::string& strCase : DamagedCopies(strSeed)) {
        JC_DataComponentMaker* pRecords = nullptr;
        DWORD dwLine = 0;
        JC_DataComponent* pRecord = nullptr;
        if (dataFile.Parse(strCase.data(), static_cast<DWORD>(strCase.size()), pRecords, dwLine, nullptr) == 0)
            pRecords->GetComponentOrFail(JC_DataOrder{0, 0}, pRecord);
        if (pRecord != nullptr && Team().AddPersonToTeam(TeamID::TEAMID_OUR, 1, pRecord) == 0) {
            if (document.SetOperatePerson(Person(1)) == 0) {
                VisitPages(document);
                ++iShown;
            }
            ASSERT_EQ(document.SetOperatePerson(Person(0)), 0u);
            ASSERT_EQ(Team().DelPersonFromTeam(TeamID::TEAMID_OUR, 1), 0u);
        }
        if (pRecords != nullptr)
            dataFile.DeleteManager(pRecords);
    }
    EXPECT_GT(iShown, 0);
    document.Close();
}

// Lines a spontaneous skill cannot apply refuse the raise before the point
// is spent; the percentage and the two well-formed cases are tested with the
// skill page.
TEST_F(StateScreenBadInput, MalformedBehaviourLinesSpendNothing)
{
    JC_DataComponent* const pSkill = gp_DataManagerObj->GetSkillObj(STRIKE);
    const int iSpontaneous = 1;
    ASSERT_EQ(pSkill->SetItemValue("IsSpontaneity", &iSpontaneous), 0u);
    JC_StateModuleDocument document;
    Open(document, 0);
    ASSERT_EQ(document.SetDocumentMode(Mode::MODE_SKILL), 0u);
    auto* const pPage = static_cast<JC_StateModuleViewC*>(document.GetView(JC_StateModuleDocument::VIEW_SKILL));
    JC_OperatorPerson& person = *document.GetControlPerson()->GetPersonPowerObj()->GetOperatorPerson();
    const char* const lines[] = {
        "",                       // no parameter
        "Vitality,0",             // no amount
        "Vitality,0,2",           // an amount without its sign
        "Vitality,x,+1",          // an index that is no number
        "Vitality,-1,+1",         // a negative index
        "StateImmunity,999,+1",   // past the list's end
        "Nothing,0,+1",           // a field the person has not
    };
    JC_DataComponent* const pPower = gp_DataManagerObj->GetSkillPowerObj(STRIKE, 2);
    ASSERT_NE(pPower, nullptr);
    for (const char* const szLine : lines) {
        const std::string strLine = std::string("@Type\"DF_BehaviorType_Merge\" @Parameter\"") + szLine + "\"";
        ASSERT_EQ(pPower->SetVectorElement("Behavior", 0, &strLine), 0u) << szLine;
        person.SetLearnSkillLV(0, 1);
        person.SetNotUseJobPoint(1);
        ASSERT_EQ(pPage->UpdateList(), 0u);
        const int iVitality = person.GetVitality();
        EXPECT_EQ(pPage->DealAddButton(0), JE_STATEMODULEVIEWC_BEHAVIOR_FORMAT) << szLine;
        EXPECT_EQ(person.GetNotUseJobPoint(), 1) << szLine;
        EXPECT_EQ(person.GetLearnSkillLV(0), 1) << szLine;
        EXPECT_EQ(person.GetVitality(), iVitality) << szLine;
    }
    document.Close();
}

// Learnt skills of unknown ids or out-of-range levels show without a raise
// that could spend a point on nothing: the data layer answers an unknown
// skill power with its stand-in, which is never raised.
TEST_F(StateScreenBadInput, UnknownSkillsAndLevelsOutOfRangeRaiseNothing)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    ASSERT_EQ(document.SetDocumentMode(Mode::MODE_SKILL), 0u);
    auto* const pPage = static_cast<JC_StateModuleViewC*>(document.GetView(JC_StateModuleDocument::VIEW_SKILL));
    JC_OperatorPerson& person = *document.GetControlPerson()->GetPersonPowerObj()->GetOperatorPerson();
    const struct
    {
        DWORD dwSkillID;
        int iLevel;
    } cases[] = {{0xFFFFFFFF, 1}, {0x7FFF0000, 0}, {STRIKE, INT_MAX}, {STRIKE, INT_MIN}};
    for (const auto& c : cases) {
        person.SetLearnSkillID(0, c.dwSkillID);
        person.SetLearnSkillLV(0, c.iLevel);
        person.SetNotUseJobPoint(1);
        ASSERT_EQ(document.UpdateView(JC_StateModuleDocument::VIEW_SKILL), 0u) << c.dwSkillID << " " << c.iLevel;
        const DWORD dwResult = pPage->DealAddButton(0);
        // Only a negative level of a known skill may be raised, to level 1.
        const bool bRaised = c.dwSkillID == STRIKE && c.iLevel < 0;
        EXPECT_EQ(dwResult == 0, bRaised) << std::hex << c.dwSkillID << " " << std::dec << c.iLevel;
        if (c.dwSkillID != STRIKE) {
            EXPECT_EQ(dwResult, JE_STATEMODULEVIEWC_NO_SKILL_POWER);
        }
        EXPECT_EQ(person.GetNotUseJobPoint(), bRaised ? 0 : 1) << c.iLevel;
        EXPECT_EQ(person.GetLearnSkillLV(0), bRaised ? 1 : c.iLevel);
    }
    document.Close();
}

// Counts and drawer indexes at the ends of an int, and a drawer that holds
// more than an int: the inventory refuses what is not held and can still
// throw away part of the huge drawer.
TEST_F(StateScreenBadInput, CountsAndIndexesOutOfRangeAreRefused)
{
    const int TOOLS = JC_ControlWarehouse::WAREHOUSE_TOOL;
    ASSERT_EQ(Warehouse().AddThing(TOOLS, 1, 5), 0u);
    JC_StateModuleDocument document;
    Open(document, 0);
    ASSERT_EQ(document.SetDocumentMode(Mode::MODE_THING), 0u);
    auto* const pInventory = static_cast<JC_StateModuleView7*>(document.GetView(JC_StateModuleDocument::VIEW_THING));
    auto* const pBox = static_cast<JC_StateModuleView8*>(document.GetView(JC_StateModuleDocument::VIEW_QUANTITY));
    auto held = [] { return Warehouse().GetDrawerObjInfo_ThingCount(Warehouse().GetDrawerObj(TOOLS, 0)); };
    const struct
    {
        int iDrawer;
        int iCount;
    } refused[] = {{0, INT_MIN}, {0, INT_MAX}, {INT_MIN, 1}, {INT_MAX, 1}};
    for (const auto& c : refused) {
        EXPECT_EQ(pInventory->ThrowAway(TOOLS, c.iDrawer, c.iCount), JE_STATEMODULEVIEW7_COUNT_NOT_HELD)
            << c.iDrawer << " " << c.iCount;
        EXPECT_EQ(held(), 5u);
    }
    // A drawer that is not there offers nothing to throw away.
    for (const int iDrawer : {INT_MIN, INT_MAX}) {
        ASSERT_EQ(pBox->SetThingInfo(TOOLS, iDrawer), 0u);
        EXPECT_EQ(pBox->GetMaximumCount(), 0) << iDrawer;
    }

    const DWORD dwHuge = 0xFFFFFFF0;
    Warehouse().SetDrawerObjInfo_ThingCount(Warehouse().GetDrawerObj(TOOLS, 0), dwHuge);
    ASSERT_EQ(pBox->SetThingInfo(TOOLS, 0), 0u);
    EXPECT_EQ(pBox->GetMaximumCount(), INT_MAX);
    EXPECT_EQ(pInventory->ThrowAway(TOOLS, 0, 99), 0u);
    EXPECT_EQ(held(), dwHuge - 99);
    ASSERT_EQ(pInventory->ShowPage(), 0u);
    EXPECT_NE(pInventory->GetRowName(0).find("X" + std::to_string(dwHuge - 99)), std::string::npos);
    document.Close();
}
