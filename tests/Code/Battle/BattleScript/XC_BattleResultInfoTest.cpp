#include "Code/Battle/BattleScript/XC_BattleResultInfo.h"

#include "Code/XC_GameText.h"
#include "JC_Order/JC_OrderFinalResultActive.h"
#include "JC_Order/JC_OrderFinalResultOther.h"
#include "JC_Order/JC_OrderFinalResultPassive.h"
#include "JC_Order/JC_OrderResultBase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Text(DWORD dwID)
{
    const char* const szText = g_pGameText != nullptr ? g_pGameText->GetText(dwID) : nullptr;
    return szText != nullptr ? szText : "";
}

} // namespace

TEST(BattleResultInfo, FoundThingsAreCountedByNameAfterTheMoney)
{
    JC_OrderFinalResultOther other;
    other.m_LegacyThingNameArray = {"B", "A"};
    other.m_StealThingNameArray = {"B"};
    other.m_LegacyMoney = 30;
    other.m_Exp = 12;
    other.m_JobExp = 5;
    other.m_IsSteal = 1;
    other.m_IsStealThing = 1;
    XS_BattleResultMain main;
    XC_BattleResultInfo::MakeBattleResultMain(other, main);
    EXPECT_EQ(main.vecGetItemText, (std::vector<XC_String>{Text(15) + " 30G", Text(14) + " A x 1", Text(14) + " B x 2"}));
    EXPECT_EQ(main.dwSkillLevel, 1u);
    EXPECT_EQ(main.lExp, 12);
    EXPECT_EQ(main.lJobExp, 5);
    EXPECT_EQ(main.lMoney, 30);
    EXPECT_EQ(main.lIsSteal, 1);
    EXPECT_EQ(main.lIsStealThing, 1);
    EXPECT_EQ(main.stringScriptName, "BattleScript\\1000.txt");

    other.m_LegacyMoney = 0;
    other.m_ActionScriptID = "Fireball.txt";
    XC_BattleResultInfo::MakeBattleResultMain(other, main);
    EXPECT_EQ(main.vecGetItemText.size(), 2u);
    EXPECT_EQ(main.stringScriptName, "BattleScript\\Fireball.txt");
}

TEST(BattleResultInfo, PersonFieldsComeFromTheFinalResultsByName)
{
    JC_OrderFinalResultActive active;
    active.m_TeamIndex = 7;
    active.m_ResultKind = 2;
    active.m_IsHit = 1;
    active.m_IsHPAbsorb = 4;
    active.m_IsSPAbsorb = 5;
    active.m_HPAbsorb = 6;
    active.m_HPAbsorbReal = 7;
    active.m_SPAbsorb = 8;
    active.m_SPAbsorbReal = 9;
    active.m_LifeOutcome = JE_LIFE_OUTCOME_DEAD_BODY;
    active.m_Exp = 11;
    active.m_JobExp = 12;
    XS_BattleResultPerson record;
    XC_BattleResultInfo::MakeBattleResultPerson(active, record);
    const std::vector<LONG> activeFields = {
        static_cast<LONG>(record.dwTeamIndex), static_cast<LONG>(record.dwPersonType), static_cast<LONG>(record.dwHitType),
        record.lIsCritical, record.lIsCounter, record.lIsHPChange, record.lIsSPChange, record.lHPChange,
        record.lHPChangeReal, record.lSPChange, record.lSPChangeReal, static_cast<LONG>(record.dwResultType),
        record.lExp, record.lJobExp};
    EXPECT_EQ(activeFields, (std::vector<LONG>{7, 2, 1, 0, 0, 4, 5, 6, 7, 8, 9, 1, 11, 12}));

    JC_OrderFinalResultPassive passive;
    passive.m_TeamIndex = 3;
    passive.m_ResultKind = 1;
    passive.m_IsHit = 1;
    passive.m_IsCritical = 3;
    passive.m_IsCounter = 4;
    passive.m_IsHPChange = 5;
    passive.m_IsSPChange = 6;
    passive.m_HPChange = -7;
    passive.m_HPChangeReal = -8;
    passive.m_SPChange = 9;
    passive.m_SPChangeReal = 10;
    passive.m_LifeOutcome = JE_LIFE_OUTCOME_DEAD_NO_BODY;
    XC_BattleResultInfo::MakeBattleResultPerson(passive, record);
    const std::vector<LONG> passiveFields = {
        static_cast<LONG>(record.dwTeamIndex), static_cast<LONG>(record.dwPersonType), static_cast<LONG>(record.dwHitType),
        record.lIsCritical, record.lIsCounter, record.lIsHPChange, record.lIsSPChange, record.lHPChange,
        record.lHPChangeReal, record.lSPChange, record.lSPChangeReal, static_cast<LONG>(record.dwResultType),
        record.lExp, record.lJobExp};
    EXPECT_EQ(passiveFields, (std::vector<LONG>{3, 1, 1, 3, 4, 5, 6, -7, -8, 9, 10, 2, 0, 0}));
}

