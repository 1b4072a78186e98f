#include "GameRulesSession.h"

#include "JC_DataManager/JF_Game.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataComponentMaker.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

// Input files are small; a larger one is refused.
constexpr std::streamoff MAX_INPUT_BYTES = 1 << 20;

} // namespace

GameRulesSession::~GameRulesSession()
{
    JF_Destroy();
}

DWORD GameRulesSession::Open(const std::string& strGameFolder, const std::string& strOutFolder)
{
    m_strGameFolder = WithSeparator(strGameFolder);
    m_strOutFolder = WithSeparator(strOutFolder);
    CreateDirectoryA(m_strOutFolder.c_str(), nullptr);
    const DWORD dwResult =
        static_cast<DWORD>(gp_DebugInfoObj->OpenLogFile((m_strOutFolder + "gamerules.log").c_str(), 1, FILE_SHARE_READ));
    if (dwResult != 0)
        return dwResult;
    return JF_Build(m_strGameFolder);
}

DWORD GameRulesSession::WriteSaveState() const
{
    for (DWORD dwKind = 0; dwKind < UNFIXEDDATAKIND_LIMIT; ++dwKind) {
        const JC_DataComponentMaker* pMaker =
            gp_DataManagerObj != nullptr ? gp_DataManagerObj->GetUnfixedDataObj(dwKind) : nullptr;
        if (pMaker == nullptr)
            return 1;
        const DWORD dwResult = pMaker->WriteDataFile(m_strOutFolder + g_aszUnfixedDataFileNames[dwKind], false, false);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

int GameRulesSession::Fail(const char* szWhat, DWORD dwResult) const
{
    std::fprintf(stderr, "gamerules: %s failed: 0x%08x\n", szWhat, static_cast<unsigned>(dwResult));
    std::ifstream log(m_strOutFolder + "gamerules.log", std::ios::binary);
    std::string strLine;
    while (std::getline(log, strLine))
        std::fprintf(stderr, "%s\n", strLine.c_str());
    return 1;
}

std::string WithSeparator(std::string strFolder)
{
    if (!strFolder.empty() && strFolder.back() != '\\' && strFolder.back() != '/')
        strFolder += '\\';
    return strFolder;
}

bool ReadInputFile(const std::string& strFile, std::string& strText)
{
    std::ifstream file(strFile, std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0 || size > MAX_INPUT_BYTES)
        return false;
    strText.resize(static_cast<size_t>(size));
    file.seekg(0);
    return static_cast<bool>(file.read(strText.data(), size));
}

bool SeedDice(int argc, char** argv, int iFirst)
{
    unsigned uSeed = 1;
    if (argc != iFirst) {
        if (argc != iFirst + 2 || std::string(argv[iFirst]) != "--seed")
            return false;
        char* pEnd = nullptr;
        uSeed = static_cast<unsigned>(std::strtoul(argv[iFirst + 1], &pEnd, 10));
        if (pEnd == argv[iFirst + 1] || *pEnd != '\0')
            return false;
    }
    std::srand(uSeed);
    return true;
}
