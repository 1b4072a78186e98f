#include "ArchiveLibrary/JC_QuorlinModule.h"

#include <cstdio>
#include <cstring>
#include <string>

// jbf list ARCHIVE | extract ARCHIVE FOLDER | build FOLDER ARCHIVE |
//     merge TARGET UPDATE | append TARGET UPDATE
// Exits 0 on success; on failure prints the library's code and what it means
// and exits 1.

namespace {

struct JS_CodeText
{
    std::uint32_t dwCode;
    const char* szText;
};

const JS_CodeText s_CodeTexts[] = {
    {0x87460082, "the archive cannot be opened"},
    {0x87460083, "the archive is damaged"},
    {0x87460013, "nothing found on disk"},
    {0x87460015, "a node of that name exists"},
    {0x87460042, "the archive cannot be created"},
    {0x87460045, "a disk file cannot be opened"},
    {0x87460101, "the rewritten archive cannot be created"},
    {0x87460102, "the update cannot be opened"},
    {0x87460103, "the target cannot be opened"},
    {0x87460121, "the update cannot be opened"},
    {0x87460122, "the target cannot be opened for writing"},
    {0x87460206, "a node's data is damaged"},
    {0x87460301, "empty or too large files"},
    {0x87460311, "a disk file is shorter than when it was scanned"},
    {0x874601b1, "an output file cannot be written"},
    {0x874601b3, "a block cannot be inflated"},
    {0x874601b4, "a node's data is damaged"},
    {0x874601b5, "nodes with unsafe names or paths were left out"},
};

const char* CodeText(std::int32_t iCode)
{
    for (const JS_CodeText& entry : s_CodeTexts) {
        if (entry.dwCode == static_cast<std::uint32_t>(iCode))
            return entry.szText;
    }
    return "the operation failed";
}

int Fail(const char* szWhat, std::int32_t iCode, const JC_Quorlin* pManager)
{
    std::printf("jbf: %s failed: 0x%08x %s\n", szWhat, static_cast<unsigned>(iCode), CodeText(iCode));
    if (pManager != nullptr) {
        for (const std::string& strMessage : pManager->GetMessages())
            std::printf("%s\n", strMessage.c_str());
    }
    return 1;
}

void ListNodes(const JC_QuorlinNode* pFirst)
{
    for (const JC_QuorlinNode* pNode = pFirst; pNode != nullptr; pNode = pNode->m_pNext) {
        std::printf("%s\t%u\t%s\n", pNode->GetPath().c_str(), pNode->m_dwPlainSize,
                    pNode->IsFolder() ? "folder" : "file");
        ListNodes(pNode->m_pFirstChild);
    }
}

std::string WithSeparator(const std::string& strFolder)
{
    if (!strFolder.empty() && strFolder.back() != '\\' && strFolder.back() != '/')
        return strFolder + "\\";
    return strFolder;
}

std::string NameOfPath(const std::string& strPath)
{
    const size_t separator = XF_FindLastChar(strPath, '\\');
    return separator == std::string::npos ? strPath : strPath.substr(separator + 1);
}

int List(JC_Quorlin& manager, const char* szArchive)
{
    const std::int32_t iResult = manager.ProjectOpen(szArchive);
    if (iResult != 0)
        return Fail("open", iResult, nullptr);
    ListNodes(manager.GetFirstNode());
    return 0;
}

int Extract(JC_Quorlin& manager, const char* szArchive, const char* szFolder)
{
    std::int32_t iResult = manager.ProjectOpen(szArchive);
    if (iResult != 0)
        return Fail("open", iResult, nullptr);
    CreateDirectoryA(szFolder, nullptr);
    iResult = manager.ExtractNodes(nullptr, WithSeparator(szFolder).c_str(), nullptr);
    if (iResult != 0)
        return Fail("extract", iResult, &manager);
    return 0;
}

int Build(JC_Quorlin& manager, const char* szFolder, const char* szArchive)
{
    char szFullArchive[MAX_PATH];
    char szFullFolder[MAX_PATH];
    if (GetFullPathNameA(szArchive, MAX_PATH, szFullArchive, nullptr) == 0
        || GetFullPathNameA(szFolder, MAX_PATH, szFullFolder, nullptr) == 0)
        return Fail("build", QUORLIN_E_TESTPATH_MISSING, nullptr);
    std::string strFolder = szFullFolder;
    while (strFolder.size() > 3 && strFolder.back() == '\\')
        strFolder.pop_back();
    // An archive built inside its own folder does not pack itself.
    std::int32_t iResult = JC_QuorlinModule::AddFolderContents(manager, strFolder, NameOfPath(szFullArchive));
    if (iResult != 0)
        return Fail("scan", iResult, nullptr);
    iResult = manager.BuildFromFolder(szFullArchive, nullptr);
    if (iResult != 0)
        return Fail("build", iResult, &manager);
    return 0;
}

int Merge(JC_Quorlin& manager, const char* szTarget, const char* szUpdate, bool bAppend)
{
    const std::int32_t iResult =
        bAppend ? manager.ProjectAppend(szUpdate, szTarget) : manager.ProjectUpdate(szUpdate, szTarget);
    if (iResult != 0)
        return Fail(bAppend ? "append" : "merge", iResult, nullptr);
    return 0;
}

int Usage()
{
    std::printf("usage: jbf list ARCHIVE | extract ARCHIVE FOLDER | build FOLDER ARCHIVE |\n"
                "           merge TARGET UPDATE | append TARGET UPDATE\n");
    return 1;
}

int Run(JC_Quorlin& manager, int argc, char** argv)
{
    const std::string strCommand = argv[1];
    if (strCommand == "list" && argc == 3)
        return List(manager, argv[2]);
    if (strCommand == "extract" && argc == 4)
        return Extract(manager, argv[2], argv[3]);
    if (strCommand == "build" && argc == 4)
        return Build(manager, argv[2], argv[3]);
    if ((strCommand == "merge" || strCommand == "append") && argc == 4)
        return Merge(manager, argv[2], argv[3], strCommand == "append");
    return Usage();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    // The library beside this program, as the game finds it beside itself.
    char szProgram[MAX_PATH];
    const DWORD dwLength = GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string strLibrary = std::string(szProgram, dwLength);
    strLibrary = strLibrary.substr(0, XF_FindLastChar(strLibrary, '\\') + 1) + "Quorlin_R.dll";
    const JC_QuorlinModule module(strLibrary.c_str());
    JC_Quorlin* pManager = module.NewManager();
    if (pManager == nullptr) {
        std::printf("jbf: the archive library \"%s\" cannot be loaded\n", strLibrary.c_str());
        return 1;
    }
    const int iExit = Run(*pManager, argc, argv);
    module.DeleteManager(pManager);
    return iExit;
}
