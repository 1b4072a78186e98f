#pragma once

#include "TemplateSystem/JC_StringSegment.h"

#include <windows.h>

// Comma-separated segments. Nothing is trimmed; a comma inside a double-byte
// character does not separate.
class JC_StringSegment1 : public JC_StringSegment
{
public:
    // 0 for an empty text, else the number of commas plus 1.
    DWORD GetSegmentCount(const std::string& strText) const;
    // The segment with the 0-based index; empty when there are fewer.
    std::string& GetSegment(std::string& strResult, DWORD dwIndex, const std::string& strText) const;
    // The text before the first comma; the whole text without one.
    std::string& GetFirstSegment(std::string& strResult, const std::string& strText) const;
    // Cuts the first segment off strText into strResult; strText keeps what
    // follows the comma, or becomes empty when there is none.
    std::string& PopSegment(std::string& strResult, std::string& strText) const;
};
