#pragma once

#include "TemplateSystem/JC_ItemValue.h"
#include "TemplateSystem/JF_NumberText.h"

#include <functional>
#include <string>
#include <vector>

// Conditions a script adds to an event group: comma-separated texts of a
// fixed number of fields, Name first and Script second, kept as given and
// split again whenever they are tested.
class JC_EventConditionList
{
public:
    // Sets bMet for one condition's fields; a code other than 0 ends the walk.
    using Test = std::function<DWORD(const JC_StringArray& fields, bool& bMet)>;

    JC_EventConditionList(size_t fieldCount, DWORD dwEmptyCode, DWORD dwFieldCountCode)
        : m_FieldCount(fieldCount), m_dwEmptyCode(dwEmptyCode), m_dwFieldCountCode(dwFieldCountCode)
    {
    }

    // An empty text or one of another field count is refused with its code.
    DWORD Add(const std::string& strCondition);
    // For a text its owner has checked.
    void Append(const std::string& strCondition) { m_Conditions.push_back(strCondition); }
    // Removes every condition of the name; 0 also when none has it.
    DWORD Cls(const std::string& strName);
    DWORD ClsAll();
    // The Script of the first condition met, "" when none is; with bConsume
    // 1 every condition of its name goes.
    DWORD Check(const Test& test, std::string& strScript, BOOL bConsume);

    const std::vector<std::string>& GetConditions() const { return m_Conditions; }
    bool IsEmpty() const { return m_Conditions.empty(); }

    // Cut at every comma, nothing trimmed; an empty text has no field.
    static JC_StringArray Split(const std::string& strText);
    // A decimal field by the rules of atoi.
    static int ReadNumber(const std::string& strField) { return JF_DecimalToInt(strField); }

private:
    size_t m_FieldCount;
    DWORD m_dwEmptyCode;
    DWORD m_dwFieldCountCode;
    std::vector<std::string> m_Conditions;
};
