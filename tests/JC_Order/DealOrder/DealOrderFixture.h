#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JC_OrderManager.h"

#include "tests/JC_Order/SampleOrderFixture.h"

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>

// Every roll gives its lowest value: no dodge-counter, no critical, a sure
// hit, a drain whenever its rate is above 0, no legacy thing.
class LowestRandom : public JC_Random
{
public:
    int Random(int iMin, int) override { return iMin; }
    int Random(int) override { return 0; }
};

// Rolls fed in by a test, in order; 0 once they run out. Ranged rolls give
// their lowest value.
class ScriptedRandom : public JC_Random
{
public:
    int Random(int iMin, int) override { return iMin; }
    int Random(int) override
    {
        if (m_Rolls.empty())
            return 0;
        const int iRoll = m_Rolls.front();
        m_Rolls.pop_front();
        return iRoll;
    }

    std::deque<int> m_Rolls;
};

class FakeBattle : public JI_OrderDealBattle
{
public:
    int GetFloorDirection(int, int) override { return m_iDirection; }

    int m_iDirection = 0;
};


// Orders of team index 0 on team index 1 of the sample game, with the deals
// a test registers, lowest dice and a fake battle.
class DealOrderFixture : public SampleOrderFixture
{
protected:
    void SetUp() override
    {
        SampleOrderFixture::SetUp();
        if (IsSkipped())
            return;
        Place(0, 1);
        Place(1, 2);
        JC_OrderDealBase::SetRandom(&m_Random);
        JC_OrderDealBase::SetBattle(&m_Battle);
        ASSERT_EQ(m_OrderManager.Initiation(&m_Manager), 0u);
    }
    void TearDown() override
    {
        JC_OrderDealBase::SetRandom(nullptr);
        JC_OrderDealBase::SetBattle(nullptr);
    }

    // One weapon order whose behaviour lines are replaced when given.
    JC_OrderResultPassive Run(DWORD dwPredict, const JC_StringArray* pLines = nullptr, DWORD dwExpected = 0)
    {
        m_Order = std::make_unique<JC_OrderInformation>();
        EXPECT_EQ(m_Order->Initiation(&m_Manager), 0u);
        JC_OrderInput& input = *m_Order->GetOrderInput();
        input.AddActivePerson(0);
        input.AddPassivePerson(1);
        input.SetPredictMode(dwPredict);
        EXPECT_EQ(input.OrderInputFinish(), 0u) << m_Log.Text();
        if (pLines != nullptr)
        {
            EXPECT_EQ(input.GetActiveWeaponOperator(0)->SetItemSpace("FightBehavior", pLines), 0u);
        }
        EXPECT_EQ(m_OrderManager.DealOrder(m_Order.get()), dwExpected) << m_Log.Text();
        return *m_Order->GetOrderResultManager()->GetPassiveResult(0);
    }
    // Registers the deals under test with the order manager.
    void Register(std::initializer_list<std::pair<DWORD, JI_OrderDeal*>> deals)
    {
        for (const auto& [dwType, pDeal] : deals)
            ASSERT_EQ(m_OrderManager.AddOrderDeal(dwType, pDeal), 0u) << std::hex << dwType;
    }
    // An order whose only behaviour line is the one given.
    JC_OrderResultPassive Line(DWORD dwPredict, const std::string& strLine, DWORD dwExpected = 0)
    {
        const JC_StringArray lines = {strLine};
        return Run(dwPredict, &lines, dwExpected);
    }
    // Writes a field of a placed person's record.
    void SetPersonItem(int iTeamIndex, const char* szItem, int iValue)
    {
        JC_DataComponent* pPerson = nullptr;
        ASSERT_EQ(m_Manager.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson), 0u);
        ASSERT_EQ(pPerson->SetItemValue(szItem, &iValue), 0u) << szItem;
    }
    void SetTarget(const char* szItem, int iValue) { SetPersonItem(1, szItem, iValue); }
    void SetActor(const char* szItem, int iValue) { SetPersonItem(0, szItem, iValue); }
    JC_OrderResultActive& ActiveResult() { return *m_Order->GetOrderResultManager()->GetActiveResult(0); }
    JC_ControlPersonPower& Actor() { return *m_Order->GetActiveControlPersonPower(0); }
    JC_ControlPersonPower& Target() { return *m_Order->GetPassiveControlPersonPower(0); }

    LowestRandom m_Random;
    ScriptedRandom m_Script;
    FakeBattle m_Battle;
    JC_OrderManager m_OrderManager;
    std::unique_ptr<JC_OrderInformation> m_Order;
};
