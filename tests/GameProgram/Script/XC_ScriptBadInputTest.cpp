#include "GameProgram/RenderingObject/XC_Person.h"
#include "tests/GameProgram/Script/ScriptFixture.h"
#include "tests/GameProgram/SpriteWork/PersonAnimations.h"
#include "tests/Support/ErrorLogCapture.h"

#include <string>
#include <vector>

namespace {

// Every command of the table once, with plausible leaves, for mutating.
const char* const ALL_COMMANDS = R"([Bad]
{
	[Parameter]
	{
		Base = #add 1 #Parameter Base
		Speed = 2
	}
	[Run]
	{
		[A]
		{
			Type = SetPosition
			Object = Nobody
			xyzPosition = #mul 1 2 3 #Parameter Speed
			fWorkTime = -1
		}
		[B]
		{
			Type = While
			dwCount = 3
			dwMsg = 1
			fWorkTime = 0.2
			[B1]
			{
				Type = If
				dwConditionOfStart = 1
				bExpression = f> #FromXYZ #GetPosition Camera x 0
				[B2]
				{
					Type = SendMessage
					dwConditionOfStart = 1
					Target = This
					Action = [Again]
				}
			}
		}
		[P]
		{
			Type = SetPose
			Object = Walker
			Pose = Strike
			bLastPageEnd = TRUE
			fWorkTime = 1
			[Q]
			{
				Type = PersonChangeDirection
				Object = Walker
				dwDirection = #PersonAbsoluteDirection Walker
				dwConditionOfStart = 11
			}
		}
		[R]
		{
			Type = CallHumanCloningScript
			CopyPerson = Walker
			ScriptFile = Script\Test.txt
			xyzPosition = 1 2 3
		}
		[S]
		{
			Type = PersonLookAtPosition
			Object = Walker
			xyzTarget = #ScreenToWorld 400 300 #GetPosition Camera
		}
		[C]
		{
			Type = CameraReferRenderNode
			ReferRenderNode = Camera
			fRotateSpeed = 90
		}
		[D]
		{
			Type = DistanceDelay
			xyzPosition2 = 1 2 3
			fDistanceToTime = 0.1
			fWorkTime = 0
		}
		[E]
		{
			Type = CallScript
			ScriptFile = Script\Test.txt
		}
		[F]
		{
			Type = SetParameter
			ParameterName = Level
			ParameterData = #LONG %05d #div 7 0
		}
		[G]
		{
			Type = FinishWork
			WorkName = [B]
		}
		[H]
		{
			Type = ShakeCamera
			fVerticalShakeFrequency1 = 10
			fVerticalShakeRange1 = 1
			fWorkTime = 0.1
		}
	}
	[ActionList]
	{
		[Again]
		{
			[Clear]
			{
				Type = ClearAllWork
			}
		}
	}
}
)";

} // namespace

