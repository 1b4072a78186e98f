#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_DataManager/Event/EventFixture.h"

namespace {

constexpr int TOOL_WAREHOUSE = 2;

// Keeps the arguments of the "SaveGame" orders.
class SaveRecorder : public JI_ScriptNotify
{
public:
    DWORD Deal(const std::string& strText) override
    {
        m_Saves.push_back(strText);
        return 0;
    }
    std::vector<std::string> m_Saves;
};

class EventGroupScene : public EventFixture
{
protected:
    JC_EventGroupScene& Group() { return m_Events.m_EventGroupSceneObj; }

    std::vector<std::string> RoundBegin()
    {
        std::vector<JC_EventDealResultA> results;
        EXPECT_EQ(Group().Event_RoundBeginDynamic(results, 1), 0u) << m_Log.Text();
        std::vector<std::string> scripts;
        for (const JC_EventDealResultA& result : results)
            scripts.push_back(result.m_ScriptName);
        return scripts;
    }
};

TEST_F(EventGroupScene, ThingEventTextsAreCheckedBeforeTheyAreKept)
{
    const struct
    {
        const char* szEvent;
        DWORD dwResult;
    } cases[] = {
        {"", JE_EVENTSCENE_EMPTY_HAVE_THING},
        {"a,S,2,DF_ThingKind_Tool,1,1,DF_ThingKind_Tool", JE_EVENTSCENE_HAVE_THING_TOO_MANY_FIELDS},
        {"a,S,2,DF_ThingKind_Tool,1,1,DF_ThingKind_Tool,2,2", JE_EVENTSCENE_HAVE_THING_TOO_MANY_FIELDS},
        {"a,S", JE_EVENTSCENE_HAVE_THING_FIELDS},
        {"a,S,1", JE_EVENTSCENE_HAVE_THING_FIELDS},
        {"a,S,0,x", JE_EVENTSCENE_HAVE_THING_FIELDS},
        {"a,S,-1", JE_EVENTSCENE_HAVE_THING_FIELDS},
        {"a,S,0", 0},
        {"b,S,1,DF_ThingKind_Tool,1,1", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Group().EventAdd_HaveThing(c.szEvent), c.dwResult) << c.szEvent;
    EXPECT_EQ(Group().GetHaveThing(), (std::vector<std::string>{"a,S,0", "b,S,1,DF_ThingKind_Tool,1,1"}));
    EXPECT_EQ(Group().EventAdd_NPCInitiation(""), JE_EVENTSCENE_EMPTY_NPC_INITIATION);
}

TEST_F(EventGroupScene, ThingEventsFireWhenTheWarehouseHoldsTheThings)
{
    JC_ControlWarehouse& warehouse = m_Controls.m_ControlWarehouseObj;
    JC_DataComponent* pDrawer = warehouse.GetDrawerObj(TOOL_WAREHOUSE, 0);
    ASSERT_NE(pDrawer, nullptr) << "the sample party carries tools";
    const std::string strID = std::to_string(Get(pDrawer, "ThingID"));
    Set(pDrawer, "ThingCount", 0);

    ASSERT_EQ(Group().EventAdd_HaveThing("Two,TwoScript,1,DF_ThingKind_Tool," + strID + ",2"), 0u);
    ASSERT_EQ(Group().EventAdd_HaveThing("None,NoneScript,1,DF_ThingKind_Tool,99999,0"), 0u);
    ASSERT_EQ(Group().EventAdd_HaveThing("Any,AnyScript,1,DF_ThingKind_Tool," + strID + ",0"), 0u);
    ASSERT_EQ(Group().EventAdd_HaveThing("Free,FreeScript,0"), 0u);
    EXPECT_EQ(RoundBegin(), (std::vector<std::string>{"AnyScript"})) << "a drawer with count 0 is enough";
    EXPECT_EQ(RoundBegin(), (std::vector<std::string>{"FreeScript"}));
    EXPECT_TRUE(RoundBegin().empty());
    Set(pDrawer, "ThingCount", 2);
    EXPECT_EQ(RoundBegin(), (std::vector<std::string>{"TwoScript"}));
    EXPECT_EQ(Group().GetHaveThing().size(), 1u);
}

TEST_F(EventGroupScene, TheFirstRoundSavesTwiceAndEveryRoundOnce)
{
    SaveRecorder recorder;
    ASSERT_EQ(gp_ScriptManagerObj->AddFunction("SaveGame", &recorder), 0u);
    EXPECT_EQ(Group().Event_RoundSave(), 0u);
    m_Controls.m_ControlSceneObj.SetTurn(2);
    EXPECT_EQ(Group().Event_RoundSave(), 0u);
    gp_ScriptManagerObj->DelFunction("SaveGame");
    EXPECT_EQ(recorder.m_Saves, (std::vector<std::string>{"98", "99", "99"}));
}

TEST_F(EventGroupScene, LandformTakesItsRatesOfTheCurrentHPOfTheLiving)
{
    JC_ControlScene& scene = m_Controls.m_ControlSceneObj;
    ASSERT_EQ(scene.BuildFloors(2, 1), 0u);
    const int iLandformID = scene.GetLandformID(1);
    JC_DataComponent* pLandform = m_DataManager.GetLandformObj(static_cast<DWORD>(iLandformID));
    ASSERT_NE(pLandform, nullptr);
    Set(pLandform, "ExtraHPRestoreRate", 0);
    Set(pLandform, "ExtraHPDamageRate", 10);
    Set(pLandform, "ExtraSPRestoreRate", 0);
    Set(pLandform, "ExtraSPDamageRate", 0);
    AddPerson(0, 0, {{"MaxHP", 100}, {"HP", 55}, {"SceneFloorIndex", 1}});
    AddPerson(1, 3, {{"MaxHP", 100}, {"HP", 55}, {"SceneFloorIndex", 1}, {"LifeState", 2}});
    AddPerson(2, 3, {{"MaxHP", 100}, {"HP", 1}, {"SceneFloorIndex", 1}, {"IsLegacyBody", 0}});
    AddPerson(3, 3, {{"MaxHP", 100}, {"HP", 50}, {"SceneFloorIndex", 77}});

    std::vector<JC_EventDealResultB> results;
    ASSERT_EQ(Group().Event_RoundEndStatic(results), 0u) << m_Log.Text();
    ASSERT_EQ(TeamIDs(results), (std::vector<int>{0, 2}));
    EXPECT_EQ(results[0].m_HPChange, -5);
    EXPECT_EQ(results[0].m_HPRealChange, -5);
    EXPECT_EQ(results[0].m_IsSPChange, 0);
    EXPECT_EQ(results[1].m_HPChange, 0) << "1 HP at -10 percent truncates to 0";
    EXPECT_EQ(results[1].m_IsDie, 0);
}

TEST_F(EventGroupScene, QueuedPersonLinesRunOnceAndAFailureKeepsOnlyTheRest)
{
    JC_DataComponent* pPerson = AddPerson(0, 0, {{"MaxHP", 100}, {"HP", 10}});
    ASSERT_EQ(Group().EventAdd_NPCInitiation("DF_Team_TeamFight,0,Power,Merge,HP,0,+10"), 0u);
    ASSERT_EQ(Group().EventAdd_NPCInitiation("DF_Team_Nobody,0,Power,Merge,HP,0,+1"), 0u);
    ASSERT_EQ(Group().EventAdd_NPCInitiation("DF_Team_TeamFight,0,Power,Merge,HP,0,+5"), 0u);
    EXPECT_EQ(Group().Event_NPCInitiation(), JE_CONTROLTEAM_GET_BAD_TEAM);
    EXPECT_EQ(Get(pPerson, "HP"), 20);
    EXPECT_EQ(Group().GetNPCInitiation(), (std::vector<std::string>{"DF_Team_Nobody,0,Power,Merge,HP,0,+1",
                                                                  "DF_Team_TeamFight,0,Power,Merge,HP,0,+5"}))
        << "the line that ran is not run again by the next battle";
    EXPECT_TRUE(m_Log.Text().find(" ControlTeamPersonObj ScriptNotify Fail. ") != std::string::npos);

    ASSERT_EQ(m_Events.Initiation(&m_Controls), 0u);
    EXPECT_EQ(Group().GetNPCInitiation().size(), 2u) << "initiation keeps the queued lines";
    EXPECT_EQ(Group().EventClsAll_NPCInitiation(), 0u);
    ASSERT_EQ(Group().EventAdd_NPCInitiation("DF_Team_TeamFight,0,Power,Merge,HP,0,+5"), 0u);
    EXPECT_EQ(Group().Event_NPCInitiation(), 0u);
    EXPECT_EQ(Get(pPerson, "HP"), 25);
    EXPECT_TRUE(Group().GetNPCInitiation().empty());
}

} // namespace
