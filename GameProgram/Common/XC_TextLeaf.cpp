#include "GameProgram/Common/XC_TextLeaf.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Assign(std::optional<std::string>& text, const char* szText)
{
    if (szText == nullptr)
        text.reset();
    else
        text = szText;
}

const char* TextOf(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

} // namespace

void XC_TextLeaf::Clear()
{
    m_Name.reset();
    m_Value.reset();
    m_Comment.reset();
}

void XC_TextLeaf::SetName(const char* szName)
{
    Assign(m_Name, szName);
}

void XC_TextLeaf::SetValue(const char* szValue)
{
    Assign(m_Value, szValue);
}

void XC_TextLeaf::SetComment(const char* szComment)
{
    Assign(m_Comment, szComment);
}

const char* XC_TextLeaf::GetName() const
{
    return TextOf(m_Name);
}

const char* XC_TextLeaf::GetValue() const
{
    return TextOf(m_Value);
}

const char* XC_TextLeaf::GetComment() const
{
    return TextOf(m_Comment);
}

const char* XC_TextLeaf::GetStr() const
{
    return GetValue();
}

const char* XC_TextLeaf::ValueText() const
{
    return m_Value ? m_Value->c_str() : "";
}

int XC_TextLeaf::GetInt() const
{
    return static_cast<int>(std::strtol(ValueText(), nullptr, 10));
}

DWORD XC_TextLeaf::GetDword() const
{
    const char* szValue = ValueText();
    if (std::strncmp(szValue, "0x", 2) == 0) {
        unsigned int uValue = 0;
        return std::sscanf(szValue, "%x", &uValue) == 1 ? uValue : 0;
    }
    int iValue = 0;
    return std::sscanf(szValue, "%d", &iValue) == 1 ? static_cast<DWORD>(iValue) : 0;
}

float XC_TextLeaf::GetFloat() const
{
    return std::strtof(ValueText(), nullptr);
}

BOOL XC_TextLeaf::GetBool() const
{
    const char* szValue = ValueText();
    return std::strcmp(szValue, "1") == 0 || std::strcmp(szValue, "TRUE") == 0
        || std::strcmp(szValue, "true") == 0;
}

bool XC_TextLeaf::GetVector3(float* pfX, float* pfY, float* pfZ) const
{
    float fX = 0.0f, fY = 0.0f, fZ = 0.0f;
    const bool bRead = std::sscanf(ValueText(), " %f , %f , %f", &fX, &fY, &fZ) == 3;
    *pfX = bRead ? fX : 0.0f;
    *pfY = bRead ? fY : 0.0f;
    *pfZ = bRead ? fZ : 0.0f;
    return bRead;
}

DWORD XC_TextLeaf::GetColor(DWORD dwDefault) const
{
    int iPart[4] = {};
    if (std::sscanf(ValueText(), " %d , %d , %d , %d ", &iPart[0], &iPart[1], &iPart[2], &iPart[3]) != 4)
        return dwDefault;
    // Compared as unsigned, so a negative part is limited to 255 as well.
    DWORD dwPart[4];
    for (int i = 0; i < 4; ++i)
        dwPart[i] = std::min<DWORD>(static_cast<DWORD>(iPart[i]), 255);
    const DWORD dwRed = dwPart[0], dwGreen = dwPart[1], dwBlue = dwPart[2], dwAlpha = dwPart[3];
    return (dwAlpha << 24) | (dwRed << 16) | (dwGreen << 8) | dwBlue;
}

bool XC_TextLeaf::GetInt4(int* piA, int* piB, int* piC, int* piD) const
{
    int iPart[4] = {};
    const bool bRead = std::sscanf(ValueText(), " %d , %d , %d , %d ", &iPart[0], &iPart[1], &iPart[2],
                                   &iPart[3]) == 4;
    *piA = bRead ? iPart[0] : 255;
    *piB = bRead ? iPart[1] : 255;
    *piC = bRead ? iPart[2] : 255;
    *piD = bRead ? iPart[3] : 255;
    return bRead;
}
