#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// Runs "jbf.exe" from this program's folder; its exit code and what it printed.
DWORD RunJbf(const std::string& arguments, std::string* pOutput)
{
    char szProgram[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string tool(szProgram, length);
    tool = tool.substr(0, tool.find_last_of('\\') + 1) + "jbf.exe";

    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, TRUE};
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    CreatePipe(&hRead, &hWrite, &security, 0);
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = hWrite;
    startup.hStdError = hWrite;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + tool + "\" " + arguments;
    const BOOL bStarted = CreateProcessA(tool.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                         nullptr, &startup, &process);
    CloseHandle(hWrite);
    pOutput->clear();
    char buffer[4096];
    DWORD read = 0;
    while (bStarted && ReadFile(hRead, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        pOutput->append(buffer, read);
    CloseHandle(hRead);
    if (!bStarted)
        return 0xFFFFFFFF;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return exitCode;
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// The archives the archive fuzzing keeps: its seeds and every input that
// found a fault.
std::vector<std::string> KeptFuzzArchives()
{
    std::vector<std::string> archives;
    WIN32_FIND_DATAA found;
    const HANDLE hFind = FindFirstFileA(OSKEL_ARCHIVE_CORPUS "*.jbf", &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return archives;
    do {
        archives.push_back(std::string(OSKEL_ARCHIVE_CORPUS) + found.cFileName);
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
    return archives;
}

bool HasEmptyFile(const std::map<std::string, std::string>& files)
{
    return std::any_of(files.begin(), files.end(), [](const auto& file) { return file.second.empty(); });
}

} // namespace

TEST(JbfTool, BuildListExtractMergeAndAppend)
{
    ScopedTempFolder folder;
    const std::string source = folder.File("src");
    CreateDirectoryA(source.c_str(), nullptr);
    WriteTree(source, {{"Data\\a.txt", TextBytes(700, 1)}, {"top.bin", NoiseBytes(600000, 2)}});
    // The archive inside its own folder leaves itself out.
    const std::string archive = source + "\\src.jbf";
    std::string output;
    ASSERT_EQ(RunJbf("build " + Quoted(source) + " " + Quoted(archive), &output), 0u) << output;
    ASSERT_EQ(RunJbf("list " + Quoted(archive), &output), 0u) << output;
    EXPECT_EQ(output, "Data\t0\tfolder\r\nData\\a.txt\t700\tfile\r\ntop.bin\t600000\tfile\r\n");

    const std::string out = folder.File("out");
    ASSERT_EQ(RunJbf("extract " + Quoted(archive) + " " + Quoted(out), &output), 0u) << output;
    std::map<std::string, std::string> expected = TreeOf(source);
    expected.erase("src.jbf");
    EXPECT_EQ(TreeOf(out), expected);

    const std::string update = folder.File("update");
    CreateDirectoryA(update.c_str(), nullptr);
    WriteTree(update, {{"Data\\b.txt", "b"}});
    const std::string updateArchive = folder.File("update.jbf");
    ASSERT_EQ(RunJbf("build " + Quoted(update) + " " + Quoted(updateArchive), &output), 0u) << output;
    ASSERT_EQ(RunJbf("merge " + Quoted(archive) + " " + Quoted(updateArchive), &output), 0u) << output;
    ASSERT_EQ(RunJbf("append " + Quoted(archive) + " " + Quoted(updateArchive), &output), 0u) << output;
    ASSERT_EQ(RunJbf("list " + Quoted(archive), &output), 0u) << output;
    EXPECT_NE(output.find("Data\\b.txt\t1\tfile"), std::string::npos) << output;
}

TEST(JbfTool, FailuresPrintTheCodeAndExitOne)
{
    ScopedTempFolder folder;
    std::string output;
    EXPECT_EQ(RunJbf("list " + Quoted(folder.File("missing.jbf")), &output), 1u);
    EXPECT_NE(output.find("0x87460082"), std::string::npos) << output;

    const std::string source = folder.File("src");
    CreateDirectoryA(source.c_str(), nullptr);
    WriteTree(source, {{"empty.txt", ""}});
    EXPECT_EQ(RunJbf("build " + Quoted(source) + " " + Quoted(folder.File("out.jbf")), &output), 1u);
    EXPECT_NE(output.find("0x87460301"), std::string::npos) << output;
    EXPECT_NE(output.find("empty.txt"), std::string::npos) << output;

    EXPECT_EQ(RunJbf("", &output), 1u);
}

// What an archive of the fuzzing's corpus extracts is what its extraction,
// built into an archive, extracts again, through the real Windows calls. One
// finding stores a folder as "DatA" and as "Data", the second holding a Big5
// folder whose trail byte is 0x5C: on Windows both spellings are one folder,
// and its rebuild keeps every file.
TEST(JbfTool, KeptFuzzArchivesSurviveExtractBuildExtract)
{
    const std::vector<std::string> archives = KeptFuzzArchives();
    ASSERT_FALSE(archives.empty()) << "no archive in " << OSKEL_ARCHIVE_CORPUS;
    int rebuilt = 0;
    for (const std::string& archive : archives) {
        SCOPED_TRACE(archive);
        ScopedTempFolder folder;
        const std::string out = folder.File("out");
        std::string output;
        if (RunJbf("extract " + Quoted(archive) + " " + Quoted(out), &output) != 0)
            continue;
        const std::map<std::string, std::string> extracted = TreeOf(out);
        // Builders refuse empty files.
        if (extracted.empty() || HasEmptyFile(extracted))
            continue;
        const std::string again = folder.File("again.jbf");
        ASSERT_EQ(RunJbf("build " + Quoted(out) + " " + Quoted(again), &output), 0u) << output;
        ASSERT_EQ(RunJbf("extract " + Quoted(again) + " " + Quoted(folder.File("again")), &output), 0u) << output;
        EXPECT_EQ(TreeOf(folder.File("again")), extracted);
        ++rebuilt;
    }
    EXPECT_GT(rebuilt, 0);
}
