#pragma once

#include "TemplateSystem/JC_StringSegment1.h"

// Result codes of the condition and indexed-name parsers.
constexpr DWORD JE_IF_KEYWORD_NOT_IF = 0x80053101;
constexpr DWORD JE_INDEX_NO_BRACKETS = 0x80053201;
constexpr DWORD JE_INDEX_EMPTY_INDEX = 0x80053202;
constexpr DWORD JE_INDEX_EMPTY_NAME = 0x80053203;
constexpr DWORD JE_CONDITION_NO_PARENTHESES = 0x80053301;
constexpr DWORD JE_CONDITION_EMPTY = 0x80053302;
constexpr DWORD JE_CONDITION_BAD_OPERATOR = 0x80053303;
constexpr DWORD JE_CONDITION_EMPTY_LEFT = 0x80053304;
constexpr DWORD JE_CONDITION_EMPTY_RIGHT = 0x80053305;

// Operators of a condition; -1 when none was read.
constexpr int JO_EQUAL = 0;         // ==
constexpr int JO_NOT_EQUAL = 1;     // !=
constexpr int JO_LESS_EQUAL = 2;    // <=
constexpr int JO_GREATER_EQUAL = 3; // >=
constexpr int JO_LESS = 4;          // <
constexpr int JO_GREATER = 5;       // >

// Parsing of conditions keyword(left operator right) and of indexed names
// name[index], for the script manager.
class JC_StringSegment2 : public JC_StringSegment1
{
public:
    // Splits keyword(left operator right); the operands lose their blanks at
    // both ends, the keyword is the text before "(" as it stands. The
    // operator is -1 until a split succeeds; the texts are set only then.
    DWORD SplitCondition(const std::string& strText, std::string& strKeyword, std::string& strLeft,
                         std::string& strRight, int& iOperator) const;
    // A condition whose keyword is exactly "if"; the right operand is read as
    // a decimal number.
    DWORD ParseIfCondition(const std::string& strText, std::string& strLeft, int& iOperator,
                           int& iNumber) const;
    // Splits name[index]; the index is -1 until the split succeeds.
    DWORD ParseIndexedName(const std::string& strText, std::string& strName, int& iIndex) const;
};
