#pragma once

#include "GameProgram/Resource/XC_XFileAnimationSet.h"
#include "GameProgram/Resource/XC_XFileTokenizer.h"

#include <windows.h>
#include <d3dx9.h>

#include <string>
#include <vector>

// Reads the animation of a text ".x" file (AnimTicksPerSecond and the
// top-level AnimationSets with their key frames) into an animation controller
// of the mesh manager's own, bound to the frames of the hierarchy loaded from
// the same file. Binary and compressed files are not read.
class XC_XFileAnimationReader
{
public:
    // The bytes stay the caller's and must outlive Read; reports name the
    // file by szShownName.
    XC_XFileAnimationReader(const BYTE* pData, DWORD dwSize, const char* szShownName = "");
    XC_XFileAnimationReader(const XC_XFileAnimationReader&) = delete;
    XC_XFileAnimationReader& operator=(const XC_XFileAnimationReader&) = delete;

    // Whether the bytes are a ".x" file in the text format.
    static bool IsText(const BYTE* pData, DWORD dwSize);

    // S_OK with a new controller (one reference) whose track 0 plays the
    // first animation set, or with null when there is nothing to animate;
    // D3DXFERR_PARSEERROR with a report when the text is malformed.
    HRESULT Read(D3DXFRAME* pFrameRoot, ID3DXAnimationController** ppController);

private:
    typedef XC_XFileTokenizer::Token Token;

    struct PendingSet
    {
        std::string strName;
        std::vector<XC_XFileAnimationSet::Animation> Animations;
    };

    Token NextToken() { return m_Tokenizer.Next(); }
    HRESULT Fail(const char* szWhat);

    HRESULT ReadTopLevel();
    HRESULT OpenObject(std::string* pstrName);
    HRESULT SkipBody();
    HRESULT ReadTicksPerSecond();
    HRESULT ReadAnimationSet(const std::string& strName);
    HRESULT ReadAnimation(PendingSet* pSet);
    HRESULT ReadReference(std::string* pstrName);
    HRESULT ReadKey(XC_XFileAnimationSet::Animation* pAnimation);
    HRESULT ReadKeyValues(DWORD dwKeyType, float fTime, XC_XFileAnimationSet::Animation* pAnimation);
    HRESULT ReadUInt(DWORD* pdwValue);
    HRESULT ReadFloat(float* pfValue);

    ID3DXAnimationController* BuildController(D3DXFRAME* pFrameRoot);
    // Animations of frames the hierarchy lacks, and frames of one name, would
    // move nothing or only the first in silence.
    void ReportUnboundNames(const std::vector<D3DXFRAME*>& frames) const;

    const char* m_pText;
    size_t m_uSize;
    std::string m_strShownName;
    XC_XFileTokenizer m_Tokenizer;
    DWORD m_dwTicksPerSecond;
    std::vector<PendingSet> m_PendingSets;
};
