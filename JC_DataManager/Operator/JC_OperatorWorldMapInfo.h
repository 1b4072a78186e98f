#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// The information record of a world map: its script, scene, music, how many
// places it has and where the party stands.
class JC_OperatorWorldMapInfo : public JC_OperatorBase
{
public:
    JC_OperatorWorldMapInfo();

    std::string GetMapScript() { return GetValue<std::string>("MapScript"); }
    void SetMapScript(const std::string& strValue) { SetValue("MapScript", strValue); }
    std::string GetMapSceneName() { return GetValue<std::string>("MapSceneName"); }
    std::string GetMusic() { return GetValue<std::string>("Music"); }
    void SetMusic(const std::string& strValue) { SetValue("Music", strValue); }
    int GetPlaceCount() { return GetValue<int>("PlaceCount"); }
    DWORD GetSitePlaceID() { return GetValue<DWORD>("SitePlaceID"); }
    void SetSitePlaceID(DWORD dwValue) { SetValue("SitePlaceID", dwValue); }
};
