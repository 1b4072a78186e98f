#include "GameProgram/Common/XC_ErrorLog.h"
#include "GameProgram/Common/XF_Common.h"
#include "TemplateSystem/JC_DebugLog.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

// The game opens the data layer's debug log and hands its file handle to the
// engine's error log: both write into the one file, in order.
TEST(XC_ErrorLog, SharesTheDebugLogFile)
{
    ScopedTempFolder folder;
    ASSERT_EQ(gp_DebugInfoObj->Initiation((folder.Path() + "\\").c_str(), "ErrorMessage.txt", 1, FILE_SHARE_READ),
              S_OK);
    g_pErrorLog->SetFileHandle(gp_DebugInfoObj->GetFileHandle());
    g_pErrorLog->SetMessageBox(0);

    gp_DebugInfoObj->Print("data layer line");
    SetLastError(0);
    XF_ReportError("GameProgram\\Common\\XC_Test", 12, "engine report");
    gp_DebugInfoObj->PrintAt("JC_Test.cpp", 34, "data layer entry");

    EXPECT_EQ(ReadTestFile(folder.File("ErrorMessage.txt")),
              "data layer line\r\n"
              "\r\nGameProgram\\Common\\XC_Test (12)\r\nengine report\r\n"
              "JC_Test.cpp (34)\r\ndata layer entry\r\n");

    g_pErrorLog->SetFileHandle(INVALID_HANDLE_VALUE);
    // A null path opens nothing, so this only closes the file.
    gp_DebugInfoObj->OpenLogFile(nullptr, 1, 0);
}
