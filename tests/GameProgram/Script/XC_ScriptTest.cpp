#include "GameProgram/Script/XC_Script.h"

#include "GameProgram/Script/XC_ScriptMessageAssigner.h"
#include "tests/GameProgram/Script/ScriptFixture.h"

#include <algorithm>
#include <string>
#include <vector>

typedef std::vector<std::string> Lines;

TEST_F(ScriptTest, RunEntriesFollowOneAnotherAndImmediateOnesRunThroughAtOnce)
{
    Load(R"([S]
{
	[Run]
	{
		[A]
		{
			Type = SetParameter
			ParameterName = a
			ParameterData = 1
		}
		[B]
		{
			Type = SetParameter
			ParameterName = b
			ParameterData = 2
		}
		[Wait]
		{
			Type = Nothing
			fWorkTime = 2
		}
		[C]
		{
			Type = SetParameter
			ParameterName = c
			ParameterData = 3
		}
	}
}
)");
    ASSERT_EQ(m_Set.GetScriptCount(), 1u);
    EXPECT_EQ(m_Set.RunAllScript(), S_OK);
    EXPECT_EQ(Trace(), (Lines{"[S] [Run] [A] Begin", "[S] [Run] [A] End", "[S] [Run] [B] Begin", "[S] [Run] [B] End",
                              "[S] [Run] [Wait] Begin"}));
    Frames(3, 0.5f);
    EXPECT_EQ(Trace().size(), 5u);
    Frames(1, 0.5f);
    EXPECT_EQ(Trace().back(), "[S] [Run] [C] End");
    EXPECT_EQ(m_Set.GetAllWorkCount(), 0u);
}

TEST_F(ScriptTest, FollowersStartOnTheirMessageOrAtTheEnd)
{
    Load(R"([S]
{
	[ActionList]
	{
		[Init]
		{
			[Loop]
			{
				Type = While
				dwCount = 3
				dwMsg = 5
				fWorkTime = 1
				[OnFive]
				{
					Type = Nothing
					dwConditionOfStart = 5
				}
				[After]
				{
					Type = Nothing
				}
			}
			[Later]
			{
				Type = Nothing
				dwConditionOfStart = 9
			}
		}
	}
}
)");
    m_Set.RunAllScript();
    Frames(3, 0.5f);
    // The zero-time follower starts and ends once per message: at the
    // begin, half-way and at the end; the other follower after the end.
    const Lines expected = {
        "[S] [ActionList] [Init] [Loop] Begin",
        "[S] [ActionList] [Init] [Loop] [OnFive] Begin", "[S] [ActionList] [Init] [Loop] [OnFive] End",
        "[S] [ActionList] [Init] [Loop] [OnFive] Begin", "[S] [ActionList] [Init] [Loop] [OnFive] End",
        "[S] [ActionList] [Init] [Loop] [OnFive] Begin", "[S] [ActionList] [Init] [Loop] [OnFive] End",
        "[S] [ActionList] [Init] [Loop] End",
        "[S] [ActionList] [Init] [Loop] [After] Begin", "[S] [ActionList] [Init] [Loop] [After] End",
    };
    EXPECT_EQ(Trace(), expected);
}

TEST_F(ScriptTest, AFailingCommandEndsItsBranchWithAReport)
{
    Load(R"([S]
{
	[Run]
	{
		[Bad]
		{
			Type = nothing
			[Never]
			{
				Type = Nothing
			}
		}
		[Next]
		{
			Type = Nothing
		}
	}
}
)");
    m_Set.RunAllScript();
    EXPECT_TRUE(m_Log.Contains("找不到腳本分析指令 nothing , 檢查是否輸入錯誤"));
    EXPECT_TRUE(m_Log.Contains("\"[S]\" DoEvent \"[root] [S] [Run] [Bad] \" error"));
    EXPECT_EQ(Trace(), (Lines{"[S] [Run] [Bad] Begin", "[S] [Run] [Next] Begin", "[S] [Run] [Next] End"}));
}

TEST_F(ScriptTest, ScriptsWithoutRunOrInitDoNothing)
{
    Load("[Empty]\n{\n\tdwUnused = 1\n}\n");
    EXPECT_EQ(m_Set.RunAllScript(), S_OK);
    EXPECT_EQ(m_Set.GetAllWorkCount(), 0u);
    EXPECT_EQ(m_Set.FindScript("Empty"), nullptr);
    EXPECT_NE(m_Set.FindScript("[Empty]"), nullptr);
}

