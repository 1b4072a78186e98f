#include "Code/Battle/BattleScript/XC_BattleScriptManager.h"

#include "Code/Battle/BattleScript/XC_BattleScript.h"
#include "Code/XC_Game.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const s_szFile = "BattleScript\\Test.txt";

// Every node a battle-script file may hold; "[Effect]" is a plain script.
const char* const s_szAllNodes = R"([BattleScriptSys]
{
	[Parameter]
	{
		dwSkillLevel = 7
		Shared = sys
	}
}
[ActivePerson]
{
	[ActionList]
	{
	}
}
[ActivePerson2]
{
	[ActionList]
	{
	}
}
[PassivePerson]
{
	[ActionList]
	{
		[Result]
		{
			[ResultLive]
			{
			}
		}
	}
}
[Effect]
{
	[Parameter]
	{
		Own = effect
	}
}
)";

// A result of persons on a 6 × 1 floor played from a file of the pack.
class BattleScriptManagerTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(6, 1);
        for (int i = 0; i < 6; ++i)
            AddFightPerson(i, 1, i);
        StartBattle();
        m_pOldPack = g_pPackFile_Data;
        g_pPackFile_Data = &m_Pack;
        m_Result.SetTargetFloorIndex(4);
    }

    void TearDown() override
    {
        m_Manager.Fini();
        g_pPackFile_Data = m_pOldPack;
        g_bDebugMode = FALSE;
        BattleFixture::TearDown();
    }

    void AddPerson(DWORD dwTeamIndex, DWORD dwType)
    {
        XS_BattleResultPerson record;
        record.pPersonObj = m_Persons.GetPersonFromTeamIndex(dwTeamIndex);
        record.dwTeamIndex = dwTeamIndex;
        record.dwPersonType = dwType;
        record.dwHitType = XE_HIT_TYPE_HIT;
        m_Result.AddBattleResultPerson(record);
    }

    void Play(const std::string& strText)
    {
        m_Pack.Add(s_szFile, strText);
        XS_BattleResultMain main;
        main.dwSkillLevel = 3;
        main.stringScriptName = s_szFile;
        m_Result.SetBattleResultMain(main);
        ASSERT_EQ(m_Manager.Init(&m_Environment), S_OK);
        EXPECT_EQ(m_Manager.LoadBattleScript(m_Result), S_OK);
    }

    XC_RenderingObject* Shared(const char* szName) { return m_Manager.GetScriptResource()->GetRenderObj(szName); }

    std::string Parameter(XC_Script* pScript, const char* szName)
    {
        const char* szValue = nullptr;
        pScript->GetScriptParameter()->GetParameter(szName, &szValue);
        return szValue != nullptr ? szValue : "(none)";
    }

    XC_GamePerson* Person(DWORD dwTeamIndex) { return m_Persons.GetPersonFromTeamIndex(dwTeamIndex); }

    XI_PackFile* m_pOldPack = nullptr;
    XC_BattleResultInfo m_Result;
    XC_BattleScriptManager m_Manager;
};

} // namespace

TEST_F(BattleScriptManagerTest, EveryPersonGetsAScriptAndTheFirstOfEachKindIsShared)
{
    for (const DWORD dwIndex : {0u, 1u, 2u})
        AddPerson(dwIndex, XE_RESULT_PERSON_ACTIVE);
    AddPerson(3, XE_RESULT_PERSON_PASSIVE);
    AddPerson(5, XE_RESULT_PERSON_PASSIVE);
    Play(s_szAllNodes);
    ASSERT_EQ(m_Manager.GetScriptCount(), 7u);
    EXPECT_EQ(Shared("ActivePerson"), Person(0));
    EXPECT_EQ(Shared("ActivePerson2"), Person(2));
    EXPECT_EQ(Shared("PassivePerson"), Person(3));
    EXPECT_EQ(m_Manager.GetScript(6)->GetScriptResource()->GetRenderObj("Person"), Person(5));
    EXPECT_EQ(std::string(m_Manager.GetScript(6)->GetName()), "[PassivePerson]");
    EXPECT_EQ(std::string(m_Manager.GetScript(4)->GetName()), "[ActivePerson2]");

    // Names published by the manager, and the system script's, reach every script.
    XC_Script* const pEffect = m_Manager.FindScript("[Effect]");
    ASSERT_NE(pEffect, nullptr);
    const D3DXVECTOR3 vTarget = *m_Manager.GetScriptResource()->GetRenderNode("TargetFloor")->GetWorldPosition();
    EXPECT_EQ(Parameter(pEffect, "xyzTargetFloorPos"),
              std::string(XF_FormatText("%f , %f , %f", double(vTarget.x), double(vTarget.y), double(vTarget.z))));
    EXPECT_NE(Parameter(pEffect, "xyzTargetFloorPos").find("00000 , "), std::string::npos);
    EXPECT_EQ(Parameter(m_Manager.GetScript(5), "dwSkillLevel"), "3");
    EXPECT_EQ(Parameter(m_Manager.GetScript(5), "Shared"), "sys");
    EXPECT_EQ(Parameter(m_Manager.GetScript(5), "Own"), "(none)");
    const D3DXVECTOR3 vActor = *Person(0)->GetWorldPosition();
    EXPECT_EQ(Parameter(pEffect, "xyzActivePersonPos"),
              std::string(XF_FormatText("%f , %f , %f", double(vActor.x), double(vActor.y), double(vActor.z))));
}

