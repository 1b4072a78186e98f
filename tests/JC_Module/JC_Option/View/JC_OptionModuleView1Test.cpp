#include "JC_Module/JC_Option/View/JC_OptionModuleView1.h"

#include "JC_Module/JC_Option/View/JC_OptionModuleView2.h"

#include "tests/JC_Module/JC_Option/OptionScreenFixture.h"
#include "tests/Support/TextMutations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

TEST_F(OptionScreen, TheRecordListWrapsItsPagesAndRefusesUnknownModes)
{
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document, JC_OptionModuleDocument::MODE_SAVE_ONLY), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    ASSERT_EQ(document.IsViewsReady(), TRUE) << LogText();
    auto* const pList = static_cast<JC_OptionModuleView1*>(document.GetView(1));
    EXPECT_EQ(pList->IsOpen(), TRUE);
    // No record exists: the list opens on the first page with empty rows.
    EXPECT_EQ(pList->GetPage(), 0);
    EXPECT_EQ(pList->GetRow(0).pic.GetShow(), FALSE);
    pList->PrevPage();
    EXPECT_EQ(pList->GetPage(), 18);
    pList->NextPage();
    EXPECT_EQ(pList->GetPage(), 0);
    EXPECT_EQ(pList->SetViewMode(3), JE_OPTIONMODULEVIEW1_VIEW_MODE_NOT_SUPPORT);
    EXPECT_EQ(pList->GetViewMode(), JC_OptionModuleView1::VIEW_MODE_SAVE);
    EXPECT_EQ(pList->SetChildView(nullptr), JE_OPTIONMODULEVIEW1_NO_CHILD_VIEW);

    // The box opens over the list; Escape in a start mode closes the screen.
    ASSERT_EQ(pList->SetViewMode(JC_OptionModuleView1::VIEW_MODE_CONFIRM), 0u);
    JC_ModuleViewBase* const pBox = document.GetView(2);
    EXPECT_EQ(pBox->IsOpen(), TRUE);
    EXPECT_EQ(pBox->SetViewMode(1), JE_OPTIONMODULEVIEW2_VIEW_MODE_NOT_SUPPORT);
    // A right-button release anywhere cancels the box, the list takes nothing.
    EXPECT_EQ(pList->MsgProc(WM_RBUTTONUP, 0, 0), 0u);
    EXPECT_EQ(pBox->IsOpen(), FALSE);
    EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_ESCAPE, 0), 1);
    EXPECT_EQ(document.IsActive(), FALSE);
}

TEST_F(OptionScreen, EscapeWithTheBoxShownInTheSaveListClosesOnlyTheBox)
{
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    ASSERT_EQ(document.SetDocumentMode(JC_OptionModuleDocument::MODE_SAVE), 0u);
    auto* const pList = static_cast<JC_OptionModuleView1*>(document.GetView(1));
    ASSERT_EQ(pList->SetViewMode(JC_OptionModuleView1::VIEW_MODE_CONFIRM), 0u);
    EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_ESCAPE, 0), 1);
    EXPECT_EQ(document.GetDocumentMode(), JC_OptionModuleDocument::MODE_SAVE);
    EXPECT_EQ(pList->GetViewMode(), JC_OptionModuleView1::VIEW_MODE_SAVE);
    EXPECT_EQ(document.GetView(2)->IsOpen(), FALSE);
    EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_ESCAPE, 0), 1);
    EXPECT_EQ(document.GetDocumentMode(), JC_OptionModuleDocument::MODE_PANEL);
    document.Close();
}

// A damaged record directory: entries that are no data file, cut short or
// empty leave their rows empty, with a report naming the file.
TEST_F(OptionScreen, ADamagedRecordDirectoryLeavesItsRowsEmpty)
{
    const std::string strEntry = "RecordData_Data.DATA";
    const std::string damaged[] = {
        "#define \x01\x02 ??\r\n@@@",
        "[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n",
        "",
        std::string("[File]\r\n\0\0\0", 12),
    };
    for (int i = 0; i < 4; ++i) {
        const std::string strFolder = GamePath("Save\\0" + std::to_string(i));
        CreateDirectoryA(GamePath("Save").c_str(), nullptr);
        CreateDirectoryA(strFolder.c_str(), nullptr);
        ASSERT_TRUE(WriteTestFile(strFolder + "\\" + strEntry, damaged[i]));
    }
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document, JC_OptionModuleDocument::MODE_LOAD_ONLY), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    ASSERT_EQ(document.IsViewsReady(), TRUE) << LogText();
    auto* const pList = static_cast<JC_OptionModuleView1*>(document.GetView(1));
    EXPECT_EQ(pList->GetPage(), 0);
    for (int iRow = 0; iRow < 4; ++iRow)
        EXPECT_EQ(pList->GetRow(iRow).pic.GetShow(), FALSE) << iRow;
    EXPECT_TRUE(Logged("Save\\00\\" + strEntry)) << LogText();
    // A click on a damaged row loads nothing.
    EXPECT_EQ(pList->MsgProc(WM_LBUTTONDOWN, 0, 0), 0u);

    // The sample's used record cut short and mutated, reread each time: a
    // row shows only a record the directory could read.
    const std::string strSeed = ReadTestFile(std::string(std::getenv("OSKEL_SAMPLE_GAME")) + "Save\\00\\" + strEntry);
    ASSERT_FALSE(strSeed.empty());
    std::vector<std::string> cases;
    AddTruncations(strSeed, &cases);
    AddMutations(strSeed, 300, &cases);
    int iShown = 0;
    for (const std::string& strCase : cases) {
        ASSERT_TRUE(WriteTestFile(GamePath("Save\\00\\") + strEntry, strCase));
        pList->ReloadRecord();
        EXPECT_EQ(pList->GetPage(), 0);
        iShown += pList->GetRow(0).pic.GetShow() ? 1 : 0;
        EXPECT_EQ(pList->GetRow(1).pic.GetShow(), FALSE);
    }
    // The whole record reads, and some damaged copies still do.
    ASSERT_TRUE(WriteTestFile(GamePath("Save\\00\\") + strEntry, strSeed));
    pList->ReloadRecord();
    EXPECT_EQ(pList->GetRow(0).pic.GetShow(), TRUE) << LogText();
    EXPECT_GT(iShown, 0);
    document.Close();
}
