#include "TemplateSystem/JC_LineReader.h"
#include "TemplateSystem/JC_TextCodec.h"

#include "tests/Support/ScopedTempFolder.h"
#include "tests/TemplateSystem/CodeEncoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

const BYTE* Data(const Bytes& bytes)
{
    return reinterpret_cast<const BYTE*>(bytes.data());
}

// Decodes a whole buffer the way readers do: the size first, then the text.
DWORD DecodeAll(const Bytes& file, Bytes& text)
{
    JS_CodeHeader header;
    DWORD dwLength = 0;
    const DWORD dwQuery = JC_TextCodec::Decode(header, Data(file), static_cast<DWORD>(file.size()), nullptr, dwLength);
    if (dwQuery != JE_CODEC_NEED_BUFFER)
        return dwQuery;
    std::vector<BYTE> buffer(dwLength);
    const DWORD dwResult = JC_TextCodec::Decode(header, Data(file), static_cast<DWORD>(file.size()),
                                                buffer.data(), dwLength);
    text.assign(buffer.begin(), buffer.begin() + dwLength);
    return dwResult;
}

Bytes ManyBytes()
{
    Bytes text = "//[File]\r\n#define DF_A_B 1 //@Combo \"許久也一\"\n";
    for (int i = 0; i < 600; ++i)
        text += static_cast<char>((i * 37 + 11) & 0xFF);
    return text;
}

} // namespace

TEST(JC_TextCodec, EveryMethodRoundTripsTextsOfEveryLength)
{
    const Bytes texts[] = {"A", "許", "ab\n", "a\r\nb", ManyBytes()};
    for (BYTE byMethod = 1; byMethod <= 6; ++byMethod) {
        for (const Bytes& text : texts) {
            Bytes decoded;
            EXPECT_EQ(DecodeAll(Encode(text, byMethod), decoded), 0u)
                << "method " << int(byMethod) << ", " << text.size() << " bytes";
            EXPECT_EQ(decoded, text) << "method " << int(byMethod) << ", " << text.size() << " bytes";
        }
    }
}

TEST(JC_TextCodec, ReadAndDecodeRestoresScrambledAndPlainFiles)
{
    ScopedTempFolder folder;
    const Bytes text = ManyBytes();
    for (BYTE byMethod = 1; byMethod <= 6; ++byMethod) {
        const std::string strPath = folder.File("coded" + std::to_string(byMethod) + ".txt");
        ASSERT_TRUE(WriteTestFile(strPath, Encode(text, byMethod)));
        JS_CodeHeader header;
        DWORD dwLength = 0;
        EXPECT_EQ(JC_TextCodec::ReadAndDecode(header, strPath, nullptr, dwLength), JE_CODEC_NEED_BUFFER);
        ASSERT_EQ(dwLength, text.size());
        std::vector<BYTE> buffer(dwLength);
        EXPECT_EQ(JC_TextCodec::ReadAndDecode(header, strPath, buffer.data(), dwLength), 0u);
        EXPECT_EQ(Bytes(buffer.begin(), buffer.end()), text) << "method " << int(byMethod);
    }
    const std::string strPlain = folder.File("plain.txt");
    ASSERT_TRUE(WriteTestFile(strPlain, text));
    JS_CodeHeader header;
    std::vector<BYTE> buffer(text.size());
    DWORD dwLength = static_cast<DWORD>(buffer.size());
    EXPECT_EQ(JC_TextCodec::ReadAndDecode(header, strPlain, buffer.data(), dwLength), 0u);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.end()), text);
}

// Buffers of 24 bytes or less are plain text, even when they begin like a
// header; the 25th byte makes the header count.
TEST(JC_TextCodec, TheTwentyFourByteBoundary)
{
    const Bytes oneByte = Encode("x", 1);
    ASSERT_EQ(oneByte.size(), 25u);
    const Bytes plainCases[] = {
        "CODE" + Bytes(20, 'a'),
        oneByte.substr(0, 24),
        oneByte.substr(0, 20),
        "a",
    };
    for (const Bytes& file : plainCases) {
        Bytes decoded;
        EXPECT_EQ(DecodeAll(file, decoded), 0u);
        EXPECT_EQ(decoded, file);
    }
    Bytes decoded;
    EXPECT_EQ(DecodeAll(oneByte, decoded), 0u);
    EXPECT_EQ(decoded, "x");

    ScopedTempFolder folder;
    ASSERT_TRUE(WriteTestFile(folder.File("24.txt"), plainCases[0]));
    JS_CodeHeader header;
    BYTE abyOut[24];
    DWORD dwLength = sizeof(abyOut);
    EXPECT_EQ(JC_TextCodec::ReadAndDecode(header, folder.File("24.txt"), abyOut, dwLength), 0u);
    EXPECT_EQ(Bytes(abyOut, abyOut + dwLength), plainCases[0]);
}

