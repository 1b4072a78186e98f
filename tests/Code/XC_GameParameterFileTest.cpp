#include "Code/XC_GameAI.h"
#include "Code/XC_GameCamp.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameParameter.h"
#include "Code/XC_GameParameterFile.h"
#include "Code/XC_GameText.h"
#include "Code/XC_GameTime.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/MemoryPackFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// File names whose ids 50 and 51 name the parameters and the texts.
std::string FileNames()
{
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "File = Placeholder.txt\r\n";
    return text + "File050 = Parameter.txt\r\nFile051 = Text.txt\r\n";
}

// The game's tables on a data pack of memory, put back as the program
// starts them afterwards.
class GameParameterFileTest : public ::testing::Test
{
protected:
    GameParameterFileTest() : m_pOldPack(g_pPackFile_Data)
    {
        g_pPackFile_Data = &m_Pack;
        m_Pack.Add("GameFileName.txt", FileNames());
        m_Pack.Add("Text.txt", "零\r\n一\r\n");
    }
    ~GameParameterFileTest() override
    {
        g_pPackFile_Data = m_pOldPack;
        *g_pGameCamp = XC_GameCamp();
        *g_pGameTime = XC_GameTime();
        *g_pGameAI = XC_GameAI();
        *g_pGameParameter = XC_GameParameter();
    }

    MemoryPackFile m_Pack;
    ErrorLogCapture m_Log;

private:
    XI_PackFile* m_pOldPack;
};

} // namespace

TEST_F(GameParameterFileTest, ReadsTheSectionsAndConvertsDegrees)
{
    m_Pack.Add("Parameter.txt", "[ControlCamp]\r\n{\r\n bControlCampPlayer = 0\r\n bControlCampPartner = TRUE\r\n"
                                " bControlCampNatural = yes\r\n bControlCampComputer = 1\r\n}\r\n"
                                "[Time]\r\n{\r\n fCameraRotationSpeed = 180\r\n fPersonActionBegin = 0.5\r\n}\r\n"
                                "[WorldCamera]\r\n{\r\n fCameraPitch = 45\r\n fCameraPitchMax = 90\r\n fCameraZoom = 30\r\n}\r\n"
                                "[AI]\r\n{\r\n lConsumeRAP = -7\r\n}\r\n");
    ASSERT_EQ(XC_GameParameterFile::Load(), S_OK);

    EXPECT_EQ(g_pGameCamp->bControlCampPlayer, 0u);
    EXPECT_EQ(g_pGameCamp->bControlCampPartner, 1u);
    EXPECT_EQ(g_pGameCamp->bControlCampNatural, 0u);
    EXPECT_EQ(g_pGameCamp->bControlCampComputer, 1u);
    EXPECT_FLOAT_EQ(g_pGameTime->fCameraRotationSpeed, 3.1415927f);
    EXPECT_FLOAT_EQ(g_pGameTime->fPersonActionBegin, 0.5f);
    EXPECT_FLOAT_EQ(g_pGameParameter->fCameraPitch, 0.7853982f);
    EXPECT_FLOAT_EQ(g_pGameParameter->fCameraPitchMax, 1.5707964f);
    EXPECT_FLOAT_EQ(g_pGameParameter->fCameraZoom, 30.0f);
    EXPECT_EQ(g_pGameAI->lConsumeRAP, -7);
    EXPECT_STREQ(g_pGameText->GetText(1), "一");

    // A key the section lacks is reported by name and becomes 0.
    EXPECT_FLOAT_EQ(g_pGameTime->fSkillDelay, 0.0f);
    EXPECT_FLOAT_EQ(g_pGameTime->fPersonActionEnd, 0.0f);
    EXPECT_EQ(g_pGameAI->lRevive_EveryUnit, 0);
    EXPECT_TRUE(m_Log.Contains("pTNode->FindLeaf( \"fSkillDelay\" )"));
    EXPECT_TRUE(m_Log.Contains("pTNode->FindLeaf( \"bSoftenCamera_Enable\" )"));
}

TEST_F(GameParameterFileTest, AMissingSectionKeepsItsHolder)
{
    m_Pack.Add("Parameter.txt", "[Time]\r\n{\r\n fSkillDelay = 0.25\r\n}\r\n");
    ASSERT_EQ(XC_GameParameterFile::Load(), S_OK);
    EXPECT_EQ(g_pGameCamp->bControlCampPlayer, 1u);
    EXPECT_EQ(g_pGameCamp->bControlCampComputer, 0u);
    EXPECT_FLOAT_EQ(g_pGameParameter->fCameraPitch, 0.7853982f);
    EXPECT_EQ(g_pGameAI->lConsumeRAP, -100);
    EXPECT_FLOAT_EQ(g_pGameTime->fSkillDelay, 0.25f);
    EXPECT_TRUE(m_Log.Contains("( pTNode ) failed"));
}

TEST_F(GameParameterFileTest, AnUnreadableFileStopsTheLoad)
{
    const struct
    {
        const char* szMissing;
        const char* szReport;
    } cases[] = {{"GameFileName.txt", "讀取檔案失敗 GameFileName.txt"},
                 {"Parameter.txt", "讀取檔案失敗 Parameter.txt"},
                 {"Text.txt", "讀取檔案失敗 Text.txt"}};
    for (const auto& missing : cases) {
        m_Pack.Add("GameFileName.txt", FileNames());
        m_Pack.Add("Parameter.txt", "[AI]\r\n{\r\n}\r\n");
        m_Pack.Add("Text.txt", "零\r\n");
        m_Pack.Remove(missing.szMissing);
        EXPECT_EQ(XC_GameParameterFile::Load(), E_FAIL) << missing.szMissing;
        EXPECT_TRUE(m_Log.Contains(missing.szReport)) << missing.szMissing;
    }
}
