#include "GameProgram/Resource/XC_AnimationObject.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_AnimationLine.h"

#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_AnimationObject::~XC_AnimationObject()
{
    ClearPages();
}

DWORD XC_AnimationObject::GetPageCount() const
{
    return m_PAL_Page.Count();
}

XC_AnimationPage* XC_AnimationObject::GetPage(DWORD dwIndex) const
{
    if (dwIndex >= GetPageCount()) {
        XM_REPORT_FAILED("dwIndex < GetPageCount()");
        return nullptr;
    }
    return m_PAL_Page.GetPtr(dwIndex);
}

void XC_AnimationObject::ClearPages()
{
    for (DWORD i = 0; i < m_PAL_Page.Count(); ++i) {
        XC_AnimationPage* const pAnimationPage = m_PAL_Page.GetPtr(i);
        if (pAnimationPage == nullptr)
            XM_REPORT_FAILED("m_PAL_Page.GetPtr(i)");
        delete pAnimationPage;
    }
    m_PAL_Page.RemoveAll();
}

HRESULT XC_AnimationObject::LoadAnimation(XC_IOTextFile* pIOTextFileObj, XC_2DTextureManager* p2DTextureManager,
                                          XI_MusicManager* pMusicManager)
{
    ClearPages();
    if (pIOTextFileObj == nullptr) {
        XM_REPORT_FAILED("pIOTextFileObj");
        return E_FAIL;
    }
    int iPageCount = 0;
    if (FAILED(ReadPageCount(pIOTextFileObj, &iPageCount)))
        return E_FAIL;
    if (pIOTextFileObj->GetNextLine() == nullptr) {
        XM_REPORT_FAILED("lpctstrGetLine");
        return E_FAIL;
    }
    for (int i = 0; i < iPageCount; ++i) {
        XC_AnimationPage* const pAnimationPage = new (std::nothrow) XC_AnimationPage;
        if (pAnimationPage == nullptr) {
            XM_REPORT_FAILED("pAnimationPage");
            return E_FAIL;
        }
        const HRESULT hr = pAnimationPage->LoadPage(pIOTextFileObj, p2DTextureManager, pMusicManager);
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("pAnimationPage->LoadPage( pIOTextFileObj , p2DTextureManager , pMusicManager )", hr);
            delete pAnimationPage;
            return E_FAIL;
        }
        if (FAILED(m_PAL_Page.Add(pAnimationPage))) {
            XM_REPORT_FAILED("m_PAL_Page.Add( pAnimationPage )");
            delete pAnimationPage;
            return E_FAIL;
        }
    }
    return S_OK;
}

HRESULT XC_AnimationObject::ReadPageCount(XC_IOTextFile* pIOTextFileObj, int* piPageCount)
{
    const char* const lpctstrGetLine = pIOTextFileObj->GetNextLine();
    if (lpctstrGetLine == nullptr) {
        XM_REPORT_FAILED("lpctstrGetLine");
        return E_FAIL;
    }
    const XC_AnimationLine line(lpctstrGetLine);
    if (!line.GetInt(0, piPageCount) || *piPageCount < 0) {
        XM_REPORT_FAILED("dwSNum == 1");
        XF_ReportError(s_szSourceFile, __LINE__, "讀取Ani參數 PageCount 錯誤");
        return E_FAIL;
    }
    if (*piPageCount == 0) {
        XF_ReportError(s_szSourceFile, __LINE__, "讀取Ani參數 PageCount 錯誤 , Ani 張數不得為0");
        return E_FAIL;
    }
    return S_OK;
}