TEST_F(ScriptTest, MalformedScriptsReportAndGoOn)
{
    struct Case { const char* szText; const char* szReport; };
    std::vector<Case> cases = {
        {"[S]\n{\n[Run]\n{\n[N]\n{\nfWorkTime = 1\n}\n}\n}\n", "腳本分析錯誤 沒有 Type 參數 "},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = Teleport\n}\n}\n}\n", "找不到腳本分析指令 Teleport"},
        {"[S]\n{\n[Parameter]\n{\nA = #Parameter B\nB = #Parameter A\n}\n[Run]\n{\n[N]\n{\nType = Nothing\n"
         "fWorkTime = #Parameter A\n}\n}\n}\n",
         "Evaluation deeper than"},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = Nothing\nfWorkTime = 1e39\n}\n}\n}\n",
         "\"[root] [S] [Run] [N] \" fWorkTime = "},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = Nothing\nfWorkTime = nan\n}\n}\n}\n", "not a time of 0 to 10000 seconds"},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = Nothing\nfDelayTime = -2\n}\n}\n}\n", "fDelayTime = -2 : not a time"},
        {"\xEF\xBB\xBF[S]\n{\n[Run]\n{\n}\n}\n", "Script\\Test.txt : starts with a UTF-8 byte-order mark"},
        {"= = =\nx = 1\n", "Script\\Test.txt : the file holds no script"},
        {"}\n[S]\n{\n[Run]\n{\n}\n}\n", "Script\\Test.txt : the file holds no script"},
        {"\x01\x02\xFF\xFE\x7F", "Script\\Test.txt : the file holds no script"},
        {"[S]\n{\n[Parameter]\n{\nP = ab\n}\n[Run]\n{\n[W]\n{\nType = While\ndwCount = 40\ndwMsg = 1\n"
         "[D]\n{\ndwConditionOfStart = 1\nType = SetParameter\nParameterName = P\n"
         "ParameterData = #add #Parameter P #Parameter P\n}\n}\n}\n}\n",
         "SetParameter \"P\" : 131072 bytes , at most 65536"},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = While\ndwCount = 4294967295\nfWorkTime = 0\n}\n}\n}\n", "While dwCount 4294967295"},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = Nothing\nfWorkTime = #FLOAT %999999f 1\n}\n}\n}\n", "GetParameter Error"},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = CallScript\nScriptFile = Script\\Test.txt\n}\n}\n}\n",
         "calls script files deeper than 16"},
        // Calling itself twice would load 2^16 files within the depth limit.
        {"[S]\n{\n[Run]\n{\n[A]\n{\nType = CallScript\nScriptFile = Script\\Test.txt\n}\n"
         "[B]\n{\nType = CallScript\nScriptFile = Script\\Test.txt\n}\n}\n}\n",
         "calls more than 4096 script files"},
        {"[S]\n{\n[Run]\n{\n[N]\n{\nType = SetNodeLink\nParent = Camera\nChild = Camera\n}\n}\n}\n", nullptr},
        {"}}}{{{[[[\n= = =\n[S\n{\n", nullptr},
        {"[S]\n{\n[Rnu]\n{\n}\n}\n", "\"[S]\" : unknown node [Rnu] , ignored"},
        {"[S]\n{\n[Run]\n{\n[M]\n{\nType = SendMessage\nTarget = This\nAction = [Nope]\n}\n}\n}\n",
         "\"[S]\" SendMessage : no action [Nope]"},
        {"[S]\n{\n[Run]\n{\n[M]\n{\nType = SendMessage\nTarget = [Ghost]\nAction = [Go]\n}\n}\n}\n",
         "SendMessage : no script [Ghost] with an action [Go]"},
        {"[S]\n{\n[Run]\n{\n", "Script\\Test.txt : the text ends inside 2 node(s) ; a \"}\" is missing"},
        {"", nullptr},
    };
    std::string strDeep;
    for (int i = 0; i < 300; ++i)
        strDeep += "[N]\n{\n";
    const std::string strDeepReport =
        "( iDepth < MAX_DEPTH ) failed \r\nScript\\Test.txt line 513 : nodes nested deeper than 256 are dropped";
    cases.push_back(Case{strDeep.c_str(), strDeepReport.c_str()});
    for (const Case& c : cases) {
        ErrorLogCapture log;
        {
            XC_ScriptSet scriptSet;
            scriptSet.Init(&m_Environment);
            m_Pack.files["Script\\Test.txt"] = c.szText;
            scriptSet.LoadScript("Script\\Test.txt");
            scriptSet.RunAllScript();
            Frames(20, 0.05f);
            scriptSet.Fini();
        }
        if (c.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(c.szReport)) << c.szText;
        }
    }
}

// Thousands of damaged copies of a script that uses every kind of command:
// each is loaded, run and stepped, and nothing may crash or hang. A copy that
// loads no script leaves a report, and none outlives its set. The person
// "Walker" stands among the set's objects.
TEST_F(ScriptTest, DamagedScriptsNeverCrashOrHang)
{
    // Traces would only slow the run down.
    XC_ScriptSet::SetTraceFolder(nullptr);
    const std::string strOriginal = ALL_COMMANDS;
    const char* const pieces[] = {"#Parameter Base ", "#add ", "{", "}", "[X]", "\n", " = ", "#div ", "-", "0x",
                                  "Type = CallScript\nScriptFile = Script\\Test.txt\n", "99999999999999999999",
                                  "Type = SendMessage\nTarget = This\nAction = [Init]\n", "fWorkTime = nan\n",
                                  "fDelayTime = 1e39\n", "ParameterData = #add #Parameter Base #Parameter Base\n"};
    const PersonAnimations animations;
    XC_Person walker;
    walker.SetName("Walker");
    walker.InitPerson(PersonAnimations::PATH, 1, 1);
    unsigned int uSeed = 12345;
    auto next = [&uSeed] { return uSeed = uSeed * 1103515245u + 12345u, (uSeed >> 16) & 0x7FFF; };
    for (int iCase = 0; iCase < 2500; ++iCase) {
        std::string strText = strOriginal;
        const int iEdits = 1 + static_cast<int>(next() % 6);
        for (int i = 0; i < iEdits; ++i) {
            const size_t at = next() % (strText.size() + 1);
            switch (next() % 4) {
            case 0: strText.insert(at, pieces[next() % (sizeof(pieces) / sizeof(pieces[0]))]); break;
            case 1: strText.erase(at, next() % 16); break;
            case 2: if (at < strText.size()) strText[at] = static_cast<char>(next() & 0xFF); break;
            default: strText.insert(at, strText.substr(next() % strText.size(), next() % 64)); break;
            }
        }
        SCOPED_TRACE(strText);
        const ErrorLogCapture log;
        XC_ScriptSet scriptSet;
        scriptSet.Init(&m_Environment);
        scriptSet.GetScriptResource()->AddRenderObjToResource(&walker, nullptr);
        m_Pack.files["Script\\Test.txt"] = strText;
        const HRESULT hLoad = scriptSet.LoadScript("Script\\Test.txt");
        if (FAILED(hLoad) || scriptSet.GetScriptCount() == 0) {
            EXPECT_NE(log.Text(), "") << "a script file that gives nothing, without a report";
        }
        scriptSet.RunAllScript();
        Frames(4, 0.1f);
        scriptSet.Fini();
        EXPECT_EQ(scriptSet.GetScriptCount(), 0u);
    }
}
