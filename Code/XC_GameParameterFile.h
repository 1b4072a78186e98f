#pragma once

#include <windows.h>

class XC_TextNode;

// Fills the game's tables at start-up (and again on the developer's reload):
// the file names, the tuning holders of the game-parameter file and the texts.
class XC_GameParameterFile
{
public:
    // 0, or E_FAIL when one of the three files cannot be read. Missing
    // sections and keys are reported and leave the holder's value or 0.
    static HRESULT Load();

private:
    static HRESULT LoadFileNames();
    static HRESULT LoadParameters();
    static HRESULT LoadTexts();
    static void ReadControlCamp(const XC_TextNode* pTNode);
    static void ReadTime(const XC_TextNode* pTNode);
    static void ReadWorldCamera(const XC_TextNode* pTNode);
    static void ReadAI(const XC_TextNode* pTNode);
};
