#include <windows.h>

// The library keeps no per-process or per-thread state of its own.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
