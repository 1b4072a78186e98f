#include "TemplateSystem/JF_NumberText.h"

#include <charconv>
#include <cmath>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The position after leading white space.
size_t SkipSpace(std::string_view strText)
{
    size_t at = 0;
    while (at < strText.size() && IsSpace(strText[at]))
        ++at;
    return at;
}

// Whether a real number text that lies outside the range of a double is too
// small rather than too large: its exponent is negative.
bool IsTooSmall(const char* pFirst, const char* pLast)
{
    for (const char* p = pFirst; p + 1 < pLast; ++p) {
        if ((*p == 'e' || *p == 'E') && p[1] == '-')
            return true;
    }
    return false;
}

} // namespace

ULONGLONG JF_DecimalToUInt64(std::string_view strText)
{
    size_t at = SkipSpace(strText);
    bool bNegative = false;
    if (at < strText.size() && (strText[at] == '+' || strText[at] == '-')) {
        bNegative = strText[at] == '-';
        ++at;
    }
    ULONGLONG ullValue = 0;
    for (; at < strText.size() && strText[at] >= '0' && strText[at] <= '9'; ++at)
        ullValue = ullValue * 10 + static_cast<ULONGLONG>(strText[at] - '0');
    return bNegative ? 0 - ullValue : ullValue;
}

int JF_DecimalToInt(std::string_view strText)
{
    return static_cast<int>(static_cast<DWORD>(JF_DecimalToUInt64(strText)));
}

bool JF_IsWholeDecimalInt(std::string_view strText)
{
    size_t at = SkipSpace(strText);
    bool bNegative = false;
    if (at < strText.size() && (strText[at] == '+' || strText[at] == '-')) {
        bNegative = strText[at] == '-';
        ++at;
    }
    const size_t first = at;
    long long llValue = 0;
    for (; at < strText.size() && strText[at] >= '0' && strText[at] <= '9'; ++at) {
        llValue = llValue * 10 + (strText[at] - '0');
        if (llValue > 0x80000000LL)
            return false;
    }
    if (at == first || at != strText.size())
        return false;
    return bNegative || llValue <= 0x7FFFFFFFLL;
}

double JF_TextToReal(std::string_view strText)
{
    size_t at = SkipSpace(strText);
    bool bNegative = false;
    if (at < strText.size() && (strText[at] == '+' || strText[at] == '-')) {
        bNegative = strText[at] == '-';
        ++at;
    }
    // from_chars takes no sign of its own after the one read here.
    if (at < strText.size() && (strText[at] == '+' || strText[at] == '-'))
        return 0.0;
    const char* pFirst = strText.data() + at;
    const char* pLast = strText.data() + strText.size();
    double dValue = 0.0;
    const std::from_chars_result result = std::from_chars(pFirst, pLast, dValue);
    if (result.ec == std::errc::result_out_of_range)
        dValue = IsTooSmall(pFirst, result.ptr) ? 0.0 : HUGE_VAL;
    else if (result.ec != std::errc())
        dValue = 0.0;
    return bNegative ? -dValue : dValue;
}
