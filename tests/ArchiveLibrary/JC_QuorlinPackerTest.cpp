#include "ArchiveLibrary/JC_QuorlinPacker.h"
#include "ArchiveLibrary/JF_FolderMaker.h"
#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>

namespace {

const std::uint8_t* Bytes(const std::string& text)
{
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(JC_QuorlinPacker, ThresholdRule)
{
    struct Case { std::uint32_t packed; std::uint32_t plain; std::uint32_t threshold; bool keeps; };
    const Case cases[] = {
        {90, 100, 90, true}, {91, 100, 90, false}, {98, 100, 98, true}, {99, 100, 98, false},
        {989, 1000, 98, true}, {150, 100, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JC_QuorlinPacker::KeepsThreshold(c.packed, c.plain, c.threshold), c.keeps) << c.packed;

    // A block at exactly its ratio stays deflated; one point lower it is raw.
    JC_QuorlinPacker packer;
    const std::string source = TextBytes(3000, 3) + NoiseBytes(3000, 4);
    std::vector<std::uint8_t> out(8000);
    std::uint32_t length = 8000;
    std::uint32_t deflated = 0;
    std::uint32_t ratio = 0;
    ASSERT_EQ(packer.PackInto(Bytes(source), 6000, out.data(), &length, &deflated, 0, &ratio), 0);
    ASSERT_GT(ratio, 1u);
    length = 8000;
    EXPECT_EQ(packer.PackInto(Bytes(source), 6000, out.data(), &length, &deflated, ratio, nullptr), 0);
    EXPECT_EQ(deflated, 1u);
    EXPECT_LT(length, 6000u);
    length = 8000;
    EXPECT_EQ(packer.PackInto(Bytes(source), 6000, out.data(), &length, &deflated, ratio - 1, nullptr), 0);
    EXPECT_EQ(deflated, 0u);
    EXPECT_EQ(length, 8000u);
}

TEST(JC_QuorlinPacker, InBufferCodes)
{
    JC_QuorlinPacker packer;
    const std::string text = TextBytes(4000, 5);
    std::vector<std::uint8_t> out(8000);
    std::uint32_t deflated = 7;
    std::uint32_t length = 10;
    EXPECT_EQ(packer.PackInto(Bytes(text), 4000, out.data(), &length, &deflated, 0, nullptr),
              PACKER_E_PACK_TOO_SMALL);
    EXPECT_EQ(deflated, 0u);
    length = 8000;
    EXPECT_EQ(packer.PackInto(nullptr, 4000, out.data(), &length, &deflated, 0, nullptr), PACKER_E_PACK_SOURCE);
    EXPECT_EQ(packer.PackInto(Bytes(text), 0, out.data(), &length, &deflated, 0, nullptr), PACKER_E_PACK_LENGTH);
    EXPECT_EQ(packer.PackInto(Bytes(text), 4000, nullptr, &length, &deflated, 0, nullptr), PACKER_E_PACK_DEST);
    length = 0;
    EXPECT_EQ(packer.PackInto(Bytes(text), 4000, out.data(), &length, &deflated, 0, nullptr), PACKER_E_PACK_ROOM);

    length = 8000;
    ASSERT_EQ(packer.PackInto(Bytes(text), 4000, out.data(), &length, &deflated, 0, nullptr), 0);
    std::vector<std::uint8_t> plain(4000);
    std::uint32_t room = 100;
    EXPECT_EQ(packer.UnpackInto(out.data(), length, plain.data(), &room), PACKER_E_UNPACK_TOO_SMALL);
    room = 4000;
    EXPECT_EQ(packer.UnpackInto(out.data(), length, plain.data(), &room), 0);
    EXPECT_EQ(room, 4000u);
    EXPECT_EQ(std::string(plain.begin(), plain.end()), text);
    room = 4000;
    EXPECT_EQ(packer.UnpackInto(Bytes(text), 100, plain.data(), &room), PACKER_E_UNPACK_ZLIB);
    // A stream cut short is damaged, with room to spare; the next one still inflates.
    EXPECT_EQ(packer.UnpackInto(out.data(), length / 2, plain.data(), &room), PACKER_E_UNPACK_ZLIB);
    EXPECT_EQ(packer.UnpackInto(out.data(), length, plain.data(), &room), 0);
    EXPECT_EQ(std::string(plain.begin(), plain.end()), text);
    EXPECT_EQ(packer.UnpackInto(nullptr, 1, plain.data(), &room), PACKER_E_UNPACK_SOURCE);
    EXPECT_EQ(packer.UnpackInto(out.data(), 0, plain.data(), &room), PACKER_E_UNPACK_LENGTH);
    EXPECT_EQ(packer.UnpackInto(out.data(), length, nullptr, &room), PACKER_E_UNPACK_DEST);
    room = 0;
    EXPECT_EQ(packer.UnpackInto(out.data(), length, plain.data(), &room), PACKER_E_UNPACK_ROOM);
}

TEST(JC_QuorlinPacker, NewBuffersGrowUntilTheyCannot)
{
    JC_QuorlinPacker packer;
    const std::string noise = NoiseBytes(10000, 6);
    std::uint8_t* pOut = nullptr;
    std::uint32_t length = 10000;
    std::uint32_t deflated = 0;
    // A growth of 0 never makes room for data that does not shrink.
    EXPECT_EQ(packer.PackToNew(Bytes(noise), &pOut, &length, &deflated, 0, 0), PACKER_E_NEW_PACK_NO_ROOM);
    EXPECT_EQ(pOut, nullptr);
    ASSERT_EQ(packer.PackToNew(Bytes(noise), &pOut, &length, &deflated, 0, 1), 0);
    ASSERT_NE(pOut, nullptr);
    EXPECT_EQ(deflated, 1u);
    std::unique_ptr<std::uint8_t[]> packed(pOut);

    // Missing the threshold hands nothing out.
    std::uint8_t* pNone = nullptr;
    std::uint32_t noiseLength = 10000;
    EXPECT_EQ(packer.PackToNew(Bytes(noise), &pNone, &noiseLength, &deflated, 90, 10), 0);
    EXPECT_EQ(pNone, nullptr);
    EXPECT_EQ(deflated, 0u);

    std::uint8_t* pPlain = nullptr;
    std::uint32_t plainLength = length;
    ASSERT_EQ(packer.UnpackToNew(packed.get(), &pPlain, &plainLength, 0, 10), 0);
    std::unique_ptr<std::uint8_t[]> plain(pPlain);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pPlain), plainLength), noise);

