// gamerules.exe order GAME_FOLDER ORDER_FILE OUT_FOLDER [--seed N]
//
// Places the order file's persons in the fight team of the game folder's
// save state, seeds the dice, resolves its one order through the order
// manager and every registered deal, and prints the rolls the deals drew,
// every target's result and every final result field by name, one a line.
// The log and the save state after the order (or after its failure) go to
// OUT_FOLDER.

#include "GameRulesModes.h"
#include "GameRulesSession.h"
#include "OrderFile.h"
#include "OrderRollLog.h"

#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JC_OrderManager.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void PrintField(const std::string& strWhere, const char* szName, int iValue)
{
    std::printf("%s.%s=%d\n", strWhere.c_str(), szName, iValue);
}

void PrintField(const std::string& strWhere, const char* szName, const std::string& strValue)
{
    std::printf("%s.%s=%s\n", strWhere.c_str(), szName, strValue.c_str());
}

std::string Text(DWORD dwValue)
{
    return std::to_string(dwValue);
}

std::string Text(const std::string& strValue)
{
    return strValue;
}

// A list prints comma-separated on its one line.
template <typename T>
void PrintField(const std::string& strWhere, const char* szName, const std::vector<T>& values)
{
    std::string strValues;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i != 0)
            strValues += ',';
        strValues += Text(values[i]);
    }
    PrintField(strWhere, szName, strValues);
}

#define PRINT_FIELD(where, result, field) PrintField(where, #field, (result).field)

void PrintActive(const std::string& strWhere, const JC_OrderFinalResultActive& result)
{
    PRINT_FIELD(strWhere, result, m_TeamIndex);
    PRINT_FIELD(strWhere, result, m_ResultKind);
    PRINT_FIELD(strWhere, result, m_LifeOutcome);
    PRINT_FIELD(strWhere, result, m_IsHit);
    PRINT_FIELD(strWhere, result, m_IsHPAbsorb);
    PRINT_FIELD(strWhere, result, m_IsSPAbsorb);
    PRINT_FIELD(strWhere, result, m_HPAbsorb);
    PRINT_FIELD(strWhere, result, m_HPAbsorbReal);
    PRINT_FIELD(strWhere, result, m_SPAbsorb);
    PRINT_FIELD(strWhere, result, m_SPAbsorbReal);
    PRINT_FIELD(strWhere, result, m_Exp);
    PRINT_FIELD(strWhere, result, m_JobExp);
    PRINT_FIELD(strWhere, result, m_Morale);
}

// What a target's final result and its share in the order's lists both hold.
template <class Result>
void PrintPassiveFields(const std::string& strWhere, const Result& result)
{
    PRINT_FIELD(strWhere, result, m_TeamIndex);
    PRINT_FIELD(strWhere, result, m_ResultKind);
    PRINT_FIELD(strWhere, result, m_HitRate);
    PRINT_FIELD(strWhere, result, m_ShowAttack);
    PRINT_FIELD(strWhere, result, m_ShowDamage);
    PRINT_FIELD(strWhere, result, m_IsHit);
    PRINT_FIELD(strWhere, result, m_IsCritical);
    PRINT_FIELD(strWhere, result, m_IsCounter);
    PRINT_FIELD(strWhere, result, m_LifeOutcome);
    PRINT_FIELD(strWhere, result, m_IsHPChange);
    PRINT_FIELD(strWhere, result, m_IsSPChange);
    PRINT_FIELD(strWhere, result, m_HPChange);
    PRINT_FIELD(strWhere, result, m_HPChangeReal);
    PRINT_FIELD(strWhere, result, m_SPChange);
    PRINT_FIELD(strWhere, result, m_SPChangeReal);
    PRINT_FIELD(strWhere, result, m_StateAddArray);
    PRINT_FIELD(strWhere, result, m_StateDelArray);
}

// One target's share of the order, as the order's result lists hold it.
void PrintTargetResult(const std::string& strWhere, const JC_OrderResultPassive& result)
{
    PrintPassiveFields(strWhere, result);
    PRINT_FIELD(strWhere, result, m_LegacyThingKindArray);
    PRINT_FIELD(strWhere, result, m_LegacyThingIDArray);
    PRINT_FIELD(strWhere, result, m_LegacyThingNameArray);
    PRINT_FIELD(strWhere, result, m_Exp);
    PRINT_FIELD(strWhere, result, m_JobExp);
    PRINT_FIELD(strWhere, result, m_LegacyMoney);
}

