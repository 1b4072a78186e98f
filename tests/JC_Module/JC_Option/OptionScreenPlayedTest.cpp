#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"

#include "Code/Begin/XC_GameProcedure_Begin.h"
#include "Code/XC_Setting.h"
#include "JC_Module/JC_Option/View/JC_OptionModuleView1.h"
#include "JC_Script/JC_ScriptManager.h"
#include "JC_Script/JI_ScriptNotify.h"

#include "bench/Support/OptionScreenOwner.h"
#include "tests/Code/PlayedScreenSupport.h"
#include "tests/Code/StartedGameFixture.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedRegistryKey.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

// Screen points of the sample layout, in game pixels.
const POINT SAVE_BUTTON = {200, 110};
const POINT LOAD_BUTTON = {200, 170};
const POINT TITLE_BUTTON = {200, 230};
// The music knob at volume 100, the right end of its track.
const POINT MUSIC_KNOB = {340, 340};
const POINT MUSIC_SWITCH = {80, 340};
const POINT SOUND_SWITCH = {80, 410};
// The speed knob at "GameSpeed" 100: percent 33 of a 180-pixel track.
const POINT SPEED_KNOB = {219, 480};
const POINT RESTART_A = {600, 75};
const POINT NEXT_PAGE = {750, 575};
const POINT PANEL = {40, 520};
const POINT FIRST_ROW = {770, 170};
// Rows stand 84 pixels apart from the first at 185.
POINT Row(int iRow)
{
    return {600, 185 + 84 * iRow};
}

// Keeps the record numbers handed to one script function.
class ScriptCalls : public JI_ScriptNotify
{
public:
    explicit ScriptCalls(const char* szFunction) : m_strFunction(szFunction)
    {
        gp_ScriptManagerObj->DelFunction(m_strFunction);
        EXPECT_EQ(gp_ScriptManagerObj->AddFunction(m_strFunction, this), 0u);
    }
    ~ScriptCalls() override { gp_ScriptManagerObj->DelFunction(m_strFunction); }

    DWORD Deal(const std::string& strText) override
    {
        m_Calls.push_back(strText);
        return 0;
    }
    const std::vector<std::string>& Calls() const { return m_Calls; }

private:
    std::string m_strFunction;
    std::vector<std::string> m_Calls;
};

// The game started in this process on the sample game, running the
// procedure that owns the option screen, with the settings in a registry key of the test's own; the
// test drives the game's mouse and keys by window messages.
class OptionScreenPlayed : public StartedGameTest
{
protected:
    OptionScreenPlayed()
    {
        XC_GameProcedureFactory::Register(OptionScreenOwner::PROCEDURE_ID, &OptionScreenOwner::Create);
    }
    ~OptionScreenPlayed() override { XC_GameProcedureFactory::Register(OptionScreenOwner::PROCEDURE_ID, nullptr); }

    void SetUp() override
    {
        ASSERT_TRUE(m_Game.Start());
        ASSERT_EQ(g_pSetting->SetRegisterKey(HKEY_CURRENT_USER, m_SettingsKey.Path().c_str()), S_OK);
        g_pSetting->m_bMusicFlag = 1;
        g_pSetting->m_dwMusicVolume = 100;
        g_pSetting->m_bSoundFlag = 1;
        g_pSetting->m_dwSoundVolume = 100;
        g_pSetting->m_dwGameSpeed = 100;
        ASSERT_EQ(g_pSetting->Save(), S_OK);
        m_pDebugLog = std::make_unique<DebugLogCapture>();
        m_pErrorLog = std::make_unique<ErrorLogCapture>();
        ASSERT_EQ(m_Game._ChangeProcedure(OptionScreenOwner::PROCEDURE_ID), S_OK) << Log();
        m_Game.Frames(2);
    }

