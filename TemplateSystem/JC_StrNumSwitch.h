#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Result codes of the number texts. The two with the high bit clear are no
// failures, but they are not 0: callers that test for 0 treat them as such.
constexpr DWORD JE_NUMBER_EMPTY = 0x00057031;
constexpr DWORD JE_NUMBER_SIGN_ONLY = 0x80057032;
constexpr DWORD JE_NUMBER_FLOAT_NO_PREFIX = 0x00056061;
constexpr DWORD JE_RANGE_NO_TILDE = 0x80056031;
constexpr DWORD JE_RANGE_HIGH_BELOW_LOW = 0x80056032;
constexpr DWORD JE_BINARY_NO_PREFIX = 0x80056091;
constexpr DWORD JE_BINARY_TOO_LONG = 0x80056092;
constexpr DWORD JE_BINARY_BAD_DIGIT = 0x80056093;
constexpr DWORD JE_HEX_NO_PREFIX = 0x800560c1;
constexpr DWORD JE_HEX_TOO_LONG = 0x800560c2;
constexpr DWORD JE_HEX_BAD_DIGIT = 0x800560c3;

// Number texts with a radix prefix ("H" or "0x" hexadecimal, "B" binary, "F"
// real, else decimal) and relative number texts ("+n", "-n", "n%"). Holds no
// data; the data layer's classes derive from it to use the conversions.
class JC_StrNumSwitch
{
public:
    // The text begins with "+" or "-", or ends with "%".
    static bool IsRelative(std::string_view strText);
    static bool IsPlus(std::string_view strText);
    static bool IsMinus(std::string_view strText);
    static bool IsPercent(std::string_view strText);

    // The value without one leading sign and a trailing "%"; 0 when nothing
    // is left or the text is no number.
    static DWORD GetNumber(std::string_view strText);
    // Splits a relative number text into its value and its marks.
    static DWORD SplitNumber(std::string_view strText, DWORD& dwValue, bool& bPlus, bool& bMinus,
                             bool& bPercent);

    // Converts by the first character: "0", "H" or "h" hexadecimal, "B" or
    // "b" binary, "F" or "f" a real number truncated toward zero, otherwise
    // decimal. An empty text gives 0.
    static DWORD StrToUInt(std::string_view strText, DWORD& dwValue);
    static DWORD StrToUInt64(std::string_view strText, ULONGLONG& ullValue);
    // "F" followed by a real number; any other text is read as a real number
    // too but answers JE_NUMBER_FLOAT_NO_PREFIX.
    static DWORD StrToFloat(std::string_view strText, float& fValue);

    // "H" or "0x" and up to 8 (16) hexadecimal digits; "0" alone is zero.
    static DWORD ParseHex(std::string_view strText, DWORD& dwValue);
    static DWORD ParseHex64(std::string_view strText, ULONGLONG& ullValue);
    // "B" and up to 32 (64) binary digits, most significant first.
    static DWORD ParseBinary(std::string_view strText, DWORD& dwValue);
    static DWORD ParseBinary64(std::string_view strText, ULONGLONG& ullValue);

    // Ranges "low~high"; equal bounds are accepted, a high bound below the
    // low one is not (compared signed, unsigned or as reals).
    static DWORD ParseIntRange(std::string_view strText, int& iLow, int& iHigh);
    static DWORD ParseUIntRange(std::string_view strText, DWORD& dwLow, DWORD& dwHigh);
    static DWORD ParseFloatRange(std::string_view strText, float& fLow, float& fHigh);

    // Decimal texts as "%d", "%u" and "%I64u" print them.
    static std::string IntToStr(int iValue);
    static std::string UIntToStr(DWORD dwValue);
    static std::string UInt64ToStr(ULONGLONG ullValue);
    // "H" and lower-case hexadecimal digits without leading zeros; a
    // negative value prints as its unsigned bit pattern.
    static std::string IntToHexStr(int iValue);
    static std::string Int64ToHexStr(LONGLONG llValue);
    // "B" and all 32 (64) binary digits, most significant first.
    static std::string IntToBinStr(int iValue);
    static std::string UIntToBinStr(DWORD dwValue);
    static std::string UInt64ToBinStr(ULONGLONG ullValue);
    // "F" and the value with six decimals, as "%f" prints it, with '.' as
    // the decimal point whatever the locale.
    static std::string FloatToStr(float fValue);
};
