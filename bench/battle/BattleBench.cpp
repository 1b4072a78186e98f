// Times the battle's walking flood fill against a plain Dijkstra over the
// same steps on floors of four sizes, with the cells' landform facts read
// from the save record each time and from the per-battle cache, and checks
// that every fill equals its Dijkstra; then times MergeTable. Prints the
// figures and the ratios.

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/JF_Game.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"
#include "bench/Support/WindowedDevice.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <queue>
#include <string>
#include <vector>

namespace {

const DWORD SIDES[] = {16, 32, 64, 128};
const DWORD PERSONS[] = {8, 16, 32, 64};
const LONG JUMP = 50;
const int RUNS = 5;

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

// Landforms of the sample game: 0 plain (1), 2 forest (2), 3 hill (3), 4 water.
int RandomLandform()
{
    const int iRoll = std::rand() % 10;
    return iRoll == 0 ? 4 : iRoll < 4 ? 0 : iRoll < 7 ? 2 : 3;
}

bool LayFloor(XC_Scene& scene, DWORD dwSide)
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

// Half the persons the hero's camp, half the computer's, on distinct cells.
void PlacePersons(DWORD dwSide, DWORD dwCount)
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
        team.AddPersonToTeamFromFixedData(TeamID::TEAMID_FIGHT, iTeamIndex, i % 2 == 0 ? 1 : 11);
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
std::vector<LONG> PlainDijkstra(LONG lSource, LONG lPower, DWORD dwCamp)
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
            if (lBudget < 1 || g_pSceneFunctionObj->CheckFloorStep(lFloor, lNext, lBudget, JUMP, JUMP, FALSE) != 4)
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

std::vector<LONG> Fill(LONG lSource, LONG lPower, DWORD dwCamp)
{
    const LONG* const plTable =
        g_pSceneTableManager->BuildTableMovePowerByType(lSource, lPower, JUMP, JUMP, dwCamp, 0, FALSE, FALSE);
    return std::vector<LONG>(plTable, plTable + g_pSceneTableManager->GetFloorCount());
}

// A free plain cell to walk from.
LONG FindSource(DWORD dwSide)
{
    const LONG* const plPersons = g_pSceneTableManager->BuildTableAllPerson();
    const std::vector<LONG> persons(plPersons, plPersons + dwSide * dwSide);
    for (DWORD i = dwSide * dwSide / 2; i < dwSide * dwSide; ++i) {
        if (persons[i] == -1 && g_pSceneFunctionObj->IsFloorCanStay(static_cast<LONG>(i)) != 0)
            return static_cast<LONG>(i);
    }
    return 0;
}

double Milliseconds(const std::function<void()>& work)
{
    return BenchBestOf(RUNS, [&] { return BenchSecondsOf(work); }) * 1000.0;
}

bool BenchOneFloor(XC_Scene& scene, XC_GamePersonManager& persons, XC_SceneTableManager& tables, DWORD dwSide,
                   DWORD dwPersons)
{
    g_pSceneFunctionObj->ClearCellCache();
    if (!LayFloor(scene, dwSide))
        return false;
    PlacePersons(dwSide, dwPersons);
    persons.Init(&scene, &gp_ControlManagerObj->m_ControlTeamObj);
    tables.Init();
    const LONG lSource = FindSource(dwSide);
    const LONG lPower = static_cast<LONG>(dwSide);

    std::vector<LONG> fillRecord, fillCache, dijkstraRecord, dijkstraCache;
    const double dFillRecord = Milliseconds([&] { fillRecord = Fill(lSource, lPower, 0); });
    const double dDijkstraRecord = Milliseconds([&] { dijkstraRecord = PlainDijkstra(lSource, lPower, 0); });
    g_pSceneFunctionObj->RefreshCellCache();
    const double dFillCache = Milliseconds([&] { fillCache = Fill(lSource, lPower, 0); });
    const double dDijkstraCache = Milliseconds([&] { dijkstraCache = PlainDijkstra(lSource, lPower, 0); });
    const bool bEqual = fillRecord == dijkstraRecord && fillCache == dijkstraCache && fillCache == fillRecord;
    DWORD dwReached = 0;
    for (const LONG lValue : fillCache)
        dwReached += lValue >= 0 ? 1 : 0;
    std::printf("%4lu x %-4lu %3lu persons, power %3ld, %5lu cells reached: fill %9.3f ms, Dijkstra %9.3f ms (record); "
                "fill %8.3f ms, Dijkstra %8.3f ms (cache); fill/Dijkstra %.2f (record) %.2f (cache); "
                "record/cache %.1f; %s\n",
                dwSide, dwSide, dwPersons, lPower, dwReached, dFillRecord, dDijkstraRecord, dFillCache, dDijkstraCache,
                dFillRecord / dDijkstraRecord, dFillCache / dDijkstraCache, dFillRecord / dFillCache,
                bEqual ? "equal" : "DIFFERENT");
    persons.DelAllPerson();
    return bEqual;
}

void BenchMerge(XC_SceneTableManager& tables)
{
    const DWORD dwCount = tables.GetFloorCount();
    std::vector<LONG> target(dwCount, 0);
    std::vector<LONG> source(dwCount);
    for (DWORD i = 0; i < dwCount; ++i)
        source[i] = static_cast<LONG>(i % 7) - 3;
    sMergeTableInfo info;
    info.plTableTarget = target.data();
    info.plTable1 = source.data();
    info.dwCompareValue1 = 1;
    info.dwCompareValue2 = 5;
    info.dwCompareType = 5;
    info.dwSuccessValue1 = 1;
    info.dwSuccessValue2 = 1;
    info.dwSuccessMergeType = 6;
    info.dwFailMergeType = 2;
    const int iMerges = 200;
    const double dSeconds = BenchBestOf(RUNS, [&] {
        return BenchSecondsOf([&] {
            for (int i = 0; i < iMerges; ++i)
                tables.MergeTable(&info);
        });
    });
    const double dPlain = BenchBestOf(RUNS, [&] {
        return BenchSecondsOf([&] {
            for (int i = 0; i < iMerges; ++i) {
                for (DWORD c = 0; c < dwCount; ++c)
                    target[c] = source[c] > 0 ? source[c] + source[c] : target[c] + 1;
            }
        });
    });
    std::printf("MergeTable: %.1f million cells per second; a plain loop of the same merge %.1f; ratio %.2f "
                "(checksum %ld)\n",
                iMerges * static_cast<double>(dwCount) / dSeconds / 1e6,
                iMerges * static_cast<double>(dwCount) / dPlain / 1e6, dSeconds / dPlain, target[dwCount / 2]);
}

} // namespace

