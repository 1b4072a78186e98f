#include "ArchiveLibrary/JC_Quorlin.h"
#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <zlib.h>

namespace {

const size_t GUARD = 64;

// Opens an archive and reads every file in it into buffers with guard bytes
// behind them. False when anything wrote past a buffer.
bool OpenAndReadAll(const std::string& path, std::int32_t* pOpen, std::int32_t* pWorstRead)
{
    JC_Quorlin quorlin;
    *pOpen = quorlin.ProjectOpen(path.c_str());
    *pWorstRead = 0;
    if (*pOpen != 0)
        return quorlin.GetFirstNode() == nullptr && !quorlin.IsOpen();
    std::vector<JC_QuorlinNode*> files;
    for (JC_QuorlinNode* pNode = quorlin.GetFirstNode(); pNode != nullptr; pNode = pNode->m_pNext)
        pNode->CollectFiles(files);
    for (JC_QuorlinNode* pNode : files) {
        std::vector<std::uint8_t> buffer(pNode->m_dwPlainSize + GUARD, 0xCD);
        std::uint8_t* pBuffer = buffer.data();
        std::uint32_t size = pNode->m_dwPlainSize;
        const std::int32_t result = quorlin.ReadNodeData(pNode, &pBuffer, &size);
        if (result != 0)
            *pWorstRead = result;
        for (size_t i = pNode->m_dwPlainSize; i < buffer.size(); ++i) {
            if (buffer[i] != 0xCD)
                return false;
        }
    }
    return true;
}

std::string Deflated(const std::string& plain)
{
    uLongf length = compressBound(static_cast<uLong>(plain.size()));
    std::string packed(length, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &length, reinterpret_cast<const Bytef*>(plain.data()),
              static_cast<uLong>(plain.size()), 9);
    packed.resize(length);
    return packed;
}

} // namespace

TEST(JC_QuorlinDamage, TruncatedArchivesFailCleanly)
{
    ScopedTempFolder folder;
    const std::string source = folder.File("src");
    CreateDirectoryA(source.c_str(), nullptr);
    WriteTree(source, {{"a\\b\\deep.txt", TextBytes(3000, 1)}, {"a\\mixed.bin", TextBytes(600000, 2) + NoiseBytes(500000, 3)},
                       {"top.txt", TextBytes(70, 4)}});
    const std::string good = folder.File("good.jbf");
    ASSERT_EQ(BuildArchive(source, good), 0);
    const std::string bytes = ReadTestFile(good);
    const std::string cut = folder.File("cut.jbf");

    std::vector<size_t> lengths;
    for (size_t length = 0; length < bytes.size(); length += 9973)
        lengths.push_back(length);
    for (size_t back = 1; back < 400; ++back)
        lengths.push_back(bytes.size() - back);
    for (const size_t length : lengths) {
        WriteTestFile(cut, bytes.substr(0, length));
        std::int32_t open = 0;
        std::int32_t read = 0;
        EXPECT_TRUE(OpenAndReadAll(cut, &open, &read)) << length;
        EXPECT_NE(open, 0) << length;
    }
}

