#include "TemplateSystem/JC_StringSegment2.h"

#include <gtest/gtest.h>

// Big5 fixtures whose second byte is an ASCII character the code looks for.
static_assert("許"[1] == '\\');
static_assert("久"[1] == '[');
static_assert("也"[1] == ']');
static_assert("一"[1] == '@');

namespace {

using CopyForm = std::string& (JC_StringSegment::*)(std::string&, const std::string&) const;
using InPlaceForm = void (JC_StringSegment::*)(std::string&) const;

struct TextCase
{
    const char* szName;
    CopyForm copy;
    InPlaceForm inPlace;
    const char* szInput;
    const char* szExpected;
};

} // namespace

TEST(JC_StringSegment, CopyAndInPlaceFormsTable)
{
    const TextCase cases[] = {
        {"TrimLeft", &JC_StringSegment::TrimLeftCopy, &JC_StringSegment::TrimLeft, "  a b  ", "a b  "},
        {"TrimRight", &JC_StringSegment::TrimRightCopy, &JC_StringSegment::TrimRight, "  a b  ", "  a b"},
        {"Trim", &JC_StringSegment::TrimCopy, &JC_StringSegment::Trim, "   ", ""},
        {"Trim", &JC_StringSegment::TrimCopy, &JC_StringSegment::Trim, "abc", "abc"},
        {"Trim", &JC_StringSegment::TrimCopy, &JC_StringSegment::Trim, "", ""},
        // Only the space is a blank.
        {"Trim", &JC_StringSegment::TrimCopy, &JC_StringSegment::Trim, " \tx\t ", "\tx\t"},
        {"Trim", &JC_StringSegment::TrimCopy, &JC_StringSegment::Trim, " 許 ", "許"},
        {"CutComment", &JC_StringSegment::CutCommentCopy, &JC_StringSegment::CutComment, "a //! b", "a "},
        {"CutComment", &JC_StringSegment::CutCommentCopy, &JC_StringSegment::CutComment, "許一", "許一"},
        {"CutNote", &JC_StringSegment::CutNoteCopy, &JC_StringSegment::CutNote, "a // b", "a // b"},
        {"CutNote", &JC_StringSegment::CutNoteCopy, &JC_StringSegment::CutNote, "x //c //! d", "x //c "},
        {"StripLeading", &JC_StringSegment::StripLeadingBackslashesCopy,
         &JC_StringSegment::StripLeadingBackslashes, "\\\\a\\", "a\\"},
        {"StripTrailing", &JC_StringSegment::StripTrailingBackslashesCopy,
         &JC_StringSegment::StripTrailingBackslashes, "\\a\\\\", "\\a"},
        // The '\' inside a double-byte character stays.
        {"StripTrailing", &JC_StringSegment::StripTrailingBackslashesCopy,
         &JC_StringSegment::StripTrailingBackslashes, "a許", "a許"},
        {"StripTrailing", &JC_StringSegment::StripTrailingBackslashesCopy,
         &JC_StringSegment::StripTrailingBackslashes, "許\\\\", "許"},
        {"Strip", &JC_StringSegment::StripBackslashesCopy, &JC_StringSegment::StripBackslashes, "\\\\\\", ""},
        {"Strip", &JC_StringSegment::StripBackslashesCopy, &JC_StringSegment::StripBackslashes, "\\a\\b\\", "a\\b"},
    };
    const JC_StringSegment segment;
    for (const TextCase& c : cases) {
        const std::string strSource(c.szInput);
        std::string strResult("old");
        EXPECT_EQ(&(segment.*c.copy)(strResult, strSource), &strResult) << c.szName;
        EXPECT_EQ(strResult, c.szExpected) << c.szName << " copy of [" << c.szInput << "]";
        EXPECT_EQ(strSource, c.szInput) << c.szName << " changed its source";

        std::string strText(c.szInput);
        (segment.*c.inPlace)(strText);
        EXPECT_EQ(strText, c.szExpected) << c.szName << " of [" << c.szInput << "]";

        std::string strSame(c.szInput);
        (segment.*c.copy)(strSame, strSame);
        EXPECT_EQ(strSame, c.szExpected) << c.szName << " copy onto its source";
    }
}

// The combined strip goes through the table, so a derived class that
// changes one half changes it too.
TEST(JC_StringSegment, StripBackslashesUsesTheOverriddenHalves)
{
    class KeepLeading : public JC_StringSegment
    {
    public:
        void StripLeadingBackslashes(std::string&) const override {}
    };
    const KeepLeading segment;
    std::string strText("\\a\\");
    segment.StripBackslashes(strText);
    EXPECT_EQ(strText, "\\a");
    std::string strCopy;
    EXPECT_EQ(segment.StripBackslashesCopy(strCopy, "\\\\b\\"), "\\\\b");
}

TEST(JC_StringSegment1, SegmentsTable)
{
    struct Case { const char* szText; DWORD dwCount; const char* szFirst; const char* szSecond; };
    const Case cases[] = {
        {"", 0, "", ""},
        {",", 2, "", ""},
        {"a,b,c", 3, "a", "b"},
        {"abc", 1, "abc", ""},
        {" a , b", 2, " a ", " b"},
        {"許,一", 2, "許", "一"},
    };
    const JC_StringSegment1 segment;
    for (const Case& c : cases) {
        std::string strResult("old");
        EXPECT_EQ(segment.GetSegmentCount(c.szText), c.dwCount) << c.szText;
        EXPECT_EQ(segment.GetFirstSegment(strResult, c.szText), c.szFirst) << c.szText;
        EXPECT_EQ(segment.GetSegment(strResult, 0, c.szText), c.szFirst) << c.szText;
        EXPECT_EQ(segment.GetSegment(strResult, 1, c.szText), c.szSecond) << c.szText;
        EXPECT_EQ(segment.GetSegment(strResult, 7, c.szText), "") << c.szText;
    }
}