int main(int argc, char** argv)
{
    std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("usage: battle-bench GAME_FOLDER\\\n");
        return 1;
    }
    WindowedDevice device("BattleBench");
    if (!device.IsReady()) {
        std::printf("no device: %s\n", device.Error().c_str());
        return 1;
    }
    g_pVar->g_pD3DDevice = device.Device();
    g_pVar->g_szGamePath = strFolder.data();
    const DWORD dwBuild = JF_Build(strFolder);
    if (dwBuild != 0) {
        std::printf("cannot build the data layer on %s: 0x%08lx\n", strFolder.c_str(), dwBuild);
        return 1;
    }
    OneAnimationPack pack;
    XC_2DTextureManager textures;
    SilentMusic music;
    XC_AnimationManager animations;
    animations.Init(&pack, &textures, &music);
    g_pAnimationManager = &animations;

    XC_Painter painter;
    XC_CameraMan worldCamera, screenCamera;
    XC_LightMan worldLight, screenLight;
    XC_EnvironmentOfRender environment;
    environment.SetPainter(&painter);
    environment.SetWorldCameraMan(&worldCamera);
    environment.SetScreenCameraMan(&screenCamera);
    environment.SetWorldLightMan(&worldLight);
    environment.SetScreenLightMan(&screenLight);
    int iResult = 0;
    {
        XC_Scene scene;
        scene.Init(&environment, &pack);
        g_pSceneFunctionObj->SetSceneObj(&scene);
        XC_GamePersonManager persons;
        XC_SceneTableManager tables;
        g_pPersonManager = &persons;
        g_pSceneTableManager = &tables;
        std::srand(7);
        for (size_t i = 0; i < std::size(SIDES); ++i) {
            if (!BenchOneFloor(scene, persons, tables, SIDES[i], PERSONS[i]))
                iResult = 1;
        }
        BenchMerge(tables);
        g_pSceneFunctionObj->ClearCellCache();
        tables.Fini();
        persons.Fini();
        g_pSceneTableManager = nullptr;
        g_pPersonManager = nullptr;
    }
    g_pAnimationManager = nullptr;
    animations.Fini();
    JF_Destroy();
    g_pVar->g_pD3DDevice = nullptr;
    return iResult;
}
