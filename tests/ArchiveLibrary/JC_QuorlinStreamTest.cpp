#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JC_QuorlinStream.h"
#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The bytes a storing stream writes.
std::string Stored(const std::function<void(JC_QuorlinStream&)>& store)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("stream.bin");
    JC_QuorlinFile file;
    EXPECT_TRUE(file.Open(path, JC_QuorlinFile::MODE_CREATE));
    JC_QuorlinStream stream(file);
    store(stream);
    EXPECT_TRUE(stream.Flush());
    file.Close();
    return ReadTestFile(path);
}

// Reads bytes with a loading stream over all of them; false when it failed.
bool Loaded(const std::string& bytes, const std::function<void(JC_QuorlinStream&)>& load)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("stream.bin");
    WriteTestFile(path, bytes);
    JC_QuorlinFile file;
    EXPECT_TRUE(file.Open(path, JC_QuorlinFile::MODE_READ));
    JC_QuorlinStream stream(file, bytes.size());
    load(stream);
    return !stream.IsFailed();
}

} // namespace

TEST(JC_QuorlinStream, CountsTakeTwoOrSixBytes)
{
    struct Case { std::uint32_t count; std::string bytes; };
    const Case cases[] = {
        {0, U16(0)},
        {0xFFFE, U16(0xFFFE)},
        {0xFFFF, U16(0xFFFF) + U32(0xFFFF)},
        {70000, U16(0xFFFF) + U32(70000)},
    };
    for (const Case& c : cases) {
        std::uint32_t count = c.count;
        EXPECT_EQ(Stored([&](JC_QuorlinStream& s) { s.SerializeCount(count); }), c.bytes) << c.count;
        std::uint32_t read = 0;
        EXPECT_TRUE(Loaded(c.bytes, [&](JC_QuorlinStream& s) { s.SerializeCount(read); }));
        EXPECT_EQ(read, c.count);
    }
}

TEST(JC_QuorlinStream, StringPrefixesByLength)
{
    struct Case { size_t length; std::string prefix; };
    const Case cases[] = {
        {0, "\x00"},
        {254, "\xFE"},
        {255, std::string("\xFF") + U16(255)},
        {0xFFFD, std::string("\xFF") + U16(0xFFFD)},
        // 0xFFFE would read as the mark of wide text.
        {0xFFFE, std::string("\xFF") + U16(0xFFFF) + U32(0xFFFE)},
    };
    for (const Case& c : cases) {
        std::string text = TextBytes(c.length, 7);
        const std::string prefix = c.length == 0 ? std::string(1, '\0') : c.prefix;
        EXPECT_EQ(Stored([&](JC_QuorlinStream& s) { s.SerializeString(text); }), prefix + text) << c.length;
        std::string read = "old";
        EXPECT_TRUE(Loaded(prefix + text, [&](JC_QuorlinStream& s) { s.SerializeString(read); }));
        EXPECT_EQ(read, text);
    }
}

TEST(JC_QuorlinStream, ReaderAcceptsLongAndWideForms)
{
    struct Case { std::string bytes; std::string text; };
    const Case cases[] = {
        {std::string("\xFF") + U16(0xFFFF) + U32(0xFFFFFFFF) + U64(3) + "abc", "abc"},
        {std::string("\xFF") + U16(0xFFFE) + "\x02" + U16('A') + U16('b'), "Ab"},
        // U+8A31 is a Big5 character whose trail byte is a backslash.
        {std::string("\xFF") + U16(0xFFFE) + "\x01" + U16(0x8A31), "\xB3\x5C"},
        {std::string("\xFF") + U16(0xFFFE) + std::string("\xFF") + U16(2) + U16('x') + U16('y'), "xy"},
        {std::string("\xFF") + U16(0xFFFE) + std::string(1, '\0'), ""},
    };
    for (const Case& c : cases) {
        std::string read = "old";
        EXPECT_TRUE(Loaded(c.bytes, [&](JC_QuorlinStream& s) { s.SerializeString(read); }));
        EXPECT_EQ(read, c.text);
    }
}

TEST(JC_QuorlinStream, BadLengthsAndShortDataFail)
{
    const std::string cases[] = {
        "\x05" "abc",                                               // longer than the bytes left
        std::string("\xFF") + U16(300) + "abc",
        std::string("\xFF") + U16(0xFFFF) + U32(0xFFFFFFFF) + U64(0x80000000ull) + "abc",  // beyond 0x7FFFFFFF
        std::string("\xFF") + U16(0xFFFF) + U32(0xFFFFFFFF) + U64(~0ull),
        std::string("\xFF") + U16(0xFFFE) + "\x03" + U16('a'),  // three units, one there
        "\xFF\x01",                                             // the prefix itself cut short
    };
    for (const std::string& bytes : cases) {
        std::string read = "old";
        std::uint32_t after = 7;
        EXPECT_FALSE(Loaded(bytes, [&](JC_QuorlinStream& s) {
            s.SerializeString(read);
            s.SerializeU32(after);
        }));
        EXPECT_TRUE(read.empty());
        EXPECT_EQ(after, 0u);
    }
    std::uint32_t count = 0;
    EXPECT_FALSE(Loaded(U16(0xFFFF) + "\x01\x02", [&](JC_QuorlinStream& s) { s.SerializeCount(count); }));
}

TEST(JC_QuorlinStream, LoadingStopsAtItsEnd)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("stream.bin");
    WriteTestFile(path, U32(1) + U32(2) + U32(3));
    JC_QuorlinFile file;
    ASSERT_TRUE(file.Open(path, JC_QuorlinFile::MODE_READ));
    ASSERT_TRUE(file.Seek(4));
    // The stream may read the second value only, not the trailer behind it.
    JC_QuorlinStream stream(file, 8);
    std::uint32_t value = 0;
    stream.SerializeU32(value);
    EXPECT_EQ(value, 2u);
    EXPECT_EQ(stream.GetBytesLeft(), 0u);
    stream.SerializeU32(value);
    EXPECT_TRUE(stream.IsFailed());
}
