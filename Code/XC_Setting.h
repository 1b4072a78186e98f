#pragma once

#include "TemplateSystem/JC_Register.h"

#include <windows.h>

// The user's settings (display mode, music, sound, game speed), kept as
// DWORD values under one registry key of the current user.
class XC_Setting
{
public:
    XC_Setting();
    virtual ~XC_Setting();
    XC_Setting(const XC_Setting&) = delete;
    XC_Setting& operator=(const XC_Setting&) = delete;

    // Keeps the root and a copy of the subkey name; E_FAIL for a null name.
    HRESULT SetRegisterKey(HKEY hRoot, const char* szSubKey);
    // E_FAIL when the key cannot be opened; every field stays as it was.
    // A value that is missing keeps its field.
    HRESULT Load();
    // Creates the key when needed and writes all twelve values.
    HRESULT Save();

    DWORD m_bSettingIsFullscreen;
    DWORD m_dwSettingwCreationWidth;
    DWORD m_dwSettingwCreationHeight;
    DWORD m_dwSettingAdapterFormat;
    DWORD m_dwSettingRefreshRate;
    DWORD m_dwSettingTextureFormat;
    DWORD m_dwSettingVersion;
    DWORD m_bMusicFlag;
    DWORD m_dwMusicVolume;
    DWORD m_bSoundFlag;
    DWORD m_dwSoundVolume;
    DWORD m_dwGameSpeed;

private:
    struct XS_Value
    {
        const char* szName;
        const char* szWrite;
        DWORD XC_Setting::*pField;
    };
    static const XS_Value s_Values[];

    void CloseKey(HKEY oSubKey) const;

    HKEY m_hRoot = nullptr;
    char* m_szSubKey = nullptr;
    JC_Register m_Register;
};

extern XC_Setting* g_pSetting;
