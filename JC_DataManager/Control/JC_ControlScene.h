#pragma once

#include "JC_DataManager/Control/JC_ControlBase.h"
#include "JC_DataManager/Operator/JC_OperatorFloor.h"
#include "JC_DataManager/Operator/JC_OperatorLandform.h"
#include "JC_DataManager/Operator/JC_OperatorSceneInfo.h"

class JC_DataArrayManager;

constexpr DWORD JE_SCENE_NO_SCENE_DATA = 0x89280001;
constexpr DWORD JE_SCENE_BAD_SIZE = 0x89280002;

// The current battle scene in the save state: the scene information at
// position 0 of the Scene data and floor cell i (i = z x width + x) at
// position i + 1, with the landform of the fixed data that lies on a cell.
// Every call binds the record it needs; what a call gives when that fails
// is part of its contract.
class JC_ControlScene : public JC_ControlBase
{
public:
    static constexpr DWORD FLOOR_TEMPLATE = 0x60001;

    DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser) override;
    // Turn counters and steps to 0, the scene file name, no conditions,
    // scripts or starting points.
    virtual DWORD ResetSceneInfo(const std::string& strSceneFileName);
    // Replaces every floor with width x height new floors, numbered row by
    // row.
    DWORD BuildFloors(int iWidth, int iHeight);

    DWORD BindSceneInfo();
    DWORD BindFloor(int iFloor);
    DWORD BindLandform(int iFloor);

    // Scene information.
    int GetFloorCount();
    int GetMapWidth() { return SceneInfoOr(&JC_OperatorSceneInfo::GetMapWidth); }
    int GetMapHeight() { return SceneInfoOr(&JC_OperatorSceneInfo::GetMapHeight); }
    int GetTurn() { return SceneInfoOr(&JC_OperatorSceneInfo::GetTurn); }
    int GetCampTurn() { return SceneInfoOr(&JC_OperatorSceneInfo::GetCampTurn); }
    int GetRoundStep() { return SceneInfoOr(&JC_OperatorSceneInfo::GetRoundStep); }
    void SetMaxTurn(int iTurn) { SetSceneInfo(&JC_OperatorSceneInfo::SetMaxTurn, iTurn); }
    void SetTurn(int iTurn) { SetSceneInfo(&JC_OperatorSceneInfo::SetTurn, iTurn); }
    void SetCampStep(int iStep) { SetSceneInfo(&JC_OperatorSceneInfo::SetCampStep, iStep); }
    DWORD SetCampTurn(int iCamp) { return SetSceneInfo(&JC_OperatorSceneInfo::SetCampTurn, iCamp); }
    DWORD SetRoundStep(int iStep) { return SetSceneInfo(&JC_OperatorSceneInfo::SetRoundStep, iStep); }
    std::string GetSceneFileName() { return SceneText(&JC_OperatorSceneInfo::GetSceneFileName); }
    std::string GetWinCondition() { return SceneText(&JC_OperatorSceneInfo::GetWinCondition); }
    std::string GetLoseCondition() { return SceneText(&JC_OperatorSceneInfo::GetLoseCondition); }
    std::string GetMusicCampPlayer() { return SceneText(&JC_OperatorSceneInfo::GetMusicCampPlayer); }
    std::string GetMusicCampComputer() { return SceneText(&JC_OperatorSceneInfo::GetMusicCampComputer); }
    std::string GetNextFightScript() { return SceneText(&JC_OperatorSceneInfo::GetNextFightScript); }
    void SetSceneFileName(const std::string& strText) { SetSceneInfo(&JC_OperatorSceneInfo::SetSceneFileName, strText); }
    void SetWinCondition(const std::string& strText) { SetSceneInfo(&JC_OperatorSceneInfo::SetWinCondition, strText); }
    void SetLoseCondition(const std::string& strText) { SetSceneInfo(&JC_OperatorSceneInfo::SetLoseCondition, strText); }
    void SetWinScript(const std::string& strText) { SetSceneInfo(&JC_OperatorSceneInfo::SetWinScript, strText); }
    void SetLoseScript(const std::string& strText) { SetSceneInfo(&JC_OperatorSceneInfo::SetLoseScript, strText); }
    void SetMusicCampPlayer(const std::string& strText)
    {
        SetSceneInfo(&JC_OperatorSceneInfo::SetMusicCampPlayer, strText);
    }
    void SetMusicCampComputer(const std::string& strText)
    {
        SetSceneInfo(&JC_OperatorSceneInfo::SetMusicCampComputer, strText);
    }
    void SetNextFightScript(const std::string& strText)
    {
        SetSceneInfo(&JC_OperatorSceneInfo::SetNextFightScript, strText);
    }
    // -1 when the scene information cannot be bound.
    int GetStartingPointCount();
    int GetStartingPoint(DWORD dwIndex);
    void ClearStartingPoints();
    DWORD AddStartingPoint(DWORD dwFloor);

    // Floor cell i.
    int GetLandformID(int iFloor);
    int GetIndexX(int iFloor) { return FloorOr(iFloor, &JC_OperatorFloor::GetIndexX, -1); }
    int GetIndexZ(int iFloor) { return FloorOr(iFloor, &JC_OperatorFloor::GetIndexZ, -1); }
    int GetDisableMagicRound(int iFloor) { return FloorOr(iFloor, &JC_OperatorFloor::GetDisableMagicRound, -1); }
    // The binding's code when the floor cannot be bound.
    int GetIsDisableMagic(int iFloor);
    void SetLandformID(int iFloor, DWORD dwLandformID);
    void SetIsDisableMagic(int iFloor, int iFlag);
    // A ban of rounds other than 0 disables magic on the cell; 0 lifts it.
    void SetDisableMagicRound(int iFloor, int iRounds);

    // The landform of floor cell i; the binding's code when it cannot be had.
    int GetWalkConsume(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetWalkConsume); }
    int GetCanStay(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetCanStay); }
    int GetExtraNatureAttackRate(int iFloor)
    {
        return LandformOr(iFloor, &JC_OperatorLandform::GetExtraNatureAttackRate);
    }
    int GetExtraNatureDefenseRate(int iFloor)
    {
        return LandformOr(iFloor, &JC_OperatorLandform::GetExtraNatureDefenseRate);
    }
    int GetExtraHitRate(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetExtraHitRate); }
    int GetExtraDodgeRate(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetExtraDodgeRate); }
    int GetExtraHPRestoreRate(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetExtraHPRestoreRate); }
    int GetExtraSPRestoreRate(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetExtraSPRestoreRate); }
    int GetExtraHPDamageRate(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetExtraHPDamageRate); }
    int GetExtraSPDamageRate(int iFloor) { return LandformOr(iFloor, &JC_OperatorLandform::GetExtraSPDamageRate); }

