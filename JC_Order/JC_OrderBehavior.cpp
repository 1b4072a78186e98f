#include "JC_Order/JC_OrderBehavior.h"

#include "JC_DataManager/Manager/JC_OskelTemplateManager.h"

namespace
{
bool Opens(const std::string& strLine)
{
    return strLine.find('{') != std::string::npos;
}

bool Closes(const std::string& strLine)
{
    return strLine.find('}') != std::string::npos;
}
}

DWORD JC_OrderBehavior::Initiation(const JC_OskelTemplateManager* pTemplateManager)
{
    if (pTemplateManager == nullptr)
        return JE_ORDERBEHAVIOR_NULL_TEMPLATE_MANAGER;
    m_pTemplateManager = pTemplateManager;
    return SetOrderBehavior(nullptr);
}

DWORD JC_OrderBehavior::SetOrderBehavior(const std::vector<std::string>* pLines)
{
    if (m_pTemplateManager == nullptr)
        return JE_ORDERBEHAVIOR_NOT_INITIATED;
    m_Lines = pLines != nullptr ? *pLines : std::vector<std::string>();
    // Each target's walk starts outside any block: a depth left by a target
    // whose deal stopped inside a block would mark the next one hit.
    m_iDepth = 0;
    ResetWalk();
    return 0;
}

void JC_OrderBehavior::ResetWalk()
{
    m_strLine.clear();
    m_iIndex = -1;
    m_Values.clear();
    m_Parameters.clear();
    m_dwDealSuccess = 0;
}

DWORD JC_OrderBehavior::DealNext()
{
    if (m_Lines.empty())
        return JS_ORDERBEHAVIOR_END;
    if (!Advance())
        return JS_ORDERBEHAVIOR_END;
    if (!Opens(m_strLine))
    {
        if (!Closes(m_strLine))
            return ParseLine();
        --m_iDepth;
        return Scan();
    }
    const int iOuterDepth = m_iDepth;
    ++m_iDepth;
    if (m_dwDealSuccess != 0)
        return Scan();
    return SkipBlock(iOuterDepth);
}

bool JC_OrderBehavior::Advance()
{
    if (m_iIndex + 1 >= static_cast<int>(m_Lines.size()))
    {
        ResetWalk();
        return false;
    }
    ++m_iIndex;
    m_strLine = m_Lines[m_iIndex];
    return true;
}

bool JC_OrderBehavior::TrackBraces()
{
    if (Opens(m_strLine))
        ++m_iDepth;
    else if (Closes(m_strLine))
        --m_iDepth;
    else
        return false;
    return true;
}

DWORD JC_OrderBehavior::Scan()
{
    while (Advance())
    {
        if (!TrackBraces())
            return ParseLine();
    }
    return JS_ORDERBEHAVIOR_END;
}

DWORD JC_OrderBehavior::SkipBlock(int iOuterDepth)
{
    do
    {
        if (!Advance())
            return JS_ORDERBEHAVIOR_END;
        TrackBraces();
    } while (m_iDepth != iOuterDepth);
    // The closing line is structural unless it carries a behaviour of its own.
    if (m_strLine.find('@') == std::string::npos)
        return Scan();
    return ParseLine();
}

DWORD JC_OrderBehavior::SplitValues(const std::string& strLine, std::map<std::string, std::string>& values)
{
    values.clear();
    size_t at = 0;
    while ((at = strLine.find('@', at)) != std::string::npos)
    {
        const size_t open = strLine.find('"', at);
        if (open == std::string::npos)
            return JE_ORDERBEHAVIOR_UNBALANCED_QUOTES;
        const size_t close = strLine.find('"', open + 1);
        if (close == std::string::npos)
            return JE_ORDERBEHAVIOR_UNBALANCED_QUOTES;
        values[strLine.substr(at, open - at)] = strLine.substr(open + 1, close - open - 1);
        at = close + 1;
    }
    return 0;
}

DWORD JC_OrderBehavior::ParseLine()
{
    m_Parameters.clear();
    const DWORD dwResult = SplitValues(m_strLine, m_Values);
    if (dwResult != 0)
        return dwResult;
    const auto found = m_Values.find("@Parameter");
    if (found == m_Values.end())
        return 0;
    const std::string& strValue = found->second;
    size_t start = 0;
    for (size_t comma = strValue.find(','); comma != std::string::npos; comma = strValue.find(',', start))
    {
        m_Parameters.push_back(strValue.substr(start, comma - start));
        start = comma + 1;
    }
    m_Parameters.push_back(strValue.substr(start));
    return 0;
}

DWORD JC_OrderBehavior::TypeOf(const std::map<std::string, std::string>& values) const
{
    const auto found = values.find("@Type");
    if (found == values.end())
        return JE_ORDERBEHAVIOR_UNKNOWN_TYPE;
    return GetDefineValue(found->second);
}

DWORD JC_OrderBehavior::GetBehaviorType() const
{
    return TypeOf(m_Values);
}

DWORD JC_OrderBehavior::GetLineType(const std::string& strLine) const
{
    std::map<std::string, std::string> values;
    if (SplitValues(strLine, values) != 0)
        return JE_ORDERBEHAVIOR_UNKNOWN_TYPE;
    return TypeOf(values);
}

DWORD JC_OrderBehavior::GetDefineValue(const std::string& strName) const
{
    if (m_pTemplateManager == nullptr)
        return JE_ORDERBEHAVIOR_UNKNOWN_TYPE;
    return m_pTemplateManager->GetDefineInfo(strName);
}

std::string JC_OrderBehavior::GetBehaviorValue(const std::string& strKey) const
{
    const auto found = m_Values.find(strKey);
    return found != m_Values.end() ? found->second : std::string();
}

void JC_OrderBehavior::InsertAfterCurrent(const std::vector<std::string>& lines)
{
    m_Lines.insert(m_Lines.begin() + (m_iIndex + 1), lines.begin(), lines.end());
}

std::string JC_OrderBehavior::GetBehaviorParameter(DWORD dwIndex) const
{
    return dwIndex < m_Parameters.size() ? m_Parameters[dwIndex] : std::string();
}
