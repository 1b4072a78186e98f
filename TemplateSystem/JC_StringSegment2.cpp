#include "TemplateSystem/JC_StringSegment2.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JF_NumberText.h"

namespace {

// The operator at strInner[at] and its length in characters; 0 for a lone
// '=' or '!', which is no operator.
size_t ReadOperator(const std::string& strInner, size_t at, int& iOperator)
{
    const bool bEqualFollows = at + 1 < strInner.size() && strInner[at + 1] == '=';
    switch (strInner[at]) {
    case '=':
        iOperator = JO_EQUAL;
        return bEqualFollows ? 2 : 0;
    case '!':
        iOperator = JO_NOT_EQUAL;
        return bEqualFollows ? 2 : 0;
    case '<':
        iOperator = bEqualFollows ? JO_LESS_EQUAL : JO_LESS;
        return bEqualFollows ? 2 : 1;
    default:
        iOperator = bEqualFollows ? JO_GREATER_EQUAL : JO_GREATER;
        return bEqualFollows ? 2 : 1;
    }
}

// The position of the first operator character of strInner, or npos.
size_t FindOperator(const std::string& strInner)
{
    const size_t length = strInner.size();
    for (size_t at = 0; at < length; at += XF_CharLength(strInner.c_str(), at, length)) {
        const char c = strInner[at];
        if (c == '!' || c == '<' || c == '=' || c == '>')
            return at;
    }
    return std::string::npos;
}

} // namespace

DWORD JC_StringSegment2::SplitCondition(const std::string& strText, std::string& strKeyword,
                                        std::string& strLeft, std::string& strRight,
                                        int& iOperator) const
{
    iOperator = -1;
    const size_t open = XF_FindChar(strText, '(');
    const size_t close = open == std::string::npos ? open : XF_FindChar(strText, ')', open + 1);
    if (close == std::string::npos)
        return JE_CONDITION_NO_PARENTHESES;
    const std::string strInner = strText.substr(open + 1, close - open - 1);
    if (strInner.empty())
        return JE_CONDITION_EMPTY;

    std::string strLeftPart;
    std::string strRightPart;
    int iFound = -1;
    const size_t at = FindOperator(strInner);
    if (at != std::string::npos) {
        const size_t operatorLength = ReadOperator(strInner, at, iFound);
        if (operatorLength == 0)
            return JE_CONDITION_BAD_OPERATOR;
        TrimRightCopy(strLeftPart, TrimLeftCopy(strLeftPart, strInner.substr(0, at)));
        TrimRightCopy(strRightPart, TrimLeftCopy(strRightPart, strInner.substr(at + operatorLength)));
    }
    if (strLeftPart.empty())
        return JE_CONDITION_EMPTY_LEFT;
    if (strRightPart.empty())
        return JE_CONDITION_EMPTY_RIGHT;

    strKeyword = strText.substr(0, open);
    strLeft = strLeftPart;
    strRight = strRightPart;
    iOperator = iFound;
    return 0;
}

DWORD JC_StringSegment2::ParseIfCondition(const std::string& strText, std::string& strLeft,
                                          int& iOperator, int& iNumber) const
{
    iOperator = -1;
    iNumber = 0;
    strLeft.clear();
    std::string strKeyword;
    std::string strLeftPart;
    std::string strRight;
    int iFound = -1;
    const DWORD dwResult = SplitCondition(strText, strKeyword, strLeftPart, strRight, iFound);
    if (dwResult != 0)
        return dwResult;
    if (strKeyword != "if")
        return JE_IF_KEYWORD_NOT_IF;
    strLeft = strLeftPart;
    iNumber = JF_DecimalToInt(strRight);
    iOperator = iFound;
    return 0;
}

DWORD JC_StringSegment2::ParseIndexedName(const std::string& strText, std::string& strName,
                                          int& iIndex) const
{
    iIndex = -1;
    const size_t open = XF_FindChar(strText, '[');
    const size_t close = open == std::string::npos ? open : XF_FindChar(strText, ']', open + 1);
    if (close == std::string::npos)
        return JE_INDEX_NO_BRACKETS;
    if (close == open + 1)
        return JE_INDEX_EMPTY_INDEX;
    if (open == 0)
        return JE_INDEX_EMPTY_NAME;
    strName = strText.substr(0, open);
    iIndex = JF_DecimalToInt(strText.substr(open + 1, close - open - 1));
    return 0;
}
