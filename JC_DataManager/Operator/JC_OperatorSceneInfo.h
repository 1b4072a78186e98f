#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// The one scene-information record of the battle scene: map size, turn
// counters, conditions and scripts, starting points and music.
class JC_OperatorSceneInfo : public JC_OperatorBase
{
public:
    JC_OperatorSceneInfo();

    int GetMapWidth() { return GetValue<int>("MapWidth"); }
    void SetMapWidth(int iValue) { SetValue("MapWidth", iValue); }
    int GetMapHeight() { return GetValue<int>("MapHeight"); }
    void SetMapHeight(int iValue) { SetValue("MapHeight", iValue); }
    void SetMaxTurn(int iValue) { SetValue("MaxTurn", iValue); }
    int GetTurn() { return GetValue<int>("Turn"); }
    void SetTurn(int iValue) { SetValue("Turn", iValue); }
    int GetCampTurn() { return GetValue<int>("CampTurn"); }
    void SetCampTurn(int iValue) { SetValue("CampTurn", iValue); }
    std::string GetSceneFileName() { return GetValue<std::string>("SceneFileName"); }
    void SetSceneFileName(std::string strValue) { SetValue("SceneFileName", strValue); }
    int GetRoundStep() { return GetValue<int>("RoundStep"); }
    void SetRoundStep(int iValue) { SetValue("RoundStep", iValue); }
    void SetCampStep(int iValue) { SetValue("CampStep", iValue); }
    std::string GetWinCondition() { return GetValue<std::string>("WinCondition"); }
    void SetWinCondition(std::string strValue) { SetValue("WinCondition", strValue); }
    std::string GetLoseCondition() { return GetValue<std::string>("LoseCondition"); }
    void SetLoseCondition(std::string strValue) { SetValue("LoseCondition", strValue); }
    void SetWinScript(std::string strValue) { SetValue("WinScript", strValue); }
    void SetLoseScript(std::string strValue) { SetValue("LoseScript", strValue); }
    std::string GetMusicCampPlayer() { return GetValue<std::string>("MusicCampPlayer"); }
    void SetMusicCampPlayer(std::string strValue) { SetValue("MusicCampPlayer", strValue); }
    std::string GetMusicCampComputer() { return GetValue<std::string>("MusicCampComputer"); }
    void SetMusicCampComputer(std::string strValue) { SetValue("MusicCampComputer", strValue); }
    std::string GetNextFightScript() { return GetValue<std::string>("NextFightScript"); }
    void SetNextFightScript(std::string strValue) { SetValue("NextFightScript", strValue); }

    // The floors the player places persons on before the battle.
    DWORD GetStartingPointCount() { return GetSpaceCount<JC_DWordArray>("StartingPoint"); }
    // 0 outside the list.
    DWORD GetStartingPoint(DWORD dwIndex);
    void ClsStartingPoint();
    // Appends the floor unless the list is full; 0.
    DWORD AddStartingPoint(DWORD dwValue);

private:
    JC_DWordArray* GetStartingPoints();
};
