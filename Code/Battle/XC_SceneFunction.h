#pragma once

#include "JC_Order/DealOrder/JI_OrderDealBattle.h"

#include <windows.h>
#include <d3dx9math.h>

#include <vector>

class XC_Floorer;
class XC_Scene;

// Step results of CheckFloorStep, in the order they are decided.
constexpr LONG XE_STEP_TOO_COSTLY = 0;
constexpr LONG XE_STEP_JUMP = 1;
constexpr LONG XE_STEP_CLOSED = 2;
constexpr LONG XE_STEP_CANNOT_STAY = 3;
constexpr LONG XE_STEP_ALLOWED = 4;

// What the scene tables read of a person on the field.
struct XS_PersonFacts
{
    DWORD dwTeamIndex = 0;
    DWORD dwFloorIndex = 0;
    DWORD dwCamp = 0;
    DWORD dwLifeState = 0;
};

// Geometric tests on the battle floor: who may stand on a cell, whether one
// step between neighbours is allowed, sides, neighbours, distances and
// directions. Cells are indexes z × width + x of the scene's floor; the
// landform of a cell comes from the scene save record. It is also the
// orders' view of the battle.
class XC_SceneFunction : public JI_OrderDealBattle
{
public:
    XC_SceneFunction() = default;
    virtual ~XC_SceneFunction() = default;
    XC_SceneFunction(const XC_SceneFunction&) = delete;
    XC_SceneFunction& operator=(const XC_SceneFunction&) = delete;

    HRESULT SetSceneObj(XC_Scene* pSceneObj);

    // The landform facts of every cell, read once from the scene save
    // record; the step tests then read these. Refresh after every change of
    // a cell's landform; clearing goes back to reading the record each time.
    HRESULT RefreshCellCache();
    void ClearCellCache();

    // The facts of the battle's persons in team-index order, read from the
    // persons again after a change was noted. The person manager and the
    // persons' moves and deaths note theirs; the battle procedure notes once
    // a frame what scripts and states may have changed meanwhile.
    const std::vector<XS_PersonFacts>& GetPersonFacts();
    void NotePersonChange() { m_bPersonFactsStale = true; }

    LONG CheckFloorStep(LONG lFloorIndexA, LONG lFloorIndexB, LONG lMovePower, LONG lJumpUp, LONG lJumpDown,
                        BOOL bIgnoreTerrain) const;
    // A cell whose landform cannot be had counts as one nobody may stand on.
    LONG IsFloorCanStay(LONG lFloorIndex) const;
    // What entering the cell costs; a landform that cannot be had gives 0,
    // which IsFloorCanStay refuses first.
    LONG GetFloorWalkConsume(LONG lFloorIndex) const;
    DWORD GetFloorThrough(LONG lFloorIndexA, LONG lFloorIndexB) const;
    BOOL CheckFloorJump(LONG lFloorIndexA, LONG lFloorIndexB, LONG lJumpUp, LONG lJumpDown) const;
    BOOL IsFloorThroughOne(LONG lFloorIndexA, LONG lFloorIndexB) const;
    LONG GetFloorDistance(LONG lFloorIndexA, LONG lFloorIndexB) const;
    LONG GetNeighborFloor(LONG lFloorIndex, DWORD dwDirection) const;
    D3DXVECTOR3* GetFloorPosition(D3DXVECTOR3* pvOut, LONG lFloorIndex) const;

    // Direction 0-3 from A towards B, by the axis of the larger difference
    // (ties go to the z axis).
    int GetFloorDirection(int iFloorA, int iFloorB) override;

private:
    // The floor, or null after the reports of a missing scene or floor.
    XC_Floorer* Floorer() const;
    // Reports an index outside the floor; the caller goes on.
    void CheckIndex(const XC_Floorer* pFloorer, LONG lFloorIndex) const;
    void CheckPair(const XC_Floorer* pFloorer, LONG lFloorIndexA, LONG lFloorIndexB) const;
    DWORD DirectionBetween(LONG lFloorIndexA, LONG lFloorIndexB) const;
    static LONG HeightInHundredths(const XC_Floorer* pFloorer, LONG lFloorIndex);

    // A cell's landform facts; a landform that cannot be had is impassable.
    struct XS_CellFacts
    {
        LONG lCanStay = 0;
        LONG lWalkConsume = 0;
    };
    static XS_CellFacts ReadCellFacts(LONG lFloorIndex);

    XC_Scene* m_pSceneObj = nullptr;
    std::vector<XS_CellFacts> m_CellCache;
    std::vector<XS_PersonFacts> m_PersonFacts;
    bool m_bPersonFactsStale = true;
};

extern XC_SceneFunction* g_pSceneFunctionObj;
