#include "GameProgram/Script/XC_ScriptSet.h"

#include "GameProgram/Common/XC_ReportFileScope.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptMessageAssigner.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "GameProgram/Script/XC_ScriptResource.h"
#include "GameProgram/Sprite/XC_DeferredDeletion.h"

#include <cstring>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

char* s_szTraceFolder = nullptr;

} // namespace

XC_ScriptSet::XC_ScriptSet() = default;

XC_ScriptSet::~XC_ScriptSet()
{
    Fini();
}

void XC_ScriptSet::SetTraceFolder(const char* szFolder)
{
    delete[] s_szTraceFolder;
    s_szTraceFolder = nullptr;
    if (szFolder != nullptr)
        XF_StrCopy(&s_szTraceFolder, szFolder);
}

const char* XC_ScriptSet::GetTraceFolder()
{
    return s_szTraceFolder;
}

HRESULT XC_ScriptSet::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    const HRESULT hr = Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("Fini()", hr);
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    m_pEnvironmentOfRender = pEnvironmentOfRender;
    m_bOwnParts = TRUE;
    m_dwCallDepth = 0;
    m_dwCalledFiles = 0;
    m_pdwCalledFiles = &m_dwCalledFiles;
    m_pScriptMessageAssigner = new (std::nothrow) XC_ScriptMessageAssigner;
    m_pScriptParameter = new (std::nothrow) XC_ScriptParameter;
    m_pScriptResourceObj = new (std::nothrow) XC_ScriptResource;
    if (m_pScriptMessageAssigner == nullptr)
        XM_REPORT_FAILED("m_pScriptMessageAssigner");
    if (m_pScriptParameter == nullptr)
        XM_REPORT_FAILED("m_pScriptParameter");
    if (m_pScriptResourceObj == nullptr)
        XM_REPORT_FAILED("m_pScriptResourceObj");
    m_bInited = TRUE;
    return S_OK;
}

HRESULT XC_ScriptSet::InitFromScript(XC_Script* pScriptObj)
{
    const HRESULT hr = Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("Fini()", hr);
    m_bOwnParts = FALSE;
    if (pScriptObj == nullptr) {
        XM_REPORT_FAILED("pScriptObj");
        return E_FAIL;
    }
    if (pScriptObj->GetCallDepth() >= MAX_CALL_DEPTH) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("Script \"%s\" calls script files deeper than %lu", pScriptObj->GetName(),
                                     static_cast<unsigned long>(MAX_CALL_DEPTH)));
        return E_FAIL;
    }
    DWORD* const pdwCalledFiles = pScriptObj->GetCalledFiles() != nullptr ? pScriptObj->GetCalledFiles() : &m_dwCalledFiles;
    if (*pdwCalledFiles >= MAX_CALLED_FILES) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("Script \"%s\" calls more than %lu script files", pScriptObj->GetName(),
                                     static_cast<unsigned long>(MAX_CALLED_FILES)));
        return E_FAIL;
    }
    m_pdwCalledFiles = pdwCalledFiles;
    ++*m_pdwCalledFiles;
    m_dwCallDepth = pScriptObj->GetCallDepth() + 1;
    m_RenderNode.SetParent(pScriptObj->GetRootRenderNode());
    m_pEnvironmentOfRender = pScriptObj->GetEnvironmentOfRender();
    m_pScriptMessageAssigner = pScriptObj->GetScriptMessageAssigner();
    m_pScriptParameter = pScriptObj->GetScriptParameter();
    m_pScriptResourceObj = pScriptObj->GetScriptResource();
    if (m_pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("m_pEnvironmentOfRender");
    if (m_pScriptMessageAssigner == nullptr)
        XM_REPORT_FAILED("m_pScriptMessageAssigner");
    m_bInited = TRUE;
    return S_OK;
}

HRESULT XC_ScriptSet::Fini()
{
    if (!m_bInited)
        return S_OK;
    const HRESULT hr = Clear();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("Clear( )", hr);
    m_pEnvironmentOfRender = nullptr;
    if (m_bOwnParts) {
        delete m_pScriptMessageAssigner;
        delete m_pScriptParameter;
        delete m_pScriptResourceObj;
        m_bOwnParts = FALSE;
    } else {
        m_RenderNode.SetParent(nullptr);
    }
    m_pScriptMessageAssigner = nullptr;
    m_pScriptParameter = nullptr;
    m_pScriptResourceObj = nullptr;
    CloseTraceFile();
    m_bInited = FALSE;
    return S_OK;
}

