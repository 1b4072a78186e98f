#include <windows.h>

// The program's entry. The game object that it builds and runs is not part of
// this build yet, so the program ends at once.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
