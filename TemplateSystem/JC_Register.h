#pragma once

#include <windows.h>

// A thin layer over the registry functions with the rights and value types
// the game uses: keys are created and opened with full access, values are
// written as 32-bit numbers. Every operation answers the system's status
// (ERROR_SUCCESS is 0).
class JC_Register
{
public:
    virtual ~JC_Register() = default;

    LONG RegKeyCreateSubKey(HKEY hRoot, const char* szPath, HKEY& hKey, DWORD& dwDisposition) const;
    LONG RegKeyOpenSubKey(HKEY hRoot, const char* szPath, HKEY& hKey) const;
    LONG RegKeyCloseSubKey(HKEY hKey) const;
    LONG RegKeyWriteValue(HKEY hKey, const char* szName, DWORD dwValue) const;
    // Reads a value of any type into pBuffer; dwSize gives its room and
    // returns the value's size.
    LONG RegKeyReadValue(HKEY hKey, const char* szName, BYTE* pBuffer, DWORD& dwSize) const;
    // Reads up to 4 bytes of a value of any type; dwValue changes only when
    // the read succeeds. A longer value gives ERROR_MORE_DATA.
    LONG RegKeyReadDWordValue(HKEY hKey, const char* szName, DWORD& dwValue) const;
};
