#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Order/DealOrder/JC_OrderDealCorpseAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealDmgAbsorbAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealHPAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealMagicAttack.h"
#include "JC_Order/DealOrder/JC_OrderDealUseWeaponAttack.h"
#include "tests/JC_Order/DealOrder/DealOrderFixture.h"

#include <algorithm>
#include <random>

namespace
{
// Keeps the parameters of every attack line it is handed.
class RecordingAttack : public JI_OrderDeal
{
public:
    DWORD Initiation(JC_OrderInformation* pOrderInformation) override
    {
        m_pOrder = pOrderInformation;
        return 0;
    }
    DWORD DealOrder() override
    {
        m_Parameters.push_back(m_pOrder->GetOrderBehavior()->GetBehaviorValue("@Parameter"));
        return ORDERDEAL_NEXT_LINE;
    }

    JC_OrderInformation* m_pOrder = nullptr;
    std::vector<std::string> m_Parameters;
};

class AttackVariantsTest : public DealOrderFixture
{
protected:
    void SetUp() override
    {
        DealOrderFixture::SetUp();
        JC_OrderDealBase::SetRandom(&m_Script);
        Register({{0x30002, &m_UseWeapon}, {0x30003, &m_Magic}, {0x30004, &m_DmgAbsorb}, {0x30005, &m_HPAttack},
                  {0x30006, &m_Corpse}});
    }
    // Gives a placed person a state that lasts one use.
    void GiveState(int iTeamIndex, const std::string& strState)
    {
        JC_DataComponent* pPerson = nullptr;
        ASSERT_EQ(m_Manager.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson), 0u);
        JC_OperatorPerson person;
        ASSERT_EQ(person.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(person.SetDataConponent(pPerson), 0u);
        person.AddBehaviorGroupLine(0, strState + ",DF_RoundType_Use,1,0,0,0,0");
    }
    // A preview of a tool with the use lines given, and with the actor's
    // weapon lines when given.
    DWORD PreviewTool(const JC_StringArray& useLines, const JC_StringArray* pWeaponLines)
    {
        JC_OrderInformation order;
        EXPECT_EQ(order.Initiation(&m_Manager), 0u);
        JC_OrderInput& input = *order.GetOrderInput();
        input.AddActivePerson(0);
        input.AddPassivePerson(1);
        input.AddToolEffect(1);
        input.SetPredictMode(1);
        EXPECT_EQ(input.OrderInputFinish(), 0u);
        EXPECT_EQ(input.GetEffectToolOperator(0)->SetItemSpace("UseBehavior", &useLines), 0u);
        if (pWeaponLines != nullptr) {
            EXPECT_EQ(input.GetActiveWeaponOperator(0)->SetItemSpace("FightBehavior", pWeaponLines), 0u);
        }
        return m_OrderManager.DealOrder(&order);
    }

    int HP(int iTeamIndex)
    {
        JC_DataComponent* pPerson = nullptr;
        m_Manager.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson);
        int iHP = -1;
        pPerson->GetItemValue("HP", &iHP);
        return iHP;
    }

    JC_OrderDealUseWeaponAttack m_UseWeapon;
    JC_OrderDealMagicAttack m_Magic;
    JC_OrderDealDmgAbsorbAttack m_DmgAbsorb;
    JC_OrderDealHPAttack m_HPAttack;
    JC_OrderDealCorpseAttack m_Corpse;
};
}

TEST_F(AttackVariantsTest, WeaponAttackMergesItsParametersIntoTheWeaponsLines)
{
    RecordingAttack attack;
    Register({{0x30001, &attack}});
    // In a weapon order the weapon's lines are also the effect's: the weapon
    // line that calls on the weapon is not spliced again.
    const JC_StringArray lines = {
        "@Type\"DF_BehaviorType_UseWeaponAttack\" @Parameter\"1,1,0,50%,+0,50%,+0,+0,DF_Element_None,0\"",
        "@Type\"DF_BehaviorType_Attack\" @Parameter\"1,0,0,+10%,+0,120%,+0,100%,DF_Element_None,0\""};
    Run(0, &lines);
    const std::vector<std::string> expected = {"1,1,0,+5%,+0,+60%,+0,+100%,DF_Element_None,0",
                                               "1,0,0,+10%,+0,120%,+0,100%,DF_Element_None,0"};
    EXPECT_EQ(attack.m_Parameters, expected);

    // An unarmed actor's weapon attack splices nothing and still takes effect.
    Place(0, 12);
    attack.m_Parameters.clear();
    EXPECT_EQ(PreviewTool(lines, nullptr), 0u) << m_Log.Text();
    EXPECT_EQ(attack.m_Parameters, std::vector<std::string>{expected[1]});
    Place(0, 1);

    const JC_StringArray unquoted = {"@Type\"DF_BehaviorType_UseWeaponAttack\" @Parameter\"0\"",
                                     "@Type\"DF_BehaviorType_Attack\" @Parameter"};
    Run(0, &unquoted, JE_ORDERDEAL_USEWEAPONATTACK_NO_PARAMETER);
}

