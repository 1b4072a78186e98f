#include "GameProgram/Effect/XC_EffectManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Effect/XC_Effect.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_EffectManager* g_pEffectManager = nullptr;

XC_EffectManager::XC_EffectManager()
{
    SetManagerName("XC_EffectManager");
}

XC_EffectManager::~XC_EffectManager()
{
    Fini();
}

HRESULT XC_EffectManager::Init(XI_PackFile* pPackFile)
{
    return SetPackFile(pPackFile);
}

HRESULT XC_EffectManager::Fini()
{
    DeleteAllResource();
    return S_OK;
}

XC_Effect* XC_EffectManager::GetEffect(const char* szResourceName)
{
    return static_cast<XC_Effect*>(GetResource(szResourceName));
}

HRESULT XC_EffectManager::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    const std::unique_ptr<XS_FileData> pFileData =
        ReadPackFile(szResourceName, s_szSourceFile, __LINE__, "Effect File Not Found , %s");
    if (pFileData == nullptr)
        return E_FAIL;
    XC_Effect* const pEffectObj = new XC_Effect;
    if (FAILED(pEffectObj->LoadFromMemory(pFileData->pData, pFileData->dwSize))) {
        delete pEffectObj;
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Load Effect Error , %s", szResourceName));
        return E_FAIL;
    }
    *ppResourceObj = pEffectObj;
    return S_OK;
}

HRESULT XC_EffectManager::DeleteResource(XC_Resource* pResourceObj)
{
    XC_Effect* const pEffectObj = dynamic_cast<XC_Effect*>(pResourceObj);
    if (pEffectObj == nullptr) {
        XM_REPORT_FAILED("pEffectObj");
        return E_FAIL;
    }
    delete pEffectObj;
    return S_OK;
}
