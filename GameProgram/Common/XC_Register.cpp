#include "GameProgram/Common/XC_Register.h"

#include "GameProgram/Common/XF_InitOrder.h"

#include <cstring>

namespace {

XC_Register s_Register XM_INIT_ORDER(XE_INIT_REGISTER);

HRESULT Result(LONG lStatus)
{
    return lStatus == ERROR_SUCCESS ? S_OK : E_FAIL;
}

void PutLittleEndian(BYTE* pBytes, DWORD dwValue)
{
    for (int i = 0; i < 4; ++i)
        pBytes[i] = static_cast<BYTE>(dwValue >> (8 * i));
}

DWORD GetLittleEndian(const BYTE* pBytes)
{
    DWORD dwValue = 0;
    for (int i = 3; i >= 0; --i)
        dwValue = (dwValue << 8) | pBytes[i];
    return dwValue;
}

} // namespace

XC_Register* g_pRegisterObj = &s_Register;

XC_Register::~XC_Register()
{
    Adopt(nullptr);
}

HRESULT XC_Register::CreateKey(HKEY hRoot, const char* szPath, DWORD* pdwDisposition)
{
    HKEY hKey = nullptr;
    const LONG lStatus = RegCreateKeyExA(hRoot, szPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                         nullptr, &hKey, pdwDisposition);
    if (lStatus == ERROR_SUCCESS)
        Adopt(hKey);
    return Result(lStatus);
}

HRESULT XC_Register::OpenKey(HKEY hRoot, const char* szPath)
{
    HKEY hKey = nullptr;
    const LONG lStatus = RegOpenKeyExA(hRoot, szPath, 0, KEY_ALL_ACCESS, &hKey);
    if (lStatus == ERROR_SUCCESS)
        Adopt(hKey);
    return Result(lStatus);
}

HRESULT XC_Register::CloseKey()
{
    const LONG lStatus = RegCloseKey(m_hKey);
    if (lStatus == ERROR_SUCCESS)
        m_hKey = nullptr;
    return Result(lStatus);
}

HRESULT XC_Register::FlushKey()
{
    return Result(RegFlushKey(m_hKey));
}

HRESULT XC_Register::SetBinary(const char* szName, DWORD dw0, DWORD dw1, DWORD dw2, DWORD dw3)
{
    BYTE abyValue[16];
    PutLittleEndian(abyValue, dw0);
    PutLittleEndian(abyValue + 4, dw1);
    PutLittleEndian(abyValue + 8, dw2);
    PutLittleEndian(abyValue + 12, dw3);
    return Result(RegSetValueExA(m_hKey, szName, 0, REG_BINARY, abyValue, sizeof(abyValue)));
}

HRESULT XC_Register::SetDword(const char* szName, DWORD dwValue)
{
    BYTE abyValue[4];
    PutLittleEndian(abyValue, dwValue);
    return Result(RegSetValueExA(m_hKey, szName, 0, REG_DWORD, abyValue, sizeof(abyValue)));
}

HRESULT XC_Register::SetString(const char* szName, const char* szText)
{
    if (szText == nullptr)
        return E_INVALIDARG;
    return Result(RegSetValueExA(m_hKey, szName, 0, REG_SZ, reinterpret_cast<const BYTE*>(szText),
                                 static_cast<DWORD>(std::strlen(szText) + 1)));
}

HRESULT XC_Register::GetBinary(const char* szName, DWORD adwValues[4])
{
    BYTE abyValue[16] = {};
    DWORD dwSize = sizeof(abyValue);
    const LONG lStatus = Query(szName, abyValue, dwSize);
    if (lStatus != ERROR_SUCCESS)
        return E_FAIL;
    for (int i = 0; i < 4; ++i)
        adwValues[i] = GetLittleEndian(abyValue + 4 * i);
    return S_OK;
}

HRESULT XC_Register::GetDword(const char* szName, DWORD& dwValue)
{
    BYTE abyValue[4] = {};
    DWORD dwSize = sizeof(abyValue);
    if (Query(szName, abyValue, dwSize) != ERROR_SUCCESS)
        return E_FAIL;
    dwValue = GetLittleEndian(abyValue);
    return S_OK;
}

HRESULT XC_Register::GetString(const char* szName, char* szText, DWORD dwSize)
{
    if (szText == nullptr || dwSize == 0)
        return E_FAIL;
    DWORD dwRead = dwSize;
    if (Query(szName, reinterpret_cast<BYTE*>(szText), dwRead) != ERROR_SUCCESS)
        return E_FAIL;
    // A stored text need not end with its terminator: add it, or refuse a
    // text that leaves no room for it.
    if (dwRead != 0 && szText[dwRead - 1] == '\0')
        return S_OK;
    if (dwRead >= dwSize)
        return E_FAIL;
    szText[dwRead] = '\0';
    return S_OK;
}

void XC_Register::Adopt(HKEY hKey)
{
    if (m_hKey != nullptr)
        RegCloseKey(m_hKey);
    m_hKey = hKey;
}

LONG XC_Register::Query(const char* szName, BYTE* pBuffer, DWORD& dwSize) const
{
    return RegQueryValueExA(m_hKey, szName, nullptr, nullptr, pBuffer, &dwSize);
}
