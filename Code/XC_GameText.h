#pragma once

#include "GameProgram/Common/XC_IOTextFile.h"

#include <windows.h>

// The game's displayed texts by number: the id of a text is its line index.
class XC_GameText
{
public:
    XC_GameText() = default;
    virtual ~XC_GameText() = default;
    XC_GameText(const XC_GameText&) = delete;
    XC_GameText& operator=(const XC_GameText&) = delete;

    HRESULT Load(const void* pData, DWORD dwSize);
    // "TextError" for an id past the last line.
    const char* GetText(DWORD dwID) const;

private:
    XC_IOTextFile m_TextFile;
};

extern XC_GameText* g_pGameText;
