#include "JC_DataManager/Manager/JC_Oskel3Envelope.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

// A header of the method, the key length and key bytes, then the payload.
std::string Enveloped(DWORD dwMethod, DWORD dwKeyLength, const std::string& strKey, const std::string& strPayload)
{
    std::string strFile = "FEFE";
    for (const DWORD dwValue : {DWORD{0x12345678}, dwMethod, dwKeyLength})
        for (int i = 0; i < 4; ++i)
            strFile += static_cast<char>(dwValue >> (8 * i) & 0xFF);
    std::string strKeyBytes = strKey;
    strKeyBytes.resize(12, '\x7F');
    return strFile + strKeyBytes + strPayload;
}

DWORD Decode(const std::string& strFile, std::string& strText)
{
    return JC_Oskel3Envelope::Decode(reinterpret_cast<const BYTE*>(strFile.data()), strFile.size(), strText);
}

} // namespace

TEST(JC_Oskel3Envelope, DecodesEachMethod)
{
    const struct
    {
        const char* szName;
        std::string strFile;
        DWORD dwResult;
        std::string strText;
    } cases[] = {
        {"Method1", Enveloped(1, 0, "", "\x41\x83\x85"), 0, "ABC"},
        {"Method2", Enveloped(2, 0, "", "\x41\x42\x84\x86"), 0, "ABCD"},
        {"Method3", Enveloped(3, 2, "\x01\x02", "\x42\x44\x44"), 0, "ABC"},
        {"KeyLength0UsesOneByte", Enveloped(3, 0, "\x01\x02", "\x42\x43\x44"), 0, "ABC"},
        {"KeyLength12", Enveloped(3, 12, "\x01", "\x42\xC0"), 0, "AA"},
        {"KeyLength13", Enveloped(3, 13, "\x01", "\x42"), JE_ENVELOPE_KEY_LENGTH, ""},
        {"Method4", Enveloped(4, 0, "", "\x41"), JE_ENVELOPE_METHOD, ""},
        {"HeaderOnly", Enveloped(1, 0, "", ""), 0, Enveloped(1, 0, "", "")},
        {"NoMagic", "FEFF" + Enveloped(1, 0, "", "xyz").substr(4), 0, "FEFF" + Enveloped(1, 0, "", "xyz").substr(4)},
        {"Empty", "", 0, ""},
    };
    for (const auto& c : cases) {
        std::string strText = "left over";
        EXPECT_EQ(Decode(c.strFile, strText), c.dwResult) << c.szName;
        EXPECT_EQ(strText, c.strText) << c.szName;
    }
}

TEST(JC_Oskel3Envelope, ReadsAFile)
{
    ScopedTempFolder folder;
    ASSERT_TRUE(WriteTestFile(folder.File("a.DATA"), Enveloped(1, 0, "", "\x41\x83\x85")));
    std::string strText;
    EXPECT_EQ(JC_Oskel3Envelope::Read(folder.File("a.DATA"), strText), 0u);
    EXPECT_EQ(strText, "ABC");
    EXPECT_NE(JC_Oskel3Envelope::Read(folder.File("missing.DATA"), strText), 0u);
}
