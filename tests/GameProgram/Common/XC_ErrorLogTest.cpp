#include "GameProgram/Common/XC_ErrorLog.h"
#include "GameProgram/Common/XC_ReportFileScope.h"
#include "GameProgram/Common/XF_Common.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

class ErrorLogFile : public testing::Test
{
protected:
    std::string Logged() const { return m_Log.Text(); }

    ErrorLogCapture m_Log;
};

} // namespace

TEST_F(ErrorLogFile, ReportIsFileLineAndTextBetweenLineBreaks)
{
    SetLastError(0);
    XF_ReportError("GameProgram\\Common\\X", 42, "( pNode ) failed");
    EXPECT_EQ(Logged(), "\r\nGameProgram\\Common\\X (42)\r\n( pNode ) failed\r\n");
}

TEST_F(ErrorLogFile, NullTextReportsTheLocationAlone)
{
    SetLastError(0);
    XF_ReportError("File", 7, nullptr);
    EXPECT_EQ(Logged(), "\r\nFile (7)\r\n\r\n");
}

TEST_F(ErrorLogFile, EachDistinctReportIsWrittenOnce)
{
    SetLastError(0);
    XF_ReportError("F", 1, "same");
    XF_ReportError("F", 1, "same");
    XF_ReportError("F", 2, "same"); // another line is another text
    EXPECT_EQ(Logged(), "\r\nF (1)\r\nsame\r\n\r\nF (2)\r\nsame\r\n");

    g_pErrorLog->ClearRecords();
    SetLastError(0);
    XF_ReportError("F", 1, "same");
    EXPECT_EQ(Logged(), "\r\nF (1)\r\nsame\r\n\r\nF (2)\r\nsame\r\n\r\nF (1)\r\nsame\r\n");
}

TEST_F(ErrorLogFile, WithoutOnceOnlyEveryReportIsWritten)
{
    g_pErrorLog->SetOnceOnly(0);
    SetLastError(0);
    XF_ReportError("F", 1, "x");
    SetLastError(0);
    XF_ReportError("F", 1, "x");
    EXPECT_EQ(Logged(), "\r\nF (1)\r\nx\r\n\r\nF (1)\r\nx\r\n");
}

TEST_F(ErrorLogFile, FailedSystemCallAddsTheSystemText)
{
    EXPECT_EQ(GetFileAttributesA("Z:\\no\\such\\file.txt"), INVALID_FILE_ATTRIBUTES);
    ASSERT_NE(GetLastError(), 0u);
    XF_ReportError("F", 3, "missing");
    const std::string logged = Logged();
    EXPECT_EQ(logged.rfind("\r\nF (3)\r\nmissing\r\nWindows Last Error = ", 0), 0u) << logged;
    EXPECT_GT(logged.size(), std::string("\r\nF (3)\r\nmissing\r\nWindows Last Error = ").size());
}

TEST_F(ErrorLogFile, ReportsWithinAFileScopeNameTheInnermostFile)
{
    SetLastError(0);
    {
        const XC_ReportFileScope outer("Scene.scn");
        XF_ReportError("F", 1, "a");
        {
            const XC_ReportFileScope inner("Tree.se");
            XF_ReportError("F", 2, "b");
            XF_ReportError("F", 3, nullptr);
        }
        XF_ReportError("F", 4, "c");
    }
    XF_ReportError("F", 5, "d");
    EXPECT_EQ(Logged(), "\r\nF (1)\r\na, in Scene.scn\r\n\r\nF (2)\r\nb, in Tree.se\r\n\r\nF (3)\r\n\r\n"
                        "\r\nF (4)\r\nc, in Scene.scn\r\n\r\nF (5)\r\nd\r\n");
    EXPECT_EQ(XC_ReportFileScope::GetFileName(), nullptr);
}

TEST_F(ErrorLogFile, MessagesAreWrittenAsTheyStandAndOnce)
{
    XF_ReportMessage("Game Version 1.0\r\n");
    XF_ReportMessage("Game Version 1.0\r\n");
    EXPECT_EQ(Logged(), "Game Version 1.0\r\n");
}

TEST(ErrorLog, ReportsWithoutAFileGoNowhereAndDoNotFail)
{
    g_pErrorLog->SetFileHandle(INVALID_HANDLE_VALUE);
    XF_ReportError("F", 1, "nowhere");
    EXPECT_EQ(g_pErrorLog->IsRecorded("F (1)\r\nnowhere"), 1);
    g_pErrorLog->ClearRecords();
}
