#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <windows.h>

#include <cstdlib>
#include <string>

// The game folder a benchmark plays on, with its closing backslash: the
// first argument, or the sample game the bench names; empty when neither is.
inline std::string BenchGameFolder(int argc, char** argv)
{
    const char* const szFolder = argc > 1 ? argv[1] : std::getenv("OSKEL_SAMPLE_GAME");
    if (szFolder == nullptr || *szFolder == '\0')
        return {};
    std::string strFolder = szFolder;
    if (strFolder.back() != '\\')
        strFolder += '\\';
    return strFolder;
}

// A game's data as the game has it after starting a new game: the fixed data
// of level 1, the save state of set 0 and the behaviour analyser. 0 or the
// first failing code.
inline DWORD LoadBenchGameData(const std::string& strFolder, JC_DebugLog* pLog, JC_DataManager& dataManager,
                               JC_BehaviorAnalyser& analyser)
{
    DWORD dwResult = dataManager.Initiation(strFolder, pLog);
    if (dwResult == 0)
        dwResult = dataManager.InitFixedData(1);
    if (dwResult == 0)
        dwResult = dataManager.InitUnfixedData(0);
    if (dwResult == 0)
        dwResult = analyser.Initiation(&dataManager);
    return dwResult;
}
