// Times the preview of one weapon attack by the person at fight-team index
// 0 against the 30 persons behind it, first with every person carrying
// three behaviour groups of eight items, then with the groups empty; and,
// as the baseline of the same run, the reads of the values such an attack
// needs (attack, hit and critical rate of the attacker; dodge, total
// vitality and magic defence of each target). Prints microseconds per
// target and the ratios.

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JC_OrderManager.h"
#include "bench/Support/BenchGameData.h"
#include "bench/personpower/AttackValueReads.h"

#include "TemplateSystem/JC_DebugLog.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int TARGET_COUNT = 30;
const int ROUNDS = 100;
const int RUNS = 5;
// Every person of the fight team is a copy of the sample game's hero.
const DWORD PERSON_ID = 1;

struct JS_Timing
{
    double dSetUp = 0.0;
    double dDeal = 0.0;
};

class OrdersBench
{
public:
    DWORD Open(const std::string& strFolder);
    bool PlaceTeam();
    void FillGroups(bool bFull);
    // Microseconds per target of building and finishing the preview's
    // input, and of dealing it; the first failure's code stays in dwResult.
    JS_Timing TimePreviews(DWORD& dwResult);
    // Microseconds per target of reading the attack's values.
    double TimeValueReads(long long& llSum);

private:
    JC_DebugLog m_Log;
    JC_DataManager m_Data;
    JC_BehaviorAnalyser m_Analyser;
    JC_ControlManager m_Controls;
    JC_OrderManager m_OrderManager;
    JC_OrderDealManager m_Deals;
};

DWORD OrdersBench::Open(const std::string& strFolder)
{
    DWORD dwResult = LoadBenchGameData(strFolder, &m_Log, m_Data, m_Analyser);
    if (dwResult == 0)
        dwResult = m_Data.InitModuleData();
    if (dwResult == 0)
        dwResult = m_Controls.Initiation(&m_Data, &m_Analyser);
    if (dwResult == 0)
        dwResult = m_OrderManager.Initiation(&m_Controls);
    if (dwResult == 0)
        dwResult = m_Deals.Initiation(&m_OrderManager);
    return dwResult;
}

bool OrdersBench::PlaceTeam()
{
    JC_ControlTeam& team = m_Controls.m_ControlTeamObj;
    if (team.EmptyTeam(TeamID::TEAMID_FIGHT) != 0)
        return false;
    for (int i = 0; i <= TARGET_COUNT; ++i) {
        if (team.AddPersonToTeamFromFixedData(TeamID::TEAMID_FIGHT, i, PERSON_ID) != 0)
            return false;
    }
    return true;
}

void OrdersBench::FillGroups(bool bFull)
{
    for (int i = 0; i <= TARGET_COUNT; ++i)
        FillBenchGroups(m_Analyser, m_Data.GetTeamFightPersonObj(i), bFull, i);
}

JS_Timing OrdersBench::TimePreviews(DWORD& dwResult)
{
    JS_Timing timing;
    for (int iRound = 0; iRound < ROUNDS; ++iRound) {
        const double dStart = BenchSeconds();
        JC_OrderInformation order;
        order.Initiation(&m_Controls);
        JC_OrderInput& input = *order.GetOrderInput();
        input.AddActivePerson(0);
        for (int i = 1; i <= TARGET_COUNT; ++i)
            input.AddPassivePerson(i);
        input.SetPredictMode(1);
        const DWORD dwFinish = input.OrderInputFinish();
        const double dFinished = BenchSeconds();
        const DWORD dwDeal = m_OrderManager.DealOrder(&order);
        const double dDealt = BenchSeconds();
        if (dwResult == 0)
            dwResult = dwFinish != 0 ? dwFinish : dwDeal;
        timing.dSetUp += dFinished - dStart;
        timing.dDeal += dDealt - dFinished;
    }
    const double dPerTarget = 1e6 / (static_cast<double>(ROUNDS) * TARGET_COUNT);
    timing.dSetUp *= dPerTarget;
    timing.dDeal *= dPerTarget;
    return timing;
}

