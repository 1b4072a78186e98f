#pragma once

// The modes of gamerules.exe; each takes main's arguments and returns the
// exit code.

// Prints every mode's usage; returns exit code 2.
int Usage();
int RunEvents(int argc, char** argv);
int RunScript(int argc, char** argv);
int RunOrder(int argc, char** argv);