TEST_F(ScriptTest, ParametersAndResourcesChainToTheSet)
{
    Load("[One]\n{\n\t[Parameter]\n\t{\n\t\tName = mine\n\t}\n}\n[Two]\n{\n}\n");
    m_Set.GetScriptParameter()->SetParameter("Name", "shared");
    const char* szValue = nullptr;
    m_Set.FindScript("[One]")->GetScriptParameter()->GetParameter("Name", &szValue);
    EXPECT_STREQ(szValue, "mine");
    m_Set.FindScript("[Two]")->GetScriptParameter()->GetParameter("Name", &szValue);
    EXPECT_STREQ(szValue, "shared");

    XC_Script* const pTwo = m_Set.FindScript("[Two]");
    EXPECT_EQ(pTwo->GetScriptResource()->GetRenderNode("Camera"), m_Environment.worldCamera.GetCameraRenderNode());
    // An object named "Camera" does not hide the camera node.
    ScriptDrawable* const pObject = AddObject(pTwo, "Camera");
    EXPECT_EQ(pTwo->GetScriptResource()->GetRenderNode("Camera"), m_Environment.worldCamera.GetCameraRenderNode());
    EXPECT_EQ(pTwo->GetScriptResource()->GetRenderObj("Camera"), pObject);
    // The first of two objects of one name stays.
    AddObject(pTwo, "Camera");
    EXPECT_EQ(pTwo->GetScriptResource()->GetRenderObj("Camera"), pObject);
    EXPECT_EQ(pTwo->GetScriptResource()->GetRenderObj("Nobody"), nullptr);
    EXPECT_TRUE(m_Log.Contains("找不到資源 名稱 Nobody "));
}

TEST_F(ScriptTest, MessagesReachEveryScriptOfTheName)
{
    Load(R"([Twin]
{
	[ActionList]
	{
		[Go]
		{
			[Mark]
			{
				Type = Nothing
			}
		}
	}
}
[Twin]
{
	[ActionList]
	{
		[Go]
		{
			[Mark]
			{
				Type = Nothing
			}
		}
	}
}
[Caller]
{
	[Run]
	{
		[Send]
		{
			Type = SendMessage
			Target = [Twin]
			Action = [Go]
		}
		[Self]
		{
			Type = SendMessage
			Target = This
			Action = [Go]
		}
	}
	[ActionList]
	{
		[Go]
		{
			[Own]
			{
				Type = Nothing
			}
		}
	}
}
)");
    m_Set.RunAllScript();
    const Lines trace = Trace();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "[Twin] [ActionList] [Go] [Mark] Begin"), 2);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "[Caller] [ActionList] [Go] [Own] Begin"), 1);
    XC_ScriptMessageAssigner assigner;
    EXPECT_EQ(assigner.Unregister(m_Set.GetScript(0)), E_FAIL);
}

TEST_F(ScriptTest, FollowersMayClearTheWorksOfTheSpriteThatIsEndingThem)
{
    Load(R"([S]
{
	[ActionList]
	{
		[Init]
		{
			[Short]
			{
				Type = Nothing
				fWorkTime = 0.5
				[Clear]
				{
					Type = ClearAllWork
				}
			}
			[Long]
			{
				Type = Nothing
				fWorkTime = 5
			}
			[Longer]
			{
				Type = Nothing
				fWorkTime = 6
			}
		}
	}
}
)");
    m_Set.RunAllScript();
    EXPECT_EQ(m_Set.GetAllWorkCount(), 3u);
    Frames(1, 0.5f);
    EXPECT_EQ(m_Set.GetAllWorkCount(), 0u);
    Frames(2, 0.5f);
    EXPECT_EQ(Trace().back(), "[S] [ActionList] [Init] [Short] [Clear] End");
}

TEST_F(ScriptTest, ACalledScriptMayEndItsOwnCallerWhileItRuns)
{
    m_Pack.files["Script\\Child.txt"] = R"([Child]
{
	[Run]
	{
		[Pause]
		{
			Type = Nothing
			fWorkTime = 0.5
			[Tell]
			{
				Type = SendMessage
				Target = [Parent]
				Action = [Stop]
			}
		}
		[Unreached]
		{
			Type = Nothing
		}
	}
}
)";
    Load(R"([Parent]
{
	[Run]
	{
		[Call]
		{
			Type = CallScript
			ScriptFile = Script\Child.txt
		}
	}
	[ActionList]
	{
		[Stop]
		{
			[Clear]
			{
				Type = ClearAllWork
			}
		}
	}
}
)");
    m_Set.RunAllScript();
    EXPECT_EQ(m_Set.GetAllWorkCount(), 1u);
    // The child's work ends, its follower clears the parent's works, which
    // destroys the child's own script set while its sprite is walking.
    Frames(2, 0.5f);
    EXPECT_EQ(m_Set.GetAllWorkCount(), 0u);
    // The called script finishes the pass in which its caller let it go;
    // it is destroyed when the pass is over.
    const Lines childTrace = Trace("Child.txt");
    EXPECT_EQ(childTrace.back(), "[Child] [Run] [Unreached] End");
}

