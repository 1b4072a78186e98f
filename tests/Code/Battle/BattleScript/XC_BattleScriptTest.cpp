#include "Code/Battle/BattleScript/XC_BattleScript.h"

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Script/XC_ScriptMessageAssigner.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A passive template whose branches and overlays each carry a "Mark".
const char* const s_szTemplate = R"([PassivePerson]
{
	[ActionList]
	{
		[Start]
		{
			Type = Nothing
		}
		[Hit]
		{
			[HitHit]
			{
				Mark = hit
			}
			[HitDodge]
			{
				Mark = dodge
			}
		}
		[Result]
		{
			[ResultLive]
			{
				Mark = live
			}
			[ResultDieHaveBody]
			{
				Mark = body
			}
			[ResultDieNoBody]
			{
				Mark = nobody
			}
		}
		[Shout]
		{
			Mark = plain
		}
	}
	[ActionList_Dodge]
	{
		[Shout]
		{
			Mark = overlaid
		}
		[Extra]
		{
			Mark = extra
		}
	}
}
)";

// One person's script cut from a template of the text.
class BattleScriptTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(4, 4);
        AddFightPerson(0, 1, 0);
        StartBattle();
    }

    void TearDown() override
    {
        for (XC_BattleScript* pScript : {&m_Script, &m_Second})
            pScript->Fini();
        g_pTimerManager->SetTimeScale(1.0f);
        BattleFixture::TearDown();
    }

    XC_TextNode* Template(const std::string& strText)
    {
        EXPECT_EQ(m_Tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size())), S_OK);
        return m_Tree.FindChildNode(0);
    }

    HRESULT Load(XC_BattleScript& script, DWORD dwType, DWORD dwHit, DWORD dwResult, const std::string& strText)
    {
        XS_BattleResultPerson record;
        record.pPersonObj = m_Persons.GetPersonFromTeamIndex(0);
        record.dwPersonType = dwType;
        record.dwHitType = dwHit;
        record.dwResultType = dwResult;
        EXPECT_EQ(script.Init(&m_Environment, &m_Assigner), S_OK);
        script.SetBattleResultPerson(record);
        XC_TextNode* const pTemplate = m_Tree.GetChildNodeCount() > 0 ? m_Tree.FindChildNode(0) : Template(strText);
        return script.Load(pTemplate);
    }

    // The fitted list: each child's name, with its "Mark" when it has one.
    static std::vector<std::string> Fitted(XC_BattleScript& script)
    {
        std::vector<std::string> names;
        XC_TextNode* const pList = script.GetActionList();
        for (int i = 0; i < pList->GetChildNodeCount(); ++i) {
            const XC_TextNode* const pChild = pList->FindChildNode(i);
            names.push_back(std::string(pChild->GetName()) + pChild->GetStr("Mark", ""));
        }
        return names;
    }

    XC_TextTree m_Tree;
    XC_ScriptMessageAssigner m_Assigner;
    XC_BattleScript m_Script;
    XC_BattleScript m_Second;
};

} // namespace

TEST_F(BattleScriptTest, HitAndOutcomeChooseTheBranchesBeforeTheOverlay)
{
    struct Case
    {
        DWORD dwHit;
        DWORD dwResult;
        std::vector<std::string> fitted;
    };
    const Case cases[] = {
        {1, 0, {"[Start]", "[Shout]plain", "[Hit]hit", "[Result]live"}},
        {1, 1, {"[Start]", "[Shout]plain", "[Hit]hit", "[Result]body"}},
        {1, 2, {"[Start]", "[Shout]plain", "[Hit]hit", "[Result]nobody"}},
        {0, 0, {"[Start]", "[Hit]dodge", "[Result]live", "[Shout]overlaid", "[Extra]extra"}},
    };
    for (const Case& c : cases) {
        XC_BattleScript script;
        m_Tree.Clear();
        ASSERT_EQ(Load(script, XE_RESULT_PERSON_PASSIVE, c.dwHit, c.dwResult, s_szTemplate), S_OK);
        EXPECT_EQ(Fitted(script), c.fitted) << "hit " << c.dwHit << " result " << c.dwResult;
        script.Fini();
    }
}

TEST_F(BattleScriptTest, AnOverlaidBranchReplacesTheChosenOneWhole)
{
    std::string strText = s_szTemplate;
    strText.replace(strText.find("[Extra]"), 7, "[Hit]");
    ASSERT_EQ(Load(m_Script, XE_RESULT_PERSON_PASSIVE, 0, 0, strText), S_OK);
    EXPECT_EQ(Fitted(m_Script), (std::vector<std::string>{"[Start]", "[Result]live", "[Shout]overlaid", "[Hit]extra"}));
}

