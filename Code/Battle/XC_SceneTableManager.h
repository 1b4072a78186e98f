#pragma once

#include <windows.h>

#include <array>
#include <vector>

class XC_Floorer;
class XC_GamePerson;

// Camps of the battle.
constexpr DWORD XE_CAMP_PLAYER = 0;
constexpr DWORD XE_CAMP_PARTNER = 1;
constexpr DWORD XE_CAMP_NATURAL = 2;
constexpr DWORD XE_CAMP_COMPUTER = 3;
// A life state filter that takes every person.
constexpr DWORD XE_LIFE_STATE_ANY = 3;

// Move types: walking, and the three that fly over the floor.
constexpr DWORD XE_MOVE_TYPE_WALK = 0;
constexpr DWORD XE_MOVE_TYPE_FLY_1 = 0x10000;
constexpr DWORD XE_MOVE_TYPE_FLY_2 = 0x20000;
constexpr DWORD XE_MOVE_TYPE_FLY_3 = 0x30000;

// The recipe of one MergeTable call: for each cell, compare two values and
// merge two values into the target by the branch taken. Value codes 1-4
// are the tables, 5-8 the constants.
struct sMergeTableInfo
{
    LONG* plTableTarget = nullptr;
    LONG* plTable1 = nullptr;
    LONG* plTable2 = nullptr;
    LONG* plTable3 = nullptr;
    LONG* plTable4 = nullptr;
    LONG lValue1 = 0;
    LONG lValue2 = 0;
    LONG lValue3 = 0;
    LONG lValue4 = 0;
    DWORD dwCompareValue1 = 0;
    DWORD dwCompareValue2 = 0;
    DWORD dwCompareType = 1;
    DWORD dwSuccessValue1 = 0;
    DWORD dwSuccessValue2 = 0;
    DWORD dwSuccessMergeType = 0;
    DWORD dwFailValue1 = 0;
    DWORD dwFailValue2 = 0;
    DWORD dwFailMergeType = 0;
};

// Per-cell tables of the battle floor (one signed value a cell, -1 where
// the cell is out): move scopes by flood fill, distances, attack scopes,
// where persons stand, zones of control and forces, and their cell-by-cell
// merging. Most builders hand out a table of a ring of 25 scratch tables,
// valid until 25 more are handed out; CloneTable and the two owned
// builders allocate, and their caller frees with delete[].
class XC_SceneTableManager
{
public:
    static constexpr DWORD TABLE_RING_SIZE = 25;

    XC_SceneTableManager() = default;
    virtual ~XC_SceneTableManager();
    XC_SceneTableManager(const XC_SceneTableManager&) = delete;
    XC_SceneTableManager& operator=(const XC_SceneTableManager&) = delete;

    virtual DWORD GetFloorCount() const { return m_dwFloorCount; }
    virtual DWORD GetWidth() const { return m_dwWidth; }
    virtual DWORD GetLength() const { return m_dwLength; }
    virtual DWORD GetMaxDistance() const { return m_dwMaxDistance; }
    virtual LONG GetFloorIndex(LONG lX, LONG lZ) const;
    virtual LONG GetFloorX(LONG lFloorIndex) const;
    virtual LONG GetFloorZ(LONG lFloorIndex) const;
    virtual LONG GetDistance(LONG lFloorIndexA, LONG lFloorIndexB) const;
    virtual LONG* BuildTableDistance(LONG lCenterIndex, LONG lRange, BOOL bDistance);

    HRESULT Init();
    HRESULT Fini();
    LONG* GetNewTable(LONG lInitValue);
    LONG* CloneTable(const LONG* plTable) const;
    LONG* BuildTableMovePower(XC_GamePerson* pPersonObj, LONG lMovePower);
    LONG* BuildTableMoveScope(XC_GamePerson* pPersonObj, LONG lMovePower);
    LONG* BuildTableMovePowerByType(LONG lSourceIndex, LONG lMovePower, LONG lJumpUp, LONG lJumpDown, DWORD dwCamp,
                                    DWORD dwMoveType, BOOL bReverse, BOOL bIgnoreZOC);
    LONG* BuildTableZOC(DWORD dwCamp);
    LONG* BuildTableAllPerson();
    LONG* BuildTableAlliedPerson(DWORD dwCamp, DWORD dwLifeState);
    LONG* BuildTableHostilePerson(DWORD dwCamp, DWORD dwLifeState);
    LONG* BuildTableEnemyDistance(DWORD dwCamp);
    LONG* BuildTableForces(DWORD dwCamp, BOOL bAllied);
    LONG* BuildTableAttackScope(LONG lCenterIndex, DWORD dwScopeType, DWORD dwDirection, LONG lMinRange,
                                LONG lMaxRange, float fMaxHeight, float fMinHeight);
    LONG* BuildTableScope(LONG lCenterIndex, BOOL bAll, BOOL bNorth, BOOL bEast, BOOL bSouth, BOOL bWest,
                          LONG lMinRange, LONG lMaxRange, float fMaxHeight, float fMinHeight);
    HRESULT MergeTable(sMergeTableInfo* psMergeTableInfo);

