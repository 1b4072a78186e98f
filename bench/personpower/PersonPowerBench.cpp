// Reads the values of an attack (attack, hit and critical rate of the
// attacker; dodge, total vitality and magic defence of the target) for one
// attacker against 30 targets, first with every person carrying three
// behaviour groups of eight items, then with the groups empty, and prints
// the microseconds per target of both and their ratio.

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "bench/personpower/AttackValueReads.h"

#include "TemplateSystem/JC_DebugLog.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int TARGET_COUNT = 30;
const int ROUNDS = 200;

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

// Microseconds per target; the sum keeps the reads from being dropped.
double TimeAttacks(JS_Person& attacker, std::vector<JS_Person>& targets, long long& llSum)
{
    const double dSeconds = BenchSecondsOf([&] {
        for (int iRound = 0; iRound < ROUNDS; ++iRound) {
            for (JS_Person& target : targets)
                llSum += ReadAttackValues(attacker.power, target.power);
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
        FillBenchGroups(analyser, attacker.pRecord.get(), bFull);
        for (JS_Person& target : targets)
            FillBenchGroups(analyser, target.pRecord.get(), bFull);
        TimeAttacks(attacker, targets, llSum);
        return TimeAttacks(attacker, targets, llSum);
    };
    const double dEmpty = Measure(false);
    const double dFull = Measure(true);
    std::printf("attack values, one attacker against %d targets, %d rounds\n", TARGET_COUNT, ROUNDS);
    std::printf("  empty behaviour groups:        %8.2f us per target\n", dEmpty);
    std::printf("  three groups of eight items:   %8.2f us per target\n", dFull);
    std::printf("  ratio full / empty:            %8.2f\n", dFull / dEmpty);
    std::printf("  (checksum %lld)\n", llSum);
    return 0;
}
