#include "tests/JC_Script/ScriptFixture.h"

#include <algorithm>
#include <random>

namespace {

using Texts = std::vector<std::string>;

// One pass: its result and the texts the handler got in it.
struct JS_Pass
{
    DWORD dwResult;
    Texts dealt;
};

struct JS_ScriptCase
{
    const char* szName;
    std::string strScript;
    std::vector<JS_Pass> passes;
};

const std::string g_strThenElse = "if(FlagEvent[3]>=2)\n{\nRec,then\n}\nelse\n{\nRec,else\n}\nRec,after\n";

const JS_ScriptCase g_ScriptCases[] = {
    {"TakenIf", "Set,FlagEvent,3,2\n" + g_strThenElse, {{JS_SCRIPT_NONE, {"then", "after"}}}},
    {"IfNotTaken", "Set,FlagEvent,3,1\n" + g_strThenElse, {{JS_SCRIPT_NONE, {"else", "after"}}}},
    {"BlanksInIf", "if ( FlagTalk[0] != 0 )\n{\nRec,then\n}\nelse\n{\nRec,else\n}\n", {{JS_SCRIPT_NONE, {"else"}}}},
    {"NestedIf",
     "if(FlagEvent[0]==0)\n{\nif(FlagEvent[0]<0)\n{\nRec,inner\n}\nelse\n{\nRec,innerElse\n}\nRec,outer\n}\nelse\n"
     "{\nRec,outerElse\n}\nRec,after\n",
     {{JS_SCRIPT_NONE, {"innerElse", "outer", "after"}}}},
    {"StringFlagInIf", "if(FlagString[1]==0)\nRec,next\n", {{JE_SCRIPT_GET_FLAG_NAME, {}}, {JS_SCRIPT_NONE, {"next"}}}},
    {"SingleEquals", "if(FlagEvent[1]=2)\nRec,next\n", {{JE_CONDITION_BAD_OPERATOR, {}}, {JS_SCRIPT_NONE, {"next"}}}},
    {"NoIndex", "if(FlagEvent==2)\n", {{JE_INDEX_NO_BRACKETS, {}}, {JS_SCRIPT_NONE, {}}}},
    {"TakenIfWithoutElse", "if(FlagEvent[0]==0)\n{\nRec,a\n}\nRec,b\n", {{JE_SCRIPT_NO_ELSE, {"a"}}, {JS_SCRIPT_NONE, {}}}},
    {"ElseWithoutBlock", "if(FlagEvent[0]==0)\n{\nRec,a\n}\nelse\nRec,b\n", {{JE_SCRIPT_NO_ELSE_BLOCK, {"a"}}, {JS_SCRIPT_NONE, {}}}},
    {"SkippedIfWithoutElse", "if(FlagEvent[0]==1)\n{\nRec,a\n}\nRec,b\n", {{JE_SCRIPT_BRACKET, {}}, {JS_SCRIPT_NONE, {}}}},
    {"ClosingFirst", "}\nRec,a\n", {{JE_SCRIPT_BRACKET, {}}, {JS_SCRIPT_NONE, {"a"}}}},
    {"ElseInFlow", "else\nRec,a\n", {{JE_SCRIPT_ELSE_IN_FLOW, {}}, {JS_SCRIPT_NONE, {"a"}}}},
    {"UpdateToTheEnd", "Rec,0\nRec,1\nRec,2\nRec,3\nRec,4\nUpdate,-1\nRec,6\nRec,7\nRec,8\nRec,9\n",
     {{0, {"0", "1", "2", "3", "4"}}, {JS_SCRIPT_NONE, {"6", "7", "8", "9"}}}},
    {"Stop", "Rec,a\nStop\nRec,b\n", {{JS_SCRIPT_STOP, {"a"}}, {JS_SCRIPT_NONE, {"b"}}}},
    {"Return", "Rec,a\nReturn\nRec,b\n", {{JS_SCRIPT_NONE, {"a"}}}},
    {"UnknownFunctionGoesOn", "Nobody,1\nGet,FlagEvent,1\nSet,FlagOther,1,1\nRec,x\n", {{JS_SCRIPT_NONE, {"x"}}}},
    {"WhileIgnored", "while(FlagEvent[0]==0)\nRec,a,b,c\n", {{JS_SCRIPT_NONE, {"a,b,c"}}}},
    {"NestedLoadScript", "Rec,a0\nLoadScript,B.txt\nRec,a1\n",
     {{0, {"a0", "b0"}}, {JS_SCRIPT_ENDED, {"b1"}}, {JS_SCRIPT_NONE, {"a1"}}}},
    {"ScriptNameWithComma", "LoadScript,a,b\n", {{0, {}}, {JS_SCRIPT_ENDED, {"ab"}}, {JS_SCRIPT_NONE, {}}}},
};

class ScriptManager : public ScriptFixture
{
protected:
    // Starts the log again.
    void ClearLog() { EXPECT_EQ(m_Log.OpenLogFile(Path("log.txt").c_str(), 1, FILE_SHARE_READ | FILE_SHARE_WRITE), S_OK); }
};

} // namespace

