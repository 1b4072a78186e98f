#pragma once

#include "Code/Battle/XC_SceneFunction.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_DataManager/Control/JC_ControlManager.h"

#include "tests/GameProgram/Scene/FloorTestDevice.h"
#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/ScopedGlobalDevice.h"

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

// The sample game's data layer, a scene on the fake device and the scene
// function bound to it; a test lays a floor of cells on both the scene and
// the scene save record.
class BattleFloorFixture : public BuiltDataLayer
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(JF_Build(), 0u);
        m_Environment.SetPainter(&m_Painter);
        m_Environment.SetWorldCameraMan(&m_WorldCamera);
        m_Environment.SetScreenCameraMan(&m_ScreenCamera);
        m_Environment.SetWorldLightMan(&m_WorldLight);
        m_Environment.SetScreenLightMan(&m_ScreenLight);
        ASSERT_EQ(m_Scene.Init(&m_Environment, &m_Pack), S_OK);
        ASSERT_EQ(g_pSceneFunctionObj->SetSceneObj(&m_Scene), S_OK);
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
    XC_Scene m_Scene;
};
