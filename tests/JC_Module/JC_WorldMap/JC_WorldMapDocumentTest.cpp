#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"

#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView0.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView2.h"

#include "tests/JC_Module/JC_WorldMap/WorldMapScreenFixture.h"
#include "tests/Support/TextMutations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Mode = JC_WorldMapDocument::JE_Mode;

} // namespace

TEST_F(WorldMapScreen, OpeningReadsThePlacesAndShowsTheMapInModeOne)
{
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_NE(g_pOptionModuleDocument, nullptr);
    ASSERT_EQ(document.Enable(), S_OK);
    ASSERT_EQ(document.IsViewsReady(), TRUE) << LogText();
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_MAP);
    ASSERT_EQ(document.GetPlaceCount(), 3u);
    const JS_WorldMapPlace& town = *document.GetPlace(1);
    EXPECT_EQ(town.iPlaceType, 1);
    EXPECT_EQ(town.fPhotoX, -10.0f);
    EXPECT_EQ(town.vPosition, D3DXVECTOR3(-10.0f, 0.0f, 5.0f));
    EXPECT_EQ(document.GetPlace(2)->canGoPlaces, (std::vector<DWORD>{1, 3}));
    EXPECT_EQ(document.GetPlace(3)->strIntoScriptName, "IntoBattlefield.txt");
    EXPECT_EQ(document.GetPlace(4), nullptr);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(document.GetView(i)->IsOpen(), TRUE) << i;
    EXPECT_EQ(document.GetView(JC_WorldMapDocument::VIEW_CONFIRM)->IsOpen(), FALSE);
    // The site place is selected at the opening.
    EXPECT_EQ(static_cast<JC_WorldMapView0*>(document.GetView(0))->GetSelectedPlace(), 1u);

    EXPECT_EQ(document.UpdateView(4), JE_WORLDMAPDOCUMENT_VIEW_INDEX_NOT_SUPPORT);
    EXPECT_EQ(document.SetDocumentMode(5), JE_WORLDMAPDOCUMENT_MODE_NOT_SUPPORT);
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_MAP);
    document.Close();
    EXPECT_EQ(document.GetPlaceTable(), nullptr);
}

TEST_F(WorldMapScreen, APlaceCountBeyondTheRecordsEndsTheTableAtTheLastPlace)
{
    WorldMap().GetOperatorWorldMapInfoObj()->SetItemDataText("PlaceCount", "9");
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    ASSERT_EQ(document.IsViewsReady(), TRUE) << LogText();
    EXPECT_EQ(document.GetPlaceCount(), 3u);
    EXPECT_EQ(static_cast<JC_WorldMapView0*>(document.GetView(0))->GetMarkCount(), 3u);
    EXPECT_TRUE(Logged("PlaceID:4")) << LogText();
}

TEST_F(WorldMapScreen, EscapeOpensTheOptionScreenOnlyOnTheMap)
{
    const struct
    {
        Mode eMode;
        bool bOpens;
    } cases[] = {{Mode::MODE_MAP, true}, {Mode::MODE_WALK, false}, {Mode::MODE_ARRIVED, false}};
    for (const auto& c : cases) {
        JC_WorldMapDocument document;
        ASSERT_EQ(Initiate(document), 0u);
        ASSERT_EQ(document.Enable(), S_OK);
        ASSERT_EQ(document.SetDocumentMode(c.eMode), 0u);
        EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_ESCAPE, 0), 1);
        EXPECT_EQ(g_pOptionModuleDocument->IsActive(), c.bOpens ? TRUE : FALSE) << c.eMode;
        EXPECT_EQ(document.GetDocumentMode(), c.bOpens ? Mode::MODE_OPTION : c.eMode) << c.eMode;
        if (c.bOpens) {
            // The map stays drawn under the option screen and takes it back
            // in mode 1, its views neither closed nor rebuilt.
            JC_ModuleViewBase* const pScene = document.GetView(0);
            EXPECT_EQ(pScene->IsOpen(), TRUE);
            g_pOptionModuleDocument->Close();
            EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_MAP);
            EXPECT_EQ(document.GetView(0), pScene);
            EXPECT_EQ(pScene->IsOpen(), TRUE);
        }
        document.Close();
    }
}

