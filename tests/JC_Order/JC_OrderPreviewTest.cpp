#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JC_OrderManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataComponentMaker.h"

#include "tests/JC_Order/DealOrder/DealOrderFixture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <algorithm>
#include <sstream>

namespace
{
// Behaviour marks that an order uses up, so that a preview has something to
// leave alone.
const char* const s_aszMarks[] = {
    "DF_State_Strength,DF_RoundType_Use,3,0,0,+10,0",
    "DF_State_Agile,DF_RoundType_Attacked,2,0,0,-2,0",
    "DF_State_Dexterity,DF_RoundType_Use,1,0,0,+5%,0",
};

struct OrderCase
{
    const char* szName;
    int iActor;
    std::vector<DWORD> targets;
    JE_OrderEffectKind effect;
    DWORD dwEffect;
};

// The sample game's persons: the hero, a bandit, a goblin, the fighter and
// the healer; every one carries behaviour marks.
class OrderPreviewTest : public SampleOrderFixture
{
protected:
    void SetUp() override
    {
        SampleOrderFixture::SetUp();
        if (IsSkipped())
            return;
        const DWORD persons[] = {1, 21, 11, 2, 3};
        for (int i = 0; i < 5; ++i)
        {
            Place(i, persons[i]);
            for (DWORD dwGroup = 0; dwGroup < JC_BehaviorGroup::MAX_GROUP; ++dwGroup)
            {
                JC_StringArray* pGroup = m_Analyser.GetBehaviorGroupItems(m_DataManager.GetTeamFightPersonObj(i), dwGroup);
                ASSERT_NE(pGroup, nullptr);
                pGroup->assign(std::begin(s_aszMarks), std::end(s_aszMarks));
            }
        }
        JC_OrderDealBase::SetRandom(&m_Random);
        ASSERT_EQ(m_OrderManager.Initiation(&m_Manager), 0u);
        ASSERT_EQ(m_Deals.Initiation(&m_OrderManager), 0u);
    }
    void TearDown() override { JC_OrderDealBase::SetRandom(nullptr); }

    std::unique_ptr<JC_OrderInformation> Deal(const OrderCase& order, DWORD dwPredict)
    {
        auto pOrder = std::make_unique<JC_OrderInformation>();
        EXPECT_EQ(pOrder->Initiation(&m_Manager), 0u);
        JC_OrderInput& input = *pOrder->GetOrderInput();
        input.AddActivePerson(order.iActor);
        for (DWORD dwTarget : order.targets)
            input.AddPassivePerson(dwTarget);
        if (order.effect == ORDEREFFECT_TOOL)
            input.AddToolEffect(order.dwEffect);
        if (order.effect == ORDEREFFECT_SKILL)
            input.AddSkillEffect(order.dwEffect);
        input.SetPredictMode(dwPredict);
        EXPECT_EQ(input.OrderInputFinish(), 0u) << m_Log.Text();
        EXPECT_EQ(m_OrderManager.DealOrder(pOrder.get()), 0u) << m_Log.Text();
        return pOrder;
    }

    // The thirteen save-state files as written, line by line, without the
    // writer's dated comment lines.
    std::vector<std::string> SaveState()
    {
        ScopedTempFolder folder;
        std::vector<std::string> lines;
        for (DWORD dwKind = 0; dwKind < UNFIXEDDATAKIND_LIMIT; ++dwKind)
        {
            const std::string strFile = folder.File(g_aszUnfixedDataFileNames[dwKind]);
            EXPECT_EQ(m_DataManager.GetUnfixedDataObj(dwKind)->WriteDataFile(strFile, false, false), 0u);
            std::istringstream text(ReadTestFile(strFile));
            for (std::string strLine; std::getline(text, strLine);)
            {
                if (strLine.rfind("//!", 0) != 0)
                    lines.push_back(std::string(g_aszUnfixedDataFileNames[dwKind]) + ": " + strLine);
            }
        }
        return lines;
    }

    // The first line where two save states part, or "" when they are the same.
    static std::string FirstDifference(const std::vector<std::string>& before, const std::vector<std::string>& after)
    {
        const auto parted = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
        if (parted.first == before.end() && parted.second == after.end())
            return "";
        return (parted.first != before.end() ? *parted.first : "(end)") + " became " +
               (parted.second != after.end() ? *parted.second : "(end)");
    }