    // Opens the screen over the procedure.
    void Open()
    {
        ASSERT_NE(g_pOptionModuleDocument, nullptr);
        ASSERT_EQ(g_pOptionModuleDocument->Enable(), S_OK);
        ASSERT_TRUE(g_pOptionModuleDocument->IsViewsReady()) << Log();
        m_Game.Frames(3);
    }

    // Moves the game's cursor from where the game has it to the point; the
    // views see the move once the frame has placed the cursor.
    void MoveTo(POINT point)
    {
        m_Game.MoveMouseBy(point.x - static_cast<int>(g_pMouseStateObj->GetX()),
                           point.y - static_cast<int>(g_pMouseStateObj->GetY()));
        m_Game.Frame();
        m_Game.MoveMouseBy(0, 0);
        m_Game.Frame();
    }
    // The left button pressed at one point and released at the other.
    void Drag(POINT from, POINT to)
    {
        MoveTo(from);
        m_Game.Press(WM_LBUTTONDOWN);
        m_Game.Frame();
        MoveTo(to);
        m_Game.Press(WM_LBUTTONUP);
        m_Game.Frame();
    }
    void Click(POINT point) { Drag(point, point); }
    void KeyUp(WPARAM wKey)
    {
        m_Game.MsgProc(m_Game.Window(), WM_KEYUP, wKey, 0);
        m_Game.Frame();
    }

    // What the data layer and the engine reported since the game started.
    std::string Log() const { return m_pDebugLog->Text() + m_pErrorLog->Text(); }

    JC_OptionModuleView1* RecordList() const
    {
        return static_cast<JC_OptionModuleView1*>(g_pOptionModuleDocument->GetView(1));
    }

    // Made once the game has opened its own logs; they outlive the game.
    std::unique_ptr<DebugLogCapture> m_pDebugLog;
    std::unique_ptr<ErrorLogCapture> m_pErrorLog;
    StartedGame m_Game;
    ScopedRegistryKey m_SettingsKey{"OptionScreenPlayed"};
};

} // namespace

// Every view opens on the sample layout without a report, and the panel
// and the list are drawn over the procedure's frame.
TEST_F(OptionScreenPlayed, EveryViewOpensWithoutAReportAndIsDrawn)
{
    const std::uint32_t dwBelow = PlayedScreenshot(m_Game, "OptionBelow.bmp").Pixel(PANEL.x, PANEL.y);
    Open();
    const BitmapFile panel = PlayedScreenshot(m_Game, "OptionPanel.bmp");
    const std::uint32_t dwPanel = panel.Pixel(PANEL.x, PANEL.y);
    EXPECT_NE(dwPanel, dwBelow);
    EXPECT_GT(Blue(dwPanel), Red(dwPanel)) << std::hex << dwPanel;
    const std::uint32_t dwSave = panel.Pixel(SAVE_BUTTON.x, SAVE_BUTTON.y);
    EXPECT_GT(Blue(dwSave), Red(dwSave) + 0x40) << std::hex << dwSave;
    // The procedure's frame stands beside the panel.
    EXPECT_EQ(panel.Pixel(600, 300), OptionScreenOwner::BACKGROUND_COLOR & 0xFFFFFF);

    Click(SAVE_BUTTON);
    ASSERT_EQ(g_pOptionModuleDocument->GetDocumentMode(), JC_OptionModuleDocument::MODE_SAVE);
    // The used record 00 stands on the first row with its texts and thumbnail.
    EXPECT_EQ(RecordList()->GetPage(), 0);
    EXPECT_EQ(RecordList()->GetRow(0).pic.GetShow(), TRUE);
    EXPECT_EQ(RecordList()->GetRow(1).pic.GetShow(), FALSE);
    const BitmapFile list = PlayedScreenshot(m_Game, "OptionSaveList.bmp");
    const std::uint32_t dwBar = list.Pixel(FIRST_ROW.x, FIRST_ROW.y);
    EXPECT_GT(Blue(dwBar), Red(dwBar)) << std::hex << dwBar;
    // The row's three lines of text stand inside its bar (rows 149 to 218),
    // clear of the top border.
    EXPECT_GT(TextPixels(list, {556, 153, 770, 219}), 100);
    EXPECT_EQ(TextPixels(list, {556, 140, 770, 153}), 0);
    // The box over a used record.
    Click(Row(0));
    EXPECT_EQ(g_pOptionModuleDocument->GetView(2)->IsOpen(), TRUE);
    const std::uint32_t dwBox = PlayedScreenshot(m_Game, "OptionBox.bmp").Pixel(400, 320);
    EXPECT_GT(Red(dwBox), Blue(dwBox) + 0x20) << std::hex << dwBox;
    KeyUp(VK_ESCAPE);
    KeyUp(VK_ESCAPE);
    Click(LOAD_BUTTON);
    ASSERT_EQ(g_pOptionModuleDocument->GetDocumentMode(), JC_OptionModuleDocument::MODE_LOAD);

    const std::string strLog = Log();
    EXPECT_EQ(strLog.find("GetItemData Fail"), std::string::npos) << strLog;
    EXPECT_EQ(strLog.find("Fail"), std::string::npos) << strLog;
    KeyUp(VK_ESCAPE);
    KeyUp(VK_ESCAPE);
    EXPECT_EQ(g_pOptionModuleDocument->IsActive(), FALSE);
}