TEST(JC_StringSegment1, PopSegmentCutsTheFirstSegmentOff)
{
    struct Case { const char* szText; const char* szPopped; const char* szLeft; };
    const Case cases[] = {
        {"a,b,c", "a", "b,c"},
        {",", "", ""},
        {"abc", "abc", ""},
        {"", "", ""},
        {"SetMoney,500", "SetMoney", "500"},
    };
    const JC_StringSegment1 segment;
    for (const Case& c : cases) {
        std::string strText(c.szText);
        std::string strResult("old");
        EXPECT_EQ(segment.PopSegment(strResult, strText), c.szPopped) << c.szText;
        EXPECT_EQ(strText, c.szLeft) << c.szText;
    }
}

TEST(JC_StringSegment2, SplitConditionTable)
{
    struct Case
    {
        const char* szText;
        DWORD dwResult;
        const char* szKeyword;
        const char* szLeft;
        const char* szRight;
        int iOperator;
    };
    const Case cases[] = {
        {"if(a==1)", 0, "if", "a", "1", JO_EQUAL},
        {"if( hp <= 10 )", 0, "if", "hp", "10", JO_LESS_EQUAL},
        {"x(a!=b)", 0, "x", "a", "b", JO_NOT_EQUAL},
        {"x(a>=b)", 0, "x", "a", "b", JO_GREATER_EQUAL},
        {"x(a<b)", 0, "x", "a", "b", JO_LESS},
        {"x(a>b)", 0, "x", "a", "b", JO_GREATER},
        {"許 (許==一)", 0, "許 ", "許", "一", JO_EQUAL},
        {"x(a=<1)", JE_CONDITION_BAD_OPERATOR, "", "", "", -1},
        {"x(a!1)", JE_CONDITION_BAD_OPERATOR, "", "", "", -1},
        {"x a==1", JE_CONDITION_NO_PARENTHESES, "", "", "", -1},
        {"x)a==1(", JE_CONDITION_NO_PARENTHESES, "", "", "", -1},
        {"x()", JE_CONDITION_EMPTY, "", "", "", -1},
        {"x(ab)", JE_CONDITION_EMPTY_LEFT, "", "", "", -1},
        {"x( ==1)", JE_CONDITION_EMPTY_LEFT, "", "", "", -1},
        {"x(a== )", JE_CONDITION_EMPTY_RIGHT, "", "", "", -1},
    };
    const JC_StringSegment2 segment;
    for (const Case& c : cases) {
        std::string strKeyword;
        std::string strLeft;
        std::string strRight;
        int iOperator = 99;
        EXPECT_EQ(segment.SplitCondition(c.szText, strKeyword, strLeft, strRight, iOperator), c.dwResult)
            << c.szText;
        EXPECT_EQ(strKeyword, c.szKeyword) << c.szText;
        EXPECT_EQ(strLeft, c.szLeft) << c.szText;
        EXPECT_EQ(strRight, c.szRight) << c.szText;
        EXPECT_EQ(iOperator, c.iOperator) << c.szText;
    }
}

TEST(JC_StringSegment2, ParseIfConditionTable)
{
    struct Case { const char* szText; DWORD dwResult; const char* szLeft; int iOperator; int iNumber; };
    const Case cases[] = {
        {"if(a>=12)", 0, "a", JO_GREATER_EQUAL, 12},
        {"if(Flag == -5)", 0, "Flag", JO_EQUAL, -5},
        {"if(a<7x)", 0, "a", JO_LESS, 7},
        {"IF(a==1)", JE_IF_KEYWORD_NOT_IF, "", -1, 0},
        {"if (a==1)", JE_IF_KEYWORD_NOT_IF, "", -1, 0},
        {"if(a=1)", JE_CONDITION_BAD_OPERATOR, "", -1, 0},
    };
    const JC_StringSegment2 segment;
    for (const Case& c : cases) {
        std::string strLeft("old");
        int iOperator = 99;
        int iNumber = 99;
        EXPECT_EQ(segment.ParseIfCondition(c.szText, strLeft, iOperator, iNumber), c.dwResult) << c.szText;
        EXPECT_EQ(strLeft, c.szLeft) << c.szText;
        EXPECT_EQ(iOperator, c.iOperator) << c.szText;
        EXPECT_EQ(iNumber, c.iNumber) << c.szText;
    }
}

TEST(JC_StringSegment2, ParseIndexedNameTable)
{
    struct Case { const char* szText; DWORD dwResult; const char* szName; int iIndex; };
    const Case cases[] = {
        {"FlagEvent[3]", 0, "FlagEvent", 3},
        {"a[ 12 ]", 0, "a", 12},
        // The brackets inside the double-byte characters do not count.
        {"久x[2]", 0, "久x", 2},
        {"也[1]", 0, "也", 1},
        {"久也", JE_INDEX_NO_BRACKETS, "", -1},
        {"abc[", JE_INDEX_NO_BRACKETS, "", -1},
        {"abc]1[", JE_INDEX_NO_BRACKETS, "", -1},
        {"", JE_INDEX_NO_BRACKETS, "", -1},
        {"abc[]", JE_INDEX_EMPTY_INDEX, "", -1},
        {"[3]", JE_INDEX_EMPTY_NAME, "", -1},
    };
    const JC_StringSegment2 segment;
    for (const Case& c : cases) {
        std::string strName;
        int iIndex = 99;
        EXPECT_EQ(segment.ParseIndexedName(c.szText, strName, iIndex), c.dwResult) << c.szText;
        EXPECT_EQ(strName, c.szName) << c.szText;
        EXPECT_EQ(iIndex, c.iIndex) << c.szText;
    }
}