    static BOOL IsAlliedCamp(DWORD dwCampA, DWORD dwCampB);

private:
    using ValueOp = LONG (XC_SceneTableManager::*)(DWORD dwIndex) const;
    using CompareOp = bool (*)(LONG lA, LONG lB);
    using MergeOp = void (*)(LONG* plTarget, LONG lA, LONG lB);

    // Which persons a person table takes.
    enum class PersonFilter
    {
        All,
        Allied,
        Hostile,
    };

    LONG* BuildTablePerson(PersonFilter eFilter, DWORD dwCamp, DWORD dwLifeState);
    LONG* BuildTableWalk(LONG lSourceIndex, LONG lMovePower, LONG lJumpUp, LONG lJumpDown, DWORD dwCamp,
                         BOOL bReverse, BOOL bIgnoreZOC);
    LONG* BuildTableFree(LONG lSourceIndex, LONG lMovePower);
    // Tries the four neighbours of a cell in one step of the walk; true when
    // one was too costly for the power gathered so far.
    bool SpreadFromCell(LONG lFloor, LONG lStep, LONG lDelta, LONG lJumpUp, LONG lJumpDown, BOOL bReverse,
                        LONG* plTableMovePower, const LONG* plTableHostile, std::vector<LONG>& next) const;
    // An owned table merged with the distance table around every cell the
    // persons table marks.
    LONG* BuildTableAroundPersons(LONG* plTablePerson, LONG lInitValue, BOOL bDistance, DWORD dwCompareType,
                                  DWORD dwMergeType);
    bool SplitIndex(LONG lFloorIndex, LONG& lX, LONG& lZ) const;

    ValueOp SelectValue(DWORD dwCode) const;
    CompareOp SelectCompare(DWORD dwCode) const;
    MergeOp SelectMerge(DWORD dwCode) const;
    LONG ValueZero(DWORD dwIndex) const;
    LONG ValueTable1(DWORD dwIndex) const;
    LONG ValueTable2(DWORD dwIndex) const;
    LONG ValueTable3(DWORD dwIndex) const;
    LONG ValueTable4(DWORD dwIndex) const;
    LONG ValueConstant1(DWORD dwIndex) const;
    LONG ValueConstant2(DWORD dwIndex) const;
    LONG ValueConstant3(DWORD dwIndex) const;
    LONG ValueConstant4(DWORD dwIndex) const;
    LONG TableValue(const LONG* plTable, DWORD dwIndex) const;

    XC_Floorer* m_pFloorer = nullptr;
    DWORD m_dwFloorCount = 0;
    DWORD m_dwWidth = 0;
    DWORD m_dwLength = 0;
    DWORD m_dwMaxDistance = 0;
    ValueOp fpMergeTableCompareValue1 = nullptr;
    ValueOp fpMergeTableCompareValue2 = nullptr;
    CompareOp fpMergeTableCompareType = nullptr;
    ValueOp fpMergeTableSuccessValue1 = nullptr;
    ValueOp fpMergeTableSuccessValue2 = nullptr;
    MergeOp fpMergeTableSuccessMergeType = nullptr;
    ValueOp fpMergeTableFailValue1 = nullptr;
    ValueOp fpMergeTableFailValue2 = nullptr;
    MergeOp fpMergeTableFailMergeType = nullptr;
    const sMergeTableInfo* psMergeTableInfo = nullptr;
    DWORD m_dwTableListIndex = 0;
    std::array<std::vector<LONG>, TABLE_RING_SIZE> m_pplTableList;
    std::vector<LONG> m_plTableMinusOne;
    // The walk's two lists of cells, kept so a battle allocates them once.
    std::vector<LONG> m_CurrentCells;
    std::vector<LONG> m_NextCells;
};

extern XC_SceneTableManager* g_pSceneTableManager;