TEST(JC_QuorlinDamage, BadCountsSizesAndOffsetsFail)
{
    const std::string plain = "hello";
    const std::string region = Region(plain, 0);                       // 13 bytes
    const std::string record = FileRecord("x", 5, 1, 5, 0);
    const auto archive = [&](const std::string& table, std::uint32_t files = 1) {
        return region + table + Trailer(0, files, region.size());
    };
    const auto withU32 = [](std::string text, size_t at, std::uint32_t value) {
        return text.replace(at, 4, U32(value));
    };
    // Offsets inside a file record: kind 0, name 4, time 6, plain 7, folder 11,
    // blocks 12, packed 16, stored 20, offset 24, folders 28, files 32, children 36.
    const std::string deflatedSix = Deflated("hello!");
    // A chain of folders, each holding the next.
    const auto nested = [&](int depth) {
        const std::string parent = withU32(FolderRecord("d"), 28, 1).replace(FolderRecord("d").size() - 2, 2, U16(1));
        std::string table;
        for (int i = 0; i < depth; ++i)
            table += U16(1) + parent;
        return table + U16(1) + FolderRecord("d") + Trailer(1, 0, 0);
    };
    // A folder whose child count says 2 while its list holds its one file.
    const std::string folderOfOne = withU32(FolderRecord("f"), 32, 1).replace(FolderRecord("f").size() - 2, 2, U16(2));

    struct Case { const char* what; std::string bytes; bool opens; };
    const Case cases[] = {
        {"too short for a trailer", std::string(95, '\0'), false},
        {"table offset past the end", region + U16(1) + record + Trailer(0, 1, 5000), false},
        {"trailer size", (region + U16(1) + record + Trailer(0, 1, 13)).replace(region.size() + 2 + record.size() + 88, 4, U32(95)), false},
        {"trailer file count", archive(U16(1) + record, 2), false},
        {"trailer folder count", region + U16(1) + record + Trailer(1, 1, 13), false},
        {"huge node count", archive(U16(0xFFFF) + U32(0x7FFFFFFF) + record), false},
        {"node count past the records", archive(U16(2) + record), false},
        {"kind 2", archive(U16(1) + withU32(record, 0, 2)), false},
        {"name longer than the table", archive(U16(1) + std::string(record).replace(4, 1, 1, '\x60')), false},
        {"empty name", archive(U16(1) + FileRecord("", 5, 1, 5, 0)), false},
        {"blocks against the size", archive(U16(1) + withU32(record, 12, 2)), false},
        {"more than 4096 blocks", archive(U16(1) + FileRecord("x", 5, 5000, 5, 0)), false},
        {"stored bytes", archive(U16(1) + withU32(record, 20, 14)), false},
        {"region past the table", archive(U16(1) + withU32(record, 24, 1)), false},
        {"packed bytes over the blocks", archive(U16(1) + FileRecord("x", 5, 1, 600000, 0)), false},
        {"plain size beyond any inflation", archive(U16(1) + FileRecord("x", 5161, 1, 5, 0)), false},
        {"file with children", archive(U16(1) + std::string(record).replace(record.size() - 2, 2, U16(1)) + U16(0)), false},
        {"child count twice unequal", region + U16(1) + folderOfOne + U16(1) + record + Trailer(1, 0, 13), false},
        {"files before folders", region + U16(2) + record + FolderRecord("f") + Trailer(1, 1, 13), false},
        {"nested too deep", nested(300), false},
        {"size table sum", region.substr(0, 5) + U32(6) + U32(0) + U16(1) + record + Trailer(0, 1, 13), true},
        {"raw block shorter than the file", region + U16(1) + FileRecord("x", 6, 1, 5, 0) + Trailer(0, 1, 13), true},
        {"block over 512 KiB", region.substr(0, 5) + U32(600000) + U32(0) + U16(1) + record + Trailer(0, 1, 13), true},
        {"inflates longer than the file", Region(deflatedSix, 1) + U16(1)
                                              + FileRecord("x", 5, 1, static_cast<std::uint32_t>(deflatedSix.size()), 0)
                                              + Trailer(0, 1, deflatedSix.size() + 8), true},
        {"does not inflate", Region("garbage", 1) + U16(1) + FileRecord("x", 5, 1, 7, 0) + Trailer(0, 1, 15), true},
    };
    ScopedTempFolder folder;
    const std::string path = folder.File("bad.jbf");
    for (const Case& c : cases) {
        WriteTestFile(path, c.bytes);
        std::int32_t open = 0;
        std::int32_t read = 0;
        EXPECT_TRUE(OpenAndReadAll(path, &open, &read)) << c.what;
        EXPECT_EQ(open == 0, c.opens) << c.what << ": 0x" << std::hex << open;
        if (c.opens) {
            EXPECT_LT(read, 0) << c.what;
        }
    }
    // The undamaged forms of the same parts read.
    for (const std::string& bytes : {archive(U16(1) + record), nested(200)}) {
        WriteTestFile(path, bytes);
        std::int32_t open = 0;
        std::int32_t read = 0;
        EXPECT_TRUE(OpenAndReadAll(path, &open, &read));
        EXPECT_EQ(open, 0);
        EXPECT_EQ(read, 0);
    }
}

TEST(JC_QuorlinDamage, FolderPathsAreNotFilesWhateverTheirStoredSize)
{
    // A damaged folder record claiming 2 GiB, beside a sound file of 5 bytes.
    const std::string plain = "hello";
    const std::string region = Region(plain, 0);
    const std::string bigFolder = FolderRecord("f").replace(7, 4, U32(0x80000000));
    ScopedTempFolder folder;
    const std::string path = folder.File("folder-size.jbf");
    WriteTestFile(path, region + U16(2) + bigFolder + FileRecord("x", 5, 1, 5, 0) + Trailer(1, 1, region.size()));
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(path.c_str()), 0);

    for (const char* folderPath : {"f\\", "f\\\\", "F\\"}) {
        std::uint8_t* pBuffer = nullptr;
        std::uint32_t size = 77;
        EXPECT_EQ(quorlin.GetFileEx(folderPath, &pBuffer, &size), QUORLIN_E_GETFILEEX_NOT_FOUND) << folderPath;
        EXPECT_EQ(size, 77u) << folderPath;
        EXPECT_EQ(quorlin.GetFile(folderPath, &pBuffer, &size), QUORLIN_E_GETFILE_NOT_FOUND) << folderPath;
        EXPECT_EQ(pBuffer, nullptr) << folderPath;
        EXPECT_EQ(size, 0u) << folderPath;
    }
    std::int32_t result = -1;
    EXPECT_EQ(ReadThrough(quorlin, "x", &result), plain);
    EXPECT_EQ(result, 0);
}
