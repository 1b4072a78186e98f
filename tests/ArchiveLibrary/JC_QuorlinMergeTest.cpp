#include "ArchiveLibrary/JC_Quorlin.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"
#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::uint64_t StoredBytesOf(const JC_Quorlin& quorlin)
{
    std::uint64_t total = 0;
    std::vector<JC_QuorlinNode*> nodes;
    for (JC_QuorlinNode* pNode = quorlin.GetFirstNode(); pNode != nullptr; pNode = pNode->m_pNext)
        pNode->CollectFiles(nodes);
    for (const JC_QuorlinNode* pNode : nodes)
        total += pNode->m_dwStoredBytes;
    return total;
}

// A target and an update archive whose trees overlap.
struct MergeFixture
{
    MergeFixture()
    {
        const std::string target = folder.File("target");
        const std::string update = folder.File("update");
        CreateDirectoryA(target.c_str(), nullptr);
        CreateDirectoryA(update.c_str(), nullptr);
        WriteTree(target, {{"Data\\a.txt", TextBytes(4000, 1)}, {"Data\\b.bin", NoiseBytes(600000, 2)},
                           {"Same\\x.txt", "x"}, {"top.txt", TextBytes(10, 3)}});
        // "DATA" is "Data" in another case; "Same" is a file here and a folder there.
        WriteTree(update, {{"DATA\\a.txt", TextBytes(7000, 4)}, {"DATA\\new\\n.txt", TextBytes(500, 5)},
                           {"Same", "file beside a folder"}, {"Fresh\\deep\\f.bin", NoiseBytes(1000, 6)}});
        EXPECT_EQ(BuildArchive(target, targetArchive), 0);
        EXPECT_EQ(BuildArchive(update, updateArchive), 0);
    }

    std::map<std::string, std::string> Expected() const
    {
        return {{"Data\\a.txt", TextBytes(7000, 4)}, {"Data\\b.bin", NoiseBytes(600000, 2)},
                {"Data\\new\\n.txt", TextBytes(500, 5)}, {"Same\\x.txt", "x"},
                {"Fresh\\deep\\f.bin", NoiseBytes(1000, 6)}, {"top.txt", TextBytes(10, 3)}};
    }

    ScopedTempFolder folder;
    const std::string targetArchive = folder.File("target.jbf");
    const std::string updateArchive = folder.File("update.jbf");
};

class TruncateUpdateAfterFirstFile : public JI_ProgressSink
{
public:
    explicit TruncateUpdateAfterFirstFile(const std::string& update) : m_update(update) {}
    void SetNodeIndex(std::uint32_t dwDone) override
    {
        if (dwDone != 1)
            return;
        const HANDLE hFile = CreateFileA(m_update.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr);
        SetEndOfFile(hFile);
        CloseHandle(hFile);
    }

private:
    std::string m_update;
};

int s_iWarnings = 0;
bool s_bAnswer = false;
bool CountingWarningBox(const char*, const char*)
{
    ++s_iWarnings;
    return s_bAnswer;
}

} // namespace

TEST(JC_QuorlinMerge, UpdateRewritesTheTargetWithoutDeadSpace)
{
    MergeFixture fixture;
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectUpdate(fixture.updateArchive.c_str(), fixture.targetArchive.c_str()), 0);
    EXPECT_FALSE(quorlin.IsOpen());

    ASSERT_EQ(quorlin.ProjectOpen(fixture.targetArchive.c_str()), 0);
    const JC_QuorlinNode* pData = quorlin.FindNodeByPath("Data\\");
    ASSERT_NE(pData, nullptr);
    EXPECT_EQ(pData->m_dwChildFiles, 2u);  // a.txt replaced, not added
    EXPECT_EQ(pData->m_dwChildFolders, 1u);
    // The moved folder's stored paths follow the target's spelling.
    EXPECT_EQ(quorlin.FindNodeByPath("data\\new\\n.txt")->m_strFolderPath, "Data\\new\\");
    EXPECT_NE(quorlin.FindChildNode(nullptr, "Same", JC_QuorlinNode::KIND_FILE), nullptr);
    EXPECT_NE(quorlin.FindChildNode(nullptr, "Same", JC_QuorlinNode::KIND_FOLDER), nullptr);

    // Regions back to back, then the table, then the trailer.
    const std::string bytes = ReadTestFile(fixture.targetArchive);
    std::uint64_t tableOffset = 0;
    for (int i = 7; i >= 0; --i)
        tableOffset = (tableOffset << 8) | static_cast<unsigned char>(bytes[bytes.size() - 96 + 8 + i]);
    EXPECT_EQ(tableOffset, StoredBytesOf(quorlin));

    std::int32_t result = 0;
    for (const auto& file : fixture.Expected()) {
        EXPECT_EQ(ReadThrough(quorlin, file.first, &result), file.second) << file.first;
        EXPECT_EQ(result, 0);
    }
    EXPECT_EQ(ReadThrough(quorlin, "Same", &result), "file beside a folder");
}

