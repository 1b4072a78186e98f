#pragma once

#include "JC_DataManager/Manager/JC_Oskel3UnfixedDataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"

#include "tests/JC_DataManager/GameDataFixture.h"

#include <filesystem>
#include <utility>
#include <vector>

// Saves of the previous title written by the tests: the records its import
// reads, each file wrapped in the "FEFE" envelope.

// The payload that decodes to the text: method 1 and 2 add the decoded byte
// one or two places back, method 3 the key.
inline std::string Oskel3Envelope(const std::string& strText, DWORD dwMethod, const std::string& strKey = "\x05\x0B\x11")
{
    std::string strFile = "FEFE";
    const DWORD dwKeyLength = static_cast<DWORD>(strKey.size());
    for (const DWORD dwValue : {DWORD{0}, dwMethod, dwKeyLength})
        for (int i = 0; i < 4; ++i)
            strFile += static_cast<char>(dwValue >> (8 * i) & 0xFF);
    std::string strKeyBytes = strKey;
    strKeyBytes.resize(12, '\0');
    strFile += strKeyBytes;
    for (size_t i = 0; i < strText.size(); ++i) {
        BYTE byAdded = 0;
        if (dwMethod == 3)
            byAdded = static_cast<BYTE>(strKey[i % strKey.size()]);
        else if (i >= dwMethod)
            byAdded = static_cast<BYTE>(strText[i - dwMethod]);
        strFile += static_cast<char>(static_cast<BYTE>(strText[i]) + byAdded);
    }
    return strFile;
}

// The game record: money and event flag 450.
inline std::string Oskel3GameText(int iMoney, int iEventFlag)
{
    return DataFileText({DATACOMPONENTKIND_GAME},
                        BlockText(DATACOMPONENTKIND_GAME, 0,
                                  Value("Money", std::to_string(iMoney)) +
                                      Value("EventFlag", "[450]," + std::to_string(iEventFlag))));
}

// A warehouse of drawers (thing ID, count); the count is left out of
// weapons and wearings.
inline std::string Oskel3WarehouseText(DWORD dwDrawerKind, const std::vector<std::pair<DWORD, DWORD>>& drawers)
{
    const bool bCounted = dwDrawerKind == DATACOMPONENTKIND_DRAWERGEM || dwDrawerKind == DATACOMPONENTKIND_DRAWERTOOL;
    std::string strBlocks;
    for (size_t i = 0; i < drawers.size(); ++i) {
        std::string strItems = Value("ThingID", std::to_string(drawers[i].first));
        if (bCounted)
            strItems += Value("ThingCount", std::to_string(drawers[i].second));
        strBlocks += BlockText(dwDrawerKind, static_cast<DWORD>(i), strItems);
    }
    return DataFileText({dwDrawerKind}, strBlocks);
}

struct Oskel3Save
{
    int iMoney = 0;
    int iEventFlag = 0;
    std::vector<std::pair<DWORD, DWORD>> gems;
    std::vector<std::pair<DWORD, DWORD>> tools;
    std::vector<DWORD> weapons;
    std::vector<DWORD> wearings;
};

// An installation folder of the previous title.
class Oskel3SaveFolder
{
public:
    // Ends with a backslash.
    std::string Path() const { return m_Folder.Path() + "\\"; }
    std::string SlotFile(DWORD dwSlot, DWORD dwKind) const
    {
        return JC_Oskel3UnfixedDataManager::SlotFolder(Path(), dwSlot) + g_aszOskel3UnfixedDataFileNames[dwKind];
    }

    // The five files of a slot, wrapped by the three methods in turn.
    void WriteSlot(DWORD dwSlot, const Oskel3Save& save) const
    {
        std::vector<std::pair<DWORD, DWORD>> weapons;
        for (const DWORD dwID : save.weapons)
            weapons.emplace_back(dwID, 1);
        std::vector<std::pair<DWORD, DWORD>> wearings;
        for (const DWORD dwID : save.wearings)
            wearings.emplace_back(dwID, 1);
        const std::string texts[OSKEL3UNFIXEDDATAKIND_LIMIT] = {
            Oskel3GameText(save.iMoney, save.iEventFlag),
            Oskel3WarehouseText(DATACOMPONENTKIND_DRAWERGEM, save.gems),
            Oskel3WarehouseText(DATACOMPONENTKIND_DRAWERTOOL, save.tools),
            Oskel3WarehouseText(DATACOMPONENTKIND_DRAWERWEAPON, weapons),
            Oskel3WarehouseText(DATACOMPONENTKIND_DRAWERWEARING, wearings),
        };
        for (DWORD dwKind = 0; dwKind < OSKEL3UNFIXEDDATAKIND_LIMIT; ++dwKind)
            WriteFile(dwSlot, dwKind, Oskel3Envelope(texts[dwKind], dwKind % 3 + 1));
    }
    void WriteFile(DWORD dwSlot, DWORD dwKind, const std::string& strBytes) const
    {
        const std::string strPath = SlotFile(dwSlot, dwKind);
        std::filesystem::create_directories(std::filesystem::path(strPath).parent_path());
        EXPECT_TRUE(WriteTestFile(strPath, strBytes)) << strPath;
    }

private:
    ScopedTempFolder m_Folder;
};

// The previous title's templates of the generated sample game.
inline DWORD LoadOskel3Templates(JC_OskelTemplateManager& templates, JC_DebugLog* pLog)
{
    const char* szFolder = std::getenv("OSKEL_SAMPLE_GAME");
    if (szFolder == nullptr)
        return E_FAIL;
    templates.SetExtendPath("Template\\Oskel3Template\\", "Template\\Oskel3Template\\");
    return templates.LoadTemplateFiles(szFolder, pLog);
}
