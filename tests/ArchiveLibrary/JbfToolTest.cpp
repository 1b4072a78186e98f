#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

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
