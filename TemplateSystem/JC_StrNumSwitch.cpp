#include "TemplateSystem/JC_StrNumSwitch.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JF_NumberText.h"

#include <charconv>
#include <climits>

namespace {

// The value of a hexadecimal digit, or -1.
int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

template <typename T>
DWORD ParseHexDigits(std::string_view strText, T& value, size_t maxDigits)
{
    value = 0;
    if (strText.empty() || strText == "0")
        return 0;
    size_t prefix = 1;
    if (strText[0] == '0') {
        if (strText[1] != 'x' && strText[1] != 'X')
            return JE_HEX_NO_PREFIX;
        prefix = 2;
    } else if (strText[0] != 'H' && strText[0] != 'h') {
        return JE_HEX_NO_PREFIX;
    }
    if (strText.size() > prefix + maxDigits)
        return JE_HEX_TOO_LONG;
    for (size_t at = prefix; at < strText.size(); ++at) {
        const int iDigit = HexDigit(strText[at]);
        if (iDigit < 0)
            return JE_HEX_BAD_DIGIT;
        value = static_cast<T>(value * 16 + static_cast<T>(iDigit));
    }
    return 0;
}

template <typename T>
DWORD ParseBinaryDigits(std::string_view strText, T& value, size_t maxDigits)
{
    value = 0;
    if (strText.empty())
        return 0;
    if (strText[0] != 'B' && strText[0] != 'b')
        return JE_BINARY_NO_PREFIX;
    if (strText.size() > 1 + maxDigits)
        return JE_BINARY_TOO_LONG;
    for (size_t at = 1; at < strText.size(); ++at) {
        if (strText[at] != '0' && strText[at] != '1')
            return JE_BINARY_BAD_DIGIT;
        value = static_cast<T>(value * 2 + (strText[at] == '1' ? 1 : 0));
    }
    return 0;
}

// A real number truncated toward zero. Values outside the 64-bit range and
// NaN give what the processor's conversion gives, the lowest value.
LONGLONG TruncateToInt64(double dValue)
{
    if (!(dValue >= -9223372036854775808.0 && dValue < 9223372036854775808.0))
        return LLONG_MIN;
    return static_cast<LONGLONG>(dValue);
}

// Converts by the first character, with the parsers of one width.
template <typename T>
DWORD ConvertByPrefix(std::string_view strText, T& value, size_t maxHexDigits,
                      size_t maxBinaryDigits)
{
    value = 0;
    if (strText.empty())
        return 0;
    switch (strText[0]) {
    case '0':
    case 'H':
    case 'h':
        return ParseHexDigits(strText, value, maxHexDigits);
    case 'B':
    case 'b':
        return ParseBinaryDigits(strText, value, maxBinaryDigits);
    case 'F':
    case 'f':
        value = static_cast<T>(TruncateToInt64(JF_TextToReal(strText.substr(1))));
        return 0;
    default:
        value = static_cast<T>(JF_DecimalToUInt64(strText));
        return 0;
    }
}

// Reads "low~high" with one conversion for both halves; the first failing
// conversion answers.
template <typename T, typename Convert>
DWORD ParseRange(std::string_view strText, T& low, T& high, Convert convert)
{
    const size_t tilde = XF_FindChar(strText, '~');
    if (tilde == std::string::npos)
        return JE_RANGE_NO_TILDE;
    DWORD dwResult = convert(strText.substr(0, tilde), low);
    if (dwResult != 0)
        return dwResult;
    dwResult = convert(strText.substr(tilde + 1), high);
    if (dwResult != 0)
        return dwResult;
    return high < low ? JE_RANGE_HIGH_BELOW_LOW : 0;
}

template <typename T>
std::string DigitsWithPrefix(char cPrefix, T value, int iBase)
{
    char szDigits[80];
    szDigits[0] = cPrefix;
    const std::to_chars_result result = std::to_chars(szDigits + 1, szDigits + sizeof(szDigits), value, iBase);
    return std::string(szDigits, result.ptr);
}

template <typename T>
std::string AllBits(T value)
{
    std::string strText(1 + sizeof(T) * 8, '0');
    strText[0] = 'B';
    for (size_t bit = 0; bit < sizeof(T) * 8; ++bit) {
        if ((value >> bit) & 1)
            strText[strText.size() - 1 - bit] = '1';
    }
    return strText;
}

} // namespace

bool JC_StrNumSwitch::IsRelative(std::string_view strText)
{
    return IsPlus(strText) || IsMinus(strText) || IsPercent(strText);
}

bool JC_StrNumSwitch::IsPlus(std::string_view strText)
{
    return !strText.empty() && strText.front() == '+';
}

bool JC_StrNumSwitch::IsMinus(std::string_view strText)
{
    return !strText.empty() && strText.front() == '-';
}

bool JC_StrNumSwitch::IsPercent(std::string_view strText)
{
    return !strText.empty() && strText.back() == '%';
}