// Record 7 (page 1, row 2) is saved through "SaveGame" with "7"; restart
// record A is loaded through "LoadGame" with "98".
TEST_F(OptionScreenPlayed, ChosenRecordsGoToTheScriptFunctions)
{
    ScriptCalls saves("SaveGame");
    ScriptCalls loads("LoadGame");
    Open();
    Click(SAVE_BUTTON);
    Click(NEXT_PAGE);
    ASSERT_EQ(RecordList()->GetPage(), 1);
    Click(Row(2));
    EXPECT_EQ(saves.Calls(), std::vector<std::string>{"7"});
    KeyUp(VK_ESCAPE);
    Click(LOAD_BUTTON);
    Click(RESTART_A);
    EXPECT_EQ(loads.Calls(), std::vector<std::string>{"98"});
    EXPECT_EQ(saves.Calls().size(), 1u);
}

// The music switch clicked off, the sound switch off and on again, the music
// knob dragged half way and the speed knob past its left end, then the
// screen closed: the registry holds what was set; Title asks for the title.
TEST_F(OptionScreenPlayed, SwitchesAndSlidersReachTheRegistryAndTitleLeaves)
{
    Open();
    Click(MUSIC_SWITCH);
    Click(SOUND_SWITCH);
    Click(SOUND_SWITCH);
    // The track is 180 pixels long: 90 to the left is half way; the cursor
    // cannot leave the track's row.
    Drag(MUSIC_KNOB, {MUSIC_KNOB.x - 90, MUSIC_KNOB.y + 40});
    // Past the left end of the track: the slowest speed.
    Drag(SPEED_KNOB, {60, SPEED_KNOB.y});
    KeyUp(VK_ESCAPE);
    ASSERT_EQ(g_pOptionModuleDocument->IsActive(), FALSE);

    XC_Setting read;
    ASSERT_EQ(read.SetRegisterKey(HKEY_CURRENT_USER, m_SettingsKey.Path().c_str()), S_OK);
    ASSERT_EQ(read.Load(), S_OK);
    EXPECT_EQ(read.m_bMusicFlag, 0u);
    EXPECT_EQ(read.m_dwMusicVolume, 50u);
    EXPECT_EQ(read.m_bSoundFlag, 1u);
    EXPECT_EQ(read.m_dwSoundVolume, 100u);
    EXPECT_EQ(read.m_dwGameSpeed, 50u);

    Open();
    Click(TITLE_BUTTON);
    m_Game.Frames(2);
    EXPECT_NE(dynamic_cast<const XC_GameProcedure_Begin*>(m_Game.GetProcedureObj()), nullptr);
}
