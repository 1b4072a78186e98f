#include "TemplateSystem/JC_StringSegment1.h"

#include "GameProgram/Common/XF_Cp950.h"

#include <utility>

DWORD JC_StringSegment1::GetSegmentCount(const std::string& strText) const
{
    if (strText.empty())
        return 0;
    DWORD dwCount = 1;
    for (size_t at = XF_FindChar(strText, ','); at != std::string::npos;
         at = XF_FindChar(strText, ',', at + 1))
        ++dwCount;
    return dwCount;
}

std::string& JC_StringSegment1::GetSegment(std::string& strResult, DWORD dwIndex,
                                           const std::string& strText) const
{
    size_t begin = 0;
    for (DWORD i = 0; i < dwIndex; ++i) {
        const size_t comma = XF_FindChar(strText, ',', begin);
        if (comma == std::string::npos) {
            strResult.clear();
            return strResult;
        }
        begin = comma + 1;
    }
    const size_t end = XF_FindChar(strText, ',', begin);
    strResult = strText.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    return strResult;
}

std::string& JC_StringSegment1::GetFirstSegment(std::string& strResult, const std::string& strText) const
{
    return GetSegment(strResult, 0, strText);
}

std::string& JC_StringSegment1::PopSegment(std::string& strResult, std::string& strText) const
{
    const size_t comma = XF_FindChar(strText, ',');
    std::string strFirst = strText.substr(0, comma);
    strText = comma == std::string::npos ? std::string() : strText.substr(comma + 1);
    strResult = std::move(strFirst);
    return strResult;
}
