#include "GameProgram/DirectShow/XF_DirectShow.h"

#include <string>

std::wstring XF_MediaPath(const char* szFolder, const char* szFileName)
{
    const std::string strPath = std::string(szFolder != nullptr ? szFolder : "") + szFileName;
    wchar_t wPath[MAX_PATH] = {};
    const int iLength = MultiByteToWideChar(CP_ACP, 0, strPath.c_str(), static_cast<int>(strPath.size()), wPath,
                                            MAX_PATH - 1);
    return std::wstring(wPath, iLength > 0 ? iLength : 0);
}
