#pragma once

#include <windows.h>

// One open key of the registry with typed value access: texts, 32-bit numbers
// and 16-byte binary values. Every operation answers 0 when the registry call
// succeeds and E_FAIL otherwise; the getters do not check the stored type.
class XC_Register
{
public:
    XC_Register() = default;
    // Closes the open key.
    virtual ~XC_Register();
    XC_Register(const XC_Register&) = delete;
    XC_Register& operator=(const XC_Register&) = delete;

    // Creates or opens root\path with full access as the open key; a key
    // open before is closed. pdwDisposition, when given, tells which.
    virtual HRESULT CreateKey(HKEY hRoot, const char* szPath, DWORD* pdwDisposition);
    virtual HRESULT OpenKey(HKEY hRoot, const char* szPath);
    // On failure the key stays open.
    virtual HRESULT CloseKey();
    virtual HRESULT FlushKey();
    // A REG_BINARY value of the four numbers in order, little-endian.
    virtual HRESULT SetBinary(const char* szName, DWORD dw0, DWORD dw1, DWORD dw2, DWORD dw3);
    virtual HRESULT SetDword(const char* szName, DWORD dwValue);
    // A REG_SZ value with its terminator; a null text gives E_INVALIDARG.
    virtual HRESULT SetString(const char* szName, const char* szText);
    // The 16 bytes of a value as four numbers; they change only on success.
    virtual HRESULT GetBinary(const char* szName, DWORD adwValues[4]);
    // Up to 4 bytes of a value; dwValue changes only on success.
    virtual HRESULT GetDword(const char* szName, DWORD& dwValue);
    // A text that fits szText with its terminator; one too long gives E_FAIL.
    virtual HRESULT GetString(const char* szName, char* szText, DWORD dwSize);

private:
    // Keeps hKey as the open key, closing the one open before.
    void Adopt(HKEY hKey);
    // Reads a value of up to dwSize bytes; the size read comes back in dwSize.
    LONG Query(const char* szName, BYTE* pBuffer, DWORD& dwSize) const;

    HKEY m_hKey = nullptr;
};

extern XC_Register* g_pRegisterObj;
