#pragma once

#include <string>
#include <string_view>

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

// True when at is a character boundary of szText; walk is a boundary at or
// before at, and moves forward, so a search that asks in order walks the text
// once.
inline bool XF_IsCharBoundary(const char* szText, size_t length, size_t& walk, size_t at)
{
    while (walk < at)
        walk += XF_CharLength(szText, walk, length);
    return walk == at;
}

// The position of the first single-byte character c in strText, stepping
// over double-byte characters; std::string::npos when there is none.
inline size_t XF_FindChar(const std::string& strText, char c, size_t from = 0)
{
    size_t walk = from;
    for (size_t at = strText.find(c, from); at != std::string::npos; at = strText.find(c, at + 1)) {
        if (XF_IsCharBoundary(strText.c_str(), strText.size(), walk, at))
            return at;
    }
    return std::string::npos;
}

// The position of the first occurrence of strPart that starts on a character
// boundary of strText; std::string::npos when there is none.
inline size_t XF_FindText(const std::string& strText, std::string_view strPart, size_t from = 0)
{
    if (strPart.empty())
        return from <= strText.size() ? from : std::string::npos;
    size_t walk = from;
    for (size_t at = strText.find(strPart, from); at != std::string::npos; at = strText.find(strPart, at + 1)) {
        if (XF_IsCharBoundary(strText.c_str(), strText.size(), walk, at))
            return at;
    }
    return std::string::npos;
}

// The position of the last single-byte character c in strText, stepping over
// double-byte characters; std::string::npos when there is none.
inline size_t XF_FindLastChar(const std::string& strText, char c)
{
    size_t last = std::string::npos;
    for (size_t at = XF_FindChar(strText, c); at != std::string::npos; at = XF_FindChar(strText, c, at + 1))
        last = at;
    return last;
}

// Compares two texts character by character without regard to the case of
// single-byte letters; a double-byte character counts as its two bytes read
// as one number, so it sorts after every single-byte character. Negative,
// zero or positive, as strcmp.
inline int XF_CompareNoCase(const std::string& strA, const std::string& strB)
{
    const auto next = [](const std::string& strText, size_t& at) -> unsigned int {
        if (at >= strText.size())
            return 0;
        const unsigned char cFirst = static_cast<unsigned char>(strText[at]);
        if (XF_CharLength(strText.c_str(), at, strText.size()) == 2) {
            const unsigned char cSecond = static_cast<unsigned char>(strText[at + 1]);
            at += 2;
            return 0x10000u | (static_cast<unsigned int>(cFirst) << 8) | cSecond;
        }
        ++at;
        if (cFirst >= 'A' && cFirst <= 'Z')
            return cFirst + ('a' - 'A');
        return cFirst;
    };
    size_t atA = 0;
    size_t atB = 0;
    while (atA < strA.size() || atB < strB.size()) {
        const unsigned int uA = next(strA, atA);
        const unsigned int uB = next(strB, atB);
        if (uA != uB)
            return uA < uB ? -1 : 1;
    }
    return 0;
}
