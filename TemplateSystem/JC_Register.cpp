#include "TemplateSystem/JC_Register.h"

LONG JC_Register::RegKeyCreateSubKey(HKEY hRoot, const char* szPath, HKEY& hKey, DWORD& dwDisposition) const
{
    return RegCreateKeyExA(hRoot, szPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey,
                           &dwDisposition);
}

LONG JC_Register::RegKeyOpenSubKey(HKEY hRoot, const char* szPath, HKEY& hKey) const
{
    return RegOpenKeyExA(hRoot, szPath, 0, KEY_ALL_ACCESS, &hKey);
}

LONG JC_Register::RegKeyCloseSubKey(HKEY hKey) const
{
    return RegCloseKey(hKey);
}

LONG JC_Register::RegKeyWriteValue(HKEY hKey, const char* szName, DWORD dwValue) const
{
    const BYTE abyValue[4] = {
        static_cast<BYTE>(dwValue), static_cast<BYTE>(dwValue >> 8),
        static_cast<BYTE>(dwValue >> 16), static_cast<BYTE>(dwValue >> 24),
    };
    return RegSetValueExA(hKey, szName, 0, REG_DWORD, abyValue, sizeof(abyValue));
}

LONG JC_Register::RegKeyReadValue(HKEY hKey, const char* szName, BYTE* pBuffer, DWORD& dwSize) const
{
    return RegQueryValueExA(hKey, szName, nullptr, nullptr, pBuffer, &dwSize);
}

LONG JC_Register::RegKeyReadDWordValue(HKEY hKey, const char* szName, DWORD& dwValue) const
{
    // Read into a cleared buffer so that a failed or short read leaves no
    // stray bytes in the caller's value.
    BYTE abyValue[4] = {};
    DWORD dwSize = sizeof(abyValue);
    const LONG lResult = RegQueryValueExA(hKey, szName, nullptr, nullptr, abyValue, &dwSize);
    if (lResult == ERROR_SUCCESS)
        dwValue = abyValue[0] | (abyValue[1] << 8) | (abyValue[2] << 16) | (static_cast<DWORD>(abyValue[3]) << 24);
    return lResult;
}