DWORD JC_StrNumSwitch::GetNumber(std::string_view strText)
{
    DWORD dwValue = 0;
    bool bPlus = false;
    bool bMinus = false;
    bool bPercent = false;
    if (SplitNumber(strText, dwValue, bPlus, bMinus, bPercent) != 0)
        return 0;
    return dwValue;
}

DWORD JC_StrNumSwitch::SplitNumber(std::string_view strText, DWORD& dwValue, bool& bPlus,
                                   bool& bMinus, bool& bPercent)
{
    dwValue = 0;
    bPlus = IsPlus(strText);
    bMinus = !bPlus && IsMinus(strText);
    bPercent = IsPercent(strText);
    if (strText.empty())
        return JE_NUMBER_EMPTY;
    const size_t begin = bPlus || bMinus ? 1 : 0;
    const size_t end = strText.size() - (bPercent ? 1 : 0);
    if (end <= begin)
        return JE_NUMBER_SIGN_ONLY;
    return StrToUInt(strText.substr(begin, end - begin), dwValue);
}

DWORD JC_StrNumSwitch::StrToUInt(std::string_view strText, DWORD& dwValue)
{
    return ConvertByPrefix(strText, dwValue, 8, 32);
}

DWORD JC_StrNumSwitch::StrToUInt64(std::string_view strText, ULONGLONG& ullValue)
{
    return ConvertByPrefix(strText, ullValue, 16, 64);
}

DWORD JC_StrNumSwitch::StrToFloat(std::string_view strText, float& fValue)
{
    fValue = 0.0f;
    if (strText.empty())
        return 0;
    if (strText[0] == 'F' || strText[0] == 'f') {
        fValue = static_cast<float>(JF_TextToReal(strText.substr(1)));
        return 0;
    }
    fValue = static_cast<float>(JF_TextToReal(strText));
    return JE_NUMBER_FLOAT_NO_PREFIX;
}

DWORD JC_StrNumSwitch::ParseHex(std::string_view strText, DWORD& dwValue)
{
    return ParseHexDigits(strText, dwValue, 8);
}

DWORD JC_StrNumSwitch::ParseHex64(std::string_view strText, ULONGLONG& ullValue)
{
    return ParseHexDigits(strText, ullValue, 16);
}

DWORD JC_StrNumSwitch::ParseBinary(std::string_view strText, DWORD& dwValue)
{
    return ParseBinaryDigits(strText, dwValue, 32);
}

DWORD JC_StrNumSwitch::ParseBinary64(std::string_view strText, ULONGLONG& ullValue)
{
    return ParseBinaryDigits(strText, ullValue, 64);
}

DWORD JC_StrNumSwitch::ParseIntRange(std::string_view strText, int& iLow, int& iHigh)
{
    return ParseRange(strText, iLow, iHigh, [](std::string_view strHalf, int& iValue) {
        DWORD dwValue = 0;
        const DWORD dwResult = StrToUInt(strHalf, dwValue);
        iValue = static_cast<int>(dwValue);
        return dwResult;
    });
}

DWORD JC_StrNumSwitch::ParseUIntRange(std::string_view strText, DWORD& dwLow, DWORD& dwHigh)
{
    return ParseRange(strText, dwLow, dwHigh, StrToUInt);
}

DWORD JC_StrNumSwitch::ParseFloatRange(std::string_view strText, float& fLow, float& fHigh)
{
    return ParseRange(strText, fLow, fHigh, StrToFloat);
}

std::string JC_StrNumSwitch::IntToStr(int iValue)
{
    return std::to_string(iValue);
}

std::string JC_StrNumSwitch::UIntToStr(DWORD dwValue)
{
    return std::to_string(dwValue);
}

std::string JC_StrNumSwitch::UInt64ToStr(ULONGLONG ullValue)
{
    return std::to_string(ullValue);
}

std::string JC_StrNumSwitch::IntToHexStr(int iValue)
{
    return DigitsWithPrefix('H', static_cast<DWORD>(iValue), 16);
}

std::string JC_StrNumSwitch::Int64ToHexStr(LONGLONG llValue)
{
    return DigitsWithPrefix('H', static_cast<ULONGLONG>(llValue), 16);
}

std::string JC_StrNumSwitch::IntToBinStr(int iValue)
{
    return AllBits(static_cast<DWORD>(iValue));
}

std::string JC_StrNumSwitch::UIntToBinStr(DWORD dwValue)
{
    return AllBits(dwValue);
}

std::string JC_StrNumSwitch::UInt64ToBinStr(ULONGLONG ullValue)
{
    return AllBits(ullValue);
}

std::string JC_StrNumSwitch::FloatToStr(float fValue)
{
    char szText[80];
    szText[0] = 'F';
    const std::to_chars_result result = std::to_chars(szText + 1, szText + sizeof(szText),
                                                      static_cast<double>(fValue),
                                                      std::chars_format::fixed, 6);
    return std::string(szText, result.ptr);
}
