#include "JC_Module/JC_WorldMap/JC_WorldMapProcedure.h"

#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"
#include "JC_Module/JC_Town/JC_TownModuleDocument.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"

#include "tests/JC_Module/JC_WorldMap/WorldMapScreenFixture.h"

#include <gtest/gtest.h>

namespace {

// A world map that ends with any document event.
class EndingWorldMap : public JC_WorldMapDocument
{
public:
    void End(DWORD dwEvent)
    {
        SetDocumentEvent(dwEvent);
        Close();
    }
};

// The procedure pushed as the game's switch pushes it, on the fixture's
// mouse; Fini when the test ends.
class WorldMapProcedure : public WorldMapScreen
{
protected:
    WorldMapProcedure() : m_pSavedMouseState(g_pMouseStateObj), m_pSavedMouse(g_pMouseObj)
    {
        g_pMouseStateObj = &m_State;
        g_pMouseObj = &m_Mouse;
    }
    ~WorldMapProcedure() override
    {
        m_Manager.RemoveAllModules();
        m_Procedure.Fini();
        g_pMouseStateObj = m_pSavedMouseState;
        g_pMouseObj = m_pSavedMouse;
    }

    // Init, then the map replaced by one that can end with any event, then
    // the push that opens it.
    EndingWorldMap* Start()
    {
        EXPECT_EQ(m_Procedure.SetModuleManager(&m_Manager), S_OK);
        EXPECT_EQ(m_Procedure.Init(), S_OK);
        EXPECT_EQ(m_Procedure.GetCurrentScreen(), JC_WorldMapProcedure::SCREEN_NONE);
        // The town has tests of its own; here a switch to it opens nothing.
        delete g_pTownModuleDocumentObj;
        g_pTownModuleDocumentObj = nullptr;
        delete g_pWorldMapDocumentObj;
        auto* const pMap = new EndingWorldMap;
        g_pWorldMapDocumentObj = pMap;
        EXPECT_EQ(Initiate(*pMap), 0u);
        EXPECT_EQ(m_Procedure.Enable(), S_OK);
        return pMap;
    }

    JC_WorldMapProcedure m_Procedure;

private:
    XC_MouseState* m_pSavedMouseState;
    XC_Mouse* m_pSavedMouse;
};

} // namespace

TEST_F(WorldMapProcedure, TheMapOpensAtOnceAndTheStateScreenReturnsToIt)
{
    EndingWorldMap* const pMap = Start();
    ASSERT_NE(g_pStateModuleDocumentObj, nullptr);
    ASSERT_NE(g_pOptionModuleDocument, nullptr);
    EXPECT_EQ(m_Procedure.GetCurrentScreen(), JC_WorldMapProcedure::SCREEN_WORLD_MAP);
    EXPECT_EQ(pMap->IsActive(), TRUE);
    EXPECT_EQ(pMap->GetDocumentMode(), JC_WorldMapDocument::MODE_MAP);

    // Event 1: the state screen on the party's first person.
    pMap->End(JC_WorldMapDocument::EVENT_STATE_SCREEN);
    EXPECT_EQ(m_Procedure.GetCurrentScreen(), JC_WorldMapProcedure::SCREEN_STATE);
    EXPECT_EQ(m_Procedure.GetReturnStep(), static_cast<DWORD>(JC_WorldMapProcedure::STEP_STATE_FROM_MAP));
    EXPECT_EQ(g_pStateModuleDocumentObj->IsActive(), TRUE);
    EXPECT_EQ(g_pStateModuleDocumentObj->GetOperateTeam(), 1u);
    EXPECT_EQ(g_pStateModuleDocumentObj->GetOperateTeamIndex(), 0);
    g_pStateModuleDocumentObj->Close();
    EXPECT_EQ(m_Procedure.GetCurrentScreen(), JC_WorldMapProcedure::SCREEN_WORLD_MAP);
    EXPECT_EQ(m_Procedure.GetReturnStep(), static_cast<DWORD>(JC_WorldMapProcedure::STEP_NONE));
    EXPECT_EQ(pMap->IsActive(), TRUE);
    EXPECT_EQ(pMap->GetDocumentEvent(), 0u);

    // Event 2 asks for the town, which opens nothing here; any other event
    // leaves the procedure on top with no screen open.
    for (const DWORD dwEvent : {2u, 0u, 7u}) {
        m_Procedure.SwitchScreen(JC_WorldMapProcedure::SCREEN_WORLD_MAP, 1);
        pMap->End(dwEvent);
        EXPECT_EQ(pMap->IsActive(), FALSE) << dwEvent;
        EXPECT_EQ(g_pStateModuleDocumentObj->IsActive(), FALSE) << dwEvent;
        EXPECT_EQ(m_Procedure.IsFocus(), TRUE) << dwEvent;
    }
}

TEST_F(WorldMapProcedure, ASwitchThatClosesTheOpenMapOpensOnlyTheScreenAsked)
{
    EndingWorldMap* const pMap = Start();
    // The map's last event asked for the state screen; a script's switch to
    // the town closes the map without acting on that old event.
    pMap->End(JC_WorldMapDocument::EVENT_STATE_SCREEN);
    g_pStateModuleDocumentObj->Close();
    ASSERT_EQ(pMap->IsActive(), TRUE);
    EXPECT_EQ(m_Procedure.SwitchScreen(JC_WorldMapProcedure::SCREEN_TOWN, 1), 0u);
    EXPECT_EQ(pMap->IsActive(), FALSE);
    EXPECT_EQ(g_pStateModuleDocumentObj->IsActive(), FALSE);
    EXPECT_EQ(m_Procedure.GetCurrentScreen(), JC_WorldMapProcedure::SCREEN_TOWN);
}

TEST_F(WorldMapProcedure, TheMapMusicIsAddedAndDeletedOnlyWhenItIsNamed)
{
    Start();
    EXPECT_EQ(m_GameLines.lines,
              (std::vector<std::string>{"BackgroundMusic AddMusic Music\\WorldMap.wav 10", "BackgroundMusic Play"}));
    m_GameLines.lines.clear();
    m_Manager.RemoveAllModules();
    ASSERT_EQ(m_Procedure.Fini(), S_OK);
    EXPECT_EQ(g_pStateModuleDocumentObj, nullptr);
    EXPECT_EQ(g_pWorldMapDocumentObj, nullptr);
    EXPECT_EQ(g_pOptionModuleDocument, nullptr);
    EXPECT_EQ(m_GameLines.lines, (std::vector<std::string>{"BackgroundMusic DelMusic 10"}));

    WorldMap().SetMusic("");
    m_GameLines.lines.clear();
    JC_WorldMapProcedure silent;
    ASSERT_EQ(silent.SetModuleManager(&m_Manager), S_OK);
    ASSERT_EQ(silent.Init(), S_OK);
    EXPECT_EQ(m_GameLines.lines, (std::vector<std::string>{"BackgroundMusic Stop"}));
    m_GameLines.lines.clear();
    ASSERT_EQ(silent.Fini(), S_OK);
    EXPECT_TRUE(m_GameLines.lines.empty());
}

TEST_F(WorldMapProcedure, AnOwnerThatFindsTheScreensStillMadeReportsThem)
{
    g_pStateModuleDocumentObj = new JC_StateModuleDocument;
    Start();
    EXPECT_TRUE(Logged("WorldMapProcedure Init StateModuleDocument AlreadyExists.")) << LogText();
    EXPECT_EQ(m_Procedure.GetCurrentScreen(), JC_WorldMapProcedure::SCREEN_WORLD_MAP);
}