TEST_F(ScriptManager, PassesOverInMemoryScripts)
{
    Write("Script\\B.txt", "Rec,b0\r\nRec,b1\r\n");
    Write("Script\\a,b", "Rec,ab\r\n");
    for (const JS_ScriptCase& scriptCase : g_ScriptCases) {
        SCOPED_TRACE(scriptCase.szName);
        m_DataManager.InitUnfixedData(0);
        ASSERT_EQ(m_Scripts.Initiation2(), 0u);
        ASSERT_EQ(Push(scriptCase.strScript), 0u) << LogText();
        for (size_t i = 0; i < scriptCase.passes.size(); ++i) {
            m_Recorder.m_Texts.clear();
            EXPECT_EQ(m_Scripts.Update(), scriptCase.passes[i].dwResult) << "pass " << i;
            EXPECT_EQ(m_Recorder.m_Texts, scriptCase.passes[i].dealt) << "pass " << i;
        }
        EXPECT_EQ(m_Scripts.IsScriptLoaded(), FALSE);
    }
}

TEST_F(ScriptManager, BudgetsAndLeftOverBrackets)
{
    ASSERT_EQ(Push("}\n"), 0u);
    EXPECT_EQ(m_Scripts.Update(), JE_SCRIPT_BRACKET);
    JC_ControlScriptInfo info;
    ASSERT_EQ(info.Initiation(Root(), "Script\\", &m_DataManager), 0u);
    EXPECT_EQ(info.GetBracketCount(), -1);
    EXPECT_EQ(m_Scripts.Update(), JS_SCRIPT_NONE);

    // Update,n adds to the budget, held to the lines left plus one.
    ASSERT_EQ(Push("Rec,0\nUpdate,1\nRec,2\nRec,3\nUpdate,50\nRec,5\nRec,6\n"), 0u);
    EXPECT_EQ(m_Scripts.Update(2), 0u);
    EXPECT_EQ(m_Recorder.m_Texts, (Texts{"0", "2"}));
    EXPECT_EQ(m_Scripts.Update(1), 0u);
    EXPECT_EQ(m_Recorder.m_Texts, (Texts{"0", "2", "3"}));
    // The end of the script is tested before the budget: the pass pops it.
    EXPECT_EQ(m_Scripts.Update(1), JS_SCRIPT_NONE);
    EXPECT_EQ(m_Recorder.m_Texts, (Texts{"0", "2", "3", "5", "6"}));
    EXPECT_EQ(m_Scripts.Update(0), JS_SCRIPT_NONE);
}

