#pragma once

#include <windows.h>

// The unattended switch: "-unattended SEED" on the program's command line
// turns every modal box of the program off and seeds rand() with SEED
// instead of the clock, so a scripted play repeats.
class XC_UnattendedRun
{
public:
    // Reads the switch from a command line; true when it is there. A missing
    // or unreadable seed counts as 1.
    static bool Parse(const char* szCommandLine);
    static void Set(bool bUnattended, unsigned int uSeed);
    static bool IsOn();
    // The seed for srand: the switch's, or the current time.
    static unsigned int GetSeed();
    // A Windows message box, or only its text in the debugger's output
    // while the switch is on.
    static int ShowBox(const char* szText, const char* szCaption, UINT uType);

private:
    static bool s_bUnattended;
    static unsigned int s_uSeed;
};
