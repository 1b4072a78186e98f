#pragma once

#include "ArchiveLibrary/JC_Quorlin.h"
#include "GameProgram/Common/XF_Cp950.h"

#include <windows.h>

#include <string>

// The archive library loaded by name, as the game loads it, for the
// authoring tools and the tests. The managers it hands out are the library's
// own objects: tools reach them through their virtual operations and inline
// members only, so nothing of the library is linked in. Windows only.
class JC_QuorlinModule
{
public:
    explicit JC_QuorlinModule(const char* szPath = "Quorlin_R.dll")
        : m_hModule(LoadLibraryA(szPath))
    {
        m_pfnGet = reinterpret_cast<JD_GET_QUORLINOBJ>(GetExport(JD_GET_QUORLINOBJ_NAME));
        m_pfnDel = reinterpret_cast<JD_DEL_QUORLINOBJ>(GetExport(JD_DEL_QUORLINOBJ_NAME));
    }
    ~JC_QuorlinModule()
    {
        if (m_hModule != nullptr)
            FreeLibrary(m_hModule);
    }
    JC_QuorlinModule(const JC_QuorlinModule&) = delete;
    JC_QuorlinModule& operator=(const JC_QuorlinModule&) = delete;

    bool IsLoaded() const { return m_pfnGet != nullptr && m_pfnDel != nullptr; }
    HMODULE GetHandle() const { return m_hModule; }

    // A new manager of the library, or null.
    JC_Quorlin* NewManager() const
    {
        JI_Quorlin* pQuorlin = nullptr;
        if (!IsLoaded() || m_pfnGet(&IID_Quorlin_First, &IID_Quorlin_Second, &pQuorlin) != 0)
            return nullptr;
        return static_cast<JC_Quorlin*>(pQuorlin);
    }
    void DeleteManager(JC_Quorlin* pManager) const
    {
        if (IsLoaded())
            m_pfnDel(&IID_Quorlin_First, &IID_Quorlin_Second, pManager);
    }

    // Adds every entry of a disk folder at the top level of the manager's
    // tree, leaving out a file of the name strSkip (the archive being built
    // inside the folder) and its temporary file. The first failure's code.
    static std::int32_t AddFolderContents(JC_Quorlin& manager, const std::string& strFolder,
                                          const std::string& strSkip)
    {
        WIN32_FIND_DATAA findData;
        const HANDLE hFind = FindFirstFileA((strFolder + "\\*").c_str(), &findData);
        if (hFind == INVALID_HANDLE_VALUE)
            return QUORLIN_E_TESTPATH_MISSING;
        std::int32_t iResult = 0;
        do {
            const std::string strName = findData.cFileName;
            if (strName == "." || strName == ".." || XF_CompareNoCase(strName, strSkip) == 0
                || XF_CompareNoCase(strName, strSkip + ".Temp") == 0)
                continue;
            const std::int32_t iAdded =
                manager.TestPath((strFolder + "\\" + strName).c_str(), QuorlinMarker(QUORLIN_NODE_TOP));
            if (iResult == 0)
                iResult = iAdded;
        } while (FindNextFileA(hFind, &findData));
        FindClose(hFind);
        return iResult;
    }

private:
    void* GetExport(const char* szName) const
    {
        if (m_hModule == nullptr)
            return nullptr;
        return reinterpret_cast<void*>(GetProcAddress(m_hModule, szName));
    }

    HMODULE m_hModule;
    JD_GET_QUORLINOBJ m_pfnGet = nullptr;
    JD_DEL_QUORLINOBJ m_pfnDel = nullptr;
};
