#include "TemplateSystem/JC_DebugLog.h"

#include "tests/Support/DebuggerOutput.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

// Whether a file can be opened with no sharing, that is, nobody holds it.
bool IsClosed(const std::string& strPath)
{
    const HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(hFile);
    return true;
}

} // namespace

TEST(JC_DebugLog, PrintWritesToTheFileAndTheDebugger)
{
    ScopedTempFolder folder;
    {
        JC_DebugLog log;
        EXPECT_EQ(log.Initiation((folder.Path() + "\\").c_str(), "log.txt", 1, FILE_SHARE_READ), S_OK);
        ASSERT_NE(log.GetFileHandle(), INVALID_HANDLE_VALUE);
        const DebuggerOutput output;
        log.Print("value %d, text %s", 7, "許");
        log.PrintAt(".\\JC_Order\\DealOrder\\JC_OrderDealMerge.cpp", 42, "code 0x%08x", 0x89000001u);
        EXPECT_EQ(output.Text(), "value 7, text 許\r\n"
                                 ".\\JC_Order\\DealOrder\\JC_OrderDealMerge.cpp (42)\r\ncode 0x89000001\r\n");
        // Flushed at once: another reader sees the lines while the file is open.
        EXPECT_EQ(ReadTestFile(folder.File("log.txt")), output.Text());
    }
    EXPECT_TRUE(IsClosed(folder.File("log.txt")));
}

TEST(JC_DebugLog, MessagesOf1023CharactersOrMoreAreDropped)
{
    ScopedTempFolder folder;
    JC_DebugLog log;
    ASSERT_EQ(log.OpenLogFile(folder.File("log.txt").c_str(), 1, FILE_SHARE_READ), S_OK);
    const DebuggerOutput output;
    const std::string strLongest(1022, 'a');
    log.Print("%s", strLongest.c_str());
    log.Print("%s", std::string(1023, 'b').c_str());
    log.PrintAt("src", 1, "%s", std::string(1023, 'c').c_str());
    log.PrintAt("src", 2, "%s%s", strLongest.c_str(), "d");
    log.PrintAt("src", 3, "%s", strLongest.c_str());
    const std::string strExpected = strLongest + "\r\n" + "src (3)\r\n" + strLongest + "\r\n";
    EXPECT_EQ(output.Text(), strExpected);
    EXPECT_EQ(ReadTestFile(folder.File("log.txt")), strExpected);
}

TEST(JC_DebugLog, WithoutAFileLinesStillReachTheDebugger)
{
    JC_DebugLog log;
    EXPECT_EQ(log.GetFileHandle(), INVALID_HANDLE_VALUE);
    const DebuggerOutput output;
    log.Print("alone");
    EXPECT_EQ(output.Text(), "alone\r\n");
    EXPECT_EQ(log.OpenLogFile("", 1, 0), E_FAIL);
    EXPECT_EQ(log.OpenLogFile(nullptr, 1, 0), E_FAIL);
    EXPECT_EQ(log.Initiation(nullptr, "x.txt", 1, 0), E_FAIL);
    EXPECT_EQ(log.OpenLogFile("Z:\\no\\such\\folder\\log.txt", 1, 0), E_FAIL);
    EXPECT_EQ(log.GetFileHandle(), INVALID_HANDLE_VALUE);
}

TEST(JC_DebugLog, OpeningASecondFileClosesTheFirst)
{
    ScopedTempFolder folder;
    JC_DebugLog log;
    ASSERT_EQ(log.OpenLogFile(folder.File("first.txt").c_str(), 1, FILE_SHARE_READ), S_OK);
    log.Print("one");
    ASSERT_EQ(log.OpenLogFile(folder.File("second.txt").c_str(), 1, FILE_SHARE_READ), S_OK);
    log.Print("two");
    EXPECT_TRUE(IsClosed(folder.File("first.txt")));
    EXPECT_EQ(ReadTestFile(folder.File("first.txt")), "one\r\n");
    EXPECT_EQ(ReadTestFile(folder.File("second.txt")), "two\r\n");

    // A failed open leaves no file open either.
    EXPECT_EQ(log.OpenLogFile("", 1, 0), E_FAIL);
    EXPECT_TRUE(IsClosed(folder.File("second.txt")));
}

TEST(JC_DebugLog, CreateZeroAppendsToAnExistingFile)
{
    ScopedTempFolder folder;
    ASSERT_TRUE(WriteTestFile(folder.File("log.txt"), "before\r\n"));
    JC_DebugLog log;
    ASSERT_EQ(log.OpenLogFile(folder.File("log.txt").c_str(), 0, FILE_SHARE_READ), S_OK);
    log.Print("after");
    EXPECT_EQ(ReadTestFile(folder.File("log.txt")), "before\r\nafter\r\n");
    ASSERT_EQ(log.OpenLogFile(folder.File("log.txt").c_str(), 1, FILE_SHARE_READ), S_OK);
    EXPECT_EQ(ReadTestFile(folder.File("log.txt")), "");
}

TEST(JC_DebugLog, TheGlobalLogStartsWithoutAFile)
{
    ASSERT_NE(gp_DebugInfoObj, nullptr);
    EXPECT_EQ(gp_DebugInfoObj->GetFileHandle(), INVALID_HANDLE_VALUE);
}
