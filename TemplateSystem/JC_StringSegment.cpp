#include "TemplateSystem/JC_StringSegment.h"

#include "GameProgram/Common/XF_Cp950.h"

namespace {

// Cuts the text at the first occurrence of strMark.
void CutAt(std::string& strText, const char* szMark)
{
    const size_t at = XF_FindText(strText, szMark);
    if (at != std::string::npos)
        strText.erase(at);
}

} // namespace

std::string& JC_StringSegment::TrimLeftCopy(std::string& strResult, const std::string& strText) const
{
    strResult = strText;
    TrimLeft(strResult);
    return strResult;
}

void JC_StringSegment::TrimLeft(std::string& strText) const
{
    // A blank is never the second byte of a double-byte character.
    strText.erase(0, strText.find_first_not_of(' '));
}

std::string& JC_StringSegment::TrimRightCopy(std::string& strResult, const std::string& strText) const
{
    strResult = strText;
    TrimRight(strResult);
    return strResult;
}

void JC_StringSegment::TrimRight(std::string& strText) const
{
    const size_t last = strText.find_last_not_of(' ');
    strText.erase(last == std::string::npos ? 0 : last + 1);
}

std::string& JC_StringSegment::TrimCopy(std::string& strResult, const std::string& strText) const
{
    strResult = strText;
    Trim(strResult);
    return strResult;
}

void JC_StringSegment::Trim(std::string& strText) const
{
    TrimLeft(strText);
    TrimRight(strText);
}

std::string& JC_StringSegment::CutCommentCopy(std::string& strResult, const std::string& strText) const
{
    strResult = strText;
    CutComment(strResult);
    return strResult;
}

std::string& JC_StringSegment::CutNoteCopy(std::string& strResult, const std::string& strText) const
{
    strResult = strText;
    CutNote(strResult);
    return strResult;
}

void JC_StringSegment::CutComment(std::string& strText) const
{
    CutAt(strText, "//");
}

void JC_StringSegment::CutNote(std::string& strText) const
{
    CutAt(strText, "//!");
}

std::string& JC_StringSegment::StripLeadingBackslashesCopy(std::string& strResult,
                                                           const std::string& strText) const
{
    strResult = strText;
    StripLeadingBackslashes(strResult);
    return strResult;
}

void JC_StringSegment::StripLeadingBackslashes(std::string& strText) const
{
    strText.erase(0, strText.find_first_not_of('\\'));
}

std::string& JC_StringSegment::StripTrailingBackslashesCopy(std::string& strResult,
                                                            const std::string& strText) const
{
    strResult = strText;
    StripTrailingBackslashes(strResult);
    return strResult;
}

void JC_StringSegment::StripTrailingBackslashes(std::string& strText) const
{
    // Walk by characters: a '\' may be the second byte of a double-byte one.
    const size_t length = strText.size();
    size_t runStart = length;
    for (size_t at = 0; at < length;) {
        const size_t charLength = XF_CharLength(strText.c_str(), at, length);
        if (charLength == 1 && strText[at] == '\\') {
            if (runStart == length)
                runStart = at;
        } else {
            runStart = length;
        }
        at += charLength;
    }
    strText.erase(runStart);
}

std::string& JC_StringSegment::StripBackslashesCopy(std::string& strResult,
                                                    const std::string& strText) const
{
    strResult = strText;
    StripBackslashes(strResult);
    return strResult;
}

void JC_StringSegment::StripBackslashes(std::string& strText) const
{
    StripLeadingBackslashes(strText);
    StripTrailingBackslashes(strText);
}
