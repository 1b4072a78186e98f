// The Win32 file functions of include/windows.h over POSIX, so the template
// data system's own file code runs unchanged in the native build.

#include <windows.h>

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Paths are written with backslashes by the callers.
std::string PosixPath(const char* szPath)
{
    std::string strPath = szPath;
    for (char& c : strPath) {
        if (c == '\\')
            c = '/';
    }
    return strPath;
}

int FileOf(HANDLE hFile)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(hFile));
}

// The names a pattern matched, handed out one by one.
struct FindState
{
    std::vector<std::string> names;
    std::vector<bool> folders;
    size_t next = 0;
};

void FillFindData(const FindState& state, size_t at, WIN32_FIND_DATAA* pData)
{
    const std::string& strPath = state.names[at];
    const std::string strName = strPath.substr(strPath.find_last_of('/') + 1);
    std::snprintf(pData->cFileName, sizeof(pData->cFileName), "%s", strName.c_str());
    pData->dwFileAttributes = state.folders[at] ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

} // namespace

HANDLE CreateFileA(const char* szPath, DWORD dwAccess, DWORD, void*, DWORD dwDisposition, DWORD, HANDLE)
{
    int iFlags = (dwAccess & GENERIC_WRITE) != 0 ? ((dwAccess & GENERIC_READ) != 0 ? O_RDWR : O_WRONLY) : O_RDONLY;
    if (dwDisposition == CREATE_ALWAYS)
        iFlags |= O_CREAT | O_TRUNC;
    else if (dwDisposition == OPEN_ALWAYS)
        iFlags |= O_CREAT;
    const int iFile = open(PosixPath(szPath).c_str(), iFlags, 0644);
    return iFile < 0 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(iFile));
}

BOOL ReadFile(HANDLE hFile, void* pBuffer, DWORD dwSize, DWORD* pdwRead, void*)
{
    DWORD dwDone = 0;
    while (dwDone < dwSize) {
        const ssize_t count = read(FileOf(hFile), static_cast<char*>(pBuffer) + dwDone, dwSize - dwDone);
        if (count < 0)
            return FALSE;
        if (count == 0)
            break;
        dwDone += static_cast<DWORD>(count);
    }
    *pdwRead = dwDone;
    return TRUE;
}

BOOL WriteFile(HANDLE hFile, const void* pBuffer, DWORD dwSize, DWORD* pdwWritten, void*)
{
    DWORD dwDone = 0;
    while (dwDone < dwSize) {
        const ssize_t count = write(FileOf(hFile), static_cast<const char*>(pBuffer) + dwDone, dwSize - dwDone);
        if (count <= 0)
            return FALSE;
        dwDone += static_cast<DWORD>(count);
    }
    *pdwWritten = dwDone;
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject)
{
    return close(FileOf(hObject)) == 0;
}

BOOL GetFileSizeEx(HANDLE hFile, LARGE_INTEGER* pSize)
{
    struct stat status;
    if (fstat(FileOf(hFile), &status) != 0)
        return FALSE;
    pSize->QuadPart = status.st_size;
    return TRUE;
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistance, LONG*, DWORD dwMethod)
{
    const off_t position = lseek(FileOf(hFile), lDistance, dwMethod == FILE_END ? SEEK_END : SEEK_SET);
    return static_cast<DWORD>(position);
}

BOOL FlushFileBuffers(HANDLE)
{
    // The fuzzing runs need no durable writes.
    return TRUE;
}

BOOL MoveFileExA(const char* szFrom, const char* szTo, DWORD)
{
    return rename(PosixPath(szFrom).c_str(), PosixPath(szTo).c_str()) == 0;
}

BOOL DeleteFileA(const char* szPath)
{
    return unlink(PosixPath(szPath).c_str()) == 0;
}

BOOL SetFileAttributesA(const char* szPath, DWORD)
{
    return access(PosixPath(szPath).c_str(), F_OK) == 0;
}

HANDLE FindFirstFileA(const char* szPattern, WIN32_FIND_DATAA* pData)
{
    glob_t found;
    if (glob(PosixPath(szPattern).c_str(), GLOB_MARK, nullptr, &found) != 0) {
        globfree(&found);
        return INVALID_HANDLE_VALUE;
    }
    auto* pState = new FindState();
    for (size_t i = 0; i < found.gl_pathc; ++i) {
        std::string strPath = found.gl_pathv[i];
        const bool bFolder = !strPath.empty() && strPath.back() == '/';
        if (bFolder)
            strPath.pop_back();
        pState->names.push_back(strPath);
        pState->folders.push_back(bFolder);
    }
    globfree(&found);
    FillFindData(*pState, pState->next++, pData);
    return pState;
}

BOOL FindNextFileA(HANDLE hFind, WIN32_FIND_DATAA* pData)
{
    auto* pState = static_cast<FindState*>(hFind);
    if (pState->next >= pState->names.size())
        return FALSE;
    FillFindData(*pState, pState->next++, pData);
    return TRUE;
}

BOOL FindClose(HANDLE hFind)
{
    delete static_cast<FindState*>(hFind);
    return TRUE;
}

void OutputDebugStringA(const char*)
{
}
