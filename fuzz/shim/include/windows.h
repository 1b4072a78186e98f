#pragma once

// The part of the Win32 interface the template data system uses, for its
// native build on Linux (the fuzzing targets). The types and constants are
// the platform's; the file functions are implemented over POSIX in
// PosixWin32.cpp.

#include <cstdint>

typedef std::uint8_t BYTE;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef int BOOL;
typedef std::int32_t HRESULT;
typedef std::uint64_t ULONGLONG;
typedef std::int64_t LONGLONG;
typedef std::uintptr_t DWORD_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef void* HANDLE;

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define MAXDWORD 0xffffffffu
#define S_OK ((HRESULT)0)
#define E_FAIL ((HRESULT)0x80004005L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define INVALID_HANDLE_VALUE ((HANDLE)(std::intptr_t)-1)

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001u
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define FILE_ATTRIBUTE_READONLY 0x00000001u
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u
#define FILE_END 2
#define MOVEFILE_REPLACE_EXISTING 0x00000001u
#define MOVEFILE_WRITE_THROUGH 0x00000008u

typedef union _LARGE_INTEGER
{
    LONGLONG QuadPart;
} LARGE_INTEGER;

typedef struct _WIN32_FIND_DATAA
{
    DWORD dwFileAttributes;
    char cFileName[MAX_PATH];
} WIN32_FIND_DATAA;

HANDLE CreateFileA(const char* szPath, DWORD dwAccess, DWORD dwShareMode, void* pSecurity, DWORD dwDisposition,
                   DWORD dwAttributes, HANDLE hTemplate);
BOOL ReadFile(HANDLE hFile, void* pBuffer, DWORD dwSize, DWORD* pdwRead, void* pOverlapped);
BOOL WriteFile(HANDLE hFile, const void* pBuffer, DWORD dwSize, DWORD* pdwWritten, void* pOverlapped);
BOOL CloseHandle(HANDLE hObject);
BOOL GetFileSizeEx(HANDLE hFile, LARGE_INTEGER* pSize);
DWORD SetFilePointer(HANDLE hFile, LONG lDistance, LONG* plDistanceHigh, DWORD dwMethod);
BOOL FlushFileBuffers(HANDLE hFile);
BOOL MoveFileExA(const char* szFrom, const char* szTo, DWORD dwFlags);
BOOL DeleteFileA(const char* szPath);
BOOL SetFileAttributesA(const char* szPath, DWORD dwAttributes);
HANDLE FindFirstFileA(const char* szPattern, WIN32_FIND_DATAA* pData);
BOOL FindNextFileA(HANDLE hFind, WIN32_FIND_DATAA* pData);
BOOL FindClose(HANDLE hFind);
void OutputDebugStringA(const char* szText);
