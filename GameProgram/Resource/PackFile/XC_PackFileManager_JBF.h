#pragma once

#include "ArchiveLibrary/JI_Quorlin.h"
#include "GameProgram/Resource/PackFile/XC_PackFileManager.h"

#include <windows.h>

// A pack-file manager bound to the archive library: a pack "Name" is the
// archive "<base>Name\Name.jbf" when that opens, else the folder "<base>Name\".
// Without the library or its exports every pack is a folder. Every interface
// object is handed back by Fini, which must run before the library is freed.
class XC_PackFileManager_JBF : public XC_PackFileManager
{
public:
    XC_PackFileManager_JBF() = default;
    ~XC_PackFileManager_JBF() override;

    // The module is not owned: the game loads and frees the library.
    HRESULT Init(const char* szManagerPath, HMODULE hQuorlinModule);
    HRESULT Fini();
    XI_PackFile* OpenPackFile(const char* szPackName) override;

private:
    XI_PackFile* OpenArchivePack(const char* szPackName);
    void HandBack(JI_Quorlin* pQuorlin);

    HMODULE m_hQuorlinModule = nullptr;
    JD_GET_QUORLINOBJ m_pfnGetQuorlinObj = nullptr;
    JD_DEL_QUORLINOBJ m_pfnDelQuorlinObj = nullptr;
};
