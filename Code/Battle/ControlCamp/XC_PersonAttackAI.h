#pragma once

#include <windows.h>

#include <climits>
#include <list>
#include <vector>

class XC_GamePerson;
class XC_PersonBattle;
struct XS_BattleTargetInfo;
struct sTableResource;

// A candidate target of an attack and what hitting it is worth.
struct sPassivePersonScore
{
    XC_GamePerson* pPassivePerson = nullptr;
    LONG lFloorIndex = -1;
    int iScore = 0;
};

// Where one computer person's weapon attack is best aimed and from which
// cell: every cell an attack could be aimed at sums the scores of the
// candidates it would hit, and is reached from the most desirable cell the
// person can stand on. Carrying it out moves the person there first and
// hands the prepared battle work to the scene controller.
class XC_PersonAttackAI
{
public:
    static constexpr int SCORE_NONE = INT_MIN;
    static constexpr int MOVE_RAP = 2;

    XC_PersonAttackAI() = default;
    virtual ~XC_PersonAttackAI();
    XC_PersonAttackAI(const XC_PersonAttackAI&) = delete;
    XC_PersonAttackAI& operator=(const XC_PersonAttackAI&) = delete;

    virtual HRESULT Init(XC_GamePerson* pPersonObj, sTableResource* pTableResource);
    virtual HRESULT SortPassivePerson(DWORD dwDirection);
    virtual HRESULT ComputeScore();
    virtual int GetScore() const { return m_iScore; }
    virtual HRESULT DoAction();
    virtual HRESULT ComputeScoreScope();
    virtual HRESULT ComputeScoreDirection();
    virtual HRESULT BuildPersonBattle(BOOL& bCanDo);
    virtual HRESULT ComputeAllPassivePersonScore();
    virtual int ComputePassivePersonScore(XC_GamePerson* pPassivePerson);
    virtual HRESULT BuildTableMoveScore();
    virtual HRESULT BuildTableAttackScore(std::vector<LONG>& plTableAttackScore, int iDirection);
    virtual HRESULT BuildTableAttackDistance(std::vector<LONG>& plTableAttackDistance, int iDirection);

    LONG GetStandFloorIndex() const { return m_lStandFloorIndex; }
    LONG GetTargetFloorIndex() const { return m_lTargetFloorIndex; }
    DWORD GetDirection() const { return m_dwDirection; }
    LONG GetRapCost() const { return m_lRapCost; }
    const std::list<sPassivePersonScore>& GetPassivePersonScores() const { return m_listPassivePersonScore; }
    const LONG* GetTableMoveScore() const { return m_plTableMoveScore; }

    // Shows the person's move scope and walks it from one cell to another,
    // then places it there at once while the works show the way.
    static HRESULT AddMoveWorks(XC_GamePerson* pPersonObj, LONG lFromFloorIndex, LONG lToFloorIndex);
    // HP over MaxHP; a person without a maximum counts as whole.
    static float HealthShare(XC_GamePerson* pPersonObj);

protected:
    XS_BattleTargetInfo& TargetInfo() const;
    // The candidates' scores of the normal attack.
    int ComputeAttackScore(XC_GamePerson* pPassivePerson);
    static LONG PersonFloor(XC_GamePerson* pPersonObj);

    XC_GamePerson* m_pPersonObj = nullptr;
    sTableResource* m_pTableResource = nullptr;
    XC_PersonBattle* m_pPersonBattle = nullptr;
    LONG m_lStandFloorIndex = -1;
    LONG m_lTargetFloorIndex = -1;
    DWORD m_dwDirection = 0;
    int m_iScore = SCORE_NONE;
    int m_iMinScore = 0;
    LONG m_lRapCost = 0;
    LONG m_lReach = 0;
    std::list<sPassivePersonScore> m_listPassivePersonScore;
    BOOL m_bCanMove = 0;
    LONG* m_plTableMoveScore = nullptr;

private:
    // The best aim cell over the given attack-score tables, one a direction.
    void ChooseBest(const std::vector<LONG>& plTableAttackDistance, const std::vector<std::vector<LONG>>& tables);
    HRESULT MoveToStandFloor();
    HRESULT AimAtTarget();
};
