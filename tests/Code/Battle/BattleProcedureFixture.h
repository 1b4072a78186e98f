#pragma once

#include "Code/Battle/XC_GameProcedure_Battle.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

#include "tests/Code/Battle/SampleBattleSetup.h"
#include "tests/Code/StartedGameFixture.h"

#include <gtest/gtest.h>

#include <functional>

// A saved scene record: the turn, the round step and the camp whose turn runs.
struct SavedRecord
{
    int iTurn;
    int iRoundStep;
    int iCampTurn;
};

// The game started on the sample game with the sample battle's teams in
// place; each test enters the battle procedure through the switch.
class BattleProcedureTest : public StartedGameTest
{
protected:
    void SetUp() override
    {
        XC_GameProcedure_Battle::RegisterProcedures();
        ASSERT_TRUE(m_Game.Start());
        ASSERT_TRUE(SampleBattleSetup::AddParty());
        ASSERT_TRUE(SampleBattleSetup::RunSetupScript());
        ASSERT_TRUE(SampleBattleSetup::PlaceParty());
    }

    void TearDown() override
    {
        m_Game._ChangeProcedure(GP_None);
        XC_GameProcedureFactory::Register(GP_Battle, nullptr);
        XC_GameProcedureFactory::Register(GP_DialogueBattle, nullptr);
    }

    static JC_ControlScene& Record() { return gp_ControlManagerObj->m_ControlSceneObj; }

    static void Save(const SavedRecord& record)
    {
        Record().SetTurn(record.iTurn);
        Record().SetRoundStep(record.iRoundStep);
        Record().SetCampTurn(record.iCampTurn);
    }

    HRESULT Enter(int iProcedureID = GP_Battle) { return m_Game._ChangeProcedure(iProcedureID); }

    XC_GameProcedure_Battle* Battle() const
    {
        return dynamic_cast<XC_GameProcedure_Battle*>(m_Game.GetProcedureObj());
    }

    // Frames until the condition holds; false when it has not after the time.
    bool FramesUntil(const std::function<bool()>& condition, DWORD dwMilliseconds = 10000)
    {
        const DWORD dwStart = GetTickCount();
        while (!condition()) {
            if (GetTickCount() - dwStart > dwMilliseconds)
                return false;
            m_Game.Frame();
        }
        return true;
    }

    // Every person leaves the camp turns with nothing to do.
    static void SpendAllRAP()
    {
        XC_GamePerson* pPersonObj = nullptr;
        while (g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj))
            pPersonObj->GetControlPersonPower()->SetRAP(0);
    }

    StartedGame m_Game;
};
