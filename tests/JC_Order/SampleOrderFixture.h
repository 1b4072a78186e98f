#pragma once

#include "tests/JC_DataManager/GameDataFixture.h"

#include <cstdlib>

// The data manager on the generated sample game: its templates and define
// files give the behaviour type names their values.
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
    }

    TestLog m_Log;
    JC_DataManager m_DataManager;
};
