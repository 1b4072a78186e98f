#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/D3DCommon/XS_BoundingSphere.h"
#include "GameProgram/Resource/XC_AnimationPic.h"

#include <windows.h>

#include <string>

class XC_2DTextureManager;
class XC_IOTextFile;
class XI_MusicManager;
class XI_MusicObj;

// One page of an animation: shown for a time, it may start a sound when
// entered and is drawn as its pictures in file order.
class XC_AnimationPage
{
public:
    XC_AnimationPage();
    virtual ~XC_AnimationPage();
    XC_AnimationPage(const XC_AnimationPage&) = delete;
    XC_AnimationPage& operator=(const XC_AnimationPage&) = delete;

    DWORD GetPicCount() const;
    // Null, with a report, past the last picture.
    XC_AnimationPic* GetPic(DWORD dwIndex) const;
    // Reads the page line (time in milliseconds, value, an unused number,
    // sound name or "-1", picture count, bounding sphere) and its pictures.
    HRESULT LoadPage(XC_IOTextFile* pIOTextFileObj, XC_2DTextureManager* p2DTextureManager,
                     XI_MusicManager* pMusicManager);
    // Lets the sound go and destroys the pictures.
    void Clear();

    float m_fPageTime;
    // Not read here; the animation drawable hands it out by page index.
    int m_iPageValue;
    // 1 when a picture of the page blends.
    BOOL m_bAlphaBlend;
    // Played when the page is entered; the page holds one reference.
    XI_MusicObj* m_pMusicObj;
    // In the animation's own space.
    XS_BoundingSphere m_fBoundingSphere;

private:
    HRESULT ReadPageLine(const char* szLine, int* piTime, std::string* pstrSoundName, int* piPicCount);
    void TakeSound(const std::string& strSoundName, XI_MusicManager* pMusicManager);
    HRESULT LoadPics(int iPicCount, XC_IOTextFile* pIOTextFileObj, XC_2DTextureManager* p2DTextureManager);

    XC_PtrArrayList<XC_AnimationPic> m_PAL_Pic;
};
