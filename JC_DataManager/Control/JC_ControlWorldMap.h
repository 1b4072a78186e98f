#pragma once

#include "JC_DataManager/Control/JC_ControlBase.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Operator/JC_OperatorPlace.h"
#include "JC_DataManager/Operator/JC_OperatorWorldMapInfo.h"

constexpr DWORD JE_CONTROLWORLDMAP_WRONG_INITIATION = 0x893A4001;
constexpr DWORD JE_CONTROLWORLDMAP_NULL_CONTROL_GAME = 0x893A4002;
constexpr DWORD JE_CONTROLWORLDMAP_NULL_BEHAVIOR_ANALYSER = 0x893A4003;

// The world map of the current chapter and its places. Every call looks the
// records up afresh for the game's current world-map index, so nothing
// outlives a reload or a change of map.
class JC_ControlWorldMap : public JC_ControlBase
{
public:
    // Refused: the control takes its data manager from the game control.
    DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser) override;
    virtual DWORD Initiation(JC_ControlGame* pControlGame, JC_BehaviorAnalyser* pBehaviorAnalyser);

    // The member operators bound to the current records; null after the
    // report when a record is missing or refused.
    JC_OperatorWorldMapInfo* GetOperatorWorldMapInfoObj();
    JC_OperatorPlace* GetOperatorPlaceObj(DWORD dwPlaceID);

    std::string GetMapScript();
    void SetMapScript(const std::string& strScript);
    std::string GetMapSceneName();
    std::string GetMusic();
    void SetMusic(const std::string& strMusic);
    int GetPlaceCount();
    DWORD GetSitePlaceID();
    void SetSitePlaceID(DWORD dwPlaceID);

    int GetPlaceType(DWORD dwPlaceID);
    int GetPlaceIsOpen(DWORD dwPlaceID);
    // False when the place cannot be had (logged).
    bool SetPlaceIsOpen(DWORD dwPlaceID, int iIsOpen);
    std::string GetPlaceName(DWORD dwPlaceID);
    void SetPlaceName(DWORD dwPlaceID, const std::string& strName);
    std::string GetPlacePhoto(DWORD dwPlaceID);
    void SetPlacePhoto(DWORD dwPlaceID, const std::string& strPhoto);
    float GetPlacePhotoX(DWORD dwPlaceID);
    float GetPlacePhotoZ(DWORD dwPlaceID);
    DWORD GetCanGoPlaceCount(DWORD dwPlaceID);
    DWORD GetCanGoPlace(DWORD dwPlaceID, DWORD dwIndex);
    std::string GetPlaceOverScriptName(DWORD dwPlaceID);
    std::string GetPlaceIntoScriptName(DWORD dwPlaceID);
    std::string GetPlaceExitScriptName(DWORD dwPlaceID);
    void SetPlaceOverScriptName(DWORD dwPlaceID, const std::string& strName);
    void SetPlaceIntoScriptName(DWORD dwPlaceID, const std::string& strName);
    void SetPlaceExitScriptName(DWORD dwPlaceID, const std::string& strName);
    std::string GetPlaceTownMusic(DWORD dwPlaceID);
    void SetPlaceTownMusic(DWORD dwPlaceID, const std::string& strMusic);
    std::string GetPlaceTownBackground(DWORD dwPlaceID);
    int GetPlaceHaveHybridize(DWORD dwPlaceID);
    void SetPlaceHaveHybridize(DWORD dwPlaceID, int iHave);
    int GetPlaceHaveShop(DWORD dwPlaceID);
    void SetPlaceHaveShop(DWORD dwPlaceID, int iHave);
    DWORD GetPlaceShopID(DWORD dwPlaceID);
    void SetPlaceShopID(DWORD dwPlaceID, DWORD dwShopID);
    DWORD GetPlazaPasserCount(DWORD dwPlaceID);
    std::string GetPlazaPasserName(DWORD dwPlaceID, DWORD dwIndex);
    std::string GetPlazaPasserScript(DWORD dwPlaceID, DWORD dwIndex);
    void SetPlazaPasser(DWORD dwPlaceID, DWORD dwIndex, const std::string& strName, const std::string& strScript);

private:
    DWORD GetWorldMapIndex() const;
    // What the call gives through the bound operator, or the fallback when
    // the record cannot be bound.
    template <typename R, typename Call>
    R WithWorldMap(Call call, R fallback)
    {
        JC_OperatorWorldMapInfo* pWorldMap = GetOperatorWorldMapInfoObj();
        return pWorldMap != nullptr ? call(*pWorldMap) : fallback;
    }
    template <typename R, typename Call>
    R WithPlace(DWORD dwPlaceID, Call call, R fallback)
    {
        JC_OperatorPlace* pPlace = GetOperatorPlaceObj(dwPlaceID);
        return pPlace != nullptr ? call(*pPlace) : fallback;
    }

    JC_ControlGame* m_pControlGame = nullptr;
    JC_OperatorWorldMapInfo m_OperatorWorldMapInfoObj;
    JC_OperatorPlace m_OperatorPlaceObj;
};