HRESULT XC_ScriptSet::Clear()
{
    // The scripts go before the tree they point into.
    for (DWORD i = 0; i < m_PAL_Script.Count(); ++i) {
        XC_Script* const pScriptObj = m_PAL_Script.GetPtr(i);
        if (pScriptObj == nullptr) {
            XM_REPORT_FAILED("pScriptObj");
            continue;
        }
        pScriptObj->Fini();
        delete pScriptObj;
    }
    m_PAL_Script.RemoveAll();
    m_TTreeData.Clear();
    m_pTNodeScriptSet = nullptr;
    return S_OK;
}

void XC_ScriptSet::OpenTraceFile(const char* szFileName)
{
    if (s_szTraceFolder == nullptr)
        return;
    const char* szBaseName = szFileName;
    for (const char* c = szFileName; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '/')
            szBaseName = c + 1;
    }
    const XC_String strPath = XC_String(s_szTraceFolder) + szBaseName + ".sdi";
    CloseTraceFile();
    m_hTraceFile = CreateFileA(strPath.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hTraceFile == INVALID_HANDLE_VALUE)
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Cannot create the trace file %s", strPath.c_str()));
}

void XC_ScriptSet::CloseTraceFile()
{
    if (m_hTraceFile == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(m_hTraceFile);
    m_hTraceFile = INVALID_HANDLE_VALUE;
}

HRESULT XC_ScriptSet::LoadScript(const char* szFileName)
{
    if (szFileName == nullptr) {
        XM_REPORT_FAILED("szFileName");
        return E_FAIL;
    }
    if (g_pPackFile_Data == nullptr) {
        XM_REPORT_FAILED("g_pPackFile_Data");
        return E_FAIL;
    }
    const std::unique_ptr<XS_FileData> pFileData(g_pPackFile_Data->GetData(szFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("XC_ScriptSet::LoadScript\n\t讀取檔案失敗 %s", szFileName));
        return E_FAIL;
    }
    OpenTraceFile(szFileName);
    if (pFileData->dwSize >= 3 && std::memcmp(pFileData->pData, "\xEF\xBB\xBF", 3) == 0) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%s : starts with a UTF-8 byte-order mark; script files are CP950 text", szFileName));
    }
    HRESULT hr = S_OK;
    {
        const XC_ReportFileScope fileScope(szFileName);
        hr = LoadScriptText(pFileData->pData, pFileData->dwSize, szFileName);
    }
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return hr;
    }
    if (m_PAL_Script.Count() == 0)
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("%s : the file holds no script", szFileName));
    return S_OK;
}

HRESULT XC_ScriptSet::LoadScriptFromMemory(const void* pData, DWORD dwSize)
{
    return LoadScriptText(pData, dwSize, nullptr);
}

HRESULT XC_ScriptSet::LoadScriptText(const void* pData, DWORD dwSize, const char* szFileName)
{
    HRESULT hr = m_TTreeData.LoadMem(pData, dwSize, szFileName);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_TTreeData.LoadMem( pData , dwSize )", hr);
        return hr;
    }
    hr = Load(&m_TTreeData);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("Load( &m_TTreeData )", hr);
        return hr;
    }
    return S_OK;
}

HRESULT XC_ScriptSet::Load(XC_TextNode* pTNode)
{
    if (!m_bInited) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_ScriptSet::Load Error , UnInit");
        return E_FAIL;
    }
    m_pTNodeScriptSet = pTNode;
    if (pTNode == nullptr)
        return S_OK;
    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        XC_TextNode* const pTNodeScript = pTNode->FindChildNode(i);
        if (pTNodeScript == nullptr) {
            XM_REPORT_FAILED("pTNode");
            continue;
        }
        const HRESULT hr = CreateScript(pTNodeScript);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("CreateScript( pTNode )", hr);
    }
    return S_OK;
}

