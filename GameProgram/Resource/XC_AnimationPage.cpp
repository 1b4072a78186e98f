#include "GameProgram/Resource/XC_AnimationPage.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "GameProgram/Resource/XC_AnimationLine.h"

#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// A page line's fields.
enum
{
    FIELD_TIME = 0,
    FIELD_VALUE = 1,
    FIELD_UNUSED = 2,
    FIELD_SOUND = 3,
    FIELD_PIC_COUNT = 4,
    FIELD_SPHERE_X = 5,
    FIELD_SPHERE_Y = 6,
    FIELD_SPHERE_Z = 7,
    FIELD_SPHERE_RADIUS = 8,
    PAGE_FIELD_COUNT = 9,
};

const char* const NO_SOUND = "-1";

} // namespace

XC_AnimationPage::XC_AnimationPage()
    : m_fPageTime(0.0f)
    , m_iPageValue(0)
    , m_bAlphaBlend(FALSE)
    , m_pMusicObj(nullptr)
    , m_fBoundingSphere{D3DXVECTOR3(0.0f, 0.0f, 0.0f), 0.0f}
{
}

XC_AnimationPage::~XC_AnimationPage()
{
    Clear();
}

DWORD XC_AnimationPage::GetPicCount() const
{
    return m_PAL_Pic.Count();
}

XC_AnimationPic* XC_AnimationPage::GetPic(DWORD dwIndex) const
{
    if (dwIndex >= GetPicCount()) {
        XM_REPORT_FAILED("dwIndex < GetPicCount()");
        return nullptr;
    }
    return m_PAL_Pic.GetPtr(dwIndex);
}

void XC_AnimationPage::Clear()
{
    if (m_pMusicObj != nullptr) {
        m_pMusicObj->Release();
        m_pMusicObj = nullptr;
    }
    for (DWORD i = 0; i < m_PAL_Pic.Count(); ++i) {
        XC_AnimationPic* const pAnimationPic = m_PAL_Pic.GetPtr(i);
        if (pAnimationPic == nullptr)
            XM_REPORT_FAILED("m_PAL_Pic.GetPtr(i)");
        delete pAnimationPic;
    }
    m_PAL_Pic.RemoveAll();
}

HRESULT XC_AnimationPage::LoadPage(XC_IOTextFile* pIOTextFileObj, XC_2DTextureManager* p2DTextureManager,
                                   XI_MusicManager* pMusicManager)
{
    Clear();
    if (pIOTextFileObj == nullptr) {
        XM_REPORT_FAILED("pIOTextFileObj");
        return E_FAIL;
    }
    const char* const lpctstrGetLine = pIOTextFileObj->GetNextLine();
    if (lpctstrGetLine == nullptr) {
        XM_REPORT_FAILED("lpctstrGetLine");
        return E_FAIL;
    }
    int iTime = 0;
    int iPicCount = 0;
    std::string strSoundName;
    if (FAILED(ReadPageLine(lpctstrGetLine, &iTime, &strSoundName, &iPicCount))) {
        XF_ReportError(s_szSourceFile, __LINE__, "ANI::LoadPage錯誤");
        return E_FAIL;
    }
    if (strSoundName != NO_SOUND)
        TakeSound(strSoundName, pMusicManager);
    if (iTime < 0) {
        XM_REPORT_FAILED("iTime >= 0");
        return E_FAIL;
    }
    m_fPageTime = iTime / 1000.0f;
    if (iPicCount < 0) {
        XM_REPORT_FAILED("iPicCount >= 0");
        return E_FAIL;
    }
    return LoadPics(iPicCount, pIOTextFileObj, p2DTextureManager);
}

HRESULT XC_AnimationPage::ReadPageLine(const char* szLine, int* piTime, std::string* pstrSoundName,
                                       int* piPicCount)
{
    const XC_AnimationLine line(szLine);
    int iUnused = 0;
    const bool bRead = line.GetFieldCount() >= PAGE_FIELD_COUNT && line.GetInt(FIELD_TIME, piTime)
                    && line.GetInt(FIELD_VALUE, &m_iPageValue) && line.GetInt(FIELD_UNUSED, &iUnused)
                    && line.GetInt(FIELD_PIC_COUNT, piPicCount)
                    && line.GetFloat(FIELD_SPHERE_X, &m_fBoundingSphere.vCenter.x)
                    && line.GetFloat(FIELD_SPHERE_Y, &m_fBoundingSphere.vCenter.y)
                    && line.GetFloat(FIELD_SPHERE_Z, &m_fBoundingSphere.vCenter.z)
                    && line.GetFloat(FIELD_SPHERE_RADIUS, &m_fBoundingSphere.fRadius);
    if (!bRead)
        return E_FAIL;
    *pstrSoundName = line.GetWord(FIELD_SOUND);
    return S_OK;
}

void XC_AnimationPage::TakeSound(const std::string& strSoundName, XI_MusicManager* pMusicManager)
{
    if (pMusicManager == nullptr) {
        XM_REPORT_FAILED("pMusicManager");
        return;
    }
    m_pMusicObj = pMusicManager->GetMusic(strSoundName.c_str());
    if (m_pMusicObj == nullptr)
        XM_REPORT_FAILED("m_pMusicObj");
}

HRESULT XC_AnimationPage::LoadPics(int iPicCount, XC_IOTextFile* pIOTextFileObj,
                                   XC_2DTextureManager* p2DTextureManager)
{
    for (int i = 0; i < iPicCount; ++i) {
        XC_AnimationPic* const pAnimationPic = new (std::nothrow) XC_AnimationPic;
        if (pAnimationPic == nullptr) {
            XM_REPORT_FAILED("pAnimationPic");
            return E_FAIL;
        }
        const HRESULT hr = pAnimationPic->LoadPic(pIOTextFileObj, p2DTextureManager);
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("pAnimationPic->LoadPic( pIOTextFileObj , p2DTextureManager )", hr);
            delete pAnimationPic;
            return E_FAIL;
        }
        if (pAnimationPic->m_bAlphaBlend == 1)
            m_bAlphaBlend = TRUE;
        if (FAILED(m_PAL_Pic.Add(pAnimationPic))) {
            XM_REPORT_FAILED("m_PAL_Pic.Add( pAnimationPic )");
            delete pAnimationPic;
            return E_FAIL;
        }
    }
    return S_OK;
}
