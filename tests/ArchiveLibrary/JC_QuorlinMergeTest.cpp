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
        // A lead byte whose second byte is no trail byte: the file functions
        // end the path at the zero or separate at the '/' or ':'.
        {std::string("b.\xA8\0t", 5), ""}, {"\xA5/evil.txt", ""}, {"\xA5:evil.txt", ""},
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

TEST(JC_QuorlinMerge, ExtractionWritesNamesUpToTheFileNameLimit)
{
    // Paths relative to the folder keep 255-byte names within the 260
    // characters of the ANSI file functions.
    ScopedTempFolder folder;
    char szOldFolder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szOldFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    CreateDirectoryA("src", nullptr);
    TestFiles files;
    for (size_t length = 250; length <= 255; ++length)
        files.push_back({std::string(length - 4, static_cast<char>('a' + length - 250)) + ".txt", TextBytes(length, 1)});
    files.push_back({"~jbf0000.Temp", "a name like the temporary one"});
    WriteTree("src", files);
    EXPECT_EQ(BuildArchive("src", "long.jbf"), 0);

    JC_Quorlin quorlin;
    EXPECT_EQ(quorlin.ProjectOpen("long.jbf"), 0);
    CreateDirectoryA("out", nullptr);
    EXPECT_EQ(quorlin.ExtractNodes(nullptr, "out\\", nullptr), 0);
    // Every file whole, and no temporary file left behind.
    EXPECT_EQ(TreeOf("out"), TreeOf("src"));
    EXPECT_EQ(TreeOf("out").size(), files.size());
    for (const auto& file : files) {
        DeleteFileA(("src\\" + file.first).c_str());
        DeleteFileA(("out\\" + file.first).c_str());
    }
    SetCurrentDirectoryA(szOldFolder);
}

TEST(JC_QuorlinMerge, ExtractionOfAChosenListMakesTheFoldersAbove)
{
    MergeFixture fixture;
    JC_Quorlin quorlin;
    ASSERT_EQ(quorlin.ProjectOpen(fixture.targetArchive.c_str()), 0);
    const std::vector<JC_QuorlinNode*> chosen = {quorlin.FindNodeByPath("Data\\b.bin"), quorlin.FindNodeByPath("Same\\")};
    const std::string out = fixture.folder.File("out");
    CreateDirectoryA(out.c_str(), nullptr);
    EXPECT_EQ(quorlin.ExtractNodes(&chosen, (out + "\\").c_str(), nullptr), 0);
    EXPECT_EQ(TreeOf(out), (std::map<std::string, std::string>{{"Data\\b.bin", NoiseBytes(600000, 2)}, {"Same\\x.txt", "x"}}));

    const std::vector<JC_QuorlinNode*> none;
    EXPECT_EQ(quorlin.ExtractNodes(&none, (out + "\\nowhere\\").c_str(), nullptr), 0);
}

TEST(JC_QuorlinMerge, ExtractionFailuresHaveTheirCodes)
{
    ScopedTempFolder folder;
    const std::string deflated = "garbage";
    struct Case { const char* what; std::string bytes; std::int32_t result; };
    const Case cases[] = {
        {"version", Region("hello", 0) + U16(1) + FileRecord("x", 5, 1, 5, 0) + Trailer(0, 1, 13, 0x00020000),
         QUORLIN_E_EXTRACT_VERSION},
        {"short raw block", Region("hello", 0) + U16(1) + FileRecord("x", 6, 1, 5, 0) + Trailer(0, 1, 13),
         QUORLIN_E_EXTRACT_DAMAGED},
        {"does not inflate", Region(deflated, 1) + U16(1) + FileRecord("x", 5, 1, 7, 0) + Trailer(0, 1, 15),
         QUORLIN_E_EXTRACT_INFLATE},
    };
    const std::string out = folder.File("out");
    CreateDirectoryA(out.c_str(), nullptr);
    for (const Case& c : cases) {
        const std::string archive = folder.File("bad.jbf");
        WriteTestFile(archive, c.bytes);
        JC_Quorlin quorlin;
        ASSERT_EQ(quorlin.ProjectOpen(archive.c_str()), 0) << c.what;
        EXPECT_EQ(quorlin.ExtractNodes(nullptr, (out + "\\").c_str(), nullptr), c.result) << c.what;
        // A failed file leaves neither itself nor its temporary file.
        EXPECT_TRUE(TreeOf(out).empty()) << c.what;
    }

    MergeFixture fixture;
    JC_Quorlin quorlin;
    EXPECT_EQ(quorlin.ExtractNodes(nullptr, (out + "\\").c_str(), nullptr), QUORLIN_E_EXTRACT_CLOSED);
    ASSERT_EQ(quorlin.ProjectOpen(fixture.targetArchive.c_str()), 0);
    EXPECT_EQ(quorlin.ExtractNodes(nullptr, (out + "\\missing\\deeper\\").c_str(), nullptr), QUORLIN_E_EXTRACT_CREATE);
    ASSERT_TRUE(DeleteFileA(fixture.targetArchive.c_str()));
    EXPECT_EQ(quorlin.ExtractNodes(nullptr, (out + "\\").c_str(), nullptr), QUORLIN_E_EXTRACT_OPEN);
}

TEST(JC_QuorlinMerge, UpdateAndAppendFailuresLeaveTheTarget)
{
    MergeFixture fixture;
    const std::string before = ReadTestFile(fixture.targetArchive);
    JC_Quorlin quorlin;
    // A folder where the rewritten archive would go.
    const std::string temp = fixture.targetArchive + ".Temp";
    ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr));
    EXPECT_EQ(quorlin.ProjectUpdate(fixture.updateArchive.c_str(), fixture.targetArchive.c_str()), QUORLIN_E_UPDATE_TEMP);
    EXPECT_FALSE(quorlin.IsOpen());
    RemoveDirectoryA(temp.c_str());

    // A reader that lets others read but not write.
    const HANDLE hReader = CreateFileA(fixture.targetArchive.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hReader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(quorlin.ProjectAppend(fixture.updateArchive.c_str(), fixture.targetArchive.c_str()), QUORLIN_E_APPEND_TARGET);
    EXPECT_FALSE(quorlin.IsOpen());
    CloseHandle(hReader);
    EXPECT_EQ(ReadTestFile(fixture.targetArchive), before);
}
