#pragma once

#include "GameProgram/Resource/PackFile/XC_PackFileManager_JBF.h"

#include <windows.h>

#include <cstdlib>
#include <string>

// The sample game folder the bench generated, as a Windows path ending in '\'.
inline std::string SampleGameFolder()
{
    const char* szFolder = std::getenv("OSKEL_SAMPLE_GAME");
    return szFolder != nullptr ? szFolder : "";
}

// The packs of a game folder as the game shell binds them, ".jbf" archives
// read through the archive library, for the applications of the tests.
// Header-only, so only test programs that link the engine pull it in.
class SampleGamePacks
{
public:
    HRESULT Init(const char* szPath)
    {
        m_hQuorlinModule = LoadLibraryA("Quorlin_R.dll");
        XC_PackFileManager_JBF* pPackFileManager = new XC_PackFileManager_JBF;
        g_pPackFileManager = pPackFileManager;
        return pPackFileManager->Init(szPath, m_hQuorlinModule);
    }

    HRESULT Fini()
    {
        XC_PackFileManager_JBF* pPackFileManager = static_cast<XC_PackFileManager_JBF*>(g_pPackFileManager);
        const HRESULT hr = pPackFileManager != nullptr ? pPackFileManager->Fini() : S_OK;
        delete pPackFileManager;
        g_pPackFileManager = nullptr;
        if (m_hQuorlinModule != nullptr)
            FreeLibrary(m_hQuorlinModule);
        m_hQuorlinModule = nullptr;
        return hr;
    }

private:
    HMODULE m_hQuorlinModule = nullptr;
};
