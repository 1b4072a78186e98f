// Times every decision of one computer camp turn against plain Dijkstra
// floods from the acting persons' cells, and splits the AI's work into its
// eight tables, its attack distances, its attack scores and the enemy
// distance table alone. Prints the figures and the ratio; the target is at
// most 50 ms a turn.

#include "Code/Battle/ControlCamp/XC_ControlCampComputer.h"
#include "Code/Battle/ControlCamp/XC_PersonAttackAI.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/XC_GameAI.h"
#include "Code/XC_GameTime.h"
#include "bench/Support/BenchBattleFloor.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"
#include "bench/personpower/AttackValueReads.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD SIDE = 32;
constexpr DWORD PERSONS = 32;
constexpr DWORD HERO = 1;
constexpr DWORD SORCERER = 22;
constexpr LONG ALL_MOVE_POWER = 1000;
constexpr int RUNS = 7;
// More steps than any turn takes: a turn that does not end is a fault.
constexpr int MAX_STEPS = 4096;
constexpr double TARGET_MS = 50.0;

// Where every person stands and what RAP it has, to play the same turn again.
struct PersonStart
{
    XC_GamePerson* pPersonObj;
    DWORD dwFloor;
    int iRAP;
};

std::vector<PersonStart> RecordStarts(XC_GamePersonManager& persons)
{
    std::vector<PersonStart> starts;
    XC_GamePerson* pPersonObj = nullptr;
    while (persons.GetNextPerson(pPersonObj, &pPersonObj))
        starts.push_back({pPersonObj, pPersonObj->GetFloorIndex(), pPersonObj->GetControlPersonPower()->GetRAP()});
    return starts;
}

void RestoreStarts(const std::vector<PersonStart>& starts)
{
    for (const PersonStart& start : starts) {
        start.pPersonObj->SetFloorIndex(start.dwFloor, FALSE);
        start.pPersonObj->GetControlPersonPower()->SetRAP(start.iRAP);
    }
}

std::vector<XC_GamePerson*> ComputerPersons(XC_GamePersonManager& persons)
{
    std::vector<XC_GamePerson*> computer;
    XC_GamePerson* pPersonObj = nullptr;
    while (persons.GetNextPerson(pPersonObj, &pPersonObj)) {
        if (pPersonObj->GetControlPersonPower()->GetCamp(FALSE) == static_cast<int>(XE_CAMP_COMPUTER))
            computer.push_back(pPersonObj);
    }
    return computer;
}

// Every decision of one turn; the works handed out are dropped unplayed.
int PlayTurn(XC_BattleSceneController& controller)
{
    XC_ControlCampComputer camp;
    camp.Init(XE_CAMP_COMPUTER);
    int iSteps = 0;
    while (camp.GetCampPhase() != XC_ControlCampBase::PHASE_END && iSteps < MAX_STEPS) {
        camp.ProceedCamp(0.0f);
        ++iSteps;
    }
    controller.Init();
    return iSteps;
}

// The attack AI's parts on one person as it stands: its move scores and
// attack distances, then its attack scores.
class SplitAttackAI : public XC_PersonAttackAI
{
public:
    bool Prepare()
    {
        BOOL bCanDo = FALSE;
        BuildPersonBattle(bCanDo);
        m_lReach = 1000;
        m_bCanMove = TRUE;
        ComputeAllPassivePersonScore();
        return bCanDo && !m_listPassivePersonScore.empty();
    }
    double AttackDistanceSeconds()
    {
        std::vector<LONG> distance;
        return BenchSecondsOf([&] {
            delete[] m_plTableMoveScore;
            m_plTableMoveScore = nullptr;
            BuildTableMoveScore();
            BuildTableAttackDistance(distance, 0);
        });
    }
    double AttackScoreSeconds()
    {
        std::vector<LONG> score;
        return BenchSecondsOf([&] { BuildTableAttackScore(score, 0); });
    }
};

struct Split
{
    double dTables = 0.0;
    double dAttackDistance = 0.0;
    double dAttackScore = 0.0;
    double dEnemyDistance = 0.0;
};