// The actor's share of the order against one target.
void PrintActorResult(const std::string& strWhere, const JC_OrderResultActive& result)
{
    PRINT_FIELD(strWhere, result, m_TeamIndex);
    PRINT_FIELD(strWhere, result, m_ResultKind);
    PRINT_FIELD(strWhere, result, m_LifeOutcome);
    PRINT_FIELD(strWhere, result, m_IsHPAbsorb);
    PRINT_FIELD(strWhere, result, m_IsSPAbsorb);
    PRINT_FIELD(strWhere, result, m_HPAbsorb);
    PRINT_FIELD(strWhere, result, m_SPAbsorb);
    PRINT_FIELD(strWhere, result, m_IsSteal);
    PRINT_FIELD(strWhere, result, m_IsStealThing);
    PRINT_FIELD(strWhere, result, m_StealThingKindArray);
    PRINT_FIELD(strWhere, result, m_StealThingIDArray);
    PRINT_FIELD(strWhere, result, m_StealThingNameArray);
    PRINT_FIELD(strWhere, result, m_ActionScriptID);
}

void PrintOther(const JC_OrderFinalResultOther& result)
{
    const std::string strWhere = "other";
    PRINT_FIELD(strWhere, result, m_IsSteal);
    PRINT_FIELD(strWhere, result, m_IsStealThing);
    PRINT_FIELD(strWhere, result, m_StealThingKindArray);
    PRINT_FIELD(strWhere, result, m_StealThingIDArray);
    PRINT_FIELD(strWhere, result, m_StealThingNameArray);
    PRINT_FIELD(strWhere, result, m_LegacyThingKindArray);
    PRINT_FIELD(strWhere, result, m_LegacyThingIDArray);
    PRINT_FIELD(strWhere, result, m_LegacyThingNameArray);
    PRINT_FIELD(strWhere, result, m_Exp);
    PRINT_FIELD(strWhere, result, m_JobExp);
    PRINT_FIELD(strWhere, result, m_LegacyMoney);
    PRINT_FIELD(strWhere, result, m_Morale);
    PRINT_FIELD(strWhere, result, m_ActionScriptID);
}

#undef PRINT_FIELD

// The result lists: the actor's and the target's result for each passive
// target in order, then the persons the order brought in (summoned, or
// struck by a bursting body).
void PrintTargetResults(const JC_OrderResultManager& results)
{
    for (DWORD i = 0; i < results.GetActiveResultCount(); ++i)
        PrintActorResult("actorResult[" + std::to_string(i) + "]", *results.GetActiveResult(i));
    for (DWORD i = 0; i < results.GetPassiveResultCount(); ++i)
        PrintTargetResult("targetResult[" + std::to_string(i) + "]", *results.GetPassiveResult(i));
    for (DWORD i = 0; i < results.GetFollowResultCount(); ++i)
        PrintTargetResult("followResult[" + std::to_string(i) + "]", *results.GetFollowResult(i));
}

void PrintFinalResults(JC_OrderResultManager& results)
{
    for (DWORD i = 0; i < results.GetFinalActiveResultCount(); ++i)
        PrintActive("active[" + std::to_string(i) + "]", *results.GetFinalActiveResult(i));
    for (DWORD i = 0; i < results.GetFinalPassiveResultCount(); ++i)
        PrintPassiveFields("passive[" + std::to_string(i) + "]", *results.GetFinalPassiveResult(i));
    PrintOther(*results.GetFinalOtherResult());
}

// A file that cannot be read or holds a bad line is logged with its name.
DWORD ReadOrderFile(JC_DebugLog& log, const char* szOrderFile, OrderFile& orderFile)
{
    std::string strText;
    if (!ReadInputFile(szOrderFile, strText)) {
        log.Print("%s: missing, unreadable or larger than 1 MB\r\n", szOrderFile);
        return JE_ORDERFILE_UNREADABLE;
    }
    if (orderFile.Read(strText))
        return 0;
    if (orderFile.GetErrorLine() != 0)
        log.Print("%s line %d: %s\r\n", szOrderFile, orderFile.GetErrorLine(), orderFile.GetError().c_str());
    else
        log.Print("%s: %s\r\n", szOrderFile, orderFile.GetError().c_str());
    return JE_ORDERFILE_MALFORMED;
}

