#pragma once

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

#include "tests/GameProgram/Resource/FakeMusicManager.h"
#include "tests/GameProgram/Scene/FloorTestDevice.h"
#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/ScopedGlobalDevice.h"

#include <cstdio>
#include <string>
#include <vector>

// One cell of a test floor: its landform in the sample game's table (0
// plain, 2 forest costing 2, 3 hill costing 3, 4 water nobody stands on,
// 99 none at all), its height and its four sides' through values.
struct TestCell
{
    int iLandform = 0;
    float fHeight = 0.0f;
    DWORD dwNorth = 0;
    DWORD dwEast = 0;
    DWORD dwSouth = 0;
    DWORD dwWest = 0;
};

// The sample game's data layer, a scene on the fake device with the scene
// function bound to it, and the battle's person manager and scene tables,
// published as the battle publishes them. A test lays a floor of cells on
// both the scene and the scene save record, places persons of the fixed
// data in the fight team and starts the battle's objects. Every person
// animation is a page of "error.ant" but standing (00, one page), weak (12,
// two pages) and dead (13, three pages).
class BattleFixture : public BuiltDataLayer
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(JF_Build(GamePath("")), 0u);
        m_Pack.Add("error.ant", AntFile(1));
        ASSERT_EQ(m_Animations.Init(&m_Pack, &m_2DTextureManager, &m_MusicManager), S_OK);
        g_pAnimationManager = &m_Animations;
        m_Environment.SetPainter(&m_Painter);
        m_Environment.SetWorldCameraMan(&m_WorldCamera);
        m_Environment.SetScreenCameraMan(&m_ScreenCamera);
        m_Environment.SetWorldLightMan(&m_WorldLight);
        m_Environment.SetScreenLightMan(&m_ScreenLight);
        ASSERT_EQ(m_Scene.Init(&m_Environment, &m_Pack), S_OK);
        ASSERT_EQ(g_pSceneFunctionObj->SetSceneObj(&m_Scene), S_OK);
    }

    void TearDown() override
    {
        m_Tables.Fini();
        m_Persons.Fini();
        g_pSceneTableManager = nullptr;
        g_pPersonManager = nullptr;
        g_pAnimationManager = nullptr;
        m_Animations.Fini();
    }

    static std::string AntFile(int iPages)
    {
        std::string strText = std::to_string(iPages) + "\nheader\n";
        for (int i = 0; i < iPages; ++i)
            strText += "100 0 0 -1 1 0 0 0 50\npic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
        return strText;
    }

    // A person of the fixed data at that index of the fight team, standing
    // on the cell; its record.
    JC_DataComponent* AddFightPerson(int iTeamIndex, DWORD dwPersonID, int iFloor)
    {
        JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
        EXPECT_EQ(team.AddPersonToTeamFromFixedData(TeamID::TEAMID_FIGHT, iTeamIndex, dwPersonID), 0u);
        JC_DataComponent* pRecord = nullptr;
        EXPECT_EQ(team.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pRecord), 0u);
        JC_ControlPersonPower power;
        power.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
        power.SetControlPerson(pRecord);
        power.SetSceneFloorIndex(iFloor);
        char szFolder[32];
        std::snprintf(szFolder, sizeof(szFolder), "man\\%08x\\", static_cast<unsigned>(power.GetAnimationID()));
        for (const auto& [szPose, iPages] : {std::pair{"00", 1}, {"12", 2}, {"13", 3}}) {
            m_Pack.Add(std::string(szFolder) + szPose + "A.ant", AntFile(iPages));
            m_Pack.Add(std::string(szFolder) + szPose + "B.ant", AntFile(iPages));
        }
        return pRecord;
    }

    // The person manager on the fight team and the tables over the floor.
    void StartBattle()
    {
        ASSERT_EQ(m_Persons.Init(&m_Scene, &gp_ControlManagerObj->m_ControlTeamObj), S_OK);
        g_pPersonManager = &m_Persons;
        ASSERT_EQ(m_Tables.Init(), S_OK);
        g_pSceneTableManager = &m_Tables;
    }

    // The pages of the animation a person shows.
    static DWORD ShownPages(XC_GamePerson* pPersonObj)
    {
        XC_AnimationObject* pAniObj = nullptr;
        if (FAILED(pPersonObj->GetAnimationObject(&pAniObj)))
            return 0;
        const DWORD dwPages = pAniObj->GetPageCount();
        pAniObj->Release();
        return dwPages;
    }

    void LayFloor(DWORD dwWidth, DWORD dwLength, const std::vector<TestCell>& cells)
    {
        std::string strText = "[Floorer+]\n{\ndwWidth = " + std::to_string(dwWidth) + "\ndwLength = "
                            + std::to_string(dwLength) + "\n";
        for (size_t i = 0; i < cells.size(); ++i) {
            const TestCell& cell = cells[i];
            const std::string strHeight = std::to_string(cell.fHeight);
            strText += "[Floor" + std::to_string(i) + "]\n{\ndwThrough_SOUTH = " + std::to_string(cell.dwSouth) + "\ndwThrough_EAST = "
                     + std::to_string(cell.dwEast) + "\ndwThrough_NORTH = " + std::to_string(cell.dwNorth)
                     + "\ndwThrough_WEST = " + std::to_string(cell.dwWest) + "\nvec = " + strHeight + " " + strHeight
                     + " " + strHeight + " " + strHeight + " " + strHeight + "\n}\n";
        }
        strText += "}\n";
        XC_TextTree tree;
        ASSERT_EQ(tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size())), S_OK);
        ASSERT_EQ(m_Scene.GetFloorer()->LoadFloorFromNode(tree.FindChildNode("[Floorer+]")), S_OK);
        JC_ControlScene& scene = gp_ControlManagerObj->m_ControlSceneObj;
        ASSERT_EQ(scene.BuildFloors(static_cast<int>(dwWidth), static_cast<int>(dwLength)), 0u);
        for (size_t i = 0; i < cells.size(); ++i)
            scene.SetLandformID(static_cast<int>(i), static_cast<DWORD>(cells[i].iLandform));
    }

    // A plain, flat floor.
    void LayPlainFloor(DWORD dwWidth, DWORD dwLength)
    {
        LayFloor(dwWidth, dwLength, std::vector<TestCell>(dwWidth * dwLength));
    }

    FloorTestDevice m_Device;
    ScopedGlobalDevice m_GlobalDevice{&m_Device};
    XC_Painter m_Painter;
    XC_CameraMan m_WorldCamera;
    XC_CameraMan m_ScreenCamera;
    XC_LightMan m_WorldLight;
    XC_LightMan m_ScreenLight;
    XC_EnvironmentOfRender m_Environment;
    MemoryPackFile m_Pack;
    XC_2DTextureManager m_2DTextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationManager m_Animations;
    XC_Scene m_Scene;
    XC_GamePersonManager m_Persons;
    XC_SceneTableManager m_Tables;
};
