#include "ArchiveLibrary/JF_QuorlinDisk.h"

#include <windows.h>

#include <cstdio>

namespace {

const UINT ARCHIVE_CODE_PAGE = 950;

bool ShowWarningBox(const char* szCaption, const char* szText)
{
    return MessageBoxA(nullptr, szText, szCaption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

JF_WARNING_BOX s_pfnWarningBox = ShowWarningBox;

std::string LocalTimeText(const FILETIME& fileTime)
{
    FILETIME localTime;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&fileTime, &localTime) || !FileTimeToSystemTime(&localTime, &time))
        return std::string();
    char szText[32];
    std::snprintf(szText, sizeof(szText), "%04d/%02d/%02d  %02d:%02d:%02d", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond);
    return szText;
}

JS_QuorlinDiskEntry ToEntry(const WIN32_FIND_DATAA& findData)
{
    JS_QuorlinDiskEntry entry;
    entry.dwAttributes = findData.dwFileAttributes;
    entry.strName = findData.cFileName;
    entry.strTime = LocalTimeText(findData.ftLastWriteTime);
    entry.qwSize = (static_cast<std::uint64_t>(findData.nFileSizeHigh) << 32) | findData.nFileSizeLow;
    return entry;
}

} // namespace

bool JF_FindDiskEntry(const std::string& strPath, JS_QuorlinDiskEntry* pEntry)
{
    WIN32_FIND_DATAA findData;
    const HANDLE hFind = FindFirstFileA(strPath.c_str(), &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    FindClose(hFind);
    *pEntry = ToEntry(findData);
    return true;
}

bool JF_ListDiskFolder(const std::string& strFolder, std::vector<JS_QuorlinDiskEntry>* pEntries)
{
    pEntries->clear();
    WIN32_FIND_DATAA findData;
    const HANDLE hFind = FindFirstFileA((strFolder + "\\*").c_str(), &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    do {
        const std::string strName = findData.cFileName;
        if (strName != "." && strName != "..")
            pEntries->push_back(ToEntry(findData));
    } while (FindNextFileA(hFind, &findData));
    FindClose(hFind);
    return true;
}

JE_FolderResult JF_CreateFolder(const std::string& strPath)
{
    if (CreateDirectoryA(strPath.c_str(), nullptr))
        return FOLDER_CREATED;
    return GetLastError() == ERROR_ALREADY_EXISTS ? FOLDER_EXISTS : FOLDER_FAILED;
}

bool JF_DeleteFile(const std::string& strPath)
{
    return DeleteFileA(strPath.c_str()) != FALSE;
}

bool JF_ReplaceFile(const std::string& strFrom, const std::string& strTo)
{
    return MoveFileExA(strFrom.c_str(), strTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        != FALSE;
}

std::string JF_WideToAnsi(const std::u16string& strWide)
{
    if (strWide.empty())
        return std::string();
    const wchar_t* szWide = reinterpret_cast<const wchar_t*>(strWide.data());
    const int iWide = static_cast<int>(strWide.size());
    const int iLength = WideCharToMultiByte(ARCHIVE_CODE_PAGE, 0, szWide, iWide, nullptr, 0, nullptr, nullptr);
    if (iLength <= 0)
        return std::string();
    std::string strText(static_cast<size_t>(iLength), '\0');
    WideCharToMultiByte(ARCHIVE_CODE_PAGE, 0, szWide, iWide, strText.data(), iLength, nullptr, nullptr);
    return strText;
}

void JF_DebugMessage(const std::string& strText)
{
    OutputDebugStringA((strText + "\r\n").c_str());
}

bool JF_AskWarning(const char* szCaption, const char* szText)
{
    return s_pfnWarningBox(szCaption, szText);
}

void JF_SetWarningBox(JF_WARNING_BOX pfnWarningBox)
{
    s_pfnWarningBox = pfnWarningBox != nullptr ? pfnWarningBox : ShowWarningBox;
}
