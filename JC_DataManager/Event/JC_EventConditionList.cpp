#include "JC_DataManager/Event/JC_EventConditionList.h"

namespace {

constexpr size_t NAME_FIELD = 0;
constexpr size_t SCRIPT_FIELD = 1;

} // namespace

DWORD JC_EventConditionList::Add(const std::string& strCondition)
{
    if (strCondition.empty())
        return m_dwEmptyCode;
    if (Split(strCondition).size() != m_FieldCount)
        return m_dwFieldCountCode;
    m_Conditions.push_back(strCondition);
    return 0;
}

DWORD JC_EventConditionList::Cls(const std::string& strName)
{
    std::erase_if(m_Conditions,
                  [&](const std::string& strCondition) { return Split(strCondition)[NAME_FIELD] == strName; });
    return 0;
}

DWORD JC_EventConditionList::ClsAll()
{
    m_Conditions.clear();
    return 0;
}

DWORD JC_EventConditionList::Check(const Test& test, std::string& strScript, BOOL bConsume)
{
    strScript.clear();
    for (const std::string& strCondition : m_Conditions) {
        const JC_StringArray fields = Split(strCondition);
        bool bMet = false;
        const DWORD dwResult = test(fields, bMet);
        if (dwResult != 0)
            return dwResult;
        if (!bMet)
            continue;
        strScript = fields[SCRIPT_FIELD];
        if (bConsume == 1)
            Cls(fields[NAME_FIELD]);
        return 0;
    }
    return 0;
}

JC_StringArray JC_EventConditionList::Split(const std::string& strText)
{
    JC_StringArray fields;
    if (strText.empty())
        return fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = strText.find(',', start);
        fields.push_back(strText.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}
