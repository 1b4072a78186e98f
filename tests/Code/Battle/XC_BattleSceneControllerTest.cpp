#include "Code/Battle/XC_BattleSceneController.h"

#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "Code/XC_GameParameter.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"
#include "JC_DataManager/Event/JC_EventDealResult.h"
#include "JC_DataManager/Event/JC_EventManager.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/FakeKeyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const float PI = 3.14159265f;

// A work of a fixed time that notes when it began and ended.
class NotingWork : public XC_SpriteWorkBase
{
public:
    NotingWork(std::vector<std::string>& log, const std::string& strName, float fWorkTime)
        : m_Log(log), m_strWork(strName)
    {
        SetWorkTime(fWorkTime);
    }
    void Begin() override { m_Log.push_back(m_strWork + " begins"); }
    void End() override { m_Log.push_back(m_strWork + " ends"); }
    BOOL Step(float fElapsedTime) override { return Advance(fElapsedTime); }

private:
    std::vector<std::string>& m_Log;
    std::string m_strWork;
};

// The scene controller over persons on a 4 × 4 floor, its event records
// reachable.
class BattleSceneControllerTest : public BattleFixture
{
protected:
    class Controller : public XC_BattleSceneController
    {
    public:
        using XC_BattleEvent::HandleEvent;
    };

    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(4, 4);
        m_WorldCamera.PlaceCamera(0.0f, 0.0f, 0.0f, 50.0f, 0.0f, 0.78f);
        m_SavedTime = *g_pGameTime;
        m_SavedParameter = *g_pGameParameter;
    }

    void TearDown() override
    {
        m_Controller.Fini();
        g_pJumpStringManager = nullptr;
        g_pInputOfKeyboardObj = nullptr;
        g_pMouseStateObj = nullptr;
        *g_pGameTime = m_SavedTime;
        *g_pGameParameter = m_SavedParameter;
        BattleFixture::TearDown();
    }

    void Start()
    {
        StartBattle();
        ASSERT_EQ(m_Controller.Init(), S_OK);
        m_Jumps.Init(&m_Environment);
        g_pJumpStringManager = &m_Jumps;
    }

    static void Run(float fSeconds)
    {
        for (float fTime = 0.0f; fTime < fSeconds - 1e-4f; fTime += 0.05f)
            g_pTimerManager->Update(0.05f);
    }

    const XS_CameraData& Camera() const { return *m_WorldCamera.GetTargetData(); }

    XC_GameTime m_SavedTime;
    XC_GameParameter m_SavedParameter;
    Controller m_Controller;
    XC_JumpStringManager m_Jumps;
};

} // namespace

TEST_F(BattleSceneControllerTest, SimplexWorksPlayOneAfterAnother)
{
    Start();
    std::vector<std::string> log;
    EXPECT_FALSE(m_Controller.IsBattleWorking());
    m_Controller.AddBattleWork(new NotingWork(log, "first", 0.3f));
    m_Controller.AddBattleWork(new NotingWork(log, "second", 0.3f));
    m_Controller.AddBattleWork(new NotingWork(log, "beside", 0.1f), SW_Multiplex);
    Run(0.2f);
    EXPECT_EQ(log, (std::vector<std::string>{"beside begins", "first begins", "beside ends"}));
    EXPECT_TRUE(m_Controller.IsBattleWorking());
    Run(0.1f);
    EXPECT_TRUE(m_Controller.IsBattleWorking());
    EXPECT_EQ(log.back(), "second begins");
    Run(0.5f);
    EXPECT_EQ(log.back(), "second ends");
    EXPECT_FALSE(m_Controller.IsBattleWorking());

    ErrorLogCapture errors;
    EXPECT_EQ(m_Controller.AddBattleWork(nullptr), E_FAIL);
    EXPECT_TRUE(errors.Contains("pBattleWorkObj")) << errors.Text();
}

