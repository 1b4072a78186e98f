#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

#include "tests/JC_DataManager/GameDataFixture.h"

#include <cstdlib>

// The sample game with its shared controls: its define files give the
// behaviour type names their values, and the fight team holds the fixed
// persons a test places.
class SampleOrderFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(LoadSampleGameData(m_DataManager, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Manager.Initiation(&m_DataManager, &m_Analyser), 0u) << m_Log.Text();
        m_Log.Clear();
    }

    // Places a fixed person at a fight-team index.
    void Place(int iTeamIndex, DWORD dwPersonID)
    {
        ASSERT_EQ(m_Manager.m_ControlTeamObj.AddPersonToTeamFromFixedData(TeamID::TEAMID_FIGHT, iTeamIndex, dwPersonID), 0u)
            << m_Log.Text();
    }

    TestLog m_Log;
    JC_DataManager m_DataManager;
    JC_BehaviorAnalyser m_Analyser;
    JC_ControlManager m_Manager;
};