TEST_F(ScriptTest, ALongChainOfCommandsThatEndAtOnceKeepsItsOrder)
{
    // Deeper than a text file may nest, so the tree is built here: works
    // that end at once alternate with immediate commands that note their turn.
    XC_TextTree tree;
    XC_TextNode* pNode = tree.AddNode("[Chain]")->AddNode("[ActionList]")->AddNode("[Init]");
    const int iLength = 1000;
    for (int i = 0; i < iLength; ++i) {
        const std::string strNumber = std::to_string(i);
        pNode = pNode->AddNode(std::string("[N").append(strNumber).append("]").c_str());
        if (i % 2 == 0) {
            pNode->AddLeaf("Type", "Nothing");
            continue;
        }
        pNode->AddLeaf("Type", "SetParameter");
        pNode->AddLeaf("ParameterName", "seq");
        pNode->AddLeaf("ParameterData", std::string("#add #Parameter seq .").append(strNumber).c_str());
    }
    ASSERT_EQ(m_Set.Load(&tree), S_OK);
    XC_Script* const pScriptObj = m_Set.GetScript(0);
    pScriptObj->GetScriptParameter()->SetParameter("seq", "");
    EXPECT_EQ(m_Set.RunAllScript(), S_OK);

    std::string strExpected;
    for (int i = 1; i < iLength; i += 2)
        strExpected.append(".").append(std::to_string(i));
    const char* szSequence = nullptr;
    pScriptObj->GetScriptParameter()->GetParameter("seq", &szSequence);
    EXPECT_EQ(std::string(szSequence != nullptr ? szSequence : ""), strExpected);
    EXPECT_EQ(m_Set.GetAllWorkCount(), 0u);
    m_Set.Clear();
}

namespace {

// A command that appends ".NAME" to the script's value "seq" at once.
XC_TextNode* AddAppend(XC_TextNode* pParent, const std::string& strName)
{
    XC_TextNode* const pNode = pParent->AddNode(("[" + strName + "]").c_str());
    pNode->AddLeaf("Type", "SetParameter");
    pNode->AddLeaf("ParameterName", "seq");
    pNode->AddLeaf("ParameterData", ("#add #Parameter seq ." + strName).c_str());
    return pNode;
}

} // namespace

TEST_F(ScriptTest, FollowersNestedDeepRunDepthFirstBeforeTheSiblingsOfTheirAncestors)
{
    // 60 levels, each a work that ends at once holding an append; level 29
    // also holds a second follower, and the chain's top a sibling.
    XC_TextTree tree;
    XC_TextNode* const pInit = tree.AddNode("[Deep]")->AddNode("[ActionList]")->AddNode("[Init]");
    XC_TextNode* pNode = pInit;
    for (int i = 0; i < 60; ++i) {
        XC_TextNode* const pWork = pNode->AddNode(("[W" + std::to_string(i) + "]").c_str());
        pWork->AddLeaf("Type", "Nothing");
        pNode = AddAppend(pWork, std::to_string(i));
        if (i == 29)
            AddAppend(pNode, "L");
    }
    AddAppend(pInit, "S");
    ASSERT_EQ(m_Set.Load(&tree), S_OK);
    XC_Script* const pScriptObj = m_Set.GetScript(0);
    pScriptObj->GetScriptParameter()->SetParameter("seq", "");
    EXPECT_EQ(m_Set.RunAllScript(), S_OK);

    std::string strExpected;
    for (int i = 0; i < 60; ++i) {
        strExpected.append(".").append(std::to_string(i));
        if (i == 29)
            strExpected.append(".L");
    }
    strExpected.append(".S");
    const char* szSequence = nullptr;
    pScriptObj->GetScriptParameter()->GetParameter("seq", &szSequence);
    EXPECT_EQ(std::string(szSequence != nullptr ? szSequence : ""), strExpected);
    m_Set.Clear();
}

TEST_F(ScriptTest, AnActionThatStartsItselfWithoutEndIsCutAndRunGoesOn)
{
    // Each start of [Go] starts it twice again.
    Load(R"([Loop]
{
	[Run]
	{
		[Start]
		{
			Type = SendMessage
			Target = This
			Action = [Go]
		}
		[Next]
		{
			Type = Nothing
		}
	}
	[ActionList]
	{
		[Go]
		{
			[A]
			{
				Type = SendMessage
				Target = This
				Action = [Go]
			}
			[B]
			{
				Type = SendMessage
				Target = [Loop]
				Action = [Go]
			}
		}
	}
}
)");
    EXPECT_EQ(m_Set.RunAllScript(), S_OK);
    EXPECT_TRUE(m_Log.Contains("\"[Loop]\" starts commands without end; the rest is dropped")) << m_Log.Text();
    const Lines trace = Trace();
    EXPECT_EQ(trace.back(), "[Loop] [Run] [Next] End");
    EXPECT_EQ(m_Set.GetAllWorkCount(), 0u);
}

TEST_F(ScriptTest, TracePathsNameEveryNodeFromTheRoot)
{
    Load("[Intro]\n{\n[Run]\n{\n[Walk]\n{\nType = Nothing\nfWorkTime = 1\n}\n}\n}\n");
    m_Set.RunAllScript();
    const std::string strText = ReadTestFile(m_TraceFolder.File("Test.txt.sdi"));
    EXPECT_EQ(strText, "[root] [Intro] [Run] [Walk]      Begin\n");
}
