#include "GameProgram/Script/XC_ScriptCommand.h"

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Sprite/XC_Sprite.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Script/XC_ScriptWork.h"
#include "GameProgram/SpecialEfficacy/XC_ResidualImage.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_Control.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_ShakeCamera.h"
#include "GameProgram/SpriteWork/XC_LightManWork_BrightnessControl.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetRotation.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetScale.h"
#include "GameProgram/SpriteWork/XC_RenderObjWork_SetColor.h"
#include "GameProgram/SpriteWork/XC_ScriptWork_While.h"
#include "tests/GameProgram/Script/ScriptFixture.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<std::string, std::string>> Leaves;

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
    // A dispatcher of its own, pointed at the script and the node.
    struct TestCommand : XC_ScriptCommand
    {
        using XC_ScriptCommand::Select;
    } command;
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