TEST_F(ScriptManager, FlagOrders)
{
    EXPECT_EQ(m_Scripts.RealTimeScript("Set,FlagString,2,Hello,World"), 0u);
    EXPECT_EQ(m_Scripts.RealTimeScript("Set,FlagEvent,4, 12x"), 0u);
    EXPECT_EQ(m_Scripts.RealTimeScript("Add,FlagEvent,4,-20"), 0u);
    EXPECT_EQ(m_Scripts.RealTimeScript("Add,FlagString,2,1"), JE_SCRIPT_ADD_FLAG_NAME);
    EXPECT_EQ(m_Scripts.RealTimeScript("Set,Flag,2,1"), JE_SCRIPT_SET_FLAG_NAME);
    EXPECT_EQ(m_Scripts.RealTimeScript("Get,FlagEvent,4"), JE_SCRIPT_GET_REFUSED);
    EXPECT_EQ(m_Scripts.GetScriptFlag()->GetFlagEvent(4), -8);
    std::string strFlag;
    m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCRIPTFLAG)->GetValidComponent({0, 0})->GetItemValueAt("FlagString", 2, &strFlag);
    EXPECT_EQ(strFlag, "Hello");
    // Lines given at once are not trimmed, and blocks mean nothing there.
    EXPECT_EQ(m_Scripts.RealTimeScript("Rec ,1"), JE_SCRIPT_DISTRIBUTE_UNKNOWN);
    EXPECT_EQ(m_Scripts.RealTimeScript("Stop"), JE_SCRIPT_DISTRIBUTE_UNKNOWN);
    EXPECT_EQ(m_Scripts.RealTimeScript(""), JE_SCRIPT_DISTRIBUTE_EMPTY_NAME);
    m_Recorder.m_dwAnswer = 0x89000001;
    EXPECT_EQ(m_Scripts.RealTimeScript("Rec"), 0x89000001u);
    EXPECT_EQ(m_Recorder.m_Texts, (Texts{""}));
    EXPECT_EQ(m_Scripts.RealTimeScript("LoadScript,Missing.txt"), JE_SCRIPTINFO_CANNOT_OPEN);
    EXPECT_EQ(m_Scripts.RealTimeScript("LoadScript"), JE_SCRIPT_LOAD_EMPTY_NAME);
}

TEST_F(ScriptManager, FlagOrdersThatReadWrongAreRefusedOrReported)
{
    const struct
    {
        const char* szLine;
        DWORD dwResult;
        const char* szLogged;
    } cases[] = {
        {"Set,FlagEvent,abc,1", JE_SCRIPT_SET_FLAG_INDEX, "FlagIndexIsNotNumber"},
        {"Add,FlagTalk,,1", JE_SCRIPT_ADD_FLAG_INDEX, "FlagIndexIsNotNumber"},
        {"Set,FlagString,2x,a", JE_SCRIPT_SET_FLAG_INDEX, "FlagIndexIsNotNumber"},
        {"Set,FlagTalk,99999999,1", JE_COMPONENT_INDEX_TOO_LARGE, "FlagTalk"},
        {"Add,FlagSystem,-1,1", JE_COMPONENT_INDEX_TOO_LARGE, "FlagSystem"},
        {"Set,FlagEvent,3,", 0, "FlagValueIsNotNumber(ReadAs:0)"},
        {"Set,FlagEvent,3,7x", 0, "FlagValueIsNotNumber(ReadAs:7)"},
        {"Update,abc", 0, "\"Update\" CountIsNotNumber"},
    };
    for (const auto& flagCase : cases) {
        SCOPED_TRACE(flagCase.szLine);
        ClearLog();
        EXPECT_EQ(m_Scripts.RealTimeScript("Set,FlagEvent,0,5"), 0u);
        if (std::string(flagCase.szLine).rfind("Update", 0) == 0) {
            ASSERT_EQ(Push(std::string(flagCase.szLine) + "\n"), 0u);
            EXPECT_EQ(m_Scripts.Update(), JS_SCRIPT_NONE);
        } else {
            EXPECT_EQ(m_Scripts.RealTimeScript(flagCase.szLine), flagCase.dwResult);
        }
        EXPECT_TRUE(Logged(flagCase.szLogged)) << LogText();
        // Flag 0 is untouched by a refused index.
        EXPECT_EQ(m_Scripts.GetScriptFlag()->GetFlagEvent(0), 5);
    }
    EXPECT_EQ(m_Scripts.GetScriptFlag()->GetFlagEvent(3), 7);
}

