#pragma once

// What the battle benchmarks share: a pack and a music manager that give
// every person the same animation, the stage a battle is played on (device,
// data layer, render environment, scene, persons and tables), a random floor
// of the sample game's landforms, persons of two camps on it and a plain
// Dijkstra over the walking flood's rules to measure the battle's tables
// against.

#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/JF_Game.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "bench/Support/WindowedDevice.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <queue>
#include <string>
#include <vector>

// A pack of one file: every person animation falls back to "error.ant".
class OneAnimationPack : public XI_PackFile
{
public:
    const char* GetPath() override { return ""; }
    XS_FileData* GetData(const char* szFileName) override
    {
        if (_stricmp(szFileName, "error.ant") != 0)
            return nullptr;
        static const char s_szAnt[] = "1\nheader\n100 0 0 -1 1 0 0 0 50\n"
                                      "pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
        XS_FileData* const pFileData = new XS_FileData;
        pFileData->dwSize = sizeof(s_szAnt) - 1;
        pFileData->pData = new BYTE[sizeof(s_szAnt)];
        std::memcpy(pFileData->pData, s_szAnt, sizeof(s_szAnt));
        return pFileData;
    }
};

class SilentMusic : public XI_MusicManager
{
public:
    XI_MusicObj* GetMusic(const char*) override { return nullptr; }
    HRESULT SetVolume(DWORD) override { return S_OK; }
    HRESULT Init(HWND, const char*) override { return S_OK; }
    HRESULT Fini() override { return S_OK; }
    HRESULT CreateMusic(const char*, XI_MusicObj*) override { return S_OK; }
    HRESULT CreateObjct(const char*, XC_Resource**) override { return E_FAIL; }
    HRESULT DeleteResource(XC_Resource*) override { return S_OK; }
};

// A window and device, the data layer built on the game folder, animations
// read through the pack, the render environment and an empty scene with its
// persons, tables and scene controller published. IsReady() is false when a
// step failed; the reason is printed.
class BenchBattleStage
{
public:
    BenchBattleStage(const char* szName, const std::string& strFolder, XI_PackFile& pack)
        : m_strFolder(strFolder), m_Device(szName)
    {
        if (!m_Device.IsReady()) {
            std::printf("no device: %s\n", m_Device.Error().c_str());
            return;
        }
        g_pVar->g_pD3DDevice = m_Device.Device();
        g_pVar->g_szGamePath = m_strFolder.data();
        const DWORD dwBuild = JF_Build(m_strFolder);
        if (dwBuild != 0) {
            std::printf("cannot build the data layer on %s: 0x%08lx\n", strFolder.c_str(), dwBuild);
            return;
        }
        m_bBuilt = true;
        m_Animations.Init(&pack, &m_Textures, &m_Music);
        g_pAnimationManager = &m_Animations;
        m_Environment.SetPainter(&m_Painter);
        m_Environment.SetWorldCameraMan(&m_WorldCamera);
        m_Environment.SetScreenCameraMan(&m_ScreenCamera);
        m_Environment.SetWorldLightMan(&m_WorldLight);
        m_Environment.SetScreenLightMan(&m_ScreenLight);
        m_pScene = std::make_unique<XC_Scene>();
        m_pScene->Init(&m_Environment, &pack);
        g_pSceneFunctionObj->SetSceneObj(m_pScene.get());
        g_pPersonManager = &m_Persons;
        g_pSceneTableManager = &m_Tables;
        g_pBattleSceneController = &m_Controller;
    }

    ~BenchBattleStage()
    {
        if (m_pScene != nullptr) {
            m_Controller.Fini();
            g_pSceneFunctionObj->ClearCellCache();
            m_Tables.Fini();
            m_Persons.Fini();
            g_pBattleSceneController = nullptr;
            g_pSceneTableManager = nullptr;
            g_pPersonManager = nullptr;
            m_pScene.reset();
            g_pAnimationManager = nullptr;
            m_Animations.Fini();
        }
        if (m_bBuilt)
            JF_Destroy();
        g_pVar->g_szGamePath = nullptr;
        g_pVar->g_pD3DDevice = nullptr;
    }

    BenchBattleStage(const BenchBattleStage&) = delete;
    BenchBattleStage& operator=(const BenchBattleStage&) = delete;

    bool IsReady() const { return m_pScene != nullptr; }
    IDirect3DDevice9* Device() const { return m_Device.Device(); }
    XC_EnvironmentOfRender& Environment() { return m_Environment; }
    XC_Painter& Painter() { return m_Painter; }
    XC_CameraMan& WorldCamera() { return m_WorldCamera; }
    XC_CameraMan& ScreenCamera() { return m_ScreenCamera; }
    XC_Scene& Scene() { return *m_pScene; }
    XC_GamePersonManager& Persons() { return m_Persons; }
    XC_SceneTableManager& Tables() { return m_Tables; }
    XC_BattleSceneController& Controller() { return m_Controller; }

private:
    std::string m_strFolder;
    WindowedDevice m_Device;
    bool m_bBuilt = false;
    XC_2DTextureManager m_Textures;
    SilentMusic m_Music;
    XC_AnimationManager m_Animations;
    XC_Painter m_Painter;
    XC_CameraMan m_WorldCamera;
    XC_CameraMan m_ScreenCamera;
    XC_LightMan m_WorldLight;
    XC_LightMan m_ScreenLight;
    XC_EnvironmentOfRender m_Environment;
    std::unique_ptr<XC_Scene> m_pScene;
    XC_GamePersonManager m_Persons;
    XC_SceneTableManager m_Tables;
    XC_BattleSceneController m_Controller;
};