TEST(JC_QuorlinMerge, AppendGrowsTheTargetByTheNewData)
{
    MergeFixture fixture;
    const std::string before = ReadTestFile(fixture.targetArchive);
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectAppend(fixture.updateArchive.c_str(), fixture.targetArchive.c_str()), 0);
    const std::string after = ReadTestFile(fixture.targetArchive);
    EXPECT_EQ(after.substr(0, before.size()), before);

    ASSERT_EQ(quorlin.ProjectOpen(fixture.targetArchive.c_str()), 0);
    std::int32_t result = 0;
    for (const auto& file : fixture.Expected()) {
        EXPECT_EQ(ReadThrough(quorlin, file.first, &result), file.second) << file.first;
        EXPECT_EQ(result, 0);
    }
    EXPECT_EQ(ReadThrough(quorlin, "Same", &result), "file beside a folder");
}

TEST(JC_QuorlinMerge, FailedAppendRestoresTheTargetsLength)
{
    MergeFixture fixture;
    const std::string before = ReadTestFile(fixture.targetArchive);
    JC_Quorlin quorlin;
    TruncateUpdateAfterFirstFile sabotage(fixture.updateArchive);
    EXPECT_EQ(quorlin.AppendProject(fixture.updateArchive.c_str(), fixture.targetArchive.c_str(), &sabotage),
              QUORLIN_E_COPY_READ);
    EXPECT_EQ(ReadTestFile(fixture.targetArchive), before);
    EXPECT_FALSE(quorlin.IsOpen());
    EXPECT_EQ(quorlin.ProjectOpen(fixture.targetArchive.c_str()), 0);
}

TEST(JC_QuorlinMerge, FailedUpdateLeavesTheTarget)
{
    MergeFixture fixture;
    const std::string before = ReadTestFile(fixture.targetArchive);
    JC_Quorlin quorlin;
    TruncateUpdateAfterFirstFile sabotage(fixture.updateArchive);
    EXPECT_EQ(quorlin.UpdateProject(fixture.updateArchive.c_str(), fixture.targetArchive.c_str(), &sabotage),
              QUORLIN_E_COPY_READ);
    EXPECT_EQ(ReadTestFile(fixture.targetArchive), before);
    EXPECT_EQ(GetFileAttributesA((fixture.targetArchive + ".Temp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(quorlin.ProjectUpdate(fixture.folder.File("none.jbf").c_str(), fixture.targetArchive.c_str()),
              QUORLIN_E_OPEN_FILE);
}

TEST(JC_QuorlinMerge, ExtractionSkipsUnsavedNodesAndWarnsUntilNo)
{
    MergeFixture fixture;
    WriteTree(fixture.folder.Path(), {{"unsaved1.txt", "1"}, {"unsaved2.txt", "2"}});
    JF_SetWarningBox(CountingWarningBox);
    for (const bool answer : {false, true}) {
        JC_Quorlin quorlin;
        ASSERT_EQ(quorlin.ProjectOpen(fixture.targetArchive.c_str()), 0);
        quorlin.TestPath(fixture.folder.File("unsaved1.txt").c_str(), nullptr);
        quorlin.TestPath(fixture.folder.File("unsaved2.txt").c_str(), nullptr);
        s_iWarnings = 0;
        s_bAnswer = answer;
        const std::string out = fixture.folder.File(answer ? "yes" : "no");
        CreateDirectoryA(out.c_str(), nullptr);
        JI_ProgressSink progress;
        EXPECT_EQ(quorlin.ExtractNodes(nullptr, (out + "\\").c_str(), &progress), 0);
        EXPECT_EQ(s_iWarnings, answer ? 2 : 1);
        EXPECT_EQ(TreeOf(out).size(), 4u);
        EXPECT_EQ(TreeOf(out).count("unsaved1.txt"), 0u);
    }
    JF_SetWarningBox(nullptr);
}

TEST(JC_QuorlinMerge, ExtractionRefusesNamesThatLeaveTheDestination)
{
    ScopedTempFolder folder;
    struct Node { std::string name; std::string folderPath; };
    const Node nodes[] = {
        {"good.txt", ""}, {"..", ""}, {"..\\..\\evil.txt", ""}, {"evil.txt", "..\\"}, {"evil.txt", "\\rooted\\"},
        {"evil.txt", "sub\\..\\..\\"}, {"C:evil.txt", ""}, {"evil.txt", "C:\\"}, {"CON", ""}, {"nul.txt", ""},
        {"...", ""}, {"evil.txt ", ""}, {"a/b.txt", ""}, {"\xA5", ""},
    };
    std::string data;
    std::string table;
    for (const Node& node : nodes) {
        table += FileRecord(node.name, 1, 1, 1, static_cast<std::uint32_t>(data.size()), node.folderPath);
        data += Region("x", 0);
    }
    const std::uint32_t count = sizeof(nodes) / sizeof(nodes[0]);
    const std::string archive = folder.File("evil.jbf");
    WriteTestFile(archive, data + U16(static_cast<std::uint16_t>(count)) + table + Trailer(0, count, data.size()));

    const std::string outer = folder.File("outer");
    const std::string out = outer + "\\out";
    CreateDirectoryA(outer.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(archive.c_str()), 0);
    EXPECT_EQ(quorlin.ExtractNodes(nullptr, (out + "\\").c_str(), nullptr), QUORLIN_E_EXTRACT_UNSAFE);
    EXPECT_EQ(TreeOf(out), (std::map<std::string, std::string>{{"good.txt", "x"}}));
    EXPECT_EQ(TreeOf(outer).size(), 1u);
    EXPECT_EQ(TreeOf(folder.Path()).size(), 2u);  // the archive and good.txt
    EXPECT_EQ(quorlin.GetMessages().size(), count - 1);
}
