#include "GameProgram/Resource/XC_AnimationManager.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_AnimationManager* g_pAnimationManager = nullptr;

namespace {

const char* const ERROR_ANIMATION_NAME = "error.ant";

} // namespace

XC_AnimationManager::XC_AnimationManager()
    : m_p2DTextureManager(nullptr)
    , m_pMusicManager(nullptr)
{
    SetManagerName("XC_AnimationManager");
}

XC_AnimationManager::~XC_AnimationManager()
{
    XC_AnimationManager::Fini();
}

HRESULT XC_AnimationManager::Init(XI_PackFile* pPackFile, XC_2DTextureManager* p2DTextureManager,
                                  XI_MusicManager* pMusicManager)
{
    const HRESULT hr = Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("Fini()", hr);
    m_pPackFile = nullptr;
    m_p2DTextureManager = nullptr;
    m_pMusicManager = nullptr;
    bool bComplete = true;
    if (pPackFile == nullptr) {
        XM_REPORT_FAILED("pPackFile");
        bComplete = false;
    }
    if (p2DTextureManager == nullptr) {
        XM_REPORT_FAILED("p2DTextureManager");
        bComplete = false;
    }
    if (pMusicManager == nullptr) {
        XM_REPORT_FAILED("pMusicManager");
        bComplete = false;
    }
    if (!bComplete)
        return E_FAIL;
    m_pPackFile = pPackFile;
    m_p2DTextureManager = p2DTextureManager;
    m_pMusicManager = pMusicManager;
    return S_OK;
}

HRESULT XC_AnimationManager::Fini()
{
    return DeleteAllResource();
}

XC_AnimationObject* XC_AnimationManager::GetAnimation(const char* szResourceName)
{
    return GetAnimationOrDefault(szResourceName, nullptr);
}

XC_AnimationObject* XC_AnimationManager::GetAnimationOrDefault(const char* szResourceName,
                                                               const char* szDefaultName)
{
    XC_Resource* pResourceObj = GetResource(szResourceName);
    if (pResourceObj == nullptr && szDefaultName != nullptr)
        pResourceObj = GetResource(szDefaultName);
    if (pResourceObj == nullptr)
        pResourceObj = GetResource(ERROR_ANIMATION_NAME);
    return static_cast<XC_AnimationObject*>(pResourceObj);
}

HRESULT XC_AnimationManager::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    XC_IOTextFile IOTextFileobj;
    if (FAILED(ReadLines(szResourceName, &IOTextFileobj)))
        return E_FAIL;
    std::unique_ptr<XC_AnimationObject> pAnimationObj(new (std::nothrow) XC_AnimationObject);
    if (pAnimationObj == nullptr) {
        XM_REPORT_FAILED("pAnimationObj");
        return E_FAIL;
    }
    const HRESULT hr = pAnimationObj->LoadAnimation(&IOTextFileobj, m_p2DTextureManager, m_pMusicManager);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pAnimationObj->LoadAnimation( &IOTextFileobj , m_p2DTextureManager , m_pMusicManager )",
                            hr);
        return E_FAIL;
    }
    *ppResourceObj = pAnimationObj.release();
    return S_OK;
}

HRESULT XC_AnimationManager::ReadLines(const char* szResourceName, XC_IOTextFile* pIOTextFileObj)
{
    const std::unique_ptr<XS_FileData> pFileData = ReadPackFile(
        szResourceName, s_szSourceFile, __LINE__, "XC_AnimationManager::CreateObjct\r\n讀取檔案失敗 \"%s\"");
    if (pFileData == nullptr)
        return E_FAIL;
    const HRESULT hr =
        pIOTextFileObj->LoadFromMemory(reinterpret_cast<const char*>(pFileData->pData), pFileData->dwSize);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("IOTextFileobj.LoadFromMemory( pFileData->pData , pFileData->dwSize )", hr);
    return S_OK;
}

HRESULT XC_AnimationManager::DeleteResource(XC_Resource* pResourceObj)
{
    delete pResourceObj;
    return S_OK;
}