TEST_F(BattleSceneControllerTest, DeathsWithAndWithoutABody)
{
    AddFightPerson(300, 11, 5);
    AddFightPerson(301, 12, 6);
    Start();
    for (const DWORD dwTeam : {300u, 301u})
        m_Persons.GetPersonFromTeamIndex(dwTeam)->GetControlPersonPower()->SetLifeState(DF_LifeState_Dead);

    JC_EventDealResultB withBody(300);
    withBody.m_IsDie = 1;
    withBody.m_IsHaveBody = 1;
    EXPECT_EQ(m_Controller.HandleEvent(withBody), S_OK);
    ASSERT_NE(m_Persons.GetPersonFromTeamIndex(300), nullptr);
    EXPECT_EQ(m_Persons.GetPersonFromTeamIndex(300)->GetControlPersonPower()->GetRAP(), 0);

    JC_EventDealResultB noBody(301);
    noBody.m_IsDie = 1;
    EXPECT_EQ(m_Controller.HandleEvent(noBody), S_OK);
    EXPECT_EQ(m_Persons.GetPersonFromTeamIndex(301), nullptr);

    // A record of a person who is gone meanwhile is skipped with a report.
    ErrorLogCapture errors;
    EXPECT_EQ(m_Controller.HandleEvent(noBody), S_OK);
    EXPECT_TRUE(errors.Contains("( pPersonObj ) failed")) << errors.Text();
    EXPECT_EQ(m_Controller.HandleEvent(JC_EventDealResultE(301)), E_FAIL);
    EXPECT_EQ(m_Persons.GetPersonCount(), 1u);
}

TEST_F(BattleSceneControllerTest, EntryPointsWithoutResultsReportNothing)
{
    Start();
    ErrorLogCapture errors;
    EXPECT_EQ(m_Controller.Event_RoundEnd(), S_OK);
    EXPECT_EQ(m_Controller.Event_CampBegin(1), S_OK);
    EXPECT_EQ(m_Controller.Event_CampBegin(7), S_OK);
    EXPECT_EQ(m_Controller.Event_PersonAttackEnd(), S_OK);
    EXPECT_EQ(m_Controller.ClearAllEvent(), S_OK);
    EXPECT_TRUE(errors.Text().empty()) << errors.Text();
    EXPECT_EQ(m_Controller.Event_CampEnd(7), S_OK);
    EXPECT_TRUE(errors.Contains("pEventGroupCamp")) << errors.Text();
}

TEST_F(BattleSceneControllerTest, FloorTablesDrawTheirCellsAndDistancesSkipWater)
{
    std::vector<TestCell> cells(16);
    cells[1].iLandform = 4;
    LayFloor(4, 4, cells);
    Start();
    const LONG table[16] = {0, 1, 2, -1, -1, 5, -1, -1, -1, -1, -1, -1, -1, -1, -1, 9};
    struct Case
    {
        HRESULT (XC_BattleSceneController::*pfnShow)(const LONG*);
        bool bWater;
    };
    const Case cases[] = {{&XC_BattleSceneController::ShowMoveScopeTable, true},
                          {&XC_BattleSceneController::ShowAttackDistanceTable, false},
                          {&XC_BattleSceneController::ShowAttackScopeTable, true}};
    for (const Case& c : cases) {
        m_Controller.ClearShowFloor();
        (m_Controller.*c.pfnShow)(table);
        for (DWORD i = 0; i < 16; ++i) {
            const bool bDrawn = table[i] >= 0 && (i != 1 || c.bWater);
            EXPECT_EQ(m_Scene.GetFloorer()->ShowFloor_IsDrawFloor(i) != 0, bDrawn) << i;
        }
    }
}