TEST(JC_TextCodec, SizeQueryWithExactAndShortCapacity)
{
    const Bytes text = "abcdef";
    const Bytes files[] = {Encode(text, 3), text};
    for (const Bytes& file : files) {
        const DWORD dwSize = static_cast<DWORD>(file.size());
        JS_CodeHeader header;
        BYTE abyOut[64];
        std::memset(abyOut, '#', sizeof(abyOut));

        DWORD dwLength = 0;
        EXPECT_EQ(JC_TextCodec::Decode(header, Data(file), dwSize, nullptr, dwLength), JE_CODEC_NEED_BUFFER);
        EXPECT_EQ(dwLength, text.size());

        dwLength = 0;
        EXPECT_EQ(JC_TextCodec::Decode(header, Data(file), dwSize, abyOut, dwLength), JE_CODEC_NEED_BUFFER);
        EXPECT_EQ(dwLength, text.size());

        dwLength = static_cast<DWORD>(text.size() - 1);
        EXPECT_EQ(JC_TextCodec::Decode(header, Data(file), dwSize, abyOut, dwLength), JE_CODEC_NEED_BUFFER);
        EXPECT_EQ(dwLength, text.size());
        EXPECT_EQ(abyOut[0], '#') << "nothing may be written into a buffer that is too small";

        dwLength = static_cast<DWORD>(text.size());
        EXPECT_EQ(JC_TextCodec::Decode(header, Data(file), dwSize, abyOut, dwLength), 0u);
        EXPECT_EQ(Bytes(abyOut, abyOut + dwLength), text);
        EXPECT_EQ(abyOut[text.size()], '#');
    }
}

TEST(JC_TextCodec, FailureCodes)
{
    JS_CodeHeader header;
    BYTE abyOut[64];
    DWORD dwLength = sizeof(abyOut);
    bool bHasHeader = true;
    EXPECT_EQ(JC_TextCodec::ReadHeader(nullptr, 30, bHasHeader, header), JE_CODEC_HEADER_NULL_DATA);
    EXPECT_FALSE(bHasHeader);
    EXPECT_EQ(JC_TextCodec::ReadHeader(abyOut, 0, bHasHeader, header), JE_CODEC_HEADER_EMPTY);
    EXPECT_EQ(JC_TextCodec::Decode(header, nullptr, 30, abyOut, dwLength), JE_CODEC_NULL_DATA);
    EXPECT_EQ(JC_TextCodec::Decode(header, abyOut, 0, abyOut, dwLength), JE_CODEC_EMPTY);

    const BYTE abyBadMethods[] = {0, 7, 255};
    for (const BYTE byMethod : abyBadMethods) {
        const Bytes file = Encode("text", byMethod);
        dwLength = sizeof(abyOut);
        EXPECT_EQ(JC_TextCodec::Decode(header, Data(file), static_cast<DWORD>(file.size()), abyOut, dwLength),
                  JE_CODEC_BAD_METHOD)
            << int(byMethod);
    }

    Bytes broken = Encode("text", 6);
    broken.back() = static_cast<char>(broken.back() + 1);
    Bytes decoded;
    EXPECT_EQ(DecodeAll(broken, decoded), JE_CODEC_CHECK_FAILED);

    dwLength = sizeof(abyOut);
    EXPECT_EQ(JC_TextCodec::ReadAndDecode(header, "Z:\\no\\such\\file.txt", abyOut, dwLength), JE_CODEC_CANNOT_OPEN);
}

TEST(JC_TextCodec, MakeHeaderDrawsFromRand)
{
    std::srand(7);
    JS_CodeHeader first;
    JC_TextCodec::MakeHeader(first);
    std::srand(7);
    JS_CodeHeader second;
    JC_TextCodec::MakeHeader(second);
    EXPECT_EQ(Bytes(first.abyBytes, first.abyBytes + 24), Bytes(second.abyBytes, second.abyBytes + 24));

    EXPECT_EQ(Bytes(first.abyBytes, first.abyBytes + 5), Bytes("CODE\0", 5));
    int iSum = 0;
    for (int i = 0; i < 10; ++i)
        EXPECT_NE(first.abyBytes[5 + i], 0) << "key byte " << i;
    for (int i = 19; i < 24; ++i) {
        EXPECT_NE(first.abyBytes[i], 0) << "check byte " << i;
        iSum += first.abyBytes[i];
    }
    EXPECT_NE(iSum % 256, 0);
}

// A scrambled text keeps its line ends, so the line reader sees every form:
// CR, LF, CR LF and LF CR each end one line.
TEST(JC_TextCodec, DecodedTextKeepsEveryLineEnd)
{
    const Bytes text = "a\rb\nc\r\nd\n\re\r\rf";
    const char* const aszLines[] = {"a", "b", "c", "d", "e", "", "f"};
    for (BYTE byMethod = 1; byMethod <= 6; ++byMethod) {
        Bytes decoded;
        ASSERT_EQ(DecodeAll(Encode(text, byMethod), decoded), 0u);
        DWORD dwPosition = 0;
        for (const char* szExpected : aszLines) {
            char szLine[16];
            DWORD dwLength = sizeof(szLine);
            ASSERT_EQ(JC_LineReader::GetNextLine(decoded.data(), static_cast<DWORD>(decoded.size()), dwPosition,
                                                 szLine, dwLength), 0u);
            EXPECT_STREQ(szLine, szExpected) << "method " << int(byMethod);
        }
        char szLine[16];
        DWORD dwLength = sizeof(szLine);
        EXPECT_EQ(JC_LineReader::GetNextLine(decoded.data(), static_cast<DWORD>(decoded.size()), dwPosition,
                                             szLine, dwLength), 0u);
        EXPECT_EQ(dwPosition, JC_LineReader::NO_MORE_LINES);
    }
}
