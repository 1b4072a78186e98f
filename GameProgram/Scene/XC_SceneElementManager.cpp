#include "GameProgram/Scene/XC_SceneElementManager.h"

#include "GameProgram/Common/XC_ReportFileScope.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <cstdio>
#include <string>
#include <unordered_map>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

HRESULT XC_SceneElementManager::Init(XI_PackFile* pPackFile)
{
    if (pPackFile == nullptr) {
        XM_REPORT_FAILED("pPackFile");
        return E_FAIL;
    }
    m_pPackFile = pPackFile;
    return S_OK;
}

HRESULT XC_SceneElementManager::Fini()
{
    return ClearAll();
}

HRESULT XC_SceneElementManager::ClearAll()
{
    m_SceneElementFileName.clear();
    return XC_RenderObjManager::ClearAll();
}

HRESULT XC_SceneElementManager::SaveToNode(XC_TextNode* pTNode) const
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    for (size_t i = 0; i < m_SceneElementFileName.size(); ++i) {
        char szLeafName[32];
        std::snprintf(szLeafName, sizeof(szLeafName), "SE%02lu", static_cast<unsigned long>(i));
        pTNode->AddLeaf(szLeafName, m_SceneElementFileName[i].c_str());
    }
    return S_OK;
}

HRESULT XC_SceneElementManager::LoadFromNode(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    // Each file is read and parsed once, however many leaves name it.
    std::unordered_map<std::string, std::unique_ptr<XC_TextTree>> trees;
    for (int i = 0; i < pTNode->GetLeafCount(); ++i) {
        const char* const szFileName = pTNode->GetLeaf(i)->GetValue();
        std::unique_ptr<XC_TextTree>& pTree = trees[szFileName != nullptr ? szFileName : ""];
        if (pTree == nullptr)
            pTree = ReadElementFile(szFileName);
        if (pTree == nullptr || FAILED(AddElementTree(szFileName, pTree.get()))) {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            return E_FAIL;
        }
    }
    return S_OK;
}

HRESULT XC_SceneElementManager::AddSceneElement(const char* szFileName)
{
    const std::unique_ptr<XC_TextTree> pTree = ReadElementFile(szFileName);
    return pTree != nullptr ? AddElementTree(szFileName, pTree.get()) : E_FAIL;
}

std::unique_ptr<XC_TextTree> XC_SceneElementManager::ReadElementFile(const char* szFileName) const
{
    if (szFileName == nullptr) {
        XM_REPORT_FAILED("szFileName");
        return nullptr;
    }
    if (m_pPackFile == nullptr) {
        XM_REPORT_FAILED("m_pPackFile");
        return nullptr;
    }
    const std::unique_ptr<XS_FileData> pFileData(m_pPackFile->GetData(szFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_SceneElementManager::AddSceneElement\n\t讀取檔案失敗 %s", szFileName));
        return nullptr;
    }
    std::unique_ptr<XC_TextTree> pTree(new XC_TextTree);
    const HRESULT hrParse = pTree->LoadMem(pFileData->pData, pFileData->dwSize, szFileName);
    if (FAILED(hrParse))
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hrParse);
    return pTree;
}

HRESULT XC_SceneElementManager::AddElementTree(const char* szFileName, XC_TextTree* pTree)
{
    const XC_ReportFileScope fileScope(szFileName);
    if (FAILED(LoadFromTextNode(pTree))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    m_SceneElementFileName.emplace_back(szFileName);
    return S_OK;
}

HRESULT XC_SceneElementManager::DelSceneElement(const char* szFileName)
{
    std::vector<XC_String> remaining = m_SceneElementFileName;
    for (auto it = remaining.begin(); szFileName != nullptr && it != remaining.end(); ++it) {
        if (*it == szFileName) {
            remaining.erase(it);
            break;
        }
    }
    ClearAll();
    for (const XC_String& strFileName : remaining)
        AddSceneElement(strFileName.c_str());
    return S_OK;
}

const char* XC_SceneElementManager::GetSceneElementFileName(DWORD Idx) const
{
    if (Idx >= m_SceneElementFileName.size()) {
        XM_REPORT_FAILED("Idx < m_SceneElementFileName.size()");
        return "";
    }
    return m_SceneElementFileName[Idx].c_str();
}

DWORD XC_SceneElementManager::GetSceneElementFileNameCount() const
{
    return static_cast<DWORD>(m_SceneElementFileName.size());
}
