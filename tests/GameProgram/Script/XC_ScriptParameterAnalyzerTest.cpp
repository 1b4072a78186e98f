#include "GameProgram/Script/XC_ScriptParameterAnalyzer.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace {

// A command node "[Cmd]" whose leaves the analyzer reads, and a script store.
class AnalyzerTest : public ::testing::Test
{
protected:
    AnalyzerTest()
    {
        m_Node.SetName("[Cmd]");
        m_Analyzer.SetTextNode(&m_Node);
        m_Analyzer.SetScriptParameter(&m_Parameters);
    }

    void SetLeaf(const char* szName, const char* szValue)
    {
        if (XC_TextLeaf* pLeaf = m_Node.FindLeaf(szName))
            pLeaf->SetValue(szValue);
        else
            m_Node.AddLeaf(szName, szValue);
    }

    ErrorLogCapture m_Log;
    XC_TextNode m_Node;
    XC_ScriptParameter m_Parameters;
    XC_ScriptParameterAnalyzer m_Analyzer;
};

const float PI = 3.1415927f;

} // namespace

TEST_F(AnalyzerTest, StringValues)
{
    struct Case { const char* szValue; const char* szExpected; };
    const Case cases[] = {
        {"Hello World", "Hello"},
        {"a,b", "a"},
        {"#foo", "#foo"},
        {"#String #sin", "#sin"},
        {"#add #String ab cd", "abcd"},
        {"#XYZ 1 2 3", "1.000000 , 2.000000 , 3.000000 "},
        {"#LONG %03d 7", "007"},
        {"#DWORD 0x%08X 255", "0x000000FF"},
        {"#FLOAT %.2f 1.5", "1.50"},
    };
    for (const Case& c : cases) {
        SetLeaf("v", c.szValue);
        EXPECT_EQ(m_Analyzer.GetStringParameter("v", "def"), c.szExpected) << c.szValue;
    }
}

TEST_F(AnalyzerTest, NumberFormatsTakeExactlyOneConversionOfTheirKind)
{
    const char* const badValues[] = {
        "#LONG %s 1", "#LONG %d%d 1", "#LONG %n 1", "#LONG %*d 1", "#LONG abc 1", "#FLOAT %d 1.0",
        "#DWORD %f 1", "#LONG %9999d 1", "#LONG %300d 1",
    };
    for (const char* szValue : badValues) {
        SetLeaf("v", szValue);
        EXPECT_EQ(m_Analyzer.GetStringParameter("v", "def"), "def") << szValue;
    }
    EXPECT_TRUE(m_Log.Contains("GetParameter Error , TextNodeName = [Cmd] , szParameterName = v"));
}

TEST_F(AnalyzerTest, LongValues)
{
    struct Case { const char* szValue; LONG lExpected; };
    const Case cases[] = {
        {"12ab", 12}, {"-5", -5}, {"0x1F", 0}, {"#add 1 2 7", 3}, {"#sub #add 1 2 3", 0},
        {"#div 7 2", 3}, {"#div -7 2", -3}, {"#FLOAT -2.7", -2}, {"#DWORD 0xFFFFFFFF", -1},
        {"#max 3 9", 9}, {"#min 3 9", 3}, {"#mul 6 7", 42}, {"#String 42", 42}, {"#LONG 8", 8},
        {"#Random 3 3", 3}, {"#add 2147483647 1", LONG_MIN},
    };
    for (const Case& c : cases) {
        SetLeaf("v", c.szValue);
        EXPECT_EQ(m_Analyzer.GetLongParameter("v", 99), c.lExpected) << c.szValue;
    }
    for (int i = 0; i < 200; ++i) {
        SetLeaf("v", i % 2 ? "#Random 5 1" : "#Random 1 5");
        const LONG l = m_Analyzer.GetLongParameter("v", 99);
        EXPECT_GE(l, 1);
        EXPECT_LE(l, 5);
    }
}

TEST_F(AnalyzerTest, IntegerDivisionsThatHaveNoResultFail)
{
    const char* const badLongs[] = {"#div 5 0", "#div -2147483648 -1", "abc", "", "#FLOAT 1e30", "#add 1"};
    for (const char* szValue : badLongs) {
        SetLeaf("v", szValue);
        EXPECT_EQ(m_Analyzer.GetLongParameter("v", 99), 99) << szValue;
    }
    SetLeaf("v", "#div 5 0");
    EXPECT_EQ(m_Analyzer.GetDwordParameter("v", 99), 99u);
}