TEST(BattleResultInfo, LifeOutcomesChooseTheScriptBranches)
{
    struct Case
    {
        int iIsHit;
        int iLifeOutcome;
        DWORD dwHitType;
        DWORD dwResultType;
    };
    const Case cases[] = {
        {1, JE_LIFE_OUTCOME_ALIVE, XE_HIT_TYPE_HIT, XE_RESULT_TYPE_LIVE},
        {1, JE_LIFE_OUTCOME_DEAD_BODY, XE_HIT_TYPE_HIT, XE_RESULT_TYPE_DIE_HAVE_BODY},
        {1, JE_LIFE_OUTCOME_DEAD_NO_BODY, XE_HIT_TYPE_HIT, XE_RESULT_TYPE_DIE_NO_BODY},
        {0, JE_LIFE_OUTCOME_ALIVE, XE_HIT_TYPE_DODGE, XE_RESULT_TYPE_LIVE},
        {-1, JE_LIFE_OUTCOME_NONE, XE_HIT_TYPE_DODGE, XE_RESULT_TYPE_LIVE},
        {1, JE_LIFE_OUTCOME_NONE, XE_HIT_TYPE_DODGE, XE_RESULT_TYPE_LIVE},
    };
    for (const Case& c : cases) {
        JC_OrderFinalResultPassive passive;
        passive.m_IsHit = c.iIsHit;
        passive.m_LifeOutcome = c.iLifeOutcome;
        XS_BattleResultPerson record;
        XC_BattleResultInfo::MakeBattleResultPerson(passive, record);
        EXPECT_EQ(record.dwHitType, c.dwHitType) << c.iIsHit << " " << c.iLifeOutcome;
        EXPECT_EQ(record.dwResultType, c.dwResultType) << c.iIsHit << " " << c.iLifeOutcome;
    }
    EXPECT_EQ(JE_LIFE_OUTCOME_ALIVE, 0);
    EXPECT_EQ(JE_LIFE_OUTCOME_DEAD_BODY, 1);
    EXPECT_EQ(JE_LIFE_OUTCOME_DEAD_NO_BODY, 2);
}

TEST(BattleResultInfo, ClearKeepsTheMainRecordAndACopyIsIndependent)
{
    XC_BattleResultInfo info;
    XS_BattleResultMain main;
    main.lExp = 9;
    info.SetBattleResultMain(main);
    XS_BattleResultPerson record;
    record.dwTeamIndex = 4;
    info.AddBattleResultPerson(record);
    info.SetTargetFloorIndex(12);
    XC_BattleResultInfo copy;
    copy.Copy(info);
    info.Clear();
    EXPECT_EQ(info.GetBattleResultPersonCount(), 0u);
    EXPECT_EQ(info.GetTargetFloorIndex(), 0u);
    EXPECT_EQ(info.GetBattleResultMain()->lExp, 9);
    ASSERT_EQ(copy.GetBattleResultPersonCount(), 1u);
    EXPECT_EQ(copy.GetBattleResultPerson(0)->dwTeamIndex, 4u);
    EXPECT_EQ(copy.GetTargetFloorIndex(), 12u);
    EXPECT_EQ(copy.GetBattleResultPerson(1), nullptr);
}
