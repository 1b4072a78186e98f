#include "JC_DataManager/JF_Game.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_Order/JC_OrderManager.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_DataManager/BuiltDataLayer.h"

#include <cstdio>

namespace {

using DataLayerBuild = BuiltDataLayer;

void ExpectNothingBuilt()
{
    EXPECT_EQ(gp_DataManagerObj, nullptr);
    EXPECT_FALSE(gp_ControlManagerObj->IsInitiated());
    EXPECT_FALSE(gp_OrderManagerObj->IsInitiated());
    EXPECT_FALSE(gp_EventManagerObj->IsInitiated());
    EXPECT_FALSE(gp_ScriptManagerObj->IsInitiated());
}

} // namespace

TEST_F(DataLayerBuild, BuildsEveryGlobalAndReleasesThem)
{
    for (int iRound = 0; iRound < 2; ++iRound) {
        ASSERT_EQ(JF_Build(GamePath("")), 0u) << LogText();
        ASSERT_NE(gp_DataManagerObj, nullptr);
        EXPECT_TRUE(gp_DataManagerObj->IsInitiated());
        EXPECT_TRUE(gp_ControlManagerObj->IsInitiated());
        EXPECT_TRUE(gp_OrderManagerObj->IsInitiated());
        EXPECT_NE(gp_OrderManagerObj->FindOrderDeal(0x30001), nullptr);
        EXPECT_TRUE(gp_EventManagerObj->IsInitiated());
        EXPECT_TRUE(gp_ScriptManagerObj->IsInitiated());
        // The handlers are registered and work on the built controls.
        EXPECT_EQ(gp_ScriptManagerObj->RealTimeScript("ControlGame,SetMoney,321"), 0u);
        EXPECT_EQ(RecordedMoney(), 321);
        EXPECT_EQ(gp_ScriptManagerObj->RealTimeScript("SaveGame,1"), 0u);

        EXPECT_EQ(JF_Destroy(), 0u);
        ExpectNothingBuilt();
        EXPECT_EQ(JF_Destroy(), 0u);
        ExpectNothingBuilt();
    }
    EXPECT_EQ(gp_ScriptManagerObj->RealTimeScript("ControlGame,SetMoney,1"), JE_SCRIPT_DISTRIBUTE_UNKNOWN);
}

TEST_F(DataLayerBuild, FailingStepStopsTheBuildAndLeavesNothingBuilt)
{
    const struct
    {
        const char* szCase;
        const char* szDamagedFile;
        const char* szMessage;
    } cases[] = {
        // Templates are looked for, not required: the first table fails.
        {"missing data folder", "Template", " Build DataManagerObj InitFixedDataFail(Level:Normal)."},
        {"damaged template", "Template\\Template\\Person.temp", " Build DataManagerObj InitiationFail."},
        {"missing fixed table", "Template\\TemplateData\\01\\FixedData_Person.DATA",
         " Build DataManagerObj InitFixedDataFail(Level:Normal)."},
        {"missing save state", "Template\\TemplateDataIrregular\\00\\UnfixedData_Game.DATA",
         " Build DataManagerObj InitUnfixedDataFail."},
    };
    for (const auto& damage : cases) {
        SCOPED_TRACE(damage.szCase);
        const std::string strPath = GamePath(damage.szDamagedFile);
        const std::string strKept = strPath + ".kept";
        ASSERT_TRUE(MoveFileA(strPath.c_str(), strKept.c_str()));
        if (std::string(damage.szCase) == "damaged template")
            WriteTestFile(strPath, "[File]\r\n[Head]\r\n@Version \"H0008");
        const DWORD dwResult = JF_Build(GamePath(""));
        EXPECT_NE(dwResult, 0u);
        char szCode[32];
        std::snprintf(szCode, sizeof(szCode), "HRESULT:0x%08x", static_cast<unsigned>(dwResult));
        EXPECT_TRUE(Logged(std::string(damage.szMessage) + " \r\n " + szCode)) << LogText();
        ExpectNothingBuilt();
        DeleteFileA(strPath.c_str());
        ASSERT_TRUE(MoveFileA(strKept.c_str(), strPath.c_str()));
    }
    // Mended, the data builds.
    EXPECT_EQ(JF_Build(GamePath("")), 0u) << LogText();
}

TEST_F(DataLayerBuild, NoGameFolder)
{
    const struct
    {
        const char* szGamePath;
        const char* szMessage;
    } cases[] = {
        {"", " Build DataManagerObj InitiationFail."},
        {"C:\\no such game\\", " Build DataManagerObj InitFixedDataFail(Level:Normal)."},
    };
    for (const auto& c : cases) {
        EXPECT_NE(JF_Build(c.szGamePath), 0u);
        EXPECT_TRUE(Logged(c.szMessage)) << LogText();
        ExpectNothingBuilt();
    }
}