// The fight team holds the order file's persons and nobody else.
DWORD PlaceTeam(JC_ControlTeam& team, const OrderFile& orderFile)
{
    DWORD dwResult = team.EmptyTeam(TeamID::TEAMID_FIGHT);
    for (const OrderFile::Placement& placement : orderFile.GetTeam()) {
        if (dwResult != 0)
            break;
        dwResult = team.AddPersonToTeamFromFixedData(TeamID::TEAMID_FIGHT, placement.iTeamIndex, placement.dwPersonID);
    }
    return dwResult;
}

DWORD FillInput(JC_OrderInput& input, const OrderFile& orderFile)
{
    input.AddActivePerson(static_cast<DWORD>(orderFile.GetActor()));
    for (const int iTarget : orderFile.GetTargets())
        input.AddPassivePerson(static_cast<DWORD>(iTarget));
    for (const DWORD dwFloor : orderFile.GetFloors())
        input.AddPassiveFloor(dwFloor);
    if (orderFile.GetEffect() == OrderFile::EFFECT_TOOL)
        input.AddToolEffect(orderFile.GetEffectValue());
    if (orderFile.GetEffect() == OrderFile::EFFECT_SKILL)
        input.AddSkillEffect(orderFile.GetEffectValue());
    input.SetCounter(orderFile.GetCounter());
    input.SetPredictMode(orderFile.GetPreview());
    return input.OrderInputFinish();
}

// Places the team, builds the order and deals it, with the dice seeded
// right before the deals draw; the first failure's code and what failed.
DWORD ResolveOrder(JC_ControlManager& controls, const OrderFile& orderFile, unsigned uSeed,
                   JC_OrderInformation& order, const char*& szWhat)
{
    DWORD dwResult = 0;
    szWhat = "placing the fight team";
    if ((dwResult = PlaceTeam(controls.m_ControlTeamObj, orderFile)) != 0)
        return dwResult;
    szWhat = "initiating the order manager";
    if ((dwResult = gp_OrderManagerObj->Initiation(&controls)) != 0 ||
        (dwResult = gp_OrderDealManagerObj->Initiation(gp_OrderManagerObj)) != 0)
        return dwResult;
    szWhat = "initiating the order";
    if ((dwResult = order.Initiation(&controls)) != 0)
        return dwResult;
    szWhat = "finishing the order input";
    if ((dwResult = FillInput(*order.GetOrderInput(), orderFile)) != 0)
        return dwResult;
    szWhat = "dealing the order";
    std::srand(uSeed);
    return gp_OrderManagerObj->DealOrder(&order);
}

} // namespace

int RunOrder(int argc, char** argv)
{
    unsigned uSeed = 0;
    if ((argc != 5 && argc != 7) || !ReadSeed(argc, argv, 5, uSeed))
        return Usage();

    GameRulesSession session;
    DWORD dwResult = session.Open(argv[2], argv[4]);
    if (dwResult != 0)
        return session.Fail("loading the game data", dwResult);

    // A failed order still writes the save state the data layer holds, so
    // the designer sees what it left.
    OrderFile orderFile;
    const char* szWhat = "reading ORDER_FILE";
    JC_OrderInformation order;
    OrderRollLog rolls;
    dwResult = ReadOrderFile(session.GetLog(), argv[3], orderFile);
    if (dwResult == 0)
        dwResult = ResolveOrder(session.GetControls(), orderFile, uSeed, order, szWhat);
    if (dwResult == 0) {
        rolls.Print();
        PrintTargetResults(*order.GetOrderResultManager());
        PrintFinalResults(*order.GetOrderResultManager());
    }

    const DWORD dwWrite = session.WriteSaveState();
    if (dwResult != 0)
        return session.Fail(szWhat, dwResult);
    if (dwWrite != 0)
        return session.Fail("writing the save state", dwWrite);
    return 0;
}
