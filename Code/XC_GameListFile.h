#pragma once

#include <windows.h>

class XC_TextNode;
class XC_TextTree;

// Reads the three lists of the data pack the game object loads at start-up:
// the floor colours, the person pose names and the person state scripts.
// The state scripts belong to the battle, which registers their reader from
// the program's entry; without one the list is read and left unused.
class XC_GameListFile
{
public:
    typedef HRESULT (*XF_LoadStateScripts)(const XC_TextNode* pTNode);

    static void SetStateScriptLoader(XF_LoadStateScripts pfnLoad);

    // 0, or E_FAIL when the file cannot be read.
    static HRESULT LoadGameFloorColor();
    static HRESULT LoadPersonPoseList();
    static HRESULT LoadPersonStateScriptList();
    // "0x…" is hexadecimal, anything else decimal; text that is no number is 0.
    static DWORD ParseNumber(const char* szText);
    // The pose list's leaves, "name = index", into the person pose table.
    static void LoadPoseList(const XC_TextNode& root);

private:
    // The file of the id parsed into the tree; E_FAIL when it cannot be read.
    static HRESULT ReadList(DWORD dwFileID, XC_TextTree& tree);

    static XF_LoadStateScripts s_pfnLoadStateScripts;
};
