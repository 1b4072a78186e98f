#include "GameProgram/Common/XC_String.h"

#include "GameProgram/Common/XF_Cp950.h"

#include <cstdlib>

namespace {

bool IsTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

} // namespace

XC_String::XC_String(const char* szText)
    : std::string(szText != nullptr ? szText : "")
{
}

XC_String::XC_String(const std::string& strText)
    : std::string(strText)
{
}

XC_String& XC_String::MakeLower()
{
    for (char& c : *this)
        c = LowerAscii(c);
    return *this;
}

XC_String& XC_String::NormalizePath()
{
    const std::string strSource(*this);
    clear();
    const size_t length = strSource.size();
    for (size_t i = 0; i < length; ++i) {
        const char c = strSource[i];
        if (XF_IsLeadByte(static_cast<unsigned char>(c))) {
            push_back(c);
            if (i + 1 < length)
                push_back(strSource[++i]);
        } else if (IsSeparator(c)) {
            while (i + 1 < length && IsSeparator(strSource[i + 1]))
                ++i;
            push_back('\\');
        } else {
            push_back(LowerAscii(c));
        }
    }
    Trim(true, true);
    return *this;
}

void XC_String::Trim(bool bLeft, bool bRight)
{
    if (bLeft) {
        size_t start = 0;
        while (start < size() && IsTrimmed((*this)[start]))
            ++start;
        erase(0, start);
    }
    if (bRight) {
        size_t end = size();
        while (end > 0 && IsTrimmed((*this)[end - 1]))
            --end;
        erase(end);
    }
}

int XC_String::ToInt() const
{
    if (compare(0, 2, "0x") == 0)
        return static_cast<int>(std::strtoul(c_str() + 2, nullptr, 16));
    return static_cast<int>(std::strtol(c_str(), nullptr, 10));
}

void XC_String::SetNumberWithCommas(unsigned int uNumber)
{
    const std::string strDigits = std::to_string(uNumber);
    clear();
    const size_t count = strDigits.size();
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            push_back(',');
        push_back(strDigits[i]);
    }
}
