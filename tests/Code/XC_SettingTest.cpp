#include "Code/XC_Setting.h"

#include "tests/Support/ScopedRegistryKey.h"

#include <gtest/gtest.h>

namespace {

DWORD ReadValue(const std::string& path, const char* szName)
{
    HKEY hKey = nullptr;
    DWORD dwValue = 0xDEADBEEF;
    DWORD dwSize = sizeof(dwValue);
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
        RegQueryValueExA(hKey, szName, nullptr, nullptr, reinterpret_cast<BYTE*>(&dwValue), &dwSize);
        RegCloseKey(hKey);
    }
    return dwValue;
}

} // namespace

TEST(XC_Setting, FirstStartWritesTheDefaults)
{
    const ScopedRegistryKey path("XC_Setting_FirstStart");
    XC_Setting setting;
    ASSERT_EQ(setting.SetRegisterKey(HKEY_CURRENT_USER, path.Path().c_str()), S_OK);
    EXPECT_EQ(setting.Load(), E_FAIL);
    ASSERT_EQ(setting.Save(), S_OK);

    const struct
    {
        const char* szName;
        DWORD dwValue;
    } defaults[] = {{"IsFullscreen", 1},  {"CreationWidth", 800}, {"CreationHeight", 600}, {"AdapterFormat", 22},
                    {"RefreshRate", 70},  {"TextureFormat", 21},  {"Version", 0},          {"MusicFlag", 1},
                    {"MusicVolume", 100}, {"SoundFlag", 1},       {"SoundVolume", 100},    {"GameSpeed", 100}};
    for (const auto& value : defaults)
        EXPECT_EQ(ReadValue(path.Path(), value.szName), value.dwValue) << value.szName;
}

TEST(XC_Setting, OneStoredValueLeavesTheOthersAlone)
{
    const ScopedRegistryKey path("XC_Setting_OneValue");
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                              nullptr),
              ERROR_SUCCESS);
    const DWORD dwSpeed = 50;
    RegSetValueExA(hKey, "GameSpeed", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwSpeed), sizeof(dwSpeed));
    RegCloseKey(hKey);

    XC_Setting setting;
    setting.m_dwSettingRefreshRate = 85;
    ASSERT_EQ(setting.SetRegisterKey(HKEY_CURRENT_USER, path.Path().c_str()), S_OK);
    ASSERT_EQ(setting.Load(), S_OK);
    EXPECT_EQ(setting.m_dwGameSpeed, 50u);
    EXPECT_EQ(setting.m_dwSettingRefreshRate, 85u);
    EXPECT_EQ(setting.m_bSettingIsFullscreen, 1u);
    EXPECT_EQ(setting.m_dwSettingwCreationWidth, 800u);
}

TEST(XC_Setting, ANullSubkeyIsRefused)
{
    XC_Setting setting;
    EXPECT_EQ(setting.SetRegisterKey(HKEY_CURRENT_USER, nullptr), E_FAIL);
    EXPECT_EQ(setting.Load(), E_FAIL);
    EXPECT_EQ(setting.Save(), E_FAIL);
}