TEST_F(AnalyzerTest, DwordValues)
{
    struct Case { const char* szValue; DWORD dwExpected; };
    const Case cases[] = {
        {"0x1F", 31}, {"-1", 0xFFFFFFFF}, {"0X10", 0}, {"#RGBA 255 128 0 255", 0xFFFF8000},
        {"#RGBA 300 0 0 255", 0xFFFF0000}, {"#div 0xFFFFFFFF 2", 0x7FFFFFFF}, {"#FLOAT -1.5", 0xFFFFFFFF},
        {"#FLOAT 3000000000.0", 3000000000u}, {"#LONG -2", 0xFFFFFFFE}, {"#sub 0 1", 0xFFFFFFFF},
        {"#max 0xFFFFFFFF 1", 0xFFFFFFFF}, {"#String 0x10", 16},
    };
    for (const Case& c : cases) {
        SetLeaf("v", c.szValue);
        EXPECT_EQ(m_Analyzer.GetDwordParameter("v", 99), c.dwExpected) << c.szValue;
    }
}

TEST_F(AnalyzerTest, FloatValues)
{
    struct Case { const char* szValue; float fExpected; };
    const Case cases[] = {
        {"1.5", 1.5f}, {"#ToPi 180", PI}, {"#VecToRotY 0 1 0", PI}, {"#VecToRotY -1 0 0", -PI / 2},
        {"#VecToRotY 0 0 -1", PI}, {"#VecToRotY 1 0 0", PI / 2}, {"#VecToRotX 0 1 0", -PI / 2},
        {"#VecLength 3 4 0", 5.0f}, {"#VerDist 1 1 1 1 4 5", 5.0f}, {"#FromXYZ 1 2 3 y", 2.0f},
        {"#FromXYZ 1 2 3 zed", 3.0f}, {"#DWORD 0x80000000", 2147483648.0f}, {"#sub #add 1 2 3", 0.0f},
        {"#div 1 4", 0.25f}, {"#sqrt 9", 3.0f},
    };
    for (const Case& c : cases) {
        SetLeaf("v", c.szValue);
        EXPECT_NEAR(m_Analyzer.GetFloatParameter("v", 99.0f), c.fExpected, 1e-5f) << c.szValue;
    }
    const char* const badValues[] = {"#foo", "#FromXYZ 1 2 3 X", "#FromXYZ 1 2 3", "#add 1 x"};
    for (const char* szValue : badValues) {
        SetLeaf("v", szValue);
        EXPECT_EQ(m_Analyzer.GetFloatParameter("v", 99.0f), 99.0f) << szValue;
    }
}

TEST_F(AnalyzerTest, BoolValues)
{
    struct Case { const char* szValue; BOOL bExpected; };
    const Case cases[] = {
        {"TRUE", TRUE}, {"true", TRUE}, {"1", TRUE}, {"True", FALSE}, {"yes", FALSE}, {"2", FALSE},
        {"f>= 1.0 1.0005", TRUE}, {"f> 1.0 1.0005", FALSE}, {"f<= 1.0005 1.0", TRUE}, {"f< 1.0 1.0", FALSE},
        {"f< 1.0 2.0", TRUE}, {"f== 1.0 1.0005", TRUE}, {"f!= 1.0 1.01", TRUE}, {"> -1 0", FALSE},
        {"d> -1 0", TRUE}, {"! 1", FALSE}, {"! 2", TRUE}, {"&& 1 0", FALSE}, {"|| 0 1", TRUE},
        {"#BOOL true", TRUE}, {"== 3 3", TRUE}, {"&& ! 0 >= 5 5", TRUE},
    };
    for (const Case& c : cases) {
        SetLeaf("v", c.szValue);
        EXPECT_EQ(m_Analyzer.GetBoolParameter("v", FALSE), c.bExpected) << c.szValue;
    }
}

TEST_F(AnalyzerTest, BothSidesOfALogicalRowConsumeTheirTokens)
{
    m_Parameters.SetParameter("bFlag", "1");
    SetLeaf("v", "#XYZ #FLOAT 1 #FLOAT 2 #FLOAT 3");
    SetLeaf("w", "&& 0 #Parameter bFlag");
    EXPECT_FALSE(m_Analyzer.GetBoolParameter("w", TRUE));
    // The second argument is read even though the first decides: a trailing
    // value stays unread.
    SetLeaf("w", "|| && 0 #Parameter bFlag 1");
    EXPECT_TRUE(m_Analyzer.GetBoolParameter("w", FALSE));
}