TEST_F(BattleScriptManagerTest, LaterActorsUseTheFirstTemplateWhenTheFileHasNoSecond)
{
    std::string strText = s_szAllNodes;
    strText.replace(strText.find("[ActivePerson2]"), 15, "[Unused]");
    AddPerson(0, XE_RESULT_PERSON_ACTIVE);
    AddPerson(1, XE_RESULT_PERSON_ACTIVE);
    ErrorLogCapture errors;
    Play(strText);
    EXPECT_TRUE(errors.Contains("Can,t fine [ActivePerson2] , Use [ActivePerson]")) << errors.Text();
    ASSERT_NE(m_Manager.FindScript("[ActivePerson]"), nullptr);
    EXPECT_EQ(m_Manager.GetScriptCount(), 5u);
    EXPECT_EQ(std::string(m_Manager.GetScript(4)->GetName()), "[ActivePerson]");
    EXPECT_EQ(m_Manager.GetScript(4)->GetScriptResource()->GetRenderObj("Person"), Person(1));
}

TEST_F(BattleScriptManagerTest, TheFirstNodeIsTheSharedFallbackWhateverItIs)
{
    const std::string strText = std::string("[Effect]\n{\n[Parameter]\n{\nShared = first\n}\n}\n") + s_szAllNodes;
    AddPerson(0, XE_RESULT_PERSON_ACTIVE);
    ErrorLogCapture errors;
    Play(strText);
    EXPECT_TRUE(errors.Contains("[BattleScriptSys] Need Be First Node \r\n0 == XC_ScriptSet::m_PAL_Script.Count()"))
        << errors.Text();
    EXPECT_EQ(Parameter(m_Manager.FindScript("[ActivePerson]"), "Shared"), "first");
}

TEST_F(BattleScriptManagerTest, InDebugModeTheSystemScriptKeepsTheSkillLevel)
{
    g_bDebugMode = TRUE;
    AddPerson(0, XE_RESULT_PERSON_ACTIVE);
    Play(s_szAllNodes);
    EXPECT_EQ(Parameter(m_Manager.FindScript("[ActivePerson]"), "dwSkillLevel"), "7");
}

TEST_F(BattleScriptManagerTest, AMissingFileOrTemplateLosesOnlyScripts)
{
    AddPerson(0, XE_RESULT_PERSON_ACTIVE);
    AddPerson(1, XE_RESULT_PERSON_CALLED);
    ErrorLogCapture errors;
    Play(s_szAllNodes);
    EXPECT_TRUE(errors.Contains("Can,t fine [CallPerson] ")) << errors.Text();
    EXPECT_EQ(m_Manager.GetScriptCount(), 3u);
    EXPECT_EQ(Shared("CallPerson"), Person(1));

    m_Manager.Fini();
    m_Pack.Remove(s_szFile);
    ASSERT_EQ(m_Manager.Init(&m_Environment), S_OK);
    EXPECT_EQ(m_Manager.LoadBattleScript(m_Result), S_OK);
    EXPECT_EQ(m_Manager.GetScriptCount(), 0u);
    EXPECT_TRUE(errors.Contains("BattleScript\\Test.txt")) << errors.Text();
}
