#include "GameProgram/DirectShow/XC_DirectShowOwner.h"

#include "GameProgram/Common/XF_Common.h"

#include <dshow.h>
#include <objbase.h>

namespace {

void ReportCall(const char* szSourceFile, int iLine, const char* szCall, HRESULT hr)
{
    XF_ReportError(szSourceFile, iLine,
                   XF_FormatText("( %s ) failed , hr = %x ", szCall, static_cast<unsigned>(hr)));
}

} // namespace

XC_DirectShowOwner::~XC_DirectShowOwner()
{
    Fini();
}

HRESULT XC_DirectShowOwner::Init(const char* szSourceFile, HWND hWndApp, long lNotify, const char* szFilePath)
{
    const char* szMissing = hWndApp == nullptr          ? "hWndApp"
                            : szFilePath == nullptr      ? "szFilePath"
                            : m_lpstrFilePath != nullptr ? "NULL == m_lpstrFilePath"
                                                         : nullptr;
    if (szMissing != nullptr) {
        XF_ReportError(szSourceFile, __LINE__, XF_FormatText("( %s ) failed", szMissing));
        return E_FAIL;
    }
    const HRESULT hr = XF_StrCopy(&m_lpstrFilePath, szFilePath);
    if (FAILED(hr)) {
        ReportCall(szSourceFile, __LINE__, "XF_StrCopy( m_lpstrFilePath , szFilePath )", hr);
        return hr;
    }
    m_hWndApp = hWndApp;
    m_lNotify = lNotify;
    m_bComInitialized = SUCCEEDED(CoInitialize(nullptr));
    return S_OK;
}

void XC_DirectShowOwner::Fini()
{
    delete[] m_lpstrFilePath;
    m_lpstrFilePath = nullptr;
    if (m_bComInitialized) {
        CoUninitialize();
        m_bComInitialized = false;
    }
}

std::wstring XC_DirectShowOwner::MediaPath(const char* szFileName) const
{
    const std::string strPath = std::string(m_lpstrFilePath != nullptr ? m_lpstrFilePath : "") + szFileName;
    wchar_t wPath[MAX_PATH] = {};
    const int iLength = MultiByteToWideChar(CP_ACP, 0, strPath.c_str(), static_cast<int>(strPath.size()), wPath,
                                            MAX_PATH - 1);
    return std::wstring(wPath, iLength > 0 ? iLength : 0);
}

HRESULT XC_DirectShowOwner::BuildGraph(const char* szSourceFile, const char* szFileName, const char* szRenderCall,
                                       IGraphBuilder** ppGraph, const XS_GraphQuery* pQueries,
                                       size_t queryCount) const
{
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                  reinterpret_cast<void**>(ppGraph));
    if (FAILED(hr)) {
        ReportCall(szSourceFile, __LINE__, "CoCreateInstance( CLSID_FilterGraph )", hr);
        return hr;
    }
    hr = (*ppGraph)->RenderFile(MediaPath(szFileName).c_str(), nullptr);
    if (FAILED(hr)) {
        ReportCall(szSourceFile, __LINE__, szRenderCall, hr);
        return hr;
    }
    for (size_t i = 0; i < queryCount; ++i) {
        hr = (*ppGraph)->QueryInterface(pQueries[i].iid, pQueries[i].ppInterface);
        if (FAILED(hr)) {
            ReportCall(szSourceFile, __LINE__, pQueries[i].szCall, hr);
            return hr;
        }
    }
    return S_OK;
}
