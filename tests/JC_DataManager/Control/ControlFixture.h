#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"

#include "tests/JC_DataManager/GameFolderFixture.h"

// A game folder with every record the shared controls bind: the game, a
// scene of its information and two floors, two landforms, the script flags,
// an empty script stack, the four screen layouts, and the templates of
// weapons, wearings, gems and evolutions.

inline std::string IntItems(const std::vector<std::string>& names)
{
    std::string strItems;
    for (const std::string& strName : names)
        strItems += ItemLine(strName, "INT32", "0");
    return strItems;
}

inline std::string TextItems(const std::vector<std::string>& names)
{
    std::string strItems;
    for (const std::string& strName : names)
        strItems += ItemLine(strName, "STRING", "");
    return strItems;
}

inline std::string TextLists(const std::vector<std::string>& names)
{
    std::string strItems;
    for (const std::string& strName : names)
        strItems += TemplateVectorItem(strName, "STRING");
    return strItems;
}

class ControlFixture : public GameFolderFixture
{
protected:
    ControlFixture()
    {
        WriteTemplate("Game", 0x70001, IntItems({"Money", "WorldMapIndex"}));
        WriteTemplate("SceneInfo", 0x190001,
                      IntItems({"MapWidth", "MapHeight", "MaxTurn", "Turn", "CampTurn", "RoundStep", "CampStep"}) +
                          TextItems({"SceneFileName", "WinCondition", "LoseCondition", "WinScript", "LoseScript",
                                     "MusicCampPlayer", "MusicCampComputer", "NextFightScript"}) +
                          TemplateVectorItem("StartingPoint", "UINT32"));
        WriteTemplate("Floor", 0x60001,
                      IntItems({"Index", "IndexX", "IndexZ", "IsDisableMagic", "DisableMagicRound"}) +
                          ItemLine("LandformID", "UINT32", "1"));
        WriteTemplate("Landform", 0x120001,
                      IntItems({"WalkConsume", "CanStay", "ExtraNatureAttackRate", "ExtraNatureDefenseRate",
                                    "ExtraHitRate", "ExtraDodgeRate", "ExtraHPRestoreRate", "ExtraSPRestoreRate",
                                    "ExtraHPDamageRate", "ExtraSPDamageRate"}));
        WriteTemplate("ScriptFlag", 0x190002,
                      TemplateVectorItem("FlagEvent", "INT32") + TemplateVectorItem("FlagTalk", "INT32") +
                          TemplateVectorItem("FlagSystem", "INT32") + TextLists({"FlagString"}));
        WriteTemplate("ScriptInfo", 0x190003,
                      TextLists({"ScriptArray"}) + TemplateVectorItem("OrderIfResult", "INT32") +
                          IntItems({"TotalLine", "WillDealLine", "IsUseOrderIf", "OrderIfLayer", "BracketCount",
                                    "IsUseOrderWhile", "Position", "MarkWhilePosition"}));
        const std::string strModuleItems = IntItems({"Width"}) + TextItems({"Title"}) +
                                           ItemLine("Scale", "FLOAT", "F0.5");
        WriteTemplate("ModuleOption", 0x130001, strModuleItems);
        WriteTemplate("ModuleState", 0x130002, strModuleItems);
        WriteTemplate("ModuleTown", 0x130003, strModuleItems);
        WriteTemplate("ModuleWorldMap", 0x130004, strModuleItems);
        const std::string strEquipment = TextItems({"Name"}) +
                                         IntItems({"IsKeyItem", "HoleCount", "WearPosition", "ActionScriptID",
                                                   "Defense"}) +
                                         TemplateVectorItem("Gem", "UINT32") + TextLists({"EquipBehavior"});
        WriteTemplate("Weapon", 0x230001,
                      strEquipment + TextLists({"FightBehavior"}) +
                          IntItems({"Attack", "ScopeLV", "DistanceNear", "DistanceFar", "HeightHigh", "HeightLow",
                                    "HPAbsorbRate", "HPAbsorbValue", "SPAbsorbRate", "SPAbsorbValue"}));
        WriteTemplate("Wearing", 0x230002, strEquipment);
        WriteTemplate("Gem", 0x70002,
                      TextItems({"TitleName"}) +
                          IntItems({"IsKeyItem", "WearPosition"}) +
                          TextLists({"InlayBehavior", "InlayBehavior_Equip", "InlayBehavior_Fight"}));
        WriteTemplate("Evolution", 0x50001,
                      IntItems({"EvolutionHP", "EvolutionMorale"}) +
                          TextLists({"EvolutionBehavior"}));

        WriteUnfixedData({
            {"UnfixedData_Game.DATA", ArrayDataFile({{0x70001, "Money\"50\"\r\n"}})},
            {"UnfixedData_Scene.DATA", ArrayDataFile({{0x190001, "MapWidth\"2\"\r\nMapHeight\"1\"\r\n"},
                                                      {0x60001, "IndexX\"0\"\r\nLandformID\"2\"\r\n"},
                                                      {0x60001, "IndexX\"1\"\r\n"}})},
            {"UnfixedData_ScriptFlag.DATA", ArrayDataFile({{0x190002, "FlagSystem\"[16],7\"\r\n"}})},
            {"UnfixedData_ScriptInfo.DATA", ArrayDataFile({}, "", 0x190003)},
        });
        WriteFixedData({{"FixedData_Landform.DATA",
                         ArrayDataFile({{0x120001, "ID\"1\"\r\nWalkConsume\"1\"\r\nCanStay\"1\"\r\n"},
                                        {0x120001, "ID\"2\"\r\nWalkConsume\"3\"\r\nExtraHitRate\"-10\"\r\n"}},
                                       "ID", 0x120001)}});
        const std::string strModule = "Width\"800\"\r\nTitle\"選項\"\r\nScale\"F1.5\"\r\n";
        WriteModuleData({{"ModuleData_Option.DATA", ArrayDataFile({{0x130001, strModule}})},
                         {"ModuleData_State.DATA", ArrayDataFile({{0x130002, strModule}})},
                         {"ModuleData_Town.DATA", ArrayDataFile({{0x130003, strModule}})},
                         {"ModuleData_WorldMap.DATA", ArrayDataFile({{0x130004, strModule}})}});
    }

    // Initiates the data manager and loads the fixed data, the save state and
    // the layouts.
    void Load()
    {
        Initiate();
        ASSERT_EQ(m_DataManager.InitFixedData(1), 0u) << LogText();
        ASSERT_EQ(m_DataManager.InitUnfixedData(0), 0u) << LogText();
        ASSERT_EQ(m_DataManager.InitModuleData(), 0u) << LogText();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
    }

    JC_BehaviorAnalyser m_Analyser;
};
