#include "GameProgram/Script/XC_ScriptCommand.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Sprite/XC_Sprite.h"
#include "GameProgram/Script/XC_ScriptWork.h"
#include "GameProgram/SpecialEfficacy/XC_ResidualImage.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_Control.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_ShakeCamera.h"
#include "GameProgram/SpriteWork/XC_LightManWork_BrightnessControl.h"
#include "GameProgram/SpriteWork/XC_PerformerWork_Direction.h"
#include "GameProgram/SpriteWork/XC_PersonWork_SetPose.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetRotation.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetScale.h"
#include "GameProgram/SpriteWork/XC_RenderObjWork_SetColor.h"
#include "GameProgram/SpriteWork/XC_ScriptWork_While.h"
#include "tests/GameProgram/Script/ScriptFixture.h"
#include "tests/GameProgram/SpriteWork/PersonAnimations.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<std::string, std::string>> Leaves;

// A dispatcher of its own, pointed at a script and a node by the test.
struct SelectingCommand : XC_ScriptCommand
{
    using XC_ScriptCommand::Select;
};

// One script with a drawable "Hero", whose command nodes are dispatched one
// by one through the process-wide dispatcher.
class CommandTest : public ScriptTest
{
protected:
    CommandTest()
    {
        Load("[S]\n{\n}\n");
        m_pScript = m_Set.GetScript(0);
        m_pHero = AddObject(m_pScript, "Hero");
    }

    // The work the node's command makes (owned by the test), or null; the
    // result in *pHr.
    template <class T = XC_SpriteWorkBase>
    std::unique_ptr<T> Dispatch(const Leaves& leaves, HRESULT* pHr = nullptr)
    {
        m_Nodes.push_back(MakeNode("[Cmd]", leaves));
        XC_SpriteWorkBase* pWork = nullptr;
        const HRESULT hr = g_pScriptCommandObj->AnalyzeCommand(m_pScript, m_Nodes.back().get(), &pWork);
        if (pHr != nullptr)
            *pHr = hr;
        T* const pTyped = dynamic_cast<T*>(pWork);
        if (pWork != nullptr && pTyped == nullptr)
            delete pWork;
        return std::unique_ptr<T>(pTyped);
    }

    XC_Script* m_pScript = nullptr;
    ScriptDrawable* m_pHero = nullptr;
    std::vector<std::unique_ptr<XC_TextNode>> m_Nodes;
};

} // namespace