HRESULT XC_ScriptSet::CreateScript(XC_TextNode* pTNodeScript)
{
    XC_Script* const pScriptObj = new (std::nothrow) XC_Script;
    if (pScriptObj == nullptr) {
        XM_REPORT_FAILED("pScriptObj");
        return E_OUTOFMEMORY;
    }
    HRESULT hr = pScriptObj->Init(m_pEnvironmentOfRender, m_pScriptMessageAssigner);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pScriptObj->Init( m_pEnvironmentOfRender , m_pScriptMessageAssigner )", hr);
    hr = pScriptObj->Load(pTNodeScript);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pScriptObj->Load( pTNodeScript )", hr);
    AdoptScript(pScriptObj);
    return S_OK;
}

void XC_ScriptSet::AdoptScript(XC_Script* pScriptObj)
{
    pScriptObj->GetRootRenderNode()->SetParent(&m_RenderNode);
    pScriptObj->GetScriptParameter()->SetParent(m_pScriptParameter);
    pScriptObj->GetScriptResource()->SetParent(m_pScriptResourceObj);
    if (m_hTraceFile != INVALID_HANDLE_VALUE)
        pScriptObj->SetTraceFile(m_hTraceFile);
    pScriptObj->SetCallDepth(m_dwCallDepth);
    pScriptObj->SetCalledFiles(m_pdwCalledFiles);
    m_PAL_Script.Add(pScriptObj);
}

HRESULT XC_ScriptSet::RunAllScript()
{
    const XC_DeferredDeletion deletionScope;
    // A script's start may add or finish scripts of this set: the index is
    // checked against the count at every turn.
    for (DWORD i = 0; i < m_PAL_Script.Count(); ++i) {
        const HRESULT hr = m_PAL_Script.GetPtr(i)->RunScript();
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("m_PAL_Script.GetPtr(i)->RunScript()", hr);
            return hr;
        }
    }
    return S_OK;
}

DWORD XC_ScriptSet::GetAllWorkCount()
{
    DWORD dwCount = 0;
    for (DWORD i = 0; i < m_PAL_Script.Count(); ++i) {
        const XC_Script* const pScriptObj = m_PAL_Script.GetPtr(i);
        if (pScriptObj == nullptr) {
            XM_REPORT_FAILED("m_PAL_Script.GetPtr(i)");
            continue;
        }
        dwCount += pScriptObj->GetWorkCount();
    }
    return dwCount;
}

DWORD XC_ScriptSet::GetScriptCount() const
{
    return m_PAL_Script.Count();
}

XC_Script* XC_ScriptSet::FindScript(const char* szScriptName)
{
    if (szScriptName == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    for (DWORD i = 0; i < m_PAL_Script.Count(); ++i) {
        if (std::strcmp(m_PAL_Script.GetPtr(i)->GetName(), szScriptName) == 0)
            return m_PAL_Script.GetPtr(i);
    }
    return nullptr;
}

XC_Script* XC_ScriptSet::GetScript(DWORD dwIndex)
{
    if (dwIndex >= m_PAL_Script.Count()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    return m_PAL_Script.GetPtr(dwIndex);
}

XI_EnvironmentOfRender* XC_ScriptSet::GetEnvironmentOfRender()
{
    if (m_pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("m_pEnvironmentOfRender");
    return m_pEnvironmentOfRender;
}

XC_ScriptMessageAssigner* XC_ScriptSet::GetScriptMessageAssigner()
{
    if (m_pScriptMessageAssigner == nullptr)
        XM_REPORT_FAILED("m_pScriptMessageAssigner");
    return m_pScriptMessageAssigner;
}

XC_RenderNode* XC_ScriptSet::GetRenderNode()
{
    return &m_RenderNode;
}

XC_ScriptParameter* XC_ScriptSet::GetScriptParameter()
{
    if (m_pScriptParameter == nullptr)
        XM_REPORT_FAILED("m_pScriptParameter");
    return m_pScriptParameter;
}

XC_ScriptResource* XC_ScriptSet::GetScriptResource()
{
    if (m_pScriptResourceObj == nullptr)
        XM_REPORT_FAILED("m_pScriptResourceObj");
    return m_pScriptResourceObj;
}