// Landforms of the sample game: 0 plain (1), 2 forest (2), 3 hill (3), 4 water.
inline int RandomLandform()
{
    const int iRoll = std::rand() % 10;
    return iRoll == 0 ? 4 : iRoll < 4 ? 0 : iRoll < 7 ? 2 : 3;
}

inline bool LayFloor(XC_Scene& scene, DWORD dwSide)
{
    std::string strText = "[Floorer+]\n{\ndwWidth = " + std::to_string(dwSide) + "\ndwLength = " +
                          std::to_string(dwSide) + "\n";
    for (DWORD i = 0; i < dwSide * dwSide; ++i) {
        const char* const szHeight = std::rand() % 5 == 0 ? "0.6" : "0";
        strText += "[F" + std::to_string(i) + "]\n{\nvec = " + szHeight + " " + szHeight + " " + szHeight + " " +
                   szHeight + " " + szHeight + "\n}\n";
    }
    strText += "}\n";
    XC_TextTree tree;
    tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size()));
    if (FAILED(scene.GetFloorer()->LoadFloorFromNode(tree.FindChildNode("[Floorer+]"))))
        return false;
    JC_ControlScene& controlScene = gp_ControlManagerObj->m_ControlSceneObj;
    if (controlScene.BuildFloors(static_cast<int>(dwSide), static_cast<int>(dwSide)) != 0)
        return false;
    for (DWORD i = 0; i < dwSide * dwSide; ++i)
        controlScene.SetLandformID(static_cast<int>(i), static_cast<DWORD>(RandomLandform()));
    return true;
}

// Persons of the two fixed ids by turns, from team index 300, on distinct
// cells.
inline void PlacePersons(DWORD dwSide, DWORD dwCount, DWORD dwEvenID, DWORD dwOddID)
{
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    team.EmptyTeam(TeamID::TEAMID_FIGHT);
    std::vector<bool> taken(dwSide * dwSide, false);
    for (DWORD i = 0; i < dwCount; ++i) {
        DWORD dwFloor = 0;
        do
            dwFloor = static_cast<DWORD>(std::rand()) % (dwSide * dwSide);
        while (taken[dwFloor]);
        taken[dwFloor] = true;
        const int iTeamIndex = static_cast<int>(300 + i);
        team.AddPersonToTeamFromFixedData(TeamID::TEAMID_FIGHT, iTeamIndex, i % 2 == 0 ? dwEvenID : dwOddID);
        JC_DataComponent* pRecord = nullptr;
        team.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pRecord);
        JC_ControlPersonPower power;
        power.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
        power.SetControlPerson(pRecord);
        power.SetSceneFloorIndex(static_cast<int>(dwFloor));
    }
}

// The least total cost from the source with the fill's rules: entering a
// cell costs its landform, leaving a hostile zone one more, hostile cells
// are never entered, and a cell inside a zone reads one more at the end.
inline std::vector<LONG> PlainDijkstra(LONG lSource, LONG lPower, DWORD dwCamp, LONG lJump)
{
    const DWORD dwCount = g_pSceneTableManager->GetFloorCount();
    const LONG* const plZones = g_pSceneTableManager->BuildTableZOC(dwCamp);
    const std::vector<LONG> zones(plZones, plZones + dwCount);
    const LONG* const plHostile = g_pSceneTableManager->BuildTableHostilePerson(dwCamp, 1);
    const std::vector<LONG> hostile(plHostile, plHostile + dwCount);
    std::vector<LONG> best(dwCount, -1);
    using Entry = std::pair<LONG, LONG>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    open.push({0, lSource});
    while (!open.empty()) {
        const auto [lCost, lFloor] = open.top();
        open.pop();
        if (best[lFloor] != -1)
            continue;
        best[lFloor] = lCost;
        const LONG lLeave = zones[lFloor] != -1 ? zones[lFloor] : 0;
        for (DWORD dwDirection = 0; dwDirection < 4; ++dwDirection) {
            const LONG lNext = g_pSceneFunctionObj->GetNeighborFloor(lFloor, dwDirection);
            if (lNext < 0 || best[lNext] != -1 || hostile[lNext] != -1)
                continue;
            const LONG lBudget = lPower - lCost - lLeave;
            if (lBudget < 1 || g_pSceneFunctionObj->CheckFloorStep(lFloor, lNext, lBudget, lJump, lJump, FALSE) != 4)
                continue;
            open.push({lCost + lLeave + g_pSceneFunctionObj->GetFloorWalkConsume(lNext), lNext});
        }
    }
    for (DWORD i = 0; i < dwCount; ++i) {
        if (best[i] >= 0 && zones[i] > 0)
            ++best[i];
    }
    return best;
}
