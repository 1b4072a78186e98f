#pragma once

#include <string>

// The engine's text: a byte string holding code page 950 text, with case
// folding, path normalising, trimming and number helpers.
class XC_String : public std::string
{
public:
    XC_String() = default;
    // A null text gives the empty string.
    XC_String(const char* szText);
    XC_String(const std::string& strText);
    XC_String(const XC_String&) = default;
    XC_String& operator=(const XC_String&) = default;
    virtual ~XC_String() = default;

    // Lower-cases 'A' to 'Z' byte by byte, trail bytes included.
    XC_String& MakeLower();
    // Lower-cases single-byte letters, folds runs of '/' and '\' into one
    // '\' and trims; double-byte characters stay byte for byte.
    XC_String& NormalizePath();
    // Removes blanks, tabs and carriage returns at the chosen ends.
    void Trim(bool bLeft, bool bRight);
    // "0x" followed by hexadecimal, else a signed decimal number; 0 for none.
    int ToInt() const;
    // The number in decimal with a comma before every group of three digits.
    void SetNumberWithCommas(unsigned int uNumber);
};
