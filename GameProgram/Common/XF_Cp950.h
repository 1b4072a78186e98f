#pragma once

#include <string>

// Code page 950 (Big5) byte classes. Text is walked with these helpers
// instead of the C runtime's multibyte functions, whose code page depends on
// the machine: a trail byte may equal '\', '[', '|' or a letter.

// True for a byte that starts a double-byte character.
inline bool XF_IsLeadByte(unsigned char cByte)
{
    return cByte >= 0x81 && cByte <= 0xFE;
}

// The number of bytes (1 or 2) of the character at szText[at], never running
// past length.
inline size_t XF_CharLength(const char* szText, size_t at, size_t length)
{
    if (XF_IsLeadByte(static_cast<unsigned char>(szText[at])) && at + 1 < length)
        return 2;
    return 1;
}

// The position of the first single-byte character c in strText, stepping
// over double-byte characters; std::string::npos when there is none.
inline size_t XF_FindChar(const std::string& strText, char c, size_t from = 0)
{
    const size_t length = strText.size();
    for (size_t i = from; i < length; i += XF_CharLength(strText.c_str(), i, length)) {
        if (strText[i] == c)
            return i;
    }
    return std::string::npos;
}

// The position of the first occurrence of strPart that starts on a character
// boundary of strText; std::string::npos when there is none.
inline size_t XF_FindText(const std::string& strText, const std::string& strPart, size_t from = 0)
{
    const size_t length = strText.size();
    if (strPart.empty())
        return from <= length ? from : std::string::npos;
    for (size_t i = from; i < length; i += XF_CharLength(strText.c_str(), i, length)) {
        if (strText.compare(i, strPart.size(), strPart) == 0)
            return i;
    }
    return std::string::npos;
}
