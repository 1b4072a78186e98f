#include "ArchiveLibrary/JF_FolderMaker.h"

#include "ArchiveLibrary/JF_QuorlinDisk.h"
#include "GameProgram/Common/XF_Cp950.h"

std::int32_t MakeFolderPath(const std::string& strPath)
{
    const size_t drive = XF_FindText(strPath, ":\\");
    if (XF_FindChar(strPath, '\\') == std::string::npos || drive == std::string::npos)
        return FOLDER_E_NO_DRIVE;
    size_t at = drive + 2;
    while (at < strPath.size() && strPath[at] == '\\')
        ++at;
    for (size_t separator = XF_FindChar(strPath, '\\', at); separator != std::string::npos;
         separator = XF_FindChar(strPath, '\\', separator + 1)) {
        if (JF_CreateFolder(strPath.substr(0, separator)) == FOLDER_FAILED)
            return FOLDER_E_CREATE;
    }
    return 0;
}

std::int32_t MakeFolderForFile(const std::string& strFilePath)
{
    const size_t separator = XF_FindLastChar(strFilePath, '\\');
    if (separator == std::string::npos)
        return FOLDER_E_NO_SEPARATOR;
    return MakeFolderPath(strFilePath.substr(0, separator + 1));
}
