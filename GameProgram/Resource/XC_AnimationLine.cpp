#include "GameProgram/Resource/XC_AnimationLine.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The conversion took the whole field and the value was in range.
bool IsWholeField(const char* szField, const char* pEnd)
{
    return pEnd != szField && *pEnd == '\0' && errno != ERANGE;
}

} // namespace

XC_AnimationLine::XC_AnimationLine(const char* szLine)
{
    if (szLine == nullptr)
        return;
    const char* p = szLine;
    for (;;) {
        while (IsBlank(*p))
            ++p;
        if (*p == '\0')
            return;
        const char* const pStart = p;
        while (*p != '\0' && !IsBlank(*p))
            ++p;
        m_Fields.emplace_back(pStart, p);
    }
}

bool XC_AnimationLine::GetInt(DWORD dwField, int* piValue) const
{
    const char* const szField = GetField(dwField);
    if (szField == nullptr)
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const long lValue = std::strtol(szField, &pEnd, 10);
    if (!IsWholeField(szField, pEnd) || lValue < INT_MIN || lValue > INT_MAX)
        return false;
    *piValue = static_cast<int>(lValue);
    return true;
}

bool XC_AnimationLine::GetFloat(DWORD dwField, float* pfValue) const
{
    const char* const szField = GetField(dwField);
    if (szField == nullptr)
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const float fValue = std::strtof(szField, &pEnd);
    if (!IsWholeField(szField, pEnd))
        return false;
    *pfValue = fValue;
    return true;
}

bool XC_AnimationLine::GetHex(DWORD dwField, DWORD* pdwValue) const
{
    const char* const szField = GetField(dwField);
    if (szField == nullptr || szField[0] == '-')
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const unsigned long ulValue = std::strtoul(szField, &pEnd, 16);
    if (!IsWholeField(szField, pEnd) || ulValue > 0xFFFFFFFFul)
        return false;
    *pdwValue = static_cast<DWORD>(ulValue);
    return true;
}

std::string XC_AnimationLine::GetWord(DWORD dwField) const
{
    return dwField < m_Fields.size() ? m_Fields[dwField] : std::string();
}

const char* XC_AnimationLine::GetField(DWORD dwField) const
{
    return dwField < m_Fields.size() ? m_Fields[dwField].c_str() : nullptr;
}
