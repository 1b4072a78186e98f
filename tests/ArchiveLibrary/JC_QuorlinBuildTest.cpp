#include "ArchiveLibrary/JC_Quorlin.h"
#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::uint64_t TableOffsetOf(const std::string& archive)
{
    const std::string trailer = archive.substr(archive.size() - 96);
    std::uint64_t offset = 0;
    for (int i = 7; i >= 0; --i)
        offset = (offset << 8) | static_cast<unsigned char>(trailer[8 + i]);
    return offset;
}

// A source folder with a few files and an archive built from it.
struct BuiltArchive
{
    BuiltArchive()
    {
        CreateDirectoryA(source.c_str(), nullptr);
        WriteTree(source, {{"a.txt", TextBytes(5000, 1)}, {"sub\\b.bin", NoiseBytes(700000, 2)},
                           {"sub\\c.txt", TextBytes(100, 3)}});
        EXPECT_EQ(BuildArchive(source, archive), 0);
    }

    ScopedTempFolder folder;
    const std::string source = folder.File("src");
    const std::string archive = folder.File("pack.jbf");
};

} // namespace

TEST(JC_QuorlinBuild, AddingTwiceFailsAndRefreshingMarksPending)
{
    BuiltArchive built;
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(built.archive.c_str()), 0);
    const std::string path = built.source + "\\a.txt";
    EXPECT_EQ(quorlin.TestPath(path.c_str(), QuorlinMarker(QUORLIN_NODE_TOP)), QUORLIN_E_SCAN_EXISTS);
    JC_QuorlinNode* pNode = quorlin.FindNodeByPath("a.txt");
    ASSERT_NE(pNode, nullptr);
    EXPECT_EQ(pNode->m_dwPending, 0u);
    EXPECT_EQ(quorlin.TestPathEx(path.c_str(), nullptr), 0);
    EXPECT_EQ(pNode->m_dwPending, 1u);
    EXPECT_EQ(pNode->m_dwChanged, 1u);
    EXPECT_EQ(quorlin.GetTopCount(), 2u);

    EXPECT_EQ(quorlin.TestPath(nullptr, nullptr), QUORLIN_E_TESTPATH_NULL);
    EXPECT_EQ(quorlin.TestPath("", nullptr), QUORLIN_E_TESTPATH_EMPTY);
    EXPECT_EQ(quorlin.TestPath(built.folder.File("none").c_str(), nullptr), QUORLIN_E_TESTPATH_MISSING);
    EXPECT_EQ(quorlin.TestPathEx(built.folder.File("none").c_str(), nullptr), QUORLIN_E_TESTPATHEX_MISSING);
}

TEST(JC_QuorlinBuild, EmptyFilesAndMissingTargetsAreRefused)
{
    ScopedTempFolder folder;
    const std::string source = folder.File("src");
    CreateDirectoryA(source.c_str(), nullptr);
    WriteTree(source, {{"sub\\empty.txt", ""}, {"full.txt", "x"}});
    const std::string archive = folder.File("out.jbf");
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.TestPath(source.c_str(), nullptr), 0);
    EXPECT_EQ(quorlin.BuildFromFolder(archive.c_str(), nullptr), QUORLIN_E_CHECK_MESSAGES);
    ASSERT_EQ(quorlin.GetMessages().size(), 1u);
    EXPECT_EQ(quorlin.GetMessages()[0], "節點錯誤: src\\sub\\empty.txt (檔案是空的)");
    EXPECT_FALSE(Exists(archive));

    JC_Quorlin other;
    EXPECT_EQ(other.TestPath((source + "\\full.txt").c_str(), nullptr), 0);
    EXPECT_EQ(other.BuildFromFolder("", nullptr), QUORLIN_E_BUILD_NO_TARGET);
    EXPECT_EQ(other.BuildFromFolder(nullptr, nullptr), QUORLIN_E_BUILD_NO_TARGET);
}

TEST(JC_QuorlinBuild, RebuildWithoutTargetReplacesTheOpenArchive)
{
    BuiltArchive built;
    WriteTestFile(built.source + "\\new.txt", TextBytes(3000, 4));
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(built.archive.c_str()), 0);
    ASSERT_EQ(quorlin.TestPath((built.source + "\\new.txt").c_str(), nullptr), 0);
    EXPECT_EQ(quorlin.BuildFromFolder(built.archive.c_str(), nullptr), QUORLIN_E_REBUILD_SAME);
    ASSERT_EQ(quorlin.BuildFromFolder("", nullptr), 0);
    EXPECT_TRUE(quorlin.IsOpen());
    EXPECT_EQ(quorlin.GetArchivePath(), built.archive);
    EXPECT_FALSE(Exists(built.archive + ".Temp"));

    JC_Quorlin reader;
    ASSERT_EQ(reader.ProjectOpen(built.archive.c_str()), 0);
    std::int32_t result = 0;
    EXPECT_EQ(ReadThrough(reader, "new.txt", &result), TextBytes(3000, 4));
    EXPECT_EQ(ReadThrough(reader, "SUB\\B.BIN", &result), NoiseBytes(700000, 2));
    EXPECT_EQ(result, 0);
}