    std::uint8_t* pBad = nullptr;
    std::uint32_t badLength = 100;
    EXPECT_EQ(packer.UnpackToNew(Bytes(noise), &pBad, &badLength, 0, 50), PACKER_E_NEW_UNPACK_ZLIB);
    EXPECT_EQ(packer.UnpackToNew(Bytes(noise), &pBad, &badLength, 0, 5), PACKER_E_NEW_UNPACK_GROWTH);
    EXPECT_EQ(packer.PackToNew(Bytes(noise), &pBad, &badLength, &deflated, 0, 101), PACKER_E_NEW_PACK_GROWTH);
}

TEST(JC_QuorlinPacker, PackedFileLayout)
{
    ScopedTempFolder folder;
    JC_QuorlinPacker packer;
    struct Case { std::string source; std::uint32_t blocks; std::uint32_t firstFlag; };
    const Case cases[] = {
        {TextBytes(127, 1), 1, 0},              // small: one raw block whatever it packs to
        {TextBytes(128, 1), 1, 1},
        {NoiseBytes(1048576, 2), 1, 0},         // incompressible: stored raw, 1 MiB
        {TextBytes(2500000, 3), 3, 1},
    };
    for (const Case& c : cases) {
        const std::string source = folder.File("source.bin");
        const std::string packed = folder.File("out\\packed.pak");
        WriteTestFile(source, c.source);
        JS_PackedFileHeader header;
        std::vector<std::uint32_t> sizes;
        std::vector<std::uint32_t> flags;
        ASSERT_EQ(packer.PackFile(source.c_str(), packed.c_str(), &header, &sizes, &flags), 0);
        EXPECT_EQ(header.dwMagic, 0x00010015u);
        EXPECT_EQ(header.dwBlockCount, c.blocks);
        EXPECT_EQ(header.dwPlainSize, c.source.size());
        ASSERT_EQ(flags.size(), c.blocks);
        EXPECT_EQ(flags[0], c.firstFlag);
        const std::string bytes = ReadTestFile(packed);
        EXPECT_EQ(bytes.size(), 16 + header.dwPackedSize + 8 * c.blocks);
        EXPECT_EQ(bytes.substr(16 + header.dwPackedSize, 8), U32(sizes[0]) + U32(flags[0]));
        if (c.firstFlag == 0) {
            EXPECT_EQ(sizes[0], std::min<size_t>(c.source.size(), 1048576));
        }

        const std::string unpacked = folder.File("again\\source.bin");
        ASSERT_EQ(packer.UnpackFile(packed.c_str(), unpacked.c_str()), 0);
        EXPECT_EQ(ReadTestFile(unpacked), c.source);
    }
}