double OrdersBench::TimeValueReads(long long& llSum)
{
    std::vector<std::unique_ptr<JC_ControlPersonPower>> persons;
    for (int i = 0; i <= TARGET_COUNT; ++i) {
        persons.push_back(std::make_unique<JC_ControlPersonPower>());
        persons.back()->Initiation(&m_Data, &m_Analyser);
        persons.back()->SetControlPerson(m_Data.GetTeamFightPersonObj(i));
    }
    JC_ControlPersonPower& attacker = *persons[0];
    const double dStart = BenchSeconds();
    for (int iRound = 0; iRound < ROUNDS; ++iRound) {
        for (int i = 1; i <= TARGET_COUNT; ++i)
            llSum += ReadAttackValues(attacker, *persons[i]);
    }
    return (BenchSeconds() - dStart) * 1e6 / (static_cast<double>(ROUNDS) * TARGET_COUNT);
}

// The run's figures where they beat the best so far (or are the first).
void KeepBest(int iRun, const JS_Timing& run, double dReadsRun, JS_Timing& best, double& dBestReads)
{
    if (iRun == 0 || run.dSetUp + run.dDeal < best.dSetUp + best.dDeal)
        best = run;
    if (iRun == 0 || dReadsRun < dBestReads)
        dBestReads = dReadsRun;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (argc > 2 || strFolder.empty()) {
        std::printf("usage: orders-bench [GAME_FOLDER\\]\n");
        return 1;
    }
    OrdersBench bench;
    const DWORD dwResult = bench.Open(strFolder);
    if (dwResult != 0) {
        std::printf("cannot load the game data of %s: 0x%08x\n", strFolder.c_str(), static_cast<unsigned>(dwResult));
        return 1;
    }
    if (!bench.PlaceTeam()) {
        std::printf("cannot place person %u in the fight team\n", static_cast<unsigned>(PERSON_ID));
        return 1;
    }

    long long llSum = 0;
    DWORD dwPreviewResult = 0;
    const auto Measure = [&](bool bFull, JS_Timing& preview, double& dReads) {
        bench.FillGroups(bFull);
        bench.TimePreviews(dwPreviewResult);
        preview = bench.TimePreviews(dwPreviewResult);
        bench.TimeValueReads(llSum);
        dReads = bench.TimeValueReads(llSum);
    };
    // Empty and full groups take turns, and each figure keeps its best run:
    // on a busy machine a burst of other work then spoils neither alone.
    JS_Timing empty;
    JS_Timing full;
    double dEmptyReads = 0.0;
    double dFullReads = 0.0;
    for (int iRun = 0; iRun < RUNS; ++iRun) {
        JS_Timing emptyRun;
        JS_Timing fullRun;
        double dEmptyReadsRun = 0.0;
        double dFullReadsRun = 0.0;
        Measure(false, emptyRun, dEmptyReadsRun);
        Measure(true, fullRun, dFullReadsRun);
        KeepBest(iRun, emptyRun, dEmptyReadsRun, empty, dEmptyReads);
        KeepBest(iRun, fullRun, dFullReadsRun, full, dFullReads);
    }
    if (dwPreviewResult != 0) {
        std::printf("the preview failed: 0x%08x\n", static_cast<unsigned>(dwPreviewResult));
        return 1;
    }

    std::printf("preview of one weapon attack against %d targets, %d rounds, best of %d runs (us per target)\n",
                TARGET_COUNT, ROUNDS, RUNS);
    std::printf("                                  input    deal   whole   value reads\n");
    std::printf("  empty behaviour groups:      %7.2f %7.2f %7.2f   %7.2f\n", empty.dSetUp, empty.dDeal,
                empty.dSetUp + empty.dDeal, dEmptyReads);
    std::printf("  three groups of eight items: %7.2f %7.2f %7.2f   %7.2f\n", full.dSetUp, full.dDeal,
                full.dSetUp + full.dDeal, dFullReads);
    std::printf("  ratio full / empty, whole preview:        %7.2f\n",
                (full.dSetUp + full.dDeal) / (empty.dSetUp + empty.dDeal));
    std::printf("  ratio preview deal / value reads, full:   %7.2f\n", full.dDeal / dFullReads);
    std::printf("  ratio whole preview / value reads, full:  %7.2f\n", (full.dSetUp + full.dDeal) / dFullReads);
    std::printf("  (checksum %lld)\n", llSum);
    return 0;
}
