#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The blank-separated fields of one line of an animation file. A number
// field must be a whole number of its kind, in range; text after the fields
// a line needs is ignored.
class XC_AnimationLine
{
public:
    explicit XC_AnimationLine(const char* szLine);

    DWORD GetFieldCount() const { return static_cast<DWORD>(m_Fields.size()); }
    // False for a missing field or one that is not such a number.
    bool GetInt(DWORD dwField, int* piValue) const;
    bool GetFloat(DWORD dwField, float* pfValue) const;
    bool GetHex(DWORD dwField, DWORD* pdwValue) const;
    // The field as it stands; empty when missing.
    std::string GetWord(DWORD dwField) const;

private:
    const char* GetField(DWORD dwField) const;

    std::vector<std::string> m_Fields;
};
