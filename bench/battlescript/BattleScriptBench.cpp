// Times the battle script manager turning the result of an attack on 1, 8
// and 30 targets into its scripts (the file read, a script cut and fitted
// from a template for every person, the shared names published) against
// reading the same file into a plain script set, and prints the ratios.

#include "Code/Battle/BattleScript/XC_BattleResultInfo.h"
#include "Code/Battle/BattleScript/XC_BattleScriptManager.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "GameProgram/Script/XC_ScriptSet.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "bench/Support/BenchBattleFloor.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

namespace {

const char* const SCRIPT_FILE = "BattleScript\\1000.txt";
const DWORD TARGETS[] = {1, 8, 30};
const DWORD SIDE = 8;
const DWORD BANDIT = 21;
const int RUNS = 7;
const int REPEATS = 20;

// Files in memory; every other animation falls back to "error.ant".
class MemoryPack : public XI_PackFile
{
public:
    const char* GetPath() override { return ""; }
    XS_FileData* GetData(const char* szFileName) override
    {
        const auto found = m_Files.find(szFileName);
        if (found == m_Files.end())
            return nullptr;
        XS_FileData* const pFileData = new XS_FileData;
        pFileData->dwSize = static_cast<DWORD>(found->second.size());
        pFileData->pData = new BYTE[found->second.size() + 1];
        std::memcpy(pFileData->pData, found->second.data(), found->second.size());
        return pFileData;
    }
    void Add(const std::string& strName, const std::string& strBytes) { m_Files[strName] = strBytes; }

private:
    std::map<std::string, std::string> m_Files;
};

bool ReadFile(const std::string& strPath, std::string& strBytes)
{
    std::ifstream file(strPath, std::ios::binary);
    strBytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return file.good() || file.eof();
}

bool LayFlatFloor(XC_Scene& scene)
{
    std::ostringstream text;
    text << "[Floorer+]\n{\ndwWidth = " << SIDE << "\ndwLength = " << SIDE << "\n";
    for (DWORD i = 0; i < SIDE * SIDE; ++i)
        text << "[Floor" << i << "]\n{\nvec = 0 0 0 0 0\n}\n";
    text << "}\n";
    const std::string strText = text.str();
    XC_TextTree tree;
    return SUCCEEDED(tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size())))
        && SUCCEEDED(scene.GetFloorer()->LoadFloorFromNode(tree.FindChildNode("[Floorer+]")))
        && gp_ControlManagerObj->m_ControlSceneObj.BuildFloors(SIDE, SIDE) == 0;
}

// The actor at index 0 and the most targets the bench needs, each on its own cell.
bool PlaceTargets(XC_Scene& scene, XC_GamePersonManager& persons)
{
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    team.EmptyTeam(TeamID::TEAMID_FIGHT);
    for (DWORD i = 0; i <= TARGETS[std::size(TARGETS) - 1]; ++i) {
        const int iIndex = static_cast<int>(i);
        JC_DataComponent* pRecord = nullptr;
        if (team.AddPersonToTeamFromFixedData(TeamID::TEAMID_FIGHT, iIndex, BANDIT) != 0
            || team.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iIndex, pRecord) != 0)
            return false;
        JC_ControlPersonPower power;
        power.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
        power.SetControlPerson(pRecord);
        power.SetSceneFloorIndex(iIndex);
    }
    return SUCCEEDED(persons.Init(&scene, &team));
}

// An attack on the first dwTargets persons after the actor: hits and dodges,
// every outcome.
void MakeResult(XC_GamePersonManager& persons, DWORD dwTargets, XC_BattleResultInfo& result)
{
    result.Clear();
    XS_BattleResultMain main;
    main.stringScriptName = SCRIPT_FILE;
    result.SetBattleResultMain(main);
    result.SetTargetFloorIndex(1);
    for (DWORD i = 0; i <= dwTargets; ++i) {
        XS_BattleResultPerson record;
        record.pPersonObj = persons.GetPersonFromTeamIndex(i);
        record.dwTeamIndex = i;
        record.dwPersonType = i == 0 ? XE_RESULT_PERSON_ACTIVE : XE_RESULT_PERSON_PASSIVE;
        record.dwHitType = i % 4 == 3 ? XE_HIT_TYPE_DODGE : XE_HIT_TYPE_HIT;
        record.dwResultType = record.dwHitType == XE_HIT_TYPE_DODGE ? XE_RESULT_TYPE_LIVE : i % 3;
        result.AddBattleResultPerson(record);
    }
}

double Milliseconds(const std::function<void()>& work)
{
    return BenchBestOf(RUNS, [&] {
               return BenchSecondsOf([&] {
                   for (int i = 0; i < REPEATS; ++i)
                       work();
               });
           })
         * 1000.0 / REPEATS;
}

int Bench(XI_EnvironmentOfRender* pEnvironment, XC_GamePersonManager& persons)
{
    const double dFileAlone = Milliseconds([&] {
        XC_ScriptSet set;
        set.Init(pEnvironment);
        set.LoadScript(SCRIPT_FILE);
        set.Fini();
    });
    std::printf("loading %s alone: %.3f ms\n", SCRIPT_FILE, dFileAlone);
    int iResult = 0;
    XC_BattleResultInfo result;
    for (const DWORD dwTargets : TARGETS) {
        MakeResult(persons, dwTargets, result);
        DWORD dwScripts = 0;
        const double dManager = Milliseconds([&] {
            XC_BattleScriptManager manager;
            manager.Init(pEnvironment);
            manager.LoadBattleScript(result);
            dwScripts = manager.GetScriptCount();
            manager.Fini();
        });
        if (dwScripts != dwTargets + 2)
            iResult = 1;
        std::printf("attack on %2lu targets: %2lu scripts in %.3f ms, %.2f times the file alone\n",
                    static_cast<unsigned long>(dwTargets), static_cast<unsigned long>(dwScripts), dManager,
                    dManager / dFileAlone);
    }
    return iResult;
}

int BenchOnStage(BenchBattleStage& stage)
{
    if (!LayFlatFloor(stage.Scene()) || !PlaceTargets(stage.Scene(), stage.Persons())) {
        std::printf("cannot lay the floor or place the persons\n");
        return 1;
    }
    return Bench(&stage.Environment(), stage.Persons());
}

} // namespace

int main(int argc, char** argv)
{
    std::string strFolder = BenchGameFolder(argc, argv);
    std::string strScript;
    if (strFolder.empty() || !ReadFile(strFolder + "GameData\\" + SCRIPT_FILE, strScript) || strScript.empty()) {
        std::printf("usage: battlescript-bench GAME_FOLDER\\ (a game folder with GameData\\%s)\n", SCRIPT_FILE);
        return 1;
    }
    MemoryPack pack;
    pack.Add("error.ant", "1\nheader\n100 0 0 -1 1 0 0 0 50\npic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n");
    pack.Add(SCRIPT_FILE, strScript);
    XI_PackFile* const pOldPack = g_pPackFile_Data;
    g_pPackFile_Data = &pack;
    int iResult = 1;
    {
        BenchBattleStage stage("BattleScriptBench", strFolder, pack);
        if (stage.IsReady())
            iResult = BenchOnStage(stage);
    }
    g_pPackFile_Data = pOldPack;
    return iResult;
}