TEST_F(BattleScriptTest, ActorsKeepTheResultNodeAndAHalfBranchStaysUnfitted)
{
    std::string strText = s_szTemplate;
    strText.erase(strText.find("\t\t\t[HitDodge]"), strText.find("\t\t[Result]") - strText.find("\t\t\t[HitDodge]") - 4);
    ASSERT_EQ(Load(m_Script, XE_RESULT_PERSON_ACTIVE, 0, 2, strText), S_OK);
    const std::vector<std::string> fitted = Fitted(m_Script);
    EXPECT_EQ(fitted, (std::vector<std::string>{"[Start]", "[Hit]", "[Result]", "[Shout]overlaid", "[Extra]extra"}));
    EXPECT_NE(m_Script.GetActionList()->FindChildNode("[Hit]")->FindChildNode("[HitHit]"), nullptr);
    EXPECT_NE(m_Script.GetActionList()->FindChildNode("[Result]")->FindChildNode("[ResultDieNoBody]"), nullptr);
}

TEST_F(BattleScriptTest, UnfittableTemplatesAndRecordsFailTheirLoad)
{
    std::string strNoResult = s_szTemplate;
    strNoResult.replace(strNoResult.find("[Result]"), 8, "[Other]");
    std::string strNoBodyBranch = s_szTemplate;
    strNoBodyBranch.replace(strNoBodyBranch.find("[ResultDieNoBody]"), 17, "[ResultGone]");
    std::string strNoList = s_szTemplate;
    strNoList.replace(strNoList.find("[ActionList]"), 12, "[Actions]");
    struct Case
    {
        std::string strText;
        DWORD dwHit;
        DWORD dwResult;
        std::string strReport;
    };
    const Case cases[] = {
        {s_szTemplate, 2, 0, "dwHitType = 2 "},
        {s_szTemplate, 1, 3, "dwResultType = 3 "},
        {strNoResult, 1, 0, "Passive Script Can't Find \"[Result]\""},
        {strNoBodyBranch, 1, 2, "Can't Find [ResultDieNoBody]    from [PassivePerson] -> [ActionList] -> [Hit] "},
        {strNoList, 1, 0, "\"[PassivePerson]\" has no [ActionList]"},
    };
    for (const Case& c : cases) {
        ErrorLogCapture errors;
        XC_BattleScript script;
        m_Tree.Clear();
        EXPECT_EQ(Load(script, XE_RESULT_PERSON_PASSIVE, c.dwHit, c.dwResult, c.strText), E_FAIL) << c.strReport;
        EXPECT_TRUE(errors.Contains(c.strReport)) << errors.Text();
        script.Fini();
    }
}

TEST_F(BattleScriptTest, ScriptsOfOneTemplateFitTheirOwnCopies)
{
    ASSERT_EQ(Load(m_Script, XE_RESULT_PERSON_PASSIVE, 1, 1, s_szTemplate), S_OK);
    ASSERT_EQ(Load(m_Second, XE_RESULT_PERSON_PASSIVE, 0, 0, s_szTemplate), S_OK);
    EXPECT_EQ(Fitted(m_Script), (std::vector<std::string>{"[Start]", "[Shout]plain", "[Hit]hit", "[Result]body"}));
    EXPECT_EQ(Fitted(m_Second),
              (std::vector<std::string>{"[Start]", "[Hit]dodge", "[Result]live", "[Shout]overlaid", "[Extra]extra"}));
    const XC_TextNode* const pTemplateList = m_Tree.FindChildNode(0)->FindChildNode("[ActionList]");
    EXPECT_NE(pTemplateList->FindChildNode("[Hit]")->FindChildNode("[HitHit]"), nullptr);
    EXPECT_EQ(pTemplateList->GetChildNodeCount(), 4);
    EXPECT_EQ(m_Script.GetScriptResource()->GetRenderObj("Person"), m_Persons.GetPersonFromTeamIndex(0));
}

TEST_F(BattleScriptTest, RealTimeWorksKeepTheirPaceInSlowMotion)
{
    const char* const szText = R"([ActivePerson]
{
	[ActionList]
	{
		[Init]
		{
			[Slow]
			{
				Type = Nothing
				fWorkTime = 0.5
			}
			[AlsoSlow]
			{
				Type = Nothing
				fWorkTime = 0.5
			}
			[Fast]
			{
				Type = Nothing
				fWorkTime = 0.5
				bUseRealTime = 1
			}
		}
	}
}
)";
    ASSERT_EQ(Load(m_Script, XE_RESULT_PERSON_ACTIVE, 1, 0, szText), S_OK);
    ASSERT_EQ(m_Script.RunScript(), S_OK);
    EXPECT_EQ(m_Script.GetWorkCount(), 3u);
    EXPECT_EQ(m_Script.GetRealTimeSprite()->GetWorkCount(), 1u);
    g_pTimerManager->SetTimeScale(0.5f);
    g_pTimerManager->Update(0.6f);
    EXPECT_EQ(m_Script.GetRealTimeSprite()->GetWorkCount(), 0u);
    EXPECT_EQ(m_Script.GetWorkCount(), 2u);
    g_pTimerManager->Update(0.6f);
    EXPECT_EQ(m_Script.GetWorkCount(), 0u);
}