TEST_F(WorldMapScreen, F5RebuildsTheScreenOnlyWithSystemFlag26)
{
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    const JC_ModuleViewBase* const pScene = document.GetView(0);
    EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_F5, 0), 1);
    EXPECT_EQ(document.GetView(0), pScene);
    Flags().SetFlagSystem(26, 1);
    EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_F5, 0), 1);
    EXPECT_NE(document.GetView(0), pScene);
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_MAP);
    EXPECT_EQ(document.IsViewsReady(), TRUE);
}

TEST_F(WorldMapScreen, TheMapScriptIsClearedBeforeItRunsSoItRunsOnce)
{
    WorldMap().SetMapScript("MissingMapScript.txt");
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    EXPECT_EQ(WorldMap().GetMapScript(), "");
    EXPECT_TRUE(Logged("劇本檔案名稱:MissingMapScript.txt")) << LogText();
}

TEST_F(WorldMapScreen, ViewEventsSwitchModesAndEndTheScreen)
{
    const struct
    {
        const char* szCase;
        int iView;
        DWORD dwEvent;
        int iModeAfter;
        DWORD dwDocumentEvent;
        BOOL bOpen;
    } cases[] = {
        {"state button", 0, JC_WorldMapView0::EVENT_STATE, Mode::MODE_NONE, 1, FALSE},
        {"option button", 0, JC_WorldMapView0::EVENT_OPTION, Mode::MODE_OPTION, 0, TRUE},
        {"destination", 0, JC_WorldMapView0::EVENT_DESTINATION, Mode::MODE_WALK, 0, TRUE},
        {"back to the map", 2, JC_WorldMapView2::EVENT_BACK_TO_MAP, Mode::MODE_MAP, 0, TRUE},
        {"arrived", 2, JC_WorldMapView2::EVENT_ARRIVED, Mode::MODE_ARRIVED, 0, TRUE},
        {"no walk", 2, JC_WorldMapView2::EVENT_NO_WALK, Mode::MODE_MAP, 0, TRUE},
        {"town entered", 2, JC_WorldMapView2::EVENT_TOWN_ENTERED, Mode::MODE_NONE, 2, FALSE},
        {"signs raise nothing", 1, 1, Mode::MODE_MAP, 0, TRUE},
    };
    for (const auto& c : cases) {
        JC_WorldMapDocument document;
        ASSERT_EQ(Initiate(document), 0u);
        ASSERT_EQ(document.Enable(), S_OK);
        EXPECT_EQ(document.DealViewEvent(c.iView, c.dwEvent), 0u) << c.szCase;
        EXPECT_EQ(document.GetDocumentEvent(), c.dwDocumentEvent) << c.szCase;
        EXPECT_EQ(document.IsActive() || g_pOptionModuleDocument->IsActive(), c.bOpen) << c.szCase;
        if (c.bOpen) {
            EXPECT_EQ(document.GetDocumentMode(), c.iModeAfter) << c.szCase;
        }
        g_pOptionModuleDocument->Close();
        document.Close();
    }
    // The event of the last visit does not outlive the next opening.
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    document.DealViewEvent(0, JC_WorldMapView0::EVENT_STATE);
    ASSERT_EQ(document.Enable(), S_OK);
    EXPECT_EQ(document.GetDocumentEvent(), 0u);
}

// The layout record cut short and mutated, reread through F5 each time: the
// screen rebuilds or reports, keeps its places and its mode, and the whole
// record read again builds every view.
TEST_F(WorldMapScreen, ADamagedLayoutRecordIsReportedAndTheWholeOneReadsAgain)
{
    const std::string strLayout = GamePath("Template\\TemplateData\\ModuleData_WorldMap.DATA");
    const std::string strSeed = ReadTestFile(strLayout);
    ASSERT_FALSE(strSeed.empty());
    std::vector<std::string> cases;
    AddTruncations(strSeed, &cases);
    AddMutations(strSeed, 300, &cases);
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    Flags().SetFlagSystem(26, 1);
    int iReady = 0;
    for (const std::string& strCase : cases) {
        ASSERT_TRUE(WriteTestFile(strLayout, strCase));
        EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_F5, 0), 1);
        EXPECT_EQ(document.GetPlaceCount(), 3u);
        EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_MAP);
        iReady += document.IsViewsReady() ? 1 : 0;
    }
    EXPECT_FALSE(LogText().empty());
    ASSERT_TRUE(WriteTestFile(strLayout, strSeed));
    EXPECT_EQ(document.MsgProc(nullptr, WM_KEYUP, VK_F5, 0), 1);
    EXPECT_EQ(document.IsViewsReady(), TRUE) << LogText();
    EXPECT_GT(iReady, 0);
    document.Close();
}
