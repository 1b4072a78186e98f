#include "GameProgram/Common/XC_Register.h"

#include "tests/Support/ScopedRegistryKey.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(XC_Register, CreateWriteAndReadBack)
{
    const ScopedRegistryKey path("XC_Register_Values");
    XC_Register reg;
    EXPECT_EQ(reg.OpenKey(HKEY_CURRENT_USER, path.Path().c_str()), E_FAIL);
    DWORD dwDisposition = 0;
    ASSERT_EQ(reg.CreateKey(HKEY_CURRENT_USER, path.Path().c_str(), &dwDisposition), S_OK);
    EXPECT_EQ(dwDisposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));

    EXPECT_EQ(reg.SetDword("GameSpeed", 150), S_OK);
    EXPECT_EQ(reg.SetString("Name", "許久也一"), S_OK);
    EXPECT_EQ(reg.SetBinary("Box", 1, 0x22, 0x333, 0x80000004), S_OK);
    EXPECT_EQ(reg.SetString("Null", nullptr), E_INVALIDARG);
    EXPECT_EQ(reg.FlushKey(), S_OK);
    EXPECT_EQ(reg.CloseKey(), S_OK);

    ASSERT_EQ(reg.OpenKey(HKEY_CURRENT_USER, path.Path().c_str()), S_OK);
    DWORD dwValue = 0;
    EXPECT_EQ(reg.GetDword("GameSpeed", dwValue), S_OK);
    EXPECT_EQ(dwValue, 150u);
    char szText[16] = {};
    EXPECT_EQ(reg.GetString("Name", szText, sizeof(szText)), S_OK);
    EXPECT_STREQ(szText, "許久也一");
    DWORD adwBox[4] = {};
    EXPECT_EQ(reg.GetBinary("Box", adwBox), S_OK);
    EXPECT_EQ(adwBox[0], 1u);
    EXPECT_EQ(adwBox[1], 0x22u);
    EXPECT_EQ(adwBox[2], 0x333u);
    EXPECT_EQ(adwBox[3], 0x80000004u);

    // Stored little-endian, the four numbers in order.
    BYTE abyRaw[16] = {};
    DWORD dwSize = sizeof(abyRaw);
    DWORD dwType = 0;
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.Path().c_str(), 0, KEY_READ, &hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(hKey, "Box", nullptr, &dwType, abyRaw, &dwSize), ERROR_SUCCESS);
    RegCloseKey(hKey);
    EXPECT_EQ(dwType, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(abyRaw[4], 0x22);
    EXPECT_EQ(abyRaw[15], 0x80);
}

TEST(XC_Register, MissingValuesAndTextsThatDoNotFit)
{
    const ScopedRegistryKey path("XC_Register_Failures");
    XC_Register reg;
    ASSERT_EQ(reg.CreateKey(HKEY_CURRENT_USER, path.Path().c_str(), nullptr), S_OK);
    DWORD dwValue = 77;
    EXPECT_EQ(reg.GetDword("Missing", dwValue), E_FAIL);
    EXPECT_EQ(dwValue, 77u);
    DWORD adwBox[4] = {1, 2, 3, 4};
    EXPECT_EQ(reg.GetBinary("Missing", adwBox), E_FAIL);
    EXPECT_EQ(adwBox[0], 1u);

    ASSERT_EQ(reg.SetString("Name", "abcdef"), S_OK);
    EXPECT_EQ(reg.GetDword("Name", dwValue), E_FAIL);
    EXPECT_EQ(dwValue, 77u);
    char szText[8] = {};
    EXPECT_EQ(reg.GetString("Name", szText, 6), E_FAIL);
    EXPECT_EQ(reg.GetString("Name", szText, 7), S_OK);
    EXPECT_STREQ(szText, "abcdef");
}

// A text stored without its terminator is ended in the caller's buffer, or
// refused when there is no room for the terminator.
TEST(XC_Register, TextsStoredWithoutTerminator)
{
    const ScopedRegistryKey path("XC_Register_Unterminated");
    XC_Register reg;
    ASSERT_EQ(reg.CreateKey(HKEY_CURRENT_USER, path.Path().c_str(), nullptr), S_OK);
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.Path().c_str(), 0, KEY_WRITE, &hKey), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(hKey, "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("abcd"), 4), ERROR_SUCCESS);
    RegCloseKey(hKey);

    char szText[8];
    std::memset(szText, '#', sizeof(szText));
    EXPECT_EQ(reg.GetString("Bare", szText, 5), S_OK);
    EXPECT_STREQ(szText, "abcd");
    EXPECT_EQ(reg.GetString("Bare", szText, 4), E_FAIL);
}

TEST(XC_Register, TheGlobalWrapperHasNoKeyOpen)
{
    ASSERT_NE(g_pRegisterObj, nullptr);
    DWORD dwValue = 77;
    EXPECT_EQ(g_pRegisterObj->GetDword("GameSpeed", dwValue), E_FAIL);
    EXPECT_EQ(dwValue, 77u);
}
