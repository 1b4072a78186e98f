#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/Resource/XC_AnimationPage.h"
#include "GameProgram/Resource/XC_Resource.h"

#include <windows.h>

class XC_2DTextureManager;
class XC_IOTextFile;
class XI_MusicManager;

// A frame animation read from an ".ant" file: its pages in file order. It
// never changes once read; drawables keep their own page and time.
class XC_AnimationObject : public XC_Resource
{
public:
    XC_AnimationObject() = default;
    ~XC_AnimationObject() override;

    DWORD GetPageCount() const;
    // Null, with a report, past the last page.
    XC_AnimationPage* GetPage(DWORD dwIndex) const;
    // Reads the whole file: the page count, a line that is skipped, then
    // each page line with its picture lines.
    HRESULT LoadAnimation(XC_IOTextFile* pIOTextFileObj, XC_2DTextureManager* p2DTextureManager,
                          XI_MusicManager* pMusicManager);
    void ClearPages();

private:
    HRESULT ReadPageCount(XC_IOTextFile* pIOTextFileObj, int* piPageCount);

    XC_PtrArrayList<XC_AnimationPage> m_PAL_Page;
};