TEST_F(ScriptManager, ScriptsThatLoadThemselvesEnd)
{
    const struct
    {
        const char* szName;
        const char* szScript;
        DWORD dwStopsWith;
    } cases[] = {
        {"Once.txt", "Rec,x\r\nLoadScript,Once.txt\r\n", JE_SCRIPT_LOAD_TOO_DEEP},
        {"Twice.txt", "LoadScript,Twice.txt\r\nLoadScript,Twice.txt\r\n", JE_SCRIPT_LOAD_TOO_MANY},
        {"Update.txt", "LoadScript,Update.txt\r\nUpdate,5\r\nRec,y\r\n", JE_SCRIPT_LOAD_TOO_DEEP},
    };
    for (const auto& scriptCase : cases) {
        SCOPED_TRACE(scriptCase.szName);
        ClearLog();
        Write(std::string("Script\\") + scriptCase.szName, scriptCase.szScript);
        ASSERT_EQ(m_Scripts.LoadScript(scriptCase.szName), 0u);
        DWORD dwDeepest = 0;
        int iPasses = 0;
        for (; m_Scripts.IsScriptLoaded() && iPasses < 100000; ++iPasses) {
            m_Scripts.Update();
            dwDeepest = std::max(dwDeepest, m_Scripts.GetScriptCount());
        }
        EXPECT_FALSE(m_Scripts.IsScriptLoaded());
        EXPECT_LE(dwDeepest, JC_ScriptManager::MAX_SCRIPT_DEPTH);
        const std::string strStop = scriptCase.dwStopsWith == JE_SCRIPT_LOAD_TOO_DEEP ? "ScriptStackTooDeep"
                                                                                        : "TooManyScriptsLoaded";
        EXPECT_TRUE(Logged(strStop)) << LogText().substr(0, 2000);
        EXPECT_TRUE(Logged(std::string("ScriptFileName:") + scriptCase.szName));
    }
}

TEST_F(ScriptManager, AScriptTooLongForItsRecordIsRefusedNamingItsFile)
{
    std::string strScript;
    for (int i = 0; i < 65; ++i)
        strScript += "Rec,x\r\n";
    Write("Script\\Long.txt", strScript);
    EXPECT_EQ(m_Scripts.LoadScript("Long.txt"), JE_COMPONENT_INDEX_TOO_LARGE);
    const std::string strLog = LogText();
    const size_t at = strLog.find("推入新的劇本資訊 發生錯誤");
    ASSERT_NE(at, std::string::npos) << strLog;
    EXPECT_NE(strLog.find("Script\\Long.txt", at), std::string::npos) << strLog;
    EXPECT_FALSE(m_Scripts.IsScriptLoaded());
}

TEST_F(ScriptManager, Registry)
{
    RecordingHandler second;
    EXPECT_EQ(m_Scripts.AddFunction("Rec", &second), JE_SCRIPT_ADD_NAME_REPEAT);
    EXPECT_EQ(m_Scripts.AddFunction("", &second), JE_SCRIPT_ADD_EMPTY_NAME);
    EXPECT_EQ(m_Scripts.AddFunction("Other", nullptr), JE_SCRIPT_ADD_NO_HANDLER);
    EXPECT_EQ(m_Scripts.RealTimeScript("Rec,1"), 0u);
    EXPECT_EQ(m_Recorder.m_Texts, (Texts{"1"}));
    EXPECT_TRUE(second.m_Texts.empty());
    // The logs carry the name table's codes.
    EXPECT_TRUE(Logged("HRESULT:0x80010014"));
    EXPECT_EQ(m_Scripts.DelFunction("Other"), JE_SCRIPT_DEL_NOT_FOUND);
    EXPECT_TRUE(Logged("HRESULT:0xcdcdcdcd"));
    EXPECT_EQ(m_Scripts.DelFunction(""), JE_SCRIPT_DEL_EMPTY_NAME);
    EXPECT_EQ(m_Scripts.DelFunction("Rec"), 0u);
    EXPECT_EQ(m_Scripts.RealTimeScript("Rec,1"), JE_SCRIPT_DISTRIBUTE_UNKNOWN);
    EXPECT_TRUE(Logged("FunctionName:Rec"));
}

