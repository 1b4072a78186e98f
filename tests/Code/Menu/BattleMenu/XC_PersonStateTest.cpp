#include "Code/Menu/BattleMenu/XC_PersonState.h"

#include "GameProgram/Common/XC_TimerManager.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <memory>

namespace {

// A state window on the fixture's environment without a layout file: the
// window keeps its defaults and is still usable.
class PersonStateTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        ASSERT_EQ(m_pState->Init(&m_Environment, "Menu\\BattleMenu\\BattleMenu_ActivePersonState.txt"), S_OK);
    }

    void TearDown() override
    {
        m_pState.reset();
        BattleFixture::TearDown();
    }

    void Wait(float fSeconds)
    {
        for (float fTime = 0.0f; fTime < fSeconds - 1e-4f; fTime += 0.05f)
            g_pTimerManager->Update(0.05f);
    }

    std::unique_ptr<XC_PersonState> m_pState = std::make_unique<XC_PersonState>();
};

} // namespace

TEST_F(PersonStateTest, DeferredChangesShowTheLastPersonAfterTheWait)
{
    JC_DataComponent* const apPerson[] = {AddFightPerson(0, 1, 0), AddFightPerson(1, 2, 1), AddFightPerson(2, 3, 2)};
    EXPECT_EQ(m_pState->GetRenderingObjectCount(), 20u);
    m_pState->SetPersonData(apPerson[0]);
    Wait(0.1f);
    m_pState->SetPersonData(apPerson[1]);
    Wait(0.1f);
    m_pState->SetPersonData(apPerson[2]);
    Wait(0.25f);
    EXPECT_FALSE(m_pState->GetShow()) << "shown before the wait after the last change";
    Wait(0.05f);
    EXPECT_TRUE(m_pState->GetShow());
    EXPECT_EQ(m_pState->GetPerson(), apPerson[2]);

    // The same person again does not restart the wait.
    m_pState->SetPersonData(nullptr, TRUE);
    m_pState->SetPersonData(apPerson[1]);
    Wait(0.2f);
    m_pState->SetPersonData(apPerson[1]);
    Wait(0.1f);
    EXPECT_TRUE(m_pState->GetShow());

    m_pState->SetPersonData(nullptr);
    EXPECT_TRUE(m_pState->GetShow());
    Wait(0.35f);
    EXPECT_FALSE(m_pState->GetShow()) << "a deferred null hides after the wait";

    m_pState->SetPersonData(apPerson[0], TRUE);
    EXPECT_TRUE(m_pState->GetShow());
    m_pState->SetPersonData(nullptr, TRUE);
    EXPECT_FALSE(m_pState->GetShow()) << "an immediate null hides at once";
}

TEST_F(PersonStateTest, GaugesAndNumbers)
{
    m_pState->SetHP(45, 120);
    EXPECT_EQ(m_pState->GetHPText(), " 45/120");
    EXPECT_FLOAT_EQ(m_pState->GetHPGauge(), 0.375f);
    m_pState->SetHP(0, 0);
    EXPECT_FLOAT_EQ(m_pState->GetHPGauge(), 0.0f) << "a maximum of 0 is an empty gauge";
    m_pState->SetHP(130, 120);
    EXPECT_EQ(m_pState->GetHPText(), "130/120") << "reported, still shown";
    EXPECT_EQ(m_pState->LoadPersonData(nullptr), E_FAIL);
}
