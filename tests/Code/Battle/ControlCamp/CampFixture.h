#pragma once

#include "Code/Battle/ControlCamp/XC_ControlCampBase.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/XC_GameAI.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/Common/XC_TimerManager.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <string>

// The battle's objects with a published scene controller, for camp turns:
// the game's timings and AI weights are kept and put back, the camps'
// debug lines are collected into a trace.
class CampFixture : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        m_SavedTime = *g_pGameTime;
        m_SavedAI = *g_pGameAI;
        g_bSkipCampBeginEvent = FALSE;
        XC_ControlCampBase::SetDebugTrace(&m_strTrace);
    }

    void TearDown() override
    {
        XC_ControlCampBase::SetDebugTrace(nullptr);
        m_Controller.Fini();
        g_pBattleSceneController = nullptr;
        *g_pGameTime = m_SavedTime;
        *g_pGameAI = m_SavedAI;
        BattleFixture::TearDown();
    }

    void Start()
    {
        StartBattle();
        ASSERT_EQ(m_Controller.Init(), S_OK);
        g_pBattleSceneController = &m_Controller;
    }

    // Persons, tables and the controller off the field, for the next case
    // of a table.
    void ClearField()
    {
        m_Controller.Fini();
        g_pBattleSceneController = nullptr;
        m_Tables.Fini();
        m_Persons.Fini();
        gp_ControlManagerObj->m_ControlTeamObj.EmptyTeam(TeamID::TEAMID_FIGHT);
    }

    JC_ControlPersonPower* Power(DWORD dwTeamIndex)
    {
        XC_GamePerson* const pPersonObj = m_Persons.GetPersonFromTeamIndex(dwTeamIndex);
        return pPersonObj == nullptr ? nullptr : pPersonObj->GetControlPersonPower();
    }

    // Lets the scene's works run for that long.
    static void RunWorks(float fSeconds)
    {
        for (float fTime = 0.0f; fTime < fSeconds - 1e-4f; fTime += 0.05f)
            g_pTimerManager->Update(0.05f);
    }

    XC_GameTime m_SavedTime;
    XC_GameAI m_SavedAI;
    XC_BattleSceneController m_Controller;
    std::string m_strTrace;
};