private:
    DWORD RemoveFloors(JC_DataArrayManager& scene);
    DWORD AddFloors(JC_DataArrayManager& scene, DWORD dwCount);
    void NumberFloors(int iWidth, int iHeight);

    // The getter's value, or the binding's code.
    int SceneInfoOr(int (JC_OperatorSceneInfo::*pfnGet)());
    std::string SceneText(std::string (JC_OperatorSceneInfo::*pfnGet)());
    // Writes when the scene information can be bound; 0 or the binding's code.
    template <typename T>
    DWORD SetSceneInfo(void (JC_OperatorSceneInfo::*pfnSet)(T), const T& value);
    int FloorOr(int iFloor, int (JC_OperatorFloor::*pfnGet)(), int iOnFailure);
    int LandformOr(int iFloor, int (JC_OperatorLandform::*pfnGet)());

    JC_OperatorSceneInfo m_OperatorSceneInfoObj;
    JC_OperatorFloor m_OperatorFloorObj;
    JC_OperatorLandform m_OperatorLandformObj;
};

template <typename T>
DWORD JC_ControlScene::SetSceneInfo(void (JC_OperatorSceneInfo::*pfnSet)(T), const T& value)
{
    const DWORD dwResult = BindSceneInfo();
    if (dwResult == 0)
        (m_OperatorSceneInfoObj.*pfnSet)(value);
    return dwResult;
}
