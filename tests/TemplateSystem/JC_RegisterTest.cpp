#include "TemplateSystem/JC_Register.h"

#include "tests/Support/ScopedRegistryKey.h"

#include <gtest/gtest.h>

namespace {

// A key of the test's path, made with the wrapper; closed when it goes.
class TestKey
{
public:
    explicit TestKey(const ScopedRegistryKey& path)
    {
        DWORD dwDisposition = 0;
        m_lCreated = m_Register.RegKeyCreateSubKey(HKEY_CURRENT_USER, path.Path().c_str(), m_hKey, dwDisposition);
    }
    ~TestKey() { m_Register.RegKeyCloseSubKey(m_hKey); }

    HKEY Key() const { return m_hKey; }
    LONG Created() const { return m_lCreated; }

private:
    JC_Register m_Register;
    HKEY m_hKey = nullptr;
    LONG m_lCreated = 0;
};

} // namespace

TEST(JC_Register, CreateOpenAndClose)
{
    const ScopedRegistryKey path("JC_Register_Create");
    const JC_Register reg;
    HKEY hKey = nullptr;
    EXPECT_EQ(reg.RegKeyOpenSubKey(HKEY_CURRENT_USER, path.Path().c_str(), hKey), ERROR_FILE_NOT_FOUND);

    DWORD dwDisposition = 0;
    ASSERT_EQ(reg.RegKeyCreateSubKey(HKEY_CURRENT_USER, path.Path().c_str(), hKey, dwDisposition), ERROR_SUCCESS);
    EXPECT_EQ(dwDisposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_EQ(reg.RegKeyCloseSubKey(hKey), ERROR_SUCCESS);

    ASSERT_EQ(reg.RegKeyCreateSubKey(HKEY_CURRENT_USER, path.Path().c_str(), hKey, dwDisposition), ERROR_SUCCESS);
    EXPECT_EQ(dwDisposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(reg.RegKeyCloseSubKey(hKey), ERROR_SUCCESS);

    ASSERT_EQ(reg.RegKeyOpenSubKey(HKEY_CURRENT_USER, path.Path().c_str(), hKey), ERROR_SUCCESS);
    EXPECT_EQ(reg.RegKeyCloseSubKey(hKey), ERROR_SUCCESS);
}

TEST(JC_Register, WriteAndReadBackNumbers)
{
    const ScopedRegistryKey path("JC_Register_Numbers");
    const TestKey key(path);
    ASSERT_EQ(key.Created(), ERROR_SUCCESS);
    const JC_Register reg;
    EXPECT_EQ(reg.RegKeyWriteValue(key.Key(), "MusicVolume", 0x12345678), ERROR_SUCCESS);

    DWORD dwType = 0;
    DWORD dwSize = 0;
    ASSERT_EQ(RegQueryValueExA(key.Key(), "MusicVolume", nullptr, &dwType, nullptr, &dwSize), ERROR_SUCCESS);
    EXPECT_EQ(dwType, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dwSize, 4u);

    DWORD dwValue = 0;
    EXPECT_EQ(reg.RegKeyReadDWordValue(key.Key(), "MusicVolume", dwValue), ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 0x12345678u);

    BYTE abyBuffer[8] = {};
    dwSize = sizeof(abyBuffer);
    EXPECT_EQ(reg.RegKeyReadValue(key.Key(), "MusicVolume", abyBuffer, dwSize), ERROR_SUCCESS);
    EXPECT_EQ(dwSize, 4u);
    EXPECT_EQ(abyBuffer[0], 0x78);
    EXPECT_EQ(abyBuffer[3], 0x12);

    dwValue = 77;
    EXPECT_EQ(reg.RegKeyReadDWordValue(key.Key(), "Missing", dwValue), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(dwValue, 77u);
}

TEST(JC_Register, ValuesOfOtherSizes)
{
    const ScopedRegistryKey path("JC_Register_Sizes");
    const TestKey key(path);
    ASSERT_EQ(key.Created(), ERROR_SUCCESS);
    const char szPath[] = "C:\\Game\\Oskel3";
    ASSERT_EQ(RegSetValueExA(key.Key(), "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(szPath), sizeof(szPath)),
              ERROR_SUCCESS);
    const BYTE abyShort[2] = {0x34, 0x12};
    ASSERT_EQ(RegSetValueExA(key.Key(), "Short", 0, REG_BINARY, abyShort, sizeof(abyShort)), ERROR_SUCCESS);

    const JC_Register reg;
    DWORD dwValue = 77;
    EXPECT_EQ(reg.RegKeyReadDWordValue(key.Key(), "Path", dwValue), ERROR_MORE_DATA);
    EXPECT_EQ(dwValue, 77u);
    // The type is not compared: two bytes read as a number.
    EXPECT_EQ(reg.RegKeyReadDWordValue(key.Key(), "Short", dwValue), ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 0x1234u);

    char szBuffer[32] = {};
    DWORD dwSize = 4;
    EXPECT_EQ(reg.RegKeyReadValue(key.Key(), "Path", reinterpret_cast<BYTE*>(szBuffer), dwSize), ERROR_MORE_DATA);
    EXPECT_EQ(dwSize, sizeof(szPath));
    dwSize = sizeof(szBuffer);
    EXPECT_EQ(reg.RegKeyReadValue(key.Key(), "Path", reinterpret_cast<BYTE*>(szBuffer), dwSize), ERROR_SUCCESS);
    EXPECT_STREQ(szBuffer, szPath);
}