TEST_F(AnalyzerTest, XYZAndMatrixValues)
{
    const char* const sameValues[] = {"1, 2, 3", "(1 2 3)", "1 2 3", "#XYZ 1 2 3"};
    for (const char* szValue : sameValues) {
        SetLeaf("v", szValue);
        EXPECT_EQ(m_Analyzer.GetXYZParameter("v"), D3DXVECTOR3(1, 2, 3)) << szValue;
    }
    SetLeaf("v", "1 2");
    EXPECT_EQ(m_Analyzer.GetXYZParameter("v"), D3DXVECTOR3(1, 2, 0));
    EXPECT_TRUE(m_Log.Contains("szParameterName = v"));

    struct Case { const char* szValue; D3DXVECTOR3 vExpected; };
    const Case cases[] = {
        {"#add 1 2 3 4 5 6", D3DXVECTOR3(5, 7, 9)}, {"#sub 1 2 3 1 1 1", D3DXVECTOR3(0, 1, 2)},
        {"#mul 1 2 3 2", D3DXVECTOR3(2, 4, 6)}, {"#div 2 4 6 2", D3DXVECTOR3(1, 2, 3)},
        {"#Normalize 0 0 5", D3DXVECTOR3(0, 0, 1)}, {"#Vector 1 0 0 1 0 4", D3DXVECTOR3(0, 0, 1)},
        {"#mul_MAT 1 2 3 #Position 10 20 30", D3DXVECTOR3(11, 22, 33)},
        {"#mul_MAT 1 0 0 #mul #Scale 2 2 2 #Position 0 1 0", D3DXVECTOR3(2, 1, 0)},
        {"#VecToRot 1 0 0", D3DXVECTOR3(0, PI / 2, 0)},
    };
    for (const Case& c : cases) {
        SetLeaf("v", c.szValue);
        const D3DXVECTOR3 v = m_Analyzer.GetXYZParameter("v");
        EXPECT_NEAR(v.x, c.vExpected.x, 1e-5f) << c.szValue;
        EXPECT_NEAR(v.y, c.vExpected.y, 1e-5f) << c.szValue;
        EXPECT_NEAR(v.z, c.vExpected.z, 1e-5f) << c.szValue;
    }

    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    SetLeaf("m", "1 2 3");
    EXPECT_EQ(m_Analyzer.GetMatrixParameter("m"), identity);
    SetLeaf("m", "#Position 1 2 3");
    EXPECT_EQ(m_Analyzer.GetMatrixParameter("m")._42, 2.0f);
    // The matrix getter reads only the node's leaves.
    m_Parameters.SetParameter("onlyInScript", "#Position 1 2 3");
    EXPECT_EQ(m_Analyzer.GetMatrixParameter("onlyInScript"), identity);
}

TEST_F(AnalyzerTest, MissingLeavesFallBackToTheScriptThenToTheDefault)
{
    m_Parameters.SetParameter("a", "5");
    m_Parameters.SetParameter("b", "6");
    SetLeaf("b", "7");
    EXPECT_EQ(m_Analyzer.GetLongParameter("a", 0), 5);
    EXPECT_EQ(m_Analyzer.GetLongParameter("b", 0), 7);
    EXPECT_EQ(m_Analyzer.GetLongParameter("none", 42), 42);
    EXPECT_TRUE(m_Analyzer.GetBoolParameter("none", TRUE));
    EXPECT_FALSE(m_Analyzer.HasParameter("a"));
    EXPECT_TRUE(m_Analyzer.HasParameter("b"));
    EXPECT_EQ(m_Log.Text(), "");

    // An empty value fails: BOOL then gives FALSE whatever its default.
    SetLeaf("e", "");
    EXPECT_FALSE(m_Analyzer.GetBoolParameter("e", TRUE));
    EXPECT_EQ(m_Analyzer.GetLongParameter("e", 3), 3);
    EXPECT_TRUE(m_Log.Contains("( szParameter ) failed"));

    // "#Parameter" looks among the leaves first, then the script's values,
    // and evaluates what it finds.
    m_Parameters.SetParameter("Base", "#add 1 2");
    SetLeaf("v", "#mul 2 #Parameter Base");
    EXPECT_EQ(m_Analyzer.GetLongParameter("v", 0), 6);
    SetLeaf("v", "#Parameter missing");
    EXPECT_EQ(m_Analyzer.GetLongParameter("v", 9), 0);
}

TEST_F(AnalyzerTest, ParameterCyclesAndDeepNestingFailInsteadOfRecursingWithoutBound)
{
    m_Parameters.SetParameter("A", "#Parameter B");
    m_Parameters.SetParameter("B", "#Parameter A");
    m_Parameters.SetParameter("Self", "#add 1 #Parameter Self");
    SetLeaf("v", "#Parameter A");
    EXPECT_EQ(m_Analyzer.GetLongParameter("v", 77), 77);
    EXPECT_EQ(m_Analyzer.GetStringParameter("Self", "d"), "d");
    EXPECT_EQ(m_Analyzer.GetLongParameter("Self", 5), 5);
    EXPECT_TRUE(m_Log.Contains("Evaluation deeper than"));

    std::string strDeep;
    for (int i = 0; i < 100000; ++i)
        strDeep += "#add 1 ";
    strDeep += "1";
    SetLeaf("deep", strDeep.c_str());
    EXPECT_EQ(m_Analyzer.GetLongParameter("deep", 4), 4);

    // The analyzer is whole again for the next value.
    SetLeaf("v", "#add 1 2");
    EXPECT_EQ(m_Analyzer.GetLongParameter("v", 0), 3);
}
