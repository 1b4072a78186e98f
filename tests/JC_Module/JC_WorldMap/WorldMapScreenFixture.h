#pragma once

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Module/XC_ModuleManager.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"
#include "JC_Script/JC_ScriptManager.h"
#include "JC_Script/JI_ScriptNotify.h"

#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedGlobalDevice.h"
#include "tests/Support/TestDevice.h"

#include <sstream>
#include <string>
#include <vector>

// The world-map screen on the sample game's layout and map, with a real
// device. No resource manager is made here, so the layouts' files (the
// world map's and the option screen's) and the map's scene are left out: the
// items are built empty. The walking person is
// none (system flag 0 = -1) and the "Game" lines the screens run are kept.
class WorldMapScreen : public BuiltDataLayer
{
protected:
    class GameLines : public JI_ScriptNotify
    {
    public:
        DWORD Deal(const std::string& strText) override
        {
            lines.push_back(strText);
            return 0;
        }
        std::vector<std::string> lines;
    };

    WorldMapScreen() : m_GlobalDevice(m_Device.Device()), m_pSavedWorldCamera(g_pWorldCameraMan)
    {
        // Screens made in the test take the map's camera at their making.
        g_pWorldCameraMan = &m_WorldCamera;
        EXPECT_TRUE(m_Device.IsReady()) << m_Device.Error();
        const auto noViewFile = [](const std::string& strLine) {
            return strLine.compare(0, 4, "View") != 0 || strLine.find("F\"") == std::string::npos;
        };
        KeepLines(GamePath("Template\\TemplateData\\ModuleData_WorldMap.DATA"), noViewFile);
        KeepLines(GamePath("Template\\TemplateData\\ModuleData_Option.DATA"), noViewFile);
        KeepLines(GamePath("Template\\TemplateData\\ModuleData_State.DATA"), noViewFile);
        KeepLines(GamePath("Template\\TemplateDataIrregular\\00\\UnfixedData_WorldMap0.DATA"),
                  [](const std::string& strLine) { return strLine.compare(0, 13, "MapSceneName\"") != 0; });
        EXPECT_EQ(JF_Build(GamePath("")), 0u) << LogText();
        gp_ScriptManagerObj->GetScriptFlag()->SetFlagSystem(0, -1);
        gp_ScriptManagerObj->AddFunction("Game", &m_GameLines);
    }
    ~WorldMapScreen() override
    {
        m_Manager.RemoveAllModules();
        if (gp_ScriptManagerObj != nullptr)
            gp_ScriptManagerObj->DelFunction("Game");
        g_pWorldCameraMan = m_pSavedWorldCamera;
    }

    DWORD Initiate(JC_ModuleDocumentBase& document)
    {
        return document.Initiation(&m_Manager, &m_State, &m_Mouse, gp_ControlManagerObj);
    }
    static JC_ControlWorldMap& WorldMap() { return gp_ControlManagerObj->m_ControlWorldMapObj; }
    static JC_ControlScriptFlag& Flags() { return *gp_ScriptManagerObj->GetScriptFlag(); }
    // Replaces a place's "CanGoPlace" list.
    static void SetLinks(DWORD dwPlaceID, const std::vector<DWORD>& links)
    {
        JC_OperatorPlace* const pPlace = WorldMap().GetOperatorPlaceObj(dwPlaceID);
        ASSERT_NE(pPlace, nullptr);
        const JC_DWordArray places = links;
        ASSERT_EQ(pPlace->SetItemSpace("CanGoPlace", &places), 0u);
    }

    TestDevice m_Device;
    ScopedGlobalDevice m_GlobalDevice;
    ErrorLogCapture m_EngineErrors;
    XC_ModuleManager m_Manager;
    XC_MouseState m_State;
    XC_Mouse m_Mouse;
    GameLines m_GameLines;
    XC_CameraMan m_WorldCamera;

private:
    XC_CameraMan* m_pSavedWorldCamera;

    template <class Keep>
    static void KeepLines(const std::string& strFile, Keep keep)
    {
        std::istringstream lines(ReadTestFile(strFile));
        std::string strKept;
        std::string strLine;
        while (std::getline(lines, strLine)) {
            if (keep(strLine))
                strKept += strLine + "\n";
        }
        EXPECT_TRUE(WriteTestFile(strFile, strKept)) << strFile;
    }
};
