#include "GameProgram/Resource/PackFile/XC_PackFileManager_JBF.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XC_PackFile_JBF.h"

#include <new>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

template <class T>
T LookUpExport(HMODULE hModule, const char* szName)
{
    if (hModule == nullptr)
        return nullptr;
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(hModule, szName)));
}

} // namespace

XC_PackFileManager_JBF::~XC_PackFileManager_JBF()
{
    XC_PackFileManager_JBF::Fini();
}

HRESULT XC_PackFileManager_JBF::Init(const char* szManagerPath, HMODULE hQuorlinModule)
{
    const HRESULT hrFini = Fini();
    if (FAILED(hrFini)) {
        XM_REPORT_FAILED_HR("Fini()", hrFini);
        return hrFini;
    }
    if (hQuorlinModule == nullptr)
        XM_REPORT_FAILED("QuorlinModule");
    const HRESULT hr = SetManagerPath(szManagerPath);
    if (FAILED(hr))
        return hr;
    m_hQuorlinModule = hQuorlinModule;
    m_pfnGetQuorlinObj = LookUpExport<JD_GET_QUORLINOBJ>(hQuorlinModule, JD_GET_QUORLINOBJ_NAME);
    m_pfnDelQuorlinObj = LookUpExport<JD_DEL_QUORLINOBJ>(hQuorlinModule, JD_DEL_QUORLINOBJ_NAME);
    if (m_pfnGetQuorlinObj == nullptr)
        XM_REPORT_FAILED(JD_GET_QUORLINOBJ_NAME);
    if (m_pfnDelQuorlinObj == nullptr)
        XM_REPORT_FAILED(JD_DEL_QUORLINOBJ_NAME);
    return S_OK;
}

HRESULT XC_PackFileManager_JBF::Fini()
{
    for (DWORD i = 0; i < GetPackFileCount(); ++i) {
        XC_PackFile_JBF* pArchivePack = dynamic_cast<XC_PackFile_JBF*>(GetPackFile(i));
        if (pArchivePack == nullptr)
            continue;
        JI_Quorlin*& rpQuorlin = pArchivePack->GetQuorlinRef();
        if (rpQuorlin == nullptr) {
            XM_REPORT_FAILED("rpQuorlin");
            continue;
        }
        const HRESULT hr = rpQuorlin->ProjectClose();
        if (hr != 0)
            XM_REPORT_FAILED_HR("rpQuorlin->ProjectClose()", hr);
        HandBack(rpQuorlin);
        rpQuorlin = nullptr;
    }
    m_hQuorlinModule = nullptr;
    m_pfnGetQuorlinObj = nullptr;
    m_pfnDelQuorlinObj = nullptr;
    return XC_PackFileManager::Fini();
}

XI_PackFile* XC_PackFileManager_JBF::OpenPackFile(const char* szPackName)
{
    if (szPackName == nullptr) {
        XM_REPORT_FAILED("szPackName");
        return nullptr;
    }
    XI_PackFile* pPackFile = OpenArchivePack(szPackName);
    if (pPackFile != nullptr)
        return pPackFile;
    return XC_PackFileManager::OpenPackFile(szPackName);
}

// The archive pack of the name, or null when it is to be read as a folder.
XI_PackFile* XC_PackFileManager_JBF::OpenArchivePack(const char* szPackName)
{
    // Without both exports no object could be handed back: folders only.
    if (m_pfnGetQuorlinObj == nullptr || m_pfnDelQuorlinObj == nullptr) {
        XM_REPORT_FAILED(m_pfnGetQuorlinObj == nullptr ? JD_GET_QUORLINOBJ_NAME : JD_DEL_QUORLINOBJ_NAME);
        return nullptr;
    }
    JI_Quorlin* pQuorlin = nullptr;
    const HRESULT hrGet = m_pfnGetQuorlinObj(&IID_Quorlin_First, &IID_Quorlin_Second, &pQuorlin);
    if (hrGet < 0 || pQuorlin == nullptr) {
        XM_REPORT_FAILED_HR("JD_Get_QuorlinObj", hrGet);
        return nullptr;
    }

    const char* szBase = m_lpstrManagerPath != nullptr ? m_lpstrManagerPath : "";
    const std::string strArchivePath = std::string(szBase) + szPackName + "\\" + szPackName + ".jbf";
    const HRESULT hrOpen = pQuorlin->ProjectOpen(strArchivePath.c_str());
    if (hrOpen != 0) {
        // A pack without an archive is a plain folder; a damaged archive is
        // worth a line before the folder is read instead.
        if (hrOpen != QUORLIN_E_OPEN_FILE)
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("ProjectOpen( %s ) failed , hr = %x ", strArchivePath.c_str(),
                                         static_cast<unsigned>(hrOpen)));
        HandBack(pQuorlin);
        return nullptr;
    }

    XC_PackFile_JBF* pPackFileObj = new (std::nothrow) XC_PackFile_JBF;
    if (pPackFileObj == nullptr) {
        XM_REPORT_FAILED("pPackFileObj");
        pQuorlin->ProjectClose();
        HandBack(pQuorlin);
        return nullptr;
    }
    if (FAILED(pPackFileObj->SetPath(strArchivePath.c_str())) || FAILED(pPackFileObj->SetQuorlin(pQuorlin))
        || !AddPackFile(pPackFileObj)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        pQuorlin->ProjectClose();
        HandBack(pQuorlin);
        delete pPackFileObj;
        return nullptr;
    }
    return pPackFileObj;
}

void XC_PackFileManager_JBF::HandBack(JI_Quorlin* pQuorlin)
{
    if (m_pfnDelQuorlinObj == nullptr) {
        XM_REPORT_FAILED(JD_DEL_QUORLINOBJ_NAME);
        return;
    }
    m_pfnDelQuorlinObj(&IID_Quorlin_First, &IID_Quorlin_Second, pQuorlin);
}