TEST_F(AttackVariantsTest, MalformedWeaponLinesNeverBreakTheSplice)
{
    RecordingAttack attack;
    Register({{0x30001, &attack}});
    const char* const fragments[] = {"@Type\"DF_BehaviorType_Attack\"", "@Type\"DF_BehaviorType_UseWeaponAttack\"",
                                     " @Parameter\"", "@Parameter", "\"", ",", "1", "0", "+10%", "-5", "120%", "%",
                                     "+", "-", "99999999999", "DF_Element_None", "{", "}", "@", " "};
    std::mt19937 dice(17);
    auto text = [&](int iMaxFragments, bool bQuotes) {
        std::string strText;
        const int iCount = static_cast<int>(dice() % iMaxFragments);
        for (int i = 0; i < iCount; ++i)
        {
            const char* szFragment = fragments[dice() % std::size(fragments)];
            if (bQuotes || std::string(szFragment).find('"') == std::string::npos)
                strText += szFragment;
        }
        return strText;
    };
    for (int iRound = 0; iRound < 2000; ++iRound)
    {
        JC_StringArray weaponLines;
        for (int i = static_cast<int>(dice() % 3); i >= 0; --i)
            weaponLines.push_back(text(12, true));
        const JC_StringArray effect = {"@Type\"DF_BehaviorType_UseWeaponAttack\" @Parameter\"" + text(14, false) + "\""};
        const DWORD dwResult = PreviewTool(effect, &weaponLines);
        EXPECT_TRUE(dwResult == 0 || (dwResult & 0x80000000) != 0) << std::hex << dwResult;
    }
}

TEST_F(AttackVariantsTest, MagicDamageFallsWithIntelligenceAndAbsoluteDefense)
{
    const char* const szLine = "@Type\"DF_BehaviorType_MagicAttack\" @Parameter\"20,+0,+0,DF_Element_None,0\"";
    Line(1, szLine);
    const int iMagicAttack = Actor().GetElementMagicAttack("DF_Element_None", FALSE) + 20;
    for (const int iIntelligence : {0, 100, 200, 300})
    {
        SetTarget("Intelligence", iIntelligence);
        const JC_OrderResultPassive preview = Line(1, szLine);
        const int iExpected = std::max((100 - iIntelligence / 2) * iMagicAttack / 100 - Target().GetMagicDefense(FALSE), 0);
        EXPECT_EQ(preview.m_ShowDamage, iExpected) << iIntelligence;
    }
    EXPECT_EQ(Line(1, szLine).m_ShowDamage, 0);

    SetTarget("Intelligence", 0);
    GiveState(1, "DF_State_NoMagicDamage");
    const int iHP = Target().GetHP();
    const JC_OrderResultPassive preview = Line(1, szLine);
    EXPECT_GT(preview.m_ShowDamage, 0);
    const JC_OrderResultPassive real = Line(0, szLine);
    EXPECT_EQ(real.m_ShowDamage, preview.m_ShowDamage);
    EXPECT_EQ(Target().GetHP(), iHP);
    EXPECT_FALSE(Target().HasBehaviorState(64));
    Line(0, szLine);
    EXPECT_EQ(Target().GetHP(), std::max(iHP - preview.m_ShowDamage, 0));
}