Split MeasureSplit(const std::vector<XC_GamePerson*>& computer)
{
    XC_SceneTableManager& tables = *g_pSceneTableManager;
    Split split;
    for (XC_GamePerson* const pPersonObj : computer) {
        const DWORD dwCamp = XE_CAMP_COMPUTER;
        split.dTables += BenchSecondsOf([&] {
            delete[] tables.CloneTable(tables.BuildTableMoveScope(pPersonObj, -1));
            delete[] tables.CloneTable(tables.BuildTableMovePower(pPersonObj, ALL_MOVE_POWER));
            delete[] tables.CloneTable(tables.BuildTableAllPerson());
            delete[] tables.CloneTable(tables.BuildTableAlliedPerson(dwCamp, XE_LIFE_STATE_ANY));
            delete[] tables.CloneTable(tables.BuildTableHostilePerson(dwCamp, XE_LIFE_STATE_ANY));
            delete[] tables.BuildTableEnemyDistance(dwCamp);
            delete[] tables.BuildTableForces(dwCamp, TRUE);
            delete[] tables.BuildTableForces(dwCamp, FALSE);
        });
        split.dEnemyDistance += BenchSecondsOf([&] { delete[] tables.BuildTableEnemyDistance(dwCamp); });
        sTableResource resource;
        resource.plTableMoveScope = tables.CloneTable(tables.BuildTableMoveScope(pPersonObj, -1));
        resource.plTableEnemyDistance = tables.BuildTableEnemyDistance(dwCamp);
        resource.plTableAlliedStrength = tables.BuildTableForces(dwCamp, TRUE);
        resource.plTableHostileStrength = tables.BuildTableForces(dwCamp, FALSE);
        SplitAttackAI ai;
        ai.Init(pPersonObj, &resource);
        if (ai.Prepare()) {
            split.dAttackDistance += ai.AttackDistanceSeconds();
            split.dAttackScore += ai.AttackScoreSeconds();
        }
        delete[] resource.plTableMoveScope;
        delete[] resource.plTableEnemyDistance;
        delete[] resource.plTableAlliedStrength;
        delete[] resource.plTableHostileStrength;
    }
    return split;
}

double FloodSeconds(const std::vector<XC_GamePerson*>& computer)
{
    return BenchSecondsOf([&] {
        for (XC_GamePerson* const pPersonObj : computer) {
            JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
            PlainDijkstra(static_cast<LONG>(pPersonObj->GetFloorIndex()), ALL_MOVE_POWER, XE_CAMP_COMPUTER,
                          pPower->GetJumpUp());
        }
    });
}

int BenchCampTurn(XC_Scene& scene, XC_GamePersonManager& persons, XC_BattleSceneController& controller)
{
    if (!LayFloor(scene, SIDE))
        return 1;
    PlacePersons(SIDE, PERSONS, HERO, SORCERER);
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    for (int i = 0; i < static_cast<int>(PERSONS); ++i) {
        JC_DataComponent* pRecord = nullptr;
        team.GetPersonFromTeam(TeamID::TEAMID_FIGHT, 300 + i, pRecord);
        FillBenchGroups(*gp_BehaviorAnalyserObj, pRecord, true, i);
    }
    persons.Init(&scene, &gp_ControlManagerObj->m_ControlTeamObj);
    g_pSceneTableManager->Init();
    g_pSceneFunctionObj->RefreshCellCache();
    controller.Init();
    const std::vector<PersonStart> starts = RecordStarts(persons);
    const std::vector<XC_GamePerson*> computer = ComputerPersons(persons);

    int iSteps = 0;
    const double dTurn = BenchBestOf(RUNS, [&] {
        RestoreStarts(starts);
        return BenchSecondsOf([&] { iSteps = PlayTurn(controller); });
    });
    RestoreStarts(starts);
    const double dFloods = BenchBestOf(RUNS, [&] { return FloodSeconds(computer); });
    Split best = MeasureSplit(computer);
    for (int i = 1; i < RUNS; ++i) {
        const Split split = MeasureSplit(computer);
        best.dTables = std::min(best.dTables, split.dTables);
        best.dAttackDistance = std::min(best.dAttackDistance, split.dAttackDistance);
        best.dAttackScore = std::min(best.dAttackScore, split.dAttackScore);
        best.dEnemyDistance = std::min(best.dEnemyDistance, split.dEnemyDistance);
    }
    std::printf("%lu x %lu floor, %zu computer persons against %lu: one turn %.2f ms in %d steps (target %.0f ms: %s); "
                "%zu plain Dijkstra floods %.3f ms; turn/floods %.1f\n",
                SIDE, SIDE, computer.size(), PERSONS - static_cast<DWORD>(computer.size()), dTurn * 1000.0, iSteps,
                TARGET_MS, dTurn * 1000.0 <= TARGET_MS ? "met" : "MISSED", computer.size(), dFloods * 1000.0,
                dTurn / dFloods);
    std::printf("split for every computer person once: tables %.2f ms, attack distance %.2f ms, attack score %.2f ms, "
                "enemy distance %.2f ms\n",
                best.dTables * 1000.0, best.dAttackDistance * 1000.0, best.dAttackScore * 1000.0,
                best.dEnemyDistance * 1000.0);
    controller.Fini();
    persons.DelAllPerson();
    return iSteps < MAX_STEPS ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("usage: camp-bench GAME_FOLDER\\\n");
        return 1;
    }
    OneAnimationPack pack;
    BenchBattleStage stage("CampBench", strFolder, pack);
    if (!stage.IsReady())
        return 1;
    g_pGameAI->lRandomScore = 0;
    std::srand(7);
    return BenchCampTurn(stage.Scene(), stage.Persons(), stage.Controller());
}
