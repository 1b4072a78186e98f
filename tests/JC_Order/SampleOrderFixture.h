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
        const char* szFolder = std::getenv("OSKEL_SAMPLE_GAME");
        if (szFolder == nullptr
            || GetFileAttributesA((std::string(szFolder) + g_szTemplateDataFolder).c_str()) == INVALID_FILE_ATTRIBUTES)
            GTEST_SKIP() << "the sample game folder holds no game data";
        ASSERT_EQ(m_DataManager.Initiation(szFolder, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_DataManager.InitFixedData(1), 0u) << m_Log.Text();
        ASSERT_EQ(m_DataManager.InitUnfixedData(0), 0u) << m_Log.Text();
        ASSERT_EQ(m_DataManager.InitModuleData(), 0u) << m_Log.Text();
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
