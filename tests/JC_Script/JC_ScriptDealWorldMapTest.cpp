#include "JC_Script/DealScript/JC_ScriptDealWorldMap.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"

#include "tests/JC_DataManager/GameDataFixture.h"

namespace {

class ScriptDealWorldMap : public GameDataTest
{
protected:
    void SetUp() override
    {
        // The folder's map and places with every text a script sets.
        m_Folder.Write("Template\\Template\\WorldMapInfo.temp",
                       TemplateText(DATACOMPONENTKIND_WORLDMAPINFO,
                                    ItemLine("PlaceCount", "INT32", "0") + ItemLine("MapScript", "STRING", "") +
                                        ItemLine("Music", "STRING", "") + ItemLine("SitePlaceID", "UINT32", "0")));
        std::string strPlaceItems = ItemLine("ShopID", "UINT32", "0") + ItemLine("PlaceIsOpen", "INT32", "1") +
                                    ItemLine("CanGoPlace", "VECTOR", "0", "UINT32", "4,0");
        for (const char* szText : {"PlaceName", "PlacePhoto", "OverScriptName", "IntoScriptName", "ExitScriptName",
                                   "TownMusic"})
            strPlaceItems += ItemLine(szText, "STRING", "");
        m_Folder.Write("Template\\Template\\Place.temp", TemplateText(DATACOMPONENTKIND_PLACE, strPlaceItems));
        GameDataTest::SetUp();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Game.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Control.Initiation(&m_Game, &m_Analyser), 0u);
        ASSERT_EQ(m_Deal.Initiation(&m_Control), 0u);
    }

    JC_BehaviorAnalyser m_Analyser;
    JC_ControlGame m_Game;
    JC_ControlWorldMap m_Control;
    JC_ScriptDealWorldMap m_Deal;
};

} // namespace

TEST_F(ScriptDealWorldMap, MapPlaceAndPlaceInLines)
{
    const struct
    {
        const char* szText;
        DWORD dwResult;
    } lines[] = {
        {"Map,SetMapScript,a,b", 0},
        {"Map,SetMusic,風.wav", 0},
        {"Place,SetSitePlaceID,2", 0},
        {"Place,SetPlaceIsOpen,1,0,9", 0},
        {"Place,SetOverScriptName,1,Town1Over", 0},
        {"Place,SetIntoScriptName,1,Into,1.txt", 0},
        {"Place,SetExitScriptName,1,Exit.txt", 0},
        {"Place,SetTownMusic,1,Town.wav", 0},
        {"Place,SetPlaceName,1,十字路口", 0},
        {"Place,SetPlacePhoto,1,Cross.bmp", 0},
        {"PlaceIn,SetHaveHybridize,1,1", 0},
        {"PlaceIn,SetHaveShop,1,1", 0},
        {"PlaceIn,SetShopID,1,30", 0},
        {"PlaceIn,SetPlazaPasserInfo,1,0,Old man,Talk01,extra", 0},
        {"Town,SetMusic,x", JE_DEALWORLDMAP_UNKNOWN_GROUP},
        {"Map,SetPlaceName,x", JE_DEALWORLDMAP_UNKNOWN_MAP_COMMAND},
        {"Place,SetMusic,x", JE_DEALWORLDMAP_UNKNOWN_PLACE_COMMAND},
        {"Place,SetPlaceIsOpen,999,1", JE_DEALWORLDMAP_NO_PLACE},
        {"Place,SetPlaceIsOpen,0,1", JE_DEALWORLDMAP_NO_PLACE},
        {"PlaceIn,SetMusic,x", JE_DEALWORLDMAP_UNKNOWN_PLACEIN_COMMAND},
        // No world-map procedure runs here.
        {"Map,IntoTown", JE_DEALWORLDMAP_NO_WORLDMAP_PROCEDURE},
    };
    for (const auto& line : lines)
        EXPECT_EQ(m_Deal.Deal(line.szText), line.dwResult) << line.szText;
    EXPECT_EQ(m_Control.GetMapScript(), "a,b");
    EXPECT_EQ(m_Control.GetMusic(), "風.wav");
    EXPECT_EQ(m_Control.GetSitePlaceID(), 2u);
    EXPECT_EQ(m_Control.GetPlaceIsOpen(1), 0);
    EXPECT_EQ(m_Control.GetPlaceOverScriptName(1), "Town1Over");
    EXPECT_EQ(m_Control.GetPlaceIntoScriptName(1), "Into,1.txt");
    EXPECT_EQ(m_Control.GetPlaceExitScriptName(1), "Exit.txt");
    EXPECT_EQ(m_Control.GetPlaceTownMusic(1), "Town.wav");
    EXPECT_EQ(m_Control.GetPlaceName(1), "十字路口");
    EXPECT_EQ(m_Control.GetPlacePhoto(1), "Cross.bmp");
    EXPECT_EQ(m_Control.GetPlaceShopID(1), 30u);
    EXPECT_EQ(m_Log.Count(" ScriptDealWorldMap FunctionNameNotSupport. \r\n Script:SetMusic,x"), 2u);
    EXPECT_EQ(m_Log.Count(" ScriptDealWorldMap FunctionTypeNotSupport. \r\n Script:Town,SetMusic,x"), 1u);

    JC_ScriptDealWorldMap deal;
    EXPECT_EQ(deal.Initiation(nullptr), JE_DEALWORLDMAP_NO_CONTROL);
    EXPECT_EQ(deal.Deal("Map,SetMusic,x"), JE_DEALWORLDMAP_NO_CONTROL);
}
