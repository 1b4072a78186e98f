#pragma once

#include "GameProgram/Common/XC_TextTree.h"

#include <windows.h>

// The game's file names by number: the id of a name is the position of its
// leaf at the root of "GameFileName.txt", counted from 0.
class XC_GameFileName
{
public:
    XC_GameFileName() = default;
    virtual ~XC_GameFileName() = default;
    XC_GameFileName(const XC_GameFileName&) = delete;
    XC_GameFileName& operator=(const XC_GameFileName&) = delete;

    HRESULT Load(const void* pData, DWORD dwSize);
    // "FileNameError" for an id past the end; null for a leaf without a value.
    const char* GetFileName(DWORD dwID) const;
    HRESULT SetFileName(DWORD dwID, const char* szName);

private:
    XC_TextTree m_TextTree;
};

extern XC_GameFileName* g_pGameFileName;
