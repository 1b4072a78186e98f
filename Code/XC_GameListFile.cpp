#include "Code/XC_GameListFile.h"

#include "Code/XC_GameFileName.h"
#include "Code/XS_GameFloorColor.h"
#include "GameProgram/Common/XC_TextLeaf.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <cstdlib>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD GF_FLOOR_COLOR = 52;
const DWORD GF_POSE_LIST = 53;
const DWORD GF_STATE_SCRIPT_LIST = 54;

} // namespace

XC_GameListFile::XF_LoadStateScripts XC_GameListFile::s_pfnLoadStateScripts = nullptr;

void XC_GameListFile::SetStateScriptLoader(XF_LoadStateScripts pfnLoad)
{
    s_pfnLoadStateScripts = pfnLoad;
}

DWORD XC_GameListFile::ParseNumber(const char* szText)
{
    if (szText == nullptr)
        return 0;
    const bool bHex = szText[0] == '0' && (szText[1] == 'x' || szText[1] == 'X');
    return static_cast<DWORD>(std::strtoul(bHex ? szText + 2 : szText, nullptr, bHex ? 16 : 10));
}

HRESULT XC_GameListFile::ReadList(DWORD dwFileID, XC_TextTree& tree)
{
    const char* const szFileName = g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(dwFileID) : nullptr;
    if (szFileName == nullptr)
        XM_REPORT_FAILED("szFileName");
    std::unique_ptr<XS_FileData> pFileData;
    if (g_pPackFile_Data != nullptr && szFileName != nullptr)
        pFileData.reset(g_pPackFile_Data->GetData(szFileName));
    if (pFileData == nullptr) {
        XM_REPORT_FAILED("pFileData");
        return E_FAIL;
    }
    // What was parsed before a fault is kept.
    const HRESULT hr = tree.LoadMem(pFileData->pData, pFileData->dwSize);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hr);
    return S_OK;
}

HRESULT XC_GameListFile::LoadGameFloorColor()
{
    XC_TextTree tree;
    if (FAILED(ReadList(GF_FLOOR_COLOR, tree)))
        return E_FAIL;
    g_pGameFloorColor->Load(tree);
    return S_OK;
}

HRESULT XC_GameListFile::LoadPersonPoseList()
{
    XC_TextTree tree;
    if (FAILED(ReadList(GF_POSE_LIST, tree)))
        return E_FAIL;
    LoadPoseList(tree);
    return S_OK;
}

void XC_GameListFile::LoadPoseList(const XC_TextNode& root)
{
    for (int i = 0; i < root.GetLeafCount(); ++i) {
        const XC_TextLeaf* const pTLeaf = root.GetLeaf(i);
        if (pTLeaf == nullptr) {
            XM_REPORT_FAILED("pTLeaf");
            continue;
        }
        XC_Person::SetPersonPoseIndex(pTLeaf->GetName(), ParseNumber(pTLeaf->GetValue()));
    }
}

HRESULT XC_GameListFile::LoadPersonStateScriptList()
{
    XC_TextTree tree;
    if (FAILED(ReadList(GF_STATE_SCRIPT_LIST, tree)))
        return E_FAIL;
    if (s_pfnLoadStateScripts == nullptr)
        return S_OK;
    const HRESULT hr = s_pfnLoadStateScripts(&tree);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("XC_GamePerson::LoadStateScriptName( &TTree )", hr);
    return S_OK;
}
