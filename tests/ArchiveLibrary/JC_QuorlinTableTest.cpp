#include "ArchiveLibrary/JC_Quorlin.h"
#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JC_QuorlinStream.h"
#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <zlib.h>

#include <cstdio>

namespace {

JC_QuorlinNode* NewFolder(const std::string& name)
{
    JC_QuorlinNode* pNode = new JC_QuorlinNode;
    pNode->m_strName = name;
    pNode->m_dwKind = JC_QuorlinNode::KIND_FOLDER;
    return pNode;
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

TEST(JC_QuorlinTable, EmptyTreeIsOneCountAndTheTrailer)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("empty.jbf");
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.BuildFromFolder(path.c_str(), nullptr), 0);
    EXPECT_EQ(ReadTestFile(path), U16(0) + Trailer(0, 0, 0));

    JC_Quorlin reader;
    EXPECT_EQ(reader.ProjectOpen(path.c_str()), 0);
    EXPECT_EQ(reader.GetFirstNode(), nullptr);
}

TEST(JC_QuorlinTable, NamesOf254And255BytesAndTheRecordLayout)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("names.jbf");
    const std::string name254(254, 'a');
    const std::string name255(255, 'b');
    JC_Quorlin quorlin;
    quorlin.InsertChildNode(nullptr, NewFolder(name254));
    quorlin.InsertChildNode(nullptr, NewFolder(name255));
    ASSERT_EQ(quorlin.BuildFromFolder(path.c_str(), nullptr), 0);

    // FolderRecord writes one-byte prefixes only: the long one goes in by hand.
    const std::string record255 = FolderRecord(std::string(1, 'x')).replace(4, 2, std::string("\xFF") + U16(255) + name255);
    const std::string table = U16(2) + FolderRecord(name254) + record255;
    EXPECT_EQ(ReadTestFile(path), table + Trailer(2, 0, 0));

    JC_Quorlin reader;
    ASSERT_EQ(reader.ProjectOpen(path.c_str()), 0);
    EXPECT_NE(reader.FindChildNode(nullptr, name254, JC_QuorlinNode::KIND_FOLDER), nullptr);
    EXPECT_NE(reader.FindChildNode(nullptr, name255, JC_QuorlinNode::KIND_FOLDER), nullptr);
}

TEST(JC_QuorlinTable, ListOf65535NodesTakesTheLongCount)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("many.jbf");
    std::string table = U16(0xFFFF) + U32(65535);
    char name[16];
    for (int i = 0; i < 65535; ++i) {
        std::snprintf(name, sizeof(name), "n%05d", i);
        table += FolderRecord(name);
    }
    WriteTestFile(path, table + Trailer(65535, 0, 0));

    JC_Quorlin reader;
    ASSERT_EQ(reader.ProjectOpen(path.c_str()), 0);
    EXPECT_EQ(reader.GetTopCount(), 65535u);
    EXPECT_NE(reader.FindNodeByPath("N65534\\"), nullptr);
    EXPECT_NE(reader.FindNodeByPath("n00000\\"), nullptr);

    // Written back, the list keeps its long count.
    const std::string copy = folder.File("copy.jbf");
    ASSERT_EQ(reader.BuildFromFolder(copy.c_str(), nullptr), 0);
    EXPECT_EQ(ReadTestFile(copy).substr(0, 6), U16(0xFFFF) + U32(65535));
}

TEST(JC_QuorlinTable, BlocksOfExactlyAndJustOverHalfAMebibyte)
{
    ScopedTempFolder folder;
    const std::string source = folder.File("src");
    CreateDirectoryA(source.c_str(), nullptr);
    const std::string exact = NoiseBytes(524288, 1);
    const std::string over = NoiseBytes(524289, 2);
    WriteTree(source, {{"exact.bin", exact}, {"over.bin", over}});
    const std::string path = folder.File("blocks.jbf");
    ASSERT_EQ(BuildArchive(source, path), 0);

    JC_Quorlin reader;
    ASSERT_EQ(reader.ProjectOpen(path.c_str()), 0);
    const JC_QuorlinNode* pExact = reader.FindNodeByPath("exact.bin");
    const JC_QuorlinNode* pOver = reader.FindNodeByPath("over.bin");
    ASSERT_NE(pExact, nullptr);
    ASSERT_NE(pOver, nullptr);
    EXPECT_EQ(pExact->m_dwBlockCount, 1u);
    EXPECT_EQ(pOver->m_dwBlockCount, 2u);
    // Noise stays raw: the blocks are stored as they are, the second of one byte.
    const std::string archive = ReadTestFile(path);
    EXPECT_EQ(archive.substr(pOver->m_dwDataOffset + pOver->m_dwPackedBytes, 16),
              U32(524288) + U32(1) + U32(0) + U32(0));
    EXPECT_EQ(pOver->m_dwStoredBytes, 524289u + 16u);

    std::int32_t result = 0;
    EXPECT_EQ(ReadThrough(reader, "exact.bin", &result), exact);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadThrough(reader, "over.bin", &result), over);
    EXPECT_EQ(result, 0);
}

TEST(JC_QuorlinTable, BlockFlagsOtherThanOneAreRaw)
{
    ScopedTempFolder folder;
    const std::string text = "hello, archive";
    struct Case { std::string stored; std::uint32_t flag; };
    const Case cases[] = {{text, 0}, {text, 2}, {text, 0xFFFFFFFF}, {Deflated(text), 1}};
    for (const Case& c : cases) {
        const std::string path = folder.File("flag.jbf");
        const std::string region = Region(c.stored, c.flag);
        const std::uint32_t packed = static_cast<std::uint32_t>(c.stored.size());
        WriteTestFile(path, region + U16(1) + FileRecord("x.txt", static_cast<std::uint32_t>(text.size()), 1, packed, 0)
                                + Trailer(0, 1, region.size()));
        JC_Quorlin reader;
        ASSERT_EQ(reader.ProjectOpen(path.c_str()), 0) << c.flag;
        std::int32_t result = 0;
        EXPECT_EQ(ReadThrough(reader, "x.txt", &result), text) << c.flag;
        EXPECT_EQ(result, 0);
    }
}

TEST(JC_QuorlinTable, ReadingChecksTheVersion)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("version.jbf");
    const std::string region = Region("abc", 0);
    WriteTestFile(path, region + U16(1) + FileRecord("x", 3, 1, 3, 0) + Trailer(0, 1, region.size(), 0x00020000));
    JC_Quorlin reader;
    ASSERT_EQ(reader.ProjectOpen(path.c_str()), 0);
    std::int32_t result = 0;
    ReadThrough(reader, "x", &result);
    EXPECT_EQ(result, QUORLIN_E_READ_VERSION);
}