TEST_F(AttackVariantsTest, AbsorbAttackHitsDrainsAndMeetsSureEvasion)
{
    // Magic, 30 HP and 10 SP damage, half the HP drained.
    const char* const szMagic = "@Type\"DF_BehaviorType_DmgAbsorbAttack\" @Parameter\"1,0,30,10,,0,,50,0,0\"";
    const int iHP = HP(1);
    m_Script.m_Rolls = {100};
    JC_OrderResultPassive result = Line(0, szMagic);
    EXPECT_EQ(result.m_IsHit, 1);
    EXPECT_EQ(Target().GetHP(), iHP - 30);
    EXPECT_EQ(ActiveResult().m_HPAbsorb, 15);

    // Without magic the sure evasion takes the blow and is used up.
    const char* const szBlow = "@Type\"DF_BehaviorType_DmgAbsorbAttack\" @Parameter\"0,100,30,0,,1,,0,0,0\"";
    GiveState(1, "DF_State_SureDodge");
    result = Line(0, szBlow);
    EXPECT_EQ(result.m_IsHit, 0);
    EXPECT_FALSE(Target().HasBehaviorState(60));
    // With absolute defence applying, a held physical absolute defence takes the damage.
    GiveState(1, "DF_State_NoPhysicalDamage");
    result = Line(0, szBlow);
    EXPECT_EQ(result.m_IsHit, 1);
    EXPECT_EQ(Target().GetHP(), iHP - 30);
    result = Line(0, szBlow);
    EXPECT_EQ(Target().GetHP(), iHP - 60);
}

TEST_F(AttackVariantsTest, HPAttackChargesItsCostHitOrMiss)
{
    // Damage 50 and cost 10 percent of the actor's MaxHP.
    const char* const szLine = "@Type\"DF_BehaviorType_HPAttack\" @Parameter\"10,50,0\"";
    Line(1, szLine);
    const int iCost = Actor().GetMaxHP() * 10 / 100;
    const int iActorHP = Actor().GetHP();
    const int iHP = Target().GetHP();
    m_Script.m_Rolls = {100};
    SetTarget("Agile", 500);
    JC_OrderResultPassive result = Line(0, szLine);
    EXPECT_EQ(result.m_IsHit, 0);
    EXPECT_EQ(Target().GetHP(), iHP);
    EXPECT_EQ(Actor().GetHP(), iActorHP - iCost);

    // An actor not above the cost falls and is gone, even as it kills.
    SetTarget("Agile", 0);
    SetTarget("HP", 1);
    SetActor("HP", iCost);
    result = Line(0, szLine);
    EXPECT_EQ(Target().GetLifeState(), 2);
    EXPECT_EQ(Actor().GetLifeState(), 2);
    EXPECT_EQ(m_Order->GetOrderResultManager()->GetFinalActiveResult(0)->m_LifeOutcome, 2);
}

TEST_F(AttackVariantsTest, CorpseBurstStrikesTheNeighbours)
{
    // A 3 x 3 field: the body in the middle, neighbours north and east, the
    // actor on a corner out of reach.
    ASSERT_EQ(m_Manager.m_ControlSceneObj.BuildFloors(3, 3), 0u);
    Place(2, 11);
    Place(3, 12);
    SetActor("SceneFloorIndex", 8);
    SetTarget("SceneFloorIndex", 4);
    SetTarget("MaxHP", 100);
    SetPersonItem(2, "SceneFloorIndex", 1);
    SetPersonItem(3, "SceneFloorIndex", 5);
    const int iNorthHP = HP(2);
    const int iEastHP = HP(3);
    const char* const szLine = "@Type\"DF_BehaviorType_CorpseAttack\" @Parameter\"20\"";
    Line(0, szLine);
    EXPECT_EQ(Target().GetLifeState(), 2);
    EXPECT_EQ(HP(2), iNorthHP - 20);
    EXPECT_EQ(HP(3), iEastHP - 20);
    EXPECT_EQ(m_Order->GetOrderInput()->GetFollowPersonCount(), 2u);
    EXPECT_EQ(m_Order->GetFollowIndex(), -1);
    EXPECT_EQ(m_Order->GetOrderResultManager()->GetFinalPassiveResultCount(), 3u);

    // A neighbour that is a body is removed and ends the line: the one after it is untouched.
    Place(1, 2);
    SetTarget("SceneFloorIndex", 4);
    SetPersonItem(2, "LifeState", 2);
    SetPersonItem(2, "DieTime", 3);
    Line(0, szLine);
    EXPECT_EQ(m_Order->GetFollowControlPersonPower(0)->GetDieTime(), 0);
    EXPECT_EQ(HP(3), iEastHP - 20);

    // On the left edge the cell before the body's in the list ends the row
    // above, and lies not next to it; nobody next to the body ends the order.
    Place(1, 2);
    SetTarget("SceneFloorIndex", 3);
    SetPersonItem(2, "SceneFloorIndex", 8);
    SetPersonItem(3, "SceneFloorIndex", 2);
    Line(0, szLine);
    EXPECT_EQ(m_Order->GetOrderInput()->GetFollowPersonCount(), 0u);
}
