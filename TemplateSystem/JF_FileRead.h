#pragma once

#include <windows.h>

#include <string>
#include <vector>

// How reading a whole file went; each reader turns it into its own code.
enum class JE_FileRead
{
    Done,
    CannotOpen,
    SizeFailed,
    FourGigabytes, // the size needs more than 32 bits
    AboveMaximum,
    ReadFailed,
    ShortRead,
};

// Reads an existing file, opened for shared reading, into data when it holds
// at most dwMaximum bytes; nothing larger is allocated.
JE_FileRead JF_ReadFile(const std::string& strPath, DWORD dwMaximum, std::vector<BYTE>& data);
