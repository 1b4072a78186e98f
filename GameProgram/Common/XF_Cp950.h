#pragma once

#include <string>
#include <string_view>

// Code page 950 (Big5) byte classes. Text is walked with these helpers
// instead of the C runtime's multibyte functions, whose code page depends on
// the machine: a trail byte may equal '\', '[', '|' or a letter.

// True for a byte that starts a double-byte character.
constexpr bool XF_IsLeadByte(unsigned char cByte)
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
inline size_t XF_FindChar(std::string_view strText, char c, size_t from = 0)
{
    const size_t length = strText.size();
    for (size_t i = from; i < length; i += XF_CharLength(strText.data(), i, length)) {
        if (strText[i] == c)
            return i;
    }
    return std::string::npos;
}

// The position of the first occurrence of strPart that starts on a character
// boundary of strText; std::string::npos when there is none. The loops stay
// inline: under Wine every call into the C runtime costs more than a short
// line takes to walk.
inline size_t XF_FindText(std::string_view strText, std::string_view strPart, size_t from = 0)
{
    const size_t length = strText.size();
    if (strPart.empty())
        return from <= length ? from : std::string::npos;
    const size_t partLength = strPart.size();
    for (size_t i = from; i < length; i += XF_CharLength(strText.data(), i, length)) {
        if (strText[i] != strPart[0] || length - i < partLength)
            continue;
        size_t matched = 1;
        while (matched < partLength && strText[i + matched] == strPart[matched])
            ++matched;
        if (matched == partLength)
            return i;
    }
    return std::string::npos;
}

// The position of the last single-byte character c in strText, stepping over
// double-byte characters; std::string::npos when there is none.
inline size_t XF_FindLastChar(std::string_view strText, char c)
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
