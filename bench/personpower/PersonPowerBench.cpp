// Reads the values of an attack (attack, hit and critical rate of the
// attacker; dodge, total vitality and magic defence of the target) for one
// attacker against 30 targets, first with every person carrying three
// behaviour groups of eight items, then with the groups empty, and prints
// the microseconds per target of both and their ratio; then the full groups
// again with every group written before each attack.

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "bench/personpower/AttackValueReads.h"

#include "TemplateSystem/JC_DebugLog.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int TARGET_COUNT = 30;
const int ROUNDS = 200;
const int RUNS = 5;

struct JS_Person
{
    std::unique_ptr<JC_DataComponent> pRecord;
    JC_ControlPersonPower power;
};

bool MakePerson(JC_DataManager& dataManager, JC_BehaviorAnalyser& analyser, JS_Person& person)
{
    person.pRecord = std::make_unique<JC_DataComponent>();
    if (person.pRecord->Copy(dataManager.GetPersonObj(1), JC_DataComponent::ADOPT_LAYOUT) != 0)
        return false;
    return person.power.Initiation(&dataManager, &analyser) == 0
        && person.power.SetControlPerson(person.pRecord.get()) == 0;
}

// Rewrites the count of the first item of each of the person's groups in
// place, between two values that change no value an attack reads.
void TouchGroups(JC_BehaviorAnalyser& analyser, JS_Person& person, int iRound)
{
    for (DWORD dwGroup = 0; dwGroup < JC_BehaviorGroup::MAX_GROUP; ++dwGroup) {
        JC_StringArray* pItems = analyser.GetBehaviorGroupItems(person.pRecord.get(), dwGroup);
        if (pItems == nullptr || pItems->empty())
            continue;
        std::string& strItem = pItems->front();
        const size_t count = strItem.find(',', strItem.find(',') + 1) + 1;
        strItem[count] = iRound % 2 == 0 ? '8' : '9';
    }
}

// Microseconds per target; the sum keeps the reads from being dropped. With
// pAnalyser, every group of both persons is written before each attack, so
// that no read finds a group as the reads before it left it.
double TimeAttacks(JS_Person& attacker, std::vector<JS_Person>& targets, long long& llSum,
                   JC_BehaviorAnalyser* pAnalyser = nullptr)
{
    const double dSeconds = BenchSecondsOf([&] {
        for (int iRound = 0; iRound < ROUNDS; ++iRound) {
            for (JS_Person& target : targets) {
                if (pAnalyser != nullptr) {
                    TouchGroups(*pAnalyser, attacker, iRound);
                    TouchGroups(*pAnalyser, target, iRound);
                }
                llSum += ReadAttackValues(attacker.power, target.power);
            }
        }
    });
    return dSeconds * 1e6 / (static_cast<double>(ROUNDS) * TARGET_COUNT);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("usage: personpower-bench GAME_FOLDER\\\n");
        return 1;
    }
    JC_DebugLog log;
    JC_DataManager dataManager;
    JC_BehaviorAnalyser analyser;
    const DWORD dwResult = LoadBenchGameData(strFolder, &log, dataManager, analyser);
    if (dwResult != 0) {
        std::printf("cannot load the game data of %s: 0x%08x\n", strFolder.c_str(), static_cast<unsigned>(dwResult));
        return 1;
    }
    JS_Person attacker;
    std::vector<JS_Person> targets(TARGET_COUNT);
    if (!MakePerson(dataManager, analyser, attacker)) {
        std::printf("cannot make the attacker from person 1\n");
        return 1;
    }
    for (JS_Person& target : targets) {
        if (!MakePerson(dataManager, analyser, target)) {
            std::printf("cannot make a target from person 1\n");
            return 1;
        }
    }

    long long llSum = 0;
    const auto Measure = [&](bool bFull) {
        FillBenchGroups(analyser, attacker.pRecord.get(), bFull, 0);
        for (int i = 0; i < TARGET_COUNT; ++i)
            FillBenchGroups(analyser, targets[i].pRecord.get(), bFull, i + 1);
        TimeAttacks(attacker, targets, llSum);
        return TimeAttacks(attacker, targets, llSum);
    };
    // Empty and full groups take turns, and each keeps its best run: on a
    // busy machine a burst of other work then spoils neither alone.
    double dEmpty = 0.0;
    double dFull = 0.0;
    double dWritten = 0.0;
    for (int iRun = 0; iRun < RUNS; ++iRun) {
        const double dEmptyRun = Measure(false);
        const double dFullRun = Measure(true);
        const double dWrittenRun = TimeAttacks(attacker, targets, llSum, &analyser);
        dEmpty = iRun == 0 ? dEmptyRun : std::min(dEmpty, dEmptyRun);
        dFull = iRun == 0 ? dFullRun : std::min(dFull, dFullRun);
        dWritten = iRun == 0 ? dWrittenRun : std::min(dWritten, dWrittenRun);
    }
    std::printf("attack values, one attacker against %d targets, %d rounds, best of %d runs\n", TARGET_COUNT,
                ROUNDS, RUNS);
    std::printf("  empty behaviour groups:        %8.2f us per target\n", dEmpty);
    std::printf("  three groups of eight items:   %8.2f us per target\n", dFull);
    std::printf("  ratio full / empty:            %8.2f\n", dFull / dEmpty);
    std::printf("  the same, each attack after a write to every group of both persons:\n");
    std::printf("                                 %8.2f us per target, ratio to empty %.2f\n", dWritten,
                dWritten / dEmpty);
    std::printf("  (checksum %lld)\n", llSum);
    return 0;
}
