#pragma once

#include "GameProgram/Sprite/XC_Sprite.h"

#include <windows.h>
#include <d3dx9math.h>

class XC_RenderString;
class XC_ScriptWork;
class XC_TextNode;
class XC_TextureWord;
class XI_EnvironmentOfRender;

// How JumpNum draws a number: the glyphs before the digits and the colours.
enum eJumpNumType
{
    JNT_HP_GAIN = 0,
    JNT_HP_LOSS = 1,
    JNT_HP_RED = 2,
    JNT_SP_GAIN = 3,
    JNT_SP_LOSS = 4,
    JNT_EXP = 7,
    JNT_JEXP = 8,
    JNT_HIT = 9,
};

// The numbers that jump over persons in a battle: HP and SP changes,
// experience and hit counts. Each is a line of picture glyphs in a text
// object of a small script, which moves and fades it; the manager runs the
// scripts as its works and drops each when it ends.
class XC_JumpStringManager : public XC_Sprite
{
public:
    static constexpr DWORD DIGIT_COUNT = 10;

    XC_JumpStringManager() = default;
    ~XC_JumpStringManager() override;
    XC_JumpStringManager(const XC_JumpStringManager&) = delete;
    XC_JumpStringManager& operator=(const XC_JumpStringManager&) = delete;

    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    // Loads the glyphs of a glyph file's tree; a glyph that fails releases all.
    HRESULT LoadWords(const XC_TextNode& root);
    HRESULT ReleaseWords();

    HRESULT JumpHP(const D3DXVECTOR3& vPosition, LONG lHP);
    HRESULT JumpSP(const D3DXVECTOR3& vPosition, LONG lSP);
    HRESULT JumpHPRed(const D3DXVECTOR3& vPosition, LONG lHP);
    HRESULT JumpEXP(const D3DXVECTOR3& vPosition, LONG lEXP);
    HRESULT JumpJEXP(const D3DXVECTOR3& vPosition, LONG lJEXP);
    HRESULT JumpHit(const D3DXVECTOR3& vPosition, LONG lHit);

    HRESULT JumpNum(XC_RenderString* pRS_JumpString, LONG lValue, eJumpNumType eType) const;
    HRESULT CreateScriptWork(DWORD dwFileID, const D3DXVECTOR3& vPosition, XC_ScriptWork*& rpScriptWork);

private:
    // One number: its script, its text, then the work started.
    HRESULT Jump(DWORD dwFileID, const D3DXVECTOR3& vPosition, LONG lValue, eJumpNumType eType,
                 const char* szJumpNumCall);
    // The text object "JumpString" of the work's first script, or null.
    static XC_RenderString* FindJumpString(XC_ScriptWork* pScriptWork);
    HRESULT LoadWord(const XC_TextNode* pNode, XC_TextureWord*& rpWord);
    static void ReleaseWord(XC_TextureWord*& rpWord);

    XC_TextureWord* m_apNumWord[DIGIT_COUNT] = {};
    XC_TextureWord* m_pAddWord = nullptr;
    XC_TextureWord* m_pSPWord = nullptr;
    XC_TextureWord* m_pMORWord = nullptr;
    XC_TextureWord* m_pEXPWord = nullptr;
    XC_TextureWord* m_pJEXPWord = nullptr;
    XI_EnvironmentOfRender* m_pEnvironmentOfRender = nullptr;
};

extern XC_JumpStringManager* g_pJumpStringManager;
