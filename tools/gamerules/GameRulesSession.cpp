#include "GameRulesSession.h"

#include "JC_DataManager/JF_Game.h"
#include "JC_Order/JC_OrderBehavior.h"
#include "JC_Script/JC_ScriptManager.h"
#include "tools/gamerules/SaveStateFiles.h"

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
    if (!MakeOutFolder())
        return JE_GAMERULES_NO_OUT_FOLDER;
    const DWORD dwResult =
        static_cast<DWORD>(gp_DebugInfoObj->OpenLogFile((m_strOutFolder + "gamerules.log").c_str(), 1, FILE_SHARE_READ));
    if (dwResult != 0)
        return dwResult;
    NoteArchiveLibrary();
    return JF_Build(m_strGameFolder);
}

bool GameRulesSession::MakeOutFolder() const
{
    const std::string strFolder = m_strOutFolder.substr(0, m_strOutFolder.size() - 1);
    if (CreateDirectoryA(strFolder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
        const DWORD dwAttributes = GetFileAttributesA(strFolder.c_str());
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return true;
        std::fprintf(stderr, "gamerules: the output folder %s could not be made: a file of that name is in the way\n",
                     strFolder.c_str());
        return false;
    }
    const DWORD dwError = GetLastError();
    if (dwError == ERROR_PATH_NOT_FOUND) {
        const size_t iParentEnd = strFolder.find_last_of("\\/");
        const std::string strParent = iParentEnd != std::string::npos ? strFolder.substr(0, iParentEnd) : ".";
        std::fprintf(stderr, "gamerules: the output folder %s could not be made: its parent folder %s does not exist\n",
                     strFolder.c_str(), strParent.c_str());
    } else {
        std::fprintf(stderr, "gamerules: the output folder %s could not be made: error %lu\n", strFolder.c_str(),
                     static_cast<unsigned long>(dwError));
    }
    return false;
}

void GameRulesSession::NoteArchiveLibrary()
{
    const std::string strLibrary = m_strGameFolder + "Quorlin_R.dll";
    if (GetFileAttributesA(strLibrary.c_str()) != INVALID_FILE_ATTRIBUTES)
        return;
    const char* const szNote = "%s is missing: the game folder's archives (\".jbf\") will not be read, only its "
                               "folders\r\n";
    GetLog().Print(szNote, strLibrary.c_str());
    std::fprintf(stderr, "gamerules: ");
    std::fprintf(stderr, szNote, strLibrary.c_str());
}

DWORD GameRulesSession::WriteSaveState() const
{
    return JF_WriteSaveState(m_strOutFolder);
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

bool ReadSeed(int argc, char** argv, int iFirst, unsigned& uSeed)
{
    uSeed = 1;
    if (argc != iFirst) {
        if (argc != iFirst + 2 || std::string(argv[iFirst]) != "--seed")
            return false;
        char* pEnd = nullptr;
        uSeed = static_cast<unsigned>(std::strtoul(argv[iFirst + 1], &pEnd, 10));
        if (pEnd == argv[iFirst + 1] || *pEnd != '\0')
            return false;
    }
    return true;
}

std::string ResultText(DWORD dwResult)
{
    static const struct
    {
        DWORD dwCode;
        const char* szMeaning;
    } s_Statuses[] = {
        {JS_SCRIPT_ENDED, "script ended, another script is still stacked"},
        {JS_SCRIPT_NONE, "script ended"},
        {JS_SCRIPT_HALT, "halted"},
        {JS_SCRIPT_STOP, "stopped by \"Stop\""},
        {JE_SCRIPT_LOAD_EMPTY_NAME, "no script file name"},
        {JS_ORDERBEHAVIOR_END, "end of the behaviour lines"},
    };
    char szCode[16];
    std::snprintf(szCode, sizeof(szCode), "0x%08x", static_cast<unsigned>(dwResult));
    if (dwResult == 0 || (dwResult & 0x80000000) != 0)
        return szCode;
    for (const auto& status : s_Statuses) {
        if (status.dwCode == dwResult)
            return std::string(szCode) + " (" + status.szMeaning + ")";
    }
    if ((dwResult & 0xFFFF0000) == 0x49010000)
        return std::string(szCode) + " (a status of the previous title's import)";
    return std::string(szCode) + " (a status, not a failure)";
}
