#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A place of a world map: its name and picture, the places reachable from
// it, its scripts and what its town offers.
class JC_OperatorPlace : public JC_OperatorBase
{
public:
    JC_OperatorPlace();

    int GetPlaceType() { return GetValue<int>("PlaceType"); }
    int GetPlaceIsOpen() { return GetValue<int>("PlaceIsOpen"); }
    void SetPlaceIsOpen(int iValue) { SetValue("PlaceIsOpen", iValue); }
    std::string GetPlaceName() { return GetValue<std::string>("PlaceName"); }
    void SetPlaceName(const std::string& strValue) { SetValue("PlaceName", strValue); }
    std::string GetPlacePhoto() { return GetValue<std::string>("PlacePhoto"); }
    void SetPlacePhoto(const std::string& strValue) { SetValue("PlacePhoto", strValue); }
    float GetPlacePhotoX() { return GetValue<float>("PlacePhotoX"); }
    float GetPlacePhotoZ() { return GetValue<float>("PlacePhotoZ"); }
    DWORD GetCanGoPlaceCount();
    DWORD GetCanGoPlace(DWORD dwIndex) { return GetValue<DWORD>("CanGoPlace", dwIndex); }
    std::string GetOverScriptName() { return GetValue<std::string>("OverScriptName"); }
    void SetOverScriptName(const std::string& strValue) { SetValue("OverScriptName", strValue); }
    std::string GetIntoScriptName() { return GetValue<std::string>("IntoScriptName"); }
    void SetIntoScriptName(const std::string& strValue) { SetValue("IntoScriptName", strValue); }
    std::string GetExitScriptName() { return GetValue<std::string>("ExitScriptName"); }
    void SetExitScriptName(const std::string& strValue) { SetValue("ExitScriptName", strValue); }
    std::string GetTownMusic() { return GetValue<std::string>("TownMusic"); }
    void SetTownMusic(const std::string& strValue) { SetValue("TownMusic", strValue); }
    void GetTownBackground(std::string& strBackground) { strBackground = GetValue<std::string>("TownBackground"); }
    int GetHaveHybridize() { return GetValue<int>("HaveHybridize"); }
    void SetHaveHybridize(int iValue) { SetValue("HaveHybridize", iValue); }
    int GetHaveShop() { return GetValue<int>("HaveShop"); }
    void SetHaveShop(int iValue) { SetValue("HaveShop", iValue); }
    DWORD GetShopID() { return GetValue<DWORD>("ShopID"); }
    void SetShopID(DWORD dwValue) { SetValue("ShopID", dwValue); }

    // The passers-by on the town square: name and script, same index.
    DWORD GetPlazaPasserCount();
    std::string GetPlazaPasserName(DWORD dwIndex) { return GetValue<std::string>("PlazaPasserName", dwIndex); }
    std::string GetPlazaPasserScript(DWORD dwIndex) { return GetValue<std::string>("PlazaPasserScript", dwIndex); }
    void SetPlazaPasserName(DWORD dwIndex, const std::string& strName) { SetValue("PlazaPasserName", strName, dwIndex); }
    void SetPlazaPasserScript(DWORD dwIndex, const std::string& strScript)
    {
        SetValue("PlazaPasserScript", strScript, dwIndex);
    }
    void SetPlazaPasser(DWORD dwIndex, const std::string& strName, const std::string& strScript);
};