TEST_F(ScriptManager, UpdateAllRunsTheStack)
{
    EXPECT_EQ(m_Scripts.UpdateAll(), JS_SCRIPT_NONE);
    ASSERT_EQ(Push("Rec,a0\nRec,a1\n"), 0u);
    ASSERT_EQ(Push("Rec,b0\n"), 0u);
    EXPECT_EQ(m_Scripts.UpdateAll(), JS_SCRIPT_NONE);
    EXPECT_EQ(m_Recorder.m_Texts, (Texts{"b0", "a0", "a1"}));

    ASSERT_EQ(Push("Rec,c0\nStop\nRec,c1\n"), 0u);
    EXPECT_EQ(m_Scripts.UpdateAll(), JS_SCRIPT_STOP);
    EXPECT_EQ(m_Scripts.UpdateAll(), JS_SCRIPT_NONE);
    EXPECT_EQ(m_Recorder.m_Texts.back(), "c1");
}

TEST_F(ScriptManager, ScriptsFromTheFolderWithEveryLineEnd)
{
    EXPECT_TRUE(Logged("Quorlin_R.dll"));
    for (const char* szEnd : {"\r", "\n", "\r\n", "\n\r"}) {
        const std::string strEnd = szEnd;
        Write("Script\\Ends.txt", "Rec,1" + strEnd + "  Rec,2 // note" + strEnd + strEnd + "Rec,3");
        m_Recorder.m_Texts.clear();
        ASSERT_EQ(m_Scripts.LoadScript("Ends.txt"), 0u);
        EXPECT_EQ(m_Scripts.UpdateAll(), JS_SCRIPT_NONE);
        EXPECT_EQ(m_Recorder.m_Texts, (Texts{"1", "2", "3"}));
    }
}

TEST_F(ScriptManager, InitiationNeedsTheData)
{
    JC_ScriptManager scripts;
    EXPECT_EQ(scripts.Initiation2(), JE_SCRIPT_NOT_INITIATED);
    EXPECT_EQ(scripts.Initiation(Root(), nullptr), JE_SCRIPT_NO_DATA_MANAGER);
    JC_DataManager notInitiated;
    EXPECT_EQ(scripts.Initiation(Root(), &notInitiated), JE_SCRIPT_DATA_MANAGER_NOT_INITIATED);
    EXPECT_EQ(scripts.IsInitiated(), FALSE);
    EXPECT_EQ(scripts.Update(), JS_SCRIPT_NONE);
}

TEST_F(ScriptManager, ThousandsOfRandomScriptsEndOrStop)
{
    Write("Script\\B.txt", "Rec,b\r\n}\r\nif(FlagTalk[1]<1)\r\n");
    const char* const lines[] = {"{", "}", "else", "if(FlagEvent[0]==0)", "if(FlagTalk[1]<1)", "if(FlagEvent[x)",
                                 "if(FlagString[0]==1)", "while(1)", "Rec,x", "Update,-1", "Update,2", "Update",
                                 "Stop", "Return", "LoadScript,B.txt", "LoadScript,None.txt", "Set,FlagEvent,0,1",
                                 "Add,FlagTalk,1,-1", "Get", ",", "iff", "if"};
    std::mt19937 random(23);
    for (int i = 0; i < 2000; ++i) {
        std::string strScript;
        const size_t count = 1 + random() % 40;
        for (size_t n = 0; n < count; ++n)
            strScript += std::string(lines[random() % std::size(lines)]) + "\n";
        ASSERT_EQ(Push(strScript), 0u);
        // A pass with a budget takes a line or pops a script, so the stack runs out.
        int iPasses = 0;
        while (m_Scripts.IsScriptLoaded() && iPasses < 10000) {
            m_Scripts.Update(static_cast<int>(random() % 5) - 1);
            ++iPasses;
        }
        ASSERT_FALSE(m_Scripts.IsScriptLoaded()) << strScript;
    }
}
