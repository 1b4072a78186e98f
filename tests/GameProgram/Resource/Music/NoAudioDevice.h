#pragma once

// Runs the current test again in a copy of this test program for which Wine
// loads none of its audio drivers (a per-program DLL override), as on a
// machine without a sound device. True when the copy ran the test and it
// passed; the copy's output goes to this program's output.
bool RunCurrentTestWithoutAudioDevice();
// True inside such a copy.
bool IsWithoutAudioDevice();
