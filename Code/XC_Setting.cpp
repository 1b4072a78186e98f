#include "Code/XC_Setting.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Common/XF_SourceFile.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_Setting s_Setting XM_INIT_ORDER(XE_INIT_SETTING);
XC_Setting* g_pSetting = &s_Setting;

// The values in the order they are read and written, with the text a failed
// write reports.
const XC_Setting::XS_Value XC_Setting::s_Values[] = {
    {"IsFullscreen", "m_Register.RegKeyWriteValue( oSubKey , \"IsFullscreen\" , (DWORD)m_bSettingIsFullscreen )",
     &XC_Setting::m_bSettingIsFullscreen},
    {"CreationWidth",
     "m_Register.RegKeyWriteValue( oSubKey , \"CreationWidth\" , (DWORD)m_dwSettingwCreationWidth )",
     &XC_Setting::m_dwSettingwCreationWidth},
    {"CreationHeight",
     "m_Register.RegKeyWriteValue( oSubKey , \"CreationHeight\" , (DWORD)m_dwSettingwCreationHeight )",
     &XC_Setting::m_dwSettingwCreationHeight},
    {"AdapterFormat", "m_Register.RegKeyWriteValue( oSubKey , \"AdapterFormat\" , (DWORD)m_dwSettingAdapterFormat )",
     &XC_Setting::m_dwSettingAdapterFormat},
    {"RefreshRate", "m_Register.RegKeyWriteValue( oSubKey , \"RefreshRate\" , (DWORD)m_dwSettingRefreshRate )",
     &XC_Setting::m_dwSettingRefreshRate},
    {"TextureFormat", "m_Register.RegKeyWriteValue( oSubKey , \"TextureFormat\" , (DWORD)m_dwSettingTextureFormat )",
     &XC_Setting::m_dwSettingTextureFormat},
    {"Version", "m_Register.RegKeyWriteValue( oSubKey , \"Version\" , (DWORD)m_dwSettingVersion )",
     &XC_Setting::m_dwSettingVersion},
    {"MusicFlag", "m_Register.RegKeyWriteValue( oSubKey , \"MusicFlag\" , (DWORD)m_bMusicFlag )",
     &XC_Setting::m_bMusicFlag},
    {"MusicVolume", "m_Register.RegKeyWriteValue( oSubKey , \"MusicVolume\" , (DWORD)m_dwMusicVolume )",
     &XC_Setting::m_dwMusicVolume},
    {"SoundFlag", "m_Register.RegKeyWriteValue( oSubKey , \"SoundFlag\" , (DWORD)m_bSoundFlag )",
     &XC_Setting::m_bSoundFlag},
    {"SoundVolume", "m_Register.RegKeyWriteValue( oSubKey , \"SoundVolume\" , (DWORD)m_dwSoundVolume )",
     &XC_Setting::m_dwSoundVolume},
    {"GameSpeed", "m_Register.RegKeyWriteValue( oSubKey , \"GameSpeed\" , (DWORD)m_dwGameSpeed )",
     &XC_Setting::m_dwGameSpeed},
};

XC_Setting::XC_Setting()
    : m_bSettingIsFullscreen(1), m_dwSettingwCreationWidth(800), m_dwSettingwCreationHeight(600),
      m_dwSettingAdapterFormat(22), m_dwSettingRefreshRate(70), m_dwSettingTextureFormat(21), m_dwSettingVersion(0),
      m_bMusicFlag(1), m_dwMusicVolume(100), m_bSoundFlag(1), m_dwSoundVolume(100), m_dwGameSpeed(100)
{
}

XC_Setting::~XC_Setting()
{
    delete[] m_szSubKey;
}

HRESULT XC_Setting::SetRegisterKey(HKEY hRoot, const char* szSubKey)
{
    char* szCopy = nullptr;
    if (XF_StrCopy(&szCopy, szSubKey) != S_OK)
        return E_FAIL;
    m_hRoot = hRoot;
    delete[] m_szSubKey;
    m_szSubKey = szCopy;
    return S_OK;
}

HRESULT XC_Setting::Load()
{
    HKEY oSubKey = nullptr;
    if (m_szSubKey == nullptr || m_Register.RegKeyOpenSubKey(m_hRoot, m_szSubKey, oSubKey) != ERROR_SUCCESS)
        return E_FAIL;
    for (const XS_Value& value : s_Values)
        m_Register.RegKeyReadDWordValue(oSubKey, value.szName, this->*value.pField);
    CloseKey(oSubKey);
    return S_OK;
}

HRESULT XC_Setting::Save()
{
    HKEY oSubKey = nullptr;
    DWORD dwDisposition = 0;
    if (m_szSubKey == nullptr ||
        m_Register.RegKeyCreateSubKey(m_hRoot, m_szSubKey, oSubKey, dwDisposition) != ERROR_SUCCESS)
        return E_FAIL;
    for (const XS_Value& value : s_Values) {
        const LONG lResult = m_Register.RegKeyWriteValue(oSubKey, value.szName, this->*value.pField);
        if (lResult != ERROR_SUCCESS)
            XM_REPORT_FAILED_HR(value.szWrite, lResult);
    }
    CloseKey(oSubKey);
    return S_OK;
}

void XC_Setting::CloseKey(HKEY oSubKey) const
{
    const LONG lResult = m_Register.RegKeyCloseSubKey(oSubKey);
    if (lResult != ERROR_SUCCESS)
        XM_REPORT_FAILED_HR("m_Register.RegKeyCloseSubKey( oSubKey )", lResult);
}