TEST(JC_QuorlinBuild, SavingInPlaceAppendsAfterTheOldTrailer)
{
    BuiltArchive built;
    const std::string before = ReadTestFile(built.archive);
    WriteTestFile(built.source + "\\a.txt", TextBytes(9000, 5));
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(built.archive.c_str()), 0);
    ASSERT_EQ(quorlin.TestPathEx((built.source + "\\a.txt").c_str(), nullptr), 0);
    ASSERT_EQ(quorlin.SaveProject(built.archive.c_str(), nullptr), 0);

    const std::string after = ReadTestFile(built.archive);
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_GT(TableOffsetOf(after), before.size());
    EXPECT_GE(quorlin.FindNodeByPath("a.txt")->m_dwDataOffset, before.size());
    JC_Quorlin reader;
    ASSERT_EQ(reader.ProjectOpen(built.archive.c_str()), 0);
    std::int32_t result = 0;
    EXPECT_EQ(ReadThrough(reader, "a.txt", &result), TextBytes(9000, 5));
    EXPECT_EQ(ReadThrough(reader, "sub\\c.txt", &result), TextBytes(100, 3));
}

TEST(JC_QuorlinBuild, FailedSaveLeavesTheArchiveAndTheTreeAsTheyWere)
{
    BuiltArchive built;
    const std::string before = ReadTestFile(built.archive);
    WriteTree(built.source, {{"late1.txt", TextBytes(800, 6)}, {"late2.txt", TextBytes(900, 7)}});
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(built.archive.c_str()), 0);
    ASSERT_EQ(quorlin.TestPath((built.source + "\\late1.txt").c_str(), nullptr), 0);
    ASSERT_EQ(quorlin.TestPath((built.source + "\\late2.txt").c_str(), nullptr), 0);
    DeleteFileA((built.source + "\\late2.txt").c_str());

    EXPECT_EQ(quorlin.SaveProject(built.archive.c_str(), nullptr), QUORLIN_E_SAVE_DISK);
    EXPECT_EQ(ReadTestFile(built.archive), before);
    EXPECT_TRUE(quorlin.IsOpen());
    const JC_QuorlinNode* pLate = quorlin.FindNodeByPath("late1.txt");
    EXPECT_EQ(pLate->m_dwPending, 1u);
    EXPECT_EQ(pLate->m_dwBlockCount, 0u);
    std::int32_t result = 0;
    EXPECT_EQ(ReadThrough(quorlin, "a.txt", &result), TextBytes(5000, 1));
    EXPECT_EQ(result, 0);

    // A rebuild into another file that fails keeps the offsets into the open archive.
    EXPECT_EQ(quorlin.BuildFromFolder(built.folder.File("other.jbf").c_str(), nullptr), QUORLIN_E_REBUILD_DISK);
    EXPECT_FALSE(Exists(built.folder.File("other.jbf")));
    EXPECT_EQ(ReadThrough(quorlin, "sub\\b.bin", &result), NoiseBytes(700000, 2));
    EXPECT_EQ(result, 0);
}

TEST(JC_QuorlinBuild, DiskFileShorterThanScannedStopsPacking)
{
    ScopedTempFolder folder;
    const std::string file = folder.File("shrinks.bin");
    WriteTestFile(file, NoiseBytes(600000, 8));
    const std::string archive = folder.File("out.jbf");
    WriteTestFile(archive, "old archive");
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.TestPath(file.c_str(), nullptr), 0);
    WriteTestFile(file, NoiseBytes(1000, 8));

    EXPECT_EQ(quorlin.BuildFromFolder(archive.c_str(), nullptr), QUORLIN_E_PACK_SHORT);
    EXPECT_EQ(ReadTestFile(archive), "old archive");
    EXPECT_FALSE(Exists(archive + ".Temp"));
    EXPECT_FALSE(quorlin.IsOpen());
    EXPECT_EQ(quorlin.FindNodeByPath("shrinks.bin")->m_dwPending, 1u);
}

TEST(JC_QuorlinBuild, RefreshingAFolderTakesInItsNewSubFolders)
{
    BuiltArchive built;
    WriteTree(built.source, {{"sub\\deep\\d.txt", TextBytes(300, 6)}, {"sub\\deep\\deeper\\e.bin", NoiseBytes(900, 7)},
                             {"sub\\c.txt", TextBytes(200, 8)}});
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(built.archive.c_str()), 0);
    ASSERT_EQ(quorlin.TestPathEx((built.source + "\\sub").c_str(), nullptr), 0);
    const JC_QuorlinNode* pSub = quorlin.FindNodeByPath("sub\\");
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(pSub->m_dwChildFolders, 1u);
    EXPECT_EQ(pSub->m_dwChildFiles, 2u);
    EXPECT_EQ(quorlin.FindNodeByPath("sub\\deep\\deeper\\e.bin")->m_strFolderPath, "sub\\deep\\deeper\\");
    ASSERT_EQ(quorlin.SaveProject(built.archive.c_str(), nullptr), 0);

    JC_Quorlin reader;
    ASSERT_EQ(reader.ProjectOpen(built.archive.c_str()), 0);
    const TestFiles expected = {{"a.txt", TextBytes(5000, 1)}, {"sub\\b.bin", NoiseBytes(700000, 2)},
                                {"sub\\c.txt", TextBytes(200, 8)}, {"sub\\deep\\d.txt", TextBytes(300, 6)},
                                {"sub\\deep\\deeper\\e.bin", NoiseBytes(900, 7)}};
    for (const auto& file : expected) {
        std::int32_t result = -1;
        EXPECT_EQ(ReadThrough(reader, file.first, &result), file.second) << file.first;
        EXPECT_EQ(result, 0) << file.first;
    }
}
