#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"

#include "tests/JC_DataManager/GameDataFixture.h"

#include <cstdlib>
#include <map>

// The sample game with its shared controls and an event manager over an
// empty fight team that each test fills with fresh persons.
class EventFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("OSKEL_SAMPLE_GAME"), nullptr) << "OSKEL_SAMPLE_GAME is not set";
        ASSERT_EQ(LoadSampleGameData(m_DataManager, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Controls.Initiation(&m_DataManager, &m_Analyser), 0u) << m_Log.Text();
        ASSERT_EQ(m_Controls.m_ControlTeamObj.EmptyTeam(TeamID::TEAMID_FIGHT), 0u);
        ASSERT_EQ(m_Events.Initiation(&m_Controls), 0u) << m_Log.Text();
        m_Controls.m_ControlSceneObj.SetTurn(1);
    }

    // A fresh alive person of job 1 at the fight-team position, with the
    // fields given; the record in the team.
    JC_DataComponent* AddPerson(int iTeamIndex, int iCamp, const std::map<std::string, int>& fields = {})
    {
        JC_DataComponent person;
        EXPECT_EQ(person.CreateByTemplateID(m_DataManager.GetTemplateManager()->GetTemplateList(),
                                            DATACOMPONENTKIND_PERSON),
                  0u);
        std::map<std::string, int> values = {{"JobID", 1}, {"LifeState", 1}, {"Camp", iCamp}, {"IsLegacyBody", 1}};
        for (const auto& [strName, iValue] : fields)
            values[strName] = iValue;
        for (const auto& [strName, iValue] : values)
            Set(&person, strName, iValue);
        JC_DataComponent* pInTeam = nullptr;
        EXPECT_EQ(m_Controls.m_ControlTeamObj.AddPersonToTeam(TeamID::TEAMID_FIGHT, iTeamIndex, &person, &pInTeam), 0u)
            << m_Log.Text();
        return pInTeam;
    }
    // A behaviour-group 0 item of the state, lasting rounds.
    void AddState(JC_DataComponent* pPerson, const std::string& strState, const std::string& strPart5 = "0")
    {
        JC_StringArray* pItems = m_Analyser.GetBehaviorGroupItems(pPerson, 0);
        ASSERT_NE(pItems, nullptr);
        pItems->push_back("DF_State_" + strState + ",DF_RoundType_Round,3,0,0," + strPart5 + ",0");
    }

    static void Set(JC_DataComponent* pRecord, const std::string& strName, int iValue)
    {
        ASSERT_EQ(pRecord->SetItemValueAt(strName, 0, &iValue), 0u) << strName;
    }
    static int Get(JC_DataComponent* pRecord, const std::string& strName)
    {
        int iValue = -12345;
        EXPECT_EQ(pRecord->GetItemValue(strName, &iValue), 0u) << strName;
        return iValue;
    }
    template <typename Result>
    static std::vector<int> TeamIDs(const std::vector<Result>& results)
    {
        std::vector<int> teamIDs;
        for (const Result& result : results)
            teamIDs.push_back(result.m_TeamID);
        return teamIDs;
    }
    JC_EventGroupCamp& Camp(int iCamp) { return *m_Events.GetEventGroupCamp(iCamp); }

    TestLog m_Log;
    JC_DataManager m_DataManager;
    JC_BehaviorAnalyser m_Analyser;
    JC_ControlManager m_Controls;
    JC_EventManager m_Events;
};