    LowestRandom m_Random;
    JC_OrderManager m_OrderManager;
    JC_OrderDealManager m_Deals;
};

// One behaviour line of each deal, dealt by the hero's weapon on the bandit,
// or on floors.
struct DealLine
{
    const char* szLine;
    bool bOnFloors;
};

const DealLine s_aDealLines[] = {
    {"@Type\"DF_BehaviorType_Change\" @Parameter\"Camp,0,DF_Camp_Player\"", false},
    {"@Type\"DF_BehaviorType_Merge\" @Parameter\"HP,0,-20\"", false},
    {"@Type\"DF_BehaviorType_Set\" @Parameter\"DF_State_StruckDown,DF_RoundType_Use,1,0,100,0,0\"", false},
    {"@Type\"DF_BehaviorType_Cure\" @Parameter\"DF_State_Strength\"", false},
    {"@Type\"DF_BehaviorType_RestoreHP\" @Parameter\"0,DF_RestoreMode_Value,+30\"", false},
    {"@Type\"DF_BehaviorType_Attack\" @Parameter\"1,0,0,+10%,+0,120%,+0,100%,DF_Element_None,0\"", false},
    {"@Type\"DF_BehaviorType_UseWeaponAttack\" @Parameter\"1,1,0,50%,+0,50%,+0,+0,DF_Element_None,0\"", false},
    {"@Type\"DF_BehaviorType_MagicAttack\" @Parameter\"20,+0,+0,DF_Element_None,0\"", false},
    {"@Type\"DF_BehaviorType_DmgAbsorbAttack\" @Parameter\"1,0,30,10,,0,,50,0,0\"", false},
    {"@Type\"DF_BehaviorType_HPAttack\" @Parameter\"10,50,0\"", false},
    {"@Type\"DF_BehaviorType_CorpseAttack\" @Parameter\"20\"", false},
    {"@Type\"DF_BehaviorType_Catch\" @Parameter\"100\"", false},
    {"@Type\"DF_BehaviorType_Steal\" @Parameter\"100\"", false},
    {"@Type\"DF_BehaviorType_Purify\" @Parameter\"50\"", false},
    {"@Type\"DF_BehaviorType_Call\" @Parameter\"12,DF_CallMode_Floor,100\"", true},
};

const OrderCase s_aCases[] = {
    {"weapon on two enemies", 0, {1, 2}, ORDEREFFECT_WEAPON, 0},
    {"healing herb on the fighter", 4, {3}, ORDEREFFECT_TOOL, 1},
    {"healing skill on two allies", 4, {0, 3}, ORDEREFFECT_SKILL, 0x00020001},
    {"power strike on an enemy", 0, {1}, ORDEREFFECT_SKILL, 0x00030001},
    {"fireball on two enemies", 4, {1, 2}, ORDEREFFECT_SKILL, 0x00010001},
};
}

// Dice that always hit and never strike critically: the real order deals
// exactly what the preview showed.
TEST_F(OrderPreviewTest, PreviewShowsTheRealOrderAndLeavesTheSaveStateAlone)
{
    for (const OrderCase& order : s_aCases)
    {
        SCOPED_TRACE(order.szName);
        const std::vector<std::string> before = SaveState();
        const auto pPreview = Deal(order, 1);
        ASSERT_EQ(FirstDifference(before, SaveState()), "");
        const auto pReal = Deal(order, 0);
        EXPECT_NE(FirstDifference(before, SaveState()), "");

        JC_OrderResultManager& preview = *pPreview->GetOrderResultManager();
        JC_OrderResultManager& real = *pReal->GetOrderResultManager();
        ASSERT_EQ(preview.GetFinalPassiveResultCount(), order.targets.size());
        ASSERT_EQ(real.GetFinalPassiveResultCount(), order.targets.size());
        for (DWORD i = 0; i < order.targets.size(); ++i)
        {
            const JC_OrderFinalResultPassive& shown = *preview.GetFinalPassiveResult(i);
            const JC_OrderFinalResultPassive& dealt = *real.GetFinalPassiveResult(i);
            EXPECT_EQ(shown.m_TeamIndex, static_cast<int>(order.targets[i]));
            EXPECT_EQ(dealt.m_TeamIndex, shown.m_TeamIndex);
            EXPECT_EQ(dealt.m_HitRate, shown.m_HitRate);
            EXPECT_EQ(dealt.m_ShowAttack, shown.m_ShowAttack);
            EXPECT_EQ(dealt.m_ShowDamage, shown.m_ShowDamage);
            EXPECT_NE(shown.m_ShowDamage, 0);
            EXPECT_EQ(dealt.m_IsHit, 1);
            EXPECT_EQ(dealt.m_HPChange, -shown.m_ShowDamage);
        }
        EXPECT_EQ(real.GetFinalOtherResult()->m_ActionScriptID, preview.GetFinalOtherResult()->m_ActionScriptID);
        EXPECT_EQ(real.GetFinalActiveResult(0)->m_TeamIndex, preview.GetFinalActiveResult(0)->m_TeamIndex);
    }
}

TEST_F(OrderPreviewTest, PreviewOfEveryDealLeavesTheSaveStateAlone)
{
    for (const DealLine& deal : s_aDealLines)
    {
        SCOPED_TRACE(deal.szLine);
        JC_OrderInformation order;
        ASSERT_EQ(order.Initiation(&m_Manager), 0u);
        JC_OrderInput& input = *order.GetOrderInput();
        input.AddActivePerson(0);
        if (deal.bOnFloors)
            input.AddPassiveFloor(12);
        else
            input.AddPassivePerson(1);
        input.SetPredictMode(1);
        ASSERT_EQ(input.OrderInputFinish(), 0u) << m_Log.Text();
        const JC_StringArray lines = {deal.szLine};
        ASSERT_EQ(input.GetActiveWeaponOperator(0)->SetItemSpace("FightBehavior", &lines), 0u);

        const std::vector<std::string> before = SaveState();
        EXPECT_EQ(m_OrderManager.DealOrder(&order), 0u) << m_Log.Text();
        EXPECT_EQ(FirstDifference(before, SaveState()), "");
        EXPECT_EQ(order.GetOrderResultManager()->GetFinalActiveResultCount(), 1u);
    }
}
