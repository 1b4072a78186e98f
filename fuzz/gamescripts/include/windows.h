#pragma once

// The template readers' Win32 shim, and the library loading the script
// manager asks for: no library loads here, so scripts come from the folder.

#include_next <windows.h>

// The platform's header brings size_t along.
#include <stddef.h>

typedef void* HMODULE;
typedef void (*FARPROC)();

inline HMODULE LoadLibraryA(const char*)
{
    return nullptr;
}
inline FARPROC GetProcAddress(HMODULE, const char*)
{
    return nullptr;
}
inline BOOL FreeLibrary(HMODULE)
{
    return FALSE;
}