TEST_F(CommandTest, TheDispatcherSetsNameAndTimesOverTheHandlers)
{
    HRESULT hr = S_OK;
    EXPECT_EQ(Dispatch({{"Type", "nothing"}}, &hr), nullptr);
    EXPECT_EQ(hr, E_FAIL);
    EXPECT_TRUE(m_Log.Contains("找不到腳本分析指令 nothing , 檢查是否輸入錯誤"));
    EXPECT_EQ(Dispatch({{"fWorkTime", "1"}}, &hr), nullptr);
    EXPECT_EQ(hr, E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( stringType.length() > 0 ) failed"));
    EXPECT_TRUE(m_Log.Contains("腳本分析錯誤 沒有 Type 參數 "));

    std::unique_ptr<XC_SpriteWorkBase> pWork = Dispatch({{"Type", "Nothing"}, {"fWorkTime", "2.5"}, {"fDelayTime", "1"}});
    ASSERT_NE(pWork, nullptr);
    EXPECT_STREQ(pWork->GetName(), "[Cmd]");
    EXPECT_EQ(pWork->GetWorkTime(), 2.5f);
    EXPECT_EQ(pWork->GetDelayTime(), 1.0f);
    pWork = Dispatch({{"Type", "Nothing"}, {"WorkName", "Named"}});
    EXPECT_STREQ(pWork->GetName(), "Named");
    EXPECT_EQ(pWork->GetWorkTime(), 0.0f);
    // The command name may itself be an expression or a script value.
    m_pScript->GetScriptParameter()->SetParameter("Type", "Nothing");
    EXPECT_NE(Dispatch({{"fWorkTime", "1"}}), nullptr);
}

TEST_F(CommandTest, NodeCommandsFillTheirWorks)
{
    std::unique_ptr<XC_RenderNodeWork_SetPosition> pPosition =
        Dispatch<XC_RenderNodeWork_SetPosition>({{"Type", "SetPosition"}, {"Object", "Hero"}, {"xyzPosition", "1 2 3"}});
    ASSERT_NE(pPosition, nullptr);
    EXPECT_EQ(pPosition->GetTarget(), m_pHero);
    EXPECT_EQ(pPosition->m_vPosition, D3DXVECTOR3(1, 2, 3));
    // The handler's defaults replace the work's own.
    EXPECT_EQ(pPosition->m_fSpeedBegin, 0.0f);
    EXPECT_EQ(pPosition->m_fSpeedEnd, 0.0f);
    EXPECT_EQ(pPosition->m_fSpeedChangePoint, 0.0f);
    EXPECT_EQ(pPosition->m_dwMoveType, 0u);
    EXPECT_FALSE(pPosition->m_bAbsPosition);

    pPosition = Dispatch<XC_RenderNodeWork_SetPosition>({{"Type", "SetPosition"}, {"Object", "Hero"},
                                                          {"bAbsPosition", "TRUE"}, {"fSpeedBegin", "2"},
                                                          {"fSpeedEnd", "3"}, {"fSpeedChangePoint", "0.5"},
                                                          {"dwMoveType", "1"}, {"fMoveArg", "4"}});
    EXPECT_TRUE(pPosition->m_bAbsPosition);
    EXPECT_EQ(pPosition->m_fSpeedBegin, 2.0f);
    EXPECT_EQ(pPosition->m_fSpeedEnd, 3.0f);
    EXPECT_EQ(pPosition->m_fSpeedChangePoint, 0.5f);
    EXPECT_EQ(pPosition->m_dwMoveType, 1u);
    EXPECT_EQ(pPosition->m_fMoveArg, 4.0f);

    // "SetPosition" reaches rendering objects only; the camera is a node.
    HRESULT hr = S_OK;
    EXPECT_EQ(Dispatch({{"Type", "SetPosition"}, {"Object", "Camera"}}, &hr), nullptr);
    EXPECT_EQ(hr, E_FAIL);
    EXPECT_TRUE(m_Log.Contains("找不到資源 名稱 Camera "));
    std::unique_ptr<XC_RenderNodeWork_SetRotation> pRotation = Dispatch<XC_RenderNodeWork_SetRotation>(
        {{"Type", "SetRotation"}, {"Object", "Camera"}, {"xyzRotation", "0 1 0"}, {"bAbsRotation", "1"}});
    ASSERT_NE(pRotation, nullptr);
    EXPECT_EQ(pRotation->GetTarget(), m_Environment.worldCamera.GetCameraRenderNode());
    EXPECT_TRUE(pRotation->m_bAbsRotation);
    std::unique_ptr<XC_RenderNodeWork_SetScale> pScale =
        Dispatch<XC_RenderNodeWork_SetScale>({{"Type", "SetScale"}, {"Object", "Hero"}, {"xyzScale", "1 1 1"}});
    EXPECT_EQ(pScale->m_vScale, D3DXVECTOR3(1, 1, 1));
    EXPECT_EQ(Dispatch({{"Type", "SetRotation"}}, &hr), nullptr);
    EXPECT_EQ(hr, E_FAIL);

    std::unique_ptr<XC_RenderObjWork_SetColor> pColor =
        Dispatch<XC_RenderObjWork_SetColor>({{"Type", "SetColor"}, {"Object", "Hero"}, {"dwColor", "#RGBA 1 2 3 4"}});
    EXPECT_EQ(pColor->m_dwColor, 0x04010203u);
}

TEST_F(CommandTest, ImmediateNodeCommands)
{
    m_pHero->SetShow(TRUE);
    EXPECT_EQ(Dispatch({{"Type", "SetShow"}, {"Object", "Hero"}}), nullptr);
    EXPECT_FALSE(m_pHero->GetShow());
    HRESULT hr = S_OK;
    Dispatch({{"Type", "SetShow"}, {"Object", "Nobody"}}, &hr);
    EXPECT_EQ(hr, E_FAIL);
    EXPECT_TRUE(m_Log.Contains("Script SetShow Error , Can't Find Object"));

    ScriptDrawable* const pShield = AddObject(m_pScript, "Shield");
    Dispatch({{"Type", "SetNodeLink"}, {"Parent", "Hero"}, {"Child", "Shield"}}, &hr);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(pShield->GetParent(), m_pHero);
    Dispatch({{"Type", "SetNodeLink"}, {"Parent", "NULL"}, {"Child", "Shield"}}, &hr);
    EXPECT_EQ(pShield->GetParent(), nullptr);
    Dispatch({{"Type", "SetNodeLink"}, {"Child", "Shield"}}, &hr);
    EXPECT_EQ(hr, E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pRN_Parent ) failed"));
}

TEST_F(CommandTest, FlowCommands)
{
    std::unique_ptr<XC_ScriptWork_While> pWhile =
        Dispatch<XC_ScriptWork_While>({{"Type", "While"}, {"dwCount", "4"}, {"dwMsg", "10"}, {"bIncrease", "1"}});
    EXPECT_EQ(pWhile->m_dwCount, 4u);
    EXPECT_EQ(pWhile->m_dwMsg, 10u);
    EXPECT_TRUE(pWhile->m_bIncrease);

    struct Case { Leaves leaves; float fWorkTime; };
    const std::vector<Case> delays = {
        {{{"xyzPosition2", "3 4 0"}, {"fDistanceToTime", "2"}, {"fWorkTime", "0"}}, 10.0f},
        {{{"xyzPosition2", "3 4 0"}, {"fDistanceToTime", "2"}, {"fWorkTime", "0"}, {"bPlaneDistance", "1"}}, 6.0f},
        {{{"xyzPosition1", "0 9 0"}, {"xyzPosition2", "3 0 4"}, {"fDistanceToTime", "1"}, {"fWorkTime", "0"},
          {"bPlaneDistance", "TRUE"}}, 5.0f},
        {{{"xyzPosition2", "3 4 0"}, {"fDistanceToTime", "2"}}, 0.0f},
    };
    for (const Case& c : delays) {
        Leaves leaves = c.leaves;
        leaves.insert(leaves.begin(), {"Type", "DistanceDelay"});
        std::unique_ptr<XC_SpriteWorkBase> pWork = Dispatch(leaves);
        ASSERT_NE(pWork, nullptr);
        EXPECT_NEAR(pWork->GetWorkTime(), c.fWorkTime, 1e-5f);
    }
    EXPECT_TRUE(m_Log.Contains("腳本工作DistanceDelay 必須要有fWorkTime參數"));

    Dispatch({{"Type", "SetTimeElapseSpeed"}, {"fElapseSpeed", "0.5"}});
    XC_Timer probe(TR_Sprite);
    probe.Start();
    g_pTimerManager->Update(1.0f);
    EXPECT_EQ(probe.GetTime(), 0.5f);
    Dispatch({{"Type", "SetTimeElapseSpeed"}, {"fElapseSpeed", "1"}});

    HRESULT hr = E_FAIL;
    Dispatch({{"Type", "SetTimerObj"}, {"Object", "Hero"}}, &hr);
    EXPECT_EQ(hr, S_OK);
    EXPECT_TRUE(m_Log.Contains("SetTimerObj Error , Hero , 不是Timer物件 , "));
    Dispatch({{"Type", "SetParameter"}, {"ParameterName", "x"}, {"ParameterData", "7"}}, &hr);
    const char* szValue = nullptr;
    m_pScript->GetScriptParameter()->GetParameter("x", &szValue);
    EXPECT_STREQ(szValue, "7");

    // A called file that holds no script fails instead of being run.
    m_Pack.files["Script\\Nothing.txt"] = "// no script here\n";
    Dispatch({{"Type", "CallScript"}, {"ScriptFile", "Script\\Nothing.txt"}}, &hr);
    EXPECT_EQ(hr, E_FAIL);
    Dispatch({{"Type", "CallScript"}, {"ScriptFile", "Script\\Missing.txt"}}, &hr);
    EXPECT_EQ(hr, E_FAIL);
    EXPECT_TRUE(m_Log.Contains("讀取檔案失敗 Script\\Missing.txt"));
}

TEST_F(CommandTest, FollowersWaitingForAMessageTheirCommandNeverSendsAreReported)
{
    struct Case { Leaves leaves; const char* szCondition; bool bReported; };
    const std::vector<Case> cases = {
        {{{"Type", "SetParameter"}, {"ParameterName", "x"}, {"ParameterData", "1"}}, "1", true},
        {{{"Type", "Nothing"}}, "1", true},
        {{{"Type", "Nothing"}}, "0", false},
        {{{"Type", "If"}, {"bExpression", "1"}}, "2", false},
        {{{"Type", "If"}}, "3", true},
        {{{"Type", "While"}, {"dwCount", "3"}, {"dwMsg", "5"}, {"bIncrease", "1"}}, "7", false},
        {{{"Type", "While"}, {"dwCount", "3"}, {"dwMsg", "5"}, {"bIncrease", "1"}}, "8", true},
        {{{"Type", "While"}, {"dwCount", "3"}, {"dwMsg", "5"}}, "5", false},
        {{{"Type", "While"}, {"dwCount", "3"}, {"dwMsg", "5"}}, "6", true},
        {{{"Type", "While"}, {"dwCount", "0"}, {"dwMsg", "5"}}, "5", true},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        m_Nodes.push_back(MakeNode("[Cmd]", c.leaves));
        const std::string strFollower = "[N" + std::to_string(i) + "]";
        AddChild(m_Nodes.back().get(), strFollower.c_str(), {{"dwConditionOfStart", c.szCondition}});
        XC_SpriteWorkBase* pWork = nullptr;
        EXPECT_EQ(g_pScriptCommandObj->AnalyzeCommand(m_pScript, m_Nodes.back().get(), &pWork), S_OK);
        delete pWork;
        const std::string strReport = "\"[Cmd] " + strFollower + " \" dwConditionOfStart = " + c.szCondition
                                    + " : its command \"" + c.leaves[0].second + "\" never sends that message";
        EXPECT_EQ(m_Log.Contains(strReport), c.bReported) << strReport << "\n" << m_Log.Text();
    }
}

TEST_F(CommandTest, CallScriptPlacesTheCalledSetAndNamesItsScript)
{
    m_Pack.files["Script\\Called.txt"] = "[Inner]\n{\n}\n";
    std::unique_ptr<XC_ScriptWork> pWork = Dispatch<XC_ScriptWork>(
        {{"Type", "CallScript"}, {"ScriptFile", "Script\\Called.txt"}, {"ScriptName", "[Renamed]"}, {"xyzScale", "2 2 2"}});
    ASSERT_NE(pWork, nullptr);
    EXPECT_STREQ(pWork->GetScriptObj(0)->GetName(), "[Renamed]");
    XC_RenderNode* const pRoot = pWork->GetScriptSet()->GetRenderNode();
    EXPECT_EQ(*pRoot->GetScale(), D3DXVECTOR3(2, 2, 2));
    EXPECT_EQ(*pRoot->GetPosition(), D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(pRoot->GetParent(), m_pScript->GetRootRenderNode());
    // The called script sees its caller's objects.
    EXPECT_EQ(pWork->GetScriptObj(0)->GetScriptResource()->GetRenderObj("Hero"), m_pHero);
}

TEST_F(CommandTest, CameraAndLightCommandsFillTheirWorks)
{
    std::unique_ptr<XC_CameraManWork_Control> pControl = Dispatch<XC_CameraManWork_Control>(
        {{"Type", "CameraControl"}, {"fYaw", "90"}, {"fZoom", "90"}, {"bAbsPitch", "1"}, {"Object", "screencamera"}});
    ASSERT_NE(pControl, nullptr);
    EXPECT_EQ(pControl->m_fYaw, 1.5707964f);
    EXPECT_EQ(pControl->m_fZoom, 90.0f);
    EXPECT_TRUE(pControl->m_bAbsPitch);

    std::unique_ptr<XC_CameraManWork_ShakeCamera> pShake = Dispatch<XC_CameraManWork_ShakeCamera>(
        {{"Type", "ShakeCamera"}, {"fVerticalShakeFrequency1", "5"}, {"fHorizontalShakeRange2", "3"}});
    EXPECT_EQ(pShake->m_fVerticalShakeFrequency1, 5.0f);
    EXPECT_EQ(pShake->m_fHorizontalShakeRange2, 3.0f);

    std::unique_ptr<XC_LightManWork_BrightnessControl> pLight = Dispatch<XC_LightManWork_BrightnessControl>(
        {{"Type", "LightManBrightnessControl"}});
    EXPECT_EQ(pLight->m_fBrightnessControl, 0.0f);
    EXPECT_FALSE(pLight->m_bAbsBrightness);

    // A missing reference node ends the command without a work.
    HRESULT hr = E_FAIL;
    EXPECT_EQ(Dispatch({{"Type", "CameraReferRenderNode"}, {"ReferRenderNode", "Nobody"}}, &hr), nullptr);
    EXPECT_EQ(hr, S_OK);
    // A quarter turn at the slowest speed lasts 90 seconds; the time lands in
    // the node's "fWorkTime".
    m_Environment.PlaceWorldCamera(-0.7853982f + 6.2831855f);
    m_pHero->SetRotationY(1.5707964f);
    std::unique_ptr<XC_SpriteWorkBase> pTurn =
        Dispatch({{"Type", "CameraReferRenderNode"}, {"ReferRenderNode", "Hero"}, {"fRotateSpeed", "0.5"}});
    ASSERT_NE(pTurn, nullptr);
    EXPECT_NEAR(pTurn->GetWorkTime(), 90.0f, 0.01f);
    m_pHero->SetRotationY(0.0f);
    EXPECT_EQ(Dispatch({{"Type", "CameraReferRenderNode"}, {"ReferRenderNode", "Hero"}, {"dwRelativeDirection", "7"},
                        {"fWorkTime", "3"}},
                       &hr),
              nullptr);
    EXPECT_STREQ(m_Nodes.back()->GetStr("fWorkTime", ""), "3");

    Dispatch({{"Type", "CameraLookAtFollow"}, {"FollowTarget", "Hero"}}, &hr);
    EXPECT_EQ(hr, S_OK);
    Dispatch({{"Type", "CameraLookAtFollow"}, {"FollowTarget", "None"}}, &hr);
    EXPECT_EQ(hr, S_OK);
}

TEST_F(CommandTest, NodeFunctionsReadNamedNodes)
{
    m_pHero->SetPositionXYZ(1.0f, 2.0f, 3.0f);
    m_Nodes.push_back(MakeNode("[Cmd]", {{"a", "#GetPosition Hero"}, {"b", "#RenderNode(Hero, Position)"},
                                         {"c", "#RenderNode Hero position"}, {"d", "#GetPosition Nobody"},
                                         {"e", "#GetScale Hero"}, {"f", "#GetPosition #String"}}));
    SelectingCommand command;
    command.Select(m_pScript, m_Nodes.back().get());
    EXPECT_EQ(command.GetXYZParameter("a"), D3DXVECTOR3(1, 2, 3));
    EXPECT_EQ(command.GetXYZParameter("b"), D3DXVECTOR3(1, 2, 3));
    EXPECT_EQ(command.GetXYZParameter("c"), D3DXVECTOR3(0, 0, 0));
    EXPECT_TRUE(m_Log.Contains("Get XYZ From RenderNode Error , Check <Type>"));
    EXPECT_EQ(command.GetXYZParameter("d"), D3DXVECTOR3(0, 0, 0));
    EXPECT_TRUE(m_Log.Contains("Get XYZ From RenderNode Error , Can't Find Nobody"));
    EXPECT_EQ(command.GetXYZParameter("e"), D3DXVECTOR3(1, 1, 1));
    // A failing argument fails the value: the getter's default, reported.
    EXPECT_EQ(command.GetXYZParameter("f"), D3DXVECTOR3(0, 0, 0));
    EXPECT_TRUE(m_Log.Contains("szParameterName = f"));
}

TEST_F(CommandTest, AnimationAndAfterImageCommands)
{
    XC_RenderAnimation* const pAni = new XC_RenderAnimation;
    pAni->SetName("Ani");
    m_pScript->GetRenderObjManager()->AddRenderingObject(pAni);
    m_pScript->GetScriptResource()->AddRenderObjToResource(pAni, nullptr);

    // A long work with a follower waiting for a message lasts until its last page.
    struct Case { const char* szWorkTime; const char* szCondition; const char* szExpected; };
    const Case cases[] = {
        {"1.0", "1", "9999.0"}, {"0.5", "1", "0.5"}, {"1.0", "0", "1.0"},
    };
    for (const Case& c : cases) {
        m_Nodes.push_back(MakeNode("[Cmd]", {{"Type", "SetAniPlay"}, {"Object", "Ani"}, {"bLastPageEnd", "TRUE"},
                                             {"fWorkTime", c.szWorkTime}}));
        AddChild(m_Nodes.back().get(), "[Next]", {{"dwConditionOfStart", c.szCondition}});
        XC_SpriteWorkBase* pWork = nullptr;
        ASSERT_EQ(g_pScriptCommandObj->AnalyzeCommand(m_pScript, m_Nodes.back().get(), &pWork), S_OK);
        EXPECT_STREQ(m_Nodes.back()->GetStr("fWorkTime", ""), c.szExpected);
        EXPECT_EQ(pWork->GetWorkTime(), static_cast<float>(std::atof(c.szExpected)));
        delete pWork;
    }
    HRESULT hr = S_OK;
    EXPECT_EQ(Dispatch({{"Type", "SetAniPlay"}, {"Object", "Hero"}}, &hr), nullptr);
    EXPECT_EQ(hr, E_FAIL);

    // Without "bAlphaBlen" the blend leaves are not read.
    std::unique_ptr<XC_ResidualImage> pImage = Dispatch<XC_ResidualImage>(
        {{"Type", "ResidualImage"}, {"Object", "Hero"}, {"dwSrcBlend", "5"}, {"fLifeTime", "0.5"}});
    ASSERT_NE(pImage, nullptr);
    DWORD dwValue = 0;
    pImage->GetSetDirectState()->GetRenderState(19, &dwValue);
    EXPECT_NE(dwValue, 5u);
    pImage = Dispatch<XC_ResidualImage>({{"Type", "ResidualImage"}, {"Object", "Hero"}, {"bAlphaBlen", "1"}, {"dwSrcBlend", "5"}});
    pImage->GetSetDirectState()->GetRenderState(19, &dwValue);
    EXPECT_EQ(dwValue, 5u);
    EXPECT_EQ(pImage->m_dwColorStart, 0u);
    EXPECT_FALSE(pImage->m_bWaitEveryResidualImageDeath);
}

namespace {

// The command test with a person "Walker" (pose 1, direction 1) among the
// script's objects and the pose name "Strike" for pose 12. The animations
// outlive the script set, which holds the persons.
class PersonCommandTest : public PersonAnimations, public CommandTest
{
protected:
    PersonCommandTest()
    {
        XC_Person::SetPersonPoseIndex("Strike", 12);
        m_pWalker = new XC_Person;
        m_pWalker->SetName("Walker");
        m_pWalker->InitPerson(PersonAnimations::PATH, 1, 1);
        m_pScript->GetRenderObjManager()->AddRenderingObject(m_pWalker);
        m_pScript->GetScriptResource()->AddRenderObjToResource(m_pWalker, nullptr);
    }

    XC_Person* m_pWalker = nullptr;
};

} // namespace

TEST_F(PersonCommandTest, PoseAndDirectionCommandsFillTheirWorks)
{
    std::unique_ptr<XC_PersonWork_SetPose> pPose =
        Dispatch<XC_PersonWork_SetPose>({{"Type", "SetPose"}, {"Object", "Walker"}, {"Pose", "Strike"}});
    ASSERT_NE(pPose, nullptr);
    EXPECT_EQ(pPose->m_dwPose, 12u);
    EXPECT_EQ(pPose->m_dwReplayType, 2u);
    EXPECT_FALSE(pPose->m_bLastPageEnd);
    EXPECT_FALSE(pPose->m_bRestoreWhenFinishWork);
    pPose = Dispatch<XC_PersonWork_SetPose>({{"Type", "SetPose"}, {"Object", "Walker"}, {"Pose", "Sit"},
                                             {"dwReplayType", "0"}, {"bRestoreWhenFinishWork", "1"}});
    EXPECT_EQ(pPose->m_dwPose, 0u);
    EXPECT_EQ(pPose->m_dwReplayType, 0u);
    EXPECT_TRUE(pPose->m_bRestoreWhenFinishWork);
    EXPECT_TRUE(m_Log.Contains("XC_Person::GetPersonPoseIndex , UnKnow Pose  Sit"));

    // A long pose work with a follower waiting for a page message lasts
    // until its last page.
    m_Nodes.push_back(MakeNode("[Cmd]", {{"Type", "SetPose"}, {"Object", "Walker"}, {"Pose", "Strike"},
                                         {"bLastPageEnd", "TRUE"}, {"fWorkTime", "1.0"}}));
    AddChild(m_Nodes.back().get(), "[Next]", {{"dwConditionOfStart", "11"}});
    XC_SpriteWorkBase* pWork = nullptr;
    ASSERT_EQ(g_pScriptCommandObj->AnalyzeCommand(m_pScript, m_Nodes.back().get(), &pWork), S_OK);
    EXPECT_EQ(pWork->GetWorkTime(), 9999.0f);
    delete pWork;

    struct Failure { Leaves leaves; const char* szReport; };
    const Failure failures[] = {
        {{{"Type", "SetPose"}, {"Object", "Hero"}, {"Pose", "Strike"}}, "SetPose Can't Find Object \"Hero\" "},
        {{{"Type", "SetPose"}, {"Pose", "Strike"}}, "( strObject.length() > 0 ) failed"},
        {{{"Type", "SetPose"}, {"Object", "Walker"}}, "設定姿勢工作錯誤 找不到 參數 Pose "},
        {{{"Type", "PersonLookAtPosition"}, {"Object", "Hero"}}, "( pPerson ) failed"},
        {{{"Type", "PersonChangeDirection"}, {"Object", "Nobody"}}, "找不到資源 名稱 Nobody "},
    };
    for (const Failure& f : failures) {
        HRESULT hr = S_OK;
        EXPECT_EQ(Dispatch(f.leaves, &hr), nullptr) << f.szReport;
        EXPECT_EQ(hr, E_FAIL) << f.szReport;
        EXPECT_TRUE(m_Log.Contains(f.szReport)) << f.szReport;
    }

    // Values out of range are reported but still make the work.
    std::unique_ptr<XC_PerformerWork_Direction> pTurn = Dispatch<XC_PerformerWork_Direction>(
        {{"Type", "PersonChangeDirection"}, {"Object", "Walker"}, {"dwAdjustDirection", "5"}, {"dwDirection", "4"}});
    ASSERT_NE(pTurn, nullptr);
    EXPECT_TRUE(pTurn->m_bAbsDirection);
    EXPECT_EQ(pTurn->m_dwDirection, 4u);
    EXPECT_TRUE(m_Log.Contains("PersonChangeDirection 參數 dwAdjustDirection 錯誤"));
    EXPECT_TRUE(m_Log.Contains("PersonChangeDirection 參數 dwDirection 錯誤"));
    pTurn = Dispatch<XC_PerformerWork_Direction>(
        {{"Type", "PersonChangeDirection"}, {"Object", "Walker"}, {"dwDirection", "1"}, {"bRestoreWhenFinishWork", "1"}});
    EXPECT_FALSE(pTurn->m_bAbsDirection);
    EXPECT_TRUE(pTurn->m_bRestoreWhenFinishWork);

    // Looking acts at once and makes no work.
    HRESULT hr = E_FAIL;
    EXPECT_EQ(Dispatch({{"Type", "PersonLookAtPosition"}, {"Object", "Walker"}, {"xyzTarget", "1 0 -5"}}, &hr), nullptr);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(m_pWalker->GetDirectionNumber(), 2u);
}

TEST_F(PersonCommandTest, PersonDirectionFunctions)
{
    m_Nodes.push_back(MakeNode("[Cmd]", {{"a", "#PersonAbsoluteDirection Walker"},
                                         {"r", "#PersonRelativeDirection(Walker)"},
                                         {"h", "#PersonAbsoluteDirection Hero"},
                                         {"s", "#PersonRelativeDirection #String"}}));
    SelectingCommand command;
    command.Select(m_pScript, m_Nodes.back().get());
    EXPECT_EQ(command.GetLongParameter("a", -1), 1);
    // Not yet through a frustum test.
    EXPECT_EQ(command.GetLongParameter("r", -1), 99);
    m_Environment.PlaceWorldCamera(0.0f);
    m_pWalker->GetWorldPosition();
    m_pWalker->IsInFrustum(m_Environment.worldCamera.GetFrustum());
    EXPECT_EQ(command.GetLongParameter("r", -1), static_cast<LONG>(m_pWalker->GetViewQuarter()));
    EXPECT_LT(m_pWalker->GetViewQuarter(), 4u);
    // Objects that are no persons and failing arguments fail the value.
    EXPECT_EQ(command.GetLongParameter("h", -1), -1);
    EXPECT_TRUE(m_Log.Contains("PersonAbsoluteDirection Error , Can't Find Hero"));
    EXPECT_EQ(command.GetLongParameter("s", -1), -1);
    EXPECT_TRUE(m_Log.Contains("szParameterName = s"));
}

TEST_F(PersonCommandTest, CloningRunsAScriptThatHoldsTheCopy)
{
    m_Pack.files["Script\\Clone.txt"] = "[Clone]\n{\n}\n";
    m_pWalker->SetPose(12);
    std::unique_ptr<XC_ScriptWork> pWork = Dispatch<XC_ScriptWork>(
        {{"Type", "CallHumanCloningScript"}, {"CopyPerson", "Walker"}, {"ScriptFile", "Script\\Clone.txt"},
         {"ScriptName", "[Copy]"}, {"xyzPosition", "1 2 3"}, {"xyzScale", "2 2 2"}});
    ASSERT_NE(pWork, nullptr);
    XC_Script* const pCloneScript = pWork->GetScriptObj(0);
    EXPECT_STREQ(pCloneScript->GetName(), "[Copy]");
    XC_Person* const pCopy = dynamic_cast<XC_Person*>(pCloneScript->GetScriptResource()->GetRenderObj("Person"));
    ASSERT_NE(pCopy, nullptr);
    EXPECT_NE(pCopy, m_pWalker);
    EXPECT_STREQ(pCopy->GetPersonPath(), PersonAnimations::PATH);
    EXPECT_EQ(pCopy->GetPose(), 0u);
    EXPECT_EQ(pCopy->GetDirectionNumber(), 0u);
    // The copy stands, free of any parent, where the script's objects stand.
    XC_RenderObjManager* const pManager = pCloneScript->GetRenderObjManager();
    EXPECT_EQ(pCopy->GetParent(), nullptr);
    EXPECT_EQ(*pCopy->GetPosition(), *pManager->QueryWorldPosition());
    EXPECT_EQ(*pCopy->GetPosition(), D3DXVECTOR3(1, 2, 3));
    EXPECT_EQ(*pCopy->GetScale(), D3DXVECTOR3(2, 2, 2));
    EXPECT_STREQ(pCopy->GetName(), "Person");

    // Without placing leaves the copy takes the manager's transform as it is.
    pWork = Dispatch<XC_ScriptWork>(
        {{"Type", "CallHumanCloningScript"}, {"CopyPerson", "Walker"}, {"ScriptFile", "Script\\Clone.txt"}});
    ASSERT_NE(pWork, nullptr);
    XC_Script* const pPlain = pWork->GetScriptObj(0);
    EXPECT_STREQ(pPlain->GetName(), "[Clone]");
    EXPECT_EQ(*pPlain->GetScriptResource()->GetRenderObj("Person")->GetPosition(),
              *pPlain->GetRenderObjManager()->QueryWorldPosition());

    // A file without a script, a missing file or a source that is no person
    // fails and leaves no work.
    m_Pack.files["Script\\Empty.txt"] = "// nothing\n";
    const Leaves failures[] = {
        {{"Type", "CallHumanCloningScript"}, {"CopyPerson", "Walker"}, {"ScriptFile", "Script\\Empty.txt"}},
        {{"Type", "CallHumanCloningScript"}, {"CopyPerson", "Walker"}, {"ScriptFile", "Script\\Missing.txt"}},
        {{"Type", "CallHumanCloningScript"}, {"CopyPerson", "Hero"}, {"ScriptFile", "Script\\Clone.txt"}},
    };
    for (const Leaves& leaves : failures) {
        HRESULT hr = S_OK;
        EXPECT_EQ(Dispatch(leaves, &hr), nullptr);
        EXPECT_EQ(hr, E_FAIL);
    }
    EXPECT_TRUE(m_Log.Contains("CallHumanCloningScript Script\\Empty.txt holds no script"));
}

TEST_F(CommandTest, ScreenToWorldFindsThePointUnderAPixel)
{
    struct Case { float fYaw, fPitch, fX, fY; D3DXVECTOR3 vReference; };
    const Case cases[] = {
        {0.0f, 0.0f, 400.0f, 300.0f, D3DXVECTOR3(0, 0, 5)},
        {0.0f, 0.0f, 0.0f, 0.0f, D3DXVECTOR3(3, 4, 0)},
        {0.7f, 0.3f, 650.0f, 120.0f, D3DXVECTOR3(-2, 1, 4)},
        {-2.0f, -0.5f, 10.0f, 590.0f, D3DXVECTOR3(0, 0, 0)},
    };
    XC_CameraMan& camera = m_Environment.worldCamera;
    for (const Case& c : cases) {
        camera.PlaceCamera(1.0f, 2.0f, 3.0f, 10.0f, c.fYaw, c.fPitch);
        camera.UpdateViewMatrix();
        char szValue[128];
        std::snprintf(szValue, sizeof(szValue), "#ScreenToWorld %g %g %g %g %g", c.fX, c.fY, c.vReference.x,
                      c.vReference.y, c.vReference.z);
        m_Nodes.push_back(MakeNode("[Cmd]", {{"p", szValue}}));
        SelectingCommand command;
        command.Select(m_pScript, m_Nodes.back().get());
        const D3DXVECTOR3 vResult = command.GetXYZParameter("p");

        // The same ray through the pixel from the device's own unprojection.
        const D3DVIEWPORT9 viewport = {0, 0, 800, 600, 0.0f, 1.0f};
        D3DXMATRIX identity;
        D3DXMatrixIdentity(&identity);
        const D3DXVECTOR3 vNear(c.fX, c.fY, 0.0f), vFar(c.fX, c.fY, 1.0f);
        D3DXVECTOR3 vNearWorld, vFarWorld, vDirection;
        D3DXVec3Unproject(&vNearWorld, &vNear, &viewport, camera.GetProjectionMatrix(), camera.GetViewMatrix(), &identity);
        D3DXVec3Unproject(&vFarWorld, &vFar, &viewport, camera.GetProjectionMatrix(), camera.GetViewMatrix(), &identity);
        const D3DXVECTOR3 vRay = vFarWorld - vNearWorld;
        D3DXVec3Normalize(&vDirection, &vRay);
        const D3DXVECTOR3 vEye = camera.GetCurrentData()->m_vEye;
        const D3DXVECTOR3 vToReference = c.vReference - vEye;
        const D3DXVECTOR3 vExpected = vEye + vDirection * D3DXVec3Length(&vToReference);
        EXPECT_NEAR(vResult.x, vExpected.x, 1e-3f) << c.fX << " " << c.fY;
        EXPECT_NEAR(vResult.y, vExpected.y, 1e-3f) << c.fX << " " << c.fY;
        EXPECT_NEAR(vResult.z, vExpected.z, 1e-3f) << c.fX << " " << c.fY;
    }
    // The pixel at the centre lies straight ahead: from (0, 0, -10) towards
    // the origin, as far as the reference point is from the eye.
    m_Environment.PlaceWorldCamera(0.0f);
    m_Nodes.push_back(MakeNode("[Cmd]", {{"p", "#ScreenToWorld 400 300 #XYZ 0 9 0"}}));
    SelectingCommand command;
    command.Select(m_pScript, m_Nodes.back().get());
    const D3DXVECTOR3 vCentre = command.GetXYZParameter("p");
    EXPECT_NEAR(vCentre.x, 0.0f, 1e-4f);
    EXPECT_NEAR(vCentre.y, 0.0f, 1e-4f);
    EXPECT_NEAR(vCentre.z, std::sqrt(181.0f) - 10.0f, 1e-4f);
}

namespace {

// What the "Wrap" command saw of its own dispatch after the inner one.
struct XS_WrapRecord
{
    HRESULT hrInner = E_FAIL;
    XC_Script* pScriptObj = nullptr;
    XC_TextNode* pTNode = nullptr;
    XC_String strTag;
};

// A dispatcher with one more command, "Wrap": it dispatches the first child
// of its node (a command that dispatches further ones), then reads its own
// node again.
class WrappingCommand : public XC_ScriptCommand
{
public:
    WrappingCommand() { m_CommandTable["Wrap"] = Wrap; }

    static XS_WrapRecord s_Record;

private:
    static HRESULT Wrap(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
    {
        XC_SpriteWorkBase* pInnerWork = nullptr;
        s_Record.hrInner = pCommandObj->AnalyzeCommand(pCommandObj->GetScriptObj(),
                                                       pCommandObj->GetTextNode()->FindChildNode(0), &pInnerWork);
        delete pInnerWork;
        s_Record.pScriptObj = pCommandObj->GetScriptObj();
        s_Record.pTNode = pCommandObj->GetTextNode();
        s_Record.strTag = pCommandObj->GetStringParameter("Tag", "");
        *rpSpriteWorkObj = new XC_SpriteWorkBase;
        return S_OK;
    }
};

XS_WrapRecord WrappingCommand::s_Record;

// Two scripts on the wrapping dispatcher; "[Other]" notes a wake-up.
class NestedDispatchTest : public ScriptTest
{
protected:
    NestedDispatchTest()
    {
        Load("[Main]\n{\n}\n[Other]\n{\n[ActionList]\n{\n[Wake]\n{\n[Answer]\n{\n"
             "Type = SetParameter\nParameterName = Woken\nParameterData = yes\n}\n}\n}\n}\n");
        m_pMain = m_Set.GetScript(0);
        m_pOther = m_Set.GetScript(1);
        m_pMain->SetScriptCommand(&m_Command);
        m_pOther->SetScriptCommand(&m_Command);
    }

    static std::string Value(XC_Script* pScriptObj, const char* szName)
    {
        const char* szValue = nullptr;
        pScriptObj->GetScriptParameter()->GetParameter(szName, &szValue);
        return szValue != nullptr ? szValue : "";
    }

    WrappingCommand m_Command;
    XC_Script* m_pMain = nullptr;
    XC_Script* m_pOther = nullptr;
};

} // namespace

TEST_F(NestedDispatchTest, AHandlerFindsItsScriptAndNodeAfterDispatchingAgain)
{
    struct Case { Leaves inner; bool bThen; XC_Script* pTouched; const char* szName; };
    const Case cases[] = {
        {{{"Type", "If"}, {"bExpression", "1"}}, true, m_pMain, "Branch"},
        {{{"Type", "SendMessage"}, {"Target", "[Other]"}, {"Action", "[Wake]"}}, false, m_pOther, "Woken"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<XC_TextNode> pWrap = MakeNode("[Wrap]", {{"Type", "Wrap"}, {"Tag", "outer"}, {"fWorkTime", "2"}});
        XC_TextNode* const pInner = AddChild(pWrap.get(), "[Inner]", c.inner);
        if (c.bThen) {
            AddChild(pInner, "[Then]", {{"Type", "SetParameter"}, {"dwConditionOfStart", "1"}, {"ParameterName", "Branch"},
                                        {"ParameterData", "yes"}, {"Tag", "inner"}});
        }
        WrappingCommand::s_Record = XS_WrapRecord();
        XC_SpriteWorkBase* pWork = nullptr;
        ASSERT_EQ(m_Command.AnalyzeCommand(m_pMain, pWrap.get(), &pWork), S_OK);
        const XS_WrapRecord& record = WrappingCommand::s_Record;
        EXPECT_EQ(record.hrInner, S_OK) << c.szName;
        EXPECT_EQ(Value(c.pTouched, c.szName), "yes");
        EXPECT_EQ(record.pScriptObj, m_pMain) << c.szName;
        EXPECT_EQ(record.pTNode, pWrap.get()) << c.szName;
        EXPECT_EQ(record.strTag, "outer") << c.szName;
        // The common fields come from the outer node too.
        ASSERT_NE(pWork, nullptr);
        EXPECT_STREQ(pWork->GetName(), "[Wrap]");
        EXPECT_EQ(pWork->GetWorkTime(), 2.0f);
        delete pWork;
        // Outside any dispatch the dispatcher points at nothing again.
        EXPECT_EQ(m_Command.GetScriptObj(), nullptr);
    }
}
