#pragma once

#include <oaidl.h>
#include <windows.h>

// The installed DirectX version as the diagnostics provider reports it:
// ((major * 256) + minor) * 256, plus 1 for the letter a, 2 for b and so on.
class XC_DirectXVersion
{
public:
    // 9.0c: the oldest version the game runs on.
    static constexpr DWORD DX_VERSION_REQUIRED = 0x00090003;

    // Asks the DirectX diagnostics provider; 0 when any answer is missing.
    static DWORD Query();
    // The version from the provider's three answers; 0 unless the major and
    // minor numbers are VT_UI4 and the letter a non-empty VT_BSTR. Only a
    // lower-case letter adds to the number.
    static DWORD Compose(const VARIANT& varMajor, const VARIANT& varMinor, const VARIANT& varLetter);
};