TEST(JC_QuorlinPacker, PackedFileReadersOpenExistingFilesOnly)
{
    ScopedTempFolder folder;
    JC_QuorlinPacker packer;
    const std::string missing = folder.File("missing.bin");
    const std::string out = folder.File("out.bin");
    EXPECT_EQ(packer.PackFile(missing.c_str(), out.c_str(), nullptr, nullptr, nullptr), PACKER_E_PACK_FILE_OPEN);
    EXPECT_EQ(packer.UnpackFile(missing.c_str(), out.c_str()), PACKER_E_UNPACK_FILE_OPEN);
    EXPECT_FALSE(Exists(missing));
    EXPECT_FALSE(Exists(out));

    const std::string empty = folder.File("empty.bin");
    WriteTestFile(empty, "");
    EXPECT_EQ(packer.PackFile(empty.c_str(), out.c_str(), nullptr, nullptr, nullptr), PACKER_E_PACK_FILE_EMPTY);
    EXPECT_FALSE(Exists(out));
}

TEST(JC_QuorlinPacker, DamagedPackedFilesFail)
{
    ScopedTempFolder folder;
    JC_QuorlinPacker packer;
    const std::string source = folder.File("source.bin");
    const std::string packed = folder.File("packed.pak");
    const std::string plain = TextBytes(1200000, 9) + NoiseBytes(300000, 10);
    WriteTestFile(source, plain);
    JS_PackedFileHeader header;
    std::vector<std::uint32_t> sizes;
    std::vector<std::uint32_t> flags;
    ASSERT_EQ(packer.PackFile(source.c_str(), packed.c_str(), &header, &sizes, &flags), 0);
    const std::string good = ReadTestFile(packed);
    const size_t table = 16 + header.dwPackedSize;

    const auto patched = [&](size_t at, const std::string& bytes) {
        return std::string(good).replace(at, bytes.size(), bytes);
    };
    const std::string cases[] = {
        patched(0, U32(0x00010016)),                      // not a packed file
        patched(4, U32(1)),                               // block count against the plain size
        patched(8, U32(5000000)),                         // plain size against the block count
        patched(12, U32(header.dwPackedSize + 1)),        // packed size past the table
        patched(table, U32(1048577)),                     // a stored size over 1 MiB
        patched(table, U32(sizes[0] - 1)),                // stored sizes against the packed size
        patched(table + 8, U32(sizes[1] + 1)) .replace(table, 4, U32(sizes[0] - 1)),  // sums agree, blocks do not
        good.substr(0, 10),
        good.substr(0, good.size() - 1),
        patched(20, "\xFF\xFF\xFF\xFF"),                  // a deflated block that does not inflate
    };
    const std::string out = folder.File("out.bin");
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        WriteTestFile(packed, cases[i]);
        const std::int32_t result = packer.UnpackFile(packed.c_str(), out.c_str());
        EXPECT_LT(result, 0) << i;
        EXPECT_FALSE(Exists(out)) << i;
    }
}

TEST(JC_QuorlinPacker, FolderMaker)
{
    ScopedTempFolder folder;
    // A Big5 folder name whose trail byte is a backslash stays one folder.
    const std::string deep = folder.Path() + "\\a\\\xA5\x5C\\b\\";
    EXPECT_EQ(MakeFolderPath(deep), 0);
    EXPECT_NE(GetFileAttributesA((folder.Path() + "\\a\\\xA5\x5C\\b").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(MakeFolderPath(deep), 0);
    EXPECT_EQ(MakeFolderForFile(folder.Path() + "\\c\\d\\file.txt"), 0);
    EXPECT_NE(GetFileAttributesA((folder.Path() + "\\c\\d").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((folder.Path() + "\\c\\d\\file.txt").c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(MakeFolderPath("relative\\path\\"), FOLDER_E_NO_DRIVE);
    EXPECT_EQ(MakeFolderPath("C:"), FOLDER_E_NO_DRIVE);
    EXPECT_EQ(MakeFolderForFile("file.txt"), FOLDER_E_NO_SEPARATOR);
    // A file in the way of a folder.
    WriteTestFile(folder.File("blocker"), "x");
    EXPECT_EQ(MakeFolderPath(folder.Path() + "\\blocker\\inner\\"), FOLDER_E_CREATE);
}