TEST_F(BattleSceneControllerTest, QuarterTurnsSnapToTheMiddleOfTheirSector)
{
    struct Case
    {
        float fYaw, fSnapped;
    };
    const Case cases[] = {
        {PI / 6.0f, PI / 12.0f},          {-PI / 12.0f, 23.0f * PI / 12.0f}, {0.0f, PI / 12.0f},
        {PI / 3.0f, PI / 4.0f},           {PI / 2.0f + 0.01f, 7.0f * PI / 12.0f},
        {2.0f * PI, PI / 12.0f},          {13.0f * PI / 6.0f, PI / 12.0f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(XC_BattleSceneController::SnapRotationYaw(c.fYaw), c.fSnapped, 1e-4f) << c.fYaw;

    Start();
    EXPECT_EQ(m_Controller.RotationWorldCameraPointOfViewByRightAngle(TRUE, 0.3f), S_OK);
    EXPECT_EQ(m_Controller.RotationWorldCameraPointOfViewByRightAngle(FALSE, 0.3f), S_OK);
    EXPECT_EQ(m_Controller.GetControlSceneSprite()->GetWorkCount(), 1u);
    Run(0.3f);
    EXPECT_NEAR(Camera().m_fYaw, PI / 12.0f, 1e-3f);
    EXPECT_EQ(m_Controller.GetControlSceneSprite()->GetWorkCount(), 0u);
}

TEST_F(BattleSceneControllerTest, CameraMovesTakeTheirTimeAndReplaceEachOther)
{
    Start();
    const D3DXVECTOR3 vTarget(3.0f, 0.0f, -4.0f);
    float fTime = 0.0f;
    EXPECT_EQ(m_Controller.MoveWorldCameraToPosition(vTarget, 0.0f, &fTime), S_OK);
    EXPECT_NEAR(fTime, 5.0f / 0.005f, 0.5f);
    EXPECT_EQ(m_Controller.MoveWorldCameraToPosition(vTarget, 10.0f, &fTime), S_OK);
    EXPECT_NEAR(fTime, 0.5f, 1e-4f);
    EXPECT_EQ(m_Controller.GetControlSceneSprite()->GetWorkCount(), 1u);
    Run(0.6f);
    EXPECT_NEAR(Camera().m_vLookAt.x, 3.0f, 1e-3f);
    EXPECT_NEAR(Camera().m_vLookAt.z, -4.0f, 1e-3f);

    const D3DXVECTOR3 vThere(1.0f, 0.0f, -1.0f);
    EXPECT_EQ(m_Controller.AddMoveWorldCameraWork(vThere, 0.0f), S_OK);
    EXPECT_EQ(Camera().m_vLookAt, vThere);
    EXPECT_EQ(m_Controller.GetControlSceneSprite()->GetWorkCount(), 0u);
}

TEST_F(BattleSceneControllerTest, ArrowsStepTheFocusCellInScreenDirections)
{
    Start();
    FakeKeyboardDevice device;
    FakeKeyboard keyboard(&device);
    g_pInputOfKeyboardObj = &keyboard;
    struct Case
    {
        float fYaw;
        BYTE byKey;
        LONG lFrom, lTo;
    };
    // Cell 5 is (1, 1) on the 4 × 4 floor.
    const Case cases[] = {
        {0.0f, 0xC8, 5, 1},        {0.0f, 0xCD, 5, 6},        {PI / 2.0f, 0xC8, 5, 6}, {PI / 2.0f, 0xCD, 5, 9},
        {PI, 0xC8, 5, 9},          {PI, 0xCB, 5, 6},          {1.5f * PI, 0xC8, 5, 4}, {1.5f * PI, 0xD0, 5, 6},
        {0.0f, 0xC8, 1, 1},        {0.0f, 0xCB, 12, 12},      {0.0f, 0x1E, 5, 5},
    };
    for (const Case& c : cases) {
        m_WorldCamera.SetTargetYaw(c.fYaw);
        ASSERT_EQ(m_Controller.SetFocusFloorIndex(c.lFrom), S_OK);
        device.keys[c.byKey] = 0x80;
        keyboard.Update();
        EXPECT_EQ(m_Controller.PublicControlCamera(0.0f, FALSE, FALSE, TRUE), S_OK);
        device.keys[c.byKey] = 0;
        keyboard.Update();
        EXPECT_EQ(m_Controller.GetFocusFloorIndex(), c.lTo) << "yaw " << c.fYaw << " key " << int(c.byKey);
    }

    // With Ctrl held nothing reacts.
    device.keys[0x1D] = 0x80;
    device.keys[0xCD] = 0x80;
    keyboard.Update();
    m_Controller.PublicControlCamera(0.0f, TRUE, TRUE, TRUE);
    EXPECT_EQ(m_Controller.GetFocusFloorIndex(), 5);
    ErrorLogCapture errors;
    EXPECT_EQ(m_Controller.SetFocusFloorIndex(16), E_FAIL);
    EXPECT_EQ(m_Controller.SetFocusFloorIndex(-1), E_FAIL);
}

TEST_F(BattleSceneControllerTest, EdgeScrollingGrowsIntoTheBorderAndClampsOrderTheirBounds)
{
    Start();
    XC_MouseState mouse;
    g_pMouseStateObj = &mouse;
    g_pGameTime->fCameraMoveSpeed2 = 1.0f;
    struct Case
    {
        int iX, iY;
        float fDeltaX, fDeltaZ;
    };
    const Case cases[] = {{400, 300, 0.0f, 0.0f}, {795, 300, 10.0f, 0.0f}, {785, 300, 0.0f, 0.0f},
                          {5, 300, -10.0f, 0.0f},  {400, 595, 0.0f, -10.0f}, {400, 0, 0.0f, 15.0f}};
    for (const Case& c : cases) {
        const D3DXVECTOR3 vStart(2.0f, 0.0f, -2.0f);
        m_WorldCamera.SetTargetLookAt(&vStart);
        // Moves arrive as offsets from the centre.
        mouse.ResetToCenter();
        mouse.OnWindowMessage(WM_MOUSEMOVE, 0, MAKELPARAM(c.iX, c.iY));
        m_Controller.PublicControlCamera(0.1f, FALSE, TRUE, FALSE);
        const float fX = std::clamp(2.0f + c.fDeltaX * 0.1f, 0.0f, 4.0f);
        const float fZ = std::clamp(-2.0f + c.fDeltaZ * 0.1f, -4.0f, 0.0f);
        EXPECT_NEAR(Camera().m_vLookAt.x, fX, 1e-4f) << c.iX << ", " << c.iY;
        EXPECT_NEAR(Camera().m_vLookAt.z, fZ, 1e-4f) << c.iX << ", " << c.iY;
    }

    // The zoom bounds may come the wrong way round: the clamp orders them.
    g_pGameParameter->fCameraZoomMin = 80.0f;
    g_pGameParameter->fCameraZoomMax = 20.0f;
    mouse.ResetToCenter();
    mouse.OnWindowMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    m_Controller.PublicControlCamera(0.1f, TRUE, FALSE, FALSE);
    EXPECT_NEAR(Camera().m_fDistance, 50.5f, 1e-3f);
}

// The round's end asks for HP changes last: a person under a third of its
// HP fires its condition there, once.
TEST_F(BattleSceneControllerTest, RoundEndAsksForHPChanges)
{
    AddFightPerson(300, 11, 5);
    Start();
    m_Persons.GetPersonFromTeamIndex(300)->GetControlPersonPower()->SetHP(7);
    JC_EventGroupPerson& group = gp_EventManagerObj->m_EventGroupPersonObj;
    ASSERT_EQ(group.EventAdd_HPInRange("Low,NoSuchScript.txt,300,0,30"), 0u);
    EXPECT_EQ(m_Controller.Event_RoundEnd(), S_OK);
    EXPECT_TRUE(group.GetHPInRange().GetConditions().empty()) << "the condition fired and was used up";
    m_Controller.ClearAllEvent();
}
